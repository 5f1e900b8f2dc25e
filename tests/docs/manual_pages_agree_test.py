#!/usr/bin/env python3
"""The manual pages and --help of both programs agree: every option either names is in the other,
every environment variable the programs read is in a manual page and every one a page names is
read, and a variable both pages describe is described alike. A page in another language
(docs/man/LANG/) names the same options and variables as the English one.

Usage: manual_pages_agree_test.py SOURCE_DIR BIN_DIR
"""
import glob
import os
import re
import subprocess
import sys

from faults import report

OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9-]*")
VARIABLE = re.compile(r"\bFERNZAHL_[A-Z_]+\b")
# Options of other programs that the texts show in their examples.
OTHER_PROGRAMS = re.compile(r"\b(systemctl|journalctl|gdbus|jq|notify-send)\b.*")


def plain(groff):
    """The words of a manual page without its escapes and requests."""
    text = re.sub(r"\\\n\s*", " ", groff)  # continued lines
    text = re.sub(r"\\f[BIRP]", "", text)
    text = text.replace("\\-", "-").replace("\\(dq", '"').replace("\\(en", "-").replace("\\&", "")
    lines = [re.sub(r"^\.(B|I|BR|RB|BI|IB|RI|IR)\s", "", line) for line in text.splitlines()]
    return "\n".join(line for line in lines if not line.startswith(".") or line.startswith(".."))


def options(text):
    return set(OPTION.findall(OTHER_PROGRAMS.sub("", text)))


def section(page, name):
    match = re.search(r"^\.SH " + name + r"\n(.*?)(?=^\.SH |\Z)", page, re.S | re.M)
    return match.group(1) if match else ""


def variable_paragraphs(page):
    """Each variable of the ENVIRONMENT section with the words that describe it."""
    paragraphs = {}
    for item in re.split(r"^\.TP\n", section(page, "ENVIRONMENT"), flags=re.M)[1:]:
        lines = item.splitlines()
        for name in VARIABLE.findall(lines[0]):
            paragraphs[name] = " ".join(plain("\n".join(lines[1:])).split())
    return paragraphs


def help_text(program, bin_dir):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run([os.path.join(bin_dir, program), "--help"], capture_output=True, text=True,
                            env=environment, timeout=60)
    assert result.returncode == 0, f"{program} --help: {result.returncode} {result.stderr}"
    return result.stdout


def variables_read(source_dir):
    names = set()
    for folder, _, files in os.walk(os.path.join(source_dir, "src")):
        for file in files:
            with open(os.path.join(folder, file), encoding="utf-8", errors="replace") as source:
                names.update(re.findall(r'"(FERNZAHL_[A-Z_]+)"', source.read()))
    return names


def main():
    source_dir, bin_dir = sys.argv[1], sys.argv[2]
    faults = []
    pages = {}
    for program in ("fernzahl", "fernzahl-cli"):
        with open(os.path.join(source_dir, "docs", "man", program + ".1"), encoding="utf-8") as page:
            pages[program] = page.read()
        usage = help_text(program, bin_dir)
        in_page, in_help = options(plain(pages[program])), options(usage)
        faults += [f"{program}: {option} is in --help, not in {program}.1" for option in sorted(in_help - in_page)]
        faults += [f"{program}: {option} is in {program}.1, not in --help" for option in sorted(in_page - in_help)]
        faults += [f"{program}: {name} is in --help, not in {program}.1's ENVIRONMENT"
                   for name in sorted(set(VARIABLE.findall(usage)) - set(variable_paragraphs(pages[program])))]
    for translated in sorted(glob.glob(os.path.join(source_dir, "docs", "man", "*", "*.1"))):
        program = os.path.basename(translated)[:-2]
        language = os.path.basename(os.path.dirname(translated))
        with open(translated, encoding="utf-8") as page:
            text = page.read()
        english = plain(pages[program])
        for kind, found in (("option", options), ("variable", lambda words: set(VARIABLE.findall(words)))):
            faults += [f"{language}/{program}.1 lacks the {kind} {name}"
                       for name in sorted(found(english) - found(plain(text)))]
            faults += [f"{language}/{program}.1 has the {kind} {name}, which {program}.1 lacks"
                       for name in sorted(found(plain(text)) - found(english))]
    described = {program: variable_paragraphs(page) for program, page in pages.items()}
    named = set(described["fernzahl"]) | set(described["fernzahl-cli"])
    read = variables_read(source_dir)
    faults += [f"{name} is read by the programs, in no manual page" for name in sorted(read - named)]
    faults += [f"{name} is in a manual page, read by neither program" for name in sorted(named - read)]
    for name in sorted(set(described["fernzahl"]) & set(described["fernzahl-cli"])):
        first, second = described["fernzahl"][name], described["fernzahl-cli"][name]
        if first != second and "desktop program only" not in second:
            faults.append(f"{name} is described differently:\n  fernzahl.1:     {first}\n  fernzahl-cli.1: {second}")
    return report(faults)


if __name__ == "__main__":
    sys.exit(main())
