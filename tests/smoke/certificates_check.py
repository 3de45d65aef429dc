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


def window_named(name):
    return next((w for w in shown_windows() if w.name == name), None)


def notice():
    """The text of the notice or question on screen, once it has the keys."""
    for window in shown_windows():
        if window.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and \
                states(window).contains(pyatspi.STATE_ACTIVE):
            labels = []

            def collect(root):
                for child in root:
                    if child is None:
                        continue
                    if child.getRole() == pyatspi.ROLE_LABEL and child.name:
                        labels.append(child.name)
                    collect(child)
            collect(window)
            return " ".join(labels) or None
    return None


def answer(key):
    """Reads the notice on screen and answers it with a key."""
    text = wait_for("a notice", notice)
    # A key sent before the window manager hands the notice the keyboard is lost: sent again.
    for _ in range(5):
        keys(key)
        for _ in range(20):
            pump(0.1)
            if notice() is None:
                return text
    sys.exit("FAIL: the notice %r stayed" % text)


def clipboard(text=None):
    if text is None:
        return subprocess.run(["xclip", "-selection", "clipboard", "-o"], check=True,
                              capture_output=True, text=True).stdout
    # xclip stays to serve the clipboard until another program takes it.
    subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                     stdout=subprocess.DEVNULL).communicate(text.encode())
    return text


def copied_table():
    keys("ctrl+a", "ctrl+c")
    pump(0.3)
    return [line.split("\t") for line in clipboard().splitlines()]


def amount(text):
    return text.replace(",", "")


def console(*args):
    return [line.split(",") for line in subprocess.run(
        [CONSOLE, *args], capture_output=True, text=True).stdout.splitlines()]


def start(path, language="en"):
    env = dict(os.environ, LANGUAGE=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb")
    return subprocess.Popen([PROGRAM, path], env=env, stderr=subprocess.DEVNULL)


def x_window(pid, title):
    """The X window of the program's whose title starts so, once shown."""
    def shown():
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
        return next((i for i in ids if name_of(i).startswith(title)), None)
    return wait_for("a window titled %r" % title, shown, timeout=30)


def name_of(window):
    return subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                          text=True).stdout.strip()


def full_disk(folder):
    """A small disk of its own at folder, or False where no mount can be made."""
    return subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs", folder],
                          capture_output=True).returncode == 0


