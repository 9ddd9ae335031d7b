#include "assets/assets.h"

#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <set>
#include <vector>

using assets::PictureList;

Q_DECLARE_METATYPE(assets::PictureList)

namespace {

// What a person would call the colours of the artwork, wide enough for JPEG's small shifts.
bool isYellow(QColor c) {
    return c.hsvHue() >= 38 && c.hsvHue() <= 62 && c.hsvSaturationF() > 0.5 && c.valueF() > 0.75;
}

bool isDarkOrange(QColor c) {
    return c.hsvHue() >= 8 && c.hsvHue() <= 34 && c.hsvSaturationF() > 0.7 && c.valueF() > 0.45 &&
           c.valueF() < 0.88;
}

bool isLightBackground(QColor c) {
    return c.hsvSaturationF() < 0.12 && c.valueF() > 0.9;
}

QColor averageAround(const QImage& image, QPoint centre) {
    int red = 0;
    int green = 0;
    int blue = 0;
    int count = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            red += c.red();
            green += c.green();
            blue += c.blue();
            ++count;
        }
    }
    return QColor(red / count, green / count, blue / count);
}

QImage loadPicture(PictureList list, std::string_view key) {
    return QImage(assets::picturePath(list, key));
}

// Runs of consecutive rows where the column holds dark orange, as (first row, last row).
std::vector<std::pair<int, int>> darkOrangeRuns(const QImage& image, int x) {
    std::vector<std::pair<int, int>> runs;
    bool inside = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool dark = isDarkOrange(image.pixelColor(x, y));
        if (dark && !inside) {
            runs.emplace_back(y, y);
        }
        if (dark) {
            runs.back().second = y;
        }
        inside = dark;
    }
    return runs;
}

QRect darkOrangeBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isDarkOrange(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// From a corner towards the middle, the first pixel of the yellow disc.
QPoint discEdgeFrom(const QImage& image, QPoint corner) {
    const QPoint step(corner.x() == 0 ? 1 : -1, corner.y() == 0 ? 1 : -1);
    QPoint p = corner;
    while (image.rect().contains(p) && !isYellow(image.pixelColor(p))) {
        p += step;
    }
    return p;
}

std::vector<bool> darkOrangeMask(const QImage& image) {
    std::vector<bool> mask;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            mask.push_back(isDarkOrange(image.pixelColor(x, y)));
        }
    }
    return mask;
}

struct Row {
    PictureList list;
    const char* key;
    QSize size;
};

// Every picture a reading can show, with the size it is drawn at.
const std::vector<Row>& allPictures() {
    static const std::vector<Row> rows = {
        {PictureList::Trigrams, "Chen", {164, 170}},
        {PictureList::Trigrams, "Chien", {164, 170}},
        {PictureList::Trigrams, "Kan", {164, 170}},
        {PictureList::Trigrams, "Ken", {164, 170}},
        {PictureList::Trigrams, "Kun", {164, 170}},
        {PictureList::Trigrams, "Li", {164, 170}},
        {PictureList::Trigrams, "Sun", {164, 170}},
        {PictureList::Trigrams, "Tui", {164, 170}},
        {PictureList::Colours, "Black", {200, 200}},
        {PictureList::Colours, "Blue", {200, 200}},
        {PictureList::Colours, "Green", {200, 200}},
        {PictureList::Colours, "Gray", {200, 200}},
        {PictureList::Colours, "Off White", {200, 200}},
        {PictureList::Colours, "Orange", {200, 200}},
        {PictureList::Colours, "Purple", {200, 200}},
        {PictureList::Colours, "Red", {200, 200}},
        {PictureList::Colours, "White", {200, 200}},
        {PictureList::Elements, "Earth", {200, 200}},
        {PictureList::Elements, "Fire", {200, 200}},
        {PictureList::Elements, "Metal", {200, 200}},
        {PictureList::Elements, "Water", {200, 200}},
        {PictureList::Elements, "Wood", {200, 200}},
    };
    return rows;
}

