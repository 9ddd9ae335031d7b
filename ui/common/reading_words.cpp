#include "ui/common/reading_words.h"

#include <QCoreApplication>

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

} // namespace

QString shownWord(const std::string& english, const char* kind) {
    // The same English word may need two translations: East the group is not East the
    // direction in every language.
    QString shown = QCoreApplication::translate(kContext, english.c_str(), kind);
    // Paragraphs are stored with CR LF; a label breaks lines at LF alone.
    return shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
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
