#!/usr/bin/env python3
"""The user guide in each language lists every key of the accelerator table in its keys table, and
has the section that each dialog's Help button opens.

Usage: guide_test.py SOURCE_DIR
"""
import os
import re
import sys

from faults import report

# How the German guide names the keys, as a German keyboard labels them.
GERMAN_KEYS = {"Ctrl": "Strg", "Shift": "Umschalt", "Del": "Entf"}


def main():
    source_dir = sys.argv[1]
    with open(os.path.join(source_dir, "resources", "accelerators.txt"), encoding="utf-8") as table:
        keys = [line.split("\t")[1] for line in table if line.strip() and not line.startswith("#")]
    with open(os.path.join(source_dir, "src", "ui", "FormDlg.cpp"), encoding="utf-8") as dialogs:
        sections = re.findall(r'\{Form::k\w+, "([a-z-]+)"\}', dialogs.read())
    faults = [] if len(keys) > 10 and len(sections) > 5 else ["the keys or the Help sections were not found"]
    for guide, translate in (("index.html", {}), (os.path.join("de", "index.html"), GERMAN_KEYS)):
        with open(os.path.join(source_dir, "docs", "help", guide), encoding="utf-8") as page:
            text = page.read()
        keys_table = re.search(r'<h2 id="keys">.*?</table>', text, re.S).group(0)
        for key in keys:
            shown = "+".join(translate.get(part, part) for part in key.split("+"))
            if f"<kbd>{shown}</kbd>" not in keys_table:
                faults.append(f"{guide}: the keys table lacks {shown}")
        for section in sections:
            if f'id="{section}"' not in text:
                faults.append(f"{guide}: no section {section}, which a dialog's Help opens")
    return report(faults)


if __name__ == "__main__":
    sys.exit(main())
