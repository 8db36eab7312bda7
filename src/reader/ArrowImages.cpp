#include "reader/ArrowImages.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

QPixmap MakeArrowImage(ArrowImage image, qreal ratio) {
    if (ratio <= 0) ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    const bool forward = image == ArrowImage::Forward || image == ArrowImage::ForwardUnavailable;
    const bool available = image == ArrowImage::Back || image == ArrowImage::Forward;
    // Drawn at the device pixel ratio (without smoothing) so that it stays sharp when scaled.
    QPixmap pixmap((QSizeF(16, 15) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    // A left-pointing arrow: head at x 1, shaft to x 14, head 7 pixels each way.
    QPolygon arrow({{1, 7}, {8, 0}, {8, 4}, {14, 4}, {14, 10}, {8, 10}, {8, 14}});
    if (forward) {
        for (QPoint& point : arrow) point.setX(15 - point.x());
    }
    QPainter painter(&pixmap);
    painter.setPen(QPen(available ? QColor(Qt::black) : QColor(128, 128, 128), 1));
    painter.setBrush(available ? QColor(0, 255, 255) : QColor(192, 192, 192));
    painter.drawPolygon(arrow);
    return pixmap;
}
