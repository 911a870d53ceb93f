#include "main/SingleCopy.h"

#include "store/Module1.h"

#include <QDir>

QString SingleCopy::lockPath() {
    return QDir::current().absoluteFilePath(DataFileName + QStringLiteral(".lock"));
}

SingleCopy::Claim SingleCopy::claim() {
    m_lock = std::make_unique<platform::InstanceLock>(lockPath());
    switch (m_lock->take()) {
    case platform::InstanceLock::State::Held:
        return Claim::First;
    case platform::InstanceLock::State::HeldElsewhere:
        m_lock.reset();
        return Claim::Running;
    case platform::InstanceLock::State::Answered:
        m_shown = true;
        m_lock.reset();
        return Claim::Running;
    case platform::InstanceLock::State::Blocked:
        m_notice = QStringLiteral("kelvon: %1 is %2, not a file; Kelvon keeps its lock there, so "
                                  "it cannot tell whether another copy runs in %3: remove it and "
                                  "start again")
                       .arg(QDir::toNativeSeparators(lockPath()), m_lock->error(),
                            QDir::toNativeSeparators(QDir::currentPath()));
        m_lock.reset();
        return Claim::Blocked;
    case platform::InstanceLock::State::Unavailable:
        break;
    }
    m_notice = QStringLiteral("kelvon: cannot make the lock %1 (%2); a second Kelvon started in "
                              "this folder would not be noticed")
                   .arg(QDir::toNativeSeparators(lockPath()), m_lock->error());
    m_lock.reset();
    return Claim::Unguarded;
}

bool SingleCopy::handOver() {
    const bool shown = m_shown || platform::InstanceLock::askHolder(lockPath(), 1000);
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    m_notice =
        shown
            ? QStringLiteral("kelvon: already running in %1; showing its clock window").arg(folder)
            : QStringLiteral("kelvon: a copy running in %1 holds the lock %2 but did not "
                             "answer within a second")
                  .arg(folder, QDir::toNativeSeparators(lockPath()));
    return shown;
}

void SingleCopy::listen(std::function<void()> onShow) {
    if (m_lock) m_lock->answer(std::move(onShow));
}

void SingleCopy::stopListening() {
    if (m_lock) m_lock->stopAnswering();
}
