// IPA typed by a user -> phonetic code: the inverse of IPA rendering.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// The IPA symbol that the phonetic code character `code` renders as, or an
// empty view when the code has no such character.
std::u16string_view ipaSymbolOf(char16_t code);

struct IpaParse {
    // The phonetic code, when the whole text could be read.
    std::u16string code;
    // Empty on success; otherwise the first symbol (one code point, so a
    // surrogate pair stays whole) that has no phonetic-code equivalent...
    std::u16string refusedSymbol;
    // ...where it starts, in code units...
    std::size_t refusedAt = 0;
    // ...and, for symbols that other transcriptions commonly use, how to
    // write the sound instead (e.g. "ər" for "ɚ"); empty when there is none.
    std::u16string_view suggestion;

    bool ok() const { return refusedSymbol.empty(); }
};

// Reads IPA as the engine renders it, symbol by symbol, the longest symbol
// first, so that "tʃ" becomes C and "iː" J rather than t S and i :. Typed
// variants of the same symbols are accepted too: the ligatures ʧ and ʤ, ASCII
// g, the colon for the length mark, the apostrophe for primary stress and ɹ
// for r. Any other character is refused.
IpaParse parseIpa(std::u16string_view ipa);

} // namespace orvanta
