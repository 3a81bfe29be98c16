// form1.cpp: building the window from its design, start-up, and the window operations.
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>

#include "accessiblepicturebox.h"
#include "artwork.h"
#include "boardcursor.h"
#include "cellname.h"
#include "embeddedsounddesign.h"
#include "fittedfont.h"
#include "fonts.h"
#include "helptext.h"
#include "picturebox.h"
#include "scorename.h"
#include "twips.h"

namespace varn {

namespace {

const QColor kTeal(0, 192, 192);
const QColor kBoardYellow(255, 255, 192);
constexpr int kClipCount = 3;
// After this long without a clip the sound device is given back to the system. Reopening it
// costs a few milliseconds, so a short pause in the game is enough.
constexpr int kSoundRestMs = 5'000;

// Labels show the 8-bit text of the Central European code page the game's files use.
QString fromCodePage(const std::string& text) {
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid()) return QString::fromLatin1(text.data(), qsizetype(text.size()));
    return decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
}

QPixmap pixmapOf(const QString& fileName, qreal ratio) {
    return QPixmap::fromImage(artwork::render(artwork::picturePath(fileName), ratio));
}

}  // namespace

Form1::Form1(SoundOutput& output, UniformSource* random)
    : m_injectedRandom(random),
      m_game(*this, random ? *random : m_twister),
      m_output(output),
      m_soundPlayers(embeddedSoundDesign(), output, [this] { doEvents(); }) {
    QAccessible::installFactory(AccessiblePictureBox::factory);
    setWindowTitle(QStringLiteral("Varn v3.00"));
    loadPictures();
    setWindowIcon(QIcon(artwork::picturePath(QStringLiteral("icon.svg"))));
    setCursor(m_ownPointer);

    auto* surface = new PictureBox(QStringLiteral("Form1"), this);
    surface->setBackground(kTeal);
    surface->setFixedSize(toPixels(4785), toPixels(6030));
    connect(surface, &PictureBox::clicked, this, &Form1::form_click);
    setCentralWidget(surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildMenu();
    buildBoard(surface);
    buildScorePanel(surface);
    buildHelpPanel(surface);
    buildButtons(surface);

    // The timer is enabled in the design: it ticks once soon after start-up and stops itself.
    m_fallTimer.setInterval(50);
    m_fallTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_fallTimer, &QTimer::timeout, this, [this] { m_game.Timer1_Timer(); });
    m_fallTimer.start();

    // Started by every clip. A clip that still plays (asynchronous or looped) keeps the device,
    // and the rest is tried again a spell later.
    m_soundRest.setParent(this);
    m_soundRest.setObjectName(QStringLiteral("soundRest"));
    m_soundRest.setSingleShot(true);
    m_soundRest.setInterval(kSoundRestMs);
    connect(&m_soundRest, &QTimer::timeout, this, [this] {
        if (!m_output.rest()) m_soundRest.start();
    });

    form_load();
}

Form1::~Form1() = default;

void Form1::loadPictures() {
    const qreal ratio = qApp->devicePixelRatio();
    for (int index = 0; index < int(m_patterns.size()); ++index) {
        if (isPatternIndex(index)) {
            m_patterns[index] =
                QPixmap::fromImage(artwork::render(artwork::patternPath(index), ratio));
        }
    }
    // The hot spot is the fingertip, the top-left pixel.
    m_ownPointer = QCursor(pixmapOf(QStringLiteral("pointer.svg"), ratio), 0, 0);
}

