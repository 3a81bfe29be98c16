// namedialog.h: asks for the name that a score enters the table of the best games with.
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QLineEdit;

namespace varn {

// Filled with the proposed name, all of it selected so that typing replaces it. Return accepts
// what stands there; Escape or closing the dialog keeps the proposed name. Below the field
// stand the names used before, each a button that puts it in the field and the keys on "OK",
// and "Keyboard", which opens a keyboard on the screen under the field: with those a name is
// entered with a controller alone.
class NameDialog : public QDialog {
    Q_OBJECT

  public:
    NameDialog(const QString& proposed, int rank, std::int64_t score,
               const QStringList& usedBefore = {}, QWidget* parent = nullptr);

    // The name to enter: what the player accepted, or the proposed one. Blanks alone are no
    // name either.
    QString name() const;

  private:
    QString m_proposed;
    QLineEdit* m_name;
};

}  // namespace varn
