// The real program as a process: its command line, one copy per folder, and ending by a
// signal, which saves as Exit does.

#include "store/DataFile.h"
#include "store/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

class ProcessTest : public QObject {
    Q_OBJECT

    static Notes fileIn(const QDir& dir) {
        Notes n;
        QFile f(dir.filePath(QStringLiteral("Kelvo.dat")));
        if (f.open(QIODevice::ReadOnly)) parseDataFile(f.readAll(), n);
        return n;
    }

    using Environment = std::map<QString, QString>; // an empty value unsets the variable

    // The program started in `dir` with `args`, offscreen unless `changes` say otherwise.
    static void start(QProcess& kelvon, const QString& dir, const QStringList& args = {},
                      const Environment& changes = {}) {
        kelvon.setWorkingDirectory(dir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // English, whatever the machine's language, unless a case asks for another.
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        // Qt's own warning about a missing runtime folder would count as a line of ours.
        static QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        for (const auto& [name, value] : changes)
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
        kelvon.setProcessEnvironment(env);
        kelvon.start(QStringLiteral(KELVON_BINARY), args);
        // Until exec, the child is a copy of this test, signal handlers and all.
        kelvon.waitForStarted(30000);
    }
    static QStringList entries(const QString& dir) {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Whether the program has got as far as catching SIGTERM, which it does once it is up.
    static bool catchesTerm(const QProcess& kelvon) {
        QFile status(QStringLiteral("/proc/%1/status").arg(kelvon.processId()));
        if (!status.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        return false;
    }
    static void stop(QProcess& kelvon) {
        if (kelvon.state() == QProcess::NotRunning) return;
        for (int k = 0; k < 300 && !catchesTerm(kelvon); ++k)
            QTest::qWait(100);
        ::kill(pid_t(kelvon.processId()), SIGTERM);
        kelvon.waitForFinished(15000);
    }

  private Q_SLOTS:
    void commandLineAnswersWithoutStarting() {
        struct Case {
            QStringList args;
            int status;
            QString out, err; // each a part of what is printed
            Environment env = {};
        };
        const QString hint = QStringLiteral("Try 'kelvon --help' for more information.\n");
        const Case cases[] = {
            {{QStringLiteral("--help")}, 0, QStringLiteral("Kelvo.dat, in the folder it"), {}},
            {{QStringLiteral("-h")}, 0, QStringLiteral("kelvon-launch"), {}},
            {{QStringLiteral("--version")}, 0, QStringLiteral("Kelvon 7.8.0\n"), {}},
            {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-v")},
             0,
             QStringLiteral("Kelvon 7.8.0\n"),
             {}},
            {{QStringLiteral("--help-all")}, 0, QStringLiteral("kelvon-launch"), {}},
            // Qt's own options, anywhere and with "=", are Qt's.
            {{QStringLiteral("-reverse"), QStringLiteral("-style=fusion"), QStringLiteral("-v")},
             0,
             QStringLiteral("Kelvon 7.8.0\n"),
             {}},
            {{QStringLiteral("-v"), QStringLiteral("--platform"), QStringLiteral("offscreen")},
             0,
             QStringLiteral("Kelvon 7.8.0\n"),
             {}},
            // Over ssh or from a service: one line instead of Qt's abort.
            {{},
             1,
             {},
             QStringLiteral("kelvon: no desktop session to show its windows in (DISPLAY and "
                            "WAYLAND_DISPLAY are unset); start it in one, or name Qt's platform "
                            "in QT_QPA_PLATFORM\n"),
             {{QStringLiteral("QT_QPA_PLATFORM"), {}},
              {QStringLiteral("DISPLAY"), {}},
              {QStringLiteral("WAYLAND_DISPLAY"), {}}}},
            {{QStringLiteral("--bogus")},
             2,
             {},
             QStringLiteral("kelvon: Unknown option 'bogus'.\n") + hint},
            {{QStringLiteral("notes.txt")},
             2,
             {},
             QStringLiteral("kelvon: unexpected argument 'notes.txt'\n") + hint},
            // In the user's language, Qt's own texts too; English where it comes first.
            {{QStringLiteral("--help")},
             0,
             QStringLiteral("Kelvon: Erinnerungen und ein Wecker im Infobereich."),
             {},
             {{QStringLiteral("LANGUAGE"), QStringLiteral("de_AT:fr")}}},
            {{QStringLiteral("--help")},
             0,
             QStringLiteral("Usage: kelvon [options]\nKelvon: reminders"),
             {},
             {{QStringLiteral("LANGUAGE"), QStringLiteral("en_GB:de")}}},
            {{QStringLiteral("--bogus")},
             2,
             {},
             QStringLiteral("kelvon: 'bogus' は未知のオプションです。\n詳しくは「kelvon "
                            "--help」を実行してください。\n"),
             {{QStringLiteral("LANGUAGE"), QStringLiteral("ja")}}},
            {{QStringLiteral("notes.txt")},
             2,
             {},
             QStringLiteral("kelvon: وسيط غير متوقع «notes.txt»\nجرّب «kelvon --help» لمزيد من "
                            "المعلومات.\n"),
             {{QStringLiteral("LANGUAGE"), QStringLiteral("ar")}}},
            {{},
             1,
             {},
             QStringLiteral("lancez-le dans une session, ou nommez la plateforme de Qt dans "
                            "QT_QPA_PLATFORM\n"),
             {{QStringLiteral("LANGUAGE"), QStringLiteral("fr")},
              {QStringLiteral("QT_QPA_PLATFORM"), {}},
              {QStringLiteral("DISPLAY"), {}},
              {QStringLiteral("WAYLAND_DISPLAY"), {}}}},
        };
        for (const Case& c : cases) {
            QTemporaryDir dir;
            QProcess kelvon;
            start(kelvon, dir.path(), c.args, c.env);
            QVERIFY(kelvon.waitForFinished(30000));
            const QString name = c.args.join(QLatin1Char(' '));
            QVERIFY2(kelvon.exitCode() == c.status, qPrintable(name));
            QVERIFY2(QString::fromUtf8(kelvon.readAllStandardOutput()).contains(c.out),
                     qPrintable(name));
            const QString err = QString::fromUtf8(kelvon.readAllStandardError());
            QVERIFY2(c.err.isEmpty() ? err.isEmpty() : err == c.err || err.endsWith(c.err),
                     qPrintable(err));
            QVERIFY2(entries(dir.path()).isEmpty(), qPrintable(name)); // no file, no lock
        }
    }

    void oneCopyPerFolder() {
        QTemporaryDir dir, other;
        QProcess first, beside;
        start(first, dir.path());
        start(beside, other.path());
        const QString data = QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data), 30000); // the start-up save
        const QByteArray before = [&] {
            QFile f(data);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QDateTime modified = QFileInfo(data).lastModified();

        // Ten starts racing each other, some from another environment (cron, su): each hands
        // over to the first and ends with status 0.
        QTemporaryDir elsewhere;
        const Environment environments[] = {
            {},
            {{QStringLiteral("XDG_RUNTIME_DIR"), {}}},
            {{QStringLiteral("XDG_RUNTIME_DIR"), elsewhere.path()}}};
        std::vector<std::unique_ptr<QProcess>> racers;
        for (int k = 0; k < 10; ++k) {
            racers.push_back(std::make_unique<QProcess>());
            start(*racers.back(), dir.path(), {}, environments[k % 3]);
        }
        for (auto& r : racers) {
            QVERIFY(r->waitForFinished(30000));
            QCOMPARE(r->exitCode(), 0);
            const QString err = QString::fromUtf8(r->readAllStandardError());
            QVERIFY2(err.endsWith(QStringLiteral("; showing its clock window\n")), qPrintable(err));
            QCOMPARE(err.count(QLatin1Char('\n')), 1);
        }
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(beside.state(), QProcess::Running); // another folder has a copy of its own
        QCOMPARE(QFileInfo(data).lastModified(), modified);
        QFile f(data);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        // A copy that was killed leaves its lock; the next start takes it over at once.
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat.lock"))));
        QProcess next;
        start(next, dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(next), 60000);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
        QCOMPARE(next.exitCode(), 0);
        QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat.lock"))));
        stop(beside);
    }

    void folderWithoutRoomForALockRunsUnguarded() {
        QTemporaryDir dir;
        const QString folder = QDir(dir.path()).filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkdir(folder));
        // Root writes anywhere: only a read-only file system refuses it.
        const bool mounted = geteuid() == 0 &&
                             QProcess::execute(QStringLiteral("mount"),
                                               {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                QStringLiteral("-o"), QStringLiteral("ro,size=16k"),
                                                QStringLiteral("tmpfs"), folder}) == 0;
        if (!mounted && geteuid() == 0) QSKIP("no read-only file system could be mounted");
        struct Unmount {
            bool mounted;
            QString at;
            ~Unmount() {
                if (mounted) QProcess::execute(QStringLiteral("umount"), {at});
            }
        } unmount{mounted, folder};
        if (!mounted) QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QProcess kelvon;
        start(kelvon, folder);
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(kelvon), 60000);
        QCOMPARE(kelvon.state(), QProcess::Running);
        stop(kelvon);
        QCOMPARE(kelvon.state(), QProcess::NotRunning); // no box left waiting for an answer
        QCOMPARE(kelvon.exitCode(), 0);
        const QString err = QString::fromUtf8(kelvon.readAllStandardError());
        QCOMPARE(err.count(QStringLiteral("cannot make the lock")), 1);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Whatever the lock file holds, only a live holder counts: one that is gone leaves it to the
    // next start at once; one that does not answer is told, with status 1.
    void lockCountsOnlyWhileHeld_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("held");
        const QByteArray otherHost = "4242\nkelvon\nbackup-of-another-machine\n";
        const QByteArray pidOne = "1\nkelvon\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        for (const bool held : {false, true}) {
            const char* by = held ? "held" : "left";
            QTest::addRow("empty, %s", by) << QByteArray() << held;
            QTest::addRow("garbage, %s", by) << QByteArray("\x01\xff@\n/no/such/socket\n") << held;
            QTest::addRow("another host, %s", by) << otherHost << held;
            QTest::addRow("pid 1, %s", by) << pidOne << held;
        }
    }

    void lockCountsOnlyWhileHeld() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, held);
        QTemporaryDir dir;
        const QString lock = QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat.lock"));
        const int fd =
            ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, contents.constData(), size_t(contents.size())),
                 ssize_t(contents.size()));
        if (held)
            QCOMPARE(::flock(fd, LOCK_EX), 0); // a holder that never answers
        else
            ::close(fd);

        QProcess kelvon;
        start(kelvon, dir.path());
        if (held) {
            QVERIFY(kelvon.waitForFinished(30000));
            QCOMPARE(kelvon.exitCode(), 1);
            const QString err = QString::fromUtf8(kelvon.readAllStandardError());
            QVERIFY2(err.endsWith(QStringLiteral("but did not answer within a second\n")),
                     qPrintable(err));
            QCOMPARE(err.count(QLatin1Char('\n')), 1);
            QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat"))));
            ::close(fd);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(kelvon), 60000);
        QCOMPARE(kelvon.state(), QProcess::Running);
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat"))), 30000);
        stop(kelvon);
        QCOMPARE(kelvon.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kelvon.exitCode(), 0);
    }

    // The X server ends after a firing with a sound (a log-out without a session manager):
    // an exit status, not a crash in the exit handlers, and the file whole.
    void lossOfTheDisplayEndsWithAStatus() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb is not installed");
        QTemporaryDir dir;
        QProcess xvfb;
        xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(xvfb.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), 15000);
        const QString display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
        Notes n;
        n.NoteDate[0] = QStringLiteral("01/01/07");
        n.NoteTime[0] = QStringLiteral("00:00:00");
        n.NoteMessage[0] = QStringLiteral("ring");
        n.RepeatDaily[0] = 1;
        n.SoundAlarm = true;
        QVERIFY(saveDataFile(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat")), n));

        QProcess kelvon;
        start(kelvon, dir.path(), {},
              {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
               {QStringLiteral("DISPLAY"), display},
               {QStringLiteral("WAYLAND_DISPLAY"), {}},
               {QStringLiteral("XDG_SESSION_TYPE"), {}}});
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(QDir(dir.path())).NoteDone[0] == 1, 30000);
        QTest::qWait(1000); // the sound under way
        xvfb.kill();
        QVERIFY(xvfb.waitForFinished(10000));
        QVERIFY(kelvon.waitForFinished(15000));
        QCOMPARE(kelvon.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kelvon.exitCode(), 1);
        const Notes after = fileIn(QDir(dir.path()));
        QCOMPARE(after.NoteMessage[0], QStringLiteral("ring"));
        QCOMPARE(after.NoteDone[0], qint16(1));
        QVERIFY(after.SoundAlarm);
    }

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
        // English, whatever the machine's language, unless a case asks for another.
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        kelvon.setProcessEnvironment(env);
        kelvon.start(QStringLiteral(KELVON_BINARY), {});
        QVERIFY(kelvon.waitForStarted());
        // It fires at its first tick and records that in the file.
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(QDir(dir.path())).NoteDone[0] == 1, 30000);
        ::kill(pid_t(kelvon.processId()), signal);
        QVERIFY(kelvon.waitForFinished(15000));
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
