#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
"""Reads a console's VCD recording back with two readers nobody here wrote, and holds it
against the trace of the same run.

    read_back.py VCD TRACE PRESSES

PRESSES has one line per press, the bytes the press wrote (as the trace shows them, space
separated, none for a press that wrote nothing). Checks that GTKWave's vcd2fst converts the
file without a word of warning, and that sigrok-cli's VCD input gives, press by press (a
press: the time any origin line of the actions scope is high), the output lines' changes
that those writes make, and over the whole file the input lines' changes that the trace's
reads make. A write or a read that repeats what the lines hold changes nothing on them, and
sigrok reads a line still unknown as 0.
"""
import os
import subprocess
import sys
import tempfile

OUTPUTS = ["strobe_A", "strobe_B", "sortie_libre_2", "code_8_visee", "code_16_ccd",
           "code_32_poussoir", "code_64", "code_128"]
INPUTS = ["bouton_visee", "visee_en_position", "ccd_en_position", "lames_en_position",
          "entree_libre_4", "entree_libre_5", "entree_libre_6", "entree_libre_7"]
ORIGINS = ["par_fenetre", "par_panneau", "par_reseau"]


def changes(values):
    """The values that change the lines, which start at 0 as sigrok reads them."""
    held, changed = 0, []
    for value in values:
        if value != held:
            changed.append(value)
            held = value
    return changed


def convert_to_fst(vcd):
    with tempfile.TemporaryDirectory() as folder:
        done = subprocess.run(["vcd2fst", vcd, os.path.join(folder, "out.fst")],
                              capture_output=True, text=True)
    said = (done.stdout + done.stderr).strip()
    if done.returncode != 0 or said:
        return [f"vcd2fst: status {done.returncode}, said: {said!r}"]
    return []


def sigrok_rows(vcd):
    """Each distinct state of the lines in time order, as {channel: 0 or 1}."""
    # Idle times shortened to ten samples: a wait of seconds at 1 GHz is billions of them.
    done = subprocess.run(["sigrok-cli", "-I", "vcd:compress=10", "-i", vcd, "-O", "csv"],
                          capture_output=True, text=True, check=True)
    names, rows = None, []
    for line in done.stdout.splitlines():
        if line.startswith("; Channels"):
            names = [name.strip() for name in line.split(":", 1)[1].split(",")]
        elif names and line and line[0] in "01":
            row = dict(zip(names, (int(bit) for bit in line.split(","))))
            if not rows or rows[-1] != row:
                rows.append(row)
    missing = [name for name in OUTPUTS + INPUTS + ORIGINS if not names or name not in names]
    if missing:
        raise SystemExit(f"sigrok-cli gave no channel {missing}; it said {done.stderr!r}")
    return rows


def byte_of(row, lines):
    return sum(row[name] << bit for bit, name in enumerate(lines))


def presses_in(rows):
    """The output lines' changes during each press."""
    presses, held, running = [], 0, False
    for row in rows:
        active = any(row[name] for name in ORIGINS)
        if active and not running:
            presses.append([])
        running = active
        value = byte_of(row, OUTPUTS)
        if value != held and running:
            presses[-1].append(value)
        held = value
    return presses


def main(vcd, trace_path, presses_path):
    with open(trace_path, encoding="utf-8") as trace:
        lines = [line.split() for line in trace]
    written = [int(line[1]) for line in lines if line and line[0] == "W"]
    read = [int(line[1]) for line in lines if line and line[0] == "R"]
    with open(presses_path, encoding="utf-8") as presses:
        expected = [[int(value) for value in line.split()] for line in presses]
    problems = convert_to_fst(vcd)
    if sum(expected, []) != written:
        problems.append(f"the trace's writes {written} are not the presses' {expected}")
    rows = sigrok_rows(vcd)
    found = presses_in(rows)
    if len(found) != len(expected):
        problems.append(f"{len(found)} presses read back, {len(expected)} played")
    held = 0
    for number, (bytes_found, bytes_written) in enumerate(zip(found, expected), 1):
        wanted = []
        for value in bytes_written:
            if value != held:
                wanted.append(value)
                held = value
        if bytes_found != wanted:
            problems.append(f"press {number}: read back {bytes_found}, written {wanted}")
    inputs = changes(byte_of(row, INPUTS) for row in rows)
    if inputs != changes(read):
        problems.append(f"the inputs read back {inputs}, the trace's {changes(read)}")
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"{len(found)} presses, {len(rows)} states read back from {vcd}")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    sys.exit(main(*sys.argv[1:]))
