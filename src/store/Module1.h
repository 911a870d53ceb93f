#pragma once
// The data file's name and the routines that read it into the table.

#include <QString>

inline const QString DataFileName = QStringLiteral("Kelvo.dat");

// Whether the data file can be opened for reading.
bool DataFileExists();
enum class DamageReport { Shown, Quiet };
// Reads the data file into NoteTable; a damaged file is reported once in a message box, unless
// quiet (a quiet load leaves the report to the next load that may show it).
void LoadNotes(DamageReport report = DamageReport::Shown);
// The message shown for a damaged file.
QString DamagedFileMessage();
