#!/usr/bin/env python3
"""The bank generator: it still writes the committed sources, and its
helpers write numbers the way the sources need them.

    python3 test_bankgen.py
"""
import os
import sys
import tempfile
import unittest
from fractions import Fraction

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'bankgen'))
import bankgen  # noqa: E402
import texts  # noqa: E402

SOURCES = os.path.join(ROOT, 'data', 'equations')


class WritesTheCommittedSources(unittest.TestCase):
    def test_every_source_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as out:
            self.assertEqual(bankgen.main(['bankgen', out]), 0)
            names = sorted(n for n in os.listdir(out) if n.endswith('.txt'))
            committed = sorted(n for n in os.listdir(SOURCES)
                               if n.startswith('r') and n.endswith('.txt'))
            self.assertEqual(names, committed)
            for name in names:
                with self.subTest(source=name):
                    with open(os.path.join(out, name), 'rb') as f:
                        made = f.read().decode('utf-8').split('\n')
                    with open(os.path.join(SOURCES, name), 'rb') as f:
                        kept = f.read().decode('utf-8').split('\n')
                    for no, (a, b) in enumerate(zip(made, kept), 1):
                        self.assertEqual(a, b, '%s:%d' % (name, no))
                    self.assertEqual(len(made), len(kept), name)


class NumberTexts(unittest.TestCase):
    def test_decimals(self):
        for value, text in [(Fraction(5), '5'), (Fraction(-1, 20), '-0.05'),
                            (Fraction(13, 4), '3.25'), (Fraction(-7, 2), '-3.5'),
                            (Fraction(1, 1000), '0.001')]:
            with self.subTest(value=value):
                self.assertEqual(texts.decimal_text(value), text)
        with self.assertRaises(ValueError):
            texts.decimal_text(Fraction(1, 3))

    def test_fractions_roots_and_notes(self):
        self.assertEqual(texts.fraction_text(-3, 2), '-\\frac{3}{2}')
        self.assertEqual(texts.fraction_text(6, 3), '2')
        self.assertEqual(texts.quotient_text(6, -4), '-\\frac{6}{4}')
        self.assertEqual(texts.number_text(Fraction(5, 2), True), '2.5')
        self.assertEqual(texts.number_text(Fraction(5, 2), False), '\\frac{5}{2}')
        self.assertEqual(texts.root_text(Fraction(-1, 3), True), '-1/3')
        self.assertEqual(texts.note_div(-3), ':(-3)')
        self.assertEqual(texts.note_add(Fraction(-1, 2), 'x'), '-0.5x')

    def test_width_counts_fractions_smaller(self):
        self.assertEqual(texts.estimated_width('2x+5=7'), 6)
        self.assertAlmostEqual(texts.estimated_width('\\frac{x+1}{12}=x^2'),
                               0.6 * 3 + 0.5 + 2 + 0.5)


if __name__ == '__main__':
    unittest.main()
