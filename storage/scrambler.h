#pragma once

#include <string>
#include <string_view>

namespace storage {

// A keyless shift that keeps stored text from being read at a glance. Both work on bytes of
// the single-byte code page: ScrambleText adds 85 to every byte, UnscrambleText subtracts 85,
// and a byte that would leave 0..255 is dropped. Texts of 32,768 bytes or more give empty
// text, as they always have for readers of our files.
std::string ScrambleText(std::string_view text);
std::string UnscrambleText(std::string_view text);

} // namespace storage
