"""Sides made of items: parentheses, products, squares, fractions with
numbers and with the unknown in the denominator.  A side is a list of items:

    ('T', c, kind)              c times x^2, x or 1
    ('P', k, inner, mult)       k mult (inner)     (mult '' or 'x')
    ('PP', k, in1, in2)         k (in1)(in2)
    ('SQ', k, inner)            k (inner)^2
    ('F', k, nk, inner, den)    k (nk (inner)) / den,  k = 1 or -1
    ('D', k, inner, (d, key))   k inner / (d (p x + q)), key = (p, q)

inner parts are linear sides, lists of (coefficient, kind).  equation_type
turns a maker of random sides into a type of the bank."""
import math
from fractions import Fraction

from steps import Retry, Solution, draw_nonzero, finished, solve_linear
from texts import (estimated_width, number_text, term_text, terms_text)


DEGREE = {'': 0, 'x': 1, 'x^2': 2}
KIND_OF_DEGREE = {0: '', 1: 'x', 2: 'x^2'}


def multiply(p, q):
    return [(a * b, KIND_OF_DEGREE[DEGREE[s] + DEGREE[t]]) for a, s in p for b, t in q]


def poly_value(p, x):
    return sum(Fraction(c) * Fraction(x) ** DEGREE[s] for c, s in p)


def coefficient_prefix(k, first):
    """Coefficient in front of a parenthesis or a product."""
    if k == 1:
        return '' if first else '+'
    if k == -1:
        return '-'
    return term_text(k, '', first)


def item_text(item, first):
    t = item[0]
    if t == 'T':
        return term_text(item[1], item[2], first)
    if t == 'P':
        return coefficient_prefix(item[1], first) + item[3] + '(' + terms_text(*item[2]) + ')'
    if t == 'PP':
        return (coefficient_prefix(item[1], first) + '(' + terms_text(*item[2]) + ')('
                + terms_text(*item[3]) + ')')
    if t == 'SQ':
        return coefficient_prefix(item[1], first) + '(' + terms_text(*item[2]) + ')^2'
    if t == 'D':
        k, inner, (d, key) = item[1:]
        s = '\\frac{%s}{%s}' % (terms_text(*inner), denominator_text(d, key))
        if k < 0:
            return '-' + s
        return s if first else '+' + s
    if t == 'F':
        k, nk, inner, den = item[1:]
        body = terms_text(*inner) if nk == 1 else (
            coefficient_prefix(nk, True) + '(' + terms_text(*inner) + ')')
        s = '\\frac{%s}{%d}' % (body, den)
        if k < 0:
            return '-' + s
        return s if first else '+' + s
    raise ValueError(t)


def side_text(items):
    out = ''
    for item in items:
        out += item_text(item, not out)
    return out or '0'


def item_polynomial(item):
    t = item[0]
    if t == 'T':
        return [(Fraction(item[1]), item[2])]
    if t == 'P':
        m = [(1, 'x')] if item[3] == 'x' else [(1, '')]
        return [(item[1] * c, s) for c, s in multiply(m, item[2])]
    if t == 'PP':
        return [(item[1] * c, s) for c, s in multiply(item[2], item[3])]
    if t == 'SQ':
        return [(item[1] * c, s) for c, s in multiply(item[2], item[2])]
    if t == 'F':
        k, nk, inner, den = item[1:]
        return [(Fraction(k * nk * c, den), s) for c, s in inner]


def side_value(items, x):
    v = Fraction(0)
    for item in items:
        if item[0] == 'D':
            k, inner, (d, key) = item[1:]
            den = d * poly_value(factor_polynomial(key), x)
            if den == 0:
                raise Retry()
            v += k * poly_value(inner, x) / den
        else:
            v += poly_value(item_polynomial(item), x)
    return v