void Form1::buildMenu() {
    QMenu* gameMenu = menuBar()->addMenu(tr("Game"));
    gameMenu->setObjectName(QStringLiteral("a2"));
    QAction* newGame = gameMenu->addAction(tr("New game"));
    newGame->setObjectName(QStringLiteral("ng"));
    newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newGame, &QAction::triggered, this, [this] { m_game.ng_click(); });
    m_undo = gameMenu->addAction(tr("Undo"));
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_undo, &QAction::triggered, this, [this] { m_game.undo_Click(); });
    m_redo = gameMenu->addAction(tr("Redo"));
    m_redo->setObjectName(QStringLiteral("redo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_redo, &QAction::triggered, this, [this] { m_game.redo_Click(); });
    enableHistoryCommands(false, false);
    // "Help" acts straight from the bar, without a menu of its own.
    QAction* help = menuBar()->addAction(tr("Help"));
    help->setObjectName(QStringLiteral("pomoc"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &Form1::pomoc_Click);
}

void Form1::buildBoard(QWidget* surface) {
    // The cells start on the window, unplaced; start-up moves them into the board frame.
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell] = new PictureBox(QStringLiteral("Element"), surface);
        // A piece smaller than its cell leaves the face colour showing at its edges.
        m_cells[cell]->setBackground(palette().color(QPalette::Button));
        m_cells[cell]->setButton(true);
        connect(m_cells[cell], &PictureBox::clicked, this, [this, cell] { playCell(cell); });
    }
    m_boardFrame = new PictureBox(QStringLiteral("picture1"), surface);
    m_boardFrame->setGeometry(twipRect(0, 0, 4816, 4848));
    m_boardFrame->setBackground(kBoardYellow);
    m_boardFrame->setBorder(true);
    m_boardFrame->setAccessibleName(tr("Board"));
    m_boardFrame->setFocusPolicy(Qt::StrongFocus);
    connect(new BoardCursor(m_boardFrame, m_cells), &BoardCursor::play, this, &Form1::playCell);
    m_cellArea = new QWidget(m_boardFrame);
    m_cellArea->setObjectName(QStringLiteral("picture1Inside"));
    m_cellArea->setGeometry(m_boardFrame->rect().adjusted(1, 1, -1, -1));

    m_board = new PictureBox(QStringLiteral("Podloga"), surface);
    m_board->setGeometry(twipRect(1320, 1680, 1575, 975));
    m_board->setBackground(kTeal);
    // The rules give the backing the focus; the frame with the cells takes the keys.
    m_board->setFocusProxy(m_boardFrame);
}

QLabel* Form1::addLabel(QWidget* parent, const char* name, const QRect& place, const QColor& colour,
                        const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

void Form1::buildScorePanel(QWidget* surface) {
    const qreal ratio = qApp->devicePixelRatio();
    m_scorePanel = new PictureBox(QStringLiteral("Picture10"), surface);
    m_scorePanel->setGeometry(twipRect(0, 4920, 2415, 735));
    m_scorePanel->setBackground(Qt::white);
    auto* paper = new PictureBox(QStringLiteral("lova"), m_scorePanel);
    paper->setGeometry(twipRect(0, 0, 2415, 735));
    paper->setPicture(pixmapOf(QStringLiteral("paper.png"), ratio), PictureBox::Fill::Tiled);

    const QFont caption = designFont("Tahoma", 9, true);
    const QFont value = designFont("Comic Sans MS", 12, true, true);
    QLabel* scoreCaption =
        addLabel(paper, "Label2", twipRect(100, 80, 735, 375), QColor(0, 0, 128), caption);
    scoreCaption->setText(tr("Score:"));
    QLabel* highScoreCaption =
        addLabel(paper, "Label7", twipRect(120, 390, 855, 375), QColor(64, 0, 0), caption);
    highScoreCaption->setText(tr("Hiscore:"));
    m_scoreLabel = addLabel(paper, "Label4", twipRect(840, 0, 1395, 375), QColor(192, 0, 0), value);
    m_highScoreLabel =
        addLabel(paper, "Label8", twipRect(840, 330, 1395, 375), QColor(192, 0, 192), value);
    // Fitted once the values stand beside them: a long caption must not run under a value.
    fitText(*scoreCaption, caption);
    fitText(*highScoreCaption, caption);
    setLabelText(ScoreLabel::Label4, "0000000000000000");
    setLabelText(ScoreLabel::Label8, "0000000000000000");
}

void Form1::buildHelpPanel(QWidget* surface) {
    m_helpPanel = new PictureBox(QStringLiteral("Picture12"), surface);
    m_helpPanel->setGeometry(twipRect(0, 0, 4815, 4935));
    m_helpPanel->setPicture(pixmapOf(QStringLiteral("wood.png"), qApp->devicePixelRatio()),
                            PictureBox::Fill::Tiled);
    m_helpPanel->setAccessibleName(tr("Help"));
    m_helpText = addLabel(m_helpPanel, "Label3", twipRect(120, 1440, 4455, 2655), Qt::black,
                          designFont("MS Sans Serif", 8.25, true));
    m_helpText->setWordWrap(true);
    m_helpText->setText(QStringLiteral("Label1"));
    m_helpOk = new QPushButton(tr("OK"), m_helpPanel);
    m_helpOk->setObjectName(QStringLiteral("Command5"));
    m_helpOk->setGeometry(twipRect(3720, 4320, 855, 345));
    m_helpOk->setFont(designFont("Comic Sans MS", 12, true));
    fitText(*m_helpOk, m_helpOk->font());
    connect(m_helpOk, &QPushButton::clicked, this, &Form1::Command5_Click);
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(QKeySequence(key), m_helpPanel, this, &Form1::Command5_Click,
                      Qt::WidgetWithChildrenShortcut);
    }
}

