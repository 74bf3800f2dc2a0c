#!/usr/bin/python3
"""What a screen reader hears of the real program, through AT-SPI: menu items
carry no tab and name their key; the score panel's fields are named; after
Start the 81 cells of the board table are named as the headless driver's board
for the same seed, and so again after each press, through the cells' own
action, that selects a ball and moves it. Run inside its own session bus:
screen_reader_test.py MARBIX DRIVER. Exits 77 (skipped) without an
accessibility bus."""
import os, subprocess, sys, tempfile, time

COLOURS = ["", "dark red", "magenta", "red", "yellow", "green", "cyan", "blue"]
marbix, driver = sys.argv[1], sys.argv[2]


def skip(why):
    print("skipped:", why)
    sys.exit(77)


try:
    import pyatspi
    pyatspi.Registry.getDesktop(0).childCount
except Exception as error:
    skip(f"no python3-pyatspi or no accessibility bus ({error})")


def fail(what):
    print("FAIL:", what)
    sys.exit(1)


def driver_names(seed, clicks=()):
    script = f"seed {seed}\nstart\n" + "".join(f"click {k}\n" for k in clicks) + "show\n"
    out = subprocess.run([driver], input=script, capture_output=True, text=True).stdout.split("\n")
    board = [row.split() for row in out[out.index("board") + 1:][:9]]  # board[row][col] = "3n"
    names = []
    for r in range(9):
        for c in range(9):
            colour, state = int(board[r][c][0]), board[r][c][1]
            what = {"p": "announced ", "x": "selected "}.get(state, "") + f"{COLOURS[colour]} ball"
            names.append(f"Column {c + 1}, row {r + 1}: {what if colour else 'empty'}")
    return board, names


def find_all(node, test, depth=0):
    if node is None or depth > 30:
        return []
    found = [node] if test(node) else []
    return found + [n for i in range(node.childCount)
                    for n in find_all(node.getChildAtIndex(i), test, depth + 1)]


def wait_for(get, ok=bool, seconds=10):
    for _ in range(seconds * 5):
        value = get()
        if ok(value):
            return value
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return next((a for a in apps if a is not None and a.name.lower() == "marbix"), None)


def check(app, launched, shown):
    is_item = lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
    items = wait_for(lambda: {n.name: n for n in find_all(app, is_item)}, lambda d: "Start" in d)
    items = items or fail("no menu item named 'Start' without its key")
    if not {"Game", "Start", "Undo", "Skip", "Pause", "Exit", "Advanced style", "Sound",
            "About Marbix..."} <= set(items) or any("\t" in i for i in items):
        fail(f"menu names without a tab: {list(items)}")
    for item, key in (("Start", "F2"), ("Skip", "F4"), ("Pause", "F5")):
        bound = items[item].queryAction().getKeyBinding(0)
        if bound != key:
            fail(f"{item}'s key binding is {key}, not {bound!r}")
    for wanted in ("Score", "Time left for this move", "The best players known"):
        if not find_all(app, lambda n: n.name == wanted):
            fail(f"nothing named {wanted!r}")

    items["Start"].queryAction().doAction(0)
    table = (wait_for(lambda: find_all(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE))
             or fail("no table"))[0]
    cells = table.queryTable()
    if (table.childCount, cells.nRows, cells.nColumns) != (81, 9, 9):
        fail("a table of 9 x 9 cells")
    names = lambda: [table.getChildAtIndex(i).name for i in range(81)]
    seen = wait_for(names, lambda n: any("ball" in x for x in n))
    seed = next((s for s in range(launched - 1, shown + 2) if driver_names(s)[1] == seen), None)
    if seed is None:
        fail(f"the cell names match no dealt board: {seen}")
    # A ball and a free cell, pressed through the cells' own action: the ball
    # is named selected, then moved.
    board, pressed = driver_names(seed)[0], []
    ball = next((r, c) for r in range(9) for c in range(9) if board[r][c][0] != "0"
                and board[r][c][1] != "p")
    free = next((r, c) for r in range(9) for c in range(9) if board[r][c][0] == "0")
    for r, c in (ball, free):
        cells.getAccessibleAt(r, c).queryAction().doAction(0)
        pressed.append(10000 + 9 * r + c)
        want = driver_names(seed, pressed)[1]
        if not wait_for(lambda: names() == want, seconds=5):
            fail(f"after clicks {pressed} the names follow the board: {names()} != {want}")

read, write = os.pipe()
processes = [subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)]
os.close(write)
os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
processes.append(subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL))
launched = int(time.time())
processes.append(subprocess.Popen([marbix], env=dict(
    os.environ, XDG_CONFIG_HOME=tempfile.mkdtemp(), XDG_DATA_HOME=tempfile.mkdtemp(), QT_QPA_PLATFORM="xcb",
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8",
    PULSE_SERVER="unix:/nonexistent/marbix-no-sound-server")))
try:
    app = wait_for(application) or fail("the program never showed up on the accessibility bus")
    check(app, launched, int(time.time()))
    print("1 passed")
finally:
    for p in reversed(processes):
        p.kill()
        p.wait()
