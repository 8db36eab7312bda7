// The calendar hall's correspondence table: one old-calendar year, a row per day,
// the old month, day and day sign beside the Gregorian date and weekday. It starts
// at 1874; the display-year dialog (menu, or a right click on the list) picks
// another year. A left click selects nothing.
#pragma once

#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"
#include "platform/View.h"

class CListCtrl;

class COldNewSimpleListView : public CView {
    Q_OBJECT
public:
    COldNewSimpleListView();

    void OnInitialUpdate() override;

    int m_nYear = 1874;
    int m_nMonth = 1;

    CListCtrl* GetListCtrl() const { return m_list; }
    // Runs the display-year dialog; on OK takes its year and rebuilds.
    void OnDispYear();
    void BuildTable();

private:
    static constexpr int kColumnCount = 7;

    CListCtrl* m_list;
    CNewCalendar m_newCalendar;
    COldCalendar m_oldCalendar;
    CEtoTable m_eto;
};
