// designmenubar.h: the window's menus, built from the command table.
#pragma once

#include <array>
#include <functional>

#include "command.h"

class QAction;
class QMenuBar;

namespace varn {

// Each item gives its command, with its check state.
class DesignMenuBar {
  public:
    using Run = std::function<void(Command command, bool checked)>;

    DesignMenuBar(QMenuBar& bar, Run run);

    // The item that gives `id`; asking for a command that has none does not build.
    template <Command id>
    QAction& item() const {
        static_assert(commandRow(id).item.menu != Menu::None, "the command has no menu item");
        return *m_items[indexOf(id)];
    }

  private:
    void add(QAction* action, const CommandRow& row);

    Run m_run;
    std::array<QAction*, kCommandCount> m_items{};
};

}  // namespace varn
