"""Halvex as a screen reader meets it: the real program on the AT-SPI bus.

Run by run_on_bus.sh inside an X server and a private D-Bus session. Starts the
program, walks its accessible tree and acts through the bus as Orca would:
roles, names in both languages, states, values, actions that work, events that
say what changed. Exits 1 with one line per failed check.
"""

import ctypes
import os
import re
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
failures = []

# A dark desktop as Qt reads it from a KDE colour scheme (GNOME's dark colours):
# the program takes its palette from the desktop, as it does from any.
DARK_PAGE = (45, 45, 45)
DARK_DESKTOP = f"""[Colors:Window]
BackgroundNormal=53,53,53
ForegroundNormal=238,238,236
[Colors:View]
BackgroundNormal={",".join(map(str, DARK_PAGE))}
ForegroundNormal=238,238,236
ForegroundLink=53,132,228
[Colors:Button]
BackgroundNormal=53,53,53
ForegroundNormal=238,238,236
[Colors:Selection]
BackgroundNormal=21,83,158
ForegroundNormal=255,255,255
"""


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def eventually(condition, what, seconds=10, quiet=False):
    """Checks the condition as the bus catches up: true within the time, or a
    failure (unless quiet: then only false)."""
    end = time.time() + seconds
    while not condition():
        if time.time() > end:
            return False if quiet else check(False, what() if callable(what) else what)
        pump(0.1)
    return True


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def contrast(first, second):
    """The contrast of two colours as WCAG 2.1 measures it."""
    def luminance(colour):
        linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in (v / 255 for v in colour)]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]

    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def text_colour(node, offset):
    """The colour of the text at that offset, as a screen reader reads it among the text's attributes."""
    attributes, _, _ = node.queryText().getAttributeRun(offset, True)
    pairs = dict(a.split(":", 1) for a in attributes) if isinstance(attributes, list) else dict(attributes)
    return tuple(int(v) for v in pairs["fg-color"].split(",")) if "fg-color" in pairs else None


def states(node):
    if node is None:
        return set()
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def act(node, name):
    if node is None:  # already told as missing
        return
    names = actions(node)
    if not check(name in names, f"{node.getRoleName()} {node.name!r} offers no {name} (only {names})"):
        return
    node.queryAction().doAction(names.index(name))
    pump(0.6)


# X modifier masks, for keys pressed with a modifier held.
CONTROL = 1 << 2
ALT = 1 << 3


def key(keysym, over, modifiers=0):
    """A key pressed while the pointer rests on the node: without a window
    manager, the X server gives the keyboard to the window under the pointer.
    The modifiers are held while it is pressed."""
    box = over.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "abs")
    pump(0.2)
    over.queryComponent().grabFocus()
    pump(0.3)
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)
    pump(0.6)


def give_keyboard(window):
    """The X input focus to the window under the pointer, as a window manager
    gives it to the window a user clicks: without one, no window of the
    program is active, so its shortcuts do not work and it sends no focus
    events. (libX11 comes with Qt's X11 platform plugin.)"""
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "abs")
    pump(0.3)
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    window_id = ctypes.POINTER(ctypes.c_ulong)
    number = ctypes.POINTER(ctypes.c_int)
    x11.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, window_id, window_id, number, number, number,
                                  number, ctypes.POINTER(ctypes.c_uint)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    root, under = ctypes.c_ulong(), ctypes.c_ulong()
    places = [ctypes.c_int() for _ in range(4)]
    buttons = ctypes.c_uint()
    x11.XQueryPointer(display, x11.XDefaultRootWindow(display), ctypes.byref(root), ctypes.byref(under),
                      *(ctypes.byref(place) for place in places), ctypes.byref(buttons))
    x11.XSetInputFocus(display, under.value, 1, 0)  # RevertToPointerRoot, CurrentTime
    x11.XCloseDisplay(display)
    eventually(lambda: "active" in states(window), f"the window {window.name!r} did not become active")


class Screen:
    """What the X server shows, read from the file it keeps its screen in (XWD, 32 bits a pixel)."""

    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        fields = struct.unpack(">25I", data[:100])
        header_size, byte_order, bits, self.line, colours = fields[0], fields[7], fields[11], fields[12], fields[19]
        if bits != 32 or byte_order != 0:
            sys.exit(f"the screen file holds {bits}-bit pixels in byte order {byte_order}, not 32 in LSB first")
        self.data = data[header_size + 12 * colours:]

    def pixel(self, x, y):
        blue, green, red = self.data[y * self.line + 4 * x:y * self.line + 4 * x + 3]
        return red, green, blue


