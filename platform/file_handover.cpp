#include "platform/file_handover.h"

#include <QDir>
#include <QStringDecoder>

namespace platform {
namespace {

constexpr qsizetype kLengthBytes = 4;

} // namespace

QByteArray handoverMessage(const QString& absolutePath) {
    const QByteArray path = absolutePath.toUtf8();
    if (path.size() > kMaxHandedOverPathBytes) {
        return {};
    }
    const auto length = static_cast<quint32>(path.size());
    QByteArray message;
    message.reserve(kLengthBytes + path.size());
    for (int shift = 24; shift >= 0; shift -= 8) {
        message.append(static_cast<char>((length >> shift) & 0xFF));
    }
    return message + path;
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
        if (length > kMaxHandedOverPathBytes) {
            return state_ = State::Malformed;
        }
        expected_ = static_cast<qsizetype>(length);
    }
    // Anything after the path is no part of any message.
    if (path_.size() + bytes.size() > expected_) {
        return state_ = State::Malformed;
    }
    path_.append(bytes);
    if (path_.size() == expected_) {
        state_ = State::Complete;
    }
    return state_;
}

std::optional<char> FileHandoverServer::answerTo(HandoverMessageReader& message,
                                                 QByteArrayView bytes) {
    switch (message.add(bytes)) {
    case HandoverMessageReader::State::Incomplete:
        return std::nullopt;
    case HandoverMessageReader::State::Complete:
        return take(message.path()) ? kHandoverTaken : kHandoverRefused;
    case HandoverMessageReader::State::Malformed:
        break;
    }
    return kHandoverRefused;
}

bool FileHandoverServer::take(const QByteArray& utf8Path) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(utf8Path);
    if (decoder.hasError() || path.isEmpty() || path.contains(QChar(0)) ||
        !QDir::isAbsolutePath(path)) {
        return false;
    }
    return receiver_(path);
}

} // namespace platform
