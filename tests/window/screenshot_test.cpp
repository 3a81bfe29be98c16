// screenshot_test.cpp: the whole window, pixel for pixel, against tests/window/reference/, which
// a change meant to alter the look takes anew (then look at each before committing):
//   VARN_NEW_REFERENCES=1 build/release/tests/window/window_tests --gtest_filter='Screenshot*'
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "form1fixture.h"

namespace varn::test {
namespace {

// Every piece the board can hold, the empty cell among them, in diagonal stripes.
std::string everyPiece() {
    const std::string pieces = "01234J.BRCG";
    std::string picture;
    for (int cell = 0; cell < kCellCount; ++cell)
        picture += pieces[std::size_t(rowOf(cell) + columnOf(cell)) % pieces.size()];
    return picture;
}

// How many pixels of `shot` differ from `wanted`, or -1 when their sizes differ.
qsizetype differences(const QImage& shot, const QImage& wanted) {
    const QImage want = wanted.convertToFormat(QImage::Format_RGB32);
    const QImage got = shot.convertToFormat(QImage::Format_RGB32);
    if (want.size() != got.size()) return -1;
    qsizetype count = 0;
    for (int y = 0; y < got.height(); ++y) {
        for (int x = 0; x < got.width(); ++x)
            count += got.pixel(x, y) != want.pixel(x, y);
    }
    return count;
}

TEST_F(Form1Test, ScreenshotsMatchTheReferencePictures) {
    setBoard(everyPiece());
    for (const double factor : {1.0, 1.75, 2.0, 3.75}) {
        const QSize inside = DesignScale(factor).designSize();
        m_form->resize(inside + QSize(0, m_form->menuBar()->height()));
        for (const bool help : {false, true}) {
            help ? m_form->pomoc_Click() : m_form->Command5_Click();
            // The game's own text as it was, also after a look at the controls.
            if (help) {
                m_form->Command6_Click();
                m_form->Command6_Click();
            }
            QTest::qWait(20);
            ASSERT_EQ(m_form->scale().factor(), factor);
            const QString name = QStringLiteral("window-%1-%2")
                                     .arg(factor)
                                     .arg(help ? QStringLiteral("help") : QStringLiteral("nohelp"));
            const QImage shot = m_form->grab().toImage();
            const QString path = QStringLiteral(VARN_REFERENCE_DIR "/") + name + ".png";
            if (qEnvironmentVariableIsSet("VARN_NEW_REFERENCES")) {
                EXPECT_TRUE(shot.save(path));
            }
            const qsizetype wrong = differences(shot, QImage(path));
            EXPECT_EQ(wrong, 0) << name.toStdString();
            if (wrong) saveScreenshot(shot, qPrintable(name + QStringLiteral("-actual.png")));
        }
    }
}

// At a scale that the game carries no pictures for, the window shows stand-ins instead of
// drawing before its first frame, and once settled the pictures that drawing gives.
TEST_F(Form1Test, AtAScaleNotCarriedTheWindowSettlesOnDrawnPictures) {
    setBoard(everyPiece());
    const QSize size = DesignScale(1.015625).designSize() + QSize(0, m_form->menuBar()->height());
    m_form->resize(size);
    const QTemporaryDir cache;
    PictureProvider carried(cache.path(), {}, QStringLiteral(VARN_PREDRAWN_DIR));
    GameSession session(m_output, &m_random);
    Form1 form(session, carried);
    form.game().tables() = m_form->game().tables();
    form.resize(size);
    for (int i = 0; i < kCellCount; ++i)
        form.showPattern(i, tables().Board[i]);
    EXPECT_EQ(carried.drawnCount(), 0);
    QSignalSpy drawn(&carried, &PictureProvider::drawnAhead);
    form.show();
    const PictureBox* first = form.findChildren<PictureBox*>(QStringLiteral("Element")).at(0);
    const QSize standIn = first->picture().deviceIndependentSize().toSize();
    ASSERT_TRUE(drawn.wait(10000));
    EXPECT_GT(carried.drawnCount(), 0);
    EXPECT_EQ(first->picture().deviceIndependentSize().toSize(), standIn) << "the drawn one's size";
    EXPECT_EQ(differences(form.grab().toImage(), m_form->grab().toImage()), 0);
}

}  // namespace
}  // namespace varn::test
