#include "window/ContextMenuEntries.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The entries of one control, owned by it.
class MenuEntries : public QObject {
public:
    explicit MenuEntries(QWidget* control) : QObject(control), control_(control) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this](const QPoint& at) { Show(at); });
        auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), control);
        shiftF10->setContext(Qt::WidgetShortcut);
        connect(shiftF10, &QShortcut::activated, this, [this] { Show(control_->rect().center()); });
    }

    void Add(const QString& text, std::function<void()> open) {
        entries_.emplace_back(text, std::move(open));
    }

    static MenuEntries* Of(QWidget* control) {
        for (QObject* child : control->children()) {
            if (auto* entries = dynamic_cast<MenuEntries*>(child)) return entries;
        }
        return new MenuEntries(control);
    }

private:
    void Show(const QPoint& at) {
        auto* field = qobject_cast<QLineEdit*>(control_);
        const std::unique_ptr<QMenu> menu(field ? field->createStandardContextMenu()
                                                : new QMenu(control_));
        QAction* first = menu->actions().value(0);
        std::vector<QAction*> actions;
        for (const auto& [text, open] : entries_) {
            actions.push_back(new QAction(text, menu.get()));
            menu->insertAction(first, actions.back());
        }
        if (first) menu->insertSeparator(first);
        QAction* picked = menu->exec(control_->mapToGlobal(at));
        // The menu is gone before a dialog opens.
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (picked == actions[i]) entries_[i].second();
        }
    }

    QWidget* control_;
    std::vector<std::pair<QString, std::function<void()>>> entries_;
};

}  // namespace

void AddContextMenuEntry(QWidget* control, const QString& entryText, std::function<void()> open) {
    MenuEntries::Of(control)->Add(entryText, std::move(open));
}

void AddDropDownKeys(QWidget* control, std::function<void()> open) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::ALT | Qt::Key_Down), QKeySequence(Qt::Key_F4)}) {
        auto* shortcut = new QShortcut(keys, control);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, control, open);
    }
}
