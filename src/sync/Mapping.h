#pragma once
// One slot of the data file as one calendar item (a VTODO with one alarm), and what an item on
// the server gives a slot. iCalendar is read and written by libical only.

#include "store/NoteTable.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace ksync {

// One slot's values as the data file holds them.
struct SlotValues {
    QString date;
    QString message;
    QString time;
    qint16 daily = 0;
    qint16 weekly = 0;
    qint16 monthly = 0;
    qint16 done = 0;

    bool isBlank() const { return date.isEmpty() && message.isEmpty() && time.isEmpty(); }
    bool operator==(const SlotValues& o) const;
    bool operator!=(const SlotValues& o) const { return !(*this == o); }
};

SlotValues slotOf(const Notes& notes, int slot);
void putSlot(Notes& notes, int slot, const SlotValues& values);
// What Kelvon's Clear leaves: no texts, done.
SlotValues clearedSlot();

// The moment a slot's texts name, in local time: an empty date is Kelvon's long-past stand-in,
// an empty time midnight. None when a text does not convert.
std::optional<QDateTime> slotMoment(const SlotValues& values);
// The same reminder in the forms Kelvon's pickers write; unchanged when it does not convert.
SlotValues canonical(const SlotValues& values);

// What one item of the server gives Kelvon.
struct Reading {
    QString uid;
    QString summary;
    std::optional<SlotValues> slot; // none: Kelvon cannot hold it, `why` says why
    QString why;
    QDateTime moment;      // the alarm's moment, local time
    bool finished = false; // completed or cancelled
};
// `now` tells a repeating event begun before it, which Kelvon does not take: its slot would
// hold a date long past, and moving it on would move the whole series. An item a slot holds
// already is read with no `now`: it stays in its slot.
Reading readItem(const QByteArray& ics, const QDateTime& now);

// A new item holding a slot: DUE in the local time zone, its repeat, one alarm at DUE.
QByteArray newItem(const SlotValues& values, const QString& uid, const QDateTime& now);
// The item `ics` changed to hold `values`, every property Kelvon does not know kept; none when
// the item cannot be read.
std::optional<QByteArray> updateItem(const QByteArray& ics, const SlotValues& values,
                                     const QDateTime& now);

} // namespace ksync
