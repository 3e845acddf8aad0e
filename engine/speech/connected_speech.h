// How the words of one sentence are said together: readings of homographs
// by their neighbours, weak forms of function words, "the" and "to" before
// vowels and consonants, and linking r. Internal to the engine.
#pragma once

#include "engine/lexicon/homographs.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class PronunciationDictionary;

struct PhraseSettings {
    bool american = false;
    // Function words take their weak forms in running speech.
    bool weakForms = false;
    // Readings of words said differently by role; null or empty: none.
    const HomographTable *homographs = nullptr;
    // A user's dictionary whose entries override the shipped one: a word it
    // holds keeps the user's reading, whatever the table says.
    const PronunciationDictionary *userDictionary = nullptr;
};

// Pause punctuation after the words of a sentence, by word index, as the
// sentence's normalisation found it (commas, semicolons, colons, dashes,
// brackets, full stops and question and exclamation marks).
using PauseMarks = std::vector<bool>;

// Appends the adjusted, rendered transcription of a sentence: the pieces of
// `code` (cut at every space) against the words of `sentence` (cut at
// every space), piece i belonging to word i. `pauses` may be shorter than
// the word list; missing marks count as no pause.
void appendConnectedSpeech(const PhraseSettings &settings, std::u16string_view sentence,
                           std::u16string_view code, const PauseMarks &pauses, std::u16string &out);

// A stretch of a long sentence's words passed with some words of context on
// either side (contextWords are enough: no word's sound looks further), so
// that the sentence is said a stretch at a time as it would be whole.
struct PhraseWindow {
    static constexpr std::size_t contextWords = 8;
    // The sentence's index of the first word passed.
    std::size_t base = 0;
    // The words said, as indexes into those passed; the rest is context.
    std::size_t from = 0;
    std::size_t to = 0;
    // Whether the sentence holds a word that sets it in the past, which
    // only a pass over the whole sentence can tell: asked only when a word's
    // reading depends on it.
    const std::function<bool()> *pastTime = nullptr;
};
void appendConnectedSpeech(const PhraseSettings &settings, std::u16string_view sentence,
                           std::u16string_view code, const PauseMarks &pauses,
                           const PhraseWindow &window, std::u16string &out);

// normalizeSentence, noting in `pauses` (when not null) which words pause
// punctuation follows.
std::u16string normalizeMarkingPauses(std::u16string sentence, PauseMarks *pauses);

// Whether `c` marks a pause in speech where it stands between words.
bool marksPause(char16_t c);

} // namespace orvanta
