// commandrouter.h: how a command reaches its handler, the window's own or the rules'.
#pragma once

#include "command.h"

namespace varn {

class ChallengeControl;
class Form1;
class GameSession;
class HintControl;
class WatchPlayer;
class WindowSettings;
class WindowZoom;

// Every menu item, key, click and assistive tool's press comes here as a command. While a game
// is watched, only the settings, the view and the help are given; whatever changes the game puts
// the hint away first; a command that leaves a challenge asks first; a setting is written as soon
// as it changes.
class CommandRouter {
  public:
    struct Parts {
        Form1& form;
        GameSession& session;
        WindowZoom& zoom;
        WindowSettings& settings;
        HintControl& hint;
        ChallengeControl& challenge;
        WatchPlayer& watch;
    };
    explicit CommandRouter(const Parts& parts) : m(parts) {}

    // `cell` counts for the cells' command only, `checked` for a checkable item.
    void run(Command command, int cell = 0, bool checked = false);

  private:
    using Handler = void (*)(const Parts&, int cell, bool checked);

    // The window's handler of `command`; none for a command that the rules run.
    static Handler handlerOf(Command command);
    bool refusedWhileWatching(Command command) const;

    Parts m;
};

}  // namespace varn
