#!/usr/bin/env python3
"""Runs the shell examples of README and of the manual pages as a new user would: each document's
examples in their order, on a fresh data folder of its own, every one expected to succeed.

Usage: documented_examples_test.py SOURCE_DIR BIN_DIR [--cannot-print]

With --cannot-print (a build without the print layer) the examples that write a PDF are skipped.
"""
import json
import os
import re
import subprocess
import sys
import tempfile

# Examples that cannot run here, skipped knowingly and named in the output: they need a meter that
# runs (and with it a session bus or systemd), or they run until interrupted (the desktop program
# until it is quit).
NEEDS_A_RUNNING_METER = ("fernzahl-cli run", "fernzahl-cli status", "systemctl ", "journalctl ", "gdbus ")
RUNS_UNTIL_INTERRUPTED = ("fernzahl-cli watch",)
PROGRAMS = ("fernzahl-cli", "fernzahl", "systemctl", "journalctl", "gdbus")
# An inline example with a word like FILTER or NAME, or an optional part, shows a usage, and one of
# two words ("fernzahl-cli meter") names a command: neither is run.
PLACEHOLDER = re.compile(r"\[|\b[A-Z]{3,}\b")
# A status bar's recipe: the command inside a bar's configuration, which is no shell command.
STATUS_BAR_RECIPE = re.compile(r"fernzahl-cli status --format (waybar|line)( --follow)?")
HEREDOC = re.compile(r"<<-?\s*'?(\w+)'?")
ASSIGNMENT = re.compile(r"^(\w+=\S*\s+)+")


def command_words(line):
    """The command of a line without the variables set for it and without its comment."""
    return ASSIGNMENT.sub("", line.split("#")[0].strip())


def is_command(line):
    words = command_words(line).split()
    return bool(words) and words[0] in PROGRAMS


def skip_reason(command, can_print):
    words = command_words(command.splitlines()[0])
    if not can_print and "--pdf" in words.split():
        return "this build cannot print"
    if words.startswith(NEEDS_A_RUNNING_METER):
        return "needs a running meter"
    if words in RUNS_UNTIL_INTERRUPTED or words.split()[0] == "fernzahl":
        return "runs until interrupted"
    return None


def logical_commands(lines):
    """The commands of a block: continued lines joined, a here-document kept with its command."""
    commands = []
    i = 0
    while i < len(lines):
        command = lines[i]
        while command.endswith("\\") and i + 1 < len(lines):
            i += 1
            command = command[:-1] + " " + lines[i].strip()
        heredoc = HEREDOC.search(command)
        if heredoc:
            while i + 1 < len(lines):
                i += 1
                command += "\n" + lines[i]
                if lines[i] == heredoc.group(1):
                    break
        if command.strip():
            commands.append(command)
        i += 1
    return commands


def readme_examples(text):
    """Indented code blocks that hold a command, and inline `fernzahl-cli ...` examples, in order."""
    examples = []
    block = []
    previous_blank = True
    for line in text.splitlines() + [""]:
        if line.startswith("    ") and (block or previous_blank):
            block.append(line[4:])
        else:
            if block and any(is_command(b) for b in block):
                examples.extend(logical_commands(block))
            block = []
            for span in re.findall(r"`([^`]+)`", line):
                if span.startswith("fernzahl-cli ") and len(span.split()) > 2 and not PLACEHOLDER.search(span):
                    examples.append(span)
        previous_blank = not line.strip()
    return examples


def status_bar_recipes(text):
    """The status-bar commands in README's indented blocks of configuration, in order."""
    recipes = []
    for line in text.splitlines():
        if line.startswith("    ") and not is_command(line[4:]):
            recipes.extend(match.group(0) for match in STATUS_BAR_RECIPE.finditer(line))
    return recipes


def check_status_bar_line(recipe, line):
    """What a bar reads when no meter runs: its one line, as README describes it; None when right."""
    if recipe.split()[3] == "line":
        return None if line == "no meter\n" else f"not the line 'no meter': {line!r}"
    try:
        shown = json.loads(line)
    except ValueError:
        return f"no JSON object: {line!r}"
    if not line.endswith("}\n") or line.count("\n") != 1:
        return f"not one line: {line!r}"
    if shown.get("class") != "stopped" or shown.get("text") != "no meter" or "tooltip" not in shown:
        return f"not the stopped meter's object: {line!r}"
    return None


