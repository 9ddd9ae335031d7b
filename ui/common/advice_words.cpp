#include "ui/common/advice_words.h"

#include "engine/couple_reading.h"
#include "engine/pair_rating.h"
#include "ui/common/compass_chart.h"
#include "ui/common/reading_words.h"

#include <QCoreApplication>
#include <QPalette>

#include <algorithm>
#include <iterator>

namespace ui {
namespace {

constexpr const char* kContext = "ui::Advice";

QString adviceText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

//: Something for someone: "Health for Anna", "East for you". %2 is a name, or "you" or "your
//: partner" as translated here: a construction that takes it unchanged, such as "Anna: Health",
//: keeps the grammar right.
constexpr const char* kForWhom = QT_TRANSLATE_NOOP("ui::Advice", "%1 for %2");

QString forWhom(const QString& what, const QString& whom) {
    return adviceText(kForWhom).arg(what, whom);
}

// The directions as a sentence writes them (lower case in Spanish, for example), in the order of
// compass::kDirections; the tables and the charts keep the words of the directions' own list,
// with their capitals. The translators see "inside a sentence" beside each.
constexpr struct {
    const char* source;
    const char* comment;
} kDirectionsInSentence[] = {
    QT_TRANSLATE_NOOP3("ui::Advice", "North", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "North East", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "East", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "South East", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "South", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "South West", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "West", "inside a sentence"),
    QT_TRANSLATE_NOOP3("ui::Advice", "North West", "inside a sentence"),
};
static_assert(std::size(kDirectionsInSentence) == compass::kDirections.size());

// The directions for the head of a shared bed, best first.
QString bedText(const compass::CoupleAdvice& advice, const CoupleNames& names) {
    QStringList entries;
    for (const compass::SectorForTwo& two : advice.Bed) {
        const QString stars = starsForTwo(two, names);
        entries << (advice.ShareFavourable
                        ? directionFor(two.Self.Direction, stars)
                        //: %1 a direction, %2 whom it favours (a name, or "you" or "your
                        //: partner" as translated here), %3 the two stars there
                        : adviceText(QT_TRANSLATE_NOOP("ui::Advice", "%1 favours %2: %3"))
                              .arg(directionInSentence(two.Self.Direction),
                                   two.Self.Favourable ? names.self : names.partner, stars));
    }
    return sentenceOf(entries);
}

} // namespace

QString directionInSentence(std::string_view direction) {
    const auto at = std::ranges::find(compass::kDirections, direction);
    if (at == compass::kDirections.end()) {
        return directionWord(direction);
    }
    const auto& word =
        kDirectionsInSentence[static_cast<std::size_t>(at - compass::kDirections.begin())];
    return QCoreApplication::translate(kContext, word.source, word.comment);
}

CoupleNames coupleNames(const engine::CoupleReading& reading) {
    const QString self = QString::fromStdString(reading.Self.Name).trimmed();
    const QString partner = QString::fromStdString(reading.Partner.Name).trimmed();
    //: Names the user where no name is known (a reading opened from a file), inside the
    //: charts' sentences: "Health for you", "Inner ring: you"
    const QString you = adviceText(QT_TRANSLATE_NOOP("ui::Advice", "you"));
    //: Names the partner where no name is known; see "you"
    const QString yourPartner = adviceText(QT_TRANSLATE_NOOP("ui::Advice", "your partner"));
    return {self.isEmpty() ? you : self, partner.isEmpty() ? yourPartner : partner};
}

QString directionFor(std::string_view direction, const QString& what) {
    //: A direction and what it holds: "North: Relationship for Anna, Health for Ben"
    return adviceText(QT_TRANSLATE_NOOP("ui::Advice", "%1: %2"))
        .arg(directionInSentence(direction), what);
}

QString sentenceOf(const QStringList& entries) {
    //: Between the entries of a list that runs on as one sentence ("North: Health; East:
    //: Success"), with the blanks the language writes around it
    QString sentence = entries.join(adviceText(QT_TRANSLATE_NOOP("ui::Advice", "; ")));
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    return sentence;
}

QString starsForTwo(const compass::SectorForTwo& two, const CoupleNames& names) {
    return starsOneAfterAnother(
        {starFor(two.Self.Meaning, names.self), starFor(two.Partner.Meaning, names.partner)});
}

QString starFor(std::string_view star, const QString& whom) {
    return forWhom(starWord(star), whom);
}

QString starForTheHouse(std::string_view star) {
    //: The house's star in a list of whose star it is, as in "%1 for %2": "Five Ghosts for
    //: the house"
    return adviceText(QT_TRANSLATE_NOOP("ui::Advice", "%1 for the house")).arg(starWord(star));
}

QString starsOneAfterAnother(const QStringList& entries) {
    QString list;
    for (const QString& entry : entries) {
        //: The stars of one direction for several: "Relationship for Anna, Health for Ben"
        list = list.isEmpty()
                   ? entry
                   : adviceText(QT_TRANSLATE_NOOP("ui::Advice", "%1, %2")).arg(list, entry);
    }
    return list;
}

QString ringsLegend(const CoupleNames& names, bool withHouse) {
    //: %1 and %2 the two names, or "you" and "your partner"; %3 the star that marks a
    //: direction good for both
    QString legend =
        adviceText(
            QT_TRANSLATE_NOOP("ui::Advice", "Inner ring: %1. Outer ring: %2. %3 good for both."))
            .arg(names.self, names.partner, QString(QChar(0x2605)));
    if (withHouse) {
        legend += QLatin1Char(' ') +
                  adviceText(QT_TRANSLATE_NOOP(
                      "ui::Advice", "A line along the rim: a direction good for your house."));
    }
    return legend;
}

std::vector<LegendEntry> ratingLegend(const QPalette& palette) {
    std::vector<LegendEntry> entries;
    const std::size_t half = engine::kRatingScale.size() / 2;
    for (std::size_t i = 0; i < engine::kRatingScale.size(); ++i) {
        const std::string_view rating = engine::kRatingScale[i];
        entries.push_back({ratingWord(rating),
                           i < half ? QStringLiteral("+") : QStringLiteral("\u2212"),
                           ratingShade(rating, palette)});
    }
    return entries;
}

QString usageText() {
    return adviceText(QT_TRANSLATE_NOOP(
        "ui::Advice", "A direction is the way you face when you sit or work, and the way the "
                      "head of the bed points. Lay North on the north of your floor plan as a "
                      "compass measures it, not on the front door."));
}

std::optional<AdviceWords> adviceWords(const engine::CoupleReading& reading) {
    const auto advice = compass::AdviceFor(reading.Self, reading.Partner);
    if (!advice) {
        return std::nullopt;
    }
    const CoupleNames names = coupleNames(reading);
    AdviceWords words;
    words.shared =
        advice->ShareFavourable
            ? adviceText(QT_TRANSLATE_NOOP("ui::Advice", "You are of one group: your charts "
                                                         "share its four favourable directions."))
            : adviceText(QT_TRANSLATE_NOOP(
                  "ui::Advice",
                  "You are of different groups: your charts share no favourable direction. "
                  "Practitioners see this in many couples and do not read it as a verdict on "
                  "the two of you. Each of you follows your own chart for your own things: "
                  "desk, seat, your side of the bed."));
    words.lines.push_back(
        {advice->ShareFavourable
             ? adviceText(QT_TRANSLATE_NOOP("ui::Advice", "Bed, where its head points, best "
                                                          "first"))
             : adviceText(QT_TRANSLATE_NOOP("ui::Advice", "Shared bed, worked out from the two "
                                                          "charts")),
         bedText(*advice, names)});
    words.lines.push_back(
        {adviceText(QT_TRANSLATE_NOOP("ui::Advice", "Desk or work seat, the way you face")),
         sentenceOf({forWhom(directionInSentence(advice->SelfDesk), names.self),
                     forWhom(directionInSentence(advice->PartnerDesk), names.partner)})});
    return words;
}

QString adviceHtml(const AdviceWords& advice) {
    QString rows;
    for (const AdviceLine& line : advice.lines) {
        rows += QStringLiteral("<tr><td width=\"32%\"><b>%1</b></td><td>%2</td></tr>")
                    .arg(line.heading.toHtmlEscaped(), line.text.toHtmlEscaped());
    }
    return QStringLiteral("<p>%1</p><table width=\"100%\" cellspacing=\"0\" "
                          "cellpadding=\"2\">%2</table>")
        .arg(advice.shared.toHtmlEscaped(), rows);
}

QString legendHtml(const QPalette& palette) {
    // Each favourable shade beside the unfavourable one of the same strength, the strongest on
    // top: two columns leave every word room to stay whole, in every language.
    const std::vector<LegendEntry> entries = ratingLegend(palette);
    const auto swatch = [&](const LegendEntry& entry) {
        return QStringLiteral("<td style=\"background-color:%1; color:%2\">&nbsp;%3&nbsp;</td>"
                              "<td>&nbsp;%4&nbsp;&nbsp;</td>")
            .arg(entry.shade.name(), palette.color(QPalette::Text).name(), entry.mark,
                 entry.word.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
    };
    QString rows;
    for (std::size_t i = 0; i < entries.size() / 2; ++i) {
        rows += QStringLiteral("<tr>%1%2</tr>")
                    .arg(swatch(entries[i]), swatch(entries[entries.size() - 1 - i]));
    }
    return QStringLiteral("<table cellspacing=\"1\" cellpadding=\"0\">%1</table>").arg(rows);
}

} // namespace ui
