#pragma once
// What both sides held at the last sync, kept beside the data file: per slot its item and the
// values synced, per other item of the collection why Kelvon does not hold it, and the
// collection's sync-token. Written whole and atomically, and only after the server said yes.

#include "sync/Mapping.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

namespace ksync {

struct SlotState {
    QString uid;
    QString href;
    QByteArray etag;
    QByteArray ics; // the item as the server holds it, to change it in place
    SlotValues values;
};

struct ItemState {
    QByteArray etag;
    QString summary;
    QString why;
    QByteArray ics; // kept while it waits for a free slot
};

struct State {
    QString collection;
    QString token;
    // Counts the syncs that went through: a new item's UID is made from it, the slot and its
    // values, so that a send whose answer was lost is recognised, not sent twice.
    qint64 generation = 0;
    QDateTime lastSync;
    QString lastError;
    QMap<int, SlotState> slots;
    QMap<QString, ItemState> items; // by href: on the server, not in a slot
    QStringList notes;              // what the last sync could not do, or kept twice

    static QString pathFor(const QString& dataFile);
    // A missing or unreadable file is an empty state: everything is compared afresh.
    static State load(const QString& path);
    bool save(const QString& path, QString* why) const;
};

} // namespace ksync
