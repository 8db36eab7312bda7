#include "calendar/OldNewSimpleListView.h"

#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewTable.h"
#include "app/Resource.h"
#include "platform/Cp932.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/WaitCursor.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString ToQString(const std::string& cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}

}  // namespace

COldNewSimpleListView::COldNewSimpleListView() : m_list(new CListCtrl(this)) {
    m_list->SetLeftClickSelects(false);
    SetContentWidget(m_list);
    AddCommand(ID_DISP_YEAR, [this] { OnDispYear(); });
    connect(m_list, &CListCtrl::RightButtonDown, this, [this] { OnDispYear(); });
}

void COldNewSimpleListView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    BuildTable();
}

void COldNewSimpleListView::BuildTable() {
    CWaitCursor wait;
    m_list->DeleteAllItems();
    while (m_list->DeleteColumn(0)) {
    }

    static const char16_t* const kTitles[kColumnCount] = {u"月", u"日", u"干支", u"西暦",
                                                          u"月", u"日", u"曜日"};
    static const int kWidths[kColumnCount] = {4, 4, 6, 6, 4, 4, 6};
    for (int c = 0; c < kColumnCount; ++c) {
        m_list->InsertColumn(c, QString::fromUtf16(kTitles[c]), m_list->ColumnWidth(kWidths[c]),
                             Qt::AlignHCenter);
    }

    std::vector<OldNewRow> rows;
    FillOldColumns(rows, m_oldCalendar, m_eto, m_nYear);
    FillNewColumns(rows, m_oldCalendar, m_newCalendar, m_nYear);
    std::vector<std::vector<QString>> cells;
    cells.reserve(rows.size());
    for (const OldNewRow& row : rows) {
        std::vector<QString> line;
        line.reserve(kColumnCount);
        for (const std::string& cell : row) line.push_back(ToQString(cell));
        cells.push_back(std::move(line));
    }
    m_list->SetRows(std::move(cells));

    if (CDocument* document = GetDocument()) {
        document->SetPathName(ToQString(OldNewTitle(m_oldCalendar, m_eto, m_nYear)), false);
        document->UpdateAllViews(nullptr, 0);
    }
}

void COldNewSimpleListView::OnDispYear() {
    CDisplayYearDlg dialog;
    dialog.m_nYear = m_nYear;
    dialog.m_nMonth = m_nMonth;
    dialog.m_nLowestYear = 1874;
    dialog.m_nHighestYear = 1959;
    if (dialog.exec() != QDialog::Accepted) return;
    m_nYear = dialog.m_nYear;
    m_nMonth = dialog.m_nMonth;
    BuildTable();
}
