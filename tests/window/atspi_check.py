#!/usr/bin/python3
"""atspi_check.py: plays the real varn executable through the desktop's accessibility bus, the
way a screen reader sees it: the named cells and buttons, where the cells lie at the first
start's scale, the cursor's cell announced as an arrow key moves it, a move scored through a
cell's press action, the announced score, a mirror and the stored high score. It starts the
game with --game 2026, whose board must be the one that the replay driver's `game 2026` deals
(tests/replay/cases/numbered.expected), enters the scores of two games under two names and
reads the Scores dialog's table of the best games row by row, with its column titles; the
second game is played on a hint, which takes the keyboard to what it suggests and says what
that is, and its row counts the hint. It copies the code of a game, pastes it into "Watch a
game code…", watches Ana's row and the code again with --watch: each watch ends on the board
and score it replays, read with the watch's controls, and puts back the game in progress, and
the score files stay as they were. Started
once more, it must go on with the saved game 2026 under its own number.

    /usr/bin/python3 atspi_check.py PATH/TO/varn [LANGUAGE TRANSLATION.ts]

With a language the game runs in it (LANGUAGE and LANG set as a desktop sets them), and the
names it must read are taken from that language's translation file.

It runs itself again inside a private session bus, whose accessibility bus keeps its socket
in a private runtime folder, so that runs side by side never meet. There it starts a private
Xvfb and the program in a scratch folder, and ends them however it ends. It first checks that
without a display the program says so in one line and fails.
"""

import os
import re
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Failure, check, descendants, group_at, in_private_session,  # noqa: E402
                     press, read_cells, start_xvfb, wait_for)

NO_DISPLAY = b"varn: cannot open a display; start Varn from a graphical desktop session\n"
BAD_GAME = b'varn: --game takes a game number from 1 to 4294967295, not "0"\n'
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


def check_without_display(varn, scratch):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["QT_QPA_PLATFORM"] = "xcb"
    run = subprocess.run([varn], cwd=scratch, env=env, capture_output=True, timeout=30)
    check(run.returncode == 1 and run.stderr == NO_DISPLAY,
          f"without a display: status {run.returncode}, said {run.stderr!r}")
    # A number that is no game number is refused before any window is tried.
    run = subprocess.run([varn, "--game", "0"], cwd=scratch, env=env, capture_output=True,
                         timeout=30)
    check(run.returncode == 2 and run.stderr == BAD_GAME,
          f"--game 0: status {run.returncode}, said {run.stderr!r}")


def replayed_board(number, texts):
    """The kinds of game `number`'s first board as the replay driver printed it."""
    cases = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "replay", "cases")
    with open(os.path.join(cases, "numbered.expected")) as printed:
        lines = printed.read().splitlines()
    start = lines.index(next(line for line in lines if line.startswith(f"game {number}:")))
    return {(row, column): texts("CellName", PIECES[code])
            for row, line in enumerate(lines[start + 1:start + 11])
            for column, code in enumerate(line.split())}


