// Column widths of the haiku hall's lists, counted in characters of the list's font.
#pragma once

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

#include "platform/ListCtrl.h"

// A column chars characters wide. The character is the font's average one, but never
// narrower than a digit, so a four-digit number fills a four-character column; the
// cell's own text margins come on top, so that many characters are readable.
inline int ListColumnWidth(const CListCtrl& list, int chars) {
    const int digit = QFontMetrics(list.font()).horizontalAdvance(QLatin1Char('0'));
    const int w = std::max(list.AverageCharWidth(), digit);
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return chars * w + 2 * margin;
}
