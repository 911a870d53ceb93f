#include "main/SingleCopy.h"

#include "store/Module1.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray ShowRequest = QByteArrayLiteral("show\n");
}

QString SingleCopy::lockPath() {
    return QDir::current().absoluteFilePath(DataFileName + QStringLiteral(".lock"));
}

QString SingleCopy::serverName() {
    // One name per user and folder. The runtime folder is the user's own; elsewhere the name
    // carries the user's home as well.
    const QByteArray folder = QDir::current().canonicalPath().toUtf8();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray key = runtime.isEmpty() ? QDir::homePath().toUtf8() + '\0' + folder : folder;
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    const QString name = QStringLiteral("kelvon-") + hash;
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

SingleCopy::Claim SingleCopy::claim() {
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Stale only when its process is gone (same host): a killed copy's lock is taken at once,
    // a live copy's never, however long it has run.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return Claim::First;
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_notice = QStringLiteral("kelvon: cannot make the lock %1 (%2); a second Kelvon started "
                                  "in this folder would not be noticed")
                       .arg(QDir::toNativeSeparators(lockPath()),
                            m_lock->error() == QLockFile::PermissionError
                                ? QStringLiteral("permission denied")
                                : QStringLiteral("unknown error"));
        m_lock.reset();
        return Claim::Unguarded;
    }
    m_lock.reset();
    return Claim::Running;
}

bool SingleCopy::handOver() {
    // The running copy may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(800);
    bool sent = false;
    while (!sent && !deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (socket.waitForConnected(200)) {
            socket.write(ShowRequest);
            sent = socket.waitForBytesWritten(300);
            socket.disconnectFromServer();
        } else {
            QThread::msleep(20);
        }
    }
    m_notice = sent ? QStringLiteral("kelvon: already running in %1; showing its clock window")
                    : QStringLiteral("kelvon: already running in %1, but it did not answer");
    m_notice = m_notice.arg(QDir::toNativeSeparators(QDir::currentPath()));
    return sent;
}

void SingleCopy::listen(std::function<void()> onShow) {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, any socket left under this name is a dead copy's.
    QLocalServer::removeServer(serverName());
    if (!m_server->listen(serverName())) return;
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                     [server = m_server.get(), onShow = std::move(onShow)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             auto read = [socket, onShow] {
                                 if (socket->readAll().contains(ShowRequest)) onShow();
                             };
                             QObject::connect(socket, &QLocalSocket::readyRead, socket, read);
                             if (socket->bytesAvailable() > 0) read();
                         }
                     });
}
