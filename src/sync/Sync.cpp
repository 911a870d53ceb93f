#include "sync/Sync.h"

#include "platform/Platform.h"
#include "platform/WriterLock.h"
#include "store/DataFile.h"

#include <QFile>
#include <QSet>
#include <QUuid>
#include <algorithm>

namespace ksync {
namespace {

const QByteArray XmlHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
const QByteArray Namespaces = " xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"";
const QByteArray DataProps = "<d:prop><d:getetag/><c:calendar-data/></d:prop>";

// An item of the collection as the server sent it.
struct Fetched {
    QByteArray etag;
    QByteArray ics;
};

struct Changes {
    QHash<QString, Fetched> changed;
    QSet<QString> removed;
    QString token;
    QMap<QString, ItemState> notFetched; // listed, left out by the server's filter
};

QByteArray escaped(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

bool isMember(const DavResponse& r, const QUrl& collection) {
    if (r.props.value(QStringLiteral("resourcetype"))
            .children.contains(QLatin1String("collection")))
        return false;
    return collection.resolved(QUrl(r.href)).path() != collection.path();
}

void take(const MultiStatus& ms, const QUrl& collection, Changes* ch) {
    for (const DavResponse& r : ms.responses) {
        if (!isMember(r, collection)) continue;
        if (r.status == 404) {
            ch->removed.insert(r.href);
            continue;
        }
        ch->changed.insert(r.href,
                           {r.props.value(QStringLiteral("getetag")).text.trimmed().toUtf8(),
                            r.props.value(QStringLiteral("calendar-data")).text.toUtf8()});
    }
}

bool fetchData(Dav& dav, const QUrl& collection, const QStringList& hrefs, Changes* ch,
               Reply* reply) {
    for (qsizetype i = 0; i < hrefs.size(); i += 100) {
        QByteArray body = XmlHead + "<c:calendar-multiget" + Namespaces + ">" + DataProps;
        for (qsizetype k = i; k < std::min(hrefs.size(), i + 100); ++k)
            body += "<d:href>" + escaped(hrefs[k]) + "</d:href>";
        body += "</c:calendar-multiget>";
        const auto ms = dav.multi("REPORT", collection, 1, body, reply);
        if (!ms) return false;
        take(*ms, collection, ch);
    }
    return true;
}

// What changed on the server since the state's token; without one, every item is listed and
// compared with the state's ETags. A first sync asks the server for tasks and for events not
// yet over only: a shared calendar holds years of them.
bool fetchChanges(Dav& dav, const QUrl& collection, State& st, Changes* ch, Reply* reply) {
    if (!st.token.isEmpty()) {
        const QByteArray body =
            XmlHead + "<d:sync-collection" + Namespaces + "><d:sync-token>" + escaped(st.token) +
            "</d:sync-token><d:sync-level>1</d:sync-level>" + DataProps + "</d:sync-collection>";
        const auto ms = dav.multi("REPORT", collection, 0, body, reply);
        if (ms) {
            take(*ms, collection, ch);
            ch->token = ms->syncToken;
            // Servers that list changes without their data (Xandikos): fetched by a multiget.
            QStringList bare;
            for (auto it = ch->changed.cbegin(); it != ch->changed.cend(); ++it)
                if (it->ics.isEmpty()) bare << it.key();
            return fetchData(dav, collection, bare, ch, reply);
        }
        // A token the server no longer knows: start over from a listing.
        if (reply->status != 403 && reply->status != 409 && reply->failure != Failure::Other)
            return false;
    }
    QHash<QString, QByteArray> listed;
    const QByteArray listing = XmlHead + "<d:sync-collection" + Namespaces +
                               "><d:sync-token/><d:sync-level>1</d:sync-level>"
                               "<d:prop><d:getetag/></d:prop></d:sync-collection>";
    auto ms = dav.multi("REPORT", collection, 0, listing, reply);
    if (ms) {
        ch->token = ms->syncToken;
    } else {
        // Servers without sync-collection say so in several ways, one of which looks like a
        // refused password.
        const int code = reply->status;
        const bool unsupported = (code == 403 && reply->body.contains("supported-report")) ||
                                 code == 400 || code == 405 || code == 415 || code == 501;
        if (!unsupported &&
            (reply->failure == Failure::Unreachable || reply->failure == Failure::Denied ||
             reply->failure == Failure::Refused))
            return false;
        ms = dav.multi("PROPFIND", collection, 1,
                       XmlHead + "<d:propfind" + Namespaces +
                           "><d:prop><d:getetag/><d:resourcetype/></d:prop></d:propfind>",
                       reply);
        if (!ms) return false;
    }
    for (const DavResponse& r : ms->responses)
        if (isMember(r, collection) && r.status != 404)
            listed.insert(r.href, r.props.value(QStringLiteral("getetag")).text.trimmed().toUtf8());

    QHash<QString, QByteArray> known;
    for (const SlotState& s : st.slots)
        known.insert(s.href, s.etag);
    for (auto it = st.items.cbegin(); it != st.items.cend(); ++it)
        known.insert(it.key(), it->etag);
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (!listed.contains(it.key())) ch->removed.insert(it.key());

    if (known.isEmpty() && !listed.isEmpty()) {
        const QString since =
            Now().toUTC().addDays(-1).toString(QStringLiteral("yyyyMMdd'T'hhmmss'Z'"));
        for (const QByteArray& filter : {QByteArray("<c:comp-filter name=\"VTODO\"/>"),
                                         "<c:comp-filter name=\"VEVENT\"><c:time-range start=\"" +
                                             since.toLatin1() + "\"/></c:comp-filter>"}) {
            const QByteArray body = XmlHead + "<c:calendar-query" + Namespaces + ">" + DataProps +
                                    "<c:filter><c:comp-filter name=\"VCALENDAR\">" + filter +
                                    "</c:comp-filter></c:filter></c:calendar-query>";
            const auto found = dav.multi("REPORT", collection, 1, body, reply);
            if (!found) return false;
            take(*found, collection, ch);
        }
        for (auto it = listed.cbegin(); it != listed.cend(); ++it)
            if (!ch->changed.contains(it.key()))
                ch->notFetched.insert(it.key(),
                                      {it.value(),
                                       QString(),
                                       QStringLiteral("not asked for: an event over before %1")
                                           .arg(Now().addDays(-1).date().toString(Qt::ISODate)),
                                       {}});
        return true;
    }
    QStringList wanted;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        if (known.value(it.key()) != it.value() || it.value().isEmpty()) wanted << it.key();
    return fetchData(dav, collection, wanted, ch, reply);
}

enum class Net { PutNew, PutUpdate, Delete, Adopt };

struct NetStep {
    Net kind;
    int slot;
    QString href;
    QString uid;
    QByteArray ics;
    QByteArray etag; // If-Match
    SlotValues values;
};

struct Apply {
    int slot;
    SlotValues expect;
    SlotValues to;
    std::optional<SlotState> mapping; // none: the slot leaves the collection
    bool mappedByPut = false;         // the mapping came with a new item sent for it
    QString leftHref;                 // an item that leaves the slot
    ItemState left;
    int after = -1; // written only once this slot's new item is on the server
};

bool readNotes(const QString& path, Notes* notes, QString* why) {
    QFile file(path);
    if (!file.exists()) {
        notes->FileHeader1 =
            QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.");
        notes->FileHeader2 = QStringLiteral("DELETE FILE COMPLETELY IF PROBLEM ARISES.");
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    if (parseDataFile(file.readAll(), *notes) < DataFileValues) {
        *why = QStringLiteral("%1 is damaged; nothing was synced").arg(path);
        return false;
    }
    return true;
}

QString slotName(int slot, const SlotValues& v) {
    return QStringLiteral("slot %1 (\"%2\")").arg(slot + 1).arg(v.message);
}

} // namespace

Outcome syncOnce(Dav& dav, const QUrl& collection, const QString& dataFile) {
    const QString statePath = State::pathFor(dataFile);
    State st = State::load(statePath);
    // Named without the user info a hand-written address may carry: a password is no key.
    const QString named = collection.toString(QUrl::RemoveUserInfo);
    if (st.collection != named) {
        st = State();
        st.collection = named;
    }
    Outcome out;
    auto failed = [&](const Reply& r) {
        out.failure = r.failure == Failure::None ? Failure::Other : r.failure;
        out.error = r.error;
        st.lastError = r.error;
        st.save(statePath, nullptr);
        return out;
    };

    // Deleted, as its header tells users to do: a fresh file, filled from the server. Its blank
    // slots are no clearing of every item.
    if (!st.slots.isEmpty() && !QFile::exists(dataFile)) {
        st.slots.clear();
        st.token.clear();
    }

    Changes ch;
    Reply reply;
    if (!fetchChanges(dav, collection, st, &ch, &reply)) return failed(reply);

    Notes local;
    QString why;
    if (!readNotes(dataFile, &local, &why)) {
        reply.failure = Failure::Other;
        reply.error = why;
        return failed(reply);
    }
    const QDateTime now = Now();
    QStringList notes;
    QVector<NetStep> net;
    QVector<Apply> applies;
    QMap<QString, ItemState> items = st.items; // committed when everything went through
    QMap<int, SlotState> absorbed;             // ETag-only changes of mapped items
    QMap<int, QString> dropped;                // mappings that end without a local change
    QSet<int> busy;                            // slots with a step planned
    for (auto it = ch.notFetched.cbegin(); it != ch.notFetched.cend(); ++it)
        items.insert(it.key(), *it);
    for (const QString& href : ch.removed)
        items.remove(href);

    auto freeSlot = [&]() {
        for (int s = 0; s < SlotCount; ++s)
            if (!busy.contains(s) && !st.slots.contains(s) && slotOf(local, s).isBlank()) return s;
        return -1;
    };
    QHash<QString, int> sentNew; // by UID: the step in `net`
    auto sendNew = [&](int slot, const SlotValues& v) {
        if (!slotMoment(v)) {
            notes << QStringLiteral("%1: its date or time is not one Kelvon understands; not sent")
                         .arg(slotName(slot, v));
            return;
        }
        const QString name = QStringLiteral("%1|%2|%3|%4|%5|%6|%7%8%9|%10")
                                 .arg(named)
                                 .arg(slot)
                                 .arg(v.date, v.message, v.time)
                                 .arg(v.daily)
                                 .arg(v.weekly)
                                 .arg(v.monthly)
                                 .arg(v.done)
                                 .arg(st.generation);
        const QString uid = QUuid::createUuidV5(QUuid(), name).toString(QUuid::WithoutBraces);
        sentNew.insert(uid, int(net.size()));
        net.push_back(
            {Net::PutNew, slot, uid + QStringLiteral(".ics"), uid, newItem(v, uid, now), {}, v});
        busy.insert(slot);
    };
    QSet<QString> mappedUids;
    for (const SlotState& e : st.slots)
        mappedUids.insert(e.uid);

    // The slots that hold an item.
    for (auto it = st.slots.cbegin(); it != st.slots.cend(); ++it) {
        const int s = it.key();
        const SlotState& e = *it;
        const SlotValues L = slotOf(local, s);
        const bool localChanged = L != e.values;
        const bool removed = ch.removed.contains(e.href);
        const auto fetched = ch.changed.constFind(e.href);
        bool serverChanged = false;
        Reading rd;
        if (!removed && fetched != ch.changed.cend() && fetched->etag != e.etag) {
            rd = readItem(fetched->ics, QDateTime());
            if (rd.uid.isEmpty()) {
                // Unreadable now: the slot stays as it is rather than follow a broken item.
                notes << QStringLiteral("%1: its item on the server cannot be read (%2); left as "
                                        "it is")
                             .arg(slotName(s, L), rd.why);
                busy.insert(s);
                continue;
            }
            serverChanged = !rd.slot || *rd.slot != canonical(e.values);
            if (!serverChanged) {
                SlotState a = e;
                a.etag = fetched->etag;
                a.ics = fetched->ics;
                absorbed.insert(s, a);
            }
        }
        const SlotState current = absorbed.value(s, e);
        busy.insert(s);
        if (removed) {
            if (!localChanged || L.isBlank()) {
                if (!L.isBlank())
                    applies.push_back({s, L, clearedSlot(), std::nullopt, false, {}, {}});
                else
                    dropped.insert(s, e.href);
            } else {
                dropped.insert(s, e.href);
                notes << QStringLiteral("%1 was deleted on the server and changed here: sent again")
                             .arg(slotName(s, L));
                sendNew(s, L);
            }
        } else if (serverChanged) {
            SlotState next{e.uid, e.href, fetched->etag, fetched->ics,
                           rd.slot.value_or(SlotValues())};
            const ItemState left{fetched->etag, rd.summary, rd.why, {}};
            if (!localChanged || L.isBlank()) {
                if (rd.slot)
                    applies.push_back({s, L, *rd.slot, next, false, {}, {}});
                else
                    applies.push_back({s, L, clearedSlot(), std::nullopt, false, e.href, left});
            } else if (rd.slot) {
                const int f = freeSlot();
                if (f >= 0) {
                    applies.push_back({s, L, *rd.slot, next, false, {}, {}, f});
                    applies.push_back({f, slotOf(local, f), L, std::nullopt, true, {}, {}});
                    sendNew(f, L);
                    notes << QStringLiteral("%1 was changed here and on the server: the server's "
                                            "version stays in it, this one is slot %2")
                                 .arg(slotName(s, *rd.slot))
                                 .arg(f + 1);
                } else {
                    dropped.insert(s, e.href);
                    items.insert(e.href, {fetched->etag, rd.summary,
                                          QStringLiteral("changed here and on the server, and no "
                                                         "slot is free for the server's version"),
                                          fetched->ics});
                    notes << QStringLiteral("%1 was changed here and on the server: this version "
                                            "is a new item, the server's waits for a free slot")
                                 .arg(slotName(s, L));
                    sendNew(s, L);
                }
            } else {
                dropped.insert(s, e.href);
                items.insert(e.href, left);
                notes << QStringLiteral("%1 was changed here and on the server, which Kelvon "
                                        "cannot hold now (%2): this version is a new item")
                             .arg(slotName(s, L), rd.why);
                sendNew(s, L);
            }
        } else if (localChanged) {
            if (L.isBlank()) {
                net.push_back({Net::Delete, s, current.href, current.uid, {}, current.etag, L});
            } else if (const auto ics = updateItem(current.ics, L, now)) {
                net.push_back(
                    {Net::PutUpdate, s, current.href, current.uid, *ics, current.etag, L});
            } else {
                notes << QStringLiteral(
                             "%1: its date or time is not one Kelvon understands; not sent")
                             .arg(slotName(s, L));
            }
        }
    }

    // Slots filled here since the last sync.
    for (int s = 0; s < SlotCount; ++s) {
        const SlotValues L = slotOf(local, s);
        if (!busy.contains(s) && !st.slots.contains(s) && !L.isBlank()) sendNew(s, L);
    }

    // Items new on the server, and those that waited for a free slot: the earliest first.
    struct Candidate {
        QString href;
        QByteArray etag, ics;
        Reading rd;
    };
    QVector<Candidate> candidates;
    QSet<QString> mappedHrefs;
    for (const SlotState& e : st.slots)
        mappedHrefs.insert(e.href);
    for (auto it = ch.changed.cbegin(); it != ch.changed.cend(); ++it) {
        if (mappedHrefs.contains(it.key())) continue;
        Reading rd = readItem(it->ics, now);
        if (sentNew.contains(rd.uid)) {
            // Sent by an earlier sync whose answer never came: it is that slot's item already.
            NetStep& step = net[sentNew.value(rd.uid)];
            step.kind = Net::Adopt;
            step.href = it.key();
            step.etag = it->etag;
            step.ics = it->ics;
            continue;
        }
        if (!rd.slot || rd.finished || mappedUids.contains(rd.uid)) {
            const QString reason = !rd.slot      ? rd.why
                                   : rd.finished ? QStringLiteral("completed")
                                                 : QStringLiteral("the same UID as a slot's item");
            items.insert(it.key(), {it->etag, rd.summary, reason, {}});
            continue;
        }
        candidates.push_back({it.key(), it->etag, it->ics, rd});
    }
    for (auto it = st.items.cbegin(); it != st.items.cend(); ++it) {
        if (it->ics.isEmpty() || ch.changed.contains(it.key()) || ch.removed.contains(it.key()))
            continue;
        Reading rd = readItem(it->ics, now);
        if (rd.slot) candidates.push_back({it.key(), it->etag, it->ics, rd});
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.rd.moment < b.rd.moment; });
    for (const Candidate& c : candidates) {
        const int f = freeSlot();
        if (f < 0) {
            items.insert(c.href, {c.etag, c.rd.summary, QStringLiteral("no free slot"), c.ics});
            continue;
        }
        busy.insert(f);
        items.remove(c.href);
        applies.push_back({f,
                           slotOf(local, f),
                           *c.rd.slot,
                           SlotState{c.rd.uid, c.href, c.etag, c.ics, *c.rd.slot},
                           false,
                           {},
                           {}});
    }

    // The server first: a local change is made only for what it took.
    bool incomplete = false; // keep the token, so that what was not done is seen again
    QString notDone;         // the first step that failed: this sync did not bring both in step
    for (auto it = absorbed.cbegin(); it != absorbed.cend(); ++it)
        st.slots.insert(it.key(), *it);
    for (const NetStep& step : net) {
        if (step.kind == Net::Adopt) {
            st.slots.insert(step.slot, {step.uid, step.href, step.etag, step.ics, step.values});
            continue;
        }
        Reply r;
        const QUrl url = collection.resolved(QUrl(step.href));
        const QList<QPair<QByteArray, QByteArray>> type{
            {"Content-Type", "text/calendar; charset=utf-8"}};
        if (step.kind == Net::PutNew) {
            r = dav.send("PUT", url, step.ics,
                         type + QList<QPair<QByteArray, QByteArray>>{{"If-None-Match", "*"}});
        } else if (step.kind == Net::PutUpdate) {
            r = dav.send("PUT", url, step.ics,
                         type + QList<QPair<QByteArray, QByteArray>>{{"If-Match", step.etag}});
        } else {
            r = dav.send("DELETE", url, {}, {{"If-Match", step.etag}});
        }
        if (r.status == 412) {
            // Changed meanwhile: the next round, from the same token, sees both sides.
            out.again = true;
            incomplete = true;
            continue;
        }
        if (step.kind == Net::Delete && r.status == 404) r.failure = Failure::None, r.status = 204;
        if (!r.ok()) {
            if (r.failure == Failure::Unreachable || r.failure == Failure::Denied) return failed(r);
            notes << QStringLiteral("%1 could not be sent: %2")
                         .arg(slotName(step.slot, step.values), r.error);
            if (notDone.isEmpty()) notDone = notes.last();
            continue;
        }
        const QString href = url.path(QUrl::FullyEncoded);
        if (step.kind == Net::Delete)
            st.slots.remove(step.slot);
        else
            st.slots.insert(step.slot, {step.uid, href, r.etag, step.ics, step.values});
    }

    // Then Kelvo.dat, under the writers' lock, slot by slot only where it still holds what was
    // read: a slot Kelvon changed meanwhile is a local change for the next round.
    if (!applies.isEmpty()) {
        const platform::WriterLock lock(dataFile);
        Notes current;
        if (!readNotes(dataFile, &current, &why)) {
            reply.failure = Failure::Other;
            reply.error = why;
            return failed(reply);
        }
        QVector<const Apply*> done;
        for (const Apply& a : applies) {
            if (a.after >= 0 && !st.slots.contains(a.after)) {
                // This side's version is not on the server: overwriting it would lose it.
                incomplete = true;
                notes << QStringLiteral("%1 was changed here and on the server, and this version "
                                        "could not be sent: the server's waits")
                             .arg(slotName(a.slot, a.expect));
                if (notDone.isEmpty()) notDone = notes.last();
                continue;
            }
            if (slotOf(current, a.slot) == a.expect &&
                !(a.mappedByPut && !st.slots.contains(a.slot))) {
                putSlot(current, a.slot, a.to);
                done << &a;
            } else if (!a.mappedByPut) {
                incomplete = true;
            } else if (st.slots.contains(a.slot)) {
                // Sent, but its slot was taken meanwhile: it waits on the server for a free one.
                const SlotState m = st.slots.take(a.slot);
                items.insert(m.href, {m.etag, a.to.message, QStringLiteral("no free slot"), m.ics});
            }
        }
        if (!done.isEmpty() && !saveDataFile(dataFile, current, &why)) {
            reply.failure = Failure::Other;
            reply.error = QStringLiteral("%1 could not be written: %2").arg(dataFile, why);
            return failed(reply);
        }
        for (const Apply* a : done) {
            if (a->mappedByPut) continue;
            if (a->mapping)
                st.slots.insert(a->slot, *a->mapping);
            else
                st.slots.remove(a->slot);
            if (!a->leftHref.isEmpty()) items.insert(a->leftHref, a->left);
        }
    }
    // Mappings that ended here, unless a new item sent for the slot took their place.
    for (auto it = dropped.cbegin(); it != dropped.cend(); ++it)
        if (st.slots.value(it.key()).href == it.value()) st.slots.remove(it.key());
    for (const SlotState& e : st.slots)
        items.remove(e.href);
    st.items = items;
    if (!incomplete) st.token = ch.token;
    ++st.generation;
    st.notes = notes;
    st.lastSync = now;
    st.lastError = notDone;
    if (!st.save(statePath, &why)) {
        out.failure = Failure::Other;
        out.error = QStringLiteral("the sync state could not be written: %1").arg(why);
    } else if (!notDone.isEmpty()) {
        out.failure = Failure::Other;
        out.error = notDone;
    }
    return out;
}

} // namespace ksync
