#!/usr/bin/env python3
"""Seeded generator of the equation-bank sources data/equations/r11.txt ... r61.txt.

Each area is a list of equation types, easiest first; every type gives one
triplet (three equations of the same type and difficulty with different
numbers).  The sample solutions are built step by step the way they are
written in an exercise book: one transformation a line, the note after "/"
naming the step that leads to the next line.

    python3 tools/bankgen/bankgen.py [OUTDIR]      (default data/equations)

The committed sources are the truth: the build only compiles them.  Running
the generator again overwrites them with the same content (fixed seeds), so
hand edits to a source must be carried over into a type here or kept out of
a regeneration.  After generating, the output is checked with bankcheck.py.
"""
import math
import os
import random
import sys
from fractions import Fraction as F

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bankcheck  # noqa: E402


class Retry(Exception):
    """The drawn numbers do not give an equation a teacher would set."""


# ------------------------------------------------------------ formatting

def num(v):
    """Integer or terminating decimal, '.' as the point."""
    v = F(v)
    if v.denominator == 1:
        return str(v.numerator)
    k = 1
    while 10 ** k % v.denominator:
        k += 1
        if k > 8:
            raise ValueError('not a terminating decimal: %s' % v)
    n = abs(v.numerator) * 10 ** k // v.denominator
    s = str(n).rjust(k + 1, '0')
    return ('-' if v < 0 else '') + s[:-k] + '.' + s[-k:]


def term(c, s='x', first=False):
    c = F(c)
    if s == '':
        body = num(abs(c))
    else:
        body = ('' if abs(c) == 1 else num(abs(c))) + s
    if c < 0:
        return '-' + body
    return body if first else '+' + body


def E(*terms):
    """Terms (coef, kind) or ready strings -> text of a side."""
    out = ''
    for t in terms:
        if isinstance(t, str):
            if out and not t.startswith('-'):
                out += '+'
            out += t
        else:
            c, s = t
            if c == 0:
                continue
            out += term(c, s, not out)
    return out or '0'


def fr(p, q=1):
    """Fraction text with the sign in front: 3/2 -> \\frac{3}{2}."""
    v = F(p, q) if not isinstance(p, F) else p / q
    if v.denominator == 1:
        return str(v.numerator)
    s = '\\frac{%d}{%d}' % (abs(v.numerator), v.denominator)
    return '-' + s if v < 0 else s


def raw_fr(p, q):
    """Unreduced quotient p/q as a fraction text, sign in front."""
    neg = (p < 0) != (q < 0)
    s = '\\frac{%d}{%d}' % (abs(p), abs(q))
    return '-' + s if neg else s


def par(v):
    """A number as a factor after an operator: negative in parentheses."""
    return '(%s)' % num(v) if v < 0 else num(v)


def n_add(c, s=''):
    """Note for adding c (times s) to both sides."""
    c = F(c)
    body = num(abs(c)) if s == '' else (
        ('' if abs(c) == 1 else num(abs(c))) + s)
    return ('+' if c > 0 else '-') + body


def n_mul(c):
    return '·' + par(c)


def n_div(c):
    return ':' + par(c)


def number_text(v, dec, fraction=fr):
    """An integer, a terminating decimal where dec allows it, else a fraction
    written by `fraction`."""
    v = F(v)
    if v.denominator == 1:
        return str(v.numerator)
    if dec:
        try:
            return num(v)
        except ValueError:
            pass
    return fraction(v)


def root_text(v, dec):
    """The root as the source's root field writes it: a plain p/q."""
    return number_text(v, dec, lambda f: '%d/%d' % (f.numerator, f.denominator))


# --------------------------------------------------------------- solving

class Sol:
    """Sample solution under construction: [math, note] per line."""

    def __init__(self, dec=False, kid=False):
        self.lines = []
        self.dec = dec
        self.kid = kid

    def add(self, math_text, note=''):
        self.lines.append([math_text, note])

    def note(self, n):
        self.lines[-1][1] = n

    def text(self):
        # notes are the teacher's words, with the Czech decimal comma
        return ['%s /%s' % (m, n.replace('.', ',')) if n else m
                for m, n in self.lines]


def divide(sol, a, b, xleft=True):
    """The last line is a x = b (or b = a x); finish the solution."""
    a, b = F(a), F(b)
    v = b / a
    dec = sol.dec
    if a == 1:
        if not xleft:
            sol.add('x=' + number_text(v, dec))
        return
    if a == -1:
        sol.note(n_mul(-1))
        if xleft:
            sol.add('x=' + number_text(v, dec))
        else:
            sol.add(num(v) + '=x' if v.denominator == 1 or dec
                    else fr(v) + '=x')
            sol.add('x=' + number_text(v, dec))
        return
    sol.note(n_div(a))
    if v.denominator == 1 or (dec and (a.denominator != 1
                                       or b.denominator != 1)):
        # whole (or decimal) quotient
        if (sol.kid or (dec and a.denominator != 1)) and abs(a) != abs(b):
            q = num(b) + ':' + par(a)
            if xleft:
                sol.add('x=' + q)
            else:
                sol.add(q + '=x')
        if not xleft:
            sol.add(number_text(v, dec) + '=x')
        sol.add('x=' + number_text(v, dec))
        return
    if a.denominator != 1 or b.denominator != 1:
        raise Retry()
    rawt = raw_fr(int(b), int(a))
    if xleft:
        if rawt != fr(v):
            sol.add('x=' + rawt)
    else:
        sol.add(rawt + '=x')
    sol.add('x=' + fr(v))


def combine(terms):
    """Collect like terms, kinds in the order of first appearance."""
    order, acc = [], {}
    for c, s in terms:
        if s not in acc:
            order.append(s)
            acc[s] = F(0)
        acc[s] += F(c)
    return [(acc[s], s) for s in order if acc[s] != 0]


def needs_combine(terms):
    kinds = [s for c, s in terms]
    return len(kinds) != len(set(kinds))


def coef(terms, s):
    return sum((F(c) for c, k in terms if k == s), F(0))


def solve_terms(sol, L, R, text=None, note_combine='sečteme'):
    """Append the line L = R and carry it through to the final line.
    L and R are lists of (coef, kind), kind '' (number), 'x' or 'x^2'."""
    sol.add(text or E(*L) + '=' + E(*R))
    if needs_combine(L) or needs_combine(R):
        sol.note(note_combine)
        L, R = combine(L), combine(R)
        sol.add(E(*L) + '=' + E(*R))
    a2, c2 = coef(L, 'x^2'), coef(R, 'x^2')
    if a2 or c2:
        if a2 != c2:
            raise Retry()
        # the note is plain text: no power marks there
        sol.note(n_add(-a2, 'x') + ' na druhou')
        L = [t for t in L if t[1] != 'x^2']
        R = [t for t in R if t[1] != 'x^2']
        sol.add(E(*L) + '=' + E(*R))
    A, C = coef(L, 'x'), coef(R, 'x')
    if A == C:
        raise Retry()
    if A and C:
        # keep the unknown on the side where its coefficient stays positive
        if A > C:
            sol.note(n_add(-C, 'x'))
            L = [(A - C, 'x') if k == 'x' else (c, k) for c, k in L]
            R = [t for t in R if t[1] != 'x']
        else:
            sol.note(n_add(-A, 'x'))
            R = [(C - A, 'x') if k == 'x' else (c, k) for c, k in R]
            L = [t for t in L if t[1] != 'x']
        sol.add(E(*L) + '=' + E(*R))
    xleft = coef(L, 'x') != 0
    X, O = (L, R) if xleft else (R, L)
    a, b, d = coef(X, 'x'), coef(X, ''), coef(O, '')
    if b:
        sol.note(n_add(-b))
        if xleft:
            sol.add(E((a, 'x')) + '=' + E((d - b, '')))
        else:
            sol.add(E((d - b, '')) + '=' + E((a, 'x')))
    divide(sol, a, d - b, xleft)


