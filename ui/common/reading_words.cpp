#include "ui/common/reading_words.h"

#include "engine/couple_reading.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <string_view>

namespace ui {
namespace {

constexpr const char* kContext = "ReadingWords";

// Every word of a reading that a window shows, so that the translation tools find them all;
// the longer texts of a reading are marked where the engine keeps them.
// clang-format off
struct ReadingWord {
    const char* english;
    const char* kind;
};

constexpr ReadingWord kReadingWords[] = {
    // groups
    QT_TRANSLATE_NOOP3("ReadingWords", "East", "group"),
    QT_TRANSLATE_NOOP3("ReadingWords", "West", "group"),
    // elements
    QT_TRANSLATE_NOOP3("ReadingWords", "Water", "element"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Earth", "element"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Wood", "element"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Metal", "element"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Fire", "element"),
    // trigrams
    QT_TRANSLATE_NOOP3("ReadingWords", "Kan", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Kun", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Chen", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Sun", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Chien", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Tui", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Ken", "trigram"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Li", "trigram"),
    // colours and list colours
    QT_TRANSLATE_NOOP3("ReadingWords", "Off White", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Off-White", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Black", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Green", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Blue", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Orange", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Gray", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Red", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "White", "colour"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Purple", "colour"),
    // directions
    QT_TRANSLATE_NOOP3("ReadingWords", "North", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "North East", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "East", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "South East", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "South", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "South West", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "West", "direction"),
    QT_TRANSLATE_NOOP3("ReadingWords", "North West", "direction"),
    // ratings
    QT_TRANSLATE_NOOP3("ReadingWords", "Excellent", "rating"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Very Good", "rating"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Good", "rating"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Unsatisfactory", "rating"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Bad", "rating"),
    QT_TRANSLATE_NOOP3("ReadingWords", "Disastrous", "rating"),
};
// clang-format on

bool isReadingWord(std::string_view text, std::string_view kind) {
    return std::ranges::any_of(kReadingWords, [&](const ReadingWord& word) {
        return word.english == text && word.kind == kind;
    });
}

QString countedText(const char* text) {
    return QCoreApplication::translate("CountedYear", text);
}

// Why a birth counts to its year, by rule and by where the birth lies from the year's start.
struct CountReason {
    const char* before;
    const char* onStartDay;
    const char* onOrAfter;
};

constexpr CountReason kFirstOfMarchReasons = {
    //: %1 the year counted, %2 the date the year starts on: "1 March 1985"
    QT_TRANSLATE_NOOP("CountedYear", "Counted from %1: born before %2"),
    nullptr,
    QT_TRANSLATE_NOOP("CountedYear", "Counted from %1: born on or after %2"),
};
constexpr CountReason kLiChunReasons = {
    //: %1 the year counted, %2 Li Chun's date: "4 February 1985"
    QT_TRANSLATE_NOOP("CountedYear", "Counted from %1: born before Li Chun (%2)"),
    QT_TRANSLATE_NOOP("CountedYear",
                      "Counted from %1: born on the day of Li Chun (%2), when the hour of birth "
                      "decides"),
    QT_TRANSLATE_NOOP("CountedYear", "Counted from %1: born on or after Li Chun (%2)"),
};

// The number the other rule gives, by that rule (in the order of engine::YearStart) and by
// person.
constexpr const char* kOtherRuleNumbers[2][2] = {
    {QT_TRANSLATE_NOOP("CountedYear", "Counted from 1 March, your Kua number would be %1."),
     QT_TRANSLATE_NOOP("CountedYear",
                       "Counted from 1 March, your partner's Kua number would be %1.")},
    {QT_TRANSLATE_NOOP("CountedYear", "Counted from Li Chun, your Kua number would be %1."),
     QT_TRANSLATE_NOOP("CountedYear",
                       "Counted from Li Chun, your partner's Kua number would be %1.")},
};

// A day with its month and year, as the language writes it in full, without the weekday.
QString fullDate(const QDate& date) {
    const QLocale locale = shownLocale();
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("d{4},?\\s*")));
    return locale.toString(date, format.trimmed());
}

} // namespace

QString countedYearText(const engine::CoupleReading& reading, int person) {
    if (!reading.CountedBy) {
        return {};
    }
    const engine::PersonReading& p = person == 0 ? reading.Self : reading.Partner;
    const engine::YearStart rule = *reading.CountedBy;
    const engine::YearCount count =
        engine::CountKuaYear(p.BirthDay, p.BirthMonth, p.BirthYear, rule);
    const CountReason& reasons =
        rule == engine::YearStart::LiChun ? kLiChunReasons : kFirstOfMarchReasons;
    const char* reason = count.BornOnStartDay    ? reasons.onStartDay
                         : count.BornBeforeStart ? reasons.before
                                                 : reasons.onOrAfter;
    QString text =
        countedText(reason).arg(QString::number(count.KuaYear),
                                fullDate(QDate(p.BirthYear, count.StartMonth, count.StartDay)));
    const engine::YearStart other = rule == engine::YearStart::LiChun
                                        ? engine::YearStart::FirstOfMarch
                                        : engine::YearStart::LiChun;
    const std::int16_t otherNumber = engine::KuaNumberOfBirth(p, other);
    if (otherNumber != engine::KuaNumberOfBirth(p, rule)) {
        const char* line = kOtherRuleNumbers[static_cast<int>(other)][person == 0 ? 0 : 1];
        text += QLatin1Char('\n') + countedText(line).arg(otherNumber);
    }
    return text;
}

QString shownWord(const std::string& english, const char* kind) {
    // The same English word may need two translations: East the group is not East the
    // direction in every language.
    QString shown = QCoreApplication::translate(kContext, english.c_str(), kind);
    // Paragraphs are stored with CR LF; a label breaks lines at LF alone.
    return shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString directionWord(std::string_view direction) {
    return shownWord(std::string(direction), "direction");
}

QString ratingWord(std::string_view rating) {
    return shownWord(std::string(rating), "rating");
}

QString starWord(std::string_view star) {
    return QCoreApplication::translate("frmFengShuiCompatibilityResult", std::string(star).c_str());
}

QString shownPair(const std::string& pairKey) {
    const std::string::size_type dash = pairKey.find('-');
    if (dash == std::string::npos || !isReadingWord(pairKey.substr(0, dash), "trigram") ||
        !isReadingWord(pairKey.substr(dash + 1), "trigram")) {
        return QString::fromStdString(pairKey);
    }
    //: The pair of trigrams, the user's first: "Kun-Kun"
    return QCoreApplication::translate("ReadingWords", "%1-%2")
        .arg(shownWord(pairKey.substr(0, dash), "trigram"),
             shownWord(pairKey.substr(dash + 1), "trigram"));
}

QString titledName(bool male, const std::string& name) {
    const QString shownName = QString::fromStdString(name);
    return male ? QCoreApplication::translate("ReadingWords", "Mr. %1").arg(shownName)
                : QCoreApplication::translate("ReadingWords", "Ms. %1").arg(shownName);
}

QLocale shownLocale() {
    const QLocale language(QCoreApplication::translate(
        "ui::ReadingPage", "en", "The code of this translation's language, as in its file name"));
    const QLocale own(QLocale::system().name());
    return own.language() == language.language() ? own : language;
}

} // namespace ui
