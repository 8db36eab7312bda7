// The platform helpers windows rely on: message boxes captioned with the title and
// answered by the button pressed, the face map with the shared font description, and
// dialog units.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/QtNoticeSink.h"

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesAreCaptionedAndAnsweredByTheButtonPressed();
    void faceMapAndTheSharedFontDescription();
    void dialogUnitsFollowTheFont();
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

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
