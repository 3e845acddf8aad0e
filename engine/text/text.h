// Wide-string helpers shared by every stage of the engine.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvanta {

// The first `c` in `text` at or after `from`, or npos. Every word of a
// sentence is found by the space after it, several times over the stages:
// eight code units are compared at once where the processor can.
inline std::size_t findUnit(std::u16string_view text, char16_t c, std::size_t from) {
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; from + 8 <= text.size(); from += 8) {
        const __m128i units =
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + from));
        const auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(units, wanted)));
        if (hits != 0)
            return from + static_cast<std::size_t>(std::countr_zero(hits)) / 2;
    }
#endif
    return text.find(c, from);
}

// Cuts `text` at every `separator`. Empty pieces are kept, so the number of
// pieces is always the number of separators plus one. Clears `pieces` first
// and returns the piece count.
int splitOnChar(std::vector<std::u16string> &pieces, std::u16string_view text, char16_t separator);

// Returns `text` with `pattern` replaced by `replacement` until the pattern no
// longer occurs (so "rrr" with "rr" -> "r" gives "r"). Linear in the length of
// the text for the pairs the engine uses; the replacement must not contain the
// pattern.
std::u16string replaceAll(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view replacement);

// A-Z folded to a-z; every other code unit as it is. Word tables are
// written in lower case and compared with text in any case this way.
inline char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Whether `text`, A-Z folded, is `lower` (written in lower case).
inline bool equalsFolded(std::u16string_view text, std::u16string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(),
                      [](char16_t a, char16_t b) { return lowerAscii(a) == b; });
}

inline bool isAnyOfFolded(std::u16string_view text,
                          std::initializer_list<std::u16string_view> lowers) {
    return std::any_of(lowers.begin(), lowers.end(),
                       [text](std::u16string_view lower) { return equalsFolded(text, lower); });
}

inline bool endsWithFolded(std::u16string_view text, std::u16string_view lowerSuffix) {
    return text.size() >= lowerSuffix.size() &&
           equalsFolded(text.substr(text.size() - lowerSuffix.size()), lowerSuffix);
}

} // namespace orvanta
