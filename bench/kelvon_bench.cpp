// Micro-benchmarks of the work Kelvon repeats: the twice-a-second tick, the data file, the
// editor's load and one firing. Windows run offscreen with the fakes installed.

#include "alarm/Alarm.h"
#include "app/frmPass.h"
#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "main/Language.h"
#include "platform/Fakes.h"
#include "store/DataFile.h"
#include "store/DateText.h"
#include "store/Module1.h"
#include "store/NoteTable.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// A weekday morning: most of the day's reminders are still to come, so nothing is due.
const QDate Today{2024, 5, 14};
const QTime Morning{8, 0, 0};

struct Row {
    int dayOffset;
    const char* time;
    const char* message;
    qint16 daily, weekly, monthly, done;
};

// 32 reminders as a busy user keeps them: some later today, some to come, the past ones done.
const Row Rows[SlotCount] = {
    {0, "09:30:00", "Stand-up meeting, room 2.14", 0, 1, 0, 0},
    {0, "11:00:00", "Call the plumber about the boiler", 0, 0, 0, 0},
    {0, "12:30:00", "Lunch with Sam at the Italian place", 0, 0, 0, 0},
    {0, "15:15:00", "Pick up the kids from school", 1, 0, 0, 0},
    {0, "15:45:00", "Dentist at 4, bring the insurance card", 0, 0, 0, 0},
    {0, "20:00:00", "Take the evening pills", 1, 0, 0, 0},
    {0, "07:30:00", "Morning pills", 1, 0, 0, 1},
    {0, "06:45:00", "Walk the dog", 1, 0, 0, 1},
    {1, "08:15:00", "Put the bins out", 0, 1, 0, 0},
    {1, "18:00:00", "Choir practice", 0, 1, 0, 0},
    {2, "10:00:00", "Quarterly review with Anna", 0, 0, 0, 0},
    {3, "13:00:00", "Order the birthday cake", 0, 0, 0, 0},
    {4, "17:30:00", "Book tickets for the weekend", 0, 0, 0, 0},
    {5, "09:00:00", "Farmers market", 0, 1, 0, 0},
    {6, "11:30:00", "Call grandma", 0, 1, 0, 0},
    {9, "14:00:00", "Car service at the garage", 0, 0, 0, 0},
    {12, "19:30:00", "Book club: chapter 12", 0, 0, 1, 0},
    {18, "09:00:00", "Pay rent", 0, 0, 1, 0},
    {19, "12:00:00", "Mum's birthday, call in the morning", 0, 0, 0, 0},
    {21, "08:00:00", "Renew the parking permit", 0, 0, 0, 0},
    {30, "10:30:00", "Gym membership ends, decide", 0, 0, 0, 0},
    {45, "16:00:00", "Tax return deadline", 0, 0, 0, 0},
    {60, "09:15:00", "Eye test", 0, 0, 0, 0},
    {77, "10:00:00", "Passport expires in 3 months", 0, 0, 0, 0},
    {100, "18:00:00", "Anniversary dinner, reserve a table", 0, 0, 0, 0},
    {140, "09:00:00", "Change the smoke alarm batteries", 0, 0, 0, 0},
    {-1, "19:00:00", "Water the plants", 0, 1, 0, 1},
    {-2, "08:30:00", "Send the invoice to ACME", 0, 0, 1, 1},
    {-3, "21:00:00", "Back up the laptop", 0, 1, 0, 1},
    {-7, "12:00:00", "Lunch with the team", 0, 0, 0, 1},
    {-14, "10:00:00", "Return the library books", 0, 0, 0, 1},
    {-30, "09:00:00", "Pay the electricity bill", 0, 0, 1, 1},
};

Notes realisticNotes() {
    Notes n;
    n.FileHeader1 = QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.");
    n.FileHeader2 = QStringLiteral("DELETE FILE COMPLETELY IF PROBLEM ARISES.");
    n.SoundAlert = true;
    for (int i = 0; i < SlotCount; ++i) {
        const Row& r = Rows[i];
        n.NoteDate[i] = DateText(Today.addDays(r.dayOffset));
        n.NoteMessage[i] = QString::fromUtf8(r.message);
        n.NoteTime[i] = QString::fromLatin1(r.time);
        n.RepeatDaily[i] = r.daily;
        n.RepeatWeekly[i] = r.weekly;
        n.RepeatMonthly[i] = r.monthly;
        n.NoteDone[i] = r.done;
    }
    return n;
}

QByteArray FileBytes;
platform::Fakes TheFakes{};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "kelvon_bench: %s\n", what);
    std::exit(2);
}

void restoreDataFile() {
    QFile f(DataFileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(FileBytes) != FileBytes.size())
        fail("cannot write the data file");
}

// What a start in German adds: Kelvon's and Qt's translations found, mapped and installed,
// before any window exists (this runs first).
void BM_LoadTranslations(benchmark::State& state) {
    for (auto _ : state)
        if (!LoadTranslations(QLocale(QStringLiteral("de")))) state.SkipWithError("no German");
    UnloadTranslations();
}

void BM_TickCore(benchmark::State& state) {
    NowTimeText = TimeText(Morning);
    int due = 0;
    for (auto _ : state) {
        LoadNotes();
        for (int i = 0; i < SlotCount; ++i)
            if (!IsBlank(i) && IsDue(i, Today)) ++due;
    }
    if (due != 0) state.SkipWithError("a reminder was due");
}
BENCHMARK(BM_LoadTranslations)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickCore);

