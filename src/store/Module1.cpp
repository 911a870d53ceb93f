#include "store/Module1.h"

#include "platform/Platform.h"
#include "store/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>

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

void LoadNotes(DamageReport report) {
    // One open per load: every shown clock window reloads once a second.
    QFile file(DataFileName);
    // Unbuffered: the whole file is read at once, so a read buffer would only be allocated
    // and freed again.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
    QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    // Every byte is read and compared at every load. Bytes equal to those of the last whole
    // load mean what they meant then (a whole load sets every value of the table), so the
    // table is filled from that reading rather than by decoding the same bytes again.
    struct WholeLoad {
        QByteArray bytes;
        Notes notes;
    };
    static std::optional<WholeLoad> last;
    int read = DataFileValues;
    if (last && !readFailed && bytes == last->bytes) {
        NoteTable = last->notes;
    } else {
        read = parseDataFile(bytes, NoteTable);
        // A file far beyond any real one (junk appended) is not kept twice in memory.
        if (read == DataFileValues && !readFailed && bytes.size() <= 64 * 1024)
            last = WholeLoad{bytes, NoteTable};
        else
            last.reset();
    }
    ApplyFiredLatch(NoteTable);
    // One report per damage: every tick reloads, and the same damaged file would bring the box
    // back half a second after each OK. A changed file, or a good load, is reported afresh.
    static std::optional<size_t> reported;
    static std::optional<size_t> copied;
    if (read == DataFileValues && !readFailed) {
        reported.reset();
        copied.reset();
        return;
    }
    const size_t damage = qHash(bytes);
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
