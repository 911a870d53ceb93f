#include "forms/Artwork.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources in a static library are registered only when something names them.
static void ensureArtwork() {
    static const bool done = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)done;
}

// One icon per drawing, shared by every button showing it, so that its rendered sizes are
// cached once. Never destroyed: an icon must not outlive the application object's end.
static QIcon sharedIcon(const char* resource) {
    ensureArtwork();
    static auto* icons = new QHash<const char*, QIcon>;
    auto it = icons->find(resource);
    if (it == icons->end()) it = icons->insert(resource, QIcon(QString::fromLatin1(resource)));
    return *it;
}

namespace Artwork {
QIcon appIcon() {
    return sharedIcon(":/icons/kelvon.svg");
}
QIcon playIcon() {
    return sharedIcon(":/icons/play.svg");
}
QIcon trefoilIcon() {
    return sharedIcon(":/icons/trefoil.svg");
}
QIcon editorImage() {
    return sharedIcon(":/art/editor-image.svg");
}
} // namespace Artwork

void SetFont(QWidget* widget, int points, bool bold, bool italic, Face face) {
    QFont font = widget->font();
    if (face == Face::Arial) font.setFamily(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    widget->setFont(font);
}

DisplayLabel::DisplayLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setContentsMargins(1, 1, 1, 1);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    SetFont(this, 9, true);
}

void DisplayLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Backdrop::Backdrop(const QString& resource, QWidget* parent)
    : QWidget(parent), m_resource(resource) {
    ensureArtwork();
}

void Backdrop::paintEvent(QPaintEvent*) {
    // Keyed by drawing and device pixels; never destroyed, like the icons.
    static auto* rendered = new QHash<QString, QPixmap>;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = m_resource + QLatin1Char('@') + QString::number(pixels.width()) +
                        QLatin1Char('x') + QString::number(pixels.height());
    auto it = rendered->find(key);
    if (it == rendered->end()) {
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter onPixmap(&pixmap);
        QSvgRenderer(m_resource).render(&onPixmap, QRectF(QPointF(0, 0), QSizeF(pixels)));
        onPixmap.end();
        pixmap.setDevicePixelRatio(ratio);
        it = rendered->insert(key, pixmap);
    }
    QPainter(this).drawPixmap(0, 0, *it);
}
