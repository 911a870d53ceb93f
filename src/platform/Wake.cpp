#include "platform/Wake.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <map>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/statfs.h>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// Where the system offers no wall-clock timer: the clock looks twice a second, as it always did.
class PollingAlarm : public WallAlarm {
  public:
    PollingAlarm() {
        m_timer.setInterval(500);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (onWake) onWake();
        });
    }
    void arm(const QDateTime&) override {
        if (!m_timer.isActive()) m_timer.start();
    }
    void disarm() override { m_timer.stop(); }

  private:
    QTimer m_timer;
};

#ifdef Q_OS_LINUX
// An absolute timer on the real-time clock: it expires at the moment whatever the machine did
// meanwhile (a resume finds it expired), and CANCEL_ON_SET makes every step of the clock end
// the wait too.
class RealTimeAlarm : public WallAlarm {
  public:
    static std::unique_ptr<WallAlarm> create() {
        const int fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd < 0) return nullptr;
        return std::make_unique<RealTimeAlarm>(fd);
    }
    explicit RealTimeAlarm(int fd) : m_fd(fd), m_notifier(fd, QSocketNotifier::Read) {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { expired(); });
    }
    ~RealTimeAlarm() override {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(RealTimeAlarm)

    void arm(const QDateTime& at) override {
        if (at.isValid())
            set(at.toMSecsSinceEpoch());
        else
            waitForStep();
    }
    void disarm() override {
        const itimerspec none{};
        timerfd_settime(m_fd, 0, &none, nullptr);
    }

  private:
    void set(qint64 msecs) {
        itimerspec at{};
        at.it_value.tv_sec = time_t(msecs / 1000);
        at.it_value.tv_nsec = long(msecs % 1000) * 1000000;
        // A moment at or before the epoch would read as disarming.
        if (at.it_value.tv_sec <= 0) at.it_value = {0, 1};
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr);
    }
    // Steps are reported only while an absolute timer is armed: one a year from now, counted
    // from the clock as it reads (a fixed far moment lies in the past for a clock set past it,
    // and would expire over and over).
    void waitForStep() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        set((qint64(now.tv_sec) + 366 * 86400) * 1000);
    }

    void expired() {
        quint64 count = 0;
        if (::read(m_fd, &count, sizeof count) < 0 && errno == EAGAIN) return;
        // Expired or cancelled by a step, it waits for the next step until armed again.
        waitForStep();
        if (onWake) onWake();
    }

    int m_fd;
    QSocketNotifier m_notifier;
};
#endif

QSet<QString>& told() {
    static QSet<QString> lines;
    return lines;
}

#ifdef Q_OS_UNIX
QByteArray identityOf(const struct stat& st) {
    return QByteArray::number(qulonglong(st.st_dev)) + ' ' +
           QByteArray::number(qulonglong(st.st_ino)) + ' ' +
           QByteArray::number(qlonglong(st.st_size)) + ' ' +
           QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(st.st_mtim.tv_nsec)) + ' ' +
           QByteArray::number(qlonglong(st.st_ctim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(st.st_ctim.tv_nsec));
}
#endif

// Where each file is told of: its own folder, and the folder of each link on the way to the
// file it leads to. With what tells one version of each file from another without reading
// it (empty while there is none; a link counts as the file it leads to). A file that is no
// link costs one look at it: on a network filesystem each look is a round trip.
std::vector<FileWatch::Place> survey(const QStringList& paths, std::vector<QByteArray>& seen) {
    std::vector<FileWatch::Place> places;
    seen.assign(size_t(paths.size()), QByteArray());
    for (int i = 0; i < int(paths.size()); ++i) {
        if (paths[i].isEmpty()) continue;
        QFileInfo info(paths[i]);
        places.push_back({info.absolutePath(), info.fileName(), i});
#ifdef Q_OS_UNIX
        struct stat st {};
        if (::lstat(QFile::encodeName(paths[i]).constData(), &st) != 0) continue;
        if (!S_ISLNK(st.st_mode)) {
            seen[size_t(i)] = identityOf(st);
            continue;
        }
#endif
        for (int hop = 0; hop < 16 && info.isSymLink(); ++hop) {
            info = QFileInfo(info.symLinkTarget());
            places.push_back({info.absolutePath(), info.fileName(), i});
        }
#ifdef Q_OS_UNIX
        if (::stat(QFile::encodeName(paths[i]).constData(), &st) == 0)
            seen[size_t(i)] = identityOf(st);
#else
        info = QFileInfo(paths[i]);
        if (info.exists())
            seen[size_t(i)] = QByteArray::number(info.size()) + ' ' +
                              QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' +
                              QByteArray::number(info.metadataChangeTime().toMSecsSinceEpoch()) +
                              ' ' + info.canonicalFilePath().toUtf8();
#endif
    }
    return places;
}

