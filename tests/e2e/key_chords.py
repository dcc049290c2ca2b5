"""Which key presses end the saver: those that yield a character, by Windows' rule (the WM_CHAR
that TranslateMessage makes of them, US layout). Both programs follow it, checked from this one
table. Each row: X key names, pressed in order and released in reverse, and whether it ends."""

KEY_CHORDS = [
    # Characters, also from keys that type no letter.
    (("q",), True),
    (("space",), True),
    (("Return",), True),
    (("Escape",), True),
    (("BackSpace",), True),
    (("Tab",), True),
    (("Shift_L", "Tab"), True),
    # Ctrl with a letter or one of @ [ \ ] ^ _ gives a control character; Ctrl+Enter a line feed.
    (("Control_L", "c"), True),
    (("Control_L", "Shift_L", "a"), True),
    (("Control_L", "bracketleft"), True),
    (("Control_L", "Shift_L", "2"), True),  # Ctrl+@: the character 0
    (("Control_L", "Return"), True),
    # No character.
    (("Control_L", "Tab"), False),
    (("Control_L", "Shift_L", "Tab"), False),
    (("Control_L", "1"), False),
    (("Control_L", "Shift_L", "Return"), False),
    (("Delete",), False),
    (("Left",), False),
    (("F1",), False),
    (("Shift_L",), False),
    (("Control_L",), False),
    (("Alt_L", "x"), False),  # a menu key on Windows (WM_SYSCHAR)
    (("Control_L", "Alt_L", "x"), False),
]
