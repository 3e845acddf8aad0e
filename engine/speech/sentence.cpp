#include "engine/reading/reading.h"
#include "engine/speech/connected_speech.h"
#include "engine/speech/long_sentence.h"
#include "engine/speech/phrase.h"
#include "engine/text/sentence_cutter.h"
#include "engine/text/text.h"
#include "engine/transcription_engine.h"

#include <array>
#include <string_view>
#include <vector>

namespace orvanta {

namespace {

// What a sentence keeps: ASCII letters and digits, the apostrophe of
// "don't", and spaces. Everything else (punctuation, hyphens, typographic
// quotes, non-ASCII letters) is dropped, white space aside.
constexpr std::u16string_view allowedCharacters =
    u" 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
static_assert(allowedCharacters.size() == 64);

constexpr std::array<bool, 128> allowedByCode = [] {
    std::array<bool, 128> table{};
    for (const char16_t c : allowedCharacters)
        table[c] = true;
    return table;
}();

bool isAllowed(char16_t c) {
    return c < allowedByCode.size() && allowedByCode[c];
}

// The library's search for a pattern costs more than this scan, and almost
// no sentence holds the pattern.
// What the reading stage makes of a spelled letter: the letter itself, or
// the word it says an «a» with (which is the article otherwise), either
// with a possessive or plural 's (ABC's, MPs).
bool isSpelledLetter(std::u16string_view word, Variant variant) {
    if (word.size() > 2 && word.substr(word.size() - 2) == u"'s")
        word.remove_suffix(2);
    if (word.size() == 1)
        return word[0] >= u'b' && word[0] <= u'z';
    return word == (variant == Variant::British ? u"eh" : u"ay");
}

// Gives the letters of a run, from code offset `first` to `last` (the last
// letter's offset; the run's code ends at `end`), the stress of a phrase:
// secondary on the first, primary on the last, none between (ˌeɪtʃ tiː em
// ˈel) but for a letter of two syllables, which keeps a secondary one
// (w). A lone letter keeps its own.
void stressLetterRun(std::u16string &code, std::size_t first, std::size_t last, std::size_t end) {
    if (first == std::u16string::npos || first == last)
        return;
    std::u16string stressed;
    stressed.reserve(end - first + 8);
    for (std::size_t i = first; i < end;) {
        std::size_t next = findUnit(code, u' ', i);
        if (next == std::u16string::npos || next > end)
            next = end;
        std::u16string_view letter(code.data() + i, next - i);
        const bool final = i == last;
        if (!letter.empty() && letter[0] != u'(' && letter[0] != u'*') {
            const bool marked = letter.find(u'\'') != std::u16string_view::npos ||
                                letter.find(u'"') != std::u16string_view::npos;
            if (!marked && (final || i == first))
                stressed += final ? u'\'' : u'"';
            for (const char16_t c : letter)
                stressed += !final && c == u'\'' ? u'"' : c;
        } else {
            stressed += letter;
        }
        if (next < end)
            stressed += u' ';
        i = next + 1;
    }
    code.replace(first, end - first, stressed);
}

bool holdsAm(std::u16string_view sentence) {
    for (std::size_t i = 0; i + 4 <= sentence.size(); ++i) {
        if (sentence[i + 1] == u'.' && sentence[i] == u'a' && sentence[i + 2] == u'm' &&
            sentence[i + 3] == u'.')
            return true;
    }
    return false;
}

// Punctuation that marks a pause; a hyphen only as a dash, with white
// space beside it ("now - then", not "well-known").
bool pausesHere(std::u16string_view sentence, std::size_t i) {
    const char16_t c = sentence[i];
    if (c == u'-') {
        const auto spaceAt = [&](std::size_t at) {
            return at < sentence.size() && isCutSpace(sentence[at]);
        };
        return (i > 0 && spaceAt(i - 1)) || spaceAt(i + 1);
    }
    return marksPause(c);
}

} // namespace

void rules::respellSpecialWords(std::u16string &sentence) {
    // Must run while the full stops are still there.
    if (holdsAm(sentence))
        sentence = replaceAll(sentence, u"a.m.", u"eyem");
}

std::u16string rules::normalizeSentence(std::u16string sentence) {
    return normalizeMarkingPauses(std::move(sentence), nullptr);
}

std::u16string normalizeMarkingPauses(std::u16string sentence, PauseMarks *pauses) {
    rules::respellSpecialWords(sentence);
    if (pauses != nullptr)
        pauses->clear();

    // Runs of spaces collapse to one and spaces at either end go, as they
    // are met, rather than in passes over the kept text. The text is
    // filtered in place: it never grows.
    char16_t *const begin = sentence.data();
    char16_t *kept = begin;
    std::size_t spaces = 0;
    const std::size_t size = sentence.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t c = begin[i];
        if (c != u' ' && isAllowed(c)) {
            *kept++ = c;
        } else if (isCutSpace(c) && kept != begin && kept[-1] != u' ') {
            // Line breaks, tabs and the other white space of Unicode (the
            // no-break space of web pages, the ideographic space) part words
            // as the space does: dropping them would fuse the words on
            // either side into one unknown word.
            *kept++ = u' ';
            ++spaces;
        } else if (pauses != nullptr && kept != begin && pausesHere(sentence, i)) {
            // The pause follows the word last kept, whether or not its
            // space has been written yet.
            const std::size_t word = kept[-1] == u' ' ? spaces - 1 : spaces;
            if (pauses->size() <= word)
                pauses->resize(word + 1, false);
            (*pauses)[word] = true;
        }
    }
    if (kept != begin && kept[-1] == u' ')
        --kept;
    sentence.resize(static_cast<std::size_t>(kept - begin));
    return sentence;
}

