#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fettlekit as a screen reader meets it, through the accessibility bus
(AT-SPI): every control a user can reach has a name, says what it is, and
gives its value; Tab stops each announce a name. Runs the program on the
demo prefix; needs an X server and a session bus (see CMakeLists.txt)."""
import os
import re
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # the interfaces' older getters read best here

R = Atspi.Role
# What a focusable control may be; anything else would tell the user a lie
# (a button that reads as a panel, a box that reads as a label).
CONTROL_ROLES = {R.PUSH_BUTTON, R.CHECK_BOX, R.RADIO_BUTTON, R.COMBO_BOX, R.TEXT, R.ENTRY, R.SLIDER,
                 R.LIST, R.LIST_ITEM, R.TREE, R.TREE_TABLE, R.TABLE_CELL, R.TREE_ITEM, R.MENU, R.MENU_ITEM,
                 R.MENU_BAR, R.PASSWORD_TEXT, R.SPIN_BUTTON}
# The controls that edit a setting's value, or open a dialog that does.
EDITORS = {R.TEXT, R.SLIDER, R.COMBO_BOX, R.RADIO_BUTTON, R.CHECK_BOX, R.PUSH_BUTTON}
failures = []


def fail(what, node):
    failures.append(f"{what}: {node.get_role_name()} '{node.get_name()}'")


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def walk(node, seen=None):
    """The shown nodes under `node`, itself first."""
    if not showing(node) and node.get_role() != R.APPLICATION:
        return
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def announced(node):
    """What a screen reader says the control is: its name, or on Linux, where
    Qt names a choice by its value, the label it is labelled by."""
    said = [node.get_name().strip()]
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            said += [relation.get_target(i).get_name().strip() for i in range(relation.get_n_targets())]
    return " / ".join(filter(None, said))


def check(node):
    role = node.get_role()
    focusable = node.get_state_set().contains(Atspi.StateType.FOCUSABLE)
    if focusable and role not in CONTROL_ROLES:
        fail("focusable but no control", node)
    if focusable and not announced(node) and role not in {R.MENU_BAR}:
        fail("no name", node)
    if role == R.PUSH_BUTTON and node.get_action_iface() is None:
        fail("a button that cannot be pressed", node)
    if role in {R.TEXT, R.ENTRY} and focusable and (node.get_text_iface() is None or
                                                     Atspi.Text.get_text(node, 0, -1) is None):
        fail("a box whose text cannot be read", node)
    if role == R.SLIDER:
        value = node.get_value_iface()
        if value is None or not value.get_minimum_value() <= value.get_current_value() <= value.get_maximum_value():
            fail("a slider without a readable value", node)


def is_focused(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def focused(app):
    """The control with the keyboard: in a focused list, its current row."""
    found = [n for n in walk(app) if is_focused(n) and n.get_role() not in {R.FRAME, R.WINDOW, R.FILLER}]
    # A row keeps its mark when its list loses the focus.
    found = [n for n in found if n.get_role() != R.TABLE_CELL or is_focused(n.get_parent())]
    rows = [n for n in found if n.get_role() == R.TABLE_CELL]
    return rows[-1] if rows else (found[-1] if found else None)


def same(a, b):
    return a is not None and b is not None and (a.get_role(), a.get_name()) == (b.get_role(), b.get_name())


def moved(frame, before, timeout=3):
    """The focused control once the focus has left `before`, as a busy machine may take a while."""
    end = time.time() + timeout
    node = focused(frame)
    while same(node, before) and time.time() < end:
        time.sleep(0.1)
        node = focused(frame)
    return node


def tab_round(frame):
    """Tabs from the list of settings once round the window; what each stop says."""
    start, stops = focused(frame), []
    node = start
    for _ in range(20):
        press(0xFF09)
        node = moved(frame, node)
        if node is None:
            failures.append("a Tab stop with no focused control")
            continue
        if same(node, start):
            break
        stops.append(f"{node.get_role_name()} '{announced(node)}'")
        if not announced(node):
            fail("a Tab stop without a name", node)
    if len(stops) < 3:
        failures.append("Tab does not move the focus round the window: " + ", ".join(stops))
    return stops


def press(keysym, times=1):
    for _ in range(times):
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
        time.sleep(0.15)


def find_app(window, timeout=30):
    pid = window.pid
    end = time.time() + timeout
    while time.time() < end:
        if window.poll() is not None:
            sys.exit(f"the program ended with {window.returncode} before it reached the accessibility bus")
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid and app.get_child_count() > 0:
                return app
        time.sleep(0.3)
    sys.exit("the program never appeared on the accessibility bus")


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE="en",
               XDG_STATE_HOME=tempfile.mkdtemp(), XDG_CONFIG_HOME=tempfile.mkdtemp())
    window = subprocess.Popen([program, "--demo"], env=env)
    try:
        app = find_app(window)
        frame = app.get_child_at_index(0)
        # Each window reads as one, named, not as a panel.
        for top in filter(showing, (app.get_child_at_index(i) for i in range(app.get_child_count()))):
            if top.get_role() not in {R.FRAME, R.WINDOW, R.DIALOG} or not top.get_name():
                fail("a top-level window that does not read as a named window", top)
        time.sleep(1)
        # A click on a label activates the window, as no window manager does here.
        label = next(n for n in walk(frame) if n.get_role() == R.LABEL)
        box = label.get_extents(Atspi.CoordType.SCREEN)
        Atspi.generate_mouse_event(box.x + box.width // 2, box.y + box.height // 2, "b1c")
        time.sleep(0.5)
        chooser = next(n for n in walk(frame) if n.get_role() == R.COMBO_BOX)
        chooser.grab_focus()
        time.sleep(0.3)
        press(0xFF54, 3)  # Down past all users and the default user: the first account
        press(0xFF09)  # Tab: into the list of settings
        seen, panels, rounds = {"changed": 0, "described": 0, "colour": 0}, set(), []
        # Each setting of the account in turn, with its panel.
        row = focused(frame)
        for _ in range(40):
            press(0xFF54)
            row = moved(frame, row)
            nodes = list(walk(frame))
            for node in nodes:
                check(node)
            description = next(n for n in nodes if n.get_name() == "Description").get_child_at_index(0)
            while description.get_child_count():
                description = description.get_child_at_index(0)
            # The value editors carry the setting's description.
            seen["described"] += any(n.get_description() == description.get_name() and n.get_role() in EDITORS
                                     for n in nodes)
            seen["changed"] += any(n.get_name().endswith(", changed") for n in nodes if n.get_role() == R.TABLE_CELL)
            seen["colour"] += any(re.search(r"^[a-z ]+, #[0-9A-F]{6}$", n.get_description()) for n in nodes)
            panel = tuple(n.get_role_name() for n in nodes if n.get_role() in EDITORS)
            if panel not in panels:
                panels.add(panel)
                rounds.append(tab_round(frame))
        print(f"{seen}; Tab rounds:")
        for stops in rounds:
            print("  " + ", ".join(stops))
        if seen["described"] < 40 or not seen["changed"] or not seen["colour"]:
            failures.append("descriptions, changed marks or colours in words are missing")
    finally:
        window.terminate()
        window.wait(10)
    for line in failures:
        print("FAIL", line)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