def top_edge(box):
    """The pixels along the top of a box on the screen, its corners left aside."""
    screen = Screen(os.environ["HALVEX_BUS_SCREEN"])
    return [screen.pixel(x, box.y) for x in range(box.x + 4, box.x + box.width - 4)]


def contrast(first, second):
    """The contrast of two colours, as WCAG 2.1 measures it."""
    def luminance(colour):
        channels = [c / 255 for c in colour]
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted((luminance(first), luminance(second)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def focused(session):
    """The control that has the focus, as the bus says."""
    return next((n for n in walk(session.app) if "focused" in states(n)), None)


def described(node):
    return f"{node.getRoleName()} {node.name!r}" if node is not None else "nothing"


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


class Session:
    """The program started on settings of its own, and what the bus says of it."""

    # The events listened to.
    KINDS = ("object:state-changed", "object:property-change:accessible-name", "focus:")

    def __init__(self, stored="", desktop=None):
        self.folder = tempfile.TemporaryDirectory()
        settings = os.path.join(self.folder.name, "config", "Ostrevane Software")
        os.makedirs(settings)
        self.settings_file = os.path.join(settings, "Halvex.conf")
        with open(self.settings_file, "w") as file:
            file.write(stored)
        desktop_environment = {}
        if desktop is not None:
            with open(os.path.join(self.folder.name, "config", "kdeglobals"), "w") as file:
                file.write(desktop)
            desktop_environment = {"QT_QPA_PLATFORMTHEME": "kde", "KDE_SESSION_VERSION": "5"}
        # Addresses go to a stand-in for the desktop's opener, which notes them.
        tools = os.path.join(self.folder.name, "bin")
        os.makedirs(tools)
        self.opened = os.path.join(self.folder.name, "opened")
        opener = os.path.join(tools, "xdg-open")
        with open(opener, "w") as file:
            file.write(f'#!/bin/sh\necho "$@" >> "{self.opened}"\n')
        os.chmod(opener, 0o755)
        environment = dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.folder.name, "config"),
                           PATH=tools + ":" + os.environ["PATH"], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           ASAN_OPTIONS="detect_leaks=0", LC_ALL="C.UTF-8", **desktop_environment)
        self.process = subprocess.Popen([PROGRAM], env=environment)
        self.events = []
        self.listener = lambda event: self.events.append(event)
        for kind in self.KINDS:
            pyatspi.Registry.registerEventListener(self.listener, kind)
        self.app = self.find_application()

    def find_application(self):
        end = time.time() + 30
        while time.time() < end:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "Halvex" and self.main_window(app):
                    pump(1)
                    return app
            pump(0.3)
        sys.exit("Halvex did not reach the accessibility bus")

    @staticmethod
    def main_window(app):
        return any(app.getChildAtIndex(i) and app.getChildAtIndex(i).name == "Halvex" for i in range(app.childCount))

    def window(self):
        return next(self.app.getChildAtIndex(i) for i in range(self.app.childCount)
                    if self.app.getChildAtIndex(i).name == "Halvex")

    def stored(self):
        """The settings as the program wrote them."""
        with open(self.settings_file) as file:
            return file.read()

    def find(self, role, name, showing=True, seconds=5):
        end = time.time() + seconds
        while True:
            for node in walk(self.app):
                if node.getRoleName() == role and node.name == name and (not showing or "showing" in states(node)):
                    return node
            if time.time() > end:
                check(False, f"no {role} named {name!r}")
                return None
            pump(0.2)

    def events_of(self, kind, role=None):
        found = []
        for event in self.events:
            try:
                source_role = event.source.getRoleName()
            except Exception:  # a destroyed object
                source_role = None
            if event.type.startswith(kind) and (role is None or source_role == role):
                found.append(event)
        return found

    def close(self):
        for kind in self.KINDS:
            pyatspi.Registry.deregisterEventListener(self.listener, kind)
        self.process.terminate()
        self.process.wait(timeout=10)
        self.folder.cleanup()


