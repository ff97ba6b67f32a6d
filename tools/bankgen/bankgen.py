#!/usr/bin/env python3
"""Seeded generator of the equation-bank sources data/equations/r11.txt ... r61.txt.

    python3 tools/bankgen/bankgen.py [OUTDIR]      (default data/equations)

The committed sources are the truth: the build only compiles them, and a test
checks that this generator still writes them byte for byte.  Hand edits to a
source must therefore be carried over into its type here.
"""
import os
import random
import sys

from areas import AREAS
from steps import Retry
from texts import root_text


def acceptable(eq, root, lines, seen):
    key = eq.replace(' ', '')
    if key in seen or not 1 <= len(lines) <= 20:
        return None
    if any(text.startswith('0=') for text in lines):
        return None
    return key


def generate_area(code, types, seen):
    rng = random.Random(7919 * code)
    triplets = []
    for gen in types:
        trip = []
        for attempt in range(20000):
            try:
                eq, root, lines, decimals = gen(rng)
            except (Retry, ZeroDivisionError, ValueError):
                continue
            key = acceptable(eq, root, lines, seen)
            if key is None or any(eq.split('=')[0] == t[0].split('=')[0]
                                  for t in trip):
                continue
            seen.add(key)
            trip.append((eq, root_text(root, decimals), lines))
            if len(trip) == 3:
                break
        else:
            raise SystemExit('r%d: typ %d nedal tři rovnice'
                             % (code, len(triplets) + 1))
        triplets.append(trip)
    return triplets


def write_area(path, code, name, triplets):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('# r%d.dat: %s\n' % (code, name))
        f.write('# Rovnice po trojicích stejného typu, od lehčích k těžším.\n'
                '# Každá rovnice: "rovnice:" zadání, "koren:" přesný kořen,\n'
                '# "postup:" vzorové řešení řádek po řádku, za "/" poznámka.\n'
                '# Vytvořeno nástrojem tools/bankgen/bankgen.py.\n')
        for i, trip in enumerate(triplets, 1):
            f.write('\n# --- trojice %d\n' % i)
            for eq, root, lines in trip:
                f.write('\nrovnice: %s\nkoren: %s\npostup:\n' % (eq, root))
                for line in lines:
                    f.write('    %s\n' % line)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(
        here, '..', '..', 'data', 'equations')
    os.makedirs(out, exist_ok=True)
    seen = set()
    paths = []
    for code, name, types in AREAS:
        trips = generate_area(code, types, seen)
        path = os.path.join(out, 'r%d.txt' % code)
        write_area(path, code, name, trips)
        paths.append(path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
