#include "Version.h"
#include "forms/Artwork.h"
#include "forms/Default.h"
#include "forms/Twips.h"
#include "main/CommandLine.h"
#include "main/Language.h"
#include "main/SingleCopy.h"
#include "main/Startup.h"
#include "platform/Ending.h"
#include "platform/Platform.h"
#include "tray/frmTray.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    if (const std::optional<int> code = ReadCommandLine(argc, argv)) return *code;
    // Before anything reads or writes the data file: one copy per folder.
    SingleCopy copy;
    SingleCopy::Claim claim = copy.claim();
    if (claim == SingleCopy::Claim::Running) {
        const bool shown = copy.handOver();
        // A copy that did not answer may have just ended, leaving the lock to this one.
        if (!shown) claim = copy.claim();
        if (shown || claim == SingleCopy::Claim::Running) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(copy.notice()));
            return shown ? 0 : 1;
        }
    }
    if (claim == SingleCopy::Claim::Blocked) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(copy.notice()));
        return 1;
    }
    if (claim == SingleCopy::Claim::Unguarded)
        std::fprintf(stderr, "%s\n", qUtf8Printable(copy.notice()));

    if (!platform::ChooseWindowSystem(argc, argv)) {
        // Said in the user's language, for which an application object is needed here.
        const QCoreApplication speaking(argc, argv);
        LoadTranslations();
        std::fprintf(stderr, "kelvon: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "CommandLine", "no desktop session to show its windows in (DISPLAY and "
                                        "WAYLAND_DISPLAY are unset); start it in one, or name "
                                        "Qt's platform in QT_QPA_PLATFORM")));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvon"));
    // Before the first window: texts, and the direction of a right-to-left language, are
    // read when a window is made.
    LoadTranslations();
    // Wayland ties the window to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVON_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false); // it lives on in the tray
    QApplication::setWindowIcon(Artwork::appIcon());
    platform::installRealServices();
    // A later start here shows the clock window, exactly as a left press on the icon does.
    if (claim == SingleCopy::Claim::First)
        copy.listen([] {
            if (IsLoaded<frmTray>())
                Default<frmTray>().Picture1_MouseMove(
                    0, 0, float(platform::WM_LBUTTONDOWN * TwipsPerPixel), 0);
        });
    Main();
    // Ending by signal or by the session's end saves just as the tray menu's Exit does.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&copy] { copy.stopListening(); });
    platform::WatchForEnd([&copy] {
        // A start from now on waits for this copy's last save and runs in its place.
        copy.stopListening();
        if (IsLoaded<frmPopTray>() || IsLoaded<frmTray>())
            Default<frmPopTray>().EndProgram(false);
        else
            QCoreApplication::exit(0);
    });
    const int code = QApplication::exec();
    // Windows still open at Exit end with the program, without their unload handlers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget()) windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
    platform::releaseServices();
    return code;
}
