#!/usr/bin/env python3
"""Checks the regression calculator's five fits against numpy's least squares.

Generates a few hundred random data sets, fits each with the native driver
(FitDriver) and with numpy.polyfit on the transformed data, and requires a, b and
r to agree to 1e-12 relative.

usage: check_fits.py PATH_TO_FIT_DRIVER
"""
import subprocess
import sys

import numpy as np

TOLERANCE = 1e-12
SETS_PER_MODEL = 80
TRANSFORMS = {  # model: (name, x', y')
    0: ("linear", lambda x: x, lambda y: y),
    1: ("log", np.log, lambda y: y),
    2: ("log 10", np.log10, lambda y: y),
    3: ("exponential", lambda x: x, np.log),
    4: ("power", np.log, np.log),
}


def data_set(rng, model):
    n = int(rng.integers(3, 101))
    uses_log_x = model in (1, 2, 4)
    x = rng.uniform(0.1, 100.0, n) if uses_log_x else rng.uniform(-10.0, 10.0, n)
    a = rng.uniform(1.0, 5.0) * rng.choice([-1, 1])
    b = rng.uniform(0.2, 2.0) * rng.choice([-1, 1])
    line = a + b * TRANSFORMS[model][1](x) + rng.normal(0.0, 0.5, n)
    y = np.exp(line / 10.0) if model in (3, 4) else line
    return x, y


def main():
    rng = np.random.default_rng(1789)
    sets = [(model, *data_set(rng, model)) for model in TRANSFORMS for _ in range(SETS_PER_MODEL)]
    lines = []
    for model, x, y in sets:
        values = " ".join(repr(float(v)) for v in np.concatenate([x, y]))
        lines.append(f"{model} {len(x)} {values}")
    run = subprocess.run([sys.argv[1]], input="\n".join(lines) + "\n", capture_output=True,
                         text=True, check=True)
    results = [list(map(float, line.split())) for line in run.stdout.splitlines()]
    assert len(results) == len(sets), f"{len(results)} results for {len(sets)} data sets"

    worst = 0.0
    failures = 0
    for (model, x, y), ours in zip(sets, results):
        name, tx, ty = TRANSFORMS[model]
        xt, yt = tx(x), ty(y)
        b, a = np.polyfit(xt, yt, 1)
        r = np.corrcoef(xt, yt)[0, 1]
        for label, mine, theirs in zip("abr", ours, (a, b, r)):
            error = abs(mine - theirs) / abs(theirs)
            worst = max(worst, error)
            if not error <= TOLERANCE:
                failures += 1
                print(f"{name} n={len(x)}: {label} = {mine!r}, numpy {theirs!r}, "
                      f"relative error {error:.3g}")
    print(f"{len(sets)} data sets, 5 models: worst relative error {worst:.3g}, "
          f"{failures} beyond {TOLERANCE}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
