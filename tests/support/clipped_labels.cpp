#include "tests/support/clipped_labels.h"

#include <algorithm>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextBoundaryFinder>

namespace test {
namespace {

constexpr int kLeading = 2;

// What a control's text needs: a label its size hint (its height for its width when it
// wraps); a push button its text between the style's margins; a radio button its indicator, the
// spacing and its text.
QSize neededBy(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->wordWrap()) {
            return label->sizeHint();
        }
        // A wrapped label needs its height for its width, and room for its longest word,
        // which no wrapping breaks (in Chinese and Japanese a line may break anywhere).
        int longest = 0;
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, label->text());
        for (qsizetype start = 0; breaks.toNextBoundary() >= 0; start = breaks.position()) {
            const QString word = label->text().mid(start, breaks.position() - start).trimmed();
            longest = std::max(longest, label->fontMetrics().horizontalAdvance(word));
        }
        return {std::max(label->width() - 2 * label->margin(), longest) + 2 * label->margin(),
                label->heightForWidth(label->width())};
    }
    const auto* button = static_cast<const QAbstractButton*>(control);
    const QStyle* style = button->style();
    const int text =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
    const int height = button->fontMetrics().height();
    if (qobject_cast<const QPushButton*>(button)) {
        return {text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button), height};
    }
    return {style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) + text,
            height};
}

bool hasText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return !label->objectName().startsWith(QLatin1String("img")) && !label->text().isEmpty();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button != nullptr && !button->text().isEmpty();
}

} // namespace

QStringList clippedLabels(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!hasText(control) || !control->isVisibleTo(window)) {
            continue;
        }
        const QSize needed = neededBy(control);
        const QRect visible = control->geometry().intersected(control->parentWidget()->rect());
        if (visible.width() < needed.width() || visible.height() < needed.height()) {
            clipped << QStringLiteral("%1 needs %2x%3, shows %4x%5")
                           .arg(control->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(visible.width())
                           .arg(visible.height());
        }
    }
    // Texts that run into each other: two visible texts in one frame whose boxes meet.
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!hasText(control) || !control->isVisibleTo(window)) {
            continue;
        }
        for (const QObject* other : control->parentWidget()->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(other);
            if (sibling == nullptr || sibling <= control || !hasText(sibling) ||
                !sibling->isVisibleTo(window)) {
                continue;
            }
            // A line's box holds the font's leading as well: boxes that meet by a pixel or two
            // are lines of text one under the other, not texts over each other.
            const QRect both = control->geometry().intersected(sibling->geometry());
            if (both.width() > kLeading && both.height() > kLeading) {
                clipped << QStringLiteral("%1 overlaps %2 by %3x%4")
                               .arg(control->objectName(), sibling->objectName())
                               .arg(both.width())
                               .arg(both.height());
            }
        }
    }
    return clipped;
}

} // namespace test
