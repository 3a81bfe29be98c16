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
#include "form1fixture.h"
#include "gamenumberdialog.h"
#include "namedialog.h"
#include "onscreenkeyboard.h"
#include "padmap.h"
#include "sdlpadreader.h"
#include "sdlsubsystems.h"
#include "temporarydirectory.h"
#include "virtualpad.h"

namespace varn::test {
namespace {

// The real reader, with a count of the presses and releases it has handed out.
class CountingReader : public PadReader {
  public:
    CountingReader(int& seen, int& pads) : m_seen(seen), m_pads(pads) {}
    PadPoll poll() override {
        PadPoll got = m_reader.poll();
        for (const PadEvent& event : got.events)
            m_seen +=
                event.kind == PadEvent::Kind::Pressed || event.kind == PadEvent::Kind::Released;
        m_pads = got.pads;
        return got;
    }

  private:
    SdlPadReader m_reader{"/nonexistent/input"};  // no folder to sleep on: it polls
    int& m_seen;
    int& m_pads;
};

using enum PadButton;

class PadWindowTest : public Form1Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(startSdl(SDL_INIT_GAMECONTROLLER)); }
    static void TearDownTestSuite() { stopSdl(SDL_INIT_GAMECONTROLLER); }
    void prepare(GameSession& session) override {
        using namespace std::chrono_literals;
        session.setPads([this] { return std::make_unique<CountingReader>(m_seen, m_pads); },
                        {.seek = 2ms, .idle = 2ms, .busy = 2ms, .settle = 2ms, .repeatDelay = 1h});
    }
    void SetUp() override {
        m_ownNumbers = true;
        Form1Test::SetUp();
        m_pad = std::make_unique<VirtualPad>();
    }
    void TearDown() override {
        m_pad.reset();
        Form1Test::TearDown();
    }

    // A step of play: done once it answers true, asked again at each turn of the events until
    // then. The steps run from a timer, so that they go on inside the dialogs they open.
    using Step = std::function<bool()>;
    static Step when(std::function<bool()> ready) { return ready; }
    static Step then(std::function<void()> act) {
        return [act] {
            act();
            return true;
        };
    }
    // Down, then up, each once the reader has handed it out.
    void press(std::deque<Step>& steps, PadButton button) {
        static constexpr int kSdl[] = {SDL_CONTROLLER_BUTTON_A,
                                       SDL_CONTROLLER_BUTTON_B,
                                       SDL_CONTROLLER_BUTTON_X,
                                       SDL_CONTROLLER_BUTTON_Y,
                                       SDL_CONTROLLER_BUTTON_BACK,
                                       SDL_CONTROLLER_BUTTON_START,
                                       SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                       SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                                       SDL_CONTROLLER_AXIS_TRIGGERLEFT,
                                       SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
                                       SDL_CONTROLLER_BUTTON_DPAD_UP,
                                       SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                       SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                                       SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
        const bool trigger = button == LeftTrigger || button == RightTrigger;
        const int control = kSdl[int(button)];
        for (const int value : {1, 0}) {
            steps.push_back([this, trigger, control, value, from = std::make_shared<int>(-1)] {
                if (*from < 0) {
                    *from = m_seen;
                    // A trigger's axis runs from -32768, let go, to 32767.
                    m_pad->set(trigger, control, trigger ? (value ? 32767 : -32768) : value);
                }
                return m_seen > *from;
            });
        }
    }
    // `buttons` pressed in turn: "A" "B" "X" "Y" "<" (Back) "S" (Start) "[" "]" (shoulders)
    // "{" "}" (triggers) and the d-pad "u" "d" "l" "r".
    void press(std::deque<Step>& steps, const char* buttons) {
        static const std::string kNames = "ABXY<S[]{}udlr";
        for (const char* c = buttons; *c; ++c)
            press(steps, PadButton(kNames.find(*c)));
    }
    // Runs the steps to their end, or for 10 s at most.
    ::testing::AssertionResult play(std::deque<Step> steps) {
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            while (!steps.empty() && steps.front()())
                steps.pop_front();
        });
        turn.start(1);
        if (QTest::qWaitFor([&] { return steps.empty(); }, 10000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << steps.size() << " steps left; presses and releases seen " << m_seen;
    }
    static QWidget* modal() { return QApplication::activeModalWidget(); }
    bool idle() const { return m_form->boardEnabled() && !m_form->timerRunning(); }
    bool hintsShown() const {
        const auto* bar = m_form->findChild<QToolBar*>(QStringLiteral("padHints"));
        return bar && bar->isVisible();
    }

    int m_seen = 0;
    int m_pads = 0;
    std::unique_ptr<VirtualPad> m_pad;
};

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
    press(steps, "dA");
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
    press(steps, "XB");
    steps.push_back(when([this] { return !m_form->findChild<ChallengeEndDialog*>(); }));
    const ::testing::AssertionResult played = play(std::move(steps));
    m_session->settleFiles();
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir::currentPath()));
    ASSERT_TRUE(played);
    ASSERT_EQ(m_session->scoreTable().rows().size(), 1u);
    EXPECT_EQ(m_session->scoreTable().rows()[0].name, "Ax");
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

}  // namespace
}  // namespace varn::test
