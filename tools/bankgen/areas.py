"""The sixteen areas of the bank: each a list of equation types, easiest
first; every type gives one triplet."""
import math
from fractions import Fraction

from sides import (HOLE, ax_b, b_ax, equation_type, frac, frac_x, over_x,
                   paren, product, square, term)
from steps import (Retry, Solution, draw, draw_nonzero, finish_division,
                   finished, linear,
                   solve_linear)
from texts import (decimal_text, factor_text, fraction_text, note_div,
                   note_mul, quotient_text, term_text, terms_text)


# r11: x plus or minus a number equals a number -------------------------

def r11_xpa(rng, big=False, neg=False):
    a = rng.randint(11, 49) if big else rng.randint(2, 9)
    r = rng.randint(10, 60) if big else rng.randint(1, 12)
    if neg:
        r = -rng.randint(1, a - 1) if a > 2 else -1
    b = r + a
    if b == 0 or b == a:
        raise Retry()
    sol = Solution(show_sums=True)
    sol.add('x+%d=%d' % (a, b), '-%d' % a)
    sol.add('x=%d-%d' % (b, a))
    sol.add('x=%d' % r)
    return finished(sol.lines[0][0], r, sol)


def r11_xma(rng, big=False):
    a = rng.randint(12, 48) if big else rng.randint(2, 9)
    b = rng.randint(10, 50) if big else rng.randint(1, 12)
    sol = Solution()
    sol.add('x-%d=%d' % (a, b), '+%d' % a)
    sol.add('x=%d+%d' % (b, a))
    sol.add('x=%d' % (a + b))
    return finished(sol.lines[0][0], a + b, sol)


def r11_apx(rng):
    a = rng.randint(2, 15)
    r = rng.randint(1, 15)
    sol = Solution()
    sol.add('%d+x=%d' % (a, a + r), '-%d' % a)
    sol.add('x=%d-%d' % (a + r, a))
    sol.add('x=%d' % r)
    return finished(sol.lines[0][0], r, sol)


def r11_right(rng, minus=False, first=False, big=False):
    a = rng.randint(11, 39) if big else rng.randint(2, 12)
    r = rng.randint(10, 60) if big else rng.randint(1, 15)
    sol = Solution()
    if minus:
        if r <= a:
            r += a
        b = r - a
        sol.add('%d=x-%d' % (b, a), '+%d' % a)
        sol.add('%d+%d=x' % (b, a))
    else:
        b = r + a
        rhs = '%d+x' % a if first else 'x+%d' % a
        sol.add('%d=%s' % (b, rhs), '-%d' % a)
        sol.add('%d-%d=x' % (b, a))
    sol.add('%d=x' % r)
    sol.add('x=%d' % r)
    return finished(sol.lines[0][0], r, sol)


def r11_xm_neg(rng):
    a = rng.randint(2, 9)
    b = draw(rng, 2, 12, (a,))
    sol = Solution()
    sol.add('x-%d=-%d' % (a, b), '+%d' % a)
    sol.add('x=-%d+%d' % (b, a))
    sol.add('x=%d' % (a - b))
    return finished(sol.lines[0][0], a - b, sol)


R11 = [
    lambda rng: r11_xpa(rng),
    lambda rng: r11_xma(rng),
    lambda rng: r11_apx(rng),
    lambda rng: r11_right(rng),
    lambda rng: r11_right(rng, minus=True),
    lambda rng: r11_xpa(rng, big=True),
    lambda rng: r11_right(rng, first=True, big=True),
    lambda rng: r11_xpa(rng, neg=True),
    lambda rng: r11_xm_neg(rng),
]


# r12: a multiple of x equals a number ------------------------------------

def r12_ax(rng, lo, hi, rlo, rhi, neg_a=False, neg_r=False, frac=False,
           right=False):
    a = rng.randint(lo, hi)
    if neg_a:
        a = -a
    if frac:
        b = draw_nonzero(rng, 1, 3 * abs(a) + 6)
        if b % a == 0:
            raise Retry()
        if neg_r:
            b = -b
        r = Fraction(b, a)
    else:
        r = rng.randint(rlo, rhi)
        if neg_r:
            r = -r
        b = a * r
    sol = Solution(show_sums=not frac)
    if right:
        sol.add('%d=%s' % (b, term_text(a, 'x', True)))
    else:
        sol.add('%s=%d' % (term_text(a, 'x', True), b))
    finish_division(sol, a, b, not right)
    return finished(sol.lines[0][0], r, sol)


