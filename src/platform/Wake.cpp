#include "platform/Wake.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <cerrno>
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

// Saves replace a file by a rename, which only a watch on its folder sees; a watch on the file
// itself sees a program that writes into it.
class FolderWatch : public FileWatch {
  public:
    FolderWatch() {
        m_settle.setSingleShot(true);
        // A program that writes in place is given a moment to finish, so that the file is not
        // read half written.
        m_settle.setInterval(25);
        QObject::connect(&m_settle, &QTimer::timeout, [this] { look(); });
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, [this] { changed(); });
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, [this] { changed(); });
    }

    void watch(const QStringList& paths) override {
        if (paths == m_paths) return;
        if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
        if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
        m_paths = paths;
        m_seen.clear();
        for (const QString& path : paths) {
            const QFileInfo info(path);
            if (!path.isEmpty() && info.dir().exists()) m_watcher.addPath(info.absolutePath());
            m_seen.append(signature(path));
        }
        watchFiles();
    }

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

    void watchFiles() {
        const QStringList watched = m_watcher.files();
        for (const QString& path : std::as_const(m_paths))
            if (!path.isEmpty() && !watched.contains(path) && QFileInfo::exists(path))
                m_watcher.addPath(path);
    }

    void changed() {
        if (!m_settle.isActive()) m_settle.start();
    }

    // Other files of the folders change too: only a change of a watched one is reported.
    void look() {
        watchFiles();
        bool any = false;
        for (qsizetype i = 0; i < m_paths.size(); ++i) {
            QString now = signature(m_paths[i]);
            if (now == m_seen[i]) continue;
            m_seen[i] = std::move(now);
            any = true;
        }
        if (any && onChange) onChange();
    }

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QStringList m_paths;
    QStringList m_seen;
};

struct WakeServices {
    std::unique_ptr<WallAlarm> alarm;
    std::unique_ptr<FileWatch> watch;
};

WakeServices& services() {
    static WakeServices s;
    return s;
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
    if (!watch) watch = std::make_unique<FolderWatch>();
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
