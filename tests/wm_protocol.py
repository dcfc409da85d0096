#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Sends an X window a window manager's message: WM_DELETE_WINDOW, as the close button does, or
WM_TAKE_FOCUS, as choosing the window does (Alt+Tab, a click on its frame).
Usage: wm_protocol.py WINDOW WM_DELETE_WINDOW|WM_TAKE_FOCUS"""
import sys

from Xlib import X, display, protocol

screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1]))
protocols = screen.intern_atom("WM_PROTOCOLS")
message = screen.intern_atom(sys.argv[2])
window.send_event(protocol.event.ClientMessage(
    window=window, client_type=protocols, data=(32, [message, X.CurrentTime, 0, 0, 0])))
screen.flush()
