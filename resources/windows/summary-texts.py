#!/usr/bin/python3
"""Writes texts into a Windows Installer package's summary information:

    summary-texts.py PACKAGE.msi NAME=TEXT...    (NAME: Subject, Author, Comments, Template)

Windows reads the summary's texts in the code page the summary declares (932
for ひのもり), but wixl and msibuild store the UTF-8 they are given, which
Explorer and inventory tools then show as mojibake. So wixl writes ASCII
placeholders as long as the texts are in that code page, and this puts the
texts in their place. The stream keeps its size, which is all olefile can
write.
"""
import struct
import sys

import olefile

STREAM = "\x05SummaryInformation"
PROPERTIES = {"Subject": 3, "Author": 4, "Comments": 6, "Template": 7}
CODEPAGE, VT_I2, VT_LPSTR = 1, 2, 30


def fail(message):
    sys.exit(f"summary-texts.py: {message}")


def main(package, *assignments):
    with olefile.OleFileIO(package, write_mode=True) as ole:
        data = bytearray(ole.openstream(STREAM).read())
        # A property set: one section, found through its offset at byte 44;
        # the section's property count, then (property, offset) pairs.
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        offsets = dict(struct.unpack_from("<II", data, section + 8 + 8 * i) for i in range(count))

        def value(property_id, expected_type):
            if property_id not in offsets:
                fail(f"the summary has no property {property_id}")
            start = section + offsets[property_id]
            kind, number = struct.unpack_from("<II", data, start)
            if kind != expected_type:
                fail(f"property {property_id} has type {kind}, not {expected_type}")
            return start, number

        codepage = value(CODEPAGE, VT_I2)[1] & 0xFFFF
        for assignment in assignments:
            name, _, text = assignment.partition("=")
            if name not in PROPERTIES:
                fail(f"no summary text called {name!r}")
            start, length = value(PROPERTIES[name], VT_LPSTR)
            encoded = text.encode(f"cp{codepage}") + b"\0"
            if len(encoded) != length:
                fail(f"{name} holds {length - 1} bytes, but {text!r} takes {len(encoded) - 1} in code page {codepage}")
            data[start + 8:start + 8 + length] = encoded
        ole.write_stream(STREAM, bytes(data))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        fail("usage: summary-texts.py PACKAGE.msi NAME=TEXT...")
    main(*sys.argv[1:])