def lin(a, b):
    return [(a, 'x'), (b, '')]


# ------------------------------------------------------------ the areas

def pick(rng, lo, hi, exclude=()):
    while True:
        v = rng.randint(lo, hi)
        if v not in exclude:
            return v


def nz(rng, lo, hi):
    return pick(rng, lo, hi, (0,))


def done(eq, root, sol, dec=False):
    return eq, F(root), sol.text(), dec


# r11: x plus or minus a number equals a number -------------------------

def r11_xpa(rng, big=False, neg=False):
    a = rng.randint(11, 49) if big else rng.randint(2, 9)
    r = rng.randint(10, 60) if big else rng.randint(1, 12)
    if neg:
        r = -rng.randint(1, a - 1) if a > 2 else -1
    b = r + a
    if b == 0 or b == a:
        raise Retry()
    s = Sol(kid=True)
    s.add('x+%d=%d' % (a, b), '-%d' % a)
    s.add('x=%d-%d' % (b, a))
    s.add('x=%d' % r)
    return done(s.lines[0][0], r, s)


def r11_xma(rng, big=False):
    a = rng.randint(12, 48) if big else rng.randint(2, 9)
    b = rng.randint(10, 50) if big else rng.randint(1, 12)
    s = Sol()
    s.add('x-%d=%d' % (a, b), '+%d' % a)
    s.add('x=%d+%d' % (b, a))
    s.add('x=%d' % (a + b))
    return done(s.lines[0][0], a + b, s)


def r11_apx(rng):
    a = rng.randint(2, 15)
    r = rng.randint(1, 15)
    s = Sol()
    s.add('%d+x=%d' % (a, a + r), '-%d' % a)
    s.add('x=%d-%d' % (a + r, a))
    s.add('x=%d' % r)
    return done(s.lines[0][0], r, s)


def r11_right(rng, minus=False, first=False, big=False):
    a = rng.randint(11, 39) if big else rng.randint(2, 12)
    r = rng.randint(10, 60) if big else rng.randint(1, 15)
    s = Sol()
    if minus:
        if r <= a:
            r += a
        b = r - a
        s.add('%d=x-%d' % (b, a), '+%d' % a)
        s.add('%d+%d=x' % (b, a))
    else:
        b = r + a
        rhs = '%d+x' % a if first else 'x+%d' % a
        s.add('%d=%s' % (b, rhs), '-%d' % a)
        s.add('%d-%d=x' % (b, a))
    s.add('%d=x' % r)
    s.add('x=%d' % r)
    return done(s.lines[0][0], r, s)


def r11_xm_neg(rng):
    a = rng.randint(2, 9)
    b = pick(rng, 2, 12, (a,))
    s = Sol()
    s.add('x-%d=-%d' % (a, b), '+%d' % a)
    s.add('x=-%d+%d' % (b, a))
    s.add('x=%d' % (a - b))
    return done(s.lines[0][0], a - b, s)


R11 = [
    lambda g: r11_xpa(g),
    lambda g: r11_xma(g),
    lambda g: r11_apx(g),
    lambda g: r11_right(g),
    lambda g: r11_right(g, minus=True),
    lambda g: r11_xpa(g, big=True),
    lambda g: r11_right(g, first=True, big=True),
    lambda g: r11_xpa(g, neg=True),
    lambda g: r11_xm_neg(g),
]


# r12: a multiple of x equals a number ------------------------------------

def r12_ax(rng, lo, hi, rlo, rhi, neg_a=False, neg_r=False, frac=False,
           right=False):
    a = rng.randint(lo, hi)
    if neg_a:
        a = -a
    if frac:
        b = nz(rng, 1, 3 * abs(a) + 6)
        if b % a == 0:
            raise Retry()
        if neg_r:
            b = -b
        r = F(b, a)
    else:
        r = rng.randint(rlo, rhi)
        if neg_r:
            r = -r
        b = a * r
    s = Sol(kid=not frac)
    if right:
        s.add('%d=%s' % (b, term(a, 'x', True)))
    else:
        s.add('%s=%d' % (term(a, 'x', True), b))
    divide(s, a, b, not right)
    return done(s.lines[0][0], r, s)


R12 = [
    lambda g: r12_ax(g, 2, 5, 2, 10),
    lambda g: r12_ax(g, 6, 9, 3, 12),
    lambda g: r12_ax(g, 2, 9, 2, 9, right=True),
    lambda g: r12_ax(g, 11, 25, 2, 9),
    lambda g: r12_ax(g, 2, 9, 0, 0, frac=True),
    lambda g: r12_ax(g, 3, 12, 0, 0, frac=True),
    lambda g: r12_ax(g, 2, 9, 2, 12, neg_r=True),
    lambda g: r12_ax(g, 2, 12, 2, 12, neg_a=True, neg_r=g.random() < .5),
    lambda g: r12_ax(g, 3, 12, 0, 0, neg_a=True, frac=True,
                     neg_r=g.random() < .5),
]


# r13: x over a number equals a number -------------------------------------

def r13_xa(rng, lo, hi, neg=False, right=False, minus=False):
    a = rng.randint(lo, hi)
    b = rng.randint(2, 12)
    if neg:
        b = -b
    s = Sol(kid=True)
    lhs = '\\frac{x}{%d}' % a
    if minus:
        s.add('-%s=%d' % (lhs, b), n_mul(a))
        s.add('-x=%d' % (a * b))
        divide(s, -1, a * b)
        return done(s.lines[0][0], -a * b, s)
    if right:
        s.add('%d=%s' % (b, lhs), n_mul(a))
        s.add('%d*%d=x' % (b, a))
        s.add('%d=x' % (a * b))
    else:
        s.add('%s=%d' % (lhs, b), n_mul(a))
        s.add('x=%d*%d' % (b, a))
    s.add('x=%d' % (a * b))
    return done(s.lines[0][0], a * b, s)


def r13_pxa(rng, frac=False, neg=False, right=False):
    p = rng.randint(2, 7)
    a = pick(rng, 2, 9, (p,))
    if math.gcd(p, a) != 1:
        raise Retry()
    if frac:
        b = rng.randint(2, 12)
        if (a * b) % p == 0:
            raise Retry()
    else:
        k = rng.randint(1, 4)
        b = p * k
    if neg:
        b = -b
    r = F(a * b, p)
    lhs = '\\frac{%dx}{%d}' % (p, a)
    s = Sol()
    if right:
        s.add('%d=%s' % (b, lhs), n_mul(a))
        s.add('%d=%dx' % (a * b, p))
        divide(s, p, a * b, xleft=False)
    else:
        s.add('%s=%d' % (lhs, b), n_mul(a))
        s.add('%dx=%d' % (p, a * b))
        divide(s, p, a * b)
    return done(s.lines[0][0], r, s)


