// The process-wide pronunciation dictionary: lower-cased English word ->
// transcription in phonetic code.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Folds A-Z to a-z and leaves every other code unit alone.
std::u16string toLowerAscii(std::u16string_view text);

// Replaces the whole process-wide dictionary with the entries of the file at
// `path` (one entry per line: ignored TAB word TAB transcription). A file that
// cannot be opened leaves the dictionary empty. Returns whether the file could
// be opened, so that callers can tell the user; nothing is thrown.
bool loadDictionary(const std::string &path);

// The same, from bytes already in memory (used by tools, tests and fuzzing).
void loadDictionaryFromBytes(std::string_view bytes);

// The transcription stored under exactly `word` (already lower-cased), or the
// empty string.
std::u16string transcriptionOf(std::u16string_view word);

// Whether `word` has a non-empty transcription.
bool dictionaryHas(std::u16string_view word);

// Number of keys with a non-empty transcription.
std::size_t dictionarySize();

} // namespace orvanta
