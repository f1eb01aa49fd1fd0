"""Plays Marolda as a player would, for the checks in scripts/: on an X display (python3-xlib)
or through its accessibility interface (python3-gi), and reads what Orca said. Run by the
checks with Debian's python3:

  game.py answers                        succeeds if the X display in DISPLAY answers
  game.py window REGEX [SECONDS [PID]]   waits for a window of the program so captioned
  game.py picture FILE                   the screen as PNG, once two grabs agree
  game.py splash                         the splash at the top of the screen, centred
  game.py focus WM GAMES -- PROGRAM...   the keyboard focus through whole games (SHOTS=FOLDER)
  game.py speech ORCA-LOG [SPEECH] -- PROGRAM...   a keyboard game heard and read by Orca
  game.py files -- PROGRAM...            a whole game by the mouse, then Esc (check-no-files)
  game.py screenshot FILE -- PROGRAM...  a few shots, then the main window as PNG
  game.py windows FOLDER -- PROGRAM...   the placement and main windows before any shot
  game.py access                         the running program played through its accessibility

Nothing waits a fixed time: a wait polls for the state it needs up to a limit, and fails saying
what did not come (for a key, which key did not do it)."""
import os
import re
import signal
import struct
import subprocess
import sys
import time
import zlib

from Xlib import X, XK, display as xdisplay, error as xerror
from Xlib.ext import xtest

KEY_LIMIT = 10  # seconds for a key's effect to show: a window, a cell, a shot
HIT, MISS, SHIP = (0xFF, 0xC0, 0x80), (0x00, 0xFF, 0xFF), (0xFF, 0x00, 0x00)
# Where the boards lie in the main window's client area, below its menu bar (the height that
# the window has beyond 530), and the grid of the placement window: left, top, pitch.
ATTACK, DEFENCE, PLACEMENT = (64, 128, 32), (456, 128, 32), (48, 88, 24)
ENDING, PLACING = r"^Hai (vinto|perso)!$", "^Imposta le navi$"
MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L", "insert": "Insert"}
GONE = (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch)  # a window that went meanwhile


class Failure(Exception):
    """What a check says when it fails."""


def wait(what, found, limit=30, failed=None):
    """found()'s first true result, polled every 50 ms; failed(what) runs if none comes."""
    deadline = time.monotonic() + limit
    while True:
        try:
            if result := found():
                return result
        except GONE:
            pass
        if time.monotonic() > deadline:
            if failed:
                failed(what)
            raise Failure(f"gave up after {limit} s waiting for {what}")
        time.sleep(0.05)


def cell_name(cell):
    return "ABCDEFGHIL"[(cell - 1) % 10] + str((cell - 1) // 10 + 1)


class Image:
    """A window's own pixels, in one request (32 bits a pixel, as Xvfb and Xwayland keep them)."""

    def __init__(self, window, x, y, width, height):
        self.width, self.height = width, height
        self.data = window.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data

    def at(self, x, y):
        i = 4 * (y * self.width + x)
        return self.data[i + 2], self.data[i + 1], self.data[i]

    def write_png(self, path):
        rgb, row = bytearray(3 * self.width * self.height), 3 * self.width
        rgb[0::3], rgb[1::3], rgb[2::3] = self.data[2::4], self.data[1::4], self.data[0::4]
        rows = b"".join(b"\0" + rgb[y * row:(y + 1) * row] for y in range(self.height))
        chunks = ((b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)),
                  (b"IDAT", zlib.compress(rows, 6)), (b"IEND", b""))
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + b"".join(struct.pack(">I", len(data)) + kind + data
                      + struct.pack(">I", zlib.crc32(kind + data)) for kind, data in chunks))


