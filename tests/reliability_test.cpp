// Damaged files, awkward disks, a clock that goes back, and saves killed half-way.

#include "WindowTest.h"
#include "main/Startup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <random>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// 32 reminders, none due on the fixture's day.
Notes sample(const QString& tag) {
    Notes n;
    n.FileHeader1 = tag + QStringLiteral(" header, with a comma");
    n.FileHeader2 = tag;
    n.SoundAlert = true;
    for (int i = 0; i < SlotCount; ++i) {
        n.NoteDate[i] = QStringLiteral("12/%1/09").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        n.NoteMessage[i] = tag + QStringLiteral(" say \"%1\", twice").arg(i);
        n.NoteTime[i] = QStringLiteral("08:%1:00").arg(i + 10);
        n.RepeatDaily[i] = qint16(i % 4 == 1);
        n.RepeatWeekly[i] = qint16(i % 4 == 2);
        n.RepeatMonthly[i] = qint16(i % 4 == 3);
        n.NoteDone[i] = qint16(i % 3 == 0);
    }
    return n;
}

// The same with slot 0 due on the fixture's day.
Notes dueNow(const QString& tag) {
    Notes n = sample(tag);
    n.NoteDate[0] = QStringLiteral("03/24/07");
    n.NoteTime[0] = QStringLiteral("14:00:00");
    n.NoteDone[0] = 0;
    return n;
}

// The file's lines as the data file holds them, written here rather than by the program.
QList<QByteArray> linesOf(const Notes& n) {
    auto text = [](const QString& s) { return '"' + s.toUtf8() + '"'; };
    auto flag = [](bool b) { return QByteArray(b ? "#TRUE#" : "#FALSE#"); };
    QList<QByteArray> l{text(n.FileHeader1), text(n.FileHeader2),
                        flag(n.SoundMessage) + ',' + flag(n.SoundAlert) + ',' + flag(n.SoundDive) +
                            ',' + flag(n.SoundAlarm)};
    for (int i = 0; i < SlotCount; ++i) {
        l << text(n.NoteDate[i]) << text(n.NoteMessage[i]) << text(n.NoteTime[i]);
        for (qint16 v : {n.RepeatDaily[i], n.RepeatWeekly[i], n.RepeatMonthly[i], n.NoteDone[i]})
            l << QByteArray::number(v);
    }
    return l;
}
QByteArray joined(const QList<QByteArray>& lines, const QByteArray& eol = "\r\n") {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + eol;
    return out;
}
// Line numbers, from 0, of a slot's values.
int dateLine(int slot) {
    return 3 + 7 * slot;
}
int doneLine(int slot) {
    return 3 + 7 * slot + 6;
}

