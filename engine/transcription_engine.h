// English text -> phonetic code -> IPA.
//
// The engine works in the phonetic code (one printable ASCII character per
// sound, e.g. "'DJ" for the stressed word "the") and renders to IPA only at
// the very end. Words it cannot transcribe travel as "(word)".
#pragma once

#include "engine/lexicon/dictionary.h"
#include "engine/variant.h"

#include <string_view>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvanta {

class GuessModel;
struct PhraseWindow;
struct ReadingContext;

// Written in front of a guessed word's code, and so in front of its IPA or
// Cyrillic: linguists star a form no source attests.
inline constexpr char16_t guessMark = u'*';

// How an engine transcribes beyond what its dictionaries say.
struct EngineOptions {
    Variant variant = Variant::British;
    // Function words take their weak forms in running speech ("and" ən,
    // "can" kən) and keep the strong ones where speech stresses them.
    bool weakForms = false;
    // A word no dictionary holds, which would stay "(word)", is formed from
    // known parts or, failing that, said by the letter-to-sound model (when
    // there is one), and marked with guessMark. Literal transcription
    // (transcribeSentence) never guesses.
    bool guessUnknownWords = false;
    const GuessModel *guessModel = nullptr;
};

// An engine reads its dictionaries and never changes them or itself, so one
// engine, or several over the same dictionaries, may be used from many
// threads at once. The dictionaries must outlive the engine.
class TranscriptionEngine {
public:
    // Reads the process-wide dictionary (loadDictionary), whatever it holds
    // at the time of each call.
    TranscriptionEngine();
    explicit TranscriptionEngine(const PronunciationDictionary &dictionary,
                                 EngineOptions options = {});
    // Words are looked up in `user` first (when given) and then in
    // `shipped`: a user's entry overrides the shipped one, stems included.
    TranscriptionEngine(const PronunciationDictionary &shipped, const PronunciationDictionary *user,
                        EngineOptions options = {});

    const EngineOptions &options() const { return options_; }

    // One sentence -> "[" + IPA + "]".
    std::u16string transcribeSentence(std::u16string sentence) const;
    // The same after the reading stage (reading/reading.h), in the variant of
    // the options, has turned what is
    // written into what is said; a sentence without words gives "[]".
    std::u16string transcribeReadSentence(std::u16string_view sentence) const;

    // The same two for a sentence that may be as long as a whole text: the
    // transcription is handed to `write` in pieces as it is made, each
    // ending between words, so that memory stays small for a sentence of
    // any length. The pieces joined are the transcription.
    using Writer = std::function<void(std::u16string_view)>;
    void transcribeSentence(std::u16string_view sentence, const Writer &write) const;
    void transcribeReadSentence(std::u16string_view sentence, const Writer &write) const;

    // One word -> phonetic code, or "(" + word + ")".
    std::u16string transcribeWord(std::u16string word) const;

    // The guessed phonetic code of a lower-case a-z word that no dictionary
    // holds (without the mark), or an empty string when there is none.
    std::u16string guessWord(std::u16string_view lowerWord) const;

    // Dictionary test on an already lower-cased word.
    bool hasTranscription(const std::u16string &word) const;

    // Phonetic code -> IPA; characters without a symbol are dropped.
    std::u16string renderIpa(const std::u16string &code) const;

private:
    // "[" + adjusted IPA + "]" for words already normalised, `pauses`
    // telling which of them pause punctuation followed. `read`: the words
    // come from the reading stage, whose one-letter words are spelled
    // letters.
    std::u16string transcribeNormalized(std::u16string_view words, const std::vector<bool> &pauses,
                                        bool guess, bool read = false) const;
    // The same without the brackets, appended to `out`, for the words of
    // `window` when one is given. `guesses`, when given, keeps the codes of
    // words no dictionary holds from call to call, for a long sentence that
    // repeats them.
    void appendPhrase(std::u16string_view words, const std::vector<bool> &pauses, bool guess,
                      bool read, const PhraseWindow *window, std::u16string &out,
                      std::unordered_map<std::u16string, std::u16string> *guesses = nullptr) const;
    // What the reading stage needs of the engine: the variant, and which
    // words its dictionaries know.
    ReadingContext readingContext() const;
    // Every dictionary lookup of the engine: appends the transcription of
    // exactly `lowerWord` to `out` and says whether there was one.
    bool lookUp(std::u16string_view lowerWord, std::u16string &out) const;
    void appendWordCode(std::u16string_view word, std::u16string &out, bool guess = false) const;
    // transcribeWord once the whole word `w` (lower-cased `word`) is known
    // to be missing from the dictionary.
    std::u16string transcribeMissingWord(const std::u16string &word, const std::u16string &w) const;
    bool lookUpStem(const std::u16string &stem, std::u16string &code,
                    bool spelledToo = false) const;
    bool nounReading(std::u16string_view lowerWord, std::u16string &code) const;
    std::u16string transcribeSuffixed(const std::u16string &lowerWord,
                                      const std::u16string &suffix) const;

    friend struct EngineInternals;
    friend class LongSentence;

    const PronunciationDictionary *shipped_;
    const PronunciationDictionary *user_;
    EngineOptions options_;
};

} // namespace orvanta
