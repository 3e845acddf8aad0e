#!/usr/bin/env python3
"""Measures what each correction rule of the generator contributes: builds each dictionary
with every rule and once with each rule left out, and prints the agreement figures of
pronunciation-agreement for each build (strict, in percent).

  rule_effects.py --tool PATH/pronunciation-agreement --reference DIR --words FREQUENT_WORDS

The reference lists are only read by the measuring tool; nothing of them is kept."""
import argparse
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate_dictionaries as gen                        # noqa: E402
from dictgen import american, british, sources             # noqa: E402


def strict(tool, dictionary, reference, *extra):
    out = subprocess.run([tool, dictionary, reference, *extra], capture_output=True,
                         text=True, check=True).stdout
    return out.split('strict ')[1].split()[0]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--tool', required=True)
    ap.add_argument('--reference', required=True)
    ap.add_argument('--words', required=True)
    ap.add_argument('--cache', default=os.path.join(gen.ROOT, 'tools', 'cache'))
    a = ap.parse_args()
    cmu = sources.load_cmu(a.cache)
    word_list = sources.load_word_lists()
    english = {w for w in cmu if gen.PLAIN_WORD.fullmatch(w)} | word_list
    quiet = lambda msg: None   # noqa: E731
    britfone = os.path.join(a.reference, 'britfone', 'britfone.main.3.0.1.csv')
    uk = os.path.join(a.reference, 'wiktionary', 'uk-dev.tsv')
    us = os.path.join(a.reference, 'wiktionary', 'us-dev.tsv')
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, 'dict.txt')
        rules = list(british.CORRECTIONS)
        print('British: rule left out | Britfone | Wiktionary UK, frequent words')
        for left_out in [None] + rules:
            british.CORRECTIONS = [r for r in rules if r is not left_out]
            gen.write(gen.build_british(cmu, word_list, english, quiet), path)
            print(f'  {left_out.__name__ if left_out else "(none)"} | '
                  f'{strict(a.tool, path, britfone)} | {strict(a.tool, path, uk, "--words", a.words)}')
        british.CORRECTIONS = rules
        rules = list(american.CORRECTIONS)
        print('American: rule left out | Wiktionary US, frequent words')
        for left_out in [None] + rules:
            american.CORRECTIONS = [r for r in rules if r is not left_out]
            gen.write(gen.build_american(cmu, word_list, english, quiet), path)
            print(f'  {left_out.__name__ if left_out else "(none)"} | '
                  f'{strict(a.tool, path, us, "--us", "--words", a.words)}')


if __name__ == '__main__':
    main()
