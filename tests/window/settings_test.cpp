// settings_test.cpp: the window as the player left it, whatever became of the settings file.
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <sstream>

#include "command.h"
#include "designscale.h"
#include "form1fixture.h"
#include "replaysession.h"
#include "sdlsoundoutput.h"
#include "settings.h"

namespace varn::test {
namespace {

TEST(FirstStart, TakesTheLargestQuarterStepThatFitsThreeQuartersOfTheScreen) {
    // The last screen stands upright: its width decides.
    const std::pair<QSize, double> screens[] = {{{1920, 1080}, 1.75},
                                                {{1366, 768}, 1.25},
                                                {{3840, 2160}, 3.75},
                                                {{320, 240}, 1},
                                                {{768, 1366}, 1.75}};
    for (const auto& [screen, scale] : screens)
        EXPECT_EQ(DesignScale::firstStart(screen, 20), scale) << screen.width();
}

// The window starts from what `prepare` left in a fresh settings folder.
class SettingsTest : public Form1Test {
  protected:
    void SetUp() override {
        const QString folder = QDir::currentPath() + "/config";
        QDir(folder).removeRecursively();
        QDir().mkpath(folder + "/varn");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir::currentPath())); }
    static void write(const char* text) {
        QFile file(Settings::path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void start() {
        startWindow(false);
        if (m_form->isFullScreen()) item("fullScreen")->trigger();
    }
};

// Each value is read within its bounds (here 300 x 400 to 1000 x 800) or falls back to its
// default; a file or folder that cannot be read or written gives every default.
TEST_F(SettingsTest, ADamagedFileOrFolderCostsOnlyTheValuesItDamaged) {
    const QString file = Settings::path();
    const std::function<void()> none = [] {};
    struct Case {
        const char* text;
        std::function<void()> damage;
        QSize size;
        bool fullScreen;
        bool sound;
    };
    // clang-format off
    const Case cases[] = {
        {"[window]\nwidth=500\nheight=600\nfullScreen=true\n[sound]\non=false\n", none,
         {500, 600}, true, false},
        {"\x01\xff[[window\n=\nwidth=wide\nheight=1e999\n", none, {}, false, true},
        {"[window]\nwidth=99999999999\nheight=2147483647\n", none, {1000, 800}, false, true},
        {"[window]\nwidth=-400\nheight=-1\nfullScreen=-1\n", none, {300, 400}, false, true},
        {"[window]\nwidth=0\nheight=0\n[sound]\non=0\n", none, {300, 400}, false, true},
        {"[window]\nwidth=nan\nheight=NaN\nfullScreen=nan\n", none, {}, false, true},
        {nullptr, [&] { QDir().mkpath(file); }, {}, false, true},
        {nullptr, [&] { qputenv("XDG_CONFIG_HOME", QFile::encodeName(file)); }, {}, false, true},
        {nullptr, [] { qputenv("XDG_CONFIG_HOME", "/proc/self"); }, {}, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        SetUp();
        if (c.text) write(c.text);
        c.damage();
        const Settings read({300, 400}, {1000, 800});
        EXPECT_EQ(read.windowSize(), c.size);
        EXPECT_EQ(read.fullScreen(), c.fullScreen);
        EXPECT_EQ(read.sound(), c.sound);
    }
    qputenv("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(Settings::path(), QDir::homePath() + "/.config/varn/varn.conf");
}

TEST_F(SettingsTest, SizeFullScreenAndSoundAreKeptAndASizeTooLargeIsShrunk) {
    write("[window]\nwidth=5000\nheight=600\n");
    start();
    EXPECT_EQ(m_form->size(), QSize(m_form->screen()->availableSize().width(), 600));
    m_form->resize(500, 640);
    item("sound")->trigger();
    item("fullScreen")->trigger();
    EXPECT_TRUE(m_form->close());
    m_form.reset();
    start();
    EXPECT_EQ(m_form->size(), QSize(500, 640));
    EXPECT_FALSE(item("sound")->isChecked());
    item("fullScreen")->trigger();
    EXPECT_TRUE(m_form->isFullScreen()) << "it was left in full screen";
}

// The refusal beep is the desktop's bell and stays.
TEST_F(SettingsTest, WithTheSoundOffAMovePlaysNoClipAndTheDeviceStaysClosed) {
    write("[sound]\non=false\n");
    SdlSoundOutput output;
    GameSession session(output, &m_random);
    PictureProvider pictures;
    Form1 form(session, pictures);
    form.game().tables() = boardFromPicture(kLShape);
    form.game().Element_Click(55);
    form.game().Element_Click(0);
    EXPECT_EQ(form.labelText(ScoreLabel::Label4), "3");
    EXPECT_EQ(form.beepCount(), 1);
    EXPECT_FALSE(output.deviceOpen());
}

// Every row of the command table: its name in the replay driver runs it there; its item lies in
// its menu and, for a command that changes a setting, writes the settings at once, so that a
// game that is killed keeps them.
TEST_F(SettingsTest, EveryCommandIsGivenWhereItsRowSays) {
    start();
    for (const CommandRow& row : kCommands) {
        SCOPED_TRACE(indexOf(row.id));
        if (row.replay) {
            const std::string line = row.id == Command::Element_Click ? "click 0" : row.replay;
            std::istringstream script("random 0.5 *300\n" + line + "\n");
            std::ostringstream out;
            EXPECT_EQ(ReplaySession(out).run(script), 0) << out.str();
            // The rules' commands are reported; the driver answers the others in a line.
            EXPECT_TRUE(out.str().starts_with(line + (row.rules ? ": score=" : " "))) << out.str();
        }
        if (row.item.menu == Menu::None) continue;
        const auto items = m_form->findChildren<QAction*>(QString::fromLatin1(row.item.name));
        ASSERT_EQ(items.size(), 1);
        const auto title =
            std::find_if(std::begin(kMenuTitles), std::end(kMenuTitles),
                         [&](const MenuTitle& t) { return t.menu == row.item.menu; });
        EXPECT_EQ(items[0]->parent(), title == std::end(kMenuTitles)
                                          ? static_cast<QObject*>(m_form->menuBar())
                                          : m_form->menuBar()->findChild<QMenu*>(title->name));
        if (!row.setting) continue;
        QFile::remove(Settings::path());
        items[0]->trigger();
        EXPECT_TRUE(QFile::exists(Settings::path()));
        if (row.item.checkable) items[0]->trigger();
    }
}

}  // namespace
}  // namespace varn::test
