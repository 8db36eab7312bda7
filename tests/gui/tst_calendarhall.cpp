// The calendar hall: the correspondence table view and the display-year dialog.
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Finishes the next year dialog once it is shown: steps its year spin, then OK or
// Cancel. The year field shows the year, kept within 1874 to 1959.
void AnswerYearDialog(int steps, bool ok) {
    QTimer::singleShot(0, [steps, ok] {
        auto* dialog = qobject_cast<CDisplayYearDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), u"旧暦 <1874～1959>"_s);
        for (int hidden : {1018, 1028, 1031, 1023, 1041}) QVERIFY(!dialog->Control(hidden)->isVisibleTo(dialog));
        for (int i = 0; i < std::abs(steps); ++i) steps > 0 ? dialog->YearSpin()->StepUp() : dialog->YearSpin()->StepDown();
        QCOMPARE(qobject_cast<QLineEdit*>(dialog->Control(1021))->text(), QString::number(std::clamp(1874 + steps, 1874, 1959)));
        ok ? dialog->accept() : dialog->reject();
    });
}

}  // namespace

class TestCalendarHall : public QObject {
    Q_OBJECT

private:
    COldNewSimpleListView* Open() {
        return m_frame.Open<COldNewSimpleListView>(IDR_OLDNEW_LIST, u"旧暦／西暦対照表"_s, {700, 500});
    }

private slots:
    void opensAt1874WithItsTitleAndLeftClickSelectsNothing() {
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), 354);
        const QStringList titles = {u"月"_s, u"日"_s, u"干支"_s, u"西暦"_s, u"月"_s, u"日"_s, u"曜日"_s};
        const QStringList first = {u" 1"_s, u" 1"_s, u"乙巳"_s, u"1874"_s, u" 2"_s, u"17"_s, u"火"_s};
        QCOMPARE(list->GetColumnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c) {
            QCOMPARE(list->GetColumnTitle(c), titles[c]);
            QCOMPARE(list->GetItemText(0, c), first[c]);
        }
        QCOMPARE(list->GetItemText(12, 3), QString());
        QCOMPARE(list->GetItemText(12, 4), u" 3"_s);
        QCOMPARE(view->GetDocument()->GetTitle(), u"旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)"_s);
        ClickRow(list, 3);
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    }

    void theDialogChangesTheYearOnOkOnly_data() {
        QTest::addColumn<bool>("rightClick");  // else the command
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstRow");  // eto, Gregorian day, weekday of row 0
        QTest::newRow("OK") << false << 2 << true << 1876 << 384 << u"癸巳|26|水"_s;
        QTest::newRow("Cancel") << false << 5 << false << 1874 << 354 << u"乙巳|17|火"_s;
        QTest::newRow("right click") << true << 85 << true << 1959 << 354 << u"辛酉| 8|日"_s;
        QTest::newRow("past the last year") << true << 90 << true << 1959 << 354 << u"辛酉| 8|日"_s;
        QTest::newRow("before the first year") << false << -3 << true << 1874 << 354 << u"乙巳|17|火"_s;
    }
    void theDialogChangesTheYearOnOkOnly() {
        QFETCH(bool, rightClick);
        QFETCH(int, steps);
        QFETCH(bool, ok);
        QFETCH(int, year);
        QFETCH(int, rows);
        QFETCH(QString, firstRow);
        COldNewSimpleListView* other = Open();
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        AnswerYearDialog(steps, ok);
        if (rightClick) QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        else QVERIFY(m_frame.Frame()->RouteCommand(ID_DISP_YEAR));
        QCOMPARE(view->m_nYear, year);
        QCOMPARE(list->GetItemCount(), rows);
        QCOMPARE(QStringList({list->GetItemText(0, 2), list->GetItemText(0, 5), list->GetItemText(0, 6)}).join(u'|'), firstRow);
        QVERIFY(view->GetDocument()->GetTitle().contains(QString::number(year) + u"年"_s));
        QCOMPARE(other->m_nYear, 1874);  // each table is its own
    }

private:
    ListFrame m_frame{{800, 600}};
};

QTEST_MAIN(TestCalendarHall)
#include "tst_calendarhall.moc"
