#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace test {

// A floor plan as a user would scan or draw it: black walls on white, five rooms named, the
// front door a gap in the bottom wall's middle.
QImage simplePlan(QSize size);

// A picture's file in a format ("PNG", "JPG"), as an image program writes it.
QByteArray pictureFile(const QImage& picture, const char* format);

// A PNG whose header claims a size it does not have: what a decoder would allocate for.
QByteArray pngClaiming(quint32 width, quint32 height);

} // namespace test
