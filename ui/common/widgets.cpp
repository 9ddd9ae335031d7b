#include "ui/common/widgets.h"

#include <QApplication>
#include <QLabel>

namespace ui {

QFont programFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    return font;
}

void useProgramFont(QApplication& application) {
    application.setFont(programFont());
}

void setSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace ui
