#!/usr/bin/python3
"""wayland_check.py: the real varn as a native Wayland client of weston's headless compositor,
at output scales 1 and 2, against the same game on X11 at the same scale. Through the
accessibility bus it plays game 2026's first group on both; the window's picture under weston
(taken with weston-screenshooter) must hold the X11 window's picture pixel for pixel. Killed with
SIGKILL and started again, the Wayland game must come back with the board it left. Neither game
may write a line on standard error. Where weston cannot start, the check says so in one line
and passes.

    /usr/bin/python3 wayland_check.py PATH/TO/varn PATH/TO/varn_screen_picture
"""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402
from atspi_check import Texts  # noqa: E402
from desktop import check  # noqa: E402

KINDS, CELL = Texts().kinds(), Texts().cell_pattern()
TITLE = "Varn v3.00"
# Both servers' screens: 1024 by 768 logical pixels, which the first start fills to scale 1.25.
SIZE = (1024, 768)


def environment(scratch, name, **display):
    home = os.path.join(scratch, name)
    os.mkdir(home)
    return desktop.game_env(home, **display)


def quiet(game, where):
    lines = game.error_lines()
    check(not lines, f"{where}: the game wrote on standard error: {lines[:3]}")


def on_x11(varn, tool, scratch, scale, pyatspi):
    """Game 2026 after its first move on X11 at `scale`: the board and the window's picture."""
    width, height = SIZE
    xvfb, display = desktop.start_xvfb(f"{width * scale}x{height * scale}x24")
    env = environment(scratch, f"x11-{scale}", DISPLAY=display, QT_QPA_PLATFORM="xcb",
                      QT_SCALE_FACTOR=str(scale))
    games = []
    try:
        games.append(game := desktop.Game(varn, env, pyatspi, CELL, ["--game", "2026"]))
        board = game.move(KINDS, "Gift box")
        picture = os.path.join(scratch, f"x11-{scale}.png")
        desktop.x11_window_picture(tool, env, TITLE, picture)
        quiet(game, f"X11 at scale {scale}")
    finally:
        for game in games:
            game.kill()
        desktop.stop(xvfb)
    return board, picture


def on_wayland(varn, tool, scratch, scale, pyatspi, x11):
    """The same on weston at `scale`; then killed and started again."""
    width, height = SIZE
    started = desktop.start_weston(width, height, scale)
    if not started:
        return False
    weston, socket = started
    env = environment(scratch, f"wayland-{scale}", WAYLAND_DISPLAY=socket,
                      QT_QPA_PLATFORM="wayland")
    games = []
    try:
        games.append(game := desktop.Game(varn, env, pyatspi, CELL, ["--game", "2026"]))
        board = game.move(KINDS, "Gift box")
        check(board == x11[0], f"scale {scale}: the move left another board than on X11")
        screen = desktop.weston_picture(env, scratch)
        place, count = desktop.differences(tool, screen, x11[1])
        check(count == 0, f"scale {scale}: {count} pixels of the window at {place} differ from "
                          f"X11's ({screen}, {x11[1]})")
        quiet(game, f"Wayland at scale {scale}")
        game.kill()
        games.append(again := desktop.Game(varn, env, pyatspi, CELL))
        check(again.board()[0] == board, f"scale {scale}: killed, the game did not come back")
        quiet(again, f"Wayland at scale {scale}, started again")
    finally:
        for game in games:
            game.kill()
        desktop.stop(weston)
    return True


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    varn, tool = map(os.path.abspath, sys.argv[1:])
    _, pyatspi = desktop.private_desktop(os.path.abspath(__file__), [varn, tool])
    with tempfile.TemporaryDirectory() as scratch:
        try:
            for scale in (1, 2):
                x11 = on_x11(varn, tool, scratch, scale, pyatspi)
                if not on_wayland(varn, tool, scratch, scale, pyatspi, x11):
                    print("wayland_check: skipped, weston cannot start here")
                    return
        except desktop.Failure as failure:
            sys.exit(f"wayland_check: {failure}")
    print("wayland_check: at scales 1 and 2 a move through AT-SPI, the window's picture as on "
          "X11, and a killed game back")


if __name__ == "__main__":
    main()
