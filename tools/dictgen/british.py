"""British RP from espeak-ng's en-gb-x-rp voice: its phoneme mnemonics mapped to the
phonetic code, then general corrections of the voice's systematic departures from the
citation forms of learner dictionaries."""
import re

# espeak mnemonic -> phonetic code (vowels are recognised by phonology.VOWELS)
ESPEAK_RP = {
    'p': 'p', 'b': 'b', 't': 't', 'd': 'd', 'k': 'k', 'g': 'g', 'f': 'f', 'v': 'v', 'T': 'T',
    'D': 'D', 's': 's', 'z': 'z', 'S': 'S', 'Z': 'Z', 'h': 'h', 'tS': 'C', 'dZ': 'G', 'm': 'm',
    'n': 'n', 'N': 'N', 'w': 'w', 'l': 'l', 'l#': 'l', 'n-': 'n', 'm-': 'm', 'r': 'r', 'r-': 'r', 'j': 'j',
    'x': 'k', 'C': 'k', '?': 't',
    'I': 'I', 'I2': 'I', 'I#': 'I', 'i': 'i', 'i:': 'J', 'i::': 'J', 'E': 'e', 'e': 'e',
    'a': 'x', 'aa': 'R', 'a#': 'q', '0': 'P', 'O': 'P', 'V': 'A', 'U': 'u', 'u': 'u', 'u:': 'H',
    '@': 'q', '@2': 'q', '@5': 'q', '3': 'q', '3:': 'E:', 'A:': 'R', 'O:': 'L', 'O@': 'L',
    'A@': 'R', 'eI': 'eI', 'aI': 'aI', 'OI': 'OI', 'oU': 'qu', 'o': 'qu', 'aU': 'au',
    'i@': 'Iq', 'I@': 'Iq', 'i@3': 'Iq', 'e@': 'eq', 'U@': 'uq', 'aI@': 'aIq', 'aU@': 'auq',
    'O~': 'P', 'A~': 'P', 'e~': 'P', 'a~': 'x', 'U~': 'A',
}
# a syllabic l is written with its schwa, as learner dictionaries that show it do
SYLLABIC = {'@L': [('q', 0), ('l', None)], '@-': [('q', 0)]}
IGNORED = {';', '_', '_!', '_:', '%', '=', ''}
# A stressed vowel is never schwa: the voice's stressed central vowels are STRUT, NURSE
# and TRAP (adversity ədˈvɜːsəti)
STRESSED_CENTRAL = {'@': 'A', '@2': 'A', '3': 'E:', 'a#': 'x'}


class UnknownPhoneme(Exception):
    pass


def _vowel_token(tok):
    from .phonology import is_vowel
    tok = tok.lstrip("',%=")
    return tok in SYLLABIC or is_vowel(ESPEAK_RP.get(tok, ''))


def from_espeak(tokens, word=''):
    """espeak tokens (stress marks attached) -> phonology pairs; the spelling, when given,
    decides the syllabic l."""
    from .phonology import is_vowel
    phones = []
    for k, tok in enumerate(tokens):
        stress = 0
        while tok and tok[0] in "',%=":
            stress = {"'": 1, ',': 2}.get(tok[0], stress)
            tok = tok[1:]
        if tok in IGNORED:
            continue
        if tok in SYLLABIC:
            if tok == '@L' and k + 1 < len(tokens) and _vowel_token(tokens[k + 1]) \
                    and re.search(r'[^aeiouyl]l(ing|ings|er|ers|y)$', word):
                # the -le of settle, wrestle before a vowel ending begins the next
                # syllable (ˈsetlɪŋ, ˈreslɪŋ); written -al it keeps its schwa (ˈfaɪnəli)
                phones.append(('l', None))
                continue
            phones += SYLLABIC[tok]
            continue
        if tok not in ESPEAK_RP:
            raise UnknownPhoneme(tok)
        code = STRESSED_CENTRAL[tok] if stress and tok in STRESSED_CENTRAL else ESPEAK_RP[tok]
        phones.append((code, stress) if is_vowel(code) else (code, None))
    return phones


# ---------------------------------------------------------------------------------------
# Corrections. Each takes the spelling and the phoneme pairs and returns new pairs; they
# run in the order of CORRECTIONS. docs/dictionaries.md gives the measured effect of each.

def _stressed(phones, i):
    return phones[i][1] in (1, 2)


def _next_vowel(phones, i):
    for j in range(i + 1, len(phones)):
        if phones[j][1] is not None:
            return j
    return None


