#include "ui/common/plain_text_box.h"

#include <QMimeData>

namespace ui {
namespace {

bool carriesText(const QMimeData* source) {
    return source != nullptr && !source->formats().isEmpty() && source->hasText();
}

} // namespace

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return carriesText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    if (carriesText(source)) {
        QPlainTextEdit::insertFromMimeData(source);
    }
}

} // namespace ui
