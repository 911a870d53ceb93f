#include "main/Startup.h"
#include "forms/Artwork.h"
#include "forms/Default.h"
#include "platform/Ending.h"
#include "platform/Platform.h"
#include "tray/frmTray.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

int main(int argc, char** argv) {
    platform::ChooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvon"));
    QApplication::setQuitOnLastWindowClosed(false); // it lives on in the tray
    QApplication::setWindowIcon(Artwork::appIcon());
    platform::installRealServices();
    Main();
    // Ending by signal or by the session's end saves just as the tray menu's Exit does.
    platform::WatchForEnd([] {
        if (IsLoaded<frmPopTray>() || IsLoaded<frmTray>())
            Default<frmPopTray>().mnuClose_Click();
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
