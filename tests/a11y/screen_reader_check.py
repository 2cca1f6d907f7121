#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a screen reader meets it: played by keyboard alone while its
windows are read over the accessibility bus, as a blind player's screen reader
reads them.

    screen_reader_check.py GAME FOLDER

GAME is started in FOLDER (its data folder) on the X display and session bus
of the environment; keys go to it through xdotool. Checked per window: no
control the keyboard reaches is without a name; the set-up form's sliders
carry their values; the heart gauge is one level bar that reads the heart
number after a call and after a gift, and says so when it moves; new lines
of the conversation are announced; every secondary window states its message
and closes on Escape as on OK; the top-20 table has its column titles.
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WAIT = 60  # seconds: a sanitizer build on a busy machine is slow, a hang is not

failures = []


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def note(message):
    print(message, flush=True)


# ---- the bus ----------------------------------------------------------------

events = []
# The control the keyboard is on, as the focus events tell it (the states
# alone lag: a row may still say it is focused after the focus has left).
focus = [None]


def on_event(event):
    try:
        source = event.source
        if event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
            focus[0] = source
        events.append((event.type, source.get_role_name(), source.get_name(),
                       event.detail1, event.any_data))
    except GLib.Error:
        pass  # the object went away with its window


def pump(seconds=0.0):
    """Lets the bus deliver its events, for at least `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, test, limit=WAIT):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        pump()
        try:
            found = test()
        except GLib.Error:
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise TimeoutError(what)


def has(obj, state):
    return obj.get_state_set().contains(state)


def walk(obj):
    yield obj
    for i in range(obj.get_child_count()):
        child = obj.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def shown(obj):
    return has(obj, Atspi.StateType.SHOWING)


class Game:
    def __init__(self, program, folder):
        log = open(os.path.join(folder, "game.log"), "w")
        self.process = subprocess.Popen([program], cwd=folder, stdout=log, stderr=log)
        self.app = wait_for("the game on the accessibility bus", self.find_app)

    def find_app(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def windows(self):
        """The game's windows on screen, dialogs first."""
        found = []
        for i in range(self.app.get_child_count()):
            w = self.app.get_child_at_index(i)
            if w is not None and shown(w):
                found.append(w)
        return sorted(found, key=lambda w: w.get_role() != Atspi.Role.DIALOG)

    def dialogs(self):
        return [w for w in self.windows() if w.get_role() == Atspi.Role.DIALOG]

    def main_window(self):
        return next((w for w in self.windows() if w.get_role() == Atspi.Role.FRAME), None)

    def focused(self):
        f = focus[0]
        try:
            if f is not None and has(f, Atspi.StateType.FOCUSED):
                return f
        except GLib.Error:
            pass
        # No event yet (the window came up before the bus heard of it).
        for w in self.windows():
            for obj in walk(w):
                if has(obj, Atspi.StateType.FOCUSED):
                    return obj
        return None

    def find(self, window, role, name=None):
        for obj in walk(window):
            if obj.get_role() == role and (name is None or obj.get_name() == name) and shown(obj):
                return obj
        return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    pump(0.2)


def press_until(name, what, test):
    """Presses a key that closes a window, waits for the window to go, then
    lets the key go. Qt's accessibility bridge holds each key event until the
    registry has answered for it, and frees none whose window has gone by then
    or that it still holds when the program ends: a release sent on the heels
    of such a press leaks whenever the registry answers slower than the game
    acts, as on a busy machine. Let go after, the release reaches the window
    that remains. The test's X server repeats no key held for less than WAIT."""
    subprocess.run(["xdotool", "keydown", name], check=True)
    try:
        return wait_for(what, test)
    finally:
        subprocess.run(["xdotool", "keyup", name], check=True)


def focus_name(game):
    f = game.focused()
    return f.get_name() if f is not None else None


def tab_to(game, name, role=None):
    """Presses Tab until the control named `name` has the keyboard."""
    for _ in range(30):
        f = game.focused()
        if f is not None and f.get_name() == name and (role is None or f.get_role() == role):
            return f
        if os.environ.get("A11Y_DEBUG"):
            note("    tab from %r" % (f.get_name() if f else None))
        keys("Tab")
        wait_for("the focus to settle", lambda: game.focused() is not None, 10)
    raise TimeoutError("Tab never reached " + name)


