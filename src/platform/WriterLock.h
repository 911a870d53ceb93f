#pragma once
// The short lock that every writer of the data file of this project takes around its re-read,
// merge and replace, so that no save lands between another writer's reading and its writing.
// Not the one-copy lock, which a running Kelvon holds for its whole life.

#include <QString>

namespace platform {

class WriterLock {
  public:
    // Locks the file beside the data file's real path (a link is followed) named
    // WriterLockName(), waiting at most `timeoutMs` for another writer to finish.
    explicit WriterLock(const QString& dataFile, int timeoutMs = 2000);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // False where no lock could be had (a folder that cannot hold one, a writer that kept it
    // past the wait): the caller writes all the same, as a writer with no lock at all would.
    bool held() const { return m_fd >= 0; }
    QString error() const { return m_error; }
    // Where the lock of the data file at `dataFile` lives.
    static QString pathFor(const QString& dataFile);

  private:
    int m_fd = -1;
    QString m_error;
};

} // namespace platform
