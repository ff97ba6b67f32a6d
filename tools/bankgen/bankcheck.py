#!/usr/bin/env python3
"""Developer check of the equation-bank sources (data/equations/r*.txt).

Reads the readable sources and checks every equation the way the program
will treat it, so that a faulty equation is caught before it reaches a pupil:

  * the written root is the exact solution (rational arithmetic; the
    equation must also not hold at other points);
  * the equation and every sample line hold at the root, both exactly and
    with the program's own number text and tolerance (a line that is exact
    but would fail in the program because of rounding is reported);
  * the last sample line is in final form and no earlier one is;
  * outside the note a line uses only what the pupil's editor lets a pupil
    type, in an order the editor accepts;
  * no denominator is zero at the root, no line is too long or too wide;
  * no equation appears twice in the bank; each file a multiple of three.

Usage:  bankcheck.py FILE...     (exit status 1 on any problem)

The committed `rovnice verify` is the authority for the build; this script
exists so that the generator can check its own output without a build.
"""
import re
import sys
from fractions import Fraction

FRACTION_START, FRACTION_END = 130, 131
NUMERATOR_START, NUMERATOR_END = 132, 133
DENOMINATOR_START, DENOMINATOR_END = 134, 135
POWER_START, POWER_END = 136, 138
POW = chr(POWER_START)

MAX_BYTES = 100
MAX_WIDTH = 40.0
MAX_LINES = 20


class EvalError(Exception):
    def __init__(self, code):
        super().__init__(code)
        self.code = code


# ---------------------------------------------------------------- notation

def split_note(line):
    """Mathematics and note (note includes its leading '/', or '')."""
    i = line.find('/')
    if i < 0:
        return line.rstrip(), ''
    return line[:i].rstrip(), line[i:]


def parse_math(src):
    """Source notation -> list of items: ('c', ch), ('frac', num, den),
    ('pow', digit).  Raises ValueError on bad notation."""
    items = []
    i = 0
    n = len(src)

    def read_group(j):
        if j >= n or src[j] != '{':
            raise ValueError('po \\frac chybí {')
        depth = 1
        k = j + 1
        while k < n and depth:
            if src[k] == '{':
                depth += 1
            elif src[k] == '}':
                depth -= 1
            k += 1
        if depth:
            raise ValueError('neuzavřená {')
        return src[j + 1:k - 1], k

    while i < n:
        c = src[i]
        if src.startswith('\\frac', i):
            num, i = read_group(i + 5)
            den, i = read_group(i)
            if '\\frac' in num or '\\frac' in den:
                raise ValueError('zlomek ve zlomku')
            items.append(('frac', parse_math(num), parse_math(den)))
            continue
        if c == '^':
            if src.startswith('^{', i):
                d = src[i + 2:i + 4]
                if len(d) != 2 or d[1] != '}':
                    raise ValueError('špatná mocnina')
                d = d[0]
                i += 4
            else:
                d = src[i + 1:i + 2]
                i += 2
            if d not in '234' or not d:
                raise ValueError('mocnina jen 2, 3 nebo 4')
            items.append(('pow', d))
            continue
        if c == ' ':
            i += 1
            continue
        if c not in '0123456789x+-*:=().':
            raise ValueError('nepovolený znak %r' % c)
        items.append(('c', c))
        i += 1
    return items


def written_bytes(items):
    """Items -> written-line string (latin-1 code points as bytes)."""
    out = []
    for it in items:
        if it[0] == 'c':
            out.append(it[1])
        elif it[0] == 'pow':
            out.append(chr(POWER_START) + it[1] + chr(POWER_END))
        else:
            out.append(chr(FRACTION_START) + chr(DENOMINATOR_START)
                       + written_bytes(it[2]) + chr(DENOMINATOR_END)
                       + chr(NUMERATOR_START) + written_bytes(it[1])
                       + chr(NUMERATOR_END) + chr(FRACTION_END))
    return ''.join(out)


def width(items):
    """Rough width in main-line characters at the writing font."""
    w = 0.0
    for it in items:
        if it[0] == 'c':
            w += 1
        elif it[0] == 'pow':
            w += 0.5
        else:
            w += 0.6 * max(width(it[1]), width(it[2])) + 0.5
    return w


