#!/usr/bin/env python3
"""Writes a registry file for the scanner benchmark: a large 64-bit machine's class
registrations, type libraries and file types, the same number of class
registrations again in the 32-bit view, and user classes of the machine's size,
a given share of them pointing at a file that does not exist. Import it with
`regedit /s` into a throw-away 64-bit prefix; it first deletes every key a machine
of the largest size would have, so machines of any size and share can be imported
one after another.

usage: make_scan_machine.py OUT.reg [--missing SHARE] [--scale FACTOR]
  --missing  share of referenced files that are missing (default 0.1: one in ten)
  --scale    size against 20,000 classes, 5,000 type libraries, 10,000 file types per
             place (default 1)
"""
import argparse

CLASSES, LIBRARIES, EXTENSIONS = 20000, 5000, 10000
PRESENT = "C:\\\\windows\\\\notepad.exe"

# Where the class keys go, as Wine lays them out: the machine's classes, the 32-bit
# view's class ids (which 64-bit Windows and Wine keep under Classes\Wow6432Node),
# and the user's classes. The 32-bit view shares the rest of the classes.
PLACES = [
    # number, classes key, whether its type libraries and file types are its own
    (0, "HKEY_LOCAL_MACHINE\\Software\\Classes", True),
    (1, "HKEY_LOCAL_MACHINE\\Software\\Classes\\Wow6432Node", False),
    (2, "HKEY_CURRENT_USER\\Software\\Classes", True),
]


def guid(kind, number):
    return "{%08X-5641-4E54-5245-%012X}" % (kind, number)


def class_key(place, i):
    return "%s\\CLSID\\%s" % (place[1], guid(0xC1A55 + (place[0] << 24), i))


def library_key(place, i):
    return "%s\\TypeLib\\%s" % (place[1], guid(0x71B + (place[0] << 24), i))


def extension_key(place, i):
    return "%s\\.vb%d%05d" % (place[1], place[0], i)


def type_key(place, i):
    return "%s\\VantrelBench%d.Type%d" % (place[1], place[0], i)


def missing(i, share):
    """Spreads the missing references evenly: with 0.1, entries 0, 10, 20, ..."""
    if share <= 0:
        return False
    return i == 0 or int(i * share) > int((i - 1) * share)


def clear_all():
    out = []
    for place in PLACES:
        out += ["[-%s]\n" % class_key(place, i) for i in range(CLASSES)]
        if place[2]:
            out += ["[-%s]\n" % library_key(place, i) for i in range(LIBRARIES)]
            for i in range(EXTENSIONS):
                out += ["[-%s]\n" % extension_key(place, i), "[-%s]\n" % type_key(place, i)]
    return out


def gone(place, what, i):
    return "C:\\\\VantrelBench\\\\%s%d_%d.exe" % (what, place[0], i)


def classes(place, share, scale):
    out = []
    for i in range(int(CLASSES * scale)):
        key = "[" + class_key(place, i)
        if missing(i, share):
            out += [key + "\\LocalServer32]", '@="%s /automation"' % gone(place, "server", i), ""]
        elif i % 10 == 5:
            out += [key + "\\LocalServer32]", '@="%s"' % PRESENT, ""]
        else:
            out += [key + "\\InprocServer32]", '@="C:\\\\windows\\\\system32\\\\ole32.dll"', ""]
        if i % 20 == 0:
            tool = gone(place, "tool", i) if missing(i, share) else PRESENT
            out += [key + "\\ToolboxBitmap32]", '@="%s, 1"' % tool, ""]
    if not place[2]:
        return out
    for i in range(int(LIBRARIES * scale)):
        target = gone(place, "lib", i) if missing(i, share) else PRESENT
        out += ["[" + library_key(place, i) + "\\1.0\\0\\win32]", '@="%s"' % target, ""]
    for i in range(int(EXTENSIONS * scale)):
        program = gone(place, "open", i) if missing(i, share) else PRESENT
        out += ["[%s]" % extension_key(place, i), '@="VantrelBench%d.Type%d"' % (place[0], i), ""]
        out += ["[%s\\shell\\open\\command]" % type_key(place, i), '@="\\"%s\\" \\"%%1\\""' % program, ""]
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", nargs="?", default="scan-machine.reg")
    parser.add_argument("--missing", type=float, default=0.1)
    parser.add_argument("--scale", type=float, default=1.0)
    args = parser.parse_args()
    if not 0 <= args.missing <= 1 or not 0 < args.scale <= 1:
        parser.error("--missing is a share from 0 to 1, --scale a factor above 0 and at most 1")
    lines = ["REGEDIT4", ""] + clear_all()
    for place in PLACES:
        lines += classes(place, args.missing, args.scale)
    with open(args.out, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
