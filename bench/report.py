#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
"""Turns what bench/run measured into the table of performance figures (Markdown, on
standard output) and the same figures as JSON.

    report.py RAW_DIRECTORY RESULTS_JSON

RAW_DIRECTORY holds benchmarks.json (Google Benchmark; without it, as after
`bench/run --startup`, only the start-up rows), startup.json (startup_probe),
responsiveness.json (wait_responsiveness), alpaca.json and alpaca_getswitch.json
(alpaca_load) and, once the Windows
build exists, com.json (bench/win32/run-com), win32_startup.json and
win32_responsiveness.json (bench/win32/run-console). Exits with 1 when a goal is missed."""

import datetime
import json
import os
import platform
import statistics
import subprocess
import sys

COM_NOT_AVAILABLE = "not measured: Windows COM build not available"
WIN32_NOT_AVAILABLE = "not measured: Windows build not available"
COM_GOAL = 0.25


def load(directory, name):
    path = os.path.join(directory, name)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as source:
        return json.load(source)


def median_ns(benchmarks, run_name):
    """CPU time per iteration of a benchmark, median of its repetitions, in ns."""
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    for entry in benchmarks["benchmarks"]:
        if entry.get("run_name") == run_name and entry.get("aggregate_name") == "median":
            return entry["cpu_time"] * scale[entry["time_unit"]]
    raise KeyError(f"benchmark {run_name} missing from the run")


def counters(benchmarks, run_name):
    for entry in benchmarks["benchmarks"]:
        if entry.get("run_name") == run_name and entry.get("aggregate_name") == "median":
            return {key: int(round(entry[key])) for key in ("writes", "reads", "spins")}
    raise KeyError(f"benchmark {run_name} missing from the run")


def duration(value_ns):
    for unit, size in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if value_ns >= size:
            return f"{value_ns / size:.3g} {unit}"
    return f"{value_ns:.3g} ns"


def figure(item, name, value, unit, shown, floor=None, floor_shown="", goal=None,
           goal_shown="", met=None, note=""):
    ratio = value / floor if floor else None
    return {"item": item, "figure": name, "value": value, "unit": unit, "shown": shown,
            "floor": floor, "floor_shown": floor_shown, "ratio": ratio, "goal": goal,
            "goal_shown": goal_shown, "met": met, "note": note}


def ratio_figure(item, name, value_ns, floor_ns, floor_label, goal):
    ratio = value_ns / floor_ns
    return figure(item, name, value_ns, "ns", duration(value_ns), floor_ns,
                  f"{duration(floor_ns)} ({floor_label})", goal, f"≤ {goal}x", ratio <= goal)


def port_access_figures(benchmarks):
    return [
        ratio_figure(1, "write_output on the simulator", median_ns(benchmarks, "write_output"),
                     median_ns(benchmarks, "floor_write_port"), "bare WritePort", 1.5),
        ratio_figure(1, "get_ttl on the simulator", median_ns(benchmarks, "get_ttl"),
                     median_ns(benchmarks, "floor_read_port"), "bare ReadPort", 1.5),
        watched_figure(benchmarks, "write_output", "write_output_watched"),
        watched_figure(benchmarks, "get_ttl", "get_ttl_watched"),
        recorded_figure(benchmarks, "write_output", "write_output_changing_watched"),
        recorded_figure(benchmarks, "get_ttl", "get_ttl_watched"),
    ]


def recorded_figure(benchmarks, access, watched):
    """The access with the panel listening and a VCD recording made, against the same
    access with the panel alone listening (a write changing the lines in both)."""
    return ratio_figure(1, f"{access} with the panel listening and a VCD recording (--vcd)",
                        median_ns(benchmarks, access + "_recorded"),
                        median_ns(benchmarks, watched), "the panel listening", 2)


def watched_figure(benchmarks, access, watched):
    """The same access with the panel's line monitor listening, as in the console: no goal."""
    value = median_ns(benchmarks, watched)
    floor = median_ns(benchmarks, access)
    return figure(1, f"{access} with the panel's line monitor listening", value, "ns",
                  duration(value), floor, f"{duration(floor)} ({access} unwatched)")