class Screen:
    """One connection to the X display in DISPLAY."""

    def __init__(self):
        self.d = xdisplay.Display()
        self.root = self.d.screen().root
        self.width, self.height = self.d.screen().width_in_pixels, self.d.screen().height_in_pixels
        first = self.d.display.info.min_keycode
        mapping = self.d.get_keyboard_mapping(first, self.d.display.info.max_keycode - first + 1)
        # The key that types each keysym by itself: a name lookup may choose a key that gives
        # it only with a modifier (F1 typed as Alt+F1 where the F1 key also switches console).
        self.keycodes = {}
        for offset, keysyms in enumerate(mapping):
            self.keycodes.setdefault(keysyms[0], first + offset)

    def property(self, window, name, kind=X.AnyPropertyType):
        value = window.get_full_property(self.d.intern_atom(name), kind)
        return value.value if value and len(value.value) else None

    def caption(self, window):
        name = self.property(window, "_NET_WM_NAME", self.d.intern_atom("UTF8_STRING"))
        return name.decode() if name else (window.get_wm_name() or "")

    def windows(self, pattern=".", popups=False, under=None, depth=0):
        """The program's visible windows whose caption matches, or its popups (menus), by class:
        mutter 44 and later frame a window from a client of their own, with its caption."""
        found = []
        for window in (under or self.root).query_tree().children:
            try:
                if (window.get_wm_class() or ("",))[0] == "marolda":
                    attributes = window.get_attributes()
                    if (attributes.map_state == X.IsViewable
                            and bool(attributes.override_redirect) == popups
                            and (popups or re.search(pattern, self.caption(window)))):
                        found.append(window)
                elif depth < 3:
                    found += self.windows(pattern, popups, window, depth + 1)
            except GONE:
                pass
        return found

    def window(self, pattern):
        return next(iter(self.windows(pattern)), None)

    def wait_window(self, pattern, limit=30):
        return wait(f'a window "{pattern}"', lambda: self.window(pattern), limit)

    def position(self, window):
        place, geometry = self.root.translate_coords(window, 0, 0), window.get_geometry()
        return place.x, place.y, geometry.width, geometry.height

    def grab(self, window=None, margin=0):
        """The screen, or the part where window shows with its frame and a margin round it."""
        if window is None:
            return Image(self.root, 0, 0, self.width, self.height)
        while (parent := window.query_tree().parent) != self.root:
            window = parent
        x, y, width, height = self.position(window)
        x, y = max(x - margin, 0), max(y - margin, 0)
        return Image(self.root, x, y, min(width + 2 * margin, self.width - x),
                     min(height + 2 * margin, self.height - y))

    def type(self, *keys):
        """Types keys ("alt+a", "insert+KP_Enter": modifiers, Orca's Insert too, held while the
        key goes down and up) into the focus; a key given twice is typed twice quickly."""
        for key in keys:
            codes = []
            for name in key.split("+"):
                codes.append(self.keycodes.get(XK.string_to_keysym(MODIFIERS.get(name, name))))
                if codes[-1] is None:
                    raise Failure(f"no key types {name} by itself on this keymap")
            for code in codes:
                xtest.fake_input(self.d, X.KeyPress, code)
            for code in reversed(codes):
                xtest.fake_input(self.d, X.KeyRelease, code)
            self.d.sync()

    def pointer(self, x=None, y=None, click=False):
        """Moves the pointer, and clicks. By default to a corner where no window comes: where
        the focus follows the pointer, a key would otherwise reach the window under it."""
        xtest.fake_input(self.d, X.MotionNotify, x=x or self.width - 10, y=y or self.height - 24)
        for event in (X.ButtonPress, X.ButtonRelease) if click else ():
            xtest.fake_input(self.d, event, 1)
        self.d.sync()

    def holder(self):
        """The focused window walked up to the first with a caption (the client window that a
        manager framed) and its caption; or the focused window and ""."""
        focus = window = self.d.get_input_focus().focus
        while isinstance(focus, type(self.root)) and window != self.root:
            if caption := self.caption(window):
                return window, caption
            window = window.query_tree().parent
        return focus, ""

    def active(self):
        """The window manager's active window (_NET_ACTIVE_WINDOW), 0 for none."""
        return (self.property(self.root, "_NET_ACTIVE_WINDOW") or [0])[0]

    def manager(self):
        """The name of the window manager that has announced itself (EWMH), or None."""
        check = self.property(self.root, "_NET_SUPPORTING_WM_CHECK")
        return check and self.caption(self.d.create_resource_object("window", check[0]))


