#pragma once

#include <QLabel>

namespace ui {

// A label that acts as a web link: a pointing hand over it, reachable with Tab, and activated
// by a click or by Space or Enter while it has the focus. Its colour, boldness and underline
// come from the form that places it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
