"""What makes the bank a good exercise book, checked over every equation,
every triplet, every file and the whole bank.  The engine's own rules (the
root, every line at the root, the final form, what the editor takes) are
checked by `rovnice verify`; these are the teacher's.

The bounds, stated once:

  numbers     every whole number written in a line or a note is at most
              MAX_WHOLE (100 in areas 11 to 23, 144 from area 31 on); a
              decimal has at most 2 places; a division note divides by a
              whole number of at most 12.
  roots       a whole root is at most ROOT_WHOLE (50 in areas 11 to 14, 20
              elsewhere) in size; any other root is at most 10 in size, with
              a denominator of at most 10 (a decimal with at most 2 places
              in the decimal area 23).
  check       at the root each side of the equation is worth a whole
              number, a fraction with a denominator of at most 12 or (area
              23) a decimal with at most 2 places, and at most 100 in size;
              each denominator with the unknown is worth a whole number or
              a fraction with a denominator of at most 10, at most 50 in
              size and never 0.
  page        at most MAX_LINES (9) lines of solution.
  triplets    three equations, no two with the same root or the same
              intermediate line (a solution line other than the first and
              the last), and no two of one shape that differ in one number
              only (6/(x-1)=3 and 6/(x-1)=-2).
  root kinds  per file: positive whole roots at most 60 %, negative whole
              roots at least 15 %, other roots at least 10 % (not in area
              11, whose equations are sums) and at most 40 %, root 0 at most
              twice, no root more than 3 times; root 0 at least 3 times in
              the bank.
  difficulty  difficulty() of a triplet (the mean of its three) is never
              more than DIFFICULTY_MARGIN (1.0) below the triplet before it,
              and the last triplet of a file is harder than the first.
  conditions  an equation with the unknown in a denominator states, in the
              note of the step that multiplies by it, "x nesmí být" with
              every excluded value, and its last line says "vyhovuje
              podmínce"; no other equation speaks of conditions.
  lines       no line only swaps the sides of the line before it; every note
              says what the step does: +5, -3x, ·6, :3, or one of NOTE_WORDS;
              a note has no "/" (the program draws it with a gap).
  area 61     exactly 30 equations; the three of a triplet are of three
              different kinds and two records in a row never of the same
              kind; no equation has the shape of an equation of another
              area.
  gaps        area 11 has a-x=b, area 12 has -x=b, area 23 decimals with a
              bracket, area 33 nested brackets, area 52 a denominator that
              is factored first.
"""
from dataclasses import dataclass, field
from fractions import Fraction
import re

from texts import is_decimal, listing

MAX_LINES = 9
DIFFICULTY_MARGIN = 1.0
NOTE_WORDS = {'sečteme', 'odečteme', 'upravíme', 'roznásobíme', 'umocníme',
              'odstraníme závorku', 'odstraníme závorky', 'zkrátíme',
              'rozložíme jmenovatel', 'rozložíme jmenovatele',
              'vyhovuje podmínce'}
CONFIRMATION = 'vyhovuje podmínce'
CONDITION = 'x nesmí být '


def max_whole(area):
    return 100 if area < 30 else 144


def root_whole(area):
    return 50 if area < 20 else 20


@dataclass
class Record:
    """One generated equation with what the generator knows about it."""
    area: int
    kind: str                       # the type it was made by
    equation: str
    root: Fraction
    lines: list                     # [math, note] per line
    excluded: list = field(default_factory=list)
    value_at_root: Fraction = Fraction(0)
    denominators_at_root: list = field(default_factory=list)
    decimals: bool = False

    def maths(self):
        return [m for m, _ in self.lines]


def root_kind(root):
    if root.denominator != 1:
        return 'F'
    return 'Z' if root == 0 else ('P' if root > 0 else 'N')


# ------------------------------------------------------------- one record

NUMBER = re.compile(r'\d+(?:\.\d+)?')
ARITHMETIC_NOTE = re.compile(
    r'^(?:[+-]\d*(?:[.,]\d+)?x?|:\(?-?\d+(?:[.,]\d+)?\)?|·.+'
    r'|[+-]\d*x na druhou)$')


def _swapped(math):
    left, _, right = math.partition('=')
    return right + '=' + left


def _fraction_ok(v, denominator, decimals):
    return v.denominator <= denominator or (decimals and is_decimal(v, 2))