def find_app(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "varn" and app.childCount:
            return app
    return None


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


def enter_score(game, app, pyatspi, texts, env, name):
    """Presses "Enter score", which asks the name of a score that makes the best games."""
    pressing = press_opening(texts("Form1", "Enter score"), pyatspi.ROLE_PUSH_BUTTON)
    title = texts("NameDialog", "New best game")
    wait_for(game, "the name dialog", lambda: named(app, title, pyatspi.ROLE_DIALOG))
    keys(env, title, ["key", "ctrl+a"], ["type", "--delay", "20", name], ["key", "Return"])
    check(pressing.wait(timeout=20) == 0, "the press of Enter score failed")
    wait_for(game, "the name dialog closed", lambda: not named(app, title, pyatspi.ROLE_DIALOG))


def play_group(game, app, pyatspi, texts):
    """Plays the first group of three or more on the board; returns the points it made."""
    cell, joker = texts.cell_pattern(), texts("CellName", "Gift box")
    kinds, cells = wait_for(game, "100 named cells", lambda: read_cells(app, pyatspi, cell))
    groups = ((place, group_at(kinds, place, joker)) for place in sorted(kinds)
              if kinds[place] in texts.kinds())
    place, group = next(((p, g) for p, g in groups if len(g) >= 3), (None, ()))
    check(group, "the dealt board holds no group")
    press(cells[place])
    return len(group)


def read_scores(game, app, pyatspi, texts, env):
    """Opens "Scores" and reads its table: the column titles, then each row's cells, then the
    games played. The dialog stays open; the press returns once it closes."""
    pressing = press_opening(texts("Form1", "Scores"), pyatspi.ROLE_MENU_ITEM)
    best = wait_for(game, "the table of the best games", lambda: named(
        app, texts("ScoresDialog", "Best games"), pyatspi.ROLE_TABLE))
    table = best.queryTable()
    read = [[table.getColumnHeader(column).name for column in range(table.nColumns)]]
    read += [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
             for row in range(table.nRows)]
    read.append(next(node.name for node in descendants(app)
                     if node.description == texts("ScoresDialog", "Games played")))
    return read, pressing


def take_hint(game, app, pyatspi, texts, env):
    """Asks "Hint" with its key: the cell or button it suggests, which holds the keyboard, and
    what a screen reader reads of it."""
    keys(env, "Varn v3.00", ["key", "h"])
    button = texts("HintView", "Hint: press this button")
    group = texts("HintView", "Hint: a group of %n pieces", 2)
    focused = pyatspi.STATE_FOCUSED
    return wait_for(game, "the hint", lambda: next(
        ((node, node.description) for node in descendants(app) if node.description and
         (node.description == button or node.description.startswith(group.split("%n")[0])) and
         node.getState().contains(focused)), None))


def play_hint(game, app, pyatspi, texts, env):
    """The hint read where the keyboard is, then played with Space."""
    node, said = take_hint(game, app, pyatspi, texts, env)
    cell, joker = texts.cell_pattern(), texts("CellName", "Gift box")
    kinds = wait_for(game, "the board with the hint", lambda: read_cells(app, pyatspi, cell))[0]
    match = cell.match(node.name)
    if match and match[1] in texts.kinds():
        size = len(group_at(kinds, (int(match[2]) - 1, int(match[3]) - 1), joker))
        group = texts("HintView", "Hint: a group of %n pieces", size).replace("%n", str(size))
        check(said.startswith(texts("HintView", "%1, %2").replace("%1", group).split("%2")[0]),
              f"the hint on a group of {size} reads {said!r}")
    keys(env, "Varn v3.00", ["key", "space"])
    wait_for(game, "the hint played", lambda: (read_cells(app, pyatspi, cell) or [kinds])[0]
             != kinds)


def check_two_games(game, app, pyatspi, texts, env, first):
    """Game 2026, entered as Ana, then a new game played on a hint and entered as Ben: both
    are read, Ben's as hinted."""
    keys(env, "Varn v3.00", ["key", "ctrl+n"])
    play_hint(game, app, pyatspi, texts, env)
    play_group(game, app, pyatspi, texts)
    cell = texts.cell_pattern()
    wait_for(game, "the board dealt again", lambda: read_cells(app, pyatspi, cell))
    enter_score(game, app, pyatspi, texts, env, "Ben")
    read, pressing = read_scores(game, app, pyatspi, texts, env)
    titles = [texts("ScoresDialog", title)
              for title in ("Rank", "Name", "Score", "Date", "Game", "Hints")]
    check(read[0] == titles, f"the table's columns read {read[0]}")
    rows = {row[1]: row for row in read[1:-1]}
    check(len(rows) == 2 and rows["Ana"][4:] == ["2026", "0"] and rows["Ben"][4].isdigit() and
          rows["Ben"][5] == "1" and
          rows["Ben"][4] != "2026" and int(rows["Ana"][2]) == first and
          sorted(row[0] for row in rows.values()) == ["1", "2"], f"the table reads {read[1:-1]}")
    check(read[-1] == "1", f"games played reads {read[-1]!r}")
    names = [row[1] for row in read[1:-1]]
    # Ana's row, chosen with the arrow keys and played with Return, deals game 2026 again.
    downs = [["key", "Down"]] * names.index("Ana")
    keys(env, texts("ScoresDialog", "Scores"), *downs, ["key", "Return"])
    check(pressing.wait(timeout=20) == 0, "the press of Scores failed")
    cell = texts.cell_pattern()
    wait_for(game, "game 2026 played again", lambda: (read_cells(app, pyatspi, cell) or [0])[0]
             == replayed_board(2026, texts))
    return names


def watched_to_the_end(game, app, pyatspi, texts, score, board):
    """Waits for the watch of game 2026 to end at `score` on `board`, unless None, and reads
    its controls."""
    end = texts("WatchPlayer", "Game %1: the end, score %2").replace("%1", "2026")
    wait_for(game, "the end of the watch", lambda: named(app, end.replace("%2", str(score)),
                                                          pyatspi.ROLE_LABEL))
    cell = texts.cell_pattern()
    shown = wait_for(game, "the watched board", lambda: read_cells(app, pyatspi, cell))[0]
    check(board is None or shown == board, f"the watch ends on another board: {shown} {board}")
    controls = {name: named(app, texts("WatchPlayer", name), pyatspi.ROLE_PUSH_BUTTON)
                for name in ("Pause", "Step", "Faster", "Stop watching")}
    check(all(controls.values()), f"the watch's controls read {controls}")
    return controls["Stop watching"]


def check_watch(game, app, pyatspi, texts, env, first, names):
    """A move in game 2026, its code copied and pasted into "Watch a game code…", then Ana's
    row watched: each ends on its board and score and gives the game in progress back."""
    points = play_group(game, app, pyatspi, texts)
    cell = texts.cell_pattern()
    kinds = wait_for(game, "the board after the move", lambda: read_cells(app, pyatspi, cell))[0]
    press(named(app, texts("Form1", "Copy game code"), pyatspi.ROLE_MENU_ITEM))
    pressing = press_opening(texts("Form1", "Watch a game code…"), pyatspi.ROLE_MENU_ITEM)
    title = texts("GameChooser", "Watch a game code")
    wait_for(game, "the code dialog", lambda: named(app, title, pyatspi.ROLE_DIALOG))
    keys(env, title, ["key", "ctrl+v"])
    field = named(app, texts("GameChooser", "&Game code:").replace("&", ""), pyatspi.ROLE_TEXT)
    code = wait_for(game, "the pasted code", lambda: field.queryText().getText(0, -1))
    check(re.fullmatch("varn1[0-9A-Za-z]+", code), f"the copied code reads {code!r}")
    keys(env, title, ["key", "Return"])
    check(pressing.wait(timeout=20) == 0, "the press of Watch a game code failed")
    press(watched_to_the_end(game, app, pyatspi, texts, points, kinds))
    score = texts("Form1", "Score %1", points)
    wait_for(game, "the game in progress back", lambda: named(app, score, pyatspi.ROLE_LABEL))
    check(read_cells(app, pyatspi, cell)[0] == kinds, "the game in progress came back changed")

    pressing = press_opening(texts("Form1", "Scores"), pyatspi.ROLE_MENU_ITEM)
    wait_for(game, "the Scores dialog", lambda: named(
        app, texts("ScoresDialog", "Best games"), pyatspi.ROLE_TABLE))
    keys(env, texts("ScoresDialog", "Scores"), *[["key", "Down"]] * names.index("Ana"))
    press(named(app, texts("ScoresDialog", "&Watch").replace("&", ""), pyatspi.ROLE_PUSH_BUTTON))
    check(pressing.wait(timeout=20) == 0, "the press of Scores failed")
    press(watched_to_the_end(game, app, pyatspi, texts, first, None))
    wait_for(game, "the game in progress back again",
             lambda: named(app, score, pyatspi.ROLE_LABEL))
    check(read_cells(app, pyatspi, cell)[0] == kinds, "the game in progress came back changed")
    # The move taken back: the saved game is game 2026 as dealt, as it is continued later.
    press(named(app, texts("Form1", "Undo"), pyatspi.ROLE_MENU_ITEM))
    wait_for(game, "the move undone", lambda: (read_cells(app, pyatspi, cell) or [0])[0]
             == replayed_board(2026, texts))
    return code, kinds, points


def check_watch_option(varn, scratch, env, pyatspi, texts, watched):
    """`varn --watch CODE` ends on the same board and score and changes neither score file; the
    saved game, which every start writes afresh, is checked as it is continued after."""
    code, kinds, points = watched
    files = [os.path.join(scratch, "varn", "scores.txt"), os.path.join(scratch, "Varn_hsc.nrz")]
    before = [open(path, "rb").read() for path in files]
    game = subprocess.Popen([varn, "--watch", code], cwd=scratch, env=env,
                            stderr=subprocess.DEVNULL)
    try:
        app = wait_for(game, "the program watching", lambda: find_app(pyatspi))
        press(watched_to_the_end(game, app, pyatspi, texts, points, kinds))
    finally:
        stop(game)
    check([open(path, "rb").read() for path in files] == before, "watching changed a file")


def stop(game):
    game.terminate()
    try:
        game.wait(timeout=10)
    except subprocess.TimeoutExpired:
        game.kill()
        game.wait()


def moves_left(texts, count):
    """What a screen reader hears of the moves left: the caption without its colon, the count."""
    return re.sub(r"[:：\s]+$", "", texts("Form1", "Moves left:")) + f" {count}"


def check_challenge(game, app, pyatspi, texts, env):
    """Today's challenge: its moves left are read, and a move counts down; Undo is greyed. The
    Scores dialog's page of challenges reads the day begun, and today's cannot begin again."""
    press(named(app, texts("Form1", "Today's challenge"), pyatspi.ROLE_MENU_ITEM))
    wait_for(game, "the moves left", lambda: named(app, moves_left(texts, 50), pyatspi.ROLE_LABEL))
    play_group(game, app, pyatspi, texts)
    wait_for(game, "a move counted", lambda: named(app, moves_left(texts, 49), pyatspi.ROLE_LABEL))
    for name in ("Undo", "Hint"):
        item = named(app, texts("Form1", name), pyatspi.ROLE_MENU_ITEM)
        check(not item.getState().contains(pyatspi.STATE_SENSITIVE), f"{name} offered in a challenge")
    pressing = press_opening(texts("Form1", "Scores"), pyatspi.ROLE_MENU_ITEM)
    title = texts("ScoresDialog", "Scores")
    wait_for(game, "the Scores dialog", lambda: named(app, title, pyatspi.ROLE_DIALOG))
    keys(env, title, ["key", "ctrl+Tab"])
    page = wait_for(game, "the page of challenges", lambda: named(
        app, texts("ChallengesPage", "Challenges"), pyatspi.ROLE_TABLE))
    table = page.queryTable()
    heads = [table.getColumnHeader(column).name for column in range(table.nColumns)]
    check(heads == [texts("ChallengesPage", t) for t in ("Rank", "Date", "Score", "Name")] and
          table.nRows == 1, f"the challenges read {heads} and {table.nRows} rows")
    button = named(app, texts("Form1", "Today's challenge"), pyatspi.ROLE_PUSH_BUTTON)
    check(not button.getState().contains(pyatspi.STATE_SENSITIVE), "today's challenge offered again")
    keys(env, title, ["key", "Escape"])
    check(pressing.wait(timeout=20) == 0, "the press of Scores failed")


def check_resumed(varn, scratch, env, pyatspi, texts):
    """Started again, the game goes on with game 2026 as it was left, under its own number;
    then today's challenge is played."""
    game = subprocess.Popen([varn], cwd=scratch, env=env, stderr=subprocess.DEVNULL)
    try:
        app = wait_for(game, "the program again", lambda: find_app(pyatspi))
        cell = texts.cell_pattern()
        kinds = wait_for(game, "the board again", lambda: read_cells(app, pyatspi, cell))[0]
        check(kinds == replayed_board(2026, texts), "the restored game is not game 2026")
        pressing = press_opening(texts("Form1", "Game number…"), pyatspi.ROLE_MENU_ITEM)
        shown = wait_for(game, "this game's number", lambda: named(
            app, texts("GameNumberDialog", "&This game").replace("&", ""), pyatspi.ROLE_TEXT))
        number = shown.queryText().getText(0, -1)
        keys(env, texts("GameNumberDialog", "Game number"), ["key", "Escape"])
        check(pressing.wait(timeout=20) == 0, "the press of Game number failed")
        check(number == "2026", f"the restored game's number reads {number!r}")
        check_challenge(game, app, pyatspi, texts, env)
    finally:
        stop(game)


def play(varn, scratch, display, language, texts):
    # Qt's remarks while it starts (here those about the screen) must not stop the game, and
    # those after (about drag and drop, when the window is shown) reach the terminal.
    # The clips go to SDL's disk file, so the sound module that the game loads at its first clip
    # is seen to play.
    audio = os.path.join(scratch, "audio.raw")
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="disk",
               SDL_DISKAUDIOFILE=audio, SDL_DISKAUDIODELAY="0",
               XDG_CONFIG_HOME=scratch, XDG_STATE_HOME=scratch, XDG_DATA_HOME=scratch,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_LOGGING_RULES="qt.qpa.screen.debug=true;qt.qpa.xdnd.debug=true",
               LANGUAGE=language, LANG=language + ".UTF-8", LC_ALL="")
    os.environ["DISPLAY"] = display
    import pyatspi
    from gi.repository import Atspi
    Atspi.set_timeout(30000, 30000)  # a press returns when its move has ended
    # Listening before the program starts, as a running screen reader does, so that it learns
    # at once which events to send.
    renamed, focused = [], []
    pyatspi.Registry.registerEventListener(lambda event: renamed.append(event.source.name),
                                           "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and focused.append(event.source.name),
        "object:state-changed:focused")
    remarks = open(os.path.join(scratch, "remarks"), "w+")
    game = subprocess.Popen([varn, "--game", "2026"], cwd=scratch, env=env, stderr=remarks)
    try:
        app = wait_for(game, "the program on the accessibility bus", lambda: find_app(pyatspi))
        cell, joker = texts.cell_pattern(), texts("CellName", "Gift box")
        kinds, cells = wait_for(game, "100 named cells", lambda: read_cells(app, pyatspi, cell))
        check(kinds == replayed_board(2026, texts), "--game 2026 deals another board than the "
              "replay driver's game 2026")
        # On this screen the window first opens at 1.25 times its design size, and a screen
        # reader finds each cell where it is drawn: 40 pixels square, side by side.
        first, second = (cells[(0, column)].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                         for column in (0, 1))
        check((first.width, first.height, second.x - first.x, second.y) == (40, 40, 40, first.y),
              f"cells at {first.x},{first.y} {first.width}x{first.height} and {second.x}")
        named = {node.name: node for node in descendants(app) if node.name}
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
        wait_for(game, "the cursor's cell announced", lambda: any(
            name.endswith(texts.cell_suffix(2, 1)) for name in focused))

        groups = ((place, group_at(kinds, place, joker)) for place in sorted(kinds)
                  if kinds[place] in texts.kinds())
        place, group = next(((p, g) for p, g in groups if len(g) >= 3), (None, ()))
        check(group, "the dealt board holds no group")
        press(cells[place])
        score = texts("Form1", "Score %1", len(group))
        wait_for(game, f"{score!r} announced", lambda: score in renamed)
        wait_for(game, "the move's clip played",
                 lambda: os.path.exists(audio) and os.path.getsize(audio) > 0)
        kinds, cells = wait_for(game, "the board dealt again",
                                lambda: read_cells(app, pyatspi, cell))
        check(cells[place].name in renamed, "the pressed cell's new piece was not announced")

        press(named[buttons[0]])
        mirrored = wait_for(game, "the mirrored board", lambda: read_cells(app, pyatspi, cell))[0]
        check(all(mirrored[(row, column)] == kinds[(9 - row, column)] for row, column in kinds),
              "Mirror did not turn the board upside down")

        enter_score(game, app, pyatspi, texts, env, "Ana")
        high = texts("Form1", "High score %1", len(group))
        wait_for(game, "the high score", lambda: high in renamed)
        with open(os.path.join(scratch, "Varn_hsc.nrz"), "rb") as stored:
            check(stored.read() == f"{len(group)}\r\n".encode(), "high-score file not written")
        names = check_two_games(game, app, pyatspi, texts, env, len(group))
        watched = check_watch(game, app, pyatspi, texts, env, len(group), names)
        remarks.seek(0)
        check("qt.qpa.xdnd" in remarks.read(), "Qt's remarks after start-up were swallowed")
    finally:
        stop(game)
    check_watch_option(varn, scratch, env, pyatspi, texts, watched)
    check_resumed(varn, scratch, env, pyatspi, texts)


def main():
    if len(sys.argv) not in (2, 4):
        sys.exit(__doc__)
    varn = os.path.abspath(sys.argv[1])
    language, texts = "en_US", Texts()
    if len(sys.argv) == 4:
        language, texts = sys.argv[2], Texts(sys.argv[3])
    scratch = os.environ.get("VARN_ATSPI_SCRATCH")
    if not scratch:
        in_private_session([varn] + sys.argv[2:], os.path.abspath(__file__))
    # Ends the run, and with it Xvfb and the program, before the session's own time-out.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("atspi_check: out of time"))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("atspi_check: stopped"))
    signal.alarm(150)
    check_without_display(varn, scratch)
    xvfb, display = start_xvfb()
    try:
        play(varn, scratch, display, language, texts)
    except Failure as failure:
        sys.exit(f"atspi_check: {failure}")
    finally:
        xvfb.terminate()
        xvfb.wait()
    print(f"atspi_check: {language}: game 2026's board, cells, buttons, the cursor, a move, a "
          "mirror, the high score, a hint, the table of two games' scores, a code and a row "
          "watched, and the restored game's number")


if __name__ == "__main__":
    main()
