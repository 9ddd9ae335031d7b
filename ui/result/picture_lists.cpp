#include "ui/result/picture_lists.h"

#include "assets/assets.h"

#include <QPixmapCache>

namespace ui {

QPixmap KeyedPictureList::find(std::string_view key) const {
    const QString path = assets::picturePath(list_, key);
    if (path.isEmpty()) {
        return {};
    }
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture.load(path);
        QPixmapCache::insert(path, picture);
    }
    return picture;
}

} // namespace ui
