#include "reader/TextPane.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/Cp932.h"
#include "reader/TopicDocument.h"

namespace {

QString ToDisplay(std::string_view cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

// The start of line that reaches past width pixels, or the whole line, with its display
// text. The pane clips at its right edge, so nothing beyond that is converted,
// measured, searched for links or drawn: a long line costs what a short one does.
std::string_view VisiblePart(std::string_view line, const QFontMetrics& metrics, int width,
                             QString& display) {
    for (std::size_t bytes = 256;; bytes *= 2) {
        std::string_view part = cp932::CutAtCharBoundary(line, bytes);
        display = ToDisplay(part);
        if (part.size() == line.size() || metrics.horizontalAdvance(display) > width) return part;
    }
}

}  // namespace

CTextPane::CTextPane(int rows, const QFont& font, QWidget* parent)
    : QWidget(parent), m_nRows(rows), m_font(font) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect CTextPane::TextRect() const {
    return rect().adjusted(kFrame + kMargin, kFrame + kMargin, -(kFrame + kMargin), -(kFrame + kMargin));
}

QRect CTextPane::RowRect(int row) const {
    QRect text = TextRect();
    return {text.left(), text.top() + kLineHeight * row, text.width(), kLineHeight};
}

void CTextPane::Clear() {
    m_rows.clear();
    update();
}

void CTextPane::Show(const std::vector<std::string>& body, int top, const CTopicDocument* document,
                     std::string_view currentKey) {
    m_rows.clear();
    QFontMetrics metrics(m_font);
    for (int r = 0; r < m_nRows; ++r) {
        const std::size_t index = static_cast<std::size_t>(top + r);
        if (top + r < 0 || index >= body.size()) break;
        Row row;
        const std::string_view line = VisiblePart(body[index], metrics, TextRect().width(), row.text);
        if (document) {
            const int lineWidth = metrics.horizontalAdvance(row.text);
            const QRect rowRect = RowRect(r);
            // A key that starts in the visible part may run on past it.
            const std::string_view searched = cp932::CutAtCharBoundary(
                body[index], line.size() + static_cast<std::size_t>(CTopicDocument::kMaxTextBytes));
            for (const TopicLink& found : document->FindLinks(searched, currentKey)) {
                if (static_cast<std::size_t>(found.start) >= line.size()) continue;
                // Where the link starts: the whole line's width less the width
                // of the line from the link on.
                QString tail = ToDisplay(std::string_view(line).substr(static_cast<std::size_t>(found.start)));
                QString keyText = ToDisplay(found.key);
                int x = rowRect.left() + lineWidth - metrics.horizontalAdvance(tail);
                row.links.push_back({found.key, QRect(x, rowRect.top(), metrics.horizontalAdvance(keyText), kLineHeight)});
                row.linkTexts.push_back(keyText);
            }
        }
        m_rows.push_back(std::move(row));
    }
    update();
}

const CTextPane::Link* CTextPane::LinkAt(QPoint point) const {
    if (!TextRect().contains(point)) return nullptr;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        if (!RowRect(static_cast<int>(r)).contains(point)) continue;
        for (const Link& link : m_rows[r].links)
            if (link.rect.contains(point)) return &link;
        return nullptr;
    }
    return nullptr;
}

void CTextPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect();
    // An etched frame: a dark line inside a light one.
    painter.fillRect(frame, palette().color(QPalette::Window));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -2, -2));
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    painter.fillRect(frame.adjusted(kFrame, kFrame, -kFrame, -kFrame), Qt::white);

    painter.setFont(m_font);
    painter.setClipRect(TextRect());
    const int ascent = QFontMetrics(m_font).ascent();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        const QRect rowRect = RowRect(static_cast<int>(r));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(rowRect.left(), rowRect.top() + ascent), row.text);
        painter.setPen(QColor(0, 0, 255));
        for (std::size_t i = 0; i < row.links.size(); ++i) {
            painter.fillRect(row.links[i].rect, Qt::white);
            painter.drawText(QPoint(row.links[i].rect.left(), rowRect.top() + ascent), row.linkTexts[i]);
        }
    }
}
