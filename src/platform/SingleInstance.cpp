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

// "show <device> <inode> [<what the asker wrote into it>]": the lock file as the asker sees
// it. Two paths to one folder (a bind mount, a FUSE view) lead to one file, and an address
// read from a copied lock file may lead to a copy running on another.
const QByteArray ShowRequest = QByteArrayLiteral("show");
const QByteArray ShownReply = QByteArrayLiteral("ok\n");
const QByteArray ElsewhereReply = QByteArrayLiteral("elsewhere\n");
constexpr qsizetype RequestLimit = 256;

QByteArray requestFor(const struct stat& lockFile, const QByteArray& written) {
    QByteArray request = ShowRequest + ' ' + QByteArray::number(qulonglong(lockFile.st_dev)) + ' ' +
                         QByteArray::number(qulonglong(lockFile.st_ino));
    if (!written.isEmpty()) request += ' ' + written;
    return request + '\n';
}

QByteArray firstLine(int fd) {
    char buffer[RequestLimit];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    return n > 0 ? QByteArray(buffer, n).split('\n').constFirst() : QByteArray();
}

// Whether a request names the lock file this process holds: the same device and inode, or,
// seen by another path that shows other numbers, the same file by what the asker wrote into it.
bool namesLockFile(const QByteArray& request, int lockFd) {
    const QList<QByteArray> words = request.trimmed().split(' ');
    struct stat held {};
    if (words.size() < 3 || words[0] != ShowRequest || ::fstat(lockFd, &held) != 0) return false;
    if (words[1] == QByteArray::number(qulonglong(held.st_dev)) &&
        words[2] == QByteArray::number(qulonglong(held.st_ino)))
        return true;
    return words.size() >= 4 && !words[3].isEmpty() && firstLine(lockFd) == words[3];
}

// What stands where the lock file belongs, when it is no file.
QString kindOf(const struct stat& st) {
    if (S_ISFIFO(st.st_mode)) return QStringLiteral("a FIFO");
    if (S_ISSOCK(st.st_mode)) return QStringLiteral("a socket");
    if (S_ISDIR(st.st_mode)) return QStringLiteral("a folder");
    if (S_ISCHR(st.st_mode)) return QStringLiteral("a character device");
    if (S_ISBLK(st.st_mode)) return QStringLiteral("a block device");
    return QStringLiteral("not a regular file");
}

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

enum class Reply { Shown, Elsewhere, Silent };

// Asks the copy at `address` once. Silent: nobody there, or no answer before the deadline.
Reply ask(const QByteArray& address, const QByteArray& request, const QDeadlineTimer& deadline,
          bool* reached = nullptr) {
    sockaddr_un sa{};
    socklen_t length = 0;
    const int fd = toSockaddr(address, sa, length) ? unixSocket() : -1;
    if (fd < 0) return Reply::Silent;
    // A holder that accepts no more (its queue full, the process stopped) would keep a
    // blocking connect waiting for ever.
    ::fcntl(fd, F_SETFL, O_NONBLOCK);
    Reply result = Reply::Silent;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), length) == 0 && sameUser(fd)) {
        if (reached) *reached = true;
        if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) ==
            request.size()) {
            QByteArray reply;
            pollfd p{fd, POLLIN, 0};
            while (!reply.contains('\n') && reply.size() < RequestLimit &&
                   ::poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime()))) > 0) {
                char buffer[16];
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                reply.append(buffer, n);
            }
            if (reply == ShownReply) result = Reply::Shown;
            if (reply == ElsewhereReply) result = Reply::Elsewhere;
        }
    }
    ::close(fd);
    return result;
}

