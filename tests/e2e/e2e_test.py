#!/usr/bin/env python3
"""Drives the real tarvex-manager through the screen of a private Xvfb.

Usage: e2e_test.py PROGRAM CASE [--wine STAND_IN_GAME]

Each run starts its own X server and the program in a fresh game directory
whose path has spaces, works only with the mouse and keyboard at the
designed screen positions, and checks the files on disk byte for byte.
No window manager runs, so every window's client area sits exactly at its
designed place.

With --wine, PROGRAM is the Windows program, run under wine in a wine prefix
of its own, and STAND_IN_GAME a Windows program that records how it was
started; it becomes the game's hl.exe. Wine draws the windows' frames itself,
so each client area sits below and left of its designed frame position.
"""

import ctypes
import ctypes.util
import glob
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE = "Tarvex, Bot Manager"

# Name and client area (left, top, width, height) of each window.
ROSTER = (TITLE, 90, 214, 560, 216)
OPTIONS = ("Tarvex Configuation Options", 33, 145, 684, 386)
LAUNCH = ("Launch Options", 238, 260, 290, 106)
ABOUT = ("Welcome to Tarvex, Bot Manager", 246, 273, 375, 97)


def at(window, left, top, width, height):
    """Screen point in the middle of a control placed in a window."""
    return window[1] + left + width // 2, window[2] + top + height // 2


# Roster window; the edit boxes sit in the group box at 304, 8.
MOVE_UP = at(ROSTER, 200, 8, 17, 17)
MOVE_DOWN = at(ROSTER, 200, 24, 17, 17)
NEW_BOT = at(ROSTER, 200, 152, 97, 17)
REMOVE_BOT = at(ROSTER, 200, 168, 97, 17)
SAVE_ROSTER = at(ROSTER, 200, 192, 97, 17)
# Clear of the move buttons that sit over the logo's top left corner.
LOGO = at(ROSTER, 220, 40, 77, 105)
BOT_NAME = at(ROSTER, 304 + 80, 8 + 16, 161, 24)
OPTIONS_BUTTON = at(ROSTER, 440, 160, 113, 25)
LAUNCH_BUTTON = at(ROSTER, 440, 184, 113, 25)


def list_item(index):
    """Bot list at 8, 8 inside a one-pixel frame, 13-pixel items."""
    return ROSTER[1] + 8 + 60, ROSTER[2] + 8 + 1 + 13 * index + 6


# Options window.
CROWBAR_ONLY = at(OPTIONS, 240, 144, 185, 17)
TEAMPLAY = at(OPTIONS, 472, 216, 169, 25)
SAVE_OPTIONS = at(OPTIONS, 8, 352, 97, 25)
IGNORE_OPTIONS = at(OPTIONS, 112, 352, 97, 25)
# The spin edit at 160, 296, 49, 26 has its buttons inside its right end.
BOT_COUNT_TEXT = (OPTIONS[1] + 160 + 15, OPTIONS[2] + 296 + 13)
BOT_COUNT_UP = (OPTIONS[1] + 160 + 49 - 9, OPTIONS[2] + 296 + 7)

# Launch window.
MAP_NAME = at(LAUNCH, 160, 8, 121, 21)
COMMAND_LINE = at(LAUNCH, 128, 40, 153, 21)
GO_GO_GO = at(LAUNCH, 152, 72, 129, 25)

# About window: black surface below the credit line, clear of the icon panel
# and of "Click to continue".
ABOUT_SURFACE = (ABOUT[1] + 100, ABOUT[2] + 85)

# Far from every window, so that no tool tip opens under a resting pointer.
PARK = (1, 1)

# Where a client area sits against its designed place: nowhere else under X,
# below the title bar and inside the border of the frame wine draws.
OFFSET = [0, 0]
WINE_OFFSET = (-1, 22)
WINE = None  # the stand-in game, when the program runs under wine


def placed(window):
    return (window[0], window[1] + OFFSET[0], window[2] + OFFSET[1], *window[3:])


def shifted(point):
    return point[0] + OFFSET[0], point[1] + OFFSET[1]

