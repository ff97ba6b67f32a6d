"""The sixteen areas of the bank.  Each is a list of equation types, easiest
first; every type gives one triplet.  A type draws the numbers of an
equation for a root of the kind it asks for: P a positive whole number, N a
negative one, Z zero, F a positive fraction (a decimal in area 23), M a
negative one.  One number of the equation may be left as HOLE: the
generator puts there what makes the equation hold at the root.

Area 61, the entrance examinations, is a list of kinds instead: each kind
gives three equations, easier to harder, and the schedule at the end
interleaves them."""
from dataclasses import dataclass, field
from fractions import Fraction

from expr import (Frac, Group, Prod, Retry, Square, XFrac, X_FACTOR, linear,
                  num, var)


class Hole:
    """The number the generator fills in."""


HOLE = Hole()


@dataclass
class Type:
    name: str
    make: object                  # make(rng, root, level) -> (left, right)
    roots: str                    # the kinds of the three roots
    solve: dict = field(default_factory=dict)  # options of solver.solve
    hole: tuple = (-60, 60)       # where the filled-in number may lie
    pool: dict = field(default_factory=dict)   # root ranges of this type
    reduce: bool = False          # its fractions are meant to be reduced
    hole_places: int = 1          # decimal places of the filled-in number


# ------------------------------------------------------------ shorthands

def n(c):
    return num(c)


def x(c=1):
    return var(c)


def x2(c=1):
    return var(c, 2)


def lin(a, b):
    return linear(a, b)


def br(k, side):
    """k(side)"""
    return Group(Fraction(k), tuple(side))


def xbr(k, side):
    """k x(side)"""
    return Group(Fraction(k), tuple(side), True)


def prod(k, a, b):
    return Prod(Fraction(k), tuple(a), tuple(b))


def sq(k, inner):
    return Square(Fraction(k), tuple(inner))


def fr(numerator, den, k=1):
    """numerator over a number; a whole numerator may be given as a number."""
    if isinstance(numerator, int):
        numerator = (num(numerator),)
    return Frac(k, tuple(numerator), den)


def frx(p, den, k=1):
    """p x over a number"""
    return Frac(k, (var(p),), den)


def xfr(numerator, factors, d=1, k=1, factored=True):
    """numerator over d times the factors (p, q) = p x + q"""
    if isinstance(numerator, int):
        numerator = (num(numerator),)
    return XFrac(k, tuple(numerator), d, tuple(factors), factored)


def nz(rng, lo, hi):
    while True:
        v = rng.randint(lo, hi)
        if v:
            return v


def other(rng, lo, hi, *avoid):
    while True:
        v = rng.randint(lo, hi)
        if v not in avoid:
            return v


def coprime(a, b):
    from math import gcd
    return gcd(a, b) == 1


def t(name, roots, make, **options):
    """A type of equation.  `make` draws its sides; an area's family of forms
    (by_form) is given the form the name begins with (before any ", ")."""
    solve = {k: options.pop(k) for k in list(options)
             if k in ('show_sums', 'add_x_first', 'decimals', 'clear_decimals')}
    if getattr(make, 'by_form', False):
        make = make(name.split(', ')[0])
    return Type(name, make, roots, solve, **options)


def by_form(draw):
    """The makers of one area's forms: `draw(g, form)` draws the numbers and
    returns the sides of the named form; a form it does not know is a slip in
    the tables below it."""
    def maker(form):
        def make(g, r, l):
            sides = draw(g, form)
            if sides is None:
                raise ValueError(form)
            return sides
        return make
    maker.by_form = True
    return maker


# r11: x plus or minus a number equals a number ---------------------------

SUMS = dict(show_sums=True, add_x_first=True)

R11 = [
    t('x+a=b', 'PPP', lambda g, r, l: ((x(), n(g.randint(2, 9))), (HOLE,)),
      hole=(2, 30), **SUMS),
    t('x-a=b', 'PPP', lambda g, r, l: ((x(), n(-g.randint(2, 9))), (HOLE,)),
      hole=(1, 30), **SUMS),
    t('a+x=b', 'PZP', lambda g, r, l: ((n(g.randint(2, 12)), x()), (HOLE,)),
      hole=(2, 30), **SUMS),
    t('b=x+a', 'PNP', lambda g, r, l: ((HOLE,), (x(), n(g.randint(2, 12)))),
      hole=(1, 30), **SUMS),
    t('x+a=b, záporný kořen', 'NNN',
      lambda g, r, l: ((x(), n(g.randint(3, 15))), (HOLE,)),
      hole=(1, 30), **SUMS),
    t('x+a=b, větší čísla', 'PNP',
      lambda g, r, l: ((x(), n(g.randint(11, 39))), (HOLE,)),
      hole=(10, 99), pool=dict(P=(10, 45), N=(2, 9)), **SUMS),
    t('a-x=b', 'PPN', lambda g, r, l: ((n(g.randint(5, 15)), x(-1)), (HOLE,)),
      hole=(1, 30), **SUMS),
    t('x-a=-b', 'PNN', lambda g, r, l: ((x(), n(-g.randint(3, 12))), (HOLE,)),
      hole=(-30, -1), **SUMS),
    t('-a+x=-b', 'NPN', lambda g, r, l: ((n(-g.randint(4, 20)), x()), (HOLE,)),
      hole=(-40, -1), pool=dict(P=(2, 15), N=(2, 25)), **SUMS),
]


# r12: a multiple of x equals a number ------------------------------------

def r12_ax(lo, hi, sign=1):
    def make(g, r, l):
        a = sign * g.randint(lo, hi)
        if (a * r).denominator != 1:
            raise Retry()
        return (x(a),), (HOLE,)
    return make


def r12_b_ax(lo, hi):
    def make(g, r, l):
        return (HOLE,), (x(g.randint(lo, hi)),)
    return make


def r12_fraction(sign):
    def make(g, r, l):
        return (x(sign * r.denominator),), (HOLE,)
    return make


