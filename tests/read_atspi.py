#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the game's window as a Linux screen reader does, through AT-SPI, in the form
tests/e2e.sh reads every build: one "what=value" line each for the title, the focus, the labels,
the scroll bars' values, and each coin's face and place in the client area."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

SCROLL_BARS = {"Bet": "BetScroll", "Guess": "ChooseScroll"}


def game_window():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application is not None and application.get_name() == "Ten Coins":
            return application.get_child_at_index(0)
    sys.exit("read_atspi: no game window")


def place(element):
    box = element.get_extents(Atspi.CoordType.WINDOW)
    return box.x, box.y, box.width, box.height


def main():
    window = game_window()
    print(f"title={window.get_name()}")
    labels = []
    for i in range(window.get_child_count()):
        child = window.get_child_at_index(i)
        role, name = child.get_role(), child.get_name()
        if child.get_state_set().contains(Atspi.StateType.FOCUSED):
            print(f"focus={SCROLL_BARS.get(name, name)}")
        if role == Atspi.Role.LABEL:
            labels.append((place(child)[1], place(child)[0], name))
        elif role == Atspi.Role.SCROLL_BAR:
            print(f"{SCROLL_BARS[name]}={int(child.get_current_value())}")
        elif name.startswith("Coin "):
            print(f"{name}={child.get_description()}")
            print(f"{name} at=" + " ".join(str(n) for n in place(child)))
    # The bet's label stands left of the guess's, both above the money's.
    for (_, _, text), label in zip(sorted(labels), ("Bet", "Choose", "Money")):
        print(f"{label}={text}")


main()
