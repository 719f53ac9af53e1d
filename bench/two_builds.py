#!/usr/bin/env python3
"""Two builds of Quillmere side by side: is a change to the engines slower, and do they still agree?

  bench/two_builds.py OLD_BUILD NEW_BUILD [--rounds N]

OLD_BUILD and NEW_BUILD are build folders (scripts/build) of two commits, each with bin/quillmere-cli,
bin/symmetric_fill_bench and bin/freeform_bench built. Every workload runs in both builds one after the
other, round after round (interleaved, so that a busy machine slows both alike); each build's time is
the least CPU time (user + system) over the rounds. The script prints per workload the two times and
NEW / OLD, and the ratio of the totals.

The command-line workloads are seeded, so both builds must print the same fills: the script says
"same output" or stops with the first difference (the run-time lines are left out of the comparison).
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TIMING = re.compile(r"in \d+ ms|[\d.]+ secs\.")

# Google Benchmark programs and filters; they run from the build folder, where they find their data.
BENCHES = [
    ("symmetric_fill_bench", "BM_SymmetricRun/0$"),
    ("symmetric_fill_bench", "BM_SymmetricRun/1$"),
    ("freeform_bench", "BM_FreeformRunIndexed/2000$"),
]

# Seeded quillmere-cli runs.
CLI_RUNS = [
    ["--seed", "3", "fill", "15", "1", "--fills", "200"],
    ["--seed", "3", "fill", "21", "2", "--fills", "100"],
    ["--seed", "3", "freeform", "--theme", "Food", "--size", "15", "--fills", "300"],
] + [["--seed", "1", "fill-grid", os.path.join(ROOT, "bench", "grids", f"us15-typical-{k}.txt"), "--fills", "3"]
     for k in range(1, 7)]


def run_timed(argv, cwd):
    """Runs argv; returns (stdout, CPU seconds of the child)."""
    with tempfile.TemporaryFile() as out:
        proc = subprocess.Popen(argv, cwd=cwd, stdout=out, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(proc.pid, 0)
        proc.returncode = os.waitstatus_to_exitcode(status)
        out.seek(0)
        text = out.read().decode("utf-8", "replace")
    return text, proc.returncode, usage.ru_utime + usage.ru_stime


def bench_time(build, program, pattern):
    """The benchmark's CPU time per iteration in ms, as Google Benchmark reports it."""
    text, code, _ = run_timed([os.path.join(build, "bin", program), "--benchmark_filter=" + pattern,
                               "--benchmark_format=json"], build)
    if code != 0:
        sys.exit(f"{program} {pattern} failed in {build}")
    runs = json.loads(text)["benchmarks"]
    if not runs:
        sys.exit(f"{program} has no benchmark {pattern}")
    return runs[0]["cpu_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[runs[0]["time_unit"]]


def cli_time(build, args):
    cli = os.path.join(build, "bin", "quillmere-cli")
    text, code, seconds = run_timed([cli, "--data", os.path.join(build, "bin")] + args, build)
    return TIMING.sub("", text), code, seconds * 1000.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--rounds", type=int, default=5)
    a = parser.parse_args()
    builds = [os.path.abspath(a.old), os.path.abspath(a.new)]
    rows = []
    for program, pattern in BENCHES:
        best = [float("inf"), float("inf")]
        for _ in range(a.rounds):
            for i, build in enumerate(builds):
                best[i] = min(best[i], bench_time(build, program, pattern))
        rows.append((f"{program} {pattern.rstrip('$')}", best))
    for args in CLI_RUNS:
        best = [float("inf"), float("inf")]
        outputs = [None, None]
        for _ in range(a.rounds):
            for i, build in enumerate(builds):
                text, code, ms = cli_time(build, args)
                if outputs[i] is None:
                    outputs[i] = (code, text)
                best[i] = min(best[i], ms)
        name = "cli " + " ".join(os.path.basename(x) for x in args)
        if outputs[0] != outputs[1]:
            sys.exit(f"{name}: the two builds print different fills (exit {outputs[0][0]} / {outputs[1][0]})")
        rows.append((name + "  (same output)", best))
    print(f"{'workload':<72} {'old ms':>9} {'new ms':>9} {'new/old':>8}")
    for name, (old, new) in rows:
        print(f"{name:<72} {old:9.2f} {new:9.2f} {new / old:8.3f}")
    print(f"{'total':<72} {sum(r[1][0] for r in rows):9.2f} {sum(r[1][1] for r in rows):9.2f} "
          f"{sum(r[1][1] for r in rows) / sum(r[1][0] for r in rows):8.3f}")


if __name__ == "__main__":
    main()
