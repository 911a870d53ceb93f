#pragma once
// One two-way sync of a data file with a calendar collection, by the status of each slot:
// a change is what differs from what both sides held at the last sync, a conflict a change on
// both. Nothing is resolved by dropping a side.

#include "sync/Dav.h"
#include "sync/State.h"

namespace ksync {

struct Outcome {
    Failure failure = Failure::None;
    QString error;      // one line
    bool again = false; // the server changed while we wrote: sync once more at once
};

// `dataFile` is the path of Kelvo.dat; the state lives beside it.
Outcome syncOnce(Dav& dav, const QUrl& collection, const QString& dataFile);

} // namespace ksync
