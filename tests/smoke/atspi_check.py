#!/usr/bin/python3
"""Does the whole job over AT-SPI and the keyboard, as a screen reader's user would, and checks
what a reader is told on the way. Runs inside the session that atspi_smoke.sh sets up."""

import datetime
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

APP = "tresk-interest-calculator"
DAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]

events = []
# Qt 6.8 on announces through this event; before, a notification object shows.
ANNOUNCEMENT = "object:announcement"


def record(event):
    try:
        # An announcement carries what it says; any other event is told by its source's name.
        told = event.any_data if event.type.startswith(ANNOUNCEMENT) else event.source.name
        events.append((event.type, event.source.getRole(), told))
    except Exception:  # a source that is already gone tells nothing
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(what, probe, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump(0.05)
        found = probe()
        if found:
            return found
    sys.exit("timed out waiting for " + what)


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


# X keycodes of the keys on a PC keyboard. Sent by keycode, each arrives as the plain key a user
# presses: sent by keysym, a key can go out with a modifier that the keymap puts beside it, and
# Alt+F4 closes the window. The digit row runs from 1 to 0; "shift+Tab" holds one key down.
# Escape goes by its name: its keycode, 9, would be read as the digit.
KEYCODES = {"Escape": "Escape", "Tab": 23, "w": 25, "Return": 36, "ctrl": 37, "a": 38, "s": 39,
            "f": 41, "shift": 50, "z": 52, "c": 54, "v": 55, "alt": 64, "space": 65, "F4": 70,
            "Home": 110, "Up": 111, "Left": 113, "Right": 114, "End": 115, "Down": 116,
            "Next": 117, **{str(n % 10): 9 + n for n in range(1, 11)}}


def keys(*names):
    codes = ["+".join(str(KEYCODES[key]) for key in name.split("+")) for name in names]
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "15", *codes], check=True)


def type_text(text):
    keys(*text)


def find(root, role, name=None):
    for child in root:
        if child is None:
            continue
        if child.getRole() == role and (name is None or child.name == name):
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP and app.childCount:
            return app
    return None


def shown_windows():
    """The program's shown top-level windows, the certificates window and its notices among
    them."""
    app = application()
    return [w for w in app or [] if w is not None and states(w).contains(pyatspi.STATE_SHOWING)]


def text_of(obj):
    return obj.queryText().getText(0, -1)


def chosen(combo_box):
    if "Text" in pyatspi.listInterfaces(combo_box):
        return text_of(combo_box)
    return text_of(find(combo_box, pyatspi.ROLE_TEXT))


def states(obj):
    return obj.getState()


def focused(root):
    """The innermost shown object that has the focus: in the year list, its text."""
    for child in root:
        if child is None or not states(child).contains(pyatspi.STATE_SHOWING):
            continue
        found = focused(child)
        if found is not None:
            return found
        if states(child).contains(pyatspi.STATE_FOCUSED):
            return child
    return None


def full_date(day):
    return "%s %d %s %d" % (DAYS[day.weekday()], day.day, MONTHS[day.month - 1], day.year)


def selected_day(grid):
    for child in grid:
        if child is not None and states(child).contains(pyatspi.STATE_SELECTED):
            return child
    return None


