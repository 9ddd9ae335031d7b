#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace platform {

// Where a file handed over by a later copy is delivered, on the user-interface thread.
using FileReceiver = std::function<void(const QString& path)>;

// A handed-over path is one line of UTF-8: at most this long, or it is dropped. Far beyond any
// path either system can open.
inline constexpr qsizetype kMaxHandedOverPathBytes = 64 * 1024;

// The running copy's end of the handover: a local socket (a named pipe on Windows) that only
// the same user may connect to. Whatever arrives is untrusted: an absolute path, bounded in
// length, or nothing at all.
class FileHandoverServer : public QObject {
    Q_OBJECT

public:
    explicit FileHandoverServer(FileReceiver receiver);

    // Only the copy holding the single-instance claim listens, so a socket left by a copy that
    // died is its own to replace.
    bool listen(const QString& name);

private:
    void accept();

    QLocalServer server_;
    FileReceiver receiver_;
};

// The later copy's end: gives the running copy one absolute path and waits until it has taken
// it. False when no copy listens or it does not answer in time.
bool handOverFile(const QString& serverName, const QString& absolutePath);

} // namespace platform
