// The application's style with its line-edit frames drawn once per look and kept
// as pixmaps. A field whose text changes repaints whole, frame and all; the frame
// is an antialiased rounded outline that costs more than the text inside it, so a
// window whose fields change often (the haiku card) draws it from the cache.
#pragma once

#include <QProxyStyle>

class CFramePixmapStyle : public QProxyStyle {
public:
    // A proxy for a fresh instance of the application's style.
    explicit CFramePixmapStyle(QObject* parent);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // Only a style whose frame depends on nothing but the option's rectangle, state
    // and palette may be cached; others (animated ones) are drawn as they are.
    bool m_cacheable;
};
