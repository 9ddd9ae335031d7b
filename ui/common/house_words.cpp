#include "ui/common/house_words.h"

#include "ui/common/advice_words.h"
#include "ui/common/reading_words.h"

#include <QCoreApplication>

#include <variant>

namespace ui {
namespace {

constexpr const char* kContext = "ui::House";

QString houseText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

std::optional<double> degreesIn(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok && value >= 0.0 && value < 360.0) {
        return value;
    }
    return std::nullopt;
}

// How a person fits the house, before its first letter is settled.
QString fitLine(const QString& name, std::string_view personGroup, const compass::House& house) {
    const bool east = personGroup == "East";
    if (personGroup == house.Group) {
        return east ? houseText(
                          QT_TRANSLATE_NOOP("ui::House", "%1: of the East group, like the house"))
                          .arg(name)
                    : houseText(
                          QT_TRANSLATE_NOOP("ui::House", "%1: of the West group, like the house"))
                          .arg(name);
    }
    return east ? houseText(QT_TRANSLATE_NOOP("ui::House",
                                              "%1: of the East group, in a West-group house: "
                                              "inside it, use your own favourable directions"))
                      .arg(name)
                : houseText(QT_TRANSLATE_NOOP("ui::House",
                                              "%1: of the West group, in an East-group house: "
                                              "inside it, use your own favourable directions"))
                      .arg(name);
}

} // namespace

FacingEntry readFacingEntry(const QString& text, const QLocale& locale) {
    QString typed = text.trimmed();
    if (typed.endsWith(QChar(0x00B0))) {
        typed.chop(1);
    }
    typed = typed.trimmed();
    if (typed.isEmpty()) {
        return {};
    }
    QLocale own = locale;
    own.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    const std::optional<double> degrees = degreesIn(typed, own);
    return {false, degrees ? degrees : degreesIn(typed, plain)};
}

QString degreesText(double degrees) {
    return shownLocale().toString(degrees, 'f', QLocale::FloatingPointShortest) + QChar(0x00B0);
}

QString houseName(const compass::House& house) {
    const QString trigram = shownWord(std::string(house.Trigram), "trigram");
    //: A house after the trigram of the side it sits on: "a Kan house of the East group"
    return house.Group == "East"
               ? houseText(QT_TRANSLATE_NOOP("ui::House", "a %1 house of the East group"))
                     .arg(trigram)
               //: See "a %1 house of the East group"
               : houseText(QT_TRANSLATE_NOOP("ui::House", "a %1 house of the West group"))
                     .arg(trigram);
}

QString houseLine(const compass::House& house) {
    return houseText(QT_TRANSLATE_NOOP("ui::House", "Your house: %1")).arg(houseName(house));
}

QString facingText(const FacingEntry& entry) {
    if (entry.empty) {
        return {};
    }
    const auto reading = entry.degrees ? compass::ReadFacing(*entry.degrees) : std::nullopt;
    if (!reading) {
        return houseText(QT_TRANSLATE_NOOP("ui::House", "Type the facing in degrees, from 0 to "
                                                        "359.9, as the compass shows it."));
    }
    const QString degrees = degreesText(*entry.degrees);
    if (const auto* house = std::get_if<compass::House>(&*reading)) {
        //: %1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as
        //: inside a sentence), %4 the house: "183°: faces South, sits North: a Kan house of the
        //: East group"
        return houseText(QT_TRANSLATE_NOOP("ui::House", "%1: faces %2, sits %3: %4"))
            .arg(degrees, directionInSentence(house->Facing), directionInSentence(house->Sitting),
                 houseName(*house));
    }
    const auto& line = std::get<compass::OnALine>(*reading);
    //: %1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses
    return houseText(QT_TRANSLATE_NOOP(
                         "ui::House",
                         "%1 lies on the line between %2 and %3: the house is either %4 or %5. "
                         "Measure again, a step to one side, to tell which."))
        .arg(degrees, directionInSentence(line.Before.Facing),
             directionInSentence(line.After.Facing), houseName(line.Before), houseName(line.After));
}

std::array<QString, 2> fitTexts(const engine::CoupleReading& reading, const compass::House& house) {
    const CoupleNames names = coupleNames(reading);
    // A line of its own starts with a capital, also where "you" stands first.
    return {sentenceOf({fitLine(names.self, reading.Self.Group, house)}),
            sentenceOf({fitLine(names.partner, reading.Partner.Group, house)})};
}

QString facingHelp() {
    return houseText(QT_TRANSLATE_NOOP(
        "ui::House",
        "The facing is the side the house looks out of, usually the side of the front door, not "
        "a balcony. Stand outside the main door, looking out, away from metal and cars, and type "
        "the degrees the compass shows (magnetic north). Without a compass, choose the "
        "direction."));
}

} // namespace ui
