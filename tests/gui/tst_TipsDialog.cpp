// The one-point tips dialog: its buttons, the profile keys it reads and writes, and a
// missing tips file.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "../unit/RecordingNoticeSink.h"
#include "AppSession.h"
#include "HaikuTestSupport.h"
#include "reader/TipsDialog.h"

class TestTipsDialog : public QObject {
    Q_OBJECT

private:
    // A fresh working directory with an empty INI and, when wanted, the five test tips.
    struct Museum : TempMuseum {
        explicit Museum(bool withTips) {
            if (withTips)
                std::filesystem::copy_file(TestTxtData("onepoint.txt"), Path() + "/TxtData/onepoint.txt");
        }
        QString Dir() const { return QString::fromStdString(Path()); }
    };
    static void Press(CTipsDialog& dialog, int id) {
        dialog.findChild<QPushButton*>(QString::number(id))->click();
    }

private slots:
    // Wrapping at both ends is the tips reader's unit test; here the dialog's buttons.
    void previousButtonAndCheckBox() {
        RecordingNoticeSink notices;
        Museum museum(true);
        theProfile.SetOnePoint(9);  // beyond the last: the first
        CTipsDialog dialog;
        QVERIFY(dialog.OnInitDialog());
        QCOMPARE(Shown(dialog.Title()), u"1番目のヒント\n"_qs);
        Press(dialog, 1033);  // previous from the first: the last
        QCOMPARE(dialog.CurrentTip(), 5);
        QCOMPARE(Shown(dialog.Title()), u"5番目のヒント\n"_qs);
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("1003"));
        QVERIFY(box->isChecked());  // "onepointview" defaults to 1
        for (int after : {0, 1}) {
            box->click();
            QCOMPARE(theProfile.GetOnePointView(), after);
            QCOMPARE(box->isChecked(), after == 1);
        }
        QVERIFY(notices.messages.empty());
    }

    void greetsTheUserAtStartUpAndClosingSavesTheNextTip() {
        RecordingNoticeSink notices;
        Museum museum(true);
        WriteBytes(museum.Dir() + QStringLiteral("/tst_TipsDialog.INI"),
                   "[Settings]\r\nHaikuView=0\r\n");
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* tips = qobject_cast<CTipsDialog*>(QApplication::activeModalWidget());
            if (!tips) return;
            shown = Shown(tips->Title());
            Press(*tips, 1009);
            Press(*tips, 1015);
        });
        AppSession app(museum.Dir(), AppSession::Greeting::Show);
        QVERIFY(app.Started());
        QCOMPARE(shown, QStringLiteral(u"1番目のヒント\n"));
        QCOMPARE(theProfile.GetOnePoint(), 3);
        QVERIFY(notices.messages.empty());
        QVERIFY(app.Close());
    }

    void missingTipsFileShowsTheNoticeAndClosesTheDialog() {
        RecordingNoticeSink notices;
        Museum museum(false);
        theProfile.SetOnePoint(4);
        QCOMPARE(CTipsDialog().DoModal(), int(QDialog::Rejected));
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(notices.messagesUtf8[0]),
                 museum.Dir() + u"/TxtData/onepoint.txt\nファイル を読み出し出来ません."_qs);
        QCOMPARE(theProfile.GetOnePoint(), 0);  // the next opening shows the last tip
    }
};

QTEST_MAIN(TestTipsDialog)
#include "tst_TipsDialog.moc"
