// A sentence's words and their sounds as one phrase, for the engine's own
// files and its tests; callers use transcription_engine.h. Everything here
// works in phonetic code unless it says otherwise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::rules {

// Text normalisation before a sentence is cut into words (sentence.cpp).
std::u16string normalizeSentence(std::u16string sentence);
void respellSpecialWords(std::u16string &sentence);

// Weak forms and linking r across word boundaries, then IPA rendering
// (phrase.cpp): `code` is the words' transcriptions joined by spaces.
std::u16string adjustPhrase(std::vector<std::u16string> words, std::u16string code);
// The same appended to `out`, the words being `sentence` cut at every space.
void appendAdjustedPhrase(std::u16string_view sentence, std::u16string_view code,
                          std::u16string &out);

} // namespace orvanta::rules
