"""The generators, run afresh, give the committed data files byte for byte."""

import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

DATA = pathlib.Path(os.environ["DATA_DIR"])
TOOLS = pathlib.Path(os.environ["TOOLS_DIR"])
GENERATED = {
    "generate_pictures.py": ("eyes.bmp", "moon_face.bmp", "earth_lightning.bmp", "galaxy.bmp"),
    "generate_icons.py": ("pointer.ico", "application.ico"),
}


def first_difference(a, b):
    for offset, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return offset
    return min(len(a), len(b))


class Regenerated(unittest.TestCase):
    def test_generators_reproduce_the_committed_files(self):
        with tempfile.TemporaryDirectory() as out:
            for script, names in GENERATED.items():
                subprocess.run([sys.executable, "-B", str(TOOLS / script), out], check=True)
                for name in names:
                    with self.subTest(file=name):
                        fresh = (pathlib.Path(out) / name).read_bytes()
                        committed = (DATA / name).read_bytes()
                        self.assertEqual(len(fresh), len(committed))
                        self.assertTrue(fresh == committed, "first differing byte at offset %d"
                                        % first_difference(fresh, committed))


if __name__ == "__main__":
    unittest.main()
