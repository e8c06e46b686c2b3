# SPDX-License-Identifier: MIT
"""Works one set of the program the way a screen-reader user does and records what the
accessibility bus shows at each step.

Run inside a private session bus (dbus-run-session) with DISPLAY set to an X desktop:
    screen_reader_walk.py PROGRAM ANSWERS.json OUT.json
ANSWERS.json holds the key of every problem of the set, as [[A, B, C], ...]. OUT.json gets
one entry per step (the tree of both windows and the events since the step before), the
number of events while the sign-in window sat idle, and the program's standard error.
Exits 77 with the reason on standard output when the bus or its client library is missing.
"""
import json
import os
import subprocess
import sys
import time

SKIP = 77


def skip(reason):
    print(reason)
    sys.exit(SKIP)


try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import GLib
    import pyatspi
except (ImportError, ValueError) as error:
    skip(f"no AT-SPI client library: {error}")

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
EVENTS = ["object:property-change:accessible-name", "object:property-change:accessible-description",
          "object:state-changed:showing", "object:state-changed:focused", "object:text-changed", "focus:"]


# Newer at-spi2-core calls a push button "button"; the record keeps one name on every release.
ROLE_NAMES = {"button": "push button"}


def role_name(accessible):
    name = accessible.getRoleName()
    return ROLE_NAMES.get(name, name)


class WalkFailed(Exception):
    pass


