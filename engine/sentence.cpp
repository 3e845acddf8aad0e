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

} // namespace

void TranscriptionEngine::respellSpecialWords(std::u16string &sentence) const {
    // Must run while the full stops are still there.
    sentence = replaceAll(sentence, u"a.m.", u"eyem");
}

std::u16string TranscriptionEngine::normalizeSentence(std::u16string sentence) const {
    respellSpecialWords(sentence);

    std::u16string kept;
    kept.reserve(sentence.size());
    for (const char16_t c : sentence) {
        if (isAllowed(c))
            kept.push_back(c);
        else if (separatesWords(c))
            kept.push_back(u' ');
    }
    kept = replaceAll(kept, u"  ", u" ");

    const std::size_t last = kept.find_last_not_of(u' ');
    if (last == std::u16string::npos)
        return {};
    const std::size_t first = kept.find_first_not_of(u' ');
    return kept.substr(first, last + 1 - first);
}

std::u16string TranscriptionEngine::transcribeSentence(std::u16string sentence) const {
    sentence = normalizeSentence(std::move(sentence));
    std::vector<std::u16string> words;
    splitOnChar(words, sentence, u' ');

    std::u16string code;
    for (const std::u16string &word : words) {
        code += transcribeWord(word);
        code += u' ';
    }
    code.pop_back(); // there is always at least one word
    return u"[" + adjustPhrase(words, code) + u"]";
}

} // namespace orvanta
