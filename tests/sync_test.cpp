// The iCalendar mapping of a slot, both ways, read by libical as any server's items are. Runs
// with TZ=Europe/Berlin.

#include "sync/Config.h"
#include "sync/Dav.h"
#include "sync/Mapping.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ksync;

namespace {

QByteArray calendar(const QByteArray& item) {
    QByteArray text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n" + item + "END:VCALENDAR\r\n";
    return text.replace("\n", "\r\n").replace("\r\r\n", "\r\n");
}

QByteArray todo(const QByteArray& props, const QByteArray& alarm = "TRIGGER;RELATED=END:PT0S\n") {
    QByteArray a;
    if (!alarm.isEmpty())
        a = "BEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:x\n" + alarm + "END:VALARM\n";
    return calendar("BEGIN:VTODO\nUID:u1\nDTSTAMP:20270101T000000Z\nSUMMARY:Call Mum\n" + props +
                    a + "END:VTODO\n");
}

struct ReadRow {
    const char* name;
    QByteArray ics;
    const char* date; // empty: not taken
    const char* time;
    int repeat; // 1 daily, 2 weekly, 3 monthly
    int done;
    const char* why;
};

} // namespace

TEST(Mapping, ItemToSlot) {
    const QByteArray berlin = "DUE;TZID=Europe/Berlin:";
    const ReadRow rows[] = {
        {"local zone, at DUE", todo(berlin + "20270324T143000\n"), "03/24/27", "14:30:00", 0, 0,
         ""},
        {"UTC in summer", todo("DUE:20270701T120000Z\n", "TRIGGER:-PT15M\n"), "07/01/27",
         "13:45:00", 0, 0, ""},
        {"UTC in winter", todo("DUE:20270115T120000Z\n", "TRIGGER:-PT15M\n"), "01/15/27",
         "12:45:00", 0, 0, ""},
        {"a time the clock skips keeps its text", todo(berlin + "20270328T023000\n"), "03/28/27",
         "02:30:00", 0, 0, ""},
        {"a day before, on the wall clock across DST",
         todo(berlin + "20270329T090000\n", "TRIGGER;RELATED=END:-P1D\n"), "03/28/27", "09:00:00",
         0, 0, ""},
        {"another zone",
         calendar("BEGIN:VEVENT\nUID:e1\nDTSTAMP:20270101T000000Z\nSUMMARY:Meet\n"
                  "DTSTART;TZID=America/New_York:20270610T090000\nDTEND;TZID=America/"
                  "New_York:20270610T100000\n"
                  "BEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:x\nTRIGGER:-PT1H\nEND:VALARM\nEND:"
                  "VEVENT\n"),
         "06/10/27", "14:00:00", 0, 0, ""},
        {"an absolute alarm",
         todo(berlin + "20271224T180000\n", "TRIGGER;VALUE=DATE-TIME:20271224T080000Z\n"),
         "12/24/27", "09:00:00", 0, 0, ""},
        {"daily", todo(berlin + "20270324T070000\nRRULE:FREQ=DAILY\n"), "03/24/27", "07:00:00", 1,
         0, ""},
        {"weekly", todo(berlin + "20270324T070000\nRRULE:FREQ=WEEKLY\n"), "03/24/27", "07:00:00", 2,
         0, ""},
        {"monthly", todo(berlin + "20270324T070000\nRRULE:FREQ=MONTHLY\n"), "03/24/27", "07:00:00",
         3, 0, ""},
        {"every other week", todo(berlin + "20270324T070000\nRRULE:FREQ=WEEKLY;INTERVAL=2\n"), "",
         "", 0, 0, "a recurrence Kelvon cannot repeat"},
        {"on two weekdays", todo(berlin + "20270324T070000\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE\n"), "",
         "", 0, 0, "a recurrence Kelvon cannot repeat"},
        {"yearly", todo(berlin + "20270324T070000\nRRULE:FREQ=YEARLY\n"), "", "", 0, 0,
         "a recurrence Kelvon cannot repeat"},
        {"ten times", todo(berlin + "20270324T070000\nRRULE:FREQ=DAILY;COUNT=10\n"), "", "", 0, 0,
         "a recurrence Kelvon cannot repeat"},
        {"one occurrence moved",
         todo(berlin + "20270324T070000\nRRULE:FREQ=DAILY\n")
             .replace("END:VCALENDAR",
                      "BEGIN:VTODO\r\nUID:u1\r\nRECURRENCE-ID:20270325T060000Z\r\nDUE:"
                      "20270325T090000Z\r\nEND:VTODO\r\nEND:VCALENDAR"),
         "", "", 0, 0, "a recurrence Kelvon cannot repeat"},
        {"no alarm", todo(berlin + "20270324T070000\n", ""), "", "", 0, 0, "no alarm"},
        {"a date without a time", todo("DUE;VALUE=DATE:20270324\n"), "", "", 0, 0,
         "a date without a time"},
        {"no UID", todo(berlin + "20270324T070000\n").replace("UID:u1\r\n", ""), "", "", 0, 0,
         "no UID"},
        {"not iCalendar", "<html>Server error</html>", "", "", 0, 0, "no task or event in it"},
        {"completed",
         todo(berlin + "20270324T070000\nSTATUS:COMPLETED\nCOMPLETED:20270324T070500Z\n"),
         "03/24/27", "07:00:00", 0, 1, ""},
        {"acknowledged after its moment",
         todo(berlin + "20270324T070000\n",
              "TRIGGER;RELATED=END:PT0S\nACKNOWLEDGED:20270324T060100Z\n"),
         "03/24/27", "07:00:00", 0, 1, ""},
        {"acknowledged before its moment (moved on since)",
         todo(berlin + "20270331T070000\nRRULE:FREQ=WEEKLY\n",
              "TRIGGER;RELATED=END:PT0S\nACKNOWLEDGED:20270324T060100Z\n"),
         "03/31/27", "07:00:00", 2, 0, ""},
        {"a year Kelvon cannot write", todo(berlin + "21270324T070000\n"), "", "", 0, 0,
         "a year outside 2000 to 2099"},
        {"a weekly event begun before now",
         calendar("BEGIN:VEVENT\nUID:e3\nDTSTAMP:20270101T000000Z\nSUMMARY:Choir\n"
                  "DTSTART;TZID=Europe/Berlin:20260105T190000\nRRULE:FREQ=WEEKLY\nBEGIN:VALARM\n"
                  "ACTION:DISPLAY\nDESCRIPTION:x\nTRIGGER:-PT1H\nEND:VALARM\nEND:VEVENT\n"),
         "", "", 0, 0, "a repeating event begun before it was synced"},
        {"a weekly event still to begin",
         calendar("BEGIN:VEVENT\nUID:e4\nDTSTAMP:20270101T000000Z\nSUMMARY:Choir\n"
                  "DTSTART;TZID=Europe/Berlin:20270405T190000\nRRULE:FREQ=WEEKLY\nBEGIN:VALARM\n"
                  "ACTION:DISPLAY\nDESCRIPTION:x\nTRIGGER:-PT1H\nEND:VALARM\nEND:VEVENT\n"),
         "04/05/27", "18:00:00", 2, 0, ""},
        {"a floating time is the local wall clock's", todo("DUE:20270324T143000\n"), "03/24/27",
         "14:30:00", 0, 0, ""},
        {"an event's alarm after its end",
         calendar("BEGIN:VEVENT\nUID:e2\nDTSTAMP:20270101T000000Z\nSUMMARY:Pick up\n"
                  "DTSTART:20270610T080000Z\nDTEND:20270610T090000Z\nBEGIN:VALARM\nACTION:DISPLAY\n"
                  "DESCRIPTION:x\nTRIGGER;RELATED=END:PT10M\nEND:VALARM\nEND:VEVENT\n"),
         "06/10/27", "11:10:00", 0, 0, ""},
    };
    for (const ReadRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Reading r = readItem(row.ics, QDateTime(QDate(2027, 3, 1), QTime(12, 0)));
        if (!*row.date) {
            EXPECT_FALSE(r.slot.has_value());
            EXPECT_EQ(r.why.toStdString(), row.why);
            continue;
        }
        ASSERT_TRUE(r.slot.has_value()) << r.why.toStdString();
        EXPECT_EQ(r.slot->date.toStdString(), row.date);
        EXPECT_EQ(r.slot->time.toStdString(), row.time);
        EXPECT_EQ(r.slot->daily, row.repeat == 1);
        EXPECT_EQ(r.slot->weekly, row.repeat == 2);
        EXPECT_EQ(r.slot->monthly, row.repeat == 3);
        EXPECT_EQ(r.slot->done, row.done);
    }
}

