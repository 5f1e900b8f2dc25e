#!/usr/bin/python3
"""What a blind user hears: the real Orca screen reader, its speech going to speech-dispatcher on a
null sound device and read back from Orca's debug output, while the real fernzahl is driven by
keyboard through the everyday flows, with a notification server whose popups Orca reads.

Run by ScreenReader.sh inside Xvfb and a private session bus.
Arguments: the directory of the built programs, a scratch directory."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import KeyboardAndScreenReader as kb  # noqa: E402  (the keyboard and the bus, shared)

SCRATCH = sys.argv[2]
DEBUG = os.path.join(SCRATCH, "orca.debug")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'")


def desktop_home():
    """Orca, speech-dispatcher and ALSA look here: sound goes nowhere, else speech hangs."""
    home = os.path.join(SCRATCH, "user")
    os.makedirs(home, exist_ok=True)
    with open(os.path.join(home, ".asoundrc"), "w") as alsa:
        alsa.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
    runtime = os.path.join(SCRATCH, "user-run")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                      XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=runtime)


def speech():
    """Everything Orca has said so far, one utterance an entry."""
    try:
        with open(DEBUG, encoding="utf-8", errors="replace") as debug:
            return SPOKEN.findall(debug.read())
    except FileNotFoundError:
        return []


def hear(since, *words, timeout=20.0):
    """Waits until what Orca said after the mark holds every word; what it said."""
    end = time.time() + timeout
    while True:
        said = " | ".join(speech()[since:])
        if all(word in said for word in words):
            return said
        if time.time() > end:
            raise AssertionError(f"Orca did not say {words}; it said: {said!r}")
        kb.pump(0.3)


def mark():
    return len(speech())


def start_orca():
    orca = subprocess.Popen(["orca", "--replace", f"--debug-file={DEBUG}"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    hear(0, "Screen reader on", timeout=60)
    return orca


def prepare_meter():
    """The installation of the keyboard test, watching a fake PPP tree, with a small budget."""
    kb.prepare_home()
    with open(os.path.join(kb.HOME, "fernzahl.ini"), "w", encoding="utf-8") as ini:
        ini.write("[Allgemein]\nSplashScreen=0\nFirstSteps=1\n\n[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=0\n\n"
                  "[Budget]\nLimit=1000\n")


def link(up):
    """pppd called with the peer "provider" on ppp0, as the kernel and pppd show it."""
    net, proc = os.path.join(SCRATCH, "sys", "class", "net", "ppp0"), os.path.join(SCRATCH, "proc", "4711")
    pid_file = os.path.join(SCRATCH, "run", "ppp0.pid")
    if up:
        os.makedirs(os.path.join(proc, "fd"), exist_ok=True)
        with open(os.path.join(proc, "cmdline"), "wb") as cmdline:
            cmdline.write(b"/usr/sbin/pppd\0call\0provider\0/dev/ttyS0\0")
        with open(pid_file, "w") as pid:
            pid.write("4711\n")
        os.makedirs(net, exist_ok=True)
        with open(os.path.join(net, "uevent"), "w") as uevent:
            uevent.write("DEVTYPE=ppp\nINTERFACE=ppp0\nIFINDEX=7\n")
        with open(os.path.join(net, "flags"), "w") as flags:
            flags.write("0x1091\n")
    else:
        subprocess.run(["rm", "-rf", net, proc, pid_file], check=True)


def metering():
    """Whether the program meters a connection, as it says on the session bus."""
    status = subprocess.run([os.path.join(kb.BIN, "fernzahl-cli"), "--data-dir", kb.HOME, "status", "--json"],
                            capture_output=True, text=True, check=False)
    return '"connected":true' in status.stdout


def flow_start_and_budget(start):
    """The window is named as the program's; the budget already passed is spoken."""
    hear(start, "Fernzahl frame", "Monthly budget")


def flow_counters():
    """A period's button says its figures, and the group does not repeat its name."""
    since = mark()
    kb.press("Right", 0.5)
    said = hear(since, "This week", "Costs:")
    if "This week. | This week" in said:
        raise AssertionError(f"the period is said twice: {said!r}")


def flow_connection_end():
    """A connection's end, with its costs, is spoken while the window stays where it is."""
    since = mark()
    link(True)
    end = time.time() + 20
    while not metering() and time.time() < end:
        kb.pump(0.3)
    link(False)
    hear(since, "Connection ended", "provider", "0.12")


def flow_log_first_row_and_delete_question():
    """Entering the log's list says its first row; the question before deleting has its focus on No."""
    since = mark()
    kb.press("ctrl+l", 1.0)
    log = kb.wait_for_window("Connection log")
    first = kb.rows_of(kb.the_list(log))[0][0]
    hear(since, "Connection log", first)
    since = mark()
    kb.press("space", 0.5)
    kb.press("Delete", 1.0)
    hear(since, "No push button")
    kb.press("Escape", 0.8)
    kb.close_back_to("Fernzahl")


def flow_options_tab_reaches_the_page():
    """From the options' tabs, Tab goes into the page, not to OK."""
    kb.press("ctrl+o", 1.0)
    kb.wait_for_window("Options")
    since = mark()
    kb.press("Tab", 1.0)
    said = hear(since, "check box")
    if said.lstrip().startswith("OK"):
        raise AssertionError(f"Tab left the tabs for the buttons: {said!r}")
    kb.close_back_to("Fernzahl")


def main():
    desktop_home()
    notifications = subprocess.Popen(["/usr/lib/notification-daemon/notification-daemon"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    manager = kb.start_window_manager()
    orca = start_orca()
    prepare_meter()
    start = mark()
    program = kb.start_program()
    flows = [lambda: flow_start_and_budget(start), flow_counters, flow_connection_end,
             flow_log_first_row_and_delete_question, flow_options_tab_reaches_the_page]
    failures = []
    try:
        for flow in flows:
            try:
                flow()
            except Exception as error:  # one broken flow must not hide the others
                failures.append(str(error))
                print(f"FAIL: {error}", flush=True)
                kb.close_back_to("Fernzahl")
    finally:
        program.terminate()
        program.wait(20)
        for process in (orca, manager, notifications):
            process.terminate()
            process.wait(20)
        subprocess.run(["pkill", "-f", "speech-dispatcher"], check=False)
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
