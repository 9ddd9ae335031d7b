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

// An icon of PNG drawings that decodes a size only when it is first asked for. An icon built
// from files decodes every file as it is added, and so put large pictures, which few window
// systems ever show, on the way to the first window. Each drawing is read as the PNG it is: a
// reader left to find out the format loads every image plugin there is to ask each one.
class PngIconEngine : public QIconEngine {
public:
    PngIconEngine(std::vector<PngDrawing> drawings, int largestOffered)
        : drawings_(std::move(drawings)), largestOffered_(largestOffered) {}

    QIconEngine* clone() const override { return new PngIconEngine(drawings_, largestOffered_); }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const PngDrawing& drawing : drawings_) {
            if (std::max(drawing.size.width(), drawing.size.height()) <= largestOffered_) {
                sizes.append(drawing.size);
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
        const auto found = std::ranges::find_if(drawings_, [wanted](const PngDrawing& drawing) {
            return std::max(drawing.size.width(), drawing.size.height()) >= wanted;
        });
        const std::size_t index = found != drawings_.end()
                                      ? static_cast<std::size_t>(found - drawings_.begin())
                                      : drawings_.size() - 1;
        auto [icon, added] = decoded_.try_emplace(index);
        if (added) {
            icon->second.addPixmap(readPng(drawings_[index].path));
        }
        return icon->second;
    }

    std::vector<PngDrawing> drawings_;
    int largestOffered_;
    std::map<std::size_t, QIcon> decoded_;
};

} // namespace

QString picturePath(PictureList list, std::string_view key) {
    return resourcePath("pictures", pictureFileName(list, key));
}

QString programIconPath(int size) {
    return resourcePath("icon", programIconFileName(size));
}

QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(std::vector<PngDrawing> drawings, int largestOffered) {
    if (drawings.empty()) {
        return {};
    }
    std::ranges::sort(drawings, {}, [](const PngDrawing& drawing) {
        return std::max(drawing.size.width(), drawing.size.height());
    });
    return QIcon(new PngIconEngine(std::move(drawings), largestOffered));
}

QIcon programIcon() {
    // What a title bar and a task switcher show. Offered every size, the window system is sent
    // all six before the first window maps (under X some 350 KB); desktop shells take the
    // large ones from the installed icon files instead.
    std::vector<PngDrawing> drawings;
    drawings.reserve(std::size(ProgramIconSizes));
    for (const int size : ProgramIconSizes) {
        drawings.push_back({programIconPath(size), QSize(size, size)});
    }
    return pngIcon(std::move(drawings), kLargestWindowIcon);
}

} // namespace assets
