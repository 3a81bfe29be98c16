// pad_window_test.cpp: the real window played with SDL's virtual game controller alone, as on a
// handheld; and on a handheld's 1280 by 800 screen every text that the window and its dialogs
// lay out is at least 12 pixels tall and whole, in every language, measured as laid out.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <deque>
#include <memory>

#include "challengeenddialog.h"
#include "designtable.h"
#include "fittedfont.h"
#include "form1fixture.h"
#include "gamecode.h"
#include "gamenumberdialog.h"
#include "namedialog.h"
#include "onscreenkeyboard.h"
#include "padglyphs.h"
#include "padhintline.h"
#include "padmap.h"
#include "scoresdialog.h"
#include "sdlpadreader.h"
#include "sdlsubsystems.h"
#include "temporarydirectory.h"
#include "translations.h"
#include "virtualpad.h"
#include "watchcodedialog.h"
#include "watchplayer.h"

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

constexpr QSize kScreen(1280, 800);
constexpr int kSmallest = 12;

bool isDesigned(const QWidget& widget) {
    for (const Control& control : designTable().controls) {
        if (widget.objectName() == QLatin1String(control.name))
            return control.kind != Control::Kind::Box;
    }
    return false;
}

class HandheldTest : public PadWindowTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        PadWindowTest::SetUp();
        // A PlayStation controller, which marks its buttons with shapes, in other languages.
        if (GetParam() != "en") m_pad = std::make_unique<VirtualPad>(0x054c, 0x09cc);
        m_form->resize(kScreen);
        std::deque<Step> steps;
        press(steps, "B");  // the controller's glyphs from now on
        ASSERT_TRUE(play(std::move(steps)));
    }

    // Every text shown in `root`; the smallest is kept for the report.
    void measure(QWidget& root, const char* where) {
        // A dialog in its frame; the window full screen, without one.
        const QSize outside = &root == m_form.get() ? root.size() : root.frameGeometry().size();
        ASSERT_LE(outside.width(), kScreen.width()) << where;
        ASSERT_LE(outside.height(), kScreen.height()) << where;
        QList<QWidget*> widgets = root.findChildren<QWidget*>();
        widgets << &root;
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || !showsText(*widget)) continue;
            const int pixels = QFontInfo(widget->font()).pixelSize();
            m_smallest = std::min(m_smallest, pixels);
            const std::string name =
                QStringLiteral("%1 %2 %3")
                    .arg(where, widget->objectName(), widget->metaObject()->className())
                    .toStdString();
            EXPECT_GE(pixels, kSmallest) << name;
            EXPECT_TRUE(whole(*widget))
                << name << ' ' << widget->width() << 'x' << widget->height() << " wants "
                << widget->minimumSizeHint().width() << 'x' << widget->minimumSizeHint().height();
        }
    }
    static bool showsText(const QWidget& widget) {
        if (const auto* label = qobject_cast<const QLabel*>(&widget))
            return !label->text().isEmpty();
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
            return !button->text().isEmpty();
        return widget.inherits("QLineEdit") || widget.inherits("QTabBar") ||
               widget.inherits("QAbstractItemView") || widget.inherits("QHeaderView") ||
               widget.inherits("QTextEdit") || widget.inherits("QMenu") ||
               widget.inherits("QMenuBar") || widget.inherits("varn::PadHintLine");
    }
    // A label or a button as wide as its text wants; a design's control whose text fits its
    // box at the scale; the hint line with room for every hint.
    bool whole(const QWidget& widget) const {
        const bool wraps = widget.property("wordWrap").toBool();
        if (isDesigned(widget)) {
            return textFits(widget.font(), widget.property("text").toString(),
                            textBox(widget, m_form->scale().factor()), wraps);
        }
        if (const auto* line = qobject_cast<const PadHintLine*>(&widget))
            return line->shownCount() == line->count();
        // A button's own minimum is the style's, wider than a key's letter needs.
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            return button->fontMetrics().horizontalAdvance(text) + icon <= button->width() &&
                   button->fontMetrics().height() <= button->height();
        }
        if (!widget.inherits("QLabel")) return true;
        if (wraps) return widget.height() >= widget.heightForWidth(widget.width());
        return widget.width() >= widget.minimumSizeHint().width() &&
               widget.height() >= widget.minimumSizeHint().height();
    }
    void measureDialog(QDialog& dialog, const char* where) {
        dialog.show();
        QTest::qWait(1);
        if (auto* line = dialog.findChild<QLineEdit*>(QStringLiteral("varnTyped"))) {
            OnScreenKeyboard::openUnder(*line);
            QTest::qWait(1);
        }
        measure(dialog, where);
        if (GetParam() == "en")
            saveScreenshot(dialog.grab().toImage(),
                           (std::string("handheld-") + where + ".png").c_str());
    }

    Translations m_translations{QLocale(QString::fromStdString(GetParam()))};
    int m_smallest = 1000;
};

TEST_P(HandheldTest, EveryTextIsTwelvePixelsTallAndWholeOn1280By800) {
    measure(*m_form, "window");
    saveScreenshot(m_form->grab().toImage(), ("handheld-" + GetParam() + ".png").c_str());
    m_form->pomoc_Click();
    measure(*m_form, "help");
    std::deque<Step> steps;
    press(steps, "]");  // turns the help's page
    ASSERT_TRUE(play(std::move(steps)));
    measure(*m_form, "controls");
    // The controls' page draws the buttons of the controller used last.
    auto* controls = m_form->findChild<QTextBrowser*>();
    const PadStyle style = GetParam() == "en" ? PadStyle::Lettered : PadStyle::Shapes;
    EXPECT_EQ(controls->document()->resource(QTextDocument::ImageResource, QUrl("glyph:0")),
              padGlyph(PadButton::A, style, controls->fontMetrics().height(),
                       controls->devicePixelRatioF())
                  .toImage());
    m_form->findChild<QTextBrowser*>()->scrollToAnchor(QStringLiteral("controller"));
    saveScreenshot(m_form->grab().toImage(), ("handheld-controls-" + GetParam() + ".png").c_str());
    m_form->Command5_Click();
    for (QMenu* menu : m_form->menuBar()->findChildren<QMenu*>()) {
        menu->popup({0, 0});
        measure(*menu, "menu");
        menu->hide();
    }
    NameDialog name(QStringLiteral("Player"), 1, 120,
                    {QStringLiteral("Anna"), QStringLiteral("Bo")}, m_form.get());
    name.findChild<QLineEdit*>()->setObjectName(QStringLiteral("varnTyped"));
    measureDialog(name, "name");
    GameNumberDialog number(2026, 0, m_form.get());
    number.findChildren<QLineEdit*>().last()->setObjectName(QStringLiteral("varnTyped"));
    measureDialog(number, "number");
    ScoresDialog scores(ScoreTable{}, {}, {}, true, m_form.get());
    measureDialog(scores, "scores");
    scores.findChild<QTabWidget*>()->setCurrentIndex(1);
    measure(scores, "challenges");
    ChallengeEndDialog end({.score = 171, .moves = 50, .rank = 1, .code = "x", .movePoints = {171}},
                           m_form.get());
    measureDialog(end, "end");
    WatchCodeDialog watch([](const QString&) { return QString(); }, m_form.get());
    measureDialog(watch, "watch");
    std::printf("smallest text in %s: %d px\n", GetParam().c_str(), m_smallest);
}

INSTANTIATE_TEST_SUITE_P(Languages, HandheldTest, ::testing::Values("en", VARN_LANGUAGES),
                         [](const auto& language) { return language.param; });

}  // namespace
}  // namespace varn::test
