// The greetings: the haiku card (fields, stepping, tab order, the stored haiku, an
// unreadable commentary, the command) and the one-point tips shown before it at start-up.
#include <QCheckBox>
#include <QPushButton>
#include <functional>

#include "../unit/RecordingNoticeSink.h"
#include "AppSession.h"
#include "HaikuTestSupport.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "platform/SpinButtonCtrl.h"
#include "reader/TipsDialog.h"

using namespace Qt::Literals::StringLiterals;

static QString Number(int shown) { return u"登録全句の番号 : "_s + QString::number(shown); }

// Drives the next card with act once it is the active window; a card left open is
// cancelled.
static void OnNextCard(std::function<void(CHaikuCardDlg*)> act) {
    QTimer::singleShot(0, [act] {
        auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
        QVERIFY(card && QTest::qWaitForWindowActive(card));
        act(card);
        if (card->isVisible()) card->reject();
    });
}

// Runs the card on the stored index (mode 0) and drives it with act.
static void RunStoredCard(int index, std::function<void(CHaikuCardDlg*)> act) {
    theProfile.SetHaikuNo(index);
    bool opened = false;
    OnNextCard([&opened, act](CHaikuCardDlg* card) { act(card), opened = true; });
    CHaikuCardDlg::RunWithStoredHaiku();
    QVERIFY2(opened, "the card opened");
}

class TestHaikuCard : public QObject {
    Q_OBJECT

private slots:
    void init() { m_museum = std::make_unique<TempMuseum>(); }
    void cleanup() { m_museum.reset(); }

