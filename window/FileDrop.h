#pragma once

#include <QObject>

class QWidget;

// A file dragged from the desktop onto the window: one file of this computer is taken, and
// opened once the drop is over, so that a question or an error box does not hold the drag up.
class FileDrop : public QObject {
    Q_OBJECT
public:
    explicit FileDrop(QWidget* window);

signals:
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
