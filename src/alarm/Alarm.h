#pragma once
// The clock tick, the due test, the acknowledgement and the firing.

#include <QDateTime>
#include <QPointer>

class QDialog;
struct PassLayout;

// The newest alert window.
extern QPointer<QDialog> AlertWindow;

// Reload, refresh the clock labels of `window`, fire every due slot.
void ClockTick(PassLayout& window);
// Clear the window's message, move fired repeating reminders on, save, hide the main window.
void Acknowledge(PassLayout& window);
// Fire the slot named by SlotIndex.
void FireAlarm();

// The due test for one slot of the table, today being `today` and now NowTimeText.
bool IsDue(int slot, const QDate& today);
// A slot with no date, message or time is no reminder.
bool IsBlank(int slot);
// The first whole second at or after `now` at which the due test of an armed slot holds, read
// from the table as the tick reads it; null when no slot can come due. Far moments and changes
// of the clock's offset from UTC may give an earlier second, never a later one.
QDateTime NextDueMoment(const QDateTime& now);
