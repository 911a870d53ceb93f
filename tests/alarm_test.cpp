// The clock tick, the firing and the acknowledgement, on the real windows with a fake clock.

#include "WindowTest.h"
#include "alarm/Alarm.h"
#include "forms/PassLayout.h"
#include "store/DateText.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {
Notes oneReminder(const QString& date, const QString& time,
                  const QString& message = QStringLiteral("call Bob")) {
    Notes n;
    n.NoteDate[0] = date;
    n.NoteTime[0] = time;
    n.NoteMessage[0] = message;
    n.SoundAlert = true;
    return n;
}
} // namespace

class AlarmTest : public QObject {
    Q_OBJECT
    WindowTest t;

    // Loads the editor from the file and returns the main window with its own clock stopped, so
    // that only the test's ticks run.
    frmPass& start(const Notes& file) {
        t.writeFile(file);
        Default<frmNotify>();
        frmPass& main = Default<frmPass>();
        main.setTimerEnabled(false);
        return main;
    }
    void at(int y, int m, int d, int hh, int mm, int ss, int ms = 0) {
        t.fakes.clock->set(QDateTime(QDate(y, m, d), QTime(hh, mm, ss, ms)));
    }
    static void stopAlertClocks() {
        for (frmPass* a : WindowTest::alertWindows())
            a->setTimerEnabled(false);
    }

  private Q_SLOTS:
    void init() { t.init(); }
    void cleanup() { t.cleanup(); }

    void dueReminderFiresAtItsSecondOnce() {
        frmPass& main = start(oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:30:00")));
        at(2007, 3, 24, 14, 29, 59, 999);
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 0);
        QCOMPARE(main.Label2->text(), QStringLiteral("03/24/07"));
        QCOMPARE(main.Label3->text(), RegionalTimeText(QTime(14, 29, 59)));

        at(2007, 3, 24, 14, 30, 0, 4);
        main.Timer1_Timer();
        const QList<frmPass*> alerts = t.alertWindows();
        QCOMPARE(alerts.size(), 1);
        stopAlertClocks();
        frmPass* alert = alerts.first();
        QCOMPARE(alert->LbMessage->text(), QStringLiteral("call Bob"));
        QCOMPARE(AlertWindow.data(), static_cast<QDialog*>(alert));
        // Named and described for screen readers, and announced to them once.
        const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(alert);
        const QString description = QStringLiteral("call Bob\nDue 03/24/07 at 14:30:00");
        QCOMPARE(told->text(QAccessible::Name), QStringLiteral("Kelvon reminder"));
        QCOMPARE(told->text(QAccessible::Description), description);
        QCOMPARE(t.fakes.topmost->announced, QStringList{description});
        QCOMPARE(QAccessible::queryAccessibleInterface(&main)->text(QAccessible::Name),
                 QStringLiteral("Kelvon clock"));
        QVERIFY(std::count(t.fakes.topmost->windows.begin(), t.fakes.topmost->windows.end(),
                           alert) == 1);
        QCOMPARE(t.fakes.sound->events,
                 QStringList({QStringLiteral("beep"), QStringLiteral("play:Alert.wav:3")}));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
        // The alert window's load named the main window, which stays hidden.
        QCOMPARE(main.windowTitle(), QStringLiteral("Kelvon"));
        QVERIFY(!main.isVisible());

        for (int k = 0; k < 5; ++k) {
            t.fakes.clock->advanceSeconds(1);
            main.Timer1_Timer();
            alert->Timer1_Timer();
        }
        QCOMPARE(t.alertWindows().size(), 1);
        QCOMPARE(t.fakes.topmost->announced.size(), 1);
    }

