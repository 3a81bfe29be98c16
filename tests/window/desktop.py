"""desktop.py: a private desktop for the checks of the real program: Xvfb or weston, the
session bus with its accessibility bus, the game in a scratch folder, and pictures of the screen.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def private_desktop(script, arguments, seconds=150):
    """Runs `script` again in a private session bus and exits as it ends; run there, ends it
    after `seconds` and gives the session's scratch folder and pyatspi."""
    scratch = os.environ.get("VARN_ATSPI_SCRATCH")
    name = os.path.basename(script)
    if not scratch:
        with tempfile.TemporaryDirectory() as scratch:
            runtime = os.path.join(scratch, "runtime")
            os.mkdir(runtime, 0o700)
            env = dict(os.environ, XDG_RUNTIME_DIR=runtime, VARN_ATSPI_SCRATCH=scratch)
            # In a process group of its own, killed whole however the check ends.
            session = subprocess.Popen(["dbus-run-session", "--", sys.executable, script,
                                        *arguments], env=env, start_new_session=True)
            signal.signal(signal.SIGTERM, lambda *_: sys.exit(f"{name}: stopped"))
            try:
                status = session.wait(timeout=seconds + 20)
            except subprocess.TimeoutExpired:
                status = f"{name}: the private session did not end"
            finally:
                subprocess.run(["pkill", "-KILL", "--pgroup", str(session.pid)])
            sys.exit(status)
    signal.signal(signal.SIGALRM, lambda *_: sys.exit(f"{name}: out of time"))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(f"{name}: stopped"))
    signal.alarm(seconds)
    import pyatspi
    from gi.repository import Atspi
    Atspi.set_timeout(30000, 30000)
    return scratch, pyatspi


def game_env(home, **display):
    """The environment of a game whose folders all lie in `home`, in English, on `display`."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR")}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_STATE_HOME=os.path.join(home, "state"),
               XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_CACHE_HOME=os.path.join(home, "cache"), SDL_AUDIODRIVER="dummy",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en_US", LANG="en_US.UTF-8",
               LC_ALL="", **display)
    return env


def start_xvfb(screen="1024x768x24"):
    """A private X server on a free display: the process and the display's name."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", screen,
                             "-nolisten", "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        number = pipe.readline().strip()
    check(number, "Xvfb did not start")
    return xvfb, ":" + number


def start_weston(width, height, scale, seconds=10):
    """weston's headless compositor drawing with pixman, on a socket of its own in
    $XDG_RUNTIME_DIR, its output `width` by `height` logical pixels at `scale`, with the screenshot
    interface: the process and the socket's name, or None when it cannot start."""
    runtime = os.environ["XDG_RUNTIME_DIR"]
    name = f"varn-wayland-{os.getpid()}-{scale}"
    # Without the fades, a picture shows the windows' own pixels at once.
    config = os.path.join(runtime, f"{name}.ini")
    with open(config, "w") as ini:
        ini.write("[shell]\npanel-position=none\nstartup-animation=none\nanimation=none\n"
                  "close-animation=none\nfocus-animation=none\n")
    try:
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--use-pixman",
                                   f"--width={width}", f"--height={height}", f"--scale={scale}",
                                   f"--socket={name}", f"--config={config}", "--idle-time=0",
                                   "--debug"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except FileNotFoundError:
        return None
    deadline = time.monotonic() + seconds
    while not os.path.exists(os.path.join(runtime, name)):
        if weston.poll() is not None or time.monotonic() > deadline:
            stop(weston)
            return None
        time.sleep(0.05)
    return weston, name


def stop(process):
    if process.poll() is None:
        process.terminate()
    process.wait()


def wait_for(game, what, probe, seconds=20):
    """Runs the accessibility events and probes until the probe gives a true value."""
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        check(game.poll() is None, f"the program ended with status {game.returncode}")
        try:
            value = probe()
        except GLib.GError:  # a node went while the probe walked the tree: not there yet
            value = None
        if value:
            return value
        check(time.monotonic() < deadline, f"timed out waiting for {what}")
        time.sleep(0.05)


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def press(node):
    actions = node.queryAction()
    check(actions.nActions > 0 and actions.getName(0) == "Press", f"{node.name}: no press action")
    actions.doAction(0)


def read_cells(app, pyatspi, cell):
    """The kinds on the board by (row, column), or None while it is busy or not yet dealt."""
    kinds, nodes = {}, {}
    for node in descendants(app):
        match = cell.match(node.name or "")
        if match and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            place = (int(match[2]) - 1, int(match[3]) - 1)
            kinds[place], nodes[place] = match[1], node
            if not node.getState().contains(pyatspi.STATE_SENSITIVE):
                return None
    return (kinds, nodes) if len(kinds) == 100 else None


