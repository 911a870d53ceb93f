// The real program as a process: its command line, one copy per folder, and ending by a
// signal, which saves as Exit does.

#include "store/DataFile.h"
#include "store/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <memory>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
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

    // The program started in `dir` with `args`, offscreen unless `changes` say otherwise;
    // through `wrapper` (a command that ends by running the program named last) where given.
    static void start(QProcess& kelvon, const QString& dir, const QStringList& args = {},
                      const Environment& changes = {}, const QStringList& wrapper = {}) {
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
        if (wrapper.isEmpty())
            kelvon.start(QStringLiteral(KELVON_BINARY), args);
        else
            kelvon.start(wrapper.constFirst(),
                         wrapper.mid(1) + QStringList{QStringLiteral(KELVON_BINARY)} + args);
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

    static void setSlot(Notes& n, int slot, const QDateTime& at, const QString& message) {
        n.NoteDate[size_t(slot)] = DateText(at.date());
        n.NoteTime[size_t(slot)] = at.time().toString(QStringLiteral("HH:mm:ss"));
        n.NoteMessage[size_t(slot)] = message;
        n.NoteDone[size_t(slot)] = 0;
    }
    static bool run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

    // An X server with a notification area (trayer), where Kelvon's main window sleeps hidden
    // and only the wall alarm and the file watch wake it.
    struct TrayDesktop {
        QProcess xvfb, trayer;
        QString display, why;
        bool up() {
            for (const char* tool : {"Xvfb", "trayer", "xwininfo"})
                if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                    why = QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
                    return false;
                }
            xvfb.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            if (!xvfb.waitForStarted(10000) || !xvfb.waitForReadyRead(15000)) {
                why = QStringLiteral("Xvfb did not start");
                return false;
            }
            display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("DISPLAY"), display);
            trayer.setProcessEnvironment(env);
            trayer.start(QStringLiteral("trayer"),
                         {QStringLiteral("--SetDockType"), QStringLiteral("true")});
            for (int k = 0; k < 100; ++k) {
                QProcess tree;
                tree.setProcessEnvironment(env);
                tree.start(QStringLiteral("xwininfo"),
                           {QStringLiteral("-root"), QStringLiteral("-tree")});
                tree.waitForFinished(5000);
                if (tree.readAllStandardOutput().contains("\"trayer\"")) {
                    QTest::qWait(500); // the panel maps a moment before it owns the tray
                    return true;
                }
                QTest::qWait(100);
            }
            why = QStringLiteral("trayer did not start");
            return false;
        }
        ~TrayDesktop() {
            for (QProcess* p : {&trayer, &xvfb}) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    };

    // A lock held by this test, as a copy of Kelvon would hold it: its address written in,
    // answering a request after `answerMs`, or, with -1, no longer answering (a copy that is
    // ending) and dropping the lock after `releaseMs`.
    struct Holder {
        QByteArray path;
        int lockFd = -1, listenFd = -1;
        std::thread thread;
        Holder(const QString& lockPath, int answerMs, int releaseMs)
            : path(QFile::encodeName(lockPath)) {
            lockFd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            ::fchmod(lockFd, 0666); // for a start as another user
            ::flock(lockFd, LOCK_EX);
            listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un sa{};
            sa.sun_family = AF_UNIX;
            socklen_t length = sizeof sa;
            ::bind(listenFd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa_family_t));
            ::listen(listenFd, 4);
            ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&sa), &length);
            const QByteArray address =
                '@' + QByteArray(sa.sun_path + 1, qsizetype(length - sizeof(sa_family_t) - 1)) +
                '\n';
            [[maybe_unused]] const ssize_t n =
                ::write(lockFd, address.constData(), size_t(address.size()));
            if (answerMs < 0) {
                ::close(listenFd);
                listenFd = -1;
                thread = std::thread([this, releaseMs] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(releaseMs));
                    ::unlink(path.constData());
                    ::close(lockFd);
                    lockFd = -1;
                });
                return;
            }
            thread = std::thread([this, answerMs] {
                pollfd p{listenFd, POLLIN, 0};
                if (::poll(&p, 1, 20000) <= 0) return;
                const int fd = ::accept(listenFd, nullptr, nullptr);
                char request[256];
                [[maybe_unused]] const ssize_t got = ::recv(fd, request, sizeof request, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(answerMs));
                ::send(fd, "ok\n", 3, MSG_NOSIGNAL);
                ::close(fd);
            });
        }
        ~Holder() {
            thread.join();
            if (listenFd >= 0) ::close(listenFd);
            if (lockFd >= 0) ::close(lockFd);
        }
    };

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
        // A program Kelvon starts (a sound server, a help viewer) must not keep the lock.
        const QString lockFile = QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat.lock"));
        QString lockFlags;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(first.processId()));
        for (const QString& fd :
             fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() == lockFile) {
                QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(first.processId()).arg(fd));
                QVERIFY(info.open(QIODevice::ReadOnly));
                for (const QByteArray& line : info.readAll().split('\n'))
                    if (line.startsWith("flags:"))
                        lockFlags = QString::fromLatin1(line.mid(6).trimmed());
            }
        QVERIFY2(lockFlags.toUInt(nullptr, 8) & O_CLOEXEC, qPrintable(lockFlags));
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

    // What a start meets at the lock file: something that is no file ends it at once with
    // status 1; a holder counts as answering only as this user, and when it names the same
    // lock file; one that is ending leaves its lock to the start.
    void startBesideWhatHoldsTheLock_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("status");  // -1: it runs
        QTest::addColumn<QString>("err"); // what standard error says where it ends
        QTest::newRow("a FIFO") << "fifo" << 1 << "is a FIFO, not a file";
        QTest::newRow("a socket") << "socket" << 1 << "is a socket, not a file";
        QTest::newRow("a folder") << "folder" << 1 << "is a folder, not a file";
        QTest::newRow("a holder answering after 500 ms")
            << "late" << 0 << "; showing its clock window";
        QTest::newRow("a holder of another user")
            << "other user" << 1 << "did not answer within a second";
        QTest::newRow("a copy that is ending") << "ending" << -1 << "";
        QTest::newRow("a running copy's lock copied into another folder") << "copied" << -1 << "";
        QTest::newRow("-platform offscreen as the last two arguments") << "platform" << -1 << "";
    }

    void startBesideWhatHoldsTheLock() {
        QFETCH(QString, what);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir, other;
        const QString lock = QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat.lock"));
        const QByteArray lockName = QFile::encodeName(lock);
        std::unique_ptr<Holder> holder;
        QProcess running, kelvon;
        QStringList args, wrapper;
        Environment env;
        if (what == QLatin1String("fifo")) QCOMPARE(::mkfifo(lockName.constData(), 0600), 0);
        if (what == QLatin1String("folder")) QVERIFY(QDir().mkdir(lock));
        if (what == QLatin1String("socket"))
            QCOMPARE(::mknod(lockName.constData(), S_IFSOCK | 0600, 0), 0);
        if (what == QLatin1String("late")) holder = std::make_unique<Holder>(lock, 500, 0);
        if (what == QLatin1String("ending")) holder = std::make_unique<Holder>(lock, -1, 300);
        if (what == QLatin1String("other user")) {
            wrapper =
                QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                            QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
            if (geteuid() != 0 || !run(wrapper.constFirst(),
                                       wrapper.mid(1) + QStringList{QStringLiteral(KELVON_BINARY),
                                                                    QStringLiteral("-v")}))
                QSKIP("needs root, setpriv, and a build that another user may run");
            QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
            holder = std::make_unique<Holder>(lock, 0, 0);
        }
        if (what == QLatin1String("copied")) {
            // Same filesystem, so the same device: only the inode tells the two files apart.
            start(running, other.path());
            const QString theirs = QDir(other.path()).filePath(QStringLiteral("Kelvo.dat.lock"));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(theirs).size() > 0, 30000);
            QVERIFY(QFile::copy(theirs, lock));
        }
        if (what == QLatin1String("platform")) {
            args = QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")};
            env = {{QStringLiteral("QT_QPA_PLATFORM"), {}},
                   {QStringLiteral("DISPLAY"), {}},
                   {QStringLiteral("WAYLAND_DISPLAY"), {}}};
        }
        start(kelvon, dir.path(), args, env, wrapper);
        if (status >= 0) {
            QVERIFY(kelvon.waitForFinished(10000)); // never waits on what is in the way
            QCOMPARE(kelvon.exitCode(), status);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(kelvon), 60000);
            QCOMPARE(kelvon.state(), QProcess::Running);
            QTRY_VERIFY_WITH_TIMEOUT(
                QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat"))), 30000);
            stop(kelvon);
            QCOMPARE(kelvon.exitCode(), 0);
        }
        const QString said = QString::fromUtf8(kelvon.readAllStandardError()).trimmed();
        if (status >= 0)
            QVERIFY2(said.contains(err) && !said.contains(QLatin1Char('\n')), qPrintable(said));
        else // nothing about a lock or another copy, only what a start offscreen says
            QVERIFY2(!said.contains(QLatin1String("Kelvo.dat.lock")) &&
                         !said.contains(QLatin1String("already running")),
                     qPrintable(said));
        if (what == QLatin1String("copied")) {
            QCOMPARE(running.state(), QProcess::Running); // not asked to show, nor stopped
            stop(running);
        }
    }

    // The real wall alarm and file watch, with the main window asleep behind a tray icon: a
    // reminder due just after the start fires, so does one renamed into the file, and a new
    // time zone moves a reminder's moment. On a FUSE folder (bindfs), changes made in the
    // folder beneath it are seen by looking.
    void wakesAtTheMomentAtAChangeAndAtANewZone_data() {
        QTest::addColumn<bool>("fuse");
        QTest::addColumn<bool>("linked"); // Kelvo.dat a link into the folder written in
        QTest::newRow("local folder") << false << false;
        QTest::newRow("FUSE folder") << true << false;
        QTest::newRow("a link into another folder") << false << true;
    }

    void wakesAtTheMomentAtAChangeAndAtANewZone() {
        QFETCH(bool, fuse);
        QFETCH(bool, linked);
        TrayDesktop desktop;
        if (!desktop.up()) QSKIP(qPrintable(desktop.why));
        QTemporaryDir tmp;
        const QDir under(tmp.filePath(QStringLiteral("under"))),
            mount(tmp.filePath(QStringLiteral("mount"))),
            zones(tmp.filePath(QStringLiteral("zones"))),
            linking(tmp.filePath(QStringLiteral("linking")));
        for (const QDir* d : {&under, &mount, &zones, &linking})
            QVERIFY(QDir().mkdir(d->path()));
        if (linked)
            QVERIFY(QFile::link(under.filePath(QStringLiteral("Kelvo.dat")),
                                linking.filePath(QStringLiteral("Kelvo.dat"))));
        struct Unmount {
            QString at;
            ~Unmount() {
                if (!at.isEmpty()) run(QStringLiteral("fusermount"), {QStringLiteral("-uz"), at});
            }
        } unmount;
        if (fuse) {
            if (!QFileInfo::exists(QStringLiteral("/dev/fuse"))) QSKIP("no /dev/fuse here");
            if (!run(QStringLiteral("bindfs"), {under.path(), mount.path()}))
                QSKIP("bindfs is missing or could not mount");
            unmount.at = mount.path();
        }
        // The zone: the system's zone folder seen through a folder of the test's, in a mount
        // namespace of Kelvon's own, so the test can replace the file /etc/localtime leads to.
        QStringList wrapper;
        const QFileInfo zone(QFileInfo(QStringLiteral("/etc/localtime")).canonicalFilePath());
        const QString zoneFile = zones.filePath(zone.fileName());
        if (geteuid() == 0 && QFileInfo(QStringLiteral("/etc/localtime")).isSymLink() &&
            QFile::copy(zone.filePath(), zoneFile) &&
            run(QStringLiteral("unshare"), {QStringLiteral("--mount"), QStringLiteral("true")}))
            wrapper = QStringList{QStringLiteral("unshare"),
                                  QStringLiteral("--mount"),
                                  QStringLiteral("--propagation"),
                                  QStringLiteral("private"),
                                  QStringLiteral("sh"),
                                  QStringLiteral("-c"),
                                  QStringLiteral("mount --bind \"$0\" \"$1\" && exec \"$2\""),
                                  zones.path(),
                                  zone.absolutePath()};

        // Each wake in a Kelvon of its own: an alert window is a clock that ticks, and would
        // fire what comes next without any wake.
        QString err;
        auto launch = [&](QProcess& kelvon) {
            start(kelvon,
                  (fuse     ? mount
                   : linked ? linking
                            : under)
                      .path(),
                  {},
                  {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                   {QStringLiteral("DISPLAY"), desktop.display},
                   {QStringLiteral("WAYLAND_DISPLAY"), {}},
                   {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                    QStringLiteral("unix:path=/nonexistent")}},
                  wrapper);
        };
        auto end = [&](QProcess& kelvon) {
            stop(kelvon);
            const QString said = QString::fromUtf8(kelvon.readAllStandardError());
            err += said;
            // With no tray the clock window shows and ticks, and would fire without any wake.
            return kelvon.exitCode() == 0 && !said.contains(QLatin1String("no notification area"));
        };
        // From the second it was due to the file saying it fired.
        auto late = [](const QDateTime& due) {
            const QDateTime second(
                due.date(), QTime(due.time().hour(), due.time().minute(), due.time().second()));
            return QStringLiteral("%1 ms").arg(second.msecsTo(QDateTime::currentDateTime()));
        };
        const QString data = under.filePath(QStringLiteral("Kelvo.dat"));

        Notes n;
        const QDateTime first = QDateTime::currentDateTime().addSecs(3);
        setSlot(n, 0, first, QStringLiteral("due at start"));
        QVERIFY(saveDataFile(data, n));
        QProcess atStart;
        launch(atStart);
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(under).NoteDone[0] == 1, 20000);
        qInfo("due after the start: fired %s after its second", qPrintable(late(first)));
        QVERIFY2(end(atStart), qPrintable(err));

        QProcess renamed;
        launch(renamed);
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(renamed), 60000);
        QTest::qWait(1500); // past the start-up save
        Notes more = fileIn(under);
        if (!fuse) {
            // A program that writes the file in place, in pieces: read once it is whole.
            Notes far = more;
            setSlot(far, 3, QDateTime::currentDateTime().addDays(1), QStringLiteral("in pieces"));
            const QByteArray bytes = formatDataFile(far);
            for (int k = 0; k < 3; ++k) {
                QFile f(data);
                QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(0));
                for (int piece = 0; piece < 5; ++piece) {
                    const qsizetype size = bytes.size() / 5;
                    const QByteArray part = bytes.mid(piece * size, piece < 4 ? size : -1);
                    QCOMPARE(f.write(part), part.size());
                    QVERIFY(f.flush());
                    QTest::qWait(50);
                }
                f.close();
                QTest::qWait(500);
            }
            QVERIFY(!QFile::exists(data + QStringLiteral(".damaged")));
            more = fileIn(under);
            QCOMPARE(more.NoteMessage[3], QStringLiteral("in pieces"));
        }
        const QDateTime second = QDateTime::currentDateTime().addSecs(2);
        setSlot(more, 1, second, QStringLiteral("renamed in"));
        QVERIFY(saveDataFile(data, more)); // written beside it, renamed over it
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(under).NoteDone[1] == 1, 20000);
        qInfo("renamed in: fired %s after its second", qPrintable(late(second)));
        if (fuse) {
            // The folder beneath is the same folder: its lock is another file to the kernel,
            // but a start there finds the copy running and hands over.
            QProcess beneath;
            start(beneath, under.path());
            QVERIFY(beneath.waitForFinished(30000));
            const QString said = QString::fromUtf8(beneath.readAllStandardError());
            QVERIFY2(beneath.exitCode() == 0 &&
                         said.endsWith(QLatin1String("showing its clock window\n")),
                     qPrintable(said));
        }
        QVERIFY2(end(renamed), qPrintable(err));
        QCOMPARE(err.count(QLatin1String("is on a network or FUSE filesystem")), fuse ? 2 : 0);

        if (linked) {
            QVERIFY(QFileInfo(linking.filePath(QStringLiteral("Kelvo.dat"))).isSymLink());
            return;
        }
        if (wrapper.isEmpty())
            QSKIP("a new zone needs root and unshare, and /etc/localtime a link");
        QProcess zoned;
        launch(zoned);
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(zoned), 60000);
        QTest::qWait(1500);
        // Far ahead on this zone's clock; 4 s ahead on the clock of a zone 14 h east of UTC.
        const QTimeZone east(QByteArrayLiteral("Etc/GMT-14"));
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        const QDateTime wall = utc.addSecs(east.offsetFromUtc(utc) + 4);
        QVERIFY(east.offsetFromUtc(utc) - QDateTime::currentDateTime().offsetFromUtc() >= 3600);
        Notes later = fileIn(under);
        setSlot(later, 2, QDateTime(wall.date(), wall.time()), QStringLiteral("a zone east"));
        QVERIFY(saveDataFile(data, later));
        QTest::qWait(1000); // read, and planned for hours ahead
        QCOMPARE(fileIn(under).NoteDone[2], qint16(0));
        QVERIFY(QFile::copy(QStringLiteral("/usr/share/zoneinfo/Etc/GMT-14"), zoneFile + "~"));
        QCOMPARE(::rename(QFile::encodeName(zoneFile + "~").constData(),
                          QFile::encodeName(zoneFile).constData()),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(fileIn(under).NoteDone[2] == 1, 20000);
        qInfo("a new zone: fired %s after its second",
              qPrintable(late(utc.addSecs(4).toLocalTime())));
        QVERIFY2(end(zoned), qPrintable(err));
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
        // Another program renames in a reminder due in an hour: the ending's save keeps it.
        Notes theirs = fileIn(QDir(dir.path()));
        setSlot(theirs, 1, QDateTime::currentDateTime().addSecs(3600), QStringLiteral("later"));
        const QString written = QDir(dir.path()).filePath(QStringLiteral("theirs.tmp"));
        QVERIFY(saveDataFile(written, theirs));
        QVERIFY(::rename(QFile::encodeName(written).constData(),
                         QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("Kelvo.dat")))
                             .constData()) == 0);
        ::kill(pid_t(kelvon.processId()), signal);
        QVERIFY(kelvon.waitForFinished(15000));
        QCOMPARE(kelvon.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kelvon.exitCode(), 0);
        const Notes after = fileIn(QDir(dir.path()));
        QCOMPARE(after.NoteDone[0], qint16(0));
        QCOMPARE(after.NoteDate[0], DateText(QDate::currentDate().addDays(1)));
        QCOMPARE(after.NoteMessage[0], QStringLiteral("stretch"));
        QCOMPARE(after.NoteMessage[1], QStringLiteral("later"));
        QCOMPARE(after.NoteDone[1], qint16(0));
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "process_test.moc"
