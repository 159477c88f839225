#include "window/PageControl.h"

#include <QShortcut>

#include <QProxyStyle>
#include <QTabBar>

namespace {

// Tabs with narrow margins, so that every tab's caption fits the window's width whole.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent) {
    setTabPosition(QTabWidget::South);
    setIconSize(QSize(16, 16));
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    auto* style = new CompactTabStyle;
    style->setParent(this);
    tabBar()->setStyle(style);
    tabBar()->setCursor(Qt::PointingHandCursor);
    tabBar()->setExpanding(false);
}

void PageControl::addPage(QWidget* page, const QString& caption, const QIcon& icon, bool shown) {
    m_tabs.insert(page, {caption, icon});
    m_order.append(page);
    addTab(page, icon, caption);
    setTabShown(page, shown);
}

void PageControl::setTabShown(QWidget* page, bool shown) {
    const int index = indexOf(page);
    if (index < 0)
        return;
    if (shown) {
        int place = 0;
        for (QWidget* other : std::as_const(m_order)) {
            if (other == page)
                break;
            place += isTabShown(other) ? 1 : 0;
        }
        tabBar()->moveTab(index, place);
        const Tab& tab = m_tabs.value(page);
        setTabText(place, tab.caption);
        setTabIcon(place, tab.icon);
        setTabVisible(place, true);
    } else {
        // Moved while still shown, so that what the tab row tells of the move names a shown tab.
        const int last = count() - 1;
        tabBar()->moveTab(index, last);
        setTabVisible(last, false);
        setTabText(last, QString());
        setTabIcon(last, QIcon());
    }
}

bool PageControl::isTabShown(QWidget* page) const {
    const int index = indexOf(page);
    return index >= 0 && isTabVisible(index);
}

void PageControl::showNeighbour(int step) {
    const auto count = m_order.size();
    qsizetype at = m_order.indexOf(currentWidget());
    if (at < 0 || count == 0)
        return;
    for (qsizetype tried = 0; tried < count; ++tried) {
        at = ((at + step) % count + count) % count;
        if (isTabShown(m_order[at])) {
            setCurrentWidget(m_order[at]);
            return;
        }
    }
}

void PageControl::addShortcuts(QWidget* window) {
    auto* nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), window);
    connect(nextPage, &QShortcut::activated, this, [this] { showNeighbour(1); });
    auto* previousPage = new QShortcut(window);
    previousPage->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(previousPage, &QShortcut::activated, this, [this] { showNeighbour(-1); });
}