R13 = [
    lambda g: r13_xa(g, 2, 5),
    lambda g: r13_xa(g, 6, 10),
    lambda g: r13_xa(g, 2, 9, right=True),
    lambda g: r13_xa(g, 2, 9, neg=True),
    lambda g: r13_pxa(g),
    lambda g: r13_pxa(g, frac=True),
    lambda g: r13_xa(g, 2, 9, minus=True),
    lambda g: r13_pxa(g, neg=True),
    lambda g: r13_pxa(g, frac=True, right=True),
]


# r14: a fraction with x equals a fraction of numbers ----------------------

def frac_eq(s, p, a, b, c, right=False):
    """p x / a = b / c (p, b signed): multiply by the common denominator."""
    m = a * c // math.gcd(a, c)
    k = p * (m // a)
    rhs = b * (m // c)
    s.note(n_mul(m))
    if k == 1 and not right:
        if m // c != 1:
            s.add('x=%d*%s' % (b, par(m // c)) if b > 0 else
                  'x=%s*%d' % (par(b), m // c))
        else:
            raise Retry()
        s.add('x=' + fr(rhs))
        return
    if right:
        s.add('%d=%s' % (rhs, term(k, 'x', True)))
    else:
        s.add('%s=%d' % (term(k, 'x', True), rhs))
    divide(s, k, rhs, not right)


def fx(p, a):
    """The fraction p x / a with the sign of p in front."""
    body = '\\frac{%sx}{%d}' % ('' if abs(p) == 1 else str(abs(p)), a)
    return '-' + body if p < 0 else body


def r14(rng, kind, p=1, neg=False, right=False):
    if kind == 'amult':          # c a multiple of a, whole root
        a = rng.randint(2, 5)
        c = a * rng.randint(2, 3)
        r = pick(rng, 1, 12, ())
        if r % a == 0:
            raise Retry()
        b = r * c // a
        if b % c == 0:
            raise Retry()
    elif kind == 'cmult':        # a a multiple of c, whole root
        c = rng.randint(2, 5)
        a = c * rng.randint(2, 3)
        b = rng.randint(1, 3 * c)
        if b % c == 0:
            raise Retry()
    else:                        # free choice
        a = rng.randint(2, 9)
        c = pick(rng, 2, 9, (a,))
        b = rng.randint(1, 2 * c + 4)
        if b % c == 0:
            raise Retry()
        if kind == 'coprime' and math.gcd(a, c) != 1:
            raise Retry()
        if kind == 'shared' and math.gcd(a, c) == 1:
            raise Retry()
    if p > 1 and math.gcd(p, a) != 1:
        raise Retry()
    if neg:
        b = -b
    r = F(b * a, c * p)
    if kind in ('coprime', 'shared') and r.denominator == 1:
        raise Retry()
    if r == 1 or r == -1 or abs(r) > 40 or r.denominator > 12 or \
            a * c // math.gcd(a, c) > 36:
        raise Retry()
    s = Sol()
    if right:
        s.add('%s=%s' % (raw_fr(b, c), fx(p, a)))
    else:
        s.add('%s=%s' % (fx(p, a), raw_fr(b, c)))
    frac_eq(s, p, a, b, c, right)
    return done(s.lines[0][0], r, s)


R14 = [
    lambda g: r14(g, 'amult'),
    lambda g: r14(g, 'cmult'),
    lambda g: r14(g, 'coprime'),
    lambda g: r14(g, 'shared'),
    lambda g: r14(g, 'free', right=True),
    lambda g: r14(g, 'free', neg=True),
    lambda g: r14(g, 'free', p=g.randint(2, 5)),
    lambda g: r14(g, 'free', p=-g.randint(2, 5)),
    lambda g: r14(g, 'free', p=g.randint(2, 7), neg=True, right=True),
]


# r21: a x + b = c ---------------------------------------------------------

def r21(rng, kind):
    a = rng.randint(2, 9)
    b = rng.randint(1, 20)
    r = rng.randint(1, 10)
    s = Sol()
    if kind == 'plus':
        L, R = lin(a, b), [(a * r + b, '')]
    elif kind == 'minus':
        L, R = lin(a, -b), [(a * r - b, '')]
        if a * r - b <= 0:
            raise Retry()
    elif kind == 'right':
        L, R = [(a * r + b, '')], lin(a, b)
    elif kind == 'first':
        L, R = [(b, ''), (a, 'x')], [(a * r + b, '')]
    elif kind == 'neg':
        r = -rng.randint(1, 8)
        L, R = lin(a, b), [(a * r + b, '')]
        if a * r + b == 0:
            raise Retry()
    elif kind == 'frac':
        r = F(rng.randint(1, 20), a)
        if r.denominator == 1:
            raise Retry()
        c = a * r + b
        if c.denominator != 1 or c == 0:
            raise Retry()
        L, R = lin(a, b) if rng.random() < .6 else lin(a, -b), None
        c = a * r + L[1][0]
        if c == 0:
            raise Retry()
        R = [(c, '')]
    elif kind == 'negcoef':
        r = nz(rng, -6, 6)
        L, R = [(b, ''), (-a, 'x')], [(b - a * r, '')]
        if b - a * r == 0:
            raise Retry()
    elif kind == 'bothneg':
        r = -rng.randint(1, 8)
        L, R = [(-a, 'x'), (-b, '')], [(-a * r - b, '')]
        if -a * r - b == 0:
            raise Retry()
    elif kind == 'rightneg':
        a = rng.randint(2, 12)
        r = F(rng.randint(1, 30), a)
        if r.denominator == 1:
            raise Retry()
        c = b - a * r
        if c.denominator != 1 or c == 0:
            raise Retry()
        L, R = [(c, '')], [(b, ''), (-a, 'x')]
    elif kind == 'big':
        a = rng.randint(11, 25)
        b = rng.randint(10, 60)
        r = -F(rng.randint(1, 3 * a), a)
        c = a * r + b
        if r.denominator == 1 or c.denominator != 1 or c == 0:
            raise Retry()
        L, R = lin(a, b), [(c, '')]
    solve_terms(s, L, R)
    return done(s.lines[0][0], r, s)


R21 = [lambda g, k=k: r21(g, k) for k in (
    'plus', 'minus', 'right', 'first', 'neg', 'frac', 'negcoef', 'bothneg',
    'rightneg', 'big')]


# r22: x on both sides -------------------------------------------------------

def r22(rng, kind):
    s = Sol()
    a = rng.randint(2, 9)
    c = pick(rng, 1, 9, (a,))
    b = rng.randint(1, 20)
    if kind == 'gt':
        a, c = max(a, c), min(a, c)
        r = rng.randint(1, 10)
        L, R = lin(a, b), lin(c, (a - c) * r + b)
    elif kind == 'lt':
        a, c = min(a, c), max(a, c)
        r = rng.randint(1, 10)
        d = b - (c - a) * r
        if d <= 0:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'minus':
        r = rng.randint(1, 10)
        d = a * r - b - c * r
        L, R = lin(a, -b), lin(c, d)
        if d == 0:
            raise Retry()
    elif kind == 'neg':
        r = -rng.randint(1, 8)
        d = a * r + b - c * r
        if d == 0:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'opposite':
        r = rng.randint(1, 8)
        d = a * r + b + c * r
        L, R = lin(a, b), [(d, ''), (-c, 'x')]
    elif kind == 'negx':
        r = nz(rng, -8, 8)
        d = -a * r + b - c * r
        if d == 0:
            raise Retry()
        L, R = [(-a, 'x'), (b, '')], lin(c, d)
    elif kind == 'frac':
        r = F(rng.randint(1, 20), abs(a - c))
        d = a * r + b - c * r
        if r.denominator == 1 or d.denominator != 1 or d == 0:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'collect':
        r = rng.randint(1, 9)
        e = rng.randint(2, 6)
        a2 = a + e
        d = a * r + b - c * r
        if d == 0 or c == a:
            raise Retry()
        L, R = [(a2, 'x'), (b, ''), (-e, 'x')], lin(c, d)
    elif kind == 'negfrac':
        r = -F(rng.randint(1, 20), abs(a - c))
        d = a * r + b - c * r
        if r.denominator == 1 or d.denominator != 1 or d == 0:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'long':
        e, f, g = rng.randint(2, 6), rng.randint(1, 15), rng.randint(1, 12)
        c = rng.randint(2, 9)
        if a == c - 1:
            raise Retry()
        r = F(f + g, a - c + 1)
        if r.denominator == 1:
            raise Retry()
        L = [(a + e, 'x'), (-g, ''), (-e, 'x')]
        R = [(c, 'x'), (f, ''), (-1, 'x')]
    solve_terms(s, L, R)
    return done(s.lines[0][0], r, s)


R22 = [lambda g, k=k: r22(g, k) for k in (
    'gt', 'lt', 'minus', 'neg', 'opposite', 'negx', 'frac', 'collect',
    'negfrac', 'long')]


# r23: decimal numbers ------------------------------------------------------

def d1(rng, lo, hi):
    """A one-decimal number (not whole) between lo and hi."""
    while True:
        v = F(rng.randint(int(lo * 10), int(hi * 10)), 10)
        if v.denominator != 1:
            return v


def r23(rng, kind):
    s = Sol(dec=True)
    if kind == 'xpa':
        a, r = d1(rng, 0.1, 9.9), d1(rng, 0.1, 9.9)
        if rng.random() < .5:
            s.add('x+%s=%s' % (num(a), num(a + r)), '-' + num(a))
            s.add('x=%s-%s' % (num(a + r), num(a)))
        else:
            if r - a <= 0:
                r += a
            s.add('x-%s=%s' % (num(a), num(r - a)), '+' + num(a))
            s.add('x=%s+%s' % (num(r - a), num(a)))
        s.add('x=' + num(r))
        return done(s.lines[0][0], r, s, True)
    if kind == 'halfx':
        a = rng.choice([F(1, 2), F(1, 4), F(1, 5), F(3, 10), F(3, 2),
                        F(5, 2), F(2, 5), F(6, 5), F(1, 10)])
        r = rng.randint(2, 20)
        b = a * r
        if b.denominator == 1 and a.denominator == 1:
            raise Retry()
        s.add('%sx=%s' % (num(a), num(b)))
        divide(s, a, b)
        return done(s.lines[0][0], r, s, True)
    if kind == 'ax_dec':
        a = rng.randint(2, 9)
        r = d1(rng, 0.2, 9.9)
        s.add('%dx=%s' % (a, num(a * r)))
        s.note(n_div(a))
        s.add('x=%s:%d' % (num(a * r), a))
        s.add('x=' + num(r))
        return done(s.lines[0][0], r, s, True)
    if kind == 'linear':
        a = d1(rng, 0.2, 2.5)
        b = d1(rng, 0.1, 5)
        r = rng.randint(1, 9)
        L, R = lin(a, b), [(a * r + b, '')]
    elif kind == 'both':
        a = d1(rng, 1, 4)
        c = d1(rng, 0.1, 1.5)
        b = d1(rng, -5, 5)
        r = rng.randint(1, 9)
        d = (a - c) * r + b
        if a - c <= 0 or d == 0 or b == 0:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'times10':
        a, b = rng.randint(1, 9), rng.randint(1, 9)
        r = rng.randint(1, 9)
        c = a * r + b
        if c > 99 or a == 1:
            raise Retry()
        t = F(1, 10)
        s.add('%s=%s' % (E((a * t, 'x'), (b * t, '')), num(c * t)),
              '·10')
        solve_terms(s, lin(a, b), [(c, '')])
        return done(s.lines[0][0], r, s, True)
    elif kind == 'negdec':
        a = d1(rng, 1.1, 4.5)
        r = -F(rng.randint(1, 9), 2) if rng.random() < .5 else -rng.randint(1, 5)
        b = d1(rng, 0.5, 9)
        c = a * r + b
        if c == 0 or len(num(c)) > 5:
            raise Retry()
        L, R = lin(a, b), [(c, '')]
    elif kind == 'bothdec':
        a = d1(rng, 1, 3)
        c = d1(rng, 0.1, 1)
        r = F(rng.randint(1, 19), 2) * (1 if rng.random() < .6 else -1)
        b = d1(rng, -4, 4)
        d = (a - c) * r + b
        if a - c <= 0 or d == 0 or r.denominator == 1 or len(num(d)) > 5:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    elif kind == 'hundredths':
        a = F(rng.choice([5, 15, 25, 35, 45, 75]), 100)
        c = F(rng.choice([5, 15, 25, 35, 45, 75]), 100)
        b = F(rng.randint(-20, 20), 4)
        r = rng.randint(-6, 12)
        if a == c or b == 0 or r == 0:
            raise Retry()
        d = (a - c) * r + b
        if d == 0 or len(num(d)) > 5:
            raise Retry()
        L, R = lin(a, b), lin(c, d)
    solve_terms(s, L, R)
    return done(s.lines[0][0], r, s, True)


R23 = [lambda g, k=k: r23(g, k) for k in (
    'xpa', 'halfx', 'ax_dec', 'linear', 'times10', 'both', 'negdec',
    'bothdec', 'hundredths')]


# ---------------------------------------------- parentheses and fractions
#
# A side is a list of items:
#   ('T', c, kind)              c times x^2, x or 1
#   ('P', k, inner, mult)       k mult (inner)     (mult '' or 'x')
#   ('PP', k, in1, in2)         k (in1)(in2)
#   ('SQ', k, inner)            k (inner)^2
#   ('F', k, nk, inner, den)    k (nk (inner)) / den,  k = 1 or -1
# inner parts are lists of (coef, kind).

DEG = {'': 0, 'x': 1, 'x^2': 2}
KIND = {0: '', 1: 'x', 2: 'x^2'}


def pmul(p, q):
    return [(a * b, KIND[DEG[s] + DEG[t]]) for a, s in p for b, t in q]


def pval(p, x):
    return sum(F(c) * F(x) ** DEG[s] for c, s in p)


def prefix(k, first):
    """Coefficient in front of a parenthesis or a product."""
    if k == 1:
        return '' if first else '+'
    if k == -1:
        return '-'
    return term(k, '', first)


def item_text(it, first):
    t = it[0]
    if t == 'T':
        return term(it[1], it[2], first)
    if t == 'P':
        return prefix(it[1], first) + it[3] + '(' + E(*it[2]) + ')'
    if t == 'PP':
        return (prefix(it[1], first) + '(' + E(*it[2]) + ')('
                + E(*it[3]) + ')')
    if t == 'SQ':
        return prefix(it[1], first) + '(' + E(*it[2]) + ')^2'
    if t == 'D':
        k, inner, (d, key) = it[1:]
        s = '\\frac{%s}{%s}' % (E(*inner), den_text(d, key))
        if k < 0:
            return '-' + s
        return s if first else '+' + s
    if t == 'F':
        k, nk, inner, den = it[1:]
        body = E(*inner) if nk == 1 else (
            prefix(nk, True) + '(' + E(*inner) + ')')
        s = '\\frac{%s}{%d}' % (body, den)
        if k < 0:
            return '-' + s
        return s if first else '+' + s
    raise ValueError(t)


def side_text(items):
    out = ''
    for it in items:
        out += item_text(it, not out)
    return out or '0'


def item_poly(it):
    t = it[0]
    if t == 'T':
        return [(F(it[1]), it[2])]
    if t == 'P':
        m = [(1, 'x')] if it[3] == 'x' else [(1, '')]
        return [(it[1] * c, s) for c, s in pmul(m, it[2])]
    if t == 'PP':
        return [(it[1] * c, s) for c, s in pmul(it[2], it[3])]
    if t == 'SQ':
        return [(it[1] * c, s) for c, s in pmul(it[2], it[2])]
    if t == 'F':
        k, nk, inner, den = it[1:]
        return [(F(k * nk * c, den), s) for c, s in inner]


def side_val(items, x):
    v = F(0)
    for it in items:
        if it[0] == 'D':
            k, inner, (d, key) = it[1:]
            den = d * pval(key_poly(key), x)
            if den == 0:
                raise Retry()
            v += k * pval(inner, x) / den
        else:
            v += pval(item_poly(it), x)
    return v


def root_of(L, R):
    f = lambda x: side_val(L, x) - side_val(R, x)
    f0, f1, f2 = f(0), f(1), f(2)
    if f2 - 2 * f1 + f0 != 0 or f1 == f0:
        raise Retry()
    return -f0 / (f1 - f0)


def square_terms(inner):
    """(a+b)^2 written by the formula: a^2 + 2ab + b^2."""
    (a, s), (b, t) = inner
    return [(a * a, KIND[2 * DEG[s]]), (2 * a * b, KIND[DEG[s] + DEG[t]]),
            (b * b, KIND[2 * DEG[t]])]


def lcm_all(ns):
    m = 1
    for n in ns:
        m = m * n // math.gcd(m, n)
    return m


def den_text(d, key):
    if key is None:
        return str(d)
    p, q = key
    f = E((p, 'x'), (q, ''))
    if d == 1:
        return f
    return str(d) + (f if key == (1, 0) else '(' + f + ')')


def key_poly(key):
    return [(key[0], 'x'), (key[1], '')] if key[1] else [(key[0], 'x')]


def common_den(items):
    """Numeric lcm and the distinct factors of all denominators."""
    m, keys = 1, []
    for it in items:
        if it[0] == 'F':
            m = lcm_all([m, it[4]])
        elif it[0] == 'D':
            d, key = it[3]
            m = lcm_all([m, d])
            if key not in keys:
                keys.append(key)
    return m, keys


def mul_note(m, keys):
    t = '' if m == 1 else str(m)
    for key in keys:
        t += 'x' if key == (1, 0) else '(' + E(*key_poly(key)) + ')'
    return '·' + t


def make_item(c, numer, factors):
    """c * numer * product of factors, as items a pupil would write."""
    single = len(numer) == 1
    if not factors:
        if single:
            return [('T', c * numer[0][0], numer[0][1])]
        if c == 1:
            return [('T', a, s) for a, s in numer]
        return [('P', c, numer, '')]
    xs = [f for f in factors if f == (1, 0)]
    rest = [key_poly(f) for f in factors if f != (1, 0)]
    if len(xs) > 1:
        raise Retry()
    if not rest:
        if single:
            a, s = numer[0]
            if DEG[s] >= 2:
                raise Retry()
            return [('T', c * a, KIND[DEG[s] + 1])]
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


def clear_item(it, m, keys):
    if it[0] == 'T':
        return make_item(F(it[1]) * m, [(1, it[2])], keys)
    if it[0] == 'F':
        k, nk, inner, den = it[1:]
        if keys:
            return make_item(k * nk * m // den, inner, keys)
        return clear_den(it, m)
    if it[0] == 'D':
        k, inner, (d, key) = it[1:]
        return make_item(k * m // d, inner, [f for f in keys if f != key])
    if keys:
        raise Retry()
    return clear_den(it, m)


def clear_all(L, R):
    m, keys = common_den(L + R)
    return (sum([clear_item(it, m, keys) for it in L], []),
            sum([clear_item(it, m, keys) for it in R], []), m, keys)


def solve_items(s, L, R, cond=True):
    """Write L = R and carry it through: denominators, products,
    parentheses, then the linear steps."""
    eq = side_text(L) + '=' + side_text(R)
    s.add(eq)
    m, keys = common_den(L + R)
    if m != 1 or keys:
        L, R, m, keys = clear_all(L, R)
        note = mul_note(m, keys)
        if keys and cond:
            bad = sorted(F(-q, p) for p, q in keys)
            c = 'x nesmí být ' + ', '.join(number_text(v, False) for v in bad)
            if all(v.denominator == 1 for v in bad):
                cand = note + ', ' + c
                if bankcheck.width(bankcheck.parse_math(eq)) + len(cand) < 44:
                    note = cand
        s.note(note)
        s.add(side_text(L) + '=' + side_text(R))
    flat = lambda side: [(c, k) for it in side for c, k in item_poly(it)]
    prods = [it for it in L + R if it[0] in ('PP', 'SQ')]
    if prods:
        only_sq = all(it[0] == 'SQ' for it in L + R if it[0] != 'T')
        s.note('umocníme' if only_sq else 'roznásobíme')
        # with no factor before any product, the other parentheses open too
        opens = all(it[1] == 1 for it in prods)
        expand = lambda side: sum([
            [('T', c, k) for c, k in item_poly(it)]
            if opens and it[0] == 'P' else open_product(it) for it in side], [])
        L, R = expand(L), expand(R)
        s.add(side_text(L) + '=' + side_text(R))
    ps = [it for it in L + R if it[0] == 'P']
    if ps:
        plain = all(abs(it[1]) == 1 and it[3] == '' for it in ps)
        s.note(('odstraníme závorky' if len(ps) > 1 else
                'odstraníme závorku') if plain else 'roznásobíme')
        solve_terms(s, flat(L), flat(R))
    else:
        text = s.lines.pop()[0]
        solve_terms(s, flat(L), flat(R), text=text)


def find_root(L, R):
    if any(it[0] == 'D' for it in L + R):
        L, R, m, keys = clear_all(L, R)
    return root_of(L, R)


def clear_den(it, m):
    if it[0] == 'T':
        return [('T', it[1] * m, it[2])]
    if it[0] != 'F':
        k = it[1] * m
        return [it[:1] + (k,) + it[2:]]
    k, nk, inner, den = it[1:]
    f = k * nk * m // den
    if len(inner) == 1:
        return [('T', f * inner[0][0], inner[0][1])]
    if f == 1:
        return [('T', c, s) for c, s in inner]
    return [('P', f, inner, '')]


def open_product(it):
    if it[0] == 'PP':
        raw = pmul(it[2], it[3])
    elif it[0] == 'SQ':
        raw = square_terms(it[2])
    else:
        return [it]
    if it[1] == 1:
        return [('T', c, s) for c, s in raw]
    return [('P', it[1], raw, '')]


# --------------------------------------------------- item-based equation types

def X(a, b):
    return [(a, 'x'), (b, '')] if b else [(a, 'x')]


def C(b, a):
    return [(b, ''), (a, 'x')]


def T(c, s=''):
    return ('T', c, s)


HOLE = ('T', None, '')


def P(k, inner, mult=''):
    return ('P', k, inner, mult)


def PP(k, a, b):
    return ('PP', k, a, b)


def SQ(k, inner):
    return ('SQ', k, inner)


def Fr(inner, den, k=1, nk=1):
    if isinstance(inner, int):
        if inner < 0:
            inner, k = -inner, -k
        inner = [(inner, '')]
    return ('F', k, nk, inner, den)


def Fx(p, den, k=1):
    return ('F', k, 1, [(p, 'x')], den)


def D(inner, d, key=(1, 0), k=1):
    if isinstance(inner, int):
        inner = [(inner, '')]
    return ('D', k, inner, (d, key))


def root_ok(r, kind):
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


def items_type(make, kind, hole_max=60, hole_pos=False):
    """A type from a maker of random sides; a HOLE (one number) is filled
    so that a root of the wanted kind solves the equation."""
    def gen(rng):
        L, R = make(rng)
        if HOLE in L or HOLE in R:
            cand = {
                'pos': lambda: F(rng.randint(1, 12)),
                'int': lambda: F(nz(rng, -10, 12)),
                'neg': lambda: F(-rng.randint(1, 10)),
                'frac': lambda: F(rng.randint(1, 30), rng.randint(2, 9)),
                'negfrac': lambda: -F(rng.randint(1, 30), rng.randint(2, 9)),
                'anyfrac': lambda: F(nz(rng, -30, 30), rng.randint(2, 9)),
                'any': lambda: F(nz(rng, -20, 20), rng.choice([1, 1, 2, 3])),
            }[kind]()
            side, other = (L, R) if HOLE in L else (R, L)
            rest = [it for it in side if it != HOLE]
            v = side_val(other, cand) - side_val(rest, cand)
            if v.denominator != 1 or v == 0 or abs(v) > hole_max or \
                    (hole_pos and v < 0):
                raise Retry()
            side[side.index(HOLE)] = T(int(v))
        sensible(L + R)
        if common_den(L + R)[0] > 60:
            raise Retry()
        r = find_root(L, R)
        if not root_ok(r, kind):
            raise Retry()
        s = Sol()
        solve_items(s, L, R)
        return done(s.lines[0][0], r, s)
    return gen


def gcd_all(ns):
    g = 0
    for n in ns:
        g = math.gcd(g, int(abs(n)))
    return g


def sensible(items):
    """Reject what a teacher would not write: fractions that can be
    reduced, a common factor left inside a parenthesis, the same
    numerator or parenthesis twice."""
    inners = []
    fracs = [it for it in items if it[0] in ('F', 'D')]
    if len(fracs) != len(set(repr(it[1:]) for it in fracs)):
        raise Retry()
    for it in items:
        t = it[0]
        if t == 'F':
            k, nk, inner, den = it[1:]
            if gcd_all([c for c, _ in inner] + [den]) != 1 or \
                    math.gcd(nk, den) != 1 or \
                    (len(inner) > 1 and gcd_all([c for c, _ in inner]) != 1):
                raise Retry()
            if len(inner) > 1 or nk != 1:
                if nk != 1 and gcd_all([c for c, _ in inner]) != 1:
                    raise Retry()
                inners.append(tuple(inner))
        elif t == 'D':
            k, inner, (d, key) = it[1:]
            if gcd_all([c for c, _ in inner] + [d]) != 1 or \
                    gcd_all(key) != 1:
                raise Retry()
            if len(inner) > 1:
                inners.append(tuple(inner))
        elif t == 'P':
            if gcd_all([c for c, _ in it[2]]) != 1:
                raise Retry()
            inners.append(tuple(it[2]))
        elif t in ('PP', 'SQ'):
            fs = [tuple(it[2])] + ([tuple(it[3])] if t == 'PP' else [])
            for f in fs:
                if gcd_all([c for c, _ in f]) != 1:
                    raise Retry()
            if t == 'PP' and fs[0] == fs[1]:
                raise Retry()
            inners += fs
    if len(inners) != len(set(inners)):
        raise Retry()


R31 = [
    items_type(lambda g: ([P(g.randint(2, 6), X(1, g.randint(1, 9)))],
                          [HOLE]), 'pos', hole_pos=True),
    items_type(lambda g: ([P(g.randint(2, 6), X(1, -g.randint(1, 9)))],
                          [HOLE]), 'pos', hole_pos=True),
    items_type(lambda g: ([P(g.randint(2, 5), X(1, nz(g, -9, 9)))],
                          [T(g.randint(1, 7), 'x'), HOLE]), 'int'),
    items_type(lambda g: ([P(g.randint(2, 5), X(g.randint(2, 5),
                                               nz(g, -9, 9)))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([P(g.randint(2, 6), X(1, -g.randint(1, 9))),
                           T(nz(g, -12, 12))], [HOLE]), 'int'),
    items_type(lambda g: ([HOLE], [P(g.randint(2, 6), X(1, nz(g, -9, 9)))]),
               'neg'),
    items_type(lambda g: ([T(g.randint(2, 7), 'x'),
                           P(g.randint(2, 5), X(1, nz(g, -9, 9)))],
                          [HOLE]), 'int'),
    items_type(lambda g: ([P(g.randint(2, 5), X(g.randint(2, 4),
                                               nz(g, -9, 9)))],
                          [T(g.randint(1, 9), 'x'), T(nz(g, -15, 15))]),
               'frac'),
    items_type(lambda g: ([T(g.randint(2, 9), 'x'), T(nz(g, -15, 15))],
                          [P(g.randint(2, 5), X(g.randint(1, 4),
                                               nz(g, -9, 9)))]), 'neg'),
    items_type(lambda g: ([T(g.randint(2, 9), 'x'),
                           P(g.randint(2, 4), C(g.randint(1, 9),
                                                -g.randint(1, 4)))],
                          [T(nz(g, -15, 15)), T(g.randint(1, 6), 'x')]),
               'anyfrac'),
]

R32 = [
    items_type(lambda g: ([T(g.randint(8, 20)), P(-1, X(1, g.randint(1, 7)))],
                          [HOLE]), 'pos', hole_pos=True),
    items_type(lambda g: ([T(g.randint(8, 20)), P(-1, C(g.randint(2, 7), -1))],
                          [HOLE]), 'pos', hole_pos=True),
    items_type(lambda g: ([T(g.randint(4, 9), 'x'),
                           P(-1, X(g.randint(1, 3), -g.randint(1, 9)))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([P(-1, X(1, g.randint(1, 9)))], [HOLE]), 'neg'),
    items_type(lambda g: ([T(g.randint(4, 9), 'x'),
                           P(-g.randint(2, 4), X(1, nz(g, -9, 9)))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([P(g.randint(2, 6), X(1, nz(g, -9, 9))),
                           P(-g.randint(2, 6), X(1, nz(g, -9, 9)))],
                          [HOLE]), 'int'),
    items_type(lambda g: ([T(g.randint(3, 9), 'x'),
                           P(-1, X(g.randint(2, 5), nz(g, -9, 9)))],
                          [T(g.randint(1, 6), 'x'), HOLE]), 'neg'),
    items_type(lambda g: ([T(g.randint(2, 20)),
                           P(-g.randint(2, 4), C(g.randint(1, 9), -1))],
                          [P(g.randint(2, 5), X(1, nz(g, -6, 6)))]),
               'anyfrac'),
    items_type(lambda g: ([P(-1, X(g.randint(2, 5), -g.randint(1, 9))),
                           P(-1, X(g.randint(1, 4), g.randint(1, 9)))],
                          [T(g.randint(1, 6), 'x'), T(nz(g, -9, 9))]),
               'negfrac'),
]

R33 = [
    items_type(lambda g: ([P(g.randint(2, 5), X(1, nz(g, -9, 9))),
                           P(g.randint(2, 5), X(1, nz(g, -9, 9)))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([P(g.randint(2, 7), X(1, nz(g, -9, 9)))],
                          [P(g.randint(2, 7), X(1, nz(g, -9, 9)))]), 'int'),
    items_type(lambda g: ([P(g.randint(2, 6), X(1, nz(g, -9, 9))),
                           P(-g.randint(2, 5), X(1, nz(g, -9, 9)))],
                          [P(g.randint(2, 4), X(1, nz(g, -9, 9)))]), 'int'),
    items_type(lambda g: ([PP(1, X(1, nz(g, -7, 7)), X(1, nz(g, -7, 7)))],
                          [T(1, 'x^2'), HOLE]), 'int'),
    items_type(lambda g: ([SQ(1, X(1, nz(g, -6, 6)))],
                          [P(1, X(1, nz(g, -9, 9)), 'x'), HOLE]), 'int'),
    items_type(lambda g: ([PP(1, X(1, nz(g, -6, 6)), X(1, nz(g, -6, 6)))],
                          [PP(1, X(1, nz(g, -6, 6)), X(1, nz(g, -6, 6)))]),
               'int'),
    items_type(lambda g: ([SQ(1, X(1, -g.randint(1, 6))),
                           SQ(-1, X(1, g.randint(1, 6)))], [HOLE]), 'int'),
    items_type(lambda g: ([PP(1, X(1, nz(g, -6, 6)), X(1, nz(g, -6, 6))),
                           P(-1, X(1, nz(g, -9, 9)), 'x')], [HOLE]), 'any'),
    items_type(lambda g: ([PP(1, X(2, nz(g, -5, 5)), X(1, nz(g, -5, 5))),
                           SQ(-2, X(1, nz(g, -4, 4)))], [T(nz(g, -20, 20))]),
               'anyfrac'),
]

R41 = [
    items_type(lambda g: ([Fx(1, g.randint(2, 6)), T(g.randint(1, 9))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([Fx(1, g.randint(2, 6)), T(-g.randint(1, 9))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([Fx(1, g.randint(2, 4)), Fx(1, g.randint(3, 6))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([Fx(1, g.randint(2, 4)), Fx(1, g.randint(3, 8), -1)],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([Fx(g.randint(2, 5), g.randint(2, 7)),
                           T(nz(g, -9, 9))], [HOLE]), 'pos'),
    items_type(lambda g: ([T(1, 'x'), Fx(1, g.randint(2, 6))], [HOLE]),
               'pos'),
    items_type(lambda g: ([Fx(1, g.randint(2, 5)), T(nz(g, -9, 9))],
                          [Fx(1, g.randint(2, 8))]), 'int'),
    items_type(lambda g: ([Fx(1, g.randint(2, 6)), Fr(g.randint(1, 5),
                                                     g.randint(2, 6))],
                          [HOLE]), 'int'),
    items_type(lambda g: ([Fx(1, g.randint(2, 5)), Fx(1, g.randint(2, 8), -1)],
                          [Fr(g.randint(1, 7), g.randint(2, 6))]), 'frac'),
    items_type(lambda g: ([Fx(g.randint(2, 5), g.randint(2, 6)),
                           Fx(g.randint(2, 5), g.randint(2, 6), -1)],
                          [HOLE]), 'neg'),
]

R42 = [
    items_type(lambda g: ([Fr(X(1, g.randint(1, 9)), g.randint(2, 5))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([Fr(X(g.randint(2, 5), -g.randint(1, 9)),
                              g.randint(2, 7))], [HOLE]), 'pos'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 5))],
                          [Fr(X(1, nz(g, -9, 9)), g.randint(2, 6))]), 'int'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 4)),
                           Fr(X(1, -g.randint(1, 9)), g.randint(3, 6))],
                          [HOLE]), 'int'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 4)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(3, 6), -1)],
                          [HOLE]), 'int'),
    items_type(lambda g: ([Fr(X(g.randint(2, 5), nz(g, -9, 9)),
                              g.randint(2, 5)), T(1, 'x')], [HOLE]), 'int'),
    items_type(lambda g: ([T(1, 'x'), Fr(X(1, -g.randint(1, 9)),
                                         g.randint(2, 6), -1)], [HOLE]),
               'int'),
    items_type(lambda g: ([Fr(X(g.randint(2, 5), nz(g, -9, 9)),
                              g.randint(2, 6)),
                           Fr(X(g.randint(1, 4), nz(g, -9, 9)),
                              g.randint(2, 6), -1)], [HOLE]), 'anyfrac'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 4)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(3, 6), -1)],
                          [Fx(1, g.randint(2, 6))]), 'neg'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 4)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(3, 6))],
                          [Fr(X(1, nz(g, -9, 9)), g.randint(2, 6)), HOLE]),
               'any'),
]

R43 = [
    items_type(lambda g: ([Fr(X(g.randint(2, 5), nz(g, -9, 9)), g.randint(2, 6)),
                           Fr(X(g.randint(1, 4), nz(g, -9, 9)),
                              g.randint(2, 6), -1)],
                          [Fr(X(g.randint(1, 5), nz(g, -9, 9)), g.randint(2, 6)),
                           HOLE]), 'any'),
    items_type(lambda g: ([Fr(X(1, nz(g, -6, 6)), g.randint(2, 5), 1,
                              g.randint(2, 4)),
                           Fr(X(1, nz(g, -6, 6)), g.randint(2, 6), -1,
                              g.randint(2, 4))], [HOLE]), 'any'),
    items_type(lambda g: ([T(1, 'x'), Fr(X(1, nz(g, -9, 9)), g.randint(2, 4),
                                         -1),
                           Fr(X(1, nz(g, -9, 9)), g.randint(3, 6), -1)],
                          [HOLE]), 'any'),
    items_type(lambda g: ([T(1, 'x'), Fr(X(g.randint(2, 5), nz(g, -9, 9)),
                                         g.randint(2, 6), -1)],
                          [Fr(X(1, nz(g, -9, 9)), g.randint(2, 6)),
                           T(-g.randint(1, 9))]), 'any'),
    items_type(lambda g: r43_sq(g), 'any'),
    items_type(lambda g: ([Fr(X(g.randint(2, 5), nz(g, -9, 9)), g.randint(2, 6)),
                           T(-1, 'x')],
                          [Fr(X(g.randint(1, 4), nz(g, -9, 9)), g.randint(2, 6)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(2, 6), -1)]),
               'any'),
    items_type(lambda g: ([Fr(X(g.randint(2, 5), nz(g, -9, 9)), 6),
                           Fr(X(g.randint(1, 5), nz(g, -9, 9)), 4, -1)],
                          [Fr(X(g.randint(1, 5), nz(g, -9, 9)), 3), HOLE]),
               'anyfrac'),
    items_type(lambda g: ([Fr(X(1, nz(g, -9, 9)), g.randint(2, 5)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(2, 6))],
                          [Fr(X(1, nz(g, -9, 9)), g.randint(2, 6)),
                           Fr(X(1, nz(g, -9, 9)), g.randint(2, 6), -1)]),
               'any'),
    items_type(lambda g: ([Fr(X(1, nz(g, -6, 6)), g.randint(2, 6), 1,
                              g.randint(2, 4)),
                           Fr(X(1, nz(g, -6, 6)), g.randint(2, 6), -1,
                              g.randint(2, 4))],
                          [Fr(X(1, nz(g, -6, 6)), g.randint(2, 6)), HOLE]),
               'negfrac'),
]


def r43_sq(g):
    d = g.randint(2, 6)
    return ([Fr([(1, 'x^2'), (nz(g, -9, 9), 'x')], d),
             Fr([(1, 'x^2'), (nz(g, -9, 9), '')], d, -1)], [HOLE])


R51 = [
    items_type(lambda g: ([D(g.randint(6, 48), 1)], [HOLE]), 'pos'),
    items_type(lambda g: ([D(g.randint(6, 36), 1), T(g.randint(1, 9))],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([D(g.randint(3, 30), g.randint(2, 5))], [HOLE]),
               'any'),
    items_type(lambda g: ([D(g.randint(2, 12), 1)],
                          [Fr(g.randint(1, 9), g.randint(2, 9))]), 'any'),
    items_type(lambda g: ([D(g.randint(2, 15), 1), D(g.randint(2, 15), 1)],
                          [HOLE]), 'pos'),
    items_type(lambda g: ([D(g.randint(2, 15), 1),
                           D(g.randint(1, 9), 2, k=-1)], [HOLE]), 'any'),
    items_type(lambda g: ([D(X(1, nz(g, -12, 12)), 1)], [HOLE]), 'int'),
    items_type(lambda g: ([D(g.randint(1, 9), 2), D(g.randint(1, 9), 3)],
                          [Fr(g.randint(1, 11), g.choice([4, 6, 12]))]),
               'any'),
    items_type(lambda g: ([D(X(g.randint(2, 5), -g.randint(1, 9)),
                             g.randint(2, 4))],
                          [Fr(nz(g, -7, 7), g.randint(2, 6))]), 'anyfrac'),
]

R52 = [
    items_type(lambda g: ([D(g.randint(2, 24), 1, (1, nz(g, -6, 6)))],
                          [HOLE]), 'int'),
    items_type(lambda g: ([D(g.randint(1, 9), 1, (1, -g.randint(1, 6)))],
                          [Fr(g.randint(1, 9), g.randint(2, 7))]), 'int'),
    items_type(lambda g: ([D(g.randint(1, 9), 1, (1, nz(g, -6, 6)))],
                          [D(g.randint(1, 9), 1, (1, nz(g, -6, 6)))]),
               'any'),
    items_type(lambda g: ([D(X(1, nz(g, -9, 9)), 1, (1, nz(g, -6, 6)))],
                          [HOLE]), 'any'),
    items_type(lambda g: ([D(g.randint(1, 9), 1)],
                          [D(g.randint(1, 9), 1, (1, nz(g, -6, 6)))]), 'any'),
    items_type(lambda g: r52_same(g), 'any'),
    items_type(lambda g: ([D(X(1, nz(g, -9, 9)), 1, (1, -g.randint(1, 6)))],
                          [D(X(1, nz(g, -9, 9)), 1, (1, -g.randint(1, 6)))]),
               'any'),
    items_type(lambda g: ([D(g.randint(1, 9), 1, (2, nz(g, -7, 7)))],
                          [D(g.randint(1, 9), 1, (3, nz(g, -7, 7)))]),
               'anyfrac'),
    items_type(lambda g: ([D([(1, 'x')], 1, (1, -g.randint(1, 6))), T(-1)],
                          [D(g.randint(1, 9), 1, (1, nz(g, -6, 6)))]),
               'any'),
]


def r52_same(g):
    b = nz(g, -6, 6)
    return ([D(g.randint(1, 12), 1, (1, b)), T(nz(g, -5, 5))],
            [D(g.randint(1, 12), 1, (1, b))])


# The entrance examinations: a mixed run over the harder types.
R61 = [
    lambda g: r23(g, 'both'),
    R31[6],
    R32[5],
    R41[2],
    R42[4],
    R33[6],
    lambda g: r23(g, 'hundredths'),
    R42[7],
    R33[7],
    R43[2],
    R43[1],
    R52[2],
]


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
    (61, 'Přijímačky, Z přijímaček', R61),
]


# ------------------------------------------------------------------ driver

def acceptable(eq, root, lines, seen):
    probs = []
    key = bankcheck.check_line(eq, root, 'zadání', probs)
    if key is None or probs or key.strip() in seen:
        return None
    if not 1 <= len(lines) <= bankcheck.MAX_LINES:
        return None
    for k, text in enumerate(lines):
        if text.startswith('0='):
            return None
        n = bankcheck.check_line(text, root, 'řádek', probs)
        if n is None or probs:
            return None
        if bankcheck.is_final(n) != (k == len(lines) - 1):
            return None
    return key.strip()


def generate_area(code, types, seen):
    rng = random.Random(7919 * code)
    triplets = []
    for gen in types:
        trip = []
        for attempt in range(20000):
            try:
                eq, root, lines, dec = gen(rng)
            except (Retry, ZeroDivisionError, ValueError):
                continue
            key = acceptable(eq, root, lines, seen)
            if key is None or any(eq.split('=')[0] == t[0].split('=')[0]
                                  for t in trip):
                continue
            seen.add(key)
            trip.append((eq, root_text(root, dec), lines))
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
    return bankcheck.main(['bankcheck'] + paths)


if __name__ == '__main__':
    sys.exit(main(sys.argv))
