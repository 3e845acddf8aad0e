// Font fallbacks for the IPA symbols.
#pragma once

namespace orvanta {

// The symbol buttons and the transcription style ask for "Lucida Sans Unicode",
// which Linux desktops do not have; DejaVu Sans covers every IPA symbol used.
void registerFontSubstitutes();

} // namespace orvanta
