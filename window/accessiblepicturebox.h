// accessiblepicturebox.h: what assistive tools see of a picture box that acts as a button.
#pragma once

#include <QAccessibleWidget>

namespace varn {

class PictureBox;

// A button with a press action that clicks the box. A board cell under the keyboard cursor
// reports itself focused, so a screen reader follows the cursor from cell to cell.
class AccessiblePictureBox : public QAccessibleWidget {
  public:
    explicit AccessiblePictureBox(PictureBox* box);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // For QAccessible::installFactory: an interface for every picture box that is a button.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

  private:
    PictureBox* box() const;
};

}  // namespace varn
