// Words no dictionary holds, built from parts it does: a prefix or suffix
// on a known word ("un-kind-ness", "pretty-ish") or known words joined into
// a compound ("pass-code"). For the engine's own files and its tests.
#pragma once

#include "engine/variant.h"

#include <string>
#include <string_view>

namespace orvanta {
class TranscriptionEngine;
}

namespace orvanta::rules {

// How word formation asks whether a part is a known word.
struct KnownWords {
    const void *context = nullptr;
    // Sets `code` to the transcription of `lowerWord` when a dictionary
    // holds it or, with `inflected`, when an inflection ending on a word a
    // dictionary holds makes it. `noun`: the word is an element of a noun
    // compound, said as a noun where its role changes its sound ("bow").
    bool (*find)(const void *context, std::u16string_view lowerWord, bool inflected, bool noun,
                 std::u16string &code) = nullptr;
};

struct Formation {
    // Empty when the word is not made of known parts.
    std::u16string code;
    // The parts as found, affixes marked by their hyphen: "un- kind -ness".
    std::u16string parts;
};

// The parts `engine` knows, as its guesses find them (word.cpp).
KnownWords knownWordsOf(const TranscriptionEngine &engine);

// `lowerWord` is lower-case a-z.
Formation formWord(std::u16string_view lowerWord, Variant variant, const KnownWords &known);

} // namespace orvanta::rules
