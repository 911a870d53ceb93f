#include "store/DateText.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

std::optional<QDate> parseDate(const QString& t) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const auto m = re.match(t);
    if (!m.hasMatch()) return std::nullopt;
    int year = m.captured(3).toInt();
    if (m.capturedLength(3) == 2) year += 2000;
    const QDate d(year, m.captured(1).toInt(), m.captured(2).toInt());
    if (!d.isValid()) return std::nullopt;
    return d;
}

std::optional<QTime> parseTime(const QString& t) {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([AaPp])\\.?[Mm]\\.?)?$"));
    const auto m = re.match(t);
    if (!m.hasMatch()) return std::nullopt;
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const int second = m.capturedLength(3) ? m.captured(3).toInt() : 0;
    if (m.capturedLength(4)) {
        if (hour < 1 || hour > 12) return std::nullopt;
        const bool pm = m.captured(4).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) return std::nullopt;
    return time;
}

} // namespace

std::optional<QDateTime> ConvertDateTime(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    if (auto d = parseDate(t)) return QDateTime(*d, QTime(0, 0));
    if (auto time = parseTime(t)) return QDateTime(ZeroDate, *time);
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    if (space > 0) {
        const auto d = parseDate(t.left(space));
        const auto time = parseTime(t.mid(space + 1).trimmed());
        if (d && time) return QDateTime(*d, *time);
    }
    return std::nullopt;
}

bool IsDateTime(const QString& text) {
    return ConvertDateTime(text).has_value();
}

QString DateText(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yy"));
}
QString TimeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

bool TextNotAfter(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseSensitive) <= 0;
}

QDate NextMonthSameDay(const QDate& today) {
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(1);
    return QDate(first.year(), first.month(), qMin(today.day(), first.daysInMonth()));
}

QString RegionalTimeText(const QTime& time) {
    static const QString format = [] {
        QString f = QLocale::system().timeFormat(QLocale::LongFormat);
        f.remove(QLatin1Char('t'));
        return f.simplified();
    }();
    return QLocale::system().toString(time, format);
}
