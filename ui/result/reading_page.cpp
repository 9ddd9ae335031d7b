#include "ui/result/reading_page.h"

#include "engine/couple_reading.h"
#include "platform/page_output.h"
#include "platform/qt_desktop.h"
#include "ui/common/advice_words.h"
#include "ui/common/compass_chart.h"
#include "ui/common/house_words.h"
#include "ui/common/reading_words.h"
#include "ui/common/widgets.h"
#include "ui/result/picture_lists.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>

namespace ui {
namespace {

// The page's own words.
constexpr const char* kContext = "ui::ReadingPage";
QString pageText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}
constexpr const char* kFor = QT_TRANSLATE_NOOP("ui::ReadingPage", "Feng Shui Compatibility "
                                                                  "Reading for %1");
constexpr const char* kDate = QT_TRANSLATE_NOOP("ui::ReadingPage", "Date: %1");
constexpr const char* kPeople[] = {QT_TRANSLATE_NOOP("ui::ReadingPage", "You"),
                                   QT_TRANSLATE_NOOP("ui::ReadingPage", "Your Partner")};
constexpr const char* kDirections = QT_TRANSLATE_NOOP("ui::ReadingPage", "Directions");

// The words the result window shows, taken from its form so that the page says the same.
QString windowText(const char* text) {
    return QCoreApplication::translate("frmFengShuiCompatibilityResult", text);
}
constexpr const char* kTrigramCompatibility =
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Trigram Compatibility");
constexpr const char* kInterpretation =
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Compatibility Interpretation");
// The list colour's row and the eight directions' rows, as the third tab heads them.
constexpr std::array<const char*, 9> kDirectionRows = {
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Color"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Success"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Health"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Relationship"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Personal"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Mishaps"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Five Ghosts"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Six Killings"),
    QT_TRANSLATE_NOOP("frmFengShuiCompatibilityResult", "Total Loss"),
};

// One row of a person's profile: its heading and what it shows of a person. The colour's row
// is headed as the window heads it (no heading of its own).
struct ProfileRow {
    const char* heading;
    QString (*shown)(const engine::PersonReading&);
};
// clang-format off
const ProfileRow kProfileRows[] = {
    {QT_TRANSLATE_NOOP("ui::ReadingPage", "Kua Number"),
     [](const engine::PersonReading& p) { return QString::number(p.KuaNumber); }},
    {QT_TRANSLATE_NOOP("ui::ReadingPage", "Group"),
     [](const engine::PersonReading& p) { return shownWord(p.Group, "group"); }},
    {QT_TRANSLATE_NOOP("ui::ReadingPage", "Element"),
     [](const engine::PersonReading& p) { return shownWord(p.Element, "element"); }},
    {QT_TRANSLATE_NOOP("ui::ReadingPage", "Trigram"),
     [](const engine::PersonReading& p) { return shownWord(p.Trigram, "trigram"); }},
    {nullptr, [](const engine::PersonReading& p) { return shownWord(p.Colour, "colour"); }},
};
// clang-format on

// Picture size on paper: 0.6 inch at the document's 96 units an inch, beside a person's
// profile. The pictures are 200 pixels square, so they print at about 330 dots an inch.
constexpr int kPictureSize = 58;

// Where Letter is the paper, as the Unicode consortium's locale data (CLDR) has it; A4 is the
// paper everywhere else.
constexpr QLocale::Territory kLetterTerritories[] = {
    QLocale::UnitedStates, QLocale::PuertoRico, QLocale::Canada,   QLocale::Mexico,
    QLocale::Belize,       QLocale::Chile,      QLocale::Colombia, QLocale::CostaRica,
    QLocale::Guatemala,    QLocale::Nicaragua,  QLocale::Panama,   QLocale::Philippines,
    QLocale::ElSalvador,   QLocale::Venezuela,
};

QString escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString cell(const QString& html, const char* attributes = "") {
    return QStringLiteral("<td %1>%2</td>").arg(QLatin1String(attributes), html);
}

// Registers a person's picture with the page and returns the image tag that shows it.
QString picture(QTextDocument& page, const KeyedPictureList& list, const std::string& key,
                const QString& name) {
    const QPixmap pixmap = list.find(key);
    if (pixmap.isNull()) {
        return {};
    }
    const QUrl address(QStringLiteral("picture:") + name);
    page.addResource(QTextDocument::ImageResource, address, pixmap.toImage());
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\"> ")
        .arg(address.toString())
        .arg(kPictureSize);
}

const engine::PersonReading& person(const engine::CoupleReading& reading, int i) {
    return i == 0 ? reading.Self : reading.Partner;
}