def first_group(kinds, kinds_that_group, joker):
    """The first cell, in the board's order, whose press removes three cells or more, and
    those cells."""
    for place in sorted(kinds):
        if kinds[place] in kinds_that_group and len(group := group_at(kinds, place, joker)) >= 3:
            return place, group
    raise Failure("the board holds no group")


def group_at(kinds, start, joker):
    """The cells a press on `start` removes: its kind and gift boxes, joined edge to edge."""
    kind, group, todo = kinds[start], {start}, [start]
    while todo:
        row, column = todo.pop()
        for near in ((row - 1, column), (row + 1, column), (row, column - 1), (row, column + 1)):
            if near not in group and kinds.get(near) in (kind, joker):
                group.add(near)
                todo.append(near)
    return group


class Game:
    """One start of the program with `env`, found on the accessibility bus, until it is
    killed. What it writes on standard error is kept in `errors`."""

    def __init__(self, varn, env, pyatspi, cell, arguments=()):
        self.pyatspi, self.env, self.cell = pyatspi, env, cell
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([varn, *arguments], cwd=env["HOME"], env=env,
                                        stderr=self.errors)
        try:
            self.app = self.wait("the program on the accessibility bus", self.find_app)
        except BaseException:
            self.kill()
            raise

    def wait(self, what, probe, seconds=20):
        """wait_for on this program; a program that ends tells what it wrote last."""
        try:
            return wait_for(self.process, what, probe, seconds)
        except Failure as failure:
            raise Failure(f"{failure} {self.error_lines()[-3:]}") from None

    def find_app(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "varn" and app.childCount and \
                    app.get_process_id() == self.process.pid:
                return app
        return None

    def node(self, name, role):
        for node in descendants(self.app):
            if node.name == name and node.getRole() == role:
                return node
        raise Failure(f"nothing named {name!r}")

    def holds(self, path):
        """True when the file at `path` is one that this program keeps open."""
        kept = os.stat(path)
        folder = f"/proc/{self.process.pid}/fd"
        for name in os.listdir(folder):
            try:
                held = os.stat(os.path.join(folder, name))
            except FileNotFoundError:
                continue
            if (held.st_dev, held.st_ino) == (kept.st_dev, kept.st_ino):
                return True
        return False

    def board(self):
        """The kinds on the board and their cells, once it is at rest."""
        return self.wait("a board at rest", lambda: read_cells(self.app, self.pyatspi, self.cell))

    def move(self, kinds_that_group, joker):
        """Presses the first group of three or more; the board after the move. The cell pressed
        and its group are kept in `pressed` and `group`."""
        kinds, cells = self.board()
        self.pressed, self.group = first_group(kinds, kinds_that_group, joker)
        press(cells[self.pressed])
        return self.wait("the move", lambda: (b := self.board()[0]) != kinds and b)

    def error_lines(self):
        self.errors.seek(0)
        return self.errors.read().decode(errors="replace").splitlines()

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
        self.process.wait()


def x11_window_picture(tool, env, title, path):
    """The window titled `title` on the X server of `env`, as a PNG file at `path`."""
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             f"^{title}$"], env=env, capture_output=True, text=True, timeout=20)
    check(window.returncode == 0, f"no window {title!r} on the X server")
    subprocess.run([tool, "grab", window.stdout.split()[0], path],
                   env=dict(env, QT_QPA_PLATFORM="xcb"), check=True, timeout=30)


def weston_picture(env, folder):
    """The whole output of the compositor of `env`, taken through weston's screenshot
    interface, as a PNG file in `folder`; its path."""
    before = set(os.listdir(folder))
    subprocess.run(["weston-screenshooter"], cwd=folder, env=env, check=True, timeout=30)
    taken = [name for name in os.listdir(folder) if name not in before and name.endswith(".png")]
    check(len(taken) == 1, "weston-screenshooter left no picture")
    return os.path.join(folder, taken[0])


def differences(tool, screen, window):
    """Where the picture `window` lies in the picture `screen`, and how many of its pixels
    differ there."""
    found = subprocess.run([tool, "find", screen, window], capture_output=True, text=True,
                           timeout=60)
    check(found.returncode == 0, f"{window} not found in {screen}: {found.stderr.strip()}")
    x, y, count = map(int, found.stdout.split())
    return (x, y), count
