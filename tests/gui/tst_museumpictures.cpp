// The built museum as a visitor sees it: the calendar hall on 1876, the reader on
// the chronology with a link previewed, and the tips dialog. Each window must open
// on the real files without a notice; its picture is kept (in $QUILLARY_PICTURES,
// or <build>/pictures) for the README. Nothing is written into the museum folder.
#include <QDir>
#include <QtTest>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "ReaderTestSupport.h"
#include "app/ProfileStore.h"
#include "app/Resource.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"
#include "reader/ReaderDialog.h"
#include "reader/TextPane.h"
#include "reader/TipsDialog.h"

using namespace Qt::Literals::StringLiterals;

class TestMuseumPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_museum = std::make_unique<BuiltMuseum>(); }
    void cleanupTestCase() { QVERIFY(m_museum->Untouched()); }

    void calendarHallOn1876() {
        RecordingNoticeSink notices;
        CMDIFrameWnd frame;
        TestApp app;
        app.SetMainWnd(&frame);
        frame.resize(520, 560);
        frame.show();
        CMultiDocTemplate docTemplate(IDR_OLDNEW_LIST, u"『Tavelo』博物館"_s,
                                      [] { return new CDocument; }, [] { return new CMDIChildWnd; },
                                      [] { return new COldNewSimpleListView; });
        CDocument* document = docTemplate.OpenDocumentFile(u"旧暦・西暦対照表"_s, true);
        QVERIFY(document);
        auto* view = qobject_cast<COldNewSimpleListView*>(document->GetFirstView());
        view->GetParentFrame()->showMaximized();
        view->m_nYear = 1876;
        view->BuildTable();
        CListCtrl* list = view->GetListCtrl();
        QCOMPARE(list->GetItemCount(), 384);
        // Scroll to the leap fifth month, which begins on 1876-06-22.
        int leapRow = -1;
        for (int row = 0; row < list->GetItemCount() && leapRow < 0; ++row) {
            if (list->GetItemText(row, 0) == u"閏 5"_s) leapRow = row;
        }
        QVERIFY(leapRow > 0);
        QCOMPARE(list->GetItemText(leapRow, 5), u"22"_s);
        list->scrollTo(list->model()->index(leapRow - 3, 0), QAbstractItemView::PositionAtTop);
        QVERIFY(KeepPicture(&frame, u"calendar-1876"_s));
        QVERIFY(notices.messages.empty());
        docTemplate.CloseAllDocuments();
    }

    void readerOnTheChronologyWithALinkPreviewed() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        dialog.SetPath(theProfile.TxtDataPath("life.txt"));
        dialog.SetTitle(Cp("Tavelo略年譜"));
        dialog.SetInitialKey(Cp("生涯のあらまし"));
        QVERIFY(dialog.Create());
        dialog.OnInitDialog();
        dialog.show();
        // Point at the first link of the overview and preview its topic below.
        CTextPane* pane = dialog.MainPane();
        const CTextPane::Link* link = nullptr;
        for (int row = 0; row < pane->ShownRows() && !link; ++row) {
            if (!pane->RowLinks(row).empty()) link = &pane->RowLinks(row).front();
        }
        QVERIFY2(link, "the chronology's overview links to other topics");
        std::string key = link->key;
        SendMouse(&dialog, QEvent::MouseMove, pane->mapTo(&dialog, link->rect.center()));
        QCOMPARE(dialog.Reference().topic.key1, key);
        QVERIFY(KeepPicture(&dialog, u"reader-chronology"_s));
        QVERIFY(notices.messages.empty());
    }

    void tipsDialogGreets() {
        RecordingNoticeSink notices;
        CTipsDialog dialog;
        QVERIFY(dialog.OnInitDialog());
        QVERIFY(!dialog.Title().empty());
        dialog.show();
        QVERIFY(KeepPicture(&dialog, u"tips-dialog"_s));
        QVERIFY(notices.messages.empty());
    }

private:
    std::unique_ptr<BuiltMuseum> m_museum;
};

QTEST_MAIN(TestMuseumPictures)
#include "tst_museumpictures.moc"
