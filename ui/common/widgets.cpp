#include "ui/common/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>
#include <vector>

namespace ui {

QFont programFont() {
    QFont font;
    // Chinese glyphs come from a CJK font of our choosing rather than whatever the font
    // configuration falls back to, so that Chinese texts fit the layouts as they were tried.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(8.25);
    // Said outright, so that nothing of a desktop's font shows through.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

void useProgramFont(QApplication& application) {
    application.setFont(programFont());
}

namespace {

bool matches(const QString& objectName, const char* name) {
    const QLatin1String base(name);
    if (objectName == base) {
        return true;
    }
    static const QRegularExpression index(QStringLiteral("^_\\d+$"));
    return objectName.startsWith(base) && index.match(objectName.mid(base.size())).hasMatch();
}

QFont fontFor(const QString& objectName, std::span<const FontRule> rules) {
    QFont font = programFont();
    // Set explicitly even when plain, or the control would take the weight of its frame.
    font.setBold(false);
    font.setUnderline(false);
    for (const FontRule& rule : rules) {
        if (matches(objectName, rule.name)) {
            font.setPointSizeF(rule.pointSize);
            font.setBold(rule.bold);
            font.setUnderline(rule.underline);
            break;
        }
    }
    return font;
}

} // namespace

void applyFonts(QWidget* root, std::span<const FontRule> rules) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        widget->setFont(fontFor(widget->objectName(), rules));
    }
}

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;
    QRgb disabled;
};

// The light palette our windows were drawn with, the one Qt's Fusion style brings.
// clang-format off
constexpr RoleColours kLightPalette[] = {
    {QPalette::WindowText,      0xff000000, 0xffbebebe},
    {QPalette::Button,          0xffefefef, 0xffefefef},
    {QPalette::Light,           0xffffffff, 0xffffffff},
    {QPalette::Midlight,        0xffcacaca, 0xffcacaca},
    {QPalette::Dark,            0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid,             0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text,            0xff000000, 0xffbebebe},
    {QPalette::BrightText,      0xffffffff, 0xffffffff},
    {QPalette::ButtonText,      0xff000000, 0xffbebebe},
    {QPalette::Base,            0xffffffff, 0xffefefef},
    {QPalette::Window,          0xffefefef, 0xffefefef},
    {QPalette::Shadow,          0xff767676, 0xffb1b1b1},
    {QPalette::Highlight,       0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link,            0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited,     0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase,   0xfff7f7f7, 0xfff7f7f7},
    {QPalette::NoRole,          0xff000000, 0xff000000},
    {QPalette::ToolTipBase,     0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText,     0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};
// clang-format on

// Every role of every group is set, so that none is left to follow the desktop.
QPalette lightPalette() {
    QPalette palette;
    for (const RoleColours& colours : kLightPalette) {
        palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}

constexpr const char* kKeepsOwnLook = "keepsOwnLook";

// Menus, the list that drops down from a date list, a text box's context menu, a message box
// and a file dialog are windows of their own, and Qt gives them the application's look. Each
// takes the look of the window it belongs to as it is polished, before it is laid out and
// shown; Qt makes some of them only when they are first needed.
class OwnersLook : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            QWidget* parent = widget->parentWidget();
            if (widget->isWindow() && parent && !widget->property(kKeepsOwnLook).toBool() &&
                parent->window()->property(kKeepsOwnLook).toBool()) {
                widget->setPalette(parent->window()->palette());
                widget->setFont(parent->window()->font());
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void lendLookToLaterWindows() {
    static const bool lent = [] {
        QCoreApplication::instance()->installEventFilter(
            new OwnersLook(QCoreApplication::instance()));
        return true;
    }();
    Q_UNUSED(lent);
}

} // namespace

void keepOwnLook(QWidget* window) {
    QPalette look = lightPalette();
    // What the window's form sets itself, such as a white background, stays.
    const QPalette own = window->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const RoleColours& colours : kLightPalette) {
            if (own.isBrushSet(group, colours.role)) {
                look.setBrush(group, colours.role, own.brush(group, colours.role));
            }
        }
    }
    window->setPalette(look);
    window->setFont(programFont());
    window->setProperty(kKeepsOwnLook, true);
    lendLookToLaterWindows();
}

void bringToFront(QWidget* front, std::initializer_list<QWidget*> sameSpot) {
    for (QWidget* control : sameSpot) {
        control->setVisible(control == front);
    }
    front->raise();
}