def linear_root(left, right):
    f = lambda x: side_value(left, x) - side_value(right, x)
    f0, f1, f2 = f(0), f(1), f(2)
    if f2 - 2 * f1 + f0 != 0 or f1 == f0:
        raise Retry()
    return -f0 / (f1 - f0)


def square_terms(inner):
    """(a+b)^2 written by the formula: a^2 + 2ab + b^2."""
    (a, s), (b, t) = inner
    return [(a * a, KIND_OF_DEGREE[2 * DEGREE[s]]), (2 * a * b, KIND_OF_DEGREE[DEGREE[s] + DEGREE[t]]),
            (b * b, KIND_OF_DEGREE[2 * DEGREE[t]])]


def lcm(ns):
    m = 1
    for n in ns:
        m = m * n // math.gcd(m, n)
    return m


def denominator_text(d, key):
    if key is None:
        return str(d)
    p, q = key
    f = terms_text((p, 'x'), (q, ''))
    if d == 1:
        return f
    return str(d) + (f if key == (1, 0) else '(' + f + ')')


def factor_polynomial(key):
    return [(key[0], 'x'), (key[1], '')] if key[1] else [(key[0], 'x')]


def common_denominator(items):
    """Numeric lcm and the distinct factors of all denominators."""
    m, keys = 1, []
    for item in items:
        if item[0] == 'F':
            m = lcm([m, item[4]])
        elif item[0] == 'D':
            d, key = item[3]
            m = lcm([m, d])
            if key not in keys:
                keys.append(key)
    return m, keys


def multiply_note(m, keys):
    t = '' if m == 1 else str(m)
    for key in keys:
        t += 'x' if key == (1, 0) else '(' + terms_text(*factor_polynomial(key)) + ')'
    return '·' + t


def product_item(c, numer, factors):
    """c * numer * product of factors, as items a pupil would write."""
    single = len(numer) == 1
    if not factors:
        if single:
            return [('T', c * numer[0][0], numer[0][1])]
        if c == 1:
            return [('T', a, s) for a, s in numer]
        return [('P', c, numer, '')]
    xs = [f for f in factors if f == (1, 0)]
    rest = [factor_polynomial(f) for f in factors if f != (1, 0)]
    if len(xs) > 1:
        raise Retry()
    if not rest:
        if single:
            a, s = numer[0]
            if DEGREE[s] >= 2:
                raise Retry()
            return [('T', c * a, KIND_OF_DEGREE[DEGREE[s] + 1])]
        return [('P', c, numer, 'x')]
    if len(rest) == 1:
        f = rest[0]
        if single and numer[0][1] == '':
            k = c * numer[0][0]
            if k == 1 and not xs:
                return [('T', a, s) for a, s in f]
            return [('P', k, f, 'x' if xs else '')]
        if single and numer[0][1] == 'x' and not xs:
            return [('P', c * numer[0][0], f, 'x')]
        if xs:
            raise Retry()
        return [('PP', c, numer, f)]
    if len(rest) == 2 and single and numer[0][1] == '' and not xs:
        return [('PP', c * numer[0][0], rest[0], rest[1])]
    raise Retry()


