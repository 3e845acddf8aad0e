#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/guess_model.h"
#include "engine/lexicon/word_formation.h"
#include "engine/lexicon/word_rules.h"
#include "engine/text/text.h"
#include "engine/transcription_engine.h"

#include <algorithm>

namespace orvanta {

using rules::joinCode;

// The engine's private steps, for the rules' test entry points.
struct EngineInternals {
    // How word formation finds a part: the dictionaries, the inflection
    // rules on them when `inflected`, a homograph's noun reading for an
    // element of a compound.
    static bool knownWord(const void *context, std::u16string_view word, bool inflected, bool noun,
                          std::u16string &code) {
        const auto *engine = static_cast<const TranscriptionEngine *>(context);
        if (noun && engine->nounReading(word, code))
            return true;
        if (engine->lookUp(word, code))
            return true;
        if (!inflected)
            return false;
        const std::u16string spelled(word);
        code = engine->transcribeMissingWord(spelled, spelled);
        return code.front() != u'(';
    }
    static void appendWordCode(const TranscriptionEngine &engine, std::u16string_view word,
                               std::u16string &out) {
        engine.appendWordCode(word, out);
    }
    static std::u16string transcribeSuffixed(const TranscriptionEngine &engine,
                                             const std::u16string &lowerWord,
                                             const std::u16string &suffix) {
        return engine.transcribeSuffixed(lowerWord, suffix);
    }
};

namespace {

// "runn", but also "see": any repeated final character counts.
bool endsInDoubledLetter(const std::u16string &stem) {
    return stem.size() >= 2 && stem[stem.size() - 1] == stem[stem.size() - 2];
}

bool isVowelLetter(char16_t c) {
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u' || c == u'y';
}

// The stems that write the plural or third person as -es: "boxes",
// "churches", "goes".
bool takesEs(const std::u16string &stem) {
    return stem.ends_with(u's') || stem.ends_with(u'x') || stem.ends_with(u'z') ||
           stem.ends_with(u"ch") || stem.ends_with(u"sh") || stem.ends_with(u'o');
}

std::u16string withoutLast(const std::u16string &text, std::size_t count) {
    return text.substr(0, text.size() - std::min(count, text.size()));
}

std::u16string parenthesised(const std::u16string &word) {
    return u"(" + word + u")";
}

} // namespace

// The shipped dictionary process-wide unless the engine is given its own.
TranscriptionEngine::TranscriptionEngine() : TranscriptionEngine(processDictionary()) {}

TranscriptionEngine::TranscriptionEngine(const PronunciationDictionary &dictionary,
                                         EngineOptions options)
    : TranscriptionEngine(dictionary, nullptr, options) {}

TranscriptionEngine::TranscriptionEngine(const PronunciationDictionary &shipped,
                                         const PronunciationDictionary *user, EngineOptions options)
    : shipped_(&shipped), user_(user), options_(options) {}

bool TranscriptionEngine::lookUp(std::u16string_view lowerWord, std::u16string &out) const {
    if (user_ != nullptr && user_->appendTranscription(lowerWord, out))
        return true;
    return shipped_->appendTranscription(lowerWord, out);
}

bool TranscriptionEngine::hasTranscription(const std::u16string &word) const {
    return (user_ != nullptr && user_->hasTranscription(word)) || shipped_->hasTranscription(word);
}

void TranscriptionEngine::appendWordCode(std::u16string_view word, std::u16string &out,
                                         bool guess) const {
    // Most words are in the dictionary as they are, lower-cased: look them
    // up from a buffer on the stack, straight into `out`.
    constexpr std::size_t onStack = 64;
    if (word.size() <= onStack) {
        char16_t lower[onStack];
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char16_t c = word[i];
            lower[i] = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
        if (lookUp(std::u16string_view(lower, word.size()), out))
            return;
        const std::u16string original(word);
        const std::u16string said = transcribeMissingWord(original, toLowerAscii(original));
        if (guess && said.front() == u'(') {
            const std::u16string guessed = guessWord(std::u16string_view(lower, word.size()));
            if (!guessed.empty()) {
                out += guessMark;
                out += guessed;
                return;
            }
        }
        out += said;
        return;
    }
    out += transcribeWord(std::u16string(word));
}

std::u16string TranscriptionEngine::transcribeWord(std::u16string word) const {
    const std::u16string w = toLowerAscii(word);
    std::u16string code;
    if (lookUp(w, code))
        return code;
    return transcribeMissingWord(word, w);
}

std::u16string TranscriptionEngine::guessWord(std::u16string_view lowerWord) const {
    // Other scripts, digits and apostrophes are no letters to sound out.
    if (lowerWord.empty() || !std::all_of(lowerWord.begin(), lowerWord.end(),
                                          [](char16_t c) { return c >= u'a' && c <= u'z'; }))
        return {};
    const rules::KnownWords known = rules::knownWordsOf(*this);
    rules::Formation formed = rules::formWord(lowerWord, options_.variant, known);
    if (!formed.code.empty())
        return std::move(formed.code);
    if (options_.guessModel == nullptr)
        return {};
    const LetterToSoundModel *model = options_.guessModel->model();
    return model != nullptr ? model->pronounce(lowerWord) : std::u16string();
}

// A compound's element said as a noun where the shipped dictionary's
// homographs give it a reading of its own ("long-bow", "wind-break"),
// unless the user's dictionary says how the word is said.
bool TranscriptionEngine::nounReading(std::u16string_view lowerWord, std::u16string &code) const {
    const HomographTable::Entry *entry = shipped_->homographs().find(lowerWord);
    if (entry == nullptr || entry->reading(WordRole::Noun).empty() ||
        (user_ != nullptr && user_->hasTranscription(std::u16string(lowerWord))))
        return false;
    code = entry->reading(WordRole::Noun);
    return true;
}

// The stem's transcription when the dictionary has one: a single lookup
// answers both "is it known?" and "how is it said?". An entry said letter by
// letter or a phrase takes -s and -ed ("NGOs", "OK'd") but no other ending:
// "ap-er" is not A.P. with an ending.
bool TranscriptionEngine::lookUpStem(const std::u16string &stem, std::u16string &code,
                                     bool spelledToo) const {
    code.clear();
    return lookUp(stem, code) && (spelledToo || code.empty() || rules::saidAsAWord(stem, code));
}

std::u16string TranscriptionEngine::transcribeMissingWord(const std::u16string &word,
                                                          const std::u16string &w) const {
    const std::u16string fallback = parenthesised(word);
    std::u16string code;

    // Quotation marks typed as ASCII apostrophes ('like this') survive
    // normalisation and stick to the word; unless the dictionary knows the
    // word with them ('em, 'tis), they are punctuation, not spelling.
    const std::size_t first = w.find_first_not_of(u'\'');
    const std::size_t last = w.find_last_not_of(u'\'');
    if (first != std::u16string::npos && (first > 0 || last + 1 < w.size())) {
        const std::u16string inner = transcribeWord(word.substr(first, last + 1 - first));
        return inner.front() == u'(' ? fallback : inner;
    }

    if (w.size() < 3)
        return fallback;

    if (w.ends_with(u"ing")) {
        std::u16string stem = withoutLast(w, 3);
        if (endsInDoubledLetter(stem)) {
            if (lookUpStem(stem, code))
                return joinCode(stem, code, u"ing", options_.variant);
            // "running" -> "run". Without that stem in the dictionary the
            // ending alone would replace the word, so the word falls back.
            stem.pop_back();
            if (lookUpStem(stem, code))
                return joinCode(stem, code, u"ing", options_.variant);
            return fallback;
        }
        // "making": the stem with its e restored wins over the bare one,
        // when that e is silent ("childe" says it, "child-ing" is a stem;
        // "care" ends in a vowel only for the British r).
        if (lookUpStem(stem + u"e", code) &&
            (code.empty() || stem.ends_with(u'r') ||
             rules::classifySound(code.back()) != rules::SoundClass::Vowel))
            return joinCode(stem + u"e", code, u"ing", options_.variant);
        if (lookUpStem(stem, code))
            return joinCode(stem, code, u"ing", options_.variant);
        return fallback;
    }

    if (w.ends_with(u"est"))
        return transcribeSuffixed(w, u"est");

    if (w.ends_with(u"ed") || w.ends_with(u"s")) {
        const std::u16string suffix(1, w.back());
        // Only the spellings English gives the endings: "cared" -> "care",
        // "wanted" -> "want", "boss's" -> "boss", "boxes" -> "box", "tries"
        // -> "try", "quizzes" -> "quiz". Any other letters cut off would
        // make "-us" or "-id" an ending.
        std::u16string stem = withoutLast(w, 1);
        if (lookUpStem(stem, code, true))
            return joinCode(stem, code, suffix, options_.variant);
        const bool es = w.ends_with(u"es");
        if (!(w.ends_with(u"ed") || es || w.ends_with(u"'s")))
            return fallback;
        stem.pop_back();
        if ((!es || takesEs(stem)) && lookUpStem(stem, code, true))
            return joinCode(stem, code, suffix, options_.variant);
        if (w.ends_with(u"ies") || w.ends_with(u"ied")) {
            if (lookUpStem(withoutLast(stem, 1) + u"y", code, true))
                return joinCode(withoutLast(stem, 1) + u"y", code, suffix, options_.variant);
        } else if (!w.ends_with(u"'s") && stem.size() >= 3 && endsInDoubledLetter(stem)) {
            stem.pop_back();
            if (lookUpStem(stem, code, true))
                return joinCode(stem, code, suffix, options_.variant);
        }
        return fallback;
    }

    if (w.ends_with(u"er"))
        return transcribeSuffixed(w, u"er");
    if (w.ends_with(u"ly"))
        return transcribeSuffixed(w, u"ly");
    return fallback;
}

std::u16string TranscriptionEngine::transcribeSuffixed(const std::u16string &lowerWord,
                                                       const std::u16string &suffix) const {
    const std::u16string fallback = parenthesised(lowerWord);
    std::u16string stem = withoutLast(lowerWord, suffix.size());
    std::u16string code;

    if (endsInDoubledLetter(stem)) {
        if (lookUpStem(stem, code))
            return joinCode(stem, code, suffix, options_.variant);
        // "bigger" -> "big"; a missing stem must not leave the ending alone.
        stem.pop_back();
        if (lookUpStem(stem, code))
            return joinCode(stem, code, suffix, options_.variant);
        return fallback;
    }
    // Here the bare stem comes before the one with e restored; a stem's own
    // final e is never written before -er or -est ("ripe-r"), and a single
    // vowel letter before a single consonant would have had it doubled
    // ("finn-est"), so "fin-est" is "fine".
    const bool silentE = stem.ends_with(u'e') && suffix != u"ly";
    const std::size_t n = stem.size();
    if (suffix != u"ly" && n >= 2 && !isVowelLetter(stem[n - 1]) && stem[n - 1] != u'w' &&
        stem[n - 1] != u'x' && isVowelLetter(stem[n - 2]) &&
        std::none_of(stem.begin(), stem.end() - 2, isVowelLetter) && lookUpStem(stem + u"e", code))
        return joinCode(stem + u"e", code, suffix, options_.variant);
    if (!silentE && lookUpStem(stem, code))
        return joinCode(stem, code, suffix, options_.variant);
    if (!stem.empty() && stem.back() == u'i') {
        stem.back() = u'y';
        return lookUpStem(stem, code) ? joinCode(stem, code, suffix, options_.variant) : fallback;
    }
    stem += u"e";
    return lookUpStem(stem, code) ? joinCode(stem, code, suffix, options_.variant) : fallback;
}

namespace rules {

std::u16string joinCode(const std::u16string &stem, std::u16string code,
                        const std::u16string &suffix, Variant variant) {
    const bool takesLinkingR = suffix == u"est" || suffix == u"er" || suffix == u"ing";
    if (takesLinkingR && (stem.ends_with(u"re") || stem.ends_with(u"r"))) {
        // "caring": keq + r; "clearer": klIr keeps a single r.
        code = replaceAll(code + u"r", u"rr", u"r");
    } else if (suffix == u"ly" && stem.ends_with(u"l")) {
        // "really": the stem's l merges into the ending's; -ically loses
        // the weak vowel as well ("basically").
        if (!code.empty())
            code.pop_back();
        if (stem.ends_with(u"ical") && code.ends_with(u"Ikq"))
            code.pop_back();
    } else if (suffix == u"ly" && stem.ends_with(u"ed") && code.size() >= 2 &&
               (code.back() == u't' || code.back() == u'd') &&
               classifySound(code[code.size() - 2]) != SoundClass::Vowel) {
        // "-edly" says the ending as a syllable of its own ("markedly").
        code.back() = u'I';
        code += u'd';
    } else if (suffix == u"ly" && stem.ends_with(u'y') && code.ends_with(u'i')) {
        // "happily": the happY vowel is short inside the word.
        code.back() = u'I';
    }
    // A syllabic l spelled -le loses its vowel before a vowel ("juggler").
    if (takesLinkingR && stem.size() >= 3 && stem.ends_with(u"le") &&
        !isVowelLetter(stem[stem.size() - 3]) && code.ends_with(u"ql"))
        code.erase(code.size() - 2, 1);

    // NUL belongs to no sound class; only the -ing, -est, -er and -ly
    // endings can meet an empty stem, and they ignore the last sound.
    const char16_t lastSound = code.empty() ? u'\0' : code.back();
    code += inflectionEnding(lastSound, suffix);
    // American keeps the r of -er that British writes only before a vowel.
    if (suffix == u"er" && variant == Variant::American)
        code += u'r';

    if (suffix == u"d" || suffix == u"s") {
        // Only the syllabic "Id"/"Iz" endings need a stress mark.
        if (code.size() < 2 || code[code.size() - 2] != u'I')
            return code;
    }
    return ensureStressMark(code);
}

std::u16string ensureStressMark(const std::u16string &code) {
    if (code.find(u'\'') != std::u16string::npos)
        return code;
    return u"'" + code;
}

KnownWords knownWordsOf(const TranscriptionEngine &engine) {
    return {&engine, &EngineInternals::knownWord};
}

void appendWordCode(const TranscriptionEngine &engine, std::u16string_view word,
                    std::u16string &out) {
    EngineInternals::appendWordCode(engine, word, out);
}

std::u16string transcribeSuffixed(const TranscriptionEngine &engine,
                                  const std::u16string &lowerWord, const std::u16string &suffix) {
    return EngineInternals::transcribeSuffixed(engine, lowerWord, suffix);
}

} // namespace rules

} // namespace orvanta
