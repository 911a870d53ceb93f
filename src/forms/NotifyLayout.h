#pragma once
// The reminder editor: 32 rows on a scrolling pane, the sound panel and OK.

#include <QCoreApplication>
#include <array>

class QButtonGroup;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

constexpr int RowCount = 32;

struct NotifyLayout {
    Q_DECLARE_TR_FUNCTIONS(frmNotify)

  public:
    QDialog* window = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* Frame1 = nullptr; // the scroll pane
    QScrollBar* VScroll1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optMessage = nullptr;
    QRadioButton* optAlert = nullptr;
    QRadioButton* optDive = nullptr;
    QRadioButton* OptAlarm = nullptr;
    QButtonGroup* soundGroup = nullptr;
    QPushButton* cmdTest1 = nullptr;
    QPushButton* cmdTest2 = nullptr;
    QPushButton* cmdTest3 = nullptr;
    QPushButton* cmdTest4 = nullptr;
    QPushButton* cmdOKnotify = nullptr;
    QLabel* Image1 = nullptr;

    QLabel* lbClear = nullptr;
    QLabel* lbDate = nullptr;
    QLabel* lbMessages = nullptr;
    QLabel* lbTime = nullptr;
    QGroupBox* Frame3 = nullptr; // "Daily"
    QGroupBox* Frame4 = nullptr; // "Wkly"
    QGroupBox* Frame5 = nullptr; // "Mnly"

    std::array<QPushButton*, RowCount> cmdClear{};
    std::array<QLineEdit*, RowCount> txtDateNotify{};
    std::array<QLineEdit*, RowCount> txtMessage{};
    std::array<QLineEdit*, RowCount> txtTimeNote{};
    std::array<QCheckBox*, RowCount> ckDaily{};
    std::array<QCheckBox*, RowCount> ckWeekly{};
    std::array<QCheckBox*, RowCount> ckMonthly{};

    void setupUi(QDialog* w);
    // Names for screen readers: what each control is and, in the rows, which row.
    void nameControls();
};

// Twips measures the paging rests on.
constexpr int Frame1Top = 30;
constexpr int RowTop0 = 210;
constexpr int RowPitch = 300;
constexpr int EditorClientHeight = 3852;

// Option buttons of one group behave as the classic ones: selecting one clears the others,
// and clearing the selected one leaves none selected.
void SetOption(QButtonGroup* group, QRadioButton* option, bool selected);
