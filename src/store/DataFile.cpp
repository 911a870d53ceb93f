#include "store/DataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QList>
#include <QSaveFile>

namespace {

const QByteArray TrueText = QByteArrayLiteral("#TRUE#");
const QByteArray FalseText = QByteArrayLiteral("#FALSE#");

QList<QByteArray> splitLines(const QByteArray& bytes, int wanted) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size() && lines.size() < wanted) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

// A quoted text runs from the first to the last double quote of its line, so a text that
// holds quotes itself comes back whole; an unquoted one ends at a comma.
QString readText(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.startsWith('"')) {
        const qsizetype last = t.lastIndexOf('"');
        return QString::fromLocal8Bit(last > 0 ? t.mid(1, last - 1) : t.mid(1));
    }
    const qsizetype comma = t.indexOf(',');
    return QString::fromLocal8Bit((comma < 0 ? t : t.left(comma)).trimmed());
}

bool readInteger(const QByteArray& field, qint16& out) {
    const QByteArray t = field.trimmed();
    qsizetype i = t.startsWith('-') ? 1 : 0;
    if (t.size() == i || t.size() > 7) return false;
    for (qsizetype k = i; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9') return false;
    const long value = t.toLong();
    if (value < -32768 || value > 32767) return false;
    out = static_cast<qint16>(value);
    return true;
}

bool readBoolean(const QByteArray& field, bool& out) {
    const QByteArray t = field.trimmed().toUpper();
    if (t == TrueText)
        out = true;
    else if (t == FalseText)
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
    const QList<QByteArray> lines = splitLines(bytes, DataFileLines);
    int read = 0;
    int next = 0;
    auto nextLine = [&]() -> const QByteArray* {
        return next < lines.size() ? &lines[next++] : nullptr;
    };
    auto text = [&](QString& value) {
        const QByteArray* l = nextLine();
        if (!l) return false;
        value = readText(*l);
        ++read;
        return true;
    };
    auto integer = [&](qint16& value) {
        const QByteArray* l = nextLine();
        if (!l || !readInteger(l->split(',').front(), value)) return false;
        ++read;
        return true;
    };
    if (!text(into.FileHeader1) || !text(into.FileHeader2)) return read;
    const QByteArray* soundLine = nextLine();
    if (!soundLine) return read;
    const QList<QByteArray> fields = soundLine->split(',');
    int field = 0;
    for (bool* sound : {&into.SoundMessage, &into.SoundAlert, &into.SoundDive, &into.SoundAlarm}) {
        if (field >= fields.size() || !readBoolean(fields[field++], *sound)) return read;
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

bool writeDataFile(QIODevice& device, const Notes& notes) {
    const QByteArray bytes = formatDataFile(notes);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool saveDataFile(const QString& path, const Notes& notes) {
    const QFileInfo existing(path);
    const bool isNew = !existing.exists();
    // QSaveFile would replace a read-only file by renaming over it, and root passes every
    // access test: a file with no write bit at all stays as it is.
    if (!isNew &&
        (!existing.isFile() || !existing.isWritable() ||
         !(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))))
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (isNew) file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (!writeDataFile(file, notes) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
