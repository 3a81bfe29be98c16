#!/usr/bin/python3
"""atspi_check.py: plays the real varn executable through the desktop's accessibility bus, the
way a screen reader sees it: the named cells and buttons, where the cells lie at the first
start's scale, the cursor's cell announced as an arrow key moves it, a move scored through a
cell's press action, the announced score, a mirror and the stored high score. It starts the
game with --game 2026, whose board must be the one that the replay driver's `game 2026` deals
(tests/replay/cases/numbered.expected), enters the scores of two games under two names and
reads the Scores dialog's table of the best games row by row, with its column titles. Started
once more, it must go on with the saved game 2026 under its own number.

    /usr/bin/python3 atspi_check.py PATH/TO/varn [LANGUAGE TRANSLATION.ts]

With a language the game runs in it (LANGUAGE and LANG set as a desktop sets them), and the
names it must read are taken from that language's translation file.

It runs itself again inside a private session bus, whose accessibility bus keeps its socket
in a private runtime folder, so that runs side by side never meet. There it starts a private
Xvfb and the program in a scratch folder, and ends them however it ends.
"""

import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402
from desktop import check, descendants, press  # noqa: E402

PIECES = {"0": "Fish", "1": "Elephant", "2": "Crab", "3": "Bird", "4": "Panda", "5": "Gift box",
          "11": "Bomb", "12": "Row ladder", "13": "Column ladder", "14": "Gem"}


class Texts:
    """The game's texts in one language: English as written in the code, or those of a
    translation file, with the plural form of German and English (one, other)."""

    def __init__(self, ts_file=None):
        self.table = {}
        if ts_file:
            for context in xml.etree.ElementTree.parse(ts_file).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    translation = message.find("translation")
                    forms = [form.text for form in translation.iter("numerusform")]
                    self.table[(name, message.findtext("source"))] = forms or translation.text

    def __call__(self, context, source, count=None):
        text = self.table.get(("varn::" + context, source), source)
        if isinstance(text, list):
            text = text[0 if count == 1 else 1]
        return text.replace("%1", str(count)) if count is not None else text

    def kinds(self):
        return [self("CellName", kind) for kind in ("Fish", "Elephant", "Crab", "Bird", "Panda")]

    def cell_pattern(self):
        pieces = self.kinds() + [self("CellName", kind) for kind in
                                 ("Gift box", "Bomb", "Row ladder", "Column ladder", "Gem")]
        form = re.escape(self("CellName", "%1, row %2, column %3"))
        form = form.replace("%1", "(" + "|".join(map(re.escape, pieces)) + ")")
        return re.compile("^" + form.replace("%2", r"(\d+)").replace("%3", r"(\d+)") + "$")

    def cell_suffix(self, row, column):
        form = self("CellName", "%1, row %2, column %3")
        return form[form.index("%1") + 2:].replace("%2", str(row)).replace("%3", str(column))


def replayed_board(number, texts):
    """The kinds of game `number`'s first board as the replay driver printed it."""
    cases = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "replay", "cases")
    with open(os.path.join(cases, "numbered.expected")) as printed:
        lines = printed.read().splitlines()
    start = lines.index(next(line for line in lines if line.startswith(f"game {number}:")))
    return {(row, column): texts("CellName", PIECES[code])
            for row, line in enumerate(lines[start + 1:start + 11])
            for column, code in enumerate(line.split())}


def keys(env, title, *commands):
    """Gives the window titled `title` the keyboard, then runs xdotool's `commands` on it. A
    window that a modal dialog has just given back may refuse the focus for a moment."""
    for attempt in range(10):
        focus = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                f"^{title}$", "windowfocus", "--sync"], env=env, timeout=20)
        if focus.returncode == 0:
            break
        time.sleep(0.2)
    check(focus.returncode == 0, f"the window {title!r} does not take the keyboard")
    for command in commands:
        subprocess.run(["xdotool", *command], env=env, timeout=20, check=True)


def named(app, name, role):
    return next((node for node in descendants(app)
                 if node.name == name and node.getRole() == role), None)


PRESS = """import sys, pyatspi
def nodes(node):
    for child in node:
        if child is not None:
            yield child
            yield from nodes(child)
app = next(app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "varn")
node = next(node for node in nodes(app)
            if node.name == sys.argv[1] and int(node.getRole()) == int(sys.argv[2]))
node.queryAction().doAction(0)
"""


def press_opening(name, role):
    """A press that opens a dialog returns only once the dialog is closed, so it runs in a
    process of its own while this one reads and closes the dialog."""
    return subprocess.Popen([sys.executable, "-c", PRESS, name, str(int(role))])


