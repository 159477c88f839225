#include "app/Accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
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

} // namespace Accessibility
