#include "tray/frmTray.h"

#include "app/frmAbout.h"
#include "app/frmPass.h"
#include "editor/frmNotify.h"
#include "forms/Artwork.h"
#include "forms/Default.h"
#include "forms/Twips.h"
#include "forms/Windows.h"
#include "platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {
std::function<void(int)>& programEnd() {
    static std::function<void(int)> end = [](int code) { QCoreApplication::exit(code); };
    return end;
}
} // namespace

void SetProgramEnd(std::function<void(int)> end) {
    programEnd() = std::move(end);
}

frmTray::frmTray() {
    setupUi(this);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmTray::Form_Load() {
    Default<frmPass>();
    Default<frmNotify>();
    Timer1->start();
}

void frmTray::CreateIcon() {
    platform::Tray& tray = platform::TrayService();
    tray.onPress = [](int code) {
        if (IsLoaded<frmTray>())
            Default<frmTray>().Picture1_MouseMove(0, 0, float(code * TwipsPerPixel), 0);
    };
    const bool added = tray.isAvailable() && tray.add(Artwork::appIcon(), QStringLiteral("Kelvon"),
                                                      Default<frmPopTray>().mnuFile);
    if (!added) {
        // Without a notification area there would be no way in and no way out.
        std::fprintf(stderr, "kelvon: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "frmTray", "no notification area; showing the clock window instead, and "
                                    "closing it ends Kelvon")));
        Windows::SetMainWindowClosed([] { Default<frmPopTray>().mnuClose_Click(); });
        Windows::SetMainWindowStaysShown(true);
        Default<frmPass>().show();
    }
}

void frmTray::DeleteIcon() {
    platform::TrayService().remove();
}

void frmTray::Timer1_Timer() {
    Default<frmPass>().setWindowTitle(QString());
    Timer1->stop();
    Default<frmNotify>().cmdOKnotify->click();
}

void frmTray::Picture1_MouseMove(int, int, float X, float) {
    const float code = X / float(TwipsPerPixel);
    try {
        if (code == float(platform::WM_LBUTTONDOWN)) {
            if (!Default<frmNotify>().isVisible() && !Default<frmAbout>().isVisible())
                Default<frmPass>().show();
        } else if (code == float(platform::WM_RBUTTONDOWN)) {
            QMenu* menu = Default<frmPopTray>().mnuFile;
            // Hosts that show the context menu themselves have opened it already.
            if (!menu->isVisible()) PopUpMenu(menu, QCursor::pos());
        }
    } catch (...) {
        // A failed show or pop-up just has no effect.
    }
}

frmPopTray::frmPopTray() {
    setupUi(this);
    connect(mnuKelvon, &QAction::triggered, this, [this] { mnuKelvon_Click(); });
    connect(mnuSet, &QAction::triggered, this, [this] { mnuSet_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(mnuClose, &QAction::triggered, this, [this] { mnuClose_Click(); });
}

void frmPopTray::mnuKelvon_Click() {
    if (!Default<frmNotify>().isVisible() && !Default<frmAbout>().isVisible())
        Default<frmPass>().show();
}

void frmPopTray::mnuSet_Click() {
    Default<frmPass>().setTimerEnabled(false);
    PlaceEditor();
    if (!Default<frmAbout>().isVisible()) ShowEditorModal();
}

void frmPopTray::mnuHelp_Click() {
    Default<frmPass>().mnuHelpItem_Click();
}

void frmPopTray::mnuAbout_Click() {
    if (!Default<frmNotify>().isVisible() && !Default<frmPass>().isVisible())
        Default<frmAbout>().exec();
}

void frmPopTray::mnuClose_Click() {
    EndProgram(true);
}

QStringList EndWithoutSavingChoices() {
    return {frmPopTray::tr("Keep Kelvon running"), frmPopTray::tr("End without saving")};
}

void frmPopTray::EndProgram(bool mayAsk) {
    // The acknowledgement is Exit's last save: where it fails, the user decides before
    // anything typed is lost. It runs again as the main window unloads, with nothing to change.
    if (mayAsk && IsLoaded<frmNotify>()) {
        frmNotify& editor = Default<frmNotify>();
        editor.stopTellingSaveFailures(); // the question below tells it
        if (IsLoaded<frmPass>())
            Default<frmPass>().cmdOK_Click();
        else
            editor.SaveMsg();
        if (!editor.lastSaveWorked() &&
            MsgBoxChoose(editor.lastSaveFailure() + tr("\r\nEnding now loses what was not saved."),
                         EndWithoutSavingChoices()) != 1)
            return;
    }
    if (!mayAsk && IsLoaded<frmNotify>()) Default<frmNotify>().stopTellingSaveFailures();
    Unload<frmPass>();
    if (!mayAsk && IsLoaded<frmNotify>() && !Default<frmNotify>().lastSaveWorked())
        std::fprintf(stderr, "kelvon: %s\n",
                     qUtf8Printable(tr("ending without saving: %1")
                                        .arg(Default<frmNotify>().lastSaveFailure().replace(
                                            QStringLiteral("\r\n"), QStringLiteral(" ")))));
    Unload<frmNotify>();
    Unload<frmPopTray>();
    Default<frmTray>().DeleteIcon();
    Unload<frmTray>();
    // Alert windows still open end with the program; their clocks stop now.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* clock = dynamic_cast<frmPass*>(w)) clock->setTimerEnabled(false);
    programEnd()(0);
}
