#include "reader/KeyLabel.h"

#include <QFontMetrics>
#include <QPainter>

CKeyLabel::CKeyLabel(const QFont& font, QWidget* parent) : QWidget(parent), m_font(font) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CKeyLabel::SetText(const QString& text) {
    m_strText = text;
    update();
}

void CKeyLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect();
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -2, -2));
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.setClipRect(frame.adjusted(1, 1, -2, -2));
    painter.drawText(QPoint(2, QFontMetrics(m_font).ascent()), m_strText);
}
