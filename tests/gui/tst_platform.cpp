// The platform helpers windows rely on: message boxes captioned with the title, the
// face map and the shared font description, dialog units, the wait cursor, and
// commands served only while their target says so.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "platform/CmdTarget.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/QtNoticeSink.h"
#include "platform/WaitCursor.h"

namespace {

class Target : public CCmdTarget {
public:
    Target() {
        AddCommand(1, [this] { ++runs; });
        SetCommandServed(1, [this] { return served; });
        AddCommand(
            2, [] {}, [](CCmdUI& ui) { ui.Enable(false); });
    }
    bool served = false;
    int runs = 0;
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxIsCaptionedWithTheTitle();
    void questionAnswersWithTheButtonPressed();
    void faceMapPicksInstalledJapaneseFonts();
    void sharedFontDescriptionWithAnotherHeight();
    void dialogUnitsFollowTheFont();
    void waitCursorLastsForItsScope();
    void commandsAreServedOnlyWhileTheirTargetSaysSo();
};

void PlatformTest::messageBoxIsCaptionedWithTheTitle() {
    CQtNoticeSink sink(u"『Tavelo』博物館 V1.02"_qs);
    QString caption, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->accept();
    });
    sink.MessageBox("\x83\x74\x83\x40\x83\x43\x83\x8b");  // "ファイル" in cp932
    QCOMPARE(caption, u"『Tavelo』博物館 V1.02"_qs);
    QCOMPARE(text, u"ファイル"_qs);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 1);
}

void PlatformTest::questionAnswersWithTheButtonPressed() {
    CQtNoticeSink sink(u"title"_qs);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) box->button(QMessageBox::No)->click();
    });
    QCOMPARE(sink.AskYesNoCancel("save?"), NoticeAnswer::No);
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();  // Esc
    });
    QCOMPARE(sink.AskYesNoCancel("save?"), NoticeAnswer::Cancel);
}

void PlatformTest::faceMapPicksInstalledJapaneseFonts() {
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
}

void PlatformTest::sharedFontDescriptionWithAnotherHeight() {
    const FontDescription shared = SharedFontDescription();
    QCOMPARE(shared.face, u"ＭＳ ゴシック"_qs);
    QCOMPARE(shared.height, 48);
    QCOMPARE(shared.weight, 400);
    QVERIFY(shared.fixedPitch && !shared.italic && !shared.underline);
    const QFont big = MakeFont(shared);
    const QFont small = MakeFontWithHeight(shared, 12);
    QCOMPARE(big.pixelSize(), 48);
    QCOMPARE(small.pixelSize(), 12);
    QCOMPARE(small.family(), big.family());
    QVERIFY(small.fixedPitch());
    QCOMPARE(small.weight(), QFont::Normal);
}

void PlatformTest::dialogUnitsFollowTheFont() {
    CDialogUnits fixed(6, 13);
    QCOMPARE(fixed.X(4), 6);
    QCOMPARE(fixed.Y(8), 13);
    QCOMPARE(fixed.Size(217, 55), QSize(326, 89));  // rounded as MulDiv rounds
    QCOMPARE(fixed.Rect(40, 10, 119, 8), QRect(60, 16, 179, 13));
    CDialogUnits fromFont(DialogFont());
    QVERIFY(fromFont.BaseX() > 0 && fromFont.BaseY() > fromFont.BaseX());
}

void PlatformTest::waitCursorLastsForItsScope() {
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor wait;
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void PlatformTest::commandsAreServedOnlyWhileTheirTargetSaysSo() {
    Target target;
    QVERIFY(!target.IsCommandHandled(1));
    QVERIFY(!target.OnCommand(1));
    target.served = true;
    QVERIFY(target.IsCommandHandled(1));
    QVERIFY(target.OnCommand(1));
    QCOMPARE(target.runs, 1);
    CCmdUI ui(2);
    QVERIFY(target.IsCommandHandled(2));
    target.OnUpdateCommand(ui);
    QVERIFY(!ui.IsEnabled());
    QVERIFY(!target.IsCommandHandled(3));
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
