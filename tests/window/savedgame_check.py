#!/usr/bin/python3
"""savedgame_check.py: the real varn killed with SIGKILL or ended with SIGTERM, and started
again, read through the accessibility bus: it comes back as it was, and loses nothing while
another program holds the folders of its files.

    /usr/bin/python3 savedgame_check.py PATH/TO/varn
"""

import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402
from atspi_check import Texts, enter_score, named, take_hint  # noqa: E402
from desktop import check, press, wait_for  # noqa: E402

TEXTS = Texts()


class Run(desktop.Game):
    """One start of the program, until it is killed."""

    def __init__(self, varn, env, pyatspi):
        super().__init__(varn, env, pyatspi, TEXTS.cell_pattern())

    def item(self, name):
        return self.node(TEXTS("Form1", name), self.pyatspi.ROLE_MENU_ITEM)

    def has(self, name, state):
        return self.item(name).getState().contains(state)

    def state(self):
        """The kinds on the board, the score's name, and whether Undo and Redo are offered."""
        kinds = self.board()[0]
        score = [n.name for n in desktop.descendants(self.app)
                 if (n.name or "").startswith(TEXTS("Form1", "Score %1", 0)[:-1])]
        sensitive = self.pyatspi.STATE_SENSITIVE
        return kinds, score, self.has("Undo", sensitive), self.has("Redo", sensitive)

    def move(self):
        """Presses a group of three or more; the state after the move."""
        super().move(TEXTS.kinds(), TEXTS("CellName", "Gift box"))
        return self.state()

    def command(self, name):
        before = self.state()
        press(self.item(name))
        return self.wait(f"{name} done", lambda: (s := self.state()) != before and s)

    def xdotool(self, *command):
        """Runs xdotool's `command` on this program's window; what it prints."""
        return subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                               str(self.process.pid), "--name", "^Varn v3.00$", *command],
                              env=self.env, capture_output=True, text=True, timeout=20,
                              check=True).stdout

    def size(self):
        shell = self.xdotool("getwindowgeometry", "--shell")
        values = dict(line.split("=") for line in shell.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def resize(self, width, height):
        """Sizes the window as a drag of its edge does; waits until the settings hold the size."""
        self.xdotool("windowsize", str(width), str(height))
        path = os.path.join(self.env["XDG_CONFIG_HOME"], "varn", "varn.conf")

        def held():
            with open(path) as settings:
                lines = settings.read().split()
            return f"width={width}" in lines and f"height={height}" in lines
        wait_for(self.process, "the dragged size in the settings", held)

    def toggle(self, name):
        checked = self.pyatspi.STATE_CHECKED
        was = self.has(name, checked)
        press(self.item(name))
        self.wait(f"{name} toggled", lambda: self.has(name, checked) != was)


def kill_and_continue(varn, env, pyatspi):
    run = Run(varn, env, pyatspi)
    check(run.has("Continue the last game", pyatspi.STATE_CHECKED), "Continue is off at first")
    first = run.move()
    second = run.move()
    run.move()
    after_undo = run.command("Undo")
    check(after_undo[:2] == second[:2], "Undo did not put the second move's board back")
    run.toggle("Sound")
    run.resize(520, 610)
    # A hint changes nothing but the count that the game keeps of them.
    take_hint(run, TEXTS)
    saved = os.path.join(env["XDG_STATE_HOME"], "varn", "game.txt")
    wait_for(run.process, "the hint counted", lambda: b"\nhints 1 " in read(saved))
    run.kill()

    run = Run(varn, env, pyatspi)
    check(run.state() == after_undo, "started again, the game is not the one killed")
    wait_for(run.process, "the count of hints in the game written at the start",
             lambda: run.holds(saved) and b"\nhints 1 " in read(saved))
    size = run.size()
    check(size == (520, 610), f"the size dragged before the kill came back as {size}")
    check(not run.has("Sound", pyatspi.STATE_CHECKED), "the sound switched off came back on")
    check(run.command("Undo")[:2] == first[:2], "Undo after the start did not reach the first move")
    run.command("Redo")
    run.toggle("Continue the last game")
    run.kill()

    run = Run(varn, env, pyatspi)
    fresh = run.state()
    check(fresh[1:] == ([TEXTS("Form1", "Score %1", 0)], False, False) and fresh != after_undo,
          "with Continue off, start-up did not deal a new game")
    run.toggle("Continue the last game")
    return run


def challenge_after_a_kill(varn, env, pyatspi):
    run = Run(varn, env, pyatspi)
    press(run.item("Today's challenge"))
    left = lambda count: lambda: named(run.app, f"Moves left {count}", pyatspi.ROLE_LABEL)  # noqa: E731,E501
    run.wait("the challenge begun", left(50))
    run.move()
    run.move()
    run.wait("two moves counted", left(48))
    run.kill()
    run = Run(varn, env, pyatspi)
    run.wait("the challenge back", left(48))
    for name in ("Undo", "Hint"):
        check(not run.has(name, pyatspi.STATE_SENSITIVE), f"{name} is offered in a challenge")
    press(run.item("Today's challenge"))
    run.move()
    run.wait("the challenge going on, not begun afresh", left(47))
    return run


def read(path):
    return open(path, "rb").read() if os.path.exists(path) else b""


def locked_folders(varn, env, pyatspi):
    run = Run(varn, env, pyatspi)
    state = os.path.join(env["XDG_STATE_HOME"], "varn")
    data = os.path.join(env["XDG_DATA_HOME"], "varn")
    saved, table = os.path.join(state, "game.txt"), os.path.join(data, "scores.txt")
    wait_for(run.process, "the game's own file in place", lambda: run.holds(saved))
    os.makedirs(data, exist_ok=True)
    # util-linux flock holds both folders' locks until its standard input closes.
    holder = subprocess.Popen(["flock", state, "flock", data, "cat"], stdin=subprocess.PIPE)
    wait_for(holder, "the locks taken",
             lambda: subprocess.run(["flock", "-n", data, "true"]).returncode)
    before = read(saved)
    run.move()
    last = run.move()
    enter_score(run, TEXTS, "Lou")
    check(read(saved) == before and b"Lou" not in read(table),
          "a file was written while another program held its folder's lock")
    holder.stdin.close()
    holder.wait()
    wait_for(run.process, "the table written", lambda: b"\nname Lou\n" in read(table))
    wait_for(run.process, "the game written", lambda: read(saved) != before)
    run.kill()
    run = Run(varn, env, pyatspi)
    check(run.state() == last, "the game written after the locks is not the one played")
    run.kill()


def terminated(run):
    """SIGTERM, then the status and the program's last words."""
    run.process.send_signal(signal.SIGTERM)
    status = run.process.wait(timeout=20)
    check(status == 0, f"ended by SIGTERM with status {status}: {run.error_lines()[-3:]}")


def end_with_sigterm(varn, env, pyatspi):
    run = Run(varn, env, pyatspi)
    kinds, cells = run.board()
    before = int(run.state()[1][0].split()[-1])
    pressed, group = desktop.first_group(kinds, TEXTS.kinds(), TEXTS("CellName", "Gift box"))
    press(cells[pressed])
    time.sleep(0.06)
    terminated(run)
    run = Run(varn, env, pyatspi)
    score = TEXTS("Form1", "Score %1", before + len(group))
    run.wait("the move kept", lambda: named(run.app, score, pyatspi.ROLE_LABEL))
    enter_score(run, TEXTS, "Tess")
    terminated(run)
    table = os.path.join(env["XDG_DATA_HOME"], "varn", "scores.txt")
    check(b"\nname Tess\n" in read(table), "the score entered before SIGTERM is not in the table")
    run = Run(varn, env, pyatspi)
    run.board()
    press(run.item("Today's challenge"))
    terminated(run)
    challenges = read(os.path.join(env["XDG_DATA_HOME"], "varn", "challenges.txt"))
    check(b"\nday " in challenges, "the challenge begun before SIGTERM is not in its file")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    varn = os.path.abspath(sys.argv[1])
    scratch, pyatspi = desktop.private_desktop(os.path.abspath(__file__), [varn], 170)
    xvfb, display = desktop.start_xvfb()
    os.environ["DISPLAY"] = display  # for the presses that open dialogs
    env = desktop.game_env(scratch, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    try:
        kill_and_continue(varn, env, pyatspi).kill()
        challenge_after_a_kill(varn, env, pyatspi).kill()
        locked_folders(varn, env, pyatspi)
        end_with_sigterm(varn, env, pyatspi)
    except desktop.Failure as failure:
        sys.exit(f"savedgame_check: {failure}")
    finally:
        desktop.stop(xvfb)
    print("savedgame_check: killed and started again, the game, its history and the settings")


if __name__ == "__main__":
    main()
