// The list halls: the haiku list and the season-word list (columns, sorting, the search,
// the card or reader a row opens, a missing file) and the calendar hall's table and
// display-year dialog.
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <sys/stat.h>
#include <algorithm>
#include <functional>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
#include "platform/SpinButtonCtrl.h"
#include "reader/ReaderDialog.h"

using namespace Qt::Literals::StringLiterals;

// Topic 0 is the index topic (no season); 初刷 has no reading.
static const char* kTestKigo =
    "[*]\nk1:季語\nk2:きご\nl4:\n[*]\nk1:雪解け\nk2:ゆきどけ\nk3:春\nd:雪が解けること。\n"
    "[*]\nk1:蚕\nk2:かいこ\nk3:春\nd:かいこ。\n[*]\nk1:初刷\nk3:新年\nd:新年最初の印刷。\n"
    "[*]\nk1:朝顔\nk2:あさがお\nk3:秋\nd:あさがお。\n";

// What the card (its number) or the reader (key|caption) shows that the action
// opens; the main window is active again afterwards.
static QString RunsModal(const std::function<void()>& action) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* card = qobject_cast<CHaikuCardDlg*>(modal)) shown = card->FieldText(1006);
        if (auto* reader = qobject_cast<CReaderDialog*>(modal))
            shown = Shown(reader->Current().topic.key1) + u"|"_s + reader->windowTitle();
        if (modal) static_cast<QDialog*>(modal)->reject();
    });
    action();
    AfxGetMainWnd()->activateWindow();
    return QTest::qWaitForWindowActive(AfxGetMainWnd()) ? shown : u"main window inactive"_s;
}

