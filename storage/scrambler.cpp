#include "storage/scrambler.h"

namespace storage {
namespace {

constexpr int kShift = 85;
constexpr std::size_t kLengthLimit = 32768;

std::string shiftBytes(std::string_view text, int shift) {
    std::string result;
    if (text.size() >= kLengthLimit) {
        return result;
    }
    result.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) + shift;
        if (code >= 0 && code <= 255) {
            result += static_cast<char>(static_cast<unsigned char>(code));
        }
    }
    return result;
}

} // namespace

std::string ScrambleText(std::string_view text) {
    return shiftBytes(text, kShift);
}

std::string UnscrambleText(std::string_view text) {
    return shiftBytes(text, -kShift);
}

} // namespace storage
