// form1.cpp: building the window from its design, start-up, and the window operations.
#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStringDecoder>

#include "artwork.h"
#include "embeddedsounddesign.h"
#include "fonts.h"
#include "helptext.h"
#include "picturebox.h"
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
      EmbedSound1(embeddedSoundDesign(), output, [this] { doEvents(); }) {
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
    m_timer1.setInterval(50);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, [this] { m_game.Timer1_Timer(); });
    m_timer1.start();

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
    QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("Game"));
    gameMenu->setObjectName(QStringLiteral("a2"));
    QAction* newGame = gameMenu->addAction(QStringLiteral("New game"));
    newGame->setObjectName(QStringLiteral("ng"));
    connect(newGame, &QAction::triggered, this, [this] { m_game.ng_click(); });
    // "Help" acts straight from the bar, without a menu of its own.
    QAction* help = menuBar()->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("pomoc"));
    connect(help, &QAction::triggered, this, &Form1::pomoc_Click);
}

void Form1::buildBoard(QWidget* surface) {
    // The cells start on the window, unplaced; start-up moves them into the board frame.
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell] = new PictureBox(QStringLiteral("Element"), surface);
        // A piece smaller than its cell leaves the face colour showing at its edges.
        m_cells[cell]->setBackground(palette().color(QPalette::Button));
        connect(m_cells[cell], &PictureBox::clicked, this,
                [this, cell] { m_game.Element_Click(cell); });
    }
    m_picture1 = new PictureBox(QStringLiteral("picture1"), surface);
    m_picture1->setGeometry(twipRect(0, 0, 4816, 4848));
    m_picture1->setBackground(kBoardYellow);
    m_picture1->setBorder(true);
    m_cellArea = new QWidget(m_picture1);
    m_cellArea->setObjectName(QStringLiteral("picture1Inside"));
    m_cellArea->setGeometry(m_picture1->rect().adjusted(1, 1, -1, -1));

    m_podloga = new PictureBox(QStringLiteral("Podloga"), surface);
    m_podloga->setGeometry(twipRect(1320, 1680, 1575, 975));
    m_podloga->setBackground(kTeal);
    m_podloga->setFocusPolicy(Qt::ClickFocus);
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
    m_picture10 = new PictureBox(QStringLiteral("Picture10"), surface);
    m_picture10->setGeometry(twipRect(0, 4920, 2415, 735));
    m_picture10->setBackground(Qt::white);
    auto* lova = new PictureBox(QStringLiteral("lova"), m_picture10);
    lova->setGeometry(twipRect(0, 0, 2415, 735));
    lova->setPicture(pixmapOf(QStringLiteral("paper.png"), ratio), PictureBox::Fill::Tiled);

    const QFont caption = designFont("Tahoma", 9, true);
    const QFont value = designFont("Comic Sans MS", 12, true, true);
    addLabel(lova, "Label2", twipRect(100, 80, 735, 375), QColor(0, 0, 128), caption)
        ->setText(QStringLiteral("Score:"));
    addLabel(lova, "Label7", twipRect(120, 390, 855, 375), QColor(64, 0, 0), caption)
        ->setText(QStringLiteral("Hiscore:"));
    m_label4 = addLabel(lova, "Label4", twipRect(840, 0, 1395, 375), QColor(192, 0, 0), value);
    m_label8 = addLabel(lova, "Label8", twipRect(840, 330, 1395, 375), QColor(192, 0, 192), value);
    setLabelText(ScoreLabel::Label4, "0000000000000000");
    setLabelText(ScoreLabel::Label8, "0000000000000000");
}

void Form1::buildHelpPanel(QWidget* surface) {
    m_picture12 = new PictureBox(QStringLiteral("Picture12"), surface);
    m_picture12->setGeometry(twipRect(0, 0, 4815, 4935));
    m_picture12->setPicture(pixmapOf(QStringLiteral("wood.png"), qApp->devicePixelRatio()),
                            PictureBox::Fill::Tiled);
    m_label3 = addLabel(m_picture12, "Label3", twipRect(120, 1440, 4455, 2655), Qt::black,
                        designFont("MS Sans Serif", 8.25, true));
    m_label3->setWordWrap(true);
    m_label3->setText(QStringLiteral("Label1"));
    auto* ok = new QPushButton(QStringLiteral("OK"), m_picture12);
    ok->setObjectName(QStringLiteral("Command5"));
    ok->setGeometry(twipRect(3720, 4320, 855, 345));
    ok->setFont(designFont("Comic Sans MS", 12, true));
    connect(ok, &QPushButton::clicked, this, &Form1::Command5_Click);
}

