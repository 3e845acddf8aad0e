"""American English from the CMU Pronouncing Dictionary: ARPAbet mapped to the phonetic
code with the rhotic vowels of learner dictionaries, and CMU's unstressed full vowels
reduced where English reduces them."""

import re

from .phonology import is_vowel

CONSONANTS = {
    'P': 'p', 'B': 'b', 'T': 't', 'D': 'd', 'K': 'k', 'G': 'g', 'F': 'f', 'V': 'v', 'TH': 'T',
    'DH': 'D', 'S': 's', 'Z': 'z', 'SH': 'S', 'ZH': 'Z', 'HH': 'h', 'CH': 'C', 'JH': 'G',
    'M': 'm', 'N': 'n', 'NG': 'N', 'W': 'w', 'L': 'l', 'R': 'r', 'Y': 'j',
}
# stressed / unstressed code of each vowel
VOWELS = {
    'AA': ('R', 'R'), 'AE': ('x', 'x'), 'AH': ('A', 'q'), 'AO': ('L', 'L'), 'AW': ('au', 'au'),
    'AY': ('aI', 'aI'), 'EH': ('e', 'e'), 'ER': ('E:', 'q'), 'EY': ('eI', 'eI'), 'IH': ('I', 'I'),
    'IY': ('J', 'i'), 'OW': ('ou', 'ou'), 'OY': ('OI', 'OI'), 'UH': ('u', 'u'), 'UW': ('H', 'u'),
}
# vowel before an r that ends its syllable -> the r-coloured vowel's first part
R_COLOURED = {'IH': 'I', 'IY': 'I', 'EH': 'e', 'EY': 'e', 'AE': 'e', 'UH': 'u', 'UW': 'u',
              'AA': 'R', 'AO': 'L', 'OW': 'L'}


def from_cmu(arpabet):
    """CMU phones (e.g. ['W', 'AO1', 'T', 'ER0']) -> phonology pairs."""
    phones = []
    n = len(arpabet)
    for i, ph in enumerate(arpabet):
        base, digit = ph.rstrip('012'), ph[len(ph.rstrip('012')):]
        if base in CONSONANTS:
            phones.append((CONSONANTS[base], None))
            continue
        stress = {'1': 1, '2': 2}.get(digit, 0)
        nxt = arpabet[i + 1] if i + 1 < n else None
        after = arpabet[i + 2].rstrip('012') if i + 2 < n else None
        if base == 'ER':
            phones += [('E:' if stress else 'q', stress), ('r', None)]
        elif nxt == 'R' and base in R_COLOURED and (after is None or after not in VOWELS):
            phones.append((R_COLOURED[base], stress))
        elif nxt == 'R' and base == 'IY' and stress:
            phones.append(('I', stress))     # NEAR before a vowel: ˈhɪrɪŋ, ˈsɪriəs
        else:
            code = VOWELS[base][0 if stress else 1]
            if base == 'UW' and not stress and i == n - 1:
                code = 'H'      # a final unstressed GOOSE keeps its length (ˈvæljuː)
            phones.append((code, stress))
    return phones


def is_weak(arpabet):
    """A pronunciation whose only vowel is a reduced one (a weak form such as AH0 N D)."""
    vowels = [p for p in arpabet if p[-1] in '012']
    return len(vowels) == 1 and vowels[0] in ('AH0', 'IH0', 'ER0', 'UH0')


def choose(variants):
    """The citation form among CMU's variants: the first one, unless it is a weak form of
    a one-syllable word and a strong one exists."""
    pick = next((v for v in variants if not is_weak(v)), variants[0])
    same = [v for v in variants if _stress_pattern(v) == _stress_pattern(pick)]
    pick = min(same, key=_full_unstressed)
    # a variant with D where another has T is the flapped t of fast speech (thirty
    # TH ER1 D IY2 before TH ER1 T IY2): the phonemic form keeps the t
    unflapped = [v for v in variants if len(v) == len(pick) and v != pick and all(
        a == b or (a, b) == ('D', 'T') for a, b in zip(pick, v))]
    return unflapped[0] if unflapped else pick


