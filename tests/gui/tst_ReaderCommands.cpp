// The reader commands of the main frame: each opens its document in the reader
// at the topic named by its title; a missing document shows the unreadable-file
// notice and nothing else.
#include <QApplication>
#include <QtTest>

#include "../unit/RecordingNoticeSink.h"
#include "HaikuTestSupport.h"
#include "app/MainFrame.h"
#include "app/Resource.h"
#include "platform/CommandIds.h"
#include "reader/ReaderDialog.h"

class TestReaderCommands : public QObject {
    Q_OBJECT

private slots:
    void commandOpensItsDocumentAtItsTopic_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("contents") << ID_CONTENTS << u"Topics.txt"_qs << u"目次"_qs;
        QTest::newRow("chronology") << ID_LIFE << u"life.txt"_qs << u"Tavelo略年譜"_qs;
        QTest::newRow("disciples and friends") << ID_FRIENDS << u"friend.txt"_qs << u"Taveloの弟子・友人"_qs;
        QTest::newRow("works") << ID_WORKS << u"work.txt"_qs << u"作品集"_qs;
        QTest::newRow("first collection") << ID_WORKS_500 << u"500.txt"_qs << u"「五百句」"_qs;
        QTest::newRow("second collection") << ID_WORKS_550 << u"550.txt"_qs << u"「五百五十句」"_qs;
        QTest::newRow("third collection") << ID_WORKS_600 << u"600.txt"_qs << u"「六百句」"_qs;
        QTest::newRow("season words") << ID_KIGO << u"kigo.txt"_qs << u"季語"_qs;
    }
    void commandOpensItsDocumentAtItsTopic() {
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(QString, title);
        RecordingNoticeSink notices;
        TempMuseum museum;
        CMainFrame frame;
        const std::string name = file.toStdString(), key = Cp(title.toStdString().c_str());
        // Without its document: the notice only, and no reader.
        QVERIFY(frame.RouteCommand(command));
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
        QVERIFY(ReportsUnreadable(notices.messagesUtf8[0], name));
        QCOMPARE(notices.beeps, 0);
        const std::string topics = "[*]\nk1:other\nd:x\n[*]\nk1:" + title.toStdString() + "\nd:x\n";
        museum.WriteTxtData(name, topics.c_str());
        QString caption;
        std::string shownKey;
        QTimer::singleShot(0, [&] {
            auto* reader = qobject_cast<CReaderDialog*>(QApplication::activeModalWidget());
            if (!reader) return;
            caption = reader->windowTitle();
            shownKey = reader->Current().topic.key1;
            reader->reject();
        });
        QVERIFY(frame.RouteCommand(command));
        QCOMPARE(caption, u"簡易ヘルプ V1.03 - "_qs + title);
        QCOMPARE(shownKey, key);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestReaderCommands)
#include "tst_ReaderCommands.moc"