# ---- what every window must offer ------------------------------------------

ITEMS = {Atspi.Role.LIST_ITEM, Atspi.Role.TABLE_CELL, Atspi.Role.TABLE_COLUMN_HEADER}


def check_names(window, where):
    """No control the keyboard reaches is without a name (rows and cells are
    the contents of their list or table, read by their text)."""
    for obj in walk(window):
        if (has(obj, Atspi.StateType.FOCUSABLE) and shown(obj) and obj.get_role() not in ITEMS
                and not obj.get_name().strip()):
            fail("%s: a %s the keyboard reaches has no name" % (where, obj.get_role_name()))


def close_secondary_windows(game, where):
    """Every secondary window that opened states its message and closes on
    Escape, which runs the steps of its OK."""
    for _ in range(10):
        dialogs = game.dialogs()
        if not dialogs:
            return
        d = dialogs[0]
        title = d.get_name()
        check_names(d, "window " + title)
        if d.get_role() != Atspi.Role.DIALOG or not d.get_description().strip():
            fail("%s: the window %r opened without its message" % (where, title))
        note("  window %r: %r" % (title, d.get_description()))
        before = len(dialogs)
        press_until("Escape", "Escape to close " + title, lambda: len(game.dialogs()) < before)
    fail(where + ": the secondary windows would not close")


def gauge_and_number(game):
    main = game.main_window()
    gauge = game.find(main, Atspi.Role.PROGRESS_BAR)
    if gauge is None:
        return None, None
    bar = gauge.get_parent()
    number = next((bar.get_child_at_index(i).get_name() for i in range(bar.get_child_count())
                   if bar.get_child_at_index(i).get_role() == Atspi.Role.LABEL), None)
    return gauge, number


def check_gauge(game, after):
    gauge, number = gauge_and_number(game)
    if gauge is None:
        fail(after + ": the heart gauge is not one level bar")
        return
    if gauge.get_child_count() != 0:
        fail(after + ": the heart gauge reads as %d parts" % gauge.get_child_count())
    value = int(gauge.get_current_value())
    if (gauge.get_minimum_value(), gauge.get_maximum_value()) != (0, 100):
        fail(after + ": the gauge's range is not 0 to 100")
    if str(value) != number:
        fail("%s: the gauge reads %d, the player sees %s" % (after, value, number))
    note("  %s: gauge %r = %d, shown as %s" % (after, gauge.get_name(), value, number))


def focus_list(game, lst):
    for _ in range(30):
        f = game.focused()
        if f is not None and (f == lst or f.get_parent() == lst):
            return
        keys("Tab")
    raise TimeoutError("Tab never reached the list")


def play_list_rows(game, button, action, rows=1):
    """Opens a category by its button, then, `rows` times, chooses the next
    row by keyboard and presses the action button."""
    tab_to(game, button, Atspi.Role.PUSH_BUTTON)
    keys("space")
    close_secondary_windows(game, button)
    main = game.main_window()
    lst = wait_for("the list", lambda: game.find(main, Atspi.Role.LIST))
    chosen = []
    for n in range(rows):
        focus_list(game, lst)
        keys("Home" if n == 0 else "Down")
        row = wait_for("a chosen row", lambda: next(
            (c for c in walk(lst) if c.get_role() == Atspi.Role.LIST_ITEM
             and has(c, Atspi.StateType.SELECTED) and c.get_index_in_parent() == n), None), 20)
        note("  %s: list %r, row %r" % (button, lst.get_name(), row.get_name()))
        chosen.append(row.get_name())
        if "\t" in row.get_name():
            fail(button + ": a row is read with its tab characters")
        tab_to(game, action, Atspi.Role.PUSH_BUTTON)
        del events[:]
        keys("space")
        pump(1.0)
        close_secondary_windows(game, action)
    return chosen


