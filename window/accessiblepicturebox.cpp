// accessiblepicturebox.cpp: the role, state and press action of a picture button.
#include "accessiblepicturebox.h"

#include "picturebox.h"

namespace varn {

AccessiblePictureBox::AccessiblePictureBox(PictureBox* box)
    : QAccessibleWidget(box, QAccessible::Button) {}

PictureBox* AccessiblePictureBox::box() const {
    return static_cast<PictureBox*>(widget());
}

QAccessible::State AccessiblePictureBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    if (box()->cursorShown()) state.focused = true;
    return state;
}

QStringList AccessiblePictureBox::actionNames() const {
    // The press comes first: it is the default action.
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessiblePictureBox::doAction(const QString& action) {
    if (action == pressAction()) {
        box()->click();
    } else {
        QAccessibleWidget::doAction(action);
    }
}

QAccessibleInterface* AccessiblePictureBox::factory(const QString&, QObject* object) {
    auto* box = qobject_cast<PictureBox*>(object);
    return box && box->isButton() ? new AccessiblePictureBox(box) : nullptr;
}

}  // namespace varn
