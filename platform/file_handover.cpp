#include "platform/file_handover.h"

#include <utility>

namespace platform {
namespace {

constexpr qsizetype kLengthBytes = 4;

} // namespace

QByteArray handoverMessage(const QByteArray& reading) {
    if (reading.size() > kMaxHandedOverBytes) {
        return {};
    }
    const auto length = static_cast<quint32>(reading.size());
    QByteArray message;
    message.reserve(kLengthBytes + reading.size());
    for (int shift = 24; shift >= 0; shift -= 8) {
        message.append(static_cast<char>((length >> shift) & 0xFF));
    }
    return message + reading;
}

HandoverMessageReader::State HandoverMessageReader::add(QByteArrayView bytes) {
    if (state_ != State::Incomplete) {
        return state_;
    }
    if (expected_ < 0) {
        const qsizetype needed = kLengthBytes - header_.size();
        header_.append(bytes.first(std::min(needed, bytes.size())));
        bytes = bytes.sliced(std::min(needed, bytes.size()));
        if (header_.size() < kLengthBytes) {
            return state_;
        }
        quint32 length = 0;
        for (const char byte : header_) {
            length = (length << 8) | static_cast<quint8>(byte);
        }
        if (length > kMaxHandedOverBytes) {
            return state_ = State::Malformed;
        }
        expected_ = static_cast<qsizetype>(length);
    }
    // Anything after the reading is no part of any message.
    if (reading_.size() + bytes.size() > expected_) {
        return state_ = State::Malformed;
    }
    reading_.append(bytes);
    if (reading_.size() == expected_) {
        state_ = State::Complete;
    }
    return state_;
}

std::optional<char> HandoverExchange::add(QByteArrayView bytes) {
    switch (stage_) {
    case Stage::Message:
        switch (message_.add(bytes)) {
        case HandoverMessageReader::State::Incomplete:
            return std::nullopt;
        case HandoverMessageReader::State::Complete:
            show_ = receiver_ ? receiver_(message_.reading()) : nullptr;
            stage_ = show_ ? Stage::Confirmation : Stage::Finished;
            return show_ ? kHandoverTaken : kHandoverRefused;
        case HandoverMessageReader::State::Malformed:
            break;
        }
        stage_ = Stage::Finished;
        return kHandoverRefused;
    case Stage::Confirmation:
        // The later copy has heard "taken" and still waits for it: now the reading is shown.
        // Anything else, or nothing, and it never is.
        stage_ = Stage::Finished;
        if (bytes.size() == 1 && bytes.front() == kHandoverConfirmed) {
            std::exchange(show_, nullptr)();
        }
        return std::nullopt;
    case Stage::Finished:
        break;
    }
    return std::nullopt;
}

} // namespace platform
