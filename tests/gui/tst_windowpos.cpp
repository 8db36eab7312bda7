// "WindowPos": written at every close request, restored at the next start, and
// ignored or corrected when it cannot be used.
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "platform/CommandIds.h"

static QByteArray WindowPosOf(const QByteArray& ini) {
    const qsizetype at = ini.indexOf("WindowPos=");
    if (at < 0) return {};
    const qsizetype end = ini.indexOf('\r', at);
    return ini.mid(at + 10, end - at - 10);
}

class WindowPosTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }
    void placementComesBackAtTheNextStart() {
        QRect saved;
        {
            AppSession app(m_dir->path());
            app.Frame()->setGeometry(40, 50, 500, 350);
            saved = app.Frame()->geometry();
            QVERIFY(app.Close());
        }
        QVERIFY(WindowPosOf(ReadBytes(Ini())).startsWith("0,1,"));  // its numbers: maximised case
        AppSession app(m_dir->path());
        QCOMPARE(app.Frame()->geometry(), saved);
        QVERIFY(!app.Frame()->isMaximized());
    }
    void maximisedComesBackMaximisedAndIsSavedSo() {
        WriteBytes(Ini(), "[Settings]\r\nWindowPos=2,3,-1,-1,-1,-1,10,10,400,300\r\n");
        AppSession app(m_dir->path());
        QVERIFY(app.Frame()->isMaximized());
        QCOMPARE(app.Frame()->normalGeometry(), QRect(10, 10, 390, 290));
        QVERIFY(app.Close());
        const QByteArray value = WindowPosOf(ReadBytes(Ini()));
        QVERIFY2(value.startsWith("2,3,") && value.endsWith(",10,10,400,300"), value.constData());
    }
    void unusablePlacementsAreCorrectedOrLeftToThePlatform() {
        GuiNoticeRecorder notices;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {  // Off every screen: moved onto the nearest one.
            WriteBytes(Ini(),
                       "[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,-5000,-4000,-4600,-3700\r\n");
            AppSession app(m_dir->path());
            QVERIFY(screen.contains(app.Frame()->geometry()));
            QCOMPARE(app.Frame()->size(), QSize(400, 300));
        }
        {  // Without a size: neither placed nor centred.
            WriteBytes(Ini(), "[Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,500,500,100,100\r\n");
            AppSession app(m_dir->path());
            QVERIFY(app.Frame()->isVisible());
            QCOMPARE(app.Frame()->pos(), QPoint(0, 0));
        }
        QVERIFY(QFile::remove(Ini()));
        AppSession app(m_dir->path());
        // Without a placement: centred before it was shown, its frame's margins not known yet.
        const QPoint offset = app.Frame()->frameGeometry().center() - screen.center();
        QVERIFY(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4);
        QVERIFY(notices.messages.isEmpty());
    }
    void barsHiddenFromTheViewMenuStayHidden() {
        {
            AppSession app(m_dir->path());
            QMenu* view = app.Frame()->Menu(1);
            for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
                app.Frame()->menuBar()->setActiveAction(view->menuAction());
                QVERIFY(QTest::qWaitForWindowExposed(view));
                QAction* item = app.Frame()->CommandAction(id);
                QVERIFY(item->isChecked());
                QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(item).center());
            }
            QVERIFY(app.Close());
        }
        AppSession app(m_dir->path());
        QVERIFY(!app.Frame()->ToolBar()->isVisible());
        QVERIFY(!app.Frame()->StatusBar()->isVisible());
        app.Frame()->UpdateCommandUI();
        QVERIFY(!app.Frame()->CommandAction(ID_VIEW_TOOLBAR)->isChecked());
        QVERIFY(!app.Frame()->CommandAction(ID_VIEW_STATUS_BAR)->isChecked());
    }

private:
    QString Ini() const { return m_dir->filePath(u"tst_windowpos.INI"_qs); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(WindowPosTest)
#include "tst_windowpos.moc"
