// The data hall's season-word list: kigo.txt in four columns, sorting, the
// double-click that opens the reader on the row's word, and a missing file.
#include <QTimer>
#include <QtTest>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "haiku/KigoListView.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"
#include "reader/ReaderDialog.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Topic 0 is the index topic (no season); 初刷 has no reading.
const char* kTestKigo =
    "[*]\nk1:季語\nk2:きご\nl4:\n"
    "[*]\nk1:雪解け\nk2:ゆきどけ\nk3:春\nd:雪が解けること。\n"
    "[*]\nk1:蚕\nk2:かいこ\nk3:春\nd:かいこ。\n"
    "[*]\nk1:初刷\nk3:新年\nd:新年最初の印刷。\n"
    "[*]\nk1:朝顔\nk2:あさがお\nk3:秋\nd:あさがお。\n";

}  // namespace

class TestKigoList : public QObject {
    Q_OBJECT

private:
    CKigoListView* Open() {
        CDocument* document = m_template->OpenDocumentFile(u"季語一覧"_s, true);
        if (!document) return nullptr;
        auto* view = static_cast<CKigoListView*>(document->GetFirstView());
        view->GetParentFrame()->resize(600, 400);
        return view;
    }
    static QStringList Column(CKigoListView* view, int column) {
        QStringList cells;
        for (int r = 0; r < view->GetListCtrl()->GetItemCount(); ++r)
            cells << view->GetListCtrl()->GetItemText(r, column);
        return cells;
    }

private slots:
    void init() {
        m_museum = std::make_unique<TempMuseum>();
        m_museum->WriteTxtData("kigo.txt", kTestKigo);
        m_frame = new CMDIFrameWnd;
        m_app.SetMainWnd(m_frame);
        m_template = std::make_unique<CMultiDocTemplate>(
            IDR_KIGO_LIST, u"『Tavelo』博物館"_s, [] { return new CDocument; },
            [] { return new CMDIChildWnd; }, [] { return new CKigoListView; });
        m_frame->resize(800, 600);
        m_frame->show();
    }
    void cleanup() {
        m_template->CloseAllDocuments();
        m_template.reset();
        delete m_frame;
        m_museum.reset();
    }

    void listsTheTopicsInFileOrder() {
        RecordingNoticeSink notices;
        CKigoListView* view = Open();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetColumnCount(), 4);
        const QStringList titles = {u"No"_s, u"季語"_s, u"よみ"_s, u"季節"_s};
        for (int c = 0; c < 4; ++c) QCOMPARE(list->GetColumnTitle(c), titles[c]);
        QCOMPARE(Column(view, 0), (QStringList{u"   1"_s, u"   2"_s, u"   3"_s, u"   4"_s, u"   5"_s}));
        QCOMPARE(Column(view, 1), (QStringList{u"季語"_s, u"雪解け"_s, u"蚕"_s, u"初刷"_s, u"朝顔"_s}));
        QCOMPARE(list->GetItemText(1, 2), u"ゆきどけ"_s);
        QCOMPARE(list->GetItemText(1, 3), u"春"_s);
        QCOMPARE(view->GetDocument()->GetTitle(), u"季語一覧"_s);
        QVERIFY(notices.messages.empty());
    }

    void sortsByReadingSeasonAndBackByNumber() {
        CKigoListView* view = Open();
        view->SortByColumn(2);  // the syllabary; no reading goes last
        QCOMPARE(Column(view, 1), (QStringList{u"朝顔"_s, u"蚕"_s, u"季語"_s, u"雪解け"_s, u"初刷"_s}));
        view->SortByColumn(3);  // 秋 (8F 48), 春 (8F 74), 新年 (90 56); file order within a season
        QCOMPARE(Column(view, 1), (QStringList{u"朝顔"_s, u"雪解け"_s, u"蚕"_s, u"初刷"_s, u"季語"_s}));
        QCOMPARE(Column(view, 0), (QStringList{u"   5"_s, u"   2"_s, u"   3"_s, u"   4"_s, u"   1"_s}));
        view->SortByColumn(0);
        QCOMPARE(Column(view, 1), (QStringList{u"季語"_s, u"雪解け"_s, u"蚕"_s, u"初刷"_s, u"朝顔"_s}));
    }

    void doubleClickOpensTheReaderOnTheRowsWord() {
        RecordingNoticeSink notices;
        CKigoListView* view = Open();
        view->SortByColumn(2);  // row 1 is 蚕 now
        CListCtrl* list = view->GetListCtrl();
        QString caption;
        std::string key;
        QTimer::singleShot(0, [&caption, &key] {
            auto* reader = qobject_cast<CReaderDialog*>(QApplication::activeModalWidget());
            QVERIFY(reader);
            caption = reader->windowTitle();
            key = reader->Current().topic.key1;
            reader->reject();
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->GetItemRect(1).center());
        QCOMPARE(Shown(key), u"蚕"_s);
        QVERIFY2(caption.endsWith(u" - 季語"_s), qPrintable(caption));

        const QPoint below(10, list->GetItemRect(4).bottom() + 20);
        QVERIFY(below.y() < list->viewport()->height());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(notices.beeps, 1);
        QVERIFY(notices.messages.empty());
    }

    void missingFileLeavesTheViewEmptyWithoutColumns() {
        m_museum->RemoveTxtData("kigo.txt");
        RecordingNoticeSink notices;
        CKigoListView* view = Open();
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(notices.messagesUtf8[0])
                    .endsWith(u"kigo.txt\nファイル を読み出し出来ません."_s));
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetColumnCount(), 0);
        QCOMPARE(list->GetItemCount(), 0);
        view->SortByColumn(1);
        QCOMPARE(list->GetColumnCount(), 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(notices.messages.size(), std::size_t(1));
    }

private:
    TestApp m_app;
    std::unique_ptr<TempMuseum> m_museum;
    CMDIFrameWnd* m_frame = nullptr;
    std::unique_ptr<CMultiDocTemplate> m_template;
};

QTEST_MAIN(TestKigoList)
#include "tst_kigolist.moc"
