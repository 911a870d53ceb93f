#include "store/Module1.h"

#include "platform/Platform.h"
#include "platform/WriterLock.h"
#include "store/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <optional>
#include <utility>

bool DataFileExists() {
    QFile file(DataFileName);
    return file.open(QIODevice::ReadOnly);
}

QString DamagedFileMessage(bool kept) {
    const QString copy = QDir::toNativeSeparators(QFileInfo(DamagedCopyName).absoluteFilePath());
    //: %1 is the path of the damaged file's copy; Kelvo.dat is the file's name, never translated.
    return (kept ? QCoreApplication::translate("Module1",
                                               "PROBLEM WITH SAVED FILE.\r\nFIND AND DELETE   "
                                               "Kelvo.dat\r\nA NEW ONE WILL BE CREATED.\r\nITS "
                                               "CONTENTS WERE KEPT IN   %1")
                 : QCoreApplication::translate("Module1",
                                               "PROBLEM WITH SAVED FILE.\r\nFIND AND DELETE   "
                                               "Kelvo.dat\r\nA NEW ONE WILL BE CREATED.\r\nITS "
                                               "CONTENTS COULD NOT BE KEPT IN   %1"))
        .arg(copy);
}

namespace {

std::function<void(const Notes&, const Notes&)>& follower() {
    static std::function<void(const Notes&, const Notes&)> follow;
    return follow;
}

bool loadAfterChange = false;
// A damaged reading that came with a change of the file, and when it was first seen.
struct HeldDamage {
    size_t damage;
    QDateTime since;
};
std::optional<HeldDamage> held;
constexpr int DamageSettleMs = 1000;

// A file far beyond any real one (junk appended) is not kept twice in memory: its hash stands
// for it.
constexpr qsizetype KeptBytesLimit = 64 * 1024;
QByteArray keptForm(const QByteArray& bytes) {
    if (bytes.size() <= KeptBytesLimit) return bytes;
    return QByteArray::number(qulonglong(qHash(bytes))) + ' ' + QByteArray::number(bytes.size());
}

bool isKnown(const QByteArray& bytes) {
    const auto& known = KnownDataFile();
    return known && known->bytes == keptForm(bytes);
}

// Another program changed the file from `before` to `theirs`, and the table now holds `after`:
// a latch holds only where that slot stayed as it was, and the editor follows.
void takeIn(const Notes& before, const Notes& theirs, const Notes& after) {
    ReleaseLatchWhereChanged(before, theirs);
    if (follower()) follower()(before, after);
}

} // namespace

void SetFileFollower(std::function<void(const Notes&, const Notes&)> follow) {
    follower() = std::move(follow);
}

void LoadAfterFileChange() {
    loadAfterChange = true;
}

QDateTime DamageRecheckAt() {
    return held ? held->since.addMSecs(DamageSettleMs) : QDateTime();
}

void LoadNotes(DamageReport report) {
    const bool afterChange = std::exchange(loadAfterChange, false);
    // One open per load: every shown clock window reloads once a second.
    QFile file(DataFileName);
    // Unbuffered: the whole file is read at once, so a read buffer would only be allocated
    // and freed again.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
    QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    // Every byte is read and compared at every load. Bytes equal to those Kelvon last loaded
    // whole or wrote mean what they meant then, so the table is filled from that rather than
    // by decoding the same bytes again.
    std::optional<KnownFile>& known = KnownDataFile();
    int read = DataFileValues;
    std::optional<Notes> previous; // the table before a reading that may be held back
    if (!readFailed && isKnown(bytes)) {
        NoteTable = known->notes;
    } else {
        previous = NoteTable;
        read = parseDataFile(bytes, NoteTable);
        if (read == DataFileValues && !readFailed) {
            const std::optional<KnownFile> before =
                std::exchange(known, KnownFile{keptForm(bytes), NoteTable});
            if (before) takeIn(before->notes, NoteTable, NoteTable);
        }
    }
    ApplyFiredLatch(NoteTable);
    // One report per damage: every tick reloads, and the same damaged file would bring the box
    // back half a second after each OK. A changed file, or a good load, is reported afresh.
    static std::optional<size_t> reported;
    static std::optional<size_t> copied;
    if (read == DataFileValues && !readFailed) {
        reported.reset();
        copied.reset();
        held.reset();
        return;
    }
    const size_t damage = qHash(bytes);
    // A program writing the file in place shows it half written for a moment: what came with a
    // change is told and kept only when it is still there a second later.
    // Until then the table stays as it was: half a file would fire what it half says.
    if (held && held->damage == damage) {
        if (Now() < DamageRecheckAt()) {
            if (previous) NoteTable = *previous;
            return;
        }
    } else if (afterChange || held) {
        held = HeldDamage{damage, Now()};
        if (previous) NoteTable = *previous;
        return;
    }
    held.reset();
    // Kept at once, by a quiet load too: any save from now on replaces the damaged file with
    // what could be read of it. The copy is private, as the data file is.
    static bool kept = false;
    if (copied != damage || (kept && !QFileInfo::exists(DamagedCopyName))) {
        copied = damage;
        kept = replaceFile(DamagedCopyName, bytes, true);
    }
    if (reported == damage || report == DamageReport::Quiet) return;
    // While one report is open, ticks go on behind it and stay quiet.
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    reported = damage;
    MsgBox(DamagedFileMessage(kept));
    reporting = false;
}

bool SaveNotes(const ComposeSave& compose, QString* why) {
    // Held from the reading to the rename: no other writer of this project saves in between.
    const platform::WriterLock lock(DataFileName);
    // Without it the save still goes on (a writer that never lets go must not stop Kelvon), but
    // not without a word.
    static QString untold;
    if (!lock.held() && lock.error() != untold) {
        untold = lock.error();
        std::fprintf(stderr, "kelvon: saving without the writers' lock on %s (%s)\n",
                     qUtf8Printable(platform::WriterLock::pathFor(DataFileName)),
                     qUtf8Printable(untold));
    }
    std::optional<KnownFile>& known = KnownDataFile();
    std::optional<Notes> theirs;
    QByteArray bytes;
    QFile file(DataFileName);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        Notes read = known ? known->notes : NoteTable;
        if (file.error() == QFileDevice::NoError && !isKnown(bytes) &&
            parseDataFile(bytes, read) == DataFileValues)
            theirs = std::move(read);
        file.close();
    }
    const std::optional<Notes> before =
        known ? std::optional<Notes>(known->notes) : std::optional<Notes>();
    const Notes out = compose(before, theirs);
    if (theirs) {
        // Taken in even where the save then fails: the file holds it.
        takeIn(before.value_or(*theirs), *theirs, out);
        known = KnownFile{keptForm(bytes), *theirs};
        NoteTable = out;
        ApplyFiredLatch(NoteTable);
    }
    if (!saveDataFile(DataFileName, out, why)) return false;
    known = KnownFile{keptForm(formatDataFile(out)), out};
    held.reset();
    return true;
}
