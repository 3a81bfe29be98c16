// designmenubar.cpp: menus, items, their keys and commands from the command table.
#include "designmenubar.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace varn {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("varn::Form1", text);
}

}  // namespace

DesignMenuBar::DesignMenuBar(QMenuBar& bar, Run run) : m_run(std::move(run)) {
    for (const MenuTitle& title : kMenuTitles) {
        QMenu* menu = bar.addMenu(translated(title.text));
        menu->setObjectName(QString::fromLatin1(title.name));
        for (const CommandRow& row : kCommands) {
            if (row.item.menu != title.menu) continue;
            if (row.item.separated) menu->addSeparator();
            add(menu->addAction(translated(row.item.text)), row);
        }
    }
    // After the menus, the commands that act straight from the bar.
    for (const CommandRow& row : kCommands) {
        if (row.item.menu == Menu::Bar) add(bar.addAction(translated(row.item.text)), row);
    }
}

void DesignMenuBar::add(QAction* action, const CommandRow& row) {
    action->setObjectName(QString::fromLatin1(row.item.name));
    if (row.item.keys)
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.item.keys)));
    action->setCheckable(row.item.checkable);
    QObject::connect(action, &QAction::triggered,
                     [this, id = row.id](bool checked) { m_run(id, checked); });
    m_items[indexOf(row.id)] = action;
}

}  // namespace varn
