// Wide-string helpers shared by every stage of the engine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

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

} // namespace orvanta
