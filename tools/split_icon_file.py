#!/usr/bin/python3
"""Splits an .ico file into the executable's icon resources.

Writes icon_<id>.bin for each image (ids from FIRST_ID on, in file order) and
icon_group.bin, the resource form of the icon's directory, which names the
images by resource id instead of file offset.

usage: split_icon_file.py ICO_FILE OUT_DIR FIRST_ID
"""

import os
import struct
import sys

HEADER = struct.Struct("<HHH")
FILE_ENTRY = struct.Struct("<BBBBHHII")
GROUP_ENTRY = struct.Struct("<BBBBHHIH")


def split(ico, first_id):
    reserved, kind, count = HEADER.unpack_from(ico, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError("not an icon file")
    images = []
    group = bytearray(HEADER.pack(0, 1, count))
    for index in range(count):
        entry = FILE_ENTRY.unpack_from(ico, HEADER.size + index * FILE_ENTRY.size)
        width, height, colours, zero, planes, bits, size, offset = entry
        if offset + size > len(ico):
            raise ValueError("image %d runs past the end of the file" % index)
        resource_id = first_id + index
        images.append((resource_id, ico[offset:offset + size]))
        group += GROUP_ENTRY.pack(width, height, colours, zero, planes, bits, size, resource_id)
    # The group's data is padded to a whole number of double words, as its size states it.
    group += bytes(-len(group) % 4)
    return images, bytes(group)


def main():
    ico_path, out_dir, first_id = sys.argv[1], sys.argv[2], int(sys.argv[3])
    with open(ico_path, "rb") as source:
        images, group = split(source.read(), first_id)
    os.makedirs(out_dir, exist_ok=True)
    for resource_id, image in images:
        with open(os.path.join(out_dir, "icon_%d.bin" % resource_id), "wb") as out:
            out.write(image)
    with open(os.path.join(out_dir, "icon_group.bin"), "wb") as out:
        out.write(group)


if __name__ == "__main__":
    main()