def roles_names_and_states(session):
    """What a screen reader reads of the window as it opens."""
    table = [
        # role, name, states it must have, states it must not have, actions it must offer
        ("link", "www.halvex-abg.org", {"focusable"}, set(), ["Press"]),
        ("link", "License Agreement", {"focusable"}, set(), ["Press"]),
        ("link", "Halvex Website", set(), set(), ["Press"]),
        ("push button", "ABG", {"expandable", "expanded"}, {"collapsed"}, ["Press"]),
        ("push button", "Units", {"expandable", "expanded"}, {"collapsed"}, ["Press"]),
        ("radio button", "mmHg", {"checked"}, set(), ["Press"]),
        ("radio button", "KPA", set(), {"checked"}, ["Press"]),
        ("radio button", "English", {"checked"}, set(), ["Press"]),
        ("radio button", "Français", set(), {"checked"}, ["Press"]),
        # The arrow starts at ABG Teacher over the About page, as designed: the page shown is the one checked.
        ("radio button", "About Halvex", {"checked"}, set(), ["Press"]),
        ("radio button", "ABG Teacher", set(), {"checked"}, ["Press"]),
        ("radio button", "Statistics", set(), {"checked"}, ["Press"]),
        ("spin button", "O2 %", {"editable", "focusable"}, {"read only"}, ["Increase", "Decrease"]),
        ("text", "Assessment of Acid/Base status", {"focusable", "read only"}, set(), []),
        ("push button", "Analyze", {"focusable"}, set(), ["Press"]),
    ]
    for role, name, present, absent, offered in table:
        node = session.find(role, name)
        if node is None:
            continue
        have = states(node)
        check(present <= have, f"{role} {name!r}: lacks {present - have}")
        check(not (absent & have), f"{role} {name!r}: should not be {absent & have}")
        check(set(offered) <= set(actions(node)), f"{role} {name!r}: offers {actions(node)}, not {offered}")
    # A screen reader moves the focus through SetFocus (grabFocus): every control that takes the focus offers it.
    for node in walk(session.app):
        if {"focusable", "showing"} <= states(node) and node.getRoleName() != "frame":
            check("SetFocus" in actions(node), f"{node.getRoleName()} {node.name!r} cannot be given the focus")
    analyze = session.find("push button", "Analyze")
    if analyze is not None:
        check(analyze.description == "Analyze current ABG", f"Analyze described as {analyze.description!r}")


def headers_say_their_state(session):
    header = session.find("push button", "Units")
    if header is None:
        return
    for expected in ("collapsed", "expanded"):
        session.events.clear()
        act(header, "Press")
        eventually(lambda: expected in states(header), f"the Units header is not {expected} after Press")
        eventually(lambda: any(e.source == header for e in session.events_of("object:state-changed:checked")),
                   f"no state change sent when the Units header became {expected}")


def headers_tell_expanded_and_collapsed(session):
    """A group header expanded or collapsed tells both states as they change,
    as a GTK expander does, beside its pressed state."""
    changes = []

    def heard(event):
        if event.type.startswith(("object:state-changed:expanded", "object:state-changed:collapsed")):
            changes.append((event.type.rsplit(":", 1)[1], event.detail1, event.source.name))

    kinds = ("object:state-changed:expanded", "object:state-changed:collapsed")
    for kind in kinds:
        pyatspi.Registry.registerEventListener(heard, kind)
    try:
        header = session.find("push button", "Language")
        for expanded in (0, 1):
            changes.clear()
            act(header, "Press")
            expected = [("expanded", expanded, "Language"), ("collapsed", 1 - expanded, "Language")]
            eventually(lambda: sorted(changes) == sorted(expected),
                       lambda: f"the Language header {'expanded' if expanded else 'collapsed'} told {changes}")
    finally:
        for kind in kinds:
            pyatspi.Registry.deregisterEventListener(heard, kind)


def links_open_their_address(session):
    act(session.find("link", "www.halvex-abg.org"), "Press")

    def opened():
        return open(session.opened).read() if os.path.exists(session.opened) else ""

    eventually(lambda: "halvex-abg.org" in opened(), lambda: f"Press on the web address opened {opened()!r}")


def unit_choice_is_checked(session):
    session.events.clear()
    act(session.find("radio button", "KPA"), "Press")
    kpa, mmhg = session.find("radio button", "KPA"), session.find("radio button", "mmHg")
    eventually(lambda: "checked" in states(kpa), "KPA not checked once chosen")
    eventually(lambda: "checked" not in states(mmhg), "mmHg still checked")

    def checked():
        return session.events_of("object:state-changed:checked", "radio button")

    eventually(lambda: len(checked()) == 2, lambda: f"{len(checked())} checked events for a change of unit, not 2")
    check(session.find("spin button", "PaCO2, kpa") is not None, "the PaCO2 field does not name kPa")
    act(session.find("radio button", "mmHg"), "Press")


