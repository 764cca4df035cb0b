#!/usr/bin/python3
"""A keyboard-only session of tslq in the real accessibility stack.

Starts a private X server (Xvfb), a session bus, the AT-SPI bus, a simulated
radio (tslq-sim --link ... --save OUT.qx) and tslq with a profile that maps
Com1 to the radio. Then it works the program by keys alone (xdotool) and
learns what happened only from the accessibility tree (pyatspi), as a
screen reader would:

    Radio > Read > All; the memory grid (Alt+M); channel 001 (Ctrl+Home,
    Down); Enter opens the memory editor; Tab to "Memory Name"; a new name;
    Enter (OK); Radio > Write > Changes; Y confirms; the tree reports
    "The radio holds what was written."; File > Exit, N (do not save).

The radio's saved memory must then hold the new name. Every control that had
the focus on the way is listed with its role and accessible name; with
--strict (or TSLQ_A11Y_STRICT=1) one without a name fails the session.
Before the session the main window's controls without an accessible name
are listed (shown or not; --list-unnamed lists them and stops there).
--keep DIR keeps the logs, the profile and OUT.qx; TSLQ_A11Y_DEBUG=1 prints
each key and each announced focus with its time.

Exit status: 0 passed, 1 failed, 77 skipped (no X server can start, or
pyatspi, Xvfb, xdotool or the buses are not installed).

pyatspi imports only with the distribution's own Python 3; when started with
another one, the script starts itself again with /usr/bin/python3.
"""

import argparse
import importlib.util
import os
import shutil
import sys
import tempfile
import time

SKIPPED = 77
SYSTEM_PYTHON = "/usr/bin/python3"
CHANNEL = "001"
NEW_NAME = "A11Y-KB"
DEBUG = os.environ.get("TSLQ_A11Y_DEBUG") == "1"
T0 = time.monotonic()

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, SessionError, Unavailable, wait_until  # noqa: E402

pyatspi = None  # imported once the buses of the session exist
GLib = None


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


def ensure_pyatspi():
    if importlib.util.find_spec("pyatspi") is not None:
        return
    other_python = os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON)
    if other_python and os.access(SYSTEM_PYTHON, os.X_OK):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, os.path.abspath(__file__), *sys.argv[1:]])
    skip(f"pyatspi does not import with {sys.executable} (python3-pyatspi, which "
         f"scripts/install-deps.sh installs, works with {SYSTEM_PYTHON} only)")


def import_pyatspi():
    global pyatspi, GLib, CONTROL_ROLES
    import pyatspi as module
    from gi.repository import GLib as glib

    pyatspi, GLib = module, glib
    CONTROL_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
                     pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
                     pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE,
                     pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM)


# ---- the accessibility tree -------------------------------------------------

# Roles of controls an operator works, focusable or not (set on import).
CONTROL_ROLES = ()


# Objects whose children are rows, cells or list items, not controls.
def leaf_role(role):
    return role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_COMBO_BOX,
                    pyatspi.ROLE_LIST)


def has_state(obj, state):
    try:
        return obj.getState().contains(state)
    except Exception:
        return False


def text_of(obj):
    try:
        return obj.queryText().getText(0, -1)
    except Exception:
        return None


def describe(obj):
    try:
        return f"{obj.getRoleName()} \"{obj.name}\""
    except Exception:
        return "(gone)"


def walk(obj, showing_only=True, depth=0):
    """obj and its descendants, without the cells of tables and lists."""
    yield obj, depth
    try:
        if leaf_role(obj.getRole()):
            return
        children = [obj.getChildAtIndex(i) for i in range(obj.childCount)]
    except Exception:
        return
    for child in children:
        if child is None or showing_only and not has_state(child, pyatspi.STATE_SHOWING):
            continue
        yield from walk(child, showing_only, depth + 1)


