#include "app/ToolBarImages.h"

#include <QPainter>
#include <QPainterPath>

#include "app/DrawnIcon.h"
#include "app/Resource.h"

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(40, 40, 40);

void DrawBook(QPainter& p, const QColor& cover) {
    p.setPen(kInk);
    p.setBrush(cover);
    p.drawRect(3, 1, 10, 12);
    p.setPen(Qt::white);
    p.drawLine(12, 2, 12, 12);
    p.setPen(QColor(250, 230, 150));
    p.drawLine(5, 4, 10, 4);
}

void DrawWorks(QPainter& p) {
    DrawBook(p, QColor(40, 80, 160));
    p.setPen(QColor(250, 230, 150));
    p.drawLine(5, 6, 10, 6);
}

void DrawLife(QPainter& p) {
    // A chronology: a time line with years marked along it.
    p.setPen(kInk);
    p.setBrush(QColor(255, 250, 230));
    p.drawRect(1, 1, 13, 12);
    p.setPen(QColor(160, 40, 40));
    p.drawLine(4, 3, 4, 11);
    p.setPen(kInk);
    for (int y = 3; y <= 11; y += 4) {
        p.drawPoint(4, y);
        p.drawLine(6, y, 12, y);
    }
}

void DrawFriends(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(230, 180, 120));
    p.drawEllipse(2, 2, 4, 4);
    p.drawEllipse(9, 1, 4, 4);
    p.setBrush(QColor(60, 120, 60));
    p.drawRect(1, 7, 6, 6);
    p.setBrush(QColor(90, 60, 140));
    p.drawRect(8, 6, 6, 7);
}

void DrawHaikuCard(QPainter& p) {
    // A tanzaku: a tall narrow card with a vertical line of writing.
    p.setPen(kInk);
    p.setBrush(QColor(250, 245, 220));
    p.drawRect(5, 0, 6, 14);
    p.setPen(QColor(20, 20, 20));
    p.drawLine(8, 2, 8, 4);
    p.drawLine(7, 6, 9, 6);
    p.drawLine(8, 8, 8, 12);
}

void DrawOnePoint(QPainter& p) {
    // A light bulb.
    p.setPen(kInk);
    p.setBrush(QColor(255, 230, 60));
    p.drawEllipse(3, 0, 9, 9);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(5, 9, 5, 4);
    p.drawLine(6, 14, 9, 14);
}

void DrawContents(QPainter& p) {
    DrawBook(p, QColor(150, 40, 40));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(3, 2, 10, 11), Qt::AlignCenter, u"?"_qs);
}

void DrawSearch(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(13.5, 13));
}

void DrawToolBarImage(QPainter& p, int id) {
    switch (id) {
        case ID_WORKS:
            DrawWorks(p);
            break;
        case ID_LIFE:
            DrawLife(p);
            break;
        case ID_FRIENDS:
            DrawFriends(p);
            break;
        case ID_TAVELO_HAIKU:
            DrawHaikuCard(p);
            break;
        case ID_ONEPOINT:
            DrawOnePoint(p);
            break;
        case ID_CONTENTS:
            DrawContents(p);
            break;
        case IDB_SEARCH:
            DrawSearch(p);
            break;
        default:
            break;
    }
}

// A card with a quill across it, on a 32 by 32 grid; drawn smooth, as it is
// shown large in the desktop's menus as well as small in the title bar.
void DrawAppIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kInk);
    p.setBrush(QColor(250, 245, 220));
    p.drawRect(9, 2, 12, 28);
    QPainterPath quill;
    quill.moveTo(28, 3);
    quill.cubicTo(20, 8, 14, 18, 8, 29);
    quill.cubicTo(16, 20, 24, 12, 28, 3);
    p.setBrush(QColor(60, 90, 160));
    p.drawPath(quill);
}

void DrawDocumentIcon(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 13);
    p.setPen(QColor(60, 90, 160));
    for (int y = 4; y <= 11; y += 2) p.drawLine(5, y, 11, y);
}

}  // namespace

QPixmap ToolBarImage(int id, qreal ratio) {
    return DrawnPixmap(QSize(kWidth, kHeight), ratio, [id](QPainter& p) { DrawToolBarImage(p, id); });
}

QIcon ToolBarIcon(int id) {
    return DrawnIcon(QSize(kWidth, kHeight), [id](QPainter& p) { DrawToolBarImage(p, id); });
}

QIcon AppIcon() { return DrawnIcon(QSize(32, 32), DrawAppIcon); }

QIcon DocumentIcon() { return DrawnIcon(QSize(16, 16), DrawDocumentIcon); }
