// The search bar: its box greyed until a haiku list is active, the sorted history,
// TakeSearchText, and the history kept in the INI between runs.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "AppSession.h"
#include "StandInListViews.h"
#include "app/Resource.h"
#include "app/SearchBar.h"

static QStringList Entries() {
    QStringList list;
    QComboBox* box = theSearchBar.GetCombo();
    for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
    return list;
}

// Types text into the box and runs the search command, as the user does.
static void Search(CMainFrame* frame, const QString& text) {
    theSearchBar.GetCombo()->setEditText(text);
    frame->RouteCommand(ID_SEARCH);
}

class SearchBarTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }
    void firstStartGreyedThenSearchesHandOverCp932AndEnterStartsNothing() {
        AppSession app(m_dir->path());
        QComboBox* box = theSearchBar.GetCombo();
        QCOMPARE(box->count(), 0);
        QVERIFY(box->currentText().isEmpty());
        QVERIFY(box->isEditable());  // greyed till a haiku list is active: tst_mainframe
        RegisterStandInListTemplates();
        app.Frame()->RouteCommand(ID_ALL_HAIKU);
        auto* view = static_cast<StandInHaikuListView*>(app.Frame()->GetActiveView());
        Search(app.Frame(), u"浅間"_qs);
        QCOMPARE(view->lastSearch, std::string("\x90\xf3\x8a\xd4"));
        // A text cp932 cannot carry is handed over but not remembered.
        Search(app.Frame(), u"🌸"_qs);
        QCOMPARE(Entries(), QStringList{u"浅間"_qs});
        QCOMPARE(view->searches, 2);
        box->setFocus();
        box->setEditText(u"typed"_qs);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(view->searches, 2);
        QCOMPARE(box->count(), 1);
    }
    void searchesBuildASortedHistoryOf16KeptForTheNextStart() {
        WriteBytes(Ini(), "[Find Strings]\r\nFind17=kept17\r\n");
        QStringList saved;
        {
            AppSession app(m_dir->path());
            RegisterStandInListTemplates();
            app.Frame()->RouteCommand(ID_ALL_HAIKU);
            Search(app.Frame(), u"b"_qs);
            Search(app.Frame(), u"a"_qs);
            QCOMPARE(Entries(), (QStringList{u"a"_qs, u"b"_qs}));  // Find17 alone loads nothing
            Search(app.Frame(), u"a"_qs);  // same text, same case: unchanged
            QCOMPARE(Entries().size(), 2);
            Search(app.Frame(), u"A"_qs);  // another case is a new entry
            QVERIFY(Entries().indexOf(u"A"_qs) < Entries().indexOf(u"b"_qs));
            Search(app.Frame(), QString());  // an empty text never enters the history
            Search(app.Frame(), u"俳句"_qs);
            QCOMPARE(Entries().size(), 4);
            QCOMPARE(Entries().last(), u"俳句"_qs);
            for (int i = 20; i >= 1; --i) Search(app.Frame(), u"w%1"_qs.arg(i, 2, 10, QChar(u'0')));
            saved = Entries().mid(0, 16);
            QVERIFY(app.Close());
        }
        // The first 16 in the box's order (their keys: the profile's unit test); the keys
        // above them stay and load again.
        QVERIFY(ReadBytes(Ini()).contains("Find1=" + saved[0].toUtf8() + "\r\n"));
        AppSession app(m_dir->path());
        QCOMPARE(Entries().size(), 17);
        for (const QString& entry : saved) QVERIFY(Entries().contains(entry));
        QCOMPARE(theSearchBar.GetCombo()->currentText(), Entries().first());
        QVERIFY(!theSearchBar.GetCombo()->isEnabled());
    }

private:
    QString Ini() const { return m_dir->filePath(u"tst_searchbar.INI"_qs); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(SearchBarTest)
#include "tst_searchbar.moc"
