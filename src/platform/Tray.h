#pragma once
// The notification-area icon through QSystemTrayIcon: XEmbed trays and StatusNotifierItem hosts.

#include "platform/Platform.h"

#include <memory>

class QSystemTrayIcon;

namespace platform {

class QtTray : public Tray {
  public:
    QtTray();
    ~QtTray() override;
    Q_DISABLE_COPY_MOVE(QtTray)

    bool isAvailable() const override;
    bool add(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void remove() override;

  private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace platform