def run_status_bar_recipes(recipes, bin_dir):
    """Each recipe as the bar runs it, on a folder no meter runs for: a single look prints the stopped
    line and exits with 3; a following one prints it at once and goes on until the bar ends it."""
    failed = False
    with tempfile.TemporaryDirectory(prefix="fernzahl-bar-") as root:
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith(("FERNZAHL_", "DBUS_", "XDG_"))}
        environment.update({"PATH": bin_dir + os.pathsep + environment.get("PATH", "/usr/bin:/bin"),
                            "HOME": root, "FERNZAHL_HOME": root, "XDG_RUNTIME_DIR": root})
        for recipe in recipes:
            bar = subprocess.Popen(["bash", "-c", "exec " + recipe], env=environment, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
            line = bar.stdout.readline()
            following = "--follow" in recipe
            try:
                code = bar.wait(timeout=2 if following else 30)
            except subprocess.TimeoutExpired:
                code = None
            finally:
                bar.kill()
                bar.wait()
            problem = check_status_bar_line(recipe, line)
            if problem is None and code != (None if following else 3):
                problem = f"ended with {code}, not {'still running' if following else 3}"
            print(f"README.md: status bar {'FAILED: ' + problem if problem else 'ran'}: {recipe}")
            failed = failed or problem is not None
    return not failed


def groff_text(line):
    return (line.replace("\\-", "-").replace("\\(dq", '"').replace("\\e", "\\")
            .replace("\\(aq", "'").replace("\\&", ""))


def manual_examples(text):
    """The .nf/.fi blocks that hold a command (not the tariff text shown as a sample)."""
    examples = []
    for block in re.findall(r"^\.nf\n(.*?)^\.fi$", text, re.S | re.M):
        lines = [groff_text(line) for line in block.splitlines()]
        if any(is_command(line) for line in lines):
            examples.extend(logical_commands(lines))
    return examples


def run_in_fresh_folder(name, examples, bin_dir, can_print):
    with tempfile.TemporaryDirectory(prefix="fernzahl-examples-") as root:
        return run_in(root, name, examples, bin_dir, can_print)


def run_in(root, name, examples, bin_dir, can_print):
    folders = {key: os.path.join(root, key) for key in ("home", "work", "empty")}
    for folder in folders.values():
        os.mkdir(folder)
    environment = {key: value for key, value in os.environ.items()
                   if not key.startswith(("FERNZAHL_", "DBUS_", "XDG_"))}
    environment.update({
        "PATH": bin_dir + os.pathsep + environment.get("PATH", "/usr/bin:/bin"),
        "HOME": folders["home"], "FERNZAHL_HOME": folders["home"],
        "XDG_RUNTIME_DIR": folders["home"], "QT_QPA_PLATFORM": "offscreen",
        # Connections are looked for in empty folders, and on no bus.
        "FERNZAHL_NM_BUS": "none", "FERNZAHL_SYSFS_ROOT": folders["empty"],
        "FERNZAHL_RUN_ROOT": folders["empty"], "FERNZAHL_PROC_ROOT": folders["empty"],
        "FERNZAHL_PEERS_DIR": folders["empty"], "FERNZAHL_SERIAL_DIR": folders["empty"],
    })
    ran = 0
    for command in examples:
        reason = skip_reason(command, can_print)
        if reason:
            print(f"{name}: skipped ({reason}): {command.splitlines()[0]}")
            continue
        result = subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=folders["work"], env=environment,
                                capture_output=True, text=True, errors="replace", timeout=120)
        if result.returncode != 0:
            print(f"{name}: FAILED with exit code {result.returncode}:\n{command}\n"
                  f"--- stdout\n{result.stdout}--- stderr\n{result.stderr}")
            return None
        print(f"{name}: ran: {command.splitlines()[0]}")
        ran += 1
    return ran


def main():
    source_dir, bin_dir = sys.argv[1], os.path.abspath(sys.argv[2])
    can_print = "--cannot-print" not in sys.argv[3:]
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as readme:
        readme_text = readme.read()
    readme_commands = readme_examples(readme_text)
    documents = [("README.md", readme_commands)]
    for page in ("fernzahl-cli.1", "fernzahl.1"):
        with open(os.path.join(source_dir, "docs", "man", page), encoding="utf-8") as manual:
            documents.append((page, manual_examples(manual.read())))
    recipes = status_bar_recipes(readme_text)
    failed = not recipes or not run_status_bar_recipes(recipes, bin_dir)
    if not recipes:
        print("README.md: no status-bar recipe")
    # The first example makes the tariff the others use.
    if not readme_commands or not readme_commands[0].startswith("fernzahl-cli tariff import"):
        print("README.md: the first example does not make the tariff Mobil")
        failed = True
    for name, examples in documents:
        ran = run_in_fresh_folder(name, examples, bin_dir, can_print)
        if ran is None:
            failed = True
        elif examples and ran == 0:
            print(f"{name}: no example ran")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
