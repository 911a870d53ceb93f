#pragma once
// One running copy per folder: a lock that the kernel holds for the process and drops when it
// ends, however it ends; and the hand-over of a later start to the copy that holds it.

#include <QString>
#include <functional>
#include <memory>

namespace platform {

class InstanceLock {
  public:
    enum class State {
        Held,          // this process holds the lock
        HeldElsewhere, // a live process holds it
        Unavailable,   // no lock can be made here; error() says why
        Blocked,       // something that is not a file is in the way; error() says what
        Answered,      // taken by another path to the same file, whose copy runs and shows itself
    };

    explicit InstanceLock(const QString& path);
    // Removes the lock file while still holding it, so no later start can lock the removed one.
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock unless a live process holds it, whatever the file contains, and writes
    // where this process can be reached into it. Needs no application object.
    State take();
    QString error() const;

    // While held, answers later starts from the event loop: each request to show runs onShow.
    void answer(std::function<void()> onShow);
    // From now on later starts find no one answering, and take the lock once it is dropped.
    void stopAnswering();

    // Asks the process holding the lock at `path` to show itself; true once it acknowledged,
    // false when it did not within `timeoutMs` or dropped the lock meanwhile.
    static bool askHolder(const QString& path, int timeoutMs);

  private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
