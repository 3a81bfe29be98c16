// helptext.h: the text of the help panel.
#pragma once

#include <QString>
#include <string>

namespace varn {

// The welcome line, the rules with our credit in front, and the farewell, joined by carriage
// returns, in the player's language, as UTF-8.
std::string helpText();

// The help's page of controls, as rich text: the keys of the menus and the board, the
// controller's buttons from the command table's controller column, each drawn by the image
// "glyph:N" of PadButton N, `glyphHeight` pixels tall, and a few words on the hint, today's
// challenge and game codes.
QString controlsHelp(int glyphHeight);

}  // namespace varn
