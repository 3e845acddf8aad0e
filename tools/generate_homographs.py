#!/usr/bin/env python3
"""Generates the homograph tables that sit beside the two dictionaries: for each word
said differently by role, one reading per role, in the phonetic code.

  data/velmor_eng_transcription-homographs.txt          British, from espeak-ng (en-gb-x-rp)
  data/american_transcription-abridged-homographs.txt   American, CMU variants chosen by
                                                        espeak-ng (en-us)

  tools/generate_homographs.py [--out DIR] [--cache DIR]

espeak-ng reads each word inside a short phrase that fixes its role ("to record",
"the record"); the reading of the word in that phrase is the role's reading. A few roles
espeak-ng does not tell apart are read from a respelling ("doze" for the plural of doe).
The American reading is the CMU variant nearest to espeak-ng's en-us reading of the
phrase, or that reading itself where CMU has a single variant (or, for a respelling, none
close to it). Words whose every role
reads as the dictionary's own entry are left out.

The engine picks a role from the neighbouring words (after "the" a noun, after "to" a
verb, after "have" a past participle, after "is" or "very" an adjective, "used" before
"to", before a noun it describes the before-noun reading where there is one); when they do
not decide, the dictionary's own entry stands."""
import argparse
import ctypes
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from dictgen import american, british, phonology, sources   # noqa: E402
from dictgen.espeak import CHARS_UTF8, SEPARATOR, Espeak      # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# table, its dictionary (generated first, by tools/generate_dictionaries.py), variant
OUTPUTS = (('velmor_eng_transcription-homographs.txt', 'velmor_eng_transcription.txt', 'british'),
           ('american_transcription-abridged-homographs.txt',
            'american_transcription-abridged.txt', 'american'))

NOUN, VERB, PAST, ADJECTIVE, BEFORE_TO = 'noun', 'verb', 'past', 'adjective', 'before-to'
# Before a noun it describes, where that differs from the noun's own reading: "lead pipes".
BEFORE_NOUN = 'before-noun'

# word -> {role: phrase}; "{}" stands for the word, "=x" reads the respelling x instead.
NOUN_VERB = {NOUN: 'the {}', VERB: 'to {}'}
HOMOGRAPHS = {
    'read': {VERB: 'to {}', PAST: 'have {}'},
    'live': {VERB: 'to {}', ADJECTIVE: 'a {} show'},
    'lead': {VERB: 'to {}', NOUN: 'the {}', BEFORE_NOUN: '=led'},
    'wind': NOUN_VERB,
    'close': {VERB: 'to {}', ADJECTIVE: 'very {}'},
    'use': NOUN_VERB,
    'used': {PAST: 'have {}', BEFORE_TO: '=yoost'},
    'excuse': {NOUN: 'an {}', VERB: '=excuze'},
    'house': NOUN_VERB,
    'refuse': NOUN_VERB,
    'record': NOUN_VERB,
    'present': {NOUN: 'the {}', VERB: 'to {}', ADJECTIVE: 'is {}'},
    'object': NOUN_VERB,
    'permit': {NOUN: 'a {}', VERB: 'to {}'},
    'produce': NOUN_VERB,
    'project': NOUN_VERB,
    'content': {NOUN: 'the {}', ADJECTIVE: 'is {}'},
    'minute': {NOUN: 'a {}', ADJECTIVE: '=my-newt'},
    'wound': {NOUN: 'the {}', PAST: '=wownd'},
    'tear': {NOUN: 'a {}', VERB: 'to {}'},
    'bow': {NOUN: 'a {}', VERB: 'to {}'},
    'does': {VERB: 'it {}', NOUN: '=doze'},
    'desert': NOUN_VERB,
    'conduct': NOUN_VERB,
    'conflict': NOUN_VERB,
    'contract': NOUN_VERB,
    'contrast': NOUN_VERB,
    'convert': NOUN_VERB,
    'convict': NOUN_VERB,
    'decrease': NOUN_VERB,
    'increase': NOUN_VERB,
    'export': NOUN_VERB,
    'import': NOUN_VERB,
    'insult': NOUN_VERB,
    'progress': NOUN_VERB,
    'protest': NOUN_VERB,
    'rebel': NOUN_VERB,
    'subject': NOUN_VERB,
    'suspect': NOUN_VERB,
    'transport': NOUN_VERB,
    'survey': NOUN_VERB,
    'extract': NOUN_VERB,
    'combat': NOUN_VERB,
    'compound': NOUN_VERB,
    'contest': NOUN_VERB,
    'digest': NOUN_VERB,
    'refund': NOUN_VERB,
    'reject': NOUN_VERB,
    'upset': NOUN_VERB,
    'perfect': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'separate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'estimate': NOUN_VERB,
    'graduate': NOUN_VERB,
    'associate': NOUN_VERB,
    'advocate': NOUN_VERB,
    'duplicate': NOUN_VERB,
    'moderate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'deliberate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'appropriate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'approximate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'elaborate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'intimate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'alternate': {ADJECTIVE: 'is {}', VERB: 'to {}'},
    'lives': {NOUN: 'the {}', VERB: 'he {}'},
}
# Plurals that are also a verb's third person: the noun after a determiner, the verb after
# he, she or it or before its object. Left out: those espeak-ng reads alike in both roles
# (advocates, associates, decreases, insults, transports), where its one reading would
# replace the dictionary's better one.
PLURAL_VERB = {NOUN: 'the {}', VERB: 'he {}'}
for _word in ('records', 'presents', 'objects', 'permits', 'projects', 'conducts', 'conflicts',
              'contracts', 'contrasts', 'converts', 'convicts', 'increases', 'exports', 'imports',
              'protests', 'rebels', 'subjects', 'suspects', 'surveys', 'extracts', 'refunds',
              'rejects', 'uses', 'excuses', 'tears', 'leads', 'winds', 'produces', 'refuses',
              'estimates', 'graduates', 'digests', 'contests', 'upsets'):
    HOMOGRAPHS[_word] = PLURAL_VERB