class Tree:
    """The program as the accessibility bus shows it, and the focus changes
    it announced."""

    def __init__(self, pid):
        self.pid = pid
        self.focus = []  # (step, role, name, where)
        self.step = "start"
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")

    def pump(self):
        context = GLib.MainContext.default()
        for _ in range(1000):
            if not context.iteration(False):
                break

    def on_focus(self, event):
        if not event.detail1:
            return
        source = event.source
        try:
            role, name = source.getRoleName(), source.name
        except Exception:
            return
        where = ""
        if source.getRole() == pyatspi.ROLE_TABLE_CELL:
            where = self.cell_place(source)
        entry = (self.step, role, name, where)
        if DEBUG:
            print(f"  {time.monotonic() - T0:7.3f} focus {role} \"{name}\"")
        if not self.focus or self.focus[-1] != entry:
            self.focus.append(entry)

    @staticmethod
    def cell_place(cell):
        try:
            table = cell.parent
            at = cell.getIndexInParent()
            grid = table.queryTable()
            return (f"row {grid.getRowAtIndex(at)}, column {grid.getColumnAtIndex(at)} "
                    f"of table \"{table.name}\"")
        except Exception:
            return "in a table"

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except Exception:
                continue
        return None

    def windows(self):
        app = self.application()
        return [w for w in app if w is not None] if app else []

    def main_window(self):
        return next((w for w in self.windows() if w.getRole() == pyatspi.ROLE_FRAME), None)

    def last_focus(self, since=0):
        return self.focus[-1] if len(self.focus) > since else None

    def find(self, root, role, name=None, showing_only=True):
        for obj, _ in walk(root, showing_only):
            try:
                if obj.getRole() == role and (name is None or obj.name == name):
                    return obj
            except Exception:
                continue
        return None

    def texts(self, window):
        """The texts a window shows: its labels' names and its text fields."""
        found = []
        for obj, _ in walk(window):
            role = obj.getRole()
            if role == pyatspi.ROLE_LABEL and obj.name:
                found.append(obj.name)
            elif role == pyatspi.ROLE_TEXT and text_of(obj):
                found.append(text_of(obj))
        return found

    def unnamed_controls(self, root):
        """The objects under root (shown or not) without a name: those that
        take the focus, and controls that do not."""
        focusable, others = [], []
        path = []
        for obj, depth in walk(root, showing_only=False):
            del path[depth:]
            path.append(describe(obj))
            if obj.name:
                continue
            if has_state(obj, pyatspi.STATE_FOCUSABLE):
                focusable.append(" > ".join(path[1:]))
            elif obj.getRole() in CONTROL_ROLES:
                others.append(" > ".join(path[1:]))
        return focusable, others


# ---- the session --------------------------------------------------------------