class Walk:
    def __init__(self, program, answers):
        self.program = program
        self.answers = answers
        self.events = []
        self.steps = {}
        self.app = None
        self.process = None
        self.launcher = None

    # --- the bus and the program -------------------------------------------------------

    def start_bus(self):
        if not os.path.exists(LAUNCHER):
            skip(f"{LAUNCHER} is missing (at-spi2-core)")
        self.launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
        # What a screen reader sets when it starts; Qt then puts the program on the bus.
        for _ in range(100):
            done = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                   "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                                   "string:ScreenReaderEnabled", "variant:boolean:true"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if done.returncode == 0:
                break
            time.sleep(0.05)
        else:
            skip("the accessibility bus did not start")
        for event in EVENTS:
            pyatspi.Registry.registerEventListener(self.record, event)

    def start_program(self, error_file):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([self.program], env=environment, stderr=error_file)
        self.app = self.wait_for(lambda: self.find_app(), 15, "the program on the bus")

    def stop(self):
        for process in (self.process, self.launcher):
            if process is not None and process.poll() is None:
                process.terminate()
                process.wait(5)

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower().startswith("tarnivo"):
                return app
        return None

    # --- reading the bus ---------------------------------------------------------------

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not context.iteration(False):
                time.sleep(0.01)

    def wait_for(self, found, timeout, what):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            self.pump(0.02)
            try:
                value = found()
            except Exception:  # an object going away while it is read
                value = None
            if value:
                return value
        raise WalkFailed(f"timed out waiting for {what}")

    def record(self, event):
        try:
            source = event.source
            parent = source.parent
            index = source.getIndexInParent()
            before = parent.getChildAtIndex(index - 1).name if parent is not None and index > 0 else ""
            self.events.append({"type": event.type, "role": role_name(source), "name": source.name,
                                "description": source.description, "parent": parent.name if parent else "",
                                "after": before, "detail": event.detail1})
        except Exception as error:
            self.events.append({"type": event.type, "error": str(error)})

    def node(self, accessible):
        try:
            box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            extents = [box.x, box.y, box.width, box.height]
        except NotImplementedError:  # no place on screen, as a notification
            extents = None
        relations = [[relation.getRelationType().value_nick, relation.getTarget(i).name]
                     for relation in accessible.getRelationSet() for i in range(relation.getNTargets())]
        return {"role": role_name(accessible), "name": accessible.name, "description": accessible.description,
                "path": accessible.path,
                "states": sorted(s.value_nick for s in accessible.getState().getStates()),
                "extents": extents, "relations": relations,
                "children": [self.node(accessible.getChildAtIndex(i)) for i in range(accessible.childCount)]}

    def window(self, name):
        for i in range(self.app.childCount):
            child = self.app.getChildAtIndex(i)
            if child.name == name and child.getState().contains(pyatspi.STATE_SHOWING):
                return child
        return None

    def find(self, root, role, name):
        if role_name(root) == role and root.name == name:
            return root
        for i in range(root.childCount):
            found = self.find(root.getChildAtIndex(i), role, name)
            if found is not None:
                return found
        return None

    def step(self, name):
        self.pump(0.3)  # late events: deferred phrases, focus moves
        self.steps[name] = {"windows": [self.node(self.app.getChildAtIndex(i)) for i in range(self.app.childCount)],
                            "events": self.events}
        self.events = []

    # --- a student's keys ----------------------------------------------------------------

    # Events are read while the keys go in, as a screen reader does: an event read only after its
    # window has gone asks the program for objects it no longer has.
    def xdotool(self, *arguments):
        typing = subprocess.Popen(["xdotool", *arguments])
        while typing.poll() is None:
            self.pump(0.01)
        if typing.returncode != 0:
            raise WalkFailed(f"xdotool {' '.join(arguments)} ended with {typing.returncode}")

    def keys(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "5", text)

    def click(self, accessible):
        extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2),
                        str(extents.y + extents.height // 2), "click", "1"], check=True)

    def label_after(self, caption):
        """The value a caption label stands over, as the window reads them in turn."""
        practice = self.window("Tarnivo Practice")
        for i in range(practice.childCount - 1):
            if practice.getChildAtIndex(i).name == caption:
                return practice.getChildAtIndex(i + 1).name.strip()
        return None

    def answer(self, a, b, c):
        practice = self.window("Tarnivo Practice")
        self.click(self.find(practice, "text", "coefficient"))
        for text in (a, b, c):
            self.keys("ctrl+a")
            self.type(text)
            self.keys("Tab")
        self.keys("alt+s")

    def answer_shown(self, texts):
        """Types into the boxes the chosen shape shows, from the first, and presses Enter."""
        practice = self.window("Tarnivo Practice")
        self.click(self.find(practice, "text", "coefficient"))
        for i, text in enumerate(texts):
            self.keys("ctrl+a")
            self.type(text)
            if i + 1 < len(texts):
                self.keys("Tab")
        self.keys("Return")

    def announced(self):
        return any(e.get("role") == "notification" and e["type"] == "object:state-changed:showing"
                   for e in self.events)

    # --- the walk ------------------------------------------------------------------------

    def run(self, error_path):
        self.start_bus()
        with open(error_path, "wb") as errors:
            self.start_program(errors)
            self.wait_for(lambda: self.window("Please Sign In"), 15, "the sign-in window")
            self.wait_for(lambda: self.find(self.app, "text", "Period").getState().contains(pyatspi.STATE_FOCUSED),
                          10, "the focus in the Period box")
            self.step("signin")
            # The prompt flashes every second; a screen reader must not hear it.
            self.pump(2.5)
            idle = len(self.events)
            self.events = []

            self.type("3\t4217\tLovelace, Ada\tHopper")
            self.pump(0.5)
            self.keys("Return")
            self.wait_for(lambda: not self.window("Please Sign In"), 10, "the sign-in window to close")
            self.wait_for(lambda: self.find(self.app, "push button", "Start").getState().contains(
                pyatspi.STATE_FOCUSED), 10, "the focus on Start")
            self.step("signed_in")

            self.keys("Return")
            self.wait_for(lambda: self.label_after("Current Problem") == "1", 10, "the first problem")
            self.step("start")

            a, b, c = self.answers[0]
            practice = self.window("Tarnivo Practice")
            # The shape "a" leaves out the number under the root and the denominator.
            self.click(self.find(practice, "radio button", "a"))
            self.answer_shown([a])
            self.wait_for(lambda: self.announced(), 10, "the marking under the shape a")
            self.step("wrong_shape")

            self.click(self.find(practice, "radio button", "a root b over c"))
            self.wait_for(lambda: self.find(practice, "text", "coefficient").queryText().characterCount == 0, 10,
                          "the boxes emptied by the new shape")
            self.step("new_shape")

            self.answer(a, b + "1", c)  # the number under the root is wrong
            self.wait_for(lambda: self.announced(), 10, "the marking")
            self.step("wrong")

            self.answer(a, b, c)
            self.wait_for(lambda: self.label_after("Right") == "1", 10, "the right answer counted")
            self.step("right")

            self.keys("alt+n")
            self.wait_for(lambda: self.label_after("Current Problem") == "2", 10, "the second problem")
            self.step("next")

            for number in range(2, len(self.answers) + 1):
                self.answer(*self.answers[number - 1])
                self.wait_for(lambda: self.label_after("Right") == str(number), 10, f"problem {number} counted")
                if number < len(self.answers):
                    self.keys("alt+n")
                    self.wait_for(lambda: self.label_after("Current Problem") == str(number + 1), 10,
                                  f"problem {number + 1}")
            self.wait_for(lambda: self.find(self.app, "push button", "Print Results").getState().contains(
                pyatspi.STATE_SHOWING), 10, "the end of the set")
            self.step("end")

            self.keys("alt+x")
            self.process.wait(10)
        return idle


def main():
    program, answers_path, out_path = sys.argv[1:4]
    with open(answers_path) as answers:
        walk = Walk(program, json.load(answers))
    error_path = out_path + ".stderr"
    idle, failure = None, None
    try:
        idle = walk.run(error_path)
    except WalkFailed as stopped:
        failure = str(stopped)
        if walk.app is not None:
            walk.step("failed")
    finally:
        walk.stop()
    with open(error_path, errors="replace") as errors:
        stderr = errors.read()
    with open(out_path, "w") as out:
        json.dump({"steps": walk.steps, "idle_signin_events": idle, "stderr": stderr}, out, indent=1)
    if failure is not None:
        print(failure, "- the bus as it was is in", out_path)
        sys.exit(1)


if __name__ == "__main__":
    main()
