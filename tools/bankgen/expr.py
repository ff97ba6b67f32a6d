"""Sides of an equation as a teacher writes them, item by item.

A side is a tuple of items:

    Num(c)                          the number c
    Var(c, power)                   c x or c x^2
    Group(k, inner, x)              k(inner), or k x(inner) when x is set
    Prod(k, a, b)                   k(a)(b)
    Square(k, inner)                k(inner)^2
    Frac(k, num, den)               k times the fraction num over the number den (k is 1 or -1)
    XFrac(k, num, d, factors, factored)
                                    k num / (d times the factors), each factor
                                    (p, q) standing for p x + q; written
                                    factored, 2(x-3), or multiplied out, 2x-6

Coefficients are Fractions; inner parts are sides themselves.  Everything
here is exact: the values of sides, the polynomials they make, the texts.
"""
from dataclasses import dataclass
from fractions import Fraction
import math

from texts import decimal_text, is_decimal


class Retry(Exception):
    """The drawn numbers do not give an equation a teacher would set."""


@dataclass(frozen=True)
class Num:
    c: Fraction


@dataclass(frozen=True)
class Var:
    c: Fraction
    power: int = 1


@dataclass(frozen=True)
class Group:
    k: Fraction
    inner: tuple
    x: bool = False


@dataclass(frozen=True)
class Prod:
    k: Fraction
    a: tuple
    b: tuple


@dataclass(frozen=True)
class Square:
    k: Fraction
    inner: tuple


@dataclass(frozen=True)
class Frac:
    k: int
    num: tuple
    den: int


@dataclass(frozen=True)
class XFrac:
    k: int
    num: tuple
    d: int
    factors: tuple
    factored: bool = True


X_FACTOR = (1, 0)  # the factor x itself


def num(c):
    return Num(Fraction(c))


def var(c, power=1):
    return Var(Fraction(c), power)


def linear(a, b):
    """a x + b as a side; a term that is 0 is left out."""
    side = ()
    if a:
        side += (var(a),)
    if b:
        side += (num(b),)
    return side


def factor_side(factor):
    p, q = factor
    return linear(p, q)


# ------------------------------------------------------------ polynomials

class Poly:
    """c[0] + c[1] x + c[2] x^2 + ..., exact."""

    def __init__(self, coefficients=()):
        c = [Fraction(v) for v in coefficients]
        while c and c[-1] == 0:
            c.pop()
        self.c = tuple(c)

    def __add__(self, other):
        n = max(len(self.c), len(other.c))
        return Poly([(self.c[i] if i < len(self.c) else 0)
                     + (other.c[i] if i < len(other.c) else 0)
                     for i in range(n)])

    def __sub__(self, other):
        return self + other.scaled(-1)

    def __mul__(self, other):
        out = [Fraction(0)] * max(0, len(self.c) + len(other.c) - 1)
        for i, a in enumerate(self.c):
            for j, b in enumerate(other.c):
                out[i + j] += a * b
        return Poly(out)

    def scaled(self, k):
        return Poly([k * v for v in self.c])

    def coefficient(self, degree):
        return self.c[degree] if degree < len(self.c) else Fraction(0)

    def degree(self):
        return len(self.c) - 1

    def value(self, x):
        return sum((v * Fraction(x) ** i for i, v in enumerate(self.c)),
                   Fraction(0))


def factor_poly(factor):
    p, q = factor
    return Poly([q, p])


def item_poly(item):
    """The polynomial of an item without the unknown in a denominator."""
    if isinstance(item, Num):
        return Poly([item.c])
    if isinstance(item, Var):
        return Poly([0] * item.power + [item.c])
    if isinstance(item, Group):
        p = side_poly(item.inner).scaled(item.k)
        return p * Poly([0, 1]) if item.x else p
    if isinstance(item, Prod):
        return (side_poly(item.a) * side_poly(item.b)).scaled(item.k)
    if isinstance(item, Square):
        p = side_poly(item.inner)
        return (p * p).scaled(item.k)
    if isinstance(item, Frac):
        return side_poly(item.num).scaled(Fraction(item.k, item.den))
    raise Retry()


def side_poly(side):
    total = Poly()
    for item in side:
        total = total + item_poly(item)
    return total


def denominator_poly(item):
    p = Poly([item.d])
    for f in item.factors:
        p = p * factor_poly(f)
    return p


