// Start-up: what it shows, and that no INI file, however broken, and no working
// folder, however odd, keeps the program from starting or loses what the file held.
#include <QComboBox>
#include <QMdiArea>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "app/Resource.h"
#include "app/SearchBar.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithWhateverIniAndFolderAndKeepsTheFile_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("subdir");  // of the temporary working directory
        const auto row = [](const char* name, QByteArray ini, bool readOnly = false,
                            QString subdir = {}) {
            QTest::newRow(name) << ini << readOnly << subdir;
        };
        row("none", {});  // null: no file
        // The greeting dialogs run as the INI says (the session skips them otherwise).
        row("both dialogs off", "[Settings]\r\nonepointview=0\r\nHaikuView=0\r\n");
        row("empty", "");
        row("binary", QByteArray("\x00\xff\xfe\x01[\x02]=\x03\n\x81", 11));
        row("hand-mangled",
            "[Settings\r\n=\r\nWindowPos\r\n[]\r\n[Find Strings]]\r\nFind1\r\n==x\r\n");
        row("absurd WindowPos",
            "[Settings]\r\nWindowPos=4294967295,99,7,7,7,7,900000,900000,-900000,-900000\r\n");
        // Write failures are not reported, and the file stays as it is.
        row("read-only", "[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,10,10,500,400\r\n", true);
        row("spaces and capitals", {}, false, u"My Haiku Museum/TAVELO"_qs);
        row("double-byte folder", {}, false, u"俳句の博物館/暦"_qs);
        QString deep;
        while (deep.toUtf8().size() < 400) deep += u"ずっと深いフォルダ/"_qs;
        row("folder longer than 255 bytes", {}, false, deep);
    }
    void startsWithWhateverIniAndFolderAndKeepsTheFile() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, readOnly);
        QFETCH(QString, subdir);
        GuiNoticeRecorder notices;
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(subdir)));
        const QString work = QDir(dir.filePath(subdir)).canonicalPath();
        const QString path = work + u"/tst_startup.INI"_qs;  // named after the program
        if (!ini.isNull()) WriteBytes(path, ini);
        if (readOnly) QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        AppSession app(work, ini.contains("onepointview=0") ? AppSession::Greeting::Show
                                                             : AppSession::Greeting::Skip);
        QVERIFY(app.Frame()->isVisible() && !app.Frame()->isMaximized());
        QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 0);
        // Nothing else stands in: no modal window, no other top-level window.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(w == app.Frame() || !w->isVisible());
        QCOMPARE(QString::fromStdString(theProfile.TxtDataPath("life.txt")),
                 work + u"/TxtData/life.txt"_qs);
        QCOMPARE(QFile::exists(path), !ini.isNull());  // start-up writes nothing
        QCOMPARE(ReadBytes(path), ini);
        if (readOnly) {  // something to write at closing besides the placement
            theSearchBar.GetCombo()->setEditText(u"new"_qs);
            theSearchBar.TakeSearchText();
        }
        QVERIFY(app.Close());
        QVERIFY(notices.messages.isEmpty());
        const QByteArray after = ReadBytes(path);
        if (readOnly) QCOMPARE(after, ini);
        // Closing adds its keys; every byte that was there stays, in its place.
        for (const QByteArray& line : ini.split('\n')) {
            if (line.startsWith("WindowPos=")) continue;  // the one value closing replaces
            QVERIFY2(after.contains(line), line.constData());
        }
        QVERIFY(after.contains("WindowPos="));
    }
    void runEndsWhenTheMainWindowClosesAndSavesEverything() {
        GuiNoticeRecorder notices;
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        WriteBytes(u"tst_startup.INI"_qs, "[Settings]\r\nonepointview=0\r\nHaikuView=0\r\n"
                                          "[Find Strings]\r\nFind1=kept\r\n");
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
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