void Form1::buildButtons(QWidget* surface) {
    auto* enter = new QPushButton(tr("Enter score"), surface);
    enter->setObjectName(QStringLiteral("Command1"));
    enter->setGeometry(twipRect(0, 5640, 2415, 375));
    enter->setFont(designFont("MS Sans Serif", 8.25, true));
    fitText(*enter, enter->font());
    connect(enter, &QPushButton::clicked, this, [this] { m_game.Command1_Click(); });

    struct Button {
        const char* name;
        const char* spoken;
        QRect place;
        const char* picture;
        void (*press)(Game&);
    };
    const Button buttons[] = {
        {"Picture6", QT_TR_NOOP("Mirror"), twipRect(2640, 4920, 640, 544), "button-mirror.svg",
         [](Game& game) { game.Picture6_Click(); }},
        {"Picture7", QT_TR_NOOP("Turn left"), twipRect(3240, 4920, 649, 544), "button-left.svg",
         [](Game& game) { game.Picture7_Click(); }},
        {"Picture8", QT_TR_NOOP("Turn right"), twipRect(3840, 4920, 640, 544), "button-right.svg",
         [](Game& game) { game.picture8_click(); }},
    };
    // The keyboard goes round the board, the picture buttons and "Enter score".
    QWidget* previous = m_boardFrame;
    for (const Button& each : buttons) {
        auto* button = new PictureBox(QString::fromLatin1(each.name), surface);
        button->setGeometry(each.place);
        button->setBorder(true);
        button->setBackground(palette().color(QPalette::Button));
        button->setPicture(pixmapOf(QString::fromLatin1(each.picture), qApp->devicePixelRatio()),
                           PictureBox::Fill::Centred);
        button->setButton(true);
        button->setAccessibleName(tr(each.spoken));
        // Only keys bring the focus here, so a mouse player never sees it.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &PictureBox::clicked, this, [this, press = each.press] { press(m_game); });
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, enter);
}

// Start-up: the help text, the cells into the board frame, the board's backing in place and
// the first game, all before the window is first shown.
void Form1::form_load() {
    if (!m_injectedRandom) m_twister.seedFromClock();
    m_helpPanel->hide();
    m_helpText->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    fitText(*m_helpText, m_helpText->font());
    // The pattern pictures are held as pixmaps, never as widgets, so there is nothing to hide.
    for (PictureBox* cell : m_cells) {
        cell->hide();
        cell->setParent(m_cellArea);
    }
    m_board->setGeometry(0, 0, toPixels(7681), toPixels(5620));
    for (QWidget* board :
         {static_cast<QWidget*>(m_boardFrame), static_cast<QWidget*>(m_scorePanel)}) {
        board->setParent(m_board);
        board->show();
    }
    setLabelText(ScoreLabel::Label8, "0");
    m_game.ng_click();
}

// The rules tell whether there is anything to take back; while a move runs the commands stay
// offered, and the rules answer them with the beep.
void Form1::enableHistoryCommands(bool undo, bool redo) {
    m_undo->setEnabled(undo);
    m_redo->setEnabled(redo);
}

