#include "app/DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

// Paints into `device` pixels: the drawing is scaled evenly to fit and centred.
QPixmap DrawFitted(QSize logical, QSize device, const IconDrawing& draw) {
    QPixmap pixmap(device);
    pixmap.fill(Qt::transparent);
    const qreal scale = std::min(qreal(device.width()) / logical.width(),
                                 qreal(device.height()) / logical.height());
    QPainter painter(&pixmap);
    painter.translate(std::floor((device.width() - logical.width() * scale) / 2),
                      std::floor((device.height() - logical.height() * scale) / 2));
    painter.scale(scale, scale);
    draw(painter);
    return pixmap;
}

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(QSize logical, IconDrawing draw) : m_logical(logical), m_draw(std::move(draw)) {}

    // `size` is in device pixels here: QIcon multiplies by the ratio before asking.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QSize device = m_logical.scaled(size, Qt::KeepAspectRatio);
        if (device.isEmpty()) return QPixmap();
        QPixmap pixmap = DrawFitted(m_logical, device, m_draw);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        const QSizeF shown = drawn.deviceIndependentSize();
        painter->drawPixmap(QPointF(rect.x() + (rect.width() - shown.width()) / 2,
                                    rect.y() + (rect.height() - shown.height()) / 2),
                            drawn);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return m_logical.scaled(size, Qt::KeepAspectRatio);
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_logical, m_draw); }

private:
    QSize m_logical;
    IconDrawing m_draw;
};

}  // namespace

QPixmap DrawnPixmap(QSize logical, qreal ratio, const IconDrawing& draw) {
    QPixmap pixmap = DrawFitted(logical, (QSizeF(logical) * ratio).toSize(), draw);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon DrawnIcon(QSize logical, IconDrawing draw) {
    return QIcon(new DrawnIconEngine(logical, std::move(draw)));
}
