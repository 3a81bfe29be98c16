// commandrouter.cpp: the window's handlers by command, and what comes before and after them.
#include "commandrouter.h"

#include "challengecontrol.h"
#include "form1.h"
#include "gamesession.h"
#include "hintcontrol.h"
#include "watchplayer.h"
#include "windowsettings.h"
#include "windowzoom.h"

namespace varn {

// The window's own handlers; the rules run the rest of their commands. A command of the window
// without a handler here does not build.
CommandRouter::Handler CommandRouter::handlerOf(Command command) {
    using P = const Parts&;
    static constexpr Handlers<Handler> own = byCommand<Handler>({
        {Command::form_click, [](P m, int, bool) { m.form.form_click(); }},
        {Command::Element_Click, [](P m, int cell, bool) { m.form.playCell(cell); }},
        {Command::pomoc_Click, [](P m, int, bool) { m.form.pomoc_Click(); }},
        {Command::Command5_Click, [](P m, int, bool) { m.form.Command5_Click(); }},
        {Command::Command6_Click, [](P m, int, bool) { m.form.Command6_Click(); }},
        {Command::gameNumber_Click, [](P m, int, bool) { m.form.gameNumber_Click(); }},
        {Command::challenge_Click, [](P m, int, bool) { m.form.challenge_Click(); }},
        {Command::scores_Click, [](P m, int, bool) { m.form.scores_Click(); }},
        {Command::copyCode_Click, [](P m, int, bool) { m.form.copyCode_Click(); }},
        {Command::watchCode_Click, [](P m, int, bool) { m.form.watchCode_Click(); }},
        {Command::review_Click, [](P m, int, bool) { m.form.review_Click(); }},
        {Command::hint_Click, [](P m, int, bool) { m.form.hint_Click(); }},
        {Command::sound_Click, [](P m, int, bool on) { m.session.sound().setOn(on); }},
        {Command::zoomIn_Click, [](P m, int, bool) { m.zoom.zoomIn(); }},
        {Command::zoomOut_Click, [](P m, int, bool) { m.zoom.zoomOut(); }},
        {Command::actualSize_Click, [](P m, int, bool) { m.zoom.actualSize(); }},
        {Command::fullScreen_Click, [](P m, int, bool on) { m.zoom.setFullScreen(on); }},
        // Its item keeps the choice, which counts at the next start.
        {Command::continue_Click, [](P, int, bool) {}},
    });
    static_assert(handlesEvery(own, false), "a command of the window's has no handler");
    return own[indexOf(command)];
}

void CommandRouter::run(Command command, int cell, bool checked) {
    if (refusedWhileWatching(command)) return;
    if (command == Command::ng_click && !m.challenge.mayLeave()) return;
    // Whatever the rules do, the game the hint was for is gone.
    if (commandRow(command).rules) m.hint.clear();
    if (const Handler handler = handlerOf(command)) {
        handler(m, cell, checked);
    } else {
        perform(m.session.game(), command, cell);
    }
    if (commandRow(command).setting) m.settings.save();
}

bool CommandRouter::refusedWhileWatching(Command command) const {
    const bool allowed = commandRow(command).setting || command == Command::pomoc_Click ||
                         command == Command::Command5_Click || command == Command::Command6_Click;
    if (!m.watch.watching() || allowed) return false;
    m.form.beep();
    return true;
}

}  // namespace varn
