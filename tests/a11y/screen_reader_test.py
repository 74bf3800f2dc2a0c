#!/usr/bin/python3
"""What a screen reader hears of the real program, through AT-SPI: after Start
the 81 cells of the board table are named as the headless driver's board for
the same seed, and so again after a move made through the cells' own press
action; menu items carry no tab and name their key; the score panel's fields
are named. Run inside its own session bus: screen_reader_test.py MARBIX DRIVER.
Exits 77 (skipped) when the accessibility bus cannot be reached."""
import os, subprocess, sys, tempfile, time

SKIP = 77
COLOURS = ["", "dark red", "magenta", "red", "yellow", "green", "cyan", "blue"]


def skip(why):
    print("skipped:", why)
    sys.exit(SKIP)


try:
    import pyatspi
except ImportError:
    skip("python3-pyatspi is not installed")

marbix, driver = sys.argv[1], sys.argv[2]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def start_x():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = os.read(read, 16).decode().strip()
    os.environ["DISPLAY"] = ":" + display
    manager = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
    return [server, manager]


def driver_board(seed, clicks=()):
    script = f"seed {seed}\nstart\n" + "".join(f"click {k}\n" for k in clicks) + "show\n"
    out = subprocess.run([driver], input=script, capture_output=True, text=True).stdout.split("\n")
    rows = out[out.index("board") + 1:][:9]
    return [row.split() for row in rows]  # rows[row][col] = "3n"


def name(col, row, token):
    colour, state = int(token[0]), token[1]
    if colour == 0:
        what = "empty"
    elif state == "p":
        what = f"announced {COLOURS[colour]} ball"
    elif state == "x":
        what = f"selected {COLOURS[colour]} ball"
    else:
        what = f"{COLOURS[colour]} ball"
    return f"Column {col + 1}, row {row + 1}: {what}"


def expected_names(board):
    return [name(c, r, board[r][c]) for r in range(9) for c in range(9)]


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(get, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        value = get()
        if value:
            return value
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "marbix":
            return app
    return None


def press(node):
    node.queryAction().doAction(0)


def main():
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:  # no accessibility bus
        skip(f"the accessibility bus cannot be reached ({error})")
    processes = start_x()
    config = tempfile.mkdtemp()
    env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8",
               PULSE_SERVER="unix:/nonexistent/marbix-no-sound-server")
    launched = int(time.time())
    program = subprocess.Popen([marbix], env=env)
    try:
        app = wait_for(application)
        if app is None:
            check(False, "the program never showed up on the accessibility bus")
            return
        shown = int(time.time())
        start = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
                                      and n.name == "Start"))
        check(start is not None, "a menu item named 'Start' without its key")
        if start is None:
            return
        for item, key in (("Start", "F2"), ("Skip", "F4"), ("Pause", "F5")):
            node = find(app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == item)
            bound = node.queryAction().getKeyBinding(0) if node else None
            check(bound == key, f"{item}'s key binding is {key}, not {bound!r}")
        items = []
        find(app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and items.append(n.name))
        wanted = {"Game", "Start", "Undo", "Skip", "Pause", "Exit", "Advanced style", "Sound",
                  "About Marbix..."}
        check(wanted <= set(items) and not any("\t" in i for i in items),
              f"menu names without a tab: {items}")
        for wanted in ("Score", "Time left for this move", "The best players known"):
            check(find(app, lambda n: n.name == wanted) is not None, f"something named {wanted!r}")

        press(start)
        table = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE))
        check(table is not None and table.childCount == 81, "a table of 81 cells")
        if table is None:
            return
        check(table.queryTable().nRows == 9 and table.queryTable().nColumns == 9, "9 x 9 table")

        def names():
            return [table.getChildAtIndex(i).name for i in range(81)]

        seen = wait_for(lambda: (lambda n: n if any("ball" in x for x in n) else None)(names()))
        seed = next((s for s in range(launched - 1, shown + 2)
                     if expected_names(driver_board(s)) == seen), None)
        check(seed is not None, f"the cell names match a dealt board: {seen}")
        if seed is None:
            return
        # A ball and a free cell, pressed through the cells' own action.
        board = driver_board(seed)
        ball = next((r, c) for r in range(9) for c in range(9)
                    if board[r][c][0] != "0" and board[r][c][1] != "p")
        free = next((r, c) for r in range(9) for c in range(9) if board[r][c][0] == "0")
        clicks = [10000 + 9 * r + c for r, c in (ball, free)]
        press(table.queryTable().getAccessibleAt(*ball))
        press(table.queryTable().getAccessibleAt(*free))
        want = expected_names(driver_board(seed, clicks))
        moved = wait_for(lambda: names() == want and want, 5)
        check(moved, f"after the move the names follow the board: {names()} != {want}")
    finally:
        program.kill()
        program.wait()
        for p in reversed(processes):
            p.kill()
            p.wait()


main()
print(f"{1 if not failures else 0} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
