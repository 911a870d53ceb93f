#pragma once
// The reminder table: one instance for the whole process, read and written directly.

#include <QString>
#include <array>

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
void Rearm(int slot);
void ApplyFiredLatch(Notes& notes);
// Back to the state at process start (tests, and nothing else).
void ResetNoteTable();