def com_figures(com):
    bits = com.get("bits", 32) if com else 32
    rows = []
    for operation, floor_key, class_object_key in (
            ("write_output", "floor_write", "class_object_write"),
            ("get_ttl", "floor_read", "class_object_read")):
        name = f"{operation} through the COM adapter under {bits}-bit Wine"
        if com is None or not com.get("available"):
            reason = com.get("reason", COM_NOT_AVAILABLE) if com else COM_NOT_AVAILABLE
            rows.append(figure(2, name, None, "ns", reason, goal=COM_GOAL,
                               goal_shown=f"≤ {COM_GOAL}x"))
            continue
        row = ratio_figure(2, f"{name} (median of {com['rounds']} rounds)",
                           com[operation + "_ns"], com[floor_key + "_ns"], com["floor_label"],
                           COM_GOAL)
        # Each round times the floor and the access back to back; the median of the rounds'
        # own ratios holds when Wine's pace changes between rounds, where the ratio of the
        # two medians could compare a fast stretch with a slow one.
        of_medians = row["ratio"]
        row["ratio"] = com[operation + "_ratio"]
        row["met"] = row["ratio"] <= COM_GOAL
        row["note"] = (f"ratio: median of the rounds' own ratios (of the medians: "
                       f"{of_medians:.4f}x); accesses per sample, one case after another: "
                       f"{com['accesses_per_sample']}; {com['wine']}")
        rows.append(row)
        # What the adapter adds to the path it takes, the class object's: no goal.
        own = com[class_object_key + "_ns"]
        path = figure(2, f"{operation} against the class object's own path under {bits}-bit "
                      "Wine, same run",
                      com[operation + "_ns"], "ns", duration(com[operation + "_ns"]), own,
                      f"{duration(own)} ({com['class_object_label']})",
                      note="ratio: median of the rounds' own ratios")
        path["ratio"] = com[operation + "_class_object_ratio"]
        rows.append(path)
    return rows


SEQUENCES = (
    ("button/Command1_VISEE", "VISEE (Command1), mirror from the CCD stop"),
    ("button/Command2_CCD", "CCD (Command2), mirror from the sighting stop"),
    ("button/Command3_POUSSOIR", "POUSSOIR (Command3), mirror from the CCD stop"),
    ("button/Command4_blades_minus_10", "Halpha -1.0 A (Command4)"),
    ("button/Command5_blades_plus_10", "Halpha + 1.0 A (Command5)"),
    ("button/Command6_blades_centre", "H alpha (Command6)"),
    ("button/Command7_blades_minus_5", "H alpha -0.5 A (Command7)"),
    ("button/Command8_blades_plus_5", "H alpha +0.5 A (Command8)"),
    ("button/Command9_INIT", "INIT TTL output (Command9)"),
    ("button/Command10_GO_178", "GO with 178 (Command10)"),
)


def sequence_figures(benchmarks):
    write = median_ns(benchmarks, "write_output")
    read = median_ns(benchmarks, "get_ttl")
    spin = median_ns(benchmarks, "spin_delay/1")
    rows = []
    for run_name, label in SEQUENCES:
        made = counters(benchmarks, run_name)
        floor = made["writes"] * write + made["reads"] * read + made["spins"] * spin
        accesses = f"{made['writes']} W + {made['reads']} R + {made['spins']} spin"
        rows.append(ratio_figure(3, label, median_ns(benchmarks, run_name), floor, accesses, 1.2))
    # The short way of VISEE: one read and the log line, nothing sent. Shown, not judged:
    # next to a single read, the log line's own string is most of what is left.
    short = "button/Command1_VISEE_already_there"
    made = counters(benchmarks, short)
    floor = made["reads"] * read
    value = median_ns(benchmarks, short)
    rows.append(figure(3, "VISEE, mirror already at the sighting stop (no goal)", value, "ns",
                       duration(value), floor, f"{duration(floor)} ({made['reads']} R)",
                       note="one read and one log line; the line's string is the difference"))
    return rows


