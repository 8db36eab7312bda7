// A text pane of the reader: white rows of 12 pixels in the fixed-pitch face
// inside an etched frame. The main pane draws the first keys of other topics
// that occur in a line as blue links and remembers where it drew them; the
// reference pane draws plain text. The pane takes no mouse input itself: the
// dialog hit-tests the rectangles the pane recorded.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class CTopicDocument;

class CTextPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 12;
    static constexpr int kMargin = 2;
    static constexpr int kFrame = 2;

    struct Link {
        std::string key;   // cp932
        QRect rect;        // pane coordinates
    };

    CTextPane(int rows, const QFont& font, QWidget* parent);

    // Blanks every row.
    void Clear();
    // Shows body lines from top on, at most the pane's rows. With a document,
    // first keys found in a line (other than currentKey) are drawn as links.
    void Show(const std::vector<std::string>& body, int top, const CTopicDocument* document,
              std::string_view currentKey);

    int Rows() const { return m_nRows; }
    // The client area less the margin, and row r's rectangle in it.
    QRect TextRect() const;
    QRect RowRect(int row) const;
    // The first link (in row order) whose rectangle holds point, or nullptr.
    const Link* LinkAt(QPoint point) const;
    int ShownRows() const { return static_cast<int>(m_rows.size()); }
    const std::vector<Link>& RowLinks(int row) const { return m_rows.at(static_cast<std::size_t>(row)).links; }
    QString RowText(int row) const { return m_rows.at(static_cast<std::size_t>(row)).text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Row {
        QString text;
        std::vector<Link> links;
        std::vector<QString> linkTexts;
    };

    int m_nRows;
    QFont m_font;
    std::vector<Row> m_rows;
};
