// The reader dialog on a test document: opening, links, preview, history,
// key boxes, scrolling and the failures that keep it closed.
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "../unit/RecordingNoticeSink.h"
#include "ReaderTestSupport.h"
#include "reader/ArrowImages.h"
#include "reader/KeyLabel.h"
#include "reader/ReaderDialog.h"
#include "reader/TextPane.h"

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
        return true;
    }
    static QComboBox* Box(CReaderDialog& dialog, int id) {
        return dialog.findChild<QComboBox*>(QString::number(id));
    }
    static QString LabelText(CReaderDialog& dialog, int id) {
        return dialog.findChild<CKeyLabel*>(QString::number(id))->Text();
    }
    static QScrollBar* Bar(CReaderDialog& dialog, int id) {
        return dialog.findChild<QScrollBar*>(QString::number(id));
    }
    static bool ShowsImage(CReaderDialog& dialog, int id, ArrowImage image) {
        return dialog.findChild<QLabel*>(QString::number(id))->pixmap().toImage() ==
               MakeArrowImage(image).toImage();
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
    void opensAtTheInitialKeyWithCaptionAndKeyBoxes() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "目次", "目次"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral(u"簡易ヘルプ V1.03 - 目次"));
        QCOMPARE(dialog.Current().topic.key1, Cp("目次"));
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::BackUnavailable));
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::ForwardUnavailable));
        QCOMPARE(Box(dialog, 1001)->currentText(), QStringLiteral(u"目次"));
        QCOMPARE(Box(dialog, 1005)->currentText(), QStringLiteral(u"もくじ"));
        QCOMPARE(Box(dialog, 1007)->currentText(), QStringLiteral("*****"));
        QCOMPARE(Box(dialog, 1001)->count(), 7);  // six first keys and "*****"
        QCOMPARE(Box(dialog, 1001)->itemText(0), QStringLiteral(u"夏"));
        // The generated index in two columns, every key a link.
        QCOMPARE(dialog.MainPane()->RowText(1), QStringLiteral(u"夏") + QString(38, u' ') + QStringLiteral(u"秋"));
        QCOMPARE(dialog.MainPane()->RowLinks(1).size(), std::size_t(2));
        QVERIFY(!Bar(dialog, 1019)->isEnabled());
        QVERIFY(notices.messages.empty());

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
    }

    void pointingAtALinkPreviewsItAndClickingJumps() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "夏", "季節"));
        CTextPane* pane = dialog.MainPane();
        QCOMPARE(pane->RowLinks(0).size(), std::size_t(2));  // 春 and 秋, never 夏 itself
        const QPoint spring = LinkPoint(dialog, "春");
        QVERIFY(spring.x() > 0);

        SendMouse(&dialog, QEvent::MouseMove, spring);
        QCOMPARE(dialog.Reference().topic.key1, Cp("春"));
        QCOMPARE(LabelText(dialog, 1010), QStringLiteral(u"春"));
        QCOMPARE(LabelText(dialog, 1013), QStringLiteral(u"はる"));
        QCOMPARE(LabelText(dialog, 1016), QStringLiteral("spring"));
        QCOMPARE(dialog.ReferencePane()->ShownRows(), CReaderDialog::kReferenceRows);
        QVERIFY(Bar(dialog, 1025)->isEnabled());
        KeepPicture(&dialog, QStringLiteral("reader-preview"));

        // Scrolling the preview; the next movement starts it at its top again.
        Bar(dialog, 1025)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog.ReferenceTopLine(), 1);
        QCOMPARE(dialog.ReferencePane()->RowText(0), QStringLiteral(u"春の行 2"));
        SendMouse(&dialog, QEvent::MouseMove, spring + QPoint(1, 0));
        QCOMPARE(dialog.ReferencePane()->RowText(0), QStringLiteral(u"春の章。夏へ続く。"));

        // A link to a topic without first key label shows "*****" for it.
        SendMouse(&dialog, QEvent::MouseMove, LinkPoint(dialog, "秋"));
        QCOMPARE(LabelText(dialog, 1016), QStringLiteral("*****"));
        QCOMPARE(dialog.ReferenceTopLine(), 0);

        Click(&dialog, spring);
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));
        QCOMPARE(dialog.History().Count(), 2);
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::Back));
        QCOMPARE(LabelText(dialog, 1010), QString());  // labels blanked by the jump
        QCOMPARE(notices.beeps, 0);

        Click(&dialog, QPoint(dialog.width() - 2, dialog.height() - 2));  // no link there
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));
    }

    void backAndForwardRestoreTopLinesAndANewJumpDiscardsForward() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "春"));
        QScrollBar* bar = Bar(dialog, 1019);
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->maximum(), 20 - 15);
        for (int i = 0; i < 5; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog.MainTopLine(), 5);

        Click(&dialog, LinkPoint(dialog, "冬"));  // row 4 now shows "春の行 10 冬を見よ。"
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(dialog.MainTopLine(), 0);

        Click(&dialog, dialog.BackRect().center());
        QCOMPARE(dialog.Current().topic.key1, Cp("春"));
        QCOMPARE(dialog.MainTopLine(), 5);
        QCOMPARE(bar->value(), 5);
        QCOMPARE(dialog.MainPane()->RowText(0), QStringLiteral(u"春の行 6"));
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::Forward));
        QVERIFY(ShowsImage(dialog, 1026, ArrowImage::BackUnavailable));

        Click(&dialog, dialog.ForwardRect().center());
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        Click(&dialog, dialog.BackRect().center());
        QCOMPARE(dialog.MainTopLine(), 5);

        QComboBox* box = Box(dialog, 1001);
        emit box->activated(box->findText(QStringLiteral(u"夏")));
        QCOMPARE(dialog.Current().topic.key1, Cp("夏"));
        QCOMPARE(dialog.History().Count(), 2);
        QVERIFY(!dialog.History().CanGoForward());
        QVERIFY(ShowsImage(dialog, 1030, ArrowImage::ForwardUnavailable));
        Click(&dialog, dialog.ForwardRect().center());  // nothing ahead: beep
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(dialog.Current().topic.key1, Cp("夏"));
    }

    void keyBoxesJumpByKeyAndStarsBeep() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "目次"));
        QComboBox* second = Box(dialog, 1005);
        emit second->activated(second->findText(QStringLiteral(u"ふゆ")));
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(Box(dialog, 1001)->currentText(), QStringLiteral(u"冬"));
        QCOMPARE(Box(dialog, 1007)->currentText(), QStringLiteral("*****"));

        emit second->activated(second->count() - 1);  // "*****"
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(dialog.Current().topic.key1, Cp("冬"));
        QCOMPARE(dialog.History().Count(), 2);

        QComboBox* first = Box(dialog, 1001);
        emit first->activated(first->findText(QStringLiteral(u"本文なし")));
        QCOMPARE(notices.beeps, 2);  // a topic without body
        QCOMPARE(dialog.Current().BodyCount(), 0);
        QCOMPARE(dialog.MainPane()->ShownRows(), 0);
        QVERIFY(!Bar(dialog, 1019)->isEnabled());
    }

    void scrollingPastEitherEndBeeps() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "春"));
        QScrollBar* bar = Bar(dialog, 1019);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(notices.beeps, 1);
        QCOMPARE(dialog.MainTopLine(), 0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // pages keep the position
        QCOMPARE(dialog.MainTopLine(), 0);
        QCOMPARE(bar->value(), 0);

        QVERIFY(bar->hasFocus() || !dialog.isActiveWindow());
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(dialog.MainTopLine(), 1);
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(dialog.MainTopLine(), 0);

        bar->setSliderPosition(5);
        emit bar->sliderReleased();
        QCOMPARE(dialog.MainTopLine(), 5);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(notices.beeps, 2);
        QCOMPARE(dialog.MainTopLine(), 5);
        QCOMPARE(bar->value(), 5);
        QCOMPARE(dialog.MainPane()->RowText(14), QStringLiteral(u"春の行 20"));
    }

    void emptyInitialKeyOpensAtTheFirstTopicWithAnEmptyKey() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, ""));
        QCOMPARE(dialog.windowTitle(), QStringLiteral(u"簡易ヘルプ V1.03"));
        QCOMPARE(dialog.Current().topic.key1, Cp("目次"));  // its third key is empty
        QVERIFY(notices.messages.empty());
    }

    void enterAndEscapeClose() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        QVERIFY(Open(dialog, "夏"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        CReaderDialog second;
        QVERIFY(Open(second, "夏"));
        QTest::keyClick(&second, Qt::Key_Escape);
        QVERIFY(!second.isVisible());
    }

    void unreadableFileShowsTheNoticeAndNoDialog() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        const std::string path = TestTxtData("no-such-document.txt");
        dialog.SetPath(path);
        dialog.SetTitle(Cp("目次"));
        dialog.SetInitialKey(Cp("目次"));
        QCOMPARE(dialog.DoModal(), -1);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(notices.messagesUtf8[0]),
                 QString::fromStdString(path) + QStringLiteral(u"\nファイル を読み出し出来ません."));
        QVERIFY(!dialog.isVisible());
    }

    void missingInitialKeyShowsTheMessageAndNoDialog() {
        RecordingNoticeSink notices;
        CReaderDialog dialog;
        dialog.SetPath(TestTxtData("reader.txt"));
        dialog.SetInitialKey(Cp("ない鍵"));
        QCOMPARE(dialog.DoModal(), -1);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(notices.messagesUtf8[0]),
                 QStringLiteral(u"ファイル:") + QString::fromStdString(TestTxtData("reader.txt")) +
                     QStringLiteral(u"に\n検索キーワード:ない鍵が\n見つかりません。"));
        // A key that only a topic without first key carries counts as missing too.
        CReaderDialog second;
        second.SetPath(TestTxtData("reader.txt"));
        second.SetInitialKey(Cp("第一の鍵なし"));
        QVERIFY(!second.Create());
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(2));
    }
};

QTEST_MAIN(TestReaderDialog)
#include "tst_ReaderDialog.moc"