// The same with a file that differs from the last load every time (two folders, one message
// apart, taken in turn): the reload decodes it whole. Includes a change of folder per load.
void BM_TickCoreChangedFile(benchmark::State& state) {
    const QString home = QDir::currentPath();
    QTemporaryDir other;
    Notes changed = realisticNotes();
    changed.NoteMessage[3] = QStringLiteral("Pick up the kids from school, then the shop");
    if (!other.isValid() || !saveDataFile(other.filePath(DataFileName), changed))
        fail("cannot write the second data file");
    NowTimeText = TimeText(Morning);
    int due = 0;
    bool there = false;
    for (auto _ : state) {
        QDir::setCurrent((there = !there) ? other.path() : home);
        LoadNotes();
        for (int i = 0; i < SlotCount; ++i)
            if (!IsBlank(i) && IsDue(i, Today)) ++due;
    }
    QDir::setCurrent(home);
    if (due != 0) state.SkipWithError("a reminder was due");
}
BENCHMARK(BM_TickCoreChangedFile);

void BM_FileReadFloor(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(DataFileName);
        if (!f.open(QIODevice::ReadOnly)) state.SkipWithError("open failed");
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
        f.close();
    }
}
BENCHMARK(BM_FileReadFloor);

void BM_Parse(benchmark::State& state) {
    Notes n;
    for (auto _ : state) {
        const int read = parseDataFile(FileBytes, n);
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes.size());
}
BENCHMARK(BM_Parse);

void BM_Format(benchmark::State& state) {
    const Notes n = realisticNotes();
    for (auto _ : state) {
        QByteArray bytes = formatDataFile(n);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes.size());
}
BENCHMARK(BM_Format);

// The due test alone, to tell its share of the tick from the load's.
void BM_DueTest(benchmark::State& state) {
    LoadNotes();
    NowTimeText = TimeText(Morning);
    for (auto _ : state) {
        int due = 0;
        for (int i = 0; i < SlotCount; ++i)
            if (!IsBlank(i) && IsDue(i, Today)) ++due;
        benchmark::DoNotOptimize(due);
    }
}
BENCHMARK(BM_DueTest);

const QString SaveName = QStringLiteral("save-bench.dat");

void BM_SaveAtomic(benchmark::State& state) {
    const Notes n = realisticNotes();
    for (auto _ : state)
        if (!saveDataFile(SaveName, n)) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveAtomic);

// The same bytes to a temporary name and renamed over: what any whole-file replace costs.
// With the argument 1 the data are synced first, as a replace that survives power loss must.
void BM_SavePlainRename(benchmark::State& state) {
    const QByteArray bytes = formatDataFile(realisticNotes());
    const QByteArray target = QFile::encodeName(SaveName);
    const QByteArray temp = target + ".tmp";
    const bool sync = state.range(0) != 0;
    for (auto _ : state) {
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() ||
            (sync && ::fdatasync(fd) != 0) || ::close(fd) != 0 ||
            ::rename(temp.constData(), target.constData()) != 0)
            state.SkipWithError("write or rename failed");
    }
}
BENCHMARK(BM_SavePlainRename)->Arg(0)->Arg(1);

void BM_EditorLoad(benchmark::State& state) {
    frmNotify& editor = Default<frmNotify>();
    for (auto _ : state)
        editor.Form_Load();
    if (editor.txtMessage[SlotCount - 1]->text().isEmpty()) state.SkipWithError("rows not filled");
}
BENCHMARK(BM_EditorLoad);

void BM_ClockTick(benchmark::State& state) {
    frmPass& main = Default<frmPass>();
    main.setTimerEnabled(false); // ticks are driven here, not by the event loop
    for (auto _ : state)
        ClockTick(main);
    if (AlertWindow) state.SkipWithError("a reminder fired");
}
BENCHMARK(BM_ClockTick);

// With `painted`, the posted layout, expose and paint events run too, as on screen.
void runFirings(benchmark::State& state, bool painted) {
    Default<frmNotify>();
    Default<frmPass>().setTimerEnabled(false);
    constexpr qint16 slot = 2;
    for (auto _ : state) {
        SlotIndex = slot;
        FireAlarm();
        if (painted) QCoreApplication::processEvents();
        if (!AlertWindow || !AlertWindow->isVisible()) state.SkipWithError("no alert window");
        delete AlertWindow.data();
        state.PauseTiming();
        Rearm(slot);
        TheFakes.sound->events.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    restoreDataFile();
    LoadNotes();
}

void BM_Firing(benchmark::State& state) {
    runFirings(state, false);
}
BENCHMARK(BM_Firing)->Unit(benchmark::kMicrosecond);

void BM_FiringPainted(benchmark::State& state) {
    runFirings(state, true);
}
BENCHMARK(BM_FiringPainted)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) fail("no working directory");
    FileBytes = formatDataFile(realisticNotes());
    if (FileBytes.count('\n') != DataFileLines) fail("the data file is not 227 lines");
    Notes check;
    if (parseDataFile(FileBytes, check) != DataFileValues || check != realisticNotes())
        fail("the data file does not read back");
    restoreDataFile();

    TheFakes = platform::installFakes();
    TheFakes.clock->set(QDateTime(Today, Morning));
    ResetNoteTable();
    RegisterAppWindows();

    // Five runs of each with their median, mean and spread, unless the command line says.
    std::vector<char*> args(argv, argv + argc);
    auto given = [&](const char* flag) {
        for (int i = 1; i < argc; ++i)
            if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
        return false;
    };
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (!given("--benchmark_repetitions")) args.push_back(repetitions);
    if (!given("--benchmark_report_aggregates_only") && !given("--benchmark_display_aggregates"))
        args.push_back(aggregates);
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
