#include "platform/qt/artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <string>

#include "inventory/failure.h"

namespace quarvel::qt {

QPixmap renderArtwork(std::string_view name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(QStringLiteral(":/artwork/") +
                          QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                          QStringLiteral(".svg"));
    if (!renderer.isValid()) throw Failure("No picture named " + std::string(name));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace quarvel::qt