void addAllPictureRows() {
    QTest::addColumn<PictureList>("list");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QSize>("size");
    for (const Row& row : allPictures()) {
        QTest::addRow("%s", row.key) << row.list << QString::fromLatin1(row.key) << row.size;
    }
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreEmbeddedWithoutAskingTheLibraryFirst() {
        // Windows that only know the paths (the About box's picture) rely on this.
        QVERIFY(QFileInfo::exists(QStringLiteral(":/icon/program-32.png")));
        QVERIFY(QFileInfo::exists(QStringLiteral(":/pictures/colour-off-white.jpg")));
    }

    void everyKeyHasAJpegOfItsListsSize_data() { addAllPictureRows(); }
    void everyKeyHasAJpegOfItsListsSize() {
        QFETCH(PictureList, list);
        QFETCH(QString, key);
        QFETCH(QSize, size);
        const QString path = assets::picturePath(list, key.toStdString());
        QVERIFY(path.startsWith(QStringLiteral(":/pictures/")));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), size);
    }

    void everyPictureIsADiscOnALightBackgroundWithItsShadowLowerRight_data() {
        addAllPictureRows();
    }
    void everyPictureIsADiscOnALightBackgroundWithItsShadowLowerRight() {
        QFETCH(PictureList, list);
        QFETCH(QString, key);
        const QImage picture = loadPicture(list, key.toStdString());
        const QPoint topLeft(0, 0);
        const QPoint bottomRight(picture.width() - 1, picture.height() - 1);
        for (const QPoint corner :
             {topLeft, bottomRight, QPoint(bottomRight.x(), 0), QPoint(0, bottomRight.y())}) {
            QVERIFY(isLightBackground(picture.pixelColor(corner)));
        }
        // Just outside the disc's edge: in its shadow at the lower right, clear at the upper left.
        const QPoint lowerRight = discEdgeFrom(picture, bottomRight) + QPoint(3, 3);
        const QPoint upperLeft = discEdgeFrom(picture, topLeft) - QPoint(3, 3);
        QVERIFY(picture.rect().contains(lowerRight) && picture.rect().contains(upperLeft));
        QVERIFY(isLightBackground(picture.pixelColor(upperLeft)));
        QVERIFY(picture.pixelColor(lowerRight).lightness() <
                picture.pixelColor(upperLeft).lightness() - 25);
    }

    void trigramShowsItsLinesTopFirst_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("lines");
        QTest::newRow("Chien: solid, solid, solid") << "Chien"
                                                    << "SSS";
        QTest::newRow("Kun: broken, broken, broken") << "Kun"
                                                     << "BBB";
        QTest::newRow("Chen: broken, broken, solid") << "Chen"
                                                     << "BBS";
        QTest::newRow("Kan: broken, solid, broken") << "Kan"
                                                    << "BSB";
        QTest::newRow("Ken: solid, broken, broken") << "Ken"
                                                    << "SBB";
        QTest::newRow("Sun: solid, solid, broken") << "Sun"
                                                   << "SSB";
        QTest::newRow("Li: solid, broken, solid") << "Li"
                                                  << "SBS";
        QTest::newRow("Tui: broken, solid, solid") << "Tui"
                                                   << "BSS";
    }
    void trigramShowsItsLinesTopFirst() {
        QFETCH(QString, key);
        QFETCH(QString, lines);
        const QImage picture = loadPicture(PictureList::Trigrams, key.toStdString());
        const QRect bars = darkOrangeBounds(picture);
        QVERIFY(!bars.isEmpty());
        // Every line, whole or broken, crosses a column near its left end.
        const auto runs = darkOrangeRuns(picture, bars.left() + bars.width() / 8);
        QCOMPARE(runs.size(), std::size_t{3});
        QString seen;
        for (const auto& [top, bottom] : runs) {
            const QColor middle = picture.pixelColor(bars.center().x(), (top + bottom) / 2);
            seen += isDarkOrange(middle) ? 'S' : isYellow(middle) ? 'B' : '?';
        }
        QCOMPARE(seen, lines);
    }

    void colourDiscShowsItsColourInsideAYellowRing_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("hueFrom");
        QTest::addColumn<int>("hueTo");
        QTest::addColumn<double>("saturationFrom");
        QTest::addColumn<double>("saturationTo");
        QTest::addColumn<double>("valueFrom");
        QTest::addColumn<double>("valueTo");
        // Hues in degrees; -1 to 359 takes any hue, including none.
        QTest::newRow("Black is dark") << "Black" << -1 << 359 << 0.0 << 1.0 << 0.0 << 0.25;
        QTest::newRow("Blue") << "Blue" << 200 << 250 << 0.5 << 1.0 << 0.4 << 1.0;
        QTest::newRow("Green") << "Green" << 90 << 160 << 0.4 << 1.0 << 0.3 << 1.0;
        QTest::newRow("Gray is a mid grey") << "Gray" << -1 << 359 << 0.0 << 0.1 << 0.3 << 0.75;
        QTest::newRow("Off White is a warm, tinted white")
            << "Off White" << 30 << 65 << 0.06 << 0.3 << 0.85 << 1.0;
        QTest::newRow("Orange") << "Orange" << 15 << 40 << 0.6 << 1.0 << 0.75 << 1.0;
        QTest::newRow("Purple") << "Purple" << 260 << 300 << 0.4 << 1.0 << 0.3 << 1.0;
        QTest::newRow("Red") << "Red" << -15 << 12 << 0.6 << 1.0 << 0.5 << 1.0;
        QTest::newRow("White is a pure white")
            << "White" << -1 << 359 << 0.0 << 0.04 << 0.93 << 1.0;
    }
    void colourDiscShowsItsColourInsideAYellowRing() {
        QFETCH(QString, key);
        QFETCH(int, hueFrom);
        QFETCH(int, hueTo);
        QFETCH(double, saturationFrom);
        QFETCH(double, saturationTo);
        QFETCH(double, valueFrom);
        QFETCH(double, valueTo);
        const QImage picture = loadPicture(PictureList::Colours, key.toStdString());
        const QPoint middle = picture.rect().center();
        const QColor disc = averageAround(picture, middle);
        // Red's range runs through 0 degrees: a hue past the range's end counts from -360.
        const int hue = disc.hsvHue() > hueTo ? disc.hsvHue() - 360 : disc.hsvHue();
        QVERIFY2(hue >= hueFrom && hue <= hueTo, qPrintable(disc.name()));
        QVERIFY2(disc.hsvSaturationF() >= saturationFrom && disc.hsvSaturationF() <= saturationTo,
                 qPrintable(disc.name()));
        QVERIFY2(disc.valueF() >= valueFrom && disc.valueF() <= valueTo, qPrintable(disc.name()));

        // Going right from the middle: the colour, then a broad yellow ring, then background.
        int longestYellow = 0;
        int run = 0;
        for (int x = middle.x(); x < picture.width(); ++x) {
            run = isYellow(picture.pixelColor(x, middle.y())) ? run + 1 : 0;
            longestYellow = std::max(longestYellow, run);
        }
        QVERIFY(longestYellow >= 10);
        QVERIFY(!isYellow(picture.pixelColor(middle.x() + 20, middle.y())));
    }

    void elementPicturesCarryFiveDifferentEmblems() {
        std::vector<std::vector<bool>> emblems;
        for (const char* key : {"Earth", "Fire", "Metal", "Water", "Wood"}) {
            const QImage picture = loadPicture(PictureList::Elements, key);
            emblems.push_back(darkOrangeMask(picture));
            const auto area = std::count(emblems.back().begin(), emblems.back().end(), true);
            QVERIFY2(area > picture.width() * picture.height() / 25, key);
        }
        for (std::size_t a = 0; a < emblems.size(); ++a) {
            for (std::size_t b = a + 1; b < emblems.size(); ++b) {
                std::size_t differing = 0;
                for (std::size_t i = 0; i < emblems[a].size(); ++i) {
                    differing += emblems[a][i] != emblems[b][i];
                }
                QVERIFY(differing > emblems[a].size() / 30);
            }
        }
    }

    void otherTextsHaveNoPicture_data() {
        QTest::addColumn<PictureList>("list");
        QTest::addColumn<QString>("key");
        QTest::newRow("lower-case colour") << PictureList::Colours << "off white";
        QTest::newRow("the list colour's spelling") << PictureList::Colours << "Off-White";
        QTest::newRow("British grey") << PictureList::Colours << "Grey";
        QTest::newRow("empty colour") << PictureList::Colours << "";
        QTest::newRow("trailing blank") << PictureList::Elements << "Fire ";
        QTest::newRow("lower-case trigram") << PictureList::Trigrams << "chen";
        QTest::newRow("empty trigram") << PictureList::Trigrams << "";
        QTest::newRow("a trigram in the colour list") << PictureList::Colours << "Chen";
        QTest::newRow("a colour in the element list") << PictureList::Elements << "Black";
        QTest::newRow("an element in the trigram list") << PictureList::Trigrams << "Wood";
    }
    void otherTextsHaveNoPicture() {
        QFETCH(PictureList, list);
        QFETCH(QString, key);
        QVERIFY(assets::picturePath(list, key.toStdString()).isNull());
    }

    void iconIsDrawnAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QTest::addRow("%d pixels", size) << size;
        }
    }
    void iconIsDrawnAtEverySize() {
        QFETCH(int, size);
        const QString path = assets::programIconPath(size);
        QCOMPARE(path, QStringLiteral(":/icon/program-%1.png").arg(size));
        const QImage image(path);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QVERIFY(isYellow(image.pixelColor(size / 2, size / 8 + 2)) ||
                isDarkOrange(image.pixelColor(size / 2, size / 8 + 2)));
        // The window system is offered what a title bar or a task switcher shows.
        QCOMPARE(assets::programIcon().availableSizes().contains(QSize(size, size)), size <= 64);
    }

    void iconHasNoOtherSizes() {
        QVERIFY(assets::programIconPath(24).isNull());
        QVERIFY(assets::programIconPath(0).isNull());
        QCOMPARE(assets::programIcon().availableSizes().size(), 4);
    }

    // A window system asks for the size it shows and gets the drawing made for that size, or
    // the next larger one scaled down; never a smaller one blown up.
    void iconAnswersEachSizeFromTheNearestLargerDrawing_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("drawing");
        QTest::newRow("16 is drawn") << 16 << 16;
        QTest::newRow("24 comes from 32") << 24 << 32;
        QTest::newRow("64 is drawn") << 64 << 64;
        QTest::newRow("100 comes from 128") << 100 << 128;
        QTest::newRow("512 gets the largest, 256") << 512 << 256;
    }
    void iconAnswersEachSizeFromTheNearestLargerDrawing() {
        QFETCH(int, asked);
        QFETCH(int, drawing);
        QIcon onlyThatDrawing;
        onlyThatDrawing.addFile(assets::programIconPath(drawing), QSize(drawing, drawing));
        const QImage expected = onlyThatDrawing.pixmap(asked, asked).toImage();
        const QImage shown = assets::programIcon().pixmap(asked, asked).toImage();
        QCOMPARE(shown.size(), QSize(std::min(asked, drawing), std::min(asked, drawing)));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }

    void windowsIconFileHoldsEverySize() {
        QImageReader reader(QStringLiteral(ASSETS_SOURCE_DIR "/icons/program.ico"), "ico");
        std::set<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            sizes.insert(image.width());
        }
        QCOMPARE(sizes, (std::set<int>{16, 32, 48, 64, 128, 256}));
    }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
