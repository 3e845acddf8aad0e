// Small, obviously-correct reference versions of what the fuzz targets check
// the real code against. They favour clarity over speed on purpose: a fuzzer
// only finds a fault when the two sides are written differently.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::fuzz {

// Stops the run with a message; libFuzzer then keeps the input that did it.
[[noreturn]] void fail(const char *what, std::u16string_view detail = {});
inline void require(bool condition, const char *what, std::u16string_view detail = {}) {
    if (!condition)
        fail(what, detail);
}

// Fuzz input -> UTF-16. The first byte picks the reading so that one corpus
// covers both arbitrary code units (lone surrogates included) and plain text
// that the engine can actually transcribe.
std::u16string toUtf16(const std::uint8_t *data, std::size_t size);

// The cleaned sentence: "a.m." respelled, only letters, digits, apostrophe
// and single spaces kept, other white space turned into spaces, trimmed.
std::u16string referenceNormalize(std::u16string_view sentence);

// Cuts at spaces, keeping empty pieces.
std::vector<std::u16string> splitSpaces(std::u16string_view text);

std::u16string lowerAscii(std::u16string_view text);

// Every code unit that IPA rendering can produce.
bool isIpaSymbol(char16_t c);
// White space other than the space, which parts words just as the space does.
bool isWordSeparator(char16_t c);
// Letters, digits, apostrophe: what a normalised word is made of.
bool isWordCharacter(char16_t c);

// The Cyrillic spelling, table conversion then "тш" -> "ч".
std::u16string referenceCyrillic(std::u16string_view ipa);

} // namespace orvanta::fuzz
