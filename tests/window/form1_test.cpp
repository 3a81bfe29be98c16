// form1_test.cpp: the real window with the real rules: start-up, layout, commands and closing.
#include "form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "artwork.h"
#include "boardpicture.h"
#include "constantsource.h"
#include "gametestbase.h"
#include "picturebox.h"
#include "recordingoutput.h"
#include "sdlsoundoutput.h"

namespace varn {
namespace {

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(QStringLiteral("Varn_hsc.nrz"));
        m_form = std::make_unique<Form1>(m_output, &m_random);
        m_form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void TearDown() override {
        if (m_form) waitUntilIdle();
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return m_form->findChild<T*>(QString::fromLatin1(name));
    }
    PictureBox* cell(int index) const {
        return m_form->findChildren<PictureBox*>(QStringLiteral("Element")).at(index);
    }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    QAction* action(const char* name) const {
        return m_form->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Puts a known board in place of the dealt one and shows it.
    void setBoard(const std::string& picture) {
        m_form->game().tables() = test::boardFromPicture(picture);
        for (int i = 0; i < kCellCount; ++i)
            m_form->showPattern(i, m_form->game().tables().Board[i]);
    }
    void waitUntilIdle() {
        QElapsedTimer clock;
        clock.start();
        while ((!m_form->boardEnabled() || m_form->timerRunning()) && clock.elapsed() < 5000) {
            QTest::qWait(10);
        }
    }
    // Runs `during` once the board is busy with the click on `index`, inside its settle.
    void clickWhileBusy(int index, const std::function<void()>& during) {
        QTimer::singleShot(60, m_form.get(), during);
        QTest::mouseClick(cell(index), Qt::LeftButton);
    }

    test::RecordingOutput m_output;
    test::ConstantSource m_random;
    std::unique_ptr<Form1> m_form;
};

const std::string kLShape = test::checkerWith({{44, '0'}, {54, '0'}, {55, '0'}});

TEST_F(Form1Test, StartUpDealsAFullBoardAndCreatesTheScoreFile) {
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Varn v3.00"));
    EXPECT_EQ(label("Label4"), QStringLiteral("0"));
    EXPECT_EQ(label("Label8"), QStringLiteral("0"));
    QFile file(QStringLiteral("Varn_hsc.nrz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0\r\n"));
    EXPECT_FALSE(control("Picture12")->isVisible());
    EXPECT_TRUE(m_form->boardEnabled());
    QWidget* inside = control("picture1Inside");
    for (int i = 0; i < kCellCount; ++i) {
        ASSERT_TRUE(cell(i)->isVisible()) << i;
        EXPECT_EQ(cell(i)->parentWidget(), inside);
        EXPECT_EQ(cell(i)->geometry(), QRect(32 * columnOf(i), 32 * rowOf(i), 32, 32)) << i;
        EXPECT_FALSE(cell(i)->picture().isNull());
    }
    EXPECT_FALSE(m_form->game().tables().hasEmptyCell());
    const QString help = label("Label3");
    EXPECT_TRUE(help.startsWith(QStringLiteral("  Welcome to Varn,\n")));
    EXPECT_TRUE(
        help.contains(QStringLiteral("The more images you have the better player you are.")));
    EXPECT_TRUE(help.endsWith(QStringLiteral("\n  Good luck. Have a fun.")));
}

TEST_F(Form1Test, ControlsStandWhereTheDesignPutsThem) {
    EXPECT_EQ(m_form->centralWidget()->size(), QSize(319, 402));
    struct Place {
        const char* name;
        const char* parent;
        QRect pixels;
    };
    const Place places[] = {
        {"Podloga", "Form1", {0, 0, 512, 375}},
        {"picture1", "Podloga", {0, 0, 321, 323}},
        {"Picture10", "Podloga", {0, 328, 161, 49}},
        {"lova", "Picture10", {0, 0, 161, 49}},
        {"Label2", "lova", {7, 5, 49, 25}},
        {"Label4", "lova", {56, 0, 93, 25}},
        {"Label7", "lova", {8, 26, 57, 25}},
        {"Label8", "lova", {56, 22, 93, 25}},
        {"Picture6", "Form1", {176, 328, 43, 36}},
        {"Picture7", "Form1", {216, 328, 43, 36}},
        {"Picture8", "Form1", {256, 328, 43, 36}},
        {"Command1", "Form1", {0, 376, 161, 25}},
        {"Picture12", "Form1", {0, 0, 321, 329}},
        {"Label3", "Picture12", {8, 96, 297, 177}},
        {"Command5", "Picture12", {248, 288, 57, 23}},
    };
    for (const Place& place : places) {
        QWidget* widget = control(place.name);
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(place.parent))
            << place.name;
        EXPECT_EQ(widget->geometry(), place.pixels) << place.name;
    }
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Enter score"));
    EXPECT_EQ(control<QPushButton>("Command5")->text(), QStringLiteral("OK"));
    EXPECT_EQ(label("Label2"), QStringLiteral("Score:"));
    EXPECT_EQ(label("Label7"), QStringLiteral("Hiscore:"));
}

TEST_F(Form1Test, EmptyCellShowsAFaceColouredStripRightAndBelow) {
    m_form->showPattern(0, piece::Empty);
    const QImage shot = cell(0)->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
    EXPECT_EQ(at(0, 0), QColor(128, 128, 128));
    EXPECT_EQ(at(29, 29), QColor(128, 128, 128));
    const QColor face = cell(0)->palette().color(QPalette::Button);
    EXPECT_EQ(at(31, 10), face);
    EXPECT_EQ(at(10, 30), face);
}

TEST_F(Form1Test, PictureButtonsAndHelpPanelStayInFrontOfTheBoard) {
    QWidget* surface = m_form->centralWidget();
    auto stackIndex = [&](const char* name) { return surface->children().indexOf(control(name)); };
    EXPECT_LT(stackIndex("Podloga"), stackIndex("Picture12"));
    EXPECT_LT(stackIndex("Picture12"), stackIndex("Command1"));
    EXPECT_LT(stackIndex("Command1"), stackIndex("Picture6"));
    EXPECT_EQ(surface->childAt(QPoint(200, 340)), control("Picture6"));
}

TEST_F(Form1Test, HelpShowsThePanelAndOkHidesIt) {
    const auto board = m_form->game().tables().Board;
    action("pomoc")->trigger();
    EXPECT_TRUE(control("Picture12")->isVisible());
    action("pomoc")->trigger();
    EXPECT_TRUE(control("Picture12")->isVisible());
    EXPECT_EQ(m_form->centralWidget()->childAt(QPoint(20, 20))->objectName(),
              QStringLiteral("Picture12"));
    QTest::mouseClick(control("Command5"), Qt::LeftButton);
    EXPECT_FALSE(control("Picture12")->isVisible());
    EXPECT_EQ(m_form->game().tables().Board, board);
    EXPECT_EQ(label("Label4"), QStringLiteral("0"));
}

TEST_F(Form1Test, MouseClickOnACellRemovesTheGroupAndShowsTheScore) {
    setBoard(kLShape);
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    EXPECT_EQ(label("Label4"), QStringLiteral("3"));
    ASSERT_EQ(m_output.played.size(), 1u);
    EXPECT_EQ(m_output.played[0].bytes, 10262u) << "the group's clip";
    EXPECT_EQ(m_output.played[0].flags, SND_NODEFAULT | SND_MEMORY | SND_NOSTOP);
    EXPECT_EQ(m_form->game().tables().Board[44], 1) << "the pieces above fell two rows";
    EXPECT_EQ(m_form->game().tables().Board[54], 2);
    EXPECT_EQ(m_form->cursor().shape(), Qt::BitmapCursor) << "the window's own pointer again";
}

TEST_F(Form1Test, BombsAndLaddersPlayTheirOwnClips) {
    setBoard(test::checkerWith({{55, 'B'}}));
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    setBoard(test::checkerWith({{55, 'C'}}));
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    ASSERT_EQ(m_output.played.size(), 2u);
    EXPECT_EQ(m_output.played[0].bytes, 34552u);
    EXPECT_EQ(m_output.played[1].bytes, 43152u);
}

TEST_F(Form1Test, ClickWhileTheBoardIsBusyBeepsAndChangesNothing) {
    setBoard(kLShape);
    int beepsDuringSettle = -1;
    clickWhileBusy(55, [&] {
        EXPECT_FALSE(m_form->boardEnabled());
        QTest::mouseClick(cell(3), Qt::LeftButton);
        beepsDuringSettle = m_form->beepCount();
    });
    waitUntilIdle();
    EXPECT_EQ(beepsDuringSettle, 1);
    EXPECT_EQ(label("Label4"), QStringLiteral("3"));
    QTest::mouseClick(m_form->centralWidget(), Qt::LeftButton, {}, QPoint(310, 395));
    EXPECT_EQ(m_form->beepCount(), 1) << "a click on the idle window's surface is silent";
}

TEST_F(Form1Test, CloseIsRefusedWhileBusyButStopsTheClips) {
    setBoard(kLShape);
    bool closed = true;
    clickWhileBusy(55, [&] { closed = m_form->close(); });
    waitUntilIdle();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_output.stops, 3);
    EXPECT_TRUE(m_form->close());
    EXPECT_EQ(m_output.stops, 6);
    EXPECT_FALSE(m_form->isVisible());
}