def a_teacher_round(session):
    act(session.find("radio button", "Statistics"), "Press")
    statistics, teacher = session.find("radio button", "Statistics"), session.find("radio button", "ABG Teacher")
    eventually(lambda: "checked" in states(statistics), "the page shown is not checked")
    eventually(lambda: "checked" not in states(teacher), "two pages checked")
    act(session.find("radio button", "ABG Teacher"), "Press")
    act(session.find("push button", "Generate"), "Press")
    ph = session.find("spin button", "pH, -log[H]")
    if ph is not None:
        eventually(lambda: "read only" in states(ph) and "editable" not in states(ph),
                   lambda: f"a locked field is {states(ph)}")
    box = session.find("check box", "Normal Acid/Base balance")
    session.events.clear()
    act(box, "Toggle")
    def ticks():
        return [e.detail1 for e in session.events_of("object:state-changed:checked") if e.source == box]

    eventually(lambda: ticks() == [1], lambda: f"ticking a box sent checked events {ticks()}")
    # Space on another box: that one ticked, once; the first one unticked, once.
    other = session.find("check box", "Uncompensated Respiratory Acidosis")
    if other is not None:
        session.events.clear()
        key(0x20, other)  # Space
        def changes():
            return sorted((e.source.name, e.detail1)
                          for e in session.events_of("object:state-changed:checked", "check box"))

        eventually(lambda: changes() == [("Normal Acid/Base balance", 0), ("Uncompensated Respiratory Acidosis", 1)],
                   lambda: f"Space on a box sent {changes()}")
        act(box, "Toggle")
    session.events.clear()
    act(session.find("push button", "Analyze"), "Press")
    def shown():
        return [e for e in session.events_of("object:state-changed:showing", "notification") if e.detail1 == 1]

    eventually(lambda: shown() and shown()[-1].source.name.startswith(("Correct ! ", "Incorrect. ")),
               lambda: f"the verdict was not announced: {[e.source.name for e in shown()]}")
    gauge = next((n for n in walk(session.app) if n.getRoleName() == "progress bar"), None)
    if check(gauge is not None, "no progress bar"):
        eventually(lambda: gauge.name.startswith("Success rate ") and gauge.name.endswith("%"),
                   lambda: f"the gauge reads {gauge.name!r}")
        check("Increase" not in actions(gauge), "the gauge offers to raise the score")


def the_review_follows_a_chosen_row(session):
    for _ in range(2):
        act(session.find("push button", "Generate"), "Press")
        act(session.find("check box", "Normal Acid/Base balance"), "Toggle")
        act(session.find("push button", "Analyze"), "Press")
    session.events.clear()
    act(session.find("radio button", "Review"), "Press")
    answers = session.find("list", "Review")
    if answers is None:
        return
    focused_rows = [e for e in session.events_of("focus:") if e.source.getRoleName() == "list item"]
    check(not focused_rows, f"{len(focused_rows)} list rows said to have the focus while the list has not")
    def texts():
        return [n for n in walk(session.app) if n.getRoleName() == "text" and "multi line" in states(n)
                and "showing" in states(n)]

    if not eventually(lambda: len(texts()) == 1 and answers.childCount >= 3, "no answer text beside three rows"):
        return
    answer = texts()[0]
    row = answers.getChildAtIndex(2)
    act(row, "Toggle")
    verdict = row.name.split("\n")[0].split(". ", 1)[1].split(";")[0]

    def shown():
        return answer.queryText().getText(0, -1)

    eventually(lambda: verdict in shown(), lambda: f"choosing {row.name!r} explains {shown()[:80]!r}")
    check("\ufdd0" not in shown() and "\ufdd1" not in shown(), "the answer text carries invisible characters")


def the_electrolytes_page(session):
    """The electrolytes page from its side-bar item: named fields that expose their value, a named unit
    choice and Clear, and the gap read as text after Analyze."""
    act(session.find("radio button", "Electrolytes"), "Press")
    sodium = session.find("spin button", "Na (mEq/L)")
    chloride = session.find("spin button", "Cl (mEq/L)")
    check(session.find("spin button", "Albumin") is not None, "the albumin field is not named")
    # A combo box is named by its choice on this bus; its caption is its label.
    unit = session.find("combo box", "g/L")
    if unit is not None:
        labels = [r.getTarget(0).name for r in unit.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labels == ["Albumin unit"], f"the albumin unit is labelled {labels}")
    check(session.find("push button", "Clear electrolytes") is not None, "the electrolytes' Clear is not named")
    if sodium is None or chloride is None:
        return
    # Typed as a user types, digit keys into each field; a key a loaded machine
    # lost is typed again.
    for field, value in ((sodium, 140), (chloride, 100)):
        for _ in range(3):
            for _ in range(4):
                key(0xFF08, field)  # BackSpace
            for digit in str(value):
                key(ord(digit), field)
            if eventually(lambda f=field, v=value: f.queryValue().currentValue == v, "", seconds=3, quiet=True):
                break
        check(field.queryValue().currentValue == value, f"{field.name} exposes {field.queryValue().currentValue}")
    act(session.find("push button", "Analyze"), "Press")
    reading = session.find("text", "Anion gap")
    if reading is None:
        return
    eventually(lambda: "= 140 − (100 + " in reading.queryText().getText(0, -1),
               lambda: f"the gap reads {reading.queryText().getText(0, -1)[:80]!r}")