# The editor's guard: what may follow which byte.
DIGITS = set('0123456789')
START = set('(+-0123456789x') | {'FRAC'}
AFTER = {
    'digit': set('()*+-.:=') | DIGITS | {'FRAC', 'POW', 'x'},
    'letter': set('()*+-:=') | {'FRAC', 'POW'},
    'op': set('(') | DIGITS | {'FRAC', 'x'},
    '(': set('(+-') | DIGITS | {'FRAC', 'x'},
    '.': set('()') | DIGITS,
    '=': START,
    'end': set(')*+-:='),
}


def guard_problems(items, inner=False):
    probs = []
    allowed = START - {'FRAC'} if inner else START
    for it in items:
        tok = {'c': None, 'frac': 'FRAC', 'pow': 'POW'}[it[0]] or it[1]
        if tok not in allowed and tok != 'x':
            probs.append('znak %s nelze napsat na tomto místě' % tok)
        if it[0] == 'frac':
            for part in (it[1], it[2]):
                if not part:
                    probs.append('prázdný čitatel nebo jmenovatel')
                probs += guard_problems(part, True)
            allowed = AFTER['end']
        elif it[0] == 'pow':
            allowed = AFTER['end']
        else:
            c = it[1]
            if c in DIGITS:
                allowed = AFTER['digit']
            elif c == 'x' or c == ')':
                allowed = AFTER['letter']
            elif c in '*+-:':
                allowed = AFTER['op']
            else:
                allowed = AFTER[c]
        if inner:
            allowed = allowed - {'FRAC'}
    if items:
        last = items[-1]
        if last[0] == 'c' and last[1] in '*+-:.(':
            probs.append('výraz končí znakem %s' % last[1])
    return probs


# ------------------------------------------------------- the engine's rules

def normalise(line):
    out = []
    for ch in line:
        if ch == '/':
            break
        if ord(ch) == POWER_START:
            out.append(POW + '(')
        elif ord(ch) == POWER_END:
            out.append(')')
        else:
            out.append(ch)
    t = ''.join(out)
    while chr(FRACTION_START) in t:
        c = t.index(chr(FRACTION_START))
        d = t.index(chr(DENOMINATOR_END), c)
        e = t.index(chr(NUMERATOR_END), c)
        t = t[:c] + '(' + t[d + 2:e] + ')/(' + t[c + 2:d] + ')' + t[e + 2:]
    res = ''
    for ch in t:
        if ch == ' ':
            continue
        p = res[-1] if res else ''
        if p and ((ch.isalpha() or ch == '(') and (p.isdigit() or p == ')')
                  or ch.isdigit() and p.isalpha()
                  or ch == '(' and p.isalpha()):
            res += '*'
        res += ch
    return res + ' '


class Evaluator:
    """The program's recursive-descent evaluator, over any number type."""

    def __init__(self, num):
        self.num = num  # converts number text to a value

    def expression(self, text):
        text = text.replace(' ', '')
        self.t = text
        self.p = 0
        v = self.term()
        if self.p >= len(text):
            return v
        c = text[self.p]
        if c in '+-':
            rest = Evaluator(self.num).expression(text[self.p:])
            return v + rest
        raise EvalError(7)

    def term(self):
        v = self.factor()
        t = self.t
        if self.p >= len(t) or t[self.p] in ' +-':
            return v
        c = t[self.p]
        if c == '*':
            self.p += 1
            return v * self.term()
        if c in '/:':
            self.p += 1
            d = self.factor()
            if d == 0:
                raise EvalError(6)
            q = v / d
            if self.p < len(t) and t[self.p] == '*':
                self.p += 1
                return q * self.term()
            return q
        return v

    def factor(self):
        t = self.t
        if self.p >= len(t):
            raise EvalError(15)
        sign = 1
        if t[self.p] == '+':
            self.p += 1
        if self.p < len(t) and t[self.p] == '-':
            self.p += 1
            sign = -1
        if self.p >= len(t):
            raise EvalError(15)
        c = t[self.p]
        if c == '(':
            depth, k = 1, self.p + 1
            while k < len(t) and depth:
                if t[k] == '(':
                    depth += 1
                elif t[k] == ')':
                    depth -= 1
                k += 1
            if depth:
                raise EvalError(4)
            inner = t[self.p + 1:k - 1]
            if inner == '':
                raise EvalError(15)
            v = Evaluator(self.num).expression(inner + ' ')
            self.p = k
        elif c.isdigit():
            m = re.match(r'\d+(\.\d+)?', t[self.p:])
            v = self.num(m.group(0))
            self.p += len(m.group(0))
        else:
            raise EvalError(7)
        if self.p < len(t) - 1 and t[self.p] == POW:
            self.p += 1
            q = self.factor()
            n = int(q)
            if q != n or n < 0:
                raise EvalError(5)
            v = v ** n
        return sign * v