TEST_F(Form1Test, PictureButtonsTransformTheBoard) {
    setBoard(test::checkerWith({{0, 'B'}, {9, 'G'}}));
    QTest::mouseClick(control("Picture6"), Qt::LeftButton);
    EXPECT_EQ(m_form->game().tables().Board[90], piece::Bomb);
    QTest::mouseClick(control("Picture7"), Qt::LeftButton);
    EXPECT_EQ(m_form->game().tables().Board[99], piece::Bomb);
    QTest::mouseClick(control("Picture8"), Qt::LeftButton);
    EXPECT_EQ(m_form->game().tables().Board[90], piece::Bomb);
    EXPECT_TRUE(m_form->boardEnabled());
    const QImage bomb =
        artwork::render(artwork::patternPath(piece::Bomb), qApp->devicePixelRatio());
    EXPECT_EQ(cell(90)->picture().toImage().convertToFormat(bomb.format()), bomb);
    EXPECT_TRUE(m_output.played.empty());
}

TEST_F(Form1Test, EnterScoreStoresABetterScore) {
    setBoard(kLShape);
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    EXPECT_EQ(label("Label8"), QStringLiteral("3"));
    QFile file(QStringLiteral("Varn_hsc.nrz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("3\r\n"));
    action("ng")->trigger();
    EXPECT_EQ(label("Label4"), QStringLiteral("0"));
    EXPECT_EQ(label("Label8"), QStringLiteral("3"));
}

TEST_F(Form1Test, RendersToPicturesAfterStartUpAndAfterAMove) {
    const QString folder = QStringLiteral(VARN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    EXPECT_TRUE(m_form->grab().save(folder + QStringLiteral("/varn-start.png")));
    setBoard(kLShape);
    QTest::mouseClick(cell(55), Qt::LeftButton);
    waitUntilIdle();
    const QImage after = m_form->grab().toImage();
    EXPECT_TRUE(after.save(folder + QStringLiteral("/varn-after-move.png")));
    // The teal backing shows right of the board frame, and a piece fills its cell.
    const QPoint teal = m_form->centralWidget()->mapTo(m_form.get(), QPoint(300, 360));
    EXPECT_EQ(after.pixelColor(teal * after.devicePixelRatio()), QColor(0, 192, 192));
}

// The real output: with SDL's dummy driver the clips play in real time and return.
TEST(Form1WithRealSound, MoveWithTheRealOutputPlaysAndReturns) {
    SdlSoundOutput output;
    test::ConstantSource random;
    Form1 form(output, &random);
    form.game().tables() = test::boardFromPicture(kLShape);
    QElapsedTimer clock;
    clock.start();
    form.game().Element_Click(55);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(form.labelText(ScoreLabel::Label4), "3");
}

}  // namespace
}  // namespace varn