def enter_score(game, texts, name):
    """Presses "Enter score" in the desktop.Game `game`, which asks the name of a score that
    makes the best games."""
    dialog = game.pyatspi.ROLE_DIALOG
    pressing = press_opening(texts("Form1", "Enter score"), game.pyatspi.ROLE_PUSH_BUTTON)
    title = texts("NameDialog", "New best game")
    game.wait("the name dialog", lambda: named(game.app, title, dialog))
    keys(game.env, title, ["key", "ctrl+a"], ["type", "--delay", "20", name], ["key", "Return"])
    check(pressing.wait(timeout=20) == 0, "the press of Enter score failed")
    game.wait("the name dialog closed", lambda: not named(game.app, title, dialog))


def read_scores(game, texts):
    """Opens "Scores" and reads its table: the column titles, then each row's cells, then the
    games played. The dialog stays open; the press returns once it closes."""
    pressing = press_opening(texts("Form1", "Scores"), game.pyatspi.ROLE_MENU_ITEM)
    best = game.wait("the table of the best games", lambda: named(
        game.app, texts("ScoresDialog", "Best games"), game.pyatspi.ROLE_TABLE))
    table = best.queryTable()
    read = [[table.getColumnHeader(column).name for column in range(table.nColumns)]]
    read += [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
             for row in range(table.nRows)]
    read.append(next(node.name for node in descendants(game.app)
                     if node.description == texts("ScoresDialog", "Games played")))
    return read, pressing


def check_two_games(game, texts, first):
    """Game 2026, entered as Ana, then a new game played and entered as Ben: both are read."""
    keys(game.env, "Varn v3.00", ["key", "ctrl+n"])
    game.move(texts.kinds(), texts("CellName", "Gift box"))
    enter_score(game, texts, "Ben")
    read, pressing = read_scores(game, texts)
    titles = [texts("ScoresDialog", title) for title in ("Rank", "Name", "Score", "Date", "Game")]
    check(read[0] == titles, f"the table's columns read {read[0]}")
    rows = {row[1]: row for row in read[1:-1]}
    check(len(rows) == 2 and rows["Ana"][4] == "2026" and rows["Ben"][4].isdigit() and
          rows["Ben"][4] != "2026" and int(rows["Ana"][2]) == first and
          sorted(row[0] for row in rows.values()) == ["1", "2"], f"the table reads {read[1:-1]}")
    check(read[-1] == "1", f"games played reads {read[-1]!r}")
    # Ana's row, chosen with the arrow keys and played with Return, deals game 2026 again; the
    # program is stopped once the saved game has taken it in.
    saved = os.path.join(game.env["XDG_STATE_HOME"], "varn", "game.txt")
    before = open(saved, "rb").read()
    downs = [["key", "Down"]] * [row[1] for row in read[1:-1]].index("Ana")
    keys(game.env, texts("ScoresDialog", "Scores"), *downs, ["key", "Return"])
    check(pressing.wait(timeout=20) == 0, "the press of Scores failed")
    game.wait("game 2026 played again", lambda: game.board()[0] == replayed_board(2026, texts))
    game.wait("game 2026 saved", lambda: open(saved, "rb").read() != before)


def check_resumed(varn, env, pyatspi, texts):
    """Started again, the game goes on with game 2026 as it was left, under its own number."""
    game = desktop.Game(varn, env, pyatspi, texts.cell_pattern())
    try:
        check(game.board()[0] == replayed_board(2026, texts), "the restored game is not game 2026")
        pressing = press_opening(texts("Form1", "Game number…"), pyatspi.ROLE_MENU_ITEM)
        shown = game.wait("this game's number", lambda: named(
            game.app, texts("GameNumberDialog", "&This game").replace("&", ""), pyatspi.ROLE_TEXT))
        number = shown.queryText().getText(0, -1)
        keys(env, texts("GameNumberDialog", "Game number"), ["key", "Escape"])
        check(pressing.wait(timeout=20) == 0, "the press of Game number failed")
        check(number == "2026", f"the restored game's number reads {number!r}")
    finally:
        game.kill()


