#pragma once

#include <QHash>
#include <QIcon>
#include <QTabWidget>

// The page control: tabs along the bottom edge. A page whose tab is hidden can still be made the
// current page; while hidden its tab carries no text and no icon, so that nothing of it is drawn,
// and stands behind the shown ones, so that a shown tab's index is its place in the row.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption, const QIcon& icon, bool shown = true);
    void setTabShown(QWidget* page, bool shown);
    bool isTabShown(QWidget* page) const;
    // Makes current the page `step` places on (back when negative) among those whose tabs are
    // shown, going round; from a page whose tab is hidden, counted from where its tab would stand.
    void showNeighbour(int step);
    // Ctrl+Tab and Ctrl+Shift+Tab change page wherever the focus is in `window`, not only inside
    // the pages.
    void addShortcuts(QWidget* window);

private:
    struct Tab {
        QString caption;
        QIcon icon;
    };
    QHash<QWidget*, Tab> m_tabs;
    QList<QWidget*> m_order; // the pages in the order their tabs stand when shown
};
