"""A rough alignment of a word's vowel letters with the vowels of its pronunciation, for
corrections that depend on how an unstressed vowel is spelled."""
import re


def vowel_groups(word):
    """(letters, following consonant letters) for every vowel-letter group; an initial y
    and a y before a vowel are consonants."""
    groups = []
    for m in re.finditer(r'[aeiou]+y?|(?<=[^aeiou])y', word):
        groups.append([m.group(), m.start(), m.end()])
    out = []
    for k, (letters, start, end) in enumerate(groups):
        stop = groups[k + 1][1] if k + 1 < len(groups) else len(word)
        out.append((letters, word[end:stop]))
    return out


def align(word, phones):
    """[(letters, following consonants)] aligned one to one with the vowel phonemes, or
    None when the counts cannot be matched. A final e (also in -es, -ed) is taken as
    silent first, then as spoken (the other way round where the
    ending is a syllable of its own); vowel pairs may stand for two syllables."""
    nvow = sum(1 for _, s in phones if s is not None)
    groups = vowel_groups(word)
    tries = [groups]
    if len(groups) > 1 and groups[-1][0] == 'e' and groups[-1][1] in ('', 's', 'd'):
        letters, tail = groups[-2]
        silent = groups[:-2] + [(letters, tail + 'e' + groups[-1][1])]
        # -es after a sibilant and -ed after t or d are syllables of their own (pieces,
        # voices, ended): there the spoken e comes first, or a vowel pair before a silent
        # one would be split into two syllables to make up the count
        if not spoken_ending(tail, groups[-1][1]):
            tries.insert(0, silent)
        else:
            tries.append(silent)
    # a silent e before a suffix (aware-ness, home-less, private-ly)
    for k in range(len(groups) - 2, 0, -1):
        letters, tail = groups[k]
        if letters == 'e' and groups[k - 1][1] and re.match(r'(n|l|m|f|s|d|w)', tail):
            prev_letters, prev_tail = groups[k - 1]
            merged = groups[:k - 1] + [(prev_letters, prev_tail + 'e' + tail)] + groups[k + 1:]
            tries.append(merged)
            if len(merged) > 1 and merged[-1][0] == 'e' and merged[-1][1] in ('', 's', 'd'):
                pl, pt = merged[-2]
                tries.append(merged[:-2] + [(pl, pt + 'e' + merged[-1][1])])
            break
    for attempt in tries:
        attempt = _split_hiatus(attempt, nvow)
        if len(attempt) == nvow:
            return attempt
    return None


def spoken_ending(stem_tail, ending):
    """Whether a final e + ending after the consonant letters stem_tail is a syllable."""
    if re.search(r'[^aeiouy][lr]$', stem_tail):
        return True     # -le, -re, -les, -red: the e spells the schwa (ˈsuːtəbl, ˈfaɪbə)
    if ending == 's':
        return re.search(r'(s|c|z|x|ch|sh|g)$', stem_tail) is not None
    if ending == 'd':
        return re.search(r'(t|d)$', stem_tail) is not None
    return False


def _split_hiatus(groups, nvow):
    """Two vowel letters spoken as two syllables (create, idea, radio)."""
    groups = list(groups)
    k = 0
    while len(groups) < nvow and k < len(groups):
        letters, tail = groups[k]
        if len(letters) == 2 and letters in HIATUS:
            groups[k:k + 1] = [(letters[0], ''), (letters[1], tail)]
        k += 1
    return groups


HIATUS = {'ia', 'io', 'ea', 'eo', 'ua', 'uo', 'ue', 'ie', 'iu', 'oa', 'ei', 'ui', 'oi'}
