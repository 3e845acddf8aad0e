"""Entries that the sources lack in the form the engine looks them up: citation forms of
the words the phrase rules depend on, contractions and possessives without their
apostrophe, hyphenated compounds joined, digit strings, and (American) British spellings."""
import re

# The phrase rules reduce exactly the pieces DJ and to before consonants; 'a' and 'an'
# are written in the weak form in which they are spoken in running text, since no rule
# reduces them.
CITATION = {
    'british': {'the': 'DJ', 'to': 'tu', 'a': 'q', 'an': 'qn', 'than': 'Dxn'},
    'american': {'the': 'DJ', 'to': 'tu', 'a': 'q', 'an': 'qn'},
}

# Archaic words whose spelling pasted text produces far more often as a contraction that
# lost its typographic apostrophe: «can’t» and «won’t» become 'cant' and 'wont'.
CONTRACTION_FIRST = {'cant': "can't", 'wont': "won't"}


def apostrophe_free(lexicon, english_words):
    """{word without apostrophes: phones} for keys with an apostrophe whose stripped
    spelling is not an English word of its own (dont, isnt, theyre, johns)."""
    out = {}
    for word in sorted(lexicon):
        if "'" not in word:
            continue
        bare = word.replace("'", '')
        if bare and bare not in english_words and bare not in lexicon and bare not in out:
            out[bare] = lexicon[word]
    for bare, full in CONTRACTION_FIRST.items():
        if full in lexicon:
            out[bare] = lexicon[full]
    return out


# --- numbers ---------------------------------------------------------------------------
ONES = ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight', 'nine', 'ten',
        'eleven', 'twelve', 'thirteen', 'fourteen', 'fifteen', 'sixteen', 'seventeen',
        'eighteen', 'nineteen']
TENS = ['', '', 'twenty', 'thirty', 'forty', 'fifty', 'sixty', 'seventy', 'eighty', 'ninety']


ORDINALS = {'one': 'first', 'two': 'second', 'three': 'third', 'five': 'fifth', 'eight': 'eighth',
            'nine': 'ninth', 'twelve': 'twelfth'}


def cardinal_words(n, variant='american'):
    if n < 20:
        return [ONES[n]]
    if n < 100:
        return [TENS[n // 10]] + ([ONES[n % 10]] if n % 10 else [])
    if n < 1000:
        rest = n % 100
        return [ONES[n // 100], 'hundred'] + (
            (['and'] if variant == 'british' else []) + cardinal_words(rest) if rest else [])
    if n % 1000 == 0 and n <= 10000:
        return cardinal_words(n // 1000) + ['thousand']
    raise ValueError(n)


def ordinal_words(n):
    """first, twenty-second, hundredth: the last word of the cardinal made ordinal."""
    words = cardinal_words(n)
    last = words[-1]
    if last in ORDINALS:
        last = ORDINALS[last]
    elif last.endswith('y'):
        last = last[:-1] + 'ieth'
    else:
        last = last + 'th'
    return words[:-1] + [last]


def ordinal_suffix(n):
    if n % 100 in (11, 12, 13):
        return 'th'
    return {1: 'st', 2: 'nd', 3: 'rd'}.get(n % 10, 'th')


def year_words(n, variant):
    """How a year from 1000 to 2099 is read: 1066 ten sixty-six, 1900 nineteen hundred,
    1905 nineteen oh five, 2000 two thousand, 2005 two thousand (and) five, 2019
    twenty nineteen."""
    hi, lo = divmod(n, 100)
    if n in (1000, 2000):
        return [ONES[hi // 10], 'thousand']
    if hi in (10, 20) and lo < 10:
        return [ONES[hi // 10], 'thousand'] + (['and'] if variant == 'british' else []) + [ONES[lo]]
    head = cardinal_words(hi)
    if lo == 0:
        return head + ['hundred']
    if lo < 10:
        return head + ['oh'] + [ONES[lo]]
    return head + cardinal_words(lo)


def join_words(parts):
    """One stress group from several words' phones: the last word carries the primary
    stress, earlier stressed syllables become secondary, and 'and' stays weak."""
    out = []
    for k, (word, phones) in enumerate(parts):
        last = k == len(parts) - 1
        if word == 'and':
            out += [('q', 0), ('n', None)]
            continue
        nvow = sum(1 for _, s in phones if s is not None)
        for p, s in phones:
            if s is None:
                out.append((p, s))
            elif nvow == 1:
                out.append((p, 1 if last else 2))
            elif s == 1 and not last:
                out.append((p, 2))
            else:
                out.append((p, s))
    return out


def digit_strings(lexicon, variant):
    """{digits: phones} for the cardinals 0-999 and the round thousands to 10000, the
    years 1000-2099, and the ordinals 1st-100th as normalisation leaves them."""
    out = {}
    def phones_of(words):
        return join_words([(w, lexicon[w]) for w in words])
    for n in list(range(0, 1000)) + list(range(3000, 10001, 1000)):
        out[str(n)] = phones_of(cardinal_words(n, variant))
    for n in range(1000, 2100):
        out[str(n)] = phones_of(year_words(n, variant))
    for n in range(1, 101):
        words = ordinal_words(n)
        if all(w in lexicon for w in words):
            out[f'{n}{ordinal_suffix(n)}'] = phones_of(words)
    return out


def dropped_g(lexicon):
    """-in' spellings of -ing words (puttin', nothin'): the -ing form with ɪn."""
    out = {}
    for word in sorted(lexicon):
        phones = lexicon[word]
        if word.endswith('ing') and len(word) > 4 and phones[-2:] == [('I', 0), ('N', None)]:
            key = word[:-1] + "'"
            if key not in lexicon:
                out[key] = phones[:-1] + [('n', None)]
    return out


# "a.m." reaches the dictionary as the respelling the engine gives it
RESPELLED = {'eyem': [('eI', 2), ('e', 1), ('m', None)]}


# --- British spellings in the American dictionary ---------------------------------------
_SPELLING_RULES = [
    (r'our(s|ed|ing|ful|less|ite|ites|able|ably|er|ers)?$', r'or\1'),   # colour, behaviour
    (r'our(?=ed|ing)', 'or'),
    (r'is(e|es|ed|ing|ation|ations|er|ers|able)$', r'iz\1'),            # realise, organisation
    (r'ys(e|es|ed|ing|er|ers)$', r'yz\1'),                               # analyse
    (r'([^aeiou])tre(s)?$', r'\1ter\2'),                                 # centre, theatre
    (r'([^aeiou])bre(s)?$', r'\1ber\2'),                                 # sabre
    (r'([aeiou])ll(ed|ing|er|ers)$', r'\1l\2'),                          # travelled
    (r'ence(s)?$', r'ense\1'),                                           # defence, licence
    (r'ogue(s)?$', r'og\1'),                                             # catalogue
    (r'^grey', 'gray'),
]


def american_spelling_candidates(word):
    """American spellings the British spelling may stand for, most specific first."""
    cands = []
    for pat, rep in _SPELLING_RULES:
        new = re.sub(pat, rep, word)
        if new != word:
            cands.append(new)
    combined = word
    for pat, rep in _SPELLING_RULES:
        combined = re.sub(pat, rep, combined)
    if combined != word and combined not in cands:
        cands.append(combined)
    return cands
