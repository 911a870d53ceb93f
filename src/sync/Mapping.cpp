#include "sync/Mapping.h"

#include "Version.h"
#include "store/DateText.h"

#include <QTimeZone>
#include <cstdlib>
#include <libical/ical.h>

namespace ksync {
namespace {

// Kelvon reads an empty date as this long-past day.
const QDate EmptyDateStandIn(2007, 1, 1);

// Owns a component that libical handed out.
class Component {
  public:
    explicit Component(icalcomponent* c) : m_c(c) {}
    ~Component() {
        if (m_c) icalcomponent_free(m_c);
    }
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    icalcomponent* get() const { return m_c; }

  private:
    icalcomponent* m_c;
};

QByteArray textOf(icalcomponent* c) {
    char* s = icalcomponent_as_ical_string_r(c);
    QByteArray out(s);
    std::free(s);
    return out;
}

icaltimezone* utc() {
    return icaltimezone_get_utc_timezone();
}

icaltimetype utcTime(const QDateTime& at) {
    return icaltime_from_timet_with_zone(time_t(at.toSecsSinceEpoch()), 0, utc());
}

QByteArray localZoneId() {
    return QTimeZone::systemTimeZoneId();
}

// Zones named as every other client names them ("Europe/Berlin"), not under libical's own
// prefix.
void setUpLibical() {
    static const bool once = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    Q_UNUSED(once)
}

icaltimezone* builtinZone(const QByteArray& location) {
    return icaltimezone_get_builtin_timezone(location.constData());
}

// Whether times in this zone are the local wall clock's: then their texts are taken as they
// are, so that a time the clock skips or repeats keeps the text Kelvon holds.
bool isLocalWall(const icaltimetype& t) {
    if (icaltime_is_utc(t)) return false;
    if (!t.zone) return true; // floating
    // Copied at once: asking a built-in zone for its TZID loads it, which replaces the location
    // text the first call returned.
    auto* zone = const_cast<icaltimezone*>(t.zone);
    QByteArray name(icaltimezone_get_location(zone));
    if (name.isEmpty()) name = QByteArray(icaltimezone_get_tzid(zone));
    const QByteArray local = localZoneId();
    return !local.isEmpty() && (name == local || name.endsWith('/' + local));
}

qint64 epochOf(const icaltimetype& t) {
    return qint64(icaltime_as_timet_with_zone(t, t.zone ? t.zone : utc()));
}

QDateTime localOf(const icaltimetype& t) {
    if (isLocalWall(t))
        return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    return QDateTime::fromSecsSinceEpoch(epochOf(t));
}

// An alarm's moment as the local wall clock shows it.
struct Moment {
    QDate date;
    QTime time;
    QDateTime at() const { return QDateTime(date, time); }
};

// The component that is the item: the first VTODO or VEVENT; `others` counts the overrides of
// single occurrences beside it.
icalcomponent* itemOf(icalcomponent* top, int* others) {
    *others = 0;
    if (!top) return nullptr;
    const icalcomponent_kind kind = icalcomponent_isa(top);
    if (kind == ICAL_VTODO_COMPONENT || kind == ICAL_VEVENT_COMPONENT) return top;
    if (kind != ICAL_VCALENDAR_COMPONENT) return nullptr;
    icalcomponent* item = nullptr;
    for (icalcomponent* c = icalcomponent_get_first_component(top, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(top, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind k = icalcomponent_isa(c);
        if (k != ICAL_VTODO_COMPONENT && k != ICAL_VEVENT_COMPONENT) continue;
        if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            ++*others;
        else if (!item)
            item = c;
    }
    return item;
}

// The date-time property the alarm counts from.
icalproperty* anchorOf(icalcomponent* item, icalproperty* trigger) {
    const bool todo = icalcomponent_isa(item) == ICAL_VTODO_COMPONENT;
    icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
    const bool end = related && icalparameter_get_related(related) == ICAL_RELATED_END;
    icalproperty* start = icalcomponent_get_first_property(item, ICAL_DTSTART_PROPERTY);
    icalproperty* finish =
        icalcomponent_get_first_property(item, todo ? ICAL_DUE_PROPERTY : ICAL_DTEND_PROPERTY);
    // Tasks often carry only DUE whatever the trigger says; phones ring at it all the same.
    if (todo) return end ? (finish ? finish : start) : (start ? start : finish);
    return end ? finish : start;
}

struct Alarm {
    icalcomponent* alarm = nullptr;
    icalproperty* anchor = nullptr; // none for an absolute trigger
    Moment moment;
    qint64 epoch = 0;
};

// The first alarm whose moment can be known, or why there is none.
std::optional<Alarm> alarmOf(icalcomponent* item, QString* why) {
    bool any = false;
    bool dateOnly = false;
    for (icalcomponent* a = icalcomponent_get_first_component(item, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(item, ICAL_VALARM_COMPONENT)) {
        any = true;
        icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!trigger) continue;
        const icaltriggertype tr = icalproperty_get_trigger(trigger);
        Alarm found;
        found.alarm = a;
        if (!icaltime_is_null_time(tr.time)) {
            const QDateTime at = QDateTime::fromSecsSinceEpoch(epochOf(tr.time));
            found.moment = {at.date(), at.time()};
            found.epoch = at.toSecsSinceEpoch();
            return found;
        }
        icalproperty* anchor = anchorOf(item, trigger);
        if (!anchor) continue;
        const icaltimetype t = icalproperty_get_datetime_with_component(anchor, item);
        if (icaltime_is_null_time(t)) continue;
        if (t.is_date) {
            dateOnly = true;
            continue;
        }
        found.anchor = anchor;
        const int offset = icaldurationtype_as_int(tr.duration);
        // Whole days are counted on the wall clock, the rest in elapsed seconds.
        const int days = offset / 86400;
        const int seconds = offset % 86400;
        // On the local wall clock the texts are kept as they are, even at a time the clock
        // skips; Kelvon compares them as texts too.
        const QDateTime base = localOf(t);
        Moment m{isLocalWall(t) ? QDate(t.year, t.month, t.day) : base.date(),
                 isLocalWall(t) ? QTime(t.hour, t.minute, t.second) : base.time()};
        m.date = m.date.addDays(days);
        if (seconds != 0) {
            const QDateTime at = m.at().addSecs(seconds);
            m = {at.date(), at.time()};
        }
        found.moment = m;
        found.epoch = m.at().toSecsSinceEpoch();
        return found;
    }
    *why = !any       ? QStringLiteral("no alarm")
           : dateOnly ? QStringLiteral("a date without a time")
                      : QStringLiteral("its alarm has no moment");
    return std::nullopt;
}

enum class Repeat { None, Daily, Weekly, Monthly, Other };

bool noneIn(const short* list) {
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

Repeat repeatOf(icalcomponent* item) {
    if (icalcomponent_get_first_property(item, ICAL_RDATE_PROPERTY) ||
        icalcomponent_get_first_property(item, ICAL_EXDATE_PROPERTY) ||
        icalcomponent_get_first_property(item, ICAL_EXRULE_PROPERTY))
        return Repeat::Other;
    icalproperty* p = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY);
    if (!p) return Repeat::None;
    if (icalcomponent_get_next_property(item, ICAL_RRULE_PROPERTY)) return Repeat::Other;
    const icalrecurrencetype r = icalproperty_get_rrule(p);
    const bool plain = r.interval <= 1 && r.count == 0 && icaltime_is_null_time(r.until) &&
                       noneIn(r.by_second) && noneIn(r.by_minute) && noneIn(r.by_hour) &&
                       noneIn(r.by_day) && noneIn(r.by_month_day) && noneIn(r.by_year_day) &&
                       noneIn(r.by_week_no) && noneIn(r.by_month) && noneIn(r.by_set_pos);
    if (!plain) return Repeat::Other;
    switch (r.freq) {
    case ICAL_DAILY_RECURRENCE:
        return Repeat::Daily;
    case ICAL_WEEKLY_RECURRENCE:
        return Repeat::Weekly;
    case ICAL_MONTHLY_RECURRENCE:
        return Repeat::Monthly;
    default:
        return Repeat::Other;
    }
}

Repeat repeatOf(const SlotValues& v) {
    // Kelvon's acknowledgement tests weekly first, then daily, then monthly.
    if (v.weekly) return Repeat::Weekly;
    if (v.daily) return Repeat::Daily;
    if (v.monthly) return Repeat::Monthly;
    return Repeat::None;
}

void setRepeat(icalcomponent* item, Repeat repeat) {
    while (icalproperty* p = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY)) {
        icalcomponent_remove_property(item, p);
        icalproperty_free(p);
    }
    if (repeat == Repeat::None || repeat == Repeat::Other) return;
    icalrecurrencetype r;
    icalrecurrencetype_clear(&r);
    r.freq = repeat == Repeat::Daily    ? ICAL_DAILY_RECURRENCE
             : repeat == Repeat::Weekly ? ICAL_WEEKLY_RECURRENCE
                                        : ICAL_MONTHLY_RECURRENCE;
    icalcomponent_add_property(item, icalproperty_new_rrule(r));
}

// The data file has no escaping: a quote or a line break would end the text.
QString messageOf(const char* summary) {
    QString text = QString::fromUtf8(summary ? summary : "");
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

bool finished(icalcomponent* item) {
    const icalproperty_status status = icalcomponent_get_status(item);
    return status == ICAL_STATUS_COMPLETED || status == ICAL_STATUS_CANCELLED ||
           icalcomponent_get_first_property(item, ICAL_COMPLETED_PROPERTY);
}

void removeAll(icalcomponent* c, icalproperty_kind kind) {
    while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
        icalcomponent_remove_property(c, p);
        icalproperty_free(p);
    }
}

// Fired and not acknowledged in Kelvon: the alarm is acknowledged for other devices. Never
// before its moment, or reading it back would arm it again.
void setAcknowledged(icalcomponent* alarm, bool done, const QDateTime& now, const QDateTime& at) {
    if (icalproperty* p = icalcomponent_get_first_property(alarm, ICAL_ACKNOWLEDGED_PROPERTY)) {
        // Another device's acknowledgement of this moment stays as it said it.
        if (done && epochOf(icalproperty_get_acknowledged(p)) >= at.toSecsSinceEpoch()) return;
    }
    removeAll(alarm, ICAL_ACKNOWLEDGED_PROPERTY);
    if (done)
        icalcomponent_add_property(alarm, icalproperty_new_acknowledged(utcTime(qMax(now, at))));
}

void stamp(icalcomponent* item, const QDateTime& now) {
    removeAll(item, ICAL_DTSTAMP_PROPERTY);
    removeAll(item, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(item, icalproperty_new_dtstamp(utcTime(now)));
    icalcomponent_add_property(item, icalproperty_new_lastmodified(utcTime(now)));
}

// DUE in the local zone, with that zone's definition in the calendar; in UTC where the system
// names no zone libical knows.
void addDue(icalcomponent* calendar, icalcomponent* item, const QDateTime& at) {
    icaltimezone* zone = builtinZone(localZoneId());
    if (!zone) {
        icalcomponent_add_property(item, icalproperty_new_due(utcTime(at)));
        return;
    }
    icaltimetype t = icaltime_null_time();
    t.year = at.date().year();
    t.month = at.date().month();
    t.day = at.date().day();
    t.hour = at.time().hour();
    t.minute = at.time().minute();
    t.second = at.time().second();
    t.zone = zone;
    // Named as every other client names it ("Europe/Berlin"), not under libical's prefix.
    const QByteArray name = localZoneId();
    icalproperty* due = icalproperty_new_due(t);
    icalproperty_set_parameter(due, icalparameter_new_tzid(name.constData()));
    icalcomponent_add_property(item, due);
    icalcomponent* definition = icalcomponent_new_clone(icaltimezone_get_component(zone));
    if (icalproperty* id = icalcomponent_get_first_property(definition, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(id, name.constData());
    icalcomponent_add_component(calendar, definition);
}

} // namespace

bool SlotValues::operator==(const SlotValues& o) const {
    return date == o.date && message == o.message && time == o.time && daily == o.daily &&
           weekly == o.weekly && monthly == o.monthly && done == o.done;
}

SlotValues slotOf(const Notes& n, int s) {
    return {n.NoteDate[size_t(s)],    n.NoteMessage[size_t(s)],  n.NoteTime[size_t(s)],
            n.RepeatDaily[size_t(s)], n.RepeatWeekly[size_t(s)], n.RepeatMonthly[size_t(s)],
            n.NoteDone[size_t(s)]};
}

void putSlot(Notes& n, int s, const SlotValues& v) {
    const auto i = size_t(s);
    n.NoteDate[i] = v.date;
    n.NoteMessage[i] = v.message;
    n.NoteTime[i] = v.time;
    n.RepeatDaily[i] = v.daily;
    n.RepeatWeekly[i] = v.weekly;
    n.RepeatMonthly[i] = v.monthly;
    n.NoteDone[i] = v.done;
}

SlotValues clearedSlot() {
    SlotValues v;
    v.done = 1;
    return v;
}

std::optional<QDateTime> slotMoment(const SlotValues& v) {
    QDate date = EmptyDateStandIn;
    if (!v.date.isEmpty()) {
        const auto d = ConvertDate(v.date);
        if (!d || !d->isValid() || *d == ZeroDate) return std::nullopt;
        date = *d;
    }
    QTime time(0, 0);
    if (!v.time.isEmpty()) {
        const auto t = ConvertTimeOfDay(v.time);
        if (!t) return std::nullopt;
        time = *t;
    }
    return QDateTime(date, time);
}

SlotValues canonical(const SlotValues& v) {
    const auto at = slotMoment(v);
    if (!at) return v;
    SlotValues c = v;
    c.date = DateText(at->date());
    c.time = TimeText(at->time());
    return c;
}

Reading readItem(const QByteArray& ics, const QDateTime& now) {
    setUpLibical();
    Reading r;
    Component top(icalparser_parse_string(ics.constData()));
    int overrides = 0;
    icalcomponent* item = itemOf(top.get(), &overrides);
    if (!item) {
        r.why = QStringLiteral("no task or event in it");
        return r;
    }
    const char* uid = icalcomponent_get_uid(item);
    r.uid = QString::fromUtf8(uid ? uid : "");
    r.summary = messageOf(icalcomponent_get_summary(item));
    r.finished = finished(item);
    if (r.uid.isEmpty()) {
        r.why = QStringLiteral("no UID");
        return r;
    }
    const auto alarm = alarmOf(item, &r.why);
    if (!alarm) return r;
    r.moment = alarm->moment.at();
    const Repeat repeat = repeatOf(item);
    if (overrides > 0 || repeat == Repeat::Other) {
        r.why = QStringLiteral("a recurrence Kelvon cannot repeat");
        return r;
    }
    if (repeat != Repeat::None && icalcomponent_isa(item) == ICAL_VEVENT_COMPONENT &&
        now.isValid() && r.moment < now) {
        r.why = QStringLiteral("a repeating event begun before it was synced");
        return r;
    }
    if (alarm->moment.date.year() < 2000 || alarm->moment.date.year() > 2099) {
        r.why = QStringLiteral("a year outside 2000 to 2099");
        return r;
    }
    SlotValues v;
    v.date = DateText(alarm->moment.date);
    v.time = TimeText(alarm->moment.time);
    v.message = r.summary;
    v.daily = repeat == Repeat::Daily;
    v.weekly = repeat == Repeat::Weekly;
    v.monthly = repeat == Repeat::Monthly;
    // Acknowledged at or after its moment on another device: it must not ring here again.
    bool acknowledged = false;
    if (icalproperty* p =
            icalcomponent_get_first_property(alarm->alarm, ICAL_ACKNOWLEDGED_PROPERTY)) {
        acknowledged = epochOf(icalproperty_get_acknowledged(p)) >= alarm->epoch;
    }
    v.done = (acknowledged || r.finished) ? 1 : 0;
    r.slot = v;
    return r;
}

QByteArray newItem(const SlotValues& v, const QString& uid, const QDateTime& now) {
    setUpLibical();
    const QDateTime at = slotMoment(v).value_or(QDateTime(EmptyDateStandIn, QTime(0, 0)));
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent* cal = calendar.get();
    icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
    icalcomponent_add_property(
        cal, icalproperty_new_prodid("-//Kelvon//kelvon-sync " KELVON_VERSION "//EN"));
    icalcomponent* todo = icalcomponent_new_vtodo();
    icalcomponent_add_property(todo, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(todo, icalproperty_new_created(utcTime(now)));
    stamp(todo, now);
    icalcomponent_add_property(todo, icalproperty_new_summary(v.message.toUtf8().constData()));
    addDue(cal, todo, at);
    setRepeat(todo, repeatOf(v));
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    const QString description = v.message.isEmpty() ? QStringLiteral("Kelvon") : v.message;
    icalcomponent_add_property(alarm,
                               icalproperty_new_description(description.toUtf8().constData()));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalproperty* tp = icalproperty_new_trigger(trigger);
    icalproperty_add_parameter(tp, icalparameter_new_related(ICAL_RELATED_END));
    icalcomponent_add_property(alarm, tp);
    setAcknowledged(alarm, v.done != 0, now, at);
    icalcomponent_add_component(todo, alarm);
    icalcomponent_add_component(cal, todo);
    return textOf(cal);
}

std::optional<QByteArray> updateItem(const QByteArray& ics, const SlotValues& v,
                                     const QDateTime& now) {
    setUpLibical();
    Component top(icalparser_parse_string(ics.constData()));
    int overrides = 0;
    icalcomponent* item = itemOf(top.get(), &overrides);
    const auto to = slotMoment(v);
    if (!item || !to) return std::nullopt;
    QString why;
    const auto alarm = alarmOf(item, &why);
    if (!alarm) return std::nullopt;

    const QDateTime from = alarm->moment.at();
    if (from != *to) {
        // Every date-time of the item moves with the alarm, so its offset and the item's
        // length stay: on the wall clock where the item is in the local zone, else in seconds.
        const int days = int(from.date().daysTo(to->date()));
        const int seconds = from.time().secsTo(to->time());
        const qint64 elapsed = to->toSecsSinceEpoch() - from.toSecsSinceEpoch();
        for (icalproperty_kind kind :
             {ICAL_DTSTART_PROPERTY, ICAL_DUE_PROPERTY, ICAL_DTEND_PROPERTY}) {
            icalproperty* p = icalcomponent_get_first_property(item, kind);
            if (!p) continue;
            icaltimetype t = icalproperty_get_datetime_with_component(p, item);
            if (icaltime_is_null_time(t)) continue;
            if (t.is_date) {
                icaltime_adjust(&t, days, 0, 0, 0);
            } else if (isLocalWall(t)) {
                icaltime_adjust(&t, days, 0, 0, seconds);
            } else {
                const icaltimezone* zone = t.zone ? t.zone : utc();
                t = icaltime_from_timet_with_zone(time_t(epochOf(t) + elapsed), 0,
                                                  const_cast<icaltimezone*>(zone));
            }
            if (icaltime_is_utc(t)) icalproperty_remove_parameter_by_kind(p, ICAL_TZID_PARAMETER);
            if (kind == ICAL_DTSTART_PROPERTY)
                icalproperty_set_dtstart(p, t);
            else if (kind == ICAL_DUE_PROPERTY)
                icalproperty_set_due(p, t);
            else
                icalproperty_set_dtend(p, t);
        }
        if (!alarm->anchor) {
            icalproperty* trigger =
                icalcomponent_get_first_property(alarm->alarm, ICAL_TRIGGER_PROPERTY);
            icaltriggertype tr = icalproperty_get_trigger(trigger);
            tr.time = utcTime(*to);
            icalproperty_set_trigger(trigger, tr);
        }
    }
    if (messageOf(icalcomponent_get_summary(item)) != v.message)
        icalcomponent_set_summary(item, v.message.toUtf8().constData());
    const Repeat wanted = repeatOf(v);
    if (repeatOf(item) != wanted) setRepeat(item, wanted);
    setAcknowledged(alarm->alarm, v.done != 0, now, *to);
    if (!v.done && finished(item)) {
        // Armed again in Kelvon: the task is open again.
        removeAll(item, ICAL_COMPLETED_PROPERTY);
        removeAll(item, ICAL_PERCENTCOMPLETE_PROPERTY);
        icalcomponent_set_status(item, ICAL_STATUS_NEEDSACTION);
    }
    stamp(item, now);
    return textOf(top.get());
}

} // namespace ksync
