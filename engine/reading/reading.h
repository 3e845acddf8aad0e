// The reading stage: written text -> the words a reader says.
//
// It runs on one sentence before normalisation and word transcription, and
// turns what is written into what is said: titles and abbreviations into
// words, numbers (through readNumericAt) into number words, acronyms into
// letters, Roman numerals into numbers where the context makes them numbers,
// symbols into words, and it cleans up typography (typographic apostrophes,
// dashes, diacritics, words run together with hyphens or capitals).
#pragma once

#include "engine/reading/reading_numbers.h"
#include "engine/variant.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Asks whether the dictionary has a lower-cased word. A plain function and a
// context pointer, so that the reading stage needs neither the dictionary
// type nor an allocation per question.
struct WordTest {
    const void *context = nullptr;
    bool (*test)(const void *context, std::u16string_view lowerWord) = nullptr;

    bool operator()(std::u16string_view lowerWord) const {
        return test != nullptr && test(context, lowerWord);
    }
};

struct ReadingContext {
    Variant variant = Variant::American;
    WordTest knownWord;
    // Whether the pause marks stay in the result (for rules that want to
    // know where a reader pauses); without them the result is ready for
    // word transcription as it is.
    bool pauseMarks = true;
};

// Reads one sentence. The result holds words separated by single spaces:
// ASCII letters, digits and apostrophes, letters of other scripts (kept as
// they are, so that they show as unknown words), and, if asked for, the pause
// marks , ; : . ! ? attached to the word before them. A sentence without a
// letter or digit gives the empty string.
std::u16string readText(std::u16string_view sentence, const ReadingContext &context);

// readText for a sentence that may be as long as a whole text: the result is
// handed to `write` in pieces as it is read, each ending before a space, so
// that the reading never holds more than a piece of it. The pieces joined
// are readText's result.
using ReadingWriter = std::function<void(std::u16string_view)>;
void readText(std::u16string_view sentence, const ReadingContext &context,
              const ReadingWriter &write);

// Every word, or phrase of words parted by spaces, that the reading stage's
// tables can say in `variant`: the dictionaries must know each of them.
std::vector<std::u16string_view> readingTableWords(Variant variant);

} // namespace orvanta
