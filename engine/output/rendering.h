// Phonetic code to IPA, for the engine's own files and its tests; callers
// use TranscriptionEngine::renderIpa.
#pragma once

#include <string>
#include <string_view>

namespace orvanta::rules {

// Phonetic code -> IPA appended to `out` (rendering.cpp).
void appendIpa(std::u16string_view code, std::u16string &out);

} // namespace orvanta::rules