def nasal_before_stress(word, phones):
    """The voice assimilates n to ng before k/g even across a boundary into a stressed
    syllable (in'clude, un'clear, con'gressional), where citation forms keep n."""
    if not any(s in word for s in ('nc', 'nk', 'ng', 'nq', 'nx')):
        return phones
    out = list(phones)
    for i, (p, s) in enumerate(phones):
        if p == 'N' and i + 1 < len(phones) and phones[i + 1][0] in ('k', 'g') and i > 0:
            j = _next_vowel(phones, i)
            # only at a syllable boundary: the k/g must begin the next syllable's onset
            if j is not None and phones[j][1] == 1 and all(
                    q in ('k', 'g', 'r', 'l', 'w', 'j') for q, _ in phones[i + 1:j]):
                out[i] = ('n', None)
    return out


def voiceless_past(word, phones):
    """-ed after a voiceless sound is t, never d (the voice says feIsd for 'faced')."""
    if word.endswith('ed') and len(phones) >= 2 and phones[-1][0] == 'd' \
            and phones[-2][0] in ('p', 'k', 'f', 'T', 's', 'S', 'C'):
        return phones[:-1] + [('t', None)]
    return phones


def weak_goose(word, phones):
    """Unstressed GOOSE after j, ʃ, ʒ, tʃ or dʒ inside a word, between two other syllables,
    is the short FOOT vowel in citation forms (ˈdepjʊti, ˌedʒʊˈkeɪʃn, ˌsɪtʃʊˈeɪʃn)."""
    idx = [i for i, (_, s) in enumerate(phones) if s is not None]
    out = list(phones)
    for k, i in enumerate(idx):
        if 0 < k < len(idx) - 1 and phones[i] == ('H', 0) and i > 0 \
                and phones[i - 1][0] in ('j', 'S', 'Z', 'C', 'G'):
            out[i] = ('u', 0)
    return out


def final_foot(word, phones):
    """A final unstressed FOOT vowel (ˈɪntʊ) is a long GOOSE vowel in citation form."""
    if phones and phones[-1] == ('u', 0) and len(phones) > 1:
        return phones[:-1] + [('H', 0)]
    return phones


def weak_strut(word, phones):
    """The suffix -some is unstressed schwa (ˈɡruːsəm), not the voice's STRUT."""
    if word.endswith(('some', 'somely', 'someness')) and len(word) > 6:
        for i in range(len(phones) - 1, -1, -1):
            if phones[i] == ('A', 0):
                return phones[:i] + [('q', 0)] + phones[i + 1:]
    return phones


def weak_nurse(word, phones):
    """Unstressed NURSE in a final syllable is schwa (ˈfræŋkfət, ˈædmərəl)."""
    return [('q', 0) if (p == 'E:' and s == 0) else (p, s) for p, s in phones]


def one_strut(word, phones):
    """'one' and its compounds have STRUT in RP; the voice gives LOT (wɒn)."""
    if 'one' not in word:
        return phones
    out = list(phones)
    for i in range(len(phones) - 2):
        if phones[i][0] == 'w' and phones[i + 1][0] == 'P' and phones[i + 2][0] == 'n':
            out[i + 1] = ('A', phones[i + 1][1])
    if word in ('none', 'nones') or word.startswith('nonethe'):
        if phones[0][0] == 'n' and phones[1][0] == 'P':
            out[1] = ('A', phones[1][1])
    return out


def weak_initial_dress(word, phones):
    """An unstressed e in a word's first syllable before a stressed one is ɪ in citation
    forms (ɪˈskeɪp, ɪnˈtaɪə)."""
    for i, (p, s) in enumerate(phones):
        if s is not None:
            if p == 'e' and s == 0 and word[:1] in 'e':
                j = _next_vowel(phones, i)
                if j is not None and phones[j][1] == 1:
                    out = list(phones)
                    out[i] = ('I', 0)
                    return out
            return phones
    return phones