def phrase_words(engine, text):
    """espeak's tokens for each word of a phrase."""
    buf = ctypes.c_char_p(text.encode('utf-8'))
    ptr = ctypes.cast(ctypes.pointer(buf), ctypes.POINTER(ctypes.c_char_p))
    words = []
    while ptr.contents.value:
        out = engine.lib.espeak_TextToPhonemes(ptr, CHARS_UTF8, ord(SEPARATOR) << 8)
        if out:
            words += [[t for t in w.split(SEPARATOR) if t] for w in out.decode().split(' ') if w]
    return words


def role_tokens(engine, word, phrase):
    """espeak's tokens for `word` in the role that `phrase` gives it."""
    if phrase.startswith('='):
        return engine.phonemes(phrase[1:])
    before = phrase.split('{}')[0].split()
    return phrase_words(engine, phrase.format(word))[len(before)]


def british_code(engine, word, phrase):
    phones = british.from_espeak(role_tokens(engine, word, phrase), word)
    for rule in british.CORRECTIONS:
        phones = rule(word, phones)
    return phonology.to_code(phones)


def american_code(engine, cmu, word, phrase):
    heard = phonology.to_code(american.from_espeak(role_tokens(engine, word, phrase)))
    variants = cmu.get(word, [])
    if len(variants) < 2:
        return heard
    codes = []
    for arpabet in variants:
        phones = american.from_cmu(arpabet)
        for rule in american.CORRECTIONS:
            phones = rule(word, phones)
        codes.append(phonology.to_code(phones))
    best = nearest(codes, heard)
    # A respelling stands for a reading the sources lack: CMU's nearest variant is then
    # another word's reading unless it is nearly the same.
    if phrase.startswith('=') and distance(best, heard) > 1:
        return heard
    return best


def nearest(codes, heard):
    """The code nearest to `heard`, where the stress falls first and the sounds after."""
    return min(codes, key=lambda code: distance(stress_shape(code), stress_shape(heard)) * 100 +
               distance(code, heard))


def stress_shape(code):
    """Where the primary stress falls, in vowels before it: what tells the noun 'record
    from the verb re'cord even where the vowels differ between the sources."""
    head = code.split("'")[0] if "'" in code else code
    return str(sum(1 for c in head if c in 'IexPAuqiJRLHEOoa'))


def distance(a, b):
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, cb in enumerate(b, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (ca != cb))
    return row[-1]


def dictionary_entries(path, words):
    entries = {}
    with open(path, encoding='ascii') as f:
        for line in f:
            _, word, code = line.rstrip('\n').split('\t')
            if word in words:
                entries[word] = code
    return entries


def table(readings, dictionary):
    """The lines of one table, words in alphabetical order, roles in the order given. A
    word whose roles all read as its dictionary entry is left out."""
    lines = []
    for word in sorted(readings):
        roles = readings[word]
        if set(roles.values()) == {dictionary.get(word)}:
            continue
        for role, code in roles.items():
            bad = set(code) - phonology.CODE_ALPHABET
            if bad or not code:
                raise SystemExit(f'{word} ({role}): reading {code!r} outside the phonetic code')
            lines.append(f'{word}\t{role}\t{code}\n')
    return lines


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--out', default=os.path.join(ROOT, 'data'))
    ap.add_argument('--cache', default=os.path.join(ROOT, 'tools', 'cache'))
    a = ap.parse_args()
    cmu = sources.load_cmu(a.cache)
    british_engine = Espeak('en-gb-x-rp')
    readings = {'british': {}, 'american': {}}
    for word, roles in HOMOGRAPHS.items():
        readings['british'][word] = {r: british_code(british_engine, word, p)
                                     for r, p in roles.items()}
    american_engine = Espeak('en-us')
    for word, roles in HOMOGRAPHS.items():
        readings['american'][word] = {r: american_code(american_engine, cmu, word, p)
                                      for r, p in roles.items()}
    header = ('# Generated by tools/generate_homographs.py from espeak-ng {} and the CMU '
              'Pronouncing Dictionary {}; do not edit.\n# word TAB role TAB reading\n')
    for name, dictionary, variant in OUTPUTS:
        entries = dictionary_entries(os.path.join(a.out, dictionary), HOMOGRAPHS)
        lines = table(readings[variant], entries)
        with open(os.path.join(a.out, name), 'w', encoding='ascii', newline='\n') as f:
            f.write(header.format(british_engine.version, sources.CMU_VERSION))
            f.writelines(lines)
        print(f'{name}: {len(lines)} readings', file=sys.stderr)


if __name__ == '__main__':
    main()
