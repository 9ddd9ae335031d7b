#include "platform/handle_win.h"
#include "platform/local_files.h"

#include <QDir>

#include <string>

#include <windows.h>

namespace platform {

QString runtimeFolder() {
    // Qt's runtime location on Windows is the profile folder itself, which is no place for
    // it; the user's own temporary folder, which others may not enter, is.
    static const QString folder = QDir::tempPath();
    return folder;
}

namespace {

// Names that Windows gives to devices in every folder and with any extension: CON.fsc is the
// console, COM3.fsc a serial port. Checked by hand: this runs on reading threads, and with Qt
// 6.4.2 for Windows a QRegularExpression first matched on such a thread (a std::thread, which
// Qt adopts) crashed the program under Wine.
bool isDeviceName(const QString& fileName) {
    const QString base = fileName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (base == QLatin1String(device)) {
            return true;
        }
    }
    const bool numbered = base.size() == 4 && (base.startsWith(QLatin1String("COM")) ||
                                               base.startsWith(QLatin1String("LPT")));
    const QChar digit = numbered ? base.back() : QChar();
    return numbered && (digit.isDigit() || digit == QChar(0xB9) || digit == QChar(0xB2) ||
                        digit == QChar(0xB3));
}

// Whether a full path names a file on a drive of this machine, written as C:\... or \\?\C:\...
bool isDrivePath(const QString& full) {
    const QString path = full.startsWith(QLatin1String("\\\\?\\")) ? full.mid(4) : full;
    return path.size() >= 3 && path[0].isLetter() && path[0].unicode() < 128 &&
           path[1] == QLatin1Char(':') && path[2] == QLatin1Char('\\');
}

// The path as Windows will open it, when that is a file on a drive of this machine: not a
// share on another machine (\\host\share, which would send the user's credentials there), not
// the device space (\\.\pipe\..., \\.\COM3) and no device name.
std::optional<std::wstring> localDrivePath(const QString& path) {
    const std::wstring given = QDir::toNativeSeparators(path).toStdWString();
    const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return std::nullopt;
    }
    full.resize(length);
    const QString resolved = QString::fromStdWString(full);
    if (!isDrivePath(resolved) || isDeviceName(resolved.section(QLatin1Char('\\'), -1))) {
        return std::nullopt;
    }
    return full;
}

// The path's regular file, open for reading, or nothing. What it is, is asked of a handle that
// may only read attributes; a server that the name reaches may identify the user, never act in
// the user's name.
HANDLE openRegularFile(const QString& path) {
    const std::optional<std::wstring> full = localDrivePath(path);
    if (!full) {
        return INVALID_HANDLE_VALUE;
    }
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kIdentifyOnly = SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION;
    const Handle asked(CreateFileW(full->c_str(), FILE_READ_ATTRIBUTES, kShare, nullptr,
                                   OPEN_EXISTING, kIdentifyOnly, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!asked.valid() || GetFileType(asked.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(asked.get(), &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return INVALID_HANDLE_VALUE;
    }
    // The same file, now known to be one on a disk, which no server answers for.
    return ReOpenFile(asked.get(), GENERIC_READ, kShare, 0);
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    const Handle file(openRegularFile(path));
    if (!file.valid()) {
        return std::nullopt;
    }
    QByteArray bytes;
    char chunk[4096];
    DWORD got = 0;
    while (bytes.size() < maxBytes) {
        const auto wanted =
            static_cast<DWORD>(std::min<qint64>(sizeof chunk, maxBytes - bytes.size()));
        if (!ReadFile(file.get(), chunk, wanted, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
    return bytes;
}

} // namespace platform
