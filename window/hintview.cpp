// hintview.cpp: the hint's outline round a group or a picture button, and its spoken words.
#include "hintview.h"

#include <QCoreApplication>
#include <array>

#include "boardcursor.h"
#include "designview.h"
#include "picturebox.h"

namespace varn {

namespace {

using Members = std::array<bool, kCellCount>;

// The sides of `cell` that face no cell of the group, and the corners where the group turns
// round a cell outside it, so that the cells' outlines join into one round the group.
unsigned outlineOf(const Members& group, int cell) {
    const auto in = [&](int rowStep, int columnStep) {
        const int row = rowOf(cell) + rowStep;
        const int column = columnOf(cell) + columnStep;
        return row >= 0 && row < kBoardSide && column >= 0 && column < kBoardSide &&
               group[static_cast<std::size_t>(cellAt(row, column))];
    };
    const bool top = in(-1, 0), right = in(0, 1), bottom = in(1, 0), left = in(0, -1);
    unsigned outline = 0;
    if (!top) outline |= PictureBox::Top;
    if (!right) outline |= PictureBox::Right;
    if (!bottom) outline |= PictureBox::Bottom;
    if (!left) outline |= PictureBox::Left;
    if (top && left && !in(-1, -1)) outline |= PictureBox::TopLeft;
    if (top && right && !in(-1, 1)) outline |= PictureBox::TopRight;
    if (bottom && right && !in(1, 1)) outline |= PictureBox::BottomRight;
    if (bottom && left && !in(1, -1)) outline |= PictureBox::BottomLeft;
    return outline;
}

}  // namespace

QWidget* HintView::show(const Hint& hint) {
    clear();
    if (hint.action != HintAction::Click) {
        static constexpr std::pair<HintAction, Command> kButtons[] = {
            {HintAction::Mirror, Command::Picture6_Click},
            {HintAction::Left, Command::Picture7_Click},
            {HintAction::Right, Command::picture8_click}};
        for (const auto& [action, command] : kButtons) {
            if (action != hint.action) continue;
            auto* button = static_cast<PictureBox*>(m_view.controlOf(command));
            mark(button, PictureBox::Round);
            m_described = button;
            button->setAccessibleDescription(
                //: What a screen reader reads of the picture button that the hint suggests.
                QCoreApplication::translate("varn::HintView", "Hint: press this button"));
            return button;
        }
        return nullptr;
    }
    Members group{};
    for (const int cell : hint.cells)
        group[static_cast<std::size_t>(cell)] = true;
    for (const int cell : hint.cells)
        mark(m_view.cell(cell), outlineOf(group, cell));
    // Told before the cursor comes, so that a screen reader reads it with the cell.
    m_described = m_view.cell(hint.cell);
    m_described->setAccessibleDescription(clickDescription(hint));
    m_view.cursor()->moveTo(hint.cell);
    return nullptr;
}

QString HintView::clickDescription(const Hint& hint) {
    const auto size = static_cast<int>(hint.cells.size());
    const int points = static_cast<int>(std::min<std::int64_t>(hint.points, 1'000'000));
    //: A group has two pieces or more; a bomb or a ladder counts the pieces it removes.
    const QString group =
        QCoreApplication::translate("varn::HintView", "Hint: a group of %n pieces", nullptr, size);
    //: What the group scores now: 0 for a bomb or a ladder, else three or more.
    const QString worth =
        QCoreApplication::translate("varn::HintView", "%n points now", nullptr, points);
    //: The two parts of what a screen reader reads of the cell that the hint suggests, e.g.
    //: "Hint: a group of 5 pieces, 50 points now".
    return QCoreApplication::translate("varn::HintView", "%1, %2").arg(group, worth);
}

void HintView::clear() {
    for (PictureBox* box : m_marked)
        box->setOutline(0);
    m_marked.clear();
    if (m_described) m_described->setAccessibleDescription(QString());
    m_described = nullptr;
}

void HintView::mark(PictureBox* box, unsigned outline) {
    box->setOutline(outline);
    m_marked.push_back(box);
}

}  // namespace varn