def the_help_window(session):
    """English help opens in a window of its own, its parts named; Escape closes it."""
    act(session.find("radio button", "ABG Help"), "Press")

    def help_window():
        return next((n for n in walk(session.app) if n.name == "Halvex Help"), None)

    if not eventually(lambda: help_window() is not None, "no help window"):
        return
    window = help_window()
    check(window.getRoleName() == "frame", f"the help window is a {window.getRoleName()}")
    parts = {(n.getRoleName(), n.name) for n in walk(window)}
    check(("list", "Contents") in parts, "the help's contents are not named")
    check(any(name == "Help text" for role, name in parts), f"the help's text is not named: {sorted(parts)}")
    key(0xFF1B, next(n for n in walk(window) if n.name == "Contents"))  # Escape
    eventually(lambda: "showing" not in states(window), "Escape left the help window open")


def french_names(session):
    act(session.find("radio button", "Français"), "Press")
    clear = session.find("push button", "Effacer")
    if clear is not None:
        check(clear.description == "Efface les gaz du sang en cours", f"Effacer described as {clear.description!r}")
    check(session.find("spin button", "Age, Ans") is not None, "the age field is not named in French")
    check(session.find("radio button", "Révision") is not None, "the review item is not named in French")
    check(session.find("radio button", "Électrolytes") is not None, "the electrolytes item is not named in French")
    act(session.find("radio button", "English"), "Press")


class Heard:
    """What a screen reader hears while it is listened to: each notification as
    it appears, named as it is then, and each focus that moves."""

    def __init__(self):
        self.said = []
        self.listener = self.hear
        for kind in ("object:state-changed:showing", "focus:"):
            pyatspi.Registry.registerEventListener(self.listener, kind)

    def hear(self, event):
        try:
            role, name = event.source.getRoleName(), event.source.name
        except Exception:  # a destroyed object
            return
        if event.type.startswith("focus:"):
            self.said.append(("focus", name))
        elif role == "notification" and event.detail1 == 1:
            self.said.append(("news", name))

    def news(self):
        return [name for kind, name in self.said if kind == "news"]

    def told(self, what, seconds=10):
        """The one news told for `what`, once it is told; None (and a failure) otherwise."""
        eventually(lambda: self.news(), f"nothing was told for {what}", seconds)
        pump(0.5)  # and nothing more
        news = self.news()
        check(len(news) <= 1, f"{what} was told {len(news)} times: {news}")
        return news[0] if news else None

    def focus_before_news(self, control, what):
        """Where the focus moved to `control`, it moved before the news was told.
        (Only a window that has the focus tells where it moves: here, without a
        window manager, the window keeps its news a moment, then tells it.)"""
        kinds = [kind for kind, name in self.said if kind == "news" or name == control]
        check("focus" not in kinds or kinds[:2] == ["focus", "news"],
              f"{what}: the news was told before the focus moved to {control}: {self.said}")

    def close(self):
        for kind in ("object:state-changed:showing", "focus:"):
            pyatspi.Registry.deregisterEventListener(self.listener, kind)


