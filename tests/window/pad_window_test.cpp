// pad_window_test.cpp: the real window played with SDL's virtual game controller alone, as a
// player on a handheld plays it: a move, a turn and an undo, a numbered game started from the
// menu, a name typed for the table, the challenge's end dialog closed, and a controller changed
// while pieces fall; the glyphs that follow the last input.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolBar>
#include <deque>

#include "challengeenddialog.h"
#include "gamecode.h"
#include "gamenumberdialog.h"
#include "namedialog.h"
#include "onscreenkeyboard.h"
#include "padfixture.h"
#include "padmap.h"
#include "temporarydirectory.h"
#include "watchplayer.h"

namespace varn::test {
namespace {

// Four down and four right from the corner, where the first press shows the cursor.
TEST_F(PadWindowTest, AControllerPlaysTurnsAndUndoesAndAKeyBringsBackTheKeyboard) {
    setBoard(kLShape);
    std::deque<Step> steps;
    press(steps, "Adddd");
    press(steps, "rrrrA");
    steps.push_back(when([this] { return idle(); }));
    ASSERT_TRUE(play(std::move(steps)));
    EXPECT_EQ(label("Label4"), "3");
    EXPECT_TRUE(hintsShown());
    const auto played = tables().Board;
    steps.clear();
    press(steps, "Y");
    steps.push_back(when([this] { return idle(); }));
    ASSERT_TRUE(play(std::move(steps)));
    EXPECT_EQ(label("Label4"), "0");
    const auto undone = tables().Board;
    EXPECT_NE(undone, played);
    for (const char* buttons : {"[", "{", "]"}) {
        const auto before = tables().Board;
        steps.clear();
        press(steps, buttons);
        steps.push_back(when([this] { return idle(); }));
        ASSERT_TRUE(play(std::move(steps)));
        EXPECT_NE(tables().Board, before) << buttons << " turns or mirrors the board";
    }
    type(Qt::Key_Left);
    EXPECT_FALSE(hintsShown());
}

// Start, two down to "Game number…", A; down to the other game's field, A opens the keyboard on
// it, up to its 1, A, right, A; Start closes the keyboard and Start plays.
TEST_F(PadWindowTest, AControllerStartsANumberedGameFromTheMenu) {
    std::deque<Step> steps;
    press(steps, "S");
    steps.push_back(when([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
    press(steps, "ddA");
    steps.push_back(when([] { return qobject_cast<GameNumberDialog*>(modal()); }));
    bool glyph = false;
    std::optional<std::uint32_t> chosen;
    steps.push_back(then([&] {
        auto* dialog = static_cast<GameNumberDialog*>(modal());
        glyph = !dialogButton(*dialog, Start)->icon().isNull();
        QObject::connect(dialog, &QDialog::accepted,
                         [&, dialog] { chosen = dialog->chosenGame(); });
    }));
    press(steps, "AdA");  // A on the number shown, which cannot be changed, opens nothing
    steps.push_back(when([] { return modal()->findChild<OnScreenKeyboard*>(); }));
    press(steps, "uArASS");
    steps.push_back(when([this] { return !modal() && idle(); }));
    ASSERT_TRUE(play(std::move(steps)));
    EXPECT_EQ(chosen, 12u);
    EXPECT_EQ(m_form->game().number(), 12u);
    EXPECT_TRUE(glyph);
}

// A group in the corner scores 3 points, which make a fresh table: "Enter score" asks the
// name, typed on the on-screen keyboard. Then the challenge's end dialog: X copies its code and
// B closes it.
TEST_F(PadWindowTest, AControllerNamesABestGameAndClosesTheChallengesEnd) {
    TemporaryDirectory data;
    qputenv("XDG_DATA_HOME", data.path().c_str());
    startWindow(true);
    m_pad = std::make_unique<VirtualPad>();
    setBoard(checkerWith({{0, '0'}, {1, '0'}, {10, '0'}}));
    std::deque<Step> steps;
    press(steps, "AA");
    steps.push_back(when([this] { return idle(); }));
    press(steps, "}");
    steps.push_back(when([] { return qobject_cast<NameDialog*>(modal()); }));
    press(steps, "A");
    steps.push_back(when([] { return modal()->findChild<OnScreenKeyboard*>(); }));
    press(steps, "dAdrASS");
    steps.push_back(when([] { return !modal(); }));
    steps.push_back(then([this] {
        m_form->challengeOver(
            {.score = 3, .moves = 1, .rank = 1, .code = "code", .movePoints = {3}});
    }));
    steps.push_back(when([] { return qobject_cast<ChallengeEndDialog*>(qApp->activeWindow()); }));
    // X copies the code, and so does A once the d-pad has walked on to its button.
    press(steps, "X");
    QString copied;
    steps.push_back(then([&] {
        copied = QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->clear();
    }));
    press(steps, "rAB");
    steps.push_back(when([this] { return !m_form->findChild<ChallengeEndDialog*>(); }));
    const ::testing::AssertionResult played = play(std::move(steps));
    m_session->settleFiles();
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir::currentPath()));
    ASSERT_TRUE(played);
    ASSERT_EQ(m_session->scoreTable().rows().size(), 1u);
    EXPECT_EQ(m_session->scoreTable().rows()[0].name, "Ax");
    EXPECT_EQ(copied, "code");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "code");
}

// The player pulls the controller out while the pieces fall and plugs in another, which plays on.
TEST_F(PadWindowTest, AControllerPluggedInWhilePiecesFallPlaysOn) {
    setBoard(checkerWith({{0, '0'}, {1, '0'}, {10, '0'}}));
    std::deque<Step> steps;
    press(steps, "AA");
    steps.push_back(when([this] { return !m_form->boardEnabled(); }));
    steps.push_back(then([this] { m_pad.reset(); }));
    steps.push_back(when([this] { return m_pads == 0; }));
    steps.push_back(then([this] { m_pad = std::make_unique<VirtualPad>(); }));
    steps.push_back(when([this] { return m_pads == 1 && idle(); }));
    ASSERT_TRUE(play(std::move(steps)));
    const auto before = tables().Board;
    steps.clear();
    press(steps, "]");
    steps.push_back(when([this] { return idle(); }));
    ASSERT_TRUE(play(std::move(steps)));
    EXPECT_NE(tables().Board, before);
}

// A pauses a watched game, the d-pad walks to "Step" for A to press, and B stops watching; the
// bar shows the controller's buttons.
TEST_F(PadWindowTest, AControllerDrivesTheWatchBar) {
    Replay replay;
    replay.code.number = 2026;
    replay.code.actions.assign(20, {PlayerAction{PlayerAction::kMirror}, {}});
    const auto pause = [this] { return m_form->findChild<QAction*>(QStringLiteral("pause")); };
    std::deque<Step> steps;
    steps.push_back(then([&] { m_form->watch(replay); }));
    press(steps, "A");
    std::string paused, stepped;
    bool glyph = false;
    steps.push_back(then([&] {
        paused = label("watchProgress");
        glyph = !pause()->icon().isNull();
    }));
    press(steps, "rrA");
    steps.push_back(when([this] { return idle(); }));
    steps.push_back(then([&] { stepped = label("watchProgress"); }));
    press(steps, "B");
    steps.push_back(when([this] { return !m_form->watchPlayer().watching(); }));
    ASSERT_TRUE(play(std::move(steps)));
    EXPECT_NE(paused.find("(paused)"), std::string::npos) << paused;
    EXPECT_NE(stepped, paused);
    EXPECT_NE(stepped.find("(paused)"), std::string::npos) << stepped;
    EXPECT_TRUE(glyph);
}

}  // namespace
}  // namespace varn::test
