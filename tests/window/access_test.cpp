// access_test.cpp: the window played with keys alone and read through Qt's accessibility.
#include <QPainter>
#include <map>

#include "form1fixture.h"
#include "paintcounter.h"

namespace varn::test {
namespace {

TEST_F(Form1Test, KeysAloneGoRoundTheControlsAndPlayAMove) {
    setBoard(kLShape);
    ASSERT_EQ(QApplication::focusWidget(), control("picture1"));
    EXPECT_FALSE(ringed(cell(0))) << "no cursor before a key is used";
    for (const char* name : {"Picture6", "Picture7", "Picture8", "Command1", "picture1"}) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(name)) << name;
    }
    type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("Command1"));
    type(Qt::Key_Tab);
    type(Qt::Key_Up);
    type(Qt::Key_Left);
    EXPECT_TRUE(ringed(cell(0))) << "the cursor stops at the top and left edges";
    // And at the bottom and right ones on its way to row 6, column 6.
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Down, 10}, {Qt::Key_Right, 10}, {Qt::Key_Up, 4}, {Qt::Key_Left, 4}};
    for (const auto& [key, times] : walk) {
        for (int i = 0; i < times; ++i)
            type(key);
    }
    EXPECT_FALSE(ringed(cell(0)));
    const QAccessible::State state = QAccessible::queryAccessibleInterface(cell(55))->state();
    EXPECT_TRUE(state.focusable && state.focused) << "a screen reader follows the cursor";
    type(Qt::Key_Space);
    waitUntilIdle();
    EXPECT_EQ(label("Label4"), "3");
    EXPECT_EQ(QApplication::focusWidget(), control("picture1"));
    EXPECT_TRUE(ringed(cell(55)));
}

TEST_F(Form1Test, ThePictureButtonThatHoldsTheKeysTakesReturnAndNoOtherKey) {
    setBoard(kLShape);
    type(Qt::Key_Up);
    ASSERT_TRUE(ringed(cell(0)));
    const auto before = tables().Board;
    type(Qt::Key_Tab);
    EXPECT_FALSE(ringed(cell(0))) << "the cursor leaves with the keyboard";
    EXPECT_TRUE(ringed(control("Picture6")));
    type(Qt::Key_Down);  // no key of a picture button
    type(Qt::Key_Return);
    EXPECT_EQ(tables().Board[94], before[4]) << "Return pressed Mirror once";
    EXPECT_EQ(QApplication::focusWidget(), control("Picture6")) << "the keys stay on Mirror";
}

// The disabled board's keys must not slip to the next control, where Space would press Mirror.
TEST_F(Form1Test, WhileTheBoardIsBusyAPlayOnlyBeepsAndCloseIsRefusedButStopsTheClips) {
    setBoard(checkerWith({{0, 'B'}}));
    bool closed = true;
    duringNextMove([&] {
        EXPECT_EQ(m_form->cursor().shape(), Qt::WaitCursor);
        type(Qt::Key_Space);
        type(Qt::Key_Left);  // moves nothing, plays nothing, says nothing
        QTest::mouseClick(cell(33), Qt::LeftButton);
        press(cell(33));
        type(Qt::Key_H);
        closed = m_form->close();
    });
    type(Qt::Key_Return);
    waitUntilIdle();
    EXPECT_EQ(m_form->beepCount(), 4);
    EXPECT_EQ(tables().Board,
              boardFromPicture(checkerWith({{0, '0'}, {1, '0'}, {10, '0'}, {11, '0'}})).Board);
    EXPECT_EQ(QApplication::focusWidget(), control("picture1")) << "the keys are back";
    QTest::mouseClick(m_form->centralWidget(), Qt::LeftButton, {},
                      m_form->centralWidget()->rect().bottomRight());
    EXPECT_EQ(m_form->beepCount(), 4) << "a click on the idle window's surface is silent";
    EXPECT_FALSE(closed);
    EXPECT_EQ(m_output.stops, 3);
    EXPECT_TRUE(m_form->close());
    EXPECT_EQ(m_output.stops, 6);
    EXPECT_FALSE(m_form->isVisible());
}

