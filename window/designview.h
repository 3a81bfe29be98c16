// designview.h: the design built from its table on a window's inside, and scaled with it.
#pragma once

#include <QCursor>
#include <QObject>
#include <QPixmap>
#include <array>
#include <vector>

#include "boardtables.h"
#include "command.h"
#include "designscale.h"
#include "gamewindow.h"
#include "picturebox.h"
#include "piece.h"

class QMainWindow;

namespace varn {

struct Control;
class BoardCursor;
class DesignPictures;
class PictureProvider;

// Every control of the design and the cells, placed at the design's twips times one scale,
// which follows the size of the window's inside; the design lies centred on it. Whatever the
// player clicks or presses is reported as the command that the design gives it.
class DesignView : public QObject {
    Q_OBJECT

  public:
    // The pictures come from `pictures`, which must outlive the view.
    DesignView(QMainWindow& window, PictureProvider& pictures);

    const DesignScale& scale() const { return m_scale; }
    // Places every control anew and draws the pictures on the screen when the scale changes;
    // otherwise only centres the design on the window's inside.
    void applyScale(const DesignScale& scale);
    // A translation longer than the English shrinks its font just enough.
    void fitTexts();

    template <typename T = QWidget>
    T* control(const char* name) const {
        return m_design->findChild<T*>(QString::fromLatin1(name));
    }
    PictureBox* boardFrame() const { return m_boardFrame; }
    PictureBox* cell(int index) const { return m_cells[index]; }
    BoardCursor* cursor() const { return m_cursor; }
    // The control that gives `command`, if any.
    QWidget* controlOf(Command command) const;
    // `pattern` in `cell`, kept over every change of scale.
    void showPattern(int cell, int pattern);
    void placeCell(int cell, const QRect& twips);
    void setPointer(Pointer pointer);

  signals:
    // `cell` counts for the cells' command only.
    void handlerCalled(Command command, int cell);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placed {
        const Control* design;
        QWidget* widget;
        bool pictureDue = false;  // its picture is not drawn at the current scale yet
        bool fitDue = false;      // nor its text fitted
    };

    void buildControls();
    QWidget* buildControl(const Control& design, QWidget* parent);
    QWidget* buildBox(const Control& design, QWidget* parent);
    void wireControl(const Control& design, QWidget* widget);
    void buildCells();
    void orderKeys();
    void placeControls();
    void showPictures();
    void showPointer();
    void bringUpToDate(Placed& placed);

    QMainWindow& m_window;
    DesignPictures* m_pictures;
    DesignScale m_scale;
    bool m_placed = false;               // at a scale yet
    PictureBox* m_surface = nullptr;     // the window's inside, on which the design is centred
    PictureBox* m_design = nullptr;      // the design's own surface, at the design's size
    std::vector<Placed> m_controls;      // in the order of the table of controls
    PictureBox* m_boardFrame = nullptr;  // holds the cells and the keyboard
    QWidget* m_cellArea = nullptr;       // the frame's inside, where the cells lie
    std::array<PictureBox*, kCellCount> m_cells{};  // Element
    BoardCursor* m_cursor = nullptr;
    std::array<QRect, kCellCount> m_cellPlaces{};  // in twips, as the rules placed them
    std::array<int, kCellCount> m_cellPatterns{};  // -1 before a picture is shown
    QCursor m_ownPointer;
    Pointer m_pointer = Pointer::Custom;
};

}  // namespace varn
