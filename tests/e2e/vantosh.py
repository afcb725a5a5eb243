"""The game's windows as the accessibility bus shows them, and a player's moves on them."""

import json
import os

import pyatspi

import desktop

START_CAPTION = "Game-start dialog   [game by orlavo]"
MAIN_CAPTION = "VANTOSH"
OPEN_CAPTION = "Open"
# Message boxes carry the program's file name as their title.
MESSAGE_TITLE = "Quellabox"

START_TEMPLATE = 129
MAIN_TEMPLATE = 102

# Controls of the main window, by their template ids.
DISPLAY = 1001
HOW_TO_PLAY = 1000
EXIT = 1002
MUSIC = 1003
MODE = 1004
RANDOM_MODE = 1005
FIXED_MODE = 1006
INPUT = 1007
TIP = 1008
HIDDEN_CANCEL = 2
RESET = 1010
BEST = 1011
HELL_MODE = 1013
HINT = 1014
KEY_FILE_INFO = 1015
NO_SPEED_CHANGE = 1016
SPEED = 1017

COUNTDOWN = ("3", "2", "1")
RANDOM_KEYS = "ASDJKL"
ENDINGS = ("FINISH", "YOU WIN!")

ROLES = {
    "static": pyatspi.ROLE_LABEL,
    "button": pyatspi.ROLE_PUSH_BUTTON,
    "edit": pyatspi.ROLE_TEXT,
    "checkbox": pyatspi.ROLE_CHECK_BOX,
    "icon": pyatspi.ROLE_IMAGE,
    "bitmap": pyatspi.ROLE_IMAGE,
}


def load_template(templates_dir, dialog_id):
    with open(os.path.join(templates_dir, "%d.json" % dialog_id), encoding="utf-8") as source:
        return json.load(source)


def is_key(display):
    """A key on the big display: one character, perhaps with the repeat marker behind it."""
    return display not in COUNTDOWN and display not in ENDINGS and len(display.rstrip("*")) == 1


def has_state(accessible, state):
    return accessible.getState().contains(state)


class Window:
    """A dialog of the program with its controls found by template id. Qt lists a window's
    controls in the order it made them, the template's order, except that pictures are
    moved under the rest; so the other controls, in order, must each have the role of
    their kind, or the template and the window no longer agree."""

    def __init__(self, accessible, template):
        self.accessible = accessible
        self.template = template
        found = [child for child in desktop.children(accessible)
                 if child.getRole() != pyatspi.ROLE_IMAGE]
        controls = [control for control in template["controls"]
                    if ROLES[control["kind"]] != pyatspi.ROLE_IMAGE]
        if len(found) != len(controls):
            raise AssertionError("window %r lists %d controls, its template %d"
                                 % (template["caption"], len(found), len(controls)))
        self.controls = {}
        for control, child in zip(controls, found):
            if child.getRole() != ROLES[control["kind"]]:
                raise AssertionError("control %d is a %s on the bus, a %s in the template"
                                     % (control["id"], child.getRoleName(), control["kind"]))
            self.controls[control["id"]] = child

    def control(self, control_id):
        return self.controls[control_id]

    def name_of(self, control_id):
        return desktop.name(self.controls[control_id])

    def click(self, control_id):
        desktop.click(self.controls[control_id])

    def is_open(self):
        try:
            return has_state(self.accessible, pyatspi.STATE_SHOWING)
        except Exception:  # pylint: disable=broad-except
            return False  # Gone from the bus: closed.


class MainWindow(Window):
    """The game window and the moves of a game on it."""

    def __init__(self, game, accessible, template):
        super().__init__(accessible, template)
        self.game = game

    def display(self):
        return self.name_of(DISPLAY)

    def input_text(self):
        return desktop.text(self.control(INPUT))

    def focus(self):
        """Takes the keyboard focus back, as after a message box or another copy."""
        desktop.focus_x_window(self.game.pid, MAIN_CAPTION)

    def move_to(self, x, y):
        desktop.move_x_window(self.game.pid, MAIN_CAPTION, x, y)
        self.game.wait_until("the window to move", lambda: self.accessible.queryComponent(
            ).getPosition(pyatspi.DESKTOP_COORDS) == (x, y))

    def wait_for(self, control_id, wanted, timeout=desktop.TIMEOUT):
        desktop.wait_for_value("control %d to show %r" % (control_id, wanted),
                               lambda: self.name_of(control_id), wanted, timeout,
                               self.game.ended)

    def wait_display(self, what, accept, timeout=desktop.TIMEOUT):
        """Waits until the big display shows something `accept` takes; returns it."""
        return self.game.wait_until(
            what, lambda: accept(self.display()) and self.display(), timeout)

    def next_key(self, after):
        """The next key shown once the display no longer shows `after`."""
        return self.wait_display("a key after %r" % after,
                                 lambda shown: shown != after and is_key(shown))

    def next_change(self, after):
        return self.wait_display("the display to change from %r" % after,
                                 lambda shown: shown != after)

    def arm_random(self):
        self.click(RANDOM_MODE)
        self.wait_for(MODE, "Mode:Random")

    def arm_fixed(self, key_file):
        """Chooses the key file in the Open dialog by typing its full path."""
        self.click(FIXED_MODE)
        chooser = self.game.wait_until(
            "the Open dialog",
            lambda: desktop.top_window(self.game.app, pyatspi.ROLE_DIALOG, OPEN_CAPTION))
        file_name = self.game.wait_until(
            "the Open dialog's file name box",
            lambda: desktop.find(chooser, pyatspi.ROLE_TEXT, "File name:"))
        self.game.wait_until("the file name box to take the focus",
                             lambda: has_state(file_name, pyatspi.STATE_FOCUSED))
        desktop.focus_x_window(self.game.pid, OPEN_CAPTION)
        desktop.type_text(key_file)
        desktop.wait_for_value("the typed path in the file name box",
                               lambda: desktop.text(file_name), key_file,
                               give_up=self.game.ended)
        desktop.press("Return")
        self.wait_for(MODE, "Mode:Fixed")

    def start_game(self):
        """Clicks into the input box, which starts the armed game with its countdown."""
        self.click(INPUT)
        self.wait_display("the countdown", lambda shown: shown in COUNTDOWN)

    def begin_random_game(self):
        """Arms Random mode and starts the game; the keys typed go to the input box."""
        self.arm_random()
        self.start_game()
        self.focus()

    def begin_fixed_game(self, key_file):
        self.arm_fixed(key_file)
        self.start_game()
        self.focus()

    def type_key(self, key):
        desktop.type_text(key)

    def hit(self, after, case=str.lower):
        """Waits for the key that follows `after` and types it; returns the key shown."""
        shown = self.next_key(after)
        self.type_key(case(shown[0]))
        return shown

    def miss(self, after):
        """Waits for the key that follows `after` and types another; returns the key shown."""
        shown = self.next_key(after)
        self.type_key(next(key for key in RANDOM_KEYS if key != shown[0]).lower())
        return shown


