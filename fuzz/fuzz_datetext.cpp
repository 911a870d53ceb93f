// Any text, however decoded, must convert or not without crashing, and what converts must be
// written back by DateText/TimeText in a form that converts to the same date and time.

#include "store/DateText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "fuzz_datetext: %s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

// "yy" keeps the last two digits of the year, and reading takes them as 20yy.
QDate twoDigitYear(const QDate& d) {
    return QDate(2000 + d.year() % 100, d.month(), d.day());
}

// Date and time apart: QDateTime's == compares instants, which is not what a text says.
bool converts(const QString& text, const QDate& date, const QTime& time) {
    const std::optional<QDateTime> dt = ConvertDateTime(text);
    return dt && dt->date() == date && dt->time() == time;
}

void check(const QString& text) {
    const std::optional<QDateTime> converted = ConvertDateTime(text);
    if (IsDateTime(text) != converted.has_value()) fail("IsDateTime disagrees", text);
    for (const QString& other :
         {text.trimmed(), QStringLiteral(" \t") + text + QStringLiteral("\u00a0 ")}) {
        if (ConvertDateTime(other) != converted) fail("surrounding space changes the result", text);
    }
    if (!converted) return;

    const QDateTime dt = *converted;
    if (!dt.isValid()) fail("converted to an invalid date/time", text);

    const QString timeText = TimeText(dt.time());
    if (!converts(timeText, ZeroDate, dt.time()))
        fail("TimeText does not convert back to the same time", text);

    const QDate date = dt.date();
    const QDate expected = date.year() >= 2000 && date.year() <= 2099 ? date : twoDigitYear(date);
    const QString dateText = DateText(date);
    if (!converts(dateText, expected, QTime(0, 0)))
        fail("DateText does not convert back to the same date", text);
    if (!converts(dateText + QLatin1Char(' ') + timeText, expected, dt.time()))
        fail("DateText and TimeText together do not convert back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* chars = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    check(QString::fromUtf8(chars, length));
    check(QString::fromLatin1(chars, length));
    // Raw UTF-16 reaches texts that neither decoding makes, lone surrogates among them.
    std::u16string units(size / 2, u'\0');
    if (!units.empty()) std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check(QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));
    return 0;
}
