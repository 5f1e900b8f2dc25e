#!/usr/bin/python3
"""What a blind user hears: the real Orca screen reader, its speech going to speech-dispatcher on a
null sound device and read back from Orca's debug output, while the real fernzahl is driven by
keyboard through the everyday flows, with a notification server whose popups Orca reads.

Run by OnAVirtualDesktop.sh inside Xvfb and a private session bus.
Arguments: the directory of the built programs, a scratch directory."""

import os
import pty
import re
import subprocess
import sys
import threading
import time
import tty

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import KeyboardAndScreenReader as kb  # noqa: E402  (the keyboard and the bus, shared)

SCRATCH = sys.argv[2]
# An utterance ends where Orca's note of its voice begins.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'[{\[]")


class DebugOutput:
    """Orca's debug output, read as it is written: Orca writes it to a terminal, which Python writes
    to line by line (a file would get it in blocks, long after it was said)."""

    def __init__(self):
        self.master, self.terminal = pty.openpty()
        tty.setraw(self.terminal)
        self.path = os.ttyname(self.terminal)
        self.text = []
        self.lock = threading.Lock()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            with self.lock:
                self.text.append(chunk.decode("utf-8", "replace"))

    def all(self):
        with self.lock:
            return "".join(self.text)


DEBUG = DebugOutput()


def desktop_home():
    """Orca, speech-dispatcher and ALSA look here: sound goes to ALSA's null device (there is no
    sound server to try first, and without a sound device speech-dispatcher refuses to start)."""
    home = os.path.join(SCRATCH, "user")
    speechd = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(speechd, exist_ok=True)
    with open(os.path.join(home, ".asoundrc"), "w") as alsa:
        alsa.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
    with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nInclude "/etc/speech-dispatcher/clients/*.conf"\n')
    runtime = os.path.join(SCRATCH, "user-run")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                      XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=runtime)


def speech():
    """Everything Orca has said so far, one utterance an entry."""
    return SPOKEN.findall(DEBUG.all())


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
    orca = subprocess.Popen(["orca", "--replace", f"--debug-file={DEBUG.path}"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    hear(0, "Screen reader on", timeout=60)
    return orca


def prepare_meter():
    """The installation of the keyboard test, watching a fake PPP tree, with a small budget; the
    window stays where the user has it when a connection comes and goes."""
    kb.prepare_home()
    with open(os.path.join(kb.HOME, "fernzahl.ini"), "w", encoding="utf-8") as ini:
        ini.write("[Allgemein]\nSplashScreen=0\nFirstSteps=1\nSichtbarBeiVerb=0\n\n"
                  "[Überwachung]\nDFÜNetzwerk=1\nVorlaufzeit=0\n\n[Budget]\nLimit=1000\n")


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
    """While a connection runs, the window tells it when asked (Tab to it), and does not read it out
    at every beat; its end, with its costs, is spoken while the window stays where it is."""
    link(True)
    end = time.time() + 20
    while not metering() and time.time() < end:
        kb.pump(0.3)
    since = mark()
    for _ in range(8):
        kb.press("Tab", 0.5)
        if "Current connection:" in " | ".join(speech()[since:]):
            break
    hear(since, "Current connection:", "provider")
    quiet = mark()
    kb.pump(3.0)
    if any("Current connection" in said for said in speech()[quiet:]):
        raise AssertionError(f"the running connection is read out again and again: {speech()[quiet:]!r}")
    since = mark()
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
    back_to_main_window()


def flow_summary_chart_choice():
    """A drop-down list says what it is for and what is chosen, also after the choice changed."""
    kb.press("ctrl+l", 1.0)
    kb.wait_for_window("Connection log")
    kb.press("alt+s", 0.4)
    kb.press("d", 1.0)
    kb.wait_for_window("Connection summary")
    since = mark()
    kb.press("Tab", 0.5)
    kb.press("Tab", 0.5)
    hear(since, "Show a chart of costs", "combo box")
    kb.press("Down", 0.5)
    since = mark()
    kb.press("shift+Tab", 0.5)
    kb.press("Tab", 0.5)
    hear(since, "Show a chart of duration (hours)")
    back_to_main_window()


def flow_options_tab_reaches_the_page():
    """From the options' tabs, Tab goes into the page, not to OK, and the stack of pages is not
    announced on the way; a list of one column says its current entry."""
    kb.press("ctrl+o", 1.0)
    kb.wait_for_window("Options")
    since = mark()
    kb.press("Tab", 1.0)
    said = hear(since, "check box")
    if said.lstrip().startswith("OK"):
        raise AssertionError(f"Tab left the tabs for the buttons: {said!r}")
    if "layered pane" in said:
        raise AssertionError(f"the stack of pages is announced: {said!r}")
    kb.press("shift+Tab", 0.5)
    for _ in range(6):
        kb.press("Right", 0.4)
    since = mark()
    kb.press("Tab", 1.0)
    hear(since, "Tariff files in the data folder", "table with 2 rows 1 column", "(Default tariff)")
    back_to_main_window()


def back_to_main_window():
    """Escape until the main window is active; a message box has the program's name too."""
    for _ in range(5):
        if kb.active_window().getRole() == kb.pyatspi.ROLE_FRAME:
            return
        kb.press("Escape", 0.5)
    raise AssertionError("Escape does not lead back to the main window")


def windows():
    app = kb.application()
    if app is None:
        return "none (the program is gone)"
    found = []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        state = kb.states(window) if window is not None else None
        if window is not None and state is not None:
            found.append(f"{window.name!r}{' active' if state.contains(kb.pyatspi.STATE_ACTIVE) else ''}"
                         f"{' showing' if state.contains(kb.pyatspi.STATE_SHOWING) else ''}")
    active = subprocess.run(["sh", "-c", "xprop -id $(xprop -root _NET_ACTIVE_WINDOW | cut -d' ' -f5) WM_NAME WM_CLASS"],
                            capture_output=True, text=True, check=False).stdout
    return (", ".join(found) or "none") + "; the desktop's active window: " + active.replace("\n", " ")


def end(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def end_speech_dispatcher():
    """The one Orca started, not any other on this machine."""
    pid_file = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid", "speech-dispatcher.pid")
    try:
        with open(pid_file) as pid:
            os.kill(int(pid.read().strip()), 15)
    except (OSError, ValueError):
        pass


def main():
    desktop_home()
    notifications = subprocess.Popen(["/usr/lib/notification-daemon/notification-daemon"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    manager = kb.start_window_manager()
    orca = start_orca()
    prepare_meter()
    start = mark()
    program = kb.start_program()
    flows = [("start", lambda: flow_start_and_budget(start)), ("counters", flow_counters),
             ("connection", flow_connection_end), ("log", flow_log_first_row_and_delete_question),
             ("summary", flow_summary_chart_choice), ("options", flow_options_tab_reaches_the_page)]
    failures = []
    try:
        for name, flow in flows:
            since = start if name == "start" else mark()
            try:
                flow()
            except Exception as error:  # one broken flow must not hide the others
                failures.append(str(error))
                print(f"FAIL: {error}; the program's windows: {windows()}", flush=True)
                back_to_main_window()
            print(f"{name}: Orca said: {' | '.join(speech()[since:])}", flush=True)
    finally:
        for process in (program, orca, manager, notifications):
            end(process)
        end_speech_dispatcher()
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
