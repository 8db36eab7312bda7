// A picture of the main window with an edit window open, as the user sees it, kept
// as a build artefact (<build>/screenshots/main-window.png) for the README.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "AppSession.h"
#include "app/QuillaryView.h"

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowWithAnEditWindow();
};

void ScreenshotTest::mainWindowWithAnEditWindow() {
    QTemporaryDir dir;
    AppSession app(dir.path());
    CMainFrame* frame = app.Frame();
    frame->resize(760, 480);
    theApp.OnFileNew();
    auto* view = dynamic_cast<CQuillaryView*>(frame->GetActiveView());
    QVERIFY(view);
    view->GetEditCtrl()->setPlainText(
        u"春の風\n句帳をひらく\n窓の下\n\n"
        "Tavelo の句をここに書き留める。長い行はウィンドウの幅で折り返され、"
        "横スクロールバーは出ません。"_qs);
    frame->MdiArea()->activeSubWindow()->setGeometry(20, 16, 420, 260);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const QImage image = frame->grab().toImage();
    QVERIFY(!image.isNull());
    // Not a blank picture: the menus, bars and text drew something.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 4);
    const QString out = QStringLiteral(QUILLARY_BINARY_DIR) + u"/screenshots"_qs;
    QVERIFY(QDir().mkpath(out));
    QVERIFY(image.save(out + u"/main-window.png"_qs));
}

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshot.moc"
