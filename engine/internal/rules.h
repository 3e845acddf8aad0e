// The engine's rules one by one, for the engine's own files and its tests;
// callers use transcription_engine.h. Everything here works in phonetic code
// unless it says otherwise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class TranscriptionEngine;

namespace rules {

enum class SoundClass { Vowel = 0, Voiced = 1, Voiceless = 2, Other = 3 };

// Sound classes and inflection endings (inflection.cpp).
SoundClass classifySound(char16_t sound);
std::u16string edEnding(char16_t lastSound);
std::u16string sEnding(char16_t lastSound);
std::u16string inflectionEnding(char16_t lastSound, std::u16string suffix);

// A stem's transcription `code` joined with the ending for `suffix`, the
// stem's spelling deciding linking r and the merged l (word.cpp).
std::u16string joinCode(const std::u16string &stem, std::u16string code,
                        const std::u16string &suffix);
std::u16string ensureStressMark(const std::u16string &code);

// Text normalisation before a sentence is cut into words (sentence.cpp).
std::u16string normalizeSentence(std::u16string sentence);
void respellSpecialWords(std::u16string &sentence);

// Weak forms and linking r across word boundaries, then IPA rendering
// (phrase.cpp): `code` is the words' transcriptions joined by spaces.
std::u16string adjustPhrase(std::vector<std::u16string> words, std::u16string code);
// The same appended to `out`, the words being `sentence` cut at every space.
void appendAdjustedPhrase(std::u16string_view sentence, std::u16string_view code,
                          std::u16string &out);

// Phonetic code -> IPA appended to `out` (rendering.cpp).
void appendIpa(std::u16string_view code, std::u16string &out);

// The engine's dictionary-reading steps, exposed for tests.
void appendWordCode(const TranscriptionEngine &engine, std::u16string_view word,
                    std::u16string &out);
std::u16string transcribeSuffixed(const TranscriptionEngine &engine,
                                  const std::u16string &lowerWord, const std::u16string &suffix);

} // namespace rules
} // namespace orvanta
