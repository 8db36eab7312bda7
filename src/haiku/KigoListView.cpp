#include "haiku/KigoListView.h"

#include <algorithm>
#include <numeric>

#include "app/ProfileStore.h"
#include "haiku/ListCells.h"
#include "haiku/ListSortKeys.h"
#include "platform/Cp932.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/WaitCursor.h"
#include "reader/ReaderDialog.h"

namespace {

struct Column {
    const char16_t* title;
    int width;  // in characters
};
constexpr Column kColumns[listcells::kKigoColumns] = {
    {u"No", 4}, {u"季語", 10}, {u"よみ", 10}, {u"季節", 5}};

QString ToQString(const std::string& cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

}  // namespace

CKigoListView::CKigoListView() : m_list(new CListCtrl(this)), m_order(kMaxRows) {
    std::iota(m_order.begin(), m_order.end(), 0);
    SetContentWidget(m_list);
    connect(m_list, &CListCtrl::ColumnClicked, this, &CKigoListView::SortByColumn);
    connect(m_list, &CListCtrl::ItemDoubleClicked, this,
            [this](int row, QPoint) { OnDoubleClick(row); });
}

void CKigoListView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    if (CDocument* document = GetDocument()) m_szTitle = document->GetTitle();
    m_path = theProfile.TxtDataPath("kigo.txt");
    CWaitCursor wait;
    if (m_document.Load(m_path) != 0) return;  // the notice is shown
    m_nCount = std::min(m_document.GetTopicCount(), kMaxRows);
    BuildColumnsAndRows();
    m_list->SetSortColumn(0);  // file order is the order of the numbers
}

void CKigoListView::BuildColumnsAndRows() {
    for (int c = 0; c < listcells::kKigoColumns; ++c) {
        m_list->InsertColumn(c, QString::fromUtf16(kColumns[c].title),
                             m_list->ColumnWidth(kColumns[c].width), Qt::AlignLeft);
    }
    std::vector<std::vector<QString>> rows(static_cast<std::size_t>(m_nCount));
    for (int r = 0; r < m_nCount; ++r) {
        const int index = m_order[static_cast<std::size_t>(r)];
        const TopicRecord topic = m_document.GetTopic(index);
        std::vector<QString>& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < listcells::kKigoColumns; ++c) {
            cells.push_back(ToQString(listcells::KigoCell(topic, index, c)));
        }
    }
    m_list->SetRows(std::move(rows));

    if (CDocument* document = GetDocument()) {
        document->SetPathName(m_szTitle, false);
        document->UpdateAllViews(nullptr, 0);
    }
}

void CKigoListView::SortByColumn(int column) {
    if (column < 0 || column >= listcells::kKigoColumns || m_nCount == 0) return;
    CWaitCursor wait;
    std::vector<int> order(m_order.begin(), m_order.begin() + m_nCount);
    std::vector<std::string> keys;
    keys.reserve(order.size());
    for (int index : order) {
        const TopicRecord topic = m_document.GetTopic(index);
        keys.push_back(sortkeys::KigoKey(topic.key1, topic.key2, topic.key3, index, column));
    }
    sortkeys::SortOrder(order, std::move(keys));
    std::copy(order.begin(), order.end(), m_order.begin());

    m_list->DeleteAllItems();
    while (m_list->DeleteColumn(0)) {
    }
    BuildColumnsAndRows();
    m_list->SetSortColumn(column);
}

void CKigoListView::OnDoubleClick(int row) {
    if (row < 0 || row >= m_nCount) {
        m_notice.Beep();
        return;
    }
    const TopicRecord topic = m_document.GetTopic(m_order[static_cast<std::size_t>(row)]);
    CReaderDialog dialog;
    dialog.SetPath(m_path);
    dialog.SetTitle(cp932::FromUtf8Lossy("季語"));
    dialog.SetInitialKey(topic.key1);
    dialog.DoModal();
}
