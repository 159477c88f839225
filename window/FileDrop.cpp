#include "window/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

FileDrop::FileDrop(QWidget* window)
    : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return true;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        const QString path = urls.first().toLocalFile();
        QTimer::singleShot(0, this, [this, path] { emit dropped(path); });
    }
    return true;
}
