#include "ui/links/program_picture.h"

#include <QApplication>
#include <QIcon>

namespace ui {

QPixmap programPicture() {
    QPixmap picture(QString::fromLatin1(kProgramIconResource));
    if (picture.isNull()) {
        picture = QApplication::windowIcon().pixmap(32, 32);
    }
    return picture;
}

} // namespace ui
