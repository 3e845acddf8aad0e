// Where sentences end: the one decision the sentence cutter leaves to rules
// about the language.
#pragma once

#include <string_view>

namespace orvanta {

// Whether the full stop, question mark or exclamation mark at the end of
// `before` ends its sentence, given that white space follows it.
// - `before`: the sentence so far up to and including the mark; only its
//   last `sentenceTailLength` code units or fewer.
// - `after`: the text after the run of white space up to the next white
//   space, at most `nextTokenLength` code units; empty at the end of the
//   text.
// A line feed ends a sentence whatever this says.
bool endsSentence(std::u16string_view before, std::u16string_view after);

inline constexpr std::size_t sentenceTailLength = 64;
inline constexpr std::size_t nextTokenLength = 64;

} // namespace orvanta
