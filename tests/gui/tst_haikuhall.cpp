// The haiku hall's list: the built-in collection in seven columns, sorting, the
// search through the search bar, the search box following the active window, and
// the double-click that opens the card.
#include <QComboBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <numeric>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/HaikuTable.h"
#include "haiku/KigoListView.h"
#include "haiku/ListCells.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"

using namespace Qt::Literals::StringLiterals;

class TestHaikuHall : public QObject {
    Q_OBJECT

private:
    CHaikuListView* Open() {
        CDocument* document = m_haikuTemplate->OpenDocumentFile(u"登録全句"_s, true);
        if (!document) return nullptr;
        auto* view = static_cast<CHaikuListView*>(document->GetFirstView());
        view->GetParentFrame()->resize(860, 500);
        return view;
    }
    static void CheckTableOrder(CHaikuListView* view) {
        for (int r = 0; r < view->GetRowCount(); ++r) {
            QCOMPARE(view->RecordOfRow(r), r);
            QCOMPARE(view->GetListCtrl()->GetItemText(r, 0), Shown(listcells::NumberCell(r)));
        }
    }
    static void Search(CHaikuListView* view, const QString& text) {
        theSearchBar.GetCombo()->setEditText(text);
        view->OnSearch();
    }

private slots:
    void init() {
        m_museum = std::make_unique<TempMuseum>();
        m_museum->WriteTxtData("tavelo.txt", kTestCommentary);
        m_museum->WriteTxtData("kigo.txt", "[*]\nk1:蚕\nk2:かいこ\nk3:春\nd:かいこ。\n");
        m_frame = new CMDIFrameWnd;
        m_app.SetMainWnd(m_frame);
        QVERIFY(theSearchBar.Create(m_frame));
        m_haikuTemplate = std::make_unique<CMultiDocTemplate>(
            IDR_HAIKU_LIST, u"『Tavelo』博物館"_s, [] { return new CDocument; },
            [] { return new CMDIChildWnd; }, [] { return new CHaikuListView; });
        m_kigoTemplate = std::make_unique<CMultiDocTemplate>(
            IDR_KIGO_LIST, u"『Tavelo』博物館"_s, [] { return new CDocument; },
            [] { return new CMDIChildWnd; }, [] { return new CKigoListView; });
        m_frame->resize(900, 600);
        m_frame->show();
    }
    void cleanup() {
        m_haikuTemplate->CloseAllDocuments();
        m_kigoTemplate->CloseAllDocuments();
        m_haikuTemplate.reset();
        m_kigoTemplate.reset();
        delete m_frame;
        m_museum.reset();
    }

    void showsTheWholeCollectionWithNumberAndYearLine() {
        RecordingNoticeSink notices;
        CHaikuListView* view = Open();
        QVERIFY(view);
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        QCOMPARE(list->GetColumnCount(), 7);
        const QStringList titles = {u"No"_s,   u"初句"_s, u"第ニ句"_s, u"第三句"_s,
                                    u"季節"_s, u"季語"_s, u"作年次"_s};
        for (int c = 0; c < 7; ++c) QCOMPARE(list->GetColumnTitle(c), titles[c]);
        QCOMPARE(list->GetItemText(0, 0), u"   1"_s);
        QCOMPARE(list->GetItemText(0, 1), Shown(kBuiltinHaiku[0].line1));
        QCOMPARE(list->GetItemText(0, 4), u"春"_s);
        QCOMPARE(list->GetItemText(0, 5), u"雪解け"_s);
        QCOMPARE(list->GetItemText(0, 6), u"明治 27年甲午(1894)(27才)"_s);
        QCOMPARE(list->GetItemText(3, 4), QString());  // no section for it
        const int last = kBuiltinHaikuCount - 1;
        QCOMPARE(list->GetItemText(last, 0), Shown(listcells::NumberCell(last)));
        // Widths count characters: the year line is twenty wide and fits.
        QCOMPARE(list->header()->sectionSize(6), list->ColumnWidth(20));
        QVERIFY(list->fontMetrics().horizontalAdvance(list->GetItemText(0, 6)) <=
                list->ColumnWidth(20));
        QVERIFY(list->fontMetrics().horizontalAdvance(u"1731"_s) <= list->ColumnWidth(4));
        QCOMPARE(view->GetDocument()->GetTitle(), u"登録全句"_s);
        QVERIFY(notices.messages.empty());
    }

    void sortsByReadingsAndBackToTableOrder() {
        CHaikuListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        // A click on the header of the first phrase sorts by its reading; haiku
        // without a reading follow in table order.
        QHeaderView* header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(view->RecordOfRow(0), 2);  // あさがお
        QCOMPARE(view->RecordOfRow(1), 1);  // ぬぬぬぬ
        QCOMPARE(view->RecordOfRow(2), 0);  // んまい
        QCOMPARE(view->RecordOfRow(3), 3);
        QCOMPARE(list->GetItemText(0, 0), u"   3"_s);
        QCOMPARE(list->GetItemText(0, 5), u"朝顔"_s);
        QCOMPARE(list->GetColumnCount(), 7);
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);