def number_text(v):
    a = abs(v)
    if a >= 1:
        k, prod = 0, 1.0
        while a > prod:
            prod *= 10
            k += 1
        dec = 5 - k if k <= 5 else 0
    else:
        k, quo = 1, 0.1
        while a < quo:
            quo /= 10
            k += 1
        dec = k + 5
    s = '%.*f' % (dec, v)
    if v < 0:
        s = '(' + s + ')'
    if a < 0.000001:
        s = '0.0'
    return s


def sides(norm):
    i = norm.index('=')
    return norm[:i], norm[i + 1:]


def exact_sides(norm, root):
    ev = lambda s: Evaluator(Fraction).expression(
        s.replace('x', '(' + str(root.numerator) + '/'
                  + str(root.denominator) + ')') + '+1-1 ')
    l, r = sides(norm)
    return ev(l), ev(r)


def program_check(norm, root):
    """checkEquation with the program's number text and tolerance."""
    nt = number_text(float(root))
    ev = lambda s: Evaluator(float).expression(
        s.replace(' ', '').replace('x', nt) + '+1-1 ')
    l, r = sides(norm)
    L, R = ev(l), ev(r)
    tol = 0.02 if abs(L) < 0.01 or abs(R) < 0.01 else abs(L + R) / 1000
    return abs(L - R) <= tol


def is_reducible(a, b):
    if a == 0 or b == 0:
        return False
    c = abs(a - b)
    while c > 1:
        if a > b:
            a = c
        else:
            b = c
        c = abs(a - b)
    return c == 0


def fraction_test(r):
    r = r.replace(' ', '')
    i = r.index('/')
    k = r.index('(') if '(' in r else -1
    num = r[k + 1:i - 1]
    den = r[i + 2:len(r) - 1]

    def rd(s):
        try:
            return int(s), None
        except ValueError:
            try:
                float(s)
                return None, 1
            except ValueError:
                return None, 2
    n, f = rd(num)
    if f:
        return f
    d, f = rd(den)
    if f:
        return f
    if d == 1:
        return 1
    return 1 if is_reducible(abs(n), abs(d)) else 0


NON_FINAL = set('()*+-:' + POW) | set('abcdfghijklmqrstuvwxyz')


def is_final(norm):
    t = norm.replace(' ', '')
    l, r = t.split('=', 1)
    if l != 'x' or r == '':
        return False
    if r.startswith('-'):
        r = ' ' + r[1:]
    nf = NON_FINAL
    if '/' in r:
        f = fraction_test(r)
        if f == 0:
            return True
        if f == 1:
            return False
        nf = nf - set('()')
    if any(c in nf for c in r):
        return False
    return any(c in '0123456789.ep' for c in r)


def denominators(items):
    for it in items:
        if it[0] == 'frac':
            yield it[2]


def items_text(items):
    return normalise(written_bytes(items)).strip()


# ----------------------------------------------------------------- sources

def parse_root(s):
    s = s.strip()
    if not re.fullmatch(r'-?\d+(\.\d+)?(/\d+)?', s) or \
       ('.' in s and '/' in s):
        raise ValueError('kořen %r není číslo ani zlomek' % s)
    return Fraction(s)


def read_source(path):
    """-> list of dicts with keys line, eq, root, steps[(lineno, text)]"""
    blocks = []
    cur = None
    with open(path, encoding='utf-8') as f:
        for no, raw in enumerate(f, 1):
            line = raw.rstrip('\n').rstrip('\r')
            s = line.strip()
            if not s or s.startswith('#'):
                continue
            if s.startswith('rovnice:'):
                cur = {'line': no, 'eq': s[8:].strip(), 'root': None,
                       'steps': [], 'in_steps': False}
                blocks.append(cur)
            elif cur is None:
                raise ValueError('%s:%d: text mimo rovnici' % (path, no))
            elif s.startswith('koren:'):
                cur['root'] = s[6:].strip()
            elif s.startswith('postup:'):
                cur['in_steps'] = True
            elif cur['in_steps']:
                cur['steps'].append((no, s))
            else:
                raise ValueError('%s:%d: neznámý řádek' % (path, no))
    return blocks