def main():
    pyatspi.Registry.registerEventListener(record, "object:state-changed:showing",
                                           "object:state-changed:focused", ANNOUNCEMENT)
    window = wait_for("the window", lambda: (application() or [None])[0])
    wait_for("the controls", lambda: find(window, pyatspi.ROLE_COMBO_BOX))

    # Every caption is related to its control; the following year keeps a name of its own and is
    # labelled by the form its year is written in.
    for role, name, caption in [
            (pyatspi.ROLE_COMBO_BOX, "Financial Year", "Financial Year"),
            (pyatspi.ROLE_TEXT, "Enter Denomination", "Enter Denomination"),
            (pyatspi.ROLE_TEXT, "Enter Date of purchase", "Enter Date of purchase "),
            (pyatspi.ROLE_TEXT, "Accrued Interest", "Accrued Interest"),
            (pyatspi.ROLE_TEXT, "Financial Year ends", '"YYYY"')]:
        control = find(window, role, name)
        check(control is not None, "no %s named %r" % (role, name))
        labels = [relation.getTarget(i).name for relation in control.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for i in range(relation.getNTargets())]
        check(labels == ([caption] if caption else []), "%r is labelled by %r" % (name, labels))

    # The earliest year in the list; the purchase two years before it, in June.
    year_list = find(window, pyatspi.ROLE_COMBO_BOX)
    wait_for("the window to take the keys", lambda: states(window).contains(pyatspi.STATE_ACTIVE)
             and states(find(year_list, pyatspi.ROLE_TEXT)).contains(pyatspi.STATE_FOCUSED))
    keys("F4", "Home", "Return")
    # The chosen year is the list's text, as a reader reads it; the list's name is its caption.
    year = int(wait_for("a year", lambda: re.fullmatch(r" *\d{4}", chosen(year_list)) and
                        chosen(year_list)))
    labels = [r.getTarget(0).name for r in year_list.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    check(labels == ["Financial Year"], "the chosen year list is labelled by %r" % labels)
    purchase = datetime.date(year - 2, 6, 15)

    keys("Tab")
    type_text("1000")

    # Tab and Shift+Tab through the whole cycle land on objects named after their captions.
    for key, name in [("Tab", "Choose date of purchase"), ("Tab", "Calculate"),
                      ("Tab", "Financial Year"), ("Tab", "Enter Denomination"),
                      ("shift+Tab", "Financial Year"), ("shift+Tab", "Calculate"),
                      ("shift+Tab", "Choose date of purchase"),
                      ("shift+Tab", "Enter Denomination")]:
        keys(key)
        wait_for("%s to %r" % (key, name),
                 lambda: (focused(window) is not None and focused(window).name == name))

    # Shift+Tab back into the denomination selects it whole, and a reader reads it whole: it
    # reads a line up to the end of the text-attribute runs it is given.
    denomination = find(window, pyatspi.ROLE_TEXT, "Enter Denomination")
    text = denomination.queryText()
    start, end = text.getSelection(0)
    check(text.getText(start, end) == "1000", "Shift+Tab selected %r" % text.getText(start, end))
    runs = [tuple(text.getAttributeRun(offset)[1:]) for offset in range(text.characterCount)]
    check(all(run == (0, text.characterCount) for run in runs), "the text runs %r" % runs)

    keys("Tab", "space")
    # The calendar is a group, which readers name as the focus comes into it.
    calendar = wait_for("the calendar", lambda: find(window, pyatspi.ROLE_PANEL,
                                                     "Date of purchase calendar"))
    grid = calendar[1]
    opened = wait_for("the stored day to take the focus", lambda: [
        e for e in events if e[0].endswith("focused") and e[1] == pyatspi.ROLE_TABLE_CELL])
    check(opened[-1][2] == "Wednesday 11 April 2007", "opening focused %r" % opened[-1][2])

    months = (purchase.year - 2007) * 12 + purchase.month - 4
    keys(*["Next"] * months, *["Right"] * (purchase.day - 11))
    wait_for("the month of purchase", lambda: grid.name == "June %d" % purchase.year)
    day = wait_for("the day of purchase", lambda: selected_day(grid))
    check(day.name == full_date(purchase), "the keys reached %r" % day.name)
    check(states(day).contains(pyatspi.STATE_FOCUSED), "the selected day has no focus")

    # Selecting a day through its action makes it the calendar's date: the keys move from there.
    later = purchase + datetime.timedelta(days=2)
    target = find(grid, pyatspi.ROLE_TABLE_CELL, full_date(later))
    target.queryAction().doAction(0)
    wait_for("the selected day", lambda: (selected_day(grid) or day).name == full_date(later))
    keys("Left", "Left", "Return")

    date_box = find(window, pyatspi.ROLE_TEXT, "Enter Date of purchase")
    wait_for("the date", lambda: text_of(date_box) == purchase.strftime("%d/%m/%Y"))

    def spoken():
        return [e[2] for e in events if e[0].startswith(ANNOUNCEMENT) or
                e[0].endswith("showing") and e[1] == pyatspi.ROLE_NOTIFICATION]
    # The focus moves on from the closed calendar, and the day picked is told once.
    said = wait_for("the picked date to be told", spoken)
    check(said == ["Enter Date of purchase " + text_of(date_box)], "a reader was told %r" % said)
    # Picking a day hands the focus on; Tab goes the rest of the way to Calculate.
    calculate = find(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate")
    for _ in range(6):
        pump(0.3)
        if states(calculate).contains(pyatspi.STATE_FOCUSED):
            break
        keys("Tab")
    check(states(calculate).contains(pyatspi.STATE_FOCUSED), "Tab never reached Calculate")
    keys("space")
    result_box = find(window, pyatspi.ROLE_TEXT, "Accrued Interest")
    said = wait_for("the result to be told", lambda: len(spoken()) == 2 and spoken())[1:]
    amount = text_of(result_box)
    check(re.fullmatch(r"\d[\d,]*\.\d\d", amount) and amount != "0.00", "result %r" % amount)
    check(said == ["Accrued Interest " + amount], "a reader was told %r" % said)
    keys("space")
    said = wait_for("an equal result to be told again", lambda: len(spoken()) == 3 and spoken())[1:]
    check(said[1] == said[0], "the second run told %r" % said[1])
    print("result %s, told %r" % (amount, said[0]))

    # The boxes that show results can be read but not changed through assistive technology.
    for name in ["Enter Date of purchase", "Accrued Interest", "Financial Year ends"]:
        box = find(window, pyatspi.ROLE_TEXT, name)
        before = text_of(box)
        check(before, "%r shows nothing" % name)
        check(not states(box).contains(pyatspi.STATE_EDITABLE), "%r is editable" % name)
        check("EditableText" not in pyatspi.listInterfaces(box), "%r takes edits" % name)
        try:
            Atspi.EditableText.set_text_contents(box, "1")
            Atspi.EditableText.delete_text(box, 0, 1)
        except GLib.Error:
            pass
        pump(0.2)
        check(text_of(box) == before, "%r changed to %r" % (name, text_of(box)))
    denomination = find(window, pyatspi.ROLE_TEXT, "Enter Denomination")
    check("EditableText" in pyatspi.listInterfaces(denomination), "no box takes edits at all")
    print("atspi check passed")


if __name__ == "__main__":
    main()