TIMEOUT = 40  # seconds for any one thing to happen; the ASan build is slow
CASE_DEADLINE = 200  # seconds for a whole case, below ctest's limit
STALE = 946684800  # 2000-01-01: fixture files carry this time until written

OPTION_LINES = [
    "// Tarvex config file created by Tarvex, Bot Manager",
    "nobotcfg 0",
    "botcfgfile bots.cfg",
    "// General Bot Options",
    "bot_thinkspeed 0.1",
    "botusefov 1",
    "botfov 90",
    "botspeed 0",
    "botaccuracy 10",
    "bothearing 1",
    "botpain 1",
    "bot_gauss 1",
    "bot_tripmines 1",
    "bot_crowbar 0",
    "waypoints 1",
    "bot_viewdelay 1",
    "bot_angleupdate 1",
    "// Bot Chat Options",
    "botchat 1",
    "chatfile talk.cfg",
    "chatfreq_died 5.0",
    "chatfreq_killed 5.0",
    "// Co-op options",
    "coop_scikill 1",
    "coop_killmeth 0",
    "// Other Options",
    "speedup 0",
    "botmsec 0",
    "msec_min 10",
    "msec_max 50",
    "nostartexec 0",
    "sv_cheats 0",
    "team 0",
    "bot_num 0",
    "echo Tarvex configured.",
]


def options_file(line_end=b"\r\n", **values):
    """The 35-line options file with the given keys' values replaced."""
    lines = []
    for line in OPTION_LINES:
        key = line.split(" ")[0]
        lines.append(f"{key} {values.pop(key)}" if key in values else line)
    assert not values, f"unknown keys {values}"
    return line_end.join(line.encode() for line in lines)


def roster_file(bots, line_end=b"\r\n"):
    return line_end.join(
        b'bot%d "%s" %s %s %s' % (i + 1, *(field.encode() for field in bot))
        for i, bot in enumerate(bots)
    )


class Failure(Exception):
    pass


def passed(what):
    print(f"ok: {what}", flush=True)


def check(condition, what):
    if not condition:
        raise Failure(what)
    passed(what)


def poll(probe, what, timeout=TIMEOUT):
    """Calls probe until it returns something true, and returns that."""
    end = time.monotonic() + timeout
    while True:
        last = probe()
        if last:
            return last
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


