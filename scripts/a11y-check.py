#!/usr/bin/python3
"""Drives Brisvale through its accessibility tree, as a screen reader's user would reach it, and
checks what the PEF chart, the Data page's filters, the Overview's figures and the Switch Profile
sheet tell a reader.

Run by scripts/a11y-check inside a private session bus with the accessibility bus, the
application started on a fresh data folder with the sample meter: a11y-check.py <application pid>

It chooses the region, creates a profile, downloads the sample meter's readings, opens the Data
page's PEF chart and reads the chart's name, its summary, its points' names and positions (the
items are the readings alone, in order), then the names of the page's filter pop-ups (caption and
choice), before and after the time of day changes, a date field's focus as its calendar closes by
keys (Escape keeping its date), the Best Value and Zones sheet as a dialog with the zone limits in
its field's description, the readings table's current cell after Tab enters it and after a reading
is deleted (which leaves 41), then the Overview's figures and its Insight card's, each heard with
its caption and its value (or, for a "–", the reason as well) and no caption heard twice; last it
makes a second profile and reads the rows of the Switch Profile sheet. Every step waits for what it needs
(polling, up to A11Y_CHECK_TIMEOUT seconds, 120 by default). Exits with 1 and a message naming what
was missing."""

import os
import re
import sys
import time

import pyatspi

TIMEOUT = float(os.environ.get("A11Y_CHECK_TIMEOUT", "120"))
POLL = 0.2
APP_NAME = "Brisvale"
EMAIL = "a11y@example.com"

CHART_NAME = "PEF chart"
SUMMARY = re.compile(r"^Readings: [1-9]\d*, from .+ to .+\. Latest: .+, PEF \d+ l/min.*\. Best value: \d+ l/min\. "
                     r"Green zone: \d+, yellow zone: \d+, red zone: \d+\.$")
POINT = re.compile(r"^[^,]+, [^,]+, PEF \d+ l/min, (green|yellow|red) zone$")


class CheckFailed(Exception):
    pass


def fail(message):
    raise CheckFailed(message)


def application_alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    return True


