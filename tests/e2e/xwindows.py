"""Finding windows by title and watching what gets shown on a display."""

from Xlib import X, error


def title(x, window):
    """_NET_WM_NAME when set, else WM_NAME; None for a window that is gone."""
    try:
        name = window.get_full_property(x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING"))
        if name is not None:
            return name.value.decode("utf-8", "replace")
        legacy = window.get_wm_name()
        return legacy.decode("latin-1") if isinstance(legacy, bytes) else legacy
    except error.XError:
        return None


def viewable(window):
    try:
        return window.get_attributes().map_state == X.IsViewable
    except error.XError:
        return False


def _draws(window):
    """False for an input-only window (Wine's pointer clipping): it shows nothing."""
    try:
        return window.get_attributes().win_class == X.InputOutput
    except error.XError:
        return True


def _walk(window):
    try:
        children = window.query_tree().children
    except error.XError:
        return
    for child in children:
        yield child
        yield from _walk(child)


def viewable_windows_titled(x, root, wanted):
    return [w for w in _walk(root) if title(x, w) == wanted and viewable(w)]


def client_of(x, top_level):
    """The application's window inside a top-level one (openbox's frame, or itself): the one
    that the window manager marks, or that carries a title; None while neither is set."""
    state = x.intern_atom("WM_STATE")
    for window in [top_level, *_walk(top_level)]:
        try:
            if window.get_full_property(state, X.AnyPropertyType) is not None or title(x, window):
                return window
        except error.XError:
            pass
    return None


def top_level_of(x, window):
    """The child of the root holding the window: openbox's frame, title bar and all."""
    root = x.screen().root
    while (parent := window.query_tree().parent).id != root.id:
        window = parent
    return window


def geometry_on_screen(x, window):
    """(left, top, width, height) of the window's inside, in root coordinates."""
    g = window.get_geometry()
    origin = window.translate_coords(x.screen().root, 0, 0)
    return (-origin.x, -origin.y, g.width, g.height)


def has_focus(x, window):
    """Whether the keyboard focus is on the window or inside it."""
    focus = x.get_input_focus().focus
    root = x.screen().root
    while hasattr(focus, "query_tree") and focus.id != root.id:
        if focus.id == window.id:
            return True
        try:
            focus = focus.query_tree().parent
        except error.XError:
            return False
    return False


class ShownWindows:
    """Records every top-level window mapped on the display from now on."""

    def __init__(self, x):
        self.x = x
        self.root = x.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        x.sync()
        self._clients = {}
        self._unresolved = set()
        self._ignored = set()

    def ignore(self, window):
        """A window of the test's own."""
        self._ignored.add(window.id)

    def poll(self):
        """Reads the map events so far; call it often, while the shown windows still exist."""
        self.x.sync()
        while self.x.pending_events():
            event = self.x.next_event()
            if event.type == X.MapNotify and _draws(event.window):
                self._unresolved.add(event.window)
        for top_level in list(self._unresolved):
            client = client_of(self.x, top_level)
            if client is not None:
                self._unresolved.discard(top_level)
                if client.id not in self._ignored:
                    self._clients.setdefault(client.id, title(self.x, client))

    def shown(self):
        """{window id: title} of every window shown so far (a top-level id and None for a
        window that went before it could be told)."""
        self.poll()
        return {**self._clients, **{w.id: None for w in self._unresolved if w.id not in self._ignored}}
