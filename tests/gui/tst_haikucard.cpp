// The haiku card: its fields, stepping by keys and arrows with clamping, the tab
// order, the stored index and mode on every way of closing, the start-up check box,
// and an unreadable commentary file.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "haiku/BuiltinHaiku.h"
#include "haiku/HaikuCardDlg.h"
#include "platform/Fonts.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString Number(int shown) { return u"登録全句の番号 : "_s + QString::number(shown); }

// Runs the card on the stored index (and mode 0); act drives it once it is the active window.
void RunStoredCard(int index, std::function<void(CHaikuCardDlg*)> act) {
    theProfile.SetHaikuNo(index);
    bool acted = false;
    QTimer::singleShot(0, [&acted, act] {
        auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
        QVERIFY(card);
        QVERIFY(QTest::qWaitForWindowActive(card));
        acted = true;
        act(card);
        if (card->isVisible()) card->reject();
    });
    CHaikuCardDlg::RunWithStoredHaiku();
    QVERIFY(acted);
}

}  // namespace

class TestHaikuCard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_museum = std::make_unique<TempMuseum>();
        m_museum->WriteTxtData("tavelo.txt", kTestCommentary);
    }
    void cleanup() { m_museum.reset(); }

    void showsEveryFieldOfTheFirstHaiku() {
        RecordingNoticeSink notices;
        CHaikuCardDlg card;
        card.OnInitDialog();
        QCOMPARE(card.windowTitle(), u"Taveloの俳句"_s);
        const std::map<int, QString> fields = {
            {1006, Number(1)}, {1011, u"初めて句を留む"_s}, {1036, u"んまい あいう えお"_s},
            {1035, Shown(std::string(kBuiltinHaiku[0].line1) + " " + kBuiltinHaiku[0].line2 + " " +
                         kBuiltinHaiku[0].line3)},
            {1008, u"春"_s}, {1038, u"雪解け"_s}, {1037, u"明治 27年甲午(1894)(27才)"_s},
            {1014, u"「五百句」"_s},
            // Each 44-byte row of the file on its own line; 大 (bytes 43-44) stays whole
            // on the first row and nothing after it moves.
            {1039, u"山の雪が解けはじめ、千曲川の瀬音が1日ごとに大\nきくなる。\n耳で春を知る。"_s}};
        for (const auto& [id, text] : fields) {
            QCOMPARE(card.FieldText(id), text);
            QVERIFY(card.Control(id)->property("readOnly").toBool());
        }
        QVERIFY(notices.messages.empty());
        // The fixed-pitch 12-pixel font on the text fields; the year line, the source
        // and the number line keep the dialog font.
        for (int id : {1035, 1036, 1011, 1008, 1038, 1039}) {
            QCOMPARE(card.Control(id)->font().family(), MakeFontWithHeight(SharedFontDescription(), 12).family());
            QCOMPARE(card.Control(id)->font().pixelSize(), 12);
        }
        for (int id : {1037, 1014, 1006}) QCOMPARE(card.Control(id)->font(), card.font());
        QVERIFY(card.Control(1002)->isHidden() && card.Control(1020)->isHidden());
    }

    void arrowKeysStepFromTheFirstPressWhereverTheFocusIs_data() {
        QTest::addColumn<int>("focus");  // control id; 1 (OK) has the focus on opening
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shown");
        const int last = kBuiltinHaikuCount - 1;
        QTest::newRow("OK, Down") << 1 << 10 << int(Qt::Key_Down) << 12;
        QTest::newRow("OK, Up") << 1 << 10 << int(Qt::Key_Up) << 10;
        QTest::newRow("check box, Up") << 1017 << 10 << int(Qt::Key_Up) << 10;
        QTest::newRow("interpretation, Down") << 1039 << 10 << int(Qt::Key_Down) << 12;
        QTest::newRow("preface, Down") << 1011 << 10 << int(Qt::Key_Down) << 12;
        QTest::newRow("up-down, Up") << 1000 << 10 << int(Qt::Key_Up) << 10;
        QTest::newRow("first, Up stays") << 1 << 0 << int(Qt::Key_Up) << 1;
        QTest::newRow("last, Down stays") << 1 << last << int(Qt::Key_Down) << last + 1;
    }
    void arrowKeysStepFromTheFirstPressWhereverTheFocusIs() {
        QFETCH(int, focus);
        QFETCH(int, index);
        QFETCH(int, key);
        QFETCH(int, shown);
        RecordingNoticeSink notices;
        RunStoredCard(index, [=](CHaikuCardDlg* card) {
            QCOMPARE(card->FieldText(1006), Number(index + 1));
            if (focus != 1) card->Control(focus)->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), card->Control(focus));
            QVERIFY(PressKey(Qt::Key(key)));
            QCOMPARE(card->FieldText(1006), Number(shown));
            QCOMPARE(QApplication::focusWidget(), card->Control(focus));
            QVERIFY(PressKey(Qt::Key(key == Qt::Key_Up ? Qt::Key_Down : Qt::Key_Up)));
            QCOMPARE(card->FieldText(1006), Number(std::clamp(shown + (key == Qt::Key_Up ? 1 : -1), 1, kBuiltinHaikuCount)));
        });
        QVERIFY(notices.messages.empty());
    }

    void arrowButtonsStepAndTheFieldsFollow() {
        RunStoredCard(0, [](CHaikuCardDlg* card) {
            QWidget* spin = card->Spin();
            QTest::mouseClick(spin->childAt(spin->width() / 2, spin->height() * 3 / 4), Qt::LeftButton);
            QCOMPARE(card->FieldText(1006), Number(2));
            QCOMPARE(card->FieldText(1036), u"ぬぬぬぬ かきく けこ"_s);
            QCOMPARE(card->FieldText(1011), QString());  // fields of the previous haiku are gone
            QCOMPARE(card->FieldText(1039), QString());
            QTest::mouseClick(spin->childAt(spin->width() / 2, spin->height() / 4), Qt::LeftButton);
            QCOMPARE(card->FieldText(1006), Number(1));
        });
    }

    void tabFollowsTheTemplatesControlOrder() {
        RunStoredCard(0, [](CHaikuCardDlg* card) {
            card->Control(1006)->setFocus(Qt::TabFocusReason);
            QStringList order;
            for (int i = 0; i < 10; ++i) {
                QVERIFY(PressKey(Qt::Key_Tab));
                order << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(order, (QStringList{u"1011"_s, u"1008"_s, u"1038"_s, u"1039"_s, u"1037"_s, u"1014"_s,
                                         u"1017"_s, u"1"_s, u"1000"_s, u"1006"_s}));
        });
    }

    void everyWayOfClosingStoresTheShownHaiku_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("OK") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyWayOfClosingStoresTheShownHaiku() {
        QFETCH(int, way);
        RunStoredCard(4, [way](CHaikuCardDlg* card) {
            QVERIFY(PressKey(Qt::Key_Down));
            if (way == 0) QTest::mouseClick(card->Control(1), Qt::LeftButton);
            if (way == 1) QVERIFY(PressKey(Qt::Key_Escape));
            if (way == 2) card->close();
            QVERIFY(!card->isVisible());
        });
        QCOMPARE(theProfile.GetHaikuNo(-1), 5);
        QCOMPARE(theProfile.GetProfileInt("Settings", "HailuMode", -1), 0);
    }

    void storedValuesOutsideTheTableShowTheNearestHaiku() {
        theProfile.SetHaikuMode(7);
        for (auto [stored, nearest] : {std::pair{100000, kBuiltinHaikuCount - 1}, std::pair{-3, 0}}) {
            RunStoredCard(stored, [nearest](CHaikuCardDlg* card) {
                QCOMPARE(card->FieldText(1006), Number(nearest + 1));
            });
            QCOMPARE(theProfile.GetHaikuNo(-1), nearest);
            QCOMPARE(theProfile.GetHaikuMode(-1), 0);
        }
    }

    void checkBoxFlipsTheStoredFlag() {
        CHaikuCardDlg card;
        card.OnInitDialog();
        auto* check = qobject_cast<QCheckBox*>(card.Control(1017));
        QVERIFY(check->isChecked());  // no INI: shown at start-up
        // The stored flag decides, whatever the box shows (the last click after a change).
        for (auto [stored, after] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{0, 1}}) {
            theProfile.SetHaikuView(stored);
            QTest::mouseClick(check, Qt::LeftButton);
            QCOMPARE(theProfile.GetHaikuView(), after);
            QCOMPARE(check->isChecked(), after != 0);
        }
    }

    void unreadableCommentaryIsReportedAtEveryShowing() {
        m_museum->RemoveTxtData("tavelo.txt");
        RecordingNoticeSink notices;
        RunStoredCard(0, [&notices](CHaikuCardDlg* card) {
            QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
            QVERIFY(QString::fromStdString(notices.messagesUtf8[0])
                        .endsWith(u"tavelo.txt\nファイル を読み出し出来ません."_s));
            QCOMPARE(card->FieldText(1035).split(u' ').size(), 3);
            QCOMPARE(card->FieldText(1037), u"明治 27年甲午(1894)(27才)"_s);
            QCOMPARE(card->FieldText(1008), QString());
            QVERIFY(PressKey(Qt::Key_Up));  // clamped, but shown again
            QCOMPARE(notices.messagesUtf8.size(), std::size_t(2));
        });
    }

private:
    std::unique_ptr<TempMuseum> m_museum;
};

QTEST_MAIN(TestHaikuCard)
#include "tst_haikucard.moc"