def spin_figures(benchmarks):
    single = median_ns(benchmarks, "spin_delay/1")
    rows = [figure(4, "spin_delay(1): the strobe width", single / 1e3, "µs",
                   f"{single / 1e3:.1f} µs", note="10000 iterations of the volatile counter")]
    for count in (10, 100, 1000):
        value = median_ns(benchmarks, f"spin_delay/{count}")
        ratio = value / (count * single)
        rows.append(figure(4, f"spin_delay({count}) against {count} x spin_delay(1)", value,
                           "ns", duration(value), count * single,
                           f"{duration(count * single)} ({count} x single)", 0.10,
                           "within 10%", abs(ratio - 1.0) <= 0.10))
    return rows


STARTUP_GOAL = 1.15
MEMORY_GOAL = 1.2
WIN32_STARTUP_GOAL = 1.2


def painted_peak(program):
    """Peak resident memory at the end of the first paint, from the probe, in KiB."""
    return statistics.median(program["phases"]["first-paint"]["peak_kib"])


def startup_figures(startup):
    console, bare = startup["console"], startup["bare"]
    if console["window"] != "Form1":
        raise ValueError(f"the console's first window was {console['window']}, not Form1")
    paint, bare_paint = (statistics.median(p["first_paint_ms"]) for p in (console, bare))
    rss, bare_rss = (painted_peak(p) for p in (console, bare))
    whole, bare_whole = (statistics.median(p["peak_rss_kib"]) for p in (console, bare))
    runs = len(console["first_paint_ms"])
    return [
        figure(5, f"start to first paint of Form1 (median of {runs})", paint, "ms",
               f"{paint:.1f} ms", bare_paint, f"{bare_paint:.1f} ms (bare window, one button)",
               STARTUP_GOAL, f"≤ {STARTUP_GOAL}x", paint / bare_paint <= STARTUP_GOAL),
        figure(5, f"peak RSS of the console at the first paint of Form1 (median of {runs})",
               rss / 1024, "MiB", f"{rss / 1024:.1f} MiB", bare_rss / 1024,
               f"{bare_rss / 1024:.1f} MiB (bare window, one button)", MEMORY_GOAL,
               f"≤ {MEMORY_GOAL}x", rss / bare_rss <= MEMORY_GOAL),
        figure(5, f"peak RSS of the whole run, the panel built after the first paint "
               f"(median of {runs})", whole / 1024, "MiB", f"{whole / 1024:.1f} MiB",
               bare_whole / 1024, f"{bare_whole / 1024:.1f} MiB (bare window, whole run)"),
    ]


def win32_startup_figures(measured):
    """The Windows console against a bare Win32 window, under Wine."""
    paint_name = "Win32 console: start to first paint of Form1"
    memory_name = "Win32 console: peak working set"
    if measured is None:
        return [figure(5, f"{name} under Wine", None, "ms", WIN32_NOT_AVAILABLE,
                       goal=WIN32_STARTUP_GOAL, goal_shown=f"≤ {WIN32_STARTUP_GOAL}x")
                for name in (paint_name, memory_name)]
    wine = f"under {measured['bits']}-bit Wine"
    console, bare = measured["runs"]["console"], measured["runs"]["bare"]
    if console["window"] != "COMMANDES TTL HELIOGRAPHE":
        raise ValueError(f"the console's first window was {console['window']}, not Form1")
    paint, bare_paint = (statistics.median(p["first_paint_ms"]) for p in (console, bare))
    cpu, bare_cpu = (statistics.median(p["cpu_ms"]) for p in (console, bare))
    peak, bare_peak = (statistics.median(p["peak_working_set_kib"]) for p in (console, bare))
    runs = len(console["first_paint_ms"])
    note = measured["wine"] + "; on the stand-in component, as on the instrument"
    return [
        figure(5, f"{paint_name} {wine} (median of {runs})", paint, "ms", f"{paint:.1f} ms",
               bare_paint, f"{bare_paint:.1f} ms (bare Win32 window, one button)",
               WIN32_STARTUP_GOAL, f"≤ {WIN32_STARTUP_GOAL}x",
               paint / bare_paint <= WIN32_STARTUP_GOAL, note),
        figure(5, f"Win32 console: the process's CPU time to first paint {wine} "
               f"(GetProcessTimes, median of {runs})", cpu, "ms", f"{cpu:.1f} ms", bare_cpu,
               f"{bare_cpu:.1f} ms (bare Win32 window, one button)", note=note),
        figure(5, f"{memory_name} {wine} (median of {runs})", peak / 1024, "MiB",
               f"{peak / 1024:.1f} MiB", bare_peak / 1024,
               f"{bare_peak / 1024:.1f} MiB (bare Win32 window, one button)", 1.3, "≤ 1.3x",
               peak / bare_peak <= 1.3, note),
    ]


