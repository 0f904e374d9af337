#!/usr/bin/env python3
"""Seeded random korveld-cli command lines: rate and select over every refrigerant, series, unit
and distributor, with entries typed well and badly, text and JSON output. One JSON array of
arguments per line on standard output; the same seed gives the same lines on every machine.

    random_command_lines.py [--seed S] [--count N]
"""
import argparse
import json
import random

REFRIGERANTS = ["R-12", "R-22", "R-502", "R-134a", "R-401A", "R-402A", "R-402B", "R-404A", "R-407C", "R-507"]
SERIES = ["KO", "KOD", "KOT", "KIM", "QZ", "GL", "VMP", "VRK", "VRD", "VOS", "VAN", "VEB", "VULK", "VA",
          "DQQ/DQ", "OBN", "NYF", "KO/KE", "G/GY"]
UNITS = ["btuh", "tons", "kw", "kcal"]
DISTRIBUTORS = ["none", "orifice", "venturi", "user"]
CHARGES = ["W35", "AD 10", "CA", "C", "Z", "ZP", "none", "W45"]
BLEEDS = ["0", "10", "15", "20", "25", "30", "40", "50"]
# Entries no worksheet takes: not numbers, out of range, beyond a Single.
BAD_NUMBERS = ["", "abc", "4O", "1,5", "--5", "1e39", "-1e39", "1e-50", "inf", "nan", "0x10", "  ", "12 3",
               "99999", "-99999", ".", "-", "1e", "+"]


def typed(rng, low, high):
    """A number in [low, high] typed as a user might: integer, decimals, exponent, blanks, a sign."""
    value = rng.uniform(low, high)
    form = rng.random()
    if form < 0.35:
        text = str(round(value))
    elif form < 0.75:
        text = f"{value:.{rng.randint(1, 4)}f}"
    elif form < 0.85:
        text = f"{value:.3e}"
    elif form < 0.92:
        text = repr(value)
    else:
        text = f" {round(value, 1)} "
    if rng.random() < 0.03 and not text.strip().startswith("-"):
        text = "+" + text.strip()
    return text


def entry(rng, low, high):
    return rng.choice(BAD_NUMBERS) if rng.random() < 0.06 else typed(rng, low, high)


def capacity_range(unit):
    return {"btuh": (500, 250000), "tons": (0.05, 20), "kw": (0.2, 70), "kcal": (150, 60000)}[unit]


def common_options(rng, args, unit):
    args += ["--refrigerant", rng.choice(REFRIGERANTS) if rng.random() > 0.02 else rng.choice(["R-999", "r-22", ""])]
    args += ["--valve", rng.choice(SERIES) if rng.random() > 0.02 else rng.choice(["KUBS", "ko", "X"])]
    if unit != "btuh" or rng.random() < 0.3:
        args += ["--unit", unit]
    metric = unit in ("kw", "kcal")
    evap, cond, liquid = ((-45, 15), (15, 60), (5, 55)) if metric else ((-50, 60), (60, 140), (40, 130))
    # Mostly a liquid a little colder than the condensing temperature, as in a real system.
    condensing = rng.uniform(*cond)
    if rng.random() < 0.85:
        liquid = (condensing - (15 if metric else 30), condensing)
    for option, (low, high) in (("--evap", evap), ("--cond", (condensing, condensing)),
                                (rng.choice(["--liq", "--liquid"]), liquid)):
        if rng.random() > 0.02:
            args += [option, entry(rng, low, high)]
    if rng.random() < 0.5:
        distributor = rng.choice(DISTRIBUTORS) if rng.random() > 0.03 else "nozzle"
        args += ["--distributor", distributor]
        if distributor == "user" or rng.random() < 0.05:
            args += ["--pressure-drop", entry(rng, 0, 3 if metric else 50)]


def rate_line(rng):
    unit = rng.choice(UNITS) if rng.random() > 0.02 else "watts"
    args = ["rate"]
    common_options(rng, args, unit)
    if rng.random() < 0.4:
        args += ["--system-capacity", entry(rng, *capacity_range(unit if unit in UNITS else "btuh"))]
    return args


def select_line(rng):
    unit = rng.choice(UNITS) if rng.random() > 0.02 else "watts"
    args = ["select"]
    common_options(rng, args, unit)
    if rng.random() > 0.02:
        args += ["--capacity", entry(rng, *capacity_range(unit if unit in UNITS else "btuh"))]
    if rng.random() < 0.25:
        args += ["--equalizer", rng.choice(["external", "internal"] * 5 + ["both"])]
    if rng.random() < 0.25:
        args += ["--connection", rng.choice(["sweat", "flare"] * 5 + ["solder"])]
    if rng.random() < 0.15:
        args += ["--charge", rng.choice(CHARGES)]
    if rng.random() < 0.2:
        args += ["--bleed", rng.choice(BLEEDS) if rng.random() > 0.1 else "12"]
    if rng.random() < 0.1:
        args += ["--strainer"]
    if rng.random() < 0.1:
        args += ["--tag", f"EVAP-{rng.randint(1, 99)}"]
    return args


def command_line(rng):
    args = rate_line(rng) if rng.random() < 0.5 else select_line(rng)
    if rng.random() < 0.5:
        args.append("--json")
    if rng.random() < 0.02:
        args.insert(rng.randint(1, len(args)), rng.choice(["--frobnicate", "-x", "stray"]))
    return args


def command_lines(seed, count):
    rng = random.Random(seed)
    return [command_line(rng) for _ in range(count)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=1000)
    options = parser.parse_args()
    for args in command_lines(options.seed, options.count):
        print(json.dumps(args, ensure_ascii=False))


if __name__ == "__main__":
    main()
