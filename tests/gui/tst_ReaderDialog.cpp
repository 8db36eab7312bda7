// The reader dialog on a test document: opening, links, preview, history,
// key boxes, scrolling, copying and the failures that keep it closed.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "reader/ArrowImages.h"
#include "reader/KeyLabel.h"
#include "reader/ReaderDialog.h"
#include "reader/TextPane.h"

using namespace Qt::Literals::StringLiterals;

class TestReaderDialog : public QObject {
    Q_OBJECT

private:
    // Opens reader.txt at key as the main frame would, without the modal run.
    static bool Open(CReaderDialog& dialog, const char* key, const char* title = "") {
        dialog.SetPath(TestTxtData("reader.txt"));
        dialog.SetTitle(Cp(title));
        dialog.SetInitialKey(Cp(key));
        if (!dialog.Create()) return false;
        dialog.OnInitDialog();
        dialog.show();
        dialog.move(dialog.pos() + QPoint(0, 20));  // where a window manager puts it
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }
    template <typename Widget>
    static Widget* Child(CReaderDialog& dialog, int id) {
        return dialog.findChild<Widget*>(QString::number(id));
    }
    // Where the bar's style draws its thumb (or, for part, its groove).
    static QRect Drawn(QScrollBar* bar, QStyle::SubControl part = QStyle::SC_ScrollBarSlider) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.maximum = bar->maximum();
        option.pageStep = bar->pageStep();
        option.sliderPosition = bar->sliderPosition();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    }
    static bool ShowsImage(CReaderDialog& dialog, int id, ArrowImage image) {
        return Child<QLabel>(dialog, id)->pixmap().toImage() == MakeArrowImage(image).toImage();
    }
    // The centre of the link to key in the main pane, in dialog coordinates.
    static QPoint LinkPoint(CReaderDialog& dialog, const char* key) {
        CTextPane* pane = dialog.MainPane();
        for (int row = 0; row < pane->ShownRows(); ++row)
            for (const CTextPane::Link& link : pane->RowLinks(row))
                if (link.key == Cp(key)) return pane->mapTo(&dialog, link.rect.center());
        return {-1, -1};
    }