def main():
    scratch = tempfile.mkdtemp()
    disk = os.path.join(scratch, "disk")
    os.mkdir(disk)
    mounted = full_disk(disk)
    path = os.path.join(disk, "family.csv")
    with open(FAMILY, "rb") as family, open(path, "wb") as out:
        original = family.read() + BAD_LINE
        out.write(original)

    app = start(path)
    subprocess.run(["xdotool", "windowactivate", x_window(app.pid, "family.csv")],
                   capture_output=True)
    # The bad line is named as the list opens.
    told = answer("Return")
    check("line 6" in told, "the opening notice said %r" % told)
    window = wait_for("the list", lambda: window_named(TITLE % ""))

    # Every certificate's interest in every year, and the totals, as the console program gives
    # them from the same file.
    shown = copied_table()
    header, rows, total = shown[0], shown[1:-1], shown[-1]
    check(header[:4] == ["Certificate", "Denomination", "Date of purchase", "Holder"],
          "copied header %r" % header[:4])
    check([row[0] for row in rows] == ["Savings A", "Savings B", "Post office 7", "Old one",
                                       "Broken"], "copied rows %r" % [row[0] for row in rows])
    years = [(column, int(name[:4])) for column, name in enumerate(header) if column >= 4]
    for column, year in years:
        answered = {line[0]: line[4] for line in console("--year", str(year), path)[1:]}
        for row in rows[:4]:
            expected = answered[row[0]] if answered[row[0]] != "0.00" else ""
            check(amount(row[column]) == expected,
                  "%s in %s: %r, not %r" % (row[0], header[column], row[column], expected))
    # The console program names only the years in which some certificate earns.
    totals = {line[0]: line[1] for line in console("--totals", path)[1:]}
    for column, year in years:
        name = "%d-%02d" % (year, (year + 1) % 100)
        check(amount(total[column]) == totals.get(name, "0.00"), "the total of %s" % name)
    print("copied %d certificates over %d years; every amount and total as answered"
          % (len(rows) - 1, len(years)))

    # A screen reader reads a cell with its year and its certificate.
    table = wait_for("the table", lambda: find(window, pyatspi.ROLE_TABLE))
    cells = table.queryTable()
    column = header.index("2021\u201322")
    cell = cells.getAccessibleAt(0, column)
    check(cell.name == "2021\u201322, Savings A, 883.00", "the cell reads %r" % cell.name)

    # Three spreadsheet rows pasted at the empty last row; Undo takes them back.
    keys("ctrl+End")
    clipboard(PASTED)
    keys("ctrl+v")
    wait_for("the pasted rows", lambda: len(copied_table()) == len(shown) + 3)
    keys("ctrl+z")
    check(copied_table() == shown, "Undo left the list changed")
    keys("ctrl+End")
    clipboard(PASTED)
    keys("ctrl+v")
    wait_for("the pasted rows", lambda: len(copied_table()) == len(shown) + 3)

    # A save onto a full disk says why, and leaves the file and the folder as they were.
    if mounted:
        filler = os.open(os.path.join(disk, "filler"), os.O_WRONLY | os.O_CREAT)
        try:
            while os.write(filler, b"\0" * 512):
                pass
        except OSError:
            pass
        os.close(filler)
        keys("ctrl+s")
        told = answer("Return")
        check("could not be saved" in told, "the failed save said %r" % told)
        with open(path, "rb") as kept:
            check(kept.read() == original, "the full disk's file changed")
        check(sorted(os.listdir(disk)) == ["family.csv", "filler"],
              "the full disk holds %r" % os.listdir(disk))
        os.remove(os.path.join(disk, "filler"))
        print("a save onto a full disk left the file and the folder as they were")
    else:
        print("full disk: skipped, no mount can be made here")

    # Closing with changes asks; Cancel (Escape) keeps the list open.
    keys("ctrl+w")
    told = answer("Escape")
    check(told == "Save the changes to family.csv?", "closing asked %r" % told)
    check(window_named(TITLE % "*") is not None, "Cancel did not keep the list")

    # Save keeps every row in order, the file's own column and its bad line.
    keys("ctrl+s")
    wait_for("the save", lambda: window_named(TITLE % "") is not None)
    with open(path, "rb") as saved:
        lines = saved.read().decode("utf-8-sig").split("\r\n")
    check(lines[:6] == original.decode().splitlines(), "saved %r" % lines[:6])
    check(lines[6:] == ["Gift,1000,15/06/2024,", "Bonus,2000,01/04/2025,",
                        "Spare,500,10/10/2025,", ""], "saved %r" % lines[6:])

    # The statement's PDF, as a reader copies its text, holds the labels and the totals.
    pdf = os.path.join(scratch, "statement.pdf")
    keys("alt+f", "Down", "Down", "Down", "Down", "Down", "Return")
    dialog = wait_for("the Export PDF dialog", lambda: window_named("Export PDF"))
    name_box = wait_for("the file name", lambda: focused(dialog))
    Atspi.EditableText.set_text_contents(name_box, pdf)
    keys("Return")
    wait_for("the PDF", lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0)
    pump(1)
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                          text=True).stdout
    shown = copied_table()
    for row in shown[1:-1]:
        if row[0] != "Broken":
            check(row[0] in text, "the PDF lacks %r" % row[0])
    for cell in shown[-1][4:]:
        check(cell in text, "the PDF lacks the total %r" % cell)
    print("the PDF holds every label and all %d totals" % len(years))
    app.terminate()
    app.wait()

    # In Urdu the list's title is in Urdu.
    urdu = start(path, "ur")
    title = name_of(x_window(urdu.pid, "family.csv"))
    check(title == "family.csv – سرٹیفکیٹ – ٹریسک سود کیلکولیٹر", "the Urdu title is %r" % title)
    urdu.terminate()
    urdu.wait()
    if mounted:
        subprocess.run(["umount", disk])
    shutil.rmtree(scratch)
    print("certificates check passed")


if __name__ == "__main__":
    main()
