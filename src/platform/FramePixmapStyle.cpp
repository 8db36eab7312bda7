#include "platform/FramePixmapStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

CFramePixmapStyle::CFramePixmapStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())),
      m_cacheable(baseStyle()->name().compare(u"fusion", Qt::CaseInsensitive) == 0) {
    setParent(parent);
}

void CFramePixmapStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    // A scaled or rotated painter (printing, say) gets the frame drawn for its transform.
    if (element != PE_FrameLineEdit || !m_cacheable || frame == nullptr ||
        painter->transform().type() > QTransform::TxTranslate || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    const QString key = QStringLiteral("quillary-frame-%1x%2-%3-%4-%5-%6")
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(static_cast<uint>(option->state))
                            .arg(frame->lineWidth)
                            .arg(option->palette.cacheKey())
                            .arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(option->rect.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QPainter drawing(&pixmap);
        QProxyStyle::drawPrimitive(element, &atOrigin, &drawing, widget);
        drawing.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter->drawPixmap(option->rect.topLeft(), pixmap);
}