    void showsEveryFieldStepsByItsArrowButtonsAndTabsInTheTemplatesOrder() {
        RecordingNoticeSink notices;
        const std::map<int, QString> fields = {
            {1006, Number(1)}, {1011, u"初めて句を留む"_s}, {1036, u"んまい あいう えお"_s},
            {1035, Shown(std::string(kBuiltinHaiku[0].line1) + " " + kBuiltinHaiku[0].line2 + " " +
                         kBuiltinHaiku[0].line3)},
            {1008, u"春"_s}, {1038, u"雪解け"_s}, {1037, u"明治 27年甲午(1894)(27才)"_s},
            {1014, u"「五百句」"_s},
            // Each 44-byte row of the file on its own line; 大 (bytes 43-44) stays whole
            // on the first row and nothing after it moves.
            {1039, u"山の雪が解けはじめ、千曲川の瀬音が1日ごとに大\nきくなる。\n耳で春を知る。"_s}};
        RunStoredCard(0, [&fields](CHaikuCardDlg* card) {
            for (const auto& [id, text] : fields) QCOMPARE(card->FieldText(id), text);
            auto* check = qobject_cast<QCheckBox*>(card->Control(1017));
            QVERIFY(check->isChecked());  // HaikuView unset: shown at start-up
            // The stored flag decides, whatever the box shows (the last click after a change).
            for (auto [stored, after] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{0, 1}}) {
                theProfile.SetHaikuView(stored);
                QTest::mouseClick(check, Qt::LeftButton);
                QCOMPARE(theProfile.GetHaikuView(), after);
                QCOMPARE(check->isChecked(), after != 0);
            }
            QWidget* spin = card->Spin();
            const int x = spin->width() / 2;
            QTest::mouseClick(spin->childAt(x, spin->height() * 3 / 4), Qt::LeftButton);
            QCOMPARE(card->FieldText(1006), Number(2));
            QCOMPARE(card->FieldText(1036), u"ぬぬぬぬ かきく けこ"_s);
            // The previous haiku's preface and interpretation are gone.
            QCOMPARE(card->FieldText(1011) + card->FieldText(1039), QString());
            QTest::mouseClick(spin->childAt(x, spin->height() / 4), Qt::LeftButton);
            QCOMPARE(card->FieldText(1006), Number(1));
            card->Control(1006)->setFocus(Qt::TabFocusReason);
            QStringList order;
            for (int i = 0; i < 10 && PressKey(Qt::Key_Tab); ++i)
                order << QApplication::focusWidget()->objectName();
            QCOMPARE(order.join(u' '), u"1011 1008 1038 1039 1037 1014 1017 1 1000 1006"_s);
        });
        QVERIFY(notices.messages.empty());
    }

    void arrowKeysStepFromTheFirstPressAndClosingStoresTheShownHaiku() {
        RecordingNoticeSink notices;
        // The control with the focus (1, OK, has it on opening), the stored index, the key,
        // the number shown after it, how the card then closes (OK, Esc, the close box). It
        // clamps at both ends; stored values outside the table show the nearest haiku.
        enum Way { Ok, Esc, Box };  // Box: the close box
        const int last = kBuiltinHaikuCount - 1;
        const std::tuple<int, int, Qt::Key, int, Way> cases[] = {
            {1, 10, Qt::Key_Down, 12, Ok},     {1, 10, Qt::Key_Up, 10, Esc},
            {1017, 10, Qt::Key_Up, 10, Box},   {1039, 10, Qt::Key_Down, 12, Esc},
            {1011, 10, Qt::Key_Down, 12, Ok},  {1000, 10, Qt::Key_Up, 10, Esc},
            {1, 0, Qt::Key_Up, 1, Esc},        {1, last, Qt::Key_Down, last + 1, Esc},
            {1, 99999, Qt::Key_Up, last, Box}, {1, -3, Qt::Key_Up, 1, Ok}};
        for (const auto& [focus, index, key, shown, way] : cases) {
            theProfile.SetHaikuMode(7);
            RunStoredCard(index, [&](CHaikuCardDlg* card) {
                if (focus != 1) card->Control(focus)->setFocus(Qt::TabFocusReason);
                QCOMPARE(QApplication::focusWidget(), card->Control(focus));
                QVERIFY(PressKey(key));
                QCOMPARE(card->FieldText(1006), Number(shown));
                QCOMPARE(QApplication::focusWidget(), card->Control(focus));
                if (way == Ok) QTest::mouseClick(card->Control(1), Qt::LeftButton);
                if (way == Esc) QVERIFY(PressKey(Qt::Key_Escape));
                if (way == Box) card->close();
                QVERIFY(!card->isVisible());
            });
            // Every way of closing stores the shown haiku, and the mode as 0.
            QCOMPARE(theProfile.GetHaikuNo(-1), shown - 1);
            QCOMPARE(theProfile.GetProfileInt("Settings", "HailuMode", -1), 0);
        }
        QVERIFY(notices.messages.empty());
    }

    void unreadableCommentaryIsReportedAtEveryShowing() {
        std::filesystem::remove(m_museum->Path() + "/TxtData/tavelo.txt");
        RecordingNoticeSink notices;
        RunStoredCard(0, [&notices](CHaikuCardDlg* card) {
            QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
            QVERIFY(ReportsUnreadable(notices.messagesUtf8[0], "tavelo.txt"));
            QCOMPARE(card->FieldText(1037), u"明治 27年甲午(1894)(27才)"_s);
            QCOMPARE(card->FieldText(1008), QString());
            QVERIFY(PressKey(Qt::Key_Up));  // clamped, but shown again
            QCOMPARE(notices.messagesUtf8.size(), std::size_t(2));
        });
    }

    // Start-up shows the tips (their buttons and check box; closing saves the next tip),
    // then the card on the stored haiku, as the command does afterwards.
    void startUpShowsTheTipsThenTheStoredHaiku() {
        RecordingNoticeSink notices;
        const std::string tipsFile = m_museum->Path() + "/TxtData/onepoint.txt";
        theProfile.SetOnePoint(4);  // no tips file yet: the notice and no dialog
        QCOMPARE(CTipsDialog().DoModal(), int(QDialog::Rejected));
        QCOMPARE(notices.messagesUtf8,
                 std::vector<std::string>{tipsFile + "\nファイル を読み出し出来ません."});
        QCOMPARE(theProfile.GetOnePoint(), 0);  // the next opening shows the last tip

        std::filesystem::copy_file(TestTxtData("onepoint.txt"), tipsFile);
        const QString dir = QString::fromStdString(m_museum->Path());
        WriteBytes(dir + u"/tst_haikucard.INI"_s, "[Settings]\r\nonepoint=9\r\nHaikuNo=2\r\n");
        QStringList tips;
        QString number;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CTipsDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            tips << Shown(dialog->Title());  // beyond the last: the first
            dialog->findChild<QPushButton*>(u"1033"_s)->click();  // previous: the last
            tips << Shown(dialog->Title());
            auto* box = dialog->findChild<QCheckBox*>(u"1003"_s);
            QVERIFY(box->isChecked());  // "onepointview" defaults to 1
            for (int after : {0, 1}) {
                box->click();
                QCOMPARE(theProfile.GetOnePointView(), after);
                QCOMPARE(box->isChecked(), after == 1);
            }
            dialog->findChild<QPushButton*>(u"1009"_s)->click();  // next: the first
            OnNextCard([&number](CHaikuCardDlg* card) {
                number = card->FieldText(1006);
                QVERIFY(PressKey(Qt::Key_Down));
            });
            dialog->findChild<QPushButton*>(u"1015"_s)->click();  // close
        });
        AppSession app(dir, AppSession::Greeting::Show);
        QVERIFY(app.Started());
        QCOMPARE(tips, QStringList({u"1番目のヒント\n"_s, u"5番目のヒント\n"_s}));
        QCOMPARE(theProfile.GetOnePoint(), 2);
        QCOMPARE(number, Number(3));
        OnNextCard([&number](CHaikuCardDlg* card) { number = card->FieldText(1006); });
        QVERIFY(app.Frame()->RouteCommand(ID_TAVELO_HAIKU));
        QCOMPARE(number, Number(4));
        QCOMPARE(theProfile.GetHaikuNo(-1), 3);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QVERIFY(app.Close());
    }

private:
    std::unique_ptr<TempMuseum> m_museum;
};

QTEST_MAIN(TestHaikuCard)
#include "tst_haikucard.moc"
