// The one-point tips dialog: stepping through five tips with wrap-around, the
// profile keys it reads and writes, and a missing tips file.
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "../unit/RecordingNoticeSink.h"
#include "AppSession.h"
#include "ReaderTestSupport.h"
#include "app/ProfileStore.h"
#include "reader/TipsDialog.h"

class TestTipsDialog : public QObject {
    Q_OBJECT

private:
    // A fresh working directory with an empty INI and, when wanted, the five test tips.
    struct Museum {
        QTemporaryDir dir;
        explicit Museum(bool withTips) {
            theProfile.SetupProfile(dir.path().toStdString(), "quillary");
            if (withTips) {
                QDir(dir.path()).mkpath(QStringLiteral("TxtData"));
                QFile::copy(QString::fromStdString(TestTxtData("onepoint.txt")),
                            dir.path() + QStringLiteral("/TxtData/onepoint.txt"));
            }
        }
    };
    static void Press(CTipsDialog& dialog, int id) {
        dialog.findChild<QPushButton*>(QString::number(id))->click();
    }

private slots:
    void stepsThroughTheTipsAndWrapsAround() {
        RecordingNoticeSink notices;
        Museum museum(true);
        for (int saved : {1, 9}) {  // a saved tip beyond the last starts at the first
            theProfile.SetOnePoint(saved);
            CTipsDialog dialog;
            QVERIFY(dialog.OnInitDialog());
            QCOMPARE(dialog.CurrentTip(), 1);
            QCOMPARE(Shown(dialog.Title()), QStringLiteral(u"1番目のヒント\n"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral(u"『Tavelo』博物館 V1.02 - ワンポイント"));
            Press(dialog, 1033);  // previous from the first: the last
            QCOMPARE(dialog.CurrentTip(), 5);
            QCOMPARE(Shown(dialog.Title()), QStringLiteral(u"5番目のヒント\n"));
            Press(dialog, 1009);  // next from the last: the first
            Press(dialog, 1009);
            Press(dialog, 1009);
            QCOMPARE(dialog.CurrentTip(), 3);
        }
        QVERIFY(notices.messages.empty());
    }

    void paintsTheTwoBoxesWherePlacedAndTheCheckBoxFlipsTheFlag() {
        RecordingNoticeSink notices;
        Museum museum(true);
        CTipsDialog dialog;
        QVERIFY(dialog.OnInitDialog());
        QCOMPARE(dialog.TitleBox(), QRect(QPoint(87, 11), QPoint(dialog.width() - 11, 61)));
        QCOMPARE(dialog.BodyBox().top(), 60);
        QVERIFY(dialog.BodyBox().bottom() > dialog.BodyBox().top() + 13);
        QImage picture = dialog.grab().toImage();
        QCOMPARE(picture.pixelColor(90, 15), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(87, 30), QColor(Qt::black));
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("1003"));
        QVERIFY(box->isChecked());  // "onepointview" defaults to 1
        for (int after : {0, 1}) {
            box->click();
            QCOMPARE(theProfile.GetOnePointView(), after);
            QCOMPARE(box->isChecked(), after == 1);
        }
    }

    void greetsTheUserAtStartUpAndClosingSavesTheNextTip() {
        RecordingNoticeSink notices;
        Museum museum(true);
        WriteBytes(museum.dir.path() + QStringLiteral("/tst_TipsDialog.INI"),
                   "[Settings]\r\nHaikuView=0\r\n");
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* tips = qobject_cast<CTipsDialog*>(QApplication::activeModalWidget());
            if (!tips) return;
            shown = Shown(tips->Title());
            Press(*tips, 1009);
            Press(*tips, 1015);
        });
        AppSession app(museum.dir.path(), AppSession::Greeting::Show);
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
        {
            CTipsDialog dialog;
            QCOMPARE(dialog.DoModal(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(notices.messagesUtf8[0]),
                 museum.dir.path() + QStringLiteral(u"/TxtData/onepoint.txt\nファイル を読み出し出来ません."));
        QCOMPARE(theProfile.GetOnePoint(), 0);  // the next opening shows the last tip
    }
};

QTEST_MAIN(TestTipsDialog)
#include "tst_TipsDialog.moc"
