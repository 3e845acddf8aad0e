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
inline bool isSpace(char16_t c) {
    if (c <= u' ')
        return true;
    if (c < 0x80)
        return false;
    if (c < 0xA0)
        return c != 0x91 && c != 0x92 && c != 0x93 && c != 0x94 && c != 0x96 && c != 0x97;
    switch (c) {
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
    case 0xFEFF:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200B;
    }
}

// Apostrophe-like marks: ' ’ ‘ ʼ and the mis-decoded code-page quotes.
inline bool isApostrophe(char16_t c) {
    return c == u'\'' || c == 0x2019 || c == 0x2018 || c == 0x2BC || c == 0x91 || c == 0x92 ||
           c == 0xFF07;
}

// A letter: ASCII, Latin with diacritics, or of another script; combining
// marks count as part of the letter before them.
bool isLetter(char16_t c);

// ASCII letters of a short word folded to lower case and packed one per byte
// (at most eight), or 0 when the word is longer or holds anything else. Table
// lookups compare these numbers instead of strings.
inline std::uint64_t packedKey(std::u16string_view word) {
    if (word.empty() || word.size() > 8)
        return 0;
    std::uint64_t packed = 0;
    for (const char16_t c : word) {
        if (!isAsciiLetter(c))
            return 0;
        packed = packed << 8 | lowerAscii(c);
    }
    return packed;
}

// Abbreviations that stand before a name (Mr, Dr, St...) and never end a
// sentence. `word` is the abbreviation without its full stop.
bool isTitleBeforeName(std::u16string_view word);

// Abbreviations that a number or more text always follows (e.g, cf, vs...).
bool isNeverFinalAbbreviation(std::u16string_view word);

// Abbreviations that can end a sentence as well as stand inside one (etc,
// a.m., Inc, Jr, the months...).
bool isOpenAbbreviation(std::u16string_view word);

} // namespace orvanta::reading
