#include "platform/Attention.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#ifdef KELVON_HAVE_XCB
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace platform {

#ifdef KELVON_HAVE_XCB
namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::vector<uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                                 xcb_atom_t type) {
    std::vector<uint32_t> values;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 4096), nullptr);
    if (reply && reply->format == 32) {
        const auto* first = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(first, first + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

// Asked at each firing, never at rest: a few round trips to the X server.
bool windowManagerKeepsAbove() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // A window manager that has ended leaves its list behind; its check window goes with it.
    const xcb_atom_t check = internAtom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> wm = property32(c, root, check, XCB_ATOM_WINDOW);
    if (wm.size() != 1 || property32(c, wm[0], check, XCB_ATOM_WINDOW) != wm) return false;
    const std::vector<uint32_t> supported =
        property32(c, root, internAtom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), internAtom(c, "_NET_WM_STATE_ABOVE")) !=
           supported.end();
}

} // namespace
#endif

bool KeepsWindowsOnTop() {
    const QString system = QGuiApplication::platformName();
    if (system.startsWith(QLatin1String("wayland"))) return false;
#ifdef KELVON_HAVE_XCB
    if (system == QLatin1String("xcb")) return windowManagerKeepsAbove();
#endif
    return true;
}

namespace {

const QString NotifyService = QStringLiteral("org.freedesktop.Notifications");
const QString NotifyPath = QStringLiteral("/org/freedesktop/Notifications");

// The notification's "image-data": the program's icon as pixels, shown also where the icon
// theme has no Kelvon icon (a build that is not installed).
struct ImageData {
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool hasAlpha = true;
    int bitsPerSample = 8;
    int channels = 4;
    QByteArray pixels;
};

QDBusArgument& operator<<(QDBusArgument& arg, const ImageData& image) {
    arg.beginStructure();
    arg << image.width << image.height << image.rowStride << image.hasAlpha << image.bitsPerSample
        << image.channels << image.pixels;
    arg.endStructure();
    return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, ImageData& image) {
    arg.beginStructure();
    arg >> image.width >> image.height >> image.rowStride >> image.hasAlpha >>
        image.bitsPerSample >> image.channels >> image.pixels;
    arg.endStructure();
    return arg;
}

ImageData imageOf(const QIcon& icon) {
    const QImage image = icon.pixmap(48).toImage().convertToFormat(QImage::Format_RGBA8888);
    ImageData data;
    data.width = image.width();
    data.height = image.height();
    data.rowStride = int(image.bytesPerLine());
    data.pixels =
        QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes()));
    return data;
}

} // namespace
} // namespace platform

Q_DECLARE_METATYPE(platform::ImageData)

namespace platform {

// Every call goes out without waiting for its answer: the firing never waits on the bus or
// on a server that is not there. Qt's tray icon has already connected to the session bus at
// start-up (it looks for a StatusNotifierItem host there), so sessionBus() does not connect
// now. The server's capabilities are asked once, before the first notification.
class Notifier : public QObject {
  public:
    Notifier() { qDBusRegisterMetaType<ImageData>(); }
    Q_DISABLE_COPY_MOVE(Notifier)

    void post(QWidget* window, const QString& message) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) return;
        m_pending.push_back({window, message});
        if (m_known) return flush(bus);
        if (m_asking) return;
        m_asking = true;
        watch(bus.asyncCall(call(QStringLiteral("GetCapabilities"))),
              [this, bus](const QDBusPendingCallWatcher& answer) mutable {
                  m_asking = false;
                  const QDBusPendingReply<QStringList> reply = answer;
                  if (reply.isError()) { // no server: nothing is shown; ask again next time
                      m_pending.clear();
                      return;
                  }
                  m_known = true;
                  // Where the body is markup, a reminder's "&" or "<" must not be taken for it.
                  m_markup = reply.value().contains(QStringLiteral("body-markup"));
                  flush(bus);
              });
    }

  private:
    struct Pending {
        QPointer<QWidget> window;
        QString message;
    };

    static QDBusMessage call(const QString& method) {
        return QDBusMessage::createMethodCall(NotifyService, NotifyPath, NotifyService, method);
    }

    void flush(QDBusConnection bus) {
        for (const Pending& p : std::exchange(m_pending, {}))
            notify(bus, p);
    }

    void notify(QDBusConnection bus, const Pending& p) {
        const QVariantMap hints{
            {QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}, // critical
            {QStringLiteral("desktop-entry"), QStringLiteral("org.kelvon.Kelvon")},
            {QStringLiteral("image-data"),
             QVariant::fromValue(imageOf(QApplication::windowIcon()))},
        };
        QDBusMessage notify = call(QStringLiteral("Notify"));
        notify << QStringLiteral("Kelvon") << 0U << QStringLiteral("kelvon")
               << QStringLiteral("Kelvon") << (m_markup ? p.message.toHtmlEscaped() : p.message)
               << QStringList() << hints << -1;
        watch(bus.asyncCall(notify),
              [bus, window = p.window](const QDBusPendingCallWatcher& answer) mutable {
                  const QDBusPendingReply<uint> reply = answer;
                  if (reply.isError()) return;
                  // The notification goes when its alert window is closed.
                  auto close = [bus, id = reply.value()]() mutable {
                      bus.send(call(QStringLiteral("CloseNotification")) << id);
                  };
                  if (window)
                      QObject::connect(window, &QObject::destroyed, close);
                  else
                      close();
              });
    }

    template <class Done> void watch(const QDBusPendingCall& pending, Done done) {
        auto* watcher = new QDBusPendingCallWatcher(pending, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [done = std::move(done)](QDBusPendingCallWatcher* w) mutable {
                    done(*w);
                    w->deleteLater();
                });
    }

    std::vector<Pending> m_pending;
    bool m_asking = false;
    bool m_known = false;
    bool m_markup = false;
};

QtTopmost::QtTopmost() = default;
QtTopmost::~QtTopmost() = default;

void QtTopmost::keepOnTop(QWidget* window) {
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible) window->show(); // changing flags hides a shown window
}

void QtTopmost::demandAttention(QWidget* window, const QString& message) {
    if (KeepsWindowsOnTop()) return;
    // The focus where the desktop gives it; where it prevents focus stealing, its own sign
    // (an urgent window, a flashing task bar entry). Asked of the window itself: the widget's
    // activateWindow() does nothing where Qt believes the window active already, as it may
    // on Xwayland before the compositor has even shown it.
    window->windowHandle()->requestActivate();
    // Compositors with Xwayland take the request only for a window whose first frame they
    // have shown, which may come after Qt has sent it.
    QTimer::singleShot(1000, window, [window] { window->windowHandle()->requestActivate(); });
    QApplication::alert(window);
    if (!m_notifier) m_notifier = std::make_unique<Notifier>();
    m_notifier->post(window, message);
}

void QtTopmost::announce(QWidget* window, const QString& message) {
    // Windows makes the alert event a sound; Qt's AT-SPI bridge (Linux) drops it, and only
    // reports the new window shown. A screen reader there reads desktop notifications: one is
    // posted where one is listening, unless demandAttention has posted it already.
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    if (!QAccessible::isActive() || !KeepsWindowsOnTop()) return;
    if (!m_notifier) m_notifier = std::make_unique<Notifier>();
    m_notifier->post(window, message);
}

} // namespace platform
