#include "alarm/Alarm.h"

#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "forms/PassLayout.h"
#include "forms/Windows.h"
#include "platform/Platform.h"
#include "store/DateText.h"
#include "store/Module1.h"
#include "store/NoteTable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <vector>

QPointer<QDialog> AlertWindow;

namespace {

// A slot without a date counts as dated 1 January 2007, so its date has come. The stand-in is
// not written into the table: with no file to reload, it would outlive the tick and make an
// empty slot look like a reminder.
const QString EmptyDateStandIn = QStringLiteral("01/01/07");

std::optional<QDate> slotDate(int slot) {
    const QString& text =
        NoteTable.NoteDate[slot].isEmpty() ? EmptyDateStandIn : NoteTable.NoteDate[slot];
    // The same texts come back from every reload: each slot keeps its last conversion.
    // An entry not yet filled holds an empty text, which never comes here.
    struct Converted {
        QString text;
        std::optional<QDate> date;
    };
    static Converted last[SlotCount];
    Converted& c = last[slot];
    if (c.text != text) c = {text, ConvertDate(text)};
    return c.date;
}

// Whether the slot's time of day has come at NowTimeText.
bool slotTimeReached(int slot) {
    const QString& text = NoteTable.NoteTime[slot];
    struct Converted {
        QString text;
        std::optional<QTime> time;
    };
    static Converted last[SlotCount]; // an empty text converts to none, as an unfilled entry
    Converted& c = last[slot];
    if (c.text != text) c = {text, ConvertTimeOfDay(text)};
    static QString nowText;
    static QTime now;
    if (nowText != NowTimeText) {
        nowText = NowTimeText;
        now = ConvertTime(NowTimeText).value_or(QTime());
    }
    return TimeNotAfter(text, c.time, now, NowTimeText);
}

// The first second of a day at which the slot's time text has come; none when it never does.
std::optional<QTime> slotTimeOfDay(int slot) {
    const QString& text = NoteTable.NoteTime[slot];
    if (const auto time = ConvertTimeOfDay(text)) return time;
    // A text compared as text: the clock's texts of a day are in the text order, so the first
    // second whose text it does not follow is found by halving.
    int from = 0, to = 24 * 3600;
    while (from < to) {
        const int mid = (from + to) / 2;
        const QString clock = TimeText(QTime::fromMSecsSinceStartOfDay(mid * 1000));
        if (TextNotAfter(text, clock))
            to = mid;
        else
            from = mid + 1;
    }
    if (from == 24 * 3600) return std::nullopt;
    return QTime::fromMSecsSinceStartOfDay(from * 1000);
}

int offsetAt(qint64 secs) {
    return QDateTime::fromSecsSinceEpoch(secs).offsetFromUtc();
}

// The first second after `from` and not after `to` at which the clock's offset from UTC is no
// longer the one at `from`; 0 when it stays. Offsets last longer than a week.
qint64 offsetChange(qint64 from, qint64 to) {
    constexpr qint64 Week = 7 * 24 * 3600;
    const int offset = offsetAt(from);
    for (qint64 before = from; before < to; before += Week) {
        qint64 after = std::min(before + Week, to);
        if (offsetAt(after) == offset) continue;
        while (after - before > 1) {
            const qint64 mid = before + (after - before) / 2;
            (offsetAt(mid) == offset ? before : after) = mid;
        }
        return after;
    }
    return 0;
}

QDateTime refreshNow() {
    const QDateTime now = Now();
    NowTimeText = TimeText(now.time());
    TodayText = DateText(now.date());
    return now;
}

// What a screen reader says of an alert window: the message, then when it was due.
QString alertDescription(int slot) {
    const QString& date = NoteTable.NoteDate[slot];
    const QString& time = NoteTable.NoteTime[slot];
    QStringList lines;
    if (!NoteTable.NoteMessage[slot].isEmpty()) lines << NoteTable.NoteMessage[slot];
    if (!date.isEmpty() && !time.isEmpty())
        lines << QCoreApplication::translate("frmPass", "Due %1 at %2").arg(date, time);
    else if (!date.isEmpty())
        lines << QCoreApplication::translate("frmPass", "Due %1").arg(date);
    else if (!time.isEmpty())
        lines << QCoreApplication::translate("frmPass", "Due at %1").arg(time);
    return lines.join(QLatin1Char('\n'));
}

// A screen reader speaks a window that takes the focus, which the desktop may refuse an alert
// window: it is named and described for them, and the firing is announced to them.
void announceFiring(QDialog* window, int slot) {
    const QString description = alertDescription(slot);
    window->setAccessibleName(QCoreApplication::translate("frmPass", "Kelvon reminder"));
    window->setAccessibleDescription(description);
    AnnounceAlert(window, description);
}

} // namespace

bool IsBlank(int slot) {
    return NoteTable.NoteDate[slot].isEmpty() && NoteTable.NoteMessage[slot].isEmpty() &&
           NoteTable.NoteTime[slot].isEmpty();
}

