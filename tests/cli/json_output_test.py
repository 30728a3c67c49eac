#!/usr/bin/env python3
"""kalvo-cli --json for every topology of every calculator program, with the start
inputs and with every field empty: the output parses with Python's json module,
non-finite values are null, keys are unique, and each quantity's shown text stands in
the report text. A sweep prints an array of such objects without their reports."""
import json
import math
import subprocess
import sys

cli = sys.argv[1]
programs = ["rc", "impedance", "ee", "inductance", "xy"]
failures = []


def run(args):
    result = subprocess.run([cli] + args, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        failures.append(f"{args}: exit {result.returncode}: {result.stderr.strip()}")
        return None
    try:
        return json.loads(result.stdout)
    except json.JSONDecodeError as error:
        failures.append(f"{args}: not JSON: {error}")
        return None


def check(args, obj, with_report=True):
    keys = [q["key"] for q in obj["quantities"]]
    if len(keys) != len(set(keys)):
        failures.append(f"{args}: repeated keys {keys}")
    for q in obj["quantities"]:
        value = q["value"]
        if value is not None and not (isinstance(value, (int, float)) and math.isfinite(value)):
            failures.append(f"{args}: {q['key']} value {value!r}")
        if with_report and q["shown"] not in obj["report"]:
            failures.append(f"{args}: {q['key']} shown {q['shown']!r} not in the report")
    if with_report != ("report" in obj):
        failures.append(f"{args}: report present: {'report' in obj}")


for program in programs:
    listing = subprocess.run([cli, program, "--list"], capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        number = line.split("\t")[0]
        for values in ([], [""] * (6 if program in ("rc", "xy") else 5)):
            args = [program, number] + values + ["--json"]
            obj = run(args)
            if obj is not None:
                check(args, obj)

sweep = run(["impedance", "Microstrip", "1.6", "3", "--sweep", "w=0.1:10:5", "--log", "--json"])
if sweep is not None:
    if not isinstance(sweep, list) or len(sweep) != 5:
        failures.append("sweep: not an array of 5")
    else:
        for obj in sweep:
            check(["sweep"], obj, with_report=False)

for failure in failures:
    print(failure)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
