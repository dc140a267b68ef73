#!/usr/bin/env python3
"""Writes a registry file for the scanner benchmark: a large machine's class
registrations, type libraries and file types, a given share of them pointing
at a file that does not exist. Import it with `regedit /s` into a throw-away
prefix; it first deletes every key a machine of the largest size would have,
so machines of any size and share can be imported one after another.

usage: make_scan_machine.py OUT.reg [--missing SHARE] [--scale FACTOR]
  --missing  share of referenced files that are missing (default 0.1: one in ten)
  --scale    size against 20,000 classes, 5,000 type libraries, 10,000 file types (default 1)
"""
import argparse

CLASSES, LIBRARIES, EXTENSIONS = 20000, 5000, 10000
PRESENT = "C:\\\\windows\\\\notepad.exe"


def guid(kind, number):
    return "{%08X-5641-4E54-5245-%012X}" % (kind, number)


def class_key(i):
    return "HKEY_CLASSES_ROOT\\CLSID\\%s" % guid(0xC1A55, i)


def library_key(i):
    return "HKEY_CLASSES_ROOT\\TypeLib\\%s" % guid(0x71B, i)


def missing(i, share):
    """Spreads the missing references evenly: with 0.1, entries 0, 10, 20, ..."""
    if share <= 0:
        return False
    return i == 0 or int(i * share) > int((i - 1) * share)


def clear_all():
    out = []
    for i in range(CLASSES):
        out += ["[-%s]" % class_key(i), ""]
    for i in range(LIBRARIES):
        out += ["[-%s]" % library_key(i), ""]
    for i in range(EXTENSIONS):
        out += ["[-HKEY_CLASSES_ROOT\\.vb%05d]" % i, "", "[-HKEY_CLASSES_ROOT\\VantrelBench.Type%d]" % i, ""]
    return out


def machine(share, scale):
    out = []
    for i in range(int(CLASSES * scale)):
        key = "[" + class_key(i)
        if missing(i, share):
            out += [key + "\\LocalServer32]", '@="C:\\\\VantrelBench\\\\server%d.exe /automation"' % i, ""]
        elif i % 10 == 5:
            out += [key + "\\LocalServer32]", '@="%s"' % PRESENT, ""]
        else:
            out += [key + "\\InprocServer32]", '@="C:\\\\windows\\\\system32\\\\ole32.dll"', ""]
        if i % 20 == 0:
            tool = "C:\\\\VantrelBench\\\\tool%d.exe" % i if missing(i, share) else PRESENT
            out += [key + "\\ToolboxBitmap32]", '@="%s, 1"' % tool, ""]
    for i in range(int(LIBRARIES * scale)):
        target = "C:\\\\VantrelBench\\\\lib%d.tlb" % i if missing(i, share) else PRESENT
        out += ["[" + library_key(i) + "\\1.0\\0\\win32]", '@="%s"' % target, ""]
    for i in range(int(EXTENSIONS * scale)):
        program = "C:\\\\VantrelBench\\\\open%d.exe" % i if missing(i, share) else PRESENT
        out += ["[HKEY_CLASSES_ROOT\\.vb%05d]" % i, '@="VantrelBench.Type%d"' % i, ""]
        out += ["[HKEY_CLASSES_ROOT\\VantrelBench.Type%d\\shell\\open\\command]" % i,
                '@="\\"%s\\" \\"%%1\\""' % program, ""]
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", nargs="?", default="scan-machine.reg")
    parser.add_argument("--missing", type=float, default=0.1)
    parser.add_argument("--scale", type=float, default=1.0)
    args = parser.parse_args()
    if not 0 <= args.missing <= 1 or not 0 < args.scale <= 1:
        parser.error("--missing is a share from 0 to 1, --scale a factor above 0 and at most 1")
    lines = ["REGEDIT4", ""] + clear_all() + machine(args.missing, args.scale)
    with open(args.out, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
