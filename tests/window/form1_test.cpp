// form1_test.cpp: the real window with the real rules: start-up, look, commands and closing.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <iconv.h>

#include "artwork.h"
#include "challengeenddialog.h"
#include "codepage1250.h"
#include "designtable.h"
#include "form1fixture.h"

namespace varn::test {
namespace {

QImage picture(const char* file) {
    return artwork::render(artwork::picturePath(QString::fromLatin1(file)),
                           qApp->devicePixelRatio());
}
QByteArray scoreFile() {
    QFile file(QStringLiteral("Varn_hsc.nrz"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

TEST_F(Form1Test, StartUpDealsAFullBoardAndCreatesTheScoreFile) {
    saveScreenshot(m_form->grab().toImage(), "varn-start.png");
    waitUntilIdle();
    EXPECT_EQ(label("Label4") + " " + label("Label8"), "0 0");
    EXPECT_EQ(scoreFile(), QByteArray("0\r\n"));
    EXPECT_FALSE(control("Picture12")->isVisible());
    // The window takes its own pointer once its first frame is out.
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_form->cursor().shape() == Qt::BitmapCursor; }))
        << "the window's own pointer";
    EXPECT_EQ(m_form->cursor().hotSpot(), QPoint(0, 0)) << "at its fingertip";
    EXPECT_EQ(qAlpha(m_form->cursor().pixmap().toImage().pixel(0, 0)), 255) << "drawn there";
    const QImage fish = picture("pattern-0.svg");  // all the constant source deals
    for (int i = 0; i < kCellCount; ++i) {
        ASSERT_TRUE(cell(i)->isVisible()) << i;
        EXPECT_EQ(cell(i)->parentWidget(), control("picture1Inside"));
        EXPECT_EQ(cell(i)->picture().toImage().convertToFormat(fish.format()), fish) << i;
    }
    EXPECT_LE(control("Label3")->minimumSizeHint().width(), 297) << "the help text wraps";
}

// Where a widget lies on the screen, as assistive tools should report it.
QRect onScreen(QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint()), widget->size());
}

// At every size the design scales by one factor and lies centred, with its fonts scaled (the
// screenshots hold the places, faces and colours); the cells tile the board; a click at a
// cell's centre lands on it; assistive tools see it where it is.
class ScalingTest : public Form1Test {
  protected:
    struct Step {
        std::function<void()> act;
        double scale;
        QSize inside = {};  // the window's, less its menu bar; empty: the design's at the scale
    };

    void sizeTo(QSize inside) { m_form->resize(inside + QSize(0, m_form->menuBar()->height())); }

    void checkWindow(const Step& step, const DesignScale& scale) {
        const QWidget* surface = m_form->centralWidget();
        if (step.scale) {
            EXPECT_EQ(scale.factor(), step.scale);
            EXPECT_EQ(surface->size(), step.inside.isEmpty() ? scale.designSize() : step.inside);
        } else {
            EXPECT_TRUE(m_form->isFullScreen());
            EXPECT_EQ(surface->size(),
                      m_form->screen()->size() - QSize(0, m_form->menuBar()->height()));
            EXPECT_EQ(scale, DesignScale::fitting(surface->size()));
            const QImage shot = m_form->grab().toImage();
            EXPECT_EQ(shot.pixel(1, shot.height() - 2), designTable().ground) << "the ground";
            saveScreenshot(shot, "varn-full-screen.png");
        }
        const QPoint offCentre = control("Form1")->geometry().center() - surface->rect().center();
        EXPECT_LE(offCentre.manhattanLength(), 1) << "centred";
    }

    void checkFonts(const DesignScale& scale) {
        for (const Control& design : designTable().controls) {
            if (design.font.family) {
                EXPECT_EQ(control(design.name)->font().pointSizeF(),
                          design.font.points * scale.factor())
                    << design.name;
            }
        }
    }

    void checkCells() {
        const QWidget* surface = m_form->centralWidget();
        for (int i = 0; i < kCellCount; ++i) {
            const QRect place = cell(i)->geometry();
            const QRect before = cell(i - (columnOf(i) ? 1 : 0))->geometry();
            const QRect above = cell(i - (rowOf(i) ? kBoardSide : 0))->geometry();
            EXPECT_EQ(place.left(), columnOf(i) ? before.right() + 1 : 0) << i;
            EXPECT_EQ(place.top(), rowOf(i) ? above.bottom() + 1 : 0) << i;
            const QPoint centre = surface->mapFromGlobal(onScreen(cell(i)).center());
            EXPECT_EQ(surface->childAt(centre), cell(i)) << i;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(cell(i))->rect(), onScreen(cell(i)));
        }
    }

    void checkPlay() {
        setBoard(kLShape);
        const int score = std::stoi(label("Label4"));
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {},
                          m_form->mapFromGlobal(onScreen(cell(55)).center()));
        waitUntilIdle();
        EXPECT_EQ(std::stoi(label("Label4")), score + 3) << "the click played cell 55";
        cell(0)->setCursorShown(true);
        EXPECT_TRUE(ringed(cell(0))) << "the keyboard cursor grows with the scale";
        cell(0)->setCursorShown(false);
    }
};

