#pragma once

#include <QWidget>

// The strip across the top of the window: the program's title and its author on the banner
// picture, the game's emblem at the right end.
class Banner : public QWidget {
    Q_OBJECT
public:
    explicit Banner(QWidget* parent = nullptr);

    static constexpr int kHeight = 57;
};
