#include "storage/reading_file.h"

#include "storage/scrambler.h"

#include <limits>

namespace storage {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string encodeLine(std::int16_t number) {
    return ScrambleText(std::to_string(number));
}

// Takes the next line off the front of rest; nothing once the bytes are used up.
std::optional<std::string_view> takeLine(std::string_view& rest) {
    if (rest.empty()) {
        return std::nullopt;
    }
    const std::size_t end = rest.find('\r');
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
        return line;
    }
    rest.remove_prefix(end + 1);
    if (!rest.empty() && rest.front() == '\n') {
        rest.remove_prefix(1);
    }
    return line;
}

std::optional<std::int16_t> decodeLine(std::optional<std::string_view> line) {
    if (!line) {
        return std::nullopt;
    }
    return ParseWholeNumber(UnscrambleText(*line));
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isPlainDecimal(std::string_view text) {
    bool seenDigit = false;
    bool seenPoint = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return false;
        }
    }
    return seenDigit;
}

// A whole part above this cannot end up within -32768..32767, whatever its fraction.
constexpr int kLargestMagnitude = 32768;

// Whether the digits after the point take the whole part up to the next number: above a
// half always, exactly a half only to reach the even neighbour.
bool roundsUp(std::string_view fraction, bool wholeIsOdd) {
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    const bool exactlyHalf =
        fraction.front() == '5' && fraction.find_first_not_of('0', 1) == std::string_view::npos;
    return !exactlyHalf || wholeIsOdd;
}

} // namespace

std::string EncodeReadingFile(const SavedKuaNumbers& numbers) {
    std::string bytes = encodeLine(numbers.Self);
    bytes += kLineEnd;
    bytes += encodeLine(numbers.Partner);
    bytes += kLineEnd;
    return bytes;
}

std::optional<SavedKuaNumbers> DecodeReadingFile(std::string_view bytes) {
    std::string_view rest = bytes;
    const std::optional<std::int16_t> self = decodeLine(takeLine(rest));
    const std::optional<std::int16_t> partner = decodeLine(takeLine(rest));
    if (!self || !partner) {
        return std::nullopt;
    }
    return SavedKuaNumbers{*self, *partner};
}

std::optional<std::int16_t> ParseWholeNumber(std::string_view text) {
    std::string_view number = trimBlanks(text);
    bool negative = false;
    if (!number.empty() && (number.front() == '-' || number.front() == '+')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (!isPlainDecimal(number)) {
        return std::nullopt;
    }
    // Digit by digit rather than through a double: a long fraction just above a half must
    // still round up, whatever the floating-point rounding mode.
    const std::size_t point = number.find('.');
    int magnitude = 0;
    for (const char c : number.substr(0, point)) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLargestMagnitude) {
            return std::nullopt;
        }
    }
    if (point != std::string_view::npos && roundsUp(number.substr(point + 1), magnitude % 2 == 1)) {
        ++magnitude;
    }
    const int value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace storage
