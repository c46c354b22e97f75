// The accessible face of a menu item, built on QAction, QMenu and QMenuBar's public interfaces.
#include "common/qt/accessible_menu_item.h"

#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWindow>

namespace common::qt {
namespace {

// The menu or menu bar that shows the action, as Qt's own menus tell their items.
QWidget* ShownIn(QAction* action) {
    for (QObject* holder : action->associatedObjects()) {
        auto* widget = qobject_cast<QWidget*>(holder);
        if ((qobject_cast<QMenu*>(widget) != nullptr || qobject_cast<QMenuBar*>(widget) != nullptr) &&
            widget->actions().contains(action)) {
            return widget;
        }
    }
    return nullptr;
}

// A caption as shown: "&&" is an ampersand, a lone "&" marks the access key.
QString WithoutAccessKeyMark(const QString& caption) {
    QString shown;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == QLatin1Char('&')) {
            ++at;
            if (at == caption.size()) {
                break;
            }
        }
        shown += caption[at];
    }
    return shown;
}

class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAction* action, QWidget* owner) : action_(action), owner_(owner) {}

    bool isValid() const override { return action_ != nullptr && owner_ != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        const QWidget* native = owner_ == nullptr ? nullptr : owner_->window();
        return native == nullptr ? nullptr : native->windowHandle();
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner_); }
    int childCount() const override { return action_->menu() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu() != nullptr ? QAccessible::queryAccessibleInterface(action_->menu())
                                                        : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->role() == QAccessible::PopupMenu && child->object() == action_->menu() ? 0
                                                                                                                 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* submenu = child(0);
        return submenu != nullptr && submenu->rect().contains(x, y) ? submenu : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return WithoutAccessKeyMark(action_->text());
        }
        if (kind == QAccessible::Accelerator) {
            return action_->shortcut().isEmpty() ? AccessKey() : action_->shortcut().toString();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QRect shown;
        if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
            shown = bar->actionGeometry(action_).translated(bar->mapToGlobal(QPoint(0, 0)));
        } else if (auto* menu = qobject_cast<QMenu*>(owner_)) {
            shown = menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0)));
        }
        return shown;
    }
    QAccessible::Role role() const override {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.invisible = !owner_->testAttribute(Qt::WA_WState_Visible) || !action_->isVisible();
        if (auto* menu = qobject_cast<QMenu*>(owner_)) {
            state.focused = menu->activeAction() == action_;
        } else if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
            state.focused = bar->activeAction() == action_;
        }
        state.hotTracked = owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, owner_);
        state.disabled = action_->isSeparator() || !action_->isEnabled();
        state.checked = action_->isChecked();
        state.checkable = action_->isCheckable();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override {
        if (action_->isSeparator()) {
            return {};
        }
        return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) {
            return;
        }
        if (name == pressAction()) {
            action_->trigger();
        } else if (name == showMenuAction()) {
            if (action_->menu() != nullptr && action_->menu()->isVisible()) {
                action_->menu()->hide();
            } else if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
                bar->setActiveAction(action_);
            } else if (auto* menu = qobject_cast<QMenu*>(owner_)) {
                menu->setActiveAction(action_);
            }
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {KeyBinding()}; }

private:
    // "access key;;shortcut", the form in which Orca tells a shortcut apart from an access key;
    // an item without a shortcut is told by its access key alone, as Qt tells it.
    QString KeyBinding() const {
        const QKeySequence shortcut = action_->shortcut();
        return shortcut.isEmpty() ? AccessKey() : AccessKey() + QStringLiteral(";;") + shortcut.toString();
    }
    QString AccessKey() const { return QKeySequence::mnemonic(action_->text()).toString(); }

    QPointer<QAction> action_;
    QPointer<QWidget> owner_;
};

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || action == nullptr) {
        return nullptr;
    }
    QWidget* owner = ShownIn(action);
    return owner == nullptr ? nullptr : new MenuItemAccessible(action, owner);
}

}  // namespace

void InstallMenuItemAccessibility() { QAccessible::installFactory(&MenuItemFactory); }

}  // namespace common::qt
