"""Pronunciations as phoneme lists, and their spelling in the phonetic code with stress
marks at syllable starts.

A pronunciation is a list of (phoneme, stress) pairs: phoneme is its phonetic-code
spelling (one to three characters, e.g. 'p', 'eI', 'E:'), stress is 1 (primary), 2
(secondary) or 0 for vowels and None for consonants."""

VOWELS = {'I', 'e', 'x', 'P', 'A', 'u', 'q', 'i', 'J', 'R', 'L', 'H', 'E:', 'eI', 'aI', 'OI',
          'qu', 'au', 'Iq', 'eq', 'uq', 'ou', 'aIq', 'auq'}
CONSONANTS = set('pbtdkgfvTDszShCGmnNwlrjZ')

# Onsets that can begin an English syllable; a cluster between two vowels is split so that
# the following syllable takes the longest of them (the maximal-onset principle).
_TWO = ('pl pr pj bl br bj tr tj tw dr dj dw kl kr kj kw gl gr gj gw fl fr fj vj Tr Tj Tw '
        'sl sj sw sp st sk sm sn sf Sr Sm Sn mj nj lj hj vr')
_THREE = 'spl spr spj str stj skr skl skw skj'
ONSETS = ({c for c in CONSONANTS if c != 'N'} | set(_TWO.split()) | set(_THREE.split()))

# The code for every phoneme must come from the phonetic code's alphabet.
CODE_ALPHABET = set("pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"")


def is_vowel(phone):
    return phone in VOWELS


def onset_start(consonants):
    """Index into the consonant cluster where the next syllable's onset begins."""
    for start in range(len(consonants) + 1):
        rest = ''.join(consonants[start:])
        if rest == '' or rest in ONSETS:
            return start
    return len(consonants)


def normalise_stress(phones):
    """One primary stress in a word of two or more syllables; none in a one-syllable word."""
    vowels = [i for i, (p, s) in enumerate(phones) if s is not None]
    phones = list(phones)
    if len(vowels) <= 1:
        return [(p, 0 if s is not None else None) for p, s in phones]
    stresses = [phones[i][1] for i in vowels]
    if 1 not in stresses:
        pick = next((i for i in vowels if phones[i][1] == 2), None)
        if pick is None:
            pick = next((i for i in vowels if phones[i][0] not in ('q', 'I', 'i', 'u')), vowels[0])
        phones[pick] = (phones[pick][0], 1)
    elif stresses.count(1) > 1:
        # the last primary stress is the main one in compounds spelled as one word
        last = max(i for i in vowels if phones[i][1] == 1)
        phones = [(p, 2 if (s == 1 and i != last) else s) for i, (p, s) in enumerate(phones)]
    return phones


def to_code(phones):
    """The phonetic-code string of a pronunciation, stress marks before the onset."""
    phones = normalise_stress(phones)
    out = []
    cluster = []        # consonant phonemes since the last vowel
    seen_vowel = False
    for phone, stress in phones:
        if stress is None:
            cluster.append(phone)
            continue
        mark = {1: "'", 2: '"'}.get(stress, '')
        if not seen_vowel:
            out.append(mark + ''.join(cluster))
        else:
            k = onset_start(cluster)
            out.append(''.join(cluster[:k]) + mark + ''.join(cluster[k:]))
        out.append(phone)
        cluster = []
        seen_vowel = True
    out.append(''.join(cluster))
    return ''.join(out)


def syllable_count(phones):
    return sum(1 for _, s in phones if s is not None)
