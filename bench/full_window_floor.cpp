// full_window_floor.cpp: the floor for a game that fills the screen: the bare Qt main window with
// a menu bar, sized to the whole screen before it is first shown, as the game is in full screen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor Qt"));
    window.menuBar()->addMenu(QStringLiteral("Game"));
    window.setCentralWidget(new QWidget);
    window.resize(window.screen()->size());
    window.show();
    return app.exec();
}
