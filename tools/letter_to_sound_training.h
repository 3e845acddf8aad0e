// Training of the letter-to-sound model (letter_to_sound.h) from a pronunciation
// dictionary: a joint-sequence (graphone) n-gram in the manner of Bisani and Ney (2008).
//
// 1. Each word's letters are aligned with its sounds by expectation maximisation over
//    chunks of one or two letters and zero to two sounds (the graphones), stress
//    left aside; the most likely alignment of each word is kept, and its vowels take
//    their stress back, so a graphone spells a stressed or unstressed vowel.
// 2. An interpolated Kneser-Ney n-gram is counted over the graphone sequences; long
//    n-grams that add little to the shorter ones are dropped (weighted difference)
//    and the back-off weights renormalised.
// 3. Where a stress mark stands before the consonants of its syllable is counted per
//    consonant cluster, for the reader to place the marks.
// Everything is deterministic: the same entries give the same file byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::lts {

struct TrainingEntry {
    std::string word; // lower-case letters, apostrophes ignored
    std::string code; // in the phonetic code, with stress marks
};

struct TrainingOptions {
    std::size_t order = 6;
    // An n-gram longer than two is kept when its count times the log of how much
    // likelier it is than its shorter context says reaches this; 0 keeps all.
    double prune = 2.0;
    std::size_t iterations = 6;
    bool pairToPair = false; // graphones of two letters and two sounds ("xt" as kst...)
    bool rightToLeft = true; // the n-gram runs from the word's last letter back
};

struct TrainedModel {
    std::string bytes; // the model file
    std::size_t words = 0, contexts = 0, ngrams = 0;
};

// Entries that are not words of letters with a transcription in the code are
// skipped. Progress goes to `log` when given.
TrainedModel train(const std::vector<TrainingEntry> &entries, const TrainingOptions &options,
                   std::ostream *log = nullptr);

} // namespace orvanta::lts
