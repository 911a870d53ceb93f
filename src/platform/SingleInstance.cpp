#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <QByteArray>
#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

#ifndef MSG_NOSIGNAL
#define MSG_NOSIGNAL 0
#endif

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
const QByteArray ShownReply = QByteArrayLiteral("ok\n");

int unixSocket() {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    return fd;
}

// The peer runs as this user: another user's process can neither ask nor pose as the holder.
bool sameUser(int fd) {
#ifdef Q_OS_LINUX
    struct ucred cred {};
    socklen_t length = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0 && cred.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#endif
}

// An address as the lock file holds it: "@name" in the abstract namespace, or a path.
bool toSockaddr(const QByteArray& address, sockaddr_un& sa, socklen_t& length) {
    sa = sockaddr_un{};
    sa.sun_family = AF_UNIX;
    if (address.isEmpty() || address.size() >= qsizetype(sizeof sa.sun_path)) return false;
#ifdef Q_OS_LINUX
    if (address.startsWith('@')) {
        std::memcpy(sa.sun_path + 1, address.constData() + 1, size_t(address.size() - 1));
        length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(address.size()));
        return true;
    }
#endif
    if (!address.startsWith('/')) return false;
    std::memcpy(sa.sun_path, address.constData(), size_t(address.size()));
    length = socklen_t(sizeof sa);
    return true;
}

// One later start's request: answered at once, or dropped after a second.
class Caller : public QObject {
  public:
    Caller(int fd, const std::function<void()>& onShow, QObject* parent)
        : QObject(parent), m_fd(fd), m_onShow(onShow), m_notifier(fd, QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(1000, this, [this] { finish(); });
    }
    ~Caller() override {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Caller)

  private:
    void read() {
        char buffer[16];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (n > 0) m_request.append(buffer, n);
        if (n > 0 && !m_request.contains('\n') && m_request.size() < ShowRequest.size()) return;
        const bool show = m_request == ShowRequest;
        if (show) ::send(m_fd, ShownReply.constData(), size_t(ShownReply.size()), MSG_NOSIGNAL);
        // Done before showing, which may run a nested event loop that would read here again.
        finish();
        if (show) {
            const std::function<void()> onShow = m_onShow;
            onShow();
        }
    }
    void finish() {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    std::function<void()> m_onShow;
    QSocketNotifier m_notifier;
    QByteArray m_request;
};

} // namespace

struct InstanceLock::Private {
    QByteArray path;
    int lockFd = -1;
    int listenFd = -1;
    QByteArray socketFolder; // where the socket lives, without an abstract namespace
    QString error;
    QPointer<QSocketNotifier> notifier;

    // A socket of its own for later starts to reach, listening from now on: a start that comes
    // before the event loop runs waits in the queue.
    QByteArray listen() {
        listenFd = unixSocket();
        if (listenFd < 0) return {};
        ::fcntl(listenFd, F_SETFL, O_NONBLOCK);
        sockaddr_un sa{};
        sa.sun_family = AF_UNIX;
#ifdef Q_OS_LINUX
        // An abstract name the kernel picks: reachable whatever the runtime folder, nothing to
        // clean up after a crash, and no name another user could take first.
        socklen_t length = sizeof sa;
        if (::bind(listenFd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa_family_t)) == 0 &&
            ::listen(listenFd, 16) == 0 &&
            ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&sa), &length) == 0 &&
            length > offsetof(sockaddr_un, sun_path) + 1)
            return '@' + QByteArray(sa.sun_path + 1,
                                    qsizetype(length - offsetof(sockaddr_un, sun_path) - 1));
#else
        QByteArray folder = QByteArrayLiteral("/tmp/kelvon-XXXXXX"); // mkdtemp makes it 0700
        if (::mkdtemp(folder.data())) {
            socketFolder = folder;
            const QByteArray socketPath = folder + "/socket";
            std::memcpy(sa.sun_path, socketPath.constData(), size_t(socketPath.size()));
            if (::bind(listenFd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0 &&
                ::listen(listenFd, 16) == 0)
                return socketPath;
        }
#endif
        ::close(listenFd);
        listenFd = -1;
        return {};
    }
};

InstanceLock::InstanceLock(const QString& path) : d(std::make_unique<Private>()) {
    d->path = path.toLocal8Bit();
}

InstanceLock::~InstanceLock() {
    delete d->notifier.data();
    if (d->listenFd >= 0) ::close(d->listenFd);
    if (!d->socketFolder.isEmpty()) {
        ::unlink((d->socketFolder + "/socket").constData());
        ::rmdir(d->socketFolder.constData());
    }
    if (d->lockFd >= 0) {
        ::unlink(d->path.constData());
        ::close(d->lockFd);
    }
}

