// Cyrillic spelling of rendered IPA text.
#pragma once

#include <string>

namespace orvanta {

// Converts IPA text (as rendered by the engine, in brackets) to Cyrillic
// letters one code unit at a time, then merges "тш" into "ч"; characters
// without a Cyrillic counterpart vanish. Words the dictionary did not know,
// in parentheses, are kept as written, parentheses included.
std::u16string transliterateToCyrillic(std::u16string ipa);

} // namespace orvanta
