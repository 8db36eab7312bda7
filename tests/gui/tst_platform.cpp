// The platform helpers windows rely on, on a desktop at twice the scale: drawn images
// are drawn for the device pixels (no stretched, smoothed bitmaps); message boxes are
// captioned with the title, answered by the button pressed and speak Japanese; the
// face map with the shared font description; dialog units.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "app/QtTranslations.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/ListCtrl.h"
#include "platform/QtNoticeSink.h"
#include "reader/ArrowImages.h"

using namespace Qt::StringLiterals;

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

// A list of two columns, shown, and its rows as painted.
void AddTwoColumns(CListCtrl& list, int width) {
    for (int c = 0; c < 2; ++c) list.InsertColumn(c, u"H"_s, width, Qt::AlignLeft);
}
QImage PaintedRows(CListCtrl& list) {
    list.resize(400, 120);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list)) return {};
    QCoreApplication::processEvents();
    return list.viewport()->grab().toImage();
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesAreCaptionedAndAnsweredByTheButtonPressed();
    void faceMapAndTheSharedFontDescription();
    void dialogUnitsFollowTheFont();
    // A cell changed after its first paint looks as a cell made that way: a new text,
    // and a narrower column cutting with "..." a text first shown whole.
    void listCellsPaintTheirCurrentTextAndWidth() {
        const QString longText = u"春の海ひねもすのたりのたりかな"_s;
        CListCtrl list;
        AddTwoColumns(list, 150);
        list.SetRows({{u"古池"_s, longText}});
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

void PlatformTest::messageBoxesAreCaptionedAndAnsweredByTheButtonPressed() {
    CQtNoticeSink sink(u"『Tavelo』博物館 V1.02"_qs);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = u"%1|%2|%3|%4"_qs.arg(box->windowTitle(), box->text()).arg(int(box->icon())).arg(
            box->buttons().size());
        box->accept();
    });
    sink.MessageBox("\x83\x74\x83\x40\x83\x43\x83\x8b");  // "ファイル" in cp932
    QCOMPARE(shown, u"『Tavelo』博物館 V1.02|ファイル|%1|1"_qs.arg(int(QMessageBox::Warning)));
    for (auto [button, answer] : {std::pair{QMessageBox::No, NoticeAnswer::No},
                                  std::pair{QMessageBox::Cancel, NoticeAnswer::Cancel}}) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) button == QMessageBox::No ? box->button(button)->click() : box->reject();
        });
        QCOMPARE(sink.AskYesNoCancel("save?"), answer);
    }
}

void PlatformTest::faceMapAndTheSharedFontDescription() {
    const QStringList families = QFontDatabase::families();
    const QString gothic = FontFace(u"ＭＳ ゴシック"_qs);
    const QString pgothic = FontFace(u"ＭＳ Ｐゴシック"_qs);
    if (families.contains(u"IPAGothic"_qs)) QCOMPARE(gothic, u"IPAGothic"_qs);
    if (families.contains(u"IPAPGothic"_qs)) QCOMPARE(pgothic, u"IPAPGothic"_qs);
    QVERIFY((QStringList{u"IPAGothic"_qs, u"Noto Sans Mono CJK JP"_qs, u"monospace"_qs})
                .contains(gothic));
    QVERIFY((QStringList{u"IPAPGothic"_qs, u"Noto Sans CJK JP"_qs, u"sans-serif"_qs})
                .contains(pgothic));
    QCOMPARE(FontFace(u"DejaVu Sans"_qs), u"DejaVu Sans"_qs);
    QCOMPARE(DialogFont().pointSize(), 9);
    // The shared description (48 pixels) made with another height keeps the rest.
    const FontDescription shared = SharedFontDescription();
    const QFont big = MakeFont(shared);
    const QFont small = MakeFontWithHeight(shared, 12);
    QCOMPARE(big.pixelSize(), 48);
    QCOMPARE(small.pixelSize(), 12);
    QCOMPARE(small.family(), gothic);
    QVERIFY(small.fixedPitch() && big.fixedPitch() && !small.italic());
    QCOMPARE(small.weight(), QFont::Normal);
}

void PlatformTest::dialogUnitsFollowTheFont() {
    CDialogUnits fixed(6, 13);
    QCOMPARE(fixed.Size(217, 55), QSize(326, 89));  // rounded as MulDiv rounds
    QCOMPARE(fixed.Rect(40, 10, 119, 8), QRect(60, 16, 179, 13));
    CDialogUnits fromFont(DialogFont());
    QVERIFY(fromFont.BaseX() > 0 && fromFont.BaseY() > fromFont.BaseX());
}

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    PlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