void writeRaw(const QByteArray& bytes) {
    QFile f(DataFileName);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QStringList strayFiles() {
    return QDir()
        .entryList(QDir::Files | QDir::Hidden | QDir::System)
        .filter(QRegularExpression(QStringLiteral("^(?!Kelvo\\.dat(\\.writers)?$)")));
}

// Runs `body` in a child process that only touches files; its exit code, or -1.
int inChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT
    WindowTest t;

    // Ticks the main window `n` times a second apart and returns the alert windows open.
    int tickMain(int n) {
        frmPass& main = Default<frmPass>();
        main.setTimerEnabled(false);
        for (int k = 0; k < n; ++k) {
            main.Timer1_Timer();
            for (frmPass* a : t.alertWindows())
                a->setTimerEnabled(false);
            t.fakes.clock->advanceSeconds(1);
        }
        return int(t.alertWindows().size());
    }

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void badFilesLoadOrAreReportedOnce() {
        struct Case {
            QString name;
            QByteArray bytes;
            bool damaged;
            std::function<void(Notes&)> expect = [](Notes&) {};
        };
        const Notes base = sample(QStringLiteral("disk"));
        const QList<QByteArray> lines = linesOf(base);
        QCOMPARE(lines.size(), DataFileLines);
        auto with = [&](int line, const QByteArray& value) {
            QList<QByteArray> l = lines;
            l[line] = value;
            return joined(l);
        };
        std::mt19937 rng(42);
        QByteArray binary(4096, '\0');
        for (char& c : binary)
            c = char(rng() % 256);
        const QByteArray bigMessage(10 * 1024 * 1024, 'm');
        QByteArray junk;
        while (junk.size() < 10 * 1024 * 1024)
            junk += "junk, \"not a value\", #TRUE#, 99999\r\n";

        std::vector<Case> cases = {
            {QStringLiteral("whole file"), joined(lines), false},
            {QStringLiteral("empty file"), QByteArray(), true},
            {QStringLiteral("no final line end"), joined(lines).chopped(2), false},
            {QStringLiteral("LF line ends"), joined(lines, "\n"), false},
            {QStringLiteral("done flag 'yes'"), with(doneLine(4), "yes"), true},
            {QStringLiteral("weekly flag 'one'"), with(doneLine(9) - 2, "one"), true},
            {QStringLiteral("sound #MAYBE#"), with(2, "#FALSE#,#MAYBE#,#FALSE#,#FALSE#"), true},
            {QStringLiteral("done flag 99999"), with(doneLine(7), "99999"), true},
            {QStringLiteral("daily flag -1"), with(doneLine(5) - 3, "-1"), false,
             [](Notes& n) { n.RepeatDaily[5] = -1; }},
            {QStringLiteral("10 MB of junk after the file"), joined(lines) + junk, false},
            {QStringLiteral("10 MB message"), with(dateLine(0) + 1, '"' + bigMessage + '"'), false,
             [&](Notes& n) { n.NoteMessage[0] = QString::fromLatin1(bigMessage); }},
            {QStringLiteral("binary junk"), binary, true},
        };
        for (int k = 1; k < DataFileLines; ++k)
            cases.push_back(
                {QStringLiteral("cut after line %1").arg(k), joined(lines.mid(0, k)), true});

        QStringList failures;
        for (const Case& c : cases) {
            t.cleanup();
            t.init();
            writeRaw(c.bytes);
            LoadNotes();
            const int afterLoad = int(t.fakes.box->texts.size());
            const int alerts = tickMain(2);
            const QStringList texts = t.fakes.box->texts;
            Notes expected = base;
            c.expect(expected);
            QStringList wrong;
            if (afterLoad != (c.damaged ? 1 : 0))
                wrong << QStringLiteral("load: %1").arg(afterLoad);
            if (texts.size() != afterLoad)
                wrong << QStringLiteral("%1 more after the ticks").arg(texts.size() - afterLoad);
            if (!texts.isEmpty() && texts.count(DamagedFileMessage()) != texts.size())
                wrong << QStringLiteral("other text");
            if (!c.damaged && NoteTable != expected) wrong << QStringLiteral("table differs");
            if (alerts) wrong << QStringLiteral("%1 alerts").arg(alerts);
            if (t.fileBytes() != c.bytes) wrong << QStringLiteral("file changed");
            if (!wrong.isEmpty())
                failures << c.name + QStringLiteral(" (") + wrong.join(QStringLiteral(", ")) +
                                QStringLiteral(")");
        }
        qInfo("bad files: %d rows", int(cases.size()));
        QVERIFY2(failures.isEmpty(),
                 qPrintable(QString::number(failures.size()) + QStringLiteral(" rows wrong: ") +
                            failures.mid(0, 8).join(QStringLiteral("; "))));
    }

    // Another program changes the file; whatever Kelvon saves next keeps that change, and what
    // the user typed in the open editor is kept too: in its row, the file's beside it.
    void otherWritersChangesSurviveEverySave() {
        struct Change {
            const char* name;
            std::function<void(Notes&)> write;
            // Whether the file holds the change (and, for a typed row 2, "mine" besides).
            std::function<bool(const Notes&)> holds;
        };
        auto hasMessage = [](const Notes& n, const QString& m) {
            return std::find(n.NoteMessage.begin(), n.NoteMessage.end(), m) != n.NoteMessage.end();
        };
        const Change changes[] = {
            {"added", [](Notes& n) { n.NoteMessage[3] = QStringLiteral("by script"); },
             [&](const Notes& n) { return hasMessage(n, QStringLiteral("by script")); }},
            {"changed", [](Notes& n) { n.NoteMessage[2] = QStringLiteral("run"); },
             [&](const Notes& n) { return hasMessage(n, QStringLiteral("run")); }},
            {"cleared",
             [](Notes& n) {
                 n.NoteDate[2] = n.NoteMessage[2] = n.NoteTime[2] = QString();
                 n.RepeatWeekly[2] = 0;
                 n.NoteDone[2] = 1;
             },
             [&](const Notes& n) { return !hasMessage(n, QStringLiteral("walk")); }},
            {"re-armed", [](Notes& n) { n.NoteDone[4] = 0; },
             [](const Notes& n) { return n.NoteDone[4] == 0; }},
            {"headers", [](Notes& n) { n.FileHeader1 = QStringLiteral("MINE"); },
             [](const Notes& n) { return n.FileHeader1 == QStringLiteral("MINE"); }},
            {"sound",
             [](Notes& n) {
                 n.SoundAlert = false;
                 n.SoundDive = true;
             },
             [](const Notes& n) { return n.SoundDive && !n.SoundAlert; }},
        };
        enum Typed { Hidden, SameRow, OtherRow };
        enum Save { Firing, Acknowledgement, EditorOK, PickerOK, Exit };
        for (const Change& change : changes)
            for (const Typed typed : {Hidden, SameRow, OtherRow})
                for (const Save save : {Firing, Acknowledgement, EditorOK, PickerOK, Exit}) {
                    const QString row = QStringLiteral("%1, typed %2, save %3")
                                            .arg(QLatin1String(change.name))
                                            .arg(typed)
                                            .arg(save);
                    Notes n;
                    n.FileHeader1 = QStringLiteral("OURS");
                    n.SoundAlert = true;
                    n.NoteDate[0] = QStringLiteral("03/24/07"); // due in a second
                    n.NoteTime[0] = QStringLiteral("14:30:00");
                    n.NoteDate[1] = QStringLiteral("03/24/07"); // fired, weekly
                    n.NoteTime[1] = QStringLiteral("14:00:00");
                    n.RepeatWeekly[1] = 1;
                    n.NoteDone[1] = 1;
                    n.NoteDate[2] = QStringLiteral("03/25/07");
                    n.NoteMessage[2] = QStringLiteral("walk");
                    n.NoteTime[2] = QStringLiteral("09:00:00");
                    n.RepeatWeekly[2] = 1;
                    n.NoteDate[4] = QStringLiteral("03/25/07"); // once, done
                    n.NoteTime[4] = QStringLiteral("10:00:00");
                    n.NoteDone[4] = 1;
                    t.writeFile(n);
                    frmNotify& e = Default<frmNotify>();
                    Default<frmPass>();
                    if (typed != Hidden) {
                        Default<frmPass>().setTimerEnabled(false);
                        e.show();
                        e.txtMessage[typed == SameRow ? 2 : 7]->setText(QStringLiteral("mine"));
                    }
                    Notes theirs = n;
                    change.write(theirs);
                    t.writeFile(theirs);
                    switch (save) {
                    case Firing:
                        t.fakes.clock->advanceSeconds(1);
                        Default<frmPass>().Timer1_Timer();
                        break;
                    case Acknowledgement:
                        Default<frmPass>().cmdOK_Click();
                        break;
                    case EditorOK:
                        e.cmdOKnotify->click();
                        break;
                    case PickerOK:
                        t.whileModal([] { Default<frmCal>().Command1->click(); },
                                     [&] { e.txtDateNotify_Click(9); });
                        break;
                    case Exit:
                        Default<frmPopTray>().EndProgram(false);
                        break;
                    }
                    const Notes file = t.fileNotes();
                    QVERIFY2(change.holds(file), qPrintable(row));
                    if (save == Firing) QVERIFY2(file.NoteDone[0] == 1, qPrintable(row));
                    if (save == Acknowledgement)
                        QVERIFY2(file.NoteDate[1] == QStringLiteral("03/31/07"), qPrintable(row));
                    // Typed: saved by OK; until then held by the editor, and saved where no
                    // change of the file's meets it.
                    if (typed != Hidden) {
                        const bool saved = save == EditorOK || typed == OtherRow ||
                                           std::string(change.name) == "added" ||
                                           std::string(change.name) == "re-armed" ||
                                           std::string(change.name) == "headers" ||
                                           std::string(change.name) == "sound";
                        if (save != Exit)
                            QVERIFY2(e.txtMessage[typed == SameRow ? 2 : 7]->text() ==
                                         QStringLiteral("mine"),
                                     qPrintable(row));
                        QVERIFY2(hasMessage(file, QStringLiteral("mine")) == saved,
                                 qPrintable(row));
                    }
                    QVERIFY2(t.fakes.box->texts.isEmpty(), qPrintable(row));
                    t.cleanup();
                    t.init();
                }
    }

    // A slot set again by another program fires; one whose save failed stays fired.
    void rearmedFromOutsideFiresAgain() {
        Notes n;
        n.NoteDate[0] = QStringLiteral("03/24/07");
        n.NoteTime[0] = QStringLiteral("14:00:00");
        n.NoteMessage[0] = QStringLiteral("tea");
        t.writeFile(n);
        Default<frmNotify>();
        Default<frmPass>().Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 1);
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
        n.NoteDone[0] = 0; // another program sets it again
        t.writeFile(n);
        Default<frmPass>().Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 2);
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
        // The same file written again by a program that knows nothing of the firing: it stays.
        Default<frmPass>().Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 2);
    }

    // Start-up keeps an existing file's header lines; a new file gets the fixed texts.
    void startUpKeepsTheHeaderLines() {
        for (const bool existing : {true, false}) {
            if (existing) {
                Notes n;
                n.FileHeader1 = QStringLiteral("mine 1");
                n.FileHeader2 = QStringLiteral("mine 2");
                t.writeFile(n);
            }
            Main();
            Default<frmTray>().Timer1->stop();
            Default<frmTray>().Timer1_Timer(); // start-up's save
            const Notes file = t.fileNotes();
            QCOMPARE(file.FileHeader1,
                     existing
                         ? QStringLiteral("mine 1")
                         : QStringLiteral(
                               "THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH."));
            QCOMPARE(file.FileHeader2, existing ? QStringLiteral("mine 2")
                                                : QStringLiteral("DELETE FILE COMPLETELY IF "
                                                                 "PROBLEM ARISES."));
            t.cleanup();
            t.init();
        }
    }

    void awkwardDisksLoseNothing() {
        // As root, access checks run as nobody; the directory must then let nobody in.
        const bool root = geteuid() == 0;
        auto asNobody = [&] {
            if (!root) return;
            QFile::setPermissions(t.dir->path(), QFile::Permissions(0x7755));
            setfsgid(Nobody);
            setfsuid(Nobody);
        };
        auto setMode = [](const QString& path, int mode) {
            QFile::setPermissions(path, QFile::Permissions(mode));
        };
        struct Case {
            const char* name;
            std::function<void()> setup;
            bool loads;         // else nothing is read and nothing fires
            const char* reason; // what the one failed-save message gives as the cause
        };
        const Case cases[] = {
            {"a directory named Kelvo.dat",
             [&] {
                 QFile::remove(DataFileName);
                 QDir().mkdir(DataFileName);
             },
             false, "Is a directory"},
            {"an unreadable file",
             [&] {
                 setMode(DataFileName, 0);
                 asNobody();
             },
             false, "Permission denied"},
            {"a write-protected file", [&] { setMode(DataFileName, 0x4444); }, true,
             "Permission denied"},
            {"a read-only working directory",
             [&] {
                 if (root) {
                     QVERIFY(chown(qPrintable(DataFileName), Nobody, Nobody) == 0);
                     asNobody();
                 } else {
                     setMode(t.dir->path(), 0x5500);
                 }
             },
             true, "Permission denied"},
        };
        for (const Case& c : cases) {
            t.cleanup();
            t.init();
            const Notes n = dueNow(QStringLiteral("kept"));
            t.writeFile(n);
            const QByteArray before = t.fileBytes();
            c.setup();
            LoadNotes();
            const bool loaded = NoteTable == n;
            const bool empty = NoteTable == Notes();
            const int alerts = tickMain(5);
            Default<frmNotify>().cmdOKnotify->click();
            const bool saved = saveDataFile(DataFileName, sample(QStringLiteral("new")));
            setfsuid(geteuid());
            setfsgid(getegid());
            setMode(t.dir->path(), 0x7700);
            if (!QFileInfo(DataFileName).isDir()) setMode(DataFileName, 0x6600);

            // Told once, whatever saved in between (ticks, firings, OK).
            QVERIFY2(t.fakes.box->texts ==
                         QStringList(SaveFailedMessage(QDir(t.dir->path()).filePath(DataFileName),
                                                       QString::fromLatin1(c.reason))),
                     c.name);
            QVERIFY2(c.loads ? loaded : empty, c.name);
            QVERIFY2(alerts == (c.loads ? 1 : 0), c.name);
            QVERIFY2(!saved, c.name);
            if (QFileInfo(DataFileName).isDir())
                QVERIFY2(QDir(DataFileName).isEmpty(), c.name);
            else
                QVERIFY2(t.fileBytes() == before, c.name);
            QVERIFY2(strayFiles().isEmpty(), c.name);
        }
    }

    void fullDiskKeepsTheOldFile() {
        const Notes a = sample(QStringLiteral("old"));
        QVERIFY(saveDataFile(DataFileName, a));
        const QByteArray before = t.fileBytes();
        const int code = inChild([] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{500, 500};
            setrlimit(RLIMIT_FSIZE, &limit);
            return saveDataFile(DataFileName, sample(QStringLiteral("new and longer"))) ? 1 : 0;
        });
        QCOMPARE(code, 0); // the save says it failed
        QCOMPARE(t.fileBytes(), before);
        Notes n;
        QCOMPARE(parseDataFile(t.fileBytes(), n), DataFileValues);
        QVERIFY(n == a);
        QCOMPARE(strayFiles(), QStringList());
    }

    // A real full disk, where the test may mount one: the editor says so once, loses nothing,
    // and saves once there is room again.
    void fullDiskIsToldOnceAndSavedWhenThereIsRoom() {
        if (geteuid() != 0) QSKIP("mounting a small file system needs root");
        const QString disk = t.dir->filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkdir(disk));
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk}) != 0)
            QSKIP("no tmpfs could be mounted here");
        struct Unmount {
            QString at;
            ~Unmount() {
                QDir::setCurrent(QDir::rootPath());
                QProcess::execute(QStringLiteral("umount"), {at});
            }
        } unmount{disk};
        QDir::setCurrent(disk);
        t.writeFile(dueNow(QStringLiteral("old")));
        const QByteArray before = t.fileBytes();
        auto fill = [] {
            QFile filler(QStringLiteral("filler"));
            QVERIFY(filler.open(QIODevice::Append));
            const QByteArray block(512, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        };
        fill();
        frmNotify& e = Default<frmNotify>();
        Default<frmPass>().setTimerEnabled(false);
        e.show();
        e.txtMessage[1]->setText(QStringLiteral("typed on a full disk"));
        e.cmdOKnotify->click();
        const QStringList told{SaveFailedMessage(QDir(disk).filePath(DataFileName),
                                                 QStringLiteral("No space left on device"))};
        QCOMPARE(t.fakes.box->texts, told);
        QVERIFY(e.isVisible()); // what was typed stays in view
        QCOMPARE(e.txtMessage[1]->text(), QStringLiteral("typed on a full disk"));
        QCOMPARE(tickMain(5), 1); // the firing's failed save adds no box, and it fires once
        e.cmdOKnotify->click();   // the user asks again, and is answered again
        QCOMPARE(t.fakes.box->texts, told + told);
        QVERIFY(e.isVisible());
        QCOMPARE(t.fileBytes(), before);
        QCOMPARE(strayFiles(), QStringList(QStringLiteral("filler")));

        QVERIFY(QFile::remove(QStringLiteral("filler")));
        e.cmdOKnotify->click();
        QVERIFY(!e.isVisible());
        QVERIFY(Default<frmPass>().timerEnabled());
        QCOMPARE(t.fileNotes().NoteMessage[1], QStringLiteral("typed on a full disk"));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
        fill(); // a new failure is told afresh
        e.show();
        e.txtMessage[2]->setText(QStringLiteral("and again"));
        e.cmdOKnotify->click();
        QCOMPARE(t.fakes.box->texts.size(), 3);
    }

    void clockSetBackADay() {
        Notes n;
        n.NoteDate[0] = QStringLiteral("03/24/07");
        n.NoteTime[0] = QStringLiteral("14:00:00");
        n.NoteMessage[0] = QStringLiteral("daily");
        n.RepeatDaily[0] = 1;
        n.SoundAlert = true;
        t.writeFile(n);
        frmNotify& e = Default<frmNotify>();
        QCOMPARE(tickMain(1), 1);
        t.fakes.clock->advanceDays(-1);
        QCOMPARE(tickMain(3), 1);
        // Acknowledged while the clock shows the day before: its date has not come, it stays.
        t.alertWindows().first()->cmdOK->click();
        QCOMPARE(t.fileNotes().NoteDate[0], QStringLiteral("03/24/07"));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));

        // One for the day the clock now shows fires.
        e.txtDateNotify[1]->setText(QStringLiteral("03/23/07"));
        e.txtMessage[1]->setText(QStringLiteral("back"));
        e.txtTimeNote[1]->setText(QStringLiteral("14:15:00"));
        e.cmdOKnotify->click();
        QCOMPARE(tickMain(1), 2);
        t.fakes.clock->advanceDays(1);
        QCOMPARE(tickMain(5), 2);
        QCOMPARE(t.fakes.sound->beeps(), 2);
        QList<frmPass*> alerts = t.alertWindows();
        alerts.first()->cmdOK->click();
        const Notes f = t.fileNotes();
        QCOMPARE(f.NoteDate[0], QStringLiteral("03/25/07"));
        QCOMPARE(f.NoteDone[0], qint16(0));
        QCOMPARE(f.NoteDone[1], qint16(1));
        QCOMPARE(tickMain(3), 2);
    }

    void killedWhileSavingLeavesAWholeFile() {
        const Notes a = sample(QStringLiteral("A"));
        const Notes b = sample(QStringLiteral("B, a longer tag that shifts every line"));
        QVERIFY(saveDataFile(DataFileName, b));
        const QByteArray bytesB = t.fileBytes();
        QVERIFY(saveDataFile(DataFileName, a));
        const QByteArray bytesA = t.fileBytes();
        std::mt19937 rng(1234);
        int survived = 0, foundB = 0;
        QSet<QString> stray;
        for (int k = 0; k < 200; ++k) {
            QVERIFY(saveDataFile(DataFileName, a)); // leftovers never block a save
            const pid_t pid = fork();
            if (pid == 0)
                for (;;) {
                    saveDataFile(DataFileName, b);
                    saveDataFile(DataFileName, a);
                }
            usleep(useconds_t(rng() % 20001));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            const QByteArray bytes = t.fileBytes();
            Notes n;
            QCOMPARE(parseDataFile(bytes, n), DataFileValues);
            QVERIFY(n == a || n == b);
            QVERIFY(bytes == bytesA || bytes == bytesB);
            foundB += bytes == bytesB;
            for (const QString& f : strayFiles())
                stray.insert(f);
            ++survived;
        }
        qInfo("crash: %d kills survived (%d left B, %d left A), %d temporary files left behind",
              survived, foundB, survived - foundB, int(stray.size()));
    }
};

QTEST_MAIN(ReliabilityTest)
#include "reliability_test.moc"