class Session:
    def __init__(self, desktop, tree):
        self.desktop = desktop
        self.tree = tree
        self.main_xid = None

    def wait(self, condition, what, timeout=30):
        return wait_until(condition, timeout, what, pump=self.tree.pump, tolerant=True)

    def press(self, *keys):
        if DEBUG:
            print(f"  {time.monotonic() - T0:7.3f} keys {' '.join(keys)}")
        self.desktop.key(*keys)

    def focus_after(self, mark, what, predicate, timeout=30):
        """Waits for an announced focus (after the mark'th) that satisfies
        predicate(role, name)."""

        def seen():
            for _, role, name, _ in self.tree.focus[mark:]:
                if predicate(role, name):
                    return True
            return False

        self.wait(seen, what, timeout)

    def press_to_focus(self, key, role, name, timeout=30):
        mark = len(self.tree.focus)
        self.press(key)
        self.focus_after(mark, f"{role} \"{name}\" to take the focus after {key}",
                         lambda r, n: r == role and n == name, timeout)

    def menu_command(self, path, last_key, attempts=3):
        """Opens menus by their mnemonics, each announcing its first item as
        focused, then chooses the command by its mnemonic. A menu that closes
        again by itself right after opening is opened once more (seen now
        and then on the first menu after start: the window manager's part,
        handing the input focus over, is missing here)."""
        for attempt in range(attempts):
            self.activate_main_window()
            start = len(self.tree.focus)
            state = "open"
            for key, first_item in path:
                mark = len(self.tree.focus)
                self.press(key)
                state = self.wait(lambda: self.menu_state(start, mark, first_item),
                                  f"menu item \"{first_item}\" to take the focus after {key}")
                if state == "open" and self.closes_within(0.25, start, mark, first_item):
                    state = "closed"
                if state == "closed":
                    break
            if state == "open":
                self.press(last_key)
                return
            print(f"note: a menu closed again by itself (attempt {attempt + 1}); opening it anew")
            self.press("Escape", "Escape", "Escape")
        raise SessionError(f"the menus did not stay open in {attempts} attempts")

    def closes_within(self, seconds, *menu):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.tree.pump()
            if self.menu_state(*menu) == "closed":
                return True
            time.sleep(0.02)
        return False

    def menu_state(self, start, mark, first_item):
        """"open" when the latest focus, announced after the mark, is the
        menu's first item; "closed" when a menu was announced since the start
        and the focus has left the menus again."""
        last = self.tree.last_focus()
        if last is None:
            return None
        in_menu = last[1] in ("menu item", "menu", "menu bar", "popup menu")
        if len(self.tree.focus) > mark and last[1:3] == ("menu item", first_item):
            return "open"
        if not in_menu and any(entry[1] == "menu item" for entry in self.tree.focus[start:]):
            return "closed"
        return None

    def activate_main_window(self):
        """Gives the main window the input focus back, as a window manager
        does when a dialog closes (there is none on this X server)."""
        if self.main_xid is None:
            self.main_xid = self.wait(lambda: (self.desktop.program_windows() or [None])[0],
                                      "the main window to be mapped")
        if has_state(self.tree.main_window(), pyatspi.STATE_ACTIVE):
            return True
        for window in self.tree.windows():
            if window.getRole() == pyatspi.ROLE_ALERT and has_state(window, pyatspi.STATE_SHOWING):
                raise SessionError(f"unexpected message box: {' '.join(self.tree.texts(window))}")
        for _ in range(5):
            self.desktop.focus_window(self.main_xid)
            try:
                return wait_until(lambda: has_state(self.tree.main_window(), pyatspi.STATE_ACTIVE),
                                  6, "the main window to become active", pump=self.tree.pump,
                                  tolerant=True)
            except SessionError:
                continue
        raise SessionError("the main window never became active")

    def alert(self, timeout=60):
        """The message box that takes the focus, and its texts."""
        box = self.wait(lambda: next((w for w in self.tree.windows()
                                      if w.getRole() == pyatspi.ROLE_ALERT
                                      and has_state(w, pyatspi.STATE_ACTIVE)), None),
                        "a message box", timeout)
        return box, " ".join(self.tree.texts(box))

    def answer(self, box, key, what):
        """Presses a key in a message box and waits until it has closed."""
        self.press(key)
        self.wait(lambda: not has_state(box, pyatspi.STATE_SHOWING), what)

    def no_window_but_main(self, what, timeout=60):
        self.wait(lambda: all(w.getRole() == pyatspi.ROLE_FRAME for w in self.tree.windows()
                              if has_state(w, pyatspi.STATE_SHOWING)), what, timeout)

    def memory_grid(self):
        main = self.tree.main_window()
        panel = self.tree.find(main, pyatspi.ROLE_PANEL, "Memory Channel")
        grid = self.tree.find(panel, pyatspi.ROLE_TABLE) if panel else None
        if grid is None:
            raise SessionError("the memory grid is not in the tree")
        return grid

    @staticmethod
    def current_row(grid):
        rows = grid.queryTable().getSelectedRows()
        return rows[0] if len(rows) == 1 else None

    @staticmethod
    def cell(grid, row, column):
        return grid.queryTable().getAccessibleAt(row, column).name

    # ---- the steps ----

    def read_all(self):
        self.tree.step = "Radio > Read > All"
        self.menu_command([("alt+r", "Read"), ("r", "All")], "a")
        main = self.tree.main_window
        self.wait(lambda: main().name.endswith("[Radio]"),
                  "the caption to name the radio after the read", timeout=90)
        self.no_window_but_main("the Read dialog to close")
        print(f"read: the main window is now \"{main().name}\"")

    def go_to_channel(self):
        self.tree.step = f"memory grid, channel {CHANNEL}"
        self.activate_main_window()
        self.press_to_focus("alt+m", "table", self.memory_grid().name)
        grid = self.memory_grid()
        self.press("ctrl+Home")
        self.wait(lambda: self.current_row(grid) == 0, "Ctrl+Home to make the first row current")
        for _ in range(10):
            row = self.current_row(grid)
            if self.cell(grid, row, 1) == CHANNEL:
                old = self.cell(grid, row, 3)
                print(f"grid: row {row} is channel {CHANNEL}, named \"{old}\"")
                return row, old
            self.press("Down")
            self.wait(lambda: self.current_row(grid) == row + 1, "Down to move to the next row")
        raise SessionError(f"channel {CHANNEL} is not among the first rows of the grid")

    def rename_in_editor(self, row, old):
        self.tree.step = "memory editor"
        if old == NEW_NAME:
            raise SessionError(f"channel {CHANNEL} is named {NEW_NAME} already: "
                               "the session would prove nothing")
        self.press("Return")
        editor = self.wait(lambda: next((w for w in self.tree.windows()
                                         if w.getRole() == pyatspi.ROLE_DIALOG
                                         and has_state(w, pyatspi.STATE_ACTIVE)), None),
                           "Enter to open the memory editor")
        number = self.tree.find(editor, pyatspi.ROLE_TEXT, "Memory Channel Number")
        shown = text_of(number) if number else None
        if not shown or shown.lstrip("0") != CHANNEL.lstrip("0"):
            raise SessionError(f"the editor \"{editor.name}\" shows channel {shown!r}, "
                               f"not {CHANNEL}")
        # Tab through the dialog's controls to the name.
        for _ in range(40):
            last = self.tree.last_focus()
            if last and last[1:3] == ("text", "Memory Name"):
                break
            mark = len(self.tree.focus)
            self.press("Tab")
            self.focus_after(mark, "Tab to move the focus", lambda r, n: True)
        else:
            raise SessionError("Tab never reached \"Memory Name\"")
        field = self.tree.find(editor, pyatspi.ROLE_TEXT, "Memory Name")
        self.press("ctrl+a")
        self.desktop.type_text(NEW_NAME)
        self.wait(lambda: text_of(field) == NEW_NAME, f"the name field to read {NEW_NAME}")
        self.tree.step = "memory editor, OK"
        self.press("Return")
        self.no_window_but_main("Enter (OK) to close the editor", timeout=30)
        self.activate_main_window()
        grid = self.memory_grid()
        self.wait(lambda: self.cell(grid, row, 3) == NEW_NAME,
                  f"the grid to show {NEW_NAME} on channel {CHANNEL}")
        print(f"editor: channel {CHANNEL} renamed to \"{NEW_NAME}\" in the grid")

    def write_changes(self):
        self.tree.step = "Radio > Write > Changes"
        self.menu_command([("alt+r", "Read"), ("w", "All")], "c")
        box, question = self.alert()
        print(f"confirm: \"{question}\"")
        if "Write the 1 changed record" not in question:
            raise SessionError(f"Write > Changes asked: {question}")
        self.tree.step = "Write > Changes, confirmed"
        self.answer(box, "y", "Y to answer the question")
        # The write, its read-back, then the result.
        box, result = self.alert(timeout=120)
        print(f"result: \"{result}\"")
        if result != "The radio holds what was written.":
            raise SessionError(f"the write ended with: {result}")
        self.answer(box, "Return", "Enter to close the result's message box")

    def exit_program(self):
        self.tree.step = "File > Exit"
        self.menu_command([("alt+f", "New")], "x")
        box, question = self.alert()
        print(f"exit: \"{question}\"")
        self.answer(box, "n", "N to answer the question")
        try:
            self.desktop.program.wait(30)
        except Exception:
            raise SessionError("the program did not end after File > Exit") from None


