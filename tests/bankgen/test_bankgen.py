#!/usr/bin/env python3
"""The bank generator: it writes the committed sources and they keep the
bank's rules; the solver writes the steps a teacher writes; the rules catch
what a demanding teacher would object to.

    python3 test_bankgen.py
"""
import io
import os
import sys
import tempfile
import unittest
from contextlib import redirect_stdout
from fractions import Fraction as Q

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'bankgen'))
import bankgen  # noqa: E402
import rules  # noqa: E402
import texts  # noqa: E402
from areas import br, fr, frx, lin, n, prod, sq, x, xfr  # noqa: E402
from expr import Retry  # noqa: E402
from solver import solve  # noqa: E402

SOURCES = os.path.join(ROOT, 'data', 'equations')


class WritesTheCommittedSources(unittest.TestCase):
    def test_every_source_byte_for_byte_and_no_rule_broken(self):
        with tempfile.TemporaryDirectory() as out:
            report = io.StringIO()
            with redirect_stdout(report):
                status = bankgen.main(['bankgen', out])
            self.assertEqual(status, 0, report.getvalue())
            names = sorted(n for n in os.listdir(out) if n.endswith('.txt'))
            committed = sorted(n for n in os.listdir(SOURCES)
                               if n.startswith('r') and n.endswith('.txt'))
            self.assertEqual(names, committed)
            for name in names:
                with self.subTest(source=name):
                    with open(os.path.join(out, name), encoding='utf-8') as f:
                        made = f.read().split('\n')
                    with open(os.path.join(SOURCES, name),
                              encoding='utf-8') as f:
                        kept = f.read().split('\n')
                    for no, (a, b) in enumerate(zip(made, kept), 1):
                        self.assertEqual(a, b, '%s:%d' % (name, no))
                    self.assertEqual(len(made), len(kept), name)


class TeachersSteps(unittest.TestCase):
    def lines(self, left, right, **options):
        sol, root = solve(tuple(left), tuple(right), **options)
        return sol.texts(), root

    def test_solutions(self):
        cases = [
            # divide by the common factor before multiplying out
            ((br(3, lin(1, 5)),), (n(45),), {},
             ['3(x+5)=45 /:3', 'x+5=15 /-5', 'x=10'], 10),
            # ... but not when a bracket would keep a factor
            ((br(6, lin(1, 6)),), (n(45),), {},
             ['6(x+6)=45 /roznásobíme', '6x+36=45 /-36', '6x=9 /:6',
              'x=\\frac{3}{2}'], Q(3, 2)),
            # the unknown ends on the right: x=..., never a line 28=x
            ((n(7),), (frx(1, 4),), {}, ['7=\\frac{x}{4} /·4', 'x=28'], 28),
            ((x(2), n(7)), (x(5), n(-8)), {},
             ['2x+7=5x-8 /-2x', '7=3x-8 /+8', '15=3x /:3', 'x=5'], 5),
            # a minus before the fraction: multiply by -2 at once
            ((frx(1, 2, -1),), (n(5),), {},
             ['-\\frac{x}{2}=5 /·(-2)', 'x=-10'], -10),
            # the youngest write the sum out; a-x=b by adding x
            ((n(9), x(-1)), (n(4),), dict(show_sums=True, add_x_first=True),
             ['9-x=4 /+x', '9=4+x /-4', '9-4=x', 'x=5'], 5),
            # collecting: /odečteme only for subtractions, /upravíme mixed
            ((x(4), x(-3)), (n(12),), {}, ['4x-3x=12 /odečteme', 'x=12'], 12),
            ((x(2), n(6), x(-5), n(15)), (n(3),), {},
             ['2x+6-5x+15=3 /upravíme', '-3x+21=3 /-21', '-3x=-18 /:(-3)',
              'x=6'], 6),
            # squares go away; the difference of squares by the formula
            ((prod(1, lin(1, -6), lin(1, 6)), sq(-1, lin(1, 2))), (n(8),), {},
             ['(x-6)(x+6)-(x+2)^2=8 /roznásobíme',
              'x^2-36-(x^2+4x+4)=8 /odstraníme závorku',
              'x^2-36-x^2-4x-4=8 /odečteme', '-40-4x=8 /+40', '-4x=48 /:(-4)',
              'x=-12'], -12),
            # decimals are multiplied away by ten
            ((br(Q(2, 5), lin(1, 5)),), (n(Q(14, 5)),), dict(decimals=True),
             ['0.4(x+5)=2.8 /·10', '4(x+5)=28 /:4', 'x+5=7 /-5', 'x=2'], 2),
            # the unknown below: factor, state the condition, confirm it
            ((xfr(2, [(1, -3)]), xfr(3, [(1, 3)])),
             (xfr(10, [(1, -3), (1, 3)], factored=False),), {},
             ['\\frac{2}{x-3}+\\frac{3}{x+3}=\\frac{10}{x^2-9} '
              '/rozložíme jmenovatel',
              '\\frac{2}{x-3}+\\frac{3}{x+3}=\\frac{10}{(x-3)(x+3)} '
              '/·(x-3)(x+3), x nesmí být 3 ani -3',
              '2(x+3)+3(x-3)=10 /roznásobíme', '2x+6+3x-9=10 /upravíme',
              '5x-3=10 /+3', '5x=13 /:5', 'x=\\frac{13}{5} /vyhovuje podmínce'],
             Q(13, 5)),
            # a condition that is not whole is written as a decimal
            ((xfr(1, [(2, 1)]),), (xfr(2, [(5, 4)]),), {},
             ['\\frac{1}{2x+1}=\\frac{2}{5x+4} /·(2x+1)(5x+4), '
              'x nesmí být -0,5 ani -0,8', '5x+4=2(2x+1) /roznásobíme',
              '5x+4=4x+2 /-4x', 'x+4=2 /-4', 'x=-2 /vyhovuje podmínce'], -2),
            # a fraction to reduce first; a fraction before a bracket
            ((fr((x(6),), 8), fr(3, 6, -1)), (fr(5, 4),), {},
             ['\\frac{6x}{8}-\\frac{3}{6}=\\frac{5}{4} /zkrátíme',
              '\\frac{3x}{4}-\\frac{1}{2}=\\frac{5}{4} /·4', '3x-2=5 /+2',
              '3x=7 /:3', 'x=\\frac{7}{3}'], Q(7, 3)),
            ((br(Q(2, 3), lin(1, -1)),), (frx(1, 2), n(1)), {},
             ['\\frac{2}{3}*(x-1)=\\frac{x}{2}+1 /·6',
              '4(x-1)=3x+6 /roznásobíme', '4x-4=3x+6 /-3x', 'x-4=6 /+4',
              'x=10'], 10),
        ]
        for left, right, options, expected, root in cases:
            with self.subTest(expected=expected[0]):
                self.assertEqual(self.lines(left, right, **options),
                                 (expected, Q(root)))

    def test_what_has_no_single_root_is_refused(self):
        for left, right in [((x(2), n(1)), (x(2), n(3))),          # none
                            ((br(2, lin(1, 1)),), (x(2), n(2))),   # every x
                            ((sq(1, lin(1, 1)),), (n(4),)),         # x^2
                            ((xfr(lin(1, -3), [(1, -3)]),), (n(1),))]:
            with self.subTest(left=left):
                with self.assertRaises(Retry):
                    solve(left, right)