def print_timeline(title, program):
    """The phases a program marked on its way to the first paint: medians of its starts."""
    print()
    print(f"{title}: the end of each phase, medians of {len(program['first_paint_ms'])} starts")
    print()
    print("| Phase ends | Since the start | CPU time | Peak memory |")
    print("|---|---|---|---|")
    for phase, marks in sorted(program["phases"].items(),
                               key=lambda item: statistics.median(item[1]["ms"])):
        cpu = statistics.median(marks["cpu_ms"])
        print(f"| {phase} | {statistics.median(marks['ms']):.1f} ms | "
              f"{f'{cpu:.1f} ms' if cpu else '—'} | "
              f"{statistics.median(marks['peak_kib']) / 1024:.1f} MiB |")


def win32_responsiveness_figures(measured):
    if measured is None:
        return [figure(6, "Win32 console under Wine (stand-in component): "
                       f"{name}", None, "ms", WIN32_NOT_AVAILABLE, goal=goal,
                       goal_shown=shown)
                for name, goal, shown in (("longest interval between repaints", 50, "≤ 50 ms"),
                                          ("reaction", 1000, "< 1 ms"))]
    where = f"Win32 console under {measured['bits']}-bit Wine (stand-in component)"
    rows = responsiveness_figures(measured["runs"], where)
    for row in rows:
        row["note"] = "; ".join(part for part in (row["note"], measured["wine"]) if part)
    return rows


def responsiveness_figures(runs, where=""):
    rows = responsiveness_rows(runs)
    if where:
        for row in rows:
            row["figure"] = f"{where}: {row['figure']}"
    return rows


def responsiveness_rows(runs):
    asked = [run for run in runs if run["repaint_asked"]]
    left = [run for run in runs if not run["repaint_asked"]]
    gap = max(run["longest_paint_gap_ms"] for run in asked)
    reactions = [run["reaction_us"] for run in runs]
    reaction = statistics.median(reactions)
    slow = sum(1 for value in reactions if value >= 1000)
    seen = [run["seen_us"] for run in runs]
    asked_keep_alives = [length for run in asked for length in run["keep_alive_ms"]]
    left_keep_alives = [length for run in left for length in run["keep_alive_ms"]]
    wait = statistics.median(run["wait_ms"] for run in runs)
    pace = max(run["longest_keep_alive_gap_ms"] for run in runs)
    return [
        figure(6, f"longest interval between repaints of Form1 in a {wait / 1000:.2f} s wait, "
               f"a repaint asked every ms ({len(asked)} waits)", gap, "ms", f"{gap:.1f} ms",
               goal=50, goal_shown="≤ 50 ms", met=gap <= 50,
               note=f"{statistics.median(run['paints_during_wait'] for run in asked):.0f} "
                    "paints per wait"),
        figure(6, f"reaction: blades arrived to arrival line logged (median of {len(runs)})",
               reaction, "µs",
               f"{reaction:.0f} µs (max {max(reactions):.0f} µs; {slow} of {len(runs)} ≥ 1 ms)",
               goal=1000, goal_shown="< 1 ms", met=reaction < 1000,
               note="the max is bounded by the keep-alive under way at the arrival, and by "
                    "the scheduler"),
        figure(6, "of the reaction, blades arrived to the wait's end, median (max)",
               statistics.median(seen), "µs",
               f"{statistics.median(seen):.1f} µs (max {max(seen):.0f} µs)",
               note="the rest is the arrival line reaching the log; a reaction of milliseconds "
                    "is the program off the CPU or in a keep-alive when the blades arrive"),
        figure(6, "keep-alive pace: longest interval between two keep-alives", pace, "ms",
               f"{pace:.1f} ms"),
        figure(6, "keep-alive length, median (max), repaint asked", None, "ms",
               f"{statistics.median(asked_keep_alives):.2f} ms "
               f"({max(asked_keep_alives):.1f} ms)"),
        figure(6, "keep-alive length, median (max), nothing asked", None, "ms",
               f"{statistics.median(left_keep_alives):.3f} ms "
               f"({max(left_keep_alives):.1f} ms)"),
        figure(6, "paints of Form1 in a wait when nothing asks", None, "",
               f"{statistics.median(run['paints_during_wait'] for run in left):.0f}",
               note="the window keeps its last frame; nothing on it changed"),
    ]


