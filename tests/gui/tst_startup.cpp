// Start-up: the order of its steps, what it shows, and that no INI file, however
// broken, keeps the program from starting or loses what the file held.
#include <QComboBox>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/DocTemplate.h"

namespace {

QList<QWidget*> VisibleTopLevels() {
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) list.append(w);
    return list;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void withoutIniTheStepsRunInOrderAndWriteNothing();
    void withBothDialogsOffOnlyTheMainWindowAppears();
    void badIniStartsWithDefaultsAndKeepsTheFile_data();
    void badIniStartsWithDefaultsAndKeepsTheFile();
    void readOnlyIniStartsAndStaysUntouched();
    void unusualWorkingDirectories_data();
    void unusualWorkingDirectories();
    void runEndsWhenTheMainWindowClosesAndSavesEverything();
};

void StartupTest::withoutIniTheStepsRunInOrderAndWriteNothing() {
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    AppSession app(dir.path());
    QVERIFY(app.Started());
    // Step 2: the INI lives in the working directory, named after the program.
    QCOMPARE(app.IniPath(), dir.path() + u"/tst_startup.INI"_qs);
    QCOMPARE(QString::fromStdString(theProfile.GetWorkDir()), QDir(dir.path()).canonicalPath());
    // Step 3: the recent-file list of 4 is loaded.
    QVERIFY(theApp.GetRecentFileList() != nullptr);
    // Step 4 and 7: template 129 first; the list templates only once their views exist.
    std::vector<CMultiDocTemplate*> templates = theApp.GetDocTemplates();
    QVERIFY(!templates.empty());
    QCOMPARE(templates.front()->GetResourceID(), IDR_QUILLARTYPE);
    // Those that are registered come in the order 130, 131, 132, each in its member.
    for (std::size_t i = 1; i < templates.size(); ++i) {
        const int id = templates[i]->GetResourceID();
        QVERIFY(id >= IDR_HAIKU_LIST && id <= IDR_OLDNEW_LIST);
        QVERIFY(id > templates[i - 1]->GetResourceID());
    }
    auto registered = [&](CMultiDocTemplate* t) {
        return t == nullptr || std::find(templates.begin(), templates.end(), t) != templates.end();
    };
    QVERIFY(registered(theApp.m_pHaikuTemplate));
    QVERIFY(registered(theApp.m_pKigoTemplate));
    QVERIFY(registered(theApp.m_pOldNewTemplate));
    QCOMPARE(templates.size(), 1u + (theApp.m_pHaikuTemplate != nullptr) +
                                   (theApp.m_pKigoTemplate != nullptr) +
                                   (theApp.m_pOldNewTemplate != nullptr));
    // Steps 5, 6 and 8: the main frame, its bars, shown with an empty MDI area.
    QVERIFY(app.Frame());
    QVERIFY(app.Frame()->isVisible());
    QVERIFY(theSearchBar.GetBar() && theSearchBar.GetCombo());
    QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 0);
    // Steps 9 and 10: the session skips the tips and card dialogs (tst_TipsDialog
    // covers them); nothing else stands in: no modal window, no other top-level window.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(VisibleTopLevels(), QList<QWidget*>{app.Frame()});
    QVERIFY(notices.messages.isEmpty());
    // Start-up itself writes nothing.
    QVERIFY(!QFile::exists(app.IniPath()));
    QVERIFY(app.Close());
    QVERIFY(QFile::exists(app.IniPath()));
}

void StartupTest::withBothDialogsOffOnlyTheMainWindowAppears() {
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    WriteBytes(dir.filePath(u"tst_startup.INI"_qs),
               "[Settings]\r\nonepointview=0\r\nHaikuView=0\r\n");
    AppSession app(dir.path(), AppSession::Greeting::Show);
    QVERIFY(app.Started());
    QCOMPARE(VisibleTopLevels(), QList<QWidget*>{app.Frame()});
    QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(notices.messages.isEmpty());
}

void StartupTest::badIniStartsWithDefaultsAndKeepsTheFile_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01[\x02]=\x03\n\x81", 11);
    QTest::newRow("hand-mangled") << QByteArray(
        "[Settings\r\n=\r\nWindowPos\r\n[]\r\n[Find Strings]]\r\nFind1\r\n==x\r\n");
    QTest::newRow("three-number WindowPos") << QByteArray("[Settings]\r\nWindowPos=1,1,3\r\n");
    QTest::newRow("absurd WindowPos") << QByteArray(
        "[Settings]\r\nWindowPos=4294967295,99,7,7,7,7,900000,900000,-900000,-900000\r\n");
    QTest::newRow("history with gaps")
        << QByteArray("[Find Strings]\r\nFind1=one\r\nFind3=three\r\n");
}

