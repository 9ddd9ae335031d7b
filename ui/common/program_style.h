#pragma once

#include <QProxyStyle>

class QApplication;

namespace ui {

// The desktop's own style, with one difference on Qt 6.4's Fusion: two of its own pictures,
// the menu bar's overflow arrow and the group boxes' frame, are read as the PNGs they are. Fusion
// reads them by file name, and a reader that is not told the format loads every image plugin
// there is (GIF, ICO, JPEG, SVG where installed) to ask each one, before the first window
// shows. The arrow is read only if it is ever drawn, which a menu bar that fits never does. On
// any other Qt version or style everything is the style's own.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    bool fusionOfQt64_ = false;
};

// Gives the program's windows that style and the program's font, in that order: setting a
// style hands labels and buttons the desktop theme's fonts again (Qt 6.4, seen under qt6ct),
// and only the application's font set after it replaces them.
void useProgramLook(QApplication& application);

} // namespace ui