R12 = [
    lambda rng: r12_ax(rng, 2, 5, 2, 10),
    lambda rng: r12_ax(rng, 6, 9, 3, 12),
    lambda rng: r12_ax(rng, 2, 9, 2, 9, right=True),
    lambda rng: r12_ax(rng, 11, 25, 2, 9),
    lambda rng: r12_ax(rng, 2, 9, 0, 0, frac=True),
    lambda rng: r12_ax(rng, 3, 12, 0, 0, frac=True),
    lambda rng: r12_ax(rng, 2, 9, 2, 12, neg_r=True),
    lambda rng: r12_ax(rng, 2, 12, 2, 12, neg_a=True, neg_r=rng.random() < .5),
    lambda rng: r12_ax(rng, 3, 12, 0, 0, neg_a=True, frac=True,
                     neg_r=rng.random() < .5),
]


# r13: x over a number equals a number -------------------------------------

def r13_xa(rng, lo, hi, neg=False, right=False, minus=False):
    a = rng.randint(lo, hi)
    b = rng.randint(2, 12)
    if neg:
        b = -b
    sol = Solution(show_sums=True)
    lhs = '\\frac{x}{%d}' % a
    if minus:
        sol.add('-%s=%d' % (lhs, b), note_mul(a))
        sol.add('-x=%d' % (a * b))
        finish_division(sol, -1, a * b)
        return finished(sol.lines[0][0], -a * b, sol)
    if right:
        sol.add('%d=%s' % (b, lhs), note_mul(a))
        sol.add('%d*%d=x' % (b, a))
        sol.add('%d=x' % (a * b))
    else:
        sol.add('%s=%d' % (lhs, b), note_mul(a))
        sol.add('x=%d*%d' % (b, a))
    sol.add('x=%d' % (a * b))
    return finished(sol.lines[0][0], a * b, sol)


def r13_pxa(rng, frac=False, neg=False, right=False):
    p = rng.randint(2, 7)
    a = draw(rng, 2, 9, (p,))
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
    r = Fraction(a * b, p)
    lhs = '\\frac{%dx}{%d}' % (p, a)
    sol = Solution()
    if right:
        sol.add('%d=%s' % (b, lhs), note_mul(a))
        sol.add('%d=%dx' % (a * b, p))
        finish_division(sol, p, a * b, xleft=False)
    else:
        sol.add('%s=%d' % (lhs, b), note_mul(a))
        sol.add('%dx=%d' % (p, a * b))
        finish_division(sol, p, a * b)
    return finished(sol.lines[0][0], r, sol)


R13 = [
    lambda rng: r13_xa(rng, 2, 5),
    lambda rng: r13_xa(rng, 6, 10),
    lambda rng: r13_xa(rng, 2, 9, right=True),
    lambda rng: r13_xa(rng, 2, 9, neg=True),
    lambda rng: r13_pxa(rng),
    lambda rng: r13_pxa(rng, frac=True),
    lambda rng: r13_xa(rng, 2, 9, minus=True),
    lambda rng: r13_pxa(rng, neg=True),
    lambda rng: r13_pxa(rng, frac=True, right=True),
]


# r14: a fraction with x equals a fraction of numbers ----------------------

