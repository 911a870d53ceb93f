#pragma once

#include "forms/NotifyLayout.h"
#include "store/NoteTable.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <utility>

class QCheckBox;

class frmNotify : public QDialog, public NotifyLayout {
    // One context for the window and its layout.
    Q_DECLARE_TR_FUNCTIONS(frmNotify)

  public:
    frmNotify();
    Q_DISABLE_COPY_MOVE(frmNotify)

    void Form_Load();
    void Form_Unload() {}
    void VScroll1_Change();
    void VScroll1_Scroll();
    void ckDaily_Click(int index);
    void ckWeekly_Click(int index);
    void ckMonthly_Click(int index);
    void cmdClear_Click(int index);
    void txtDateNotify_Click(int index);
    void txtTimeNote_Click(int index);
    void cmdTest1_Click();
    void cmdTest2_Click();
    void cmdTest3_Click();
    void cmdTest4_Click();
    void cmdOKnotify_Click();
    // Who asked for a save: the user's own (the editor's OK, a picker's accept) is told every
    // time it fails; the program's own saves are told once, until a save works again.
    enum class SaveBy { Program, User };
    // Writes the data file from the rows, the option buttons and the table's done flags.
    bool SaveMsg(SaveBy by = SaveBy::Program);
    bool lastSaveWorked() const { return m_lastSaveFailure.isEmpty(); }
    // A failure of the program's next saves is the caller's to tell (Exit asks in its own box;
    // a signal cannot ask).
    void stopTellingSaveFailures() { m_saveFailureTold = true; }
    // Where and why the last save failed (SaveFailedWhere), empty after one that worked.
    QString lastSaveFailure() const { return m_lastSaveFailure; }
    // The row's date and time now stand as armed or fired by the program, not as typed.
    void settleRow(int row);
    // What the editor shows, with the table's done flags and header texts.
    Notes Shown() const;
    // Another program changed the file from `before` to `after`: the rows follow, those the user
    // has changed in the open editor excepted, which meet the file's at OK.
    void followFile(const Notes& before, const Notes& after);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override {} // Esc must not close it: OK is the only way out
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Scrolls just far enough, by the scroll bar, that row `row` is wholly in view.
    void ShowRow(int row);
    bool RowInView(int row) const;
    // Opens the picker of a date or time box, as a click on it does; false for other widgets.
    bool openPickerOf(const QObject* box);
    // The keyboard's way through the rows: the focused row is scrolled into view, and F4 or
    // Alt+Down opens a date or time box's picker.
    void watchRowKeyboard();
    bool rowKeyboardEvent(QObject* watched, QEvent* event);
    // A row's controls in their Tab order.
    std::array<QWidget*, 7> rowControls(int row) const;
    // The row and the place in it of a row's control; -1 for any other widget.
    std::pair<int, int> rowPlace(const QObject* control) const;

    void fillRow(int row, const Notes& from, int slot);
    void setRow(int row, const Notes& from, int slot);
    void setSound(const Notes& from);
    // What a save writes while the editor is open: a row the user changed where the file changed
    // too keeps the file's until OK decides.
    Notes openSave(const Notes& known) const;
    // OK's meeting of the user's rows and the file's, row by row against the rows as the editor
    // opened; a reminder that found no free row is named in `lost`.
    Notes meetAtOK(const Notes& file, const Notes& known, QStringList& lost) const;

    bool m_saveFailureTold = false;
    bool m_following = false;  // rows set from the file, not by the user
    bool m_meeting = false;    // the save is OK's
    Notes m_opened;            // the rows and sound as the editor opened, following the file
    QString m_lastSaveFailure; // empty after a save that worked
    // Each row's date and time as last loaded, saved by OK, or set by a picker or a repeat.
    std::array<std::pair<QString, QString>, RowCount> m_settled;
};

// What a failed save tells: where, and the system's reason; the message adds what the editor
// still holds.
QString SaveFailedWhere(const QString& path, const QString& why);
QString SaveFailedMessage(const QString& path, const QString& why);

// Opening the editor: placed centred at the top of the screen, then shown modally.
void PlaceEditor();
void ShowEditorModal();

int Value(const QCheckBox* box);
void SetValue(QCheckBox* box, int value);
