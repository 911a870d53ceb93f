#pragma once
// The date and time text rules: "mm/dd/yy" and "hh:mm:ss", read month first whatever the
// locale, because that is how the data file holds them.

#include <QDateTime>
#include <optional>

// The date a time-only text stands on, as the classic date serial 0.
inline const QDate ZeroDate{1899, 12, 30};

// Whether a text converts to a date or time, and to which. Accepts "m/d/yy", "mm/dd/yyyy",
// "h:mm", "h:mm:ss" with an optional AM/PM, and a date followed by a space and a time.
// The date-time is in local time: one that the clock skips is invalid; the pickers and the
// due test take the parts alone.
std::optional<QDateTime> ConvertDateTime(const QString& text);
bool IsDateTime(const QString& text);
// The date part alone, without building a date-time in the local time zone.
std::optional<QDate> ConvertDate(const QString& text);
std::optional<QTime> ConvertTime(const QString& text);
// The time of day of a text in one of the forms with a time ("9:30", "2:30 pm", a date and a
// time); none for a date alone or a text that does not convert.
std::optional<QTime> ConvertTimeOfDay(const QString& text);

QString DateText(const QDate& date); // "mm/dd/yy"
QString TimeText(const QTime& time); // "hh:mm:ss", 24-hour

// The order in which time texts are compared: character by character, a prefix first.
bool TextNotAfter(const QString& a, const QString& b);
// Whether a reminder's time text `note` has come at `now` (whose text is `nowText`): as times of
// day when it converts (`noteTime`, from ConvertTimeOfDay), else in the text order, so that
// "9:30" and "2:30 pm" come at their time and hand-written texts keep their old meaning.
bool TimeNotAfter(const QString& note, const std::optional<QTime>& noteTime, const QTime& now,
                  const QString& nowText);

// Today's day of the month in the next month, or that month's last day when it is shorter.
QDate NextMonthSameDay(const QDate& today);

// A time format without its time-zone name, and the brackets, comma and blank that went with it.
QString TimeFormatWithoutZone(const QString& format);
// The time in the system's long time format without its time-zone name.
QString RegionalTimeText(const QTime& time);