private slots:
    void initTestCase() { QApplication::setWheelScrollLines(2); }

    // An empty initial key opens the topic whose key is empty; the key boxes jump by key.
    void opensAtTheEmptyKeyAndTheKeyBoxesJump() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, ""));
        QCOMPARE(dialog.windowTitle(), u"簡易ヘルプ V1.03"_s);
        QCOMPARE(dialog.Current().topic.key1, Cp("目次"));  // its third key is empty
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::BackUnavailable));
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::ForwardUnavailable));
        QCOMPARE(Child<QComboBox>(dialog, 1001)->currentText(), QStringLiteral(u"目次"));
        QCOMPARE(Child<QComboBox>(dialog, 1005)->currentText(), QStringLiteral(u"もくじ"));
        QCOMPARE(Child<QComboBox>(dialog, 1007)->currentText(), QStringLiteral("*****"));
        // Six first keys (in the document's sorted order) and "*****"; the generated index
        // (the topic document's test) links every key.
        QCOMPARE(Child<QComboBox>(dialog, 1001)->count(), 7);
        QVERIFY(!Child<QScrollBar>(dialog, 1019)->isEnabled());
        for (int id : {1019, 1025})  // nothing to scroll: the thumb fills the groove
            QCOMPARE(Drawn(Child<QScrollBar>(dialog, id)),
                     Drawn(Child<QScrollBar>(dialog, id), QStyle::SC_ScrollBarGroove));
        QCOMPARE(QCursor::pos(), dialog.MainPane()->mapToGlobal(QPoint(2, 2)));

        // Previewing a topic without body beeps once; moving within the same
        // link does not draw the preview again.
        const QPoint bodiless = LinkPoint(dialog, "本文なし");
        SendMouse(&dialog, QEvent::MouseMove, bodiless);
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(dialog.Reference().topic.key1, Cp("本文なし"));
        SendMouse(&dialog, QEvent::MouseMove, bodiless + QPoint(2, 0));
        QCOMPARE(notices.beeps, 1);
        SendMouse(&dialog, QEvent::MouseMove, LinkPoint(dialog, "夏"));
        SendMouse(&dialog, QEvent::MouseMove, bodiless);
        QCOMPARE(notices.beeps, 2);
        KeepPicture(&dialog, QStringLiteral("reader-contents"));

        QComboBox* second = Child<QComboBox>(dialog, 1005);
        emit second->activated(second->findText(QStringLiteral(u"ふゆ")));
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(Child<QComboBox>(dialog, 1001)->currentText(), QStringLiteral(u"冬"));

        emit second->activated(second->count() - 1);  // "*****"
        QCOMPARE(notices.beeps, 3);
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(dialog.History().Count(), 2);

        QComboBox* first = Child<QComboBox>(dialog, 1001);
        emit first->activated(first->findText(QStringLiteral(u"本文なし")));
        QCOMPARE(notices.beeps, 4);  // a topic without body
        QCOMPARE(dialog.MainPane()->ShownRows(), 0);
        QApplication::clipboard()->setText(u"kept"_s);
        QVERIFY(PressKey(Qt::Key_C, Qt::ControlModifier));  // nothing to copy: beep
        QCOMPARE(notices.beeps, 5);
        QCOMPARE(QApplication::clipboard()->text(), u"kept"_s);

        // Back and forward bring back the topic itself, one without a first key too.
        emit second->activated(second->findText(QStringLiteral(u"第一の鍵なし")));
        emit first->activated(first->findText(QStringLiteral(u"夏")));
        Click(&dialog, dialog.BackRect().center());
        QCOMPARE(dialog.Current().topic.key2, Cp("第一の鍵なし"));
        QCOMPARE(dialog.MainPane()->RowText(0), QStringLiteral(u"第一の鍵のない話題。"));
        Click(&dialog, dialog.ForwardRect().center());
        QCOMPARE(dialog.Current().topic.key1, Cp("夏"));
        QVERIFY(PressKey(Qt::Key_Escape));
        QVERIFY(!dialog.isVisible());
    }

    void pointingAtALinkPreviewsItAndClickingJumps() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "夏", "季節"));
        QCOMPARE(dialog.windowTitle(), u"簡易ヘルプ V1.03 - 季節"_s);
        QCOMPARE(dialog.MainPane()->RowLinks(0).size(), std::size_t(2));  // 春 and 秋, never 夏
        // Nothing to scroll: the arrow keys beep and never change the topic.
        QVERIFY(PressKey(Qt::Key_Down) && PressKey(Qt::Key_Up));
        QCOMPARE(notices.beeps, 2);
        QVERIFY(PressKey(Qt::Key_C, Qt::ControlModifier));
        QCOMPARE(QApplication::clipboard()->text(), u"夏の章。春に戻る。秋も見る。\n"_s);
        const QPoint spring = LinkPoint(dialog, "春");

        SendMouse(&dialog, QEvent::MouseMove, spring);
        QCOMPARE(Child<CKeyLabel>(dialog, 1010)->Text(), QStringLiteral(u"春"));
        QCOMPARE(Child<CKeyLabel>(dialog, 1013)->Text(), QStringLiteral(u"はる"));
        QCOMPARE(Child<CKeyLabel>(dialog, 1016)->Text(), QStringLiteral("spring"));
        KeepPicture(&dialog, QStringLiteral("reader-preview"));

        // Scrolling the preview; the next movement starts it at its top again.
        TurnWheel(&dialog, dialog.ReferencePane()->geometry().center(), -1);
        QCOMPARE(Child<QScrollBar>(dialog, 1025)->sliderPosition(), 2);
        QCOMPARE(dialog.ReferencePane()->RowText(0), QStringLiteral(u"春の行 3"));
        SendMouse(&dialog, QEvent::MouseMove, spring + QPoint(1, 0));
        QCOMPARE(dialog.ReferencePane()->RowText(0), QStringLiteral(u"春の章。夏へ続く。"));

        // A link to a topic without first key label shows "*****" for it.
        SendMouse(&dialog, QEvent::MouseMove, LinkPoint(dialog, "秋"));
        QCOMPARE(Child<CKeyLabel>(dialog, 1016)->Text(), QStringLiteral("*****"));

        Click(&dialog, spring);
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::Back));
        QCOMPARE(Child<CKeyLabel>(dialog, 1010)->Text(), QString());  // labels blanked by the jump
        QCOMPARE(notices.beeps, 2);

        Click(&dialog, QPoint(dialog.width() - 2, dialog.height() - 2));  // no link there
        QCOMPARE(notices.beeps, 3);
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));

        // The context menu copies the shown topic, as Ctrl+C does.
        QString chosen;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (QAction* copy = menu ? menu->actions().value(0) : nullptr) chosen = copy->text(), copy->trigger();
            if (menu) menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, spring, dialog.mapToGlobal(spring));
        QApplication::sendEvent(&dialog, &menuEvent);
        QCOMPARE(chosen, u"コピー(&C)"_s);
        QVERIFY(QApplication::clipboard()->text().startsWith(u"春の章。夏へ続く。\n春の行 2\n"_s));
    }

    // Keys, the wheel and the thumb scroll the text and beep past either end; back and
    // forward bring back a topic at its top line, and a new jump discards what was ahead.
    void scrollingBeepsAtEitherEndAndBackRestoresTheTopLine() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "春"));
        QScrollBar* bar = Child<QScrollBar>(dialog, 1019);
        QCOMPARE(QApplication::focusWidget(), bar);
        QVERIFY(PressKey(Qt::Key_Up));
        QCOMPARE(notices.beeps, 1);
        QVERIFY(PressKey(Qt::Key_PageDown) && PressKey(Qt::Key_End));  // they keep the position
        QVERIFY(PressKey(Qt::Key_Down));
        QCOMPARE(dialog.MainTopLine(), 1);

        // The wheel takes two line steps a notch (the system's setting here), over
        // the text and over its bar alike; the thumb shows the top line.
        TurnWheel(&dialog, dialog.MainPane()->geometry().center(), -1);
        QCOMPARE(dialog.MainTopLine(), 3);
        const QRect groove = Drawn(bar, QStyle::SC_ScrollBarGroove), thumb = Drawn(bar);
        const auto lineAt = [&groove](int line) { return groove.top() + groove.height() * line / 20; };
        QVERIFY(qAbs(thumb.top() - lineAt(3)) <= 1 && qAbs(thumb.bottom() + 1 - lineAt(18)) <= 1);  // lines 3 to 17 of 20
        TurnWheel(bar, bar->rect().center(), -2);
        QCOMPARE(notices.beeps, 3);
        QCOMPARE(bar->sliderPosition(), 5);
        QCOMPARE(dialog.MainPane()->RowText(14), QStringLiteral(u"春の行 20"));

        Click(&dialog, LinkPoint(dialog, "冬"));  // row 4 now shows "春の行 10 冬を見よ。"
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(dialog.MainTopLine(), 0);
        QVERIFY(PressKey(Qt::Key_Down));  // a short page: a beep, the same topic
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));

        Click(&dialog, dialog.BackRect().center());
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));
        QCOMPARE(bar->value(), 5);
        QCOMPARE(dialog.MainPane()->RowText(0), QStringLiteral(u"春の行 6"));
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::Forward));
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::BackUnavailable));
        bar->setSliderPosition(2);  // the thumb dragged and let go
        emit bar->sliderReleased();
        QCOMPARE(dialog.MainTopLine(), 2);

        QComboBox* box = Child<QComboBox>(dialog, 1001);
        emit box->activated(box->findText(QStringLiteral(u"夏")));
        QCOMPARE(dialog.Current().topic.key1, Cp("夏"));
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::ForwardUnavailable));
        Click(&dialog, dialog.ForwardRect().center());  // nothing ahead: beep
        QCOMPARE(notices.beeps, 5);
        QCOMPARE(dialog.Current().topic.key1, Cp("夏"));
        QVERIFY(PressKey(Qt::Key_Return));
        QVERIFY(!dialog.isVisible());
    }

    void failuresShowTheirMessageAndNoDialog() {
        const std::string none = TestTxtData("no-such.txt"), reader = TestTxtData("reader.txt");
        const auto notFound = [&reader](const std::string& key) {
            return "ファイル:" + reader + "に\n検索キーワード:" + key + "が\n見つかりません。";
        };
        // The document, the key, the message; a key that only a topic without first key
        // carries counts as missing too.
        const std::tuple<std::string, std::string, std::string> cases[] = {
            {none, "目次", none + "\nファイル を読み出し出来ません."},
            {reader, "ない鍵", notFound("ない鍵")},
            {reader, "第一の鍵なし", notFound("第一の鍵なし")}};
        for (const auto& [path, key, message] : cases) {
            RecordingNoticeSink notices;
            CReaderDialog dialog;
            dialog.SetPath(path);
            dialog.SetInitialKey(Cp(key.c_str()));
            QCOMPARE(dialog.DoModal(), -1);
            QCOMPARE(notices.messagesUtf8, std::vector<std::string>{message});
            QVERIFY(!dialog.isVisible());
        }
    }
};

QTEST_MAIN(TestReaderDialog)
#include "tst_ReaderDialog.moc"
