#include "engine/internal/rules.h"
#include "engine/reading.h"
#include "engine/text.h"
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

// Line breaks, tabs and the other white space of Unicode (the no-break space
// of web pages, the ideographic space) part words just as the space does:
// dropping them would fuse the words on either side into one unknown word.
bool separatesWords(char16_t c) {
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u0085':
    case u'\u00A0':
    case u'\u1680':
    case u'\u2028':
    case u'\u2029':
    case u'\u202F':
    case u'\u205F':
    case u'\u3000':
        return true;
    default:
        return c >= u'\u2000' && c <= u'\u200A';
    }
}

// The library's search for a pattern costs more than this scan, and almost
// no sentence holds the pattern.
bool holdsAm(std::u16string_view sentence) {
    for (std::size_t i = 0; i + 4 <= sentence.size(); ++i) {
        if (sentence[i + 1] == u'.' && sentence[i] == u'a' && sentence[i + 2] == u'm' &&
            sentence[i + 3] == u'.')
            return true;
    }
    return false;
}

} // namespace

void rules::respellSpecialWords(std::u16string &sentence) {
    // Must run while the full stops are still there.
    if (holdsAm(sentence))
        sentence = replaceAll(sentence, u"a.m.", u"eyem");
}

std::u16string rules::normalizeSentence(std::u16string sentence) {
    respellSpecialWords(sentence);

    // Runs of spaces collapse to one and spaces at either end go, as they
    // are met, rather than in passes over the kept text. The text is
    // filtered in place: it never grows.
    char16_t *const begin = sentence.data();
    char16_t *kept = begin;
    for (const char16_t c : sentence) {
        if (c != u' ' && isAllowed(c))
            *kept++ = c;
        else if ((c == u' ' || separatesWords(c)) && kept != begin && kept[-1] != u' ')
            *kept++ = u' ';
    }
    if (kept != begin && kept[-1] == u' ')
        --kept;
    sentence.resize(static_cast<std::size_t>(kept - begin));
    return sentence;
}

std::u16string TranscriptionEngine::transcribeSentence(std::u16string sentence) const {
    return transcribeNormalized(rules::normalizeSentence(std::move(sentence)));
}

std::u16string TranscriptionEngine::transcribeReadSentence(std::u16string_view sentence,
                                                           bool british) const {
    ReadingContext context;
    context.variant = british ? Variant::British : Variant::American;
    context.knownWord.context = this;
    context.knownWord.test = [](const void *engine, std::u16string_view word) {
        std::u16string unused;
        return static_cast<const TranscriptionEngine *>(engine)->lookUp(word, unused);
    };
    context.pauseMarks = false;
    const std::u16string words = readText(sentence, context);
    // The reader leaves words and single spaces: letters of other scripts
    // among them stay, to show as unknown words.
    if (words.empty())
        return u"[]";
    return transcribeNormalized(words);
}

std::u16string TranscriptionEngine::transcribeNormalized(std::u16string_view words) const {
    std::u16string code;
    code.reserve(words.size() + words.size() / 2 + 8);
    for (std::size_t start = 0;;) {
        const std::size_t end = words.find(u' ', start);
        appendWordCode(words.substr(start, end - start), code);
        if (end == std::u16string_view::npos)
            break;
        code += u' ';
        start = end + 1;
    }

    std::u16string result;
    result.reserve(2 * code.size() + 2);
    result += u'[';
    rules::appendAdjustedPhrase(words, code, result);
    result += u']';
    return result;
}

} // namespace orvanta
