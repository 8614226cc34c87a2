#!/usr/bin/env python3
"""BENCHMARKS.md from one run: ratios against the baselines of that run, failures listed
instead of figures, a file that is not JSON reported rather than fatal."""
import pathlib
import subprocess
import sys
import tempfile

REPORT = pathlib.Path(__file__).resolve().parents[2] / "tools" / "bench_report.py"


def bench(name, ms, **extra):
    fields = {"name": name, "run_type": "iteration", "iterations": 1, "real_time": ms,
              "cpu_time": ms, "time_unit": "ms", **extra}
    return "{" + ", ".join(f'"{k}": ' + (f'"{v}"' if isinstance(v, str) else
                                          str(v).lower()) for k, v in fields.items()) + "}"


def main():
    with tempfile.TemporaryDirectory() as d:
        run = pathlib.Path(d)
        (run / "machine.txt").write_text("CPU: Test CPU 9000\nCores: 2\n")
        (run / "cpu.txt").write_text("montira CPU, live values, 20 s: 0.50 % of one core\n"
                                     "montira CPU, Sem comunicação, 20 s: 1.00 % of one core\n"
                                     "montira CPU, live values with the real-time chart open, "
                                     "20 s: 0.70 % of one core\n"
                                     "montira CPU, live values with the work-load window open, "
                                     "20 s: 0.40 % of one core\n")
        rows = [bench("BM_OpenIntoFileList/iterations:3/real_time", 90, rss_growth_MB=30),
                bench("BM_OpenBareScan/iterations:3/real_time", 60, rss_growth_MB=20),
                bench("BM_Plot320000", 500, label="baseline=BM_OpenBareScan"),
                bench("BM_Broken", 1, error_occurred=True, error_message="rows lost")]
        (run / "bench_open.json").write_text('{"benchmarks": [' + ", ".join(rows) + "]}")
        (run / "bench_cut.json").write_text('{"benchmarks": [')  # a program that died
        out = run / "B.md"
        subprocess.run([sys.executable, str(REPORT), str(out), str(run)], check=True)
        text = out.read_text()
    expected = [
        "CPU: Test CPU 9000",
        "| BM_OpenIntoFileList | BM_OpenBareScan | 1.50× | 1.50× (rss_growth_MB) |",
        "| BM_Plot320000 | BM_OpenBareScan | 8.33× |",
        "| Sem comunicação | 20 | 1.00 | NOT met |",
        "| live values with the real-time chart open | 20 | 0.70 | met |",
        "| live values with the work-load window open | 20 | 0.40 | met |",
        "- BM_Broken: rows lost",
        "- bench_cut: no results",
    ]
    missing = [e for e in expected if e not in text]
    if "BM_Broken |" in text:
        missing.append("a failed benchmark shown with a figure")
    if missing:
        print(text)
        print("missing:", *missing, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
