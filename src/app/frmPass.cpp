#include "app/frmPass.h"

#include "alarm/Alarm.h"
#include "app/frmAbout.h"
#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "forms/Windows.h"
#include "platform/Platform.h"
#include "platform/Wake.h"
#include "store/DateText.h"
#include "store/Module1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
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

frmPass::~frmPass() {
    stopWaking();
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
    // Repeating reminders moved on: the main window's sleep ends at their new moments.
    if (IsLoaded<frmPass>()) Default<frmPass>().scheduleNextTick();
}

void frmPass::Timer1_Timer() {
    const QPointer<frmPass> self(this);
    ++ticking;
    // Next tick first: the tick may open a message box, and ticks go on behind it.
    scheduleNextTick();
    ClockTick(*this);
    if (!self) return;
    // Asleep, the next wake depends on what the tick loaded and fired.
    if (waking) scheduleNextTick();
    --ticking;
}

void frmPass::scheduleNextTick() {
    if (!timerEnabled() || !IsDefault(this)) {
        stopWaking();
        PassLayout::scheduleNextTick();
        return;
    }
    if (!waking) {
        waking = true;
        platform::WallAlarmService().onWake = [this] { Timer1_Timer(); };
        platform::FileWatchService().onChange = [this] {
            LoadAfterFileChange();
            Timer1_Timer();
        };
    }
    // The file's folder is the working directory of the moment.
    platform::FileWatchService().watch(
        {QFileInfo(DataFileName).absoluteFilePath(), platform::ZoneFile()});
    if (isVisible()) {
        platform::WallAlarmService().disarm();
        PassLayout::scheduleNextTick();
    } else {
        Timer1->stop();
        sleep();
    }
}

void frmPass::sleep() {
    const QDateTime now = Now();
    QDateTime next = NextDueMoment(now);
    // Due now: a tick at once, unless this is the tick, which fires it or cannot (not while the
    // editor and the About box are both up); then it looks again each second, as a shown clock.
    if (next.isValid() && next <= now)
        next = ticking ? now.addMSecs(MsToNextTick(NowMsecOfSecond())) : now;
    // A damaged reading that came with a change is looked at again a second later.
    if (const QDateTime recheck = DamageRecheckAt();
        recheck.isValid() && (!next.isValid() || recheck < next))
        next = recheck;
    platform::WallAlarmService().arm(next);
}

void frmPass::stopWaking() {
    if (!waking) return;
    waking = false;
    platform::WallAlarm& alarm = platform::WallAlarmService();
    alarm.disarm();
    alarm.onWake = nullptr;
    platform::FileWatch& watch = platform::FileWatchService();
    watch.watch({});
    watch.onChange = nullptr;
}

void frmPass::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A clock shows the time from the moment it is shown, not from its next tick.
    const QDateTime now = Now();
    Label2->setText(DateText(now.date()));
    Label3->setText(RegionalTimeText(now.time()));
    scheduleNextTick();
}

void frmPass::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    scheduleNextTick();
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
