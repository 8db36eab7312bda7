// The haiku hall's list (template 130, "登録全句"): every haiku of the built-in table
// in seven columns - number, the three phrases, season, season word and the year
// line. A header click sorts by that column (phrases by their readings); a
// double-click or Enter opens the haiku card on the row; the search command (ID_SEARCH,
// served only here) scrolls the first row whose phrases hold the search bar's text
// to the top. The search box is usable only while this view is active.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/CommentaryReader.h"
#include "haiku/HaikuTable.h"
#include "platform/NoticeWnd.h"
#include "platform/View.h"

class CListCtrl;

class CHaikuListView : public CView {
    Q_OBJECT
public:
    CHaikuListView();

    void OnInitialUpdate() override;
    void OnActivateView(bool activate) override;

    // Sorts the rows by a column (always ascending) and rebuilds the list.
    void SortByColumn(int column);
    // Serves ID_SEARCH.
    void OnSearch();
    // A double-click on row (-1: beside the rows, which only beeps).
    void OnDoubleClick(int row);

    CListCtrl* GetListCtrl() const { return m_list; }
    // The table index shown in a row.
    int RecordOfRow(int row) const { return m_order[static_cast<std::size_t>(row)]; }
    int GetRowCount() const { return m_nCount; }

private:
    void BuildColumnsAndRows();

    CListCtrl* m_list;
    CHaikuTable m_table;
    CCommentaryReader m_reader;
    COldCalendar m_calendar;
    CEtoTable m_eto;
    CNoticeWnd m_notice;
    QString m_szTitle;
    int m_nMode = 0;
    std::vector<int> m_order;  // row -> table index
    int m_nCount = 0;
    // The cells of each record, made when its row is first shown: a sort only puts
    // them in a new order.
    std::vector<std::vector<QString>> m_cells;
};
