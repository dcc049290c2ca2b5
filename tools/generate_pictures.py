"""Writes the four stored pictures into the given folder (default: the program's data)."""

import pathlib
import sys

import picture_earth_lightning
import picture_eyes
import picture_galaxy
import picture_moon_face

DATA = pathlib.Path(__file__).resolve().parent.parent / "src" / "resources" / "data"
PICTURES = {
    "eyes.bmp": picture_eyes,
    "moon_face.bmp": picture_moon_face,
    "earth_lightning.bmp": picture_earth_lightning,
    "galaxy.bmp": picture_galaxy,
}


def main(out):
    out.mkdir(parents=True, exist_ok=True)
    for name, scene in PICTURES.items():
        (out / name).write_bytes(scene.render())


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DATA)