def die_with_parent():
    # Whatever ends this driver, ctest's kill included, ends its children too.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def stop(process, grace=5):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Screen:
    """A private Xvfb and the X tools pointed at it."""

    def __init__(self, log_path):
        self.server = None
        self.program = None  # set once started: windows are looked for only while it runs
        self.wine_env = None  # the program's wine prefix, once started under wine
        for _ in range(20):
            number = random.randrange(200, 600)
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(
                f"/tmp/.X11-unix/X{number}"
            ):
                continue
            self.display = f":{number}"
            with open(log_path, "ab") as log:
                server = subprocess.Popen(
                    ["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                     "-noreset"],
                    stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                    preexec_fn=die_with_parent)
            if self._ready(server):
                self.server = server
                return
            stop(server)  # another server took the number first
        raise Failure("could not start Xvfb on a free display")

    def _ready(self, server):
        end = time.monotonic() + TIMEOUT
        while time.monotonic() < end:
            if server.poll() is not None:
                return False
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return True
            time.sleep(0.1)
        return False

    def close(self):
        if self.server:
            stop(self.server)

    def env(self):
        env = dict(os.environ, DISPLAY=self.display)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def run(self, *command, check_rc=True):
        result = subprocess.run(command, env=self.env(), stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=TIMEOUT)
        if check_rc and result.returncode != 0:
            raise Failure(f"{' '.join(command)}: {result.stderr.decode(errors='replace')}")
        return result

    def xdotool(self, *args, check_rc=True):
        return self.run("xdotool", *map(str, args), check_rc=check_rc)

    def windows(self):
        """Visible named windows as (id, name, left, top, width, height)."""
        if self.program and self.program.poll() is not None:
            raise Failure(f"the program ended early, exit code {self.program.returncode}")
        result = self.xdotool("search", "--onlyvisible", "--name", ".",
                              "getwindowgeometry", "--shell", "%@", "getwindowname", "%@",
                              check_rc=False)
        lines = result.stdout.decode(errors="replace").splitlines()
        # Six lines of geometry for each window, then the names in the same order.
        count = sum(line.startswith("WINDOW=") for line in lines)
        if result.returncode != 0 or len(lines) != 7 * count:
            return None  # a window came or went while asked; ask again
        geometries = [dict(line.split("=", 1) for line in lines[i:i + 6])
                      for i in range(0, 6 * count, 6)]
        return [(int(g["WINDOW"]), name, int(g["X"]), int(g["Y"]), int(g["WIDTH"]),
                 int(g["HEIGHT"])) for g, name in zip(geometries, lines[6 * count:])]

    def wait_only(self, window):
        """Waits until this window is the one visible window; returns its id."""
        window = placed(window)
        found = poll(lambda: (lambda ws: ws is not None and len(ws) == 1
                              and ws[0][1:] == window and ws[0][0])(self.windows()),
                     f"only the window '{window[0]}' to be visible at {window[1:]}")
        passed(f"only '{window[0]}' is visible, at {window[1]},{window[2]}")
        return found

    def click(self, point):
        if WINE:
            # With no window manager the keyboard goes to the window under the
            # pointer, and wine does not move it: the pointer stays.
            self.xdotool("mousemove", "--sync", *shifted(point), "click", "1")
        else:
            self.xdotool("mousemove", "--sync", *shifted(point), "click", "1",
                         "mousemove", "--sync", *PARK)

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "30", text)

    def dismiss_message(self):
        """Waits for a message box over any window and presses its OK button."""
        def box():
            for window in self.windows() or []:
                if window[1] == TITLE and window[2:] != placed(ROSTER)[1:]:
                    return window[0]
            return None

        box_id = poll(box, "a message box")
        passed("a message box captioned with the application title appeared")
        self.xdotool("windowfocus", "--sync", box_id, "key", "Return")
        poll(lambda: (lambda ws: ws is not None and all(w[0] != box_id for w in ws))(
            self.windows()), "the message box to close")

    def text_of(self, point, expected):
        """Copies a text box's contents through the clipboard until they read as expected."""
        self.click(point)
        self.key("ctrl+a", "ctrl+c")
        last = []

        def read():
            if self.wine_env:
                # Wine's own clipboard, read by a Windows program of the same prefix.
                with tempfile.TemporaryDirectory() as folder:
                    subprocess.run(["wine", WINE, "--clipboard"], cwd=folder,
                                   env=dict(self.env(), **self.wine_env), timeout=TIMEOUT,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                    path = os.path.join(folder, "clipboard.txt")
                    text = open(path, "rb").read() if os.path.exists(path) else b""
            else:
                text = self.run("xclip", "-o", "-selection", "clipboard", check_rc=False).stdout
            last[:] = [text]
            return text == expected

        try:
            poll(read, f"the text box to hold {expected!r}", timeout=10)
        except Failure:
            raise Failure(f"text box holds {last[0]!r}, expected {expected!r}") from None

    def send_close(self, window_id):
        """What a window manager sends when the user closes a window."""
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

        class Event(ctypes.Union):
            _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                   ctypes.c_long, ctypes.POINTER(Event)]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise Failure("cannot open the display to send the close")
        try:
            event = Event()
            event.xclient.type = 33  # ClientMessage
            event.xclient.window = window_id
            event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
            event.xclient.format = 32
            event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            if not x11.XSendEvent(display, window_id, 0, 0, ctypes.byref(event)):
                raise Failure("sending WM_DELETE_WINDOW failed")
            x11.XFlush(display)
        finally:
            x11.XCloseDisplay(display)