QString heading(const engine::CoupleReading& reading, QDate made) {
    const QString name = titledName(reading.Self.Sex == "Male", reading.Self.Name);
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td><span style=\"font-size:16pt; font-weight:bold\">%1</span><br>"
                          "<span style=\"font-size:11pt\">%2</span></td>"
                          "<td align=\"right\" valign=\"top\">%3</td></tr></table><hr>")
        .arg(escaped(QString::fromLatin1(platform::kApplicationTitle)),
             escaped(pageText(kFor).arg(name)),
             escaped(pageText(kDate).arg(shownLocale().toString(made, QLocale::LongFormat))));
}

// The pair and its rating side by side in one framed row.
QString pairBox(const engine::CoupleReading& reading) {
    return QStringLiteral(
               "<table width=\"100%\" border=\"1\" cellpadding=\"4\" cellspacing=\"0\" "
               "style=\"border-color:#800000; border-style:solid\" bgcolor=\"#fbf3e4\"><tr>"
               "<td align=\"center\" width=\"50%\">%1<br><span style=\"font-size:15pt; "
               "font-weight:bold\">%2</span></td><td align=\"center\">%3<br><span "
               "style=\"font-size:20pt; font-weight:bold; color:#800000\">%4</span></td></tr>"
               "</table>")
        .arg(escaped(windowText(kTrigramCompatibility)), escaped(shownPair(reading.PairKey)),
             escaped(windowText(kInterpretation)), escaped(shownWord(reading.Rating, "rating")));
}