R12 = [
    t('ax=b', 'PPP', r12_ax(2, 5), show_sums=True, hole=(4, 60)),
    t('ax=b, násobilka', 'PPP', r12_ax(6, 9), show_sums=True, hole=(12, 90),
      pool=dict(P=(2, 10))),
    t('-x=b', 'NPN', lambda g, r, l: ((x(-1),), (HOLE,))),
    t('b=ax', 'PNP', r12_b_ax(2, 9), show_sums=True, hole=(-90, 90)),
    t('ax=b, zlomek', 'FFF', r12_fraction(1), hole=(1, 40),
      pool=dict(F=((2, 3, 4, 5), 4))),
    t('ax=-b', 'NZN', r12_ax(2, 9), show_sums=True, hole=(-90, 0)),
    t('ax=-b, zlomek', 'MMF', r12_fraction(1), hole=(-40, 40),
      pool=dict(F=((2, 3, 4, 5), 4))),
    t('-ax=b', 'NPN', r12_ax(2, 9, -1), show_sums=True, hole=(-90, 90)),
    t('-ax=b, zlomek', 'MFM', r12_fraction(-1), hole=(-40, 40),
      pool=dict(F=((2, 3, 4, 5), 4))),
]


# r13: x over a number equals a number ------------------------------------

def r13(p_range, sign=1, right=False):
    def make(g, r, l):
        a = g.randint(2, 6)
        p = g.randint(*p_range)
        if not coprime(p, a):
            raise Retry()
        side = (Frac(sign, (var(p),), a),)
        return ((HOLE,), side) if right else (side, (HOLE,))
    return make


R13 = [
    t('x/a=b', 'PPP', r13((1, 1)), hole=(2, 12), pool=dict(P=(4, 40))),
    t('b=x/a', 'PNP', r13((1, 1), right=True), hole=(-12, 12),
      pool=dict(P=(4, 40), N=(4, 40))),
    t('x/a=-b', 'NNP', r13((1, 1)), hole=(-12, 12), pool=dict(P=(4, 40),
                                                            N=(4, 40))),
    t('-x/a=b', 'NPN', r13((1, 1), -1), hole=(-12, 12),
      pool=dict(P=(4, 40), N=(4, 40))),
    t('px/a=b', 'PPN', r13((2, 5)), hole=(-12, 12), pool=dict(P=(2, 15),
                                                              N=(2, 15))),
    t('b=px/a', 'PMF', r13((2, 5), right=True), hole=(-12, 12),
      pool=dict(P=(2, 15), F=((2, 3, 4, 5), 8))),
    t('px/a=b, zlomek', 'FFM', r13((2, 5)), hole=(-12, 12),
      pool=dict(F=((2, 3, 4, 5), 8))),
    t('px/a=-b, větší', 'MNP', r13((3, 7)), hole=(-20, 20),
      pool=dict(P=(6, 20), N=(6, 20), F=((2, 3, 4), 8))),
    t('-px/a=b', 'NFP', r13((2, 5), -1), hole=(-12, 12),
      pool=dict(P=(2, 15), N=(2, 15), F=((2, 3, 4, 5), 8))),
]


# r14: a fraction with x equals a fraction of numbers ---------------------

def r14(p_range, sign=1, right=False, big=False):
    def make(g, r, l):
        a = g.randint(2, 6 if not big else 9)
        c = other(g, 2, 6 if not big else 9, a)
        p = g.randint(*p_range)
        if not coprime(p, a):
            raise Retry()
        b = Fraction(sign * p, a) * r * c  # p x / a = b / c at the root
        if b.denominator != 1 or b == 0 or not coprime(int(b), c):
            raise Retry()
        if (Fraction(a * c) / __import__('math').gcd(a, c)) > 36:
            raise Retry()
        lx = (Frac(sign, (var(p),), a),)
        rn = (Frac(1 if b > 0 else -1, (num(abs(b)),), c),)
        return (rn, lx) if right else (lx, rn)
    return make


R14 = [
    t('x/a=b/c, celý kořen', 'PPP', r14((1, 1)), pool=dict(P=(1, 12))),
    t('b/c=x/a', 'PFP', r14((1, 1), right=True)),
    t('x/a=b/c', 'FPN', r14((1, 1)), pool=dict(F=((2, 3, 4, 5, 6), 6))),
    t('x/a=-b/c', 'NMN', r14((1, 1))),
    t('px/a=b/c', 'PFN', r14((2, 5))),
    t('-x/a=b/c', 'MNP', r14((1, 1), -1)),
    t('px/a=b/c, větší jmenovatele', 'FPM', r14((2, 5), big=True)),
    t('b/c=-px/a', 'NFP', r14((2, 5), -1, right=True)),
    t('-px/a=b/c, větší jmenovatele', 'MFN', r14((2, 7), -1, big=True)),
]


# r21: a x + b = c ----------------------------------------------------------

@by_form
def r21(g, form):
    a = g.randint(2, 9)
    b = g.randint(1, 15)
    if form == 'ax+b':
        return (x(a), n(b)), (HOLE,)
    if form == 'ax-b':
        return (x(a), n(-b)), (HOLE,)
    if form == 'b+ax':
        return (n(b), x(a)), (HOLE,)
    if form == 'c=ax+b':
        return (HOLE,), (x(a), n(b))
    if form == 'b-ax':
        return (n(b), x(-a)), (HOLE,)
    if form == '-ax-b':
        return (x(-a), n(-b)), (HOLE,)


