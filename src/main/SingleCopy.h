#pragma once
// One running copy per data folder: the first holds a lock beside the data file and listens;
// a later start in the same folder asks it to show its clock window and ends.

#include "platform/SingleInstance.h"

#include <QString>
#include <functional>
#include <memory>

class SingleCopy {
  public:
    enum class Claim {
        First,     // this copy runs
        Running,   // another copy runs in this folder
        Unguarded, // no lock can be made here: run without the guard
        Blocked,   // something that is no file stands where the lock belongs: do not run
    };

    // Takes the folder's lock; needs no application object.
    Claim claim();
    // Asks the running copy to show its clock window, for up to a second; needs no application
    // object.
    bool handOver();
    // Starts answering later starts; after claim() returned First, with an application object.
    void listen(std::function<void()> onShow);
    // Ending: later starts no longer hand over to this copy, and take the lock once it is free.
    void stopListening();
    // What claim() or handOver() had to say, for standard error.
    QString notice() const { return m_notice; }

    static QString lockPath();

  private:
    std::unique_ptr<platform::InstanceLock> m_lock;
    QString m_notice;
    bool m_shown = false; // the running copy, reached by another path, has answered already
};
