// The built museum as a visitor sees it: the haiku list (every haiku has its
// commentary), the card, the season-word list, the calendar hall on 1876, the reader
// on the chronology with a link previewed, and the tips dialog. Each window opens on
// the real files without a notice; its picture is kept (in $QUILLARY_PICTURES, or
// <build>/pictures) for the README. Nothing is written into the museum folder.
#include <QtTest>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "calendar/OldNewSimpleListView.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
#include "reader/ReaderDialog.h"
#include "reader/TextPane.h"
#include "reader/TipsDialog.h"

using namespace Qt::Literals::StringLiterals;

class TestMuseumPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_museum = std::make_unique<BuiltMuseum>(); }
    void cleanupTestCase() { QVERIFY(m_museum->Untouched()); }
    void init() { m_notices = std::make_unique<RecordingNoticeSink>(); }
    void cleanup() { QVERIFY(m_notices->messages.empty()); }

    void haikuListSeasonWordsAndCardHaveTheirCommentary() {
        ListFrame frame({900, 560});
        CListCtrl* list = frame.Open<CHaikuListView>(IDR_HAIKU_LIST, u"登録全句"_s)->GetListCtrl();
        for (int c : {4, 5, 6}) QVERIFY(!ColumnTexts(list, c).contains(QString()));
        ClickHeader(list, 2);
        QVERIFY(KeepPicture(frame.Frame(), u"haiku-list-sorted-by-second-phrase"_s));
        CListCtrl* words = frame.Open<CKigoListView>(IDR_KIGO_LIST, u"季語一覧"_s)->GetListCtrl();
        ClickHeader(words, 2);
        QVERIFY(KeepPicture(frame.Frame(), u"season-word-list-by-reading"_s));

        CHaikuCardDlg card;  // the last haiku has its reading too
        card.SetHaikuIndex(kBuiltinHaikuCount - 1);
        card.OnInitDialog();
        QVERIFY(!card.FieldText(1036).trimmed().isEmpty() && !card.FieldText(1039).isEmpty());
        card.show();
        QVERIFY(KeepPicture(&card, u"haiku-card"_s));
        card.close();  // stores the shown haiku, in the test's own INI
        QCOMPARE(theProfile.GetHaikuNo(-1), kBuiltinHaikuCount - 1);
    }

    void calendarHallOn1876() {
        ListFrame frame({520, 560});
        auto* view = frame.Open<COldNewSimpleListView>(IDR_OLDNEW_LIST, u"旧暦・西暦対照表"_s);
        view->m_nYear = 1876;
        view->BuildTable();
        CListCtrl* list = view->GetListCtrl();
        // Scroll to the leap fifth month.
        const int leapRow = static_cast<int>(ColumnTexts(list, 0).indexOf(u"閏 5"_s));
        QVERIFY(leapRow > 0);
        list->scrollTo(list->model()->index(leapRow - 3, 0), QAbstractItemView::PositionAtTop);
        QVERIFY(KeepPicture(frame.Frame(), u"calendar-1876"_s));
    }

    void readerOnTheChronologyWithALinkPreviewed() {
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
        for (int row = 0; row < pane->ShownRows() && !link; ++row)
            if (!pane->RowLinks(row).empty()) link = &pane->RowLinks(row).front();
        QVERIFY2(link, "the chronology's overview links to other topics");
        std::string key = link->key;
        SendMouse(&dialog, QEvent::MouseMove, pane->mapTo(&dialog, link->rect.center()));
        QCOMPARE(dialog.Reference().topic.key1, key);
        QVERIFY(KeepPicture(&dialog, u"reader-chronology"_s));
    }

    void tipsDialogGreets() {
        CTipsDialog dialog;
        QVERIFY(dialog.OnInitDialog());
        QVERIFY(!dialog.Title().empty());
        dialog.show();
        QVERIFY(KeepPicture(&dialog, u"tips-dialog"_s));
    }

private:
    std::unique_ptr<BuiltMuseum> m_museum;
    std::unique_ptr<RecordingNoticeSink> m_notices;
};

QTEST_MAIN(TestMuseumPictures)
#include "tst_museumpictures.moc"
