#pragma once
// What wakes a sleeping clock: a moment of the wall clock, and a change of a file.

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <memory>

namespace platform {

// Wakes at a moment of the wall clock, and at once when the wall clock is stepped (set by hand
// or by a time server) or the machine resumes from suspend: a timer that counts the time the
// program runs would fire late by the time slept.
class WallAlarm {
  public:
    virtual ~WallAlarm() = default;
    // Replaces the moment armed before; a null moment wakes only on a step or a resume.
    virtual void arm(const QDateTime& at) = 0;
    virtual void disarm() = 0;
    std::function<void()> onWake;
};

// Reports a change of the files watched: written, replaced by a rename, created or removed.
class FileWatch {
  public:
    virtual ~FileWatch() = default;
    // Replaces the files watched before; an empty list watches nothing.
    virtual void watch(const QStringList& paths) = 0;
    std::function<void()> onChange;
};

void installWallAlarm(std::unique_ptr<WallAlarm> alarm);
void installFileWatch(std::unique_ptr<FileWatch> watch);
WallAlarm& WallAlarmService();
FileWatch& FileWatchService();
// Ends both while the application object still exists: their notifiers belong to it.
void releaseWakeServices();

// The file whose replacement means the system's time zone has changed; empty where none is.
QString ZoneFile();

} // namespace platform
