#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// Where a file handed over by a later copy is delivered, on the user-interface thread.
using FileReceiver = std::function<void(const QString& path)>;

// A handed-over path is one line of UTF-8: at most this long, or it is dropped. Far beyond any
// path either system can open.
inline constexpr qsizetype kMaxHandedOverPathBytes = 64 * 1024;

// The running copy's end of the handover: a local socket in the user's own runtime folder, or a
// named pipe on Windows, that only the same user may connect to. Whatever arrives is untrusted:
// an absolute path, bounded in length, or nothing at all.
class FileHandoverServer : public QObject {
    Q_OBJECT

public:
    explicit FileHandoverServer(FileReceiver receiver);
    ~FileHandoverServer() override;

    // Only the copy holding the single-instance claim listens, so a socket left by a copy that
    // died is its own to replace.
    bool listen(const QString& name);

    // A complete line from a later copy: true when it holds a path, which is then delivered
    // from the event loop (opening a reading shows windows and may ask a question).
    bool take(const QByteArray& line);

private:
    struct Listening; // the system's own end
    std::unique_ptr<Listening> listening_;
    FileReceiver receiver_;
};

// The later copy's end: gives the running copy one absolute path and waits until it has taken
// it. False when no copy listens or it does not answer in time.
bool handOverFile(const QString& serverName, const QString& absolutePath);

// What both ends say: the path and a line end; the answer once it is taken.
inline constexpr char kHandoverEndOfLine = '\n';
inline constexpr char kHandoverTaken = '\n';
// A copy that connects and then says nothing is cut off after this long.
inline constexpr int kHandoverReadTimeoutMs = 5000;
// The running copy listens right after it claims the single instance, so a later copy that
// finds the claim taken tries a few times before it gives up.
inline constexpr int kHandoverConnectAttempts = 20;
inline constexpr int kHandoverRetryMs = 125;
inline constexpr int kHandoverAnswerTimeoutMs = 5000;

} // namespace platform