void Form1::form_click() {
    if (!boardEnabled()) beep();
}

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t) {
    if (!boardEnabled()) cancel = kTrue;
    // A clip that plays stops even when the window stays open.
    for (int clip = 1; clip <= kClipCount; ++clip)
        m_soundPlayers[clip].StopSound();
}

void Form1::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = kFalse;
    Form_QueryUnload(cancel, 0);
    if (cancel) {
        event->ignore();
    } else {
        event->accept();
    }
}

// The keyboard follows the panel while it is shown, so Escape or Return close it, and then
// goes back where it was.
void Form1::pomoc_Click() {
    if (m_helpPanel->isHidden()) m_focusBeforeHelp = focusWidget();
    m_helpPanel->show();
    m_helpOk->setFocus();
}

void Form1::Command5_Click() {
    m_helpPanel->hide();
    if (m_focusBeforeHelp) m_focusBeforeHelp->setFocus();
}

void Form1::PlayClip(int clip) {
    m_soundPlayers[clip].PlaySound();
    m_soundRest.start();
}

std::string Form1::labelText(ScoreLabel label) const {
    return label == ScoreLabel::Label4 ? m_scoreText : m_highScoreText;
}

void Form1::setLabelText(ScoreLabel label, const std::string& text) {
    const bool score = label == ScoreLabel::Label4;
    (score ? m_scoreText : m_highScoreText) = text;
    QLabel* shown = score ? m_scoreLabel : m_highScoreLabel;
    shown->setText(fromCodePage(text));
    // Read out alone, a number needs to say which score it is.
    shown->setAccessibleName(scoreName(!score, shown->text()));
}

void Form1::beep() {
    ++m_beeps;
    QApplication::beep();
}

void Form1::showPattern(int cell, int pattern) {
    m_cells[cell]->setPicture(m_patterns[pattern]);
    m_cells[cell]->setAccessibleName(cellName(pattern, cell));
}

void Form1::setCellVisible(int cell, bool visible) {
    m_cells[cell]->setVisible(visible);
}

void Form1::placeCell(int cell, int left, int top, int width, int height) {
    m_cells[cell]->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

int Form1::boardLeft() const {
    return toTwips(m_boardFrame->x());
}
int Form1::boardTop() const {
    return toTwips(m_boardFrame->y());
}

void Form1::repaintCell(int cell) {
    m_cells[cell]->repaint();
}
void Form1::repaintBoard() {
    m_boardFrame->repaint();
}

// The frame inside the backing holds the board's keys. Disabling the backing takes the focus
// from it and gives it to no other control (Qt would pass it on to the next one only from the
// backing itself, where a key meant for the board would press a picture button), so the
// board's keys arrive at the window while it is busy, and the board takes them back after.
void Form1::setBoardEnabled(bool enabled) {
    m_board->setEnabled(enabled);
    if (enabled && !focusWidget()) focusBoard();
}
bool Form1::boardEnabled() const {
    return m_board->isEnabled();
}
// While the help panel covers the board its keys stay on the panel, or a Space meant for OK
// would play a covered cell; closing the panel gives them to the board.
void Form1::focusBoard() {
    if (m_helpPanel->isVisible()) {
        m_focusBeforeHelp = m_board;
    } else {
        m_board->setFocus();
    }
}

void Form1::playCell(int cell) {
    if (boardEnabled()) {
        m_game.Element_Click(cell);
    } else {
        form_click();
    }
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // With no control holding the keys, those of the busy board arrive here: a play is
    // refused the way a click is.
    if (!focusWidget() && PictureBox::isPressKey(*event)) {
        form_click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Form1::setPointer(Pointer pointer) {
    setCursor(pointer == Pointer::Busy ? QCursor(Qt::WaitCursor) : m_ownPointer);
}

void Form1::doEvents() {
    // While the timer runs a tick is due within 50 ms, so the wait blocks until an event
    // arrives instead of spinning; otherwise only what is pending runs.
    QCoreApplication::processEvents(m_fallTimer.isActive() ? QEventLoop::WaitForMoreEvents
                                                           : QEventLoop::AllEvents);
}

}  // namespace varn