class Driver:
    def __init__(self, pid):
        self.pid = pid

    # --- the tree ---

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == APP_NAME:
                return child
        return None

    @staticmethod
    def walk(node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from Driver.walk(child)

    @staticmethod
    def showing(node):
        return node.getState().contains(pyatspi.STATE_SHOWING)

    def shown(self, role, name=None, root=None):
        """The showing elements of the role (and name), in the tree's order."""
        root = root or self.application()
        if root is None:
            return []
        return [node for node in self.walk(root)
                if node.getRoleName() == role and (name is None or node.name == name) and self.showing(node)]

    def dialogs(self):
        app = self.application()
        if app is None:
            return []
        return [app.getChildAtIndex(i) for i in range(app.childCount)
                if app.getChildAtIndex(i) is not None and app.getChildAtIndex(i).getRoleName() == "dialog"
                and self.showing(app.getChildAtIndex(i))]

    # --- waiting ---

    def wait_for(self, what, probe):
        """Polls probe() until it answers something; fails naming `what` after the timeout."""
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            if not application_alive(self.pid):
                fail(f"the application quit while waiting for {what}")
            try:
                found = probe()
            except Exception:  # the tree changes under the walk: look again
                found = None
            if found:
                return found
            time.sleep(POLL)
        fail(f"{what} did not appear within {TIMEOUT:.0f} s; showing dialogs: {self.describe_dialogs()}; "
             f"showing buttons: {self.describe_buttons()}")

    def describe_buttons(self):
        try:
            return [(node.getRoleName(), node.name) for node in self.walk(self.application())
                    if node.getRoleName() in BUTTON_ROLES and self.showing(node)] or "none"
        except Exception as error:
            return f"unreadable ({error})"

    def describe_dialogs(self):
        try:
            return [[node.name for node in self.walk(dialog) if node.name] for dialog in self.dialogs()] or "none"
        except Exception as error:
            return f"unreadable ({error})"

    # --- acting ---

    @staticmethod
    def press(node):
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == "Press":
                action.doAction(i)
                return
        action.doAction(0)

    def press_button(self, name, root=None):
        button = self.wait_for(f'the button "{name}"', lambda: ([node for role in BUTTON_ROLES for node in self.shown(role, name, root)] or [None])[0])
        self.press(button)

    @staticmethod
    def type_into(field, text):
        if not field.queryEditableText().setTextContents(text):
            fail(f"the field {field.name!r} took no text")


def first_dialog_with(driver, role):
    for dialog in driver.dialogs():
        fields = driver.shown(role, root=dialog)
        if fields:
            return dialog, fields[0]
    return None


def create_profile(driver):
    driver.wait_for("the application on the accessibility bus", driver.application)
    driver.press_button("Continue")
    driver.press_button("New Profile")
    _, field = driver.wait_for("the new profile's e-mail field", lambda: first_dialog_with(driver, "text"))
    driver.type_into(field, EMAIL)
    driver.press_button("Create Profile")
    # The profile form's fields: e-mail, then name.
    name_field = driver.wait_for("the profile's name field",
                                 lambda: not driver.dialogs() and (driver.shown("text") + [None, None])[1])
    driver.type_into(name_field, "Ann")
    driver.press_button("Save")
    driver.press_button("Yes")
    driver.wait_for("the saved profile", lambda: not driver.dialogs())


def answer(driver, dialog):
    """Answers a sync's dialog as a user who wants the readings: Yes, else OK."""
    for name in ("Yes", "OK"):
        buttons = driver.shown("push button", name, dialog)
        if buttons:
            driver.press(buttons[0])
            return name
    return None


def sync(driver):
    """Downloads the meter into the profile, answering every question until the readings are
    saved: the last dialog says so."""
    driver.press_button("Sync")
    while True:
        dialog = driver.wait_for("a dialog of the download", lambda: (driver.dialogs() or [None])[0])
        texts = " ".join(node.name for node in driver.walk(dialog) if node.getRoleName() == "label")
        saved = "downloaded and saved" in texts
        if not answer(driver, dialog):
            fail(f"a dialog of the download has neither Yes nor OK: {texts}")
        driver.wait_for("the dialog to close", lambda: dialog not in driver.dialogs())
        if saved:
            return


# A checkable button (the side menu, the view tabs) is a check box or radio button to a reader.
BUTTON_ROLES = ("push button", "toggle button", "check box", "radio button")


def pef_tab(driver):
    """The Data page's tab that names PEF; while the tabs have no names, the middle of the three
    icon-only buttons that end the row of the page's title."""
    buttons = [node for role in BUTTON_ROLES for node in driver.shown(role)]
    named = [b for b in buttons if re.search(r"\bPEF\b", b.name)]
    if named:
        return named[0]
    titles = [label for label in driver.shown("label", "Data") if label.parent.getRoleName() not in BUTTON_ROLES]
    if not titles:
        return None
    row = titles[0].parent
    unnamed = [row.getChildAtIndex(i) for i in range(row.childCount)]
    unnamed = [b for b in unnamed if b is not None and b.getRoleName() in BUTTON_ROLES and not b.name
               and driver.showing(b)]
    return unnamed[-2] if len(unnamed) >= 3 else None


def open_pef_chart(driver):
    driver.wait_for("the end of the download", lambda: not driver.dialogs())
    driver.press_button("Data")
    driver.press(driver.wait_for("the Data page's PEF tab", lambda: pef_tab(driver)))
    return driver.wait_for(f'a showing list named "{CHART_NAME}"',
                           lambda: (driver.shown("list", CHART_NAME) or [None])[0])


def point_names(chart):
    names = []
    for i in range(chart.childCount):
        child = chart.getChildAtIndex(i)
        if child is not None and child.getRoleName() == "list item":
            names.append(child.name)
    return names


def check_chart(driver, chart):
    summary = driver.wait_for("the PEF chart's summary of the downloaded readings",
                              lambda: chart.description if chart.description.startswith("Readings:") else None)
    if not SUMMARY.match(summary):
        fail(f"the PEF chart's summary reads {summary!r}")
    names = driver.wait_for("the PEF chart's points", lambda: point_names(chart))
    wrong = [name for name in names if not POINT.match(name)]
    if wrong:
        fail(f"{len(wrong)} of the PEF chart's {len(names)} points read otherwise, first {wrong[0]!r}")
    check_positions(chart, int(re.match(r"^Readings: (\d+)", summary).group(1)))
    print(f'a11y-check: "{chart.name}" reads "{summary}"')
    print(f"a11y-check: {len(names)} points, the first reads \"{names[0]}\"")


def check_positions(chart, readings):
    """A reader takes a point's position from its index among the chart's items and the list's size
    from their count: the items are the readings alone, every one of them, in order."""
    if chart.childCount != readings:
        fail(f"the PEF chart has {chart.childCount} items for {readings} readings")
    for i in range(chart.childCount):
        child = chart.getChildAtIndex(i)
        if child.getRoleName() != "list item" or child.getIndexInParent() != i:
            fail(f"the PEF chart's item {i + 1} is a {child.getRoleName()} at index {child.getIndexInParent()}")


FILTER_CAPTIONS = ("Date range", "Time of day")


def popup_named(driver, caption):
    """The showing pop-up whose name starts with its caption, as a reader speaks it."""
    return ([popup for popup in driver.shown("combo box") if popup.name.startswith(caption + ", ")] or [None])[0]


def check_filter_popups(driver):
    """The Data page's filter pop-ups speak their caption and their choice; after a change of the
    time of day, the name carries the new choice."""
    for caption in FILTER_CAPTIONS:
        driver.wait_for(f'a showing pop-up named "{caption}, <its choice>"', lambda: popup_named(driver, caption))
    popup = popup_named(driver, "Time of day")
    before = popup.name
    value = popup.queryValue()
    original = value.currentValue
    choice = value.currentValue + 1 if value.currentValue < value.maximumValue else value.minimumValue
    value.currentValue = choice
    after = driver.wait_for("the time of day's new choice in its name",
                            lambda: popup.name if popup.name != before else None)
    if not after.startswith("Time of day, "):
        fail(f"the time of day pop-up reads {after!r} after a change")
    # The whole day again, so the figures read later cover every reading.
    value.currentValue = original
    driver.wait_for("the time of day's first choice back in its name",
                    lambda: popup.name if popup.name == before else None)
    print(f'a11y-check: the filter pop-ups read "{popup_named(driver, "Date range").name}" and "{before}"; '
          f'changed, "{after}"')


BEST_VALUE_SHEET = "Best Value and Zones"
ZONE_LIMITS = re.compile(r"Green zone from \d+, red zone below \d+ l/min$")
KEY_TAB, KEY_ESCAPE, KEY_END, KEY_SPACE = 0xFF09, 0xFF1B, 0xFF57, 0x20


def press_key(keysym):
    """Types one key, as the keyboard does, into the window with the keyboard focus."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


class FocusHeard:
    """What a reader is told takes the focus, in order: (role, name) of each element."""

    EVENT = "object:state-changed:focused"

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.record, self.EVENT)

    def record(self, event):
        if event.detail1:
            try:
                self.heard.append((event.source.getRoleName(), event.source.name))
            except Exception:  # gone already
                self.heard.append((None, None))

    def pump(self):
        """Lets the events that have come in reach record()."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return self.heard

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.record, self.EVENT)


