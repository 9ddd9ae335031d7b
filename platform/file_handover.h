#pragma once

#include "platform/desktop.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace platform {

// A handed-over path is UTF-8 of at most this many bytes, or it is refused unread. Far beyond
// any path either system can open.
inline constexpr qsizetype kMaxHandedOverPathBytes = 64 * 1024;

// What a later copy sends: the path's length in bytes, four bytes with the most significant
// first, then the path's UTF-8 bytes. A path may hold any character its system allows, a line
// break among them, and still arrives whole. Empty for a path too long to send.
QByteArray handoverMessage(const QString& absolutePath);

// Reads one handover message as its bytes arrive, in pieces of any size.
class HandoverMessageReader {
public:
    enum class State { Incomplete, Complete, Malformed };

    // Takes bytes as they come; once the message is complete or malformed, more change nothing.
    State add(QByteArrayView bytes);
    State state() const { return state_; }
    // The path's bytes, once the message is complete.
    const QByteArray& path() const { return path_; }

private:
    QByteArray header_;
    QByteArray path_;
    qsizetype expected_ = -1;
    State state_ = State::Incomplete;
};

// The running copy's one-byte answer.
inline constexpr char kHandoverTaken = 'y';
inline constexpr char kHandoverRefused = 'n';

// A copy that connects and then does not finish its message is cut off after this long.
inline constexpr int kHandoverReadTimeoutMs = 5000;
// No more later copies are heard at once; the next waits until one of them is done.
inline constexpr int kMaxOpenHandovers = 8;
// The running copy listens right after it claims the single instance, so a later copy that
// finds the claim taken tries a few times before it gives up.
inline constexpr int kHandoverConnectAttempts = 20;
inline constexpr int kHandoverRetryMs = 125;
inline constexpr int kHandoverAnswerTimeoutMs = 5000;

// The running copy's end of the handover: a local socket in the user's private runtime folder,
// or a named pipe on Windows, that only the same user may connect to. Whatever arrives is
// untrusted; a sender that stalls, lies or hangs up changes nothing.
class FileHandoverServer : public QObject {
    Q_OBJECT

public:
    explicit FileHandoverServer(FileReceiver receiver);
    ~FileHandoverServer() override;

    // Only the copy holding the single-instance claim listens, so a socket left by a copy that
    // died is its own to replace.
    bool listen(const QString& name);

    // Takes the next bytes of a later copy's message: the answer to send once the message is
    // complete or malformed, nothing while more is to come. Only valid UTF-8 naming an absolute
    // path reaches the receiver, which says whether it takes the file.
    std::optional<char> answerTo(HandoverMessageReader& message, QByteArrayView bytes);

private:
    bool take(const QByteArray& utf8Path);

    struct Listening; // the system's own end
    std::unique_ptr<Listening> listening_;
    FileReceiver receiver_;
};

// The later copy's end: gives the running copy one absolute path and waits for its answer. It
// sends nothing to a server that runs as another user.
Handover handOverFile(const QString& serverName, const QString& absolutePath);

} // namespace platform
