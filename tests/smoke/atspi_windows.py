#!/usr/bin/python3
"""Prints the shown top-level windows of a program as a screen reader finds them, one a line:
its role, its name, its size as WIDTHxHEIGHT, and whether it has the keyboard (active or
inactive), separated by tabs.
Usage: atspi_windows.py PROGRAM_NAME"""

import sys

import pyatspi

for app in pyatspi.Registry.getDesktop(0):
    if app is None or app.name != sys.argv[1]:
        continue
    for window in app:
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            continue
        size = window.queryComponent().getSize()
        active = window.getState().contains(pyatspi.STATE_ACTIVE)
        print("%s\t%s\t%dx%d\t%s" % (window.getRoleName(), window.name, size[0], size[1],
                                    "active" if active else "inactive"))
