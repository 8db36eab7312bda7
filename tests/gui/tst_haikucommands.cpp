// The haiku hall's three commands on the real main frame, and the card at start-up.
#include <QDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/MainFrame.h"
#include "app/QuillaryApp.h"
#include "app/Resource.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/KigoListView.h"
#include "platform/Document.h"
#include "platform/SpinButtonCtrl.h"

using namespace Qt::Literals::StringLiterals;

class TestHaikuCommands : public QObject {
    Q_OBJECT

private slots:
    void commandsOpenTheHallsAndTheCardFollowsTheProfile() {
        RecordingNoticeSink notices;
        TempMuseum museum;
        museum.WriteTxtData("tavelo.txt", kTestCommentary);
        museum.WriteTxtData("kigo.txt", "[*]\nk1:蚕\nk2:かいこ\nk3:春\nd:かいこ。\n");
        {
            std::ofstream ini(museum.Path() + "/" + program_invocation_short_name + ".INI");
            ini << "[Settings]\nonepointview=0\nHaikuView=1\nHaikuNo=2\n";
        }
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QString::fromStdString(museum.Path())));

        // Start-up runs the card on the stored haiku after the main window is shown.
        QString number;
        QTimer::singleShot(0, [&number] {
            auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
            QVERIFY(card);
            number = card->FieldText(1006);
            card->accept();
        });
        QVERIFY(theApp.InitInstance());
        QCOMPARE(number, u"登録全句の番号 : 3"_s);
        auto* frame = static_cast<CMainFrame*>(theApp.GetMainWnd());
        QVERIFY(frame && frame->isVisible());

        QVERIFY(frame->RouteCommand(ID_ALL_HAIKU));
        QTRY_VERIFY(qobject_cast<CHaikuListView*>(frame->GetActiveView()));
        QCOMPARE(frame->GetActiveDocument()->GetTitle(), u"登録全句"_s);
        CCmdUI search(ID_SEARCH);
        QVERIFY(frame->UpdateCommand(search));

        QVERIFY(frame->RouteCommand(ID_KIGO_LIST));
        QTRY_VERIFY(qobject_cast<CKigoListView*>(frame->GetActiveView()));
        QCOMPARE(frame->GetActiveDocument()->GetTitle(), u"季語一覧"_s);
        CCmdUI greyed(ID_SEARCH);
        QVERIFY(!frame->UpdateCommand(greyed));

        QTimer::singleShot(0, [&number] {
            auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
            QVERIFY(card);
            number = card->FieldText(1006);
            card->Spin()->StepDown();
            card->reject();
        });
        QVERIFY(frame->RouteCommand(ID_TAVELO_HAIKU));
        QCOMPARE(number, u"登録全句の番号 : 3"_s);
        QCOMPARE(theProfile.GetHaikuNo(-1), 3);
        QVERIFY(notices.messages.empty());

        theApp.CloseAllDocuments();
        delete frame;
        theApp.ExitInstance();
        QDir::setCurrent(previous);
    }
};

QTEST_MAIN(TestHaikuCommands)
#include "tst_haikucommands.moc"
