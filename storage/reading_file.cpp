#include "storage/reading_file.h"

#include "storage/scrambler.h"

#include <charconv>
#include <cmath>
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
    double magnitude = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error != std::errc{} || end != number.data() + number.size()) {
        return std::nullopt;
    }
    // nearbyint rounds halves to the even neighbour under the default rounding mode.
    const double rounded = std::nearbyint(negative ? -magnitude : magnitude);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace storage
