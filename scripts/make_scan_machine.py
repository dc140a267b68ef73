#!/usr/bin/env python3
"""Writes a registry file for the scanner benchmark: a large machine's class
registrations, type libraries and file types, one in ten pointing at a file
that does not exist. Import it with `regedit /s` into a throw-away prefix."""
import sys

CLASSES, LIBRARIES, EXTENSIONS = 20000, 5000, 10000
PRESENT = "C:\\\\windows\\\\notepad.exe"


def guid(kind, number):
    return "{%08X-5641-4E54-5245-%012X}" % (kind, number)


def main(path):
    out = ["REGEDIT4", ""]
    for i in range(CLASSES):
        key = "[HKEY_CLASSES_ROOT\\CLSID\\%s" % guid(0xC1A55, i)
        if i % 10 == 0:
            out += [key + "\\LocalServer32]", '@="C:\\\\VantrelBench\\\\server%d.exe /automation"' % i, ""]
        elif i % 10 == 5:
            out += [key + "\\LocalServer32]", '@="%s"' % PRESENT, ""]
        else:
            out += [key + "\\InprocServer32]", '@="C:\\\\windows\\\\system32\\\\ole32.dll"', ""]
        if i % 20 == 0:
            out += [key + "\\ToolboxBitmap32]", '@="C:\\\\VantrelBench\\\\tool%d.exe, 1"' % i, ""]
    for i in range(LIBRARIES):
        target = "C:\\\\VantrelBench\\\\lib%d.tlb" % i if i % 10 == 0 else PRESENT
        key = "[HKEY_CLASSES_ROOT\\TypeLib\\%s" % guid(0x71B, i)
        out += [key + "\\1.0\\0\\win32]", '@="%s"' % target, ""]
    for i in range(EXTENSIONS):
        program = "C:\\\\VantrelBench\\\\open%d.exe" % i if i % 10 == 0 else PRESENT
        out += ["[HKEY_CLASSES_ROOT\\.vb%05d]" % i, '@="VantrelBench.Type%d"' % i, ""]
        out += ["[HKEY_CLASSES_ROOT\\VantrelBench.Type%d\\shell\\open\\command]" % i,
                '@="\\"%s\\" \\"%%1\\""' % program, ""]
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "scan-machine.reg")