def cleared_item(item, m, keys):
    if item[0] == 'T':
        return product_item(Fraction(item[1]) * m, [(1, item[2])], keys)
    if item[0] == 'F':
        k, nk, inner, den = item[1:]
        if keys:
            return product_item(k * nk * m // den, inner, keys)
        return cleared_number_denominator(item, m)
    if item[0] == 'D':
        k, inner, (d, key) = item[1:]
        return product_item(k * m // d, inner, [f for f in keys if f != key])
    if keys:
        raise Retry()
    return cleared_number_denominator(item, m)


def clear_denominators(left, right):
    m, keys = common_denominator(left + right)
    return (sum([cleared_item(item, m, keys) for item in left], []),
            sum([cleared_item(item, m, keys) for item in right], []), m, keys)


def solve_items(sol, left, right, cond=True):
    """Write L = R and carry it through: denominators, products,
    parentheses, then the linear steps."""
    eq = side_text(left) + '=' + side_text(right)
    sol.add(eq)
    m, keys = common_denominator(left + right)
    if m != 1 or keys:
        left, right, m, keys = clear_denominators(left, right)
        note = multiply_note(m, keys)
        if keys and cond:
            bad = sorted(Fraction(-q, p) for p, q in keys)
            c = 'x nesmí být ' + ', '.join(number_text(v, False) for v in bad)
            if all(v.denominator == 1 for v in bad):
                cand = note + ', ' + c
                if estimated_width(eq) + len(cand) < 44:
                    note = cand
        sol.note(note)
        sol.add(side_text(left) + '=' + side_text(right))
    flat = lambda side: [(c, k) for item in side for c, k in item_polynomial(item)]
    prods = [item for item in left + right if item[0] in ('PP', 'SQ')]
    if prods:
        only_sq = all(item[0] == 'SQ' for item in left + right if item[0] != 'T')
        sol.note('umocníme' if only_sq else 'roznásobíme')
        # with no factor before any product, the other parentheses open too
        opens = all(item[1] == 1 for item in prods)
        expand = lambda side: sum([
            [('T', c, k) for c, k in item_polynomial(item)]
            if opens and item[0] == 'P' else open_product(item) for item in side], [])
        left, right = expand(left), expand(right)
        sol.add(side_text(left) + '=' + side_text(right))
    ps = [item for item in left + right if item[0] == 'P']
    if ps:
        plain = all(abs(item[1]) == 1 and item[3] == '' for item in ps)
        sol.note(('odstraníme závorky' if len(ps) > 1 else
                'odstraníme závorku') if plain else 'roznásobíme')
        solve_linear(sol, flat(left), flat(right))
    else:
        text = sol.lines.pop()[0]
        solve_linear(sol, flat(left), flat(right), text=text)


def find_root(left, right):
    if any(item[0] == 'D' for item in left + right):
        left, right, m, keys = clear_denominators(left, right)
    return linear_root(left, right)


def cleared_number_denominator(item, m):
    if item[0] == 'T':
        return [('T', item[1] * m, item[2])]
    if item[0] != 'F':
        k = item[1] * m
        return [item[:1] + (k,) + item[2:]]
    k, nk, inner, den = item[1:]
    f = k * nk * m // den
    if len(inner) == 1:
        return [('T', f * inner[0][0], inner[0][1])]
    if f == 1:
        return [('T', c, s) for c, s in inner]
    return [('P', f, inner, '')]


def open_product(item):
    if item[0] == 'PP':
        raw = multiply(item[2], item[3])
    elif item[0] == 'SQ':
        raw = square_terms(item[2])
    else:
        return [item]
    if item[1] == 1:
        return [('T', c, s) for c, s in raw]
    return [('P', item[1], raw, '')]


def ax_b(a, b):
    return [(a, 'x'), (b, '')] if b else [(a, 'x')]


def b_ax(b, a):
    return [(b, ''), (a, 'x')]


def term(c, s=''):
    return ('T', c, s)


HOLE = ('T', None, '')


def paren(k, inner, mult=''):
    return ('P', k, inner, mult)


def product(k, a, b):
    return ('PP', k, a, b)


def square(k, inner):
    return ('SQ', k, inner)


def frac(inner, den, k=1, nk=1):
    if isinstance(inner, int):
        if inner < 0:
            inner, k = -inner, -k
        inner = [(inner, '')]
    return ('F', k, nk, inner, den)


def frac_x(p, den, k=1):
    return ('F', k, 1, [(p, 'x')], den)


def over_x(inner, d, key=(1, 0), k=1):
    if isinstance(inner, int):
        inner = [(inner, '')]
    return ('D', k, inner, (d, key))


def root_fits(r, kind):
    if r == 0 or abs(r) > 30:
        return False
    whole = r.denominator == 1
    if not whole and (r.denominator > 12 or abs(r) > 12):
        return False
    return {
        'pos': whole and 0 < r <= 20,
        'int': whole and abs(r) <= 20,
        'neg': whole and r < 0,
        'frac': not whole and r > 0,
        'negfrac': not whole and r < 0,
        'anyfrac': not whole,
        'any': True,
    }[kind]


def equation_type(make, kind, hole_max=60, hole_pos=False):
    """A type from a maker of random sides; a HOLE (one number) is filled
    so that a root of the wanted kind solves the equation."""
    def gen(rng):
        left, right = make(rng)
        if HOLE in left or HOLE in right:
            cand = {
                'pos': lambda: Fraction(rng.randint(1, 12)),
                'int': lambda: Fraction(draw_nonzero(rng, -10, 12)),
                'neg': lambda: Fraction(-rng.randint(1, 10)),
                'frac': lambda: Fraction(rng.randint(1, 30), rng.randint(2, 9)),
                'negfrac': lambda: -Fraction(rng.randint(1, 30), rng.randint(2, 9)),
                'anyfrac': lambda: Fraction(draw_nonzero(rng, -30, 30), rng.randint(2, 9)),
                'any': lambda: Fraction(draw_nonzero(rng, -20, 20), rng.choice([1, 1, 2, 3])),
            }[kind]()
            side, other = (left, right) if HOLE in left else (right, left)
            rest = [item for item in side if item != HOLE]
            v = side_value(other, cand) - side_value(rest, cand)
            if v.denominator != 1 or v == 0 or abs(v) > hole_max or\
                    (hole_pos and v < 0):
                raise Retry()
            side[side.index(HOLE)] = term(int(v))
        reject_unnatural(left + right)
        if common_denominator(left + right)[0] > 60:
            raise Retry()
        r = find_root(left, right)
        if not root_fits(r, kind):
            raise Retry()
        side_value(left, r), side_value(right, r)  # no denominator is 0 at the root
        sol = Solution()
        solve_items(sol, left, right)
        return finished(sol.lines[0][0], r, sol)
    return gen


def gcd_of(ns):
    result = 0
    for n in ns:
        result = math.gcd(result, int(abs(n)))
    return result


def reject_unnatural(items):
    """Reject what a teacher would not write: fractions that can be
    reduced, a common factor left inside a parenthesis, the same
    numerator or parenthesis twice."""
    inners = []
    fracs = [item for item in items if item[0] in ('F', 'D')]
    if len(fracs) != len(set(repr(item[1:]) for item in fracs)):
        raise Retry()
    for item in items:
        t = item[0]
        if t == 'F':
            k, nk, inner, den = item[1:]
            if gcd_of([c for c, _ in inner] + [den]) != 1 or\
                    math.gcd(nk, den) != 1 or\
                    (len(inner) > 1 and gcd_of([c for c, _ in inner]) != 1):
                raise Retry()
            if len(inner) > 1 or nk != 1:
                if nk != 1 and gcd_of([c for c, _ in inner]) != 1:
                    raise Retry()
                inners.append(tuple(inner))
        elif t == 'D':
            k, inner, (d, key) = item[1:]
            if gcd_of([c for c, _ in inner] + [d]) != 1 or\
                    gcd_of(key) != 1:
                raise Retry()
            if len(inner) > 1:
                inners.append(tuple(inner))
        elif t == 'P':
            if gcd_of([c for c, _ in item[2]]) != 1:
                raise Retry()
            inners.append(tuple(item[2]))
        elif t in ('PP', 'SQ'):
            fs = [tuple(item[2])] + ([tuple(item[3])] if t == 'PP' else [])
            for f in fs:
                if gcd_of([c for c, _ in f]) != 1:
                    raise Retry()
            if t == 'PP' and fs[0] == fs[1]:
                raise Retry()
            inners += fs
    if len(inners) != len(set(inners)):
        raise Retry()
