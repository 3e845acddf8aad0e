// English text -> phonetic code -> IPA.
//
// The engine works in the phonetic code (one printable ASCII character per
// sound, e.g. "'DJ" for the stressed word "the") and renders to IPA only at
// the very end. Words it cannot transcribe travel as "(word)".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

enum class SoundClass { Vowel = 0, Voiced = 1, Voiceless = 2, Other = 3 };

// Stateless: every member reads only its arguments, the constant tables and
// the process-wide dictionary (see dictionary.h).
class TranscriptionEngine {
public:
    // Phonetic code -> IPA; characters without a symbol are dropped.
    std::u16string renderIpa(const std::u16string &code) const;

    // Dictionary test on an already lower-cased word.
    bool hasTranscription(const std::u16string &word) const;

    // Sound classes and inflection endings, all in phonetic code.
    SoundClass classifySound(char16_t sound) const;
    std::u16string edEnding(char16_t lastSound) const;
    std::u16string sEnding(char16_t lastSound) const;
    std::u16string inflectionEnding(char16_t lastSound, std::u16string suffix) const;

    // One word -> phonetic code, or "(" + word + ")".
    std::u16string transcribeWord(std::u16string word) const;
    std::u16string transcribeSuffixed(const std::u16string &lowerWord,
                                      const std::u16string &suffix) const;
    std::u16string joinStemAndEnding(const std::u16string &stem,
                                     const std::u16string &suffix) const;
    std::u16string ensureStressMark(const std::u16string &code) const;

    // One sentence -> "[" + IPA + "]".
    std::u16string transcribeSentence(std::u16string sentence) const;
    // The same after the reading stage (reading.h) has turned what is
    // written into what is said; a sentence without words gives "[]".
    std::u16string transcribeReadSentence(std::u16string_view sentence, bool british) const;
    std::u16string normalizeSentence(std::u16string sentence) const;
    void respellSpecialWords(std::u16string &sentence) const;

    // Weak forms and linking r across word boundaries, then IPA rendering.
    std::u16string adjustPhrase(std::vector<std::u16string> words, std::u16string code) const;

    // The per-sentence loop's forms of the operations above: they append to
    // `out` what the named operation returns, without the intermediate
    // strings and vectors, so that a sentence costs a few allocations
    // instead of several per word.
    // renderIpa(code)
    void appendIpa(std::u16string_view code, std::u16string &out) const;
    // transcribeWord(word)
    void appendWordCode(std::u16string_view word, std::u16string &out) const;
    // adjustPhrase(words, code), the words being `sentence` cut at every
    // space (splitOnChar).
    void appendAdjustedPhrase(std::u16string_view sentence, std::u16string_view code,
                              std::u16string &out) const;

private:
    // "[" + adjusted IPA + "]" for words already normalised.
    std::u16string transcribeNormalized(std::u16string_view words) const;
    // transcribeWord once the whole word `w` (lower-cased `word`) is known
    // to be missing from the dictionary.
    std::u16string transcribeMissingWord(const std::u16string &word, const std::u16string &w) const;
    // joinStemAndEnding with the stem's transcription already looked up.
    std::u16string joinCode(const std::u16string &stem, std::u16string code,
                            const std::u16string &suffix) const;
};

} // namespace orvanta
