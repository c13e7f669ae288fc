#!/usr/bin/env python3
"""Checks that a built yarno.exe carries the version record and the icon group that yarno.rc
defines: check_resources.py EXE RC ICO (ICO: the icon the build compiled in).
Reads the resources back out of the file with icoutils' wrestool."""
import re
import struct
import subprocess
import sys


def wrestool(*args):
    return subprocess.run(["wrestool", *args], check=True, capture_output=True).stdout


def expected(rc_text):
    """The language, version numbers and strings the script sets."""
    language = re.search(r"^LANGUAGE\s+(\w+)\s*,\s*(\w+)", rc_text, re.M)
    primary, sub = (int(x, 0) for x in language.groups())
    numbers = {key: tuple(int(n) for n in value.split(","))
               for key, value in re.findall(r"^\s*(FILEVERSION|PRODUCTVERSION)\s+([\d,\s]+?)\s*$", rc_text, re.M)}
    strings = dict(re.findall(r'^\s*VALUE\s+"([^"]+)"\s*,\s*"([^"]*)"', rc_text, re.M))
    return (sub << 10) | primary, numbers, strings


def block(data, offset):
    """One node of the version record: (key, value bytes, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[value_start:value_start + value_size]
    children = []
    child = (value_start + value_size + 3) & ~3
    while child < end:
        children.append(block(data, child))
        child = (children[-1][3] + 3) & ~3
    return key, value, children, end


def strings_of(record):
    found = {}
    for key, _, children, _ in record[2]:
        if key == "StringFileInfo":
            for table in children:
                for name, value, _, _ in table[2]:
                    found[name] = value.decode("utf-16-le").rstrip("\0")
    return found


def main(exe, rc, ico):
    language, numbers, strings = expected(open(rc, encoding="utf-8").read())
    listing = wrestool("-l", exe).decode()
    problems = []
    for kind, name in (("14", "1"), ("16", "1")):
        if not re.search(rf"--type={kind} --name={name} --language={language}\b", listing):
            problems.append(f"no resource of type {kind}, name {name}, language {language}:\n{listing}")

    # The group lists the icon's images in the .ico's order, each one an icon resource.
    group = wrestool("-x", "--raw", "--type=14", "--name=1", exe)
    ico_bytes = open(ico, "rb").read()
    count = struct.unpack_from("<H", ico_bytes, 4)[0]
    if struct.unpack_from("<H", group, 4)[0] != count:
        problems.append(f"the icon group holds {struct.unpack_from('<H', group, 4)[0]} images, {ico} {count}")
    for i in range(count):
        size, offset = struct.unpack_from("<II", ico_bytes, 6 + 16 * i + 8)
        image_id = struct.unpack_from("<H", group, 6 + 14 * i + 12)[0]
        if wrestool("-x", "--raw", "--type=3", f"--name={image_id}", exe) != ico_bytes[offset:offset + size]:
            problems.append(f"image {i + 1} of the icon group differs from {ico}'s")

    record = block(wrestool("-x", "--raw", "--type=16", "--name=1", exe), 0)
    if record[0] != "VS_VERSION_INFO":
        problems.append("no VS_VERSION_INFO record")
    signature, _, *fixed = struct.unpack_from("<IIIIII", record[1])
    if signature != 0xFEEF04BD:
        problems.append("no fixed file information")
    for i, key in enumerate(("FILEVERSION", "PRODUCTVERSION")):
        high, low = fixed[2 * i], fixed[2 * i + 1]
        got = (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)
        if got != numbers.get(key):
            problems.append(f"{key} is {got}, the script says {numbers.get(key)}")
    if strings_of(record) != strings:
        problems.append(f"strings {strings_of(record)}, the script says {strings}")

    if problems:
        sys.exit(exe + ": " + "\n".join(problems))
    print(f"{exe}: version record {numbers['FILEVERSION']}, {len(strings)} strings"
          f" ({strings.get('ProductName')}) and an icon group of {count} images, as {rc} defines")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