def spelled_kit(word, phones):
    """A schwa spelled i is ɪ in RP citation forms (əˈbɪlɪti, ˈpɒsɪbl, ˈæplɪˌkeɪʃn), and
    so is one spelled e in final -ess, -est, -et, -ed, -es (not the -res, -les of fibres,
    settles)."""
    from .spelling import align
    groups = align(word, phones)
    if groups is None:
        return phones
    out = list(phones)
    idx = [i for i, (_, s) in enumerate(phones) if s is not None]
    for k, (i, (letters, tail)) in enumerate(zip(idx, groups)):
        last = k == len(idx) - 1
        if phones[i] != ('q', 0) or (i + 1 < len(phones) and phones[i + 1][0] in ('r', 'l') and last):
            continue
        # a final -ir, -yr, -ire is the lettER schwa (ˈmɑːtə, ˈwɪltʃə), not KIT
        if letters in ('i', 'y') and not tail.startswith('bl') and not (last and tail.startswith('r')):
            out[i] = ('I', 0)
        elif letters == 'e' and last and tail in ('ss', 'sses', 'st', 'sts', 't', 'ts', 'd', 's') \
                and not (tail in ('s', 'd') and re.search(r'[^aeiouy][lr]$', groups[k - 1][1] if k else '')):
            out[i] = ('I', 0)
        elif letters == 'a' and tail in ('te', 'tes', 'tely') and k > 0 and (last or word.endswith('ately')):
            out[i] = ('I', 0)
    return out


def dance_bath(word, phones):
    """-ance after a consonant has BATH in RP (ədˈvɑːns, ˈsɜːkəmstɑːns)."""
    if re.search(r'[^aeiou][aeiou]*[^aeiou]?ance(s|d|ment|ments)?$', word) or re.search(r'(adv|ch|gl|tr|fr|d|l|pr)anc', word):
        for i in range(len(phones) - 2, -1, -1):
            if phones[i][0] == 'x' and phones[i][1] and phones[i + 1][0] == 'n' and i + 2 < len(phones) and phones[i + 2][0] == 's':
                out = list(phones)
                out[i] = ('R', phones[i][1])
                return out
    return phones


def thought_al(word, phones):
    """a before l and a consonant is THOUGHT in RP (ˈɔːltə, əˈsɔːlt, ˈbɔːltɪk)."""
    from .spelling import align
    groups = align(word, phones)
    if groups is None:
        return phones
    out = list(phones)
    for i, (letters, tail) in zip([i for i, (_, s) in enumerate(phones) if s is not None], groups):
        if phones[i][0] == 'P' and letters in ('a', 'au') and re.match(r'l[tdkscm]|lt', tail) or (
                phones[i][0] == 'P' and letters == 'au'):
            out[i] = ('L', phones[i][1])
    return out


def shire(word, phones):
    """Counties in -shire end in an unstressed ʃə."""
    if word.endswith('shire') and len(word) > 6 and phones[-2:] == [('S', None), ('aIq', 0)]:
        return phones[:-1] + [('q', 0)]
    if word.endswith('shire') and len(word) > 6 and len(phones) > 2 and phones[-1][0] in ('q', 'aIq') and phones[-2][0] == 'aI':
        return phones[:-2] + [('q', 0)]
    return phones


def weak_men(word, phones):
    """Compounds in -man/-men have an unstressed schwa (ˈbɪznəsmən)."""
    if word.endswith(('men', 'man')) and len(phones) > 3 and phones[-3][0] == 'm' \
            and phones[-2][1] == 0 and phones[-2][0] in ('e', 'x') and phones[-1][0] == 'n':
        return phones[:-2] + [('q', 0), ('n', None)]
    return phones


def internal_happy(word, phones):
    """Inside a word the happY vowel before a consonant is ɪ (ˈæŋɡrɪli, ˈeniwʌn)."""
    out = list(phones)
    for i in range(len(phones) - 1):
        if phones[i] == ('i', 0) and phones[i + 1][1] is None:
            # the endings -ies, -ied keep the happY vowel of the word they inflect
            if i + 2 == len(phones) and phones[i + 1][0] in ('z', 'd') and word.endswith(('ies', 'ied')):
                continue
            out[i] = ('I', 0)
    return out


def velar_trap(word, phones):
    """BATH never comes before ŋ: the voice's ɑː in sanction, banker is TRAP."""
    out = list(phones)
    for i in range(len(phones) - 1):
        if phones[i][0] == 'R' and phones[i + 1][0] == 'N':
            out[i] = ('x', phones[i][1])
    return out


def ion_glide(word, phones):
    """-llion, -lliam, -lliant, -nion and -ailure end in jə after l or n (ˈmɪljən, ˈwɪljəm,
    əˈpɪnjən, ˈfeɪljə); the voice gives ɪə, or ɪ and ə."""
    if not re.search(r'(lli(on|an|am|ant|ance|ard)|nion|ailure)(s|ly)?$', word):
        return phones
    for i in range(len(phones) - 2, 0, -1):
        if phones[i][0] in ('l', 'n') and phones[i - 1][1] is not None:
            rest = phones[i + 1:]
            k = 1 if rest[:1] == [('Iq', 0)] else 2 if rest[:2] == [('I', 0), ('q', 0)] else 0
            if k:
                return phones[:i + 1] + [('j', None), ('q', 0)] + rest[k:]
    return phones


