"""Which entries tools/prune_dictionary.cpp finds the engine rebuilds by itself, on
hand-made dictionaries. The helper is the one the build made (ORVANTA_PRUNE_DICTIONARY, set by
CTest); without it the test fails rather than skip, so that CI cannot pass it unseen."""
import os
import shutil
import subprocess
import tempfile
import unittest



class PruneDecision(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        cls.helper = os.environ.get('ORVANTA_PRUNE_DICTIONARY', '')
        if not os.access(cls.helper, os.X_OK):
            raise RuntimeError('ORVANTA_PRUNE_DICTIONARY must name the built orvanta_prune_dictionary')

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def dropped(self, entries, endings=()):
        path = os.path.join(self.tmp, 'dictionary.txt')
        with open(path, 'w', newline='\n') as f:
            for n, (word, code) in enumerate(sorted(entries.items()), 1):
                f.write(f'{n}\t{word}\t{code}\n')
        out = subprocess.run([self.helper, path, *endings], check=True, capture_output=True, text=True)
        return set(out.stdout.split())

    def test_only_exact_rebuilds_through_the_d_s_rule_are_dropped(self):
        entries = {
            'cat': 'kxt', 'cats': 'kxts',              # plural rebuilt exactly
            'want': 'wPnt', 'wanted': "'wPntId",       # past tense with its syllable
            'care': 'keq', 'cared': 'keqd',            # the stem with its e restored
            'hi': 'haI', 'his': 'hIz',                 # rebuilt, but not to the stored code
            'run': 'rAn', 'running': "'rAnIN",         # -ing forms stay: stems of -ings
            'the': 'DJ', 'to': 'tu',
        }
        self.assertEqual(self.dropped(entries), {'cats', 'wanted', 'cared'})

    def test_a_dropped_word_never_breaks_another_entry(self):
        # "leads" needs "lead" stored: without it the engine reaches "lea" and says lJz
        entries = {'lea': 'lJ', 'lead': 'lJd', 'leads': 'lJdz'}
        dropped = self.dropped(entries)
        self.assertNotIn('leads', dropped)
        self.assertFalse({'lead', 'leads'} <= dropped)

    def test_protected_endings_keep_the_stems_of_stacked_words(self):
        # "catss" is made from the stored "cats"; without it the engine would use "cat"
        entries = {'cat': 'kxt', 'cats': 'kxts', 'dog': 'dPg', 'dogs': 'dPgz'}
        self.assertEqual(self.dropped(entries), {'cats', 'dogs'})
        self.assertEqual(self.dropped(entries, ['s']), set())
        self.assertEqual(self.dropped(entries, ["'s"]), set())


if __name__ == '__main__':
    unittest.main()
