"""Tests of the dictionary generator's own logic (no espeak-ng or CMU data needed)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from dictgen import american, british, extras, phonology, spelling   # noqa: E402


def ph(spec):
    """'k x 1 t' style: a digit after a vowel gives its stress."""
    out = []
    for tok in spec.split():
        if tok.isdigit():
            out[-1] = (out[-1][0], int(tok))
        elif phonology.is_vowel(tok):
            out.append((tok, 0))
        else:
            out.append((tok, None))
    return out


class StressPlacement(unittest.TestCase):
    def test_marks_go_before_the_longest_legal_onset(self):
        cases = [
            ('I n s t r A 1 k t', "In'strAkt"),      # str is an onset
            ('x b s t r x 1 k t', "xb'strxkt"),
            ('q b r J 2 v i eI 1 S q n', "q\"brJvi'eISqn"),
            ('h x 1 p i', "'hxpi"),
            ('q w eI 1', "q'weI"),
            ('x 1 t l x 2 s', "'xt\"lxs"),          # tl is no onset: t stays behind
            ('I n k l H 1 d', "In'klHd"),
            ('k A 1 m f t q b q l', "'kAmftqbql"),  # mft: only t begins the syllable
        ]
        for spec, code in cases:
            with self.subTest(spec=spec):
                self.assertEqual(phonology.to_code(ph(spec)), code)

    def test_one_syllable_words_carry_no_mark(self):
        self.assertEqual(phonology.to_code(ph('k R 1')), 'kR')
        self.assertEqual(phonology.to_code(ph('s t r e 2 N T')), 'streNT')

    def test_exactly_one_primary_stress_in_longer_words(self):
        # two primaries (a compound): the last one stays primary
        self.assertEqual(phonology.to_code(ph('b l x 1 k b L 1 d')), "\"blxk'bLd")
        # none at all: the first secondary, else the first full vowel, is promoted
        self.assertEqual(phonology.to_code(ph('q b I 2 n')), "q'bIn")
        self.assertEqual(phonology.to_code(ph('q b aI n')), "q'baIn")


class SpellingAlignment(unittest.TestCase):
    def test_vowel_letters_meet_vowel_sounds(self):
        cases = [
            ('market', 'm R 1 r k q t', ['a', 'e']),
            ('created', 'k r i eI 1 t I d', ['e', 'a', 'e']),   # ea spoken as two
            ('table', 't eI 1 b q l', ['a', 'e']),              # final e is the schwa
            ('awareness', 'q w eq 1 n q s', ['a', 'a', 'e']),   # silent e before -ness
            ('strength', 's t r e 1 N T', ['e']),
            ('pieces', 'p J 1 s I z', ['ie', 'e']),            # -es after c is a syllable
            ('suitable', 's H 1 t q b q l', ['ui', 'a', 'e']),  # -le spells the schwa
        ]
        for word, spec, letters in cases:
            with self.subTest(word=word):
                got = spelling.align(word, ph(spec))
                self.assertIsNotNone(got)
                self.assertEqual([g[0] for g in got], letters)

    def test_unmatched_counts_give_no_alignment(self):
        self.assertIsNone(spelling.align('xyz', ph('e 1 k s w aI 2 z E: d')))


class AmericanMapping(unittest.TestCase):
    def test_cmu_phones_become_rhotic_learner_notation(self):
        cases = [
            ('water', 'W AO1 T ER0', "'wLtqr"),
            ('nurse', 'N ER1 S', 'nE:rs'),
            ('near', 'N IH1 R', 'nIr'),
            ('square', 'S K W EH1 R', 'skwer'),
            ('cure', 'K Y UH1 R', 'kjur'),
            ('start', 'S T AA1 R T', 'stRrt'),
            ('north', 'N AO1 R TH', 'nLrT'),
            ('lot', 'L AA1 T', 'lRt'),
            ('goat', 'G OW1 T', 'gout'),
            ('very', 'V EH1 R IY0', "'veri"),          # r before a vowel: no r-colouring
            ('hearing', 'HH IY1 R IH0 NG', "'hIrIN"),
            ('value', 'V AE1 L Y UW0', "'vxljH"),
        ]
        for word, arpabet, code in cases:
            with self.subTest(word=word):
                self.assertEqual(phonology.to_code(american.from_cmu(arpabet.split())), code)

    def test_corrections_reduce_by_spelling(self):
        cases = [
            ('market', 'M AA1 R K AH0 T', "'mRrkIt"),
            ('needed', 'N IY1 D AH0 D', "'nJdId"),
            ('articles', 'AA1 R T AH0 K AH0 L Z', "'RrtIkqlz"),     # syllabic l keeps schwa
            ('community', 'K AH0 M Y UW1 N AH0 T IY0', "kq'mjHnqti"),  # -ity keeps schwa
            ('receive', 'R AH0 S IY1 V', "rI'sJv"),
            ('actual', 'AE1 K CH AH0 W AH0 L', "'xkCHql"),
            ('caught', 'K AA1 T', 'kLt'),
            ('dogs', 'D AA1 G Z', 'dLgz'),
            ('god', 'G AA1 D', 'gRd'),
            ('diet', 'D AY1 AH0 T', "'daIqt"),      # no ɪ after a vowel letter
            ('bother', 'B AA1 DH ER0', "'bRDqr"),     # ð is no CLOTH consonant
            ('bernard', 'B ER0 N AA1 R D', "bqr'nRrd"),  # ber- before a consonant: ER
            ('bereft', 'B ER0 EH1 F T', "bI'reft"),
            ('polka', 'P OW1 L K AA0', "'poulkq"),
            # a final happY is unstressed i, whatever stress CMU gives it
            ('company', 'K AH1 M P AH0 N IY2', "'kAmpqni"),
            ('probably', 'P R AA1 B AH0 B L IY2', "'prRbqbli"),
            ('nobody', 'N OW1 B AA2 D IY2', "'nou\"bRdi"),
            ('libraries', 'L AY1 B R EH0 R IY2 Z', "'laIbreriz"),
            ('pitied', 'P IH1 T IY2 D', "'pItid"),
            ('capri', 'K AH0 P R IY1', "kq'prJ"),             # stressed: long
            ('pedigree', 'P EH1 D AH0 G R IY2', "'pedI\"grJ"),   # -ee: long
            # suffixes that take no stress
            ('angriness', 'AE1 NG G R IY0 N EH2 S', "'xNgrinIs"),
            ('handful', 'HH AE1 N D F UH2 L', "'hxndful"),
            ('chromosome', 'K R OW1 M AH0 S OW2 M', "'kroumq\"soum"),   # Greek -soma
            ('gladys', 'G L AE1 D IH0 S', "'glxdIs"),      # s, not the ending z
            ('activist', 'AE1 K T IH0 V IH2 S T', "'xktIvIst"),
            ('armpit', 'AA1 R M P IH2 T', "'Rrm\"pIt"),        # a compound keeps it
            ('unless', 'AH0 N L EH1 S', "qn'les"),
            ('ninetieth', 'N AY1 N T IY0 IH0 TH', "'naIntiqT"),
        ]
        for word, arpabet, code in cases:
            with self.subTest(word=word):
                phones = american.from_cmu(arpabet.split())
                for rule in american.CORRECTIONS:
                    phones = rule(word, phones)
                self.assertEqual(phonology.to_code(phones), code)

    def test_citation_variant_is_strong(self):
        self.assertEqual(american.choose([['AH0', 'N', 'D'], ['AE1', 'N', 'D']]), ['AE1', 'N', 'D'])
        self.assertEqual(american.choose([['F', 'AO1', 'R'], ['F', 'ER0']]), ['F', 'AO1', 'R'])
        # an unstressed full vowel before the last syllable gives way to a reduced one
        accept = [['AE0', 'K', 'S', 'EH1', 'P', 'T'], ['AH0', 'K', 'S', 'EH1', 'P', 'T']]
        self.assertEqual(american.choose(accept), accept[1])
        piano = [['P', 'IY0', 'AE1', 'N', 'OW0'], ['P', 'IY0', 'AE1', 'N', 'AH0']]
        self.assertEqual(american.choose(piano), piano[0])
        # the flap of fast speech is not the phoneme: thirty has its t
        thirty = [['TH', 'ER1', 'D', 'IY2'], ['TH', 'ER1', 'T', 'IY2']]
        self.assertEqual(american.choose(thirty), thirty[1])

    def test_letter_e_before_a_word_is_stressed(self):
        mail = american.from_cmu('M EY1 L'.split())
        cases = [('email', 'IY0 M EY1 L', mail, mail, "'JmeIl"),
                 ('emailed', 'IY0 M EY1 L D', american.from_cmu('M EY1 L D'.split()), mail, "'JmeIld"),
                 ('ebola', 'IY0 B OW1 L AH0', american.from_cmu('B OW1 L AH0'.split()), None, None),
                 ('emit', 'IH0 M IH1 T', american.from_cmu('M IH1 T'.split()), None, None)]
        for word, arpabet, rest, stem, code in cases:
            with self.subTest(word=word):
                got = american.letter_e_compound(word, american.from_cmu(arpabet.split()), rest, stem)
                self.assertEqual(got and phonology.to_code(got), code)

    def test_espeak_r_coloured_vowels_take_one_r(self):
        cases = [(['n', "'3:", 's'], 'nE:rs'), (['h', "'3:", 'r', 'i'], "'hE:ri"),
                 (['f', "'aI3"], "'faIqr"), (['n', "'i@3"], 'nIr'),
                 # a stressed vowel is no schwa
                 (['a#', 'd', 'v', "'3", 's', 'I', 't', 'i'], "qd'vE:rsIti"),
                 (['b', "'@", 'n'], 'bAn')]
        for tokens, code in cases:
            with self.subTest(tokens=tokens):
                self.assertEqual(phonology.to_code(american.from_espeak(tokens)), code)


class BritishMapping(unittest.TestCase):
    def test_espeak_mnemonics_become_the_code(self):
        cases = [
            (['w', "'O:", 't', 'a#'], "'wLtq"),
            (['b', "'aa", 'T'], 'bRT'),
            (['aI', 'd', "'i@"], "aI'dIq"),
            (['k', "'V", 'm', 'f', 't', '@', 'b', '@L'], "'kAmftqbql"),
            (['n', "'eI", 'S', '@-', 'n', '@L'], "'neISqnql"),
            (['a#', 'd', 'v', "'3", 's', 'I', 't', 'i'], "qd'vE:sIti"),    # stressed: no schwa
            (["'a#", 'b', 'r', 'i'], "'xbri"),
        ]
        for tokens, code in cases:
            with self.subTest(tokens=tokens):
                self.assertEqual(phonology.to_code(british.from_espeak(tokens)), code)
        # the syllabic l of -le begins the syllable of a vowel ending; -al keeps its schwa
        for word, tokens, code in [('settling', ['s', "'E", 't', '@L', 'I2', 'N'], "'setlIN"),
                                   ('finally', ['f', "'aI", 'n', '@L', 'i'], "'faInqli")]:
            with self.subTest(word=word):
                self.assertEqual(phonology.to_code(british.from_espeak(tokens, word)), code)
        with self.assertRaises(british.UnknownPhoneme):
            british.from_espeak(['k', "'@@@"])

    def test_corrections(self):
        cases = [
            (british.nasal_before_stress, 'include', 'I N k l H 1 d', "In'klHd"),
            (british.nasal_before_stress, 'anger', 'x 1 N g q', "'xNgq"),     # unstressed: kept
            (british.voiceless_past, 'faced', 'f eI 1 s d', 'feIst'),
            (british.weak_goose, 'deputy', 'd e 1 p j H t i', "'depjuti"),
            (british.weak_goose, 'refuge', 'r e 1 f j H G', "'refjHG"),      # final: kept
            (british.final_foot, 'into', 'I 1 n t u', "'IntH"),
            (british.one_strut, 'someone', 's A 1 m w P 2 n', "'sAm\"wAn"),
            (british.thought_al, 'alter', 'P 1 l t q', "'Lltq"),
            (british.spelled_kit, 'ability', 'q b I 1 l q t i', "q'bIlIti"),
            (british.spelled_kit, 'possible', 'p P 1 s q b q l', "'pPsqbql"),  # -ible: schwa
            (british.shire, 'berkshire', 'b R 1 k S aIq', "'bRkSq"),
            (british.spelled_kit, 'wiltshire', 'w I 1 l t S q', "'wIltSq"),   # -ire: schwa
            (british.spelled_kit, 'fibres', 'f aI 1 b q z', "'faIbqz"),
            (british.ion_glide, 'million', 'm I 1 l Iq n', "'mIljqn"),
            (british.ion_glide, 'alien', 'eI 1 l Iq n', "'eIlIqn"),          # not -llion
            (british.internal_happy, 'difficulties', 'd I 1 f I k q l t i z', "'dIfIkqltiz"),
            (british.internal_happy, 'anybody', 'e 1 n i b P 2 d i', "'enI\"bPdi"),
            (british.velar_trap, 'sanction', 's R 1 N k S q n', "'sxNkSqn"),
            (british.weak_ature, 'literature', 'l I 1 t r I C q', "'lItrqCq"),
            (british.re_contraction, "they're", 'D eI 1 q', 'Deq'),
            (british.re_contraction, 'player', 'p l eI 1 q', "'pleIq"),      # no 're: kept
            (british.final_happy, "abbey's", 'x 1 b I z', "'xbiz"),
            (british.final_happy, 'carried', 'k x 1 r I d', "'kxrid"),
            (british.final_happy, 'rapid', 'r x 1 p I d', "'rxpId"),          # no -y: kept
            (british.final_happy, 'bonhomie', 'b P 1 n q m J 2', "'bPnqmi"),
            (british.weak_suffix, 'bothersome', 'b P 1 D q s A 2 m', "'bPDqsqm"),
            (british.weak_suffix, 'gynaecologist', 'g aI 2 n I k P 1 l q G I 2 s t', "\"gaInI'kPlqGIst"),
            (british.rhotic_leftover, 'burrstone', 'b E: 1 r s t qu 2 n', "'bE:\"stqun"),
            (british.rhotic_leftover, 'arrhythmia', 'q r h I 1 D m I q', "q'rIDmIq"),
            (british.rhotic_leftover, 'very', 'v e 1 r i', "'veri"),          # before a vowel
        ]
        for rule, word, spec, code in cases:
            with self.subTest(rule=rule.__name__, word=word):
                self.assertEqual(phonology.to_code(rule(word, ph(spec))), code)

    def test_non_rhotic_keeps_r_only_before_a_vowel(self):
        self.assertEqual(phonology.to_code(british.non_rhotic(american.from_cmu(
            'K EH1 R IH0 NG'.split()))), "'kerIN")
        self.assertEqual(phonology.to_code(british.non_rhotic(american.from_cmu(
            'F AO1 R TH'.split()))), 'fLT')

    def test_compounds_of_y_words_keep_happy(self):
        lexicon = {'every': ph('e 1 v r i'), 'thing': ph('T I 1 N'),
                   'everything': ph('e 1 v r I T I 2 N')}
        british.compound_happy(lexicon)
        self.assertEqual(phonology.to_code(lexicon['everything']), "'evri\"TIN")


class Additions(unittest.TestCase):
    def test_years_and_numbers_are_read_as_english_reads_them(self):
        cases = [
            (extras.year_words(1066, 'british'), ['ten', 'sixty', 'six']),
            (extras.year_words(1900, 'british'), ['nineteen', 'hundred']),
            (extras.year_words(1905, 'american'), ['nineteen', 'oh', 'five']),
            (extras.year_words(2000, 'british'), ['two', 'thousand']),
            (extras.year_words(2005, 'british'), ['two', 'thousand', 'and', 'five']),
            (extras.year_words(2005, 'american'), ['two', 'thousand', 'five']),
            (extras.year_words(2019, 'american'), ['twenty', 'nineteen']),
            (extras.cardinal_words(365, 'british'), ['three', 'hundred', 'and', 'sixty', 'five']),
            (extras.cardinal_words(100), ['one', 'hundred']),
            (extras.cardinal_words(5000), ['five', 'thousand']),
            (extras.ordinal_words(22), ['twenty', 'second']),
            (extras.ordinal_words(40), ['fortieth']),
            (extras.ordinal_words(12), ['twelfth']),
        ]
        for got, expected in cases:
            self.assertEqual(got, expected)
        self.assertEqual([extras.ordinal_suffix(n) for n in (1, 2, 3, 4, 11, 12, 13, 21, 22, 100)],
                         ['st', 'nd', 'rd', 'th', 'th', 'th', 'th', 'st', 'nd', 'th'])

    def test_joined_words_have_one_primary_stress(self):
        lexicon = {'twenty': ph('t w e 1 n t i'), 'one': ph('w A 1 n')}
        joined = extras.join_words([('twenty', lexicon['twenty']), ('one', lexicon['one'])])
        self.assertEqual(phonology.to_code(joined), "\"twenti'wAn")

    def test_apostrophe_free_forms_never_replace_words(self):
        lexicon = {"don't": ph('d qu 1 n t'), "we'll": ph('w J 1 l'), 'well': ph('w e 1 l'),
                   "can't": ph('k R 1 n t'), 'cant': ph('k x 1 n t')}
        added = extras.apostrophe_free(lexicon, {'well', 'cant'})
        self.assertIn('dont', added)
        self.assertNotIn('well', added)
        self.assertEqual(added['cant'], lexicon["can't"])   # the contraction is meant

    def test_british_spellings_lead_to_american_ones(self):
        cases = [('colour', 'color'), ('realisation', 'realization'), ('centre', 'center'),
                 ('travelled', 'traveled'), ('defence', 'defense'), ('catalogue', 'catalog'),
                 ('analysed', 'analyzed')]
        for british_word, american_word in cases:
            with self.subTest(word=british_word):
                self.assertIn(american_word, extras.american_spelling_candidates(british_word))

    def test_dropped_g(self):
        lexicon = {'putting': ph('p A 1 t I N'), 'sing': ph('s I 1 N')}
        self.assertEqual(phonology.to_code(extras.dropped_g(lexicon)["puttin'"]), "'pAtIn")
        self.assertNotIn("sin'", extras.dropped_g(lexicon))


if __name__ == '__main__':
    unittest.main()
