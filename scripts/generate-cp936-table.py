#!/usr/bin/env python3
"""Writes text/data/cp936-two-byte.bin, the two-byte table of code page 936 (GBK) as Windows
maps it.

Run from anywhere, with Python 3 and nothing else:

    python3 scripts/generate-cp936-table.py

and commit the file it writes. It prints the FNV-1a fingerprint of the table; the build turns the
file into a C++ array (text/CMakeLists.txt) and tests/text/Cp936_test.cpp checks the whole
table against the fingerprint of Windows' own table (WholeTwoByteTableMatchesWindows).

Format: 126 rows, one for each lead byte 0x81..0xFE; each row holds 190 little-endian 16-bit
UTF-16 units, one for each trail byte 0x40..0xFE other than 0x7F, in byte order. 0 means no
character. 126 * 190 * 2 = 47880 bytes.

The characters come from Python's "gbk" codec (the same as glibc's GBK). Where GBK has no
character, Windows gives one from the private use area, starting at U+E000: first the three
user-defined areas, then the remaining gaps, each range row by row.
"""

import pathlib
import struct

FIRST_LEAD, LAST_LEAD = 0x81, 0xFE
TRAILS = [t for t in range(0x40, 0xFF) if t != 0x7F]

USER_DEFINED_AREAS = [(0xAAA1, 0xAFFE), (0xF8A1, 0xFEFE), (0xA140, 0xA7A0)]

GBK_GAPS = [
    (0xA2AB, 0xA2B0), (0xA2E3, 0xA2E4), (0xA2EF, 0xA2F0), (0xA2FD, 0xA2FE), (0xA4F4, 0xA4FE),
    (0xA5F7, 0xA5FE), (0xA6B9, 0xA6C0), (0xA6D9, 0xA6DF), (0xA6EC, 0xA6ED), (0xA6F3, 0xA6F3),
    (0xA6F6, 0xA6FE), (0xA7C2, 0xA7D0), (0xA7F2, 0xA7FE), (0xA896, 0xA8A0), (0xA8BC, 0xA8BC),
    (0xA8BF, 0xA8BF), (0xA8C1, 0xA8C4), (0xA8EA, 0xA8FE), (0xA958, 0xA958), (0xA95B, 0xA95B),
    (0xA95D, 0xA95F), (0xA989, 0xA995), (0xA997, 0xA9A3), (0xA9F0, 0xA9FE), (0xD7FA, 0xD7FE),
    (0xFE50, 0xFE7E), (0xFE80, 0xFEA0),
]

OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "text" / "data" / "cp936-two-byte.bin"


def codes_of(first, last):
    """The codes of a range row by row: the lead bytes from first to last, and for each lead the
    trail bytes between the trail bytes of first and last."""
    for lead in range(first >> 8, (last >> 8) + 1):
        for trail in range(first & 0xFF, (last & 0xFF) + 1):
            if trail in TRAILS:
                yield lead, trail


def gbk_character(lead, trail):
    try:
        text = bytes([lead, trail]).decode("gbk")
    except UnicodeDecodeError:
        return 0
    return ord(text) if len(text) == 1 and ord(text) <= 0xFFFF else 0


def build_table():
    table = {}
    private_use = 0xE000
    for first, last in USER_DEFINED_AREAS + GBK_GAPS:
        for code in codes_of(first, last):
            table[code] = private_use
            private_use += 1
    return [
        table.get((lead, trail)) or gbk_character(lead, trail)
        for lead in range(FIRST_LEAD, LAST_LEAD + 1)
        for trail in TRAILS
    ]


def fingerprint(units):
    """FNV-1a over the units, low byte first."""
    value = 0xCBF29CE484222325
    for unit in units:
        for byte in (unit & 0xFF, unit >> 8):
            value = ((value ^ byte) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return value


def main():
    units = build_table()
    OUTPUT.write_bytes(struct.pack(f"<{len(units)}H", *units))
    unmapped = units.count(0)
    print(f"wrote {OUTPUT} ({len(units) * 2} bytes, {unmapped} codes without a character)")
    print(f"fingerprint 0x{fingerprint(units):016X}")


if __name__ == "__main__":
    main()
