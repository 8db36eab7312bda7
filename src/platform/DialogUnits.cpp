#include "platform/DialogUnits.h"

#include <QFontMetrics>

CDialogUnits::CDialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded, as the dialog manager takes it.
    const QString letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_qs;
    m_nBaseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_nBaseY = metrics.height();
    if (m_nBaseX < 1) m_nBaseX = 1;
    if (m_nBaseY < 1) m_nBaseY = 1;
}

// Rounded to the nearest pixel, as MulDiv does.
int CDialogUnits::X(int units) const { return (units * m_nBaseX * 2 + (units >= 0 ? 4 : -4)) / 8; }

int CDialogUnits::Y(int units) const { return (units * m_nBaseY * 2 + (units >= 0 ? 8 : -8)) / 16; }