def alpaca_figures(load):
    """The Alpaca server polled by 8 clients while the blades move (alpaca_load)."""
    if load is None:
        return []
    seconds = load["moving_s"]
    answered = load["requests"] - load["lost"]
    held = load["half_request_held_s"]
    newcomer = load["new_client_beside_200_silent_s"]
    return [
        figure(7, f"GET Position round trip, median, {load['clients']} clients on the loopback "
               f"during {seconds} s of blade moves", load["median_moving_us"], "µs",
               f"{load['median_moving_us']:.0f} µs", load["median_idle_us"],
               f"{load['median_idle_us']:.0f} µs (same clients, console idle)", 200,
               "< 200 µs", load["median_moving_us"] < 200),
        figure(7, "GET Position round trip, 99th percentile (max), during the moves",
               load["p99_moving_us"], "µs",
               f"{load['p99_moving_us']:.0f} µs ({load['max_moving_us'] / 1000:.1f} ms)"),
        figure(7, "requests answered, failed, lost", load["failed"] + load["lost"], "",
               f"{answered} answered, {load['failed']} failed, {load['lost']} lost", goal=0,
               goal_shown="none failed or lost", met=load["failed"] == 0 and load["lost"] == 0,
               note="failed: not HTTP 200, an error, another transaction's number, or no slot"),
        figure(7, f"longest interval between repaints of Form1 in a wait, under that load "
               f"({load['waits']} waits)", load["longest_paint_gap_ms"], "ms",
               f"{load['longest_paint_gap_ms']:.1f} ms", goal=50, goal_shown="≤ 50 ms",
               met=load["longest_paint_gap_ms"] <= 50),
        figure(7, "a 9th client holding a half-sent request: cut off after", max(held), "s",
               f"{statistics.median(held):.1f} s (max {max(held):.1f} s, {len(held)} holds)",
               goal=16, goal_shown="≤ 15 s, the others unhindered", met=max(held) <= 16,
               note="the 8 others' figures above are taken while it holds"),
        figure(7, "new client answered with 200 idle connections held", max(newcomer), "s",
               f"{max(newcomer) * 1000:.1f} ms (max of {len(newcomer)} rounds)", goal=1,
               goal_shown="≤ 1 s", met=max(newcomer) <= 1,
               note="from its connection to its answer; the server holds 128 at once and "
                    "closes the one silent longest to take another"),
    ]


def alpaca_switch_figures(load):
    """Form1 while 8 clients poll GetSwitch, a read of the input lines each, during blade
    moves (alpaca_load ... getswitch)."""
    if load is None:
        return []
    answered = load["requests"] - load["lost"]
    return [
        figure(7, f"longest interval between repaints of Form1 in a wait, {load['clients']} "
               f"clients polling GetSwitch as fast as they can during {load['moving_s']} s of "
               f"blade moves ({load['waits']} waits)", load["longest_paint_gap_ms"], "ms",
               f"{load['longest_paint_gap_ms']:.1f} ms", goal=50, goal_shown="≤ 50 ms",
               met=load["longest_paint_gap_ms"] <= 50 and load["failed"] == 0
               and load["lost"] == 0,
               note=f"{answered} answered, {load['failed']} failed, {load['lost']} lost; the "
                    f"requests that arrive while a read waits to be made share it"),
    ]


