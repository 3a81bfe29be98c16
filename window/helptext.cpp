// helptext.cpp: the words of the help panel.
#include "helptext.h"

#include <QCoreApplication>

namespace varn {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("varn::HelpText", text);
}

}  // namespace

std::string helpText() {
    const QString credit = translated(QT_TRANSLATE_NOOP(
        "varn::HelpText",
        "Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick "
        "game."));
    const QString rules = translated(QT_TRANSLATE_NOOP(
        "varn::HelpText",
        "Your goal is to remove at least the three same images. Keep your helpful jokers. The "
        "ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 "
        "points per a gem. You can freely rotate and use mirror at any time. The more images you "
        "have the better player you are."));
    // The welcome and the farewell stand indented on lines of their own.
    const QString indent = QStringLiteral("  ");
    const QString text =
        indent + translated(QT_TRANSLATE_NOOP("varn::HelpText", "Welcome to Varn,")) + '\r' +
        //: The credit and the rules run on in one paragraph; a language that sets no space
        //: between sentences leaves it out.
        translated(QT_TRANSLATE_NOOP("varn::HelpText", "%1 %2")).arg(credit, rules) + '\r' +
        indent + translated(QT_TRANSLATE_NOOP("varn::HelpText", "Good luck. Have a fun."));
    return text.toStdString();
}

}  // namespace varn
