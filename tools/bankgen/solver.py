"""The sample solution: the steps a Czech teacher writes, one transformation
a line, the note after "/" saying what leads to the next line.

In this order, each step only where the line invites it: factor the
denominators, reduce fractions, state the conditions and multiply by the
common denominator, divide by a common factor, open the brackets (innermost
first), collect like terms, drop the squares, bring the unknown to one side
and the numbers to the other, divide.  A line that would only swap the sides
is never written: the step before it writes "x=..." straight away.
"""
from fractions import Fraction
import math

from expr import (Frac, Group, Num, Prod, Retry, Square, Style, Var, XFrac,
                  X_FACTOR, equation_text, excluded_values, factor_side, lcm,
                  num, product_text, var)
from texts import listing, number_text, signed_factor

MAX_LINES = 9  # a page of the writing area at 800 x 600


class Solution:
    """The lines of a sample solution: [math, note] each."""

    def __init__(self, style):
        self.style = style
        self.lines = []

    def add(self, left, right):
        # b=x is written x=b at once: no line only swaps the sides
        if len(left) == 1 and isinstance(left[0], Num) and right == (var(1),):
            left, right = right, left
        self.lines.append([equation_text(left, right, self.style), ''])

    def add_text(self, math_text):
        self.lines.append([math_text, ''])

    def note(self, text):
        self.lines[-1][1] = text

    def texts(self):
        """The lines as the source writes them; a note keeps the decimal
        comma the pupil sees."""
        return ['%s /%s' % (m, n.replace('.', ',')) if n else m
                for m, n in self.lines]


def solve(left, right, decimals=False, show_sums=False, add_x_first=False,
          clear_decimals=True):
    """The sample solution of left = right and its root.

    show_sums: the youngest pupils write the last sum or quotient out
    (x=8-3, then x=5).  add_x_first: a negative unknown is moved across by
    adding it (9-x=4 /+x) rather than by multiplying by -1 at the end.
    clear_decimals: decimals are multiplied away (/·10) before anything
    else; without it they are added and subtracted as they stand."""
    style = Style(decimals)
    sol = Solution(style)
    sol.add(left, right)
    conditions = excluded_values(left, right)
    left, right = factor_denominators(sol, left, right)
    left, right = reduce_fractions(sol, left, right)
    if clear_decimals or any(isinstance(i, (Frac, XFrac)) for i in left + right):
        left, right = clear_denominators(sol, left, right, conditions, decimals)
    # 3(x+5)=45: divide before multiplying out; numbers standing side by
    # side are first added up
    while not all(_is_simple(i) for i in left + right):
        changed = collect(sol, left, right) or \
            divide_common_factor(sol, left, right) or \
            open_brackets(sol, left, right)
        if not changed:
            raise Retry()
        left, right = changed
    left, right = collect(sol, left, right) or (left, right)
    left, right = drop_squares(sol, left, right)
    left, right = divide_common_factor(sol, left, right) or (left, right)
    root = finish(sol, left, right, show_sums, add_x_first)
    if conditions:
        if root in conditions:
            raise Retry()
        sol.note('vyhovuje podmínce')
    if len(sol.lines) > MAX_LINES:
        raise Retry()
    return sol, root


# ----------------------------------------------------------- denominators

def factor_denominators(sol, left, right):
    """A denominator given multiplied out (x^2-9, 2x-6) is first written as
    the product it is."""
    todo = [i for i in left + right
            if isinstance(i, XFrac) and not i.factored
            and (len(i.factors) > 1 or i.d != 1)]
    if not todo:
        return left, right
    sol.note('rozložíme jmenovatel' if len(todo) == 1 else
             'rozložíme jmenovatele')
    fix = lambda side: tuple(
        XFrac(i.k, i.num, i.d, i.factors, True) if i in todo else i
        for i in side)
    left, right = fix(left), fix(right)
    sol.add(left, right)
    return left, right


def _content(side):
    return math.gcd(*[int(i.c) for i in side])


def _scaled(term, k):
    return num(term.c * k) if isinstance(term, Num) else var(term.c * k,
                                                             term.power)