def check_best_value_sheet(driver):
    """The Data page's Best Value and Zones sheet reads as a dialog with its name (it was a nameless
    filler), and its value field and plan pop-up tell the zone limits in their descriptions. Escape
    closes it."""
    driver.press_button("Data")
    driver.press(driver.wait_for("the Data page's PEF tab", lambda: pef_tab(driver)))
    driver.press_button("Best value")
    sheet = driver.wait_for(f'a dialog named "{BEST_VALUE_SHEET}"',
                            lambda: ([d for d in driver.dialogs() if d.name == BEST_VALUE_SHEET] or [None])[0])
    field = driver.wait_for("the sheet's value field", lambda: (driver.shown("text", root=sheet) or [None])[0])
    plan = driver.wait_for("the sheet's plan pop-up", lambda: (driver.shown("combo box", root=sheet) or [None])[0])
    described = field.description, plan.description
    if not ZONE_LIMITS.search(described[0]):
        fail(f"the best value field's description reads {described[0]!r}, without the zone limits")
    if not ZONE_LIMITS.match(described[1]):
        fail(f"the zone plan pop-up's description reads {described[1]!r}, not the zone limits")
    press_key(KEY_ESCAPE)
    driver.wait_for("the Best Value and Zones sheet to close", lambda: sheet not in driver.dialogs())
    print(f'a11y-check: the dialog "{BEST_VALUE_SHEET}"; its field describes "{described[0]}", '
          f'its plan pop-up "{described[1]}"')


def focused_cell(table):
    """The table's cell that has the focus, as (row, column); none while no cell has it."""
    grid = table.queryTable()
    for row in range(grid.nRows):
        for column in range(grid.nColumns):
            cell = grid.getAccessibleAt(row, column)
            if cell is not None and cell.getState().contains(pyatspi.STATE_FOCUSED):
                return row, column
    return None


