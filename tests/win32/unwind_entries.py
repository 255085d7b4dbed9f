#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
"""Fails unless every Windows program and DLL under a build folder has unwind entries that
libgcc's search can find: no two that start at one address or overlap.

On the 32-bit toolchain an exception finds its handler through the .eh_frame entries, which
libgcc sorts by start address and binary-searches. An empty entry starting where a real one
starts (GCC leaves one for a function whose ".cold" part came out empty) can hide the real
one, and an exception thrown there ends in std::terminate. Reading the tables needs no Wine,
so a machine that cannot run the 32-bit programs still checks them.

    unwind_entries.py OBJDUMP BUILD_DIR
"""
import pathlib
import re
import subprocess
import sys

ENTRY = re.compile(r"FDE cie=\w+ pc=([0-9a-f]+)\.\.([0-9a-f]+)")


def entries(objdump, program):
    listing = subprocess.run([objdump, "--dwarf=frames", str(program)], check=True,
                             capture_output=True, text=True).stdout
    return sorted((int(start, 16), int(end, 16)) for start, end in ENTRY.findall(listing))


def faults(ranges):
    """Entries the search may confuse: two that start at one address (one of them perhaps of
    no length) or that overlap."""
    for (start, end), (next_start, next_end) in zip(ranges, ranges[1:]):
        if next_start == start or next_start < end:
            yield f"entries {start:#x}..{end:#x} and {next_start:#x}..{next_end:#x} collide"


def programs_of(build_dir):
    """The build's own programs: not those of a nested build (the other bitness's stand-in)."""
    root = pathlib.Path(build_dir)
    nested = [cache.parent for cache in root.rglob("CMakeCache.txt") if cache.parent != root]
    return sorted(path for pattern in ("*.exe", "*.dll") for path in root.rglob(pattern)
                  if "CMakeFiles" not in path.parts
                  and not any(build in path.parents for build in nested))


def main(objdump, build_dir):
    programs = programs_of(build_dir)
    if not programs:
        sys.exit(f"no program or DLL under {build_dir}")
    found = 0
    for program in programs:
        ranges = entries(objdump, program)
        for fault in faults(ranges):
            print(f"{program}: {fault}")
            found += 1
        print(f"{program}: {len(ranges)} unwind entries")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
