#!/usr/bin/env python3
"""Records the expected results of ini-reading-cases.tsv into ini-reading.tsv.

Runs every case through the profile oracle (GetPrivateProfileStringA under Wine with code page 936)
and keeps what it returned, except where the case gives the expected result itself (Windows differs
from Wine, or the reader deliberately differs). The project's tests read only ini-reading.tsv.

    record-ini-reading.py ORACLE [SCRATCH_DIR]
"""
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
BUFSIZE = "65536"


def expand(field):
    return re.sub(r"\{(.)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), field)


def field_bytes(field):
    """The code page 936 bytes the oracle passes for a field written with its escapes."""
    out, text, i = bytearray(), [], 0
    simple = {"r": "\r", "n": "\n", "t": "\t", "0": "\0", "s": " ", "\\": "\\"}

    def flush():
        out.extend("".join(text).encode("gbk"))
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


def main():
    oracle = sys.argv[1]
    scratch = sys.argv[2] if len(sys.argv) > 2 else "/tmp/ini-reading-record"
    os.makedirs(scratch, exist_ok=True)
    rows = []
    with open(os.path.join(HERE, "ini-reading-cases.tsv"), encoding="utf-8") as cases:
        for line in cases:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                rows.append(line.split("\t"))

    script, files, cases = [], [], []
    path = lambda name: f"{scratch}/{name}.ini"
    script.append(["delete", path("missing")])
    for row in rows:
        kind = row[0]
        if kind in ("file", "rep", "copy"):
            name = row[1]
            if kind == "file":
                script.append(["create", path(name)] + row[2:4])
            elif kind == "rep":
                script.append(["createrep", path(name)] + row[2:7])
            else:
                script.append(["copy", row[2], path(name)])
            script.append(["dump", path(name)])
            files.append((name, len(script)))
        else:
            row = [expand(f) for f in row] + [""] * 9
            if kind == "keys":
                case = dict(kind=kind, id=row[1], file=row[2], section=row[3], key="",
                            fallback="", source=row[4], expected=row[5], note=row[6])
                script.append(["get", path(case["file"]), case["section"], "\\N", "", BUFSIZE])
            else:
                case = dict(kind=kind, id=row[1], file=row[2], section=row[3], key=row[4],
                            fallback=row[5], source=row[6], expected=row[7], note=row[8])
                script.append(["get", path(case["file"]), case["section"], case["key"],
                               case["fallback"], BUFSIZE])
            case["line"] = len(script)
            cases.append(case)

    text = "".join("\t".join(op) + "\n" for op in script)
    run = subprocess.run([oracle, "-j", "-"], input=text.encode("utf-8"), capture_output=True,
                         check=True)
    results = {}
    for out in run.stdout.decode("utf-8").splitlines():
        if out.startswith("{"):
            result = json.loads(out)
            results[result["line"]] = result

    with open(os.path.join(HERE, "ini-reading.tsv"), "w", encoding="utf-8", newline="\n") as data:
        data.write("# Recorded by record-ini-reading.py from ini-reading-cases.tsv; do not edit.\n")
        data.write("# file\tNAME\tHEX\n")
        data.write("# case\tID\tOP\tFILE\tSECTION_HEX\tKEY_HEX\tFALLBACK_HEX\tEXPECTED_HEX\t"
                   "SOURCE\tREADABLE\n")
        data.write("# Texts are code page 936 bytes in hex; a key list is its names, each "
                   "followed by 00.\n")
        for name, line in files:
            data.write(f"file\t{name}\t{results[line]['hex'].replace(' ', '')}\n")
        for case in cases:
            got = results[case["line"]]
            returned = bytes.fromhex(got["hex"])[:got["ret"]]
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
