#include "window/Accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QWidget>
#include <QWindow>

namespace {

// A caption as it reads: "&&" is an ampersand, a single '&' only marks the access letter.
QString withoutMnemonic(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        text.append(caption[i]);
    }
    return text;
}

// A menu item that has a hint. Qt's own menu item reports no description and cannot be extended
// (its class is private), so this one stands in for it: the same role, name, state, place and
// "Press" action, and the hint as description. Items without a hint, separators and the menu
// bar's titles keep Qt's own.
class HintedMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    HintedMenuItem(QAction* action, QMenu* menu)
        : m_action(action)
        , m_menu(menu) {}

    bool isValid() const override { return m_action && m_menu; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override {
        if (!m_menu)
            return nullptr;
        if (QWindow* own = m_menu->windowHandle())
            return own;
        return m_menu->window()->windowHandle();
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_menu.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override {
        if (!m_action)
            return {};
        switch (kind) {
        case QAccessible::Name:
            return withoutMnemonic(m_action->text());
        case QAccessible::Description:
            return m_action->statusTip();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!m_menu || !m_action)
            return {};
        return m_menu->actionGeometry(m_action).translated(m_menu->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!m_action || !m_menu)
            return s;
        s.invisible = !m_menu->isVisible() || !m_action->isVisible();
        s.focused = m_menu->activeAction() == m_action;
        s.disabled = !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (m_action && m_action->isEnabled() && name == pressAction())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> m_action;
    QPointer<QMenu> m_menu;
};

// A tab of the page control. Only shown tabs have one: a page whose tab is hidden is not offered
// to a screen reader as a nameless tab.
class ShownTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ShownTab(QTabBar* bar, int index)
        : m_bar(bar)
        , m_index(index) {}

    bool isValid() const override {
        return m_bar && m_index < m_bar->count() && m_bar->isTabVisible(m_index);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? withoutMnemonic(m_bar->tabText(m_index))
                                                      : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focusable = true;
        s.focused = s.selected && m_bar->hasFocus();
        s.invisible = !m_bar->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return m_index; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// The page control's tab row: its shown tabs, in their order.
class ShownTabs : public QAccessibleWidget {
public:
    explicit ShownTabs(QTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~ShownTabs() override {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<int> tabs = shown();
        if (index < 0 || index >= tabs.size())
            return nullptr;
        const int tab = tabs[index];
        if (QAccessible::Id id = m_tabs.value(tab))
            return QAccessible::accessibleInterface(id);
        auto* face = new ShownTab(bar(), tab);
        m_tabs.insert(tab, QAccessible::registerAccessibleInterface(face));
        return face;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child->role() == QAccessible::PageTab)
            return static_cast<int>(shown().indexOf(static_cast<const ShownTab*>(child)->index()));
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* tab = child(i); tab->rect().contains(x, y))
                return tab;
        return nullptr;
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(object()); }
    QList<int> shown() const {
        QList<int> tabs;
        for (int i = 0; i < bar()->count(); ++i)
            if (bar()->isTabVisible(i))
                tabs.append(i);
        return tabs;
    }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

bool isPageControlBar(QObject* object) {
    return qobject_cast<QTabBar*>(object) && object->parent() &&
           object->parent()->inherits("PageControl");
}

QAccessibleInterface* shownTabs(const QString& className, QObject* object) {
    if (className != QLatin1String("QTabBar") || !isPageControlBar(object))
        return nullptr;
    return new ShownTabs(static_cast<QTabBar*>(object));
}

QAccessibleInterface* hintedMenuItems(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || action->statusTip().isEmpty() ||
        action->isSeparator() || action->menu())
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new HintedMenuItem(action, menu);
    return nullptr;
}

} // namespace

namespace Accessibility {

void describeByHints(QWidget* root) {
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->statusTip().isEmpty() && widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(widget->statusTip());
    }
    // The typing field is what has the focus while the user types into the box.
    for (QWidget* widget : widgets) {
        auto* box = qobject_cast<QComboBox*>(widget);
        QLineEdit* field = box ? box->lineEdit() : nullptr;
        if (!field)
            continue;
        if (field->accessibleName().isEmpty())
            field->setAccessibleName(box->accessibleName());
        if (field->accessibleDescription().isEmpty())
            field->setAccessibleDescription(box->accessibleDescription());
    }
}

void describeMenuItemsByHints() {
    static const bool installed = [] {
        QAccessible::installFactory(hintedMenuItems);
        return true;
    }();
    Q_UNUSED(installed);
}

void offerShownTabsOnly() {
    static const bool installed = [] {
        QAccessible::installFactory(shownTabs);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Accessibility
