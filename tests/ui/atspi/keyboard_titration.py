#!/usr/bin/python3
"""A whole titration with the keyboard only, checked through the accessibility bridge.

Starts its own X server (Xvfb, key auto-repeat on), its own session bus (the AT-SPI bus is
started from it on demand), and the real drevant with the accessibility bridge always on. It
drives the program with xdotool key events only: a level, normality and volume with the keys,
Start, Space held for two seconds and for one, a data page, the arrows over the curve, and an
export under a typed name.
It reads the message panel's text, the graph's points and the scroll bars' names and values
through AT-SPI, and the points announced as the focus walks the curve, and checks them against
the exported file.

Usage: keyboard_titration.py PATH_TO_DREVANT
Bounded in time (TIME_LIMIT_S); every process it started is ended and its temporary folder
removed, whatever happens.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIME_LIMIT_S = 120
processes = []


def fail(message):
    raise AssertionError(message)


def start(args, env, **kwargs):
    # A session of its own, so that the process and whatever it starts (the AT-SPI bus
    # launcher under the session bus) end together.
    p = subprocess.Popen(args, env=env, start_new_session=True, **kwargs)
    processes.append(p)
    return p


def stop_all():
    for p in reversed(processes):
        if p.poll() is None:
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
    deadline = time.monotonic() + 5
    for p in reversed(processes):
        try:
            p.wait(timeout=max(0.1, deadline - time.monotonic()))
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(p.pid, signal.SIGKILL)  # anything left in its session
        except ProcessLookupError:
            pass


def wait_for(what, probe, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    fail("timed out waiting for " + what)


class Session:
    def __init__(self, drevant, tmp):
        self.tmp = tmp
        home = os.path.join(tmp, "home")
        os.makedirs(os.path.join(home, "Documents"))
        runtime = os.path.join(tmp, "run")
        os.makedirs(runtime, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "DBUS_", "AT_SPI", "XDG_", "WAYLAND"))}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.home = home

        # X server on a free display; auto-repeat after 300 ms, then every 30 ms. -noreset:
        # by default the server resets when its last client leaves, and the AT-SPI bus
        # launcher is a client that comes and goes just before drevant connects; a
        # connection made during the reset is refused and Qt aborts.
        read_fd, write_fd = os.pipe()
        start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", "-noreset", "-ardelay", "300", "-arinterval", "30"],
              env, pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            display = f.readline().strip()
        if not display:
            fail("Xvfb did not start")
        env["DISPLAY"] = ":" + display

        bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            fail("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        # Assistive technology reads the a11y bus's address from here.
        subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                        "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                        "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"],
                       env=env, check=True, stdout=subprocess.DEVNULL, timeout=20)
        self.env = env
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                                                "XDG_RUNTIME_DIR", "HOME")})

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.program = start([drevant], app_env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=20)

    def keys(self, *names):
        self.xdotool("key", "--delay", "60", *names)

    def hold(self, key, seconds):
        self.xdotool("keydown", key)
        time.sleep(seconds)
        self.xdotool("keyup", key)

    def focus_window(self, title):
        ids = wait_for("window " + title, lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"], env=self.env,
            stdout=subprocess.PIPE, text=True).stdout.split())
        self.xdotool("windowfocus", "--sync", ids[0])


# --- AT-SPI helpers -------------------------------------------------------------------------

def find_all(node, predicate, found=None, depth=0):
    found = [] if found is None else found
    if node is None or depth > 12:
        return found
    try:
        if predicate(node):
            found.append(node)
        for i in range(node.childCount):
            find_all(node.getChildAtIndex(i), predicate, found, depth + 1)
    except Exception:  # an object that went away while the tree was walked
        pass
    return found


def the_app(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "drevant":
            return app
    return None


def named(app, role_name, name):
    hits = find_all(app, lambda n: n.getRoleName() == role_name and n.name == name)
    return hits[0] if hits else None


def focused_objects(app, pyatspi):
    # The client library caches states and may miss a focus leaving a list entry: ask anew.
    app.clear_cache()
    return find_all(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))


def focused_name(app, pyatspi):
    hits = focused_objects(app, pyatspi)
    # An entry of a list keeps saying it is focused when the focus has left its list: a
    # control that says so is the one.
    controls = [h for h in hits if h.getRoleName() not in ("table cell", "list item")]
    hits = controls or hits
    return hits[-1].name if hits else None


def focus_within(app, pyatspi, name):
    """Whether the focused object is the one named `name` or lies inside it."""
    hits = focused_objects(app, pyatspi)
    node = hits[-1] if hits else None
    while node is not None:
        if node.name == name:
            return True
        node = node.parent
    return False


def pump_events():
    """Delivers the accessibility events that have arrived to their listeners."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def panel_text(app):
    panel = named(app, "text", "Messages")
    if panel is None:
        fail("no message panel in the accessibility tree")
    text = panel.queryText()
    return text.getText(0, text.characterCount)