def solve_fraction_equation(sol, p, a, b, c, right=False):
    """p x / a = b / c (p, b signed): multiply by the common denominator."""
    m = a * c // math.gcd(a, c)
    k = p * (m // a)
    rhs = b * (m // c)
    sol.note(note_mul(m))
    if k == 1 and not right:
        if m // c != 1:
            sol.add('x=%d*%s' % (b, factor_text(m // c)) if b > 0 else
                  'x=%s*%d' % (factor_text(b), m // c))
        else:
            raise Retry()
        sol.add('x=' + fraction_text(rhs))
        return
    if right:
        sol.add('%d=%s' % (rhs, term_text(k, 'x', True)))
    else:
        sol.add('%s=%d' % (term_text(k, 'x', True), rhs))
    finish_division(sol, k, rhs, not right)


def x_fraction_text(p, a):
    """The fraction p x / a with the sign of p in front."""
    body = '\\frac{%sx}{%d}' % ('' if abs(p) == 1 else str(abs(p)), a)
    return '-' + body if p < 0 else body


def r14(rng, kind, p=1, neg=False, right=False):
    if kind == 'amult':          # c a multiple of a, whole root
        a = rng.randint(2, 5)
        c = a * rng.randint(2, 3)
        r = draw(rng, 1, 12, ())
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
        c = draw(rng, 2, 9, (a,))
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
    r = Fraction(b * a, c * p)
    if kind in ('coprime', 'shared') and r.denominator == 1:
        raise Retry()
    if r == 1 or r == -1 or abs(r) > 40 or r.denominator > 12 or\
            a * c // math.gcd(a, c) > 36:
        raise Retry()
    sol = Solution()
    if right:
        sol.add('%s=%s' % (quotient_text(b, c), x_fraction_text(p, a)))
    else:
        sol.add('%s=%s' % (x_fraction_text(p, a), quotient_text(b, c)))
    solve_fraction_equation(sol, p, a, b, c, right)
    return finished(sol.lines[0][0], r, sol)


R14 = [
    lambda rng: r14(rng, 'amult'),
    lambda rng: r14(rng, 'cmult'),
    lambda rng: r14(rng, 'coprime'),
    lambda rng: r14(rng, 'shared'),
    lambda rng: r14(rng, 'free', right=True),
    lambda rng: r14(rng, 'free', neg=True),
    lambda rng: r14(rng, 'free', p=rng.randint(2, 5)),
    lambda rng: r14(rng, 'free', p=-rng.randint(2, 5)),
    lambda rng: r14(rng, 'free', p=rng.randint(2, 7), neg=True, right=True),
]


# r21: a x + b = c ---------------------------------------------------------

def r21(rng, kind):
    a = rng.randint(2, 9)
    b = rng.randint(1, 20)
    r = rng.randint(1, 10)
    sol = Solution()
    if kind == 'plus':
        left, right = linear(a, b), [(a * r + b, '')]
    elif kind == 'minus':
        left, right = linear(a, -b), [(a * r - b, '')]
        if a * r - b <= 0:
            raise Retry()
    elif kind == 'right':
        left, right = [(a * r + b, '')], linear(a, b)
    elif kind == 'first':
        left, right = [(b, ''), (a, 'x')], [(a * r + b, '')]
    elif kind == 'neg':
        r = -rng.randint(1, 8)
        left, right = linear(a, b), [(a * r + b, '')]
        if a * r + b == 0:
            raise Retry()
    elif kind == 'frac':
        r = Fraction(rng.randint(1, 20), a)
        if r.denominator == 1:
            raise Retry()
        c = a * r + b
        if c.denominator != 1 or c == 0:
            raise Retry()
        left, right = linear(a, b) if rng.random() < .6 else linear(a, -b), None
        c = a * r + left[1][0]
        if c == 0:
            raise Retry()
        right = [(c, '')]
    elif kind == 'negcoef':
        r = draw_nonzero(rng, -6, 6)
        left, right = [(b, ''), (-a, 'x')], [(b - a * r, '')]
        if b - a * r == 0:
            raise Retry()
    elif kind == 'bothneg':
        r = -rng.randint(1, 8)
        left, right = [(-a, 'x'), (-b, '')], [(-a * r - b, '')]
        if -a * r - b == 0:
            raise Retry()
    elif kind == 'rightneg':
        a = rng.randint(2, 12)
        r = Fraction(rng.randint(1, 30), a)
        if r.denominator == 1:
            raise Retry()
        c = b - a * r
        if c.denominator != 1 or c == 0:
            raise Retry()
        left, right = [(c, '')], [(b, ''), (-a, 'x')]
    elif kind == 'big':
        a = rng.randint(11, 25)
        b = rng.randint(10, 60)
        r = -Fraction(rng.randint(1, 3 * a), a)
        c = a * r + b
        if r.denominator == 1 or c.denominator != 1 or c == 0:
            raise Retry()
        left, right = linear(a, b), [(c, '')]
    solve_linear(sol, left, right)
    return finished(sol.lines[0][0], r, sol)


R21 = [lambda rng, k=k: r21(rng, k) for k in (
    'plus', 'minus', 'right', 'first', 'neg', 'frac', 'negcoef', 'bothneg',
    'rightneg', 'big')]


# r22: x on both sides -------------------------------------------------------

def r22(rng, kind):
    sol = Solution()
    a = rng.randint(2, 9)
    c = draw(rng, 1, 9, (a,))
    b = rng.randint(1, 20)
    if kind == 'gt':
        a, c = max(a, c), min(a, c)
        r = rng.randint(1, 10)
        left, right = linear(a, b), linear(c, (a - c) * r + b)
    elif kind == 'lt':
        a, c = min(a, c), max(a, c)
        r = rng.randint(1, 10)
        d = b - (c - a) * r
        if d <= 0:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'minus':
        r = rng.randint(1, 10)
        d = a * r - b - c * r
        left, right = linear(a, -b), linear(c, d)
        if d == 0:
            raise Retry()
    elif kind == 'neg':
        r = -rng.randint(1, 8)
        d = a * r + b - c * r
        if d == 0:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'opposite':
        r = rng.randint(1, 8)
        d = a * r + b + c * r
        left, right = linear(a, b), [(d, ''), (-c, 'x')]
    elif kind == 'negx':
        r = draw_nonzero(rng, -8, 8)
        d = -a * r + b - c * r
        if d == 0:
            raise Retry()
        left, right = [(-a, 'x'), (b, '')], linear(c, d)
    elif kind == 'frac':
        r = Fraction(rng.randint(1, 20), abs(a - c))
        d = a * r + b - c * r
        if r.denominator == 1 or d.denominator != 1 or d == 0:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'collect':
        r = rng.randint(1, 9)
        e = rng.randint(2, 6)
        a2 = a + e
        d = a * r + b - c * r
        if d == 0 or c == a:
            raise Retry()
        left, right = [(a2, 'x'), (b, ''), (-e, 'x')], linear(c, d)
    elif kind == 'negfrac':
        r = -Fraction(rng.randint(1, 20), abs(a - c))
        d = a * r + b - c * r
        if r.denominator == 1 or d.denominator != 1 or d == 0:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'long':
        e, f, h = rng.randint(2, 6), rng.randint(1, 15), rng.randint(1, 12)
        c = rng.randint(2, 9)
        if a == c - 1:
            raise Retry()
        r = Fraction(f + h, a - c + 1)
        if r.denominator == 1:
            raise Retry()
        left = [(a + e, 'x'), (-h, ''), (-e, 'x')]
        right = [(c, 'x'), (f, ''), (-1, 'x')]
    solve_linear(sol, left, right)
    return finished(sol.lines[0][0], r, sol)


R22 = [lambda rng, k=k: r22(rng, k) for k in (
    'gt', 'lt', 'minus', 'neg', 'opposite', 'negx', 'frac', 'collect',
    'negfrac', 'long')]


# r23: decimal numbers ------------------------------------------------------

def one_decimal(rng, lo, hi):
    """A one-decimal number (not whole) between lo and hi."""
    while True:
        v = Fraction(rng.randint(int(lo * 10), int(hi * 10)), 10)
        if v.denominator != 1:
            return v


def r23(rng, kind):
    sol = Solution(decimals=True)
    if kind == 'xpa':
        a, r = one_decimal(rng, 0.1, 9.9), one_decimal(rng, 0.1, 9.9)
        if rng.random() < .5:
            sol.add('x+%s=%s' % (decimal_text(a), decimal_text(a + r)), '-' + decimal_text(a))
            sol.add('x=%s-%s' % (decimal_text(a + r), decimal_text(a)))
        else:
            if r - a <= 0:
                r += a
            sol.add('x-%s=%s' % (decimal_text(a), decimal_text(r - a)), '+' + decimal_text(a))
            sol.add('x=%s+%s' % (decimal_text(r - a), decimal_text(a)))
        sol.add('x=' + decimal_text(r))
        return finished(sol.lines[0][0], r, sol, True)
    if kind == 'halfx':
        a = rng.choice([Fraction(1, 2), Fraction(1, 4), Fraction(1, 5), Fraction(3, 10), Fraction(3, 2),
                        Fraction(5, 2), Fraction(2, 5), Fraction(6, 5), Fraction(1, 10)])
        r = rng.randint(2, 20)
        b = a * r
        if b.denominator == 1 and a.denominator == 1:
            raise Retry()
        sol.add('%sx=%s' % (decimal_text(a), decimal_text(b)))
        finish_division(sol, a, b)
        return finished(sol.lines[0][0], r, sol, True)
    if kind == 'ax_dec':
        a = rng.randint(2, 9)
        r = one_decimal(rng, 0.2, 9.9)
        sol.add('%dx=%s' % (a, decimal_text(a * r)))
        sol.note(note_div(a))
        sol.add('x=%s:%d' % (decimal_text(a * r), a))
        sol.add('x=' + decimal_text(r))
        return finished(sol.lines[0][0], r, sol, True)
    if kind == 'linear':
        a = one_decimal(rng, 0.2, 2.5)
        b = one_decimal(rng, 0.1, 5)
        r = rng.randint(1, 9)
        left, right = linear(a, b), [(a * r + b, '')]
    elif kind == 'both':
        a = one_decimal(rng, 1, 4)
        c = one_decimal(rng, 0.1, 1.5)
        b = one_decimal(rng, -5, 5)
        r = rng.randint(1, 9)
        d = (a - c) * r + b
        if a - c <= 0 or d == 0 or b == 0:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'times10':
        a, b = rng.randint(1, 9), rng.randint(1, 9)
        r = rng.randint(1, 9)
        c = a * r + b
        if c > 99 or a == 1:
            raise Retry()
        t = Fraction(1, 10)
        sol.add('%s=%s' % (terms_text((a * t, 'x'), (b * t, '')), decimal_text(c * t)),
              '·10')
        solve_linear(sol, linear(a, b), [(c, '')])
        return finished(sol.lines[0][0], r, sol, True)
    elif kind == 'negdec':
        a = one_decimal(rng, 1.1, 4.5)
        r = -Fraction(rng.randint(1, 9), 2) if rng.random() < .5 else -rng.randint(1, 5)
        b = one_decimal(rng, 0.5, 9)
        c = a * r + b
        if c == 0 or len(decimal_text(c)) > 5:
            raise Retry()
        left, right = linear(a, b), [(c, '')]
    elif kind == 'bothdec':
        a = one_decimal(rng, 1, 3)
        c = one_decimal(rng, 0.1, 1)
        r = Fraction(rng.randint(1, 19), 2) * (1 if rng.random() < .6 else -1)
        b = one_decimal(rng, -4, 4)
        d = (a - c) * r + b
        if a - c <= 0 or d == 0 or r.denominator == 1 or len(decimal_text(d)) > 5:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    elif kind == 'hundredths':
        a = Fraction(rng.choice([5, 15, 25, 35, 45, 75]), 100)
        c = Fraction(rng.choice([5, 15, 25, 35, 45, 75]), 100)
        b = Fraction(rng.randint(-20, 20), 4)
        r = rng.randint(-6, 12)
        if a == c or b == 0 or r == 0:
            raise Retry()
        d = (a - c) * r + b
        if d == 0 or len(decimal_text(d)) > 5:
            raise Retry()
        left, right = linear(a, b), linear(c, d)
    solve_linear(sol, left, right)
    return finished(sol.lines[0][0], r, sol, True)


R23 = [lambda rng, k=k: r23(rng, k) for k in (
    'xpa', 'halfx', 'ax_dec', 'linear', 'times10', 'both', 'negdec',
    'bothdec', 'hundredths')]


R31 = [
    equation_type(lambda rng: ([paren(rng.randint(2, 6), ax_b(1, rng.randint(1, 9)))],
                          [HOLE]), 'pos', hole_pos=True),
    equation_type(lambda rng: ([paren(rng.randint(2, 6), ax_b(1, -rng.randint(1, 9)))],
                          [HOLE]), 'pos', hole_pos=True),
    equation_type(lambda rng: ([paren(rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [term(rng.randint(1, 7), 'x'), HOLE]), 'int'),
    equation_type(lambda rng: ([paren(rng.randint(2, 5), ax_b(rng.randint(2, 5),
                                               draw_nonzero(rng, -9, 9)))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([paren(rng.randint(2, 6), ax_b(1, -rng.randint(1, 9))),
                           term(draw_nonzero(rng, -12, 12))], [HOLE]), 'int'),
    equation_type(lambda rng: ([HOLE], [paren(rng.randint(2, 6), ax_b(1, draw_nonzero(rng, -9, 9)))]),
               'neg'),
    equation_type(lambda rng: ([term(rng.randint(2, 7), 'x'),
                           paren(rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([paren(rng.randint(2, 5), ax_b(rng.randint(2, 4),
                                               draw_nonzero(rng, -9, 9)))],
                          [term(rng.randint(1, 9), 'x'), term(draw_nonzero(rng, -15, 15))]),
               'frac'),
    equation_type(lambda rng: ([term(rng.randint(2, 9), 'x'), term(draw_nonzero(rng, -15, 15))],
                          [paren(rng.randint(2, 5), ax_b(rng.randint(1, 4),
                                               draw_nonzero(rng, -9, 9)))]), 'neg'),
    equation_type(lambda rng: ([term(rng.randint(2, 9), 'x'),
                           paren(rng.randint(2, 4), b_ax(rng.randint(1, 9),
                                                -rng.randint(1, 4)))],
                          [term(draw_nonzero(rng, -15, 15)), term(rng.randint(1, 6), 'x')]),
               'anyfrac'),
]

R32 = [
    equation_type(lambda rng: ([term(rng.randint(8, 20)), paren(-1, ax_b(1, rng.randint(1, 7)))],
                          [HOLE]), 'pos', hole_pos=True),
    equation_type(lambda rng: ([term(rng.randint(8, 20)), paren(-1, b_ax(rng.randint(2, 7), -1))],
                          [HOLE]), 'pos', hole_pos=True),
    equation_type(lambda rng: ([term(rng.randint(4, 9), 'x'),
                           paren(-1, ax_b(rng.randint(1, 3), -rng.randint(1, 9)))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([paren(-1, ax_b(1, rng.randint(1, 9)))], [HOLE]), 'neg'),
    equation_type(lambda rng: ([term(rng.randint(4, 9), 'x'),
                           paren(-rng.randint(2, 4), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([paren(rng.randint(2, 6), ax_b(1, draw_nonzero(rng, -9, 9))),
                           paren(-rng.randint(2, 6), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([term(rng.randint(3, 9), 'x'),
                           paren(-1, ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)))],
                          [term(rng.randint(1, 6), 'x'), HOLE]), 'neg'),
    equation_type(lambda rng: ([term(rng.randint(2, 20)),
                           paren(-rng.randint(2, 4), b_ax(rng.randint(1, 9), -1))],
                          [paren(rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -6, 6)))]),
               'anyfrac'),
    equation_type(lambda rng: ([paren(-1, ax_b(rng.randint(2, 5), -rng.randint(1, 9))),
                           paren(-1, ax_b(rng.randint(1, 4), rng.randint(1, 9)))],
                          [term(rng.randint(1, 6), 'x'), term(draw_nonzero(rng, -9, 9))]),
               'negfrac'),
]

R33 = [
    equation_type(lambda rng: ([paren(rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -9, 9))),
                           paren(rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([paren(rng.randint(2, 7), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [paren(rng.randint(2, 7), ax_b(1, draw_nonzero(rng, -9, 9)))]), 'int'),
    equation_type(lambda rng: ([paren(rng.randint(2, 6), ax_b(1, draw_nonzero(rng, -9, 9))),
                           paren(-rng.randint(2, 5), ax_b(1, draw_nonzero(rng, -9, 9)))],
                          [paren(rng.randint(2, 4), ax_b(1, draw_nonzero(rng, -9, 9)))]), 'int'),
    equation_type(lambda rng: ([product(1, ax_b(1, draw_nonzero(rng, -7, 7)), ax_b(1, draw_nonzero(rng, -7, 7)))],
                          [term(1, 'x^2'), HOLE]), 'int'),
    equation_type(lambda rng: ([square(1, ax_b(1, draw_nonzero(rng, -6, 6)))],
                          [paren(1, ax_b(1, draw_nonzero(rng, -9, 9)), 'x'), HOLE]), 'int'),
    equation_type(lambda rng: ([product(1, ax_b(1, draw_nonzero(rng, -6, 6)), ax_b(1, draw_nonzero(rng, -6, 6)))],
                          [product(1, ax_b(1, draw_nonzero(rng, -6, 6)), ax_b(1, draw_nonzero(rng, -6, 6)))]),
               'int'),
    equation_type(lambda rng: ([square(1, ax_b(1, -rng.randint(1, 6))),
                           square(-1, ax_b(1, rng.randint(1, 6)))], [HOLE]), 'int'),
    equation_type(lambda rng: ([product(1, ax_b(1, draw_nonzero(rng, -6, 6)), ax_b(1, draw_nonzero(rng, -6, 6))),
                           paren(-1, ax_b(1, draw_nonzero(rng, -9, 9)), 'x')], [HOLE]), 'any'),
    equation_type(lambda rng: ([product(1, ax_b(2, draw_nonzero(rng, -5, 5)), ax_b(1, draw_nonzero(rng, -5, 5))),
                           square(-2, ax_b(1, draw_nonzero(rng, -4, 4)))], [term(draw_nonzero(rng, -20, 20))]),
               'anyfrac'),
]

R41 = [
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 6)), term(rng.randint(1, 9))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 6)), term(-rng.randint(1, 9))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 4)), frac_x(1, rng.randint(3, 6))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 4)), frac_x(1, rng.randint(3, 8), -1)],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac_x(rng.randint(2, 5), rng.randint(2, 7)),
                           term(draw_nonzero(rng, -9, 9))], [HOLE]), 'pos'),
    equation_type(lambda rng: ([term(1, 'x'), frac_x(1, rng.randint(2, 6))], [HOLE]),
               'pos'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 5)), term(draw_nonzero(rng, -9, 9))],
                          [frac_x(1, rng.randint(2, 8))]), 'int'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 6)), frac(rng.randint(1, 5),
                                                     rng.randint(2, 6))],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([frac_x(1, rng.randint(2, 5)), frac_x(1, rng.randint(2, 8), -1)],
                          [frac(rng.randint(1, 7), rng.randint(2, 6))]), 'frac'),
    equation_type(lambda rng: ([frac_x(rng.randint(2, 5), rng.randint(2, 6)),
                           frac_x(rng.randint(2, 5), rng.randint(2, 6), -1)],
                          [HOLE]), 'neg'),
]

R42 = [
    equation_type(lambda rng: ([frac(ax_b(1, rng.randint(1, 9)), rng.randint(2, 5))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), -rng.randint(1, 9)),
                              rng.randint(2, 7))], [HOLE]), 'pos'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 5))],
                          [frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6))]), 'int'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 4)),
                           frac(ax_b(1, -rng.randint(1, 9)), rng.randint(3, 6))],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 4)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(3, 6), -1)],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)),
                              rng.randint(2, 5)), term(1, 'x')], [HOLE]), 'int'),
    equation_type(lambda rng: ([term(1, 'x'), frac(ax_b(1, -rng.randint(1, 9)),
                                         rng.randint(2, 6), -1)], [HOLE]),
               'int'),
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)),
                              rng.randint(2, 6)),
                           frac(ax_b(rng.randint(1, 4), draw_nonzero(rng, -9, 9)),
                              rng.randint(2, 6), -1)], [HOLE]), 'anyfrac'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 4)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(3, 6), -1)],
                          [frac_x(1, rng.randint(2, 6))]), 'neg'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 4)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(3, 6))],
                          [frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6)), HOLE]),
               'any'),
]

