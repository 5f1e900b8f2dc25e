#!/usr/bin/python3
"""Drives the real fernzahl through the accessibility bus, as a screen reader or a user's own
automation meets it: in every window each control has a name of its own, Tab reaches every control
and leaves every list, and the everyday tasks work with the keyboard alone.

Run by OnAVirtualDesktop.sh inside Xvfb and a private session bus.
Arguments: the directory of the built programs, a scratch directory. While working on it,
A11Y_FLOWS=name,name runs only those flows and A11Y_TRACE=1 lists where Tab goes."""

import os
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

BIN, SCRATCH = sys.argv[1], sys.argv[2]
HOME = os.path.join(SCRATCH, "home")
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_LIST, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB_LIST,
}
LISTS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST}
KEYS = {"Tab": 0xFF09, "ShiftTab": 0xFE20, "Return": 0xFF0D, "Escape": 0xFF1B, "Right": 0xFF53, "Left": 0xFF51,
        "Down": 0xFF54, "Up": 0xFF52, "space": 0x20, "Delete": 0xFFFF, "F2": 0xFFBF, "Home": 0xFF50,
        "BackSpace": 0xFF08, "End": 0xFF57, "Page_Down": 0xFF56}
MODIFIERS = {"ctrl": 1 << 2, "shift": 1 << 0, "alt": 1 << 3}
failures = []


def fail(window, text):
    failures.append(f"{window}: {text}")
    print(f"FAIL {window}: {text}", flush=True)


def pump(seconds=0.15):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)


def press(chord, settle=0.25):
    """A key as typed: "ctrl+shift+8", "Tab", "alt+s"."""
    *mods, key = chord.split("+")
    mask = sum(MODIFIERS[m] for m in mods)
    if mask:
        pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
    sym = KEYS.get(key, ord(key) if len(key) == 1 else None)
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
    if mask:
        pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)
    pump(settle)


def type_text(text):
    for ch in text:
        press(ch, 0.03)
    pump(0.2)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "fernzahl":
            return app
    return None


def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def active_window(timeout=8.0):
    end = time.time() + timeout
    while time.time() < end:
        app = application()
        if app is not None:
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                state = states(window) if window is not None else None
                if state is not None and state.contains(pyatspi.STATE_ACTIVE):
                    return window
        pump(0.2)
    raise RuntimeError("no active window of fernzahl")


def wait_for_window(title, timeout=8.0):
    end = time.time() + timeout
    while time.time() < end:
        window = active_window(timeout)
        if window.name == title:
            return window
        pump(0.2)
    raise RuntimeError(f"window {title!r} did not come up; active is {active_window().name!r}")


def walk(acc, depth=0):
    """The accessibles below acc that a user meets; a list's cells are not walked."""
    try:
        count = acc.childCount
        role = acc.getRole()
    except Exception:
        return
    yield acc
    if role in LISTS or role == pyatspi.ROLE_MENU_BAR or depth > 25:
        return
    for i in range(count):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(acc):
    state = states(acc)
    return state is not None and state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)


def in_combo_box(acc):
    """An editable drop-down list's own text field: one control with its list."""
    parent = acc.parent
    return acc.getRole() == pyatspi.ROLE_TEXT and parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX


def controls(window):
    return [acc for acc in walk(window) if acc.getRole() in CONTROLS and showing(acc) and not in_combo_box(acc)]


def focusable(acc):
    state = states(acc)
    return state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_ENABLED)


def key_of(acc):
    """Identifies a control while its window is open: its role and its place in the tree."""
    path = []
    node = acc
    while node is not None and node.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
        path.append(node.getIndexInParent())
        node = node.parent
    return (acc.getRoleName(), tuple(reversed(path)))


last_focus = [None]
focus_moves = [0]


def on_focus(event):
    if event.detail1 == 1:
        last_focus[0] = event.source
        focus_moves[0] += 1


def tab_and_wait(timeout=3.0):
    """Tab, and the time the program needs to move the focus (more on a busy machine)."""
    before = focus_moves[0]
    press("Tab", 0.05)
    end = time.time() + timeout
    while focus_moves[0] == before and time.time() < end:
        pump(0.05)


