#include "ui/common/reading_drop.h"

#include "ui/common/reading_file_io.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace ui {

QString droppedReadingPath(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    const QList<QUrl> urls = data->urls();
    // A file on another machine (file://host/share/...) is no local file, whatever Qt says;
    // nor is one whose host hides in its path (file:////host/share/..., which Qt 6.4 reads with
    // no host and turns into //host/share/...), which Windows would fetch from that host, nor
    // a path into the Windows device space (\\.\pipe\...).
    if (urls.size() != 1 || !urls.front().isLocalFile() || !urls.front().host().isEmpty()) {
        return {};
    }
    const QString path = urls.front().toLocalFile();
    const auto separator = [&path](qsizetype i) {
        return path.size() > i && (path[i] == QLatin1Char('/') || path[i] == QLatin1Char('\\'));
    };
    const bool elsewhere = separator(0) && separator(1);
    return !elsewhere && hasReadingFileSuffix(path) ? path : QString();
}

ReadingDrop::ReadingDrop(QWidget* window) : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool ReadingDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) {
        return false;
    }
    const QString path = droppedReadingPath(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    // A copy, where the source offers one: a file manager deletes the file after a move.
    drop->setDropAction(drop->possibleActions().testFlag(Qt::CopyAction) ? Qt::CopyAction
                                                                         : drop->proposedAction());
    drop->accept();
    if (type == QEvent::Drop) {
        // Opened once the drop is over: the file manager waits for it to end, and opening
        // may ask the user a question.
        QTimer::singleShot(0, this, [this, path] { emit dropped(path); });
    }
    return true;
}

} // namespace ui
