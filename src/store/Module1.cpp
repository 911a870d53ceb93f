#include "store/Module1.h"

#include "platform/Platform.h"
#include "store/DataFile.h"

#include <QFile>

bool DataFileExists() {
    QFile file(DataFileName);
    return file.open(QIODevice::ReadOnly);
}

QString DamagedFileMessage() {
    return QStringLiteral(
        "PROBLEM WITH SAVED FILE.\r\nFIND AND DELETE   Kelvo.dat\r\nA NEW ONE WILL BE CREATED.");
}

void LoadNotes() {
    // One open per load: every clock window reloads twice a second.
    QFile file(DataFileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    const int read = parseDataFile(bytes, NoteTable);
    ApplyFiredLatch(NoteTable);
    if (read == DataFileValues && !readFailed) return;

    // Every tick reloads; while one report is open the others stay quiet.
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    MsgBox(DamagedFileMessage());
    reporting = false;
}
