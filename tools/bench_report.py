#!/usr/bin/env python3
"""Writes BENCHMARKS.md from the JSON files of one ./bench run and the CPU measurement.

    bench_report.py OUT.md RUN_DIR

RUN_DIR holds bench_*.json (Google Benchmark output), machine.txt (key: value lines) and
cpu.txt (tools/cpu.sh output). A benchmark is compared with a baseline of the same run when
its label reads "baseline=BM_Name[,BM_Other]" or when the table below names one.
"""
import json
import pathlib
import re
import sys

# Figures compared with a baseline measured in the same run: (benchmark, baseline, goal).
BASELINES = [
    ("BM_OpenIntoFileList", "BM_OpenBareScan", "within 2x of the bare scan"),
    ("BM_OpenIntoFileList", "BM_OpenIntoItemTable", "faster than one item per cell"),
    ("BM_PrintFileList320000", "BM_ReadFile320000", ""),
    ("BM_PrintListing320000", "BM_ReadFile320000", ""),
    ("BM_ReadAndExportCsv320000", "BM_ReadFile320000", "within 3x of reading the file"),
]
UNIT_S = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def seconds(b):
    return b["real_time"] * UNIT_S[b.get("time_unit", "ns")]


def fmt_time(s):
    if s >= 1:
        return f"{s:.2f} s"
    if s >= 1e-3:
        return f"{s * 1e3:.1f} ms"
    if s >= 1e-6:
        return f"{s * 1e6:.2f} µs"
    return f"{s * 1e9:.0f} ns"


def fmt_num(v):
    if abs(v) >= 1e5:
        return f"{v:,.0f}"
    if abs(v) >= 100:
        return f"{v:.0f}"
    return f"{v:.3g}"


SKIP_KEYS = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
             "iterations", "real_time", "cpu_time", "time_unit", "family_index",
             "per_family_instance_index", "label", "error_occurred", "error_message",
             "aggregate_name", "aggregate_unit"}


def main():
    out, run = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    machine = {}
    for line in (run / "machine.txt").read_text().splitlines():
        k, _, v = line.partition(":")
        machine[k.strip()] = v.strip()

    rows, by_name, failed = [], {}, []
    for f in sorted(run.glob("bench_*.json")):
        try:
            data = json.loads(f.read_text())
        except (json.JSONDecodeError, OSError):
            failed.append(f"{f.stem}: no results (see the log)")
            continue
        for b in data.get("benchmarks", []):
            if b.get("run_type") == "aggregate":
                continue
            if b.get("error_occurred"):
                failed.append(f"{b['name']}: {b.get('error_message', 'error')}")
                continue
            rows.append((f.stem, b))
            by_name[b["name"].split("/")[0]] = b
    for f in sorted(run.glob("bench_*.missing")):
        failed.append(f"{f.stem}: {f.read_text().strip()}")

    lines = ["# Benchmarks", "",
             "Written by `./bench`; every figure below was measured by the run described here.", "",
             "## Machine", ""]
    for k in ("CPU", "Cores", "Memory", "Load", "Kernel", "Compiler", "Build", "Commit", "Date"):
        if k in machine:
            lines.append(f"- {k}: {machine[k]}")

    lines += ["", "## Figures", "",
              "Time is wall-clock time per iteration (manual time where the benchmark measures "
              "its own interval).", "",
              "| Program | Benchmark | Time | Iterations | Counters |",
              "|---|---|---|---|---|"]
    for prog, b in rows:
        counters = ", ".join(f"{k} {fmt_num(v)}" for k, v in b.items()
                             if k not in SKIP_KEYS and isinstance(v, (int, float)))
        lines.append(f"| {prog} | {b['name'].split('/')[0]} | {fmt_time(seconds(b))} | {b['iterations']} | "
                     f"{counters} |")

    pairs = list(BASELINES)
    for _, b in rows:
        m = re.match(r"baseline=([\w,]+)", b.get("label", ""))
        if m:
            pairs += [(b["name"].split("/")[0], base, "") for base in m.group(1).split(",")]
    ratio_lines = []
    for name, base, goal in pairs:
        if name in by_name and base in by_name:
            a, b = by_name[name], by_name[base]
            r = seconds(a) / seconds(b)
            shown = f"{r:.2f}×" if r >= 0.1 else f"{r:.3f}× ({1 / r:.0f}× faster)"
            # Growth of resident memory over the iteration; a process's peak is no ratio.
            key = "rss_growth_MB"
            mem = f"{a[key] / b[key]:.2f}× ({key})" if a.get(key) and b.get(key) else ""
            ratio_lines.append(f"| {name} | {base} | {shown} | {mem} | {goal} |")
    dl = by_name.get("BM_FullLoggerDownloadAt19200")
    if dl and dl.get("wire_s"):
        ratio_lines.append(f"| BM_FullLoggerDownloadAt19200 | wire time {dl['wire_s']:.1f} s | "
                           f"{dl['took_s'] / dl['wire_s']:.3f}× |  | within 2 % + 0.5 s |")
    if ratio_lines:
        lines += ["", "## Against the baselines of the same run", "",
                  "| Benchmark | Baseline | Time ratio | Memory ratio | Goal |",
                  "|---|---|---|---|---|"] + ratio_lines

    cpu = (run / "cpu.txt").read_text().strip() if (run / "cpu.txt").exists() else ""
    lines += ["", "## CPU of the running program", ""]
    figures = re.findall(r"montira CPU, (.+?), (\d+) s: ([\d.]+) %", cpu)
    if figures:
        lines += ["`montira` (offscreen) on the simulated meter's pseudo-terminal, CPU time of "
                  "the process over the interval (tools/cpu.sh). Goal: under 1 % of a core.", "",
                  "| State | Seconds | % of one core | Goal: under 1 % |", "|---|---|---|---|"]
        lines += [f"| {state} | {secs} | {pct} | {'met' if float(pct) < 1 else 'NOT met'} |"
                  for state, secs, pct in figures]
    else:
        lines.append("Not measured: " + (cpu.splitlines()[-1] if cpu else "tools/cpu.sh gave nothing"))

    if failed:
        lines += ["", "## Not measured in this run", ""] + [f"- {f}" for f in failed]
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