// Every picture a cell can show, named and under the cursor, written side by side with the
// other screenshots.
TEST_F(Form1Test, EveryPictureIsNamedAndShowsTheKeyboardCursor) {
    setBoard(checkerWith({}));
    type(Qt::Key_Up);
    type(Qt::Key_Tab);
    QTest::mouseClick(cell(0), Qt::LeftButton);
    EXPECT_EQ(m_form->beepCount(), 1);
    EXPECT_FALSE(ringed(cell(0))) << "a mouse player never sees the cursor";
    type(Qt::Key_Up);
    const char* const names[] = {
        "Fish",           "Elephant", "Crab",       "Bird",          "Panda",
        "Gift box",       "Empty",    "Flames",     "Money bag",     nullptr,
        "Falling weight", "Bomb",     "Row ladder", "Column ladder", "Gem"};
    QImage strip(14 * 32, 32, QImage::Format_RGB32);
    QPainter painter(&strip);
    int x = 0;
    for (int pattern = 0; pattern < 15; ++pattern) {
        if (!names[pattern]) continue;
        m_form->showPattern(0, pattern);
        EXPECT_EQ(spoken(cell(0)), names[pattern] + std::string(", row 1, column 1"));
        EXPECT_TRUE(ringed(cell(0))) << names[pattern];
        painter.drawImage(QRect(x, 0, 32, 32), cell(0)->grab().toImage());
        x += 32;
    }
    EXPECT_EQ(spoken(cell(57)), "Elephant, row 6, column 8");
    saveScreenshot(strip, "varn-cursor.png");
}

// The hint outlines the group round its edge, repainting those cells alone, brings the cursor
// to it with words for a screen reader, and counts; Space plays it, which takes the hint away,
// and an undo keeps the count.
TEST_F(Form1Test, AHintOutlinesTheGroupAndSpacePlaysIt) {
    m_session->setHintSettings({3, 16, std::chrono::hours(1)});
    setBoard(kLShape);
    QCoreApplication::processEvents();
    const PaintCounter painted;
    type(Qt::Key_H);
    ASSERT_TRUE(QTest::qWaitFor([&] { return painted.widgets.contains(cell(55)); }, 10000));
    QCoreApplication::processEvents();
    EXPECT_EQ(painted.widgets, (std::set<QWidget*>{cell(44), cell(54), cell(55)}));
    std::map<int, unsigned> outlined;
    for (int i = 0; i < kCellCount; ++i) {
        if (cell(i)->outline()) outlined[i] = cell(i)->outline();
    }
    using B = PictureBox;
    EXPECT_EQ(outlined, (std::map<int, unsigned>{{44, B::Top | B::Right | B::Left},
                                                 {54, B::Left | B::Bottom | B::TopRight},
                                                 {55, B::Top | B::Right | B::Bottom}}));
    const QAccessible::State state = QAccessible::queryAccessibleInterface(cell(44))->state();
    EXPECT_TRUE(state.focused);
    EXPECT_EQ(cell(44)->accessibleDescription(), "Hint: a group of 3 pieces, 3 points now");
    EXPECT_EQ(m_form->game().hints(), 1);
    type(Qt::Key_Space);
    waitUntilIdle();
    EXPECT_EQ(label("Label4"), "3");
    EXPECT_EQ(cell(44)->outline() | cell(55)->outline(), 0u);
    EXPECT_EQ(cell(44)->accessibleDescription(), "");
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_form->game().hints(), 1);
}

// A turn or the mirror is shown on its button, which takes the keys; a stuck board beeps.
TEST_F(Form1Test, AHintOfATransformMarksItsButtonAndNoneBeeps) {
    m_session->setHintSettings({3, 16, std::chrono::hours(1)});
    setBoard(checkerWith({{20, 'G'}, {21, 'G'}, {22, '4'}, {23, '4'}, {32, '4'}, {42, 'G'}}));
    item("hint")->trigger();
    auto* mirror = static_cast<PictureBox*>(control("Picture6"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return mirror->outline() != 0; }, 10000));
    EXPECT_EQ(mirror->outline(), unsigned(PictureBox::Round));
    EXPECT_EQ(QApplication::focusWidget(), mirror);
    EXPECT_EQ(mirror->accessibleDescription(), "Hint: press this button");
    setBoard(checkerWith({}));
    item("hint")->trigger();
    EXPECT_EQ(mirror->outline(), 0u) << "a new hint takes the last one away";
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_form->beepCount() == 1; }, 10000));
    EXPECT_EQ(m_form->game().hints(), 1);
}

}  // namespace
}  // namespace varn::test
