// The calendar hall: the correspondence table view and the display-year dialog.
#include <QLineEdit>
#include <QtTest>

#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

// Finishes the next year dialog once it is shown: steps its year spin, then OK or
// Cancel. The year field shows the year, kept within 1874 to 1959.
static void AnswerYearDialog(int steps, bool ok) {
    QTimer::singleShot(0, [steps, ok] {
        auto* dialog = qobject_cast<CDisplayYearDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        CSpinButtonCtrl* spin = dialog->YearSpin();
        for (int i = 0; i < std::abs(steps); ++i) steps > 0 ? spin->StepUp() : spin->StepDown();
        const int shown = std::clamp(1874 + steps, 1874, 1959);
        QCOMPARE(qobject_cast<QLineEdit*>(dialog->Control(1021))->text(), QString::number(shown));
        ok ? dialog->accept() : dialog->reject();
    });
}

class TestCalendarHall : public QObject {
    Q_OBJECT

private:
    COldNewSimpleListView* Open() {
        return m_frame.Open<COldNewSimpleListView>(IDR_OLDNEW_LIST, u"旧暦／西暦対照表"_s,
                                                   {700, 500});
    }

private slots:
    void opensAt1874AndLeftClickSelectsNothing() {
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), 354);
        QCOMPARE(list->GetColumnCount(), 7);
        QCOMPARE(view->GetDocument()->GetTitle(), u"旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)"_s);
        ClickRow(list, 3);
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    }

    void theDialogChangesTheYearOnOkOnly() {
        // Opened by the command or a right click; spin steps; OK; the year shown then.
        const std::tuple<bool, int, bool, int> cases[] = {
            {false, 2, true, 1876},  {false, 5, false, 1874}, {true, 85, true, 1959},
            {true, 90, true, 1959},  {false, -3, true, 1874}};
        for (const auto& [rightClick, steps, ok, year] : cases) {
            COldNewSimpleListView* other = Open();
            COldNewSimpleListView* view = Open();
            CListCtrl* list = view->GetListCtrl();
            AnswerYearDialog(steps, ok);
            if (rightClick) QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
            else QVERIFY(m_frame.Frame()->RouteCommand(ID_DISP_YEAR));
            QCOMPARE(view->m_nYear, year);
            QCOMPARE(list->GetItemCount(), year == 1876 ? 384 : 354);  // 1876 has a leap month
            QVERIFY(view->GetDocument()->GetTitle().contains(QString::number(year) + u"年"_s));
            QCOMPARE(other->m_nYear, 1874);  // each table is its own
            m_frame.CloseAll();
        }
    }

private:
    ListFrame m_frame{{800, 600}};
};

QTEST_MAIN(TestCalendarHall)
#include "tst_calendarhall.moc"