def record_problems(rec):
    out = []
    if len(rec.lines) > MAX_LINES:
        out.append('%d řádků řešení, na stránku se vejde %d'
                   % (len(rec.lines), MAX_LINES))
    for math, note in rec.lines:
        for number in NUMBER.findall(math) + NUMBER.findall(
                note.replace(',', '.')):
            whole, _, places = number.partition('.')
            if len(places) > 2:
                out.append('číslo %s má víc než dvě desetinná místa' % number)
            if int(whole) > max_whole(rec.area):
                out.append('číslo %s je větší než %d'
                           % (number, max_whole(rec.area)))
        if '/' in note:
            out.append('poznámka „%s“ má lomítko, program ho kreslí s mezerou'
                       % note)
        if note and not (note in NOTE_WORDS or ARITHMETIC_NOTE.match(note)):
            out.append('poznámka „%s“ neříká, co krok dělá' % note)
        if note.startswith(':'):
            divisor = note.strip(':()').replace(',', '.')
            if '.' in divisor or abs(int(divisor)) > 12:
                out.append('dělí se číslem %s' % divisor)
    root = rec.root
    if root.denominator == 1:
        if abs(root) > root_whole(rec.area):
            out.append('kořen %s je větší než %d' % (root, root_whole(rec.area)))
    elif abs(root) > 10 or not _fraction_ok(root, 10, rec.decimals) or \
            (rec.decimals and not is_decimal(root, 2)):
        out.append('kořen %s není číslo, se kterým se počítá zpaměti' % root)
    v = rec.value_at_root
    if abs(v) > 100 or not _fraction_ok(v, 12, rec.decimals):
        out.append('zkouška vede na %s' % v)
    for d in rec.denominators_at_root:
        if d == 0 or abs(d) > 50 or d.denominator > 10:
            out.append('jmenovatel má při kořeni hodnotu %s' % d)
    maths = rec.maths()
    for k in range(1, len(maths)):
        if maths[k] == _swapped(maths[k - 1]):
            out.append('řádek %s jen prohazuje strany' % maths[k])
    notes = [n for _, n in rec.lines]
    if rec.excluded:
        stated = [n for n in notes if CONDITION in n]
        if not stated or not stated[0].endswith(CONDITION + listing(rec.excluded)):
            out.append('podmínka neuvádí všechny vyloučené hodnoty (%s)'
                       % listing(rec.excluded))
        if notes[-1] != CONFIRMATION:
            out.append('poslední řádek nepotvrzuje podmínku')
    elif any(CONDITION in n or n == CONFIRMATION for n in notes):
        out.append('mluví o podmínce, která není')
    return out


# ------------------------------------------------------------ triplets

def intermediate_lines(rec):
    return set(rec.maths()[1:-1])


def templated(a, b):
    """Two equations of one shape, signs aside, whose numbers (exponents
    aside) differ in one place only."""
    if shape(a).replace('±', '') != shape(b).replace('±', ''):
        return False
    a, b = (NUMBER.findall(re.sub(r'\^\d', '', e)) for e in (a, b))
    return len(a) > 1 and sum(p != q for p, q in zip(a, b)) <= 1


def triplet_problems(recs):
    out = []
    roots = [r.root for r in recs]
    if len(set(roots)) != len(roots):
        out.append('dvě rovnice trojice mají týž kořen')
    for i in range(len(recs)):
        for j in range(i + 1, len(recs)):
            shared = intermediate_lines(recs[i]) & intermediate_lines(recs[j])
            if shared:
                out.append('rovnice trojice mají společný řádek %s'
                           % sorted(shared)[0])
            if templated(recs[i].equation, recs[j].equation):
                out.append('%s a %s se liší jen v málo číslech'
                           % (recs[i].equation, recs[j].equation))
    return out


# ---------------------------------------------------------------- files

def difficulty(rec):
    """Lines of the solution; operations (every sign and operator, two for
    a fraction, one for a bracket or a power, one for every unknown after
    the first) and half the digits of the equation; one more for a negative
    root and one for a root that is not whole."""
    math = rec.equation
    operations = (sum(math.count(c) for c in '+-*:') + math.count('(')
                  + 2 * math.count('\\frac') + math.count('^')
                  + math.count('x') - 1)
    return (len(rec.lines) + operations + sum(c.isdigit() for c in math) / 2
            + (rec.root < 0) + (rec.root.denominator != 1))


