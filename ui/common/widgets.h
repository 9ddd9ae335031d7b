#pragma once

#include <QFont>
#include <QString>

class QApplication;
class QLabel;

namespace ui {

// Verdana 8.25 pt, or its closest look-alike where Verdana is not installed. The forms give
// only sizes and weights, so every window inherits this family from the application.
QFont programFont();
void useProgramFont(QApplication& application);

// For labels that size themselves to their text from their top left corner.
void setSizedText(QLabel* label, const QString& text);

} // namespace ui
