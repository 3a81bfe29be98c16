// form1.cpp: building the window from its table of controls, scaling it, start-up, and the
// window operations.
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringDecoder>

#include "accessiblepicturebox.h"
#include "artwork.h"
#include "boardcursor.h"
#include "cellname.h"
#include "controltable.h"
#include "fittedfont.h"
#include "fonts.h"
#include "helptext.h"
#include "picturebox.h"
#include "scorename.h"
#include "settings.h"
#include "soundplayers.h"

namespace varn {

namespace {

const QColor kTeal(0, 192, 192);
constexpr const char* kContext = "varn::Form1";

// Labels show the 8-bit text of the Central European code page the game's files use.
QString fromCodePage(const std::string& text) {
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid()) return QString::fromLatin1(text.data(), qsizetype(text.size()));
    return decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
}

// A picture drawn from its source at the scale's size, sharp at the screen's pixel ratio.
QPixmap pixmapOf(const QString& path, const DesignScale& scale) {
    return QPixmap::fromImage(artwork::render(path, qApp->devicePixelRatio(), scale.factor()));
}

// Drawn the way the pieces are: an icon read from its file would have Qt load its icon engine
// and every image-format plugin while the game starts.
QIcon drawnIcon() {
    const QString path = artwork::picturePath(QStringLiteral("icon.svg"));
    QIcon icon;
    for (const qreal scale : {1.0, 2.0})
        icon.addPixmap(QPixmap::fromImage(artwork::render(path, 1.0, scale)));
    return icon;
}

// A control's design font at the window's scale.
QFont scaledFont(const Control::Font& font, const DesignScale& scale) {
    return designFont(font.family, font.points * scale.factor(), font.bold, font.italic);
}

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

}  // namespace

Form1::Form1(SoundOutput& output, UniformSource* random)
    : m_injectedRandom(random),
      m_game(*this, random ? *random : m_ownRandom),
      m_sound(new SoundPlayers(
          output, [this] { doEvents(); }, this)) {
    QAccessible::installFactory(AccessiblePictureBox::factory);
    setWindowTitle(QStringLiteral("Varn v3.00"));
    setWindowIcon(drawnIcon());
    m_cellPatterns.fill(-1);

    // The window's inside, wider or taller than the design as the player sizes it; the design
    // lies centred on it, on the same teal.
    m_surface = new PictureBox(QStringLiteral("surface"), this);
    m_surface->setBackground(kTeal);
    m_surface->setMinimumSize(DesignScale().designSize());
    m_surface->installEventFilter(this);
    setCentralWidget(m_surface);
    m_design = new PictureBox(QStringLiteral("Form1"), m_surface);
    m_design->setBackground(kTeal);
    for (PictureBox* surface : {m_surface, m_design})
        connect(surface, &PictureBox::clicked, this, &Form1::form_click);

    buildMenu();
    buildControls();
    buildBoard();
    wireControls();

    // The timer is enabled in the design: it ticks once soon after start-up and stops itself.
    m_fallTimer.setInterval(50);
    m_fallTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_fallTimer, &QTimer::timeout, this, [this] { m_game.Timer1_Timer(); });
    m_fallTimer.start();

    restoreSettings();
    form_load();
}

Form1::~Form1() = default;

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
    gameMenu->addSeparator();
    m_soundItem = gameMenu->addAction(tr("Sound"));
    m_soundItem->setObjectName(QStringLiteral("sound"));
    m_soundItem->setCheckable(true);
    m_soundItem->setChecked(true);
    connect(m_soundItem, &QAction::toggled, m_sound, &SoundPlayers::setOn);
    buildViewMenu();
    // "Help" acts straight from the bar, without a menu of its own.
    QAction* help = menuBar()->addAction(tr("Help"));
    help->setObjectName(QStringLiteral("pomoc"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &Form1::pomoc_Click);
}

void Form1::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("View"));
    view->setObjectName(QStringLiteral("view"));
    struct Zoom {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
        double (*factor)(double);
    };
    const Zoom zooms[] = {
        {"zoomIn",
         QT_TR_NOOP("Zoom in"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &DesignScale::zoomedIn},
        {"zoomOut",
         QT_TR_NOOP("Zoom out"),
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         &DesignScale::zoomedOut},
        {"actualSize",
         QT_TR_NOOP("Actual size"),
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [](double) { return 1.0; }},
    };
    for (const Zoom& zoom : zooms) {
        QAction* item = view->addAction(tr(zoom.text));
        item->setObjectName(QString::fromLatin1(zoom.name));
        item->setShortcuts(zoom.keys);
        connect(item, &QAction::triggered, this,
                [this, factor = zoom.factor] { zoomTo(factor(m_scale.factor())); });
        m_zoomItems.push_back(item);
    }
    view->addSeparator();
    m_fullScreenItem = view->addAction(tr("Full screen"));
    m_fullScreenItem->setObjectName(QStringLiteral("fullScreen"));
    m_fullScreenItem->setShortcut(QKeySequence(Qt::Key_F11));
    m_fullScreenItem->setCheckable(true);
    connect(m_fullScreenItem, &QAction::triggered, this, [this](bool on) {
        if (on) {
            showFullScreen();
        } else {
            // A window that started in full screen has no size of its own to go back to.
            showNormal();
            resize(m_normalSize);
        }
    });
}

