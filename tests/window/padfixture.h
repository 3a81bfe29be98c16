// padfixture.h: the real window with SDL's virtual game controller plugged in, and steps of
// play that a timer runs, so that they go on inside the dialogs that the presses open.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QToolBar>
#include <deque>
#include <memory>

#include "form1fixture.h"
#include "sdlpadreader.h"
#include "sdlsubsystems.h"
#include "virtualpad.h"

namespace varn::test {

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

}  // namespace varn::test