class Game:
    """One running copy of the program, seen from outside."""

    def __init__(self, copy, templates_dir):
        self.copy = copy
        self.templates_dir = templates_dir
        self.process = None
        self.pid = None
        self.app = None

    def launch(self):
        self.process = self.copy.start()
        self.attach(self.process.pid)
        return self

    def attach(self, pid):
        """Finds the program with this process id on the accessibility bus."""
        self.pid = pid
        self.app = self.wait_until("process %d on the accessibility bus" % pid,
                                   lambda: (desktop.applications(pid) or [None])[0])
        return self

    def ended(self):
        """Why no wait on this program can succeed any more, or None while it runs."""
        if self.process is None or self.process.poll() is None:
            return None
        return "the program ended with status %d" % self.process.returncode

    def wait_until(self, what, probe, timeout=desktop.TIMEOUT):
        """Waits on the screen while the program runs; its end fails the wait at once."""
        return desktop.wait_until(what, probe, timeout, self.ended)

    def template(self, dialog_id):
        return load_template(self.templates_dir, dialog_id)

    def window(self, caption):
        return desktop.top_window(self.app, pyatspi.ROLE_DIALOG, caption)

    def start_dialog(self):
        accessible = self.wait_until("the start dialog", lambda: self.window(START_CAPTION))
        return Window(accessible, self.template(START_TEMPLATE))

    def enter_main_window(self):
        """Accepts the start dialog with Enter, as its focused default button invites."""
        start = self.start_dialog()
        desktop.focus_x_window(self.pid, START_CAPTION)
        self.wait_until("STRAT GAME to have the focus",
                        lambda: has_state(start.control(1), pyatspi.STATE_FOCUSED))
        desktop.press("Return")
        return self.main_window()

    def main_window(self):
        def shown():
            window = self.window(MAIN_CAPTION)
            return window if window and has_state(window, pyatspi.STATE_SHOWING) else None
        accessible = self.wait_until("the main window", shown)
        return MainWindow(self, accessible, self.template(MAIN_TEMPLATE))

    def message(self, wanted_text, timeout=desktop.TIMEOUT):
        """Waits for the message box that says `wanted_text`; returns the box."""
        def open_box():
            for box in desktop.children(self.app):
                if (box is not None and box.getRole() == pyatspi.ROLE_ALERT
                        and desktop.name(box) == MESSAGE_TITLE
                        and desktop.find(box, pyatspi.ROLE_LABEL, wanted_text)):
                    return box
            return None
        return self.wait_until("the message %r" % wanted_text, open_box, timeout)

    def open_messages(self):
        """The texts of the message boxes open now."""
        texts = []
        for box in desktop.children(self.app):
            if box is not None and box.getRole() == pyatspi.ROLE_ALERT:
                texts += [desktop.name(label) for label in desktop.children(box)
                          if label.getRole() == pyatspi.ROLE_LABEL]
        return texts

    def answer(self, box, button_name):
        """Clicks a button of a message box and waits until the box is gone."""
        desktop.click(desktop.find(box, pyatspi.ROLE_PUSH_BUTTON, button_name))
        self.wait_until("the message box to close",
                        lambda: box not in desktop.children(self.app))

    def wait_exit(self, timeout=desktop.TIMEOUT):
        """Waits for the process to end; returns its exit status."""
        desktop.wait_until("process %d to end" % self.pid,
                           lambda: self.process.poll() is not None, timeout)
        return self.process.returncode

    def alive(self):
        return self.process.poll() is None
