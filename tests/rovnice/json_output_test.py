#!/usr/bin/env python3
"""Every rovnice command that prints JSON prints what a JSON parser reads.

    python3 json_output_test.py path/to/rovnice
"""
import json
import re
import subprocess
import sys
import unittest

ROVNICE = None


def run(*args):
    done = subprocess.run([ROVNICE, *args], capture_output=True, check=True)
    lines = done.stdout.decode('ascii').splitlines()
    if len(lines) != 1:
        raise AssertionError('one line of JSON expected, got %r' % lines)
    return json.loads(lines[0])


def unescape(text):
    """The tool's \\xHH escapes back to bytes (latin-1 code points)."""
    return re.sub(r'\\x([0-9A-F]{2})', lambda m: chr(int(m.group(1), 16)),
                  text)


class CheckOutput(unittest.TestCase):
    def test_normalised_text_survives_the_parser(self):
        # (line, root, normalised text as bytes, error, final)
        cases = [
            ('2x=6', '3', '2*x=6 ', 0, False),
            ('x=\\frac{5}{2} /:2', '5/2', 'x=(5)/(2) ', 0, True),
            ('(x+1)^2=x', '-2.25', '(x+1)^(2)=x ', 12, False),  # ^: the power
            # a byte outside ASCII, a quote and a backslash in the line
            ('9n=é', '1', '9*n=\xe9 ', 7, False),
            ('x="3', '1', 'x="3 ', 7, True),
            ('x=\\\\2', '1', 'x=\\2 ', 7, True),
            ('x=3 /"\\\\', '3', 'x=3 ', 0, True),
        ]
        for line, root, normalised, error, final in cases:
            with self.subTest(line=line):
                out = run('check', '--root', root, line)
                self.assertEqual(set(out), {'normalised', 'error', 'final'})
                self.assertEqual(unescape(out['normalised']), normalised)
                self.assertEqual(out['error'], error)
                self.assertIs(out['final'], final)


class EvalOutput(unittest.TestCase):
    def test_values_and_errors(self):
        cases = [
            ('2*3+4', 10, 0),
            ('2^(3)', 8, 0),
            ('1:4', 0.25, 0),
            ('5:0', None, 6),
            ('(2+3', None, 4),
        ]
        for text, value, error in cases:
            with self.subTest(text=text):
                self.assertEqual(run('eval', text),
                                 {'value': value, 'error': error})


if __name__ == '__main__':
    ROVNICE = sys.argv.pop(1)
    unittest.main()
