#include "app/frmPass.h"

#include "alarm/Alarm.h"
#include "app/frmAbout.h"
#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "forms/Windows.h"
#include "platform/Platform.h"
#include "store/DateText.h"
#include "store/Module1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

frmPass::frmPass() {
    setupUi(this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(mnuNotify, &QAction::triggered, this, [this] { mnuNotify_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(mnuHelpItem, &QAction::triggered, this, [this] { mnuHelpItem_Click(); });
}

void frmPass::Form_Load() {
    const QDateTime now = Now();
    const QString today = DateText(now.date());
    KeepOnTop(this);
    Label2->setText(today);
    Label3->setText(RegionalTimeText(now.time()));
    LbMessage->clear();
    Default<frmPass>().setWindowTitle(QStringLiteral("Kelvon"));
    // An alert window loads inside a firing: a damaged file is the tick's to report.
    LoadNotes(IsDefault(this) ? DamageReport::Shown : DamageReport::Quiet);
    setTimerEnabled(true);
}

void frmPass::Form_Unload() {
    cmdOK_Click();
}

void frmPass::cmdOK_Click() {
    Acknowledge(*this);
}

void frmPass::Timer1_Timer() {
    // Next tick first: the tick may open a message box, and ticks go on behind it.
    scheduleNextTick();
    ClockTick(*this);
}

void frmPass::mnuNotify_Click() {
    setTimerEnabled(false);
    PlaceEditor();
    ShowEditorModal();
}

void frmPass::mnuAbout_Click() {
    Default<frmAbout>().exec();
}

void frmPass::mnuHelpItem_Click() {
    CommonDialog1.HelpFile = HelpFilePath();
    CommonDialog1.HelpCommand = cdlHelpContents;
    CommonDialog1.ShowHelp();
}

void frmPass::closeEvent(QCloseEvent* event) {
    if (IsDefault(this) && Windows::MainWindowStaysShown()) {
        // Without a notification area closing it is Exit, which acknowledges and unloads it,
        // or leaves it open where the user keeps Kelvon running after a failed save.
        event->ignore();
        Windows::MainWindowClosed();
        return;
    }
    Form_Unload();
    event->accept();
    // The main window goes on ticking hidden, as after its OK: a closed clock must not silence
    // every reminder. Alert windows delete themselves on close.
}

QString HelpFilePath() {
    return QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator() +
           QStringLiteral("KELVON.HLP");
}

void RegisterAppWindows() {
    Windows::Hooks hooks;
    hooks.mainWindow = []() -> PassLayout& { return Default<frmPass>(); };
    hooks.newClockWindow = []() -> PassLayout* {
        auto* alert = new frmPass;
        alert->setAttribute(Qt::WA_DeleteOnClose);
        return alert;
    };
    hooks.aboutBox = []() -> QDialog& { return Default<frmAbout>(); };
    Windows::Register(std::move(hooks));
}
