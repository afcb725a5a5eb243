"""What a screen reader gets: every control named by its caption, and an event for every
change of the big display, so that each new key can be announced as it appears."""

import os

import desktop
import e2e_case
from game_copy import write_key_file
from vantosh import DISPLAY, HINT, MAIN_TEMPLATE, START_TEMPLATE


def captioned_controls(window):
    """The template's controls that a player operates, with the captions they show."""
    return [(control["id"], control["caption"]) for control in window.template["controls"]
            if control["kind"] in ("button", "checkbox")]


class ScreenReader(e2e_case.GameTestCase):

    def setUp(self):
        self.events = desktop.NameEvents()
        self.addCleanup(self.events.close)

    def test_controls_are_named_by_their_captions(self):
        game = self.launch()
        start = game.start_dialog()
        self.assertEqual(game.template(START_TEMPLATE)["caption"],
                         desktop.name(start.accessible))
        self.assertEqual([caption for _, caption in captioned_controls(start)],
                         ["STRAT GAME", "EXIT", "ABOUT"])
        for control_id, caption in captioned_controls(start):
            self.assertEqual(start.name_of(control_id), caption)

        main = game.enter_main_window()
        self.assertEqual(game.template(MAIN_TEMPLATE)["caption"], desktop.name(main.accessible))
        named = captioned_controls(main)
        self.assertEqual(len(named), 9, "seven buttons and two check boxes")
        for control_id, caption in named:
            self.assertEqual(main.name_of(control_id), caption)
        self.assertEqual(main.name_of(HINT),
                         "Choose checkboxes before you click\nthe mode button.")

    def test_every_key_shown_raises_an_event_that_names_it(self):
        copy = self.new_copy()
        keys = "kkklsajd"
        key_file = write_key_file(os.path.join(copy.root, "announced keys.vts"), keys)
        game = self.launch(copy)
        main = game.enter_main_window()
        main.arm_fixed(key_file)
        display = main.control(DISPLAY)
        announced_before = len(self.events.names_of(display))
        main.start_game()
        main.focus()

        seen = []
        shown = "1"
        for key in keys:
            shown = main.next_key(shown)
            seen.append(shown)
            main.type_key(key)
        main.wait_for(DISPLAY, "YOU WIN!")

        announced = self.events.names_of(display)[announced_before:]
        # Three K in a row: the marker sets the second apart, so every tick changes the text.
        self.assertEqual(seen, ["K", "K*", "K", "L", "S", "A", "J", "D"])
        self.assertEqual(announced, ["3", "2", "1"] + seen + ["YOU WIN!"])


if __name__ == "__main__":
    e2e_case.main()