    // The user closed the alert window while the firing's box about a failed save waited: no
    // announcement or request for attention is left for a window that is gone.
    void alertClosedWhileABoxWaitedIsNotAnnounced() {
        struct ClosingBox : platform::FakeMessageBox {
            void show(const QString& text) override {
                FakeMessageBox::show(text);
                for (frmPass* alert : WindowTest::alertWindows())
                    alert->close();
            }
        };
        auto* box = new ClosingBox;
        platform::installMessageBox(std::unique_ptr<platform::MessageBox>(box));
        t.fakes.box = box;
        frmPass& main = start(oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:30:00")));
        QFile::setPermissions(DataFileName, QFile::ReadOwner);
        at(2007, 3, 24, 14, 30, 0);
        main.Timer1_Timer();
        QCOMPARE(box->texts.size(), 1);
        QVERIFY(t.alertWindows().isEmpty());
        QVERIFY(t.fakes.topmost->announced.isEmpty());
        QVERIFY(t.fakes.topmost->attention.isEmpty());
    }

    void dueTestOverDatesTimesAndFlags() {
        struct Case {
            const char* name;
            QString date, time, message;
            qint16 done;
            bool fires;
        };
        const Case cases[] = {
            {"done never fires", QStringLiteral("03/24/07"), QStringLiteral("14:00:00"),
             QStringLiteral("m"), 1, false},
            {"done with nothing set", QString(), QString(), QStringLiteral("m"), 1, false},
            {"no date, time passed", QString(), QStringLiteral("09:00:00"), QStringLiteral("m"), 0,
             true},
            {"message only fires at once", QString(), QString(), QStringLiteral("m"), 0, true},
            {"date only, today", QStringLiteral("03/24/07"), QString(), QString(), 0, true},
            {"later today", QStringLiteral("03/24/07"), QStringLiteral("14:30:00"),
             QStringLiteral("m"), 0, false},
            {"tomorrow", QStringLiteral("03/25/07"), QStringLiteral("00:00:00"),
             QStringLiteral("m"), 0, false},
            {"yesterday later in the day", QStringLiteral("03/23/07"), QStringLiteral("23:00:00"),
             QStringLiteral("m"), 0, false},
            {"yesterday earlier in the day", QStringLiteral("03/23/07"), QStringLiteral("09:00:00"),
             QStringLiteral("m"), 0, true},
            {"four-digit year", QStringLiteral("3/24/2007"), QStringLiteral("14:29:59"),
             QStringLiteral("m"), 0, true},
            {"next year", QStringLiteral("01/01/08"), QStringLiteral("00:00:00"),
             QStringLiteral("m"), 0, false},
            {"date that is no date", QStringLiteral("02/30/07"), QString(), QStringLiteral("m"), 0,
             false},
            {"words for a date", QStringLiteral("soon"), QString(), QStringLiteral("m"), 0, false},
            {"a time in the date box", QStringLiteral("08:00"), QStringLiteral("14:00"),
             QStringLiteral("m"), 0, true},
            // Short forms are times of day, not texts that sort after every "hh:mm:ss".
            {"h:mm passed", QStringLiteral("03/24/07"), QStringLiteral("9:30"), QStringLiteral("m"),
             0, true},
            {"h:mm pm passed", QStringLiteral("03/24/07"), QStringLiteral("2:29 pm"),
             QStringLiteral("m"), 0, true},
            {"h:mm:ss PM to come", QStringLiteral("03/24/07"), QStringLiteral("2:30:00 PM"),
             QStringLiteral("m"), 0, false},
            {"a.m. form passed", QStringLiteral("03/24/07"), QStringLiteral("11:59 a.m."),
             QStringLiteral("m"), 0, true},
            {"hh:mm to come", QStringLiteral("03/24/07"), QStringLiteral("14:30"),
             QStringLiteral("m"), 0, false},
            {"words keep the text order", QStringLiteral("03/24/07"), QStringLiteral("noon"),
             QStringLiteral("m"), 0, false},
            // As a time, a date alone would be midnight, long passed.
            {"a date in the time box keeps the text order", QStringLiteral("03/24/07"),
             QStringLiteral("3/24/07"), QStringLiteral("m"), 0, false},
        };
        for (const Case& c : cases) {
            Notes n = oneReminder(c.date, c.time, c.message);
            n.NoteDone[0] = c.done;
            frmPass& main = start(n);
            at(2007, 3, 24, 14, 29, 59);
            // The moment that the hidden main window sleeps until: now when it is due, else
            // never after the first second at which it is (a far one is woken for on the way).
            QDateTime next = NextDueMoment(Now());
            QVERIFY2((next.isValid() && next <= Now()) == c.fires, c.name);
            main.Timer1_Timer();
            QVERIFY2(int(t.alertWindows().size()) == (c.fires ? 1 : 0), c.name);
            const bool comes = next.isValid();
            for (int wake = 0; wake < 10 && next.isValid() && t.alertWindows().isEmpty(); ++wake) {
                t.fakes.clock->set(next.addSecs(-1));
                main.Timer1_Timer();
                QVERIFY2(t.alertWindows().isEmpty(), c.name);
                t.fakes.clock->set(next);
                main.Timer1_Timer();
                next = NextDueMoment(Now());
            }
            QVERIFY2(int(t.alertWindows().size()) == (comes ? 1 : 0), c.name);
            t.cleanup();
            t.init();
        }
    }

    void missedYesterdayFiresAtItsTimeToday() {
        frmPass& main = start(oneReminder(QStringLiteral("03/23/07"), QStringLiteral("23:00:00")));
        at(2007, 3, 24, 9, 0, 0);
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 0);
        at(2007, 3, 24, 23, 0, 0);
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 1);
    }

    void firstStartWithoutAFileFiresNothing() {
        Default<frmNotify>();
        frmPass& main = Default<frmPass>();
        main.setTimerEnabled(false);
        for (int k = 0; k < 4; ++k)
            main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 0);
        QVERIFY(t.fakes.sound->events.isEmpty());
        QVERIFY(!QFile::exists(DataFileName));
    }

    void twoDueSlotsGiveTwoWindowsAndTwoSounds() {
        Notes n = oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:00:00"),
                              QStringLiteral("first"));
        n.NoteDate[5] = QStringLiteral("03/20/07");
        n.NoteMessage[5] = QStringLiteral("second");
        frmPass& main = start(n);
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 2);
        QCOMPARE(AlertWindow->findChildren<QLabel*>().contains(
                     static_cast<frmPass*>(AlertWindow.data())->LbMessage),
                 true);
        QCOMPARE(static_cast<frmPass*>(AlertWindow.data())->LbMessage->text(),
                 QStringLiteral("second"));
        QCOMPARE(t.fakes.sound->played(),
                 QStringList({QStringLiteral("Alert.wav"), QStringLiteral("Alert.wav")}));
        QCOMPARE(t.fakes.sound->beeps(), 2);
        const Notes f = t.fileNotes();
        QCOMPARE(f.NoteDone[0], qint16(1));
        QCOMPARE(f.NoteDone[5], qint16(1));
    }

    void eachSoundChoicePlaysItsOwnFile() {
        const std::pair<bool Notes::*, const char*> choices[] = {
            {&Notes::SoundMessage, "checkmsgs.wav"},
            {&Notes::SoundAlert, "Alert.wav"},
            {&Notes::SoundDive, "Keytry.wav"},
            {&Notes::SoundAlarm, "Keyhaw.wav"},
        };
        for (const auto& [choice, file] : choices) {
            Notes n = oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:00:00"));
            n.SoundAlert = false;
            n.*choice = true;
            start(n).Timer1_Timer();
            QCOMPARE(t.fakes.sound->events,
                     QStringList({QStringLiteral("beep"),
                                  QStringLiteral("play:%1:3").arg(QLatin1String(file))}));
            t.cleanup();
            t.init();
        }
    }

    // Ticks go on inside a message box that opens during a firing; none may fire the same
    // slot again or lose track of which slot it fires.
    void firingThatWaitsInAMessageBoxFiresOnce() {
        struct NestedTickBox : platform::MessageBox {
            void show(const QString& text) override {
                texts.append(text);
                Default<frmPass>().Timer1_Timer();
                for (frmPass* a : WindowTest::alertWindows())
                    a->Timer1_Timer();
            }
            QStringList texts;
        };
        // Damages the file whenever the time is asked: between the tick's read and the firing's.
        struct DamagingClock : platform::Clock {
            QDateTime now() const override {
                QFile f(DataFileName);
                if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write("\"cut short\r\n");
                return QDateTime(QDate(2007, 3, 24), QTime(14, 30, 0));
            }
            int msecOfSecond() const override { return 0; } // asked before the tick's read
        };
        for (const bool damaging : {true, false}) {
            Notes n = oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:30:00"));
            n.NoteMessage[31] = QStringLiteral("last slot, not due");
            n.NoteDate[31] = QStringLiteral("03/25/07");
            frmPass& main = start(n);
            auto* box = new NestedTickBox;
            platform::installMessageBox(std::unique_ptr<platform::MessageBox>(box));
            at(2007, 3, 24, 14, 30, 0);
            if (damaging)
                platform::installClock(std::make_unique<DamagingClock>());
            else
                QFile::setPermissions(DataFileName, QFile::ReadOwner); // the save's box
            main.Timer1_Timer();
            const QList<frmPass*> alerts = t.alertWindows();
            QVERIFY2(alerts.size() == 1, damaging ? "damaged" : "save failed");
            QCOMPARE(alerts.first()->LbMessage->text(), QStringLiteral("call Bob"));
            // Only a tick reports a damaged file; the firing's save has mended it by then.
            QCOMPARE(box->texts.size(), damaging ? 0 : 1);
            QCOMPARE(NoteTable.NoteDone[31], qint16(0));
            t.cleanup();
            t.init();
        }
    }

    // Two firings whose failed saves each wait in a box, the first alert window closed
    // meanwhile: each message goes to its own window, none to the closed one.
    void firingsWaitingInTheirOwnBoxesKeepTheirOwnWindows() {
        struct ScriptedBox : platform::MessageBox {
            void show(const QString& text) override {
                texts.append(text);
                if (!steps.isEmpty()) steps.takeFirst()();
            }
            QList<std::function<void()>> steps;
            QStringList texts;
        };
        Notes n = oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:30:00"),
                              QStringLiteral("first"));
        n.NoteDate[1] = QStringLiteral("03/24/07");
        n.NoteTime[1] = QStringLiteral("14:30:01");
        n.NoteMessage[1] = QStringLiteral("second");
        frmPass& main = start(n);
        auto* box = new ScriptedBox;
        platform::installMessageBox(std::unique_ptr<platform::MessageBox>(box));
        const auto readOnly = [](bool on) {
            QFile::setPermissions(DataFileName,
                                  on ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner);
        };
        QPointer<frmPass> first;
        box->steps.append([&] { // the first firing's box
            first = t.alertWindows().first();
            readOnly(false);
            Default<frmNotify>().SaveMsg(); // a save that works: the next failure is told
            readOnly(true);
            at(2007, 3, 24, 14, 30, 1);
            main.Timer1_Timer();
        });
        box->steps.append([&] { // the second's, while the first still waits
            first->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        at(2007, 3, 24, 14, 30, 0);
        readOnly(true);
        main.Timer1_Timer();
        QCOMPARE(box->texts.size(), 2);
        QVERIFY(first.isNull());
        const QList<frmPass*> alerts = t.alertWindows();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.first()->LbMessage->text(), QStringLiteral("second"));
        QCOMPARE(t.fakes.topmost->attention, QStringList(QStringLiteral("second")));
        readOnly(false);
    }

    void noSoundChosenStillOpensTheWindow() {
        Notes n = oneReminder(QStringLiteral("03/24/07"), QString(), QString());
        n.SoundAlert = false;
        frmPass& main = start(n);
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 1);
        QVERIFY(t.alertWindows().first()->LbMessage->text().isEmpty());
        QVERIFY(t.fakes.sound->events.isEmpty());
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
    }

    void editorAndAboutOpenTogetherHoldEveryFiring() {
        frmPass& main = start(oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:00:00")));
        Default<frmNotify>().show();
        Default<frmAbout>().show();
        for (int k = 0; k < 3; ++k)
            main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 0);
        QCOMPARE(NoteTable.NoteDone[0], qint16(0));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(0));
        Unload<frmAbout>();
        main.Timer1_Timer(); // the editor alone does not hold it
        QCOMPARE(t.alertWindows().size(), 1);
    }

    void messagesShowAsTyped() {
        const QString markup = QStringLiteral("<b>call</b> <img src=\"file:///etc/passwd\">");
        frmPass& main = start(oneReminder(QStringLiteral("03/24/07"), QString(), markup));
        main.Timer1_Timer();
        QLabel* line = t.alertWindows().first()->LbMessage;
        QCOMPARE(line->textFormat(), Qt::PlainText);
        QCOMPARE(line->text(), markup);
    }

    void writeProtectedFileFiresOncePerArming() {
        frmPass& main = start(oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:00:00")));
        QFile::setPermissions(DataFileName, QFile::ReadOwner);
        const QByteArray before = t.fileBytes();
        for (int k = 0; k < 10; ++k) {
            main.Timer1_Timer();
            for (frmPass* a : t.alertWindows())
                a->Timer1_Timer();
            t.fakes.clock->advanceSeconds(1);
        }
        QCOMPARE(t.alertWindows().size(), 1);
        QCOMPARE(t.fileBytes(), before);
        // The editor re-arms it: it may fire again.
        Default<frmNotify>().ckDaily[0]->click();
        main.Timer1_Timer();
        QCOMPARE(t.alertWindows().size(), 2);
    }

    void acknowledgementMovesRepeatsOnFromToday() {
        struct Case {
            const char* name;
            QString date, time;
            int repeat; // 0 daily, 1 weekly, 2 monthly
            QDateTime ack;
            QString expected; // empty: not advanced
        };
        auto when = [](int y, int m, int d, int hh, int mm) {
            return QDateTime(QDate(y, m, d), QTime(hh, mm));
        };
        const Case cases[] = {
            {"daily at the year end", QStringLiteral("12/31/07"), QStringLiteral("09:00:00"), 0,
             when(2007, 12, 31, 9, 5), QStringLiteral("01/01/08")},
            {"monthly in December", QStringLiteral("12/15/07"), QStringLiteral("09:00:00"), 2,
             when(2007, 12, 15, 10, 0), QStringLiteral("01/15/08")},
            {"monthly in March", QStringLiteral("03/10/07"), QStringLiteral("09:00:00"), 2,
             when(2007, 3, 10, 10, 0), QStringLiteral("04/10/07")},
            {"monthly from the 31st", QStringLiteral("01/31/08"), QStringLiteral("09:00:00"), 2,
             when(2008, 1, 31, 10, 0), QStringLiteral("02/29/08")},
            {"weekly fired Monday, acknowledged Wednesday", QStringLiteral("03/19/07"),
             QStringLiteral("08:00:00"), 1, when(2007, 3, 21, 8, 30), QStringLiteral("03/28/07")},
            {"later day, before its time", QStringLiteral("03/19/07"), QStringLiteral("08:00:00"),
             0, when(2007, 3, 21, 7, 59), QString()},
            {"across the new year", QStringLiteral("12/31/07"), QStringLiteral("09:00:00"), 0,
             when(2008, 1, 1, 9, 30), QStringLiteral("01/02/08")},
            {"not yet due", QStringLiteral("03/30/07"), QStringLiteral("08:00:00"), 0,
             when(2007, 3, 21, 9, 0), QString()},
            {"typed 9:30, acknowledged at 10:00", QStringLiteral("03/21/07"),
             QStringLiteral("9:30"), 0, when(2007, 3, 21, 10, 0), QStringLiteral("03/22/07")},
            {"typed 2:30 pm, acknowledged at 14:00", QStringLiteral("03/21/07"),
             QStringLiteral("2:30 pm"), 0, when(2007, 3, 21, 14, 0), QString()},
        };
        for (const Case& c : cases) {
            Notes n = oneReminder(c.date, c.time);
            n.NoteDone[0] = 1;
            (c.repeat == 0   ? n.RepeatDaily
             : c.repeat == 1 ? n.RepeatWeekly
                             : n.RepeatMonthly)[0] = 1;
            n.NoteDone[1] = 1; // a done one-time reminder stays done
            n.NoteDate[1] = QStringLiteral("03/01/07");
            // The editor's load re-arms rows with a repeat; the slot fired since then.
            t.writeFile(n);
            Default<frmNotify>();
            NoteTable.NoteDone[0] = 1;
            Default<frmNotify>().SaveMsg();
            frmPass& main = Default<frmPass>();
            main.setTimerEnabled(false);
            main.show();
            t.fakes.clock->set(c.ack);
            main.cmdOK->click();
            const Notes f = t.fileNotes();
            const QString expected = c.expected.isEmpty() ? c.date : c.expected;
            QVERIFY2(f.NoteDate[0] == expected, c.name);
            QVERIFY2(Default<frmNotify>().txtDateNotify[0]->text() == expected, c.name);
            QVERIFY2(f.NoteDone[0] == (c.expected.isEmpty() ? 1 : 0), c.name);
            QCOMPARE(f.NoteDone[1], qint16(1));
            QVERIFY(!main.isVisible());
            t.cleanup();
            t.init();
        }
    }

    void alertOKKeepsItOpenAndClosingAcknowledges() {
        Notes n = oneReminder(QStringLiteral("03/24/07"), QStringLiteral("14:00:00"));
        n.RepeatDaily[0] = 1;
        frmPass& main = start(n);
        main.show();
        main.Timer1_Timer();
        QPointer<frmPass> alert = t.alertWindows().first();
        alert->setTimerEnabled(false);
        alert->cmdOK->click();
        QVERIFY(alert->isVisible());
        QVERIFY(alert->LbMessage->text().isEmpty());
        QVERIFY(
            QAccessible::queryAccessibleInterface(alert)->text(QAccessible::Description).isEmpty());
        QVERIFY(!main.isVisible());
        QCOMPARE(t.fileNotes().NoteDate[0], QStringLiteral("03/25/07"));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(0));

        // Fired again the next day; this time the close box acknowledges.
        at(2007, 3, 25, 14, 0, 1);
        main.Timer1_Timer();
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(1));
        QPointer<frmPass> second =
            t.alertWindows().contains(alert.data()) && t.alertWindows().size() == 2
                ? (t.alertWindows()[0] == alert ? t.alertWindows()[1] : t.alertWindows()[0])
                : nullptr;
        QVERIFY(second);
        second->close();
        QTRY_VERIFY(second.isNull());
        QCOMPARE(t.fileNotes().NoteDate[0], QStringLiteral("03/26/07"));
        QCOMPARE(t.fileNotes().NoteDone[0], qint16(0));
    }

    void closedMainWindowGoesOnTickingHidden() {
        frmPass& main = start(oneReminder(QStringLiteral("03/25/07"), QStringLiteral("10:00:00")));
        main.setTimerEnabled(true);
        main.show();
        main.close(); // its close box, or Alt+F4
        QVERIFY(!main.isVisible());
        QCOMPARE(DefaultSlot<frmPass>().data(), &main); // the same window, its clock running
        QVERIFY(main.timerEnabled());
        // Asleep until the reminder's moment, when the wall-clock alarm wakes it.
        QVERIFY(t.fakes.alarm->armed);
        QCOMPARE(t.fakes.alarm->moment, QDateTime(QDate(2007, 3, 25), QTime(10, 0)));
        at(2007, 3, 25, 10, 0, 0, 1);
        t.fakes.alarm->wake();
        QCOMPARE(t.alertWindows().size(), 1);
        QCOMPARE(t.alertWindows().first()->LbMessage->text(), QStringLiteral("call Bob"));
        QVERIFY(!main.isVisible());
    }

    void ticksKeepAFixedPhase() {
        const std::pair<int, int> cases[] = {{0, 3},     {3, 1000},  {4, 999},
                                             {250, 753}, {499, 504}, {502, 501},
                                             {505, 498}, {999, 4},   {2, 1 + 1000}};
        for (const auto& [msec, wait] : cases)
            QCOMPARE(MsToNextTick(msec), wait);
    }
};

QTEST_MAIN(AlarmTest)
#include "alarm_test.moc"
