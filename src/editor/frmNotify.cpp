#include "editor/frmNotify.h"

#include "editor/frmCal.h"
#include "editor/frmTime.h"
#include "forms/Default.h"
#include "forms/PassLayout.h"
#include "forms/Twips.h"
#include "forms/Windows.h"
#include "platform/Platform.h"
#include "store/DataFile.h"
#include "store/DateText.h"
#include "store/Module1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <vector>

namespace {
constexpr int SoundFlags = platform::SND_ASYNC | platform::SND_NODEFAULT;
}

int Value(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}
void SetValue(QCheckBox* box, int value) {
    box->setChecked(value != 0);
}

frmNotify::frmNotify() {
    setupUi(this);
    for (int i = 0; i < RowCount; ++i) {
        connect(ckDaily[i], &QCheckBox::toggled, this, [this, i] { ckDaily_Click(i); });
        connect(ckWeekly[i], &QCheckBox::toggled, this, [this, i] { ckWeekly_Click(i); });
        connect(ckMonthly[i], &QCheckBox::toggled, this, [this, i] { ckMonthly_Click(i); });
        connect(cmdClear[i], &QPushButton::clicked, this, [this, i] { cmdClear_Click(i); });
        txtDateNotify[i]->installEventFilter(this);
        txtTimeNote[i]->installEventFilter(this);
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(VScroll1, &QScrollBar::sliderMoved, this, [this] { VScroll1_Scroll(); });
    connect(cmdTest1, &QPushButton::clicked, this, [this] { cmdTest1_Click(); });
    connect(cmdTest2, &QPushButton::clicked, this, [this] { cmdTest2_Click(); });
    connect(cmdTest3, &QPushButton::clicked, this, [this] { cmdTest3_Click(); });
    connect(cmdTest4, &QPushButton::clicked, this, [this] { cmdTest4_Click(); });
    connect(cmdOKnotify, &QPushButton::clicked, this, [this] { cmdOKnotify_Click(); });
    watchRowKeyboard();
    SetFileFollower([](const Notes& before, const Notes& after) {
        if (IsLoaded<frmNotify>()) Default<frmNotify>().followFile(before, after);
    });
}

void frmNotify::Form_Load() {
    LoadNotes();
    // Filled as the user would: the repeat boxes' handlers run, as they always did at load.
    for (int i = 0; i < RowCount; ++i)
        fillRow(i, NoteTable, i);
    setSound(NoteTable);
}

void frmNotify::setSound(const Notes& from) {
    SetOption(soundGroup, optMessage, from.SoundMessage);
    SetOption(soundGroup, optAlert, from.SoundAlert);
    SetOption(soundGroup, optDive, from.SoundDive);
    SetOption(soundGroup, OptAlarm, from.SoundAlarm);
}

void frmNotify::fillRow(int i, const Notes& from, int slot) {
    txtDateNotify[i]->setText(from.NoteDate[slot]);
    txtMessage[i]->setText(from.NoteMessage[slot]);
    txtTimeNote[i]->setText(from.NoteTime[slot]);
    SetValue(ckDaily[i], from.RepeatDaily[slot]);
    SetValue(ckWeekly[i], from.RepeatWeekly[slot]);
    SetValue(ckMonthly[i], from.RepeatMonthly[slot]);
    settleRow(i);
}

void frmNotify::setRow(int i, const Notes& from, int slot) {
    // The file's values as they stand: the repeat boxes' handlers would re-arm the slot.
    m_following = true;
    fillRow(i, from, slot);
    m_following = false;
}

void frmNotify::followFile(const Notes& before, const Notes& after) {
    const bool open = isVisible();
    const Notes shown = Shown();
    const int focusRow = rowPlace(focusWidget()).first;
    for (int i = 0; i < RowCount; ++i) {
        if (SameRow(before, i, after, i) || SameRow(shown, i, after, i)) continue;
        if (open) {
            // The user's own change, or the row being typed in, waits for OK.
            if (!SameRow(shown, i, m_opened, i) || i == focusRow) continue;
            CopySlot(m_opened, i, after, i);
        }
        setRow(i, after, i);
    }
    if (!SameSound(before, after) && !SameSound(shown, after) &&
        (!open || SameSound(shown, m_opened))) {
        setSound(after);
        CopySound(m_opened, after);
    }
}

void frmNotify::VScroll1_Change() {
    Frame1->move(Frame1->x(), -Px(VScroll1->value()));
}
void frmNotify::VScroll1_Scroll() {
    Frame1->move(Frame1->x(), -Px(VScroll1->sliderPosition()));
}

void frmNotify::ckDaily_Click(int i) {
    if (m_following || Value(ckDaily[i]) != 1) return;
    Rearm(i);
    SetValue(ckWeekly[i], 0);
    SetValue(ckMonthly[i], 0);
}

void frmNotify::ckWeekly_Click(int i) {
    if (m_following || Value(ckWeekly[i]) != 1) return;
    SetValue(ckDaily[i], 0);
    SetValue(ckMonthly[i], 0);
    Rearm(i);
}

void frmNotify::ckMonthly_Click(int i) {
    if (m_following || Value(ckMonthly[i]) != 1) return;
    SetValue(ckDaily[i], 0);
    SetValue(ckWeekly[i], 0);
    Rearm(i);
}

void frmNotify::cmdClear_Click(int i) {
    SetValue(ckDaily[i], 0);
    SetValue(ckWeekly[i], 0);
    SetValue(ckMonthly[i], 0);
    NoteTable.NoteDone[i] = 1;
    txtDateNotify[i]->clear();
    txtMessage[i]->clear();
    txtTimeNote[i]->clear();
    // Emptied, so whatever is typed into it next is a new reminder.
    settleRow(i);
}

void frmNotify::settleRow(int i) {
    m_settled[size_t(i)] = {txtDateNotify[i]->text(), txtTimeNote[i]->text()};
}

void frmNotify::txtDateNotify_Click(int i) {
    CurrentRow = qint16(i);
    Rearm(i);
    Default<frmCal>().exec();
}

void frmNotify::txtTimeNote_Click(int i) {
    CurrentRow = qint16(i);
    Rearm(i);
    Default<frmTime>().exec();
}

bool frmNotify::eventFilter(QObject* watched, QEvent* event) {
    if (rowKeyboardEvent(watched, event)) return true;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        openPickerOf(watched);
    return QDialog::eventFilter(watched, event);
}

bool frmNotify::openPickerOf(const QObject* box) {
    const int row = rowPlace(box).first;
    if (row >= 0 && box == txtDateNotify[row]) {
        txtDateNotify_Click(row);
        return true;
    }
    if (row >= 0 && box == txtTimeNote[row]) {
        txtTimeNote_Click(row);
        return true;
    }
    return false;
}

void frmNotify::watchRowKeyboard() {
    for (int i = 0; i < RowCount; ++i) {
        // The date and time boxes are watched already, for their clicks.
        const std::initializer_list<QWidget*> others{cmdClear[i], txtMessage[i], ckDaily[i],
                                                     ckWeekly[i], ckMonthly[i]};
        for (QWidget* control : others)
            control->installEventFilter(this);
    }
}

std::array<QWidget*, 7> frmNotify::rowControls(int row) const {
    return {cmdClear[row], txtDateNotify[row], txtMessage[row], txtTimeNote[row],
            ckDaily[row],  ckWeekly[row],      ckMonthly[row]};
}

std::pair<int, int> frmNotify::rowPlace(const QObject* control) const {
    for (int i = 0; i < RowCount; ++i) {
        const auto controls = rowControls(i);
        for (int k = 0; k < int(controls.size()); ++k)
            if (controls[k] == control) return {i, k};
    }
    return {-1, -1};
}

bool frmNotify::rowKeyboardEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (const int row = rowPlace(watched).first; row >= 0) ShowRow(row);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keys that open a date field's calendar elsewhere; any other key types as before.
    const bool opens = (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) ||
                       (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
    return opens && openPickerOf(watched);
}

namespace {
constexpr int RowHeight = 285; // a row's boxes, as laid out
}

// Once scrolled, a row's top edge stands RowTop0 + RowPitch * row - value twips below the
// window's; before the first scroll 30 twips lower, which only shows more.
bool frmNotify::RowInView(int row) const {
    const int top = RowTop0 + RowPitch * row - VScroll1->value();
    return top >= 0 && top + RowHeight <= EditorClientHeight;
}

void frmNotify::ShowRow(int row) {
    if (RowInView(row)) return;
    // In whole rows, as the arrows scroll: the row at the top, or at the bottom.
    const int top = RowTop0 + RowPitch * row;
    if (top < VScroll1->value())
        VScroll1->setValue(RowPitch * row);
    else
        VScroll1->setValue((top + RowHeight - EditorClientHeight + RowPitch - 1) / RowPitch *
                           RowPitch);
}

void frmNotify::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // What the user changes from here on is told apart from what the file changes.
    m_opened = Shown();
    // The editor reopens where it was left. Where the control that had the focus has been
    // scrolled away, the focus comes back to the same box of the first row in view rather than
    // the rows to the focus; the window is not active yet, so this only chooses where it lands.
    // At the first showing no control has had it, and it goes to the first in Tab order.
    const auto [row, place] = focusWidget() ? rowPlace(focusWidget()) : std::pair(0, 0);
    if (row < 0 || RowInView(row)) return;
    int first = 0;
    while (first < RowCount - 1 && !RowInView(first))
        ++first;
    rowControls(first)[place]->setFocus(Qt::OtherFocusReason);
}

