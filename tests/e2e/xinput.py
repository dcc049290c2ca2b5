"""What a user does: real key presses and pointer moves (XTest), and the desktop's requests."""

from Xlib import X, XK
from Xlib.ext import xtest
from Xlib.protocol import event

_PAGER = 2  # source indication of a request: a pager, i.e. the user


def _keycode(x, name):
    code = x.keysym_to_keycode(XK.string_to_keysym(name))
    if not code:
        raise ValueError(f"no key for {name} on this display")
    return code


def press_keys(x, *names):
    """Presses the keys in order and releases them in reverse: press_keys(x, "Alt_L", "o")."""
    codes = [_keycode(x, name) for name in names]
    for code in codes:
        xtest.fake_input(x, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(x, X.KeyRelease, code)
    x.sync()


def move_pointer(x, left, top):
    xtest.fake_input(x, X.MotionNotify, x=left, y=top)
    x.sync()


def _ask_window_manager(x, window, request, data):
    message = event.ClientMessage(window=window, client_type=x.intern_atom(request),
                                  data=(32, data + [0] * (5 - len(data))))
    x.screen().root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    x.sync()


def request_close(x, window):
    """What the close button does: the window manager turns it into WM_DELETE_WINDOW."""
    _ask_window_manager(x, window, "_NET_CLOSE_WINDOW", [X.CurrentTime, _PAGER])


def request_activation(x, window):
    _ask_window_manager(x, window, "_NET_ACTIVE_WINDOW", [_PAGER, X.CurrentTime])


def open_other_window(x, name="Another program"):
    """A small ordinary window of the test's own, mapped."""
    screen = x.screen()
    window = screen.root.create_window(40, 40, 200, 100, 0, screen.root_depth,
                                       background_pixel=screen.white_pixel)
    window.set_wm_name(name)
    window.set_wm_protocols([x.intern_atom("WM_DELETE_WINDOW")])
    window.map()
    x.sync()
    return window
