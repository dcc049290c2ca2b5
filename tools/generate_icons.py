"""Writes pointer.ico and application.ico into the given folder (default: the program's data)."""

import pathlib
import sys

import application_icon
import icon_file
import pointer_icon

DATA = pathlib.Path(__file__).resolve().parent.parent / "src" / "resources" / "data"
ICONS = {"pointer.ico": pointer_icon, "application.ico": application_icon}


def main(out):
    out.mkdir(parents=True, exist_ok=True)
    for name, design in ICONS.items():
        (out / name).write_bytes(icon_file.encode(design.images()))


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DATA)