def reading_of_row(table, row):
    """The reading a row shows: its date, time, PEF and FEV1 cells' names."""
    grid = table.queryTable()
    return ", ".join(grid.getAccessibleAt(row, column).name for column in range(4))


def heard_cell_last(focus, table):
    """The name of the cell a reader was last told has the focus, once that came after the table's
    own focus; none before."""
    heard = focus.pump()
    return heard and heard[-1][0] == "table cell" and ("table", table.name) in heard and heard[-1][1]


def check_table_current_cell(driver):
    """Tab into the readings table: a reader is told, after the table, of its first reading's first
    cell (it heard the table alone). A reading deleted by keyboard from its delete cell leaves the
    focus in that column on the row that took its place, which shows the next reading, and a
    reader is told of that cell (the focus fell back to the first cell)."""
    driver.press_button("Data")
    driver.press_button("Readings table")
    table = driver.wait_for('a showing table named "Readings table"',
                            lambda: (driver.shown("table", "Readings table") or [None])[0])
    focus = FocusHeard()
    try:
        for _ in range(60):
            if table.getState().contains(pyatspi.STATE_FOCUSED):
                break
            press_key(KEY_TAB)
            time.sleep(POLL)
        entered = driver.wait_for("a reader told of the table's cell as Tab enters it",
                                  lambda: heard_cell_last(focus, table))
        grid = table.queryTable()
        first = grid.getAccessibleAt(0, 0).name
        if focused_cell(table) != (0, 0) or entered != first:
            fail(f"entered, the readings table's current cell is {focused_cell(table)}, and a reader heard "
                 f"{entered!r}, not the first cell {first!r}")
        rows, next_reading = grid.nRows, reading_of_row(table, 1)
        delete_column = grid.nColumns - 1
        press_key(KEY_END)
        driver.wait_for("the delete cell of the first reading", lambda: focused_cell(table) == (0, delete_column))
        press_key(KEY_SPACE)
        question = driver.wait_for("the question whether to delete the reading",
                                   lambda: (driver.dialogs() or [None])[0])
        del focus.heard[:]
        driver.press_button("Yes", question)
        driver.wait_for("the reading deleted", lambda: table.queryTable().nRows == rows - 1)
        kept = driver.wait_for("a reader told of the table's cell after the deletion",
                               lambda: focus.pump() and focus.heard[-1][0] == "table cell" and focus.heard[-1][1])
        shown = reading_of_row(table, 0)
        if focused_cell(table) != (0, delete_column) or shown != next_reading:
            fail(f"after deleting the first reading the current cell is {focused_cell(table)}, of the reading "
                 f"{shown!r}, not the delete cell of the next reading, {next_reading!r}")
    finally:
        focus.close()
    print(f'a11y-check: Tab into the readings table tells "{entered}"; after a deletion, "{kept}" '
          f'of the reading that took its place, "{shown}"')


SECOND_PROFILE = ("b11y@example.com", "Bo")


def check_switch_profile_rows(driver):
    """The Switch Profile sheet's rows speak each profile's name and e-mail: a second profile is
    made, the sheet opened and its rows read, and the current profile kept."""
    driver.press_button("Profile")
    email, name = SECOND_PROFILE
    driver.press_button("New Profile")
    _, field = driver.wait_for("the new profile's e-mail field", lambda: first_dialog_with(driver, "text"))
    driver.type_into(field, email)
    driver.press_button("Create Profile")
    name_field = driver.wait_for("the second profile's name field",
                                 lambda: not driver.dialogs() and (driver.shown("text") + [None, None])[1])
    driver.type_into(name_field, name)
    driver.press_button("Save")
    driver.press_button("Yes")
    driver.wait_for("the saved second profile", lambda: not driver.dialogs())
    driver.press_button("Switch Profile")
    sheet = driver.wait_for("the Switch Profile sheet", lambda: (driver.dialogs() or [None])[0])
    wanted = [f"Ann, {EMAIL}", f"{name}, {email}"]
    rows = driver.wait_for("the Switch Profile rows' names",
                           lambda: [cell.name for cell in driver.walk(sheet) if cell.getRoleName() == "table cell"
                                    and cell.name] or None)
    if sorted(rows) != sorted(wanted):
        fail(f"the Switch Profile rows read {rows}, not {wanted}")
    driver.press_button("Select", sheet)
    driver.wait_for("the Switch Profile sheet to close", lambda: sheet not in driver.dialogs())
    print(f"a11y-check: the Switch Profile rows read {', '.join(repr(row) for row in rows)}")