R43 = [
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           frac(ax_b(rng.randint(1, 4), draw_nonzero(rng, -9, 9)),
                              rng.randint(2, 6), -1)],
                          [frac(ax_b(rng.randint(1, 5), draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           HOLE]), 'any'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -6, 6)), rng.randint(2, 5), 1,
                              rng.randint(2, 4)),
                           frac(ax_b(1, draw_nonzero(rng, -6, 6)), rng.randint(2, 6), -1,
                              rng.randint(2, 4))], [HOLE]), 'any'),
    equation_type(lambda rng: ([term(1, 'x'), frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 4),
                                         -1),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(3, 6), -1)],
                          [HOLE]), 'any'),
    equation_type(lambda rng: ([term(1, 'x'), frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)),
                                         rng.randint(2, 6), -1)],
                          [frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           term(-rng.randint(1, 9))]), 'any'),
    equation_type(lambda rng: r43_sq(rng), 'any'),
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           term(-1, 'x')],
                          [frac(ax_b(rng.randint(1, 4), draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6), -1)]),
               'any'),
    equation_type(lambda rng: ([frac(ax_b(rng.randint(2, 5), draw_nonzero(rng, -9, 9)), 6),
                           frac(ax_b(rng.randint(1, 5), draw_nonzero(rng, -9, 9)), 4, -1)],
                          [frac(ax_b(rng.randint(1, 5), draw_nonzero(rng, -9, 9)), 3), HOLE]),
               'anyfrac'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 5)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6))],
                          [frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6)),
                           frac(ax_b(1, draw_nonzero(rng, -9, 9)), rng.randint(2, 6), -1)]),
               'any'),
    equation_type(lambda rng: ([frac(ax_b(1, draw_nonzero(rng, -6, 6)), rng.randint(2, 6), 1,
                              rng.randint(2, 4)),
                           frac(ax_b(1, draw_nonzero(rng, -6, 6)), rng.randint(2, 6), -1,
                              rng.randint(2, 4))],
                          [frac(ax_b(1, draw_nonzero(rng, -6, 6)), rng.randint(2, 6)), HOLE]),
               'negfrac'),
]


