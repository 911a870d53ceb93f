#include "platform/Tray.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMetaClassInfo>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QtEndian>

namespace platform {
namespace {

constexpr char ItemInterface[] = "org.kde.StatusNotifierItem";

// The item's icon as hosts take it: ARGB32 pixels in network byte order, one image a size.
struct ItemImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using ItemImages = QList<ItemImage>;

struct ItemToolTip {
    QString iconName;
    ItemImages images;
    QString title;
    QString text;
};

QDBusArgument& operator<<(QDBusArgument& arg, const ItemImage& image) {
    arg.beginStructure();
    arg << image.width << image.height << image.pixels;
    arg.endStructure();
    return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, ItemImage& image) {
    arg.beginStructure();
    arg >> image.width >> image.height >> image.pixels;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const ItemToolTip& tip) {
    arg.beginStructure();
    arg << tip.iconName << tip.images << tip.title << tip.text;
    arg.endStructure();
    return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, ItemToolTip& tip) {
    arg.beginStructure();
    arg >> tip.iconName >> tip.images >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

ItemImages imagesOf(const QIcon& icon) {
    ItemImages images;
    for (const QSize& size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        ItemImage out{image.width(), image.height(), QByteArray()};
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const quint32 pixel = qToBigEndian(line[x]);
                out.pixels.append(reinterpret_cast<const char*>(&pixel), sizeof pixel);
            }
        }
        images.append(out);
    }
    return images;
}

// Qt 6.4's StatusNotifierItem (QStatusNotifierItemAdaptor::ContextMenu) reports the host's
// ContextMenu(x, y) as activated(Context) without x and y, so the menu opened at the pointer.
// Qt D-Bus serves an interface from the last adaptor added for it, so this one takes the
// item's interface over; Qt still registers the item and its menu, also with a new watcher.
class ItemAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(ItemImages IconPixmap READ iconPixmap)
    Q_PROPERTY(ItemToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

  public:
    // Kelvon sets icon, tip and menu once, before the item shows: no change signals to send.
    ItemAdaptor(QObject* item, QObject* qtAdaptor, const QIcon& icon, const QString& tip,
                QMenu* menu, std::function<void(int)> press)
        : QDBusAbstractAdaptor(item), m_qt(qtAdaptor),
          m_images(imagesOf(icon)), m_tip{QString(), {}, tip, QString()}, m_menu(menu),
          m_press(std::move(press)) {}
    Q_DISABLE_COPY_MOVE(ItemAdaptor)

    // Qt's own values, which know the desktop (an icon file for hosts that take no pixels).
    QString category() const { return m_qt->property("Category").toString(); }
    QString id() const { return m_qt->property("Id").toString(); }
    QString title() const { return m_qt->property("Title").toString(); }
    QString status() const { return m_qt->property("Status").toString(); }
    QString iconName() const { return m_qt->property("IconName").toString(); }
    ItemImages iconPixmap() const { return m_images; }
    ItemToolTip toolTip() const { return m_tip; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return m_qt->property("Menu").value<QDBusObjectPath>(); }

  public Q_SLOTS:
    // Where the icon was pressed or scrolled matters only to the menu.
    void Activate(int x, int y) {
        Q_UNUSED(x)
        Q_UNUSED(y)
        m_press(WM_LBUTTONDOWN);
    }
    void SecondaryActivate(int x, int y) {
        Q_UNUSED(x)
        Q_UNUSED(y)
        m_press(WM_MBUTTONDOWN);
    }
    void ContextMenu(int x, int y) {
        if (m_menu) PopUpMenu(m_menu, QPoint(x, y));
        m_press(WM_RBUTTONDOWN); // which finds the menu open
    }
    void Scroll(int delta, const QString& orientation) {
        Q_UNUSED(delta)
        Q_UNUSED(orientation)
    }

  private:
    QObject* m_qt;
    ItemImages m_images;
    ItemToolTip m_tip;
    QPointer<QMenu> m_menu;
    std::function<void(int)> m_press;
};

bool servesItem(const QObject* adaptor) {
    const QMetaObject* meta = adaptor->metaObject();
    const int info = meta->indexOfClassInfo("D-Bus Interface");
    return info >= 0 && qstrcmp(meta->classInfo(info).value(), ItemInterface) == 0;
}

// Qt registers the item on a connection of its own, named after the process and a count of
// its tray objects (isSystemTrayAvailable() makes one too). None: an XEmbed tray, or no bus.
QObject* registeredItem() {
    const QString prefix =
        QStringLiteral("org.kde.StatusNotifierItem-%1-").arg(QCoreApplication::applicationPid());
    for (int n = 1; n <= 64; ++n) {
        const QDBusConnection bus(prefix + QString::number(n));
        QObject* item = bus.isConnected()
                            ? bus.objectRegisteredAt(QStringLiteral("/StatusNotifierItem"))
                            : nullptr;
        if (item) return item;
    }
    return nullptr;
}

void serveItem(const QIcon& icon, const QString& tip, QMenu* menu, std::function<void(int)> press) {
    QObject* item = registeredItem();
    if (!item || item->findChild<ItemAdaptor*>(QString(), Qt::FindDirectChildrenOnly)) return;
    static const bool registered = [] {
        qDBusRegisterMetaType<ItemImage>();
        qDBusRegisterMetaType<ItemImages>();
        qDBusRegisterMetaType<ItemToolTip>();
        return true;
    }();
    (void)registered;
    const auto adaptors =
        item->findChildren<QDBusAbstractAdaptor*>(QString(), Qt::FindDirectChildrenOnly);
    for (QDBusAbstractAdaptor* qt : adaptors)
        if (servesItem(qt)) {
            new ItemAdaptor(item, qt, icon, tip, menu, std::move(press)); // owned by the item
            return;
        }
}

int codeFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return WM_LBUTTONDOWN;
    case QSystemTrayIcon::Context:
        return WM_RBUTTONDOWN;
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::MiddleClick:
        return WM_MBUTTONDOWN;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return WM_MOUSEMOVE;
}

} // namespace

QtTray::QtTray() = default;
QtTray::~QtTray() = default;

bool QtTray::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTray::add(const QIcon& icon, const QString& tip, QMenu* menu) {
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (onPress) onPress(codeFor(reason));
                         });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    // StatusNotifierItem hosts show only a menu set here.
    m_icon->setContextMenu(menu);
    m_icon->show();
    serveItem(icon, tip, menu, [this](int code) {
        if (onPress) onPress(code);
    });
    return m_icon->isVisible();
}

void QtTray::remove() {
    if (m_icon) m_icon->hide();
    m_icon.reset();
}

} // namespace platform

#include "Tray.moc"