def eventually(what, probe, expected, timeout=10):
    """Polls until probe() == expected: the bridge answers asynchronously."""
    last = [None]

    def check():
        last[0] = probe()
        return last[0] == expected

    try:
        wait_for(what, check, timeout)
    except AssertionError:
        fail("%s: expected %r, got %r" % (what, expected, last[0]))


# --- the export file ------------------------------------------------------------------------

def read_export(path):
    with open(path, "rb") as f:
        lines = f.read().decode("ascii").split("\r\n")
    normality = lines[1][len("Cb0 (N)= "):].strip()
    volume_l = float(lines[2][len("V0 (L)= "):].strip())
    points = []
    for line in lines[4:]:
        if line.strip():
            volume, ph = line.split()
            points.append((float(volume), float(ph)))
    return lines[0], normality, volume_l, points


def two_decimals(value):
    # The data table's rounding: half away from zero, like the program.
    return "%.2f" % (int(abs(value) * 100 + 0.5 + 1e-9) / 100.0 * (1 if value >= 0 else -1))


def run(drevant):
    import pyatspi  # after the session bus is there

    tmp = tempfile.mkdtemp(prefix="drevant-atspi-")
    try:
        s = Session(drevant, tmp)
        def registered():
            if s.program.poll() is not None:
                fail("drevant ended (status %d) before it was on the accessibility bus"
                     % s.program.returncode)
            return the_app(pyatspi)

        app = wait_for("drevant on the accessibility bus", registered, 60)
        # What a screen reader hears: the objects that gain the focus, as the bridge announces
        # them.
        focus_events = []

        def on_focus(event):
            if event.detail1 == 1:
                focus_events.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

        # Difficulty window: the level group is one tab stop whose arrows choose the level;
        # Down selects "Medium Difficulty", Tab goes on to "Begin".
        s.focus_window("Choose a titration")
        eventually("first focus", lambda: focused_name(app, pyatspi), "Simple System")
        s.keys("Down")
        eventually("Down to Medium", lambda: focused_name(app, pyatspi), "Medium Difficulty")
        eventually("Medium selected", lambda: named(app, "radio button", "Medium Difficulty")
                   .getState().contains(pyatspi.STATE_CHECKED), True)
        s.keys("Tab")
        eventually("Tab to Begin", lambda: focused_name(app, pyatspi), "Begin")
        s.keys("space")

        # Titration window: the focus starts on the normality scroll bar.
        s.focus_window("Drevant")
        eventually("focus on HScroll1", lambda: focused_name(app, pyatspi),
                   "Titrant normality (N)")
        normality = named(app, "scroll bar", "Titrant normality (N)")
        volume = named(app, "scroll bar", "Initial sample volume (mL)")
        if normality is None or volume is None:
            fail("the scroll bars are not named in the accessibility tree")
        # Home: 0.001 N; Page Up ten times: +0.1 N; Left: -0.001 N.
        s.keys("Home", *["Page_Up"] * 10, "Left")
        eventually("normality value", lambda: round(normality.queryValue().currentValue, 6), 0.1)
        eventually("normality text", lambda: normality.description, "0.1")
        s.keys("Tab", "End", "Page_Down", "Page_Down", "Left")
        eventually("volume value", lambda: round(volume.queryValue().currentValue, 6), 799.0)
        eventually("volume text", lambda: volume.description, "799")

        # Tab past the panel, "Show Data" and the graph to "Start"; then the focus is on the
        # burette.
        s.keys("Tab", "Tab", "Tab", "Tab")
        eventually("Tab to Start", lambda: focused_name(app, pyatspi), "Start")
        s.keys("space")
        eventually("focus on the burette", lambda: focused_name(app, pyatspi),
                   "Burette: hold to add titrant")
        graph = named(app, "list", "Titration curve")
        eventually("first point plotted", lambda: graph.childCount, 1)

        # Space held for two seconds with auto-repeat: one press of about 2 mL.
        s.hold("space", 2.0)
        eventually("one point for one hold", lambda: graph.childCount, 2)
        report = wait_for("the report", lambda: "# Data Points: 2" in panel_text(app)
                          and panel_text(app))
        s.hold("space", 1.0)
        eventually("one more point", lambda: graph.childCount, 3)
        report = wait_for("the second report",
                          lambda: "# Data Points: 3" in panel_text(app) and panel_text(app))

        # A data page: Tab to the panel, then "Show Data".
        s.keys("Tab", "Tab")
        eventually("Tab to Show Data", lambda: focused_name(app, pyatspi), "Show Data")
        s.keys("space")
        page = wait_for("a data page", lambda: "End of data" in panel_text(app)
                        and panel_text(app))

        # The page met the end of the data: "Show Data" locks itself and the focus goes back to
        # the burette. Tab past the panel to the graph.
        eventually("focus back on the burette", lambda: focused_name(app, pyatspi),
                   "Burette: hold to add titrant")
        s.keys("Tab", "Tab")
        eventually("Tab to the graph", lambda: focus_within(app, pyatspi, "Titration curve"),
                   True)
        # Arrowing over the curve: each key's point is announced as the focus, by its volume
        # and pH (the rows are checked against the file below).
        rows = [graph.getChildAtIndex(i).name for i in range(graph.childCount)]
        walked = []
        for key in ("Home", "Right", "End", "Left"):
            pump_events()  # what the Tab announced
            focus_events.clear()
            s.keys(key)
            walked.append(wait_for("a focus announced after " + key,
                                   lambda: pump_events() or (focus_events and focus_events[0])))
        # Export: Tab past the locked Start.
        s.keys("Tab")
        eventually("Tab to Export Data", lambda: focused_name(app, pyatspi), "Export Data")
        s.keys("space")
        s.focus_window("Export Data")
        eventually("dialog focus in the folders", lambda: focus_within(app, pyatspi, "Folders"),
                   True)
        s.keys("Tab", "Tab", "Tab")
        eventually("Tab to the name box", lambda: focused_name(app, pyatspi), "File name")
        name_box = named(app, "text", "File name")
        # A held letter repeats: proof that this server's auto-repeat is on.
        s.keys("ctrl+a", "BackSpace")
        s.hold("x", 1.0)
        typed = wait_for("repeated letters", lambda: name_box.queryText().getText(0, -1))
        if len(typed) < 5:
            fail("auto-repeat is off (a held key typed %r): the hold proves nothing" % typed)
        s.keys("ctrl+a", "BackSpace")
        s.xdotool("type", "--delay", "60", "run1")
        eventually("typed name", lambda: name_box.queryText().getText(0, -1), "run1")
        s.keys("Tab")
        eventually("Tab to Save", lambda: focused_name(app, pyatspi), "Save")
        s.keys("space")
        path = os.path.join(s.home, "Documents", "run1.dat")
        wait_for("the export file", lambda: os.path.exists(path))
        time.sleep(0.2)  # the file is renamed into place complete; give the dialog its close

        key, cb0, v0_l, points = read_export(path)
        checks = []
        checks.append(("normality as shown", cb0, "0.1"))
        checks.append(("normality scroll bar value", round(normality.queryValue().currentValue, 6),
                       float(cb0)))
        checks.append(("volume scroll bar value", round(volume.queryValue().currentValue, 6),
                       round(v0_l * 1000, 6)))
        checks.append(("points: start and one per hold", len(points), 3))
        checks.append(("graph rows", graph.childCount, len(points)))
        first_press_ml = points[1][0] * 1000
        checks.append(("a 2 s hold is one press of about 2 mL", 1.9 <= first_press_ml <= 3.0,
                       True))
        expected_page = ["Titrant (mL) pH"] + [
            "%s %s" % (two_decimals(v * 1000), two_decimals(ph)) for v, ph in points
        ] + ["End of data"]
        checks.append(("data page", page.split("\n"), expected_page))
        last_v, last_ph = points[-1]
        lines = {line.rsplit(" ", 1)[0]: line.rsplit(" ", 1)[-1] for line in report.split("\n")
                 if " " in line}
        checks.append(("report: pH of the last point",
                       abs(float(lines.get("pH", "nan")) - last_ph) < 1e-9, True))
        # The report's reading and the file's volume are the same 32-bit value, each written
        # with 7 significant digits (of mL and of L): they agree to that precision.
        checks.append(("report: burette reading", abs(
            float(lines.get("Current Burrette Value (mL)", "nan")) - last_v * 1000) < 2e-6 * max(
            1.0, last_v * 1000), True))
        checks.append(("report: titrant strength", "Titrant Strength (N): 0.1" in report, True))
        checks.append(("points announced walking the curve", walked,
                       [rows[0], rows[1], rows[2], rows[1]]))
        checks.append(("graph rows", rows, ["Point %d: %s mL, pH %s" % (
            i + 1, two_decimals(v * 1000), two_decimals(ph)) for i, (v, ph) in enumerate(points)]))
        bad = ["%s: expected %r, got %r" % (what, want, got) for what, got, want in checks
               if got != want]
        if bad:
            fail("\n".join(bad) + "\npanel report:\n" + report + "\nfile key: " + key)
        print("keyboard titration through AT-SPI: %d points, first press %.3f mL, key %s; "
              "the arrows announced %s" % (len(points), first_press_ml, key, " | ".join(walked)))
    finally:
        stop_all()
        shutil.rmtree(tmp, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2

    def out_of_time(*_):
        raise TimeoutError("took longer than %d s" % TIME_LIMIT_S)

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, out_of_time)
    signal.alarm(TIME_LIMIT_S)
    try:
        run(os.path.abspath(sys.argv[1]))
    except (AssertionError, TimeoutError) as e:
        print("FAILED: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
