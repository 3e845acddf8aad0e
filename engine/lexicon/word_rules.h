// How a word's phonetic code is found or built, for the engine's own files
// and its tests; callers use transcription_engine.h.
#pragma once

#include "engine/variant.h"

#include <string>
#include <string_view>

namespace orvanta {

class TranscriptionEngine;

namespace rules {

enum class SoundClass { Vowel = 0, Voiced = 1, Voiceless = 2, Other = 3 };

// Sound classes and inflection endings (inflection.cpp).
SoundClass classifySound(char16_t sound);
std::u16string edEnding(char16_t lastSound);
std::u16string sEnding(char16_t lastSound);
std::u16string inflectionEnding(char16_t lastSound, std::u16string suffix);
// Syllables of phonetic code: runs of vowel sounds.
std::size_t syllableCount(std::u16string_view code);
// Whether a dictionary entry `code` for `spelling` can be a part of a longer
// word: not a phrase, not an abbreviation said letter by letter ("ftp").
bool saidAsAWord(std::u16string_view spelling, std::u16string_view code);

// A stem's transcription `code` joined with the ending for `suffix`, the
// stem's spelling deciding linking r and the merged l (word.cpp).
std::u16string joinCode(const std::u16string &stem, std::u16string code,
                        const std::u16string &suffix, Variant variant);
std::u16string ensureStressMark(const std::u16string &code);

// The engine's dictionary-reading steps, exposed for tests.
void appendWordCode(const TranscriptionEngine &engine, std::u16string_view word,
                    std::u16string &out);
std::u16string transcribeSuffixed(const TranscriptionEngine &engine,
                                  const std::u16string &lowerWord, const std::u16string &suffix);

} // namespace rules
} // namespace orvanta