# What a reader hears of the Overview's figures: the caption, then the value with its unit; a figure
# without a value ("–") is heard with its reason, which is its description too.
PERCENT = r"\d+\.\d %"
REASON = r"(?P<reason>[a-z][^%]*)"
OVERVIEW_FIGURES = (
    ("total", re.compile(r"^Total readings: [1-9]\d*$")),
    ("PEF average", re.compile(r"^Average PEF: \d+ l/min$")),
    ("FEV1 average", re.compile(r"^Average FEV1: \d+\.\d+ litres$")),
    ("best value", re.compile(r"^Best value: \d+ l/min$")),
    ("latest reading", re.compile(rf"^Latest reading, % of best value: {PERCENT}, (green|yellow|red) zone$")),
    ("average", re.compile(rf"^Average, % of best value: {PERCENT}$")),
    ("zone counts", re.compile(r"^Readings in each zone: \d+ green, \d+ yellow, \d+ red$")),
    ("variability", re.compile(rf"^Within-day \(diurnal\) variability, over \d+ days?: {PERCENT}"
                               r"(, above the 1[03] % guide)?$")),
    ("predicted PEF", re.compile(rf"^Predicted PEF for age, sex and height: (\d+ l/min|{REASON})$")),
    ("best value of predicted", re.compile(rf"^Best value, % of predicted PEF: ({PERCENT}|{REASON})$")),
)


def overview_figures(driver):
    """The showing labels of the Overview that read as figures, by what they are: name and description."""
    heard = {}
    for label in driver.shown("label"):
        for what, pattern in OVERVIEW_FIGURES:
            match = pattern.match(label.name)
            if match and what not in heard:
                heard[what] = (label.name, label.description, match.groupdict().get("reason"))
    return heard if len(heard) == len(OVERVIEW_FIGURES) else None


def check_overview_figures(driver):
    driver.press_button("Overview")
    try:
        heard = driver.wait_for("the Overview's figures, each with its caption and value",
                                lambda: overview_figures(driver))
    except CheckFailed:
        names = [label.name for label in driver.shown("label") if label.name]
        fail(f"not every Overview figure reads with its caption and value; the showing labels read {names}")
    for what, (name, description, reason) in heard.items():
        if reason and description != reason:
            fail(f"the {what} reads {name!r}, but its description is {description!r}, not the reason")
        print(f'a11y-check: the Overview reads "{name}"')


AVERAGES_CAPTION = "Average PEF and FEV1"


def check_overview_captions_heard_once(driver):
    """An Overview figure's caption is heard once, in the figure's name ("Total readings: 42"): no
    element beside the figure repeats the caption, the words that begin or end it ("Total",
    "readings:"), or the zone, guide or time that ends its value. The averages' shared caption is
    one label of its own, heard once, and each average is named by what it is ("Average PEF")."""
    def repeats(text, figure):
        caption, _, value = figure.partition(": ")
        bare = text.strip().rstrip(":")
        return bool(bare) and (bare == caption or caption.startswith(bare + " ") or caption.endswith(" " + bare)
                               or value.endswith(" " + text.strip()))

    driver.press_button("Overview")
    driver.wait_for("the Overview's figures", lambda: overview_figures(driver))
    figures = [label for label in driver.shown("label") if label.name.startswith("Latest readings: ")
               or any(pattern.match(label.name) for _, pattern in OVERVIEW_FIGURES)]
    repeated = []
    for figure in figures:
        parent, own = figure.parent, figure.getIndexInParent()
        for i in range(parent.childCount):
            sibling = parent.getChildAtIndex(i)
            if sibling is not None and i != own and driver.showing(sibling) and repeats(sibling.name, figure.name):
                repeated.append(f"{sibling.name!r} beside {figure.name!r}")
    if repeated:
        fail(f"an Overview figure's caption is heard twice: {'; '.join(repeated)}")
    # The averages' caption names no figure: it is an element of its own, heard once.
    averages = len(driver.shown("label", AVERAGES_CAPTION))
    if averages != 1:
        fail(f"the Overview's caption {AVERAGES_CAPTION!r} is heard {averages} times, not once")
    print(f"a11y-check: the Overview's {len(figures)} figures hold their captions, and nothing beside them repeats one")