void frmNotify::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void frmNotify::cmdTest1_Click() {
    PlaySoundFile(QStringLiteral("checkmsgs.wav"), SoundFlags);
}
void frmNotify::cmdTest2_Click() {
    PlaySoundFile(QStringLiteral("Alert.wav"), SoundFlags);
}
void frmNotify::cmdTest3_Click() {
    PlaySoundFile(QStringLiteral("Keytry.wav"), SoundFlags);
}
void frmNotify::cmdTest4_Click() {
    PlaySoundFile(QStringLiteral("Keyhaw.wav"), SoundFlags);
}

void frmNotify::cmdOKnotify_Click() {
    // Only a shown editor's OK is the user's: start-up presses the hidden one.
    const bool byUser = isVisible();
    TodayText = DateText(Now().date());
    // Texts, repeats and the sound choice into the table; its done flags stay.
    NoteTable = Shown();

    auto accepted = [](const QLineEdit* box) {
        return box->text().isEmpty() || IsDateTime(box->text());
    };
    for (int i = 0; i < RowCount; ++i) {
        if (!accepted(txtTimeNote[i])) {
            txtTimeNote[i]->clear();
            MsgBox(tr("The TIME you entered was not valid."));
            return;
        }
        if (!accepted(txtDateNotify[i])) {
            txtDateNotify[i]->clear();
            MsgBox(tr("The DATE you entered was not valid."));
            return;
        }
    }
    // A date or time typed anew sets the reminder again, as its picker does; a mended message
    // or repeat leaves a fired reminder fired.
    for (int i = 0; i < RowCount; ++i)
        if (m_settled[size_t(i)] != std::pair(txtDateNotify[i]->text(), txtTimeNote[i]->text()))
            Rearm(i);
    // The user's OK that could not save keeps the editor open with what was typed.
    m_meeting = byUser;
    const bool saved = SaveMsg(byUser ? SaveBy::User : SaveBy::Program);
    m_meeting = false;
    if (!saved && byUser) return;
    for (int i = 0; i < RowCount; ++i)
        settleRow(i);
    Windows::MainWindow().setTimerEnabled(true);
    hide();
}

