#include "forms/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources in a static library are registered only when something names them.
static void ensureArtwork() {
    static const bool done = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)done;
}

namespace Artwork {
QIcon appIcon() {
    ensureArtwork();
    return QIcon(QStringLiteral(":/icons/kelvon.svg"));
}
QIcon playIcon() {
    ensureArtwork();
    return QIcon(QStringLiteral(":/icons/play.svg"));
}
QIcon trefoilIcon() {
    ensureArtwork();
    return QIcon(QStringLiteral(":/icons/trefoil.svg"));
}
QIcon editorImage() {
    ensureArtwork();
    return QIcon(QStringLiteral(":/art/editor-image.svg"));
}
} // namespace Artwork

Backdrop::Backdrop(const QString& resource, QWidget* parent)
    : QWidget(parent), m_resource(resource) {
    ensureArtwork();
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QSvgRenderer renderer(m_resource);
    renderer.render(&painter, rect());
}