void Form1::buildControls() {
    for (const Control& design : controlTable()) {
        const QString parentName = QString::fromLatin1(design.parent);
        QWidget* parent = parentName == m_design->objectName()
                              ? m_design
                              : m_design->findChild<QWidget*>(parentName);
        Q_ASSERT(parent);
        m_controls.push_back({&design, buildControl(design, parent)});
    }
}

// Places, pictures and fonts come with the scale; this sets what never changes.
QWidget* Form1::buildControl(const Control& design, QWidget* parent) {
    QWidget* widget = nullptr;
    const QString text = design.text ? translated(design.text) : QString();
    if (design.kind == Control::Kind::Box) {
        auto* box = new PictureBox(QString(), parent);
        if (design.colour) box->setBackground(QColor::fromRgb(design.colour));
        // A piece or face smaller than its box leaves the button face showing at its edges.
        if (design.button) box->setBackground(palette().color(QPalette::Button));
        box->setBorder(design.border);
        box->setButton(design.button);
        // Only keys bring the focus to a picture button, so a mouse player never sees it.
        if (design.button) box->setFocusPolicy(Qt::TabFocus);
        widget = box;
    } else if (design.kind == Control::Kind::Label) {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor::fromRgb(design.colour));
        label->setPalette(colours);
        widget = label;
    } else {
        widget = new QPushButton(text, parent);
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    if (design.spoken) widget->setAccessibleName(translated(design.spoken));
    return widget;
}

template <typename T>
T* Form1::control(const char* name) const {
    return m_design->findChild<T*>(QString::fromLatin1(name));
}

void Form1::buildBoard() {
    m_board = control<PictureBox>("Podloga");
    m_boardFrame = control<PictureBox>("picture1");
    m_boardFrame->setFocusPolicy(Qt::StrongFocus);
    // The rules give the backing the focus; the frame with the cells takes the keys.
    m_board->setFocusProxy(m_boardFrame);
    m_cellArea = new QWidget(m_boardFrame);
    m_cellArea->setObjectName(QStringLiteral("picture1Inside"));
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_cells[cell] = new PictureBox(QStringLiteral("Element"), m_cellArea);
        m_cells[cell]->setBackground(palette().color(QPalette::Button));
        m_cells[cell]->setButton(true);
        connect(m_cells[cell], &PictureBox::clicked, this, [this, cell] { playCell(cell); });
    }
    connect(new BoardCursor(m_boardFrame, m_cells), &BoardCursor::play, this, &Form1::playCell);
}

void Form1::wireControls() {
    m_scoreLabel = control<QLabel>("Label4");
    m_highScoreLabel = control<QLabel>("Label8");
    setLabelText(ScoreLabel::Label4, "0000000000000000");
    setLabelText(ScoreLabel::Label8, "0000000000000000");

    m_helpPanel = control<PictureBox>("Picture12");
    m_helpText = control<QLabel>("Label3");
    m_helpText->setWordWrap(true);
    m_helpOk = control<QPushButton>("Command5");
    connect(m_helpOk, &QPushButton::clicked, this, &Form1::Command5_Click);
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(QKeySequence(key), m_helpPanel, this, &Form1::Command5_Click,
                      Qt::WidgetWithChildrenShortcut);
    }
    auto* enter = control<QPushButton>("Command1");
    connect(enter, &QPushButton::clicked, this, [this] { m_game.Command1_Click(); });

    const std::pair<const char*, void (*)(Game&)> buttons[] = {
        {"Picture6", [](Game& game) { game.Picture6_Click(); }},
        {"Picture7", [](Game& game) { game.Picture7_Click(); }},
        {"Picture8", [](Game& game) { game.picture8_click(); }},
    };
    // The keyboard goes round the board, the picture buttons and "Enter score".
    QWidget* previous = m_boardFrame;
    for (const auto& [name, press] : buttons) {
        auto* button = control<PictureBox>(name);
        connect(button, &PictureBox::clicked, this, [this, press] { press(m_game); });
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, enter);
}

// The window opens as the player left it; the first time, as large as fits comfortably.
void Form1::restoreSettings() {
    const QSize room = screen()->availableGeometry().size();
    const int menu = menuBar()->sizeHint().height();
    const Settings settings(windowSizeFor(DesignScale()), room);
    m_soundItem->setChecked(settings.sound());
    QSize size = settings.windowSize();
    if (size.isEmpty()) size = windowSizeFor(DesignScale(DesignScale::firstStart(room, menu)));
    resize(size);
    m_normalSize = size;
    applyScale(DesignScale::fitting(size - QSize(0, menu)));
    if (settings.fullScreen()) setWindowState(windowState() | Qt::WindowFullScreen);
}

