#include "tests/support/clipped_labels.h"

#include <QLabel>

namespace test {

QStringList clippedLabels(const QWidget* window) {
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QLatin1String("img")) || label->text().isEmpty()) {
            continue;
        }
        const QSize needed = label->wordWrap()
                                 ? QSize(label->width(), label->heightForWidth(label->width()))
                                 : label->sizeHint();
        const QRect visible = label->geometry().intersected(label->parentWidget()->rect());
        if (visible.width() < needed.width() || visible.height() < needed.height()) {
            clipped << QStringLiteral("%1 needs %2x%3, shows %4x%5")
                           .arg(label->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(visible.width())
                           .arg(visible.height());
        }
    }
    return clipped;
}

} // namespace test
