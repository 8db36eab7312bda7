// The haiku hall on the built museum: the real collection and its commentary file
// belong together, and pictures of the three windows are kept (in $QUILLARY_PICTURES,
// or <build>/pictures) so a reader can see what the user sees. Nothing is written
// into the museum folder the program runs from.
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

class TestHaikuMuseum : public QObject {
    Q_OBJECT

private:
    template <typename View>
    View* Open(int id, const QString& title) {
        m_template = std::make_unique<CMultiDocTemplate>(
            id, u"『Tavelo』博物館"_s, [] { return new CDocument; },
            [] { return new CMDIChildWnd; }, [] { return new View; });
        CDocument* document = m_template->OpenDocumentFile(title, true);
        auto* view = static_cast<View*>(document->GetFirstView());
        view->GetParentFrame()->showMaximized();
        return view;
    }

private slots:
    void initTestCase() {
        m_museum = std::make_unique<BuiltMuseum>();
        m_frame = new CMDIFrameWnd;
        m_app.SetMainWnd(m_frame);
        m_frame->resize(900, 560);
        m_frame->show();
    }
    void cleanup() {
        if (m_template) m_template->CloseAllDocuments();
        m_template.reset();
    }
    void cleanupTestCase() {
        delete m_frame;
        QVERIFY(m_museum->Untouched());
    }

    void everyHaikuHasItsCommentary() {
        RecordingNoticeSink notices;
        auto* view = Open<CHaikuListView>(IDR_HAIKU_LIST, u"登録全句"_s);
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        for (int r = 0; r < list->GetItemCount(); ++r) {
            for (int c : {4, 5, 6}) QVERIFY2(!list->GetItemText(r, c).isEmpty(), qPrintable(list->GetItemText(r, 0)));
        }
        view->SortByColumn(2);
        QVERIFY(view->RecordOfRow(0) != 0);
        QVERIFY(KeepPicture(m_frame, u"haiku-list-sorted-by-second-phrase"_s));
        QVERIFY(notices.messages.empty());
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
        card.close();  // stores the shown haiku, in the test's own INI
        QCOMPARE(theProfile.GetHaikuNo(-1), 0);
        QVERIFY(notices.messages.empty());
    }

    void seasonWordListShowsKigoTxt() {
        RecordingNoticeSink notices;
        auto* view = Open<CKigoListView>(IDR_KIGO_LIST, u"季語一覧"_s);
        QVERIFY(view->GetRowCount() > 2);
        QCOMPARE(view->GetListCtrl()->GetColumnCount(), 4);
        view->SortByColumn(2);
        QVERIFY(KeepPicture(m_frame, u"season-word-list-by-reading"_s));
        QVERIFY(notices.messages.empty());
    }

private:
    TestApp m_app;
    std::unique_ptr<BuiltMuseum> m_museum;
    CMDIFrameWnd* m_frame = nullptr;
    std::unique_ptr<CMultiDocTemplate> m_template;
};

QTEST_MAIN(TestHaikuMuseum)
#include "tst_haikumuseum.moc"
