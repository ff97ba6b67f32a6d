#!/usr/bin/env python3
"""Seeded generator of the equation-bank sources data/equations/r11.txt ... r61.txt.

    python3 tools/bankgen/bankgen.py [OUTDIR]      (default data/equations)

Every type of areas.py gives a triplet of three equations; the generator
draws numbers until each equation, its triplet, its file and the whole bank
keep the rules of rules.py, and exits with status 1 (after printing them)
if the finished bank breaks any.  The committed sources are the truth: the
build only compiles them, and a test checks that this generator still
writes them byte for byte.  Hand edits to a source must therefore be
carried over into its type here.
"""
import os
import random
import sys
from fractions import Fraction

from areas import AREAS, HOLE, pool_of
from expr import (Frac, Group, Num, Prod, Retry, Square, Var, XFrac,
                  excluded_values, side_poly, side_value, x_denominators)
from rules import (Record, bank_problems, difficulty, record_problems,
                   root_kind, triplet_problems)
from solver import solve
from texts import drawn_width, is_decimal, root_text

ATTEMPTS = 20000
MAX_SAME_ROOT = 3
# What the generator lets through before the program's own layout decides
# (tests/bankview): the page's writing width is 740 pixels, the equation
# band's 582.
LINE_WIDTH = 700
EQUATION_WIDTH = 540


def draw_root(rng, letter, pool):
    if letter == 'Z':
        return Fraction(0)
    if letter in 'PN':
        lo, hi = pool
        v = Fraction(rng.randint(lo, hi))
        return v if letter == 'P' else -v
    denominators, largest = pool
    while True:
        q = rng.choice(denominators)
        v = Fraction(rng.randint(1, int(largest * q)), q)
        if v.denominator != 1:
            return v if letter == 'F' else -v


def fill_hole(left, right, root, typ, decimals):
    """The equation with HOLE replaced by the number that makes it hold."""
    if HOLE not in left + right:
        return left, right
    side, rest = (left, right) if HOLE in left else (right, left)
    others = tuple(i for i in side if i is not HOLE)
    v = side_value(rest, root) - side_value(others, root)
    lo, hi = typ.hole
    whole_or_decimal = v.denominator == 1 or \
        (decimals and is_decimal(v, typ.hole_places))
    if not whole_or_decimal or (v == 0 and root != 0) or not lo <= v <= hi:
        raise Retry()
    filled = tuple(Num(v) if i is HOLE else i for i in side)
    return (filled, right) if side is left else (left, filled)


def _content(side):
    from math import gcd
    values = [t.c for t in side if isinstance(t, (Num, Var))]
    if len(values) != len(side) or any(v.denominator != 1 for v in values):
        return 1
    out = 0
    for v in values:
        out = gcd(out, int(v))
    return out


def _binomials(side):
    """The brackets of products and squares and the numerators of more
    terms."""
    for item in side:
        if isinstance(item, (Frac, XFrac)) and len(item.num) > 1:
            yield item.num
        if isinstance(item, Prod):
            yield item.a
            yield item.b
        elif isinstance(item, Square):
            yield item.inner
        elif isinstance(item, Group):
            yield from _binomials(item.inner)


def natural_equation(left, right, reducible):
    """What a teacher writes: natural sides, no item twice, no bracket of a
    product or square and no numerator twice (x-7 on both sides is a trap,
    not practice)."""
    items = [i for i in left + right if not isinstance(i, (Num, Var))]
    binomials = list(_binomials(left + right))
    return (natural(left, reducible) and natural(right, reducible) and
            len(set(items)) == len(items) and
            len(set(binomials)) == len(binomials) and
            not (x_drops_out(left) or x_drops_out(right)))


def x_drops_out(side):
    """A side with the unknown in it that is worth the same for every x,
    as (x-2)/2-(x-1)/2 is: a puzzle, not practice."""
    if any(isinstance(i, XFrac) for i in side):
        return False
    return mentions_x(side) and side_poly(side).degree() < 1


def mentions_x(side):
    for item in side:
        if isinstance(item, Var) or getattr(item, 'x', False):
            return True
        for part in ('inner', 'a', 'b', 'num'):
            if mentions_x(getattr(item, part, ())):
                return True
    return False


def natural(side, reducible):
    """No common factor left inside a bracket, no fraction that could be
    reduced (unless that is the point)."""
    for item in side:
        if isinstance(item, Group):
            if _content(item.inner) > 1 or not natural(item.inner, reducible):
                return False
        elif isinstance(item, (Prod, Square)):
            parts = (item.a, item.b) if isinstance(item, Prod) else (item.inner,)
            if any(_content(p) > 1 for p in parts):
                return False
        elif isinstance(item, (Frac, XFrac)):
            if isinstance(item, XFrac) and any(
                    side_value(item.num, Fraction(-q, p)) == 0
                    for p, q in item.factors):
                return False  # the numerator cancels against a factor below
            den = item.den if isinstance(item, Frac) else item.d
            content = _content(item.num)
            if not natural(item.num, reducible):
                return False
            if not reducible and (len(item.num) > 1 and content > 1 or
                                  __import__('math').gcd(content, den) > 1):
                return False
    return True


