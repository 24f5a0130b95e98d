#!/usr/bin/env python3
"""Records the expected results of ini-reading-cases.tsv into ini-reading.tsv.

Writes the case files into a scratch folder, runs every call through GetPrivateProfileStringA under
Wine with code page 936 (read-profile-strings.exe, built from read-profile-strings.c) and keeps what
it returned, except where the case gives the expected result itself (Windows differs from Wine, or
the reader deliberately differs). The project's tests read only ini-reading.tsv.
record-ini-reading.sh builds the program and runs this with Wine set up:

    record-ini-reading.py WINE PROGRAM.exe SCRATCH_DIR
"""
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
BUFSIZE = "65536"


def expand(field):
    return re.sub(r"\{(.)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), field)


def field_bytes(field, codec="gbk"):
    """The bytes of a field written with its escapes: its text in the codec, \\xHH as that byte."""
    out, text, i = bytearray(), [], 0
    simple = {"r": "\r", "n": "\n", "t": "\t", "0": "\0", "s": " ", "\\": "\\"}

    def flush():
        out.extend("".join(text).encode(codec))
        text.clear()

    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field):
            n = field[i + 1]
            if n in simple:
                text.append(simple[n])
                i += 2
                continue
            if n == "x" and re.fullmatch(r"[0-9a-fA-F]{2}", field[i + 2:i + 4]):
                flush()
                out.append(int(field[i + 2:i + 4], 16))
                i += 4
                continue
            if n == "u" and re.fullmatch(r"[0-9a-fA-F]{4}", field[i + 2:i + 6]):
                text.append(chr(int(field[i + 2:i + 6], 16)))
                i += 6
                continue
        text.append(c)
        i += 1
    flush()
    return bytes(out)


def readable(data):
    text = data.decode("gbk", errors="backslashreplace")
    text = text.replace("\\", "\\\\").replace("\t", "\\t").replace("\r", "\\r")
    text = text.replace("\n", "\\n").replace("\0", "\\0")
    return text if len(text) <= 60 else text[:57] + "..."


def key_list(data):
    """The names of a key list buffer that ReadIniKeys keeps: not blank after trimming spaces."""
    names = data.split(b"\0")[:-1]
    kept = [n for n in names if n.decode("gbk", errors="replace").strip(" \u3000")]
    return b"".join(n + b"\0" for n in kept)


CODECS = {"acp": "gbk", "utf8": "utf-8", "utf16le": "utf-16-le", "utf16be": "utf-16-be"}


def file_bytes(row):
    """The bytes of a case file: "file NAME ENC CONTENT", "rep NAME ENC HEAD COUNT ITEM TAIL" or
    "copy NAME SOURCE" (SOURCE beside this script)."""
    if row[0] == "copy":
        with open(os.path.join(HERE, row[2]), "rb") as source:
            return source.read()
    codec = CODECS[row[2]]
    if row[0] == "file":
        return field_bytes(row[3], codec)
    head, count, item, tail = (row[3:7] + [""])[:4]
    items = "".join(item.replace("%N", f"{n:04d}") for n in range(1, int(count) + 1))
    return field_bytes(head + items + tail, codec)


def main():
    wine, program, scratch = sys.argv[1:4]
    os.makedirs(scratch, exist_ok=True)
    rows = []
    with open(os.path.join(HERE, "ini-reading-cases.tsv"), encoding="utf-8") as cases:
        for line in cases:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                rows.append(line.split("\t"))

    path = lambda name: os.path.join(os.path.abspath(scratch), f"{name}.ini")
    if os.path.exists(path("missing")):
        os.remove(path("missing"))
    files, cases, calls = [], [], []
    for row in rows:
        kind = row[0]
        if kind in ("file", "rep", "copy"):
            name = row[1]
            data = file_bytes(row)
            with open(path(name), "wb") as out:
                out.write(data)
            files.append((name, data))
            continue
        row = [expand(f) for f in row] + [""] * 9
        if kind == "keys":
            case = dict(kind=kind, id=row[1], file=row[2], section=row[3], key="",
                        fallback="", source=row[4], expected=row[5], note=row[6])
        else:
            case = dict(kind=kind, id=row[1], file=row[2], section=row[3], key=row[4],
                        fallback=row[5], source=row[6], expected=row[7], note=row[8])
        windows_path = "Z:" + path(case["file"]).replace("/", "\\")
        key = "-" if kind == "keys" else field_bytes(case["key"]).hex()
        calls.append("\t".join([windows_path.encode("ascii").hex(),
                                field_bytes(case["section"]).hex(), key,
                                field_bytes(case["fallback"]).hex()]))
        cases.append(case)

    run = subprocess.run([wine, program], input="".join(c + "\n" for c in calls).encode("ascii"),
                         capture_output=True, check=True)
    results = [line.split("\t") for line in run.stdout.decode("ascii").splitlines()]
    if len(results) != len(cases):
        sys.exit(f"record-ini-reading: {len(cases)} calls, {len(results)} results")

    with open(os.path.join(HERE, "ini-reading.tsv"), "w", encoding="utf-8", newline="\n") as data:
        data.write("# Recorded by record-ini-reading.py from ini-reading-cases.tsv, which explains "
                   "the case IDs; do not edit.\n")
        data.write("# file\tNAME\tHEX\n")
        data.write("# case\tID\tOP\tFILE\tSECTION_HEX\tKEY_HEX\tFALLBACK_HEX\tEXPECTED_HEX\t"
                   "SOURCE\tREADABLE\n")
        data.write("# Texts are code page 936 bytes in hex; a key list is its names, each "
                   "followed by 00.\n")
        for name, content in files:
            data.write(f"file\t{name}\t{content.hex()}\n")
        for case, (count, hex_bytes) in zip(cases, results):
            returned = bytes.fromhex(hex_bytes)
            assert len(returned) == int(count)
            if case["kind"] == "keys":
                returned = key_list(returned + b"\0")
            if case["source"] == "oracle":
                expected = returned
            else:
                expected = field_bytes(case["expected"])
                if case["kind"] == "keys" and expected:
                    expected += b"\0"
            note = f"{readable(expected)} | Wine: {readable(returned)} | {case['note']}"
            data.write("\t".join([
                "case", case["id"], case["kind"], case["file"],
                field_bytes(case["section"]).hex(), field_bytes(case["key"]).hex(),
                field_bytes(case["fallback"]).hex(), expected.hex(), case["source"], note,
            ]) + "\n")


if __name__ == "__main__":
    main()