TEST(Mapping, SlotToItemAndBack) {
    const QDateTime now(QDate(2027, 3, 20), QTime(12, 0));
    struct Row {
        const char* name;
        SlotValues slot;
        QList<QByteArray> lines; // in the item's text
        SlotValues back;         // what reading it gives
    };
    auto v = [](const char* d, const char* m, const char* t, int daily, int weekly, int monthly,
                int done) {
        return SlotValues{QString::fromLatin1(d),
                          QString::fromUtf8(m),
                          QString::fromLatin1(t),
                          qint16(daily),
                          qint16(weekly),
                          qint16(monthly),
                          qint16(done)};
    };
    const Row rows[] = {
        {"weekly, armed",
         v("03/24/27", "Bins out", "14:30:00", 0, 1, 0, 0),
         {"DUE;TZID=Europe/Berlin:20270324T143000", "RRULE:FREQ=WEEKLY", "TZID:Europe/Berlin",
          "TRIGGER;RELATED=END:PT0S", "ACTION:DISPLAY", "SUMMARY:Bins out"},
         v("03/24/27", "Bins out", "14:30:00", 0, 1, 0, 0)},
        {"a time the clock skips",
         v("03/28/27", "Gap", "02:30:00", 1, 0, 0, 0),
         {"DUE;TZID=Europe/Berlin:20270328T023000", "RRULE:FREQ=DAILY"},
         v("03/28/27", "Gap", "02:30:00", 1, 0, 0, 0)},
        {"fired, not acknowledged",
         v("03/19/27", "Dentist", "09:00:00", 0, 0, 1, 1),
         {"ACKNOWLEDGED:20270320T110000Z", "RRULE:FREQ=MONTHLY"},
         v("03/19/27", "Dentist", "09:00:00", 0, 0, 1, 1)},
        {"typed forms",
         v("3/4/27", "Typed", "2:30 pm", 0, 0, 0, 0),
         {"DUE;TZID=Europe/Berlin:20270304T143000"},
         v("03/04/27", "Typed", "14:30:00", 0, 0, 0, 0)},
        {"no date: Kelvon's long past",
         v("", "Now", "08:00:00", 0, 0, 0, 1),
         {"DUE;TZID=Europe/Berlin:20070101T080000"},
         v("01/01/07", "Now", "08:00:00", 0, 0, 0, 1)},
        {"a comma and non-ASCII",
         v("12/24/27", "Äpfel, Nüsse", "18:00:00", 0, 0, 0, 0),
         {"SUMMARY:Äpfel\\, Nüsse"},
         v("12/24/27", "Äpfel, Nüsse", "18:00:00", 0, 0, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray ics = newItem(row.slot, QStringLiteral("uid-1"), now);
        const QByteArray unfolded = QByteArray(ics).replace("\r\n ", "");
        for (const QByteArray& line : row.lines)
            EXPECT_TRUE(unfolded.contains(line + "\r\n")) << line.toStdString() << "\n"
                                                          << ics.toStdString();
        const Reading r = readItem(ics, now);
        EXPECT_EQ(r.uid.toStdString(), "uid-1");
        ASSERT_TRUE(r.slot.has_value()) << r.why.toStdString();
        EXPECT_TRUE(*r.slot == row.back)
            << r.slot->date.toStdString() << " " << r.slot->time.toStdString();
    }
}

// A change made in Kelvon to another client's item: what Kelvon does not know stays, the alarm
// comes at the new moment with its offset kept.
TEST(Mapping, ChangeInPlace) {
    const QDateTime now(QDate(2027, 3, 20), QTime(12, 0));
    const QByteArray phone = calendar(
        "BEGIN:VTODO\nUID:p1\nDTSTAMP:20270101T000000Z\nSUMMARY:Pay rent\nDESCRIPTION:IBAN in the "
        "folder\nCATEGORIES:Home\nX-PHONE-COLOR:red\nDTSTART;TZID=Europe/Berlin:20270324T080000\n"
        "DUE;TZID=Europe/Berlin:20270324T100000\nBEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:x\n"
        "TRIGGER;RELATED=END:-PT30M\nEND:VALARM\nBEGIN:VALARM\nACTION:AUDIO\n"
        "TRIGGER;VALUE=DATE-TIME:20270323T180000Z\nEND:VALARM\nEND:VTODO\n");
    struct Row {
        const char* name;
        SlotValues to;
        QList<QByteArray> lines;
        QList<QByteArray> gone;
        QByteArray item = {}; // another than the phone's above
    };
    const QByteArray utc =
        calendar("BEGIN:VTODO\nUID:p2\nDTSTAMP:20270101T000000Z\nSUMMARY:Vote\n"
                 "DUE:20270324T090000Z\nSTATUS:COMPLETED\nCOMPLETED:20270324T084500Z\n"
                 "PERCENT-COMPLETE:100\nBEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:x\n"
                 "TRIGGER:-PT15M\nEND:VALARM\nEND:VTODO\n");
    const Row rows[] = {
        {"in UTC, four days on across the DST change: the same UTC time",
         {"03/28/27", "Vote", "10:45:00", 0, 0, 0, 1},
         {"DUE:20270328T090000Z", "STATUS:COMPLETED"},
         {"TZID"},
         utc},
        {"a completed task armed again in Kelvon is open again",
         {"03/24/27", "Vote", "09:45:00", 0, 0, 0, 0},
         {"STATUS:NEEDS-ACTION", "DUE:20270324T090000Z"},
         {"COMPLETED:", "PERCENT-COMPLETE", "ACKNOWLEDGED"},
         utc},
        {"an hour later, across the DST change",
         {"03/28/27", "Pay rent", "10:30:00", 0, 0, 0, 0},
         {"DUE;TZID=Europe/Berlin:20270328T110000", "DTSTART;TZID=Europe/Berlin:20270328T090000",
          "TRIGGER;RELATED=END:-PT30M", "DESCRIPTION:IBAN in the folder", "CATEGORIES:Home",
          "X-PHONE-COLOR:red", "TRIGGER;VALUE=DATE-TIME:20270323T180000Z", "SUMMARY:Pay rent"},
         {"RRULE"}},
        {"renamed, monthly, fired",
         {"03/24/27", "Pay the rent", "09:30:00", 0, 0, 1, 1},
         {"DUE;TZID=Europe/Berlin:20270324T100000", "SUMMARY:Pay the rent", "RRULE:FREQ=MONTHLY",
          "ACKNOWLEDGED:20270324T083000Z", "CATEGORIES:Home"},
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto ics = updateItem(row.item.isEmpty() ? phone : row.item, row.to, now);
        ASSERT_TRUE(ics.has_value());
        const QByteArray unfolded = QByteArray(*ics).replace("\r\n ", "");
        for (const QByteArray& line : row.lines)
            EXPECT_TRUE(unfolded.contains(line + "\r\n")) << line.toStdString() << "\n"
                                                          << ics->toStdString();
        for (const QByteArray& line : row.gone)
            EXPECT_FALSE(unfolded.contains(line));
        const Reading r = readItem(*ics, now);
        ASSERT_TRUE(r.slot.has_value());
        EXPECT_TRUE(*r.slot == row.to)
            << r.slot->date.toStdString() << " " << r.slot->time.toStdString();
    }
}

// What a server answers, as QXmlStreamReader reads it; a broken answer is refused, not guessed.
TEST(Dav, MultiStatus) {
    QString why;
    const auto ms = parseMultiStatus(
        "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
        "xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
        "<d:response><d:href>/a/k/1.ics</d:href><d:propstat><d:prop><d:getetag>\"e1\"</d:getetag>"
        "<c:calendar-data>BEGIN:VCALENDAR</c:calendar-data></d:prop><d:status>HTTP/1.1 200 "
        "OK</d:status>"
        "</d:propstat><d:propstat><d:prop><d:displayname/></d:prop><d:status>HTTP/1.1 404 Not Found"
        "</d:status></d:propstat></d:response><d:response><d:href>/a/k/2.ics</d:href><d:status>"
        "HTTP/1.1 404 Not "
        "Found</d:status></d:response><d:sync-token>tok-2</d:sync-token></d:multistatus>",
        &why);
    ASSERT_TRUE(ms.has_value());
    ASSERT_EQ(ms->responses.size(), 2);
    EXPECT_EQ(ms->responses[0].props.value(QStringLiteral("getetag")).text.toStdString(), "\"e1\"");
    EXPECT_FALSE(ms->responses[0].props.contains(QStringLiteral("displayname")));
    EXPECT_EQ(ms->responses[1].status, 404);
    EXPECT_EQ(ms->syncToken.toStdString(), "tok-2");
    EXPECT_FALSE(
        parseMultiStatus("<d:multistatus xmlns:d=\"DAV:\"><d:response>", &why).has_value());
    EXPECT_NE(why.indexOf(QLatin1String("malformed XML")), -1);
}

// A configuration written by hand, as the manual page describes it.
TEST(Config, HandWritten) {
    struct Row {
        const char* name;
        QByteArray text; // none: no file
        const char* url; // empty: refused
        int interval;
        bool insecure;
        const char* why;
    };
    const Row rows[] = {
        {"keys without a section, the collection's slash added",
         "url=https://dav.example.org/cal\nuser=me\n", "https://dav.example.org/cal/", 60, false,
         ""},
        {"as setup writes it",
         "[General]\nurl=http://127.0.0.1:5232/alice/kelvon/\ninterval=15\ninsecure=true\n",
         "http://127.0.0.1:5232/alice/kelvon/", 15, true, ""},
        {"an interval that is no number of seconds",
         "url=https://x.org/c/\ninterval=0\ninsecure=no\n", "https://x.org/c/", 60, false, ""},
        {"not an address", "url=calendar\n", "", 0, false, "url is not an address"},
        {"no file", QByteArray(), "", 0, false, "no configuration at"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sync.conf"));
        if (!row.text.isNull()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(row.text);
        }
        QString why;
        const auto config = Config::load(path, &why);
        if (!*row.url) {
            EXPECT_FALSE(config.has_value());
            EXPECT_NE(why.indexOf(QLatin1String(row.why)), -1) << why.toStdString();
            continue;
        }
        ASSERT_TRUE(config.has_value()) << why.toStdString();
        EXPECT_EQ(config->url.toString().toStdString(), row.url);
        EXPECT_EQ(config->interval, row.interval);
        EXPECT_EQ(config->insecure, row.insecure);
    }
}
