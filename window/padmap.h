// padmap.h: where a controller's button lands on the screens that the window does not build
// itself: the dialogs' buttons by their role, and the watch bar's controls by their names.
#pragma once

#include "padreader.h"

class QAbstractButton;
class QAction;
class QWidget;

namespace varn {

// In a dialog, A presses whatever holds the keys and B closes the dialog as Escape does. The
// buttons of its button boxes take the rest by their role: Start the dialog's default button,
// X and Y the first two others that act, and B the one that closes, each of which carries its
// glyph. Null where the dialog has no such button.
QAbstractButton* dialogButton(QWidget& dialog, PadButton button);

// The watch bar's controls (WatchPlayer): A pauses, X steps, Y goes faster and B stops
// watching. Null where the window has no such control, or while it is hidden.
QAction* watchAction(QWidget& window, PadButton button);

}  // namespace varn
