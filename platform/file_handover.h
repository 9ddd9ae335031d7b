#pragma once

#include "platform/desktop.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// A handed-over reading is at most this many bytes, or it is refused unread: far beyond any
// saved reading.
inline constexpr qsizetype kMaxHandedOverBytes = 64 * 1024;

// What a later copy sends: the reading's length in bytes, four bytes with the most significant
// first, then its bytes, whatever they are. Empty for a reading too long to send.
QByteArray handoverMessage(const QByteArray& reading);

// Reads one handover message as its bytes arrive, in pieces of any size.
class HandoverMessageReader {
public:
    enum class State { Incomplete, Complete, Malformed };

    // Takes bytes as they come; once the message is complete or malformed, more change nothing.
    State add(QByteArrayView bytes);
    State state() const { return state_; }
    // The reading's bytes, once the message is complete.
    const QByteArray& reading() const { return reading_; }

private:
    QByteArray header_;
    QByteArray reading_;
    qsizetype expected_ = -1;
    State state_ = State::Incomplete;
};

// The running copy's one-byte answer, and the later copy's one-byte confirmation that it has
// heard "taken". Only a confirmed reading is shown: a later copy that gave up waiting, and told
// its user so, never has its reading shown afterwards.
inline constexpr char kHandoverTaken = 'y';
inline constexpr char kHandoverRefused = 'n';
inline constexpr char kHandoverConfirmed = 'k';

// A later copy that does not finish its part within this long is cut off.
inline constexpr int kHandoverReadTimeoutMs = 5000;
// No more later copies are heard at once; the next waits until one of them is done.
inline constexpr int kMaxOpenHandovers = 8;
// A later copy gives up when the whole handover, from the first try to connect to the answer,
// has not ended within this long. The running copy listens right after it claims the single
// instance, so a later copy that finds the claim taken tries again meanwhile.
inline constexpr int kHandoverDeadlineMs = 5000;
inline constexpr int kHandoverRetryMs = 125;

// One later copy's exchange with the running copy, as its bytes arrive: the message, then, after
// a "taken", the confirmation. The same on every system.
class HandoverExchange {
public:
    explicit HandoverExchange(const ReadingReceiver& receiver) : receiver_(receiver) {}

    // Takes the later copy's next bytes; the byte to answer with, when one is due.
    std::optional<char> add(QByteArrayView bytes);
    // Nothing more is to come: the reading was refused, or it was confirmed and is being shown.
    bool finished() const { return stage_ == Stage::Finished; }

private:
    enum class Stage { Message, Confirmation, Finished };

    const ReadingReceiver& receiver_;
    HandoverMessageReader message_;
    std::function<void()> show_;
    Stage stage_ = Stage::Message;
};

// The running copy's end of the handover: a local socket in the user's private runtime folder,
// or a named pipe on Windows, that only the same user may connect to. Whatever arrives is
// untrusted; a sender that stalls, lies or hangs up changes nothing.
class FileHandoverServer : public QObject {
    Q_OBJECT

public:
    explicit FileHandoverServer(ReadingReceiver receiver);
    ~FileHandoverServer() override;

    // Only the copy holding the single-instance claim listens, so a socket left by a copy that
    // died is its own to replace.
    bool listen(const QString& name);

private:
    struct Listening; // the system's own end
    std::unique_ptr<Listening> listening_;
    ReadingReceiver receiver_;
};

// The later copy's end: gives the running copy a reading and waits for its answer, all within
// one deadline. It sends nothing to a server that runs as another user.
Handover handOverReading(const QString& serverName, const QByteArray& reading);

} // namespace platform
