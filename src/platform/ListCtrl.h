// CListCtrl: a report-mode list (rows of text cells under column headers) for the
// list views. Cells hold QStrings; the views convert their cp932 texts at the edge.
//
//   m_list = new CListCtrl(this);
//   m_list->InsertColumn(0, u"No"_s, m_list->ColumnWidth(4), Qt::AlignLeft);
//   int row = m_list->InsertItem(m_list->GetItemCount(), u"   1"_s);
//   m_list->SetItemText(row, 1, text);
//   connect(m_list, &CListCtrl::ColumnClicked, this, &MyView::SortByColumn);
//
// A left click selects nothing unless the view allows it; double clicks and right
// clicks are reported with the row under the pointer (-1 beside the rows). Enter is
// reported with the current row when a view listens to ItemReturnPressed.
// A sortable list marks its sort column: SetSortColumn(column) after each sort.
#pragma once

#include <QTreeView>
#include <functional>
#include <memory>
#include <vector>

class CListModel;

class CListCtrl : public QTreeView {
    Q_OBJECT
public:
    explicit CListCtrl(QWidget* parent = nullptr);
    ~CListCtrl() override;

    // Average character width of the list's font, the unit of column widths.
    int AverageCharWidth() const;
    // Width of a column chars characters wide: the average character, but never
    // narrower than a digit, so a four-digit number fills a four-character column;
    // the cell's own text margins come on top.
    int ColumnWidth(int chars) const;

    void InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment);
    bool DeleteColumn(int column);
    int GetColumnCount() const;
    QString GetColumnTitle(int column) const;

    // Inserts a row whose first cell is text; returns its index.
    int InsertItem(int row, const QString& text);
    void SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    int GetItemCount() const;
    void DeleteAllItems();
    // Replaces all rows at once (faster than inserting them one by one).
    void SetRows(std::vector<std::vector<QString>> rows);
    // Replaces all rows by count rows whose cells source makes when they are first
    // shown or asked for, so a long list costs by what is seen of it.
    void SetRowSource(int count, std::function<std::vector<QString>(int row)> source);

    // Row under a point of the viewport, or -1.
    int HitTest(const QPoint& viewportPoint) const;
    // Index of the first visible row, and the rectangle of a row.
    int GetTopIndex() const;
    QRect GetItemRect(int row) const;
    // Scrolls the list vertically by pixels (positive: towards the end).
    void Scroll(int dy);

    // Shows the (ascending) sort indicator on a column's header; -1 shows none.
    void SetSortColumn(int column);
    int GetSortColumn() const;

    // Wide enough for every column beside the vertical scroll bar, and some twenty rows
    // high, so a new list window shows all its columns where there is room.
    QSize sizeHint() const override;

    // When false a left click neither selects nor moves the focus row (default: true).
    void SetLeftClickSelects(bool on) { m_leftClickSelects = on; }

signals:
    void ColumnClicked(int column);
    void ItemDoubleClicked(int row, QPoint viewportPoint);
    void RightButtonDown(int row, QPoint viewportPoint);
    void ItemReturnPressed(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CListModel* m_model;
    bool m_leftClickSelects = true;
};
