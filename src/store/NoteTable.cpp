#include "store/NoteTable.h"

Notes NoteTable;
QString TodayText;
QString NowTimeText;
qint16 SlotIndex = 0;
qint16 CurrentRow = 0;

namespace {
std::array<bool, SlotCount> firedLatch{};
}

bool Notes::operator==(const Notes& o) const {
    return NoteDate == o.NoteDate && NoteMessage == o.NoteMessage && NoteTime == o.NoteTime &&
           RepeatDaily == o.RepeatDaily && RepeatWeekly == o.RepeatWeekly &&
           RepeatMonthly == o.RepeatMonthly && NoteDone == o.NoteDone &&
           FileHeader1 == o.FileHeader1 && FileHeader2 == o.FileHeader2 &&
           SoundMessage == o.SoundMessage && SoundAlert == o.SoundAlert &&
           SoundDive == o.SoundDive && SoundAlarm == o.SoundAlarm;
}

void MarkFired(int slot) {
    NoteTable.NoteDone[slot] = 1;
    firedLatch[slot] = true;
}

void Rearm(int slot) {
    NoteTable.NoteDone[slot] = 0;
    firedLatch[slot] = false;
}

void ApplyFiredLatch(Notes& notes) {
    for (int i = 0; i < SlotCount; ++i)
        if (firedLatch[i]) notes.NoteDone[i] = 1;
}

void ResetNoteTable() {
    NoteTable = Notes();
    TodayText.clear();
    NowTimeText.clear();
    SlotIndex = 0;
    CurrentRow = 0;
    firedLatch.fill(false);
}