class Manager:
    """The program under test, started in a fresh game directory."""

    def __init__(self, program, root, screen, files, game_name="Half Life game",
                 prefix_ready=None):
        self.game = os.path.join(root, game_name)
        self.bots_dir = os.path.join(self.game, "Tarvex")
        os.makedirs(self.bots_dir)
        for name, data in files.items():
            path = os.path.join(self.game, name)
            with open(path, "wb") as f:
                f.write(data)
            if name == "hl.exe":
                os.chmod(path, 0o755)
            os.utime(path, (STALE, STALE))
        runtime = os.path.join(root, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = screen.env()
        env.update(XDG_CACHE_HOME=os.path.join(root, "cache"), XDG_RUNTIME_DIR=runtime,
                   QT_QPA_PLATFORM="xcb")
        # libdbus keeps a buffer it never frees when there is no session bus.
        suppressions = os.path.join(HERE, "lsan.supp")
        env["LSAN_OPTIONS"] = ":".join(
            filter(None, [env.get("LSAN_OPTIONS"), f"suppressions={suppressions}",
                          "print_suppressions=0"]))
        self.log_path = os.path.join(root, "program.log")
        command = [program]
        self.wine_env = None
        if WINE:
            self.wine_env = wine_environment(root)
            screen.wine_env = self.wine_env
            env.update(self.wine_env)
            make_wine_prefix(self.wine_env, self.log_path)
            self.drive_c = os.path.join(self.wine_env["WINEPREFIX"], "drive_c")
            if prefix_ready:
                prefix_ready(self)
            command = ["wine", program]
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(command, cwd=self.game, env=env,
                                            stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                            preexec_fn=die_with_parent)
        screen.program = self.process

    def windows_path(self, name=""):
        """A path of the game directory as the Windows program names it."""
        path = os.path.join(self.game, name) if name else self.game
        return "Z:" + path.replace("/", "\\")

    def local_app_data(self):
        found = glob.glob(os.path.join(self.drive_c, "users", "*", "AppData", "Local"))
        if len(found) != 1:
            raise Failure(f"no one local application data folder in the prefix: {found}")
        return found[0]

    def path(self, name):
        return os.path.join(self.game, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def wait_saved(self, name, expected):
        """Waits until the file has been written since the fixture and holds expected."""
        def written():
            try:
                return (os.stat(self.path(name)).st_mtime != STALE
                        and self.read(name) == expected)
            except FileNotFoundError:
                return False

        try:
            poll(written, f"{name} to be written")
        except Failure:
            data = self.read(name) if os.path.exists(self.path(name)) else None
            raise Failure(f"{name} holds {data!r}, expected {expected!r}") from None
        passed(f"{name} written, {len(expected)} bytes as expected")

    def snapshot(self):
        """Every file of the game directory with its bytes and time."""
        result = {}
        for folder, _, names in os.walk(self.game):
            for name in names:
                path = os.path.join(folder, name)
                with open(path, "rb") as f:
                    result[path] = (f.read(), os.stat(path).st_mtime_ns)
        return result

    def wait_exit(self):
        try:
            return self.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end") from None

    def close(self):
        stop(self.process)
        if self.wine_env:
            subprocess.run(["wineserver", "-k"], env=dict(os.environ, **self.wine_env),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wine_environment(root):
    # A UTF-8 locale lets wine name any folder; its code pages are then the
    # Western ones, 1252 and 437.
    return dict(WINEPREFIX=os.path.join(root, "wineprefix"), WINEDEBUG="-all",
                WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8", LC_ALL="C.UTF-8")


def make_wine_prefix(wine_env, log_path):
    # Without a display, so that no set-up window shows on the test's screen.
    env = dict(os.environ, **wine_env)
    env.pop("DISPLAY", None)
    with open(log_path, "ab") as log:
        for command in (["wineboot", "-i"], ["wineserver", "-w"]):
            subprocess.run(command, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                           timeout=120, check=True)


BOTS = [("Gordon Freeman", "gordon", "1", "1"), ("Barney", "barney", "160", "20"),
        ("Scientist Kleiner", "scientist", "80", "120")]


def case_roster_edit(screen, manager):
    screen.wait_only(ROSTER)
    screen.click(SAVE_ROSTER)
    manager.wait_saved("Tarvex/bots.cfg", roster_file(BOTS))

    screen.click(BOT_NAME)
    screen.key("ctrl+a")
    screen.type("Alyx Vance")
    screen.click(list_item(2))
    screen.text_of(BOT_NAME, b"Scientist Kleiner")
    passed("the clicked bot is shown in the name box")
    screen.click(SAVE_ROSTER)
    manager.wait_saved("Tarvex/bots.cfg", roster_file([("Alyx Vance",) + BOTS[0][1:]] + BOTS[1:]))


ORDER_BOTS = [("Alpha", "gina", "1", "2"), ("Bravo", "barney", "3", "4"),
              ("Charlie", "zombie", "5", "6")]


def case_roster_order(screen, manager):
    _, bravo, charlie = ORDER_BOTS
    new_bot = ("New Bot", "gordon", "1", "1")
    screen.wait_only(ROSTER)
    screen.click(list_item(1))
    screen.click(NEW_BOT)  # Alpha, New Bot, Bravo, Charlie
    screen.click(MOVE_DOWN)  # Alpha, Bravo, New Bot, Charlie
    screen.click(list_item(0))
    screen.click(MOVE_UP)
    screen.dismiss_message()  # "Already at top!"
    screen.wait_only(ROSTER)
    screen.click(list_item(3))
    screen.click(MOVE_UP)  # Alpha, Bravo, Charlie, New Bot
    screen.click(list_item(0))
    screen.click(REMOVE_BOT)  # Bravo, Charlie, New Bot
    screen.click(SAVE_ROSTER)
    manager.wait_saved("Tarvex/bots.cfg", roster_file([bravo, charlie, new_bot]))


# Values away from the defaults show they travel from the file through the
# controls back into the file.
READ_OPTIONS = dict(botfov="75", chatfile="talk_de.cfg", coop_scikill="2", speedup="1",
                    bot_num="3")


def case_options(screen, manager):
    screen.wait_only(ROSTER)
    screen.click(OPTIONS_BUTTON)
    screen.wait_only(OPTIONS)
    screen.click(CROWBAR_ONLY)
    screen.click(BOT_COUNT_UP)
    screen.click(SAVE_OPTIONS)
    saved = options_file(**dict(READ_OPTIONS, bot_crowbar="1", bot_num="4"))
    manager.wait_saved("Tarvex/tarvex.cfg", saved)
    screen.wait_only(ROSTER)

    screen.click(OPTIONS_BUTTON)
    screen.wait_only(OPTIONS)
    screen.click(TEAMPLAY)
    screen.click(BOT_COUNT_TEXT)
    screen.key("ctrl+a")
    screen.type("7")
    before = os.stat(manager.path("Tarvex/tarvex.cfg")).st_mtime_ns
    screen.click(IGNORE_OPTIONS)
    screen.wait_only(ROSTER)
    check(manager.read("Tarvex/tarvex.cfg") == saved
          and os.stat(manager.path("Tarvex/tarvex.cfg")).st_mtime_ns == before,
          "Ignore Changes wrote nothing")

    screen.click(OPTIONS_BUTTON)
    screen.wait_only(OPTIONS)
    os.utime(manager.path("Tarvex/tarvex.cfg"), (STALE, STALE))
    screen.click(SAVE_OPTIONS)
    manager.wait_saved("Tarvex/tarvex.cfg",
                       options_file(**dict(READ_OPTIONS, bot_crowbar="1", team="1", bot_num="7")))
    passed("the ignored changes were kept in the window")
    screen.wait_only(ROSTER)


# Records how it was started; the rename makes the record appear whole.
STAND_IN_GAME = rb"""#!/bin/sh
{ printf '%s\n' "$0"; pwd; printf '%s\n' "$@"; } > started.part
mv started.part started.txt
"""


def case_launch(screen, manager):
    screen.wait_only(ROSTER)
    screen.click(LAUNCH_BUTTON)
    screen.wait_only(LAUNCH)
    # The fixture has LF line ends, so CR LF shows the file was written.
    manager.wait_saved("Tarvex/bots.cfg", roster_file(BOTS))
    launch_crossfire(screen, manager)


def launch_crossfire(screen, manager):
    """Types a map name, checks the line shown and starts it; the manager then ends."""
    screen.click(MAP_NAME)
    screen.type("crossfire")
    game = manager.windows_path() if WINE else manager.game
    exe = manager.windows_path("hl.exe") if WINE else manager.path("hl.exe")
    arguments = " -console -game Tarvex +sv_lan 1 +maxplayers 4 +deathmatch 1 team 0 +map crossfire"
    shown = exe + arguments
    screen.text_of(COMMAND_LINE, shown.encode())
    passed("the launch window shows the game's command line")
    screen.click(GO_GO_GO)
    check(manager.wait_exit() == 0, "the program ended with exit code 0 after starting the game")
    record = poll(lambda: os.path.exists(manager.path("started.txt"))
                  and manager.read("started.txt"), "the game to record its start")
    lines = record.decode().splitlines()
    if WINE:
        # The line reaches the game through CreateProcess as it was shown; wine,
        # unlike Windows, hands it on with the program's path in quotes.
        expected = [f"program: {exe}", f'command: "{exe}"{arguments}', f"dir: {game}"]
    else:
        expected = [manager.path("hl.exe"), manager.game] + arguments.split()
    check(lines == expected, f"the game started as {lines}")


def case_launch_missing_game(screen, manager):
    screen.wait_only(ROSTER)
    screen.click(LAUNCH_BUTTON)
    screen.wait_only(LAUNCH)
    screen.click(GO_GO_GO)
    screen.dismiss_message()  # "Err6: Executable could not be found."
    screen.wait_only(ROSTER)
    # A program told to end would be gone before it could open a window again.
    screen.click(LAUNCH_BUTTON)
    screen.wait_only(LAUNCH)
    check(manager.process.poll() is None, "the program still runs")


def case_about(screen, manager):
    screen.wait_only(ROSTER)
    screen.click(LOGO)
    screen.wait_only(ABOUT)
    screen.click(ABOUT_SURFACE)
    screen.wait_only(ROSTER)


def case_close(screen, manager):
    roster = screen.wait_only(ROSTER)
    before = manager.snapshot()
    screen.click(list_item(1))
    screen.click(NEW_BOT)  # an unsaved change that a close must not write
    screen.send_close(roster)
    check(manager.wait_exit() == 0, "closing the roster window ended the program with exit code 0")
    check(manager.snapshot() == before, "nothing in the game directory was written")


def case_scratch_fallback(screen, manager):
    # Drive C's root refuses the scratch file: it goes to the user's folder, unasked.
    screen.wait_only(ROSTER)
    fallback = os.path.join(manager.local_app_data(), "Tarvex Bot Manager", "temp.$$$")
    expected = b"".join(bot[0].encode() + b"\r\n" for bot in BOTS)
    poll(lambda: os.path.isfile(fallback) and open(fallback, "rb").read() == expected,
         "the bot names in the fallback scratch file")
    passed("the scratch file went to the local application data folder")
    check(os.path.isdir(os.path.join(manager.drive_c, "temp.$$$")), "drive C was left alone")
    screen.click(NEW_BOT)
    poll(lambda: open(fallback, "rb").read() == b"New Bot\r\n" + expected,
         "the fallback scratch file to follow the roster")
    screen.wait_only(ROSTER)  # no message came


def case_scratch_unwritable(screen, manager):
    # Neither place takes the scratch file: told once, at start-up, before any window.
    screen.dismiss_message()  # "Err7: Couldn't write tempory file."
    screen.wait_only(ROSTER)
    screen.click(NEW_BOT)
    screen.click(SAVE_ROSTER)
    manager.wait_saved("Tarvex/bots.cfg", roster_file([("New Bot", "gordon", "1", "1")] + BOTS))
    screen.wait_only(ROSTER)  # and not again


def case_unicode_folder(screen, manager):
    # A game folder whose name the Western ANSI code page cannot hold.
    screen.wait_only(ROSTER)
    check(os.path.isfile(os.path.join(manager.drive_c, "temp.$$$")), "c:\\temp.$$$ was written")
    screen.click(LAUNCH_BUTTON)
    screen.wait_only(LAUNCH)
    manager.wait_saved("Tarvex/bots.cfg", roster_file(BOTS))
    launch_crossfire(screen, manager)


def block_scratch(manager, fallback_too):
    os.mkdir(os.path.join(manager.drive_c, "temp.$$$"))
    if fallback_too:
        os.makedirs(os.path.join(manager.local_app_data(), "Tarvex Bot Manager", "temp.$$$"))


def fixture(case):
    options = options_file(line_end=b"\n", **READ_OPTIONS)
    files = {"Tarvex/bots.cfg": roster_file(BOTS), "Tarvex/tarvex.cfg": options}
    if case == "roster_order":
        files["Tarvex/bots.cfg"] = roster_file(ORDER_BOTS)
    if case in ("launch", "unicode_folder"):
        files["Tarvex/bots.cfg"] = roster_file(BOTS, line_end=b"\n")
        if WINE:
            with open(WINE, "rb") as f:
                files["hl.exe"] = f.read()
        else:
            files["hl.exe"] = STAND_IN_GAME
    return files


CASES = {
    "roster_edit": case_roster_edit,
    "roster_order": case_roster_order,
    "options": case_options,
    "launch": case_launch,
    "launch_missing_game": case_launch_missing_game,
    "about": case_about,
    "close": case_close,
}
WINE_CASES = {
    "scratch_fallback": (case_scratch_fallback, {
        "prefix_ready": lambda manager: block_scratch(manager, fallback_too=False)}),
    "scratch_unwritable": (case_scratch_unwritable, {
        "prefix_ready": lambda manager: block_scratch(manager, fallback_too=True)}),
    "unicode_folder": (case_unicode_folder, {"game_name": "Half Life \u0418\u0433\u0440\u0430"}),
}


def on_deadline(signum, frame):
    raise Failure(f"the case took longer than {CASE_DEADLINE} s")


def main():
    global WINE
    args = sys.argv[1:]
    if len(args) == 4 and args[2] == "--wine":
        WINE = os.path.abspath(args[3])
        OFFSET[:] = WINE_OFFSET
        CASES.update(WINE_CASES)
        args = args[:2]
    if len(args) != 2 or args[1] not in CASES:
        sys.exit(f"usage: {sys.argv[0]} PROGRAM {{{'|'.join(CASES)}}} [--wine STAND_IN_GAME]")
    program, case = os.path.abspath(args[0]), args[1]
    tools = ("Xvfb", "xdotool", "xclip") + (("wine", "wineboot", "wineserver") if WINE else ())
    missing = [tool for tool in tools if not shutil.which(tool)]
    if missing:
        sys.exit(f"missing {', '.join(missing)}: run scripts/setup.sh test")
    signal.signal(signal.SIGALRM, on_deadline)
    signal.signal(signal.SIGTERM, on_deadline)
    signal.alarm(CASE_DEADLINE)
    with tempfile.TemporaryDirectory(prefix="tarvex e2e ") as root:
        screen = manager = None
        try:
            screen = Screen(os.path.join(root, "xvfb.log"))
            run = CASES[case]
            run, options = run if isinstance(run, tuple) else (run, {})
            manager = Manager(program, root, screen, fixture(case), **options)
            run(screen, manager)
        except Failure as failure:
            print(f"FAILED: {failure}", flush=True)
            for log in ("program.log", "xvfb.log"):
                path = os.path.join(root, log)
                if os.path.exists(path):
                    with open(path, errors="replace") as f:
                        print(f"--- {log}\n{f.read()}", flush=True)
            sys.exit(1)
        finally:
            signal.alarm(0)
            if manager:
                manager.close()
            if screen:
                screen.close()
    print(f"passed: {case}")


if __name__ == "__main__":
    main()
