"""Tests of the homograph table generator's own logic (no espeak-ng or CMU data needed)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import generate_homographs as gen   # noqa: E402


class TableLines(unittest.TestCase):
    def test_words_said_as_their_dictionary_entry_in_every_role_are_left_out(self):
        readings = {
            'record': {'noun': "'rekLd", 'verb': "rI'kLd"},
            'lead': {'verb': 'lJd', 'noun': 'lJd'},
        }
        self.assertEqual(gen.table(readings, {'record': "'rekLd", 'lead': 'lJd'}),
                         ["record\tnoun\t'rekLd\n", "record\tverb\trI'kLd\n"])

    def test_one_reading_that_differs_from_the_dictionary_is_kept(self):
        # the American dictionary says led; "to lead" must still find liːd
        self.assertEqual(gen.table({'lead': {'verb': 'lJd', 'noun': 'lJd'}}, {'lead': 'led'}),
                         ['lead\tverb\tlJd\n', 'lead\tnoun\tlJd\n'])

    def test_a_reading_outside_the_phonetic_code_stops_the_generator(self):
        with self.assertRaises(SystemExit):
            gen.table({'x': {'noun': 'a!', 'verb': 'b'}}, {})


class AmericanVariantChoice(unittest.TestCase):
    def test_stress_position_outweighs_vowel_differences(self):
        self.assertEqual(gen.nearest(["'rekqrd", "rq'kLrd"], "rI'kLrd"), "rq'kLrd")
        self.assertEqual(gen.nearest(["rq'kLrd", "'rekqrd"], "'rekLd"), "'rekqrd")

    def test_distance_counts_edits(self):
        rows = [('', '', 0), ('abc', 'abc', 0), ('abc', 'abd', 1), ('dAz', 'douz', 2),
                ('', 'ab', 2)]
        for a, b, expected in rows:
            with self.subTest(a=a, b=b):
                self.assertEqual(gen.distance(a, b), expected)


if __name__ == '__main__':
    unittest.main()
