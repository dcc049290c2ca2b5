#!/usr/bin/python3
"""Sets the code page of every resource data entry of a PE file, in place.

The resource compiler and the linker leave the code page 0; the executable's
resources are Unicode (1200). The file's checksum is brought up to date when
it has one.

usage: set_resource_code_pages.py PE_FILE [CODE_PAGE]
"""

import sys

import pefile


def data_entries(directory):
    for entry in directory.entries:
        if hasattr(entry, "directory"):
            yield from data_entries(entry.directory)
        else:
            yield entry.data


def set_code_pages(path, code_page):
    pe = pefile.PE(path)
    for data in data_entries(pe.DIRECTORY_ENTRY_RESOURCE):
        data.struct.CodePage = code_page
    if pe.OPTIONAL_HEADER.CheckSum:
        pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
    written = pe.write()
    pe.close()
    with open(path, "wb") as out:
        out.write(written)


def main():
    code_page = int(sys.argv[2]) if len(sys.argv) > 2 else 1200
    set_code_pages(sys.argv[1], code_page)


if __name__ == "__main__":
    main()