bool IsDue(int slot, const QDate& today) {
    // The cheap tests first; the result is the same in any order. A date that does not
    // convert is never due.
    if (NoteTable.NoteDone[slot] != 0 || !slotTimeReached(slot)) return false;
    const auto date = slotDate(slot);
    return date && *date <= today;
}

void ClockTick(PassLayout& window) {
    LoadNotes();
    const QDateTime now = refreshNow();
    window.Label3->setText(RegionalTimeText(now.time()));
    window.Label2->setText(TodayText);
    // A firing can open a message box, and ticks go on behind it: the loop keeps its own count.
    for (int i = 0; i < SlotCount; ++i) {
        if (IsBlank(i) || !IsDue(i, now.date())) continue;
        SlotIndex = qint16(i);
        FireAlarm();
    }
}

void Acknowledge(PassLayout& window) {
    window.LbMessage->clear();
    window.window->setAccessibleDescription(QString()); // the message it told is gone
    const QDate today = refreshNow().date();
    frmNotify& editor = Default<frmNotify>();
    for (int i = 0; i < SlotCount; ++i) {
        auto passes = [&](const QCheckBox* box) {
            const auto date = slotDate(i);
            return NoteTable.NoteDone[i] == 1 && Value(box) == 1 && date && *date <= today &&
                   slotTimeReached(i);
        };
        auto advance = [&](const QDate& next) {
            NoteTable.NoteDate[i] = DateText(next);
            editor.txtDateNotify[i]->setText(NoteTable.NoteDate[i]);
            Rearm(i);
            editor.settleRow(i);
        };
        if (passes(editor.ckWeekly[i])) advance(today.addDays(7));
        if (passes(editor.ckDaily[i])) advance(today.addDays(1));
        if (passes(editor.ckMonthly[i])) advance(NextMonthSameDay(today));
    }
    editor.SaveMsg();
    // Without a notification area the main window is the only way left to end the program.
    if (!Windows::MainWindowStaysShown()) Windows::MainWindow().window->hide();
}

void FireAlarm() {
    // The slot is this firing's own: a message box opened below runs other ticks, which set
    // SlotIndex again.
    const int slot = SlotIndex;
    PassLayout* alert = Windows::NewClockWindow();
    AlertWindow = alert->window;
    if (Default<frmNotify>().isVisible() && Windows::AboutBox().isVisible()) {
        delete alert->window;
        return;
    }
    // Done before anything that can wait in a nested event loop, so that no tick running there
    // fires the same slot again.
    MarkFired(slot);
    const QPointer<QDialog> window = alert->window; // the user may close it in a nested loop
    alert->Form_Load();
    alert->window->show();
    const frmNotify& editor = Default<frmNotify>();
    const std::pair<QRadioButton*, const char*> sounds[] = {
        {editor.optMessage, "checkmsgs.wav"},
        {editor.optAlert, "Alert.wav"},
        {editor.optDive, "Keytry.wav"},
        {editor.OptAlarm, "Keyhaw.wav"},
    };
    for (const auto& [option, file] : sounds) {
        if (!option->isChecked()) continue;
        Beep();
        PlaySoundFile(QString::fromLatin1(file), platform::SND_ASYNC | platform::SND_NODEFAULT);
    }
    Default<frmNotify>().SaveMsg();
    if (!window || !window->isVisible()) return; // closed while a box waited

    alert->LbMessage->setText(NoteTable.NoteMessage[slot]);
    DemandAttention(window, NoteTable.NoteMessage[slot]);
    announceFiring(window, slot);
}

QDateTime NextDueMoment(const QDateTime& now) {
    struct Due {
        QDate date;
        QTime time;
    };
    std::vector<Due> armed;
    for (int i = 0; i < SlotCount; ++i) {
        if (NoteTable.NoteDone[i] != 0 || IsBlank(i)) continue;
        const auto date = slotDate(i);
        const auto time = slotTimeOfDay(i);
        if (date && time) armed.push_back({*date, *time});
    }
    if (armed.empty()) return {};
    // Asleep for two months at most: a far moment is looked at again on the way.
    constexpr qint64 Longest = 60 * 24 * 3600;
    qint64 at = now.toSecsSinceEpoch();
    // The date and the time of day are tested apart, each on the clock as it reads: while its
    // offset stays, a slot is first due on its date (or today) at its time of day. Where the
    // offset changes first, the test starts again from there.
    for (int changes = 0; changes < 4; ++changes) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(at);
        const QDate today = local.date();
        const QTime time = local.time();
        qint64 next = at + Longest;
        for (const Due& due : armed) {
            if (due.date <= today && due.time <= time) return QDateTime::fromSecsSinceEpoch(at);
            const QDate day = due.date < today ? today : due.date;
            next = std::min(next, QDateTime(day, due.time, Qt::UTC).toSecsSinceEpoch() -
                                      local.offsetFromUtc());
        }
        const qint64 change = offsetChange(at, next);
        if (change == 0) return QDateTime::fromSecsSinceEpoch(next);
        at = change;
    }
    return QDateTime::fromSecsSinceEpoch(at);
}