def triplet_difficulties(recs):
    return [sum(difficulty(r) for r in recs[i:i + 3]) / 3
            for i in range(0, len(recs) - 2, 3)]


def file_problems(area, recs):
    out = []
    n = len(recs)
    if n % 3:
        out.append('%d rovnic, není násobek tří' % n)
    if area == 61 and n != 30:
        out.append('přijímačky mají %d rovnic, mají mít 30' % n)
    kinds = [root_kind(r.root) for r in recs]
    share = lambda k: kinds.count(k) / n if n else 0
    if share('P') > 0.6:
        out.append('kladných celých kořenů je %d %%' % round(100 * share('P')))
    if share('N') < 0.15:
        out.append('záporných celých kořenů je jen %d %%'
                   % round(100 * share('N')))
    if area != 11 and share('F') < 0.1:
        out.append('necelých kořenů je jen %d %%' % round(100 * share('F')))
    if share('F') > 0.4:
        out.append('necelých kořenů je %d %%' % round(100 * share('F')))
    if kinds.count('Z') > 2:
        out.append('kořen 0 je tu %dkrát' % kinds.count('Z'))
    roots = [r.root for r in recs]
    for root in sorted(set(roots)):
        if roots.count(root) > 3:
            out.append('kořen %s je tu %dkrát' % (root, roots.count(root)))
    d = triplet_difficulties(recs)
    for t in range(1, len(d)):
        if d[t] < d[t - 1] - DIFFICULTY_MARGIN:
            out.append('trojice %d je lehčí než trojice %d (%.1f < %.1f)'
                       % (t + 1, t, d[t], d[t - 1]))
    if len(d) > 1 and d[-1] <= d[0]:
        out.append('poslední trojice není těžší než první')
    for t in range(0, n - 2, 3):
        for p in triplet_problems(recs[t:t + 3]):
            out.append('trojice %d: %s' % (t // 3 + 1, p))
    return out


# ------------------------------------------------------------------ bank

def shape(math):
    """The equation with its whole numbers (n), decimals (d) and signs
    left out: two equations of one shape are equations of one type."""
    numbers = NUMBER.sub(lambda m: 'd' if '.' in m.group() else 'n', math)
    return re.sub(r'[+-]', '±', numbers)


GAPS = {
    11: ('a-x=b', lambda r: re.match(r'^\d+-x=', r.equation)),
    12: ('-x=b', lambda r: r.equation.startswith('-x=')),
    23: ('desetinné číslo před závorkou',
         lambda r: re.search(r'\d\.\d+\(', r.equation)),
    33: ('vnořené závorky', lambda r: re.search(r'\([^)]*\(', r.equation)),
    52: ('jmenovatel, který se nejdřív rozloží',
         lambda r: r.lines[0][1].startswith('rozložíme')),
}


def bank_problems(areas):
    """`areas`: area code -> its records in file order."""
    out = []
    for code, recs in sorted(areas.items()):
        for k, rec in enumerate(recs):
            for p in record_problems(rec):
                out.append('r%d, rovnice %d (%s): %s' % (code, k, rec.equation, p))
        for p in file_problems(code, recs):
            out.append('r%d: %s' % (code, p))
    zeros = sum(r.root == 0 for recs in areas.values() for r in recs)
    if zeros < 3:
        out.append('kořen 0 je v celé sbírce jen %dkrát' % zeros)
    for code, (what, test) in GAPS.items():
        if not any(test(r) for r in areas.get(code, [])):
            out.append('r%d: chybí %s' % (code, what))
    entrance = areas.get(61, [])
    for k in range(1, len(entrance)):
        if entrance[k].kind == entrance[k - 1].kind:
            out.append('r61: rovnice %d a %d jsou téhož druhu' % (k - 1, k))
    for t in range(0, len(entrance) - 2, 3):
        if len({r.kind for r in entrance[t:t + 3]}) != 3:
            out.append('r61: trojice %d nemá tři různé druhy' % (t // 3 + 1))
    others = {shape(r.equation): code for code, recs in areas.items()
              if code != 61 for r in recs}
    for k, rec in enumerate(entrance):
        if shape(rec.equation) in others:
            out.append('r61, rovnice %d (%s) má tvar rovnice z r%d'
                       % (k, rec.equation, others[shape(rec.equation)]))
    return out