void fixSizeAndCentre(QWidget* window) {
    window->setFixedSize(window->size());
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            window->screen()->availableGeometry()));
}

void insertHost(QWidget* control, const char* host) {
    const QString text = control->property("text").toString();
    control->setProperty("text", text.arg(QString::fromUtf8(host)));
}

namespace {

// The room kept between two texts, or between a text and the edge it must not pass.
constexpr int kTextGap = 4;

// The widest piece of text that no line break may split, as the language's rules break lines
// (between words, or between the characters of Chinese and Japanese).
int widestWord(const QString& text, const QFontMetrics& metrics) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int widest = 0;
    qsizetype start = 0;
    while (breaks.toNextBoundary() >= 0) {
        const qsizetype end = breaks.position();
        widest =
            std::max(widest, metrics.horizontalAdvance(text.mid(start, end - start).trimmed()));
        start = end;
    }
    return widest;
}

// The widest of a list's entries against the room its style draws the shown entry in: the edit
// field, less the pixel on each side that Qt 6.4's common style keeps when it draws it.
int listShortfall(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    }
    return widest - (field.width() - 2);
}

} // namespace

int widthNeeded(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->sizeHint().width();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        return list->width() + listShortfall(list);
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (button == nullptr) {
        return control->width();
    }
    if (!qobject_cast<const QPushButton*>(button)) {
        // The style's own size for a radio button: its circle, the spacing, the text and the
        // focus frame drawn around the text.
        return button->sizeHint().width();
    }
    // A push button's own size hint holds a minimum width that would widen every button.
    const int text =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
    return text + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
}

void fitRow(std::initializer_list<QWidget*> row) {
    std::vector<QWidget*> controls(row);
    std::ranges::sort(controls, {}, &QWidget::x);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const int limit = i + 1 < controls.size() ? controls[i + 1]->x() - kTextGap
                                                  : control->parentWidget()->width() - kTextGap;
        const int wanted = std::min(widthNeeded(control), limit - control->x());
        if (wanted > control->width()) {
            control->resize(wanted, control->height());
        }
    }
}

void widenInto(QWidget* control, QWidget* neighbour) {
    const int spare = neighbour->width() - widthNeeded(neighbour);
    const int more = std::min(widthNeeded(control) - control->width(), spare);
    if (more > 0) {
        control->resize(control->width() + more, control->height());
        neighbour->setGeometry(neighbour->x() + more, neighbour->y(), neighbour->width() - more,
                               neighbour->height());
    }
}

void widenLeftwards(QWidget* control, int limit) {
    const int right = control->x() + control->width();
    const int wanted = std::min(widthNeeded(control), right - limit - kTextGap);
    if (wanted > control->width()) {
        control->setGeometry(right - wanted, control->y(), wanted, control->height());
    }
}

void fitTabs(QTabBar* tabs) {
    constexpr qreal kSmallestPoints = 7;
    const auto needed = [tabs] {
        int width = 0;
        for (int i = 0; i < tabs->count(); ++i) {
            width += tabs->tabRect(i).width();
        }
        return width;
    };
    QFont font = tabs->font();
    while (needed() > tabs->width() && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        tabs->setFont(font);
    }
}

void wrapBefore(QLabel* label, int limit) {
    const int room = limit - label->x();
    if (label->x() + label->width() <= limit || room <= 0) {
        return;
    }
    // A single word cannot wrap: the font steps down until the longest word fits.
    constexpr qreal kSmallestPoints = 8;
    QFont font = label->font();
    while (widestWord(label->text(), QFontMetrics(font)) > room &&
           font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label->setFont(font);
    label->setWordWrap(true);
    label->resize(room, label->heightForWidth(room));
}

void makeRoomForColumn(std::span<QLabel* const> first, std::span<QLabel* const> second) {
    int needed = 0;
    for (const QLabel* label : first) {
        needed = std::max(needed, label->x() + widthNeeded(label) + kTextGap);
    }
    int start = std::numeric_limits<int>::max();
    for (const QLabel* label : second) {
        start = std::min(start, label->x());
    }
    if (needed <= start) {
        return;
    }
    for (QLabel* label : second) {
        label->move(label->x() + needed - start, label->y());
    }
}

void setSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    sizeToText(label);
}

void sizeToText(QLabel* label) {
    if (label->wordWrap()) {
        label->resize(label->width(), label->heightForWidth(label->width()));
    } else {
        label->adjustSize();
    }
}

} // namespace ui