def news_after_each_action(session):
    """Generate, Analyze (with and without an answer) and Load each tell their
    outcome once, as a notification named in words, after the focus has moved;
    no notification is empty, and the teacher page shown again tells nothing."""
    heard = Heard()
    try:
        def field_text(name):
            node = session.find("text", name)
            return node.queryText().getText(0, -1) if node is not None else None

        def results():
            return f"{field_text('Assessment of Acid/Base status')}, {field_text('Assessment of Hypoxemic state')}"

        act(session.find("radio button", "ABG Teacher"), "Press")
        heard.said.clear()
        act(session.find("push button", "Generate"), "Press")
        news = heard.told("Generate")
        values = re.fullmatch(r"New case: pH ([\d.]+), PaCO2 [\d.]+ mmHg, PaO2 [\d.]+ mmHg, HCO3 [\d.]+ mEq/L, "
                              r"O2 \d+ %, Age \d+ Years", news or "")
        ph = session.find("spin button", "pH, -log[H]")
        if check(values is not None, f"Generate told {news!r}") and ph is not None:
            check(abs(float(values.group(1)) - ph.queryValue().currentValue) < 1e-9,
                  f"Generate told {news!r} while the pH field holds {ph.queryValue().currentValue}")
        heard.focus_before_news("Analyze", "Generate")

        act(session.find("check box", "Normal Acid/Base balance"), "Toggle")
        heard.said.clear()
        act(session.find("push button", "Analyze"), "Press")
        news = heard.told("Analyze with an answer")
        if news is not None:
            check(news in (f"Correct ! {results()}", f"Incorrect. {results()}"),
                  f"Analyze with an answer told {news!r}, the results being {results()!r}")
        heard.focus_before_news("Generate", "Analyze")

        heard.said.clear()
        act(session.find("radio button", "Statistics"), "Press")
        act(session.find("radio button", "ABG Teacher"), "Press")
        pump(1)
        check(not heard.news(), f"the teacher page shown again told {heard.news()}")

        act(session.find("radio button", "Sample ABGs"), "Press")
        heard.said.clear()
        act(session.find("link", "Normal Acid/Base balance"), "Press")
        news = heard.told("a sample loaded")
        if news is not None:
            check(news.startswith("Case loaded into the fields: pH "), f"a sample loaded told {news!r}")
        heard.said.clear()
        act(session.find("push button", "Analyze"), "Press")
        news = heard.told("Analyze without an answer")
        check(news == results(), f"Analyze without an answer told {news!r}, the results being {results()!r}")

        act(session.find("radio button", "Review"), "Press")
        heard.said.clear()
        act(session.find("push button", "Load into the fields"), "Press")
        news = heard.told("a reviewed answer loaded")
        if news is not None:
            check(news.startswith("Case loaded into the fields: pH "), f"a reviewed answer loaded told {news!r}")

        # Electrolytes drawn with the case, read on their page: the reading in one line after the results.
        act(session.find("radio button", "ABG Teacher"), "Press")
        act(session.find("check box", "With electrolytes"), "Toggle")
        act(session.find("radio button", "Electrolytes"), "Press")
        act(session.find("push button", "Generate"), "Press")
        heard.said.clear()
        act(session.find("push button", "Analyze"), "Press")
        news = heard.told("Analyze with electrolytes")
        if news is not None:
            check(news.startswith(results() + ". Anion gap ") and " mEq/L: " in news,
                  f"Analyze with electrolytes told {news!r}")
        act(session.find("radio button", "ABG Teacher"), "Press")
        act(session.find("check box", "With electrolytes"), "Toggle")
        check(all(name for kind, name in heard.said if kind == "news"), f"an empty notification: {heard.said}")
    finally:
        heard.close()


def the_preview_tells_its_page(session):
    """The print preview: a page turned to from a button is told in words, once.
    Keys, not actions: an action waits for its answer until a modal dialog closes."""
    heard = Heard()
    try:
        act(session.find("radio button", "Print Samples"), "Press")
        key(0x20, session.find("push button", "Print"))  # Space
        ok = session.find("push button", "OK", seconds=20)
        if ok is None:
            return
        key(0x20, ok)  # the preview, chosen first
        last = session.find("push button", "Last page", seconds=30)
        if last is None:
            return
        heard.said.clear()
        key(0x20, last)
        news = heard.told("the last page")
        check(re.fullmatch(r"Page (\d+) of \1", news or "") is not None, f"the last page told {news!r}")
        key(0x20, session.find("push button", "Close"))
        eventually(lambda: "showing" not in states(last), "Close left the preview open")
    finally:
        heard.close()


def preferences_take_keys():
    """The decimals fields, on the page as restored from the stored settings."""
    session = Session("[frmMain]\npcABGDetails\\ActivePage=tsUserPrefs\n")
    try:
        field = session.find("spin button", "Decimals of pH")
        if field is None:
            return
        value = field.queryValue()
        check(value.minimumIncrement == 1, f"the decimals step is {value.minimumIncrement}")
        check(value.currentValue == 2, f"pH decimals start at {value.currentValue}")
        key(0xFF52, field)  # Up
        eventually(lambda: field.queryValue().currentValue == 3,
                   lambda: f"Up left pH decimals at {field.queryValue().currentValue}")
    finally:
        session.close()