def focused(window):
    """The control that the bus last told has the keyboard focus: a list for its cell, a sheet's
    tabs for one tab."""
    pump(0.05)
    acc = last_focus[0]
    try:
        if acc is None or not showing(acc):
            return None
        parent = acc.parent
        if parent is not None and (parent.getRole() in LISTS or acc.getRole() == pyatspi.ROLE_PAGE_TAB
                                   or in_combo_box(acc)):
            return parent
        return acc if acc.getRole() in CONTROLS else None
    except Exception:
        return None


def describe(acc):
    return f"{acc.getRoleName()} {acc.name!r}" if acc is not None else "nothing"


def label_of(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            label = relation.getTarget(0)
            if label.getRole() == pyatspi.ROLE_LABEL:
                return label.name.strip()
    return ""


def check_names(title, window):
    """Every control says what it is: a name of its own, not its value, a hint or a group's title."""
    named = {}
    for acc in controls(window):
        role = acc.getRole()
        name = (acc.name or "").strip()
        if not name:
            fail(title, f"a {acc.getRoleName()} has no name")
            continue
        if role == pyatspi.ROLE_COMBO_BOX:
            # Qt names a drop-down list by its value; a screen reader names it by its label.
            name = label_of(acc)
            if not name:
                fail(title, f"the drop-down list {acc.name!r} has no label")
                continue
        if name.startswith("("):
            fail(title, f"the {acc.getRoleName()} is named by the hint {name!r}")
        if role in {pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX} | LISTS:
            if name in named:
                fail(title, f"two controls are both called {name!r} ({named[name]}, {acc.getRoleName()})")
            named[name] = acc.getRoleName()


def check_tab_order(title, window):
    """Tab visits every control, the buttons too, and goes on past each list."""
    wanted = {key_of(acc): acc for acc in controls(window) if focusable(acc)}
    if focused(window) is None:
        press("Tab")
    reached = set()
    order = []
    in_list = None
    for _ in range(2 * len(wanted) + 4):
        now = focused(window)
        if os.environ.get("A11Y_TRACE"):
            print("  focus:", describe(now), flush=True)
        if now is not None:
            if key_of(now) not in reached:
                order.append(now)
            reached.add(key_of(now))
            if in_list is not None and key_of(now) == key_of(in_list):
                fail(title, f"Tab does not leave the list {in_list.name!r}")
                break
            in_list = now if now.getRole() in LISTS else None
        tab_and_wait()
    radio_groups = {key_of(acc.parent) for acc in wanted.values() if acc.getRole() == pyatspi.ROLE_RADIO_BUTTON
                    and any(key_of(other.parent) == key_of(acc.parent) and key in reached
                            for key, other in wanted.items())}
    for key, acc in wanted.items():
        if key in reached:
            continue
        if acc.getRole() == pyatspi.ROLE_RADIO_BUTTON and key_of(acc.parent) in radio_groups:
            continue  # a group of radio buttons is one stop; the arrows move within it
        if acc.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            continue
        fail(title, f"Tab never reaches the {describe(acc)}")
    check_closing_buttons_last(title, order)


CLOSING = {"OK", "Cancel", "Help", "Close", "Apply"}


def check_closing_buttons_last(title, order):
    """Round the window, Tab goes from the tabs (or the first field) through the controls to the
    buttons that close the window, and from them back to the start."""
    closing = [acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and acc.name in CLOSING for acc in order]
    if not any(closing):
        return
    tabs = [i for i, acc in enumerate(order) if acc.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
    if tabs:
        closing = closing[tabs[0]:] + closing[:tabs[0]]
        runs = sum(1 for a, b in zip(closing, closing[1:]) if a and not b)
        wrong = runs > 0 or not closing[-1]
    else:
        wrong = sum(1 for a, b in zip(closing, closing[1:] + closing[:1]) if a and not b) > 1
    if wrong:
        fail(title, "Tab does not go through the controls to the closing buttons: " +
             ", ".join(describe(acc) for acc in order))


def check_window(title, window=None):
    window = window or wait_for_window(title)
    check_names(title, window)
    check_tab_order(title, window)
    return window


def pages(window):
    for acc in walk(window):
        if acc.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            return acc
    return None


def page_tabs(tabs):
    """The pages' tabs, without the bar's scroll buttons."""
    return [tab for tab in (tabs.getChildAtIndex(i) for i in range(tabs.childCount))
            if tab is not None and tab.getRole() == pyatspi.ROLE_PAGE_TAB]


def check_sheet(title):
    window = wait_for_window(title)
    tabs = pages(window)
    for tab in page_tabs(tabs):
        show_page(tab)
        check_window(f"{title} / {tab.name}", window)
    show_page(page_tabs(tabs)[0])
    return window


def show_page(tab):
    tab.queryAction().doAction(0)
    pump(0.4)


def control_named(window, name, role=None):
    for acc in walk(window):
        kind = acc.getRole() == role or role is None and acc.getRole() in CONTROLS
        # A drop-down list's label carries its choice after its text.
        labelled = name in (acc.name, label_of(acc)) or (label_of(acc) or "").startswith(name + " ")
        if kind and labelled and showing(acc):
            return acc
    raise RuntimeError(f"no control {name!r} in {window.name!r}")


def focus_by_tab(window, name, role=None):
    """Presses Tab until the control of that name has the focus, as a keyboard user does."""
    target = key_of(control_named(window, name, role))
    for _ in range(60):
        # Tab first: a list that chose a row reports its cell focused even without the focus.
        press("Tab", 0.1)
        now = focused(window)
        if now is not None and key_of(now) == target:
            return now
    raise RuntimeError(f"Tab never reaches {name!r} in {window.name!r}")


def rows_of(table):
    table_iface = table.queryTable()
    return [[value_text_cell(table_iface.getAccessibleAt(r, c)) for c in range(table_iface.nColumns)]
            for r in range(table_iface.nRows)]


def value_text_cell(cell):
    return cell.name if cell is not None else ""


def setting(section, name):
    out = subprocess.run([os.path.join(BIN, "fernzahl-cli"), "--data-dir", HOME, "settings", "get", section, name],
                         capture_output=True, text=True, check=True)
    return out.stdout.strip()


def flow_options_watch_dial_up():
    """Options by keyboard: the monitoring page, dial-up watching on, OK."""
    window = active_window()
    press("ctrl+o")
    sheet = check_sheet("Options")
    tabs = pages(sheet)
    names = [tab.name for tab in page_tabs(tabs)]
    focus_by_tab(sheet, "Watch the carrier line of a serial modem", pyatspi.ROLE_CHECK_BOX)
    for _ in range(names.index("Monitoring")):
        press("ctrl+Page_Down", 0.4)
    box = focus_by_tab(sheet, "Watch dial-up networking connections", pyatspi.ROLE_CHECK_BOX)
    if not states(box).contains(pyatspi.STATE_CHECKED):
        press("space")
    press("Return", 0.8)
    if active_window().name != window.name:
        fail("Options", "Enter did not close the sheet with OK")
        press("Escape")
    if setting("Überwachung", "DFÜNetzwerk") != "1":
        fail("Options", "dial-up watching was not switched on by keyboard")


def new_window(left, timeout=8.0):
    """The window that came up over the one named left."""
    end = time.time() + timeout
    while time.time() < end:
        window = active_window(timeout)
        if window.name != left:
            return window
        pump(0.2)
    raise RuntimeError(f"no window came up over {left!r}")


def close_back_to(title):
    for _ in range(4):
        if active_window().name == title:
            return
        press("Escape", 0.5)
    raise RuntimeError(f"Escape does not lead back to {title!r}")


def the_list(window):
    for acc in walk(window):
        if acc.getRole() in LISTS and showing(acc):
            return acc
    raise RuntimeError(f"{window.name!r} shows no list")


def costs_column(log):
    rows = rows_of(the_list(log))
    return [float(row[3]) for row in rows]


def flow_log_sort_filter_summary():
    """The log by keyboard: sorted by costs from the menu and by shortcut, filtered, summed up."""
    press("ctrl+l", 1.0)
    log = check_window("Connection log")
    press("alt+o", 0.4)
    press("c", 1.0)
    costs = costs_column(log)
    if costs != sorted(costs) or len(costs) != 3:
        fail("Connection log", f"Sort, By costs gives {costs}")
    press("alt+o", 0.4)
    press("n", 1.0)
    costs = costs_column(log)
    if costs != sorted(costs, reverse=True):
        fail("Connection log", f"Sort, Descending does not turn the order round: {costs}")
    press("ctrl+f", 1.0)
    filter_window = check_window("Filter the log")
    focus_by_tab(filter_window, "Earliest:", pyatspi.ROLE_TEXT)
    type_text("2026-12-02 00:00:00")
    press("Return", 1.5)
    if len(costs_column(log)) != 2:
        fail("Filter the log", f"the filter from December 2 shows {len(costs_column(log))} connections, not 2")
    press("alt+s", 0.4)
    press("d", 1.0)
    summary = check_window("Connection summary")
    if len(rows_of(the_list(summary))) != 2:
        fail("Connection summary", "the summary by day of the filtered log does not show its two days")
    close_back_to("Connection log")
    press("alt+s", 0.4)
    press("c", 2.0)
    check_window("Compare tariffs")
    close_back_to("Connection log")
    close_back_to("Fernzahl")


def flow_tariff_editor_add_zone():
    """The tariff editor by keyboard: the tariff chosen, a zone added on the first page."""
    press("ctrl+t", 1.0)
    choice = check_window("Choose a tariff")
    focus_by_tab(choice, "Which tariff do you want to work on?")
    press("Down")
    press("Return", 1.0)
    sheet = new_window("Choose a tariff")
    tabs = pages(sheet)
    first = page_tabs(tabs)[0]
    for tab in page_tabs(tabs):
        show_page(tab)
        check_window(f"{sheet.name} / {tab.name}", sheet)
    show_page(first)
    zones = len(rows_of(the_list(sheet)))
    add_zone(sheet, 12, 15)  # 03:00 to 03:59, in quarter-hours
    if add_zone(sheet, 12, 19) is None:
        fail("Zone", "a zone overlapping the one before it was added without a warning")
    rows = rows_of(the_list(sheet))
    if len(rows) != zones + 2 or rows[-1][1] != "04:59":
        fail("Zone", f"the zones added by keyboard are not at the end of the list: {rows}")
    press("alt+u", 1.0)
    rows = rows_of(the_list(sheet))
    if rows[-2][1] != "04:59":
        fail("Zones", f"Move up did not move the chosen zone up: {rows}")
    focus_by_tab(sheet, "Zones")
    press("F2", 1.0)
    if active_window().name != "Zone":
        fail("Zones", "F2 on the list does not edit the chosen zone")
    close_back_to(sheet.name)
    focus_by_tab(sheet, "Zones")
    press("Delete", 1.0)
    press("Delete", 1.0)
    if len(rows_of(the_list(sheet))) != zones:
        fail("Zones", "Del on the list does not delete the chosen zone")
    close_back_to("Fernzahl")


def add_zone(sheet, start, end):
    """Adds a zone through Add and the zone dialog, its times chosen with the arrow keys (quarter-hours
    from the day's start); the text of a warning that came up, or None."""
    focus_by_tab(sheet, "Add…", pyatspi.ROLE_PUSH_BUTTON)
    press("Return", 1.0)
    zone = check_window("Zone")
    for name, quarter in (("From", start), ("to", end)):
        focus_by_tab(zone, name)
        press("Home", 0.1)
        for _ in range(quarter):
            press("Down", 0.03)
    press("Return", 1.0)
    warning = None
    while active_window().name != sheet.name:
        window = active_window()
        texts = [acc.name for acc in walk(window) if acc.getRole() == pyatspi.ROLE_LABEL]
        warning = warning or next((text for text in texts if "overlaps" in text), None)
        press("Return", 0.8)
    return warning


def flow_main_window():
    window = check_window("Fernzahl")
    check_menu_items("Fernzahl", window)


def check_menu_items(title, window):
    """A menu item is named by its words alone; its key is its key binding, which a screen reader
    says apart (a key inside the name is read as part of it)."""
    keyed = 0
    for bar in (acc for acc in walk(window) if acc.getRole() == pyatspi.ROLE_MENU_BAR):
        for popup in (bar.getChildAtIndex(i).getChildAtIndex(0) for i in range(bar.childCount)):
            for item in (popup.getChildAtIndex(i) for i in range(popup.childCount)):
                if item.getRole() != pyatspi.ROLE_MENU_ITEM:
                    continue
                if "\t" in item.name:
                    fail(title, f"the menu item {item.name!r} carries its key in its name")
                action = item.queryAction()
                keyed += any(action.getKeyBinding(i).startswith("Ctrl+") for i in range(action.nActions))
    if keyed == 0:
        fail(title, "no menu item has its shortcut as its key binding")


def flow_about():
    press("alt+h", 0.4)
    press("a", 1.0)
    check_window("About Fernzahl")
    close_back_to("Fernzahl")


def flow_assignment():
    press("alt+s", 0.4)
    press("a", 1.0)
    check_window("Assignment of dial-up entries")
    close_back_to("Fernzahl")


def prepare_home():
    """An installation that has been used a little: three connections logged, a dial-up entry."""
    for folder in ("home", "run", "peers", "sys/class/net", "proc"):
        os.makedirs(os.path.join(SCRATCH, folder), mode=0o700, exist_ok=True)
    with open(os.path.join(SCRATCH, "peers", "provider"), "w") as peer:
        peer.write("/dev/ttyS0 115200\n")
    with open(os.path.join(HOME, "fernzahl.ini"), "w", encoding="utf-8") as ini:
        ini.write("[Allgemein]\nSplashScreen=0\nFirstSteps=1\n\n[Überwachung]\nDFÜNetzwerk=0\nModem=1\n")
    for start, seconds in (("2026-12-01 09:15:00", 600), ("2026-12-02 20:00:00", 3600), ("2026-12-03 12:30:00", 90)):
        subprocess.run([os.path.join(BIN, "fernzahl-cli"), "--data-dir", HOME, "meter", "--start", start,
                        "--seconds", str(seconds)], check=True, stdout=subprocess.DEVNULL)
    # A second tariff file: the editor asks which, and dial-up entries can be assigned.
    with open(os.path.join(BIN, "Fernzahl-example.tff"), "rb") as example:
        with open(os.path.join(HOME, "Mobile.tff"), "wb") as second:
            second.write(example.read())


def start_program():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", FERNZAHL_HOME=HOME,
               XDG_RUNTIME_DIR=os.path.join(SCRATCH, "run"), FERNZAHL_NM_BUS="none",
               FERNZAHL_PEERS_DIR=os.path.join(SCRATCH, "peers"), FERNZAHL_SYSFS_ROOT=os.path.join(SCRATCH, "sys"),
               FERNZAHL_RUN_ROOT=os.path.join(SCRATCH, "run"), FERNZAHL_PROC_ROOT=os.path.join(SCRATCH, "proc"),
               FERNZAHL_SERIAL_DIR=os.path.join(SCRATCH, "run"), LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8",
               LANGUAGE="en")
    program = subprocess.Popen([os.path.join(BIN, "fernzahl")], env=env)
    wait_for_window("Fernzahl", 20)
    return program


def start_window_manager():
    """A desktop gives the keyboard to the window that comes up, but not to a notification's popup
    (which this window manager takes for a window like any other); without a window manager no
    window has the keyboard."""
    config = os.path.join(SCRATCH, "openbox.xml")
    with open(config, "w") as rc:
        rc.write("<openbox_config><focus><focusNew>yes</focusNew></focus><applications>"
                 "<application class=\"Notification-daemon\"><focus>no</focus></application>"
                 "</applications></openbox_config>\n")
    manager = subprocess.Popen(["openbox", "--sm-disable", "--config-file", config],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    return manager


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    prepare_home()
    manager = start_window_manager()
    program = start_program()
    only = os.environ.get("A11Y_FLOWS")
    flows = [flow_main_window, flow_options_watch_dial_up, flow_log_sort_filter_summary,
             flow_tariff_editor_add_zone, flow_about, flow_assignment]
    if only:
        flows = [flow for flow in flows if getattr(flow, "__name__", "") in only.split(",")]
    try:
        for flow in flows:
            try:
                flow()
            except Exception as error:  # one broken flow must not hide the others
                traceback.print_exc()
                fail(getattr(flow, "__name__", "flow"), str(error))
                close_back_to("Fernzahl")
    finally:
        program.terminate()
        program.wait(20)
        manager.terminate()
        manager.wait(20)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
