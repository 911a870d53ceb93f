// The real program as a process: asked to end by a signal, it saves as Exit does.

#include "store/DataFile.h"
#include "store/DateText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

class ProcessTest : public QObject {
    Q_OBJECT

    static Notes fileIn(const QDir& dir) {
        Notes n;
        QFile f(dir.filePath(QStringLiteral("Kelvo.dat")));
        if (f.open(QIODevice::ReadOnly)) parseDataFile(f.readAll(), n);
        return n;
    }

  private Q_SLOTS:
    void endingBySignalAcknowledgesAndSaves_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void endingBySignalAcknowledgesAndSaves() {
        QFETCH(int, signal);
        QTemporaryDir dir;
        Notes n;
        n.NoteDate[0] = QStringLiteral("01/01/07");
        n.NoteTime[0] = QStringLiteral("00:00:00");
        n.NoteMessage[0] = QStringLiteral("stretch");
        n.RepeatDaily[0] = 1;
        QVERIFY(saveDataFile(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat")), n));

        QProcess kelvon;
        kelvon.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        kelvon.setProcessEnvironment(env);
        kelvon.start(QStringLiteral(KELVON_BINARY), {});
        QVERIFY(kelvon.waitForStarted());
        // It fires at its first tick and records that in the file.
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(QDir(dir.path())).NoteDone[0] == 1, 5000);
        ::kill(pid_t(kelvon.processId()), signal);
        QVERIFY(kelvon.waitForFinished(5000));
        QCOMPARE(kelvon.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kelvon.exitCode(), 0);
        const Notes after = fileIn(QDir(dir.path()));
        QCOMPARE(after.NoteDone[0], qint16(0));
        QCOMPARE(after.NoteDate[0], DateText(QDate::currentDate().addDays(1)));
        QCOMPARE(after.NoteMessage[0], QStringLiteral("stretch"));
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "process_test.moc"
