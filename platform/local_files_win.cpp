#include "platform/local_files.h"

#include <QDir>

#include <windows.h>

namespace platform {

QString runtimeFolder() {
    // Qt's runtime location on Windows is the profile folder itself, which is no place for
    // it; the user's own temporary folder, which others may not enter, is.
    static const QString folder = QDir::tempPath();
    return folder;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    // What the name turns out to be is asked of the open handle: a pipe or a device (CON, COM1
    // and their like answer to any folder and extension) is refused before anything is read.
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    if (GetFileType(file) == FILE_TYPE_DISK) {
        bytes.emplace();
        char chunk[4096];
        DWORD got = 0;
        while (bytes->size() < maxBytes) {
            const auto wanted =
                static_cast<DWORD>(std::min<qint64>(sizeof chunk, maxBytes - bytes->size()));
            if (!ReadFile(file, chunk, wanted, &got, nullptr)) {
                bytes.reset();
                break;
            }
            if (got == 0) {
                break;
            }
            bytes->append(chunk, static_cast<qsizetype>(got));
        }
    }
    CloseHandle(file);
    return bytes;
}

} // namespace platform
