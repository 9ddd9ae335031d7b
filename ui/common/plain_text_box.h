#pragma once

#include <QPlainTextEdit>

namespace ui {

// A multi-line text box that takes only text from a paste or a drop.
//
// Qt 6.4.2 (Debian 12's, and the one our Windows build is made from) asks pasted or dropped
// data for its first format without checking that it has any, and an empty clipboard on X11
// hands over exactly that: data with no formats at all. Ctrl+V, Shift+Insert or the context
// menu's Paste then crash the program inside Qt. This box refuses such data, and anything
// else without text, before Qt reads it.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace ui
