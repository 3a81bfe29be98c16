// pad_test.cpp: SDL's virtual game controllers played through the reader and through the
// module that the game loads, and what the window shows a controller's player: the on-screen
// keyboard, the hint line and a glyph for each button. One program, without a display.
#include <SDL2/SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <string>

#include "devicewatch.h"
#include "lazypadreader.h"
#include "onscreenkeyboard.h"
#include "padglyphs.h"
#include "padhintline.h"
#include "padpoller.h"
#include "sdlpadreader.h"
#include "sdlsubsystems.h"
#include "virtualpad.h"

namespace varn {
namespace {

std::string written(const std::vector<PadEvent>& events) {
    static const char* const names[] = {"A",  "B",  "X",  "Y",  "Back", "Start", "LB",
                                        "RB", "LT", "RT", "Up", "Down", "Left",  "Right"};
    std::string text;
    for (const PadEvent& event : events) {
        if (!text.empty()) text += ' ';
        switch (event.kind) {
            case PadEvent::Kind::Added:
                text += "plug";
                break;
            case PadEvent::Kind::Removed:
                text += "unplug";
                break;
            case PadEvent::Kind::Pressed:
                text += '+';
                text += names[int(event.button)];
                break;
            case PadEvent::Kind::Released:
                text += '-';
                text += names[int(event.button)];
                break;
        }
    }
    return text;
}

class PadTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(startSdl(SDL_INIT_JOYSTICK)) << SDL_GetError(); }
    static void TearDownTestSuite() { stopSdl(SDL_INIT_JOYSTICK); }
};

constexpr bool kAxis = true;
constexpr bool kButton = false;
const std::string kLabels = SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS;

// A PlayStation pad, a Nintendo pad and one that SDL knows no make of play together.
TEST_F(PadTest, EveryControllerPressesTheGameButtonsAndNamesItsStyle) {
    VirtualPad sony(0x054c, 0x09cc), nintendo(0x057e, 0x2009);
    SdlPadReader reader;
    // SDL's own mappings of Nintendo's pads make A the button labelled A, the east one, unless
    // told to go by places, as the game does. And SDL leaves SIGINT and SIGTERM to the game.
    const std::string mapping = nintendo.guid() + ",Varn test pad,back:b4,guide:b5,start:b6," +
                                "leftshoulder:b9,dpup:b11,leftx:a0,lefty:a1,righttrigger:a5,";
    SDL_GameControllerAddMapping((mapping + "a:b1,b:b0,hint:" + kLabels + ":=1").c_str());
    SDL_GameControllerAddMapping((mapping + "a:b0,b:b1,hint:!" + kLabels + ":=1").c_str());
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ::sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL);
    }
    const PadPoll plugged = reader.poll();
    EXPECT_EQ(written(plugged.events), "plug plug");
    EXPECT_EQ(plugged.pads, 2);
    VirtualPad* pads[] = {&sony, &nintendo};
    struct Step {
        int pad;
        bool axis;
        int control;
        int value;
        const char* want;
        PadStyle style;
    };
    using enum PadStyle;
    const Step steps[] = {
        {0, kButton, SDL_CONTROLLER_BUTTON_A, 1, "+A", Shapes},
        {0, kButton, SDL_CONTROLLER_BUTTON_A, 0, "-A", Shapes},
        {1, kButton, 0, 1, "+A", Nintendo},  // the south button
        {1, kButton, 0, 0, "-A", Nintendo},
        {1, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 1, "+Up", Nintendo},
        {0, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 1, "", Shapes},  // held already
        {1, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, "", Shapes},
        {0, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, "-Up", Shapes},
        {0, kButton, SDL_CONTROLLER_BUTTON_GUIDE, 1, "", Shapes},  // the system's
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTX, 12000, "", Shapes},  // in the dead zone
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTX, 20000, "+Right", Nintendo},
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTX, 12000, "", Nintendo},  // still pushed
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTX, 9000, "-Right", Nintendo},
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTY, -32768, "+Up", Nintendo},
        {1, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 1, "", Nintendo},
        {1, kAxis, SDL_CONTROLLER_AXIS_LEFTY, 0, "", Nintendo},  // the d-pad holds it
        {1, kButton, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, "-Up", Nintendo},
        {0, kAxis, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767, "+RT", Shapes},
        {0, kAxis, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768, "-RT", Shapes},
        {1, kButton, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 1, "+LB", Nintendo},
    };
    for (const Step& step : steps) {
        pads[step.pad]->set(step.axis, step.control, step.value);
        const PadPoll got = reader.poll();
        EXPECT_EQ(written(got.events), step.want) << "step " << &step - steps;
        EXPECT_EQ(got.style, step.style) << "step " << &step - steps;
    }
    VirtualPad plain;
    EXPECT_EQ(written(reader.poll().events), "plug");
    plain.set(kButton, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_EQ(reader.poll().style, Lettered);
    nintendo.unplug();
    const PadPoll pulled = reader.poll();
    EXPECT_EQ(written(pulled.events), "-LB unplug");
    EXPECT_EQ(pulled.pads, 2);
}

