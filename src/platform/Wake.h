#pragma once
// What wakes a sleeping clock: a moment of the wall clock, and a change of a file.

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

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
// A link is followed: the folders of the link and of its target are watched, found anew at
// each watch() and each look. Where the system cannot report a change (a network or FUSE
// filesystem, no watch to be had, events lost) it looks at the files every 2 s instead.
class FileWatch {
  public:
    FileWatch();
    virtual ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Replaces the files watched before; an empty list watches nothing.
    virtual void watch(const QStringList& paths);
    std::function<void()> onChange;

    // Looks at the files now, as the 2 s look does: onChange when one is not as last seen.
    void look();
    bool polling() const { return m_poll.isActive(); }

    // A file watched and a folder that tells of its changes: the file's own, or one its link
    // leads through.
    struct Place {
        QString folder;
        QString name;
        int path; // index into the files watched
        bool operator==(const Place& o) const {
            return folder == o.folder && name == o.name && path == o.path;
        }
    };

  protected:
    // Watches these places instead of those watched before. Returns why the changes of some
    // cannot be told, a line for standard error each; none where all are told.
    virtual QStringList follow(const std::vector<Place>& places) = 0;
    // The watches are gone (a folder removed): the next look watches the places anew.
    void forget() { m_places.clear(); }
    static QString blindText(const Place& place);
    static QString unwatchedText(const Place& place, const QString& error);
    // An event about a watched file: looked at once the events have stopped for 100 ms, or
    // at once when `complete` (closed after writing, or renamed in whole).
    void changed(bool complete);
    // Events were lost: looks at once, and every 2 s from now on.
    void lost(const QString& why);
    const QStringList& paths() const { return m_paths; }

  private:
    void refollow(std::vector<Place> places);
    void pollFor(QStringList why);

    QStringList m_paths;
    std::vector<Place> m_places;
    std::vector<QByteArray> m_seen;
    QString m_lost;
    QTimer m_settle;
    QTimer m_poll;
    QElapsedTimer m_since; // the first event not yet looked at
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
