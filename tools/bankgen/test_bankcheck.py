#!/usr/bin/env python3
"""Faults the bank check must catch.   python3 tools/bankgen/test_bankcheck.py"""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bankcheck  # noqa: E402

GOOD = """rovnice: 2x+5=7
koren: 1
postup:
    2x+5=7 /-5
    2x=2 /:2
    x=1
"""


def problems(*blocks):
    with tempfile.NamedTemporaryFile('w', suffix='.txt', delete=False,
                                     encoding='utf-8') as f:
        f.write('\n'.join(blocks))
    try:
        return bankcheck.check_file(f.name, {})[0]
    finally:
        os.unlink(f.name)


def block(eq, root, *lines):
    return 'rovnice: %s\nkoren: %s\npostup:\n%s\n' % (
        eq, root, ''.join('    %s\n' % l for l in lines))


class BankCheck(unittest.TestCase):
    def test_sound_triplet_passes(self):
        self.assertEqual(problems(GOOD, GOOD.replace('7', '9').replace(
            'koren: 1', 'koren: 2').replace('2x=2', '2x=4').replace(
            'x=1', 'x=2'), block('x+1=4', 3, 'x+1=4 /-1', 'x=3')), [])

    def assertCaught(self, text, *blocks):
        probs = problems(*blocks)
        self.assertTrue(any(text in p for p in probs), probs)

    def test_wrong_root_and_wrong_line(self):
        self.assertCaught('neplatí', block('2x+5=7', 2, '2x+5=7 /-5', 'x=2'))
        self.assertCaught('neplatí', block('2x+5=7', 1, '2x+5=7 /-5',
                                           '2x=3 /:2', 'x=1'))

    def test_final_form(self):
        self.assertCaught('není konečný', block('4x=6', '3/2', '4x=6 /:4',
                                                'x=\\frac{6}{4}'))
        self.assertCaught('před koncem', block('2x=6', 3, '2x=6 /:2', 'x=3',
                                               'x=3'))

    def test_engine_limits(self):
        # two divisions in a row do not evaluate in the program
        self.assertCaught('chyba výpočtu', block('x:2:3=1', 6, 'x:2:3=1',
                                                 'x=6'))
        # a minus straight after an operator cannot be typed
        self.assertCaught('nelze napsat', block('2*-x=-6', 3, '2*-x=-6',
                                                'x=3'))
        self.assertCaught('jmenovatel', block('x+\\frac{x-3}{x-3}=4', 3,
                                              'x+\\frac{x-3}{x-3}=4', 'x=3'))

    def test_notes_and_duplicates(self):
        self.assertCaught('poznámka obsahuje', block(
            'x^2+x=x^2+3', 3, 'x^2+x=x^2+3 /-x^2', 'x=3'))
        self.assertCaught('stejná rovnice', GOOD, GOOD)
        self.assertCaught('násobek tří', GOOD)

    def test_rounding_of_the_root_is_allowed_for(self):
        # 1/3 is written to the line as 0.333333; the program accepts 3x=1
        self.assertEqual(problems(block('3x=1', '1/3', '3x=1 /:3',
                                        'x=\\frac{1}{3}'), GOOD,
                                  block('x+2=5', 3, 'x+2=5 /-2', 'x=3')), [])


if __name__ == '__main__':
    unittest.main()