def r43_sq(rng):
    d = rng.randint(2, 6)
    return ([frac([(1, 'x^2'), (draw_nonzero(rng, -9, 9), 'x')], d),
             frac([(1, 'x^2'), (draw_nonzero(rng, -9, 9), '')], d, -1)], [HOLE])


R51 = [
    equation_type(lambda rng: ([over_x(rng.randint(6, 48), 1)], [HOLE]), 'pos'),
    equation_type(lambda rng: ([over_x(rng.randint(6, 36), 1), term(rng.randint(1, 9))],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([over_x(rng.randint(3, 30), rng.randint(2, 5))], [HOLE]),
               'any'),
    equation_type(lambda rng: ([over_x(rng.randint(2, 12), 1)],
                          [frac(rng.randint(1, 9), rng.randint(2, 9))]), 'any'),
    equation_type(lambda rng: ([over_x(rng.randint(2, 15), 1), over_x(rng.randint(2, 15), 1)],
                          [HOLE]), 'pos'),
    equation_type(lambda rng: ([over_x(rng.randint(2, 15), 1),
                           over_x(rng.randint(1, 9), 2, k=-1)], [HOLE]), 'any'),
    equation_type(lambda rng: ([over_x(ax_b(1, draw_nonzero(rng, -12, 12)), 1)], [HOLE]), 'int'),
    equation_type(lambda rng: ([over_x(rng.randint(1, 9), 2), over_x(rng.randint(1, 9), 3)],
                          [frac(rng.randint(1, 11), rng.choice([4, 6, 12]))]),
               'any'),
    equation_type(lambda rng: ([over_x(ax_b(rng.randint(2, 5), -rng.randint(1, 9)),
                             rng.randint(2, 4))],
                          [frac(draw_nonzero(rng, -7, 7), rng.randint(2, 6))]), 'anyfrac'),
]

R52 = [
    equation_type(lambda rng: ([over_x(rng.randint(2, 24), 1, (1, draw_nonzero(rng, -6, 6)))],
                          [HOLE]), 'int'),
    equation_type(lambda rng: ([over_x(rng.randint(1, 9), 1, (1, -rng.randint(1, 6)))],
                          [frac(rng.randint(1, 9), rng.randint(2, 7))]), 'int'),
    equation_type(lambda rng: ([over_x(rng.randint(1, 9), 1, (1, draw_nonzero(rng, -6, 6)))],
                          [over_x(rng.randint(1, 9), 1, (1, draw_nonzero(rng, -6, 6)))]),
               'any'),
    equation_type(lambda rng: ([over_x(ax_b(1, draw_nonzero(rng, -9, 9)), 1, (1, draw_nonzero(rng, -6, 6)))],
                          [HOLE]), 'any'),
    equation_type(lambda rng: ([over_x(rng.randint(1, 9), 1)],
                          [over_x(rng.randint(1, 9), 1, (1, draw_nonzero(rng, -6, 6)))]), 'any'),
    equation_type(lambda rng: r52_same(rng), 'any'),
    equation_type(lambda rng: ([over_x(ax_b(1, draw_nonzero(rng, -9, 9)), 1, (1, -rng.randint(1, 6)))],
                          [over_x(ax_b(1, draw_nonzero(rng, -9, 9)), 1, (1, -rng.randint(1, 6)))]),
               'any'),
    equation_type(lambda rng: ([over_x(rng.randint(1, 9), 1, (2, draw_nonzero(rng, -7, 7)))],
                          [over_x(rng.randint(1, 9), 1, (3, draw_nonzero(rng, -7, 7)))]),
               'anyfrac'),
    equation_type(lambda rng: ([over_x([(1, 'x')], 1, (1, -rng.randint(1, 6))), term(-1)],
                          [over_x(rng.randint(1, 9), 1, (1, draw_nonzero(rng, -6, 6)))]),
               'any'),
]


def r52_same(rng):
    b = draw_nonzero(rng, -6, 6)
    return ([over_x(rng.randint(1, 12), 1, (1, b)), term(draw_nonzero(rng, -5, 5))],
            [over_x(rng.randint(1, 12), 1, (1, b))])


# The entrance examinations: a mixed run over the harder types.
R61 = [
    lambda rng: r23(rng, 'both'),
    R31[6],
    R32[5],
    R41[2],
    R42[4],
    R33[6],
    lambda rng: r23(rng, 'hundredths'),
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