def _stress_pattern(arpabet):
    return [p[-1] == '1' for p in arpabet if p[-1] in '012']


# EH0 is left out: CMU writes it in the prefixes em-, en-, ex-, where the variants
# differ in the full vowel the citation form keeps (emˈplɔɪi) and weak_prefix reduces ex-
FULL = ('AE', 'AA', 'AO', 'EY', 'OW', 'AW', 'AY', 'OY')


def _full_unstressed(arpabet):
    """CMU's variants often differ only in whether an unstressed vowel is reduced
    (AE0 K S EH1 P T, AH0 K S EH1 P T); citation forms reduce it before the last syllable."""
    vowels = [p for p in arpabet if p[-1] in '012']
    # a final syllable keeps its full vowel (ˈpedəˌfaɪl, piˈænoʊ)
    return sum(1 for p in vowels[:-1] if p[-1] == '0' and p[:-1] in FULL)


# ---------------------------------------------------------------------------------------
# Reductions and citation-form corrections of CMU's vowels, in order; docs/dictionaries.md
# gives the measured effect of each.
from .spelling import align   # noqa: E402



def _vowels(phones):
    return [i for i, (_, s) in enumerate(phones) if s is not None]


def _suffix_after(word, tail):
    """What follows the last occurrence of 'e' + tail in the word."""
    at = word.rfind('e' + tail)
    return word[at + 1 + len(tail):] if at >= 0 else None


def spelled_kit(word, phones):
    """CMU writes most unstressed vowels as schwa; spelled i (not in -ible, -ity, -ily), e in the final
    -ed, -es, -est, -et, -ess, and a in -age, they are ɪ in citation forms (ˈmɑrkɪt,
    ˈnidɪd, ˈæplɪˌkeɪʃn, ˈpækɪdʒ)."""
    groups = align(word, phones)
    if groups is None:
        return phones
    out = list(phones)
    idx = _vowels(phones)
    for k, (i, (letters, tail)) in enumerate(zip(idx, groups)):
        p, s = phones[i]
        if p != 'q' or s != 0 or (i + 1 < len(phones) and phones[i + 1][0] == 'r'):
            continue
        last = k == len(idx) - 1
        if last and i + 1 < len(phones) and phones[i + 1][0] == 'l':
            continue    # a syllabic l (ˈɑrtɪkəlz, ˈdevəl)
        # -ity and -ily keep their schwa (kəˈmjunəti, ˈizəli)
        ity = tail in ('t', 'l') and k + 1 < len(groups) and groups[k + 1] == ('y', '')
        if letters == 'i' and not tail.startswith('bl') and not ity:
            out[i] = ('I', 0)
        elif letters == 'e' and tail in ('d', 's', 'st', 't', 'ts', 'ss', 'sts', 'ds') and (
                k > 0 and groups[k - 1][1]) and (
                last or _suffix_after(word, tail) in ('ing', 'ed', 'ly', 'ness', 'er')):
            out[i] = ('I', 0)
        elif letters == 'a' and tail.startswith('ge') or (
                letters == 'a' and tail == 'g' and k + 1 < len(groups)
                and groups[k + 1][0] == 'e' and groups[k + 1][1] in ('', 's', 'd')):
            out[i] = ('I', 0)
    return out


