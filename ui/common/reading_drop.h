#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace ui {

// The saved reading that dragged data carries: one local file whose name ends in .fsc, in any
// case, as file managers hand it over. Empty text for anything else.
QString droppedReadingPath(const QMimeData* data);

// Lets a window take a saved reading dropped on it from the desktop. Dragged files that are
// not one saved reading are refused, so the cursor shows no drop: also over the window's edit
// boxes, which would otherwise type the file's name. Dragged text is left to them.
class ReadingDrop : public QObject {
    Q_OBJECT

public:
    // Watches the window and everything in it; the window is its parent.
    explicit ReadingDrop(QWidget* window);

signals:
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ui
