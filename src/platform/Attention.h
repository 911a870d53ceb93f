#pragma once
// Alert windows kept on top, and, where the desktop cannot keep them there, the user's
// attention asked for by the desktop's own means and a desktop notification.

#include "platform/Platform.h"

#include <memory>

namespace platform {

class Notifier;

class QtTopmost : public Topmost {
  public:
    QtTopmost();
    ~QtTopmost() override;
    Q_DISABLE_COPY_MOVE(QtTopmost)

    void keepOnTop(QWidget* window) override;
    void demandAttention(QWidget* window, const QString& message) override;
    void announce(QWidget* window, const QString& message) override;

  private:
    std::unique_ptr<Notifier> m_notifier; // made at the first firing that needs it
};

// Whether the window system keeps a window above others when asked: no Wayland compositor
// does for a client, nor an X11 window manager that does not announce _NET_WM_STATE_ABOVE.
bool KeepsWindowsOnTop();

} // namespace platform