def weak_prefix(word, phones):
    """The unstressed prefixes re-, de-, pre-, be-, e-, ex- have ɪ (rɪˈsiv, dɪˈbeɪt,
    ɪkˈstrim); an unstressed pro- before the stress is prə-."""
    idx = _vowels(phones)
    if len(idx) < 2:
        return phones
    first = idx[0]
    p, s = phones[first]
    # a secondary stress on the prefix right before the main stress is CMU's habit for
    # the full vowel in careful speech (ˌriˈkwaɪər); citation forms reduce it
    if s == 2 and not (phones[idx[1]][1] == 1 and p == 'J' and re.match(r'(re|de|pre|be)[^aeiou]', word)):
        return phones
    if s == 1:
        return phones
    out = list(phones)
    # ber-, der- before a consonant are CMU's ER, a schwa with its r (bərˈnɑrd); before a
    # vowel the r begins the next syllable and the prefix is weak (bɪˈreft)
    er = phones[first + 1:first + 2] == [('r', None)] and (
        first + 2 < len(phones) and phones[first + 2][1] is None)
    if re.match(r'(re|de|pre|be)[^aeiou]|ex|e[^aeiou][aeiou]', word) and p in ('q', 'i', 'e', 'J') \
            and not er:
        out[first] = ('I', 0)
    elif word.startswith('pro') and p == 'ou' and phones[idx[1]][1] == 1:
        out[first] = ('q', 0)
    return out


def gliding_u(word, phones):
    """Unstressed GOOSE is spoken long before a vowel and written as such (ˈæktʃuəl); CMU's
    'AH0 W AH0' for the letters ua/uo is that sequence."""
    out = []
    i = 0
    while i < len(phones):
        if (phones[i] == ('q', 0) and i + 2 < len(phones) and phones[i + 1][0] == 'w'
                and phones[i + 2] == ('q', 0) and re.search(r'u[aoe]', word)):
            out += [('H', 0), ('q', 0)]
            i += 3
            continue
        out.append(phones[i])
        i += 1
    return [('H', 0) if (p == 'u' and s == 0) else (p, s) for p, s in out]


def thought_spelling(word, phones):
    """CMU often gives the merged LOT vowel to THOUGHT words spelled au, aw, augh, ough or
    al before a consonant (kɔz, bɔt, ˈfɔlɪŋ), and to CLOTH words; learner dictionaries keep
    THOUGHT."""
    groups = align(word, phones)
    if groups is None:
        return phones
    out = list(phones)
    for i, (letters, tail) in zip(_vowels(phones), groups):
        if phones[i][0] != 'R' or phones[i][1] == 0:
            continue
        rest = word[word.find(letters + tail) + len(letters + tail):] if letters + tail in word else None
        if letters in ('au', 'aw', 'ou') and (letters != 'ou' or tail.startswith('gh')) \
                or (letters == 'a' and re.match(r'l(l|k|t|d|s)', tail)) \
                or (letters == 'o' and (tail in CLOTH_TAILS or tail[-1:] == 's' and tail[:-1] in CLOTH_TAILS)
                    and rest in ('', 's', 'ing', 'er', 'en', 'ed', 'y', 'ly') and cloth_consonant(phones, i)):
            out[i] = ('L', phones[i][1])
    return out


def cloth_consonant(phones, i):
    """CLOTH is LOT before a voiceless fricative, ŋ or g: th is θ in cloth but ð in
    bother, which keeps LOT."""
    return i + 1 < len(phones) and phones[i + 1][0] in ('f', 'T', 's', 'N', 'g')


# LOT before these spellings is the THOUGHT vowel in American citation forms (dɔɡ, kɔst,
# sɔft, lɔŋ, ˈɔfən)
CLOTH_TAILS = {'f', 'ff', 'ft', 's', 'ss', 'st', 'th', 'ng', 'g'}


def final_schwa(word, phones):
    """A final unstressed -a after a consonant is schwa (ˈæfrɪkə, ˈsoʊdə); CMU writes
    a full ɑ in many of them."""
    if re.search(r'[^aeiou]a$', word) and len(phones) > 2 and phones[-1] == ('R', 0) \
            and phones[-2][1] is None:
        return phones[:-1] + [('q', 0)]
    return phones