def play(varn, scratch, display, language, texts, pyatspi):
    # Qt's remarks while it starts (here those about the screen) must not stop the game, and
    # those after (about drag and drop, when the window is shown) reach the terminal.
    # The clips go to SDL's disk file, so the sound module that the game loads at its first clip
    # is seen to play.
    audio = os.path.join(scratch, "audio.raw")
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="disk",
               SDL_DISKAUDIOFILE=audio, SDL_DISKAUDIODELAY="0", HOME=scratch,
               XDG_CONFIG_HOME=scratch, XDG_STATE_HOME=scratch, XDG_DATA_HOME=scratch,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_LOGGING_RULES="qt.qpa.screen.debug=true;qt.qpa.xdnd.debug=true",
               LANGUAGE=language, LANG=language + ".UTF-8", LC_ALL="")
    os.environ["DISPLAY"] = display
    # Listening before the program starts, as a running screen reader does, so that it learns
    # at once which events to send.
    renamed, focused = [], []
    pyatspi.Registry.registerEventListener(lambda event: renamed.append(event.source.name),
                                           "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and focused.append(event.source.name),
        "object:state-changed:focused")
    game = desktop.Game(varn, env, pyatspi, texts.cell_pattern(), ["--game", "2026"])
    try:
        kinds, cells = game.board()
        check(kinds == replayed_board(2026, texts), "--game 2026 deals another board than the "
              "replay driver's game 2026")
        # On this screen the window first opens at 1.25 times its design size, and a screen
        # reader finds each cell where it is drawn: 40 pixels square, side by side.
        first, second = (cells[(0, column)].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                         for column in (0, 1))
        check((first.width, first.height, second.x - first.x, second.y) == (40, 40, 40, first.y),
              f"cells at {first.x},{first.y} {first.width}x{first.height} and {second.x}")
        named = {node.name: node for node in descendants(game.app) if node.name}
        buttons = [texts("Form1", name) for name in ("Mirror", "Turn left", "Turn right")]
        for name in [texts("Form1", "Board"), texts("Form1", "Help"), texts("Form1", "Enter score"),
                     texts("Form1", "Score %1", 0), texts("Form1", "High score %1", 0)] + buttons:
            check(name in named, f"nothing named {name!r}")
        welcome = "  " + texts("HelpText", "Welcome to Varn,")
        check(any(name.startswith(welcome) for name in named), "no help text")
        for name in buttons:
            check(named[name].getRole() == pyatspi.ROLE_PUSH_BUTTON, f"{name} is no button")

        # A keyboard player's arrow moves the board's cursor, and a screen reader hears where.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Varn v3.00$",
                        "windowfocus", "--sync", "key", "Down"], env=env, timeout=20, check=True)
        game.wait("the cursor's cell announced", lambda: any(
            name.endswith(texts.cell_suffix(2, 1)) for name in focused))

        kinds = game.move(texts.kinds(), texts("CellName", "Gift box"))
        score = texts("Form1", "Score %1", len(game.group))
        game.wait(f"{score!r} announced", lambda: score in renamed)
        game.wait("the move's clip played",
                  lambda: os.path.exists(audio) and os.path.getsize(audio) > 0)
        check(game.board()[1][game.pressed].name in renamed,
              "the pressed cell's new piece was not announced")

        press(named[buttons[0]])
        mirrored = game.wait("the mirrored board", lambda: (b := game.board()[0]) != kinds and b)
        check(all(mirrored[(row, column)] == kinds[(9 - row, column)] for row, column in kinds),
              "Mirror did not turn the board upside down")

        points = len(game.group)
        enter_score(game, texts, "Ana")
        high = texts("Form1", "High score %1", points)
        game.wait("the high score", lambda: high in renamed)
        with open(os.path.join(scratch, "Varn_hsc.nrz"), "rb") as stored:
            check(stored.read() == f"{points}\r\n".encode(), "high-score file not written")
        check_two_games(game, texts, points)
        check(any("qt.qpa.xdnd" in line for line in game.error_lines()),
              "Qt's remarks after start-up were swallowed")
    finally:
        desktop.stop(game.process)
    check_resumed(varn, env, pyatspi, texts)

def main():
    if len(sys.argv) not in (2, 4):
        sys.exit(__doc__)
    varn = os.path.abspath(sys.argv[1])
    language, texts = "en_US", Texts()
    if len(sys.argv) == 4:
        language, texts = sys.argv[2], Texts(sys.argv[3])
    scratch, pyatspi = desktop.private_desktop(os.path.abspath(__file__), [varn] + sys.argv[2:])
    xvfb, display = desktop.start_xvfb()
    try:
        play(varn, scratch, display, language, texts, pyatspi)
    except desktop.Failure as failure:
        sys.exit(f"atspi_check: {failure}")
    finally:
        desktop.stop(xvfb)
    print(f"atspi_check: {language}: game 2026's board, cells, buttons, the cursor, a move, a "
          "mirror, the high score, the table of two games' scores and the restored game's number")


if __name__ == "__main__":
    main()
