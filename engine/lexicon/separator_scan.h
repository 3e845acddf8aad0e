// Finding the line feeds and TABs of a dictionary file 64 bytes at a time:
// per line feed the loader takes the TABs before it from a mask at once,
// instead of a branch per separator. SSE2 compares where the compiler
// targets it, a plain loop elsewhere; both are here so that the tests can
// hold one against the other on any machine.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#define ORVANTA_SEPARATOR_SSE2 1
#include <emmintrin.h>
#endif

namespace orvanta::detail {

// The TABs and line feeds among up to 64 bytes, one bit per byte (bit i:
// byte i).
struct SeparatorMasks {
    std::uint64_t tabs = 0;
    std::uint64_t lineFeeds = 0;
};

inline constexpr std::size_t scanBlock = 64;

// The first `count` (at most 64) bytes, one at a time.
inline SeparatorMasks separatorsInPortable(const char *bytes, std::size_t count = scanBlock) {
    SeparatorMasks masks;
    for (std::size_t i = 0; i < count; ++i) {
        masks.tabs |= std::uint64_t{bytes[i] == '\t'} << i;
        masks.lineFeeds |= std::uint64_t{bytes[i] == '\n'} << i;
    }
    return masks;
}

// A whole block of 64 bytes.
inline SeparatorMasks separatorsIn(const char *bytes) {
#if defined(ORVANTA_SEPARATOR_SSE2)
    SeparatorMasks masks;
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (std::size_t i = 0; i < scanBlock; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        const auto tabBits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tab)));
        const auto lineFeedBits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lineFeed)));
        masks.tabs |= std::uint64_t{tabBits} << i;
        masks.lineFeeds |= std::uint64_t{lineFeedBits} << i;
    }
    return masks;
#else
    return separatorsInPortable(bytes);
#endif
}

} // namespace orvanta::detail
