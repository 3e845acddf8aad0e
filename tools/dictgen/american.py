"""American English from the CMU Pronouncing Dictionary: ARPAbet mapped to the phonetic
code with the rhotic vowels of learner dictionaries, and CMU's unstressed full vowels
reduced where English reduces them."""

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
    for v in variants:
        if not is_weak(v):
            return v
    return variants[0]
