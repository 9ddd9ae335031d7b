#pragma once

#include <QString>

namespace platform {

// The single-instance claim: a lock file that is never deleted, held with the system's own
// lock for as long as this object lives. Whoever holds that lock is the running copy; a copy
// that dies loses it with its process, so there is never a stale lock to take over, and no
// moment in which a starting copy's file could be taken from it.
class InstanceLock {
public:
    enum class State {
        Held,          // this copy holds the claim
        HeldByAnother, // another live copy holds it
        Unavailable,   // the file cannot be made or locked: nothing is known of other copies
    };

    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }

private:
    State state_ = State::Unavailable;
    qintptr handle_ = -1; // the system's handle of the open lock file while it is held
};

} // namespace platform
