// Whether a full stop, question mark or exclamation mark followed by white
// space ends a sentence.
#pragma once

#include <string_view>

namespace orvanta {

// `before` is the sentence's text up to and including the mark (at least its
// last 64 code units); `after` is the next word after the white space (up to
// 64 code units), empty at the end of the text.
bool endsSentenceAt(std::u16string_view before, std::u16string_view after);

} // namespace orvanta
