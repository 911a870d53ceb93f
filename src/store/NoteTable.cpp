#include "store/NoteTable.h"

Notes NoteTable;
QString TodayText;
QString NowTimeText;
qint16 SlotIndex = 0;
qint16 CurrentRow = 0;

namespace {
std::array<bool, SlotCount> firedLatch{};
std::optional<KnownFile> knownFile;
} // namespace

std::optional<KnownFile>& KnownDataFile() {
    return knownFile;
}

bool SameRow(const Notes& a, int i, const Notes& b, int j) {
    return a.NoteDate[i] == b.NoteDate[j] && a.NoteMessage[i] == b.NoteMessage[j] &&
           a.NoteTime[i] == b.NoteTime[j] && a.RepeatDaily[i] == b.RepeatDaily[j] &&
           a.RepeatWeekly[i] == b.RepeatWeekly[j] && a.RepeatMonthly[i] == b.RepeatMonthly[j];
}

bool SameSlot(const Notes& a, int i, const Notes& b, int j) {
    return SameRow(a, i, b, j) && a.NoteDone[i] == b.NoteDone[j];
}

void CopySlot(Notes& to, int i, const Notes& from, int j) {
    to.NoteDate[i] = from.NoteDate[j];
    to.NoteMessage[i] = from.NoteMessage[j];
    to.NoteTime[i] = from.NoteTime[j];
    to.RepeatDaily[i] = from.RepeatDaily[j];
    to.RepeatWeekly[i] = from.RepeatWeekly[j];
    to.RepeatMonthly[i] = from.RepeatMonthly[j];
    to.NoteDone[i] = from.NoteDone[j];
}

bool IsEmptyRow(const Notes& n, int i) {
    return n.NoteDate[i].isEmpty() && n.NoteMessage[i].isEmpty() && n.NoteTime[i].isEmpty();
}

bool SameSound(const Notes& a, const Notes& b) {
    return a.SoundMessage == b.SoundMessage && a.SoundAlert == b.SoundAlert &&
           a.SoundDive == b.SoundDive && a.SoundAlarm == b.SoundAlarm;
}

void CopySound(Notes& to, const Notes& from) {
    to.SoundMessage = from.SoundMessage;
    to.SoundAlert = from.SoundAlert;
    to.SoundDive = from.SoundDive;
    to.SoundAlarm = from.SoundAlarm;
}

Notes MergeNotes(const Notes& base, const Notes& ours, const Notes& theirs) {
    auto pick = [](const auto& b, const auto& o, const auto& t) { return t == b ? o : t; };
    Notes out;
    out.FileHeader1 = pick(base.FileHeader1, ours.FileHeader1, theirs.FileHeader1);
    out.FileHeader2 = pick(base.FileHeader2, ours.FileHeader2, theirs.FileHeader2);
    // The sound is one choice of four, never mixed.
    CopySound(out, SameSound(theirs, base) ? ours : theirs);
    for (int i = 0; i < SlotCount; ++i) {
        if (theirs.NoteDate[i] != base.NoteDate[i] || theirs.NoteTime[i] != base.NoteTime[i]) {
            CopySlot(out, i, theirs, i);
            continue;
        }
        out.NoteDate[i] = pick(base.NoteDate[i], ours.NoteDate[i], theirs.NoteDate[i]);
        out.NoteMessage[i] = pick(base.NoteMessage[i], ours.NoteMessage[i], theirs.NoteMessage[i]);
        out.NoteTime[i] = pick(base.NoteTime[i], ours.NoteTime[i], theirs.NoteTime[i]);
        // The repeats are one choice too.
        const bool theirRepeat = theirs.RepeatDaily[i] != base.RepeatDaily[i] ||
                                 theirs.RepeatWeekly[i] != base.RepeatWeekly[i] ||
                                 theirs.RepeatMonthly[i] != base.RepeatMonthly[i];
        const Notes& repeat = theirRepeat ? theirs : ours;
        out.RepeatDaily[i] = repeat.RepeatDaily[i];
        out.RepeatWeekly[i] = repeat.RepeatWeekly[i];
        out.RepeatMonthly[i] = repeat.RepeatMonthly[i];
        out.NoteDone[i] = pick(base.NoteDone[i], ours.NoteDone[i], theirs.NoteDone[i]);
    }
    return out;
}

void ReleaseLatchWhereChanged(const Notes& before, const Notes& after) {
    for (int i = 0; i < SlotCount; ++i)
        if (!SameSlot(before, i, after, i)) firedLatch[i] = false;
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
    knownFile.reset();
}
