// Whatever the bytes, reading must not crash, must touch only the values it counts, and what it
// read must come back unchanged through a write and a second read.

#include "store/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, int index = -1) {
    std::fprintf(stderr, "fuzz_datafile: %s (value %d)\n", what, index);
    std::abort();
}

// Compares one value, numbered in file order as parseDataFile counts them.
bool sameValue(const Notes& a, const Notes& b, int index) {
    switch (index) {
    case 0: return a.FileHeader1 == b.FileHeader1;
    case 1: return a.FileHeader2 == b.FileHeader2;
    case 2: return a.SoundMessage == b.SoundMessage;
    case 3: return a.SoundAlert == b.SoundAlert;
    case 4: return a.SoundDive == b.SoundDive;
    case 5: return a.SoundAlarm == b.SoundAlarm;
    default: break;
    }
    const auto slot = static_cast<std::size_t>((index - 6) / 7);
    switch ((index - 6) % 7) {
    case 0: return a.NoteDate[slot] == b.NoteDate[slot];
    case 1: return a.NoteMessage[slot] == b.NoteMessage[slot];
    case 2: return a.NoteTime[slot] == b.NoteTime[slot];
    case 3: return a.RepeatDaily[slot] == b.RepeatDaily[slot];
    case 4: return a.RepeatWeekly[slot] == b.RepeatWeekly[slot];
    case 5: return a.RepeatMonthly[slot] == b.RepeatMonthly[slot];
    default: return a.NoteDone[slot] == b.NoteDone[slot];
    }
}

// Unlike the defaults in every value, Booleans aside, so a stray write shows.
Notes marked() {
    Notes n;
    const QString text = QStringLiteral("\u00a7unread");
    n.FileHeader1 = n.FileHeader2 = text;
    n.SoundMessage = n.SoundAlert = n.SoundDive = n.SoundAlarm = true;
    for (int i = 0; i < SlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        n.NoteDate[s] = n.NoteMessage[s] = n.NoteTime[s] = text;
        n.RepeatDaily[s] = n.RepeatWeekly[s] = n.RepeatMonthly[s] = n.NoteDone[s] = -12345;
    }
    return n;
}

// Whatever was read, a written file must be whole and must read back to the same table.
void checkRoundTrip(const Notes& table) {
    const QByteArray bytes = formatDataFile(table);
    if (bytes.count('\n') != DataFileLines || bytes.count("\r\n") != DataFileLines ||
        !bytes.endsWith("\r\n"))
        fail("formatted file is not 227 CR LF lines");
    Notes again;
    if (parseDataFile(bytes, again) != DataFileValues) fail("formatted file does not read whole");
    for (int i = 0; i < DataFileValues; ++i)
        if (!sameValue(again, table, i)) fail("value changed through format and parse", i);
    if (again != table) fail("operator== disagrees with the values");
    if (formatDataFile(again) != bytes) fail("second format differs from the first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Notes defaults;
    const Notes sentinel = marked();

    Notes plain;
    const int read = parseDataFile(bytes, plain);
    if (read < 0 || read > DataFileValues) fail("count out of range", read);
    Notes prefilled = sentinel;
    if (parseDataFile(bytes, prefilled) != read) fail("count depends on the table's old contents");

    for (int i = 0; i < DataFileValues; ++i) {
        if (i < read) {
            if (!sameValue(plain, prefilled, i)) fail("value read depends on the old contents", i);
        } else if (!sameValue(plain, defaults, i) || !sameValue(prefilled, sentinel, i)) {
            fail("value past the count was written", i);
        }
    }

    checkRoundTrip(plain);
    return 0;
}
