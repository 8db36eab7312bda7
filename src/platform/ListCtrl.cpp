#include "platform/ListCtrl.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <functional>

// The rows and columns behind a CListCtrl: plain strings, nothing else.
class CListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    struct Column {
        QString title;
        Qt::Alignment alignment;
    };

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        auto column = static_cast<std::size_t>(index.column());
        if (role == Qt::DisplayRole) {
            const auto& row = Row(index.row());
            return column < row.size() ? row[column] : QString();
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(m_columns[column].alignment | Qt::AlignVCenter);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
        const Column& column = m_columns[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole) return column.title;
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(column.alignment);
        return {};
    }

    void insertColumn(int at, Column column) {
        beginInsertColumns({}, at, at);
        m_columns.insert(m_columns.begin() + at, std::move(column));
        for (auto& row : m_rows) {
            if (m_source && row.empty()) continue;  // made with all its columns when first asked for
            if (static_cast<std::size_t>(at) <= row.size()) row.insert(row.begin() + at, QString());
        }
        endInsertColumns();
    }
    void removeColumn(int at) {
        beginRemoveColumns({}, at, at);
        m_columns.erase(m_columns.begin() + at);
        for (auto& row : m_rows) {
            if (static_cast<std::size_t>(at) < row.size()) row.erase(row.begin() + at);
        }
        endRemoveColumns();
    }
    void insertRow(int at, QString text) {
        beginInsertRows({}, at, at);
        std::vector<QString> row(m_columns.size());
        if (!row.empty()) row[0] = std::move(text);
        m_rows.insert(m_rows.begin() + at, std::move(row));
        endInsertRows();
    }
    void setText(int row, int column, QString text) {
        auto& cells = Row(row);
        if (static_cast<std::size_t>(column) >= cells.size()) cells.resize(static_cast<std::size_t>(column) + 1);
        cells[static_cast<std::size_t>(column)] = std::move(text);
        QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
    QString text(int row, int column) const {
        const auto& cells = Row(row);
        return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : QString();
    }
    void setRows(std::vector<std::vector<QString>> rows) {
        beginResetModel();
        m_source = nullptr;
        m_rows = std::move(rows);
        endResetModel();
    }
    void setRowSource(int count, std::function<std::vector<QString>(int)> source) {
        beginResetModel();
        m_source = std::move(source);
        m_rows.assign(static_cast<std::size_t>(count), {});
        endResetModel();
    }
    void clearRows() { setRows({}); }
    const Column& column(int at) const { return m_columns[static_cast<std::size_t>(at)]; }

private:
    // A row's cells; rows of a source are made when first asked for.
    std::vector<QString>& Row(int row) const {
        auto& cells = m_rows[static_cast<std::size_t>(row)];
        if (m_source && cells.empty()) cells = m_source(row);
        return cells;
    }

    std::vector<Column> m_columns;
    mutable std::vector<std::vector<QString>> m_rows;
    std::function<std::vector<QString>(int)> m_source;
};

// Paints a cell as the style does (background, selection, focus frame), its text on
// one line, cut with "..." where the cell is too narrow. A text is laid out once per
// width and font and kept, so a repaint lays out nothing and a first paint lays out
// each distinct shown text once (a season or a year repeats down a column).
class CCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        InitCell(opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
        const QStaticText& text = TextOf(opt, textRect.width());
        const QSizeF size = text.size();
        const Qt::Alignment align = QStyle::visualAlignment(opt.direction, opt.displayAlignment);
        qreal x = textRect.left();
        if (align & Qt::AlignRight) x = textRect.right() + 1 - size.width();
        else if (align & Qt::AlignHCenter) x = textRect.left() + (textRect.width() - size.width()) / 2;
        const qreal y = textRect.top() + (textRect.height() - size.height()) / 2;
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        painter->save();
        painter->setClipRect(textRect, Qt::IntersectClip);
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                        : QPalette::Text));
        painter->drawStaticText(QPointF(x, y), text);
        painter->restore();

        if (opt.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(opt);
            focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, widget);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor = opt.palette.color(group, (opt.state & QStyle::State_Selected)
                                                                 ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
    }

