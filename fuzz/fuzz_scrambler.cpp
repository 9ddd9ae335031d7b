// Any bytes through ScrambleText and UnscrambleText, checked against what the scrambler
// promises its two users (the reading file and the settings store).

#include "fuzz/fuzz_check.h"
#include "storage/scrambler.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLengthLimit = 32768;

std::string withoutBytes(std::string_view text, bool (*dropped)(unsigned char)) {
    std::string kept;
    for (const char c : text) {
        if (!dropped(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

bool above170(unsigned char code) {
    return code > 170;
}

bool below85(unsigned char code) {
    return code < 85;
}

bool allBytes(std::string_view text, bool (*holds)(unsigned char)) {
    return std::all_of(text.begin(), text.end(),
                       [holds](char c) { return holds(static_cast<unsigned char>(c)); });
}

void checkShortText(std::string_view text) {
    const std::string scrambled = storage::ScrambleText(text);
    require(allBytes(scrambled, [](unsigned char c) { return !below85(c); }),
            "scrambled bytes are 85 or more");
    require(storage::UnscrambleText(scrambled) == withoutBytes(text, above170),
            "unscrambling a scrambled text gives it back without the bytes above 170");

    const std::string unscrambled = storage::UnscrambleText(text);
    require(allBytes(unscrambled, [](unsigned char c) { return !above170(c); }),
            "unscrambled bytes are 170 or less");
    require(storage::ScrambleText(unscrambled) == withoutBytes(text, below85),
            "scrambling an unscrambled text gives it back without the bytes below 85");
}

void checkLongText(std::string_view text) {
    // The fuzzer's inputs are short; pad one past the limit so that every run covers it too.
    std::string longText(text);
    longText.resize(std::max(kLengthLimit, text.size()), 'x');
    require(storage::ScrambleText(longText).empty(),
            "a text of 32,768 bytes or more scrambles to nothing");
    require(storage::UnscrambleText(longText).empty(),
            "a text of 32,768 bytes or more unscrambles to nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (text.size() < kLengthLimit) {
        checkShortText(text);
    }
    checkLongText(text);
    return 0;
}
