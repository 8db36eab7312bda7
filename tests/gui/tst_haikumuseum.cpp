// The haiku hall on the built museum: the real collection and its commentary file
// belong together, and pictures of the three windows are kept (in $QUILLARY_PICTURES,
// or <build>/pictures) so a reader can see what the user sees.
#include <QDir>
#include <QMdiArea>
#include <QtTest>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"

using namespace Qt::Literals::StringLiterals;

namespace {

}  // namespace

class TestHaikuMuseum : public QObject {
    Q_OBJECT

private:
    template <typename View>
    View* Open(CMultiDocTemplate& docTemplate, const QString& title) {
        CDocument* document = docTemplate.OpenDocumentFile(title, true);
        if (!document) return nullptr;
        auto* view = static_cast<View*>(document->GetFirstView());
        view->GetParentFrame()->showMaximized();
        return view;
    }

private slots:
    void initTestCase() {
        theProfile.SetupProfile(QUILLARY_BINARY_DIR "/museum", "pictures");
        m_frame = new CMDIFrameWnd;
        m_app.SetMainWnd(m_frame);
        m_frame->resize(900, 560);
        m_frame->show();
    }
    void cleanupTestCase() { delete m_frame; }

    void everyHaikuHasItsCommentary() {
        RecordingNoticeSink notices;
        CMultiDocTemplate docTemplate(IDR_HAIKU_LIST, u"『Tavelo』博物館"_s,
                                      [] { return new CDocument; }, [] { return new CMDIChildWnd; },
                                      [] { return new CHaikuListView; });
        auto* view = Open<CHaikuListView>(docTemplate, u"登録全句"_s);
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        for (int r = 0; r < list->GetItemCount(); ++r) {
            for (int c : {4, 5, 6}) QVERIFY2(!list->GetItemText(r, c).isEmpty(), qPrintable(list->GetItemText(r, 0)));
        }
        view->SortByColumn(2);
        QVERIFY(view->RecordOfRow(0) != 0);
        QVERIFY(KeepPicture(m_frame, u"haiku-list-sorted-by-second-phrase"_s));
        QVERIFY(notices.messages.empty());
        docTemplate.CloseAllDocuments();
    }

    void cardShowsTheLastHaikuWithItsReading() {
        RecordingNoticeSink notices;
        CHaikuCardDlg card;
        card.SetHaikuIndex(kBuiltinHaikuCount - 1);
        card.OnInitDialog();
        QVERIFY(!card.FieldText(1036).trimmed().isEmpty());
        QVERIFY(!card.FieldText(1039).isEmpty());
        card.SetHaikuIndex(0);
        card.ShowHaiku();
        card.show();
        QVERIFY(KeepPicture(&card, u"haiku-card"_s));
        QVERIFY(notices.messages.empty());
    }

    void seasonWordListShowsKigoTxt() {
        RecordingNoticeSink notices;
        CMultiDocTemplate docTemplate(IDR_KIGO_LIST, u"『Tavelo』博物館"_s,
                                      [] { return new CDocument; }, [] { return new CMDIChildWnd; },
                                      [] { return new CKigoListView; });
        auto* view = Open<CKigoListView>(docTemplate, u"季語一覧"_s);
        QVERIFY(view->GetRowCount() > 2);
        QCOMPARE(view->GetListCtrl()->GetColumnCount(), 4);
        view->SortByColumn(2);
        QVERIFY(KeepPicture(m_frame, u"season-word-list-by-reading"_s));
        QVERIFY(notices.messages.empty());
        docTemplate.CloseAllDocuments();
    }

private:
    TestApp m_app;
    CMDIFrameWnd* m_frame = nullptr;
};

QTEST_MAIN(TestHaikuMuseum)
#include "tst_haikumuseum.moc"
