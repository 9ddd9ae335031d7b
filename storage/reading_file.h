#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace storage {

// A saved reading holds only the two Kua numbers: each as its decimal text, scrambled, on a
// line of its own ending in CR LF. Everything else is worked out again when it is opened.
struct SavedKuaNumbers {
    std::int16_t Self = 0;
    std::int16_t Partner = 0;

    friend bool operator==(const SavedKuaNumbers&, const SavedKuaNumbers&) = default;
};

std::string EncodeReadingFile(const SavedKuaNumbers& numbers);

// The two numbers of a saved reading, or nothing when the bytes are not one: fewer than two
// lines, or a line that is no whole number. A line ends at CR or CR LF; lines after the
// second are ignored.
std::optional<SavedKuaNumbers> DecodeReadingFile(std::string_view bytes);

// Decoding never looks further than this many bytes: any line long enough to cross it
// unscrambles to nothing, so a reader may stop here on a large file.
inline constexpr std::size_t kReadingFileBytesNeeded = 2 * (std::size_t{32767} + 2);

// A 16-bit whole number from text: blanks around it allowed, a sign, a fraction rounded to
// the nearest whole number with halves going to the even neighbour. Nothing for empty text,
// anything else, or a number outside -32768..32767.
std::optional<std::int16_t> ParseWholeNumber(std::string_view text);

} // namespace storage