def check_line(text, root, where, probs):
    math_src, note = split_note(text)
    try:
        items = parse_math(math_src)
    except ValueError as e:
        probs.append('%s: %s' % (where, e))
        return None
    wb = written_bytes(items)
    total = len(wb) + len(note.encode('cp1250', errors='replace'))
    if total > MAX_BYTES:
        probs.append('%s: %d bajtů' % (where, total))
    w = width(items)
    if w > MAX_WIDTH:
        probs.append('%s: příliš široký (%.1f)' % (where, w))
    if any(ch in note for ch in '^\\{}'):
        probs.append('%s: poznámka obsahuje ^, \\, { nebo }' % where)
    try:
        note.encode('cp1250')
    except UnicodeEncodeError:
        probs.append('%s: poznámka mimo Windows-1250' % where)
    for p in guard_problems(items):
        probs.append('%s: %s' % (where, p))
    norm = normalise(wb)
    if norm.count('=') != 1:
        probs.append('%s: musí mít právě jedno =' % where)
        return None
    if 'x' not in norm:
        probs.append('%s: chybí neznámá' % where)
        return None
    for den in denominators(items):
        try:
            v = Evaluator(Fraction).expression(
                items_text(den).replace('x', '(%d/%d)' % (
                    root.numerator, root.denominator)) + ' ')
            if v == 0:
                probs.append('%s: jmenovatel je v kořeni nula' % where)
        except EvalError:
            pass
    try:
        L, R = exact_sides(norm, root)
        if L != R:
            probs.append('%s: neplatí pro kořen (%s != %s)' % (where, L, R))
        elif not program_check(norm, root):
            probs.append('%s: program by řádek nepřijal (zaokrouhlení)'
                         % where)
    except EvalError as e:
        probs.append('%s: chyba výpočtu %d' % (where, e.code))
        return None
    return norm


def solves_uniquely(norm, root):
    """The equation fails at a handful of other points (it is no identity
    and the written root is not just one of several solutions)."""
    for d in (1, 2, 3, Fraction(1, 2), -1, -2, 7, Fraction(-5, 3)):
        try:
            L, R = exact_sides(norm, root + d)
        except EvalError:
            continue
        if L == R:
            return False
    return True


def check_file(path, seen):
    probs = []
    try:
        blocks = read_source(path)
    except (OSError, ValueError, UnicodeDecodeError) as e:
        return ['%s: %s' % (path, e)], 0
    if len(blocks) % 3:
        probs.append('%s: %d rovnic, není násobek tří' % (path, len(blocks)))
    for i, b in enumerate(blocks):
        tag = '%s:%d (rovnice %d)' % (path, b['line'], i)
        try:
            root = parse_root(b['root'] or '')
        except ValueError as e:
            probs.append('%s: %s' % (tag, e))
            continue
        norm = check_line(b['eq'], root, tag, probs)
        if norm is not None:
            if not solves_uniquely(norm, root):
                probs.append('%s: kořen není jediným řešením' % tag)
            key = norm.strip()
            if key in seen:
                probs.append('%s: stejná rovnice už je v %s' % (tag, seen[key]))
            seen[key] = tag
            if '/' in b['eq']:
                probs.append('%s: zadání nemá mít poznámku' % tag)
        steps = b['steps']
        if not 1 <= len(steps) <= MAX_LINES:
            probs.append('%s: postup má %d řádků' % (tag, len(steps)))
        for k, (no, text) in enumerate(steps):
            where = '%s:%d' % (path, no)
            n = check_line(text, root, where, probs)
            if n is None:
                continue
            last = k == len(steps) - 1
            if last and not is_final(n):
                probs.append('%s: poslední řádek není konečný tvar' % where)
            if not last and is_final(n):
                probs.append('%s: konečný tvar před koncem postupu' % where)
        if steps and split_note(steps[0][1])[0].replace(' ', '') != \
                b['eq'].replace(' ', ''):
            probs.append('%s: první řádek postupu neopakuje zadání' % tag)
    return probs, len(blocks)


def main(argv):
    seen = {}
    allp = []
    total = 0
    for path in argv[1:]:
        p, n = check_file(path, seen)
        total += n
        print('%s: %d rovnic' % (path, n))
        allp += p
    for p in allp:
        print(p)
    print('celkem %d rovnic, %d problémů' % (total, len(allp)))
    return 1 if allp else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