// Short of room, the line of a controller's hints leaves out the last ones rather than cut one.
TEST(PadHintLine, LeavesOutTheHintsThatDoNotFit) {
    PadHintLine line;
    line.setHints({{{PadButton::A}, "Play"}, {{PadButton::B}, "Back"}, {{PadButton::X}, "Hint"}});
    line.resize(line.fullWidth(), line.sizeHint().height());
    EXPECT_EQ(line.shownCount(), 3);
    line.resize(line.fullWidth() / 2, line.sizeHint().height());
    EXPECT_EQ(line.shownCount(), 1);
}

// An event device is watched until it goes, one elsewhere never; a FIFO stands in for it.
TEST(DeviceWatch, WatchesAnEventDeviceOfItsFolderUntilItGoes) {
    QTemporaryDir folder;
    const std::string device = folder.filePath(QStringLiteral("event7")).toStdString();
    ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0);
    DeviceWatch watch(folder.path().toStdString());
    watch.watch(1, device.c_str());
    const int controller = ::open(device.c_str(), O_WRONLY | O_NONBLOCK);
    watch.watch(2, "/elsewhere/event7");
    watch.drain();
    EXPECT_TRUE(watch.watches(1));
    EXPECT_FALSE(watch.watches(2));
    ::close(controller);
    watch.drain();
    EXPECT_FALSE(watch.watches(1));
}

// The game's own way: the module loaded by name, polled on the window's thread, which sleeps
// until the folder of the devices changes as udev adds or takes away the controller's device.
TEST_F(PadTest, ModuleWakesForAControllerComingAndGoingAndRepeatsAHeldDirection) {
    using namespace std::chrono_literals;
    const PadPoller::Pace pace{.seek = 1h,
                               .idle = 5ms,
                               .busy = 2ms,
                               .busyFor = 20ms,
                               .settle = 5ms,
                               .settleFor = 20ms,
                               .repeatDelay = 30ms,
                               .repeatInterval = 10ms};
    QTemporaryDir devices;
    const QString node = devices.filePath(QStringLiteral("event7"));
    PadPoller poller(std::make_unique<LazyPadReader>(QStringList{QStringLiteral(VARN_PAD_MODULE)},
                                                     devices.path()),
                     pace);
    // +N a press of PadButton N, *N its repeat, -N its release.
    std::vector<std::string> heard;
    const auto hear = [&](char what, PadButton button) {
        heard.push_back({what, char('0' + int(button))});
    };
    QObject::connect(&poller, &PadPoller::pressed,
                     [&](PadButton button, bool repeat) { hear(repeat ? '*' : '+', button); });
    QObject::connect(&poller, &PadPoller::released, [&](PadButton button) { hear('-', button); });
    QObject::connect(&poller, &PadPoller::padsChanged,
                     [&](int pads) { heard.push_back("pads " + std::to_string(pads)); });
    const auto count = [&](char what) {
        return std::count(heard.begin(), heard.end(),
                          std::string{what, char('0' + int(PadButton::DpadRight))});
    };
    poller.start();
    auto pad = std::make_unique<VirtualPad>();
    QFile(node).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QTest::qWaitFor([&] { return poller.pads() == 1; }, 5000));
    pad->set(kButton, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return count('*') >= 3; }, 5000));
    pad->set(kButton, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return count('-') == 1; }, 5000));
    const auto repeats = count('*');
    QTest::qWait(50);
    EXPECT_EQ(count('*'), repeats);
    pad.reset();
    QFile::remove(node);
    ASSERT_TRUE(QTest::qWaitFor([&] { return poller.pads() == 0; }, 5000));
    EXPECT_EQ(heard.front(), "pads 1");
    EXPECT_EQ(heard[1], (std::string{'+', char('0' + int(PadButton::DpadRight))}));
    EXPECT_EQ(heard.back(), "pads 0");
}

