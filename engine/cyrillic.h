// Cyrillic spelling of rendered IPA text.
#pragma once

#include <string>

namespace orvanta {

// Converts IPA text (as rendered by the engine, brackets and parenthesised
// fallback words included) to Cyrillic letters one code unit at a time, then
// merges "тш" into "ч". Characters without a Cyrillic counterpart vanish.
std::u16string transliterateToCyrillic(std::u16string ipa);

} // namespace orvanta