def weak_ature(word, phones):
    """The unstressed a of -ature is schwa (ˈlɪtrətʃə, ˈsɪɡnətʃə); the voice gives ɪ."""
    if re.search(r'[^aeiou]atures?$', word):
        for i in range(len(phones) - 2, 0, -1):
            if phones[i][0] == 'C':
                if phones[i - 1] == ('I', 0):
                    return phones[:i - 1] + [('q', 0)] + phones[i:]
                break
    return phones


def re_contraction(word, phones):
    """A pronoun's 're is no syllable of its own: they're is ðeə (the voice says ˈðeɪə)."""
    if word.endswith("'re") and len(phones) > 2 and phones[-2][0] == 'eI' \
            and phones[-1] == ('q', 0):
        return phones[:-2] + [('eq', phones[-2][1])]
    return phones


def final_happy(word, phones):
    """A final -y, -ie, -ey after a consonant, also before -s, -'s, -d, is the happY vowel,
    unstressed: the voice gives ɪ before an ending (ˈæbɪz for abbey's, where abbey is
    ˈæbi) and now and then a stressed iː."""
    if not re.search(r"[^aeiou](y|ie|ey)('?s|s'|'|es)?$|[^aeiou](ie|ye)d$", word):
        return phones
    idx = [i for i, (_, s) in enumerate(phones) if s is not None]
    if len(idx) < 2:
        return phones
    last = idx[-1]
    p, s = phones[last]
    after = [q for q, _ in phones[last + 1:]]
    if (p == 'I' and s == 0 or p == 'J' and s == 2) and after in ([], ['z'], ['d']):
        return phones[:last] + [('i', 0)] + phones[last + 1:]
    return phones


def weak_suffix(word, phones):
    """-ness, -less, -ful, -some and, after the main stress, -ist, -ive, -ish, -ic, -ing
    take no stress (ˈbʌðəsəm, ˈæktɪvɪst); the rule is the American file's."""
    from .american import weak_suffix as unstressed_suffix
    return unstressed_suffix(word, phones)


def rhotic_leftover(word, phones):
    """RP has no r after a vowel unless a vowel follows; the voice keeps some (ˈbɜːrstəʊn),
    and reads the h of a spelled rrh as a sound of its own (əˈrɪθmiə, not ərˈhɪθmiə); an
    r before j is left alone, as the voice uses it for an r that begins a syllable."""
    out = []
    for k, (p, s) in enumerate(phones):
        if p == 'h' and out and out[-1][0] == 'r' and 'rrh' in word:
            continue
        out.append((p, s))
    return [(p, s) for k, (p, s) in enumerate(out)
            if not (p == 'r' and k > 0 and out[k - 1][1] is not None
                    and (k + 1 == len(out) or out[k + 1][1] is None and out[k + 1][0] != 'j'))]


CORRECTIONS = [nasal_before_stress, voiceless_past, weak_goose, final_foot, weak_strut,
               one_strut, weak_initial_dress, ion_glide, spelled_kit,
               internal_happy, dance_bath, thought_al, shire, weak_men, velar_trap,
               weak_ature, re_contraction, final_happy, weak_suffix, rhotic_leftover]


def compound_happy(lexicon):
    """Compounds of a word in final -y keep its happY vowel (ˈevriθɪŋ, ˈenibɒdi), which
    the voice shortens to ɪ inside the compound."""
    for word, phones in lexicon.items():
        for cut in range(3, len(word) - 2):
            head, tail = word[:cut], word[cut:]
            if not head.endswith('y') or head not in lexicon or tail not in lexicon:
                continue
            hp = lexicon[head]
            if not hp or hp[-1] != ('i', 0) or len(phones) < len(hp):
                continue
            if [p for p, _ in phones[:len(hp) - 1]] == [p for p, _ in hp[:-1]] \
                    and phones[len(hp) - 1] == ('I', 0):
                lexicon[word] = phones[:len(hp) - 1] + [('i', 0)] + phones[len(hp):]
            break


def non_rhotic(phones):
    """RP keeps r only before a vowel."""
    return [(p, s) for k, (p, s) in enumerate(phones)
            if p != 'r' or (k + 1 < len(phones) and phones[k + 1][1] is not None)]
