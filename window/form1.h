// form1.h: the game's only window: its design, start-up, commands, and the window operations
// through which the rules and the sound players act on it.
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "designscale.h"
#include "game.h"
#include "gamewindow.h"
#include "splitmixsource.h"

class QAction;
class QLabel;
class QPushButton;

namespace varn {

class BoardCursor;
class PictureBox;
class SoundOutput;
class SoundPlayers;
struct Control;

class Form1 : public QMainWindow, public GameWindow {
    Q_OBJECT

  public:
    // The three sound players play through `output`, which must outlive the window. `random`
    // replaces the generator that start-up seeds from the clock; tests feed exact numbers.
    explicit Form1(SoundOutput& output, UniformSource* random = nullptr);
    ~Form1() override;

    Game& game() { return m_game; }
    // How often the window has beeped: the only trace a beep leaves.
    int beepCount() const { return m_beeps; }
    // The one scale from the design's twips to the window's pixels.
    const DesignScale& scale() const { return m_scale; }

    // Handlers of the window's own events and of its commands.
    void form_load();
    void form_click();
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode);
    void pomoc_Click();
    void Command5_Click();
    void PlayClip(int clip);

    // The window operations of the rules.
    std::string labelText(ScoreLabel label) const override;
    void setLabelText(ScoreLabel label, const std::string& text) override;
    void beep() override;
    void showPattern(int cell, int pattern) override;
    void setCellVisible(int cell, bool visible) override;
    void placeCell(int cell, int left, int top, int width, int height) override;
    int boardLeft() const override;
    int boardTop() const override;
    void repaintCell(int cell) override;
    void repaintBoard() override;
    void setBoardEnabled(bool enabled) override;
    bool boardEnabled() const override;
    void focusBoard() override;
    void setPointer(Pointer pointer) override;
    void startTimer() override { m_fallTimer.start(); }
    void stopTimer() override { m_fallTimer.stop(); }
    bool timerRunning() const override { return m_fallTimer.isActive(); }
    void doEvents() override;
    void playClip(int clip) override { PlayClip(clip); }
    void enableHistoryCommands(bool undo, bool redo) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placed {
        const Control* design;
        QWidget* widget;
    };

    void buildMenu();
    void buildViewMenu();
    void buildControls();
    QWidget* buildControl(const Control& design, QWidget* parent);
    void buildBoard();
    void wireControls();
    template <typename T = QWidget>
    T* control(const char* name) const;
    void restoreSettings();
    // Draws the pictures and places every control anew when the scale changes; otherwise only
    // centres the design on the window's surface.
    void applyScale(const DesignScale& scale);
    void fitTexts();
    void renderPictures();
    QSize windowSizeFor(const DesignScale& scale) const;
    void zoomTo(double factor);
    // A click, a key or an assistive tool's press on a cell: a move, or a beep while busy.
    void playCell(int cell);

    SplitMixSource m_ownRandom;
    UniformSource* m_injectedRandom;
    Game m_game;
    SoundPlayers* m_sound;  // EmbedSound1
    QTimer m_fallTimer;     // Timer1
    DesignScale m_scale;
    QSize m_normalSize;  // the window's size out of full screen, which the settings keep
    QCursor m_ownPointer;
    Pointer m_pointer = Pointer::Custom;
    std::array<QPixmap, 15> m_patterns;  // Uzorak: index 9 stays empty

    PictureBox* m_surface = nullptr;  // the window's inside, on which the design is centred
    PictureBox* m_design = nullptr;   // Form1's own surface, at the design's size
    std::vector<Placed> m_controls;   // in the order of the table of controls

    PictureBox* m_board = nullptr;       // Podloga, the backing whose state is board input
    PictureBox* m_boardFrame = nullptr;  // picture1, which holds the cells and the keyboard
    QWidget* m_cellArea = nullptr;       // picture1's inside, where the cells lie
    PictureBox* m_helpPanel = nullptr;   // Picture12
    QLabel* m_helpText = nullptr;        // Label3
    QPushButton* m_helpOk = nullptr;     // Command5
    QLabel* m_scoreLabel = nullptr;      // Label4
    QLabel* m_highScoreLabel = nullptr;  // Label8
    std::array<PictureBox*, kCellCount> m_cells{};  // Element
    std::array<QRect, kCellCount> m_cellPlaces{};   // in twips, as the rules placed them
    std::array<int, kCellCount> m_cellPatterns{};   // -1 before a picture is shown
    QAction* m_soundItem = nullptr;
    QAction* m_fullScreenItem = nullptr;
    std::vector<QAction*> m_zoomItems;
    std::string m_scoreText;
    std::string m_highScoreText;
    int m_beeps = 0;
    QPointer<QWidget> m_focusBeforeHelp;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};

}  // namespace varn
