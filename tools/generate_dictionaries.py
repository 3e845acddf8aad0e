#!/usr/bin/env python3
"""Generates Orvanta's two pronunciation dictionaries from their pinned sources:

  data/velmor_eng_transcription.txt         British RP, from espeak-ng (en-gb-x-rp)
  data/american_transcription-abridged.txt  American, from the CMU Pronouncing Dictionary

  tools/generate_dictionaries.py [--out DIR] [--cache DIR]

The same sources give the same files byte for byte (see data/README.md for the versions)."""
import argparse
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from dictgen import american, british, extras, phonology, sources   # noqa: E402
from dictgen.espeak import Espeak                                      # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BRITISH_FILE = 'velmor_eng_transcription.txt'
AMERICAN_FILE = 'american_transcription-abridged.txt'
ESPEAK_VOICE = 'en-gb-x-rp'
ESPEAK_AMERICAN_VOICE = 'en-us'
PLAIN_WORD = re.compile(r"'?[a-z]+(?:'[a-z]+)*'?")
HYPHENATED = re.compile(r"[a-z]+(?:-[a-z]+)+")


def british_phones(engine, word, spelling=None):
    phones = british.from_espeak(engine.phonemes(word), spelling or word)
    for rule in british.CORRECTIONS:
        phones = rule(spelling or word, phones)
    return phones


def build_british(cmu, word_list, english_words, log):
    engine = Espeak(ESPEAK_VOICE)
    log(f'espeak-ng {engine.version}, voice {ESPEAK_VOICE}')
    words = sorted({w for w in cmu if PLAIN_WORD.fullmatch(w)} | word_list)
    lexicon = {}
    for w in words:
        try:
            lexicon[w] = british_phones(engine, w)
        except british.UnknownPhoneme as e:
            log(f'  skipped {w}: unknown espeak phoneme {e}')
    for w in sorted(cmu):
        if HYPHENATED.fullmatch(w):
            joined = w.replace('-', '')
            if joined not in lexicon:
                lexicon[joined] = british_phones(engine, w, joined)
    british.compound_happy(lexicon)
    # espeak spells out every word without a vowel letter; CMU reads the interjections
    # and abbreviations that are not spelled (hmm, shh, nth)
    for w in sorted(lexicon):
        if not re.search('[aeiouy]', w) and w in cmu:
            arpabet = american.choose(cmu[w])
            if sum(p[-1] in '012' for p in arpabet) < len(w.replace("'", '')):
                lexicon[w] = british.non_rhotic(american.from_cmu(arpabet))
    return finish(lexicon, english_words, 'british')


def american_phones(word, variants):
    phones = american.from_cmu(american.choose(variants))
    for rule in american.CORRECTIONS:
        phones = rule(word, phones)
    return phones


def build_american(cmu, word_list, english_words, log):
    lexicon = {}
    for w in sorted(cmu):
        if PLAIN_WORD.fullmatch(w):
            lexicon[w] = american_phones(w, cmu[w])
    for w in sorted(cmu):
        if HYPHENATED.fullmatch(w):
            joined = w.replace('-', '')
            if joined not in lexicon:
                lexicon[joined] = american_phones(joined, cmu[w])
    for w in sorted(lexicon):
        if w in cmu:
            raw = american.from_cmu(american.choose(cmu[w]))
            rest = w[1:]
            stem = next((rest[:-len(e)] for e in ('ing', 'ers', 'er', 'ed', 's') if rest.endswith(e)
                         and rest[:-len(e)] in lexicon), rest)
            lettered = american.letter_e_compound(w, raw, lexicon.get(rest), lexicon.get(stem))
            if lettered:
                lexicon[w] = lettered
    engine = Espeak(ESPEAK_AMERICAN_VOICE)
    log(f'espeak-ng {engine.version}, voice {ESPEAK_AMERICAN_VOICE}, for words CMU lacks')
    for w in sorted(word_list - set(lexicon)):
        for cand in extras.american_spelling_candidates(w):
            if cand in lexicon:
                lexicon[w] = lexicon[cand]
                break
        else:
            try:
                phones = american.from_espeak(engine.phonemes(w))
                for rule in american.ESPEAK_CORRECTIONS:
                    phones = rule(w, phones)
                lexicon[w] = phones
            except american.UnknownPhoneme as e:
                log(f'  skipped {w}: unknown espeak phoneme {e}')
    return finish(lexicon, english_words, 'american')


def finish(lexicon, english_words, variant):
    lexicon.update(extras.dropped_g(lexicon))
    lexicon.update(extras.apostrophe_free(lexicon, english_words))
    lexicon.update(extras.digit_strings(lexicon, variant))
    lexicon.update(extras.RESPELLED)
    codes = {w: phonology.to_code(p) for w, p in lexicon.items()}
    codes.update(extras.CITATION[variant])
    return codes


def write(codes, path):
    with open(path, 'w', encoding='ascii', newline='\n') as f:
        for n, word in enumerate(sorted(codes), 1):
            code = codes[word]
            bad = set(code) - phonology.CODE_ALPHABET
            if bad or not code:
                raise SystemExit(f'{word}: transcription {code!r} outside the phonetic code')
            f.write(f'{n}\t{word}\t{code}\n')


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--out', default=os.path.join(ROOT, 'data'))
    ap.add_argument('--cache', default=os.path.join(ROOT, 'tools', 'cache'))
    a = ap.parse_args()
    start = time.time()
    log = lambda msg: print(msg, file=sys.stderr)   # noqa: E731
    cmu = sources.load_cmu(a.cache)
    word_list = sources.load_word_lists()
    english_words = {w for w in cmu if PLAIN_WORD.fullmatch(w)} | word_list
    log(f'CMU {sources.CMU_PACKAGE}@{sources.CMU_VERSION}: {len(cmu)} headwords; '
        f'word lists: {len(word_list)} words')
    for name, build in ((BRITISH_FILE, build_british), (AMERICAN_FILE, build_american)):
        codes = build(cmu, word_list, english_words, log)
        write(codes, os.path.join(a.out, name))
        log(f'{name}: {len(codes)} entries')
    log(f'done in {time.time() - start:.0f} s')


if __name__ == '__main__':
    main()
