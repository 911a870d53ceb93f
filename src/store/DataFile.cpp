#include "store/DataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstring>

namespace {

const QByteArray TrueText = QByteArrayLiteral("#TRUE#");
const QByteArray FalseText = QByteArrayLiteral("#FALSE#");

// Views into the file's bytes: a reload every second per shown clock window copies nothing it
// does not keep.
using View = QByteArrayView;

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

View trimmed(View v) {
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// memchr rather than indexOf: this runs for every line of every reload.
qsizetype find(View v, char c) {
    if (v.isEmpty()) return -1;
    const void* at = std::memchr(v.data(), c, size_t(v.size()));
    return at ? static_cast<const char*>(at) - v.data() : -1;
}

View beforeComma(View v) {
    const qsizetype comma = find(v, ',');
    return comma < 0 ? v : v.first(comma);
}

// Most reloads find a text unchanged: an ASCII text equal to the one held needs no conversion.
bool sameAsciiText(const QString& held, View t) {
    if (held.size() != t.size()) return false;
    const QChar* h = held.constData();
    for (qsizetype k = 0; k < t.size(); ++k) {
        const auto c = static_cast<unsigned char>(t[k]);
        if (c >= 0x80 || h[k].unicode() != c) return false;
    }
    return true;
}

// Windows-1252 from 0x80 to 0x9F; the rest of its upper half is Latin-1. Its five unused
// bytes (zero here) stay the control characters of the same number, so nothing is lost.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(View t) {
    QString out(t.size(), Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype k = 0; k < t.size(); ++k) {
        const auto c = static_cast<unsigned char>(t[k]);
        const char16_t high = c >= 0x80 && c < 0xA0 ? Cp1252High[c - 0x80] : c;
        o[k] = QChar(high ? high : char16_t(c));
    }
    return out;
}

// Texts are in the locale's encoding; one whose bytes are not (a file written on Windows, in
// its code page) is read as Windows-1252, so its accents survive the next save.
QString decodeText(View t) {
    QStringDecoder local(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    QString text = local(t);
    return local.hasError() ? fromWindows1252(t) : text;
}

// A quoted text runs from the first to the last double quote of its line, so a text that
// holds quotes itself comes back whole; an unquoted one ends at a comma.
void readText(View line, QString& out) {
    View t = trimmed(line);
    if (t.startsWith('"')) {
        const qsizetype last = t.lastIndexOf('"');
        t = last > 0 ? t.sliced(1, last - 1) : t.sliced(1);
    } else {
        t = trimmed(beforeComma(t));
    }
    if (!sameAsciiText(out, t)) out = decodeText(t);
}

bool readInteger(View field, qint16& out) {
    const View t = trimmed(beforeComma(field));
    const qsizetype first = t.startsWith('-') ? 1 : 0;
    if (t.size() == first || t.size() > 7) return false;
    long value = 0;
    for (qsizetype k = first; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') return false;
        value = value * 10 + (t[k] - '0');
    }
    if (first) value = -value;
    if (value < -32768 || value > 32767) return false;
    out = static_cast<qint16>(value);
    return true;
}

bool readBoolean(View field, bool& out) {
    const View t = trimmed(field);
    if (t.compare(View(TrueText), Qt::CaseInsensitive) == 0)
        out = true;
    else if (t.compare(View(FalseText), Qt::CaseInsensitive) == 0)
        out = false;
    else
        return false;
    return true;
}

// Texts have no escaping; a line feed inside one would shift every later line. A lone CR is
// harmless, as lines end at LF, and is kept so that a text reads back as it was read.
QByteArray quoted(const QString& text) {
    QByteArray bytes = text.toLocal8Bit();
    bytes.replace('\n', ' ');
    return '"' + bytes + '"';
}

} // namespace

int parseDataFile(const QByteArray& bytes, Notes& into) {
    View rest(bytes);
    int linesRead = 0;
    View line;
    auto nextLine = [&] {
        if (rest.isEmpty() || linesRead == DataFileLines) return false;
        const qsizetype lf = find(rest, '\n');
        line = lf < 0 ? rest : rest.first(lf);
        rest = lf < 0 ? View() : rest.sliced(lf + 1);
        if (line.endsWith('\r')) line.chop(1);
        ++linesRead;
        return true;
    };
    int read = 0;
    auto text = [&](QString& value) {
        if (!nextLine()) return false;
        readText(line, value);
        ++read;
        return true;
    };
    auto integer = [&](qint16& value) {
        if (!nextLine() || !readInteger(line, value)) return false;
        ++read;
        return true;
    };
    if (!text(into.FileHeader1) || !text(into.FileHeader2)) return read;
    if (!nextLine()) return read;
    View fields = line;
    bool more = true;
    for (bool* sound : {&into.SoundMessage, &into.SoundAlert, &into.SoundDive, &into.SoundAlarm}) {
        if (!more) return read;
        const qsizetype comma = find(fields, ',');
        more = comma >= 0;
        if (!readBoolean(more ? fields.first(comma) : fields, *sound)) return read;
        fields = more ? fields.sliced(comma + 1) : View();
        ++read;
    }
    for (int i = 0; i < SlotCount; ++i) {
        if (!text(into.NoteDate[i]) || !text(into.NoteMessage[i]) || !text(into.NoteTime[i]) ||
            !integer(into.RepeatDaily[i]) || !integer(into.RepeatWeekly[i]) ||
            !integer(into.RepeatMonthly[i]) || !integer(into.NoteDone[i]))
            return read;
    }
    return read;
}

QByteArray formatDataFile(const Notes& n) {
    QByteArray out;
    out.reserve(4096);
    const QByteArray eol = QByteArrayLiteral("\r\n");
    auto boolean = [](bool b) { return b ? TrueText : FalseText; };
    out += quoted(n.FileHeader1) + eol;
    out += quoted(n.FileHeader2) + eol;
    out += boolean(n.SoundMessage) + ',' + boolean(n.SoundAlert) + ',' + boolean(n.SoundDive) +
           ',' + boolean(n.SoundAlarm) + eol;
    for (int i = 0; i < SlotCount; ++i) {
        out += quoted(n.NoteDate[i]) + eol;
        out += quoted(n.NoteMessage[i]) + eol;
        out += quoted(n.NoteTime[i]) + eol;
        for (qint16 v : {n.RepeatDaily[i], n.RepeatWeekly[i], n.RepeatMonthly[i], n.NoteDone[i]})
            out += QByteArray::number(v) + eol;
    }
    return out;
}

namespace {
bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}
} // namespace

bool writeDataFile(QIODevice& device, const Notes& notes) {
    return writeAll(device, formatDataFile(notes));
}

bool replaceFile(const QString& path, const QByteArray& bytes, bool makePrivate, QString* why) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (why) *why = file.errorString();
        return false;
    }
    if (makePrivate) file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (!writeAll(file, bytes) || !file.flush()) {
        if (why) *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.commit()) return true;
    if (why) *why = file.errorString();
    return false;
}

bool saveDataFile(const QString& path, const Notes& notes, QString* why) {
    auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    const QFileInfo existing(path);
    const bool isNew = !existing.exists();
    // QSaveFile would replace a read-only file by renaming over it, and root passes every
    // access test: a file with no write bit at all stays as it is.
    if (!isNew && !existing.isFile())
        return fail(existing.isDir()
                        ? QCoreApplication::translate("DataFile", "Is a directory")
                        : QCoreApplication::translate("DataFile", "Not a regular file"));
    if (!isNew &&
        (!existing.isWritable() ||
         !(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))))
        return fail(QCoreApplication::translate("DataFile", "Permission denied"));
    return replaceFile(path, formatDataFile(notes), isNew, why);
}