def record(equation='2x=6', root=3, lines=None, **fields):
    lines = lines or [['2x=6', ':2'], ['x=3', '']]
    return rules.Record(area=fields.pop('area', 21), kind=fields.pop('kind', 't'),
                        equation=equation, root=Q(root), lines=lines, **fields)


class RulesCatchFaults(unittest.TestCase):
    def assertCaught(self, text, problems):
        self.assertTrue(any(text in p for p in problems), problems)

    def test_one_equation(self):
        cases = [
            (record(lines=[['14=x', ''], ['x=14', '']], equation='14=x', root=14),
             'jen prohazuje strany'),
            (record(lines=[['13x=26', ':13'], ['x=2', '']], root=2), 'dělí se číslem 13'),
            (record(lines=[['1.9x=6.65', ':1,9'], ['x=3.5', '']], root=Q(7, 2),
                    decimals=True), 'dělí se číslem 1.9'),
            (record(lines=[['19x+39=26', '-39'], ['19x=-13', ':19'],
                           ['x=-\\frac{13}{19}', '']], root=Q(-13, 19)),
             'kořen -13/19'),
            (record(lines=[['x+150=160', '-150'], ['x=10', '']], root=10),
             'číslo 150 je větší než 100'),
            (record(value_at_root=Q(11, 31)), 'zkouška vede na 11/31'),
            (record(lines=[['2x=6', 'dělíme'], ['x=3', '']]), 'neříká, co krok'),
            (record(excluded=[Q(2)], lines=[['\\frac{6}{x-2}=3', '·(x-2)'],
                                            ['6=3x-6', '+6'], ['x=4', '']], root=4),
             'podmínka neuvádí'),
            (record(excluded=[Q(2)], lines=[['\\frac{6}{x-2}=3',
                                             '·(x-2), x nesmí být 2'],
                                            ['x=4', '']], root=4),
             'nepotvrzuje podmínku'),
            (record(lines=[['\\frac{1}{2x+1}=1', '·(2x+1), x nesmí být -1/2'],
                           ['x=0', 'vyhovuje podmínce']], root=0,
                    excluded=[Q(-1, 2)]),
             'lomítko'),
        ]
        for rec, text in cases:
            with self.subTest(text=text):
                self.assertCaught(text, rules.record_problems(rec))
        self.assertEqual(rules.record_problems(record(
            '0.5x=1.25', Q(5, 2), [['0.5x=1.25', '·2'], ['x=2.5', '']],
            decimals=True, value_at_root=Q(5, 4))), [])

    def test_triplets(self):
        a = record('x/6=5/3', 10, [['a', ''], ['6x=60', ':6'], ['x=10', '']])
        cases = [
            ([a, record('3x=30', 10, [['3x=30', ':3'], ['x=10', '']])],
             'týž kořen'),
            ([a, record('2x=12+48', 11, [['b', ''], ['6x=60', ':6'], ['x=11', '']])],
             'společný řádek 6x=60'),
            ([record('\\frac{x}{6}=\\frac{5}{3}', 10),
              record('\\frac{x}{6}=\\frac{4}{3}', 8)], 'liší jen'),
        ]
        for recs, text in cases:
            with self.subTest(text=text):
                self.assertCaught(text, rules.triplet_problems(recs))
        self.assertEqual(rules.triplet_problems(
            [record('x+3=8', 5, [['x+3=8', '-3'], ['x=8-3', ''], ['x=5', '']]),
             record('x+5=7', 2, [['x+5=7', '-5'], ['x=7-5', ''], ['x=2', '']])]),
            [])

    def test_files(self):
        easy = [record('x+1=%d' % k, k - 1) for k in (3, 4, 5)]
        hard = [record('\\frac{2(x+%d)}{3}-\\frac{x-1}{4}=1' % k, -k,
                       [['a', ''], ['b%d' % k, ''], ['c', ''], ['x=%d' % -k, '']])
                for k in (1, 2, 3)]
        halves = [record('2x=%d' % k, Q(k, 2)) for k in (1, 3, 5)]
        problems = rules.file_problems(21, hard + easy + halves)
        self.assertCaught('trojice 2 je lehčí než trojice 1', problems)
        self.assertEqual([p for p in problems if 'kořen' in p], [])
        problems = rules.file_problems(22, easy * 3)
        self.assertCaught('kladných celých kořenů je 100 %', problems)
        self.assertCaught('záporných celých kořenů je jen 0 %', problems)
        self.assertCaught('necelých kořenů je jen 0 %', problems)
        self.assertCaught('kořen 2 je tu 4krát', rules.file_problems(
            22, easy + [record('x+%d=%d' % (k, k + 2), 2) for k in (5, 6, 7)]
            + halves))
        self.assertCaught('přijímačky mají 9 rovnic',
                          rules.file_problems(61, easy + hard + halves))

    def test_entrance_examinations(self):
        def kind(k, eq):
            return record(eq, 1, kind=k, area=61)
        entrance = [kind('A', '\\frac{2}{3}*(x-1)=4'), kind('A', 'x=7'),
                    kind('B', '3(x+1)=12')]
        others = {22: [record('3(x+2)=15', 3, area=22)]}
        problems = rules.bank_problems({**others, 61: entrance})
        self.assertCaught('r61: rovnice 0 a 1 jsou téhož druhu', problems)
        self.assertCaught('r61: trojice 1 nemá tři různé druhy', problems)
        self.assertCaught('r61, rovnice 2 (3(x+1)=12) má tvar rovnice z r22',
                          problems)
        self.assertCaught('r11: chybí a-x=b', problems)
        self.assertCaught('kořen 0 je v celé sbírce jen 0krát', problems)
        self.assertNotEqual(rules.shape('0.5(x+1)=2'), rules.shape('5(x+1)=2'))


class Texts(unittest.TestCase):
    def test_numbers_and_conditions(self):
        self.assertEqual(texts.decimal_text(Q(-1, 20)), '-0.05')
        with self.assertRaises(ValueError):
            texts.decimal_text(Q(1, 3))
        self.assertEqual(texts.number_text(Q(5, 2), True), '2.5')
        self.assertEqual(texts.number_text(Q(-5, 3), True), '-\\frac{5}{3}')
        self.assertEqual(texts.root_text(Q(-1, 3), False), '-1/3')
        self.assertEqual(texts.listing([Q(3), Q(-3)]), '3 ani -3')
        self.assertEqual(texts.listing([0, Q(1, 2), -2]), '0, 0.5 ani -2')

    def test_width_counts_every_slash_with_its_gap(self):
        plain = texts.drawn_width('2x=6 /:2')
        self.assertEqual(texts.drawn_width('2x=6 /:2/'), plain + 30 + 9)
        self.assertGreater(texts.drawn_width('\\frac{x+1}{12}=3'),
                           texts.drawn_width('\\frac{x}{12}=3'))


if __name__ == '__main__':
    unittest.main()
