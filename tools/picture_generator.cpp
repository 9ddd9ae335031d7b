// Draws the 22 pictures of a reading, the program icon and the saved reading's icon, and writes
// the resource file that embeds them. Run by `make pictures`; the output is committed under
// assets/.
//
// Usage: picture_generator <assets directory>

#include "assets/picture_catalogue.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QSaveFile>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using assets::PictureList;

// The palette every picture shares.
const QColor Background(250, 248, 242);
const QColor DarkOrange(190, 74, 8);
const QColor BadgeLight(255, 243, 168);
const QColor BadgeMid(255, 214, 51);
const QColor BadgeDeep(245, 186, 18);
const QColor BadgeRim(221, 156, 10);
const QColor ShadowColour(70, 66, 60, 120);

constexpr int JpegQuality = 95;

// ---------------------------------------------------------------------------------------------
// The disc, its badge and its shadow

struct Disc {
    QPointF centre;
    qreal radius;
};

struct ShadowStyle {
    qreal offset;
    int blur;
};

// The disc sits a little up and left of the middle so that its shadow has room at the lower
// right without being cut off by the picture's edge.
Disc discFor(QSize size, ShadowStyle shadow) {
    const qreal margin = std::max(1.0, shadow.blur * 0.6);
    const qreal tail = shadow.offset + 2.2 * shadow.blur;
    const qreal diameter = std::min(size.width(), size.height()) - margin - tail;
    const qreal left = margin + (size.width() - margin - tail - diameter) / 2;
    const qreal top = margin + (size.height() - margin - tail - diameter) / 2;
    return {{left + diameter / 2, top + diameter / 2}, diameter / 2};
}

// Three box blurs in a row come close to a Gaussian. The image is premultiplied, so blurring
// every channel alike is right.
void boxBlurLine(uchar* data, int count, int stride, int radius, std::vector<int>& scratch) {
    scratch.assign(static_cast<std::size_t>(count) * 4, 0);
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < 4; ++c) {
            scratch[static_cast<std::size_t>(i * 4 + c)] = data[i * stride + c];
        }
    }
    const int window = 2 * radius + 1;
    for (int c = 0; c < 4; ++c) {
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += scratch[static_cast<std::size_t>(std::clamp(i, 0, count - 1) * 4 + c)];
        }
        for (int i = 0; i < count; ++i) {
            data[i * stride + c] = static_cast<uchar>((sum + window / 2) / window);
            const int leaving = std::clamp(i - radius, 0, count - 1);
            const int entering = std::clamp(i + radius + 1, 0, count - 1);
            sum += scratch[static_cast<std::size_t>(entering * 4 + c)] -
                   scratch[static_cast<std::size_t>(leaving * 4 + c)];
        }
    }
}

void blur(QImage& image, int radius) {
    std::vector<int> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < image.height(); ++y) {
            boxBlurLine(image.scanLine(y), image.width(), 4, radius, scratch);
        }
        for (int x = 0; x < image.width(); ++x) {
            boxBlurLine(image.bits() + x * 4, image.height(),
                        static_cast<int>(image.bytesPerLine()), radius, scratch);
        }
    }
}

void drawShadow(QPainter& painter, QSize size, const Disc& disc, ShadowStyle shadow) {
    if (shadow.blur == 0) {
        return;
    }
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(ShadowColour);
        p.drawEllipse(disc.centre + QPointF(shadow.offset, shadow.offset), disc.radius,
                      disc.radius);
    }
    blur(layer, std::max(1, shadow.blur / 2));
    painter.drawImage(0, 0, layer);
}

void drawBadge(QPainter& painter, const Disc& disc) {
    const qreal r = disc.radius;
    QRadialGradient fill(disc.centre, r * 1.25, disc.centre - QPointF(r * 0.4, r * 0.45));
    fill.setColorAt(0.0, BadgeLight);
    fill.setColorAt(0.55, BadgeMid);
    fill.setColorAt(1.0, BadgeDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(disc.centre, r, r);

    const qreal rim = std::max(1.0, r * 0.03);
    painter.setPen(QPen(BadgeRim, rim));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.centre, r - rim / 2, r - rim / 2);
}

// ---------------------------------------------------------------------------------------------
// Trigrams

enum class Line { Solid, Broken };
using Trigram = std::array<Line, 3>;

constexpr Line S = Line::Solid;
constexpr Line B = Line::Broken;

struct TrigramArt {
    std::string_view key;
    Trigram lines; // top line first
};

