#!/usr/bin/env python3
"""Word frequencies of long English text, cut into words the way the engine normalises a
sentence (ASCII letters, digits and apostrophes kept; hyphens and other marks dropped
inside a word; spaces and line ends separate words).

  frequent_words.py [--top N] [--tokens] FILE...

Prints the N most frequent lower-cased words, one a line (ties in alphabetical order), or
with --tokens every word token in text order, for coverage measurements."""
import argparse
import collections
import re

_KEEP = re.compile(r"[^ A-Za-z0-9'\n\r\t]")


def tokens(text):
    # tabs vanish in normalisation (they do not separate words); line ends become spaces
    text = _KEEP.sub('', text.replace('a.m.', 'eyem')).replace('\t', '')
    return [w for w in re.split(r'[ \r\n]+', text) if w]


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('files', nargs='+')
    ap.add_argument('--top', type=int, default=3000)
    ap.add_argument('--tokens', action='store_true')
    a = ap.parse_args()
    words = []
    for path in a.files:
        with open(path, encoding='utf-8', errors='replace') as f:
            words += tokens(f.read())
    if a.tokens:
        print('\n'.join(words))
        return
    counts = collections.Counter(w.lower() for w in words if re.search('[a-z]', w.lower()))
    for word, _ in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))[:a.top]:
        print(word)


if __name__ == '__main__':
    main()