void Form1::applyScale(const DesignScale& scale) {
    if (scale != m_scale || m_patterns[0].isNull()) {
        m_scale = scale;
        renderPictures();
        const qreal ring = 2 * scale.factor();
        for (const auto& [design, widget] : m_controls) {
            widget->setGeometry(scale.toPixels(design->twips));
            if (design->font.family) widget->setFont(scaledFont(design->font, scale));
            auto* box = qobject_cast<PictureBox*>(widget);
            if (box && design->picture) {
                box->setPicture(pixmapOf(artwork::picturePath(design->picture), scale),
                                design->fill);
            }
            if (box) box->setRingWidth(ring);
        }
        m_cellArea->setGeometry(m_boardFrame->rect().adjusted(1, 1, -1, -1));
        for (int cell = 0; cell < kCellCount; ++cell) {
            m_cells[cell]->setGeometry(scale.toPixels(m_cellPlaces[cell]));
            m_cells[cell]->setRingWidth(ring);
            if (m_cellPatterns[cell] >= 0) showPattern(cell, m_cellPatterns[cell]);
        }
        m_design->resize(scale.designSize());
        fitTexts();
        setPointer(m_pointer);
    }
    m_design->move((m_surface->width() - m_design->width()) / 2,
                   (m_surface->height() - m_design->height()) / 2);
}

void Form1::renderPictures() {
    for (int index = 0; index < int(m_patterns.size()); ++index) {
        if (isPatternIndex(index))
            m_patterns[index] = pixmapOf(artwork::patternPath(index), m_scale);
    }
    // The hot spot is the fingertip, the top-left pixel.
    m_ownPointer =
        QCursor(pixmapOf(artwork::picturePath(QStringLiteral("pointer.svg")), m_scale), 0, 0);
}

QSize Form1::windowSizeFor(const DesignScale& scale) const {
    return scale.designSize() + QSize(0, menuBar()->sizeHint().height());
}

// Sizes the window to the design at `factor`, as far as the screen has room for it.
void Form1::zoomTo(double factor) {
    if (isFullScreen()) return;
    const QSize size = windowSizeFor(DesignScale(factor));
    const QSize room = screen()->availableGeometry().size();
    if (factor > m_scale.factor() && (size.width() > room.width() || size.height() > room.height()))
        return;
    resize(size);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_surface && event->type() == QEvent::Resize) {
        if (windowState() == Qt::WindowNoState) m_normalSize = size();
        applyScale(DesignScale::fitting(m_surface->size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        m_fullScreenItem->setChecked(isFullScreen());
        for (QAction* zoom : m_zoomItems)
            zoom->setEnabled(!isFullScreen());
    }
    QMainWindow::changeEvent(event);
}

// Start-up: the help text, the cells hidden in the board frame and the first game, all before
// the window is first shown.
void Form1::form_load() {
    if (!m_injectedRandom) m_ownRandom.seedFromClock();
    m_helpPanel->hide();
    m_helpText->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    fitTexts();
    // The pattern pictures are held as pixmaps, never as widgets, so there is nothing to hide.
    for (PictureBox* cell : m_cells)
        cell->hide();
    setLabelText(ScoreLabel::Label8, "0");
    m_game.ng_click();
}

// A translation longer than the English shrinks its font just enough, once every control
// stands in its place: a caption's room ends where the value beside it begins. The help text
// is set after the window is built and is fitted again then.
void Form1::fitTexts() {
    for (const auto& [design, widget] : m_controls) {
        if (!design->font.family || (!design->text && widget != m_helpText)) continue;
        fitText(*widget, scaledFont(design->font, m_scale), m_scale.factor());
    }
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
    m_sound->stopAll();
}

void Form1::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = kFalse;
    Form_QueryUnload(cancel, 0);
    if (cancel) {
        event->ignore();
        return;
    }
    Settings::save(m_normalSize, isFullScreen(), m_sound->isOn());
    event->accept();
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
    m_sound->play(clip);
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
    m_cellPatterns[cell] = pattern;
    m_cells[cell]->setPicture(m_patterns[pattern]);
    m_cells[cell]->setAccessibleName(cellName(pattern, cell));
}

void Form1::setCellVisible(int cell, bool visible) {
    m_cells[cell]->setVisible(visible);
}

void Form1::placeCell(int cell, int left, int top, int width, int height) {
    m_cellPlaces[cell] = QRect(left, top, width, height);
    m_cells[cell]->setGeometry(m_scale.toPixels(m_cellPlaces[cell]));
}

int Form1::boardLeft() const {
    return m_scale.toTwips(m_boardFrame->x());
}
int Form1::boardTop() const {
    return m_scale.toTwips(m_boardFrame->y());
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
    m_pointer = pointer;
    setCursor(pointer == Pointer::Busy ? QCursor(Qt::WaitCursor) : m_ownPointer);
}

void Form1::doEvents() {
    // While the timer runs a tick is due within 50 ms, so the wait blocks until an event
    // arrives instead of spinning; otherwise only what is pending runs.
    QCoreApplication::processEvents(m_fallTimer.isActive() ? QEventLoop::WaitForMoreEvents
                                                           : QEventLoop::AllEvents);
}

}  // namespace varn