constexpr std::array<TrigramArt, 8> TrigramLines = {{
    {"Chien", {S, S, S}},
    {"Kun", {B, B, B}},
    {"Chen", {B, B, S}},
    {"Kan", {B, S, B}},
    {"Ken", {S, B, B}},
    {"Sun", {S, S, B}},
    {"Li", {S, B, S}},
    {"Tui", {B, S, S}},
}};

// Whole pixels for the bars keep their edges sharp at the picture's own size.
struct BarMetrics {
    int width;
    int height;
    int gap;
    int breakWidth;
    qreal corner;
};

void drawTrigram(QPainter& painter, QPointF centre, const Trigram& lines, BarMetrics m) {
    const int total = 3 * m.height + 2 * m.gap;
    const int left = static_cast<int>(std::lround(centre.x() - m.width / 2.0));
    int top = static_cast<int>(std::lround(centre.y() - total / 2.0));
    const int half = (m.width - m.breakWidth) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(DarkOrange);
    for (const Line line : lines) {
        if (line == Line::Solid) {
            painter.drawRoundedRect(QRectF(left, top, m.width, m.height), m.corner, m.corner);
        } else {
            painter.drawRoundedRect(QRectF(left, top, half, m.height), m.corner, m.corner);
            painter.drawRoundedRect(QRectF(left + m.width - half, top, half, m.height), m.corner,
                                    m.corner);
        }
        top += m.height + m.gap;
    }
}

BarMetrics trigramBarsFor(qreal radius) {
    const auto scaled = [radius](qreal share) {
        return std::max(1, static_cast<int>(std::lround(radius * share)));
    };
    int width = scaled(1.22);
    const int breakWidth = scaled(0.22);
    width += (width - breakWidth) % 2; // both halves equally long
    return {width, scaled(0.21), scaled(0.15), breakWidth, radius * 0.03};
}

// ---------------------------------------------------------------------------------------------
// Element emblems: shapes in units where the badge's radius is 100, filled in one colour

QPainterPath stroked(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// Lays `front` over `back` with a thin gap of badge between them, the way a one-colour
// emblem shows one thing in front of another.
QPainterPath inFront(const QPainterPath& back, const QPainterPath& front, qreal gap) {
    return back.subtracted(front.united(stroked(front, 2 * gap))).united(front);
}

QPainterPath earthEmblem() {
    QPainterPath cross(QPointF(0, -6));
    cross.lineTo(0, -66);
    cross.moveTo(-24, -40);
    cross.lineTo(24, -40);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 24), 30, 30);
    return stroked(ring, 14).united(stroked(cross, 14, Qt::FlatCap));
}

// A log lying across the fire, its cut ends showing their rings.
QPainterPath log(qreal angleDegrees) {
    QPainterPath wood;
    wood.addRoundedRect(QRectF(-60, -9, 120, 18), 8, 8);
    for (const qreal end : {-51.0, 51.0}) {
        wood = wood.subtracted(stroked(circle(QPointF(end, 0), 3.5), 2.5));
    }
    return QTransform().translate(0, 40).rotate(angleDegrees).map(wood);
}

QPainterPath flame() {
    QPainterPath outer(QPointF(0, 34));
    outer.cubicTo(-30, 34, -47, 14, -43, -8);
    outer.cubicTo(-41, -22, -34, -32, -27, -48);
    outer.cubicTo(-21, -36, -18, -30, -13, -26);
    outer.cubicTo(-15, -46, -6, -64, 4, -80);
    outer.cubicTo(8, -60, 22, -52, 25, -36);
    outer.cubicTo(30, -42, 32, -48, 33, -56);
    outer.cubicTo(45, -36, 47, -12, 41, 6);
    outer.cubicTo(35, 24, 19, 34, 0, 34);
    outer.closeSubpath();

    QPainterPath inner(QPointF(0, 28));
    inner.cubicTo(-16, 28, -23, 14, -19, 0);
    inner.cubicTo(-15, -12, -7, -20, -3, -36);
    inner.cubicTo(4, -22, 17, -12, 19, 2);
    inner.cubicTo(21, 16, 13, 28, 0, 28);
    inner.closeSubpath();
    return outer.subtracted(inner);
}

QPainterPath fireEmblem() {
    const QPainterPath logs = inFront(log(17), log(-17), 2);
    return inFront(logs, flame(), 3);
}