void StartupTest::badIniStartsWithDefaultsAndKeepsTheFile() {
    QFETCH(QByteArray, ini);
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tst_startup.INI"_qs);
    WriteBytes(path, ini);
    AppSession app(dir.path());
    QVERIFY(app.Started());
    QVERIFY(app.Frame()->isVisible());
    QVERIFY(!app.Frame()->isMaximized());
    QVERIFY(notices.messages.isEmpty());
    QCOMPARE(ReadBytes(path), ini);  // start-up writes nothing
    QVERIFY(app.Close());
    // Closing adds its keys; every byte that was there stays, in its place.
    const QByteArray after = ReadBytes(path);
    for (const QByteArray& line : ini.split('\n')) {
        if (line.startsWith("WindowPos=")) continue;  // the one value closing replaces
        QVERIFY2(after.contains(line), line.constData());
    }
    QVERIFY(after.contains("WindowPos="));
}

void StartupTest::readOnlyIniStartsAndStaysUntouched() {
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tst_startup.INI"_qs);
    const QByteArray ini = "[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,10,10,500,400\r\n";
    WriteBytes(path, ini);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    {
        AppSession app(dir.path());
        QVERIFY(app.Started());
        theSearchBar.GetCombo()->setEnabled(true);
        theSearchBar.GetCombo()->setEditText(u"new"_qs);
        theSearchBar.TakeSearchText();
        QVERIFY(app.Close());
    }
    QVERIFY(notices.messages.isEmpty());  // write failures are not reported
    QCOMPARE(ReadBytes(path), ini);
}

void StartupTest::unusualWorkingDirectories_data() {
    QTest::addColumn<QString>("subdir");
    QTest::newRow("spaces and capitals") << u"My Haiku Museum/TAVELO"_qs;
    QTest::newRow("double-byte") << u"俳句の博物館/暦"_qs;
    QString deep;
    while (deep.toUtf8().size() < 400) deep += u"ずっと深いフォルダ/"_qs;
    QTest::newRow("longer than 255 bytes") << deep;
}

void StartupTest::unusualWorkingDirectories() {
    QFETCH(QString, subdir);
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    const QString work = dir.filePath(subdir);
    QVERIFY(QDir().mkpath(work));
    const QString canonical = QDir(work).canonicalPath();
    {
        AppSession app(work);
        QVERIFY(app.Started());
        QCOMPARE(QString::fromStdString(theProfile.GetWorkDir()), canonical);
        QCOMPARE(QString::fromStdString(theProfile.TxtDataPath("life.txt")),
                 canonical + u"/TxtData/life.txt"_qs);
        QVERIFY(app.Close());
    }
    QVERIFY(QFile::exists(canonical + u"/tst_startup.INI"_qs));
    QVERIFY(notices.messages.isEmpty());
}

void StartupTest::runEndsWhenTheMainWindowClosesAndSavesEverything() {
    GuiNoticeRecorder notices;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteBytes(u"tst_startup.INI"_qs,
               "[Settings]\r\nonepointview=0\r\nHaikuView=0\r\n[Find Strings]\r\nFind1=kept\r\n");
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, [] {
        theApp.OnFileNew();
        theSearchBar.GetCombo()->setEditText(u"added"_qs);
        theSearchBar.TakeSearchText();
        theApp.GetMainWnd()->close();
    });
    theApp.m_bRunStartupDialogs = false;  // the haiku card would hold the loop
    const int code = theApp.Run();
    theApp.m_bRunStartupDialogs = true;
    QApplication::setQuitOnLastWindowClosed(false);
    QDir::setCurrent(previous);
    QCOMPARE(code, 0);
    QCOMPARE(theApp.GetMainWnd(), nullptr);
    const QByteArray ini = ReadBytes(dir.filePath(u"tst_startup.INI"_qs));
    QVERIFY(ini.contains("WindowPos="));
    // The bars went before the program ended: the history was saved, in sorted order.
    QVERIFY(ini.contains("Find1=added\r\nFind2=kept\r\n"));
    QVERIFY(notices.messages.isEmpty());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