def final_happy(word, phones):
    """A final -y, -ie, -ey, -i (also before -s, -'s, -ies, -ied) is the unstressed happY
    vowel: CMU's secondary stress on it (ˈkʌmpəˌniː, ˈprɑːbəˌbliː) is no stress a learner
    hears in company or probably, and espeak-ng's short ɪ in -ies, -y's (ˈbɛlɪz) is the
    same vowel."""
    if not re.search(r"..(y|ie|ey|i)('?s|s'|'|es)?$|..(ie|ye)d$", word):
        return phones
    idx = _vowels(phones)
    if len(idx) < 2:
        return phones
    last = idx[-1]
    p, s = phones[last]
    after = [q for q, _ in phones[last + 1:]]
    short = p == 'I' and s == 0 and re.search(r"[^aeiou](y|ie|ey)('?s|s'|'|es)?$|[^aeiou](ie|ye)d$", word)
    if (p == 'J' and s != 1 or short) and after in ([], ['z'], ['d']):
        out = list(phones)
        out[last] = ('i', 0)
        return out
    return phones


# suffixes that are never stressed, and the weak vowel each has in this dictionary
WEAK_SUFFIX = re.compile(r"(ness|less|ful|some)(es|'s|s|')?$")
WEAK_VOWEL = {'ness': 'I', 'less': 'I', 'ful': 'u', 'some': 'q'}
KIT_SUFFIX = re.compile(r"(ist|ive|ish|ic|id|is|in|[^h]ing)(s|'s|s'|es|')?$")


def weak_suffix(word, phones):
    """-ness, -less, -ful, -some and, after the main stress, -ist, -ive, -ish, -ic, -ing are
    unstressed (ˈæŋɡrinɪs, ˈhændfʊl, ˈæktɪvɪst, ˈæblətɪv); CMU gives them a secondary
    stress, and -ness, -less, -ful with it their full vowels."""
    idx = _vowels(phones)
    if len(idx) < 2 or not any(phones[i][1] == 1 for i in idx[:-1]):
        return phones
    last = idx[-1]
    p, s = phones[last]
    if s != 2:
        return phones
    out = list(phones)
    weak = WEAK_SUFFIX.search(word)
    if weak and p in ('e', 'A', 'q', 'I', 'u'):
        # a long vowel is no suffix: chromosome ends in Greek -soma (ˈkroʊməˌsoʊm)
        out[last] = (WEAK_VOWEL[weak.group(1)], 0)
    elif KIT_SUFFIX.search(word) and p == 'I':
        out[last] = ('I', 0)
    return out


def letter_e_compound(word, phones, rest, stem=None):
    """e- before a word of one syllable is the letter's name, stressed: email ˈiːmeɪl
    (CMU's IY0 M EY1 L reads it as the prefix of «emit»); rest is the pronunciation of
    the word without its e, if it is one, and stem that word without an ending (mailing:
    mail). Returns None where the rule does not apply; phones are CMU's, uncorrected, since
    the corrections make the prefix ɪ."""
    if not word.startswith('e') or rest is None or len(_vowels(stem or rest)) != 1:
        return None
    if phones[:1] not in ([('J', 0)], [('i', 0)]) or \
            [p for p, _ in phones[1:]] != [p for p, _ in rest]:
        return None
    return [('J', 1)] + [(p, 0 if s is not None else None) for p, s in phones[1:]]


def ordinal_ieth(word, phones):
    """The ordinal ending -ieth is iəθ (ˈtwentiəθ); CMU gives some of them iɪθ."""
    if word.endswith('ieth') and len(phones) > 3 and phones[-3:] == [('i', 0), ('I', 0), ('T', None)]:
        return phones[:-2] + [('q', 0), ('T', None)]
    return phones


CORRECTIONS = [spelled_kit, weak_prefix, gliding_u, thought_spelling, final_schwa,
               final_happy, weak_suffix, ordinal_ieth]
# the corrections that hold for espeak-ng's en-us readings of the words CMU lacks as well
ESPEAK_CORRECTIONS = [final_happy, weak_suffix]


