// main.cpp: varn, the game. It takes no arguments.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "form1.h"
#include "gamesession.h"
#include "lazysoundoutput.h"
#include "pictureprovider.h"
#include "translations.h"

namespace {

// Without a display Qt reports its own failure at length and aborts; a player gets one line.
void startUpMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::fputs("varn: cannot open a display; start Varn from a graphical desktop session\n",
                   stderr);
        std::_Exit(1);
    }
}

}  // namespace

int main(int, char** argv) {
    int argc = 1;
    qInstallMessageHandler(startUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    // The desktop's language, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
    const varn::Translations translations;
    varn::LazySoundOutput output(varn::LazySoundOutput::defaultModules());
    varn::GameSession session(output);
    // Kept in the desktop's cache folder, and written there once the window is up.
    varn::PictureProvider pictures;
    varn::Form1 form(session, pictures);
    form.show();
    return app.exec();
}