#ifdef Q_OS_LINUX
// Filesystems whose changes all pass through this machine's kernel, so that inotify reports
// them. Anything else (NFS, SMB, FUSE, 9p, Ceph, AFS, ... or one not known here) may be
// changed from elsewhere unseen.
bool reportsEveryChange(const QString& folder) {
    struct statfs fs {};
    if (::statfs(QFile::encodeName(folder).constData(), &fs) != 0) return true; // not there yet
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53:     // ext2, ext3, ext4
    case 0x58465342: // xfs
    case 0x9123683E: // btrfs
    case 0x01021994: // tmpfs
    case 0x858458F6: // ramfs
    case 0x794C7630: // overlayfs
    case 0xF2F52010: // f2fs
    case 0x52654973: // reiserfs
    case 0x3153464A: // jfs
    case 0x2FC12FC1: // zfs
    case 0xCA451A4E: // bcachefs
    case 0x4D44:     // vfat, msdos
    case 0x2011BAB0: // exfat
    case 0x7366746E: // ntfs3
    case 0x5346544E: // ntfs
    case 0x482B:     // hfsplus
    case 0x3434:     // nilfs2
    case 0x73717368: // squashfs
    case 0x9660:     // iso9660
    case 0x15013346: // udf
    case 0x28CD3D45: // cramfs
    case 0xE0F5E1E2: // erofs
        return true;
    default:
        return false;
    }
}
#endif

} // namespace

FileWatch::FileWatch() {
    m_settle.setSingleShot(true);
    QObject::connect(&m_settle, &QTimer::timeout, [this] { look(); });
    m_poll.setInterval(2000);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
}

FileWatch::~FileWatch() = default;

void FileWatch::watch(const QStringList& paths) {
    std::vector<QByteArray> seen;
    std::vector<Place> places = survey(paths, seen);
    if (paths != m_paths) {
        m_paths = paths;
        m_lost.clear();
        m_seen = std::move(seen);
        m_places.clear();
    }
    refollow(std::move(places));
}

void FileWatch::look() {
    m_settle.stop();
    m_since.invalidate();
    std::vector<QByteArray> seen;
    refollow(survey(m_paths, seen));
    if (seen == m_seen) return;
    m_seen = std::move(seen);
    if (onChange) onChange();
}

void FileWatch::changed(bool complete) {
    // A program writing in place may pause between pieces; the file is read once it has been
    // quiet a while, and at the latest 2 s after its first event, so that one that never
    // stops is still read.
    if (!m_since.isValid()) m_since.start();
    m_settle.start(complete || m_since.hasExpired(2000) ? 0 : 100);
}

void FileWatch::lost(const QString& why) {
    m_lost = why;
    pollFor(follow(m_places));
    changed(true);
}

void FileWatch::refollow(std::vector<Place> places) {
    if (places == m_places) return;
    m_places = std::move(places);
    pollFor(follow(m_places));
}

void FileWatch::pollFor(QStringList why) {
    if (!m_lost.isEmpty()) why << m_lost;
    if (why.isEmpty()) {
        m_poll.stop();
        return;
    }
    for (const QString& line : std::as_const(why))
        if (!told().contains(line)) {
            told().insert(line);
            std::fprintf(stderr, "%s\n", qUtf8Printable(line));
        }
    if (!m_poll.isActive()) m_poll.start();
}

QString FileWatch::blindText(const Place& place) {
    return QStringLiteral("kelvon: %1 is on a network or FUSE filesystem, which does not tell of "
                          "changes made elsewhere; looking at %2 every 2 s")
        .arg(QDir::toNativeSeparators(place.folder), place.name);
}

QString FileWatch::unwatchedText(const Place& place, const QString& error) {
    return QStringLiteral("kelvon: cannot watch %1 (%2); looking at %3 every 2 s")
        .arg(QDir::toNativeSeparators(place.folder), error, place.name);
}

namespace {

// Qt's watcher sees a rename in the folder, and a write into the file only on a watch of the
// file itself, which a rename ends.
class QtFolderWatch : public FileWatch {
  public:
    QtFolderWatch() {
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged,
                         [this] { changed(false); });
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, [this] { changed(false); });
    }

  private:
    QStringList follow(const std::vector<Place>& places) override {
        QStringList wanted, why;
        for (const Place& place : places) {
            const QDir folder(place.folder);
            if (!folder.exists()) continue;
            wanted << place.folder;
            if (folder.exists(place.name)) wanted << folder.absoluteFilePath(place.name);
        }
        wanted.removeDuplicates();
        QStringList gone = m_watcher.files() + m_watcher.directories();
        for (const QString& path : std::as_const(wanted))
            gone.removeAll(path);
        if (!gone.isEmpty()) m_watcher.removePaths(gone);
        for (const QString& path : std::as_const(wanted))
            if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path) &&
                !m_watcher.addPath(path))
                for (const Place& place : places)
                    if (place.folder == path)
                        why << unwatchedText(place, QStringLiteral("no watch to be had"));
        return why;
    }

    QFileSystemWatcher m_watcher;
};

