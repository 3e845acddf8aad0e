#include "engine/text/sentence_boundary.h"

#include "engine/reading/reading_text.h"

#include <array>

namespace orvanta {

using namespace reading;

namespace {

// Words that open sentences far more often than they continue a name; after
// "U.S." or "Inc." they mean a new sentence has begun.
bool opensSentence(std::u16string_view word) {
    static constexpr std::array<std::u16string_view, 32> openers = {
        u"A",    u"After", u"All",  u"An",   u"And", u"As",   u"At",   u"But",
        u"For",  u"He",    u"Her",  u"His",  u"How", u"I",    u"If",   u"In",
        u"It",   u"Its",   u"On",   u"One",  u"She", u"So",   u"That", u"The",
        u"Then", u"There", u"They", u"This", u"We",  u"What", u"When", u"You"};
    std::size_t end = 0;
    while (end < word.size() && (isAsciiLetter(word[end]) || word[end] == u'\''))
        ++end;
    word = word.substr(0, end);
    for (const std::u16string_view opener : openers) {
        if (word == opener)
            return true;
    }
    return false;
}

// The first letter or digit of the next word, past quotes and brackets.
char16_t firstOf(std::u16string_view after) {
    for (const char16_t c : after) {
        if (isAsciiLetter(c) || isDigit(c) || c >= 0x80)
            return c;
    }
    return 0;
}

} // namespace

bool endsSentence(std::u16string_view before, std::u16string_view after) {
    if (before.empty() || before.back() != u'.')
        return true;
    const char16_t next = firstOf(after);
    if (next == 0)
        return true;

    // The word the full stop closes, with any inner full stops (U.S.).
    std::size_t start = before.size() - 1;
    while (start > 0 && (isLetter(before[start - 1]) || before[start - 1] == u'.' ||
                         isApostrophe(before[start - 1])))
        --start;
    // An opening quote typed as an apostrophe ('Mr. Collins) is no part of
    // the word.
    while (start + 1 < before.size() && isApostrophe(before[start]))
        ++start;
    const std::u16string_view word = before.substr(start, before.size() - 1 - start);
    if (word.empty() || word.back() == u'.')
        return true; // an ellipsis, or a mark after a number or bracket

    const bool innerStops = word.find(u'.') != std::u16string_view::npos;
    std::u16string_view bare = word;
    std::array<char16_t, 16> letters{};
    if (innerStops) {
        // e.g. / i.e. / U.S. / a.m.: judge by the letters alone.
        std::size_t count = 0;
        for (const char16_t c : word) {
            if (c != u'.' && count < letters.size())
                letters[count++] = c;
        }
        bare = std::u16string_view(letters.data(), count);
    }

    if (isTitleBeforeName(bare) || isNeverFinalAbbreviation(bare))
        return false;
    if (isDigit(next))
        return !isOpenAbbreviation(bare);

    // A single capital is an initial ("J. R. R. Tolkien"), except the
    // pronoun.
    if (!innerStops && word.size() == 1 && isAsciiUpper(word[0]))
        return word[0] == u'I';
    if (innerStops) {
        // Initialisms run on into names ("U.S. Army") unless what follows
        // plainly opens a sentence.
        return opensSentence(after);
    }
    if (isOpenAbbreviation(bare))
        return opensSentence(after);
    return true;
}

} // namespace orvanta
