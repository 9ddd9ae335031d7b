#include "assets/assets.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <map>

namespace assets {

namespace {

constexpr int kLargestWindowIcon = 64;

QString resourcePath(const char* folder, const std::string& file) {
    if (file.empty()) {
        return {};
    }
    return QStringLiteral(":/%1/%2").arg(QLatin1String(folder), QString::fromStdString(file));
}

// The icon decodes a size only when it is first asked for. An icon built from files decodes
// every file as it is added, and so put the two large pictures, which few window systems ever
// show, on the way to the first window.
class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override { return new ProgramIconEngine; }

    // What a title bar and a task switcher show. Offered every size, the window system is sent
    // all six before the first window maps (under X some 350 KB); desktop shells take the large
    // ones from the installed icon files instead.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const int size : ProgramIconSizes) {
            if (size <= kLargestWindowIcon) {
                sizes.append(QSize(size, size));
            }
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawnFor(size).actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawnFor(size).pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        drawnFor(rect.size()).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    // The smallest drawing at least as large as asked for, else the largest, as an icon of its
    // own that scales it and makes the disabled and selected looks from it.
    const QIcon& drawnFor(QSize size) {
        const int wanted = std::max(size.width(), size.height());
        const auto* found =
            std::ranges::find_if(ProgramIconSizes, [wanted](int drawn) { return drawn >= wanted; });
        const int drawn = found != ProgramIconSizes.end() ? *found : ProgramIconSizes.back();
        auto [icon, added] = decoded_.try_emplace(drawn);
        if (added) {
            // Read as the PNG it is: a reader left to find out the format loads every image
            // plugin there is to ask each one.
            QImageReader reader(programIconPath(drawn), "png");
            reader.setAutoDetectImageFormat(false);
            icon->second.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return icon->second;
    }

    std::map<int, QIcon> decoded_;
};

} // namespace

QString picturePath(PictureList list, std::string_view key) {
    return resourcePath("pictures", pictureFileName(list, key));
}

QString programIconPath(int size) {
    return resourcePath("icon", programIconFileName(size));
}

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace assets
