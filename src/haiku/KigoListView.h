// The data hall's season-word list (template 131, "季語一覧"): the topics of
// TxtData/kigo.txt in four columns - number, season word, reading and season.
// A header click sorts by that column; a double-click opens the reader on the
// row's season word. When kigo.txt cannot be read the view stays empty, without
// columns.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "platform/NoticeWnd.h"
#include "platform/View.h"
#include "reader/TopicDocument.h"

class CListCtrl;

class CKigoListView : public CView {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 1000;

    CKigoListView();

    void OnInitialUpdate() override;

    // Sorts the rows by a column (always ascending) and rebuilds the list.
    void SortByColumn(int column);
    // A double-click on row (-1: beside the rows, which only beeps).
    void OnDoubleClick(int row);

    CListCtrl* GetListCtrl() const { return m_list; }
    int GetRowCount() const { return m_nCount; }

private:
    void BuildColumnsAndRows();

    CListCtrl* m_list;
    CTopicDocument m_document;
    CNoticeWnd m_notice;
    QString m_szTitle;
    std::vector<int> m_order;  // row -> topic index
    int m_nCount = 0;
    std::string m_path;        // of kigo.txt
};
