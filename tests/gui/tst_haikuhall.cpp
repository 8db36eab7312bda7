// The haiku hall's list: the built-in collection in seven columns, sorting with its
// header mark, the search through the search bar, the search box following the
// active window, and the double-click and Enter that open the card.
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
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
    static void ClickHeader(CListCtrl* list, int column) {
        QHeaderView* header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    static void ClickRow(CListCtrl* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->GetItemRect(row).center());
    }
    // Types the text into the search box (Japanese comes from the input method) and
    // gives the search command, as its button does.
    void Search(const QString& text) {
        QLineEdit* field = theSearchBar.GetCombo()->lineEdit();
        field->clear();
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(field, &typed);
        QCOMPARE(field->text(), text);
        QVERIFY(m_frame->RouteCommand(ID_SEARCH));
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
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
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
        CListCtrl* list = Open()->GetListCtrl();
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        const QStringList titles = {u"No"_s, u"初句"_s, u"第ニ句"_s, u"第三句"_s, u"季節"_s, u"季語"_s, u"作年次"_s};
        QCOMPARE(list->GetColumnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c) QCOMPARE(list->GetColumnTitle(c), titles[c]);
        const QStringList first = {u"   1"_s, Shown(kBuiltinHaiku[0].line1), Shown(kBuiltinHaiku[0].line2),
                                   Shown(kBuiltinHaiku[0].line3), u"春"_s, u"雪解け"_s,
                                   u"明治 27年甲午(1894)(27才)"_s};
        for (int c = 0; c < first.size(); ++c) QCOMPARE(list->GetItemText(0, c), first[c]);
        QCOMPARE(list->GetItemText(3, 4), QString());  // no section for it
        QCOMPARE(list->GetItemText(kBuiltinHaikuCount - 1, 0), u"1731"_s);
        // Widths count characters: the year line and the largest number fit.
        QVERIFY(list->fontMetrics().horizontalAdvance(first[6]) <= list->header()->sectionSize(6));
        QVERIFY(list->fontMetrics().horizontalAdvance(u"1731"_s) <= list->header()->sectionSize(0));
        QCOMPARE(list->GetSortColumn(), 0);  // table order: sorted by number
        QVERIFY(notices.messages.empty());
    }

    void headerClicksSortAndMarkTheColumn() {
        CHaikuListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        // The first phrase sorts by its reading; haiku without one follow in table
        // order. The season sorts 秋 (8F 48) before 春 (8F 74), then by season word.
        // Twice the same column gives the same ascending order.
        const std::vector<std::pair<int, std::vector<int>>> clicks = {
            {1, {2, 1, 0, 3}}, {1, {2, 1, 0, 3}}, {6, {0, 1, 2, 3}}, {4, {2, 1, 0, 3}}, {0, {0, 1, 2, 3}}};
        for (const auto& [column, rows] : clicks) {
            ClickHeader(list, column);
            for (int r = 0; r < 4; ++r) QCOMPARE(view->RecordOfRow(r), rows[static_cast<std::size_t>(r)]);
            QCOMPARE(list->GetItemText(0, 0), QString::number(rows[0] + 1).rightJustified(4));
            QCOMPARE(list->GetSortColumn(), column);
            QCOMPARE(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
            QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        }
        for (int r = 0; r < kBuiltinHaikuCount; ++r) QCOMPARE(view->RecordOfRow(r), r);
    }

    void searchBringsTheFoundRowsTopToTheTop_data() {
        QTest::addColumn<QString>("between");  // how the list came to stand between rows
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        // 遠 (89 93) also lies across 初日 (8F 89 93 FA) of row 84; only row 153 shows it.
        QTest::newRow("after Ctrl+End") << u"end"_s << u"遠"_s << 153;
        QTest::newRow("after a wheel turn") << u"wheel"_s << u"遠"_s << 153;
        QTest::newRow("two phrases") << u"wheel"_s << u"浅間"_s << 4;
        QTest::newRow("empty text: row 0") << u"end"_s << QString() << 0;
    }
    void searchBringsTheFoundRowsTopToTheTop() {
        QFETCH(QString, between);
        QFETCH(QString, text);
        QFETCH(int, row);
        RecordingNoticeSink notices;
        CListCtrl* list = Open()->GetListCtrl();
        ClickRow(list, 2);
        if (between == u"end") QVERIFY(PressKey(Qt::Key_End, Qt::ControlModifier));
        else TurnWheel(list->viewport(), list->viewport()->rect().center(), -1);
        QVERIFY(list->GetItemRect(list->GetTopIndex()).top() != 0);  // between rows
        Search(text);
        QCOMPARE(list->GetItemRect(row).top(), 0);
        Search(text);  // a repeated search finds the same row
        QCOMPARE(list->GetItemRect(row).top(), 0);
        QVERIFY(!list->selectionModel()->isRowSelected(row, {}));  // the found row is not selected
        QVERIFY(notices.messages.empty());
    }

    void textNotShownInAnyPhraseIsReportedAndTheListStays_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("only in a reading") << u"ぬぬぬぬ"_s;
        QTest::newRow("trail byte of ル's neighbours") << u"ル"_s;
        QTest::newRow("ASCII inside kana") << u"A"_s;
    }
    void textNotShownInAnyPhraseIsReportedAndTheListStays() {
        QFETCH(QString, text);
        RecordingNoticeSink notices;
        CListCtrl* list = Open()->GetListCtrl();
        list->verticalScrollBar()->setValue(list->GetItemRect(0).height() * 50);
        const int value = list->verticalScrollBar()->value();
        Search(text);
        QCOMPARE(notices.messagesUtf8, std::vector<std::string>{
                                           "検索文字列 : " + text.toStdString() + " が見つかりません."});
        QCOMPARE(list->verticalScrollBar()->value(), value);
        QCOMPARE(theSearchBar.History(), std::vector<std::string>{Cp(text.toUtf8().constData())});
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

    void doubleClickOrEnterOpensTheCardOnTheRowsHaiku_data() {
        QTest::addColumn<bool>("enter");
        QTest::newRow("double-click") << false;
        QTest::newRow("Enter") << true;
    }
    void doubleClickOrEnterOpensTheCardOnTheRowsHaiku() {
        QFETCH(bool, enter);
        RecordingNoticeSink notices;
        CListCtrl* list = Open()->GetListCtrl();
        ClickHeader(list, 1);  // row 0 now shows haiku number 3
        QString shownNumber;
        QTimer::singleShot(0, [&shownNumber] {
            auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
            QVERIFY(card);
            shownNumber = card->FieldText(1006);
            card->reject();
        });
        if (enter) {
            ClickRow(list, 0);
            QVERIFY(PressKey(Qt::Key_Return));
        } else {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->GetItemRect(0).center());
        }
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
        ClickHeader(view->GetListCtrl(), 1);  // every key is the sentinel: table order
        for (int r = 0; r < kBuiltinHaikuCount; ++r) QCOMPARE(view->RecordOfRow(r), r);
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