def reduce_fractions(sol, left, right):
    """Fractions whose numerator and denominator share a factor are reduced
    before anything else."""
    def reduced(item):
        if not isinstance(item, Frac) or \
                not all(isinstance(t, (Num, Var)) and t.c.denominator == 1
                        for t in item.num):
            return (item,)
        g = math.gcd(_content(item.num), item.den)
        if g == 1:
            return (item,)
        inner = tuple(_scaled(t, Fraction(1, g)) for t in item.num)
        if item.den == g:
            if len(inner) == 1:
                return (_scaled(inner[0], item.k),)
            return inner if item.k > 0 else (Group(Fraction(-1), inner),)
        return (Frac(item.k, inner, item.den // g),)

    new_left = sum((reduced(i) for i in left), ())
    new_right = sum((reduced(i) for i in right), ())
    if (new_left, new_right) == (left, right):
        return left, right
    sol.note('zkrátíme')
    sol.add(new_left, new_right)
    return new_left, new_right


def _coefficient_denominators(side):
    for item in side:
        if isinstance(item, (Num, Var)):
            yield item.c.denominator
        elif isinstance(item, (Group, Prod, Square)):
            yield item.k.denominator
            for part in ((item.inner,) if not isinstance(item, Prod)
                         else (item.a, item.b)):
                yield from _coefficient_denominators(part)
        elif isinstance(item, Frac):
            yield item.den
            yield from _coefficient_denominators(item.num)
        elif isinstance(item, XFrac):
            yield item.d
            yield from _coefficient_denominators(item.num)


def _times(coef, inner, factors):
    """coef times the side `inner` times the factors, as items a pupil
    writes: 3(x+1), x-2, -(x-3), 2x(x+1), (x+1)(x-2)."""
    coef = Fraction(coef)
    if coef.denominator != 1:
        raise Retry()
    xs = [f for f in factors if f == X_FACTOR]
    rest = [factor_side(f) for f in factors if f != X_FACTOR]
    if len(xs) > 1 or len(rest) > 2:
        raise Retry()
    single = inner[0] if len(inner) == 1 else None
    if not rest:
        if isinstance(single, Num):
            return (var(single.c * coef),) if xs else (num(single.c * coef),)
        if isinstance(single, Var):
            return (var(single.c * coef, single.power + len(xs)),)
        if isinstance(single, Group) and not xs:
            return _wrapped(single.k * coef, single.inner, single.x)
        if xs:
            return (Group(coef, inner, True),)
        return _wrapped(coef, inner, False)
    if len(rest) == 1:
        if isinstance(single, Num):
            return _wrapped(single.c * coef, rest[0], bool(xs))
        if isinstance(single, Var) and not xs:
            return (Group(single.c * coef, rest[0], True),)
        if xs:
            raise Retry()
        return (Prod(coef, inner, rest[0]),)
    if isinstance(single, Num) and not xs:
        return (Prod(single.c * coef, rest[0], rest[1]),)
    raise Retry()


def _wrapped(k, inner, x):
    """k(inner): plain items when k is 1, a bracket otherwise."""
    if k == 1 and not x:
        return tuple(inner)
    return (Group(Fraction(k), tuple(inner), x),)


def _multiplied(item, m, factors):
    if isinstance(item, (Num, Var)):
        return _times(m, (item,), factors)
    if isinstance(item, Group):
        if factors:
            raise Retry()
        return _wrapped(item.k * m, item.inner, item.x)
    if isinstance(item, (Prod, Square)):
        if factors:
            raise Retry()
        return (type(item)(item.k * m, *((item.a, item.b)
                                          if isinstance(item, Prod)
                                          else (item.inner,))),)
    if isinstance(item, Frac):
        return _times(Fraction(item.k * m, item.den), item.num, factors)
    if isinstance(item, XFrac):
        rest = list(factors)
        for f in item.factors:
            rest.remove(f)
        return _times(Fraction(item.k * m, item.d), item.num, rest)
    raise ValueError(item)


def clear_denominators(sol, left, right, conditions, decimals):
    """Multiply by the common denominator; with the unknown in it, the
    conditions are stated in the same note."""
    m = lcm(d for d in _coefficient_denominators(left + right))
    factors = []
    for item in left + right:
        if isinstance(item, XFrac):
            have = list(factors)
            for f in item.factors:
                if f in have:
                    have.remove(f)
                else:
                    factors.append(f)
    if m == 1 and not factors:
        return left, right
    if decimals and m not in (2, 4):
        # tenths and hundredths: by ten or a hundred, as a class does it
        m = next(t for t in (10, 100, 1000) if t % m == 0)
    new = lambda k: (sum((_multiplied(i, k, factors) for i in left), ()),
                     sum((_multiplied(i, k, factors) for i in right), ()))
    new_left, new_right = new(m)
    # -x/2 = 5 is multiplied by -2 at once
    if len(new_left) == 1 and len(new_right) == 1 and \
            isinstance(new_left[0], Var) and new_left[0].c < 0 and \
            isinstance(new_right[0], Num):
        m = -m
        new_left, new_right = new(m)
    multiplier = product_text(m, factors, sol.style)
    if len(factors) == 1 and factors[0] != X_FACTOR and abs(m) == 1:
        multiplier = ('-' if m < 0 else '') + '(' + multiplier.lstrip('-') + ')'
    if m < 0 and not factors:
        multiplier = '(%s)' % multiplier
    note = '·' + multiplier
    if conditions:
        note += ', x nesmí být ' + listing(conditions)
    sol.note(note)
    sol.add(new_left, new_right)
    return new_left, new_right


# ----------------------------------------------------- factor and brackets

def _top_coefficients(side):
    for item in side:
        if isinstance(item, (Num, Var)):
            yield item.c
        elif isinstance(item, (Group, Prod, Square)):
            yield item.k
        else:
            yield None


def _divided(item, g):
    if isinstance(item, Num):
        return (num(item.c / g),)
    if isinstance(item, Var):
        return (var(item.c / g, item.power),)
    if isinstance(item, Group):
        return _wrapped(item.k / g, item.inner, item.x)
    if isinstance(item, Prod):
        return (Prod(item.k / g, item.a, item.b),)
    return (Square(item.k / g, item.inner),)


def is_final_shape(left, right):
    """a x = b (or b = a x): only the division is left."""
    return (len(left) == 1 and len(right) == 1 and
            {type(left[0]), type(right[0])} == {Var, Num})


def divide_common_factor(sol, left, right):
    """3(x+5)=45 becomes x+5=15 before anything is multiplied out, when
    the division leaves a bracket with nothing before it.  A line without
    brackets is divided only when its numbers are big (24 and more) and the
    division is worth it (by 4 or more, or down to x alone, but never down
    to -x), since subtracting first is as short."""
    coefficients = list(_top_coefficients(left + right))
    if None in coefficients or is_final_shape(left, right) or \
            any(c.denominator != 1 for c in coefficients if c):
        return None
    g = math.gcd(*[int(c) for c in coefficients if c])
    if g < 2:
        return None
    brackets = [i.k for i in left + right if not _is_simple(i)]
    if brackets and g not in map(abs, brackets):
        return None  # 6(x+6)=45 is multiplied out, not made 2(x+6)=15
    xs = [i.c for i in left + right if isinstance(i, Var)]
    if not brackets and (max(abs(c) for c in coefficients) < 24 or
                         g < 4 and g not in xs or -g in xs):
        return None
    if len(left) == 1 and len(right) == 1 and len(brackets) == 1 and \
            brackets[0] < 0:
        g = -g  # -2(x-1)=6 becomes x-1=-3
    new_left = sum((_divided(i, g) for i in left), ())
    new_right = sum((_divided(i, g) for i in right), ())
    sol.note(':' + signed_factor(g))
    sol.add(new_left, new_right)
    return new_left, new_right


def _is_simple(item):
    return isinstance(item, (Num, Var))


def _product(a, b):
    c = a.c * b.c
    power = (a.power if isinstance(a, Var) else 0) + \
        (b.power if isinstance(b, Var) else 0)
    return var(c, power) if power else num(c)


def _opened(item, kinds):
    """The item with its innermost brackets opened, recording in `kinds`
    what each opening was."""
    if isinstance(item, Group):
        if not all(_is_simple(t) for t in item.inner):
            inner = sum((_opened(t, kinds) for t in item.inner), ())
            return (Group(item.k, inner, item.x),)
        kinds.append('plain' if abs(item.k) == 1 and not item.x else 'times')
        x = var(1) if item.x else num(1)
        return tuple(_product(num(item.k), _product(x, t))
                     for t in item.inner)
    if isinstance(item, Prod):
        kinds.append('product')
        a, b = item.a, item.b
        if len(a) == 2 and len(b) == 2 and a[0] == b[0] and \
                a[1] == _product(num(-1), b[1]):
            # (x-6)(x+6) by the formula: x^2-36
            terms = (_product(a[0], a[0]), _product(a[1], b[1]))
        else:
            terms = tuple(_product(p, q) for p in a for q in b)
        return _wrapped(item.k, terms, False)
    if isinstance(item, Square):
        kinds.append('square')
        a, b = item.inner
        terms = (_product(a, a), _product(num(2), _product(a, b)),
                 _product(b, b))
        return _wrapped(item.k, terms, False)
    return (item,)


def open_brackets(sol, left, right):
    kinds = []
    new_left = sum((_opened(i, kinds) for i in left), ())
    new_right = sum((_opened(i, kinds) for i in right), ())
    if not kinds:
        return None
    if 'product' in kinds or 'times' in kinds:
        note = 'roznásobíme'
    elif 'square' in kinds:
        note = 'umocníme'
    else:
        note = 'odstraníme závorku' if len(kinds) == 1 else \
            'odstraníme závorky'
    sol.note(note)
    sol.add(new_left, new_right)
    return new_left, new_right


# ------------------------------------------------------ the linear steps

def _kind(item):
    return item.power if isinstance(item, Var) else 0


def collect(sol, left, right):
    """Like terms on each side are added up (brackets stay where they are):
    /sečteme when every joined term is added, /odečteme when every one is
    subtracted, /upravíme when both.  None when there is nothing to add."""
    operations = set()

    def collected(side):
        order, total = [], {}
        for item in side:
            if isinstance(item, Group) and all(_is_simple(t) for t in item.inner):
                inner = collected(item.inner)
                order.append(Group(item.k, inner or (num(0),), item.x))
                continue
            if not _is_simple(item):
                order.append(item)
                continue
            k = _kind(item)
            if k in total:
                operations.add('+' if item.c > 0 else '-')
                total[k] += item.c
            else:
                order.append(k)
                total[k] = item.c
        return tuple(k if not isinstance(k, int) else
                     (var(total[k], k) if k else num(total[k]))
                     for k in order
                     if not isinstance(k, int) or total[k] != 0)

    new_left, new_right = collected(left), collected(right)
    if not operations:
        return None
    sol.note({'+': 'sečteme', '-': 'odečteme'}.get(''.join(operations),
                                                   'upravíme'))
    sol.add(new_left, new_right)
    return new_left, new_right


def _coefficient(side, kind):
    return sum((i.c for i in side if _kind(i) == kind), Fraction(0))


def _without(side, kind):
    return tuple(i for i in side if _kind(i) != kind)


def drop_squares(sol, left, right):
    a, c = _coefficient(left, 2), _coefficient(right, 2)
    if not a and not c:
        return left, right
    if a != c:
        raise Retry()  # not a linear equation
    sol.note(('-' if a > 0 else '+') + ('' if abs(a) == 1 else str(abs(a)))
             + 'x na druhou')
    left, right = _without(left, 2), _without(right, 2)
    sol.add(left, right)
    return left, right


def _x_term_note(c):
    return ('+' if c > 0 else '-') + sol_number(abs(c)) + 'x' \
        if abs(c) != 1 else ('+x' if c > 0 else '-x')


def sol_number(v):
    return number_text(v, True)


def _add_line(sol, x_side, other, x_left):
    """A new line a x (+ b) = d, written x=... when the unknown stands alone
    on the right, so that no line only swaps the sides."""
    if not x_left and len(x_side) == 1 and x_side[0] == var(1):
        x_left = True
    if x_left:
        sol.add(x_side, other or (num(0),))
    else:
        sol.add(other or (num(0),), x_side)
    return x_left


def finish(sol, left, right, show_sums, add_x_first):
    """From a x + b = c x + d to x = root."""
    if any(not _is_simple(i) for i in left + right):
        raise Retry()
    a, c = _coefficient(left, 1), _coefficient(right, 1)
    if a == c:
        raise Retry()  # no unknown left, or not one solution
    x_left = a != 0
    if a and c:
        keep_left = a > c
        move = c if keep_left else a
        sol.note(_x_term_note(-move))
        if keep_left:
            x_side = tuple(var(a - c) if _kind(i) == 1 else i for i in left)
            other = _without(right, 1)
        else:
            x_side = tuple(var(c - a) if _kind(i) == 1 else i for i in right)
            other = _without(left, 1)
        x_left = _add_line(sol, x_side, other, keep_left)
    else:
        x_side, other = (left, right) if x_left else (right, left)
        if add_x_first and _coefficient(x_side, 1) < 0 and other:
            a = -_coefficient(x_side, 1)
            sol.note('+x' if a == 1 else '+%sx' % sol_number(a))
            other = other + (var(a),)
            x_side = _without(x_side, 1)
            x_side, other = other, x_side
            x_left = _add_line(sol, x_side, other, not x_left)
    a = _coefficient(x_side, 1)
    b = _coefficient(x_side, 0)
    d = _coefficient(other, 0)
    style = sol.style
    if b:
        sol.note(('-' if b > 0 else '+') + sol_number(abs(b)))
        if show_sums and a == 1 and d != 0:
            sum_text = number_text(d, style.decimals) + \
                ('-' if b > 0 else '+') + number_text(abs(b), style.decimals)
            sol.add_text('x=' + sum_text if x_left else sum_text + '=x')
            sol.add((var(1),), (num(d - b),))
            return d - b
        x_left = _add_line(sol, (var(a),), (num(d - b),), x_left)
        d -= b
    root = d / a
    if a == 1:
        return root
    if a == -1:
        sol.note('·(-1)')
        sol.add((var(1),), (num(root),))
        return root
    sol.note(':' + signed_factor(a, style.decimals))
    if show_sums:
        quotient = number_text(d, style.decimals) + ':' + \
            signed_factor(a, style.decimals)
        sol.add_text('x=' + quotient if x_left else quotient + '=x')
    sol.add((var(1),), (num(root),))
    return root
