#pragma once
// The data file's name and the routines that read it into the table.

#include <QString>

inline const QString DataFileName = QStringLiteral("Kelvo.dat");
// Where the bytes of a damaged data file are kept before a save replaces it.
inline const QString DamagedCopyName = DataFileName + QStringLiteral(".damaged");

// Whether the data file can be opened for reading.
bool DataFileExists();
enum class DamageReport { Shown, Quiet };
// Reads the data file into NoteTable; a damaged file is copied to DamagedCopyName at once and
// reported once in a message box, unless quiet (a quiet load leaves the report to the next load
// that may show it).
void LoadNotes(DamageReport report = DamageReport::Shown);
// The message shown for a damaged file, with where its bytes were kept (or could not be).
QString DamagedFileMessage(bool kept = true);