def saved_name(path, channel):
    """The name of a memory channel in a data file."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    in_memory = False
    for line in lines:
        if line.startswith(b"__"):
            in_memory = line == b"__MEMORY DATA__"
        elif in_memory and line.split(b"\t", 1)[0] == channel.encode():
            return line.split(b"\t")[-1].decode("latin-1")
    return None


def report_focus(tree):
    unnamed = [entry for entry in tree.focus if not entry[2]]
    print(f"focus on the way: {len(tree.focus)} announced, {len(unnamed)} without a name")
    for step, role, name, where in tree.focus:
        mark = "   <- no name" if not name else ""
        place = f" ({where})" if where else ""
        print(f"  [{step}] {role} \"{name}\"{place}{mark}")
    return unnamed


def report_unnamed(tree):
    focusable, others = tree.unnamed_controls(tree.main_window())
    print(f"main window: {len(focusable)} focusable controls without a name (AT-SPI, shown or not)")
    for path in focusable:
        print(f"  {path}")
    print(f"main window: {len(others)} more controls without a name that take no focus")
    for path in others:
        print(f"  {path}")


def run(args, folder):
    desktop = Desktop(folder)
    tree = None
    try:
        desktop.start_x_server()
        if not shutil.which("xdotool"):
            raise Unavailable("xdotool is not installed (scripts/install-deps.sh installs it)")
        desktop.start_session_bus()
        desktop.start_accessibility_bus()
        # The bus addresses must be in place before pyatspi first connects.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[name] = desktop.env[name]
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import_pyatspi()
        desktop.start_radio(args.sim)
        desktop.seed_profile()
        started = time.monotonic()
        program = desktop.start_program(args.tslq)
        tree = Tree(program.pid)
        session = Session(desktop, tree)

        def shown():
            if program.poll() is not None:
                raise SessionError(f"tslq ended with status {program.returncode}\n"
                                   + desktop.log_tail("tslq"))
            main = tree.main_window()
            return main is not None and has_state(main, pyatspi.STATE_SHOWING)

        session.wait(shown, "the main window in the accessibility tree", timeout=60)
        print(f"tslq: main window \"{tree.main_window().name}\" in the tree after "
              f"{time.monotonic() - started:.1f} s")
        report_unnamed(tree)
        if DEBUG:
            print(f"  {time.monotonic() - T0:7.3f} listed")
        if args.list_unnamed:
            return 0

        session.read_all()
        row, old = session.go_to_channel()
        session.rename_in_editor(row, old)
        session.write_changes()
        session.exit_program()
        desktop.stop_radio()
        name = saved_name(desktop.radio_save, CHANNEL)
        print(f"OUT.qx: channel {CHANNEL} named \"{name}\"")
        unnamed_focus = report_focus(tree)
        print(f"session: {time.monotonic() - started:.1f} s")
        if name != NEW_NAME:
            print(f"FAILED: the radio saved channel {CHANNEL} as {name!r}, not {NEW_NAME!r}")
            return 1
        if unnamed_focus:
            verdict = "FAILED (strict)" if args.strict else "not failed (not strict)"
            print(f"{verdict}: {len(unnamed_focus)} focused controls without a name")
            if args.strict:
                return 1
        return 0
    except SessionError as error:
        print(f"FAILED: {error}")
        if tree is not None:
            report_focus(tree)
        print("tslq's output:\n" + desktop.log_tail("tslq"))
        return 1
    finally:
        desktop.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tslq", required=True, help="the tslq program")
    parser.add_argument("--sim", required=True, help="the tslq-sim program")
    parser.add_argument("--strict", action="store_true",
                        default=os.environ.get("TSLQ_A11Y_STRICT") == "1",
                        help="fail when a control that had the focus has no accessible name")
    parser.add_argument("--list-unnamed", action="store_true",
                        help="only list the main window's focusable controls without a name")
    parser.add_argument("--keep", metavar="DIR",
                        help="work in a new folder under DIR and keep it (logs, profile, OUT.qx)")
    args = parser.parse_args()
    ensure_pyatspi()
    args.tslq, args.sim = os.path.abspath(args.tslq), os.path.abspath(args.sim)
    for program in (args.tslq, args.sim):
        if not os.access(program, os.X_OK):
            print(f"FAILED: {program} is not built")
            return 1
    try:
        if args.keep:
            os.makedirs(args.keep, exist_ok=True)
            folder = tempfile.mkdtemp(prefix="session-", dir=os.path.abspath(args.keep))
            print(f"working in {folder}")
            return run(args, folder)
        with tempfile.TemporaryDirectory(prefix="tslq-a11y-") as folder:
            return run(args, folder)
    except Unavailable as reason:
        skip(str(reason))


if __name__ == "__main__":
    sys.exit(main())
