#pragma once

#include <QPixmap>

namespace ui {

// The program's 32 x 32 picture for the About box and the exit screen: the icon from the
// resources, or the application's window icon while the resources do not carry it.
QPixmap programPicture();

// Where the program's icon lives among the resources.
inline constexpr const char* kProgramIconResource = ":/icon/program-32.png";

} // namespace ui