def item_value(item, x):
    """The exact value at x; ZeroDivisionError where a denominator is 0."""
    if isinstance(item, XFrac):
        den = denominator_poly(item).value(x)
        return item.k * side_value(item.num, x) / den
    return item_poly(item).value(x)


def side_value(side, x):
    return sum((item_value(item, x) for item in side), Fraction(0))


def has_x_denominator(side):
    return any(isinstance(item, XFrac) for item in side)


def excluded_values(left, right):
    """The values the unknown must not take: zeros of its denominators, in
    the order they first appear."""
    out = []
    for item in left + right:
        if isinstance(item, XFrac):
            for p, q in item.factors:
                v = Fraction(-q, p)
                if v not in out:
                    out.append(v)
    return out


def x_denominators(left, right):
    return [denominator_poly(item) for item in left + right
            if isinstance(item, XFrac)]


# ------------------------------------------------------------------- text

class Style:
    """How numbers are written: decimals in the decimal areas, fractions
    elsewhere."""

    def __init__(self, decimals=False):
        self.decimals = decimals

    def magnitude(self, m):
        """A non-negative coefficient's text."""
        m = Fraction(m)
        if m.denominator == 1:
            return str(m.numerator)
        if self.decimals and is_decimal(m, 4):
            return decimal_text(m)
        return '\\frac{%d}{%d}' % (m.numerator, m.denominator)


def _prefix(k, first, style, before_bracket):
    """The sign and coefficient in front of a bracket or the unknown."""
    sign = '-' if k < 0 else ('' if first else '+')
    m = abs(k)
    if m == 1:
        return sign
    t = style.magnitude(m)
    # After a fraction the pupil's editor takes no "(": the dot goes between.
    if before_bracket and t.endswith('}'):
        t += '*'
    return sign + t


def item_text(item, first, style):
    if isinstance(item, Num):
        sign = '-' if item.c < 0 else ('' if first else '+')
        return sign + style.magnitude(abs(item.c))
    if isinstance(item, Var):
        body = 'x' if item.power == 1 else 'x^%d' % item.power
        return _prefix(item.c, first, style, False) + body
    if isinstance(item, Group):
        return (_prefix(item.k, first, style, not item.x)
                + ('x' if item.x else '') + '(' + side_text(item.inner, style)
                + ')')
    if isinstance(item, Prod):
        return (_prefix(item.k, first, style, True) + '('
                + side_text(item.a, style) + ')(' + side_text(item.b, style)
                + ')')
    if isinstance(item, Square):
        return (_prefix(item.k, first, style, True) + '('
                + side_text(item.inner, style) + ')^2')
    if isinstance(item, (Frac, XFrac)):
        den = str(item.den) if isinstance(item, Frac) else \
            denominator_text(item, style)
        body = '\\frac{%s}{%s}' % (side_text(item.num, style), den)
        return ('-' if item.k < 0 else ('' if first else '+')) + body
    raise ValueError(item)


def side_text(side, style):
    out = ''
    for item in side:
        out += item_text(item, not out, style)
    return out or '0'


def equation_text(left, right, style):
    return side_text(left, style) + '=' + side_text(right, style)


def factor_text(factor, style, alone):
    """A factor of a denominator or multiplier: x, or (x-3); `alone` when
    nothing stands beside it, so it needs no brackets."""
    if factor == X_FACTOR:
        return 'x'
    t = side_text(factor_side(factor), style)
    return t if alone else '(' + t + ')'


def product_text(m, factors, style):
    """m times the factors: 6, 2x, 3(x+1), (x-3)(x+3), x(x-1)."""
    factors = sorted(factors, key=lambda f: f != X_FACTOR)
    alone = len(factors) == 1 and abs(m) == 1
    t = '' if abs(m) == 1 and factors else str(abs(m))
    t = ('-' if m < 0 else '') + t
    return t + ''.join(factor_text(f, style, alone) for f in factors)


def denominator_text(item, style):
    if item.factored:
        return product_text(item.d, item.factors, style)
    return poly_text(denominator_poly(item), style)


def poly_text(p, style):
    side = tuple(var(p.coefficient(d), d) if d else num(p.coefficient(0))
                 for d in range(p.degree(), -1, -1) if p.coefficient(d))
    return side_text(side, style)


def lcm(values):
    m = 1
    for v in values:
        m = m * v // math.gcd(m, v)
    return m
