#pragma once

#include <QStringList>

class QWidget;

namespace test {

// The labels of a window whose text does not fit: too small for it, or running past the edge
// of the frame that holds them. Pictures and empty labels are left out.
QStringList clippedLabels(const QWidget* window);

} // namespace test