def wine_used(*measured):
    """Which Wine ran the Windows rows, and for which bitness; None when none ran."""
    seen = sorted({f"{m['wine']}, {m['bits']}-bit" for m in measured
                   if m and m.get("wine") and m.get("available", True)})
    return " and ".join(seen) or None


def machine(benchmarks, wine):
    model = "unknown"
    with open("/proc/cpuinfo", encoding="utf-8") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    compiler = subprocess.run(["c++", "--version"], capture_output=True, text=True,
                              check=False).stdout.splitlines()[:1]
    context = benchmarks["context"] if benchmarks else {"load_avg": list(os.getloadavg())}
    return {
        "cpu": model,
        "cores": os.cpu_count(),
        "mhz_per_cpu": context.get("mhz_per_cpu"),
        "load_average_at_start": context.get("load_avg"),
        "kernel": platform.release(),
        "compiler": compiler[0] if compiler else "unknown",
        "wine": wine,
        "date": datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"),
    }


def verdict(row):
    if row["met"] is None:
        return "—"
    return "yes" if row["met"] else "**NO**"


def shown_ratio(ratio):
    if ratio is None:
        return "—"
    # A path many times faster than its floor still shows its figure, not 0.00x.
    return f"{ratio:.2f}x" if ratio >= 0.1 else f"{ratio:.2g}x"


def print_table(rows, host):
    wine = f"; the Windows rows under {host['wine']}" if host.get("wine") else ""
    print(f"Machine: {host['cpu']}, {host['cores']} cores, {host['kernel']}, "
          f"{host['compiler']}{wine}; run {host['date']}; load average at start "
          f"{', '.join(f'{x:.2f}' for x in host['load_average_at_start'] or [])}.")
    print()
    print("| # | Figure | Measured | Floor | Ratio | Goal | Met |")
    print("|---|---|---|---|---|---|---|")
    for row in rows:
        ratio = shown_ratio(row["ratio"])
        print(f"| {row['item']} | {row['figure']} | {row['shown']} | {row['floor_shown'] or '—'}"
              f" | {ratio} | {row['goal_shown'] or '—'} | {verdict(row)} |")


def main(raw_directory, results_path):
    benchmarks = load(raw_directory, "benchmarks.json")
    com, win32_startup, win32_responsiveness = (
        load(raw_directory, name)
        for name in ("com.json", "win32_startup.json", "win32_responsiveness.json"))
    startup_rows = (startup_figures(load(raw_directory, "startup.json"))
                    + win32_startup_figures(win32_startup))
    if benchmarks is None:  # bench/run --startup: the start-up rows alone
        rows = startup_rows
    else:
        rows = (port_access_figures(benchmarks) + com_figures(com)
                + sequence_figures(benchmarks) + spin_figures(benchmarks) + startup_rows
                + responsiveness_figures(load(raw_directory, "responsiveness.json"))
                + win32_responsiveness_figures(win32_responsiveness)
                + alpaca_figures(load(raw_directory, "alpaca.json"))
                + alpaca_switch_figures(load(raw_directory, "alpaca_getswitch.json")))
    host = machine(benchmarks, wine_used(com, win32_startup, win32_responsiveness))
    print_table(rows, host)
    startup = load(raw_directory, "startup.json")
    print_timeline("Linux console", startup["console"])
    if win32_startup:
        for name, title in (("console", "Win32 console"), ("bare", "bare Win32 window")):
            print_timeline(f"{title} under {win32_startup['bits']}-bit Wine",
                           win32_startup["runs"][name])
    with open(results_path, "w", encoding="utf-8") as out:
        json.dump({"machine": host, "figures": rows}, out, indent=2, ensure_ascii=False)
        out.write("\n")
    missed = [row["figure"] for row in rows if row["met"] is False]
    print()
    print("Goals missed: " + "; ".join(missed) if missed else "Every measured goal is met.")
    return 1 if missed else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
