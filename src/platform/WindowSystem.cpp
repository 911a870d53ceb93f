// Which window system Kelvon talks to, and what that changes for its menu.

#include "platform/Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace platform {

QByteArray WindowSystemFor(const QByteArray& named, const QByteArray& display,
                           const QByteArray& waylandDisplay, const QByteArray& sessionType) {
    // A Wayland compositor keeps no client's window on top, and Qt 6.4 asks it for the focus
    // only from a window that has it already; X11 window managers on Xwayland can do both.
    // So in a Wayland session with Xwayland, X11 first, Wayland if the X server cannot be
    // reached. A platform the user names wins.
    if (!named.isEmpty()) return named;
    if (display.isEmpty()) return waylandDisplay.isEmpty() ? QByteArray() : "wayland";
    if (waylandDisplay.isEmpty() && sessionType != "wayland") return "xcb";
    return "xcb;wayland";
}

bool ChooseWindowSystem(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt reads -platform and --platform alike.
    QByteArray named = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            named = argv[i + 1];
    const QByteArray chosen = WindowSystemFor(named, qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
                                              qgetenv("XDG_SESSION_TYPE"));
    if (chosen.isEmpty()) return false;
    if (chosen != named) qputenv("QT_QPA_PLATFORM", chosen);
#else
    (void)argc;
    (void)argv;
#endif
    return true;
}

} // namespace platform

void PopUpMenu(QMenu* menu, const QPoint& at) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        menu->popup(at);
        return;
    }
    // On Wayland a menu is a pop-up only of a window of ours that holds the seat's focus (the
    // compositor grabs the pointer for it with that focus's serial); with none, Qt maps it
    // as a window of its own, which a tiling compositor spreads over the screen. Then the
    // host's own copy of the exported menu is the menu.
    QWindow* parent = QGuiApplication::focusWindow();
    if (!parent) return;
    menu->winId();
    menu->windowHandle()->setTransientParent(parent);
    // Positions are the compositor's secret: open it where the pointer is on that window.
    const QPoint pointer = QCursor::pos();
    menu->popup(parent->geometry().contains(pointer) ? pointer : parent->geometry().center());
}