def letter_fits(letter, root):
    kind = root_kind(root)
    if letter in 'FM':
        return kind == 'F' and (root > 0) == (letter == 'F')
    return kind == letter


def make_record(area, typ, rng, letter, level):
    decimals = typ.solve.get('decimals', False)
    root = draw_root(rng, letter, pool_of(area, letter if letter != 'M'
                                          else 'F', typ.pool))
    left, right = typ.make(rng, root, level)
    if HOLE in left + right:
        left, right = fill_hole(left, right, root, typ, decimals)
    if not natural_equation(left, right, typ.reduce):
        raise Retry()
    sol, found = solve(left, right, **typ.solve)
    if not letter_fits(letter, found):
        raise Retry()
    texts = sol.texts()
    if drawn_width(sol.lines[0][0], 28) > EQUATION_WIDTH or \
            any(drawn_width(line) > LINE_WIDTH for line in texts):
        raise Retry()
    lines = [[m, n] for m, n in sol.lines]
    if not typ.reduce and any(n == 'zkrátíme' for _, n in lines):
        raise Retry()
    rec = Record(area=area, kind=typ.name, equation=lines[0][0], root=found,
                 lines=lines, excluded=excluded_values(left, right),
                 value_at_root=side_value(left, found),
                 denominators_at_root=[d.value(found) for d in
                                       x_denominators(left, right)],
                 decimals=decimals)
    rec.texts = texts
    if record_problems(rec):
        raise Retry()
    return rec


def fits_triplet(rec, triplet, seen, roots):
    if rec.equation in seen or roots.count(rec.root) >= MAX_SAME_ROOT:
        return False
    return not triplet_problems(triplet + [rec])


def generate_triplet(area, plan, rng, seen, roots):
    """plan: (type, root letter, level) for each of the three."""
    triplet = []
    for typ, letter, level in plan:
        for _ in range(ATTEMPTS):
            try:
                rec = make_record(area, typ, rng, letter, level)
            except (Retry, ZeroDivisionError):
                continue
            if fits_triplet(rec, triplet, seen, roots):
                break
        else:
            raise SystemExit('r%d: typ „%s“ nedal rovnici s kořenem %s'
                             % (area, typ.name, letter))
        seen.add(rec.equation)
        roots.append(rec.root)
        triplet.append(rec)
    return triplet


def generate_area(area, types, seen):
    rng = random.Random(7919 * area)
    roots = []
    if area == 61:
        kinds = [generate_triplet(area, [(typ, letter, level) for level, letter
                                         in enumerate(typ.roots)],
                                  rng, seen, roots)
                 for typ in types.values()]
        return entrance_order([r for triplet in kinds for r in triplet])
    return [generate_triplet(area, [(typ, letter, level) for level, letter
                                    in enumerate(typ.roots)], rng, seen, roots)
            for typ in types]


def entrance_order(recs):
    """The entrance examinations from easier to harder: the easiest that
    may come next each time, three different kinds to a triplet, never two
    of one kind in a row, and a triplet's roots and lines all different."""
    pending = sorted(recs, key=difficulty)
    order = []

    def fits(rec):
        triplet = order[len(order) - len(order) % 3:]
        if order and order[-1].kind == rec.kind:
            return False
        return all(rec.kind != o.kind for o in triplet) and \
            not triplet_problems(triplet + [rec])

    def place():
        if not pending:
            return True
        for i, rec in enumerate(pending):
            if fits(rec):
                order.append(pending.pop(i))
                if place():
                    return True
                pending.insert(i, order.pop())
        return False

    if not place():
        raise SystemExit('r61: přijímačky nejde seřadit')
    return [order[i:i + 3] for i in range(0, len(order), 3)]


def write_area(path, area, title, triplets):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('# r%d.dat: %s\n' % (area, title))
        f.write('# Rovnice po trojicích, od lehčích k těžším.\n'
                '# Každá rovnice: "rovnice:" zadání, "koren:" přesný kořen,\n'
                '# "postup:" vzorové řešení řádek po řádku, za "/" poznámka.\n'
                '# Vytvořeno nástrojem tools/bankgen/bankgen.py.\n')
        for i, triplet in enumerate(triplets, 1):
            kinds = [r.kind for r in triplet]
            same = len(set(kinds)) == 1
            f.write('\n# --- trojice %d%s\n' % (i, ': ' + kinds[0] if same
                                                else ''))
            for rec in triplet:
                if not same:
                    f.write('\n# %s' % rec.kind)
                f.write('\nrovnice: %s\nkoren: %s\npostup:\n'
                        % (rec.equation, root_text(rec.root, rec.decimals)))
                for line in rec.texts:
                    f.write('    %s\n' % line)


def generate_bank():
    """area -> (title, triplets)"""
    seen = set()
    return {area: (title, generate_area(area, types, seen))
            for area, title, types in AREAS}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(
        here, '..', '..', 'data', 'equations')
    os.makedirs(out, exist_ok=True)
    bank = generate_bank()
    for area, (title, triplets) in bank.items():
        write_area(os.path.join(out, 'r%d.txt' % area), area, title, triplets)
    problems = bank_problems({area: [r for t in triplets for r in t]
                              for area, (_, triplets) in bank.items()})
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
