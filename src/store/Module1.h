#pragma once
// The data file's name and the routines that read it into the table.

#include "store/NoteTable.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

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

// Told when a load or a save finds what another program wrote: `before` is the file as Kelvon
// knew it, `after` what the table holds now. The editor's rows follow.
void SetFileFollower(std::function<void(const Notes& before, const Notes& after)> follow);
// The next load comes from a change of the file: a damaged reading may be a writer still at
// work, so it is looked at again a second later before it is told or kept.
void LoadAfterFileChange();
// When a damaged reading waits to be looked at again; null when none waits.
QDateTime DamageRecheckAt();

// Saves under the writers' lock, never over another program's change: the file is read again
// first, and `compose` is given what Kelvon knew of it (none before any whole load or save)
// and, where another program has changed it since, what it holds now. What compose returns is
// written, and is then the file as Kelvon knows it.
using ComposeSave =
    std::function<Notes(const std::optional<Notes>& known, const std::optional<Notes>& theirs)>;
bool SaveNotes(const ComposeSave& compose, QString* why = nullptr);
