#!/usr/bin/env python3
"""The translation check fails where it must, on a copy of each language's file spoilt one way at a
time: a text left untranslated, an access key doubled in a menu and in a window, a placeholder
lost, a text with a count in one form only, a translation left over. Arguments: the check tool, the resources folder."""
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

tool, resources = sys.argv[1], Path(sys.argv[2])


def message(root, context, comment):
    for ctx in root.iter("context"):
        if ctx.findtext("name") == context:
            for msg in ctx.iter("message"):
                if msg.findtext("comment") == comment:
                    return msg
    raise LookupError(f"{context} / {comment}")


def untranslated(root):
    message(root, "strings", "190").find("translation").set("type", "unfinished")


def menu_key_twice(root):
    shown = message(root, "menu 174", "32817").find("translation")
    shown.text = message(root, "menu 174", "32832").findtext("translation")


def window_key_twice(root):
    label = message(root, "form 165", "id1151.text").find("translation")
    label.text = message(root, "form 165", "id1088.text").findtext("translation")


def placeholder_lost(root):
    page = message(root, "strings", "401").find("translation")
    page.text = page.text.replace("%1", "")


def one_form_only(root):
    forms = message(root, "strings", "403").find("translation")
    forms.remove(forms.findall("numerusform")[0])


def left_over(root):
    gone = ET.SubElement(root.find("context"), "message")
    ET.SubElement(gone, "source").text = "A text the program no longer has"
    ET.SubElement(gone, "comment").text = "99999"
    ET.SubElement(gone, "translation").text = "Ein Text, den das Programm nicht mehr hat"


SPOILS = [(untranslated, "missing translation: strings / 190"),
          (menu_key_twice, "twice in menu 174 / &Delete"),
          (window_key_twice, "twice in window 165"),
          (placeholder_lost, "placeholders differ: strings / 401"),
          (one_form_only, "not the forms for one and for more: strings / 403"),
          (left_over, "left over, no longer a text of the program: strings / 99999")]


def check(path):
    return subprocess.run([tool, "check", str(resources), str(path)], capture_output=True, text=True)


failures = []
for file in sorted((resources / "translations").glob("fernzahl_*.ts")):
    if check(file).returncode != 0:
        failures.append(f"{file.name} does not pass as it is")
    for spoil, told in SPOILS:
        tree = ET.parse(file)
        spoil(tree.getroot())
        with tempfile.TemporaryDirectory() as work:
            spoilt = Path(work) / file.name
            tree.write(spoilt, encoding="UTF-8", xml_declaration=True)
            result = check(spoilt)
        if result.returncode == 0 or told not in result.stdout:
            failures.append(f"{file.name}, {spoil.__name__}: exit {result.returncode}, {result.stdout}")
print("\n".join(failures) or "each spoilt file was refused with its reason")
sys.exit(1 if failures else 0)