TEST(OnScreenKeyboard, TypesANameWithTheArrowsAndReturn) {
    QLineEdit line;
    OnScreenKeyboard keyboard(&line);
    QSignalSpy closed(&keyboard, &OnScreenKeyboard::closed);
    keyboard.show();
    // u d l r: arrows; a: Return; x: Backspace. The cursor starts on Q.
    const struct {
        const char* keys;
        const char* want;
    } steps[] = {
        {"da", "A"},           // a capital to begin a name
        {"drrrrraa", "Ann"},   // down from A to Z, along to N
        {"ulllllla", "Anna"},  // up from N to J, back to A
        {"la", "Annal"},       // round the row's left edge to L
        {"x", "Anna"},         // Backspace
        {"xxxxa", "L"},        // a capital again once all is erased
        {"uuua", "L"},         // from L up over the top edge to Done
    };
    for (const auto& step : steps) {
        for (const char* key = step.keys; *key; ++key) {
            const Qt::Key code = *key == 'u'   ? Qt::Key_Up
                                 : *key == 'd' ? Qt::Key_Down
                                 : *key == 'l' ? Qt::Key_Left
                                 : *key == 'r' ? Qt::Key_Right
                                 : *key == 'a' ? Qt::Key_Return
                                               : Qt::Key_Backspace;
            QTest::keyClick(&keyboard, code);
        }
        EXPECT_EQ(line.text().toStdString(), step.want) << step.keys;
    }
    ASSERT_EQ(closed.count(), 1);
    EXPECT_TRUE(closed.front().front().toBool());
    EXPECT_FALSE(keyboard.isVisible());
}

TEST(OnScreenKeyboard, NamesEveryKeyAndFitsAHandheldScreen) {
    QLineEdit line;
    OnScreenKeyboard keyboard(&line);
    keyboard.ensurePolished();  // the style sheet's font
    const auto keys = keyboard.findChildren<QPushButton*>();
    QSet<QString> names;
    for (QPushButton* key : keys) {
        names.insert(QAccessible::queryAccessibleInterface(key)->text(QAccessible::Name));
        EXPECT_GE(QFontMetrics(key->font()).capHeight(), 12) << key->text().toStdString();
    }
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.size(), keys.size());
    EXPECT_LE(keyboard.sizeHint().width(), 1280);
    EXPECT_LE(keyboard.sizeHint().height(), 800);
}

// A wrong row of a table draws a button twice, or draws nothing.
TEST(PadGlyphs, EachButtonHasAPictureOfItsOwnInEachStyle) {
    std::vector<QImage> faces;  // A, B, X and Y of every style
    for (const PadStyle style : {PadStyle::Lettered, PadStyle::Shapes, PadStyle::Nintendo}) {
        std::vector<QImage> seen;
        for (std::size_t button = 0; button < kPadButtonCount; ++button) {
            const QImage glyph = padGlyph(PadButton(button), style, 14).toImage();
            int opaque = 0;
            for (int y = 0; y < glyph.height(); ++y) {
                for (int x = 0; x < glyph.width(); ++x)
                    opaque += qAlpha(glyph.pixel(x, y)) > 128;
            }
            EXPECT_GT(opaque, glyph.width() * glyph.height() / 3) << button;
            EXPECT_EQ(std::count(seen.begin(), seen.end(), glyph), 0) << button;
            seen.push_back(glyph);
            if (PadButton(button) > PadButton::Y) continue;
            EXPECT_EQ(std::count(faces.begin(), faces.end(), glyph), 0) << button;
            faces.push_back(glyph);
        }
    }
}

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
