"""Prints every benchmark with its baseline and the ratio (medians of the
repetitions).  A benchmark "<Name>_Baseline" is the baseline of "<Name>"; a
"goal" counter on "<Name>" is the highest ratio allowed.  Exits 1 when a goal
is missed.

Benchmarks that measure real time (UseRealTime, for work that waits on the
disk or on threads) are reported by their real time.  Other counters are
printed too; a counter "limit_<what>" is the highest value allowed for the
counter "<what>" (for "limit_s", the time of one iteration in seconds)."""
import json
import sys

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
SKIP = {"goal", "keys", "actions"}


def main(paths):
    figures = {}
    goals = {}
    counters = {}
    for path in paths:
        with open(path) as handle:
            data = json.load(handle)
        for bench in data.get("benchmarks", []):
            if bench.get("aggregate_name", "median") != "median":
                continue
            name = bench.get("run_name", bench["name"])
            real = name.endswith("/real_time")
            if real:
                name = name[: -len("/real_time")]
            name = name.split("/iterations:")[0]
            seconds = bench["real_time" if real else "cpu_time"] * UNITS[bench.get("time_unit", "ns")]
            figures[name] = seconds
            if "goal" in bench:
                goals[name] = bench["goal"]
            known = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads", "iterations",
                     "real_time", "cpu_time", "time_unit", "aggregate_name", "aggregate_unit", "family_index",
                     "per_family_instance_index", "label", "goal"}
            counters[name] = {k: v for k, v in bench.items() if k not in known and isinstance(v, (int, float))}
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
        own = counters.get(name, {})
        for key, amount in sorted(own.items()):
            if key.startswith("limit_") or key in SKIP:
                continue
            line += f"; {key} {amount:.4g}"
        for key, limit in sorted(own.items()):
            if not key.startswith("limit_"):
                continue
            what = key[len("limit_"):]
            amount = value if what == "s" else own.get(what)
            if amount is None:
                continue
            ok = amount <= limit
            line += f" ({what} limit {limit:g}: {'ok' if ok else 'MISSED'})"
            missed += 0 if ok else 1
        print(line)
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
