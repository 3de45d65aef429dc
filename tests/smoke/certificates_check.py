#!/usr/bin/python3
"""A household's list in the real certificates window, driven by keys alone and read as a screen
reader reads it: the amounts and totals against the console program's, pasting and undoing, a
save onto a full disk, closing with changes, saving, the statement's PDF, and the title in Urdu.
Runs inside the session that atspi_smoke.sh sets up.
Usage: certificates_check.py PROGRAM CONSOLE_PROGRAM FAMILY_CSV"""

import os
import shutil
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import Atspi

from atspi_check import check, find, focused, keys, pump, shown_windows, states, wait_for

PROGRAM, CONSOLE, FAMILY = sys.argv[1:4]
BAD_LINE = b"Broken,lots,15/06/2019,Ravi\n"
PASTED = "Gift\t1,000\t15/06/2024\nBonus\t2000\t01/04/2025\nSpare\t500\t10/10/2025\n"
TITLE = "family.csv%s \u2013 Certificates \u2013 Tresk Interest Calculator"


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def read(path):
    with open(path, "rb") as file:
        return file.read()


def window_named(name):
    return next((w for w in shown_windows() if w.name.startswith(name)), None)


def notice():
    """The text of the notice or question that has the keys, if one has."""
    for window in shown_windows():
        if window.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and \
                states(window).contains(pyatspi.STATE_ACTIVE):
            return " ".join(child.name for child in window if child is not None and
                            child.getRole() == pyatspi.ROLE_LABEL and child.name)
    return None


def answer(key):
    text = wait_for("a notice", notice)
    # A key sent before the window manager hands the notice the keyboard is lost: sent again.
    for _ in range(5):
        keys(key)
        if any(pump(0.1) or notice() is None for _ in range(20)):
            return text
    sys.exit("FAIL: the notice %r stayed" % text)


def copied_table():
    keys("ctrl+a", "ctrl+c")
    pump(0.3)
    return [line.split("\t") for line in run("xclip", "-selection", "clipboard", "-o").splitlines()]


def console(*args):
    return [line.split(",") for line in run(CONSOLE, *args).splitlines()[1:]]


def start(path, language, config):
    env = dict(os.environ, LANGUAGE=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config)
    app = subprocess.Popen([PROGRAM, path], env=env, stderr=subprocess.DEVNULL)
    run("timeout", "30", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^family.csv",
        "windowactivate")
    return app


def main():
    scratch = tempfile.mkdtemp()
    disk, config = os.path.join(scratch, "disk"), os.path.join(scratch, "config")
    os.mkdir(disk)
    os.mkdir(config)
    # A small disk of its own, where a mount can be made.
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs", disk],
                             stderr=subprocess.DEVNULL).returncode == 0
    path = os.path.join(disk, "family.csv")
    original = read(FAMILY) + BAD_LINE
    with open(path, "wb") as out:
        out.write(original)

    app = start(path, "en", config)
    told = answer("Return")
    check("line 6" in told, "the opening notice said %r" % told)
    window = wait_for("the list", lambda: window_named(TITLE % ""))

    # Every certificate's interest in every year, and the totals, as the console program answers
    # from the same file; it names only the years in which some certificate earns.
    shown = copied_table()
    header, rows, total = shown[0], shown[1:-1], shown[-1]
    check([row[0] for row in shown] == ["Certificate", "Savings A", "Savings B", "Post office 7",
                                        "Old one", "Broken", "Total"] and header[3] == "Holder",
          "copied %r" % shown)
    totals = dict(console("--totals", path))
    for column in range(4, len(header)):
        year = int(header[column][:4])
        # A year in which a certificate earns nothing is an empty cell, and 0.00 in the answer.
        answered = {line[0]: line[4] for line in console("--year", str(year), path)}
        for row in rows[:4]:
            check((row[column].replace(",", "") or "0.00") == answered[row[0]],
                  "%s in %s: %r" % (row[0], header[column], row[column]))
        name = "%d-%02d" % (year, (year + 1) % 100)
        check(total[column].replace(",", "") == totals.get(name, "0.00"), "the total of " + name)

    # A screen reader reads a cell with its year and its certificate.
    cell = find(window, pyatspi.ROLE_TABLE).queryTable().getAccessibleAt(
        0, header.index("2021\u201322"))
    check(cell.name == "2021\u201322, Savings A, 883.00", "the cell reads %r" % cell.name)

    # Three spreadsheet rows pasted at the empty last row; Undo takes them back, Redo again.
    # xclip stays to serve the clipboard: its output must not be waited for.
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=PASTED.encode(),
                   stdout=subprocess.DEVNULL)
    keys("ctrl+End", "ctrl+v")
    wait_for("the pasted rows", lambda: len(copied_table()) == len(shown) + 3)
    keys("ctrl+z")
    check(copied_table() == shown, "Undo left the list changed")
    keys("ctrl+shift+z")
    wait_for("the rows again", lambda: len(copied_table()) == len(shown) + 3)

    # A save onto a full disk says why, and leaves the file and the folder as they were.
    if mounted:
        run("dd", "if=/dev/zero", "of=" + os.path.join(disk, "filler"))
        keys("ctrl+s")
        told = answer("Return")
        check("could not be saved" in told, "the failed save said %r" % told)
        check(read(path) == original, "the full disk's file changed")
        check(sorted(os.listdir(disk)) == ["family.csv", "filler"], "on the disk: %r"
              % os.listdir(disk))
        os.remove(os.path.join(disk, "filler"))
    else:
        print("full disk: skipped, no mount can be made here")

    # Closing with changes asks; Cancel (Escape) keeps the list open.
    keys("ctrl+w")
    told = answer("Escape")
    check(told == "Save the changes to family.csv?", "closing asked %r" % told)
    check(window_named(TITLE % "*") is not None, "Cancel did not keep the list")

    # Save keeps every row in order, the file's own column and its bad line.
    keys("ctrl+s")
    wait_for("the save", lambda: window_named(TITLE % ""))
    lines = read(path).decode("utf-8-sig").split("\r\n")
    check(lines == original.decode().splitlines() + [
        "Gift,1000,15/06/2024,", "Bonus,2000,01/04/2025,", "Spare,500,10/10/2025,", ""],
        "saved %r" % lines)

    # The statement's PDF, as a reader copies its text, holds the labels and the totals.
    pdf = os.path.join(scratch, "statement.pdf")
    keys("alt+f", "Down", "Down", "Down", "Down", "Down", "Return")
    dialog = wait_for("the Export PDF dialog", lambda: window_named("Export PDF"))
    Atspi.EditableText.set_text_contents(wait_for("the file name", lambda: focused(dialog)), pdf)
    keys("Return")
    wait_for("the PDF", lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0)
    pump(1)
    text = run("pdftotext", "-layout", pdf, "-")
    shown = copied_table()
    for wanted in [row[0] for row in shown[1:-1] if row[0] != "Broken"] + shown[-1][4:]:
        check(wanted in text, "the PDF lacks %r" % wanted)
    # Nothing but the list and the PDF is written: no settings, no record of recent folders.
    check(os.listdir(config) == [], "the settings hold %r" % os.listdir(config))
    app.terminate()
    app.wait()

    # In Urdu the list's title is in Urdu.
    urdu = start(path, "ur", config)
    wait_for("the Urdu title", lambda: window_named("family.csv – سرٹیفکیٹ – ٹریسک سود کیلکولیٹر"))
    urdu.terminate()
    if mounted:
        run("umount", disk)
    shutil.rmtree(scratch)
    print("certificates check passed")


if __name__ == "__main__":
    main()