private:
    // The two roles the list's model gives. The delegate's own initStyleOption asks the
    // model for seven, at about the cost of laying out the cell's text afresh.
    static void InitCell(QStyleOptionViewItem& opt, const QModelIndex& index) {
        opt.index = index;
        opt.features |= QStyleOptionViewItem::HasDisplay;
        opt.text = index.data(Qt::DisplayRole).toString();
        opt.displayAlignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    }

    // Enough for every cell of a few screens at a few widths; a list whose columns are
    // dragged through many widths starts afresh rather than growing without end.
    static constexpr qsizetype kMaxTexts = 16384;

    const QStaticText& TextOf(const QStyleOptionViewItem& opt, int width) const {
        if (opt.font != m_font || m_texts.size() >= kMaxTexts) {
            m_texts.clear();
            m_font = opt.font;
        }
        std::pair<QString, int> key(opt.text, width);
        if (auto it = m_texts.constFind(key); it != m_texts.constEnd()) return *it;
        QStaticText text = MakeText(opt.text, opt.font);
        if (text.size().width() > width)
            text = MakeText(QFontMetrics(opt.font).elidedText(opt.text, opt.textElideMode, width), opt.font);
        return *m_texts.insert(std::move(key), std::move(text));
    }

    static QStaticText MakeText(const QString& string, const QFont& font) {
        QStaticText text(string);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        return text;
    }

    mutable QFont m_font;
    mutable QHash<std::pair<QString, int>, QStaticText> m_texts;
};

CListCtrl::CListCtrl(QWidget* parent) : QTreeView(parent), m_model(new CListModel(this)) {
    setModel(m_model);
    setItemDelegate(new CCellDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CListCtrl::ColumnClicked);
    // The size hint follows the columns.
    connect(header(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
    connect(header(), &QHeaderView::sectionCountChanged, this, [this] { updateGeometry(); });
}

CListCtrl::~CListCtrl() = default;

int CListCtrl::AverageCharWidth() const {
    return QFontMetrics(font()).averageCharWidth();
}

int CListCtrl::ColumnWidth(int chars) const {
    const int digit = QFontMetrics(font()).horizontalAdvance(QLatin1Char('0'));
    const int w = std::max(AverageCharWidth(), digit);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return chars * w + 2 * margin;
}

void CListCtrl::InsertColumn(int column, const QString& title, int width,
                             Qt::Alignment alignment) {
    column = std::clamp(column, 0, GetColumnCount());
    m_model->insertColumn(column, {title, alignment});
    header()->resizeSection(column, width);
}

bool CListCtrl::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) return false;
    m_model->removeColumn(column);
    return true;
}

int CListCtrl::GetColumnCount() const { return m_model->columnCount(); }

QString CListCtrl::GetColumnTitle(int column) const {
    if (column < 0 || column >= GetColumnCount()) return {};
    return m_model->column(column).title;
}

int CListCtrl::InsertItem(int row, const QString& text) {
    row = std::clamp(row, 0, GetItemCount());
    m_model->insertRow(row, text);
    return row;
}

void CListCtrl::SetItemText(int row, int column, const QString& text) {
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return;
    m_model->setText(row, column, text);
}

QString CListCtrl::GetItemText(int row, int column) const {
    if (row < 0 || row >= GetItemCount() || column < 0) return {};
    return m_model->text(row, column);
}

int CListCtrl::GetItemCount() const { return m_model->rowCount(); }

void CListCtrl::DeleteAllItems() { m_model->clearRows(); }

void CListCtrl::SetRows(std::vector<std::vector<QString>> rows) { m_model->setRows(std::move(rows)); }

void CListCtrl::SetRowSource(int count, std::function<std::vector<QString>(int row)> source) {
    m_model->setRowSource(count, std::move(source));
}

int CListCtrl::HitTest(const QPoint& viewportPoint) const {
    QModelIndex index = indexAt(viewportPoint);
    return index.isValid() ? index.row() : -1;
}

int CListCtrl::GetTopIndex() const {
    QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

QRect CListCtrl::GetItemRect(int row) const {
    if (row < 0 || row >= GetItemCount()) return {};
    return visualRect(m_model->index(row, 0));
}

void CListCtrl::Scroll(int dy) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + dy);
}

void CListCtrl::SetSortColumn(int column) {
    const bool shown = column >= 0 && column < GetColumnCount();
    header()->setSortIndicatorShown(shown);
    header()->setSortIndicator(shown ? column : -1, Qt::AscendingOrder);
}

int CListCtrl::GetSortColumn() const {
    return header()->isSortIndicatorShown() ? header()->sortIndicatorSection() : -1;
}

QSize CListCtrl::sizeHint() const {
    constexpr int kRows = 20;
    const int frame = 2 * frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(header()->length() + bar + frame,
                 header()->sizeHint().height() + kRows * fontMetrics().height() + bar + frame)
        .expandedTo(QTreeView::sizeHint());
}

void CListCtrl::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier &&
        isSignalConnected(QMetaMethod::fromSignal(&CListCtrl::ItemReturnPressed))) {
        emit ItemReturnPressed(currentIndex().isValid() ? currentIndex().row() : -1);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QPoint point = event->position().toPoint();
        emit RightButtonDown(HitTest(point), point);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && !m_leftClickSelects) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void CListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPoint point = event->position().toPoint();
        emit ItemDoubleClicked(HitTest(point), point);
    }
    event->accept();
}