TEST_F(ScalingTest, TheDesignScalesWithTheWindowAndItsCommands) {
    // Drawn once the first frame is on the screen.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_form->windowIcon().isNull(); }))
        << "the desktop shows the game's icon";
    const Step steps[] = {
        {[] {}, 1},
        {[this] { type(Qt::Key_Plus, Qt::ControlModifier); }, 1.25},
        {[this] { type(Qt::Key_Equal, Qt::ControlModifier); }, 1.5},
        {[this] { type(Qt::Key_Plus, Qt::ControlModifier); }, 1.75},
        {[this] { type(Qt::Key_Plus, Qt::ControlModifier); }, 1.75},  // no room for 2
        {[this] { type(Qt::Key_Minus, Qt::ControlModifier); }, 1.5},
        {[this] { sizeTo(DesignScale(2).designSize()); }, 2},
        {[this] {
             sizeTo({700, 541});
         },
         1.34375,
         {700, 541}},
        {[this] { type(Qt::Key_F11); }, 0},
        {[this] { item("fullScreen")->trigger(); }, 1.34375, {700, 541}},
        {[this] { type(Qt::Key_0, Qt::ControlModifier); }, 1},
    };
    for (const Step& step : steps) {
        step.act();
        QTest::qWait(20);
        const DesignScale scale = m_form->scale();
        SCOPED_TRACE(scale.factor());
        checkWindow(step, scale);
        checkFonts(scale);
        checkCells();
        checkPlay();
    }
    // No smaller than the window at scale 1, as the reference pictures keep it.
    EXPECT_EQ(m_form->minimumSize(),
              QImage(QStringLiteral(VARN_REFERENCE_DIR "/window-1-help.png")).size());
}

// The keyboard follows the panel: Space presses its OK.
TEST_F(Form1Test, HelpShowsThePanelAndOkEscapeOrReturnHideIt) {
    const auto board = tables().Board;
    type(Qt::Key_Tab);
    for (Qt::Key close : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
        type(Qt::Key_F1);
        EXPECT_EQ(m_form->centralWidget()->childAt(QPoint(20, 20)), control("Picture12"));
        type(close);
        EXPECT_FALSE(control("Picture12")->isVisible()) << close;
    }
    EXPECT_EQ(tables().Board, board);
    EXPECT_EQ(label("Label4"), "0");
    EXPECT_EQ(QApplication::focusWidget(), control("Picture6")) << "the keys went back";
    // Help opened while pieces fall keeps the keys when the move ends, and OK gives them to
    // the board that the move asked for.
    setBoard(kLShape);
    duringNextMove([this] { type(Qt::Key_F1); });
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    EXPECT_EQ(QApplication::focusWidget(), control("Command5"));
    type(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), control("Podloga")->findChild<QWidget*>("picture1"));
}

TEST_F(Form1Test, EachMovePlaysItsClipAndShowsTheScore) {
    struct Move {
        char piece;
        std::uint32_t clipBytes;
    };
    const Move moves[] = {{'0', 10262}, {'B', 34552}, {'R', 43152}};  // scoring 3, 0, 0
    for (const Move& move : moves) {
        setBoard(move.piece == '0' ? kLShape : checkerWith({{55, move.piece}}));
        QTest::mousePress(cell(55), Qt::LeftButton);
        QTest::mouseRelease(cell(55), Qt::LeftButton, {}, QPoint(40, 16));  // dragged off
        QTest::mousePress(cell(55), Qt::LeftButton);  // a second button takes the click back
        QTest::mousePress(cell(55), Qt::RightButton);
        QTest::mouseRelease(cell(55), Qt::RightButton);
        QTest::mouseRelease(cell(55), Qt::LeftButton);
        QTest::mouseClick(cell(55), Qt::LeftButton);
        waitUntilIdle();
        EXPECT_EQ(label("Label4"), "3");
        ASSERT_EQ(m_output.played.size(), std::size_t(&move - moves + 1)) << "one clip a move";
        EXPECT_EQ(m_output.played.back().bytes, move.clipBytes) << move.piece;
        EXPECT_EQ(m_output.played.back().flags, SND_NODEFAULT | SND_MEMORY | SND_NOSTOP);
        EXPECT_EQ(m_form->cursor().shape(), Qt::BitmapCursor) << "the window's own pointer";
        EXPECT_FALSE(tables().hasEmptyCell()) << "the pieces fell, new came";
        if (move.piece == '0') saveScreenshot(m_form->grab().toImage(), "varn-after-move.png");
    }
}

