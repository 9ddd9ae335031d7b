#pragma once

// What a user types into the input window, sees of the result window, and the addresses a click
// hands to the browser, as the window and shell tests spell them.

#include <QString>

class QWidget;

namespace test {

// One person's details; sex is "Male", "Female" or empty for none chosen.
struct Person {
    QString name;
    QString sex;
    QString day;
    QString month;
    QString year;
};

// Fills in one frame of an input window as a user does: 0 the user's, 1 the partner's.
void enterPerson(QWidget* input, int index, const Person& person);

// The panel of a result window that its user sees: the index of the one page of its stack
// that is visible, or -1 when none or more than one is.
int shownPanel(const QWidget* result);

// "http://", the host and the path: an address as the program opens it.
QString http(const char* host, const char* path = "");

} // namespace test