std::u16string TranscriptionEngine::transcribeSentence(std::u16string sentence) const {
    thread_local PauseMarks pauses;
    return transcribeNormalized(normalizeMarkingPauses(std::move(sentence), &pauses), pauses,
                                false);
}

ReadingContext TranscriptionEngine::readingContext() const {
    ReadingContext context;
    context.variant = options_.variant;
    context.knownWord.context = this;
    context.knownWord.test = [](const void *engine, std::u16string_view word) {
        std::u16string unused;
        return static_cast<const TranscriptionEngine *>(engine)->lookUp(word, unused);
    };
    // Only rules that look past a word need to know where the reader
    // pauses; without the marks the words are ready as they come.
    context.pauseMarks = options_.weakForms || !shipped_->homographs().empty();
    return context;
}

// Past this many code units a sentence is said a window at a time: the
// stages of a sentence are each held whole, a few times the sentence's size.
constexpr std::size_t longSentence = 64 * 1024;
constexpr std::size_t windowWords = 2048;

void TranscriptionEngine::transcribeSentence(std::u16string_view sentence,
                                             const Writer &write) const {
    if (sentence.size() < longSentence)
        write(transcribeSentence(std::u16string(sentence)));
    else
        transcribeInWindows(*this, sentence, false, windowWords, write);
}

void TranscriptionEngine::transcribeReadSentence(std::u16string_view sentence,
                                                 const Writer &write) const {
    if (sentence.size() < longSentence)
        write(transcribeReadSentence(sentence));
    else
        transcribeInWindows(*this, sentence, true, windowWords, write);
}

std::u16string TranscriptionEngine::transcribeReadSentence(std::u16string_view sentence) const {
    const ReadingContext context = readingContext();
    std::u16string words = readText(sentence, context);
    thread_local PauseMarks pauses;
    pauses.clear();
    if (context.pauseMarks) {
        // The marks have no sound: they are noted against the word they
        // follow and dropped. Letters of other scripts stay, to show as
        // unknown words.
        std::size_t spaces = 0;
        char16_t *const begin = words.data();
        char16_t *kept = begin;
        for (const char16_t c : words) {
            if (c >= u'a' && c <= u'z') { // the common case, no pause mark
                *kept++ = c;
            } else if (c == u' ') {
                if (kept != begin && kept[-1] != u' ') {
                    *kept++ = c;
                    ++spaces;
                }
            } else if (kept != begin && marksPause(c)) {
                const std::size_t word = kept[-1] == u' ' ? spaces - 1 : spaces;
                if (pauses.size() <= word)
                    pauses.resize(word + 1, false);
                pauses[word] = true;
            } else {
                *kept++ = c;
            }
        }
        if (kept != begin && kept[-1] == u' ')
            --kept;
        words.resize(static_cast<std::size_t>(kept - begin));
    }
    if (words.empty())
        return u"[]";
    return transcribeNormalized(words, pauses, options_.guessUnknownWords, true);
}

std::u16string TranscriptionEngine::transcribeNormalized(std::u16string_view words,
                                                         const std::vector<bool> &pauses,
                                                         bool guess, bool read) const {
    std::u16string result;
    result += u'[';
    appendPhrase(words, pauses, guess, read, nullptr, result);
    result += u']';
    return result;
}

void TranscriptionEngine::appendPhrase(
    std::u16string_view words, const std::vector<bool> &pauses, bool guess, bool read,
    const PhraseWindow *window, std::u16string &out,
    std::unordered_map<std::u16string, std::u16string> *guesses) const {
    std::u16string code;
    code.reserve(words.size() + words.size() / 2 + 8);
    // Letters spelled out are said as one phrase, stressed on the last:
    // FBI is ˌef biː ˈaɪ, not three unstressed names.
    std::size_t runStart = std::u16string::npos; // code offset of the run's first letter
    std::size_t lastLetter = 0;                  // code offset of its latest letter
    std::size_t index = 0;
    for (std::size_t start = 0;; ++index) {
        const std::size_t end = findUnit(words, u' ', start);
        const std::u16string_view word = words.substr(start, end - start);
        const std::size_t at = code.size();
        if (guesses == nullptr) {
            appendWordCode(word, code, guess);
        } else if (const auto known =
                       guesses->empty() ? guesses->end() : guesses->find(std::u16string(word));
                   known != guesses->end()) {
            code += known->second;
        } else {
            appendWordCode(word, code, guess);
            // A word no dictionary holds costs a search each time: a long
            // list or address may repeat it thousands of times.
            constexpr std::size_t keptGuesses = 4096;
            if (at < code.size() && (code[at] == guessMark || code[at] == u'(') &&
                guesses->size() < keptGuesses)
                guesses->emplace(word, code.substr(at));
        }
        if (read && isSpelledLetter(word, options_.variant)) {
            if (runStart == std::u16string::npos)
                runStart = at;
            lastLetter = at;
        } else {
            stressLetterRun(code, runStart, lastLetter, at);
            runStart = std::u16string::npos;
        }
        const bool pause = index < pauses.size() && pauses[index];
        if (pause || end == std::u16string_view::npos) {
            stressLetterRun(code, runStart, lastLetter, code.size());
            runStart = std::u16string::npos;
        }
        if (end == std::u16string_view::npos)
            break;
        code += u' ';
        start = end + 1;
    }

    if (window == nullptr)
        out.reserve(out.size() + 2 * code.size() + 2);
    PhraseSettings settings;
    settings.american = options_.variant == Variant::American;
    settings.weakForms = options_.weakForms;
    settings.homographs = &shipped_->homographs();
    settings.userDictionary = user_;
    if (window != nullptr)
        appendConnectedSpeech(settings, words, code, pauses, *window, out);
    else
        appendConnectedSpeech(settings, words, code, pauses, out);
}

} // namespace orvanta
