#!/usr/bin/env python3
"""Writes the notices of the third-party code inside Qt's Windows DLLs, from the attribution
records of a qtbase source tree: qt_notices.py QTBASE_SOURCE OUTPUT_FILE.

Records of parts the Windows build leaves out (other platforms, OpenGL, Vulkan, D-Bus, network,
test library) are skipped; a record too many costs nothing, a missing one would.
"""
import json
import pathlib
import sys

SKIPPED = ("3rdparty/android", "3rdparty/gradle", "3rdparty/wasm", "3rdparty/xcb",
           "3rdparty/VulkanMemoryAllocator", "3rdparty/libpsl", "3rdparty/forkfd",
           "src/dbus", "gui/opengl", "gui/vulkan", "src/network", "platforms/cocoa", "src/testlib")


def records(path):
    data = json.loads(path.read_text(encoding="utf-8"), strict=False)
    return data if isinstance(data, list) else [data]


def main(source, output):
    source = pathlib.Path(source)
    parts = []
    for path in sorted((source / "src").rglob("qt_attribution.json")):
        if any(skip in path.as_posix() for skip in SKIPPED):
            continue
        for record in records(path):
            lines = [record.get("Name", record.get("Id", "?")) + " " + record.get("Version", ""),
                     "Used in Qt: " + record.get("QtUsage", ""),
                     "Home page: " + record.get("Homepage", ""),
                     "Licence: " + record.get("License", ""),
                     record.get("Copyright", "")]
            files = record.get("LicenseFiles") or [record.get("LicenseFile")]
            for name in filter(None, files):
                text = path.parent / name
                if text.is_file():
                    lines += ["", text.read_text(encoding="utf-8", errors="replace").strip()]
            parts.append("\n".join(line.rstrip() for line in lines))
    header = ("Third-party code inside Qt " + source.name + ", as its source records it.\n"
              "The licence texts these notices name are in the LICENSES folder beside this file.")
    rule = "\n\n" + "=" * 78 + "\n\n"
    pathlib.Path(output).write_text(header + rule + rule.join(parts) + "\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
