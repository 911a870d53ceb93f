#include "platform/WriterLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

QString WriterLock::pathFor(const QString& dataFile) {
    // Two names of one file (a link, a second path to the folder) share one lock.
    const QFileInfo info(dataFile);
    QString real = info.canonicalFilePath();
    if (real.isEmpty()) {
        // Not there yet, or a link to a file not yet written: lock where it will be.
        real = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
        const QString folder = QFileInfo(QFileInfo(real).absolutePath()).canonicalFilePath();
        if (!folder.isEmpty()) real = folder + QLatin1Char('/') + QFileInfo(real).fileName();
    }
    return real + QStringLiteral(".writers");
}

#ifdef Q_OS_UNIX
WriterLock::WriterLock(const QString& dataFile, int timeoutMs) {
    const QByteArray path = QFile::encodeName(pathFor(dataFile));
    // Never blocking in open: a FIFO put in its place must not hang a save.
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_error = QCoreApplication::translate("WriterLock", "%1 is not a regular file")
                      .arg(QFile::decodeName(path));
        return;
    }
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (deadline.hasExpired()) {
            errno = EWOULDBLOCK;
            break;
        }
        QThread::msleep(5);
    }
    m_error = errno == EWOULDBLOCK
                  ? QCoreApplication::translate("WriterLock", "another writer kept it")
                  : QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
}

WriterLock::~WriterLock() {
    if (m_fd >= 0) ::close(m_fd); // closing drops the lock
}
#else
// Elsewhere no lock is taken: the save's re-read still keeps what another program wrote.
WriterLock::WriterLock(const QString&, int) {
    m_error = QCoreApplication::translate("WriterLock", "not supported here");
}
WriterLock::~WriterLock() = default;
#endif

} // namespace platform
