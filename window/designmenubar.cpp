// designmenubar.cpp: menus, items, their keys and handlers from the design table.
#include "designmenubar.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <string_view>

#include "designtable.h"

namespace varn {

DesignMenuBar::DesignMenuBar(QMenuBar& bar, Run run) : m_run(std::move(run)) {
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : designTable().menus) {
        const QString text = QCoreApplication::translate("varn::Form1", entry.text);
        QAction* action = nullptr;
        if (entry.kind == MenuEntry::Kind::Separator) {
            menu->addSeparator();
            continue;
        }
        if (entry.kind == MenuEntry::Kind::Item) {
            action = menu->addAction(text);
        } else if (entry.handler) {
            action = bar.addAction(text);  // acts straight from the bar, without a menu
        } else {
            menu = bar.addMenu(text);
            menu->setObjectName(QString::fromLatin1(entry.name));
            continue;
        }
        action->setObjectName(QString::fromLatin1(entry.name));
        if (entry.keys)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(entry.keys)));
        action->setCheckable(entry.checkable);
        add(action, entry.handler);
    }
}

void DesignMenuBar::add(QAction* action, const char* handler) {
    QObject::connect(action, &QAction::triggered,
                     [this, handler](bool checked) { m_run(handler, checked); });
    m_actions.emplace_back(handler, action);
}

QAction* DesignMenuBar::action(const char* handler) const {
    for (const auto& [name, action] : m_actions) {
        if (std::string_view(name) == handler) return action;
    }
    return nullptr;
}

}  // namespace varn
