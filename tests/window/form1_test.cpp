// form1_test.cpp: the real window with the real rules: start-up, look, commands and closing.
#include <QAction>

#include "artwork.h"
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
    EXPECT_EQ(label("Label4") + " " + label("Label8"), "0 0");
    EXPECT_EQ(scoreFile(), QByteArray("0\r\n"));
    EXPECT_FALSE(control("Picture12")->isVisible());
    EXPECT_EQ(m_form->cursor().shape(), Qt::BitmapCursor) << "the window's own pointer";
    EXPECT_EQ(m_form->cursor().hotSpot(), QPoint(0, 0)) << "at its fingertip";
    const QImage fish = picture("pattern-0.svg");  // all the constant source deals
    for (int i = 0; i < kCellCount; ++i) {
        ASSERT_TRUE(cell(i)->isVisible()) << i;
        EXPECT_EQ(cell(i)->parentWidget(), control("picture1Inside"));
        EXPECT_EQ(cell(i)->geometry(), QRect(32 * columnOf(i), 32 * rowOf(i), 32, 32)) << i;
        EXPECT_EQ(cell(i)->picture().toImage().convertToFormat(fish.format()), fish) << i;
    }
    EXPECT_EQ(label("Label3").find("  Welcome to Varn,\n"), 0u);
    EXPECT_NE(label("Label3").find(" you are.\n  Good luck. Have a fun."), std::string::npos);
    EXPECT_LE(control("Label3")->minimumSizeHint().width(), 297) << "the help text wraps";
}

// What a control with text looks like: its font as the system resolves it, its text colour,
// and where a label puts its text.
std::string look(const QWidget* widget) {
    const QFont font = widget->font();
    const bool topLeft =
        widget->property("alignment").value<Qt::Alignment>() == (Qt::AlignLeft | Qt::AlignTop);
    return QString::asprintf("%s %g%s%s %s%s", qPrintable(QFontInfo(font).family()),
                             font.pointSizeF(), font.bold() ? " bold" : "",
                             font.italic() ? " italic" : "",
                             qPrintable(widget->palette().color(QPalette::WindowText).name()),
                             topLeft ? " top-left" : "")
        .toStdString();
}

TEST_F(Form1Test, ControlsStandAndLookAsDesigned) {
    EXPECT_EQ(m_form->centralWidget()->size(), QSize(319, 402));
    EXPECT_EQ(m_form->minimumSize(), m_form->maximumSize()) << "the window keeps its size";
    EXPECT_FALSE(m_form->windowIcon().isNull()) << "the desktop shows the game's icon";
    struct Place {
        const char* name;
        const char* parent;
        QRect pixels;
        const char* look = nullptr;    // for controls with text
        const char* spoken = nullptr;  // what a screen reader reads
    };
    const Place places[] = {
        {"Podloga", "Form1", {0, 0, 512, 375}},
        {"picture1", "Podloga", {0, 0, 321, 323}, nullptr, "Board"},
        {"Picture10", "Podloga", {0, 328, 161, 49}},
        {"lova", "Picture10", {0, 0, 161, 49}},
        {"Label2", "lova", {7, 5, 49, 25}, "DejaVu Sans Condensed 9 bold #000080 top-left"},
        {"Label4",
         "lova",
         {56, 0, 93, 25},
         "Comic Neue 12 bold italic #c00000 top-left",
         "Score 0"},
        {"Label7", "lova", {8, 26, 57, 25}, "DejaVu Sans Condensed 9 bold #400000 top-left"},
        {"Label8",
         "lova",
         {56, 22, 93, 25},
         "Comic Neue 12 bold italic #c000c0 top-left",
         "High score 0"},
        {"Picture6", "Form1", {176, 328, 43, 36}, nullptr, "Mirror"},
        {"Picture7", "Form1", {216, 328, 43, 36}, nullptr, "Turn left"},
        {"Picture8", "Form1", {256, 328, 43, 36}, nullptr, "Turn right"},
        {"Command1", "Form1", {0, 376, 161, 25}, "Liberation Sans 8.25 bold #000000"},
        {"Picture12", "Form1", {0, 0, 321, 329}, nullptr, "Help"},
        {"Label3", "Picture12", {8, 96, 297, 177}, "Liberation Sans 8.25 bold #000000 top-left"},
        {"Command5", "Picture12", {248, 288, 57, 23}, "Comic Neue 12 bold #000000"},
    };
    for (const Place& place : places) {
        QWidget* widget = control(place.name);
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), place.parent);
        EXPECT_EQ(widget->geometry(), place.pixels) << place.name;
        EXPECT_EQ(place.look ? look(widget) : "", place.look ? place.look : "") << place.name;
        EXPECT_EQ(place.spoken ? spoken(widget) : "", place.spoken ? place.spoken : "");
    }
    EXPECT_EQ(m_form->centralWidget()->childAt(QPoint(200, 340)), control("Picture6"))
        << "the picture buttons lie in front of the board's backing";
}

// Each picture sits where its box puts it: at the top-left corner, centred or tiled.
TEST_F(Form1Test, PicturesFillTheirBoxes) {
    m_form->showPattern(0, piece::Empty);
    const QColor face = cell(0)->palette().color(QPalette::Button);
    const QColor frame = cell(0)->palette().color(QPalette::Dark);
    const QColor teal(0, 192, 192);
    struct Probe {
        QWidget* box;
        QPoint at;
        const char* picture;  // the picture expected there, at `from`, or else `colour`
        QPoint from;
        QColor colour = {};
    };
    const Probe probes[] = {
        {cell(0), {29, 29}, "pattern-6.svg", {29, 29}},
        {cell(0), {31, 10}, nullptr, {}, face},
        {control("Picture6"), {0, 0}, nullptr, {}, frame},
        {control("Picture6"), {1, 16}, nullptr, {}, face},
        {control("Picture6"), {2, 2}, "button-mirror.svg", {0, 0}},
        {control("lova"), {160, 48}, "paper.png", {160, 2}},
        {control("Picture12"), {320, 328}, "wood.png", {320, 3}},
        {control("picture1"), {0, 16}, nullptr, {}, frame},
        {control("picture1"), {16, 0}, nullptr, {}, frame},
        {control("picture1"), {320, 16}, nullptr, {}, frame},
        {control("picture1"), {5, 321}, nullptr, {}, QColor(255, 255, 192)},
        {control("Podloga"), {400, 100}, nullptr, {}, teal},
        {m_form->centralWidget(), {300, 395}, nullptr, {}, teal},
    };
    for (const Probe& probe : probes) {
        const QImage shot = probe.box->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QRgb want =
            probe.picture ? picture(probe.picture).pixel(probe.from * ratio) : probe.colour.rgb();
        EXPECT_EQ(shot.pixel(probe.at * ratio), want) << &probe - probes;
    }
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
    EXPECT_EQ(label("Label8"), "3");
    EXPECT_EQ(scoreFile(), QByteArray("3\r\n"));
    // The file's text is shown in the Central European code page of the game's files.
    QFile file(QStringLiteral("Varn_hsc.nrz"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x8a\xe8\r\n");
    file.close();
    type(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(label("Label4") + " " + label("Label8"), "0 Šč");
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

}  // namespace
}  // namespace varn::test
