#include "platform/instance_lock.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

InstanceLock::InstanceLock(const QString& path) {
    // The folder is the user's alone; a link there is no lock of ours.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (fd < 0) {
        return;
    }
    int locked = -1;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        state_ = errno == EWOULDBLOCK ? State::HeldByAnother : State::Unavailable;
        ::close(fd);
        return;
    }
    state_ = State::Held;
    handle_ = fd;
}

// The file stays: deleting it would let a copy that starts in that moment lock a file of its
// own while a third copy locks a new one.
InstanceLock::~InstanceLock() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

} // namespace platform
