// The long English text that the speed figures are measured on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orvanta::bench {

// The words of a dictionary file (second field of each entry) that look like
// running text: lower-case letters and apostrophes only.
std::vector<std::string> dictionaryWords(const std::string &path);

// Deterministic text of at least `bytes` bytes: sentences of frequent words
// mixed with words drawn from `vocabulary`, some inflected (so that the
// suffix rules run) and some unknown to any dictionary (so that fallbacks
// run), with commas, questions, exclamations and paragraph breaks. The same
// seed and vocabulary give the same text on every platform.
std::string generateText(const std::vector<std::string> &vocabulary, std::size_t bytes,
                         unsigned seed = 2024);

// The standard benchmark text: 700 KiB from the American dictionary's words
// (or the British one's when that is all there is), found below `root`.
std::string standardText(const std::string &root);

} // namespace orvanta::bench