#ifdef Q_OS_LINUX
// The kernel's notification on the folders, read here: it names the file of each event, so
// the other files of a busy folder wake nothing, and it costs no more code than the notifier.
class InotifyWatch : public FileWatch {
  public:
    static std::unique_ptr<FileWatch> create() {
        const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd < 0) return nullptr;
        return std::make_unique<InotifyWatch>(fd);
    }
    explicit InotifyWatch(int fd) : m_fd(fd), m_notifier(fd, QSocketNotifier::Read) {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { read(); });
    }
    ~InotifyWatch() override {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(InotifyWatch)

  private:
    QStringList follow(const std::vector<Place>& places) override {
        m_places = places;
        std::map<QString, const Place*> wanted;
        for (const Place& place : places)
            wanted.emplace(place.folder, &place);
        for (auto it = m_watches.begin(); it != m_watches.end();) {
            if (wanted.count(it->first)) {
                ++it;
                continue;
            }
            const int wd = it->second;
            it = m_watches.erase(it);
            // One folder by two names is one watch.
            bool shared = false;
            for (const auto& [folder, other] : m_watches)
                shared = shared || other == wd;
            if (!shared) inotify_rm_watch(m_fd, wd);
        }
        QStringList why;
        for (const auto& [folder, place] : wanted) {
            // Added even where changes from elsewhere go unseen: this machine's own are told.
            if (!m_watches.count(folder)) {
                const int wd =
                    inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                                      IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                          IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB);
                if (wd < 0) {
                    const int e = errno;
                    why << unwatchedText(*place, e == ENOSPC
                                                     ? QStringLiteral("no watch left: the limit "
                                                                      "fs.inotify.max_user_"
                                                                      "watches is reached")
                                                     : QString::fromLocal8Bit(std::strerror(e)));
                    continue;
                }
                m_watches[folder] = wd;
            }
            if (!reportsEveryChange(folder)) why << blindText(*place);
        }
        return why;
    }

    void read() {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) return;
            for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= n;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                const char* name = buffer + at + sizeof event;
                at += ssize_t(sizeof event + event.len);
                if (event.mask & IN_Q_OVERFLOW) {
                    lost(QStringLiteral("kelvon: the system dropped the changes of watched "
                                        "files (too many at once); looking at %1 every 2 s")
                             .arg(watchedNames()));
                    continue;
                }
                if (event.mask & IN_IGNORED) {
                    // The folder is gone, or moved off this filesystem: found anew at the next
                    // look.
                    for (auto it = m_watches.begin(); it != m_watches.end();)
                        it = it->second == event.wd ? m_watches.erase(it) : std::next(it);
                    forget();
                    changed(false);
                    continue;
                }
                if (event.len == 0) continue;
                const QString file = QFile::decodeName(name);
                for (const Place& place : m_places) {
                    const auto watch = m_watches.find(place.folder);
                    if (watch == m_watches.end() || watch->second != event.wd || place.name != file)
                        continue;
                    changed((event.mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) != 0);
                    break;
                }
            }
        }
    }

    QString watchedNames() const {
        QStringList names;
        for (const QString& path : paths())
            if (!path.isEmpty()) names << QFileInfo(path).fileName();
        return names.join(QLatin1String(" and "));
    }

    int m_fd;
    QSocketNotifier m_notifier;
    std::vector<Place> m_places;
    std::map<QString, int> m_watches; // a folder and its watch
};
#endif

struct WakeServices {
    std::unique_ptr<WallAlarm> alarm;
    std::unique_ptr<FileWatch> watch;
};

// Like the other services, never destroyed by the exit handlers that run when Qt's X11
// plug-in loses the display: their notifiers would outlive Qt's own state.
WakeServices& services() {
    static auto* s = new WakeServices;
    return *s;
}

} // namespace

void installWallAlarm(std::unique_ptr<WallAlarm> alarm) {
    services().alarm = std::move(alarm);
}
void installFileWatch(std::unique_ptr<FileWatch> watch) {
    services().watch = std::move(watch);
}

WallAlarm& WallAlarmService() {
    std::unique_ptr<WallAlarm>& alarm = services().alarm;
#ifdef Q_OS_LINUX
    if (!alarm) alarm = RealTimeAlarm::create();
#endif
    if (!alarm) alarm = std::make_unique<PollingAlarm>();
    return *alarm;
}

FileWatch& FileWatchService() {
    std::unique_ptr<FileWatch>& watch = services().watch;
#ifdef Q_OS_LINUX
    if (!watch) watch = InotifyWatch::create();
#endif
    if (!watch) watch = std::make_unique<QtFolderWatch>();
    return *watch;
}

void releaseWakeServices() {
    services() = WakeServices{};
}

QString ZoneFile() {
#ifdef Q_OS_UNIX
    // Setting the zone replaces this link, and no step of the clock comes with it.
    return QStringLiteral("/etc/localtime");
#else
    return {};
#endif
}

} // namespace platform
