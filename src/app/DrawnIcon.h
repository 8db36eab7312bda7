// Icons drawn by code in logical coordinates. Each size and device pixel ratio
// asked of them is drawn afresh at that many device pixels, so they are as sharp
// as the text at any scale instead of being stretched from one small bitmap.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSize>

#include <functional>

using IconDrawing = std::function<void(QPainter&)>;

// `draw` painted into a transparent pixmap of `logical` size at `ratio`.
QPixmap DrawnPixmap(QSize logical, qreal ratio, const IconDrawing& draw);
// An icon whose pixmaps are `draw` painted at whatever size and ratio is asked.
QIcon DrawnIcon(QSize logical, IconDrawing draw);
