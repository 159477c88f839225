#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

#include <initializer_list>

class QLabel;

// A page of the page control: the title strip across the top, white strips behind values and
// between columns, and a small picture in the lower right corner.
class PageSheet : public QWidget {
    Q_OBJECT
public:
    // The page title sits on the title strip; its label gets `titleName` as its component name.
    PageSheet(const char* objectName, const char* title, const char* titleHint,
              QWidget* parent = nullptr, const char* titleName = nullptr);

    static constexpr int kWidth = 766;
    static constexpr int kHeight = 354;
    static constexpr int kTitleHeight = 24;
    // The width of the white bar between two columns of rows.
    static constexpr int kDivider = 6;

    // White area painted under the controls, e.g. behind an edit or as a column divider.
    void addStrip(const QRect& rect);
    // The white bar between two columns, its left edge at x, from the title strip down.
    void addColumnDivider(int x);
    // A picture at the lower right corner, `margin` pixels from both edges.
    QLabel* addCornerPicture(const char* resource, int margin = 6);

    // Orders keyboard focus as listed; a listed container stands for its children in their order.
    void setFocusOrder(std::initializer_list<const char*> names);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRect> m_strips;
};
