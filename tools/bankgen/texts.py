"""How the bank writes numbers, roots and notes in the source notation, and
a rough measure of how wide a line is drawn."""
from fractions import Fraction


def decimal_text(v):
    """An integer or a terminating decimal, '.' as the point."""
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


def is_decimal(v, places=2):
    """v has at most this many decimal places."""
    return (Fraction(v) * 10 ** places).denominator == 1


def fraction_text(v):
    """A number with the sign in front: -3/2 -> -\\frac{3}{2}."""
    v = Fraction(v)
    if v.denominator == 1:
        return str(v.numerator)
    s = '\\frac{%d}{%d}' % (abs(v.numerator), v.denominator)
    return '-' + s if v < 0 else s


def number_text(v, decimals):
    """A whole number, else a decimal where the area writes decimals and the
    value has one, else a fraction."""
    v = Fraction(v)
    if v.denominator == 1:
        return str(v.numerator)
    if decimals and is_decimal(v, 4):
        return decimal_text(v)
    return fraction_text(v)


def plain_text(v):
    """A number as a note or the root field writes it: 3, -2.5, -1/2."""
    v = Fraction(v)
    if v.denominator == 1:
        return str(v.numerator)
    if is_decimal(v, 4):
        return decimal_text(v)
    return '%d/%d' % (v.numerator, v.denominator)


def root_text(v, decimals):
    """The root as the source's root field writes it."""
    v = Fraction(v)
    if decimals and is_decimal(v, 4):
        return decimal_text(v)
    return '%d/%d' % (v.numerator, v.denominator) if v.denominator != 1 \
        else str(v.numerator)


def signed_factor(v, decimals=True):
    """A number as it stands after an operator: negative in parentheses."""
    t = number_text(v, decimals)
    return '(%s)' % t if Fraction(v) < 0 else t


def listing(values):
    """'3', '3 ani -3', '0, 0.5 ani -2': the excluded values of a condition.
    A note holds no "/": the program draws every "/" of a line with a gap
    before it, as it does the one that starts the note."""
    texts = [plain_text(v) for v in values]
    if len(texts) == 1:
        return texts[0]
    return ', '.join(texts[:-1]) + ' ani ' + texts[-1]


# ----------------------------------------------------- how wide a line is

# Advance widths in pixels of the serif font the program draws with, at the
# size of the page's main line (24 points).  The equation band's 28 points
# are 7/6 of these, fractions' 14 points 5/8 of them.
_WIDTHS_24 = dict(zip(
    '0123456789x+-=().,:/ ·abcdeghijklmnoprstuvyzíýáéčřžšůě',
    [16] * 11 + [18, 11, 18, 11, 11, 8, 8, 9, 9, 8, 11] +
    [14, 16, 14, 16, 14, 16, 16, 9, 9, 16, 9, 25, 16, 16, 16, 11, 12, 9, 16,
     16, 16, 14, 9, 16, 14, 14, 14, 11, 14, 12, 16, 14]))
_SCALE = {24: 1.0, 28: 7 / 6, 14: 5 / 8}


def _char_width(c, size):
    return _WIDTHS_24.get(c, 16) * _SCALE[size]


def drawn_width(line, size=24):
    """About how many pixels the line takes when the program draws it with
    this main-line size: fractions in 14 points, exponents in 8, the note
    after a gap of 30 pixels.  The program's own layout decides; this lets
    the generator leave out what would clearly not fit."""
    math, slash, note = line.partition('/')
    width = _math_width(math, size)
    if slash:
        width += _math_width('/' + note.replace('\\', ''), size)
    return width


def _math_width(text, size):
    width, i = 0, 0
    while i < len(text):
        if text.startswith('\\frac', i):
            numerator, i = _group(text, i + 5)
            denominator, i = _group(text, i)
            width += 2 + max(_math_width(numerator, 14),
                             _math_width(denominator, 14)) + 3 + 2
        elif text[i] == '^':
            width += 6
            i += 2
        else:
            width += _char_width(text[i], size) + (30 if text[i] == '/' else 0)
            i += 1
    return width


def _group(text, i):
    """The text of the {group} that opens at i, and the index after it."""
    depth, k = 1, i + 1
    while depth:
        depth += {'{': 1, '}': -1}.get(text[k], 0)
        k += 1
    return text[i + 1:k - 1], k