def main():
    program, folder = sys.argv[1], sys.argv[2]
    Atspi.init()
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:focused", "object:text-changed:insert",
                 "object:property-change:accessible-value",
                 "object:property-change:accessible-description"):
        listener.register(kind)
    game = Game(program, folder)

    # The set-up form.
    setup = wait_for("the set-up form", lambda: game.dialogs() and game.dialogs()[0])
    wait_for("the focus in the name box", lambda: game.focused())
    check_names(setup, "set-up form")
    box = game.focused()
    if box.get_role() != Atspi.Role.TEXT or not box.get_name():
        fail("the name box is not first, or has no name")
    note("set-up form: focus on %s %r" % (box.get_role_name(), box.get_name()))
    for rating in ("Looks", "Smart", "Luck"):
        s = game.find(setup, Atspi.Role.SLIDER, rating)
        if s is None:
            fail("no slider named " + rating)
            continue
        if (s.get_current_value(), s.get_minimum_value(), s.get_maximum_value()) != (50, 0, 100):
            fail(rating + ": the slider does not read 50 from 0 to 100")
    looks = tab_to(game, "Looks", Atspi.Role.SLIDER)
    before = looks.get_description()
    del events[:]
    keys("Left")
    wait_for("the slider to move", lambda: looks.get_current_value() == 49, 20)
    pump(0.5)
    points = looks.get_description()
    if points == before or "Points Left" not in points:
        fail("the points left are not read again as the slider moves: %r" % points)
    note("  Looks 49: %r" % points)
    tab_to(game, "Please enter your name", Atspi.Role.TEXT)
    subprocess.run(["xdotool", "type", "--delay", "40", "Ada"], check=True)
    main_window = press_until("Return", "the main window", game.main_window)
    wait_for("the focus in the main window", lambda: game.focused())
    check_names(main_window, "main window")
    check_gauge(game, "a new game")
    sounds = next((o for o in walk(main_window) if o.get_role() == Atspi.Role.CHECK_MENU_ITEM
                   or (o.get_role() == Atspi.Role.MENU_ITEM and o.get_name() == "Enabled")), None)
    if sounds is None or not has(sounds, Atspi.StateType.CHECKED):
        fail("the sounds' Enabled entry is not read as checked")

    # Two topics make a call: what is read out after the second is her
    # answer to it and her goodbye, not the first exchange again.
    topics = play_list_rows(game, "Call Her", "TALK", rows=2)
    check_gauge(game, "a call")
    inserted = [str(e[4]) for e in events if e[0].startswith("object:text-changed:insert")
                and e[2] == "Conversation" and str(e[4]).strip()]
    said = inserted[-1] if inserted else ""
    if topics[1] not in said or topics[0] in said:
        fail("the conversation's new lines were not announced: %r" % inserted)
    else:
        note("  announced: %r" % said)
    value_before = int(gauge_and_number(game)[0].get_current_value())

    play_list_rows(game, "Buy A Gift", "BUY")
    check_gauge(game, "a gift")
    gauge = gauge_and_number(game)[0]
    if int(gauge.get_current_value()) != value_before and not any(
            e[0].startswith("object:property-change:accessible-value") and e[1] == "progress bar"
            for e in events):
        fail("the gauge moved without saying so")

    # The top-20 table, from its menu entry.
    keys("alt+t")
    table_window = wait_for("the top-20 table", lambda: game.dialogs() and game.dialogs()[0])
    check_names(table_window, "top-20 table")
    table = game.find(table_window, Atspi.Role.TABLE)
    headers = [table.get_column_header(c).get_name() if table and table.get_column_header(c)
               else "" for c in range(table.get_n_columns() if table else 0)]
    note("top-20 table %r: columns %r" % (table.get_name() if table else None, headers))
    if len(headers) != 5 or not all(h.strip() for h in headers):
        fail("the top-20 table does not expose its column titles")
    press_until("Escape", "Escape to close the table", lambda: not game.dialogs())

    # The about window, from the Help menu by keyboard.
    keys("alt+h")
    keys("Up", "Return")
    wait_for("the about window", lambda: game.dialogs())
    close_secondary_windows(game, "About")

    keys("alt+f")
    keys("Up")
    status = None
    try:
        press_until("Return", "File > Exit to end the game", lambda: game.process.poll() is not None)
        status = game.process.returncode
    except TimeoutError:
        game.process.kill()
        fail("File > Exit did not end the game")
    if status not in (0, None):
        fail("the game ended with status %d" % status)

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except TimeoutError as e:
        print("FAIL: waited in vain for " + str(e))
        sys.exit(1)
