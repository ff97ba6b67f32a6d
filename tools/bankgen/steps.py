"""A sample solution written the way an exercise book has it: one
transformation a line, the note after "/" naming the step that leads to the
next line.  Linear sides are lists of (coefficient, kind) with kind '' (a
number), 'x' or 'x^2'."""
from fractions import Fraction

from texts import (decimal_text, fraction_text, note_add, note_div, note_mul,
                   number_text, quotient_text, factor_text, terms_text)


class Retry(Exception):
    """The drawn numbers do not give an equation a teacher would set."""


class Solution:
    """Sample solution under construction: [math, note] per line."""

    def __init__(self, decimals=False, show_sums=False):
        self.lines = []
        self.decimals = decimals
        self.show_sums = show_sums

    def add(self, math_text, note=''):
        self.lines.append([math_text, note])

    def note(self, n):
        self.lines[-1][1] = n

    def text(self):
        # notes are the teacher's words, with the Czech decimal comma
        return ['%s /%s' % (m, n.replace('.', ',')) if n else m
                for m, n in self.lines]


def finish_division(sol, a, b, xleft=True):
    """The last line is a x = b (or b = a x); finish the solution."""
    a, b = Fraction(a), Fraction(b)
    v = b / a
    decimals = sol.decimals
    if a == 1:
        if not xleft:
            sol.add('x=' + number_text(v, decimals))
        return
    if a == -1:
        sol.note(note_mul(-1))
        if xleft:
            sol.add('x=' + number_text(v, decimals))
        else:
            sol.add(decimal_text(v) + '=x' if v.denominator == 1 or decimals
                    else fraction_text(v) + '=x')
            sol.add('x=' + number_text(v, decimals))
        return
    sol.note(note_div(a))
    if v.denominator == 1 or (decimals and (a.denominator != 1
                                       or b.denominator != 1)):
        # whole (or decimal) quotient
        if (sol.show_sums or (decimals and a.denominator != 1)) and abs(a) != abs(b):
            q = decimal_text(b) + ':' + factor_text(a)
            if xleft:
                sol.add('x=' + q)
            else:
                sol.add(q + '=x')
        if not xleft:
            sol.add(number_text(v, decimals) + '=x')
        sol.add('x=' + number_text(v, decimals))
        return
    if a.denominator != 1 or b.denominator != 1:
        raise Retry()
    rawt = quotient_text(int(b), int(a))
    if xleft:
        if rawt != fraction_text(v):
            sol.add('x=' + rawt)
    else:
        sol.add(rawt + '=x')
    sol.add('x=' + fraction_text(v))


def collect_like_terms(terms):
    """Collect like terms, kinds in the order of first appearance."""
    order, acc = [], {}
    for c, s in terms:
        if s not in acc:
            order.append(s)
            acc[s] = Fraction(0)
        acc[s] += Fraction(c)
    return [(acc[s], s) for s in order if acc[s] != 0]


def has_like_terms(terms):
    kinds = [s for c, s in terms]
    return len(kinds) != len(set(kinds))


def coefficient(terms, s):
    return sum((Fraction(c) for c, k in terms if k == s), Fraction(0))


def solve_linear(sol, left, right, text=None, note_combine='sečteme'):
    """Append the line L = R and carry it through to the final line.
    L and R are lists of (coef, kind), kind '' (number), 'x' or 'x^2'."""
    sol.add(text or terms_text(*left) + '=' + terms_text(*right))
    if has_like_terms(left) or has_like_terms(right):
        sol.note(note_combine)
        left, right = collect_like_terms(left), collect_like_terms(right)
        sol.add(terms_text(*left) + '=' + terms_text(*right))
    a2, c2 = coefficient(left, 'x^2'), coefficient(right, 'x^2')
    if a2 or c2:
        if a2 != c2:
            raise Retry()
        # the note is plain text: no power marks there
        sol.note(note_add(-a2, 'x') + ' na druhou')
        left = [t for t in left if t[1] != 'x^2']
        right = [t for t in right if t[1] != 'x^2']
        sol.add(terms_text(*left) + '=' + terms_text(*right))
    ax_left, ax_right = coefficient(left, 'x'), coefficient(right, 'x')
    if ax_left == ax_right:
        raise Retry()
    if ax_left and ax_right:
        # keep the unknown on the side where its coefficient stays positive
        if ax_left > ax_right:
            sol.note(note_add(-ax_right, 'x'))
            left = [(ax_left - ax_right, 'x') if k == 'x' else (c, k) for c, k in left]
            right = [t for t in right if t[1] != 'x']
        else:
            sol.note(note_add(-ax_left, 'x'))
            right = [(ax_right - ax_left, 'x') if k == 'x' else (c, k) for c, k in right]
            left = [t for t in left if t[1] != 'x']
        sol.add(terms_text(*left) + '=' + terms_text(*right))
    xleft = coefficient(left, 'x') != 0
    x_side, other = (left, right) if xleft else (right, left)
    a, b, d = coefficient(x_side, 'x'), coefficient(x_side, ''), coefficient(other, '')
    if b:
        sol.note(note_add(-b))
        if xleft:
            sol.add(terms_text((a, 'x')) + '=' + terms_text((d - b, '')))
        else:
            sol.add(terms_text((d - b, '')) + '=' + terms_text((a, 'x')))
    finish_division(sol, a, d - b, xleft)


def linear(a, b):
    return [(a, 'x'), (b, '')]


# ------------------------------------------------- drawing the numbers

def draw(rng, lo, hi, exclude=()):
    while True:
        v = rng.randint(lo, hi)
        if v not in exclude:
            return v


def draw_nonzero(rng, lo, hi):
    return draw(rng, lo, hi, (0,))


def finished(eq, root, sol, decimals=False):
    return eq, Fraction(root), sol.text(), decimals