class Game:
    """The program, started here in a process group of its own, and what its windows show."""

    def __init__(self, screen, command):
        self.x, self.main = screen, None
        log = open(os.path.join(os.environ.get("WORK", "."), "marolda.log"), "wb")
        self.program = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL, process_group=0)

    def ended(self):
        return self.program.poll() is not None

    def stop(self):
        if not self.ended():
            os.killpg(self.program.pid, signal.SIGTERM)
            try:
                self.program.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.program.pid, signal.SIGKILL)

    def find_main(self, limit=30):
        self.main = self.x.wait_window("^Marolda$", limit)
        self.menu = self.main.get_geometry().height - 530

    def grid(self, board, window=None):
        """A board's 100 back colours, each 3 px in from the cell's corner: inside the bevel."""
        left, top, pitch = board
        if window is None:
            window, top = self.main, top + self.menu
        image = Image(window, left, top, 10 * pitch, 10 * pitch)
        return [image.at(3 + pitch * (i % 10), 3 + pitch * (i // 10)) for i in range(100)]

    def count(self, board, *colours):
        return sum(colour in colours for colour in self.grid(board))

    def over(self):
        return self.x.window(ENDING)

    def fired_at(self, cell):
        """The shot that wins brings the end-of-game window, centred on the screen over the
        attack grid: the cell may be under it before a read has seen it change."""
        return self.over() or self.grid(ATTACK)[cell - 1] in (HIT, MISS)

    def answered(self, before):
        """The game over, or more shots than before and the fleet afloat: the shot that sinks
        it brings the end-of-game window a moment after the board shows it."""
        colours = [] if self.over() else self.grid(DEFENCE)
        return not colours or (sum(c in (HIT, MISS) for c in colours) > before
                               and colours.count(HIT) < 12)

    def fleet_drawn(self, placement):
        return self.grid(PLACEMENT, placement).count(SHIP) == 12

    def fleet_on_board(self):
        return self.count(DEFENCE, SHIP) == 12

    def press(self, keys, what, found, window=None, limit=KEY_LIMIT):
        """Types keys into window (given the focus), or the focus, and waits for found()."""
        if window and self.x.holder()[0] != window:
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.type(*keys.split())
        try:
            return wait(what, found, limit)
        except Failure:
            said = f"; the focus is on {self.describe()}" if hasattr(self, "describe") else ""
            raise Failure(f"pressing {keys} did not {what} within {limit} s{said}") from None

    def placement(self):
        """F1 in the main window: the placement window."""
        self.press("F1", "open the placement window", lambda: self.x.window(PLACING), self.main)
        return self.x.window(PLACING)

    def begin(self, placement):
        """OK in the placement window (its access key), then Comincia."""
        self.press("alt+o", "close the placement window", lambda: not self.x.window(PLACING),
                   placement)
        self.press("F2", "put the player's fleet on the defence board", self.fleet_on_board,
                   self.main)

    def click(self, board, cell, window):
        """A click on cell 1 to 100 of a board, as the mouse gives it."""
        x, y, _, _ = self.x.position(window)
        left, top, pitch = board
        top += self.menu if window == self.main else 0
        self.x.pointer(x + left + pitch * ((cell - 1) % 10) + pitch // 2,
                       y + top + pitch * ((cell - 1) // 10) + pitch // 2, True)

    def start(self):
        """From start-up to the first shot: a random fleet, OK, Comincia."""
        self.find_main()
        placement = self.placement()
        # Access keys click their buttons a moment later, once the buttons have shown
        # themselves pressed: OK is enabled only once "Casuale" has drawn the twelve ships.
        self.press("alt+a", "draw a random fleet", lambda: self.fleet_drawn(placement), placement)
        self.begin(placement)

    def still(self, folder):
        """The placement window with a fleet placed by hand (row 1, A2, B2), and the main window
        once the game has begun, as PNG in folder: pictures that are the same from run to run
        and build to build while nothing on screen has changed."""
        self.find_main()
        placement = self.placement()
        for cell in range(1, 13):
            self.click(PLACEMENT, cell, placement)
        wait("the twelve ships", lambda: self.fleet_drawn(placement))
        self.x.pointer()
        settled(self.x, placement).write_png(os.path.join(folder, "placement.png"))
        self.begin(placement)
        settled(self.x, self.main).write_png(os.path.join(folder, "main.png"))
        return f"wrote {folder}/placement.png and main.png"

    def fire(self, cell):
        """Clicks an attack cell, and waits for the shot and the answer, or the end."""
        before = wait("a reading of the defence board", lambda: [self.count(DEFENCE, HIT, MISS)])[0]
        self.click(ATTACK, cell, self.main)
        wait(f"the shot at attack cell {cell}", lambda: self.fired_at(cell), 30, self.went_wrong)
        wait(f"the answer to attack cell {cell}", lambda: self.answered(before), 30, self.went_wrong)

    def keyboard_game(self, window=None, after_shot=None, after_answer=None):
        """Space, arrow, Space, row by row, until one side has won; the last cell fired at.
        after_shot(cell, hits) runs before the computer's answer, after_answer(cell) after."""
        for cell in range(1, 101):
            # From L of the row above to A of this one, by way of L of this row.
            keys = "Down Right space" if cell > 1 and cell % 10 == 1 else "Right space"
            # Read again if a read fails: a count too low would take a shot for the answer.
            hits, before = wait("a reading of the defence board", lambda: [
                (colours.count(HIT), sum(c in (HIT, MISS) for c in colours))
                for colours in [self.grid(DEFENCE)]])[0]
            self.press(keys, f"fire at attack cell {cell}", lambda: self.fired_at(cell), window)
            if after_shot:
                after_shot(cell, hits)
            wait(f"the answer to attack cell {cell}", lambda: self.answered(before), 30, self.went_wrong)
            if self.over():
                return cell
            if after_answer:
                after_answer(cell)
        raise Failure("a hundred shots and the game did not end")

    def went_wrong(self, what):
        """Whether the program still ran, what the boards showed, and a picture of the screen."""
        state = [f"the program had ended (status {self.program.returncode})"] if self.ended() else []
        try:
            state.append(f"the attack board showed {self.count(ATTACK, HIT, MISS)} shots and the "
                         f"defence board {self.count(DEFENCE, HIT, MISS)}")
            if self.over():
                state.append("the end-of-game window was up")
            self.x.grab().write_png("build/game-failure.png")
            state.append("the screen is in build/game-failure.png")
        except (xerror.XError, OSError) as problem:
            state.append(f"the screen could not be read ({problem})")
        print(f"while waiting for {what}: {', '.join(state)}", file=sys.stderr)


class FocusWalk(Game):
    """The keyboard focus under a window manager: keys go to whatever window it has focused."""

    def describe(self):
        window, caption = self.x.holder()
        number = getattr(window, "id", window)
        said = (f'"{caption}" ({number:#x})' if caption else
                f"no window of the game: the X focus is on {number:#x}, which has no caption")
        if (active := self.x.active()) != number:
            name = active and self.x.caption(self.x.d.create_resource_object("window", active))
            said += f'; the manager\'s active window is {active:#x} "{name or ""}"'
        return said

    def focused_on(self, pattern):
        window, caption = self.x.holder()
        self.held = window
        return re.search(pattern, caption) and self.x.active() == window.id

    def expect(self, step, pattern):
        try:
            wait(f'the focus on "{pattern}"', lambda: self.focused_on(pattern), KEY_LIMIT)
        except Failure:
            raise Failure(f'after {step} the focus is not on "{pattern}" within {KEY_LIMIT} s '
                          f"but on {self.describe()}") from None
        print(f"  {step:<40} focus on {self.describe()}")

    def key(self, keys, what, caption, step=None):
        """Keys that open a window (or with step, close it): the focus on it (on the main one)."""
        pattern = f"^{caption}$"
        if step:
            self.press(keys, what, lambda: not self.x.window(pattern))
            self.expect(f"{step} in the window {caption}", "^Marolda$")
        else:
            self.press(keys, what, lambda: self.x.window(pattern))
            self.expect(keys, pattern)

    def run(self, wm, games, shots):
        x, self.menus = self.x, 0
        print(f'{wm}: the window manager "{x.manager()}" manages display {os.environ["DISPLAY"]}')
        x.pointer()
        x.wait_window(r"^Caricamento\.\.\.$", 60)
        self.expect("start-up (the splash)", r"^Caricamento\.\.\.$")
        self.find_main()
        wait("the splash to go", lambda: not x.window(r"^Caricamento\.\.\.$"))
        self.expect("the splash's handover", "^Marolda$")
        for game in range(1, games + 1):
            print(f" game {game} of {games}")
            self.key("F1", "open the placement window", "Imposta le navi")
            placement = self.held
            self.press("alt+a", "draw a random fleet", lambda: self.fleet_drawn(placement))
            if game == 1 and shots:
                x.grab(placement, 16).write_png(os.path.join(shots, f"placement-{wm}.png"))
            self.key("alt+o", "close the placement window", "Imposta le navi", "Alt+O (OK)")
            if game == 1:
                self.key("F4", "open the instructions", "Istruzioni")
                self.key("Return", "close the instructions", "Istruzioni", "Enter (OK)")
                self.key("F5", "open the information window", "Informazioni")
                self.key("Escape", "close the information window", "Informazioni", "Esc")
            self.press("F2", "put the player's fleet on the defence board", self.fleet_on_board)
            self.expect("F2", "^Marolda$")
            cell = self.keyboard_game(after_shot=self.open_menu, after_answer=self.close_menu)
            caption = x.caption(x.wait_window(ENDING))
            by = (f"the player's winning shot, at cell {cell}" if caption == "Hai vinto!" else
                  f"the computer's winning shot, after cell {cell}")
            if self.menu_open:
                by, self.menus = by + ", the menu open", self.menus + 1
            self.expect(by, ENDING)
            try:
                wait("no menu open", lambda: not x.windows(popups=True), KEY_LIMIT)
            except Failure:
                raise Failure(f"after {by}, a menu of the program stays open") from None
            old = self.main
            self.press("Return", "bring a fresh main window",
                       lambda: (w := x.window("^Marolda$")) and w != old)
            wait("the end-of-game window to go", lambda: not self.over())
            self.expect(f'Enter (Sì) in "{caption}"', "^Marolda$")
            self.find_main()
            if self.held != self.main:
                raise Failure("the focus is on a main window that is not the fresh one")
        self.key("ctrl+q", "open the goodbye window", "Arrivederci")
        self.press("Return", "end the program", self.ended)
        return (f"{games} whole game(s), the focus where it belongs at every step; the "
                f"computer's winning shot came with the menu open in {self.menus}")

    def open_menu(self, cell, hits):
        """With 11 hits on the defence board the computer's next hit wins: the menu Gioco is
        opened right after the player's shot, if it has not won, before the answer (1.5 s)."""
        self.menu_open = False
        if hits == 11 and self.count(ATTACK, HIT) < 12 and not self.over():
            self.press("alt+g", "open the menu Gioco",
                       lambda: self.x.windows(popups=True) or self.over())
            self.menu_open = bool(self.x.windows(popups=True))
            if self.menu_open:
                print(f"  {f'Alt+G after cell {cell}, 11 hits':<40} the menu Gioco open")

    def close_menu(self, cell):
        """An answer that did not end the game: Esc closes the menu and leaves the menu bar in
        its keyboard mode, with the focus; a second Esc gives the focus back to the board."""
        if self.menu_open:
            self.press("Escape", "close the menu Gioco", lambda: not self.x.windows(popups=True))
            self.x.type("Escape")


class OrcaLog:
    """Orca's debug file, read as it grows: what it said, and its braille lines."""

    def __init__(self, path):
        self.path, self.offset, self.rest = path, 0, ""
        self.lines, self.speech, self.braille = [], [], []
        said = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
        self.version = int(re.search(r"(\d+)\.", said).group(1))

    def read(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                new = log.read()
        except FileNotFoundError:
            return self
        self.offset += len(new)
        *complete, self.rest = (self.rest + new.decode(errors="replace")).split("\n")
        for line in complete:
            self.lines.append(line := line.rstrip("\r"))
            if said := re.search(r"SPEECH OUTPUT: '(.*)' ?\{'established", line):
                self.speech += self.utterance(said.group(1))
            if shown := re.search(r"BRAILLE LINE:  '(.*)'$", line):
                self.braille.append(shown.group(1))
        return self

    @staticmethod
    def utterance(text):
        """In a form that Orca 43 to 51 all give: an announcement without the role that some
        versions say before it (on the same line or on one of its own), a button as "button",
        and no full stop of Orca's at the end."""
        if text == "notification":
            return []
        text = re.sub(r" push button\.$", " button.", re.sub(r"^notification ", "", text))
        return [re.sub(r"([^.])\.$", r"\1", text)]

    def heard(self, pattern, times=1):
        return sum(bool(re.search(pattern, line)) for line in self.read().speech) >= times

    def brailled(self, pattern):
        return [line for line in self.read().braille if re.search(pattern, line)]


class Hearing(Game):
    """A game by the keyboard, as a blind player plays it, listening to Orca before each key."""

    def say(self, window, keys, what, pattern, times=1):
        # Orca takes a few seconds more than the screen under load.
        self.press(keys, f"make Orca say {what}", lambda: self.orca.heard(pattern, times),
                   window, 15)

    def hear(self, what, pattern, times=1):
        wait(f"Orca to say {what}", lambda: self.orca.heard(pattern, times))

    def follow(self, keys, what, heard=None, shown=None, window=None):
        """Types keys, then waits for Orca to say something new that matches heard and to put a
        new braille line that matches shown on the display; returns what it said since."""
        start, lines = len(self.orca.read().speech), len(self.orca.brailled(shown or "^$"))
        self.press(keys, f"make Orca tell {what}", lambda: (
            not heard or any(re.search(heard, line) for line in self.orca.read().speech[start:]))
            and (not shown or len(self.orca.brailled(shown)) > lines), window, 15)
        return " ".join(self.orca.speech[start:])

    def review(self):
        """The board read as a table, back on A1 after its shot and the answer: the cell's state
        spoken and on the braille line; where-am-I with the grid, the cell, its state, its row
        and its column; the status bar with the phase and both counters; F6 to the other grid
        and back; Home, End, Ctrl+Home and Ctrl+End. Orca 43 to 51 all put a cell's row header,
        which names its grid, and its column header on the braille line."""
        state = "colpito" if self.grid(ATTACK)[0] == HIT else "acqua"
        self.follow("Home", "the state of A1, fired at", rf"^{state}$",
                    rf"Attacco 1 row header A column header {state}\b")
        where = self.follow("KP_Enter", "where A1 is", "column 1 of 10 row 1 of 10")
        for part in ("Attacco", r"\bA1?\b", rf"\b{state}\b", "column 1 of 10 row 1 of 10"):
            if not re.search(part, where):
                raise Failure(f"where-am-I on A1 did not tell {part}: Orca said {where!r}")
        status = self.follow("insert+KP_Enter insert+KP_Enter", "the status bar",
                             r"^Le tue navi a galla: \d+$")
        afloat = [12 - self.count(ATTACK, HIT), 12 - self.count(DEFENCE, HIT)]
        if not re.search(rf"Adesso è il tuo turno\.? Navi del computer a galla: {afloat[0]} "
                         rf"Le tue navi a galla: {afloat[1]}$", status):
            raise Failure(f"the status bar did not tell the phase and {afloat} ships afloat: "
                          f"Orca said {status!r}")
        for keys, grid, row, column in (("F6", "Difesa", 1, "A"), ("F6", "Attacco", 1, "A"),
                                        ("End", "Attacco", 1, "L"), ("ctrl+End", "Attacco", 10, "L"),
                                        ("Home", "Attacco", 10, "A"), ("ctrl+Home", "Attacco", 1, "A")):
            self.follow(keys, f"{grid} {column}{row}",
                        shown=rf"{grid} {row} row header {column} column header")

    def run(self, orca):
        x, self.orca = self.x, orca
        self.find_main(60)
        placement = self.placement()
        # The grid cleared, a ship put on L10 (its cell comes after the buttons), a fleet at
        # random, and OK.
        self.hear("the placement window's first button", "^Casuale button$")
        self.say(placement, "Tab space", "the cleared counter", "^Ti restano 12 navi da posizionare$")
        self.follow("shift+Tab shift+Tab", "the cell L10", shown=r"\b10 row header L column header acqua",
                    window=placement)
        self.say(placement, "space", "the ship on L10", r"^L10: nave\. Ti restano 11 navi da posizionare$")
        # The cell's new state on its braille line: Orca 43 reads a cell's changed text at once,
        # later versions only when the focus comes back to it (from its row: coming from
        # elsewhere, they read the row as they last read it).
        ship = r"\b10 row header L column header (.* )?nave\b"
        if self.orca.version < 44:
            wait("Orca to show the ship on L10 in braille", lambda: self.orca.brailled(ship))
        else:
            self.follow("Left", "the cell I10", shown=r"\b10 row header I column header")
            self.follow("Right", "the ship on L10", shown=ship)
        self.say(placement, "Tab", "the first button again", "^Casuale button$", 2)
        self.say(placement, "space", "the random fleet", "^Hai posizionato le tue navi$")
        wait("a random fleet on screen", lambda: self.fleet_drawn(placement))
        self.say(placement, "Tab Tab Tab Return", "that the fleet is ready",
                 "^Per cominciare il gioco premi F2$")
        wait("the placement window to go", lambda: not x.window(PLACING))
        self.press("F2", "put the player's fleet on the defence board", self.fleet_on_board,
                   self.main)
        self.hear("that the game begins", "^Adesso è il tuo turno$")
        last = self.keyboard_game(self.main, after_answer=lambda cell: self.hear(
            f"the answer to {cell_name(cell)}", "^Difesa .* turno$", cell) or cell > 1 or self.review())
        self.fired = [cell_name(cell) for cell in range(1, last + 1)]
        ending = x.wait_window(ENDING)
        # Both buttons of the dialog, then Esc, which presses No and ends the program.
        self.hear("the dialog", "^Sì button$")
        self.say(ending, "Tab", "the other button", "^No button$")
        self.press("Escape", "close the end-of-game window", lambda: not self.over(), ending)
        wait("the program to end", self.ended)
        try:  # the last lines may reach the log a moment after the last one waited for
            wait("what Orca said and showed", lambda: not self.problems(), 5)
        except Failure:
            raise Failure("\n".join(self.problems() + ["--- what Orca said:"] + orca.speech
                                    + ["--- what Orca showed in braille:"] + orca.braille))
        return (f"Orca told the start, {len(self.fired)} shots, {self.expected} answers and the "
                f"end of the game ({len(orca.speech)} utterances), each whole, and showed every "
                f"message in braille; it read A1 back after its shot, said where it is, read the "
                f"status bar, and followed F6, Home, End, Ctrl+Home and Ctrl+End")

    def problems(self):
        orca, problems = self.orca.read(), []
        for cell in self.fired:
            # Orca 51 says the player's "Acqua ..." without its blank.
            shot = rf"^Attacco {cell}: (Colpito!|Acqua ?\.\.\.)( Aspetta\. Ora tocca a me"
            if not orca.heard(shot + ")?$"):
                problems.append(f"Orca did not say the player's shot at {cell} with its result")
            if not orca.brailled(shot + r"\.)?$"):
                problems.append(f"Orca's braille did not show the player's shot at {cell}")
        # One answer for every shot but a winning one, each at a cell of its own; in braille,
        # the one that wins has no turn after it, and a line may show again as Orca refreshes.
        self.expected = len(self.fired) - orca.heard("^Hai vinto! dialog")
        answer = r"^Difesa [A-IL]([1-9]|10): (Colpito!|Acqua ?\.\.\.)"
        said = [line for line in orca.speech if re.search(answer, line)]
        cells = {line.split(":")[0] for line in said}
        shown = {line.split(":")[0] for line in orca.brailled(answer + r"( Adesso è il tuo turno\.?)?$")}
        if len(said) != self.expected or len(cells) != self.expected:
            problems.append(f"Orca told {len(said)} answers of the computer at {len(cells)} "
                            f"cells, not {self.expected}")
        if len(shown) != self.expected:
            problems.append(f"Orca's braille showed answers of the computer at {len(shown)} "
                            f"cells, not {self.expected}")
        if not orca.heard("^Hai (vinto! dialog Complimenti, hai vinto!|perso! dialog Peccato, "
                          "hai perso!) Vuoi fare un'altra partita\\?$"):
            problems.append("Orca did not say the end-of-game dialog with its text")
        return problems + self.cut_short() + self.unlisted()

    def cut_short(self):
        """The player waits for each answer before the next key: so nothing may cut a shot's
        result short (Orca logs each interruption of its speech) before the answer is spoken."""
        cut, pending, interrupted = [], None, False
        for line in self.orca.lines:
            if said := re.search(r"SPEECH OUTPUT: '(?:notification )?(Attacco|Difesa) "
                                 r"([A-IL](?:10|[1-9])): ", line):
                if said.group(1) == "Difesa" and pending and interrupted:
                    cut.append(pending)
                pending, interrupted = said.group(1) == "Attacco" and said.group(2), False
            elif "Interrupting presentation" in line:
                interrupted = bool(pending)
        return [f"Orca's speech was cut short before the answers to {', '.join(cut)}"] if cut else []

    def unlisted(self):
        """Orca 43 keeps each notification in its list of past notifications as it flashes it:
        there, every message on the display is followed by its entry in the list before
        anything else shows."""
        if self.orca.version >= 44:
            return []
        missed, shown = 0, False
        for line in self.orca.lines:
            if "BRAILLE LINE:" in line:
                missed, shown = missed + shown, bool(re.search(r"LINE:  .(Attacco|Difesa) ", line))
            elif "saveMessage (queue length" in line:
                shown = False
        missed += shown
        return [f"{missed} messages did not reach Orca's list of notifications"] if missed else []


def play_by_access():
    """Plays the program through its accessibility interface, as switch access does, each
    control worked by its action: a fleet cell by cell, three shots, every help window, "Esci"
    and "Ciao"; and reads its grids as a screen reader does, as tables. SHOTS takes a
    screenshot into the file given after it, in the folder OUTPUT."""
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    # The roles, by their values: their names differ between versions of the accessibility bus.
    button, dialog, frame = Atspi.Role.PUSH_BUTTON, Atspi.Role.DIALOG, Atspi.Role.FRAME
    label, menu_item, cell = Atspi.Role.LABEL, Atspi.Role.MENU_ITEM, Atspi.Role.TABLE_CELL

    def tables(within, *grids):
        """The window's grids, as tables named for them, 10 by 10, in this order: each cell with
        its name, its row and column, its headers (a row's naming the grid in the main window)
        and its state as its text."""
        found = []

        def gather(node):
            for child in map(node.get_child_at_index, range(node.get_child_count())):
                if child is not None and child.get_role() == Atspi.Role.TABLE:
                    found.append(child)
                elif child is not None:
                    gather(child)
        gather(within)
        if [table.get_name() for table in found] != [name for name, _ in grids]:
            raise Failure(f"tables {[t.get_name() for t in found]}, not {[n for n, _ in grids]}")
        for table, (name, rows) in zip(found, grids):
            size = Atspi.Table.get_n_rows(table), Atspi.Table.get_n_columns(table)
            if size != (10, 10):
                raise Failure(f"the table {name} has {size[0]} rows and {size[1]} columns")
            for index in range(100):
                row, column = divmod(index, 10)
                one = Atspi.Table.get_accessible_at(table, row, column)
                seen = (one.get_role(), one.get_name(), one.get_index_in_parent(),
                        Atspi.Table.get_row_at_index(table, index),
                        Atspi.Table.get_column_at_index(table, index),
                        Atspi.Table.get_row_header(table, row).get_name(),
                        Atspi.Table.get_column_header(table, column).get_name(),
                        bool(Atspi.Text.get_text(one, 0, -1)))
                if seen != (cell, cell_name(index + 1), index, row, column,
                            f"{rows}{row + 1}", "ABCDEFGHIL"[column], True):
                    raise Failure(f"cell {cell_name(index + 1)} of the table {name}: {seen}")

    def find(node, role, name):
        """The first showing object of this role and name (a menu's items: even closed)."""
        try:
            if (node.get_role() == role and node.get_name() == name
                    and (role == menu_item
                         or node.get_state_set().contains(Atspi.StateType.SHOWING))):
                return node
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child is not None and (found := find(child, role, name)):
                    return found
        except GLib.Error:  # an object that went while it was read
            pass
        return None

    def the_program():
        desktop = Atspi.get_desktop(0)
        return next((app for app in map(desktop.get_child_at_index, range(
            desktop.get_child_count())) if app is not None and app.get_name() == "Marolda"), None)

    def window(name, role=dialog):
        return wait(f"the window '{name}'", lambda: find(program, role, name))

    def press(within, role, name):
        control = wait(f"the {role.value_nick} '{name}'", lambda: find(within, role, name))
        if not control.do_action(0):
            raise Failure(f"the {role.value_nick} '{name}' did not take its action")

    def shot(name):
        subprocess.run(os.environ["SHOTS"].split() + [f"{os.environ['OUTPUT']}/{name}"], check=True)

    program = wait("the program on the accessibility bus", the_program)
    window("Caricamento...")
    main = window("Marolda", frame)
    press(main, menu_item, "Imposta le navi")
    placement = window("Imposta le navi")
    tables(placement, ("Le tue navi", ""))
    for index in range(1, 13):
        press(placement, cell, cell_name(index))
    wait("the twelfth ship", lambda: find(placement, label, "Hai posizionato le tue navi"))
    shot("wayland-placement.png")
    press(placement, button, "OK")
    wait("the window Imposta le navi to go", lambda: not find(program, dialog, "Imposta le navi"))
    press(main, menu_item, "Comincia")
    turn = "Adesso è il tuo turno."
    wait("the player's turn", lambda: find(main, label, turn))
    tables(main, ("Attacco", "Attacco "), ("Difesa", "Difesa "))
    for name in ("A1", "B2", "C3"):  # the attack grid comes first in the tree
        press(main, cell, name)
        wait(f"the computer's turn after {name}", lambda: not find(main, label, turn))
        wait(f"the answer to {name}", lambda: find(main, label, turn))
    shot("wayland-game.png")
    press(main, menu_item, "Istruzioni")
    for choice, page in (("Caratteristiche del gioco", "Caratteristiche e regole del gioco"),
                         ("Istruzioni pratiche", "Istruzioni pratiche"),
                         ("Requisiti del sistema", "Requisiti del sistema")):
        press(window("Istruzioni"), button, choice)
        press(window(page), button, "OK")
        wait(f"{page} to go", lambda: not find(program, dialog, page))
    press(window("Istruzioni"), button, "OK")
    wait("the window Istruzioni to go", lambda: not find(program, dialog, "Istruzioni"))
    press(main, menu_item, "Informazioni")
    press(window("Informazioni"), button, "OK")
    wait("the window Informazioni to go", lambda: not find(program, dialog, "Informazioni"))
    press(main, menu_item, "Esci")
    press(window("Arrivederci"), button, "Ciao")
    return "played through its accessibility interface, its grids read as tables"


def settled(screen, window=None):
    """The screen, or the window's part of it, once two grabs in a row agree."""
    place = screen.position(window) if window else (0, 0, screen.width, screen.height)
    images = [Image(screen.root, *place)]
    wait("the screen to stop changing", lambda: images.append(Image(screen.root, *place))
         or images[-1].data == images[-2].data, 10)
    return images[-1]


def splash_placed(screen):
    """A compositor that frames the window with a title bar and a shadow does not tell the
    program: the client area lies a title bar below the top, a few pixels off the centre."""
    splash = screen.wait_window(r"^Caricamento\.\.\.$")
    left, top, width, off = 0, 0, 0, 0
    for _ in range(200):
        left, top, width, _ = screen.position(splash)
        off = (2 * left + width - screen.width) // 2
        if top <= 64 and abs(off) <= 8:
            return f"the splash's client area at the top ({top} px down) and centred ({off} px off)"
        time.sleep(0.05)
    raise Failure(f"the splash's client area lies at ({left}, {top}), {width} wide, on a screen "
                  f"{screen.width} wide")


def main(command, *options):
    options, program = (options[:options.index("--")], options[options.index("--") + 1:]) \
        if "--" in options else (options, [])
    if command == "access":
        return play_by_access()
    if command == "answers":
        try:
            return xdisplay.Display().close()
        except Exception:  # any way of not answering
            sys.exit(1)
    screen = Screen()
    if command == "window":  # REGEX [SECONDS [PID]]: fails at once if PID ends meanwhile
        def shown():
            if len(options) > 2 and not os.path.exists(f"/proc/{options[2]}"):
                raise Failure(f"process {options[2]} ended before a window {options[0]} showed")
            return screen.window(options[0])
        wait(f"a window {options[0]}", shown, int(options[1]) if len(options) > 1 else 30)
    elif command == "picture":
        settled(screen).write_png(options[0])
    elif command == "splash":
        return splash_placed(screen)
    else:
        if command == "focus":  # a window mapped before the manager manages gets no focus
            wait(f"{options[0]} to manage the screen (see its output below)", screen.manager)
        game = {"focus": FocusWalk, "speech": Hearing}.get(command, Game)(screen, program)
        try:
            if command == "focus":
                return f"PASS {options[0]}: {game.run(options[0], int(options[1]), os.environ.get('SHOTS'))}"
            if command == "speech":
                said = game.run(OrcaLog(options[0]))
                with open(options[1] if len(options) > 1 else os.devnull, "w") as kept:
                    kept.write("".join(line + "\n" for line in game.orca.speech))
                return said
            if command == "windows":
                return game.still(options[0])
            game.start()
            if command == "screenshot":
                for cell in (13, 24, 35, 46, 57, 68, 79, 42, 53, 64, 75, 86, 31):
                    game.fire(cell)
                screen.pointer()
                settled(screen, game.main).write_png(options[0])
                return f"wrote {options[0]}"
            cell = 0
            while not game.over():  # every cell in turn until one side has won
                game.fire(cell := cell + 1)
            said = f"game over: {screen.caption(game.over())}"
            game.press("Escape", "close the end-of-game window", lambda: not game.over(),
                       game.over())
            wait("the program and all it started to end", game.ended)
            return said
        except Failure as failure:
            raise Failure(f"FAIL {options[0]}: {failure}" if command == "focus" else failure)
        finally:
            game.stop()


if __name__ == "__main__":
    # SIGTERM ends the module as Ctrl-C does, through its cleanup, which ends the program.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        said = main(*sys.argv[1:])
        if said:
            print(said)
    except Failure as failure:
        sys.exit(str(failure))
    except KeyboardInterrupt:
        sys.exit(130)