Notes frmNotify::Shown() const {
    Notes shown = NoteTable;
    shown.SoundMessage = optMessage->isChecked();
    shown.SoundAlert = optAlert->isChecked();
    shown.SoundDive = optDive->isChecked();
    shown.SoundAlarm = OptAlarm->isChecked();
    for (int i = 0; i < RowCount; ++i) {
        shown.NoteDate[i] = txtDateNotify[i]->text();
        shown.NoteMessage[i] = txtMessage[i]->text();
        shown.NoteTime[i] = txtTimeNote[i]->text();
        shown.RepeatDaily[i] = qint16(Value(ckDaily[i]));
        shown.RepeatWeekly[i] = qint16(Value(ckWeekly[i]));
        shown.RepeatMonthly[i] = qint16(Value(ckMonthly[i]));
    }
    return shown;
}

Notes frmNotify::openSave(const Notes& known) const {
    Notes out = Shown();
    for (int i = 0; i < RowCount; ++i)
        if (!SameRow(known, i, m_opened, i)) CopySlot(out, i, known, i);
    if (SameSound(out, m_opened) || !SameSound(known, m_opened)) {
        CopySound(out, known);
    }
    return out;
}

Notes frmNotify::meetAtOK(const Notes& file, const Notes& known, QStringList& lost) const {
    const Notes user = Shown();
    Notes out = user;
    out.FileHeader1 = file.FileHeader1;
    out.FileHeader2 = file.FileHeader2;
    if (SameSound(user, m_opened)) {
        CopySound(out, file);
    }
    std::vector<int> both; // rows the user and the file changed, each in its own way
    for (int i = 0; i < RowCount; ++i) {
        const bool userSame = SameRow(user, i, m_opened, i);
        const bool fileSame = SameRow(file, i, m_opened, i);
        if (userSame && !fileSame)
            CopySlot(out, i, file, i);
        else if (userSame && file.NoteDone[i] != known.NoteDone[i])
            out.NoteDone[i] = file.NoteDone[i]; // set again, or done, by another program
        else if (!fileSame && !SameRow(file, i, user, i))
            both.push_back(i);
    }
    // The user's stays in its row; the file's takes the first row left empty.
    for (const int i : both) {
        int free = 0;
        while (free < RowCount && !IsEmptyRow(out, free))
            ++free;
        if (free < RowCount) {
            CopySlot(out, free, file, i);
            continue;
        }
        lost << QStringLiteral("%1 %2 %3")
                    .arg(file.NoteDate[i], file.NoteTime[i], file.NoteMessage[i])
                    .simplified();
    }
    return out;
}

