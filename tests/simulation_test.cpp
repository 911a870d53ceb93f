// A simulated year of 32 reminders on the real windows, checked tick by tick against a small
// model of the rules written apart from the program.

#include "WindowTest.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <random>
#include <set>

namespace {

enum Repeat { Once, Daily, Weekly, Monthly };

struct Reminder {
    QDate date; // null: no date
    QString time;
    Repeat repeat;
    bool done = false;
};

// The rules: due when armed, its day has come and the clock has reached its time of day (a
// text that is no time: the clock's text has reached it).
struct Model {
    std::vector<Reminder> slots;

    static QString clockText(const QDateTime& t) {
        return t.time().toString(QStringLiteral("HH:mm:ss"));
    }
    static QTime timeOf(const QString& text) {
        for (const char* form : {"H:mm:ss", "H:mm", "h:mm ap", "h:mm:ss ap"}) {
            const QTime t = QLocale::c().toTime(text, QString::fromLatin1(form));
            if (t.isValid()) return t;
        }
        return {};
    }
    static bool reached(const QString& time, const QDateTime& now) {
        const QTime t = timeOf(time);
        return t.isValid() ? t <= QTime::fromMSecsSinceStartOfDay(
                                      now.time().msecsSinceStartOfDay() / 1000 * 1000)
                           : time <= clockText(now);
    }
    bool due(const Reminder& r, const QDateTime& now) const {
        const QDate day = r.date.isNull() ? QDate(2007, 1, 1) : r.date;
        return !r.done && day <= now.date() && reached(r.time, now);
    }
    // An acknowledgement moves fired repeats whose day and time have passed on, from today.
    void acknowledge(const QDateTime& now) {
        const QDate today = now.date();
        for (Reminder& r : slots) {
            if (!r.done || r.repeat == Once || r.date > today || !reached(r.time, now)) continue;
            if (r.repeat == Daily) r.date = today.addDays(1);
            if (r.repeat == Weekly) r.date = today.addDays(7);
            if (r.repeat == Monthly) {
                const QDate first = QDate(today.year(), today.month(), 1).addMonths(1);
                r.date =
                    QDate(first.year(), first.month(), std::min(today.day(), first.daysInMonth()));
            }
            r.done = false;
        }
    }
    // The earliest moment worth a tick: the next due moment of an armed reminder.
    QDateTime nextDue(const QDateTime& now) const {
        QDateTime next = now.addDays(2);
        for (const Reminder& r : slots) {
            if (r.done) continue;
            const QDate day = std::max(r.date.isNull() ? now.date() : r.date, now.date());
            QDateTime at(day, r.time.isEmpty() ? QTime(0, 0) : timeOf(r.time));
            if (!at.isValid()) at = QDateTime(day, QTime(0, 0)); // a wall time the clock skips
            if (due(r, now)) at = now;
            next = std::min(next, at);
        }
        return next;
    }
};

bool changesOffset(const QDate& day) {
    return QDateTime(day, QTime(0, 0)).offsetFromUtc() !=
           QDateTime(day.addDays(1), QTime(0, 0)).offsetFromUtc();
}

} // namespace

