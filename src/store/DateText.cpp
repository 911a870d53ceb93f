#include "store/DateText.h"

#include <QLocale>
#include <QRegularExpression>

// Hand-written rather than regular expressions: every clock window converts 32 dates twice a
// second.
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads 1 to `most` ASCII digits at `i`; the count read, 0 for none.
int digits(QStringView t, qsizetype& i, int most, int& value) {
    int n = 0;
    value = 0;
    while (i < t.size() && n < most && isDigit(t[i])) {
        value = value * 10 + (t[i].unicode() - '0');
        ++i;
        ++n;
    }
    return n;
}

bool take(QStringView t, qsizetype& i, char c) {
    if (i < t.size() && t[i] == QLatin1Char(c)) {
        ++i;
        return true;
    }
    return false;
}

bool takeLetter(QStringView t, qsizetype& i, char lower) {
    if (i < t.size() && t[i].toLower() == QLatin1Char(lower)) {
        ++i;
        return true;
    }
    return false;
}

// "m/d/yy" or "mm/dd/yyyy", the whole text.
std::optional<QDate> parseDate(QStringView t) {
    qsizetype i = 0;
    int month, day, year;
    if (!digits(t, i, 2, month) || !take(t, i, '/') || !digits(t, i, 2, day) || !take(t, i, '/'))
        return std::nullopt;
    const int yearDigits = digits(t, i, 4, year);
    if (i != t.size() || (yearDigits != 2 && yearDigits != 4)) return std::nullopt;
    if (yearDigits == 2) year += 2000;
    const QDate d(year, month, day);
    if (!d.isValid()) return std::nullopt;
    return d;
}

// "h:mm" or "h:mm:ss", then an optional AM or PM (a.m., p.m.), the whole text.
std::optional<QTime> parseTime(QStringView t) {
    qsizetype i = 0;
    int hour, minute, second = 0;
    if (!digits(t, i, 2, hour) || !take(t, i, ':') || digits(t, i, 2, minute) != 2)
        return std::nullopt;
    if (take(t, i, ':') && digits(t, i, 2, second) != 2) return std::nullopt;
    while (i < t.size() && t[i].isSpace())
        ++i;
    if (i < t.size()) {
        const bool pm = takeLetter(t, i, 'p');
        if (!pm && !takeLetter(t, i, 'a')) return std::nullopt;
        take(t, i, '.');
        if (!takeLetter(t, i, 'm')) return std::nullopt;
        take(t, i, '.');
        if (i != t.size() || hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) return std::nullopt;
    return time;
}

struct Parts {
    QDate date;
    QTime time;
    bool hasTime = true;
};

std::optional<Parts> parse(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.isEmpty()) return std::nullopt;
    if (auto d = parseDate(t)) return Parts{*d, QTime(0, 0), false};
    if (auto time = parseTime(t)) return Parts{ZeroDate, *time};
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    if (space > 0) {
        const auto d = parseDate(t.left(space));
        const auto time = parseTime(t.mid(space + 1).trimmed());
        if (d && time) return Parts{*d, *time};
    }
    return std::nullopt;
}

} // namespace

std::optional<QDateTime> ConvertDateTime(const QString& text) {
    const auto p = parse(text);
    if (!p) return std::nullopt;
    return QDateTime(p->date, p->time);
}

std::optional<QTime> ConvertTime(const QString& text) {
    const auto p = parse(text);
    if (!p) return std::nullopt;
    return p->time;
}

std::optional<QDate> ConvertDate(const QString& text) {
    const auto p = parse(text);
    if (!p) return std::nullopt;
    return p->date;
}

std::optional<QTime> ConvertTimeOfDay(const QString& text) {
    const auto p = parse(text);
    if (!p || !p->hasTime) return std::nullopt;
    return p->time;
}

bool IsDateTime(const QString& text) {
    return parse(text).has_value();
}

namespace {
// Three two-digit fields with a separator, as every tick writes them.
QString twoDigitFields(int a, int b, int c, char separator) {
    const char16_t text[8] = {char16_t(u'0' + a / 10), char16_t(u'0' + a % 10), char16_t(separator),
                              char16_t(u'0' + b / 10), char16_t(u'0' + b % 10), char16_t(separator),
                              char16_t(u'0' + c / 10), char16_t(u'0' + c % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 8);
}
} // namespace

QString DateText(const QDate& date) {
    if (!date.isValid()) return {};
    return twoDigitFields(date.month(), date.day(), (date.year() % 100 + 100) % 100, '/');
}
QString TimeText(const QTime& time) {
    if (!time.isValid()) return {};
    return twoDigitFields(time.hour(), time.minute(), time.second(), ':');
}

bool TextNotAfter(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseSensitive) <= 0;
}

bool TimeNotAfter(const QString& note, const std::optional<QTime>& noteTime, const QTime& now,
                  const QString& nowText) {
    if (noteTime) return *noteTime <= QTime(now.hour(), now.minute(), now.second());
    return TextNotAfter(note, nowText);
}

QDate NextMonthSameDay(const QDate& today) {
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(1);
    return QDate(first.year(), first.month(), qMin(today.day(), first.daysInMonth()));
}

QString TimeFormatWithoutZone(const QString& format) {
    // The zone is a pattern letter; a 't' in quoted text is the text's own.
    const QChar zone(u'\0');
    QString f = format;
    bool quoted = false;
    for (QChar& c : f) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) c = zone;
    }
    // Several locales put the zone in brackets or after a comma: those go with it.
    static const QRegularExpression withItsMarks(
        QStringLiteral("[\\s,]*(?:\\(\\s*\\x{0}+\\s*\\)|\\[\\s*\\x{0}+\\s*\\]|\\x{0}+)"));
    f.remove(withItsMarks);
    return f.simplified();
}

QString RegionalTimeText(const QTime& time) {
    static const QString format =
        TimeFormatWithoutZone(QLocale::system().timeFormat(QLocale::LongFormat));
    // Every clock window shown ticks in the same second: format it once.
    static QTime shown;
    static QString text;
    const QTime second(time.hour(), time.minute(), time.second());
    if (!shown.isValid() || second != shown) {
        text = QLocale::system().toString(second, format);
        shown = second;
    }
    return text;
}