// One later start's request: answered at once, or dropped after a second.
class Caller : public QObject {
  public:
    Caller(int fd, int lockFd, const std::function<void()>& onShow, QObject* parent)
        : QObject(parent), m_fd(fd), m_lockFd(lockFd), m_onShow(onShow),
          m_notifier(fd, QSocketNotifier::Read) {
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
        if (n > 0 && !m_request.contains('\n') && m_request.size() < RequestLimit) return;
        const bool show = m_request.endsWith('\n') && namesLockFile(m_request, m_lockFd);
        const QByteArray& reply = show ? ShownReply : ElsewhereReply;
        ::send(m_fd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL);
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
    int m_lockFd;
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

    void write(const QByteArray& contents) const {
        if (::ftruncate(lockFd, 0) == 0) {
            [[maybe_unused]] const ssize_t n =
                ::pwrite(lockFd, contents.constData(), size_t(contents.size()), 0);
        }
    }

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
        // Never opened blocking, nor opened at all when plainly no file: a FIFO would wait for
        // a writer for ever, a device may act on being opened.
        struct stat found {};
        if (::lstat(d->path.constData(), &found) == 0 && !S_ISREG(found.st_mode) &&
            !S_ISLNK(found.st_mode)) {
            d->error = kindOf(found);
            return State::Blocked;
        }
        const int fd = ::open(d->path.constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (fd < 0) {
            d->error = QString::fromLocal8Bit(std::strerror(errno));
            return State::Unavailable;
        }
        if (::fstat(fd, &found) == 0 && !S_ISREG(found.st_mode)) {
            ::close(fd);
            d->error = kindOf(found);
            return State::Blocked;
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
            char buffer[RequestLimit];
            const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
            const QByteArray before(buffer, qMax<ssize_t>(n, 0));
            const QByteArray address = d->listen();
            // The contents are only a signpost: a copy that cannot write them still holds the lock.
            d->write(address + '\n');
            // Locks taken by another path may not reach this one (a FUSE view, a share whose locks
            // stay on each machine): the copy whose address was left may run on this very file.
            const QByteArray previous = before.split('\n').constFirst();
            if (!previous.isEmpty() && previous != address &&
                ask(previous, requestFor(locked, address), QDeadlineTimer(1000)) == Reply::Shown) {
                d->write(before);
                ::close(d->listenFd);
                d->listenFd = -1;
                ::close(fd);
                d->lockFd = -1;
                return State::Answered;
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
    const int lockFd = d->lockFd;
    QObject::connect(d->notifier.data(), &QSocketNotifier::activated, d->notifier.data(),
                     [listenFd, lockFd, onShow = std::move(onShow)] {
                         const int fd = ::accept(listenFd, nullptr, nullptr);
                         if (fd < 0) return;
                         ::fcntl(fd, F_SETFD, FD_CLOEXEC);
                         ::fcntl(fd, F_SETFL, O_NONBLOCK);
                         if (!sameUser(fd)) {
                             ::close(fd);
                             return;
                         }
                         new Caller(fd, lockFd, onShow, qApp);
                     });
}

void InstanceLock::stopAnswering() {
    delete d->notifier.data();
    if (d->listenFd >= 0) ::close(d->listenFd);
    d->listenFd = -1;
}

bool InstanceLock::askHolder(const QString& path, int timeoutMs) {
    const QByteArray file = path.toLocal8Bit();
    const QDeadlineTimer deadline(timeoutMs);
    // The holder writes its address just after it locks: until then the file may be empty.
    for (;;) {
        const int fileFd = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        // Removed: its holder has ended, and the lock is for the taking.
        if (fileFd < 0 && errno == ENOENT) return false;
        struct stat st {};
        QByteArray address, request;
        if (fileFd >= 0 && ::fstat(fileFd, &st) == 0 && S_ISREG(st.st_mode)) {
            address = firstLine(fileFd);
            request = requestFor(st, {});
        }
        if (fileFd >= 0) ::close(fileFd);
        bool reached = false;
        const Reply reply = ask(address, request, deadline, &reached);
        if (reply == Reply::Shown) return true;
        if (reached || deadline.hasExpired()) return false;
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
void InstanceLock::stopAnswering() {}

bool InstanceLock::askHolder(const QString&, int) {
    return false;
}

#endif

QString InstanceLock::error() const {
    return d->error;
}

} // namespace platform
