#include "tests/support/clipped_labels.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextBoundaryFinder>

namespace test {
namespace {

constexpr int kLeading = 2;

// What a label's text needs: its size hint, or its height for its width when it wraps.
QSize neededBy(const QLabel* label) {
    if (!label->wordWrap()) {
        return label->sizeHint();
    }
    // A wrapped label needs its height for its width, and room for its longest word, which no
    // wrapping breaks (in Chinese and Japanese a line may break anywhere).
    int longest = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, label->text());
    for (qsizetype start = 0; breaks.toNextBoundary() >= 0; start = breaks.position()) {
        const QString word = label->text().mid(start, breaks.position() - start).trimmed();
        longest = std::max(longest, label->fontMetrics().horizontalAdvance(word));
    }
    return {std::max(label->width() - 2 * label->margin(), longest) + 2 * label->margin(),
            label->heightForWidth(label->width())};
}

// Where the style draws a button's label when the button shows the part shown (in the button's
// own coordinates): a push button's inside its bevel, a radio button's or a check box's beside
// its indicator. Asked of the style, so that a wrong sum in the code that fits the buttons
// cannot pass here as well.
QRect labelRoom(const QAbstractButton* button, const QRect& shown) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = shown;
    option.text = button->text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button)) {
        element = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        element = QStyle::SE_CheckBoxContents;
    } else if (const auto* push = qobject_cast<const QPushButton*>(button);
               push && (push->isDefault() || push->autoDefault())) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    return button->style()->subElementRect(element, &option, button);
}

// A list's entries that would not fit where the style draws the shown entry: its edit field,
// less the pixel on each side that Qt 6.4's common style keeps.
QStringList entriesTooWide(const QComboBox* list, const QRect& shown) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.rect = shown;
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const int room =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width() -
        2;
    QStringList tooWide;
    for (int i = 0; i < list->count(); ++i) {
        const int needed = list->fontMetrics().horizontalAdvance(list->itemText(i));
        if (needed > room) {
            tooWide << QStringLiteral("%1 draws \"%2\" in %3, needs %4")
                           .arg(list->objectName(), list->itemText(i))
                           .arg(room)
                           .arg(needed);
        }
    }
    return tooWide;
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
        const auto* list = qobject_cast<const QComboBox*>(control);
        if (list && list->isVisibleTo(window)) {
            const QRect visible = list->geometry().intersected(list->parentWidget()->rect());
            clipped << entriesTooWide(list, visible.translated(-list->pos()));
        }
        if (!hasText(control) || !control->isVisibleTo(window)) {
            continue;
        }
        const QRect visible = control->geometry().intersected(control->parentWidget()->rect());
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            const QRect room = labelRoom(button, visible.translated(-control->pos()));
            const QRect text = button->style()->itemTextRect(button->fontMetrics(), room,
                                                             Qt::AlignCenter | Qt::TextShowMnemonic,
                                                             true, button->text());
            if (!room.contains(text)) {
                clipped << QStringLiteral("%1 draws its text in %2x%3, needs %4x%5")
                               .arg(control->objectName())
                               .arg(room.width())
                               .arg(room.height())
                               .arg(text.width())
                               .arg(text.height());
            }
            continue;
        }
        const QSize needed = neededBy(static_cast<const QLabel*>(control));
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
