#include "assets/assets.h"

namespace assets {

namespace {

QString resourcePath(const char* folder, const std::string& file) {
    if (file.empty()) {
        return {};
    }
    return QStringLiteral(":/%1/%2").arg(QLatin1String(folder), QString::fromStdString(file));
}

} // namespace

QString picturePath(PictureList list, std::string_view key) {
    return resourcePath("pictures", pictureFileName(list, key));
}

QString programIconPath(int size) {
    return resourcePath("icon", programIconFileName(size));
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : ProgramIconSizes) {
        icon.addFile(programIconPath(size), QSize(size, size));
    }
    return icon;
}

} // namespace assets
