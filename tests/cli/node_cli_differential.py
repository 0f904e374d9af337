#!/usr/bin/env python3
"""korveld-cli built for Node against the native korveld-cli: the same command lines through both,
standard output, standard error and exit status compared byte for byte. Seeded random rate and
select lines, then every other command: charges, compare, batch from a file and from the standard
input, --help and --version. Prints the first differences; exit status 1 when there is any.

    node_cli_differential.py --native build/cli/korveld-cli --node-cli build-web/korveld-cli.js
                             [--lines N] [--seed S] [--jobs J]
"""
import argparse
import concurrent.futures
import difflib
import os
import pathlib
import shlex
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from random_command_lines import command_lines  # noqa: E402

WORKED_EXAMPLE = ["--refrigerant", "R-22", "--valve", "KO", "--evap", "40", "--cond", "100", "--liq", "90"]


def fixed_cases(batch_file, missing_file):
    """Every command besides the random lines, each as (arguments, standard input)."""
    cases = [([], None), (["--help"], None), (["--version"], None), (["-h"], None), (["nonsense"], None),
             (["rate"], None), (["select", "--json"], None)]
    for command in ("rate", "select", "charges", "compare", "batch"):
        cases.append(([command, "--help"], None))
    for unit, evap in (("btuh", "40"), ("tons", "-20"), ("kw", "4"), ("kcal", "-30"), ("kw", "abc")):
        for refrigerant, valve in (("R-22", "KO"), ("R-404A", "QZ"), ("R-134a", "VMP"), ("R-12", "KOD")):
            options = ["--refrigerant", refrigerant, "--valve", valve, "--unit", unit, "--evap", evap]
            cases += [(["charges"] + options, None), (["charges"] + options + ["--json"], None)]
    for capacity in ("12000", "500", "900000", "x"):
        for extra in ([], ["--json"], ["--bleed", "15", "--json"], ["--charge", "none"], ["--strainer"]):
            cases.append((["compare", "--refrigerant", "R-22", "--evap", "40", "--cond", "100", "--liq", "90",
                           "--capacity", capacity] + extra, None))
    cases += [(["compare", "--refrigerant", "R-404A", "--unit", "kw", "--evap", "-10", "--cond", "40",
                "--liq", "35", "--capacity", "3.5"], None),
              (["rate"] + WORKED_EXAMPLE + ["--system-capacity", "12000"], None),
              # Texts beyond ASCII and JSON's escapes, through Node's arguments.
              (["rate", "--refrigerant", "R-22", "--valve", "KO", "--evap", "40 °F", "--cond", "100", "--liq", "90"],
               None),
              (["select"] + WORKED_EXAMPLE + ["--capacity", "１２０００", "--json"], None),
              (["select"] + WORKED_EXAMPLE + ["--capacity", "12000", "--tag", "Kühlraum–3 \"A\"\\\t", "--json"], None),
              (["select"] + WORKED_EXAMPLE + ["--capacity", "12000"], None),
              (["batch", batch_file], None), (["batch"], pathlib.Path(batch_file).read_bytes()),
              (["batch", "-"], pathlib.Path(batch_file).read_bytes()), (["batch", missing_file], None),
              (["batch", batch_file, "extra"], None)]
    return cases


def write_batch_file(path, seed):
    lines = ["# a schedule: one command line per valve", ""]
    for args in command_lines(seed + 1, 150):
        lines.append(shlex.join(arg for arg in args if arg != "--json"))
    lines += ["charges --refrigerant R-22", "rate --evap 'unclosed", "   ", "select " + shlex.join(WORKED_EXAMPLE)]
    pathlib.Path(path).write_text("\n".join(lines) + "\n", encoding="utf-8")


def run(program, args, stdin):
    done = subprocess.run(program + args, input=stdin if stdin is not None else b"", capture_output=True,
                          timeout=120, check=False)
    return done.stdout, done.stderr, done.returncode


def compare(native, node, case):
    args, stdin = case
    for _ in range(2):  # once more when a page's time line ticked to the next minute between the runs
        expected, got = run(native, args, stdin), run(node, args, stdin)
        if expected == got:
            return None
    return args, expected, got


def describe(difference):
    args, expected, got = difference
    lines = [f"korveld-cli {shlex.join(args)}"]
    for name, index in (("stdout", 0), ("stderr", 1)):
        if expected[index] != got[index]:
            diff = difflib.unified_diff(expected[index].decode("utf-8", "replace").splitlines(),
                                        got[index].decode("utf-8", "replace").splitlines(),
                                        f"native {name}", f"node {name}", lineterm="", n=1)
            lines += list(diff)[:30]
    if expected[2] != got[2]:
        lines.append(f"exit status: native {expected[2]}, node {got[2]}")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native", required=True)
    parser.add_argument("--node-cli", required=True)
    parser.add_argument("--node", default="node")
    parser.add_argument("--lines", type=int, default=1200)
    parser.add_argument("--seed", type=int, default=20261208)
    parser.add_argument("--jobs", type=int, default=2)
    options = parser.parse_args()
    for path in (options.native, options.node_cli):
        if not os.path.isfile(path):
            print(f"{path} is missing: build both editions first (make build web)", file=sys.stderr)
            return 1

    with tempfile.TemporaryDirectory() as work:
        batch_file = os.path.join(work, "schedule.txt")
        write_batch_file(batch_file, options.seed)
        cases = [(args, None) for args in command_lines(options.seed, options.lines)]
        cases += fixed_cases(batch_file, os.path.join(work, "no-such-schedule.txt"))
        native, node = [options.native], [options.node, options.node_cli]
        with concurrent.futures.ThreadPoolExecutor(options.jobs) as pool:
            differences = [d for d in pool.map(lambda case: compare(native, node, case), cases) if d]

    print(f"{len(cases)} command lines ({options.lines} random rate and select lines, seed {options.seed}): "
          f"{len(cases) - len(differences)} identical, {len(differences)} different")
    for difference in differences[:5]:
        print(describe(difference))
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
