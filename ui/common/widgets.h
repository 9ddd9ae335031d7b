#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <QWidget>

#include <array>
#include <initializer_list>
#include <span>

class QApplication;
class QLabel;
class QTabBar;

namespace ui {

// Verdana 8.25 pt, or its closest look-alike where Verdana is not installed, with a CJK font
// for Chinese. The forms give
// only sizes and weights, so every window inherits this family from the application.
QFont programFont();
void useProgramFont(QApplication& application);

// Our windows keep the light look and the font they were laid out for on every desktop. A
// desktop theme changes the application's palette and font, even while the program runs, but
// never those of a window that has its own.
void keepOwnLook(QWidget* window);

// Of controls that lie on the same spot, only the one in front is seen; the others are hidden
// as well as covered, so that neither Tab nor a screen reader reaches what nobody can see.
void bringToFront(QWidget* front, std::initializer_list<QWidget*> sameSpot);

// One row of a window's font table: the controls named `name` or `name_N` get the program
// font at this size and weight.
struct FontRule {
    const char* name;
    qreal pointSize;
    bool bold = false;
    bool underline = false;
};

// Gives every control under root its font from the table, and the plain program font to the
// rest, so that no control silently inherits the bold caption font of the frame around it.
void applyFonts(QWidget* root, std::span<const FontRule> rules);

// For labels that size themselves to their text from their top left corner.
// A word-wrapped label keeps its width and grows downwards.
void setSizedText(QLabel* label, const QString& text);
void sizeToText(QLabel* label);

// Fixed layouts that still fit every language. Each leaves a control exactly as laid out when
// its text fits, so a language whose words fit looks as the form was drawn.
//
// The width a control's text needs: a label's own, a button's text between the style's margins,
// a radio button's as its style sizes it, a list's for the widest of its entries.
int widthNeeded(const QWidget* control);
// Widens the controls of one row whose texts need more room, each up to the next one, the last
// up to the edge of their frame.
void fitRow(std::initializer_list<QWidget*> row);
// Widens a control whose text needs more room into the neighbour on its right, as far as the
// neighbour's own text leaves room; the neighbour keeps its right edge.
void widenInto(QWidget* control, QWidget* neighbour);
// Widens a control whose text needs more room to its left, up to `limit`, a left edge in its
// parent, keeping its right edge where it was.
void widenLeftwards(QWidget* control, int limit);
// A label whose text would run past `limit`, a right edge in its parent, wraps instead; a word
// too long for the room makes its font a little smaller.
void wrapBefore(QLabel* label, int limit);
// A tab bar whose tabs need more room than it has, in a language whose words are longer, steps
// its font down until they fit, rather than hiding tabs behind scroll buttons.
void fitTabs(QTabBar* tabs);
// Moves the second column of a table right, as far as the longest text of the first needs.
void makeRoomForColumn(std::span<QLabel* const> first, std::span<QLabel* const> second);

// Our windows keep the size of their form and open in the middle of the screen.
void fixSizeAndCentre(QWidget* window);

// Our wording names the configured web site: a form holds "%1" where the host goes.
void insertHost(QWidget* control, const char* host);

// A control array of a form: the children named `name_0` .. `name_(N-1)`, so that code can
// say txtName[1] where the form has txtName_1.
template <typename Control, std::size_t N>
std::array<Control*, N> controlArray(const QWidget* root, const char* name) {
    std::array<Control*, N> controls{};
    for (std::size_t i = 0; i < N; ++i) {
        controls[i] =
            root->findChild<Control*>(QLatin1String(name) + QLatin1Char('_') + QString::number(i));
    }
    return controls;
}

} // namespace ui
