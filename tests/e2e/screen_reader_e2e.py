#!/usr/bin/python3
"""A test taken as a screen reader follows it, through the real accessibility
bus (run under dbus-run-session and xvfb-run): at each window the focused
control is read as a screen reader reads it. Exit code 77 when the
accessibility bus cannot start.  screen_reader_e2e.py ORV ORVC"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

SUMS = {"2 + 3": "5", "7 x 8": "56"}  # the sample list's questions
WORDS = ["because", "friend", "garden", "house", "school"]


def press(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def announce_screen_reader():
    """Sets the flag a screen reader sets on the accessibility bus."""
    try:
        Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                   GLib.Variant("b", True))),
            None, Gio.DBusCallFlags.NONE, 10000, None)
    except GLib.Error as error:
        print("skipped: the accessibility bus cannot start: %s" % error)
        sys.exit(77)


class Reader:
    """The active window of the program and its focused control."""

    def __init__(self, pid):
        import pyatspi  # after the flag: it connects to the accessibility bus
        self.at, self.pid = pyatspi, pid

    def focused(self):
        """(window name, control name, control description), or None."""
        at = self.at
        for app in at.Registry.getDesktop(0):
            if app is None or app.get_process_id() != self.pid:
                continue
            for window in app:
                if window is None or not window.getState().contains(at.STATE_ACTIVE):
                    continue
                control = at.findDescendant(
                    window, lambda a: a is not None and a.getState().contains(at.STATE_FOCUSED))
                # A window without a focused control is read as a whole.
                control = control or window
                return (window.name.strip(), control.name, control.description)
        return None

    def wait_for(self, *names):
        seen = None
        for _ in range(300):
            try:
                seen = self.focused()
            except Exception:  # a window closing while it is read
                seen = None
            if seen is not None and seen[0] in names:
                time.sleep(0.5)  # the window settles before keys reach it
                return seen
            time.sleep(0.1)
        raise AssertionError("no window %r; last read %r" % (names, seen))


def take_test(reader, expect):
    reader.wait_for("Login")
    for keys in ("ADMIN", "Return", "kauri-pw", "Return"):
        press(keys) if keys == "Return" else type_text(keys)
    reader.wait_for("Error")  # the first log-in makes a new start-up file
    press("Return")
    reader.wait_for("Orv 7.0")
    press("Return")
    read = reader.wait_for("Math input", "Word to enter")
    while read[0] == "Math input":
        asked = [q for q in SUMS if q in read[2]]
        expect("the sum", "Hi score", read)
        type_text(SUMS[asked[0]] if asked else "0")
        press("Return")
        expect("the result", "RIGHT !!", reader.wait_for("Message"))
        read = reader.wait_for("Math input", "Word to enter")
    # Orv's voice gives way to the screen reader: the word is shown, and read.
    word = ([w for w in WORDS if w in read[2]] + ["a word of the list"])[0]
    expect("the word", word, read)
    expect("the input window", "Hi score", reader.wait_for("Input"))
    swapped = word[0] + word[2] + word[1] + word[3:]
    type_text(swapped)
    press("Return")
    expect("the wrong answer", 'The answer is: "%s". Not: "%s". So close!' % (word, swapped),
           reader.wait_for("You Have got it wrong!"))
    press("Return")
    reader.wait_for("Input")
    press("Escape")
    reader.wait_for("Confirm")  # "Stop this test?"
    press("y")
    expect("the score", "This test: ", reader.wait_for("Score"))
    press("Escape")
    reader.wait_for("Orv 7.0")
    press("alt+q")


def main():
    orv, orvc = sys.argv[1], sys.argv[2]
    announce_screen_reader()
    work = tempfile.mkdtemp()
    home = work + "/home/"
    with open(work + "/pw", "w") as f:
        f.write("kauri-pw\n")
    subprocess.run([orvc, "init", "--home", home, "--admin-password-file", work + "/pw"],
                   check=True, stdout=subprocess.DEVNULL)
    wm = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    program = subprocess.Popen([orv, "--home", home],
                               env=dict(os.environ, XDG_CONFIG_HOME=work + "/config"))
    failures = []

    def expect(what, fragment, read):
        print("%s: %s" % (what, " | ".join(read)))
        if fragment not in " | ".join(read):
            failures.append("%s: %r not read" % (what, fragment))

    try:
        take_test(Reader(program.pid), expect)
        program.wait(30)
    except Exception as error:
        failures.append(str(error))
    finally:
        for process in (program, wm):
            if process.poll() is None:
                process.kill()
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
