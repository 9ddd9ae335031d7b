#pragma once

#include "assets/picture_catalogue.h"

#include <QPixmap>

#include <string_view>

namespace ui {

// One of the result window's keyed picture lists. A lookup takes the first key of the list
// that equals the text exactly; a picture is decoded only when it is first asked for.
class KeyedPictureList {
public:
    explicit KeyedPictureList(assets::PictureList list) : list_(list) {}

    // The picture of that key, or a null pixmap when the list has no such key.
    QPixmap find(std::string_view key) const;

private:
    assets::PictureList list_;
};

inline const KeyedPictureList IMGTrigrams{assets::PictureList::Trigrams};
inline const KeyedPictureList IMGElements{assets::PictureList::Elements};
inline const KeyedPictureList IMGColours{assets::PictureList::Colours};

} // namespace ui
