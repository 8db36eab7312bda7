// The haiku card: its fields, stepping with clamping, the stored index and mode on
// every way of closing, the start-up check box, and an unreadable commentary file.
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

// Runs the card on the stored mode and index; act drives it once it is shown.
void RunStoredCard(std::function<void(CHaikuCardDlg*)> act) {
    bool acted = false;
    QTimer::singleShot(0, [&acted, act] {
        auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
        QVERIFY(card);
        acted = true;
        act(card);
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
        card.SetDisplayMode(0);
        card.SetHaikuIndex(0);
        card.OnInitDialog();
        QCOMPARE(card.windowTitle(), u"Taveloの俳句"_s);
        QCOMPARE(card.FieldText(1006), u"登録全句の番号 : 1"_s);
        QCOMPARE(card.FieldText(1011), u"初めて句を留む"_s);
        QCOMPARE(card.FieldText(1035), Shown(std::string(kBuiltinHaiku[0].line1) + " " +
                                             kBuiltinHaiku[0].line2 + " " + kBuiltinHaiku[0].line3));
        QCOMPARE(card.FieldText(1036), u"んまい あいう えお"_s);
        QCOMPARE(card.FieldText(1008), u"春"_s);
        QCOMPARE(card.FieldText(1038), u"雪解け"_s);
        QCOMPARE(card.FieldText(1039), u"山の雪が解けはじめ、\n千曲川の瀬の音が大きくなる。"_s);
        QCOMPARE(card.FieldText(1037), u"明治 27年甲午(1894)(27才)"_s);
        QCOMPARE(card.FieldText(1014), u"「五百句」"_s);
        QVERIFY(notices.messages.empty());

        // The fixed-pitch 12-pixel font on the text fields; the year line, the source
        // and the number line keep the dialog font.
        const QFont text = MakeFontWithHeight(SharedFontDescription(), 12);
        for (int id : {1035, 1036, 1011, 1008, 1038, 1039}) {
            QCOMPARE(card.Control(id)->font().family(), text.family());
            QCOMPARE(card.Control(id)->font().pixelSize(), 12);
        }
        for (int id : {1037, 1014, 1006}) QCOMPARE(card.Control(id)->font(), card.font());
        QVERIFY(card.Control(1002)->isHidden());
        QVERIFY(card.Control(1020)->isHidden());
        for (int id : {1006, 1011, 1035, 1036, 1008, 1038, 1037, 1014}) {
            QVERIFY(qobject_cast<QLineEdit*>(card.Control(id))->isReadOnly());
        }
        QVERIFY(qobject_cast<QPlainTextEdit*>(card.Control(1039))->isReadOnly());
    }

    void stepsClampAtBothEnds() {
        RecordingNoticeSink notices;
        CHaikuCardDlg card;
        card.SetHaikuIndex(0);
        card.OnInitDialog();
        card.Spin()->StepUp();  // up: the previous haiku, none before the first
        QCOMPARE(card.GetHaikuIndex(), 0);
        QCOMPARE(card.FieldText(1006), u"登録全句の番号 : 1"_s);
        card.Spin()->StepDown();
        QCOMPARE(card.GetHaikuIndex(), 1);
        QCOMPARE(card.FieldText(1036), u"ぬぬぬぬ かきく けこ"_s);
        QCOMPARE(card.FieldText(1011), QString());  // fields of the previous haiku are gone
        QCOMPARE(card.FieldText(1039), QString());
        QTest::keyClick(&card, Qt::Key_Down);
        QCOMPARE(card.GetHaikuIndex(), 2);
        QTest::keyClick(&card, Qt::Key_Up);
        QCOMPARE(card.GetHaikuIndex(), 1);

        const int last = kBuiltinHaikuCount - 1;
        CHaikuCardDlg end;
        end.SetHaikuIndex(last);
        end.OnInitDialog();
        end.Spin()->StepDown();
        QCOMPARE(end.GetHaikuIndex(), last);
        QCOMPARE(end.FieldText(1006), u"登録全句の番号 : "_s + QString::number(kBuiltinHaikuCount));
        QCOMPARE(end.FieldText(1036), u"  "_s);  // no section: empty reading parts
        QVERIFY(notices.messages.empty());
    }

    void everyWayOfClosingStoresTheShownHaiku() {
        theProfile.SetHaikuNo(4);
        RunStoredCard([](CHaikuCardDlg* card) {
            QCOMPARE(card->GetHaikuIndex(), 4);
            card->Spin()->StepDown();
            QTest::mouseClick(qobject_cast<QWidget*>(card->Control(1)), Qt::LeftButton);
        });
        QCOMPARE(theProfile.GetHaikuNo(-1), 5);
        QCOMPARE(theProfile.GetHaikuMode(-1), 0);
        QCOMPARE(theProfile.GetProfileInt("Settings", "HailuMode", -1), 0);

        RunStoredCard([](CHaikuCardDlg* card) {
            QCOMPARE(card->GetHaikuIndex(), 5);
            card->Spin()->StepUp();
            card->Spin()->StepUp();
            QTest::keyClick(card, Qt::Key_Escape);
        });
        QCOMPARE(theProfile.GetHaikuNo(-1), 3);

        RunStoredCard([](CHaikuCardDlg* card) {
            card->Spin()->StepUp();
            card->close();  // the close box
        });
        QCOMPARE(theProfile.GetHaikuNo(-1), 2);
    }

    void storedValuesOutsideTheTableShowTheNearestHaiku() {
        theProfile.SetHaikuNo(100000);
        theProfile.SetHaikuMode(7);
        QString number;
        RunStoredCard([&number](CHaikuCardDlg* card) {
            number = card->FieldText(1006);
            card->accept();
        });
        QCOMPARE(number, u"登録全句の番号 : "_s + QString::number(kBuiltinHaikuCount));
        QCOMPARE(theProfile.GetHaikuNo(-1), kBuiltinHaikuCount - 1);
        QCOMPARE(theProfile.GetHaikuMode(-1), 0);

        theProfile.SetHaikuNo(-3);
        RunStoredCard([&number](CHaikuCardDlg* card) {
            number = card->FieldText(1006);
            card->accept();
        });
        QCOMPARE(number, u"登録全句の番号 : 1"_s);
        QCOMPARE(theProfile.GetHaikuNo(-1), 0);
    }

    void checkBoxFlipsTheStoredFlag() {
        CHaikuCardDlg card;
        card.OnInitDialog();
        auto* check = qobject_cast<QCheckBox*>(card.Control(1017));
        QVERIFY(check->isChecked());  // no INI: shown at start-up
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(theProfile.GetHaikuView(), 0);
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(theProfile.GetHaikuView(), 1);
        QVERIFY(check->isChecked());

        // The stored flag decides, whatever the box shows.
        theProfile.SetHaikuView(0);
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(theProfile.GetHaikuView(), 1);
        QVERIFY(check->isChecked());
    }

    void unreadableCommentaryIsReportedAtEveryShowing() {
        m_museum->RemoveTxtData("tavelo.txt");
        RecordingNoticeSink notices;
        CHaikuCardDlg card;
        card.OnInitDialog();
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(notices.messagesUtf8[0])
                    .endsWith(u"tavelo.txt\nファイル を読み出し出来ません."_s));
        QCOMPARE(card.FieldText(1035), Shown(std::string(kBuiltinHaiku[0].line1) + " " +
                                             kBuiltinHaiku[0].line2 + " " + kBuiltinHaiku[0].line3));
        QCOMPARE(card.FieldText(1037), u"明治 27年甲午(1894)(27才)"_s);
        QCOMPARE(card.FieldText(1008), QString());
        card.Spin()->StepUp();  // clamped, but shown again
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(2));
    }

private:
    std::unique_ptr<TempMuseum> m_museum;
};

QTEST_MAIN(TestHaikuCard)
#include "tst_haikucard.moc"
