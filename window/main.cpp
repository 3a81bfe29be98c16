// main.cpp: varn, the game. --game N starts with game N, --watch CODE watches a game code.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "challengekeeper.h"
#include "fontwarmup.h"
#include "form1.h"
#include "gamesession.h"
#include "gamestyle.h"
#include "lazysoundoutput.h"
#include "orderlyend.h"
#include "pictureprovider.h"
#include "savedgamefile.h"
#include "startoptions.h"
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

int main(int argumentCount, char** argv) {
    // Read before Qt, so that a mistyped number opens no window at all.
    varn::StartOptions options = varn::StartOptions::read(argumentCount, argv);
    const varn::Days today =
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    options.holdBack(varn::challengeNumber(today),
                     [today] { return varn::ChallengeKeeper::finishedOnFile(today); });
    if (!options.problem.empty()) {
        std::fprintf(stderr, "%s\n", options.problem.c_str());
        return 2;
    }
    // Qt takes the desktop's locale when the application starts, and the locale is the whole
    // process's: it is taken here, before the fonts' thread starts reading, so that Qt's own
    // call changes nothing under it.
    std::setlocale(LC_ALL, "");
    varn::FontWarmUp fonts;
    int argc = 1;
    qInstallMessageHandler(startUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setStyle(new varn::GameStyle);

    // The desktop's language, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
    const varn::Translations translations;
    varn::LazySoundOutput output(varn::LazySoundOutput::defaultModules());
    varn::GameSession session(output);
    session.keepSavedGame(varn::savedGamePath());
    if (options.game) session.chooseNextGame(*options.game);
    // Kept in the desktop's cache folder, and written there once the window is up.
    varn::PictureProvider pictures;
    fonts.fillDatabase();
    varn::Form1 form(session, pictures);
    const varn::OrderlyEnd end(form);
    form.show();
    if (options.watch) form.watch(*options.watch);
    const int status = app.exec();
    fonts.finish();
    return status;
}