// The move starts the way an assistive tool presses a button.
TEST_F(Form1Test, EnterScoreStoresABetterScoreAndNewGameShowsTheStoredOne) {
    setBoard(kLShape);
    press(cell(55));
    waitUntilIdle();
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    waitUntilIdle();
    EXPECT_EQ(label("Label8"), "3");
    EXPECT_EQ(scoreFile(), QByteArray("3\r\n"));
    // The file's text is shown in the Central European code page of the game's files.
    QFile file(QStringLiteral("Varn_hsc.nrz"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x8a\xe8\r\n");
    file.close();
    type(Qt::Key_N, Qt::ControlModifier);
    waitUntilIdle();
    EXPECT_EQ(label("Label4") + " " + label("Label8"), "0 Šč");
}

// Each byte of the high score's code page reads as the desktop's converter reads it; the five
// it leaves undefined stand for the control character of their own number.
TEST(CodePage1250, EveryByteReadsAsTheDesktopsConverterReadsIt) {
    const iconv_t converter = ::iconv_open("WCHAR_T", "CP1250");
    ASSERT_NE(converter, iconv_t(-1));
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        char in = char(byte);
        wchar_t out = byte;
        char* from = &in;
        char* to = reinterpret_cast<char*>(&out);
        std::size_t left = 1, room = sizeof out;
        undefined += ::iconv(converter, &from, &left, &to, &room) == std::size_t(-1);
        EXPECT_EQ(fromCodePage1250(std::string(1, in)), std::u16string(1, char16_t(out))) << byte;
    }
    EXPECT_EQ(undefined, 5);
    ::iconv_close(converter);
}

// The commands are offered only while there is something to undo or to redo; screen readers
// hear the restored cells and score.
TEST_F(Form1Test, CtrlZUndoesAMoveAndCtrlShiftZRedoesIt) {
    auto* undo = m_form->findChild<QAction*>(QStringLiteral("undo"));
    auto* redo = m_form->findChild<QAction*>(QStringLiteral("redo"));
    auto offered = [&] { return std::pair(undo->isEnabled(), redo->isEnabled()); };
    EXPECT_EQ(offered(), std::pair(false, false));
    setBoard(kLShape);
    const auto before = tables().Board;
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    const auto after = tables().Board;
    EXPECT_EQ(offered(), std::pair(true, false));
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tables().Board, before);
    EXPECT_EQ(spoken(cell(55)) + ", " + spoken(control("Label4")),
              "Fish, row 6, column 6, Score 0");
    EXPECT_EQ(offered(), std::pair(false, true));
    type(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tables().Board, after);
    EXPECT_EQ(label("Label4"), "3");
    EXPECT_EQ(offered(), std::pair(true, false));
}

// A challenge counts the clicks that remove pieces and ends at its last: its dialog comes up over
// the board, no wider than the window, and nothing takes a move back. Screen readers hear the
// moves left. It is not offered while pieces fall, puts away a hint shown before it, and is
// played once, whatever became of it.
TEST_F(Form1Test, AChallengeIsTakenOnceAndEndsAtItsLastMove) {
    const Days today = *parseDay("2027-01-16");
    m_session->setClock([today] { return today + std::chrono::hours(23); });
    auto* gameMenu = m_form->menuBar()->findChild<QMenu*>("a2");
    setBoard(kLShape);
    bool offeredWhileFalling = true;
    duringNextMove([&] {
        emit gameMenu->aboutToShow();
        offeredWhileFalling = item("challenge")->isEnabled();
        item("challenge")->trigger();
    });
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    EXPECT_FALSE(offeredWhileFalling);
    EXPECT_FALSE(m_form->game().challenge());
    m_session->setHintSettings({3, 16, std::chrono::hours(1)});
    setBoard(kLShape);
    item("hint")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cell(55)->outline() != 0; }, 10000));
    item("challenge")->trigger();
    waitUntilIdle();
    ASSERT_TRUE(m_form->game().challenge());
    EXPECT_EQ(cell(55)->outline(), 0u);
    EXPECT_EQ(spoken(control("Label10")), "Moves left 50");
    for (const int movesLeft : {49, 0}) {
        setBoard(kLShape);
        QTest::mouseClick(cell(55), Qt::LeftButton);
        waitUntilIdle();
        EXPECT_EQ(label("Label10"), std::to_string(movesLeft));
        EXPECT_FALSE(item("undo")->isEnabled());
        EXPECT_FALSE(item("hint")->isEnabled());
        // Forty-eight moves like the first.
        if (movesLeft > 0) m_form->game().continueChallenge(Challenge{today, kChallengeMoves - 1});
    }
    auto* end = m_form->findChild<ChallengeEndDialog*>();
    ASSERT_TRUE(end && end->isVisible());
    EXPECT_LE(end->frameGeometry().width(), m_form->width());
    saveScreenshot(m_form->grab().toImage(), "varn-challenge-over.png");
    // The par is searched for from the challenge's start on; a loaded machine may not have it yet.
    EXPECT_TRUE(QTest::qWaitFor([&] { return end->resultLine().contains(" % of par"); }, 60000));
    EXPECT_TRUE(end->resultLine().startsWith("Varn challenge 2027-01-16: 6 points in 50 moves, "));
    EXPECT_TRUE(end->resultLine().endsWith(" % of par █")) << end->resultLine().toStdString();
    end->close();
    item("ng")->trigger();
    EXPECT_FALSE(control("Picture13")->isVisible());
    emit gameMenu->aboutToShow();
    EXPECT_FALSE(item("challenge")->isEnabled());
    item("challenge")->trigger();
    waitUntilIdle();
    EXPECT_FALSE(m_form->game().challenge());
}

}  // namespace
}  // namespace varn::test
