#include "platform/instance_lock.h"

#include <QDir>

#include <windows.h>

namespace platform {

InstanceLock::InstanceLock(const QString& path) {
    // Opened with no sharing at all: while this handle is open, every other open of the file
    // fails with a sharing violation, whoever tries.
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
        GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        state_ =
            GetLastError() == ERROR_SHARING_VIOLATION ? State::HeldByAnother : State::Unavailable;
        return;
    }
    state_ = State::Held;
    handle_ = reinterpret_cast<qintptr>(file);
}

// The file stays, as on every system: only the open handle is the claim.
InstanceLock::~InstanceLock() {
    if (state_ == State::Held) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

} // namespace platform