void Form1::buildButtons(QWidget* surface) {
    auto* enter = new QPushButton(QStringLiteral("Enter score"), surface);
    enter->setObjectName(QStringLiteral("Command1"));
    enter->setGeometry(twipRect(0, 5640, 2415, 375));
    enter->setFont(designFont("MS Sans Serif", 8.25, true));
    connect(enter, &QPushButton::clicked, this, [this] { m_game.Command1_Click(); });

    struct Button {
        const char* name;
        QRect place;
        const char* picture;
        void (*press)(Game&);
    };
    const Button buttons[] = {
        {"Picture6", twipRect(2640, 4920, 640, 544), "button-mirror.svg",
         [](Game& game) { game.Picture6_Click(); }},
        {"Picture7", twipRect(3240, 4920, 649, 544), "button-left.svg",
         [](Game& game) { game.Picture7_Click(); }},
        {"Picture8", twipRect(3840, 4920, 640, 544), "button-right.svg",
         [](Game& game) { game.picture8_click(); }},
    };
    for (const Button& each : buttons) {
        auto* button = new PictureBox(QString::fromLatin1(each.name), surface);
        button->setGeometry(each.place);
        button->setBorder(true);
        button->setBackground(palette().color(QPalette::Button));
        button->setPicture(pixmapOf(QString::fromLatin1(each.picture), qApp->devicePixelRatio()),
                           PictureBox::Fill::Centred);
        connect(button, &PictureBox::clicked, this, [this, press = each.press] { press(m_game); });
    }
}

// Start-up: the help text, the cells into the board frame, the board's backing in place and
// the first game, all before the window is first shown.
void Form1::form_load() {
    if (!m_injectedRandom) m_twister.seedFromClock();
    m_picture12->hide();
    m_label3->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The pattern pictures are held as pixmaps, never as widgets, so there is nothing to hide.
    for (PictureBox* cell : m_cells) {
        cell->hide();
        cell->setParent(m_cellArea);
    }
    m_podloga->setGeometry(0, 0, toPixels(7681), toPixels(5620));
    for (QWidget* board : {static_cast<QWidget*>(m_picture1), static_cast<QWidget*>(m_picture10)}) {
        board->setParent(m_podloga);
        board->show();
    }
    setLabelText(ScoreLabel::Label8, "0");
    m_game.ng_click();
}

void Form1::form_click() {
    if (!boardEnabled()) beep();
}

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t) {
    if (!boardEnabled()) cancel = kTrue;
    // A clip that plays stops even when the window stays open.
    for (int clip = 1; clip <= kClipCount; ++clip)
        EmbedSound1[clip].StopSound();
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

void Form1::pomoc_Click() {
    m_picture12->show();
}

void Form1::Command5_Click() {
    m_picture12->hide();
}

void Form1::PlayClip(int clip) {
    EmbedSound1[clip].PlaySound();
    m_soundRest.start();
}

std::string Form1::labelText(ScoreLabel label) const {
    return label == ScoreLabel::Label4 ? m_label4Text : m_label8Text;
}

void Form1::setLabelText(ScoreLabel label, const std::string& text) {
    const bool score = label == ScoreLabel::Label4;
    (score ? m_label4Text : m_label8Text) = text;
    (score ? m_label4 : m_label8)->setText(fromCodePage(text));
}

void Form1::beep() {
    ++m_beeps;
    QApplication::beep();
}

void Form1::showPattern(int cell, int pattern) {
    m_cells[cell]->setPicture(m_patterns[pattern]);
}

void Form1::setCellVisible(int cell, bool visible) {
    m_cells[cell]->setVisible(visible);
}

void Form1::placeCell(int cell, int left, int top, int width, int height) {
    m_cells[cell]->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

int Form1::boardLeft() const {
    return toTwips(m_picture1->x());
}
int Form1::boardTop() const {
    return toTwips(m_picture1->y());
}

void Form1::repaintCell(int cell) {
    m_cells[cell]->repaint();
}
void Form1::repaintBoard() {
    m_picture1->repaint();
}

void Form1::setBoardEnabled(bool enabled) {
    m_podloga->setEnabled(enabled);
}
bool Form1::boardEnabled() const {
    return m_podloga->isEnabled();
}
void Form1::focusBoard() {
    m_podloga->setFocus();
}

void Form1::setPointer(Pointer pointer) {
    setCursor(pointer == Pointer::Busy ? QCursor(Qt::WaitCursor) : m_ownPointer);
}

void Form1::doEvents() {
    // While the timer runs a tick is due within 50 ms, so the wait blocks until an event
    // arrives instead of spinning; otherwise only what is pending runs.
    QCoreApplication::processEvents(m_timer1.isActive() ? QEventLoop::WaitForMoreEvents
                                                        : QEventLoop::AllEvents);
}

}  // namespace varn
