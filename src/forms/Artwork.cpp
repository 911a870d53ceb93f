#include "forms/Artwork.h"

#include "forms/ArtData.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstring>

namespace {
// Raw pixels rather than an image file: reading a file format loads every image-format
// plug-in installed.
QImage decode(const ArtImage& a) {
    const QByteArray raw = qUncompress(a.pixels, qsizetype(a.size));
    QImage image(a.width, a.height, QImage::Format_ARGB32_Premultiplied);
    if (raw.size() != image.sizeInBytes()) return {};
    std::memcpy(image.bits(), raw.constData(), size_t(raw.size()));
    return image;
}

// Every rendered size of one drawing.
template <class Each> void forEachSize(const char* name, Each each) {
    for (int k = 0; k < ArtImageCount; ++k)
        if (std::strcmp(ArtImages[k].name, name) == 0) each(ArtImages[k]);
}

// One icon per drawing, with every size rendered, shared by every button showing it. Never
// destroyed: an icon must not outlive the application object's end.
QIcon sharedIcon(const char* name) {
    static auto* icons = new QHash<QByteArray, QIcon>;
    auto it = icons->find(name);
    if (it == icons->end()) {
        QIcon icon;
        forEachSize(name,
                    [&](const ArtImage& a) { icon.addPixmap(QPixmap::fromImage(decode(a))); });
        it = icons->insert(name, icon);
    }
    return *it;
}
} // namespace

namespace Artwork {
QIcon appIcon() {
    return sharedIcon("kelvon");
}
QIcon playIcon() {
    return sharedIcon("play");
}
QIcon trefoilIcon() {
    return sharedIcon("trefoil");
}
QIcon editorImage() {
    return sharedIcon("editor-image");
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

Backdrop::Backdrop(const char* picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}

void Backdrop::paintEvent(QPaintEvent*) {
    // Keyed by drawing and device pixels; never destroyed, like the icons.
    static auto* rendered = new QHash<QString, QPixmap>;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = QLatin1String(m_picture) + QLatin1Char('@') +
                        QString::number(pixels.width()) + QLatin1Char('x') +
                        QString::number(pixels.height());
    auto it = rendered->find(key);
    if (it == rendered->end()) {
        // Backgrounds are rendered at one size only.
        QImage image;
        forEachSize(m_picture, [&](const ArtImage& a) { image = decode(a); });
        QPixmap pixmap = QPixmap::fromImage(
            image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        it = rendered->insert(key, pixmap);
    }
    QPainter(this).drawPixmap(0, 0, *it);
}
