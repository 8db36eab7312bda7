// The platform helpers on a desktop at twice the scale: images drawn for the device
// pixels, message boxes, fonts and dialog units.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "app/QtTranslations.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/FramePixmapStyle.h"
#include "platform/ListCtrl.h"
#include "platform/QtNoticeSink.h"
#include "reader/ArrowImages.h"

// Pixels partly transparent (alpha neither 0 nor 255): the mark of an image smoothed while
// stretched.
static int SmoothedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) % 255 != 0;
    return count;
}

// A list of two columns, and its rows as painted once shown.
static void AddTwoColumns(CListCtrl& list, int width) {
    for (int c = 0; c < 2; ++c) list.InsertColumn(c, u"H"_qs, width, Qt::AlignLeft);
}
static QImage PaintedRows(CListCtrl& list) {
    list.resize(400, 120);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list)) return {};
    QCoreApplication::processEvents();
    return list.viewport()->grab().toImage();
}

// The largest difference of a colour channel between two images of one size.
static int MostDifferent(const QImage& a, const QImage& b) {
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesAreCaptionedAndAnsweredByTheButtonPressed() {
        CQtNoticeSink sink(u"『Tavelo』博物館 V1.02"_qs);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = u"%1|%2|%3|%4"_qs.arg(box->windowTitle(), box->text())
                        .arg(int(box->icon()))
                        .arg(box->buttons().size());
            box->accept();
        });
        sink.MessageBox("\x83\x74\x83\x40\x83\x43\x83\x8b");  // "ファイル" in cp932
        QCOMPARE(shown, u"『Tavelo』博物館 V1.02|ファイル|%1|1"_qs.arg(int(QMessageBox::Warning)));
        QVERIFY(LoadQtTranslations(*qApp));  // the question's buttons speak Japanese
        for (auto [button, answer] : {std::pair{QMessageBox::No, NoticeAnswer::No},
                                      std::pair{QMessageBox::Cancel, NoticeAnswer::Cancel}}) {
            QTimer::singleShot(0, [button, &shown] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                shown = box->button(QMessageBox::Yes)->text() +
                        box->button(QMessageBox::No)->text() + box->button(QMessageBox::Cancel)->text();
                button == QMessageBox::No ? box->button(button)->click() : box->reject();
            });
            QCOMPARE(sink.AskYesNoCancel("save?"), answer);
            QCOMPARE(shown, u"はい(&Y)いいえ(&N)キャンセル"_qs);
        }
    }
    void fontsAndDialogUnits() {
        // The faces of the documents map onto installed ones; others pass unchanged.
        const QString gothic = FontFace(u"ＭＳ ゴシック"_qs);
        QVERIFY(QFontDatabase::families().contains(gothic) || gothic == u"monospace"_qs);
        QCOMPARE(FontFace(u"DejaVu Sans"_qs), u"DejaVu Sans"_qs);
        // The shared description (48 pixels) made with another height keeps the rest.
        const QFont small = MakeFontWithHeight(SharedFontDescription(), 12);
        QCOMPARE(small.pixelSize(), 12);
        QCOMPARE(small.family(), gothic);
        QVERIFY(small.fixedPitch());
        CDialogUnits fixed(6, 13);
        QCOMPARE(fixed.Size(217, 55), QSize(326, 89));  // rounded as MulDiv rounds
        QCOMPARE(fixed.Rect(40, 10, 119, 8), QRect(60, 16, 179, 13));
        CDialogUnits fromFont(DialogFont());
        QVERIFY(fromFont.BaseX() > 0 && fromFont.BaseY() > fromFont.BaseX());
    }
    // A cell changed after its first paint looks as a cell made that way: a new text,
    // and a narrower column cutting with "..." a text first shown whole.
    void listCellsPaintTheirCurrentTextAndWidth() {
        const QString longText = u"千曲川の瀬音に明ける雪の朝"_qs;
        CListCtrl list;
        AddTwoColumns(list, 150);
        list.SetRows({{u"浅間"_qs, longText}});
        const QImage first = PaintedRows(list);
        list.SetItemText(0, 0, longText);
        list.setColumnWidth(0, 40);
        list.setColumnWidth(1, 40);
        const QImage changed = PaintedRows(list);
        list.hide();
        CListCtrl made;
        AddTwoColumns(made, 40);
        made.SetRows({{longText, longText}});
        QVERIFY(!first.isNull() && changed != first);
        QCOMPARE(changed, PaintedRows(made));
    }
    // Frames from the cache look as the style draws them, at the device pixels, and a
    // focused field gets the focused frame, not the one kept from before.
    void cachedLineEditFramesLookAsTheStyleDrawsThem() {
        QVERIFY(QApplication::style()->name().compare(u"fusion"_qs, Qt::CaseInsensitive) == 0);
        QWidget window;
        CFramePixmapStyle frames(nullptr);
        QLineEdit plain(u"俳句"_qs, &window);
        QLineEdit cached(u"俳句"_qs, &window);
        cached.setStyle(&frames);
        cached.move(0, 40);
        for (QLineEdit* edit : {&plain, &cached}) {
            edit->setReadOnly(true);
            edit->resize(160, 24);
        }
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto look = [](QLineEdit& edit) { return edit.grab().toImage(); };
        plain.setFocus();
        const QImage focused = look(plain);
        const QImage cachedUnfocused = look(cached);
        cached.setFocus();
        const QImage unfocused = look(plain);
        QVERIFY(MostDifferent(focused, unfocused) > 16);
        QVERIFY(MostDifferent(cachedUnfocused, unfocused) <= 2);
        QVERIFY(MostDifferent(look(cached), focused) <= 2);
        plain.setFocus();
        QVERIFY(MostDifferent(look(cached), unfocused) <= 2);
    }
    void imagesAreDrawnForTheDevicePixels() {  // tool bar, search button, reader arrows
        QTemporaryDir dir;
        AppSession app(dir.path());
        QVERIFY(app.Started());
        const qreal ratio = app.Frame()->devicePixelRatioF();
        QCOMPARE(ratio, 2.0);
        int images = 0;
        for (QToolBar* bar : app.Frame()->findChildren<QToolBar*>())
            for (QAction* action : bar->actions()) {
                if (action->icon().isNull()) continue;
                const QPixmap shown = action->icon().pixmap(bar->iconSize(), ratio);
                QCOMPARE(shown.size(), bar->iconSize() * 2);
                QCOMPARE(shown.devicePixelRatio(), 2.0);
                QCOMPARE(SmoothedPixels(shown), 0);
                ++images;
            }
        QCOMPARE(images, 7);  // six tool-bar commands and the search button
        QCOMPARE(app.Frame()->windowIcon().pixmap(QSize(32, 32), ratio).size(), QSize(64, 64));
        QVERIFY(app.Close());
        for (ArrowImage image : {ArrowImage::Back, ArrowImage::BackUnavailable, ArrowImage::Forward,
                                 ArrowImage::ForwardUnavailable}) {
            const QPixmap arrow = MakeArrowImage(image);
            QCOMPARE(arrow.size(), QSize(32, 30));
            QCOMPARE(arrow.deviceIndependentSize(), QSizeF(16, 15));
            QCOMPARE(SmoothedPixels(arrow), 0);
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    PlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
