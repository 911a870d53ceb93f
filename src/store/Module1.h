#pragma once
// The data file's name and the routines that read it into the table.

#include <QString>

inline const QString DataFileName = QStringLiteral("Kelvo.dat");

// Whether the data file can be opened for reading.
bool DataFileExists();
// Reads the data file into NoteTable; a damaged file is reported once in a message box.
void LoadNotes();
// The message shown for a damaged file.
QString DamagedFileMessage();
