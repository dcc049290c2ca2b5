"""The stored pictures and icons have the layout that the program and the platform rely on."""

import os
import pathlib
import struct
import unittest

DATA = pathlib.Path(os.environ["DATA_DIR"])

PICTURES = (  # in stored order
    ("eyes.bmp", 373, 251, 281174),
    ("moon_face.bmp", 373, 251, 281174),
    ("earth_lightning.bmp", 384, 256, 294966),
    ("galaxy.bmp", 384, 256, 294966),
)
STANDARD_PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
BLACK, GREY, YELLOW = 0, 7, 11


class Pictures(unittest.TestCase):
    def test_headers_describe_bottom_up_24_bit_bitmaps(self):
        for name, width, height, size in PICTURES:
            with self.subTest(picture=name):
                data = (DATA / name).read_bytes()
                self.assertEqual(len(data), size)
                magic, file_size, reserved1, reserved2, offset = struct.unpack_from("<2sIHHI", data)
                self.assertEqual((magic, file_size, reserved1, reserved2, offset),
                                 (b"BM", size, 0, 0, 54))
                fields = struct.unpack_from("<IiiHHIIiiII", data, 14)
                self.assertEqual(fields, (40, width, height, 1, 24, 0, size - 54, 0, 0, 0, 0))

    def test_no_pixel_is_pure_black_and_row_padding_is_zero(self):
        for name, width, height, _ in PICTURES:
            with self.subTest(picture=name):
                data = (DATA / name).read_bytes()
                stride = (width * 3 + 3) // 4 * 4
                for y in range(height):
                    row = data[54 + y * stride: 54 + (y + 1) * stride]
                    self.assertEqual(row[width * 3:], bytes(stride - width * 3), f"row {y}")
                    pixels = row[:width * 3]
                    for x in range(width):
                        if pixels[3 * x: 3 * x + 3] == b"\0\0\0":
                            self.fail(f"pure black at column {x}, row {height - 1 - y}")

    def test_pictures_of_the_same_size_differ_throughout(self):
        # The pictures are told apart on screen by their pixels.
        for a, b in ((0, 1), (2, 3)):
            first = (DATA / PICTURES[a][0]).read_bytes()[54:]
            second = (DATA / PICTURES[b][0]).read_bytes()[54:]
            same = sum(1 for i in range(0, len(first) - 2, 3) if first[i:i + 3] == second[i:i + 3])
            self.assertLess(same, len(first) // 300, f"{PICTURES[a][0]} and {PICTURES[b][0]}")


def read_icon(name):
    """The images of an .ico file, largest first, as rows (top first) of palette index or None."""
    data = (DATA / name).read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data)
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    images = []
    for entry in entries:
        width, height, offset = entry[0], entry[1], entry[7]
        header = struct.unpack_from("<IiiHHIIiiII", data, offset)
        palette = [tuple(data[offset + 40 + 4 * i: offset + 43 + 4 * i][::-1]) for i in range(16)]
        colour_stride, mask_stride = (width // 2 + 3) // 4 * 4, (width // 8 + 3) // 4 * 4
        colours = offset + 40 + 64
        masks = colours + colour_stride * height
        rows = []
        for y in range(height - 1, -1, -1):
            row = []
            for x in range(width):
                byte = data[colours + y * colour_stride + x // 2]
                index = byte >> 4 if x % 2 == 0 else byte & 15
                transparent = data[masks + y * mask_stride + x // 8] >> (7 - x % 8) & 1
                row.append((index, transparent))
            rows.append(row)
        images.append({"entry": entry, "header": header,
                       "palette": palette, "rows": rows, "end": masks + mask_stride * height})
    return data, (reserved, kind, count), images


def opaque(image):
    return {(x, y): index for y, row in enumerate(image["rows"])
            for x, (index, transparent) in enumerate(row) if not transparent}


class IconLayout(unittest.TestCase):
    def test_both_icons_are_two_16_colour_images_in_1078_bytes(self):
        for name in ("pointer.ico", "application.ico"):
            with self.subTest(icon=name):
                data, directory, images = read_icon(name)
                self.assertEqual(len(data), 1078)
                self.assertEqual(directory, (0, 1, 2))  # type 1: an icon, not a cursor
                self.assertEqual([image["entry"] for image in images],
                                 [(32, 32, 16, 0, 1, 4, 744, 38), (16, 16, 16, 0, 1, 4, 296, 782)])
                for image, size in zip(images, (32, 16)):
                    self.assertEqual(image["header"][:6], (40, size, 2 * size, 1, 4, 0))
                    self.assertEqual(tuple(image["palette"]), STANDARD_PALETTE)
                self.assertEqual(images[1]["end"], len(data))

    def test_transparent_pixels_leave_the_screen_unchanged(self):
        # Mask 1 with colour 0: anything else would invert what lies under the icon.
        for name in ("pointer.ico", "application.ico"):
            for image in read_icon(name)[2]:
                for y, row in enumerate(image["rows"]):
                    for x, (index, transparent) in enumerate(row):
                        if transparent:
                            self.assertEqual(index, 0, f"{name} {len(row)}: column {x}, row {y}")


class PointerTick(unittest.TestCase):
    def setUp(self):
        self.large, self.small = (opaque(image) for image in read_icon("pointer.ico")[2])

    def test_large_tick_is_91_black_pixels_from_its_tip_to_its_vertex(self):
        self.assertEqual(len(self.large), 91)
        self.assertEqual(set(self.large.values()), {BLACK})
        columns = [x for x, _ in self.large]
        rows = [y for _, y in self.large]
        self.assertEqual((min(columns), max(columns), min(rows), max(rows)), (5, 29, 3, 28))
        self.assertEqual([x for x, y in self.large if y == 3], [29])
        self.assertIn((14, 28), self.large)
        self.assertTrue({(5, 18), (6, 18), (7, 18)} <= set(self.large))
        for y in range(3, 9):
            self.assertEqual(sum(1 for _, row in self.large if row == y), 1, f"row {y}")

    def test_small_tick_is_38_pixels_with_one_grey(self):
        self.assertEqual(len(self.small), 38)
        self.assertEqual(self.small.pop((9, 6)), GREY)
        self.assertEqual(set(self.small.values()), {BLACK})
        self.assertTrue({(14, 1), (7, 14), (2, 9), (3, 9), (4, 9)} <= set(self.small))
        self.assertEqual(min(y for _, y in self.small), 1)
        self.assertEqual(max(y for _, y in self.small), 14)


class ApplicationSmiley(unittest.TestCase):
    def test_yellow_disc_with_black_features_and_nothing_outside(self):
        for image in read_icon("application.ico")[2]:
            size = len(image["rows"])
            with self.subTest(size=size):
                pixels = opaque(image)
                self.assertEqual(set(pixels.values()), {BLACK, YELLOW})
                centre = (size - 1) / 2
                for y in range(size):
                    for x in range(size):
                        d2 = (x - centre) ** 2 + (y - centre) ** 2
                        if d2 > (size / 2) ** 2:
                            self.assertNotIn((x, y), pixels, "outside the disc")
                        elif d2 < (size / 2 - 2) ** 2:
                            self.assertIn((x, y), pixels, "inside the disc")
                # Black outline where the disc meets its edge, on all four sides.
                middle = size // 2
                for x, y in ((0, middle), (size - 1, middle), (middle, 0), (middle, size - 1)):
                    self.assertEqual(pixels.get((x, y)), BLACK)


if __name__ == "__main__":
    unittest.main()