def the_help_reads_on_a_dark_desktop():
    """The help book on a dark desktop: its title, warning, links and headings in colours that read on
    its dark page, as the text's attributes tell a screen reader."""
    session = Session(desktop=DARK_DESKTOP)
    try:
        act(session.find("radio button", "ABG Help"), "Press")

        def shown_book():
            return next((n for n in walk(session.app) if n.name == "Help text" and "showing" in states(n)), None)

        if not eventually(lambda: shown_book() is not None, "no help text on the dark desktop"):
            return
        book = shown_book()
        whole = book.queryText().getText(0, -1)
        heading = whole.find("\nEntering and analysing a blood gas\n")
        places = {"title": whole.find("Halvex Help"), "warning": whole.find("Designed for teaching"),
                  "first link": whole.find("Entering and analysing"), "first heading": heading + 1 if heading >= 0 else -1}
        for what, offset in places.items():
            if not check(offset >= 0, f"the help has no {what}: {whole[:200]!r}"):
                continue
            colour = text_colour(book, offset)
            if check(colour is not None, f"the help's {what} has no colour"):
                check(contrast(colour, DARK_PAGE) >= 4.5,
                      f"the help's {what} is {colour} on {DARK_PAGE}, {contrast(colour, DARK_PAGE):.2f}:1")
    finally:
        session.close()


def preferences_in_the_side_bar():
    """Preferences stand after Print Samples in either language, and the keyboard reaches them: Ctrl+Comma
    from anywhere, the side-bar item with Space; a decimal changed there is saved and shown."""
    session = Session()
    try:
        give_keyboard(session.window())
        item = session.find("radio button", "Preferences")
        if item is None:
            return
        siblings = [item.parent.getChildAtIndex(i).name for i in range(item.parent.childCount)]
        check(siblings.index("Preferences") == siblings.index("Print Samples") + 1,
              f"the side bar's items stand as {siblings}")
        ph = session.find("spin button", "pH, -log[H]")
        key(0x2C, ph, CONTROL)  # Ctrl+Comma
        eventually(lambda: "checked" in states(item), "Ctrl+Comma did not show the preferences")
        eventually(lambda: focused(session) is not None and focused(session).name == "Decimals of pH",
                   lambda: f"Ctrl+Comma left the focus on {described(focused(session))}")

        act(session.find("radio button", "Français"), "Press")
        act(session.find("radio button", "Statistics"), "Press")
        item = session.find("radio button", "Préférences")
        if item is None:
            return
        key(0x20, item)  # Space
        eventually(lambda: "checked" in states(item), "Space on Préférences did not show the page")
        decimals = session.find("spin button", "Décimales du pH")
        if decimals is None:
            return
        eventually(lambda: "focused" in states(decimals),
                   lambda: f"the page entered on {described(focused(session))}, not its first field")
        key(0xFF52, decimals)  # Up
        eventually(lambda: decimals.queryValue().currentValue == 3,
                   lambda: f"Up left pH decimals at {decimals.queryValue().currentValue}")
        act(session.find("push button", "Save"), "Press")
        eventually(lambda: "phDec=3" in session.stored(), lambda: f"Save stored {session.stored()!r}")
    finally:
        session.close()


def the_first_start_checks_the_page_shown():
    """With nothing stored the About page shows under the arrow at ABG Teacher, as designed: a screen reader
    is told the page shown, and F6 from the fields, after Alt+G, goes into it."""
    session = Session()
    try:
        about, teacher = session.find("radio button", "About Halvex"), session.find("radio button", "ABG Teacher")
        if about is None or teacher is None:
            return
        check("checked" in states(about), "the About page is shown but its item is not checked")
        check("checked" not in states(teacher), "ABG Teacher is checked over the About page")
        give_keyboard(session.window())
        ph = session.find("spin button", "pH, -log[H]")
        key(ord("g"), ph, ALT)
        key(0xFFC3, focused(session) or ph)  # F6
        eventually(lambda: focused(session) is not None and focused(session).name == "www.halvex-abg.org",
                   lambda: f"F6 from the fields went to {described(focused(session))}, not the About page shown")
    finally:
        session.close()


