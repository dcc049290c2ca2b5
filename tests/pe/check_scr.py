#!/usr/bin/python3
"""Reads the built Windows screen saver and checks its header, imports and resources.

usage: check_scr.py SKARVELUNDE_SCR APPLICATION_ICO
"""

import struct
import sys
import unittest

import pefile

SCR_PATH = None
ICO_PATH = None

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
NEUTRAL, FRENCH_FRANCE = 0x0000, 0x040C
UNICODE_CODE_PAGE = 1200

# DLLs every Windows installation has; nothing of the compiler's own may be needed beside them.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
    "ole32.dll", "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "ntdll.dll",
}

STRINGS = [
    ("CompanyName", "Quendral & Cie"),
    ("ProductName", "SCRNSAVE:Skarvelunde"),
    ("FileVersion", "1.00"),
    ("ProductVersion", "1.00"),
    ("InternalName", "Skarvelunde"),
    ("OriginalFilename", "Skarvelunde.scr"),
]


def resources(pe):
    """(type, id, language) -> data entry, for every resource."""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                found[(kind.id, name.id, language.id)] = language.data.struct
    return found


def resource_bytes(pe, entry):
    return pe.get_data(entry.OffsetToData, entry.Size)


def ico_images(ico):
    count = struct.unpack_from("<H", ico, 4)[0]
    images = []
    for index in range(count):
        size, offset = struct.unpack_from("<II", ico, 6 + index * 16 + 8)
        images.append(ico[offset:offset + size])
    return images


def align4(offset):
    return (offset + 3) & ~3


def version_node(block, at):
    """One node of a version block: (key, value bytes, value length field, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", block, at)
    end = at + length
    key_at = at + 6
    key_end = key_at
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[key_at:key_end].decode("utf-16-le")
    value_at = align4(key_end + 2)
    # A text value counts its length in characters, a binary one in bytes.
    value_size = value_length * 2 if kind == 1 else value_length
    value = block[value_at:value_at + value_size]
    children = []
    child_at = align4(value_at + value_size)
    while child_at < end:
        child = version_node(block, child_at)
        children.append(child)
        child_at = align4(child[4])
    return key, value, value_length, children, end


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(SCR_PATH)
        cls.resources = resources(cls.pe)
        with open(ICO_PATH, "rb") as ico:
            cls.ico = ico.read()

    def data(self, key):
        return resource_bytes(self.pe, self.resources[key])

    def test_header_is_a_32_bit_gui_program_for_windows_4_with_image_version_1_0(self):
        header = self.pe.OPTIONAL_HEADER
        self.assertEqual(self.pe.FILE_HEADER.Machine, 0x14C)
        self.assertEqual(header.Magic, 0x10B)
        self.assertEqual(header.Subsystem, 2)
        self.assertEqual((header.MajorOperatingSystemVersion, header.MinorOperatingSystemVersion),
                         (4, 0))
        self.assertEqual((header.MajorSubsystemVersion, header.MinorSubsystemVersion), (4, 0))
        self.assertEqual((header.MajorImageVersion, header.MinorImageVersion), (1, 0))

    def test_imports_only_system_dlls(self):
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, SYSTEM_DLLS)

    def test_holds_the_four_resources_and_no_other(self):
        sizes = {key: entry.Size for key, entry in self.resources.items()}
        self.assertEqual(sizes, {
            (RT_ICON, 30001, NEUTRAL): 744,
            (RT_ICON, 30002, NEUTRAL): 296,
            (RT_GROUP_ICON, 1, NEUTRAL): 36,
            (RT_VERSION, 1, FRENCH_FRANCE): 580,
        })
        for key, entry in self.resources.items():
            self.assertEqual(entry.CodePage, UNICODE_CODE_PAGE, key)

    def test_icon_images_are_those_of_the_application_icon(self):
        self.assertEqual([self.data((RT_ICON, 30001, NEUTRAL)), self.data((RT_ICON, 30002, NEUTRAL))],
                         ico_images(self.ico))

    def test_icon_group_lists_the_32_pixel_image_first(self):
        group = self.data((RT_GROUP_ICON, 1, NEUTRAL))
        self.assertEqual(struct.unpack_from("<HHH", group, 0), (0, 1, 2))
        entries = [struct.unpack_from("<BBBBHHIH", group, 6 + index * 14) for index in range(2)]
        self.assertEqual(entries, [(32, 32, 16, 0, 1, 4, 744, 30001),
                                   (16, 16, 16, 0, 1, 4, 296, 30002)])

    def test_version_block_fixed_part(self):
        key, fixed, _, _, end = version_node(self.data((RT_VERSION, 1, FRENCH_FRANCE)), 0)
        self.assertEqual((key, end), ("VS_VERSION_INFO", 580))
        fields = struct.unpack("<13I", fixed)
        self.assertEqual(fields, (
            0xFEEF04BD, 0x00010000,  # signature, structure version 1.0
            0x00010000, 0, 0x00010000, 0,  # file and product version 1.0.0.0
            0, 0, 4, 1, 0, 0, 0))  # flags mask and flags, 32-bit Windows, application, no date

    def test_version_block_translation_then_the_six_strings(self):
        _, _, _, parts, _ = version_node(self.data((RT_VERSION, 1, FRENCH_FRANCE)), 0)
        self.assertEqual([part[0] for part in parts], ["VarFileInfo", "StringFileInfo"])
        variables = parts[0][3]
        self.assertEqual([(name, value) for name, value, _, _, _ in variables],
                         [("Translation", struct.pack("<HH", 0x040C, 0x04B0))])
        tables = parts[1][3]
        self.assertEqual([table[0] for table in tables], ["040C04B0"])
        strings = [(name, value.decode("utf-16-le").rstrip("\0"))
                   for name, value, _, _, _ in tables[0][3]]
        self.assertEqual(strings, STRINGS)


if __name__ == "__main__":
    SCR_PATH, ICO_PATH = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