QPolygonF hexagon(QPointF centre, qreal radius) {
    QPolygonF corners;
    for (int i = 0; i < 6; ++i) {
        const qreal a = 60 * i * std::numbers::pi / 180;
        corners << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    return corners;
}

QPainterPath nut(QPointF centre) {
    QPainterPath body;
    body.addPolygon(hexagon(centre, 44));
    body.closeSubpath();
    // The hole, and a thin ring for the chamfer round it.
    return body.subtracted(circle(centre, 16)).subtracted(stroked(circle(centre, 29), 2.5));
}

QPainterPath metalEmblem() {
    return inFront(nut(QPointF(-17, -27)), nut(QPointF(17, 27)), 3);
}

QPainterPath waterEmblem() {
    QPainterPath waves;
    for (const qreal row : {-34.0, 0.0, 34.0}) {
        waves.moveTo(-58, row);
        for (int x = -57; x <= 58; ++x) {
            waves.lineTo(x, row - 9 * std::sin((x + 58) * 2 * std::numbers::pi / 58));
        }
    }
    return stroked(waves, 13);
}

QPainterPath firTier(qreal top, qreal base, qreal halfWidth) {
    QPainterPath tier(QPointF(0, top));
    tier.quadTo(-halfWidth * 0.45, (top + base) / 2, -halfWidth, base);
    tier.quadTo(0, base - 9, halfWidth, base);
    tier.quadTo(halfWidth * 0.45, (top + base) / 2, 0, top);
    tier.closeSubpath();
    return tier;
}

QPainterPath woodEmblem() {
    QPainterPath tree;
    tree.addRect(QRectF(-9, 36, 18, 28));
    tree = tree.united(firTier(-70, -16, 34));
    tree = tree.united(firTier(-48, 14, 48));
    return tree.united(firTier(-24, 44, 62));
}

struct ElementArt {
    std::string_view key;
    QPainterPath (*emblem)();
};

constexpr std::array<ElementArt, 5> ElementEmblems = {{
    {"Earth", earthEmblem},
    {"Fire", fireEmblem},
    {"Metal", metalEmblem},
    {"Water", waterEmblem},
    {"Wood", woodEmblem},
}};

// ---------------------------------------------------------------------------------------------
// Colours

struct ColourArt {
    std::string_view key;
    QColor colour;
};

const std::array<ColourArt, 9> ColourDiscs = {{
    {"Black", QColor(28, 28, 30)},
    {"Blue", QColor(30, 88, 196)},
    {"Green", QColor(40, 140, 60)},
    {"Gray", QColor(140, 140, 140)},
    {"Off White", QColor(240, 232, 206)},
    {"Orange", QColor(246, 128, 24)},
    {"Purple", QColor(122, 58, 160)},
    {"Red", QColor(206, 34, 34)},
    {"White", QColor(255, 255, 255)},
}};

void drawColourDisc(QPainter& painter, const Disc& disc, const QColor& colour) {
    const qreal r = disc.radius * 0.7;
    QRadialGradient fill(disc.centre, r * 1.3, disc.centre - QPointF(r * 0.4, r * 0.45));
    fill.setColorAt(0.0, colour.lighter(112));
    fill.setColorAt(0.6, colour);
    fill.setColorAt(1.0, colour.darker(112));
    // A dark orange edge keeps the white and off-white discs apart from the yellow ring.
    painter.setPen(QPen(DarkOrange, std::max(1.0, disc.radius * 0.035)));
    painter.setBrush(fill);
    painter.drawEllipse(disc.centre, r, r);
}

// ---------------------------------------------------------------------------------------------
// Pictures

template <typename Art> const Art* findArt(const auto& table, std::string_view key) {
    const auto it =
        std::find_if(table.begin(), table.end(), [key](const Art& art) { return art.key == key; });
    return it == table.end() ? nullptr : &*it;
}

// Draws one picture of a list, or gives nothing when the generator has no artwork for the key.
std::optional<QImage> drawPicture(PictureList list, std::string_view key) {
    const auto [width, height] = assets::pictureListInfo(list).size;
    const QSize size(width, height);
    const ShadowStyle shadow{4.5, 6};
    const Disc disc = discFor(size, shadow);

    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawShadow(painter, size, disc, shadow);
    drawBadge(painter, disc);

    switch (list) {
    case PictureList::Trigrams:
        if (const auto* art = findArt<TrigramArt>(TrigramLines, key)) {
            drawTrigram(painter, disc.centre, art->lines, trigramBarsFor(disc.radius));
            return image;
        }
        break;
    case PictureList::Elements:
        if (const auto* art = findArt<ElementArt>(ElementEmblems, key)) {
            painter.translate(disc.centre);
            painter.scale(disc.radius / 100, disc.radius / 100);
            painter.fillPath(art->emblem(), DarkOrange);
            return image;
        }
        break;
    case PictureList::Colours:
        if (const auto* art = findArt<ColourArt>(ColourDiscs, key)) {
            drawColourDisc(painter, disc, art->colour);
            return image;
        }
        break;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// The program icon: the badge with a compass rose round the Li trigram

void drawCompassTicks(QPainter& painter, const Disc& disc) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(DarkOrange);
    for (int i = 0; i < 8; ++i) {
        const qreal length = disc.radius * (i % 2 == 0 ? 0.2 : 0.13);
        painter.save();
        painter.translate(disc.centre);
        painter.rotate(45.0 * i);
        const qreal outer = disc.radius * 0.9;
        painter.drawPolygon(QPolygonF{QPointF(-disc.radius * 0.07, -outer),
                                      QPointF(disc.radius * 0.07, -outer),
                                      QPointF(0, -outer + length)});
        painter.restore();
    }
}

// Small icons get bold whole-pixel bars that still read at 16 pixels; large ones leave room for
// the compass rose.
BarMetrics iconBarsFor(int size) {
    const bool small = size < 64;
    const auto px = [size](qreal share) {
        return std::max(1, static_cast<int>(std::lround(size * share)));
    };
    BarMetrics bars = small ? BarMetrics{px(0.5), px(0.125), px(0.0625), px(0.125), 0}
                            : BarMetrics{px(0.38), px(0.085), px(0.06), px(0.09), size * 0.008};
    bars.width += (bars.width - bars.breakWidth) % 2;
    return bars;
}

QImage drawIcon(int size) {
    const bool large = size >= 48;
    const ShadowStyle shadow =
        large ? ShadowStyle{size * 0.025, std::max(2, size / 40)} : ShadowStyle{0, 0};
    const Disc disc =
        large ? discFor(QSize(size, size), shadow) : Disc{{size / 2.0, size / 2.0}, size / 2.0};

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawShadow(painter, image.size(), disc, shadow);
    drawBadge(painter, disc);

    // A dark orange ring: at the very edge on small icons, a little inside it on large ones.
    const qreal ring = large ? disc.radius * 0.07 : size / 16.0;
    const qreal ringRadius = disc.radius - ring / 2 - (large ? ring * 0.6 : 0);
    painter.setPen(QPen(DarkOrange, ring));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.centre, ringRadius, ringRadius);
    if (size >= 64) {
        drawCompassTicks(painter, disc);
    }
    drawTrigram(painter, disc.centre, {S, B, S}, iconBarsFor(size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// The saved reading's icon: a sheet with a folded corner, the program's badge and trigram on it

QImage drawDocumentIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A portrait sheet, as file managers draw documents, its outline on whole pixels.
    const qreal line = std::max(1.0, size / 32.0);
    const qreal left = std::round(size * 0.16) + line / 2;
    const qreal right = size - std::round(size * 0.16) - line / 2;
    const qreal top = line / 2;
    const qreal bottom = size - line / 2;
    const qreal fold = std::round(size * 0.22);
    const QPolygonF sheet{QPointF(left, top), QPointF(right - fold, top),
                          QPointF(right, top + fold), QPointF(right, bottom),
                          QPointF(left, bottom)};
    painter.setPen(QPen(QColor(120, 116, 108), line));
    painter.setBrush(Background);
    painter.drawPolygon(sheet);
    painter.setBrush(QColor(226, 222, 212));
    painter.drawPolygon(QPolygonF{QPointF(right - fold, top), QPointF(right - fold, top + fold),
                                  QPointF(right, top + fold)});

    // The program's mark in the lower part of the sheet: the badge with the Li trigram.
    const qreal radius = (right - left) * 0.42;
    const Disc disc{{(left + right) / 2, bottom - radius - std::max(line, size * 0.08)}, radius};
    drawBadge(painter, disc);
    painter.setPen(QPen(DarkOrange, std::max(1.0, radius * 0.12)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.centre, radius * 0.92, radius * 0.92);
    drawTrigram(painter, disc.centre, {S, B, S}, iconBarsFor(static_cast<int>(radius * 2)));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// Files

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writeJpeg(const QString& path, const QImage& image) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(JpegQuality);
    return writer.write(image);
}

void appendLittleEndian(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A Windows icon file: a six-byte header, one sixteen-byte entry per image, then the images
// themselves, each a complete PNG (accepted by Windows since Vista).
QByteArray icoContainer(const std::vector<std::pair<int, QByteArray>>& images) {
    QByteArray ico;
    appendLittleEndian(ico, 0, 2); // reserved
    appendLittleEndian(ico, 1, 2); // 1 = icon
    appendLittleEndian(ico, static_cast<quint32>(images.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const auto& [size, png] : images) {
        const quint32 edge = size >= 256 ? 0 : static_cast<quint32>(size); // 0 means 256
        appendLittleEndian(ico, edge, 1);
        appendLittleEndian(ico, edge, 1);
        appendLittleEndian(ico, 0, 1);  // no palette
        appendLittleEndian(ico, 0, 1);  // reserved
        appendLittleEndian(ico, 1, 2);  // colour planes
        appendLittleEndian(ico, 32, 2); // bits per pixel
        appendLittleEndian(ico, static_cast<quint32>(png.size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += static_cast<quint32>(png.size());
    }
    for (const auto& image : images) {
        ico.append(image.second);
    }
    return ico;
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString qrcEntry(std::string_view alias, const QString& file) {
    return QStringLiteral("        <file alias=\"%1\">%2</file>\n").arg(toQString(alias), file);
}

struct Generator {
    QDir root;
    QString pictureEntries;
    QString iconEntries;
    bool ok = true;

    void fail(const QString& what) {
        std::fprintf(stderr, "picture_generator: %s\n", qPrintable(what));
        ok = false;
    }

    void writePictures(PictureList list) {
        for (const std::string_view key : assets::pictureListInfo(list).keys) {
            const std::string name = assets::pictureFileName(list, key);
            const QString file = QStringLiteral("pictures/") + toQString(name);
            const std::optional<QImage> picture = drawPicture(list, key);
            if (!picture) {
                fail(QStringLiteral("no artwork for the key \"%1\"").arg(toQString(key)));
            } else if (!writeJpeg(root.filePath(file), *picture)) {
                fail(QStringLiteral("cannot write ") + root.filePath(file));
            }
            pictureEntries += qrcEntry(name, file);
        }
    }

    void writeIcons() {
        std::vector<std::pair<int, QByteArray>> images;
        for (const int size : assets::ProgramIconSizes) {
            const std::string name = assets::programIconFileName(size);
            const QString file = QStringLiteral("icons/") + toQString(name);
            images.emplace_back(size, pngBytes(drawIcon(size)));
            if (!writeBytes(root.filePath(file), images.back().second)) {
                fail(QStringLiteral("cannot write ") + root.filePath(file));
            }
            iconEntries += qrcEntry(name, file);
        }
        if (!writeBytes(root.filePath("icons/program.ico"), icoContainer(images))) {
            fail(QStringLiteral("cannot write the .ico file"));
        }
    }

    // The saved reading's icon for the desktop's file type: installed, never loaded by the
    // program, so it stays out of the resources.
    void writeDocumentIcons() {
        std::vector<std::pair<int, QByteArray>> images;
        for (const int size : assets::ProgramIconSizes) {
            images.emplace_back(size, pngBytes(drawDocumentIcon(size)));
            const QString file = QStringLiteral("icons/document-%1.png").arg(size);
            if (!writeBytes(root.filePath(file), images.back().second)) {
                fail(QStringLiteral("cannot write ") + root.filePath(file));
            }
        }
        if (!writeBytes(root.filePath("icons/document.ico"), icoContainer(images))) {
            fail(QStringLiteral("cannot write the document's .ico file"));
        }
    }

    void writeQrc() {
        const QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<!-- Written by picture_generator. "
                                           "-->\n<RCC version=\"1.0\">\n"
                                           "    <qresource prefix=\"/pictures\">\n%1"
                                           "    </qresource>\n"
                                           "    <qresource prefix=\"/icon\">\n%2"
                                           "    </qresource>\n</RCC>\n")
                                .arg(pictureEntries, iconEntries);
        if (!writeBytes(root.filePath("assets.qrc"), qrc.toUtf8())) {
            fail(QStringLiteral("cannot write assets.qrc"));
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_generator <assets directory>\n");
        return 2;
    }
    Generator generator{QDir(QString::fromLocal8Bit(argv[1])), {}, {}};
    for (const char* folder : {"pictures", "icons"}) {
        if (!generator.root.mkpath(QString::fromLatin1(folder))) {
            generator.fail(QStringLiteral("cannot create ") + generator.root.filePath(folder));
        }
    }
    for (const auto& info : assets::PictureLists) {
        generator.writePictures(info.list);
    }
    generator.writeIcons();
    generator.writeDocumentIcons();
    generator.writeQrc();
    return generator.ok ? 0 : 1;
}