def electrolytes_in_the_order_seen():
    """The electrolytes page entered on Na; Tab walks it as it is seen: Na, Cl, the albumin and its unit,
    Clear, the reading."""
    session = Session()
    try:
        give_keyboard(session.window())
        item = session.find("radio button", "Electrolytes")
        if item is None:
            return
        key(0x20, item)  # Space
        expected = [("spin button", "Na"), ("spin button", "Cl"), ("spin button", "Albumin"), ("combo box", ""),
                    ("push button", "Clear"), ("text", "Anion gap")]
        walked = []
        for step, (role, name) in enumerate(expected):
            if step:
                key(0xFF09, focused(session))  # Tab
            if not eventually(lambda r=role, n=name: focused(session) is not None
                              and focused(session).getRoleName() == r and focused(session).name.startswith(n),
                              "", quiet=True):
                check(False, f"Tab walks the electrolytes page as {walked + [described(focused(session))]}")
                return
            walked.append(described(focused(session)))
    finally:
        session.close()


def lists_focus_their_current_row():
    """The focus entering the Review's list or the help's contents is told at the list's current row (the
    first, chosen, when none was), after the list itself: a screen reader reads the row, not only the list."""
    session = Session()
    try:
        give_keyboard(session.window())
        act(session.find("radio button", "ABG Teacher"), "Press")
        for _ in range(2):
            act(session.find("push button", "Generate"), "Press")
            act(session.find("check box", "Normal Acid/Base balance"), "Toggle")
            act(session.find("push button", "Analyze"), "Press")
        act(session.find("radio button", "Review"), "Press")
        answers = session.find("list", "Review")
        if answers is None:
            return

        def told_last():
            told = session.events_of("focus:")
            return told[-1].source if told else None

        if not eventually(lambda: focused(session) is not None, "the review page took no focus"):
            return
        session.events.clear()
        key(0xFF09, focused(session))  # Tab, from the box above the list
        first = answers.getChildAtIndex(0)
        eventually(lambda: told_last() == first and "focused" in states(first),
                   lambda: f"Tab into the review told {described(told_last())}, not its first row")

        act(session.find("radio button", "ABG Help"), "Press")
        contents = session.find("list", "Contents")
        if contents is None:
            return
        eventually(lambda: told_last() == contents.getChildAtIndex(0) and "selected" in states(told_last()),
                   lambda: f"the help opened telling {described(told_last())}, not its first section, chosen")
        key(0xFF1B, contents)  # Escape
    finally:
        session.close()


def read_texts_show_their_focus():
    """The explanation and the anion gap's reading, given the focus, are framed as the screen shows them:
    a frame on their edge at 3:1 against the page around and their own ground, drawn only while focused."""
    session = Session()
    try:
        give_keyboard(session.window())
        act(session.find("push button", "Analyze"), "Press")
        act(session.find("push button", "Why?"), "Press")
        pages = (("Explanation", "Explanation"), ("Electrolytes", "Anion gap"))
        for item, name in pages:
            act(session.find("radio button", item), "Press")
            text = session.find("text", name)
            if text is None:
                continue
            text.queryComponent().grabFocus()  # as a screen reader moves the focus
            if not eventually(lambda t=text: "focused" in states(t), f"the text {name!r} did not take the focus"):
                continue
            box = text.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            screen = Screen(os.environ["HALVEX_BUS_SCREEN"])
            around = screen.pixel(box.x - 2, box.y + box.height // 2)
            ground = screen.pixel(box.x + 3, box.y + box.height - 3)

            def weakest(b=box, grounds=(around, ground)):
                drawn = top_edge(b)
                return min(max(contrast(pixel, against) for pixel in drawn) for against in grounds)

            eventually(lambda: weakest() >= 3,
                       lambda n=name: f"the focused {n!r} is framed at {weakest():.2f}:1 against the page or inside")
            framed = top_edge(box)
            session.find("spin button", "pH, -log[H]").queryComponent().grabFocus()
            eventually(lambda b=box, f=framed: top_edge(b) != f, f"the frame of {name!r} stays without the focus")
    finally:
        session.close()


def main():
    session = Session()
    try:
        for step in (roles_names_and_states, headers_say_their_state, links_open_their_address,
                     unit_choice_is_checked, a_teacher_round, the_review_follows_a_chosen_row,
                     the_electrolytes_page, the_help_window, french_names,
                     headers_tell_expanded_and_collapsed, news_after_each_action, the_preview_tells_its_page):
            step(session)
    finally:
        session.close()
    for step in (preferences_take_keys, preferences_in_the_side_bar, the_first_start_checks_the_page_shown,
                 electrolytes_in_the_order_seen, lists_focus_their_current_row, read_texts_show_their_focus,
                 the_help_reads_on_a_dark_desktop):
        step()
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} of the bus checks failed" if failures else "every bus check passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
