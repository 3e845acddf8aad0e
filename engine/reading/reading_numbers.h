// Reading of numbers, money, measures, times and dates as they are spoken.
#pragma once

#include "engine/variant.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Reads the numeric expression that starts at text[pos] (a digit, a sign or
// currency symbol before a digit, an apostrophe before a decade, a vulgar
// fraction, or a month name followed by a day or year), appending its spoken
// words, lower case and separated by single spaces, to `out` (no leading or
// trailing space). Returns how many code units it consumed, 0 if nothing
// numeric starts there (then `out` is left as it was). text[0..pos) is the
// preceding text of the sentence, read for context.
std::size_t readNumericAt(std::u16string_view text, std::size_t pos, Variant variant,
                          std::u16string &out);

// The number (1-12) of the month that `word` names, in any case, by its name
// or its usual abbreviation (Jan, Sept, Dec); 0 when it names none.
int monthNumber(std::u16string_view word);

} // namespace orvanta