class SimulationTest : public QObject {
    Q_OBJECT
    WindowTest t;

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void aYearOfRemindersFiresEachOnTimeAndOnce() {
        QVERIFY2(changesOffset(QDate(2008, 3, 30)), "run with TZ=Europe/Berlin");
        const QDateTime start(QDate(2007, 12, 1), QTime(0, 0));
        const QDateTime end = start.addDays(366);
        t.fakes.clock->set(start);

        Model model;
        const QDate d0(2007, 12, 1);
        auto add = [&](QDate date, const char* time, Repeat repeat) {
            model.slots.push_back({date, QString::fromLatin1(time), repeat});
        };
        for (const char* time :
             {"00:00:00", "00:00:30", "23:59:59", "02:30:00", "12:00:00", "7:15"})
            add(d0, time, Daily);
        const char* weekly[] = {"08:00:00", "23:00:00",   "00:00:00",
                                "2:15 am",  "5:45:30 PM", "10:00:00"};
        for (int k = 0; k < 6; ++k)
            add(d0.addDays(k), weekly[k], Weekly);
        for (int day : {1, 15, 29, 30, 31})
            add(QDate(2007, 12, day), "09:00:00", Monthly);
        add(QDate(2008, 1, 31), "00:00:00", Monthly);
        add(QDate(2008, 1, 30), "23:59:59", Monthly);
        add(QDate(2008, 3, 29), "02:30:00", Monthly);
        const std::pair<QDate, const char*> once[] = {{QDate(2007, 12, 24), "6:00 pm"},
                                                      {QDate(2007, 12, 31), "23:59:59"},
                                                      {QDate(2008, 1, 1), "00:00:00"},
                                                      {QDate(2008, 3, 30), "02:30:00"},
                                                      {QDate(2008, 10, 26), "02:30:00"},
                                                      {QDate(2008, 2, 29), "12:00:00"},
                                                      {QDate(2008, 3, 30), "03:00:00"},
                                                      {QDate(2008, 10, 26), "03:00:00"},
                                                      {QDate(2008, 6, 21), "00:00:01"},
                                                      {QDate(2008, 11, 30), "23:59:59"},
                                                      {QDate(2008, 7, 4), ""}};
        for (const auto& [date, time] : once)
            add(date, time, Once);
        add(QDate(), "", Once); // a message alone fires at once
        QCOMPARE(int(model.slots.size()), SlotCount);

        // Entered as a user would: the rows, then OK.
        frmNotify& editor = Default<frmNotify>();
        editor.optAlert->click();
        for (int i = 0; i < SlotCount; ++i) {
            const Reminder& r = model.slots[size_t(i)];
            editor.txtDateNotify[i]->setText(
                r.date.isNull() ? QString() : r.date.toString(QStringLiteral("MM/dd/yy")));
            editor.txtTimeNote[i]->setText(r.time);
            editor.txtMessage[i]->setText(QStringLiteral("slot %1").arg(i));
            if (r.repeat == Daily) editor.ckDaily[i]->click();
            if (r.repeat == Weekly) editor.ckWeekly[i]->click();
            if (r.repeat == Monthly) editor.ckMonthly[i]->click();
        }
        editor.cmdOKnotify->click();
        QVERIFY(t.fakes.box->texts.isEmpty());
        // Hidden, its clock running: the main window sleeps on the wall-clock alarm, and the
        // model's clock, twice a second wherever a firing may come, checks that it is awake then.
        frmPass& main = Default<frmPass>();
        QVERIFY(main.timerEnabled() && !main.isVisible());
        const auto alarmAt = [&] {
            return t.fakes.alarm->armed ? t.fakes.alarm->moment : QDateTime();
        };

        QDateTime now = start;
        // What the file must hold: the model's reminders as entered, moved on and marked.
        const auto modelFile = [&] {
            Notes n;
            n.SoundAlert = true;
            for (int i = 0; i < SlotCount; ++i) {
                const Reminder& r = model.slots[size_t(i)];
                n.NoteDate[i] =
                    r.date.isNull() ? QString() : r.date.toString(QStringLiteral("MM/dd/yy"));
                n.NoteTime[i] = r.time;
                n.NoteMessage[i] = QStringLiteral("slot %1").arg(i);
                n.RepeatDaily[i] = qint16(r.repeat == Daily);
                n.RepeatWeekly[i] = qint16(r.repeat == Weekly);
                n.RepeatMonthly[i] = qint16(r.repeat == Monthly);
                n.NoteDone[i] = qint16(r.done);
            }
            return n;
        };
        // Other programs write the file too: a reminder moved to tomorrow, written at once or in
        // two pieces, or a fired one set again for tomorrow.
        enum Writer { Moved, InPieces, Rearmed };
        const auto writeFromOutside = [&](Writer writer, std::mt19937& r) {
            int slot = std::uniform_int_distribution<int>(0, SlotCount - 1)(r);
            if (writer == Rearmed) {
                for (int k = 0; k < SlotCount; ++k, slot = (slot + 1) % SlotCount)
                    if (model.slots[size_t(slot)].done) break;
            }
            Reminder& m = model.slots[size_t(slot)];
            m.date = now.date().addDays(1);
            m.done = false;
            const QByteArray bytes = formatDataFile(modelFile());
            QFile f(DataFileName);
            if (writer == InPieces) {
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes.left(bytes.size() / 2)) > 0);
                f.close();
                t.fakes.watch->change();
            }
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
            f.close();
            t.fakes.watch->change();
        };

        std::mt19937 rng(2007);
        std::multiset<QDateTime> acks;
        std::set<QDialog*> seen;
        int firings = 0, ticks = 0, wakes = 0, editorVisits = 0, outside = 0;
        while (now < end) {
            ++ticks;
            if (std::uniform_int_distribution<int>(0, 299)(rng) == 0) {
                writeFromOutside(Writer(outside % 3), rng);
                ++outside;
            }
            if (alarmAt().isValid() && alarmAt() <= now) {
                t.fakes.alarm->wake();
                ++wakes;
            }
            // What fired at this moment, by the messages of the new alert windows.
            std::set<int> fired;
            for (frmPass* alert : WindowTest::alertWindows()) {
                if (!seen.insert(alert).second) continue;
                alert->setTimerEnabled(false);
                fired.insert(alert->LbMessage->text().mid(5).toInt());
            }
            std::set<int> expected;
            for (int i = 0; i < SlotCount; ++i) {
                Reminder& r = model.slots[size_t(i)];
                if (model.due(r, now)) {
                    expected.insert(i);
                    r.done = true;
                }
            }
            if (fired != expected) {
                QStringList f, e;
                for (int i : fired)
                    f << QString::number(i);
                for (int i : expected)
                    e << QString::number(i);
                QFAIL(qPrintable(QStringLiteral("at %1 fired {%2}, due {%3}")
                                     .arg(now.toString(Qt::ISODate), f.join(QLatin1Char(',')),
                                          e.join(QLatin1Char(',')))));
            }
            firings += int(fired.size());
            for (size_t k = 0; k < fired.size(); ++k) {
                const int minutes = std::uniform_int_distribution<int>(0, 9)(rng) == 0
                                        ? std::uniform_int_distribution<int>(600, 1800)(rng)
                                        : std::uniform_int_distribution<int>(0, 180)(rng);
                acks.insert(
                    now.addSecs(1 + minutes * 60 + std::uniform_int_distribution<int>(0, 59)(rng)));
            }

            if (!acks.empty() && *acks.begin() <= now) {
                // OK in the newest alert, then every alert window closed: that acknowledges
                // every firing so far.
                acks.clear();
                const QList<frmPass*> open = WindowTest::alertWindows();
                if (!open.isEmpty()) open.last()->cmdOK->click();
                for (frmPass* alert : open)
                    alert->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                seen.clear();
                model.acknowledge(now);
                if (std::uniform_int_distribution<int>(0, 19)(rng) == 0) {
                    t.whileModal([&] { editor.cmdOKnotify->click(); },
                                 [&] { main.mnuNotify_Click(); });
                    ++editorVisits;
                }
            }

            // Every half second around a change of the clock's offset; elsewhere straight to a
            // second before the next moment that matters, never past midnight.
            QDateTime next = now.addMSecs(500);
            const bool jumpDay = changesOffset(now.date());
            if (!jumpDay || now.time() >= QTime(4, 0) || now.time() < QTime(1, 0)) {
                QDateTime target = model.nextDue(now).addSecs(-1);
                if (!acks.empty()) target = std::min(target, *acks.begin());
                target = std::min(target, QDateTime(now.date().addDays(1), QTime(0, 0)));
                if (jumpDay && now.time() < QTime(1, 0))
                    target = std::min(target, QDateTime(now.date(), QTime(1, 0)));
                next = std::max(next, target);
            }
            if (alarmAt().isValid()) next = std::min(next, std::max(now, alarmAt()));
            // Every save wrote what the model holds.
            if (t.fileNotes() != modelFile())
                QFAIL(qPrintable(QStringLiteral("at %1 the file differs from the model")
                                     .arg(now.toString(Qt::ISODate))));
            QVERIFY(t.fakes.box->texts.isEmpty());
            now = next;
            t.fakes.clock->set(now);
        }
        qInfo("year: %d firings checked at %d moments, %d wake-ups, %d editor visits, %d writes "
              "by other programs",
              firings, ticks, wakes, editorVisits, outside);
        QVERIFY(outside > 30);
        QVERIFY(firings > 1500);
        QVERIFY(wakes < firings); // firings of one second share a wake-up
    }

    // What the real alarm and file watch report wake the sleeping main window: the moment, a
    // step of the clock or a resume, a new time zone, a data file written by another program.
    void asleepItWakesWhenSomethingCanChange() {
        QVERIFY2(changesOffset(QDate(2008, 3, 30)), "run with TZ=Europe/Berlin");
        enum Event { Moment, Step, Zone, File };
        struct Row {
            const char* name;
            QDateTime start;
            const char* date;
            const char* time;
            QDateTime armed; // the moment it sleeps until, null for none
            Event event;
            QDateTime to; // the clock after the event
            bool fires;   // on the wake-up that the event brings
            QDateTime armedAfter;
        };
        const auto at = [](int y, int mo, int d, int h, int mi, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
        };
        const auto utc = [](int y, int mo, int d, int h, int mi) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
        };
        const QDateTime none;
        const Row rows[] = {
            {"clock stepped forward over the moment", at(2007, 3, 24, 9, 0), "03/24/07", "10:00:00",
             at(2007, 3, 24, 10, 0), Step, at(2007, 3, 24, 11, 0), true, none},
            {"clock stepped back over midnight", at(2007, 3, 24, 9, 0), "03/23/07", "23:00:00",
             at(2007, 3, 24, 23, 0), Step, at(2007, 3, 23, 22, 0), false, at(2007, 3, 23, 23, 0)},
            {"resume after a sleep across the moment", at(2007, 3, 24, 9, 0), "03/24/07", "10:00",
             at(2007, 3, 24, 10, 0), Step, at(2007, 3, 24, 10, 0, 40), true, none},
            {"zone set to one ahead", at(2007, 3, 24, 9, 0), "03/24/07", "10:00:00",
             utc(2007, 3, 24, 9, 0), Zone, utc(2007, 3, 24, 8, 0), true, none},
            {"zone set to one behind", at(2007, 3, 24, 9, 0), "03/24/07", "10:00:00",
             utc(2007, 3, 24, 9, 0), Zone, utc(2007, 3, 24, 8, 0), false, utc(2007, 3, 24, 14, 0)},
            {"the clock skips the time", at(2008, 3, 30, 1, 0), "03/30/08", "2:30 am",
             utc(2008, 3, 30, 1, 0), Moment, utc(2008, 3, 30, 1, 0), true, none},
            {"due at the first second after the change", at(2008, 3, 30, 1, 0), "03/30/08",
             "03:00:00", utc(2008, 3, 30, 1, 0), Moment, utc(2008, 3, 30, 1, 0), true, none},
            {"the clock repeats the time", at(2008, 10, 26, 1, 0), "10/26/08", "02:30:00",
             utc(2008, 10, 26, 0, 30), Moment, utc(2008, 10, 26, 0, 30), true, none},
            {"written in the repeated hour", utc(2008, 10, 26, 1, 10), "10/26/08", "02:30:00",
             utc(2008, 10, 26, 1, 30), Moment, utc(2008, 10, 26, 1, 30), true, none},
            {"written by another program, due", at(2007, 3, 24, 9, 0), "03/24/07", "08:00:00", none,
             File, at(2007, 3, 24, 9, 0, 5), true, none},
            {"a time compared as text", at(2007, 3, 24, 9, 0), "03/24/07", "1",
             at(2007, 3, 24, 10, 0), Moment, at(2007, 3, 24, 10, 0), true, none},
            {"a time that never comes", at(2007, 3, 24, 9, 0), "03/24/07", "noon", none, Step,
             at(2007, 3, 24, 23, 59, 59), false, none},
        };
        for (const Row& row : rows) {
            t.cleanup();
            t.init();
            qputenv("TZ", "Europe/Berlin");
            t.fakes.clock->set(row.start.toLocalTime());
            Notes file;
            file.NoteDate[0] = QString::fromLatin1(row.date);
            file.NoteTime[0] = QString::fromLatin1(row.time);
            file.NoteMessage[0] = QString::fromLatin1(row.name);
            // Another program's reminder is not there yet.
            t.writeFile(row.event == File ? Notes() : file);
            Default<frmNotify>();
            const frmPass& main = Default<frmPass>();
            const auto armed = [&] {
                return t.fakes.alarm->armed ? t.fakes.alarm->moment : QDateTime();
            };
            QVERIFY2(!main.isVisible() &&
                         t.fakes.watch->paths.contains(QFileInfo(DataFileName).absoluteFilePath()),
                     row.name);
            QVERIFY2(armed() == row.armed,
                     qPrintable(QStringLiteral("%1: asleep until %2")
                                    .arg(row.name, armed().toString(Qt::ISODate))));

            if (row.event == Zone) qputenv("TZ", row.fires ? "Asia/Tokyo" : "America/New_York");
            t.fakes.clock->set(row.to.toLocalTime());
            if (row.event == File) {
                t.writeFile(file);
                t.fakes.watch->change();
            } else if (row.event == Zone) {
                t.fakes.watch->change();
            } else {
                t.fakes.alarm->wake();
            }
            const QList<frmPass*> alerts = t.alertWindows();
            QVERIFY2(alerts.size() == (row.fires ? 1 : 0), row.name);
            if (row.fires) QCOMPARE(alerts[0]->LbMessage->text(), QString::fromLatin1(row.name));
            QVERIFY2(armed() == row.armedAfter,
                     qPrintable(QStringLiteral("%1: then asleep until %2")
                                    .arg(row.name, armed().toString(Qt::ISODate))));
        }
        qputenv("TZ", "Europe/Berlin");
    }
};

QTEST_MAIN(SimulationTest)
#include "simulation_test.moc"
