#pragma once

// Which pictures the program carries and what their files are called. Plain C++ so that the
// generator that draws the pictures and the library that serves them share one mapping.

#include "engine/picture_keys.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string>
#include <string_view>

namespace assets {

enum class PictureList { Trigrams, Elements, Colours };

struct PictureSize {
    int width;
    int height;
};

struct PictureListInfo {
    PictureList list;
    std::span<const std::string_view> keys;
    PictureSize size;
    std::string_view filePrefix;
};

// One row per list, in the order of the enum.
inline constexpr std::array<PictureListInfo, 3> PictureLists = {{
    {PictureList::Trigrams, engine::IMGTrigrams, {164, 170}, "trigram"},
    {PictureList::Elements, engine::IMGElements, {200, 200}, "element"},
    {PictureList::Colours, engine::IMGColours, {200, 200}, "colour"},
}};

constexpr const PictureListInfo& pictureListInfo(PictureList list) {
    return PictureLists[static_cast<std::size_t>(list)];
}

// "Off White" in the colour list becomes "colour-off-white.jpg": lower case, blanks as dashes,
// so the names are safe on every file system and in a resource path. Only an exact key of the
// list has a file; anything else ("off white", "Grey", "") gives an empty name.
inline std::string pictureFileName(PictureList list, std::string_view key) {
    const PictureListInfo info = pictureListInfo(list);
    if (std::find(info.keys.begin(), info.keys.end(), key) == info.keys.end()) {
        return {};
    }
    std::string name(info.filePrefix);
    name += '-';
    for (const char c : key) {
        name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name + ".jpg";
}

inline constexpr std::array<int, 6> ProgramIconSizes = {16, 32, 48, 64, 128, 256};

// An empty name for a size the icon is not drawn at.
inline std::string programIconFileName(int size) {
    if (std::find(ProgramIconSizes.begin(), ProgramIconSizes.end(), size) ==
        ProgramIconSizes.end()) {
        return {};
    }
    return "program-" + std::to_string(size) + ".png";
}

} // namespace assets
