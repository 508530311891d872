#!/usr/bin/env python3
"""Packs a folder into a zip whose names carry the UTF-8 mark, then reads it back.

    mkzip.py OUT.zip DIR     the zip holds DIR's last component and everything under it

Debian's zip 3.0 stores Cyrillic names (Сateg.db, the folder Лорвена) as raw bytes
without the UTF-8 mark, and Windows then reads them in the OEM code page as garbage.
Python's zipfile sets the mark (general purpose bit 11) on every non-ASCII name.
"""
import os
import sys
import zipfile


def main(out: str, folder: str) -> int:
    folder = os.path.abspath(folder)
    base = os.path.dirname(folder)
    paths = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        paths.append(root)
        paths.extend(os.path.join(root, f) for f in sorted(files))

    tmp = out + ".part"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for p in paths:
            z.write(p, os.path.relpath(p, base))
    os.replace(tmp, out)

    # Read back: every member whole, every name as written, non-ASCII ones marked UTF-8.
    want = {os.path.relpath(p, base).replace(os.sep, "/") + ("/" if os.path.isdir(p) else "") for p in paths}
    with zipfile.ZipFile(out) as z:
        bad = z.testzip()
        if bad:
            print(f"mkzip: {out}: member {bad} is damaged", file=sys.stderr)
            return 1
        got = set()
        for info in z.infolist():
            got.add(info.filename)
            if not info.filename.isascii() and not info.flag_bits & 0x800:
                print(f"mkzip: {out}: {info.filename} lacks the UTF-8 mark", file=sys.stderr)
                return 1
        if got != want:
            print(f"mkzip: {out}: names differ: {sorted(got ^ want)}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
