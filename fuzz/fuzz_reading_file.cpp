// Any bytes as a saved reading file, and as the text of a whole number. A file that decodes must
// survive being saved again; a number is accepted exactly when its rounded value fits 16 bits.

#include "fuzz/fuzz_check.h"
#include "storage/reading_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using storage::DecodeReadingFile;
using storage::EncodeReadingFile;
using storage::SavedKuaNumbers;

bool isStoredByte(char c) {
    // Scrambled digits 0x85..0x8E and the scrambled minus sign 0x82.
    const auto code = static_cast<unsigned char>(c);
    return code == 0x82 || (code >= 0x85 && code <= 0x8E);
}

void checkSavedAgain(const SavedKuaNumbers& numbers) {
    const std::string saved = EncodeReadingFile(numbers);
    require(DecodeReadingFile(saved) == numbers, "a decoded file saved again decodes equal");
    require(EncodeReadingFile(*DecodeReadingFile(saved)) == saved, "saving is the same every time");
    require(saved.size() >= 6 && saved.size() <= 16, "a saved file has two short lines");
    require(saved.ends_with("\r\n") && saved.find("\r\n") < saved.size() - 2,
            "a saved file has two lines ending in CR LF");
    const std::size_t stored = std::count_if(saved.begin(), saved.end(), isStoredByte);
    require(stored == saved.size() - 4, "a saved line holds only scrambled digits and minus");
}

void checkDecoding(std::string_view bytes) {
    const std::optional<SavedKuaNumbers> numbers = DecodeReadingFile(bytes);
    if (numbers) {
        checkSavedAgain(*numbers);
    }
    require(DecodeReadingFile(bytes.substr(0, storage::kReadingFileBytesNeeded)) == numbers,
            "nothing past the bytes a reader needs changes the result");
    if (std::count(bytes.begin(), bytes.end(), '\r') >= 2) {
        // Two lines are complete: whatever follows is ignored.
        const std::string longer = std::string(bytes) + "\n\x86\r\n" + std::string(bytes);
        require(DecodeReadingFile(longer) == numbers, "lines after the second are ignored");
    }
}

// What the number text should give, worked out digit by digit: the integer part, the
// fraction rounded half to even, the sign. Nothing when the text is not a plain decimal or
// the value leaves 16 bits.
std::optional<long> expectedWholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (whole.size() + fraction.size() == 0 || !std::all_of(whole.begin(), whole.end(), isDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), isDigit)) {
        return std::nullopt;
    }
    while (!whole.empty() && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    if (whole.size() > 6) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : whole) {
        value = value * 10 + (c - '0');
    }
    if (!fraction.empty()) {
        const bool half =
            fraction.front() == '5' && fraction.find_first_not_of('0', 1) == std::string_view::npos;
        const bool aboveHalf = fraction.front() > '5' || (fraction.front() == '5' && !half);
        if (aboveHalf || (half && value % 2 == 1)) {
            ++value;
        }
    }
    value = negative ? -value : value;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return value;
}

void checkWholeNumber(std::string_view text) {
    const std::optional<std::int16_t> parsed = storage::ParseWholeNumber(text);
    const std::optional<long> expected = expectedWholeNumber(text);
    require(parsed.has_value() == expected.has_value(),
            "a number is accepted exactly when it is a decimal within -32768..32767");
    require(!parsed || *parsed == *expected, "an accepted number has the rounded value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDecoding(bytes);
    checkWholeNumber(bytes);
    return 0;
}
