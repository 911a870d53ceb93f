#pragma once
// The data file: 227 CR LF lines of quoted texts, integers and Booleans. Parse and format
// are pure; saving goes through QSaveFile so the file on disk is always one whole version.

#include "store/NoteTable.h"

#include <QByteArray>

class QIODevice;

constexpr int DataFileLines = 227;
// Values in file order: two headers, four sound choices, seven per slot.
constexpr int DataFileValues = 2 + 4 + 7 * SlotCount;

// Stores the values into `into` in file order and returns how many were read; fewer than
// DataFileValues means the value at that index could not be read and later ones were left
// untouched.
int parseDataFile(const QByteArray& bytes, Notes& into);

QByteArray formatDataFile(const Notes& notes);
// Writes the whole file to the device; false as soon as a write falls short.
bool writeDataFile(QIODevice& device, const Notes& notes);
// Replaces the file at `path` whole with `bytes` through QSaveFile, or leaves it as it was; a
// private one is readable and writable by its owner alone. On failure `why` gets the reason.
bool replaceFile(const QString& path, const QByteArray& bytes, bool makePrivate,
                 QString* why = nullptr);
// Replaces the file at `path` whole, or leaves it exactly as it was. A new file is private
// to its owner; an existing one keeps its mode. On failure `why` gets the system's reason.
bool saveDataFile(const QString& path, const Notes& notes, QString* why = nullptr);
