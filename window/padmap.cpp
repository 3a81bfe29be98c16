// padmap.cpp: finding a screen's buttons by their role and name, so that the dialogs and the
// watch bar need not know of controllers.
#include "padmap.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QToolBar>
#include <vector>

namespace varn {

namespace {

// The dialog's own default, as it stood when first asked, before the keys moved over its
// buttons: a button that is its dialog's default only while it holds the keys would move
// Start's glyph about. A button box makes its first accepting button the default where the
// dialog names none; a question's default is its safe answer.
QPushButton* designatedDefault(QWidget& dialog) {
    const QVariant kept = dialog.property("varnPadDefault");
    if (kept.isValid()) return qobject_cast<QPushButton*>(kept.value<QObject*>());
    QPushButton* found = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isDefault()) found = button;
    }
    dialog.setProperty("varnPadDefault", QVariant::fromValue<QObject*>(found));
    return found;
}

}  // namespace

QAbstractButton* dialogButton(QWidget& dialog, PadButton button) {
    QAbstractButton* start = designatedDefault(dialog);
    QAbstractButton* close = nullptr;
    std::vector<QAbstractButton*> acting;
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        if (!box->isVisibleTo(&dialog)) continue;
        for (QAbstractButton* each : box->buttons()) {
            const QDialogButtonBox::ButtonRole role = box->buttonRole(each);
            if (role == QDialogButtonBox::RejectRole && !close) close = each;
            if (role == QDialogButtonBox::ActionRole && each != start) acting.push_back(each);
        }
    }
    switch (button) {
        case PadButton::Start:
            return start;
        case PadButton::B:
            return close;
        case PadButton::X:
            return acting.size() > 0 ? acting[0] : nullptr;
        case PadButton::Y:
            return acting.size() > 1 ? acting[1] : nullptr;
        default:
            return nullptr;
    }
}

QAction* watchAction(QWidget& window, PadButton button) {
    const auto* bar = window.findChild<QToolBar*>(QStringLiteral("watchBar"));
    if (!bar || !bar->isVisible()) return nullptr;
    const char* name = button == PadButton::A   ? "pause"
                       : button == PadButton::X ? "step"
                       : button == PadButton::Y ? "faster"
                       : button == PadButton::B ? "stopWatching"
                                                : nullptr;
    return name ? bar->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

}  // namespace varn