        // The year keeps table order within a year, since the index breaks ties.
        view->SortByColumn(6);
        CheckTableOrder(view);
        // Season, then the season word: 秋 (8F 48) before 春 (8F 74); 蚕 before 雪解け.
        view->SortByColumn(4);
        QCOMPARE(view->RecordOfRow(0), 2);
        QCOMPARE(view->RecordOfRow(1), 1);
        QCOMPARE(view->RecordOfRow(2), 0);
        QCOMPARE(view->RecordOfRow(3), 3);
        view->SortByColumn(0);
        CheckTableOrder(view);
    }

    void searchScrollsTheFirstRowHoldingTheTextToTheTop() {
        RecordingNoticeSink notices;
        CHaikuListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetTopIndex(), 0);

        CHaikuTable table;
        std::vector<int> order(static_cast<std::size_t>(table.GetCount()));
        std::iota(order.begin(), order.end(), 0);
        const std::string phrase = kBuiltinHaiku[1000].line2;
        const int expected = listcells::FindPhraseRow(table, order, table.GetCount(), phrase);
        QVERIFY(expected >= 0 && expected <= 1000);
        Search(view, Shown(phrase));
        QCOMPARE(list->GetTopIndex(), expected);
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(theSearchBar.History(), std::vector<std::string>{phrase});

        // Repeating finds the same row; an empty text finds row 0.
        Search(view, Shown(phrase));
        QCOMPARE(list->GetTopIndex(), expected);
        Search(view, QString());
        QCOMPARE(list->GetTopIndex(), 0);
        QVERIFY(notices.messages.empty());
    }

    void searchForATextOnlyInAReadingReportsItAndStays() {
        RecordingNoticeSink notices;
        CHaikuListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        list->Scroll(list->GetItemRect(0).height() * 50);
        const int top = list->GetTopIndex();
        QVERIFY(top > 0);
        Search(view, u"ぬぬぬぬ"_s);
        QCOMPARE(notices.messagesUtf8,
                 std::vector<std::string>{"検索文字列 : ぬぬぬぬ が見つかりません."});
        QCOMPARE(list->GetTopIndex(), top);
    }

    void searchBoxAndCommandFollowTheActiveWindow() {
        QComboBox* box = theSearchBar.GetCombo();
        QVERIFY(!box->isEnabled());
        CHaikuListView* view = Open();
        QTRY_VERIFY(box->isEnabled());
        CCmdUI search(ID_SEARCH);
        QVERIFY(m_frame->UpdateCommand(search));

        m_kigoTemplate->OpenDocumentFile(u"季語一覧"_s, true);
        QTRY_VERIFY(!box->isEnabled());
        CCmdUI greyed(ID_SEARCH);
        QVERIFY(!m_frame->UpdateCommand(greyed));

        m_frame->MdiArea()->setActiveSubWindow(view->GetParentFrame());
        QTRY_VERIFY(box->isEnabled());
    }

    void doubleClickOpensTheCardOnTheRowsHaiku() {
        RecordingNoticeSink notices;
        CHaikuListView* view = Open();
        view->SortByColumn(1);  // row 0 now shows haiku 3
        CListCtrl* list = view->GetListCtrl();
        QString shownNumber;
        QTimer::singleShot(0, [&shownNumber] {
            auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
            QVERIFY(card);
            shownNumber = card->FieldText(1006);
            card->reject();
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->GetItemRect(0).center());
        QCOMPARE(shownNumber, u"登録全句の番号 : 3"_s);
        QCOMPARE(list->GetItemText(0, 0), u"   3"_s);  // the list is unchanged

        // Beside the rows (right of the last column) only a beep.
        const QPoint beside(list->header()->length() + 20, list->GetItemRect(0).center().y());
        QVERIFY(beside.x() < list->viewport()->width());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, beside);
        QCOMPARE(notices.beeps, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void missingCommentaryIsReportedAndTheListStillBuilt() {
        m_museum->RemoveTxtData("tavelo.txt");
        RecordingNoticeSink notices;
        CHaikuListView* view = Open();
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(notices.messagesUtf8[0]).endsWith(u"\nファイル を読み出し出来ません."_s));
        QCOMPARE(view->GetListCtrl()->GetItemCount(), kBuiltinHaikuCount);
        QCOMPARE(view->GetListCtrl()->GetItemText(0, 4), QString());
        view->SortByColumn(1);  // every key is the sentinel: table order
        CheckTableOrder(view);
    }

private:
    TestApp m_app;
    std::unique_ptr<TempMuseum> m_museum;
    CMDIFrameWnd* m_frame = nullptr;
    std::unique_ptr<CMultiDocTemplate> m_haikuTemplate;
    std::unique_ptr<CMultiDocTemplate> m_kigoTemplate;
};

QTEST_MAIN(TestHaikuHall)
#include "tst_haikuhall.moc"