def check_date_field_after_calendar(driver):
    """The Data page's From field with its calendar opened and closed by keys over the real bus,
    as a keyboard user does: F4, three Right arrows (the field follows the days browsed to), Escape;
    then F4 and Return. Once the calendar has hidden, the last focus a reader has heard is the
    field's (not the window's, which the calendar's hiding activates again), and after Escape the
    field's date is the one it had before the calendar opened."""
    from gi.repository import GLib

    name = "From"
    f4, right, escape, enter = 0xFFC1, 0xFF53, 0xFF1B, 0xFF0D  # X key symbols
    kinds = ("object:state-changed:focused", "window:activate")
    heard = []  # (time, event, role, name) of each focus gained and window activated, in order
    calendar = []  # the calendar's day table once it has had the focus (a pop-up is no child of the application)

    def listen(event):
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        try:
            heard.append((time.monotonic(), event.type, event.source.getRoleName(), event.source.name))
        except Exception:  # gone before it could be read
            heard.append((time.monotonic(), event.type, None, None))
            return
        if heard[-1][2] == "table" and re.match(r"^\S+ \d{4}$", heard[-1][3] or ""):
            calendar[:] = [event.source]

    def delivered(probe):
        """The probe, once the events that came are delivered to `listen`."""
        def deliver_then_probe():
            while GLib.MainContext.default().iteration(False):
                pass
            return probe()
        return deliver_then_probe

    def calendar_showing():
        return bool(calendar) and driver.showing(calendar[0])

    def day_of(field):
        return field.queryValue().currentValue

    def settled():
        """The last thing heard, once the calendar has hidden and nothing more has come for a second."""
        if calendar_showing() or not heard or time.monotonic() - heard[-1][0] < 1.0:
            return None
        return heard[-1]

    def close_calendar(field, browse, closing, how):
        heard.clear()
        calendar.clear()
        pyatspi.Registry.generateKeyboardEvent(f4, None, pyatspi.KEY_SYM)
        driver.wait_for(f"the {name} field's calendar after F4", delivered(calendar_showing))
        start = day_of(field)
        for step in range(1, browse + 1):
            pyatspi.Registry.generateKeyboardEvent(right, None, pyatspi.KEY_SYM)
            driver.wait_for(f"the {name} field on the calendar's day {step} on",
                            delivered(lambda: day_of(field) == start + step))
        heard.clear()
        pyatspi.Registry.generateKeyboardEvent(closing, None, pyatspi.KEY_SYM)
        last = driver.wait_for(f"the {name} field's calendar to close by {how}", delivered(settled))
        if last[1:] != ("object:state-changed:focused", "spin button", name):
            fail(f"after {how} closed the {name} field's calendar, a reader last heard {last[1]} of the "
                 f"{last[2]} {last[3]!r}, not the field; heard: {[entry[1:] for entry in heard]}")

    for kind in kinds:
        pyatspi.Registry.registerEventListener(listen, kind)
    try:
        driver.press_button("Data")
        field = driver.wait_for(f'a showing date field named "{name}"',
                                lambda: (driver.shown("spin button", name) or [None])[0])
        field.queryComponent().grabFocus()
        driver.wait_for(f"the focus in the {name} field",
                        delivered(lambda: field.getState().contains(pyatspi.STATE_FOCUSED)))
        before, shown = day_of(field), field.queryText().getText(0, -1)
        close_calendar(field, 3, escape, "Escape")
        after = field.queryText().getText(0, -1)
        if day_of(field) != before:
            fail(f"Escape closed the {name} field's calendar on {after!r}, not on {shown!r} as it opened")
        close_calendar(field, 0, enter, "Return")
    finally:
        for kind in kinds:
            pyatspi.Registry.deregisterEventListener(listen, kind)
    print(f'a11y-check: the "{name}" field is heard again after its calendar closes by Escape and by Return; '
          f'Escape left its date "{after}"')


def main():
    driver = Driver(int(sys.argv[1]))
    try:
        create_profile(driver)
        sync(driver)
        check_chart(driver, open_pef_chart(driver))
        check_filter_popups(driver)
        check_date_field_after_calendar(driver)
        check_best_value_sheet(driver)
        check_table_current_cell(driver)
        check_overview_figures(driver)
        check_overview_captions_heard_once(driver)
        check_switch_profile_rows(driver)
    except CheckFailed as error:
        print(f"a11y-check: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
