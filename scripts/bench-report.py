"""Prints every benchmark with its baseline and the ratio (medians of the
repetitions).  A benchmark "<Name>_Baseline" is the baseline of "<Name>"; a
"goal" counter on "<Name>" is the highest ratio allowed.  Exits 1 when a goal
is missed."""
import json
import sys

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def main(paths):
    figures = {}
    goals = {}
    for path in paths:
        with open(path) as handle:
            data = json.load(handle)
        for bench in data.get("benchmarks", []):
            if bench.get("aggregate_name", "median") != "median":
                continue
            name = bench.get("run_name", bench["name"])
            seconds = bench["cpu_time"] * UNITS[bench.get("time_unit", "ns")]
            figures[name] = seconds
            if "goal" in bench:
                goals[name] = bench["goal"]
    missed = 0
    for name in sorted(figures):
        # "Name/process_time" pairs with "Name_Baseline/process_time".
        base, slash, rest = name.partition("/")
        if base.endswith("_Baseline"):
            continue
        value = figures[name]
        baseline = figures.get(base + "_Baseline" + slash + rest)
        line = f"{name}: {value * 1e3:.3f} ms"
        if baseline:
            ratio = value / baseline
            line += f", baseline {baseline * 1e3:.3f} ms, ratio {ratio:.2f}"
            if name in goals:
                ok = ratio <= goals[name]
                line += f" (goal <= {goals[name]:g}: {'ok' if ok else 'MISSED'})"
                missed += 0 if ok else 1
        print(line)
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
