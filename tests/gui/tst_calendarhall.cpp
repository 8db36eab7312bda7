// The calendar hall: the correspondence table view and the display-year dialog.
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"
#include "platform/MDIFrameWnd.h"
#include "platform/SpinButtonCtrl.h"
#include "platform/WinApp.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class TestApp : public CWinApp {
public:
    void SetMainWnd(CMDIFrameWnd* frame) { m_pMainWnd = frame; }
};

// Finishes the next modal dialog once it is shown: steps its year spin, then OK or Cancel.
void AnswerYearDialog(int steps, bool ok) {
    QTimer::singleShot(0, [steps, ok] {
        auto* dialog = qobject_cast<CDisplayYearDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (int i = 0; i < std::abs(steps); ++i) {
            if (steps > 0) dialog->YearSpin()->StepUp();
            else dialog->YearSpin()->StepDown();
        }
        ok ? dialog->accept() : dialog->reject();
    });
}

}  // namespace

class TestCalendarHall : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_frame = new CMDIFrameWnd;
        m_app.SetMainWnd(m_frame);
        m_template = std::make_unique<CMultiDocTemplate>(
            132, u"\nOldNew\n\n\n\n\n"_s, [] { return new CDocument; },
            [] { return new CMDIChildWnd; }, [] { return new COldNewSimpleListView; });
        m_frame->resize(800, 600);
        m_frame->show();
    }
    void cleanup() {
        m_template->CloseAllDocuments();
        m_template.reset();
        delete m_frame;
    }

    void opensAt1874WithItsTitle() {
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), 354);
        QCOMPARE(list->GetColumnCount(), 7);
        const QStringList titles = {u"月"_s, u"日"_s, u"干支"_s, u"西暦"_s, u"月"_s, u"日"_s, u"曜日"_s};
        for (int c = 0; c < 7; ++c) QCOMPARE(list->GetColumnTitle(c), titles[c]);
        const QStringList first = {u" 1"_s, u" 1"_s, u"乙巳"_s, u"1874"_s, u" 2"_s, u"17"_s, u"火"_s};
        for (int c = 0; c < 7; ++c) QCOMPARE(list->GetItemText(0, c), first[c]);
        QCOMPARE(list->GetItemText(12, 3), QString());
        QCOMPARE(list->GetItemText(12, 4), u" 3"_s);
        QCOMPARE(list->GetItemText(12, 5), u" 1"_s);
        QCOMPARE(view->GetDocument()->GetTitle(), u"旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)"_s);
    }

    void leftClickSelectsNothing() {
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->GetItemRect(3).center());
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    }

    void dialogOkRebuildsForTheNewYear() {
        COldNewSimpleListView* view = Open();
        AnswerYearDialog(2, true);
        view->OnDispYear();
        QCOMPARE(view->m_nYear, 1876);
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), 384);
        QVERIFY(view->GetDocument()->GetTitle().contains(u"1876年(明治 9年 丙子)"_s));
    }

    void dialogCancelChangesNothing() {
        COldNewSimpleListView* view = Open();
        AnswerYearDialog(5, false);
        view->OnDispYear();
        QCOMPARE(view->m_nYear, 1874);
        QCOMPARE(view->GetListCtrl()->GetItemCount(), 354);
    }

    void rightClickOpensTheDialog() {
        COldNewSimpleListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        AnswerYearDialog(85, true);  // 1874 + 85 = 1959
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(view->m_nYear, 1959);
        QCOMPARE(list->GetItemCount(), 354);
        QCOMPARE(list->GetItemText(0, 2), u"辛酉"_s);
        QCOMPARE(list->GetItemText(0, 5), u" 8"_s);
        QCOMPARE(list->GetItemText(0, 6), u"日"_s);
    }

    void yearSpinClampsAtBothEnds() {
        CDisplayYearDlg dialog;
        dialog.m_nYear = 1959;
        QTimer::singleShot(0, [&dialog] {
            dialog.YearSpin()->StepUp();
            QCOMPARE(dialog.m_nYear, 1959);
            QCOMPARE(qobject_cast<QLineEdit*>(dialog.Control(1021))->text(), u"1959"_s);
            for (int i = 0; i < 100; ++i) dialog.YearSpin()->StepDown();
            QCOMPARE(dialog.m_nYear, 1874);
            QCOMPARE(qobject_cast<QLineEdit*>(dialog.Control(1021))->text(), u"1874"_s);
            dialog.accept();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_nYear, 1874);
        QCOMPARE(dialog.windowTitle(), u"旧暦 <1874～1959>"_s);
        QVERIFY(dialog.Control(1021)->isVisibleTo(&dialog));
        QVERIFY(dialog.Control(1040)->isVisibleTo(&dialog));
        for (int hidden : {1018, 1028, 1031, 1023, 1041}) QVERIFY(!dialog.Control(hidden)->isVisibleTo(&dialog));
    }

    void twoTablesAreIndependent() {
        COldNewSimpleListView* first = Open();
        COldNewSimpleListView* second = Open();
        AnswerYearDialog(1, true);
        second->OnDispYear();
        QCOMPARE(first->m_nYear, 1874);
        QCOMPARE(second->m_nYear, 1875);
        QCOMPARE(first->GetListCtrl()->GetItemCount(), 354);
    }

private:
    COldNewSimpleListView* Open() {
        CDocument* document = m_template->OpenDocumentFile(u"旧暦／西暦対照表"_s, true);
        if (!document) return nullptr;
        return qobject_cast<COldNewSimpleListView*>(document->GetFirstView());
    }

    TestApp m_app;
    CMDIFrameWnd* m_frame = nullptr;
    std::unique_ptr<CMultiDocTemplate> m_template;
};

QTEST_MAIN(TestCalendarHall)
#include "tst_calendarhall.moc"
