#include "haiku/HaikuListView.h"

#include <algorithm>
#include <numeric>

#include "app/ProfileStore.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/ListCells.h"
#include "haiku/ListSortKeys.h"
#include "platform/Cp932.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kRowWidth = 44;  // bytes of an interpretation row

struct Column {
    const char16_t* title;
    int width;  // in characters
};
// The header of column 2 is spelled with the katakana ニ.
constexpr Column kColumns[listcells::kHaikuColumns] = {
    {u"No", 4},   {u"初句", 10}, {u"第ニ句", 14}, {u"第三句", 10},
    {u"季節", 5}, {u"季語", 10}, {u"作年次", 20},
};

QString ToQString(const std::string& cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

}  // namespace

CHaikuListView::CHaikuListView()
    : m_list(new CListCtrl(this)),
      m_reader(theProfile.GetWorkDir()),
      m_order(CHaikuTable::kCapacity) {
    CWaitCursor wait;
    std::iota(m_order.begin(), m_order.end(), 0);
    SetContentWidget(m_list);
    AddCommand(ID_SEARCH, [this] { OnSearch(); });
    connect(m_list, &CListCtrl::ColumnClicked, this, &CHaikuListView::SortByColumn);
    connect(m_list, &CListCtrl::ItemDoubleClicked, this,
            [this](int row, QPoint) { OnDoubleClick(row); });
    // Enter on a row opens its card, as a double-click does.
    connect(m_list, &CListCtrl::ItemReturnPressed, this, &CHaikuListView::OnDoubleClick);
}

void CHaikuListView::OnInitialUpdate() {
    CWaitCursor wait;
    CView::OnInitialUpdate();
    m_nCount = m_table.GetCount();
    if (CDocument* document = GetDocument()) m_szTitle = document->GetTitle();
    m_nMode = 0;
    m_reader.LoadAll("tavelo.txt", m_nMode, kRowWidth, m_table, m_nCount);
    BuildColumnsAndRows();
    m_list->SetSortColumn(0);  // table order is the order of the numbers
}

void CHaikuListView::OnActivateView(bool activate) {
    theSearchBar.EnableSearchBox(activate);
    CView::OnActivateView(activate);
}

void CHaikuListView::BuildColumnsAndRows() {
    // A rebuild after a sort keeps the columns but gives them their first widths again.
    for (int c = 0; c < listcells::kHaikuColumns; ++c) {
        const int width = m_list->ColumnWidth(kColumns[c].width);
        if (c < m_list->GetColumnCount())
            m_list->setColumnWidth(c, width);
        else
            m_list->InsertColumn(c, QString::fromUtf16(kColumns[c].title), width, Qt::AlignLeft);
    }

    // Rows are made as they are shown; each record's cells once, whatever the order.
    m_cells.resize(static_cast<std::size_t>(m_nCount));
    m_list->SetRowSource(m_nCount, [this](int row) {
        const int index = RecordOfRow(row);
        std::vector<QString>& cells = m_cells[static_cast<std::size_t>(index)];
        if (cells.empty()) {
            const HaikuRecord record = m_table.GetHaiku(index);
            for (int c = 0; c < listcells::kHaikuColumns; ++c)
                cells.push_back(ToQString(listcells::HaikuCell(record, index, c, m_calendar, m_eto)));
        }
        return cells;
    });

    // The caption keeps the title the opening command gave.
    if (CDocument* document = GetDocument()) {
        document->SetPathName(m_szTitle, false);
        document->UpdateAllViews(nullptr, 0);
    }
}

void CHaikuListView::SortByColumn(int column) {
    if (column < 0 || column >= listcells::kHaikuColumns) return;
    CWaitCursor wait;
    std::vector<int> order(m_order.begin(), m_order.begin() + m_nCount);
    std::vector<std::string> keys;
    keys.reserve(order.size());
    for (int index : order) keys.push_back(sortkeys::HaikuKey(m_table.GetHaiku(index), index, column));
    sortkeys::SortOrder(order, std::move(keys));
    std::copy(order.begin(), order.end(), m_order.begin());
    BuildColumnsAndRows();  // every row replaced at once
    m_list->SetSortColumn(column);
}

void CHaikuListView::OnSearch() {
    const std::string text = theSearchBar.TakeSearchText();
    const int found = listcells::FindPhraseRow(m_table, m_order, m_nCount, text);
    if (found < 0) {
        m_notice.MessageBox(listcells::SearchNotFoundMessage(text));
        return;
    }
    const int rowHeight = m_list->GetItemRect(0).height();
    const int top = m_list->GetTopIndex();
    // The list may stand between rows (a wheel turn, a drag of the bar): count from
    // the top row's own edge so the found row's top comes to the top of the rows.
    const int hidden = -m_list->GetItemRect(top).top();
    m_list->Scroll((found - top) * rowHeight - hidden);
}

void CHaikuListView::OnDoubleClick(int row) {
    if (row < 0 || row >= m_nCount) {
        m_notice.Beep();
        return;
    }
    CHaikuCardDlg dialog;
    dialog.SetDisplayMode(m_nMode);
    dialog.SetHaikuIndex(RecordOfRow(row));
    dialog.DoModal();
}
