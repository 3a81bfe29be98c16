// helptext.cpp: the words of the help panel.
#include "helptext.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "command.h"
#include "designtable.h"
#include "padglyphs.h"

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

namespace {

QString windowText(const char* text) {
    return QCoreApplication::translate("varn::Form1", text);
}

// What a command is called where the player meets it: its menu item, or the control that
// gives it.
QString commandName(Command id) {
    if (const char* item = commandRow(id).item.text) return windowText(item);
    for (const Control& control : designTable().controls) {
        if (control.command == id)
            return windowText(control.spoken ? control.spoken : control.text);
    }
    return {};
}

QString row(const QString& what, const QString& does) {
    return QStringLiteral("<tr><td style='padding-right:8px'>%1</td><td>%2</td></tr>")
        .arg(what, does.toHtmlEscaped());
}

QString glyphs(unsigned buttons, int height) {
    QString images;
    for (std::size_t button = 0; button < kPadButtonCount; ++button) {
        if (!(buttons & (1u << button))) continue;
        const QSizeF size = padGlyphSize(PadButton(button), height);
        images += QStringLiteral("<img src='glyph:%1' width=%2 height=%3> ")
                      .arg(button)
                      .arg(qRound(size.width()))
                      .arg(qRound(size.height()));
    }
    return images;
}

QString keyboardRows() {
    const auto keys = [](const char* keys) {
        QStringList shown;
        for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(keys)))
            shown << key.toString(QKeySequence::NativeText);
        return shown.join(QStringLiteral(", ")).toHtmlEscaped();
    };
    QString rows =
        row(translated(QT_TRANSLATE_NOOP("varn::HelpText", "Arrow keys")),
            translated(QT_TRANSLATE_NOOP("varn::HelpText", "Move the cursor on the board"))) +
        row(keys("Space; Return"),
            translated(QT_TRANSLATE_NOOP("varn::HelpText", "Play the piece under the cursor"))) +
        row(keys("Tab"), translated(QT_TRANSLATE_NOOP(
                             "varn::HelpText", "Go round the board and the buttons under it"))) +
        row(keys("Esc"),
            translated(QT_TRANSLATE_NOOP("varn::HelpText", "Close a dialog or the help")));
    for (const CommandRow& command : kCommands) {
        if (command.item.keys) rows += row(keys(command.item.keys), commandName(command.id));
    }
    return rows;
}

// In the order of the line of hints under the board.
QString controllerRows(int height) {
    using enum PadButton;
    QString rows =
        row(glyphs(padButtons({DpadUp, DpadDown, DpadLeft, DpadRight}), height),
            translated(QT_TRANSLATE_NOOP("varn::HelpText",
                                         "The d-pad or the left stick: move the cursor on the "
                                         "board, or between the items of a menu or a dialog")));
    for (const PadButton button :
         {A, X, LeftShoulder, RightShoulder, LeftTrigger, Y, Back, RightTrigger}) {
        for (const CommandRow& command : kCommands) {
            if (!(command.pad & padButtons({button}))) continue;
            const bool play = command.id == Command::Element_Click;
            rows += row(glyphs(padButtons({button}), height),
                        play ? translated(QT_TRANSLATE_NOOP("varn::HelpText",
                                                            "Play the piece under the cursor"))
                             : commandName(command.id));
        }
    }
    return rows +
           row(glyphs(padButtons({Start}), height),
               translated(QT_TRANSLATE_NOOP("varn::HelpText",
                                            "Open the Game menu; in a dialog, press its main "
                                            "button"))) +
           row(glyphs(padButtons({B}), height),
               translated(QT_TRANSLATE_NOOP("varn::HelpText",
                                            "Go back: close a menu, a dialog or the help"))) +
           row(glyphs(padButtons({A}), height),
               translated(QT_TRANSLATE_NOOP("varn::HelpText",
                                            "In a dialog: press the control that has the "
                                            "focus, or open a keyboard on the screen for a "
                                            "text field"))) +
           row(glyphs(padButtons({LeftShoulder, RightShoulder}), height),
               translated(QT_TRANSLATE_NOOP("varn::HelpText", "In a dialog: turn its pages")));
}

QString paragraph(const char* text) {
    return QStringLiteral("<p>%1</p>").arg(translated(text).toHtmlEscaped());
}

}  // namespace

QString controlsHelp(int glyphHeight) {
    const QString heading = QStringLiteral("<p><b>%1</b></p>");
    return heading.arg(translated(QT_TRANSLATE_NOOP("varn::HelpText", "Keyboard"))) +
           QStringLiteral("<table>") + keyboardRows() + QStringLiteral("</table>") +
           QStringLiteral("<a name='controller'></a>") +
           heading.arg(translated(QT_TRANSLATE_NOOP("varn::HelpText", "Controller"))) +
           QStringLiteral("<table>") + controllerRows(glyphHeight) + QStringLiteral("</table>") +
           heading.arg(translated(
               QT_TRANSLATE_NOOP("varn::HelpText", "Hint, today's challenge and game codes"))) +
           paragraph(QT_TRANSLATE_NOOP(
               "varn::HelpText",
               "\"Hint\" outlines the group to click next, found by playing several actions "
               "ahead with the pieces that this game will really deal.")) +
           paragraph(QT_TRANSLATE_NOOP(
               "varn::HelpText",
               "\"Today's challenge\" deals the same game to every player in the world on the "
               "same day: 50 moves, played once, without Undo or Hint. Its result can be "
               "shared without giving the game away.")) +
           paragraph(QT_TRANSLATE_NOOP(
               "varn::HelpText",
               "Every game has a number that fixes all of its pieces. \"Copy game code\" puts "
               "the game's number and what you did on the clipboard, one line safe to paste "
               "in a chat; \"Watch a game code…\" plays such a line again."));
}

}  // namespace varn
