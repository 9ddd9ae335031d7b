#include "ui/common/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>

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

void fixSizeAndCentre(QWidget* window) {
    window->setFixedSize(window->size());
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            window->screen()->availableGeometry()));
}

void insertHost(QWidget* control, const char* host) {
    const QString text = control->property("text").toString();
    control->setProperty("text", text.arg(QString::fromUtf8(host)));
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
