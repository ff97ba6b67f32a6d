"""How the bank writes numbers, sides and notes in the source notation."""
from fractions import Fraction


def decimal_text(v):
    """Integer or terminating decimal, '.' as the point."""
    v = Fraction(v)
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


def term_text(c, s='x', first=False):
    c = Fraction(c)
    if s == '':
        body = decimal_text(abs(c))
    else:
        body = ('' if abs(c) == 1 else decimal_text(abs(c))) + s
    if c < 0:
        return '-' + body
    return body if first else '+' + body


def terms_text(*terms):
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
            out += term_text(c, s, not out)
    return out or '0'


def fraction_text(p, q=1):
    """Fraction text with the sign in front: 3/2 -> \\frac{3}{2}."""
    v = Fraction(p, q) if not isinstance(p, Fraction) else p / q
    if v.denominator == 1:
        return str(v.numerator)
    s = '\\frac{%d}{%d}' % (abs(v.numerator), v.denominator)
    return '-' + s if v < 0 else s


def quotient_text(p, q):
    """Unreduced quotient p/q as a fraction text, sign in front."""
    neg = (p < 0) != (q < 0)
    s = '\\frac{%d}{%d}' % (abs(p), abs(q))
    return '-' + s if neg else s


def factor_text(v):
    """A number as a factor after an operator: negative in parentheses."""
    return '(%s)' % decimal_text(v) if v < 0 else decimal_text(v)


def note_add(c, s=''):
    """Note for adding c (times s) to both sides."""
    c = Fraction(c)
    body = decimal_text(abs(c)) if s == '' else (
        ('' if abs(c) == 1 else decimal_text(abs(c))) + s)
    return ('+' if c > 0 else '-') + body


def note_mul(c):
    return '·' + factor_text(c)


def note_div(c):
    return ':' + factor_text(c)


def number_text(v, decimals, fraction=fraction_text):
    """An integer, a terminating decimal where dec allows it, else a fraction
    written by `fraction`."""
    v = Fraction(v)
    if v.denominator == 1:
        return str(v.numerator)
    if decimals:
        try:
            return decimal_text(v)
        except ValueError:
            pass
    return fraction(v)


def root_text(v, decimals):
    """The root as the source's root field writes it: a plain p/q."""
    return number_text(v, decimals, lambda f: '%d/%d' % (f.numerator, f.denominator))


def estimated_width(text):
    """Rough width of a line's mathematics in main-line characters: a
    fraction is drawn smaller than the line, an exponent smaller still."""
    width = 0.0
    i = 0
    while i < len(text):
        if text.startswith('\\frac', i):
            numerator, i = _group(text, i + 5)
            denominator, i = _group(text, i)
            width += 0.6 * max(estimated_width(numerator),
                               estimated_width(denominator)) + 0.5
        elif text[i] == '^':
            width += 0.5
            i += 4 if text.startswith('^{', i) else 2
        else:
            width += text[i] != ' '
            i += 1
    return width


def _group(text, i):
    """The text of the {group} that opens at i, and the index after it."""
    depth, k = 1, i + 1
    while depth:
        depth += {'{': 1, '}': -1}.get(text[k], 0)
        k += 1
    return text[i + 1:k - 1], k