class TestHaikuHall : public QObject {
    Q_OBJECT

private:
    CHaikuListView* Open() {
        return m_frame->Open<CHaikuListView>(IDR_HAIKU_LIST, u"登録全句"_s, {860, 500});
    }
    CKigoListView* OpenKigo() {
        return m_frame->Open<CKigoListView>(IDR_KIGO_LIST, u"季語一覧"_s, {600, 400});
    }
    COldNewSimpleListView* OpenCalendar() {
        return m_frame->Open<COldNewSimpleListView>(IDR_OLDNEW_LIST, u"旧暦／西暦対照表"_s,
                                                    {700, 500});
    }
private slots:
    void init() {
        m_museum = std::make_unique<TempMuseum>();
        m_museum->WriteTxtData("kigo.txt", kTestKigo);
        m_frame = std::make_unique<ListFrame>();
        QVERIFY(theSearchBar.Create(m_frame->Frame()));
        m_frame->Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame->Frame()));
    }
    void cleanup() {
        m_frame.reset();
        m_museum.reset();
    }

    void rowsShowTheirColumnsAndOpenTheirCardOrReader() {
        RecordingNoticeSink notices;
        CListCtrl* list = Open()->GetListCtrl();
        CListCtrl* words = OpenKigo()->GetListCtrl();
        const auto row = [](CListCtrl* l, int r) {
            QStringList cells;
            for (int c = 0; c < l->GetColumnCount(); ++c)
                cells << l->GetColumnTitle(c) + u"="_s + l->GetItemText(r, c);
            return cells.join(u'|');
        };
        const BuiltinHaiku& first = kBuiltinHaiku[0];
        const QString phrases = u"初句=%1|第ニ句=%2|第三句=%3"_s.arg(
            Shown(first.line1), Shown(first.line2), Shown(first.line3));
        QCOMPARE(row(list, 0), u"No=   1|"_s + phrases + u"|季節=春|季語=雪解け|作年次=明治 27年甲午(1894)(27才)"_s);
        QCOMPARE(row(list, 3).section(u'|', 4, 5), u"季節=|季語="_s);  // no section for it
        QCOMPARE(row(words, 1), u"No=   2|季語=雪解け|よみ=ゆきどけ|季節=春"_s);
        // Widths count characters: the year line fits.
        const QFontMetrics metrics = list->fontMetrics();
        QVERIFY(metrics.horizontalAdvance(list->GetItemText(0, 6)) <=
                list->header()->sectionSize(6));

        // A double click or Enter opens the row's card or reader.
        ClickHeader(list, 1);  // row 0 shows haiku number 3
        QCOMPARE(RunsModal([list] { ClickRow(list, 0, true); }), u"登録全句の番号 : 3"_s);
        ClickRow(list, 0);
        QCOMPARE(RunsModal([] { QVERIFY(PressKey(Qt::Key_Return)); }), u"登録全句の番号 : 3"_s);
        QCOMPARE(list->GetItemText(0, 0), u"   3"_s);  // the list is unchanged

        ClickHeader(words, 2);  // row 1 is 蚕 now
        const QString reader = RunsModal([words] { ClickRow(words, 1, true); });
        QVERIFY2(reader.startsWith(u"蚕|"_s) && reader.endsWith(u" - 季語"_s), qPrintable(reader));

        // Beside the rows only a beep.
        const QPoint beside(list->header()->length() + 20, list->GetItemRect(0).center().y());
        QVERIFY(beside.x() < list->viewport()->width());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, beside);
        const QPoint below(10, words->GetItemRect(4).bottom() + 20);
        QTest::mouseDClick(words->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(notices.beeps, 2);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(notices.messages.empty());
    }

    void newWindowsShowEveryColumnWithinTheArea() {
        m_frame->Frame()->resize(800, 600);
        QMdiArea* area = m_frame->Frame()->MdiArea();
        for (int i = 0; i < 3; ++i)
            m_frame->Open<CHaikuListView>(IDR_HAIKU_LIST, u"登録全句"_s, ListFrame::kAsOpened);
        for (bool cascaded : {false, true}) {
            if (cascaded) m_frame->Frame()->MDICascade();
            for (QMdiSubWindow* window : area->subWindowList()) {
                QVERIFY(area->viewport()->rect().contains(window->geometry()));
                auto* list = static_cast<CHaikuListView*>(window->widget())->GetListCtrl();
                QVERIFY(list->header()->length() <= list->viewport()->width());
            }
        }
    }

    void headerClicksSortAndMarkTheColumn() {
        // Phrases by reading, rows without one behind in table order; season words by season
        // in file order (each column's key: the sort keys' unit test). Numbers from the top.
        const std::tuple<bool, int, QString> cases[] = {{false, 1, u"3 2 1 4"_s},
                                                         {true, 3, u"5 2 3 4 1"_s}};
        for (const auto& [kigo, column, numbers] : cases) {
            CListCtrl* list = kigo ? OpenKigo()->GetListCtrl() : Open()->GetListCtrl();
            QCOMPARE(list->GetSortColumn(), 0);  // file and table order: by number
            const QStringList before = ColumnTexts(list, 0);
            for (int click = 0; click < 2; ++click) {  // a second click sorts the same
                ClickHeader(list, column);
                const QString top = ColumnTexts(list, 0).mid(0, 5).join(u' ').simplified();
                QCOMPARE(top.left(numbers.size()), numbers);
                QCOMPARE(list->GetSortColumn(), column);
                QCOMPARE(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
            }
            ClickHeader(list, 0);
            QCOMPARE(ColumnTexts(list, 0), before);
            QCOMPARE(list->GetSortColumn(), 0);
            m_frame->CloseAll();
        }
    }

    void searchBringsTheFoundRowsTopToTheTop() {
        // How the list came to stand between rows (wheel or Ctrl+End), the text, the
        // found row or -1. 遠 (89 93) also lies across 初日 (8F 89 93 FA) of row 84 and
        // only row 153 shows it; ル and A lie only across characters or in trail bytes;
        // ぬぬぬぬ only in a reading.
        const std::tuple<bool, QString, int> cases[] = {
            {false, u"遠"_s, 153}, {true, u"遠"_s, 153},  {true, u"浅間"_s, 4},  {false, QString(), 0},
            {true, u"ぬぬぬぬ"_s, -1}, {false, u"ル"_s, -1}, {true, u"A"_s, -1}};
        for (const auto& [wheel, text, row] : cases) {
            RecordingNoticeSink notices;
            CListCtrl* list = Open()->GetListCtrl();
            ClickRow(list, 2);
            if (wheel) TurnWheel(list->viewport(), list->viewport()->rect().center(), -1);
            else QVERIFY(PressKey(Qt::Key_End, Qt::ControlModifier));
            QScrollBar* bar = list->verticalScrollBar();
            const int before = bar->value();
            QVERIFY(list->GetItemRect(list->GetTopIndex()).top() != 0);  // between rows
            for (int repeat = 0; repeat < 2; ++repeat) {  // a repeated search finds the same row
                // Typed into the search box (Japanese from the input method), then the
                // search command, as its button gives it.
                QLineEdit* field = theSearchBar.GetCombo()->lineEdit();
                field->clear();
                QInputMethodEvent input;
                input.setCommitString(text);
                QApplication::sendEvent(field, &input);
                QCOMPARE(field->text(), text);
                QVERIFY(m_frame->Frame()->RouteCommand(ID_SEARCH));
                QCOMPARE(row < 0 ? bar->value() - before : list->GetItemRect(row).top(), 0);
            }
            QVERIFY(!list->selectionModel()->isRowSelected(std::max(row, 0), {}));  // not selected
            const std::string missing = "検索文字列 : " + text.toStdString() + " が見つかりません.";
            QCOMPARE(notices.messagesUtf8, std::vector<std::string>(row < 0 ? 2 : 0, missing));
            const std::string typed = Cp(text.toUtf8().constData());
            QCOMPARE(std::ranges::count(theSearchBar.History(), typed), text.isEmpty() ? 0 : 1);
            m_frame->CloseAll();
        }
    }

    // A missing tavelo.txt, and a FIFO as kigo.txt: reported at once, never waited on.
    void missingOrIrregularFilesAreReported() {
        const std::string txtData = m_museum->Path() + "/TxtData/";
        std::filesystem::remove(txtData + "tavelo.txt");
        std::filesystem::remove(txtData + "kigo.txt");
        QCOMPARE(::mkfifo((txtData + "kigo.txt").c_str(), 0600), 0);
        RecordingNoticeSink notices;
        CListCtrl* list = Open()->GetListCtrl();  // still built, without commentary
        QCOMPARE(list->GetItemCount(), kBuiltinHaikuCount);
        QCOMPARE(list->GetItemText(0, 4), QString());

        CListCtrl* words = OpenKigo()->GetListCtrl();  // empty, without columns
        QCOMPARE(words->GetColumnCount(), 0);
        QCOMPARE(words->GetItemCount(), 0);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(2));
        QVERIFY(ReportsUnreadable(notices.messagesUtf8[0], "tavelo.txt"));
        QVERIFY(ReportsUnreadable(notices.messagesUtf8[1], "kigo.txt"));
    }

    void calendarOpensAt1874AndTheYearDialogChangesItOnOkOnly() {
        // Opened by the command or a right click; spin steps; OK; the year shown then.
        const std::tuple<bool, int, bool, int> cases[] = {
            {false, 2, true, 1876},  {false, 5, false, 1874}, {true, 85, true, 1959},
            {true, 90, true, 1959},  {false, -3, true, 1874}};
        for (const auto& [rightClick, steps, ok, year] : cases) {
            COldNewSimpleListView* other = OpenCalendar();
            COldNewSimpleListView* view = OpenCalendar();
            CListCtrl* list = view->GetListCtrl();
            ClickRow(list, 3);
            QVERIFY(list->selectionModel()->selectedRows().isEmpty());  // a left click selects none
            // The year field shows the spin's year, kept within 1874 to 1959.
            QTimer::singleShot(0, [steps, ok] {
                auto* dialog = qobject_cast<CDisplayYearDlg*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                CSpinButtonCtrl* spin = dialog->YearSpin();
                for (int i = 0; i < std::abs(steps); ++i)
                    steps > 0 ? spin->StepUp() : spin->StepDown();
                const QString shown = QString::number(std::clamp(1874 + steps, 1874, 1959));
                QCOMPARE(qobject_cast<QLineEdit*>(dialog->Control(1021))->text(), shown);
                ok ? dialog->accept() : dialog->reject();
            });
            if (rightClick) QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
            else QVERIFY(m_frame->Frame()->RouteCommand(ID_DISP_YEAR));
            QCOMPARE(list->GetItemCount(), year == 1876 ? 384 : 354);  // 1876 has a leap month
            QVERIFY(view->GetDocument()->GetTitle().contains(QString::number(year) + u"年"_s));
            // Each table is its own; it opens at 1874.
            QCOMPARE(other->GetDocument()->GetTitle(),
                     u"旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)"_s);
            m_frame->CloseAll();
        }
    }

private:
    std::unique_ptr<TempMuseum> m_museum;
    std::unique_ptr<ListFrame> m_frame;
};

QTEST_MAIN(TestHaikuHall)
#include "tst_haikuhall.moc"
