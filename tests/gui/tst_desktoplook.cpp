// How the museum looks on a desktop at twice the scale: its drawn images are drawn
// for the device pixels (no stretched, smoothed bitmaps), and Qt's own dialogs
// speak Japanese.
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "app/QtTranslations.h"
#include "reader/ArrowImages.h"

namespace {

// Pixels partly transparent: the mark of an image smoothed while stretched.
int SmoothedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha != 0 && alpha != 255) ++count;
        }
    return count;
}

}  // namespace

class DesktopLookTest : public QObject {
    Q_OBJECT
private slots:
    void toolBarAndSearchImagesAreDrawnForTheDevicePixels() {
        QTemporaryDir dir;
        AppSession app(dir.path());
        QVERIFY(app.Started());
        const qreal ratio = app.Frame()->devicePixelRatioF();
        QCOMPARE(ratio, 2.0);
        int images = 0;
        for (QToolBar* bar : app.Frame()->findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions()) {
                if (action->icon().isNull()) continue;
                const QPixmap shown = action->icon().pixmap(bar->iconSize(), ratio);
                QCOMPARE(shown.size(), bar->iconSize() * 2);
                QCOMPARE(shown.devicePixelRatio(), 2.0);
                QCOMPARE(SmoothedPixels(shown), 0);
                ++images;
            }
        }
        QCOMPARE(images, 7);  // six tool-bar commands and the search button
        QCOMPARE(app.Frame()->windowIcon().pixmap(QSize(32, 32), ratio).size(), QSize(64, 64));
        QVERIFY(app.Close());
    }
    void readerArrowsAreDrawnForTheDevicePixels() {
        for (ArrowImage image : {ArrowImage::Back, ArrowImage::BackUnavailable, ArrowImage::Forward,
                                 ArrowImage::ForwardUnavailable}) {
            const QPixmap arrow = MakeArrowImage(image);
            QCOMPARE(arrow.size(), QSize(32, 30));
            QCOMPARE(arrow.deviceIndependentSize(), QSizeF(16, 15));
            QCOMPARE(SmoothedPixels(arrow), 0);
        }
    }
    void saveQuestionButtonsReadInJapanese() {
        QVERIFY(LoadQtTranslations(*qApp));
        QMessageBox box(QMessageBox::Question, u"t"_qs, u"q"_qs,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), u"はい(&Y)"_qs);
        QCOMPARE(box.button(QMessageBox::No)->text(), u"いいえ(&N)"_qs);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"キャンセル"_qs);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    DesktopLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktoplook.moc"