R21 = [
    t('ax+b=c', 'PPP', r21('ax+b'), hole=(1, 60)),
    t('ax-b=c', 'PPZ', r21('ax-b'), hole=(-60, 60)),
    t('b+ax=c', 'PNP', r21('b+ax')),
    t('ax+b=c, záporný kořen', 'NNP', r21('ax+b')),
    t('b-ax=c', 'PNP', r21('b-ax')),
    t('c=ax+b', 'NPN', r21),
    t('ax+b=c, zlomek', 'FFM', r21('ax+b'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('b-ax=c, zlomek', 'MFN', r21('b-ax'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('-ax-b=c', 'NPN', r21('-ax-b')),
]


# r22: x on both sides ------------------------------------------------------

@by_form
def r22(g, form):
    a, c = g.randint(2, 9), g.randint(1, 8)
    b = g.randint(1, 15)
    if form == 'a>c':
        a, c = max(a, c + 1), min(a - 1, c)
        return (x(a), n(b)), (x(c), HOLE)
    if form == 'a<c':
        a, c = min(a, c), max(a + 1, c + 1)
        return (x(a), n(b)), (x(c), HOLE)
    if form == 'minus':
        if a == c:
            raise Retry()
        return (x(a), n(-b)), (x(c), HOLE)
    if form == 'opposite':
        return (x(a), n(b)), (HOLE, x(-c))
    if form == 'negx':
        return (n(b), x(-a)), (x(c), HOLE)
    if form == 'add':
        e = g.randint(2, 5)
        return (x(a), n(b), x(e)), (x(c), HOLE)
    if form == 'subtract':
        e = g.randint(2, a + 2)
        return (x(a + e), n(-b), x(-e)), (x(c), HOLE)
    if form == 'both':
        e, f = g.randint(2, 5), g.randint(2, 9)
        return (x(a + e), n(-b), x(-e)), (x(c), n(f), HOLE)
    if form == 'b-ax=d-cx':
        if a == c:
            raise Retry()
        return (n(b), x(-a)), (HOLE, x(-c))
    if form == 'negative':
        return (x(-a), n(b)), (x(-a - c), HOLE)


R22 = [
    t('ax+b=cx+d, a>c', 'PPP', r22('a>c')),
    t('ax+b=cx+d, a<c', 'PNP', r22('a<c')),
    t('ax-b=cx+d', 'ZNP', r22('minus')),
    t('b-ax=cx+d', 'NPN', r22('negx')),
    t('ax+b=d-cx', 'PNF', r22('opposite'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('b-ax=d-cx', 'NPF', r22, pool=dict(F=((2, 3, 4, 5), 4))),
    t('-ax+b=-cx+d', 'NPF', r22('negative'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('ax+b+ex=cx+d', 'NPF', r22('add'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('ax-b-ex=cx+d', 'PNM', r22('subtract'), pool=dict(F=((2, 3, 4, 5), 4))),
    t('ax-b-ex=cx+f+d', 'FMN', r22('both'), pool=dict(F=((2, 3, 4, 5), 4))),
]


# r23: decimal numbers --------------------------------------------------------

def d1(g, lo, hi):
    """A decimal with one place, not whole, between lo and hi."""
    while True:
        v = Fraction(g.randint(int(lo * 10), int(hi * 10)), 10)
        if v.denominator != 1:
            return v


DEC = dict(decimals=True)
PLAIN_DEC = dict(decimals=True, clear_decimals=False)


@by_form
def r23(g, form):
    if form == 'x+a':
        return (x(), n(d1(g, 0.5, 9.5))), (HOLE,)
    if form == 'x-a':
        return (x(), n(-d1(g, 0.5, 9.5))), (HOLE,)
    if form == 'ax':
        a = g.choice([2, 4, 5])
        return (x(a),), (HOLE,)
    if form == '0.ax':
        return (x(d1(g, 0.2, 0.9)),), (HOLE,)
    if form == 'ax+b':
        return (x(d1(g, 0.2, 2.5)), n(d1(g, 0.1, 4.9))), (HOLE,)
    if form == 'a(x+b)':
        return (br(d1(g, 0.2, 0.9), lin(1, nz(g, -9, 9))),), (HOLE,)
    if form == 'halves':
        a = Fraction(g.choice([3, 5, 7]), 2)
        c = Fraction(g.choice([1, 3]), 2)
        return (x(a), n(nz(g, -6, 6))), (x(c), HOLE)
    if form == 'quarters':
        a, c = g.sample([Fraction(1, 4), Fraction(3, 4), Fraction(5, 4)], 2)
        return (x(a), n(Fraction(nz(g, -12, 12), 2))), (x(c), HOLE)
    if form == 'a(x-b)=cx+d':
        return ((br(d1(g, 0.2, 0.9), lin(1, nz(g, -6, 6))),),
                (x(d1(g, 0.2, 0.9)), HOLE))


R23 = [
    t('x+a=b', 'FPF', r23('x+a'), hole=(0.1, 20), **PLAIN_DEC),
    t('ax=b, desetinný kořen', 'FMF', r23('ax'), hole=(-20, 20), **PLAIN_DEC),
    t('0,ax=b', 'PNP', r23('0.ax'), hole=(-9, 9), **DEC),
    t('x-a=b', 'PFM', r23('x-a'), hole=(-20, 20), **PLAIN_DEC),
    t('ax+b=c', 'PNP', r23('ax+b'), hole=(-20, 20), **DEC),
    t('a(x+b)=c', 'PNZ', r23('a(x+b)'), hole=(-20, 20), **DEC),
    t('ax+b=cx+d, poloviny', 'NPF', r23('halves'), hole=(-20, 20),
      pool=dict(F=((2,), 5)), **DEC),
    t('ax+b=cx+d, čtvrtiny', 'PNM', r23('quarters'), hole=(-20, 20),
      pool=dict(F=((2,), 5)), hole_places=2, **DEC),
    t('a(x-b)=cx+d', 'NPF', r23, hole=(-20, 20),
      pool=dict(F=((2,), 5)), **DEC),
]

POOLS = {
    # P and N: the range of a whole root's size; F: denominators and the
    # largest size of a fraction.
    'default': dict(P=(1, 10), N=(1, 10), F=((2, 3, 4, 5), 5)),
    11: dict(P=(1, 15), N=(1, 12)),
    23: dict(P=(1, 10), N=(1, 8), F=((2, 5, 10), 5)),
}


def pool_of(area, letter, type_pool):
    if letter == 'Z':
        return None
    if letter in type_pool:
        return type_pool[letter]
    return POOLS.get(area, {}).get(letter, POOLS['default'][letter])


# r31: one bracket -------------------------------------------------------------

@by_form
def r31(g, form):
    k = g.randint(2, 6)
    a = nz(g, -9, 9)
    if form == 'k(x+a)=b':
        return (br(k, lin(1, a)),), (HOLE,)
    if form == 'k(px+a)=b':
        return (br(k, lin(g.randint(2, 4), a)),), (HOLE,)
    if form == 'k(x+a)=cx+d':
        return (br(k, lin(1, a)),), (x(other(g, 1, 9, k)), HOLE)
    if form == 'k(x+a)+b=c':
        return (br(k, lin(1, a)), n(nz(g, -9, 9))), (HOLE,)
    if form == 'cx+k(x+a)=b':
        return (x(g.randint(1, 5)), br(k, lin(1, a))), (HOLE,)
    if form == 'k(px+a)=cx+d':
        p = g.randint(2, 3)
        return (br(k, lin(p, a)),), (x(other(g, 1, 9, k * p)), HOLE)
    if form == 'k(x+a)+b=cx+d':
        return ((br(k, lin(1, a)), n(nz(g, -9, 9))),
                (x(other(g, 1, 9, k)), HOLE))
    if form == 'cx+b=k(px+a)':
        p = g.randint(2, 3)
        return (x(other(g, 1, 9, k * p)), HOLE), (br(k, lin(p, a)),)


R31 = [
    t('k(x+a)=b', 'PPN', r31),
    t('k(px+a)=b', 'PNP', r31),
    t('k(x+a)=b, roznásobení', 'FMF', r31),
    t('k(x+a)+b=c', 'NZP', r31),
    t('k(x+a)=cx+d', 'PNP', r31),
    t('cx+b=k(px+a)', 'FNP', r31),
    t('cx+k(x+a)=b', 'NPF', r31),
    t('k(px+a)=cx+d', 'PNM', r31),
    t('k(x+a)+b=cx+d', 'PFN', r31),
]


# r32: a minus before the bracket ----------------------------------------------

@by_form
def r32(g, form):
    a, b = nz(g, -9, 9), g.randint(2, 9)
    k = g.randint(2, 5)
    if form == 'b-(x+a)=c':
        return (n(g.randint(5, 20)), br(-1, lin(1, a))), (HOLE,)
    if form == '-(x+a)=c':
        return (br(-1, lin(1, a)),), (HOLE,)
    if form == 'bx-(x+a)=c':
        return (x(b), br(-1, lin(1, a))), (HOLE,)
    if form == 'bx-k(x+a)=c':
        return (x(b + k), br(-k, lin(1, a))), (HOLE,)
    if form == 'b-(px+a)=x+d':
        return ((n(g.randint(5, 20)), br(-1, lin(g.randint(2, 4), a))),
                (x(), HOLE))
    if form == 'k(x+a)-m(x+b)=c':
        m = other(g, 2, 5, k)
        return (br(k, lin(1, a)), br(-m, lin(1, nz(g, -9, 9)))), (HOLE,)
    if form == '-(px+a)-(x+b)=c':
        return ((br(-1, lin(g.randint(2, 4), a)),
                 br(-1, lin(1, nz(g, -9, 9)))), (HOLE,))
    if form == 'bx-k(px+a)=cx+d':
        p = g.randint(2, 3)
        if b == k * p:
            raise Retry()  # the unknown would drop out of the left side
        return ((x(b), br(-k, lin(p, a))),
                (x(other(g, 1, 6, b - k * p)), HOLE))


R32 = [
    t('-(x+a)=c', 'PNP', r32),
    t('b-(x+a)=c', 'PPN', r32),
    t('bx-(x+a)=c', 'PNF', r32),
    t('bx-k(x+a)=c', 'NPN', r32),
    t('b-(px+a)=x+d', 'PNF', r32),
    t('k(x+a)-m(x+b)=c', 'NPM', r32),
    t('-(px+a)-(x+b)=c', 'NFP', r32),
    t('bx-k(px+a)=cx+d', 'FPN', r32),
    t('bx-k(px+a)=cx+d, zlomek', 'MNP', r32),
]


# r33: more brackets -------------------------------------------------------

@by_form
def r33(g, form):
    k, m = g.randint(2, 5), g.randint(2, 5)
    a, b = nz(g, -7, 7), nz(g, -7, 7)
    if form == 'k(x+a)+m(x+b)=c':
        return (br(k, lin(1, a)), br(m, lin(1, b))), (HOLE,)
    if form == 'k(x+a)=m(x+b)+c':
        return (br(k, lin(1, a)),), (br(other(g, 2, 6, k), lin(1, b)), HOLE)
    if form == 'k(x+a)-m(x+b)=c(x+d)':
        c = other(g, 2, 4, k - m)
        return ((br(k, lin(1, a)), br(-m, lin(1, b))),
                (br(c, lin(1, nz(g, -7, 7))), HOLE))
    if form == 'k(px-(x+a))=c':
        p = g.randint(3, 5)
        return (br(k, (x(p), br(-1, lin(1, a)))),), (HOLE,)
    if form == 'x-(b-(x+a))=c':
        b = other(g, 2, 9, a)
        return ((x(), br(-1, (n(b), br(-1, lin(1, a))))), (HOLE,))
    if form == '(x+a)(x+b)=x^2+c':
        return (prod(1, lin(1, a), lin(1, b)),), (x2(), HOLE)
    if form == '(x+a)^2=x(x+b)+c':
        return (sq(1, lin(1, a)),), (xbr(1, lin(1, b)), HOLE)
    if form == '(x+a)(x+b)=(x+c)(x+d)':
        return ((prod(1, lin(1, a), lin(1, b)),),
                (prod(1, lin(1, nz(g, -7, 7)), lin(1, nz(g, -7, 7))),))
    if form == '(x+a)^2-(x+b)^2=c':
        return (sq(1, lin(1, a)), sq(-1, lin(1, b))), (HOLE,)
    if form == '(2x+a)(x+b)-2(x+c)^2=d':
        return ((prod(1, lin(2, a), lin(1, b)), sq(-2, lin(1, nz(g, -5, 5)))),
                (HOLE,))


R33 = [
    t('k(x+a)+m(x+b)=c', 'PPN', r33),
    t('k(px-(x+a))=c', 'PNP', r33),
    t('k(x+a)=m(x+b)+c', 'PNF', r33),
    t('x-(b-(x+a))=c', 'PNM', r33),
    t('(x+a)(x+b)=x^2+c', 'PNP', r33),
    t('(x+a)^2=x(x+b)+c', 'NPN', r33),
    t('(x+a)^2-(x+b)^2=c', 'NPF', r33),
    t('(x+a)(x+b)=(x+c)(x+d)', 'PNF', r33,
      pool=dict(F=((2, 3, 4, 5), 8))),
    t('k(x+a)-m(x+b)=c(x+d)', 'NPF', r33),
    t('(2x+a)(x+b)-2(x+c)^2=d', 'FMP', r33,
      pool=dict(F=((2, 3, 4, 5, 6, 7), 8))),
]


# r41: the simplest fractions ----------------------------------------------

@by_form
def r41(g, form):
    a, b = g.randint(2, 6), g.randint(2, 6)
    if form == 'x/a+b=c':
        return (frx(1, a), n(nz(g, -9, 9))), (HOLE,)
    if form == 'x/a+x/b=c':
        if a == b:
            raise Retry()
        return (frx(1, a), frx(1, b)), (HOLE,)
    if form == 'x/a-x/b=c':
        if a >= b:
            raise Retry()
        return (frx(1, a), frx(1, b, -1)), (HOLE,)
    if form == 'px/a+b=c':
        p = g.randint(2, 5)
        if not coprime(p, a):
            raise Retry()
        return (frx(p, a), n(nz(g, -9, 9))), (HOLE,)
    if form == 'x+x/a=b':
        return (x(), frx(1, a)), (HOLE,)
    if form == 'x/a+b=x/c':
        if a == b:
            raise Retry()
        return (frx(1, a), HOLE), (frx(1, b),)
    if form == 'x/a+b/c=d':
        c = g.randint(2, 6)
        p = g.randint(1, c - 1)
        if not coprime(p, c):
            raise Retry()
        return (frx(1, a), fr(p, c, g.choice([1, -1]))), (HOLE,)
    if form == 'x/a-x/b=c/d':
        if a == b:
            raise Retry()
        d = g.randint(2, 6)
        return (frx(1, a), frx(1, b, -1)), (fr(HOLE_NUMERATOR, d),)
    if form == 'px/a-qx/b=c':
        p, q = g.randint(2, 5), g.randint(2, 5)
        if not coprime(p, a) or not coprime(q, b) or a == b:
            raise Retry()
        return (frx(p, a), frx(q, b, -1)), (HOLE,)


HOLE_NUMERATOR = 1  # replaced below by a whole numerator that fits the root


def fraction_hole(make, den_range=(2, 6)):
    """A maker whose right side is c/d: the numerator is chosen so that the
    equation holds at the root."""
    from expr import side_value

    def wrapped(g, r, l):
        left, right = make(g, r, l)
        (f,) = right
        value = side_value(left, r)
        c = value * f.den
        if c.denominator != 1 or c == 0 or abs(c) > 30 or \
                not coprime(int(c), f.den) or (value.denominator == 1):
            raise Retry()
        return left, (fr(abs(int(c)), f.den, 1 if c > 0 else -1),)
    return wrapped


R41 = [
    t('x/a+b=c', 'PNP', r41),
    t('px/a+b=c', 'PFN', r41),
    t('x+x/a=b', 'NPF', r41),
    t('x/a+x/b=c', 'PPN', r41),
    t('x/a-x/b=c', 'PNP', r41),
    t('x/a+b/c=d', 'FPM', r41),
    t('x/a+b=x/c', 'NPF', r41),
    t('px/a-qx/b=c', 'NFP', r41),
    t('x/a-x/b=c/d', 'FMP', fraction_hole(r41('x/a-x/b=c/d'))),
]


# r42: numerators of more terms --------------------------------------------

@by_form
def r42(g, form):
    a, b = nz(g, -9, 9), nz(g, -9, 9)
    d, e = g.randint(2, 6), g.randint(2, 6)
    if form == '(x+a)/d=c':
        return (fr(lin(1, a), d),), (HOLE,)
    if form == '(px+a)/d=c':
        return (fr(lin(g.randint(2, 5), a), d),), (HOLE,)
    if form == '(x+a)/d=(x+b)/e':
        if d == e:
            raise Retry()
        return (fr(lin(1, a), d),), (fr(lin(1, b), e),)
    if form == '(x+a)/d+x/e=c':
        if d == e:
            raise Retry()
        return (fr(lin(1, a), d), frx(1, e)), (HOLE,)
    if form == '(x+a)/d-(x+b)/e=c':
        if d == e:
            raise Retry()
        return (fr(lin(1, a), d), fr(lin(1, b), e, -1)), (HOLE,)
    if form == 'x-(x+a)/d=c':
        return (x(), fr(lin(1, a), d, -1)), (HOLE,)
    if form == '(px+a)/d=x+c':
        return (fr(lin(g.randint(2, 5), a), d),), (x(), HOLE)
    if form == '(px+a)/d-(qx+b)/e=x':
        if d == e:
            raise Retry()
        return ((fr(lin(g.randint(2, 5), a), d),
                 fr(lin(g.randint(1, 4), b), e, -1)), (x(), HOLE))
    if form == '(x+a)/d-(x+b)/e=(x+c)/f':
        f = g.randint(2, 6)
        if len({d, e, f}) < 3:
            raise Retry()
        return ((fr(lin(1, a), d), fr(lin(1, b), e, -1)),
                (fr(lin(1, nz(g, -9, 9)), f), HOLE))


R42 = [
    t('(x+a)/d=c', 'PNP', r42),
    t('(px+a)/d=c', 'PNF', r42),
    t('(px+a)/d=x+c', 'PNF', r42),
    t('x-(x+a)/d=c', 'PFN', r42),
    t('(x+a)/d=(x+b)/e', 'NPF', r42),
    t('(x+a)/d+x/e=c', 'PNP', r42),
    t('(x+a)/d-(x+b)/e=c', 'NPM', r42),
    t('(px+a)/d-(qx+b)/e=x', 'FNP', r42),
    t('(x+a)/d-(x+b)/e=(x+c)/f', 'NPF', r42),
]


# r43: the hardest fractions -------------------------------------------------

@by_form
def r43(g, form):
    a, b, c = nz(g, -9, 9), nz(g, -9, 9), nz(g, -9, 9)
    d, e, f = g.randint(2, 6), g.randint(2, 6), g.randint(2, 6)
    if form == 'k(x+a)/d-m(x+b)/e=c':
        k, m = g.randint(2, 4), g.randint(2, 4)
        if d == e or not coprime(k, d) or not coprime(m, e):
            raise Retry()
        return ((fr((br(k, lin(1, a)),), d), fr((br(m, lin(1, b)),), e, -1)),
                (HOLE,))
    if form == 'x-(x+a)/d-(x+b)/e=c':
        if d == e:
            raise Retry()
        return (x(), fr(lin(1, a), d, -1), fr(lin(1, b), e, -1)), (HOLE,)
    if form == '(px+a)/d-(qx+b)/e=(x+c)/f+g':
        if len({d, e, f}) < 2:
            raise Retry()
        return ((fr(lin(g.randint(2, 5), a), d),
                 fr(lin(g.randint(2, 4), b), e, -1)),
                (fr(lin(1, c), f), HOLE))
    if form == '(x^2+ax)/d-(x^2+b)/d=c':
        return ((fr((x2(), x(a)), d), fr((x2(), n(b)), d, -1)), (HOLE,))
    if form == '(px+a)/d-x=(qx+b)/e-(x+c)/f':
        if len({d, e, f}) < 2:
            raise Retry()
        return ((fr(lin(g.randint(2, 5), a), d), x(-1)),
                (fr(lin(g.randint(2, 4), b), e), fr(lin(1, c), f, -1)))
    if form == '(x+a)/d+(x+b)/e=(x+c)/f-(x+h)/2':
        if len({d, e, f}) < 3:
            raise Retry()
        return ((fr(lin(1, a), d), fr(lin(1, b), e)),
                (fr(lin(1, c), f), fr(lin(1, nz(g, -9, 9)), 2, -1)))
    if form == '(x+a)/d-(x+b)/e=1-(x+c)/f':
        if len({d, e, f}) < 3:
            raise Retry()
        return ((fr(lin(1, a), d), fr(lin(1, b), e, -1)),
                (HOLE, fr(lin(1, c), f, -1)))
    if form == 'k(x+a)/d+(x+b)/e=x+c':
        k = g.randint(2, 4)
        if d == e or not coprime(k, d):
            raise Retry()
        return ((fr((br(k, lin(1, a)),), d), fr(lin(1, b), e)), (x(), HOLE))
    if form == '(x+a)^2/d-(x^2+b)/d=c':
        return ((fr((sq(1, lin(1, a)),), d), fr((x2(), n(b)), d, -1)),
                (HOLE,))


R43 = [
    t('x-(x+a)/d-(x+b)/e=c', 'NPF', r43),
    t('k(x+a)/d-m(x+b)/e=c', 'PNF', r43),
    t('k(x+a)/d+(x+b)/e=x+c', 'NPF', r43),
    t('(x+a)^2/d-(x^2+b)/d=c', 'PNF', r43),
    t('(x^2+ax)/d-(x^2+b)/d=c', 'PNM', r43),
    t('(px+a)/d-(qx+b)/e=(x+c)/f+g', 'FPN',
      r43('(px+a)/d-(qx+b)/e=(x+c)/f+g')),
    t('(x+a)/d-(x+b)/e=1-(x+c)/f', 'PNM', r43),
    t('(px+a)/d-x=(qx+b)/e-(x+c)/f', 'NFP',
      r43('(px+a)/d-x=(qx+b)/e-(x+c)/f')),
    t('(x+a)/d+(x+b)/e=(x+c)/f-(x+h)/2', 'MPN',
      r43('(x+a)/d+(x+b)/e=(x+c)/f-(x+h)/2')),
]


# r51: the unknown alone in the denominator ---------------------------------

X = X_FACTOR


@by_form
def r51(g, form):
    a, b = g.randint(2, 24), g.randint(1, 9)
    if form == 'a/x=b':
        return (xfr(a, [X]),), (HOLE,)
    if form == 'a/x+b=c':
        return (xfr(a, [X]), n(nz(g, -6, 6))), (HOLE,)
    if form == 'a/(bx)=c':
        d = g.randint(2, 5)
        if not coprime(a, d):
            raise Retry()
        return (xfr(a, [X], d),), (HOLE,)
    if form == 'a/x=b/c':
        c = g.randint(2, 7)
        return (xfr(a, [X]),), (fr(HOLE_NUMERATOR, c),)
    if form == 'a/x+b/x=c':
        return (xfr(a, [X]), xfr(b, [X])), (HOLE,)
    if form == 'a/x-b/(2x)=c/2':
        if b % 2 == 0:
            raise Retry()
        return (xfr(a, [X]), xfr(b, [X], 2, -1)), (fr(HOLE_NUMERATOR, 2),)
    if form == '(x+a)/x=b':
        return (xfr(lin(1, nz(g, -9, 9)), [X]),), (HOLE,)
    if form == 'a/(2x)+b/(3x)=c/d':
        d = g.choice([2, 3, 4, 6])
        return ((xfr(b, [X], 2), xfr(g.randint(1, 9), [X], 3)),
                (fr(HOLE_NUMERATOR, d),))
    if form == '(px+a)/(cx)=b':
        c = g.randint(2, 4)
        return (xfr(lin(g.randint(1, 5), nz(g, -9, 9)), [X], c),), (HOLE,)


R51 = [
    t('a/x=b', 'PNP', r51),
    t('a/(dx)=c', 'FMF', r51('a/(bx)=c')),
    t('a/x=b/c', 'PNF', fraction_hole(r51('a/x=b/c'))),
    t('(x+a)/x=b', 'NPF', r51),
    t('a/x+b=c', 'PNP', r51),
    t('(px+a)/(cx)=b', 'FMP', r51),
    t('a/x+b/x=c', 'PNN', r51),
    t('a/x-b/(2x)=c/2', 'PNF', fraction_hole(r51('a/x-b/(2x)=c/2'))),
    t('a/(2x)+b/(3x)=c/d', 'PFN', fraction_hole(r51('a/(2x)+b/(3x)=c/d'))),
]


# r52: the unknown in a bracket of the denominator ---------------------------

@by_form
def r52(g, form):
    a, b = g.randint(1, 12), nz(g, -6, 6)
    c = nz(g, -6, 6)
    if form == 'a/(x+b)=c':
        return (xfr(a, [(1, b)]),), (HOLE,)
    if form == 'a/(x+b)=c/d':
        return (xfr(a, [(1, b)]),), (fr(HOLE_NUMERATOR, g.randint(2, 7)),)
    if form == 'a/(x+b)=c/(x+d)':
        if b == c:
            raise Retry()
        return (xfr(a, [(1, b)]),), (xfr(g.randint(1, 12), [(1, c)]),)
    if form == '(x+a)/(x+b)=c':
        return (xfr(lin(1, nz(g, -9, 9)), [(1, b)]),), (HOLE,)
    if form == 'a/(x+b)+c=d/(x+b)':
        return (xfr(a, [(1, b)]), HOLE), (xfr(g.randint(1, 12), [(1, b)]),)
    if form == 'a/(px+b)=c/(qx+d)':
        # p and q 2, 4 or 5: the excluded values are decimals
        p, q = g.sample([2, 4, 5], 2)
        if not coprime(p, b) or not coprime(q, c):
            raise Retry()
        return (xfr(g.randint(1, 9), [(p, b)]),), \
            (xfr(g.randint(1, 9), [(q, c)]),)
    if form == 'x/(x+b)-1=a/(x+c)':
        if b == c:
            raise Retry()
        return (xfr((x(),), [(1, b)]), n(-1)), (xfr(a, [(1, c)]),)
    if form == 'a/(kx+kb)+c/(x+b)=d':
        k = g.randint(2, 3)
        return ((xfr(a, [(1, b)], k, factored=False),
                 xfr(g.randint(1, 9), [(1, b)])), (fr(HOLE_NUMERATOR, g.randint(2, 6)),))
    if form == 'a/(x-b)+c/(x+b)=d/(x^2-b^2)':
        b = g.randint(1, 5)
        return ((xfr(a, [(1, -b)]), xfr(g.randint(1, 9), [(1, b)])),
                (xfr(HOLE_NUMERATOR, [(1, -b), (1, b)], factored=False),))


def numerator_hole(make):
    """The last denominator's numerator is chosen so that the equation holds
    at the root."""
    from expr import side_value, denominator_poly

    def wrapped(g, r, l):
        left, right = make(g, r, l)
        (f,) = right
        value = side_value(left, r) * denominator_poly(f).value(r)
        if value.denominator != 1 or value == 0 or abs(value) > 40:
            raise Retry()
        return left, (XFrac(1 if value > 0 else -1, (num(abs(value)),), f.d,
                            f.factors, f.factored),)
    return wrapped


R52 = [
    t('a/(x+b)=c', 'PNP', r52),
    t('a/(x+b)=c/d', 'NPF', fraction_hole(r52('a/(x+b)=c/d'))),
    t('(x+a)/(x+b)=c', 'NPF', r52),
    t('a/(x+b)=c/(x+d)', 'PNF', r52),
    t('a/(px+b)=c/(qx+d)', 'FPN', r52),
    t('a/(x+b)+c=d/(x+b)', 'PFN', r52),
    t('x/(x+b)-1=a/(x+c)', 'NPF', r52),
    t('a/(kx+kb)+c/(x+b)=d', 'PNF',
      fraction_hole(r52('a/(kx+kb)+c/(x+b)=d'))),
    t('a/(x-b)+c/(x+b)=d/(x^2-b^2)', 'PFN',
      numerator_hole(r52('a/(x-b)+c/(x+b)=d/(x^2-b^2)'))),
]


# r61: entrance examinations -------------------------------------------------
#
# Ten kinds that the other areas do not have, three equations each (level 0
# easiest).  The generator orders the thirty from easier to harder, three
# different kinds a triplet and never two of one kind in a row.

def fraction_times_bracket(g, r, level):
    p, q = g.randint(1, 4), g.randint(2, 5)
    if not coprime(p, q):
        raise Retry()
    bracket = br(Fraction(p, q), lin(1, nz(g, -9, 9)))
    if level == 0:
        return (bracket,), (HOLE,)
    if level == 1:
        return (bracket,), (frx(1, g.randint(2, 4)), HOLE)
    s, u = g.randint(1, 3), g.randint(2, 5)
    if not coprime(s, u) or u == q:
        raise Retry()
    return (bracket, br(-Fraction(s, u), lin(1, nz(g, -9, 9)))), (HOLE,)


def bracket_numerators(g, r, level):
    k, m = g.randint(2, 4), g.randint(2, 4)
    d, e = g.randint(2, 5), g.randint(2, 6)
    if d == e or not coprime(k, d) or not coprime(m, e):
        raise Retry()
    a, b = nz(g, -6, 6), nz(g, -6, 6)
    left = (fr((br(k, lin(1, a)),), d),)
    right = (fr((br(m, lin(1, b)),), e),)
    if level == 0:
        return left, right + (HOLE,)
    if level == 1:
        return left + (HOLE,), right + (frx(1, other(g, 2, 6, d, e)),)
    f = g.randint(2, 6)
    if f in (d, e):
        raise Retry()
    return (left + (fr(lin(1, nz(g, -6, 6)), f, -1),), right + (HOLE,))


def decimal_brackets(g, r, level):
    a, c = d1(g, 0.2, 0.9), d1(g, 0.2, 0.9)
    if a == c:
        raise Retry()
    if level == 0:
        return (br(a, lin(1, nz(g, -9, 9))),), (br(c, lin(1, nz(g, -9, 9))), HOLE)
    if level == 1:
        return ((br(a, lin(1, nz(g, -9, 9))), HOLE),
                (x(d1(g, 0.2, 1.5)), br(-c, lin(1, nz(g, -9, 9)))))
    return ((br(a, lin(2, nz(g, -9, 9))), br(-c, lin(3, nz(g, -9, 9)))),
            (HOLE,))


def nested_brackets(g, r, level):
    a = nz(g, -6, 6)
    if level == 0:
        return (br(g.randint(2, 4), (x(), br(-g.randint(2, 3), lin(1, a)))),), \
            (HOLE,)
    if level == 1:
        return ((x(g.randint(2, 5)), br(-1, (n(g.randint(2, 9)),
                                             br(-1, lin(2, a))))),
                (x(), HOLE))
    b, k = g.randint(2, 5), g.randint(2, 3)
    if b == k:
        raise Retry()  # the unknown would drop out of the left side
    return (x(b), br(-k, (x(), br(-2, lin(1, a))))), (HOLE,)


def squares_cancel(g, r, level):
    a, b = g.randint(1, 6), nz(g, -6, 6)
    if level == 0:
        return (prod(1, lin(1, a), lin(1, -a)), sq(-1, lin(1, b))), (HOLE,)
    if level == 1:
        c, d = nz(g, -6, 6), nz(g, -6, 6)
        if {a, b} == {c, d}:
            raise Retry()
        return ((prod(1, lin(1, a), lin(1, b)), prod(-1, lin(1, c), lin(1, d))),
                (HOLE,))
    return (sq(1, lin(2, nz(g, -5, 5))), xbr(-4, lin(1, b))), (HOLE,)


def common_factor_first(g, r, level):
    f = g.randint(2, 5)
    a, b, k, c = g.randint(2, 4), nz(g, -6, 6), g.randint(1, 3), nz(g, -6, 6)
    e = nz(g, -4, 4)
    if a == k:
        raise Retry()
    if level == 0:
        return (x(f * a), n(f * b)), (br(f * k, lin(1, c)), n(f * e))
    if level == 1:
        return (x(f * a), n(f * b)), (br(f, lin(1, c)), x(f * e))
    m = g.randint(2, 3)
    return ((br(f, lin(1, c)), br(-f * m, lin(1, nz(g, -6, 6)))),
            (x(f * a), n(f * b)))


def reduce_first(g, r, level):
    p, a = g.randint(1, 5), g.randint(2, 6)
    u, v = g.randint(2, 3), g.randint(2, 3)
    c = g.randint(2, 5)
    b = g.randint(1, c - 1)
    if not coprime(p, a) or not coprime(b, c):
        raise Retry()
    if level == 0:
        return (fr((x(p * u),), a * u), fr(b * v, c * v, -1)), (HOLE,)
    q = nz(g, -5, 5)
    if not coprime(p, q) or not coprime(q, a):
        raise Retry()
    if level == 1:
        return (fr(lin(p * u, q * u), a * u),), (frx(1, g.randint(2, 5)), HOLE)
    return ((fr(lin(p * u, q * u), a * u), fr(b * v, c * v, -1)),
            (frx(1, g.randint(2, 5)),))


def unknown_below(g, r, level):
    a, b, c, d = (nz(g, -6, 6) for _ in range(4))
    if len({b, d}) < 2 or a == b or c == d or a - b == c - d:
        raise Retry()
    if level < 2:
        return (xfr(lin(1, a), [(1, b)]),), (xfr(lin(1, c), [(1, d)]),)
    b = g.randint(1, 5)
    return ((xfr(lin(1, a), [(1, -b)]), xfr(lin(1, c), [(1, b)], k=-1)),
            (xfr(HOLE_NUMERATOR, [(1, -b), (1, b)], factored=False),))


def decimal_and_fraction(g, r, level):
    d = g.choice([2, 4])
    if level == 0:
        return (x(Fraction(g.choice([3, 5, 7]), 2)),
                fr(lin(1, nz(g, -9, 9)), 4, -1)), (HOLE,)
    if level == 1:
        return ((x(Fraction(g.choice([3, 5]), 2)), fr(lin(1, nz(g, -9, 9)), d, -1)),
                (frx(1, 4), HOLE))
    return ((br(Fraction(g.choice([1, 3]), 4), lin(1, nz(g, -9, 9))),
             fr(lin(1, nz(g, -9, 9)), 2, -1)), (HOLE,))


def products_with_factor(g, r, level):
    a, b, c = nz(g, -6, 6), nz(g, -6, 6), nz(g, -6, 6)
    if level == 0:
        return ((prod(2, lin(1, a), lin(1, b)),),
                (prod(1, lin(2, c), lin(1, nz(g, -6, 6))), HOLE))
    if level == 1:
        return ((prod(1, lin(2, a), lin(1, b)), prod(-2, lin(1, c), lin(1, -c))),
                (HOLE,))
    return (sq(3, lin(1, a)), prod(-1, lin(3, b), lin(1, c))), (HOLE,)


def with_numerator_hole(make):
    from expr import side_value, denominator_poly

    def wrapped(g, r, level):
        left, right = make(g, r, level)
        if level < 2:
            return left, right
        (f,) = right
        value = side_value(left, r) * denominator_poly(f).value(r)
        if value.denominator != 1 or value == 0 or abs(value) > 60:
            raise Retry()
        return left, (XFrac(1 if value > 0 else -1, (num(abs(value)),), f.d,
                            f.factors, f.factored),)
    return wrapped


def with_fraction_hole(make, level_with_hole=0):
    hole = fraction_hole(make)

    def wrapped(g, r, level):
        return (hole if level == level_with_hole else make)(g, r, level)
    return wrapped


ENTRANCE = {
    'A': t('zlomek krát závorka', 'PNF', fraction_times_bracket),
    'B': t('závorky v čitatelích na obou stranách', 'NPF', bracket_numerators),
    'C': t('desetinná čísla se závorkami', 'PNF', decimal_brackets,
           pool=dict(F=((2, 5, 10), 5)), **DEC),
    'D': t('vnořené závorky', 'PNM', nested_brackets),
    'E': t('součiny, druhé mocniny se odečtou', 'NPF', squares_cancel),
    'F': t('nejdřív společný dělitel', 'PNP', common_factor_first),
    'G': t('nejdřív zkrátit zlomky', 'FPN', reduce_first, reduce=True),
    'H': t('neznámá ve jmenovateli', 'NPF', with_numerator_hole(unknown_below)),
    'I': t('desetinné číslo a zlomek', 'PNP', decimal_and_fraction,
           pool=dict(F=((2, 4), 5)), hole_places=2, **DEC),
    'K': t('součin se stálým činitelem', 'NPM', products_with_factor),
}



AREAS = [
    (11, 'Nejlehčí 1, Typ: x+5=7', R11),
    (12, 'Nejlehčí 2, Typ: 3x=12', R12),
    (13, 'Nejlehčí 3, Typ: x/3=6', R13),
    (14, 'Nejlehčí 4, Typ: x/2=6/4', R14),
    (21, 'Lehké 1, Typ: 2x+5=7', R21),
    (22, 'Lehké 2, Typ: 3x+12=7x+4', R22),
    (23, 'Lehké 3, S desetinnými čísly', R23),
    (31, 'Se závorkami 1, S jednou závorkou', R31),
    (32, 'Se závorkami 2, Mínus u závorky', R32),
    (33, 'Se závorkami 3, Více závorek', R33),
    (41, 'Se zlomkem 1, Nejjednodušší', R41),
    (42, 'Se zlomkem 2, Vícečlenný čitatel', R42),
    (43, 'Se zlomkem 3, Nejtěžší příklady', R43),
    (51, 'Nezn. ve jmenovateli 1, Jednočlenný jmen.', R51),
    (52, 'Nezn. ve jmenovateli 2, Opravdu těžké', R52),
    (61, 'Přijímačky, Z přijímaček', ENTRANCE),
]