// Each person's profile: the rows' values with the three pictures beside them, then the
// element's text and how the Kua number was counted across both columns.
QString profileTable(QTextDocument& page, const engine::CoupleReading& reading) {
    QString rows = QStringLiteral("<tr><td></td>");
    for (const char* who : kPeople) {
        rows += cell(QStringLiteral("<b>%1</b>").arg(escaped(pageText(who))),
                     R"(colspan="2" width="42%" bgcolor="#e0e0e0")");
    }
    rows += QStringLiteral("</tr>");
    const auto rowCount = QString::number(std::size(kProfileRows));
    for (std::size_t r = 0; r < std::size(kProfileRows); ++r) {
        const ProfileRow& row = kProfileRows[r];
        const QString title = row.heading ? pageText(row.heading) : windowText(kDirectionRows[0]);
        rows += QStringLiteral("<tr>") + cell(escaped(title));
        for (int i = 0; i < 2; ++i) {
            const engine::PersonReading& p = person(reading, i);
            rows += cell(QStringLiteral("<b>%1</b>").arg(escaped(row.shown(p))),
                         r == 0 ? R"(width="14%")" : "");
            if (r == 0) {
                const QString n = QString::number(i);
                rows += QStringLiteral("<td rowspan=\"%1\" width=\"28%\" valign=\"middle\">%2</td>")
                            .arg(rowCount, picture(page, IMGElements, p.ElementPicture,
                                                   QStringLiteral("element") + n) +
                                               picture(page, IMGColours, p.ColourPicture,
                                                       QStringLiteral("colour") + n) +
                                               picture(page, IMGTrigrams, p.TrigramPicture,
                                                       QStringLiteral("trigram") + n));
            }
        }
        rows += QStringLiteral("</tr>");
    }
    rows += QStringLiteral("<tr><td></td>");
    for (int i = 0; i < 2; ++i) {
        rows += cell(QStringLiteral("<span style=\"font-size:8pt\">%1</span>")
                         .arg(escaped(shownWord(person(reading, i).ElementDescription))),
                     R"(colspan="2")");
    }
    // How each Kua number was counted, in the wide columns, where it takes the fewest lines.
    if (reading.CountedBy) {
        rows += QStringLiteral("</tr><tr><td></td>");
        for (int i = 0; i < 2; ++i) {
            rows += cell(QStringLiteral("<span style=\"font-size:7pt\"><i>%1</i></span>")
                             .arg(escaped(countedYearText(reading, i))),
                         R"(colspan="2")");
        }
    }
    rows += QStringLiteral("</tr>");
    return QStringLiteral("<table width=\"100%\" cellpadding=\"1\" cellspacing=\"0\">") + rows +
           QStringLiteral("</table>");
}

// The directions' rows in two blocks side by side, the favourable beside the unfavourable, so
// that the charts below have room: the colour and the four favourable rows on the left.
QString directionsTable(const engine::CoupleReading& reading) {
    constexpr std::size_t kLeftRows = 5;
    const auto block = [&](std::size_t row) {
        if (row >= kDirectionRows.size()) {
            return cell(QString()) + cell(QString()) + cell(QString());
        }
        QString cells = cell(escaped(windowText(kDirectionRows[row])));
        for (int i = 0; i < 2; ++i) {
            const engine::PersonReading& p = person(reading, i);
            cells += cell(escaped(row == 0 ? shownWord(p.ListColour, "colour")
                                           : shownWord(p.Directions[row - 1], "direction")));
        }
        return cells;
    };
    QString heads = QStringLiteral("<tr>");
    for (int side = 0; side < 2; ++side) {
        heads += cell(side == 0 ? QStringLiteral("<b>%1</b>").arg(escaped(pageText(kDirections)))
                                : QString());
        for (const char* who : kPeople) {
            heads += cell(QStringLiteral("<b>%1</b>").arg(escaped(pageText(who))),
                          R"(width="16%" bgcolor="#e0e0e0")");
        }
    }
    QString rows = heads + QStringLiteral("</tr>");
    for (std::size_t row = 0; row < kLeftRows; ++row) {
        rows +=
            QStringLiteral("<tr>") + block(row) + block(row + kLeftRows) + QStringLiteral("</tr>");
    }
    return QStringLiteral("<table width=\"100%\" cellpadding=\"1\" cellspacing=\"0\" "
                          "style=\"margin-top:4px\">") +
           rows + QStringLiteral("</table>");
}

// The house and how each of the two fits it.
QString houseHtml(const engine::CoupleReading& reading, const compass::House& house) {
    QString lines = QStringLiteral("<b>%1</b>").arg(escaped(houseLine(house)));
    for (const QString& fit : fitTexts(reading, house)) {
        lines += QStringLiteral("<br>") + escaped(fit);
    }
    return QStringLiteral("<p>%1</p>").arg(lines);
}

// The couple's compass under the directions' table, and beside it the legend of its shades
// and rings, how to use it, and what the couple can put where.
void addCompass(QTextDocument& page, const engine::CoupleReading& reading,
                const std::optional<compass::House>& house) {
    const auto chart = coupleChart(reading, house);
    if (!chart) {
        return;
    }
    QTextCursor cursor(&page);
    cursor.movePosition(QTextCursor::End);
    QTextTableFormat grid;
    grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    grid.setBorder(0);
    grid.setCellPadding(2);
    grid.setTopMargin(6);
    // The chart's column as wide as the chart, so that the text beside it never runs under it.
    const qreal side = house ? kPageChartSideOverHouse : kPageChartSide;
    grid.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, side + 8),
                                    QTextLength(QTextLength::VariableLength, 0)});
    QTextTable* table = cursor.insertTable(1, 2, grid);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor left = table->cellAt(0, 0).firstCursorPosition();
    left.setBlockFormat(centred);
    left.insertText(chartCaption(2), bold);
    left.insertBlock(centred);
    insertCompass(left, *chart, side);
    // The house under the chart, where the column beside it is longer.
    if (house) {
        left.insertHtml(QStringLiteral("<div style=\"font-size:8pt\">%1</div>")
                            .arg(houseHtml(reading, *house)));
    }

    QString notes = legendHtml(paperPalette()) +
                    QStringLiteral("<p>%1</p><p>%2</p>")
                        .arg(escaped(ringsLegend(coupleNames(reading), house.has_value())),
                             escaped(usageText()));
    if (const auto advice = adviceWords(reading)) {
        notes += adviceHtml(*advice);
    }
    QTextCursor right = table->cellAt(0, 1).firstCursorPosition();
    right.insertHtml(QStringLiteral("<div style=\"font-size:8pt\">%1</div>").arg(notes));
}

} // namespace

std::unique_ptr<QTextDocument> readingPage(const engine::CoupleReading& reading, QDate made,
                                           const std::optional<compass::House>& house) {
    auto page = std::make_unique<QTextDocument>();
    QFont font = programFont();
    font.setPointSizeF(9.5);
    page->setDefaultFont(font);
    page->setDocumentMargin(0);
    const QString body = profileTable(*page, reading);
    page->setHtml(heading(reading, made) + pairBox(reading) + body + directionsTable(reading));
    addCompass(*page, reading, house);
    page->setMetaInformation(
        QTextDocument::DocumentTitle,
        pageText(kFor).arg(titledName(reading.Self.Sex == "Male", reading.Self.Name)));
    return page;
}

QPageSize paperFor(const QLocale& locale) {
    const bool letter =
        std::ranges::find(kLetterTerritories, locale.territory()) != std::end(kLetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QString writeReadingPdf(const QString& path, QTextDocument& page) {
    return platform::writePdf(
        path, page,
        platform::withLetterMargins(QPageLayout(paperFor(QLocale()), QPageLayout::Portrait, {})));
}

} // namespace ui