# ---------------------------------------------------------------------------------------
# Words the CMU dictionary lacks (mostly from the British word lists) come from espeak-ng's
# en-us voice; its r-coloured vowels are single phonemes that take their r here.
ESPEAK_US = {
    'p': 'p', 'b': 'b', 't': 't', 't#': 't', 't2': 't', 'd': 'd', 'k': 'k', 'g': 'g', 'f': 'f',
    'v': 'v', 'T': 'T', 'D': 'D', 's': 's', 'z': 'z', 'S': 'S', 'Z': 'Z', 'h': 'h', 'tS': 'C',
    'dZ': 'G', 'm': 'm', 'n': 'n', 'n-': 'n', 'm-': 'm', 'N': 'N', 'w': 'w', 'l': 'l',
    'l#': 'l', 'r': 'r', 'r-': 'r', 'j': 'j', 'x': 'k', 'C': 'k', '?': 't',
    'I': 'I', 'I2': 'I', 'I#': 'I', 'i': 'i', 'i:': 'J', 'i::': 'J', 'E': 'e', 'e': 'e',
    'a': 'x', 'aa': 'x', 'a#': 'q', '0': 'R', 'O': 'L', 'O2': 'L', 'V': 'A', 'U': 'u',
    'u': 'u', 'u:': 'H', '@': 'q', '@2': 'q', '@5': 'q', 'A:': 'R', 'O:': 'L', 'eI': 'eI',
    'aI': 'aI', 'OI': 'OI', 'oU': 'ou', 'o': 'ou', 'aU': 'au',
    'O~': 'R', 'A~': 'R', 'e~': 'R', 'a~': 'x', 'U~': 'A',
}
# r-coloured phonemes: vowel parts, then an r unless one follows anyway
ESPEAK_US_R = {
    '3:': ['E:'], '3': ['q'], 'i@3': ['I'], 'e@': ['e'], 'U@': ['u'], 'A@': ['R'],
    'O@': ['L'], 'o@': ['L'], 'aI3': ['aI', 'q'], 'aI@': ['aI', 'q'],
}
ESPEAK_US_SPLIT = {'i@': ['i', 'q'], '@L': ['q', 'l'], '@-': []}
ESPEAK_IGNORED = {';', '_', '_!', '_:', '%', '=', ''}
# A stressed vowel is never schwa: the voice's stressed central vowels are STRUT, NURSE
# and TRAP (adversity ədˈvɜːrsəti, not -ˈvər-)
STRESSED_CENTRAL = {'@': 'A', '@2': 'A', '3': 'E:', 'a#': 'x'}


class UnknownPhoneme(Exception):
    pass


def from_espeak(tokens):
    """espeak en-us tokens (stress marks attached) -> phonology pairs."""
    phones = []
    for k, tok in enumerate(tokens):
        stress = 0
        while tok and tok[0] in "',%=":
            stress = {"'": 1, ',': 2}.get(tok[0], stress)
            tok = tok[1:]
        if tok in ESPEAK_IGNORED:
            continue
        if stress and tok in STRESSED_CENTRAL:
            phones.append((STRESSED_CENTRAL[tok], stress))
            if tok == '3' and not (k + 1 < len(tokens) and tokens[k + 1].lstrip("',%=") in ('r', 'r-')):
                phones.append(('r', None))
            continue
        if tok in ESPEAK_US_R:
            parts = ESPEAK_US_R[tok]
            phones += [(parts[0], stress)] + [(p, 0) for p in parts[1:]]
            nxt = tokens[k + 1].lstrip("',%=") if k + 1 < len(tokens) else ''
            if nxt not in ('r', 'r-'):
                phones.append(('r', None))
            continue
        if tok in ESPEAK_US_SPLIT:
            parts = ESPEAK_US_SPLIT[tok]
            phones += [(p, stress if n == 0 else 0) if is_vowel(p) else (p, None)
                       for n, p in enumerate(parts)]
            continue
        if tok not in ESPEAK_US:
            raise UnknownPhoneme(tok)
        code = ESPEAK_US[tok]
        phones.append((code, stress) if is_vowel(code) else (code, None))
    return phones
