#!/usr/bin/python3
"""A test taken as a screen reader follows it, through the desktop's real
accessibility bus: the program is started on a fresh program directory on a
virtual screen with its own session bus, the bus is told a screen reader runs,
and at each window of the test the focused control is read as a screen reader
reads it (window, name, description). Exit code 77 (skipped) when the
accessibility bus cannot start.

screen_reader_e2e.py ORV ORVC
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
PASSWORD = "reader-pw"
# The program's sample list.
SUMS = {"2 + 3": "5", "7 x 8": "56"}
WORDS = ["because", "friend", "garden", "house", "school"]


def skip(reason):
    print("skipped: " + reason)
    sys.exit(SKIP)


def inside_bus_and_screen():
    """Runs this script again on a virtual screen with a private session bus."""
    for tool in ("dbus-run-session", "xvfb-run", "xdotool", "openbox"):
        if shutil.which(tool) is None:
            skip(tool + " is not installed")
    env = dict(os.environ, ORV_READER_INSIDE="1")
    env.pop("QT_QPA_PLATFORM", None)
    return subprocess.call(["dbus-run-session", "--", "xvfb-run", "-a", "-s",
                            "-screen 0 1024x768x24", sys.executable] + sys.argv, env=env)


def announce_screen_reader():
    """Sets the flag a screen reader sets on the accessibility bus."""
    from gi.repository import Gio, GLib
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                             GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 10000, None)
    except GLib.Error as error:  # no at-spi2-core, or its bus did not start
        skip("the accessibility bus cannot start: %s" % error)


def press(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


class Reader:
    """What a screen reader is told of the program: the focused control."""

    def __init__(self, pid):
        import pyatspi
        self.pyatspi = pyatspi
        self.pid = pid

    def app(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def focused(self):
        """(window name, control name, control description) of the focus, or None."""
        app = self.app()
        if app is None:
            return None
        states = self.pyatspi

        def active(window):
            return window.getState().contains(states.STATE_ACTIVE)

        for window in app:
            if window is None or not active(window):
                continue
            control = states.findDescendant(
                window, lambda a: a is not None and a.getState().contains(states.STATE_FOCUSED))
            if control is None:
                # A window without a focusable control is read as a whole.
                return (window.name.strip(), "", window.description)
            return (window.name.strip(), control.name, control.description)
        return None

    def wait_for(self, *window_names, seconds=30):
        """What is read of the first of the windows to be active."""
        end = time.time() + seconds
        while time.time() < end:
            try:
                seen = self.focused()
            except Exception:  # a window closing while it is read
                seen = None
            if seen is not None and seen[0] in window_names:
                time.sleep(0.5)  # the window settles before keys reach it
                return seen
            time.sleep(0.1)
        raise AssertionError("no window %r; last read %r" % (window_names, self.focused()))


def main():
    if os.environ.get("ORV_READER_INSIDE") != "1":
        return inside_bus_and_screen()
    orv, orvc = sys.argv[1], sys.argv[2]
    announce_screen_reader()
    work = tempfile.mkdtemp()
    home = os.path.join(work, "home") + "/"
    with open(os.path.join(work, "pw"), "w") as f:
        f.write(PASSWORD + "\n")
    subprocess.run([orvc, "init", "--home", home, "--admin-password-file",
                    os.path.join(work, "pw")], check=True, stdout=subprocess.DEVNULL)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"))
    wm = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    program = subprocess.Popen([orv, "--home", home], env=env)
    failures = []

    def expect(what, fragment, read):
        text = " | ".join(read)
        print("%s: %s" % (what, text))
        if fragment not in text:
            failures.append("%s: %r not in %r" % (what, fragment, text))

    try:
        reader = Reader(program.pid)
        reader.wait_for("Login")
        type_text("ADMIN")
        press("Return")
        type_text(PASSWORD)
        press("Return")
        reader.wait_for("Error")  # the first log-in makes a new start-up file
        press("Return")
        reader.wait_for("Orv 7.0")
        press("Return")
        # The sums are answered until the first word comes.
        while True:
            read = reader.wait_for("Math input", "Word to enter")
            if read[0] == "Word to enter":
                break
            sum_asked = next((q for q in SUMS if q in read[2]), None)
            expect("sum", "Hi score", read)
            if sum_asked is None:
                failures.append("no sum of the list read in %r" % (read,))
                break
            type_text(SUMS[sum_asked])
            press("Return")
            expect("result", "RIGHT !!", reader.wait_for("Message"))
        # Orv's voice gives way to the screen reader: the word is shown, and read.
        word = next((w for w in WORDS if w in read[2]), None)
        expect("word", word or "a word of the list", read)
        expect("input", "Hi score", reader.wait_for("Input"))
        wrong_spelling = word[:1] + word[2] + word[1] + word[3:]
        type_text(wrong_spelling)
        press("Return")
        wrong = reader.wait_for("You Have got it wrong!")
        expect("wrong answer", 'The answer is: "%s". Not: "%s".' % (word, wrong_spelling), wrong)
        expect("near miss", word + ".", wrong[2:])
        press("Return")
        reader.wait_for("Input")
        press("Escape")
        reader.wait_for("Confirm")  # "Stop this test?"
        press("y")
        expect("score", "This test:", reader.wait_for("Score"))
        press("Escape")
        reader.wait_for("Orv 7.0")
        press("alt+q")
        program.wait(30)
    except Exception as error:
        failures.append(str(error))
    finally:
        if program.poll() is None:
            program.kill()
        wm.kill()
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
