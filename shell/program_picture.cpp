#include "shell/program_picture.h"

#include <QApplication>
#include <QIcon>

namespace shell {

QPixmap programPicture() {
    QPixmap picture(QString::fromLatin1(kProgramIconResource));
    if (picture.isNull()) {
        picture = QApplication::windowIcon().pixmap(32, 32);
    }
    return picture;
}

} // namespace shell
