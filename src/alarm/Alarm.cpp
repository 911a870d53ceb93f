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
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

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

QDateTime refreshNow() {
    const QDateTime now = Now();
    NowTimeText = TimeText(now.time());
    TodayText = DateText(now.date());
    return now;
}

// What a screen reader says of an alert window: the message, then when it was due.
QString alertDescription(int slot) {
    QString due;
    if (!NoteTable.NoteDate[slot].isEmpty()) due += QLatin1Char(' ') + NoteTable.NoteDate[slot];
    if (!NoteTable.NoteTime[slot].isEmpty())
        due += QStringLiteral(" at ") + NoteTable.NoteTime[slot];
    QStringList lines;
    if (!NoteTable.NoteMessage[slot].isEmpty()) lines << NoteTable.NoteMessage[slot];
    if (!due.isEmpty()) lines << QStringLiteral("Due") + due;
    return lines.join(QLatin1Char('\n'));
}

// A screen reader speaks a window that takes the focus, which the desktop may refuse an alert
// window: it is named and described for them, and the firing is announced to them.
void announceFiring(QDialog* window, int slot) {
    const QString description = alertDescription(slot);
    window->setAccessibleName(QStringLiteral("Kelvon reminder"));
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
