#pragma once

// The pictures and the icon embedded in the program, found by what the program knows them by.

#include "assets/picture_catalogue.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string_view>
#include <vector>

namespace assets {

// The resource path of a list's picture, ":/pictures/colour-off-white.jpg" for the colour
// "Off White"; a null string for anything that is not exactly a key of that list.
QString picturePath(PictureList list, std::string_view key);

// The resource path of the icon drawn at that size, ":/icon/program-32.png"; a null string
// for a size it is not drawn at (see ProgramIconSizes).
QString programIconPath(int size);

// A drawing of an icon: a PNG file and the size it is drawn at.
struct PngDrawing {
    QString path;
    QSize size;
};

// A PNG file as a picture, read as the PNG it is, without asking every image plugin.
QPixmap readPng(const QString& path);

// An icon of PNG drawings, each read only when a size it answers is first asked for; a larger
// request is answered by the largest drawing. The window system is offered the sizes up to
// `largestOffered`.
QIcon pngIcon(std::vector<PngDrawing> drawings, int largestOffered);

// The program's icon for the windows' title bars and task switchers: it offers the sizes up to
// 64 pixels, and answers a larger request from the larger drawings.
QIcon programIcon();

} // namespace assets
