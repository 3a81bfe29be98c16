// designmenubar.h: the window's menus, built from the design table.
#pragma once

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenuBar;

namespace varn {

// Each item calls its handler by the design's name for it, with its check state.
class DesignMenuBar {
  public:
    using Run = std::function<void(const char* handler, bool checked)>;

    DesignMenuBar(QMenuBar& bar, Run run);

    // The item or bar command that calls `handler`.
    QAction* action(const char* handler) const;

  private:
    void add(QAction* action, const char* handler);

    Run m_run;
    std::vector<std::pair<const char*, QAction*>> m_actions;
};

}  // namespace varn
