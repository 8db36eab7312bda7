// The search bar: its box greyed until a haiku list is active, the sorted history,
// TakeSearchText, and the history kept in the INI between runs.
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "StandInListViews.h"
#include "app/Resource.h"
#include "app/SearchBar.h"

namespace {

QStringList Entries() {
    QStringList list;
    QComboBox* box = theSearchBar.GetCombo();
    for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
    return list;
}

// Types text into the box and runs the search command, as the user does.
void Search(CMainFrame* frame, const QString& text) {
    theSearchBar.GetCombo()->setEditText(text);
    frame->RouteCommand(ID_SEARCH);
}

}  // namespace

class SearchBarTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void firstStartBoxIsEmptyAndGreyed();
    void searchesBuildASortedHistoryKeptForTheNextStart();
    void searchHandsOverCp932AndEnterStartsNothing();
    void historySavesAtMost16InSortedOrder();

private:
    QString Ini() const { return m_dir->filePath(u"tst_searchbar.INI"_qs); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void SearchBarTest::firstStartBoxIsEmptyAndGreyed() {
    AppSession app(m_dir->path());
    QComboBox* box = theSearchBar.GetCombo();
    QCOMPARE(box->count(), 0);
    QVERIFY(box->currentText().isEmpty());
    QVERIFY(!box->isEnabled() && box->isEditable());
    QCOMPARE(box->width(),
             QFontMetrics(theSearchBar.GetBar()->font()).horizontalAdvance(u"WWWWWWWWWWWWWWWW"_qs));
    // Box, separator, button.
    const QList<QAction*> barSlots = theSearchBar.GetBar()->actions();
    QCOMPARE(barSlots.size(), 3);
    QVERIFY(barSlots[1]->isSeparator());
    // With no child window open the button stays on the bar, greyed.
    QWidget* button = theSearchBar.GetBar()->widgetForAction(barSlots[2]);
    QVERIFY(button && button->isVisibleTo(app.Frame()));
    QVERIFY(!button->isEnabled());
}

void SearchBarTest::searchesBuildASortedHistoryKeptForTheNextStart() {
    QStringList before;
    {
        AppSession app(m_dir->path());
        RegisterStandInListTemplates();
        app.Frame()->RouteCommand(ID_ALL_HAIKU);
        Search(app.Frame(), u"b"_qs);
        Search(app.Frame(), u"a"_qs);
        QCOMPARE(Entries(), (QStringList{u"a"_qs, u"b"_qs}));
        Search(app.Frame(), u"a"_qs);  // same text, same case: unchanged
        QCOMPARE(Entries(), (QStringList{u"a"_qs, u"b"_qs}));
        Search(app.Frame(), u"A"_qs);  // another case is a new entry
        QCOMPARE(Entries().size(), 3);
        QVERIFY(Entries().indexOf(u"A"_qs) < Entries().indexOf(u"b"_qs));
        Search(app.Frame(), QString());  // an empty text never enters the history
        Search(app.Frame(), u"俳句"_qs);
        QCOMPARE(Entries().size(), 4);
        QCOMPARE(Entries().last(), u"俳句"_qs);
        before = Entries();
        QVERIFY(app.Close());
    }
    AppSession app(m_dir->path());
    QCOMPARE(Entries(), before);
    QCOMPARE(theSearchBar.GetCombo()->currentText(), before.first());
    QVERIFY(!theSearchBar.GetCombo()->isEnabled());
}

void SearchBarTest::searchHandsOverCp932AndEnterStartsNothing() {
    AppSession app(m_dir->path());
    RegisterStandInListTemplates();
    app.Frame()->RouteCommand(ID_ALL_HAIKU);
    auto* view = static_cast<StandInHaikuListView*>(app.Frame()->GetActiveView());
    Search(app.Frame(), u"古池"_qs);
    QCOMPARE(view->lastSearch, std::string("\x8c\xc3\x92\x72"));
    // A text cp932 cannot carry is handed over but not remembered.
    Search(app.Frame(), u"🌸"_qs);
    QCOMPARE(Entries(), QStringList{u"古池"_qs});
    QCOMPARE(view->searches, 2);
    QComboBox* box = theSearchBar.GetCombo();
    box->setFocus();
    box->setEditText(u"typed"_qs);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(view->searches, 2);
    QCOMPARE(box->count(), 1);
}

void SearchBarTest::historySavesAtMost16InSortedOrder() {
    WriteBytes(Ini(), "[Find Strings]\r\nFind17=kept17\r\n");
    {
        AppSession app(m_dir->path());
        RegisterStandInListTemplates();
        app.Frame()->RouteCommand(ID_ALL_HAIKU);
        for (int i = 20; i >= 1; --i) Search(app.Frame(), u"w%1"_qs.arg(i, 2, 10, QChar(u'0')));
        QVERIFY(app.Close());
    }
    const QByteArray ini = ReadBytes(Ini());
    for (int i = 1; i <= 16; ++i) {
        const QByteArray line = "Find" + QByteArray::number(i) + "=w" +
                                QByteArray::number(i).rightJustified(2, '0') + "\r\n";
        QVERIFY2(ini.contains(line), line.constData());
    }
    QVERIFY(ini.contains("Find17=kept17\r\n"));
    QVERIFY(!ini.contains("Find18"));
}

QTEST_MAIN(SearchBarTest)
#include "tst_searchbar.moc"
