// scorename.h: what a screen reader calls a score label.
#pragma once

#include <QString>

namespace varn {

// "Score 12" or "High score 40" in the player's language. The digits are read out as the
// label shows them, never in the language's own numerals, and pick the plural form.
QString scoreName(bool highScore, const QString& digits);

}  // namespace varn