InstanceLock::State InstanceLock::take() {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(d->path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            d->error = QString::fromLocal8Bit(std::strerror(errno));
            return State::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            ::close(fd);
            if (e == EWOULDBLOCK) return State::HeldElsewhere;
            d->error = QString::fromLocal8Bit(std::strerror(e));
            return State::Unavailable;
        }
        // Locked: but the copy that held it may have removed the file meanwhile, as it does when
        // it ends, and a later start may have made a new one. Only the file at the path counts.
        struct stat locked {
        }, current{};
        if (::fstat(fd, &locked) == 0 && ::stat(d->path.constData(), &current) == 0 &&
            locked.st_dev == current.st_dev && locked.st_ino == current.st_ino) {
            d->lockFd = fd;
            const QByteArray address = d->listen() + '\n';
            // The contents are only a signpost: a copy that cannot write them still holds the lock.
            if (::ftruncate(fd, 0) == 0) {
                [[maybe_unused]] const ssize_t n =
                    ::pwrite(fd, address.constData(), size_t(address.size()), 0);
            }
            return State::Held;
        }
        ::close(fd);
    }
    d->error = QStringLiteral("it is removed and made again all the time");
    return State::Unavailable;
}

void InstanceLock::answer(std::function<void()> onShow) {
    if (d->listenFd < 0 || d->notifier) return;
    d->notifier = new QSocketNotifier(d->listenFd, QSocketNotifier::Read, qApp);
    const int listenFd = d->listenFd;
    QObject::connect(d->notifier.data(), &QSocketNotifier::activated, d->notifier.data(),
                     [listenFd, onShow = std::move(onShow)] {
                         const int fd = ::accept(listenFd, nullptr, nullptr);
                         if (fd < 0) return;
                         ::fcntl(fd, F_SETFD, FD_CLOEXEC);
                         ::fcntl(fd, F_SETFL, O_NONBLOCK);
                         if (!sameUser(fd)) {
                             ::close(fd);
                             return;
                         }
                         new Caller(fd, onShow, qApp);
                     });
}

bool InstanceLock::askHolder(const QString& path, int timeoutMs) {
    const QByteArray file = path.toLocal8Bit();
    const QDeadlineTimer deadline(timeoutMs);
    // The holder writes its address just after it locks: until then the file may be empty.
    for (;;) {
        QByteArray address;
        const int fileFd = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fileFd >= 0) {
            char buffer[256];
            const ssize_t n = ::read(fileFd, buffer, sizeof buffer);
            ::close(fileFd);
            if (n > 0) address = QByteArray(buffer, n).split('\n').constFirst();
        }
        sockaddr_un sa{};
        socklen_t length = 0;
        const int fd = toSockaddr(address, sa, length) ? unixSocket() : -1;
        if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&sa), length) == 0 &&
            sameUser(fd)) {
            bool shown = false;
            if (::send(fd, ShowRequest.constData(), size_t(ShowRequest.size()), MSG_NOSIGNAL) ==
                ShowRequest.size()) {
                QByteArray reply;
                pollfd p{fd, POLLIN, 0};
                while (reply.size() < ShownReply.size() &&
                       ::poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime()))) > 0) {
                    char buffer[8];
                    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                    if (n <= 0) break;
                    reply.append(buffer, n);
                }
                shown = reply == ShownReply;
            }
            ::close(fd);
            return shown;
        }
        if (fd >= 0) ::close(fd);
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
}

#else // no kernel lock to rely on: a lock file that a killed copy leaves is taken over

struct InstanceLock::Private {
    std::unique_ptr<QLockFile> lock;
    QString error;
};

InstanceLock::InstanceLock(const QString& path) : d(std::make_unique<Private>()) {
    d->lock = std::make_unique<QLockFile>(path);
    d->lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

InstanceLock::State InstanceLock::take() {
    if (d->lock->tryLock(0)) return State::Held;
    if (d->lock->error() == QLockFile::LockFailedError) return State::HeldElsewhere;
    d->error = d->lock->error() == QLockFile::PermissionError ? QStringLiteral("permission denied")
                                                              : QStringLiteral("unknown error");
    return State::Unavailable;
}

void InstanceLock::answer(std::function<void()>) {}

bool InstanceLock::askHolder(const QString&, int) {
    return false;
}

#endif

QString InstanceLock::error() const {
    return d->error;
}

} // namespace platform
