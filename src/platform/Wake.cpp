#include "platform/Wake.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>
#include <vector>
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

    void arm(const QDateTime& at) override { set(at.isValid() ? at.toMSecsSinceEpoch() : Never); }
    void disarm() override {
        const itimerspec none{};
        timerfd_settime(m_fd, 0, &none, nullptr);
    }

  private:
    // A moment that never comes: steps are reported only while the timer is armed.
    static constexpr qint64 Never = 4102444800000; // 2100-01-01

    void set(qint64 msecs) {
        itimerspec at{};
        at.it_value.tv_sec = time_t(msecs / 1000);
        at.it_value.tv_nsec = long(msecs % 1000) * 1000000;
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr);
    }

    void expired() {
        quint64 count = 0;
        if (::read(m_fd, &count, sizeof count) < 0 && errno == EAGAIN) return;
        // Expired or cancelled by a step, it waits for the next step until armed again.
        set(Never);
        if (onWake) onWake();
    }

    int m_fd;
    QSocketNotifier m_notifier;
};
#endif

// Saves replace a file by a rename, which only a watch on its folder sees. What the folder
// reports is looked at a moment later, so that a program that writes in place has finished,
// and only a change of a watched file is passed on.
class SettledWatch : public FileWatch {
  public:
    SettledWatch() {
        m_settle.setSingleShot(true);
        m_settle.setInterval(25);
        QObject::connect(&m_settle, &QTimer::timeout, [this] { look(); });
    }

    void watch(const QStringList& paths) override {
        if (paths == m_paths) return;
        m_paths = paths;
        m_seen.clear();
        for (const QString& path : paths)
            m_seen.append(signature(path));
        follow();
    }

  protected:
    // Watches the folders of m_paths instead of those watched before.
    virtual void follow() = 0;
    void changed() {
        if (!m_settle.isActive()) m_settle.start();
    }
    QStringList m_paths;

  private:
    // What tells one version of a file from another without reading it.
    static QString signature(const QString& path) {
        const QFileInfo info(path);
        if (path.isEmpty() || !info.exists()) return {};
        return QStringLiteral("%1 %2 %3 %4")
            .arg(info.size())
            .arg(info.lastModified().toMSecsSinceEpoch())
            .arg(info.metadataChangeTime().toMSecsSinceEpoch())
            .arg(info.symLinkTarget());
    }

    void look() {
        follow();
        bool any = false;
        for (qsizetype i = 0; i < m_paths.size(); ++i) {
            QString now = signature(m_paths[i]);
            if (now == m_seen[i]) continue;
            m_seen[i] = std::move(now);
            any = true;
        }
        if (any && onChange) onChange();
    }

    QTimer m_settle;
    QStringList m_seen;
};

// Qt's watcher sees a rename in the folder, and a write into the file only on a watch of the
// file itself, which a rename ends.
class QtFolderWatch : public SettledWatch {
  public:
    QtFolderWatch() {
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, [this] { changed(); });
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, [this] { changed(); });
    }

  private:
    void follow() override {
        QStringList wanted;
        for (const QString& path : std::as_const(m_paths)) {
            const QFileInfo info(path);
            if (path.isEmpty() || !info.dir().exists()) continue;
            wanted << info.absolutePath();
            if (info.exists()) wanted << info.absoluteFilePath();
        }
        QStringList gone = m_watcher.files() + m_watcher.directories();
        for (const QString& path : std::as_const(wanted))
            gone.removeAll(path);
        if (!gone.isEmpty()) m_watcher.removePaths(gone);
        for (const QString& path : std::as_const(wanted))
            if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path))
                m_watcher.addPath(path);
    }

    QFileSystemWatcher m_watcher;
};

#ifdef Q_OS_LINUX
// The kernel's notification on the folders, read here: it names the file of each event, so
// the other files of a busy folder wake nothing, and it costs no more code than the notifier.
class InotifyWatch : public SettledWatch {
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
    void follow() override {
        if (m_followed == m_paths) return;
        for (const auto& [wd, name] : std::as_const(m_names))
            inotify_rm_watch(m_fd, wd);
        m_names.clear();
        m_followed = m_paths;
        for (const QString& path : std::as_const(m_paths)) {
            if (path.isEmpty()) continue;
            const QFileInfo info(path);
            const int wd =
                inotify_add_watch(m_fd, QFile::encodeName(info.absolutePath()).constData(),
                                  IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                      IN_CLOSE_WRITE | IN_ATTRIB);
            if (wd >= 0) m_names.emplace_back(wd, QFile::encodeName(info.fileName()));
        }
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
                for (const auto& [wd, file] : std::as_const(m_names))
                    if (wd == event.wd && event.len > 0 && file == name) changed();
                at += ssize_t(sizeof event + event.len);
            }
        }
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QStringList m_followed;
    std::vector<std::pair<int, QByteArray>> m_names; // a folder's watch and the file's name
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
