#pragma once
// The reminder table: one instance for the whole process, read and written directly.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

constexpr int SlotCount = 32;

struct Notes {
    std::array<QString, SlotCount> NoteDate;
    std::array<QString, SlotCount> NoteMessage;
    std::array<QString, SlotCount> NoteTime;
    std::array<qint16, SlotCount> RepeatDaily{};
    std::array<qint16, SlotCount> RepeatWeekly{};
    std::array<qint16, SlotCount> RepeatMonthly{};
    std::array<qint16, SlotCount> NoteDone{};
    QString FileHeader1;
    QString FileHeader2;
    bool SoundMessage = false;
    bool SoundAlert = false;
    bool SoundDive = false;
    bool SoundAlarm = false;

    bool operator==(const Notes& other) const;
    bool operator!=(const Notes& other) const { return !(*this == other); }
};

extern Notes NoteTable;

// Shared working values.
extern QString TodayText;   // today as "mm/dd/yy"
extern QString NowTimeText; // now as "hh:mm:ss"
extern qint16 SlotIndex;    // the slot being tested or fired
extern qint16 CurrentRow;   // the editor row whose picker is open

// A slot that has fired stays done for the rest of the run until something re-arms it, even
// when the save that recorded it failed and the file still says armed.
void MarkFired(int slot);
// Where another program changed a slot, the file says what it is now: a latch holds only while
// the file keeps that slot's reminder as it was.
void ReleaseLatchWhereChanged(const Notes& before, const Notes& after);
void Rearm(int slot);
void ApplyFiredLatch(Notes& notes);
// A slot as the editor's row holds it: its texts and repeats, not its done flag.
bool SameRow(const Notes& a, int i, const Notes& b, int j);
// The row and its done flag.
bool SameSlot(const Notes& a, int i, const Notes& b, int j);
void CopySlot(Notes& to, int i, const Notes& from, int j);
bool IsEmptyRow(const Notes& notes, int i);
bool SameSound(const Notes& a, const Notes& b);
void CopySound(Notes& to, const Notes& from);
// Three-way, value by value: what only `ours` changed since `base` stays; everything `theirs`
// changed is taken, and a slot given another date or time by `theirs` is taken whole, done flag
// and all, as it is another reminder now.
Notes MergeNotes(const Notes& base, const Notes& ours, const Notes& theirs);

// The data file as Kelvon last read it whole or wrote it. Bytes other than these come from
// another program.
struct KnownFile {
    QByteArray bytes;
    Notes notes;
};
std::optional<KnownFile>& KnownDataFile();

// Back to the state at process start (tests, and nothing else).
void ResetNoteTable();
