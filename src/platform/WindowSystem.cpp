// Which window system Kelvon talks to, and what that changes for its menu.

#include "platform/Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace platform {

void ChooseWindowSystem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A Wayland compositor keeps no client's window on top, and Qt 6.4 asks it for the focus
    // only from a window that has it already; X11 window managers on Xwayland can do both.
    // So in a Wayland session with Xwayland, X11 first, Wayland if the X server cannot be
    // reached. A platform the user names wins.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qgetenv("XDG_SESSION_TYPE") != QByteArrayLiteral("wayland"))
        return;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
#endif
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
