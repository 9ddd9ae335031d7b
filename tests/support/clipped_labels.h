#pragma once

#include <QStringList>

class QWidget;

namespace test {

// The labels, buttons and lists of a window whose text does not fit: too small for it, running
// past the edge of the frame that holds them, or over another text; a list whose widest entry
// would be cut. Pictures and empty labels are left out.
QStringList clippedLabels(const QWidget* window);

} // namespace test
