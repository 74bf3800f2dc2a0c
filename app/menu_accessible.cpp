#include "app/menu_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

constexpr const char* kKeyProperty = "marbixAccessibleKey";

// The menu or menu bar that shows the action.
QWidget* OwnerOf(QAction* action) {
    for (QObject* object : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(object) || qobject_cast<QMenuBar*>(object))
            return static_cast<QWidget*>(object);
    }
    return nullptr;
}

QRect ActionRect(QWidget* owner, QAction* action) {
    QRect r;
    if (auto* menu = qobject_cast<QMenu*>(owner))
        r = menu->actionGeometry(action);
    else if (auto* bar = qobject_cast<QMenuBar*>(owner))
        r = bar->actionGeometry(action);
    return r.translated(owner->mapToGlobal(QPoint(0, 0)));
}

class CMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CMenuItemAccessible(QAction* action, QWidget* owner) : m_action(action), m_owner(owner) {}

    bool isValid() const override { return m_action && m_owner; }
    QObject* object() const override { return m_action; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_owner);
    }
    QAccessibleInterface* child(int index) const override {
        QMenu* menu = m_action->menu();
        return index == 0 && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
    }
    int childCount() const override { return m_action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && m_action->menu() && child->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Name();
        if (t == QAccessible::Accelerator) return Key().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return ActionRect(m_owner, m_action); }
    QAccessible::Role role() const override {
        return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_action->isVisible() || !m_owner->isVisible();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        s.hasPopup = m_action->menu() != nullptr;
        s.focusable = true;
        s.focused = ActiveAction() == m_action;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        if (m_action->isSeparator()) return {};
        return {m_action->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name) || !m_action->isEnabled()) return;
        if (auto* bar = qobject_cast<QMenuBar*>(m_owner))
            bar->setActiveAction(m_action);
        else
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const QKeySequence key = Key();
        if (!actionNames().contains(name) || key.isEmpty()) return {};
        return {key.toString(QKeySequence::NativeText)};
    }

private:
    QAction* ActiveAction() const {
        if (auto* menu = qobject_cast<QMenu*>(m_owner)) return menu->activeAction();
        if (auto* bar = qobject_cast<QMenuBar*>(m_owner)) return bar->activeAction();
        return nullptr;
    }
    QString Name() const {
        QString text = m_action->text();
        text = text.section(QLatin1Char('\t'), 0, 0);
        for (int i = 0; i < text.size(); ++i)
            if (text.at(i) == QLatin1Char('&')) text.remove(i, 1);
        return text;
    }
    // The command's key; an item without one is reached by its access key.
    QKeySequence Key() const {
        const auto key = m_action->property(kKeyProperty).value<QKeySequence>();
        return key.isEmpty() ? QKeySequence::mnemonic(m_action->text()) : key;
    }

    QPointer<QAction> m_action;
    QPointer<QWidget> m_owner;
};

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction")) return nullptr;
    auto* action = static_cast<QAction*>(object);
    QWidget* owner = OwnerOf(action);
    return owner ? new CMenuItemAccessible(action, owner) : nullptr;
}

} // namespace

void InstallMenuAccessibility() {
    QAccessible::installFactory(MenuItemFactory);
}

void SetAccessibleKey(QAction* action, const QKeySequence& key) {
    action->setProperty(kKeyProperty, QVariant::fromValue(key));
}
