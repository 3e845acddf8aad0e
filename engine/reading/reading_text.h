// Character classes and word tables shared by the reading stage and the
// sentence-end decision.
#pragma once

#include "engine/text/text.h"

#include <cstdint>
#include <string_view>

namespace orvanta::reading {

inline bool isAsciiUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
inline bool isAsciiLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}
inline bool isAsciiLetter(char16_t c) {
    return isAsciiUpper(c) || isAsciiLower(c);
}
inline bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// White space of any kind, including the C1 controls that text decoded with
// the wrong code page carries where its dashes and quotes were.
bool isSpace(char16_t c);

// Apostrophe-like marks: ' ’ ‘ ʼ and the mis-decoded code-page quotes.
bool isApostrophe(char16_t c);

// A letter: ASCII, Latin with diacritics, or of another script; combining
// marks count as part of the letter before them.
bool isLetter(char16_t c);

// ASCII letters of a short word folded to lower case and packed one per byte
// (at most eight), or 0 when the word is longer or holds anything else. Table
// lookups compare these numbers instead of strings.
std::uint64_t packedKey(std::u16string_view word);

// Abbreviations that stand before a name (Mr, Dr, St...) and never end a
// sentence. `word` is the abbreviation without its full stop.
bool isTitleBeforeName(std::u16string_view word);

// Abbreviations that a number or more text always follows (e.g, cf, vs...).
bool isNeverFinalAbbreviation(std::u16string_view word);

// Abbreviations that can end a sentence as well as stand inside one (etc,
// a.m., Inc, Jr, the months...).
bool isOpenAbbreviation(std::u16string_view word);

} // namespace orvanta::reading