bool frmNotify::SaveMsg(SaveBy by) {
    // A failed save leaves the previous whole file. The program's own saves (ticks, firings,
    // acknowledgements) come again and again, and stay quiet after the first failure until a
    // save has worked; one the user asked for is answered every time.
    QString why;
    QStringList lost;
    Notes written;
    const bool open = isVisible();
    const bool saved = SaveNotes(
        [&](const std::optional<Notes>& known, const std::optional<Notes>& theirs) {
            if (m_meeting) {
                const Notes base = known.value_or(Shown());
                written = meetAtOK(theirs.value_or(base), base, lost);
                return written;
            }
            const Notes ours = open && known ? openSave(*known) : Shown();
            written = theirs ? MergeNotes(known.value_or(ours), ours, *theirs) : ours;
            return written;
        },
        &why);
    if (m_meeting) {
        // The rows now hold what was saved: the user's, the file's, and the file's moved on.
        const Notes shown = Shown();
        for (int i = 0; i < RowCount; ++i)
            if (!SameRow(shown, i, written, i)) setRow(i, written, i);
        if (!SameSound(shown, written)) setSound(written);
        NoteTable = written;
        ApplyFiredLatch(NoteTable);
        if (saved) m_opened = written;
    }
    if (!lost.isEmpty())
        MsgBox(tr("While the editor was open another program changed reminders that "
                  "you changed too. Yours are saved; no row was free for these, "
                  "which were not kept:\r\n") +
               lost.join(QStringLiteral("\r\n")));
    if (saved) {
        m_saveFailureTold = false;
        m_lastSaveFailure.clear();
        return true;
    }
    const QString path = QFileInfo(DataFileName).absoluteFilePath();
    m_lastSaveFailure = SaveFailedWhere(path, why);
    if (by == SaveBy::Program && m_saveFailureTold) return false;
    m_saveFailureTold = true;
    MsgBox(SaveFailedMessage(path, why));
    return false;
}

QString SaveFailedWhere(const QString& path, const QString& why) {
    return frmNotify::tr("The reminders could not be saved in\r\n%1\r\n(%2).")
        .arg(QDir::toNativeSeparators(path), why);
}

QString SaveFailedMessage(const QString& path, const QString& why) {
    return SaveFailedWhere(path, why) +
           frmNotify::tr("\r\nThe editor still holds them: its OK saves them once the cause "
                         "is gone.");
}

void PlaceEditor() {
    frmNotify& editor = Default<frmNotify>();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? Twips(screen->geometry().width()) : 0;
    MoveTwips(editor, CentredLeft(screenWidth, WidthTwips(editor)), 8);
}

void ShowEditorModal() {
    Default<frmNotify>().exec();
}
