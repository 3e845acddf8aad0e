// Letters said by name: single letters and initials, acronyms (BBC) against
// capital words said as words (NATO, emphasis), letters run into words (PhD),
// and words run together with capitals (TimeWarner).

#include "engine/reading/reader.h"

#include <algorithm>
#include <array>

namespace orvanta::reading {

namespace {

// Whether a capital word that is not in the dictionary could be said as a
// word (NATO, UNESCO) rather than letter by letter (BBC, HTML): it needs
// vowels, a start that English words have, and no long consonant runs.
bool isSayable(std::u16string_view word) {
    auto vowel = [](char16_t c) {
        return c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U' || c == u'Y';
    };
    if (word.size() < 4)
        return false;
    std::size_t vowels = 0;
    std::size_t run = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (vowel(word[i]) && !(word[i] == u'Y' && i == 0)) {
            ++vowels;
            run = 0;
        } else if (++run > 2) {
            return false;
        }
    }
    if (vowels == 0 || vowels * 3 < word.size())
        return false;
    if (!vowel(word[0]) && !vowel(word[1])) {
        static constexpr std::array<std::u16string_view, 27> onsets = {
            u"BL", u"BR", u"CH", u"CL", u"CR", u"DR", u"DW", u"FL", u"FR",
            u"GL", u"GR", u"KN", u"PH", u"PL", u"PR", u"QU", u"SC", u"SH",
            u"SK", u"SL", u"SM", u"SN", u"SP", u"ST", u"SW", u"TH", u"TR"};
        const std::u16string_view start = word.substr(0, 2);
        if (std::find(onsets.begin(), onsets.end(), start) == onsets.end() && start != u"TW" &&
            start != u"WH" && start != u"WR")
            return false;
    }
    return true;
}

// Short words that people set in capitals for emphasis ("I did NOT"): read
// as words, where other short capital words are spelled.
bool isEmphasisWord(std::uint64_t packed) {
    static constexpr auto words = [] {
        std::array<std::uint64_t, 62> table{
            key("all"), key("am"),  key("an"),  key("and"), key("any"), key("are"), key("as"),
            key("at"),  key("be"),  key("big"), key("but"), key("by"),  key("can"), key("did"),
            key("do"),  key("for"), key("get"), key("go"),  key("got"), key("had"), key("has"),
            key("he"),  key("her"), key("his"), key("how"), key("if"),  key("in"),  key("is"),
            key("it"),  key("its"), key("let"), key("may"), key("me"),  key("my"),  key("new"),
            key("no"),  key("nor"), key("not"), key("now"), key("of"),  key("off"), key("oh"),
            key("old"), key("on"),  key("one"), key("or"),  key("our"), key("out"), key("say"),
            key("see"), key("she"), key("so"),  key("the"), key("to"),  key("too"), key("two"),
            key("up"),  key("was"), key("we"),  key("who"), key("why"), key("yes")};
        std::sort(table.begin(), table.end());
        return table;
    }();
    return std::binary_search(words.begin(), words.end(), packed) || packed == key("you") ||
           packed == key("yet");
}

// TimeWarner, PrimeRevenue: words run together with capitals, read as
// their parts when the whole is unknown and every part is known.
bool readMixedCase(Reading &r, const Token &token, std::size_t) {
    const std::u16string_view text = token.text;
    std::u16string lower(text);
    for (char16_t &c : lower)
        c = lowerAscii(c);
    const bool capitalised = isAsciiUpper(text[0]);
    // PbS, PhD, iOS: short and unknown, with capitals inside, is letters.
    if (text.size() <= 4 && !r.context.knownWord(lower)) {
        for (const char16_t c : text)
            r.emitLetter(c);
        r.setPrevious(false, false, true);
        return false;
    }
    if (!r.context.knownWord(lower)) {
        std::size_t parts[16];
        std::size_t count = 0;
        parts[count++] = 0;
        for (std::size_t k = 1; k < text.size() && count < std::size(parts); ++k) {
            if (isAsciiUpper(text[k]) && isAsciiLower(text[k - 1]))
                parts[count++] = k;
        }
        bool allKnown = count > 1;
        bool longParts = count > 1;
        for (std::size_t p = 0; p < count && allKnown; ++p) {
            const std::size_t from = parts[p];
            const std::size_t to = p + 1 < count ? parts[p + 1] : text.size();
            const std::u16string_view part = std::u16string_view(lower).substr(from, to - from);
            allKnown = part.size() == 1 || r.context.knownWord(part);
            longParts = longParts && part.size() >= 3;
        }
        if (allKnown || longParts) {
            for (std::size_t p = 0; p < count; ++p) {
                const std::size_t from = parts[p];
                const std::size_t to = p + 1 < count ? parts[p + 1] : text.size();
                if (to - from == 1)
                    r.emitLetter(text[from]);
                else
                    r.emit(text.substr(from, to - from));
            }
            r.setPrevious(capitalised && r.tokens > 0, false, false);
            return false;
        }
    }
    r.emit(text);
    r.setPrevious(capitalised && r.tokens > 0, false, false);
    return false;
}

} // namespace

// A letter said by its name. The dictionaries say single letters as
// their names, except "a", which is the article.
void Reading::emitLetter(char16_t letter) {
    // What is spelled may hold an apostrophe (i.e.Ø's); it has no name.
    if (!isAsciiLetter(letter))
        return;
    const char16_t lower = lowerAscii(letter);
    if (lower == u'a') {
        emit(context.variant == Variant::British ? u"eh" : u"ay");
        return;
    }
    const char16_t name[1] = {lower};
    emit(std::u16string_view(name, 1));
}

// Whether a lone letter (not "a", not "I") starts after the spaces at `i`.
bool Reading::isLoneLetterAt(std::size_t i) const {
    while (i < sentence.size() && isSpace(sentence[i]))
        ++i;
    if (i >= sentence.size() || !isAsciiLetter(sentence[i]) || sentence[i] == u'a' ||
        sentence[i] == u'A' || sentence[i] == u'I')
        return false;
    return i + 1 >= sentence.size() || !isWordLetter(sentence[i + 1]);
}

bool readSingleLetter(Reading &r, const Token &token, std::size_t end) {
    const char16_t letter = token.text[0];
    const std::size_t after = end + (token.fullStop ? 1 : 0);
    const char16_t next = r.nextStart(after);
    if (letter == u'I') {
        r.emit(u"I");
        r.setPrevious(false, false, false);
        return false;
    }
    if (letter == u'a' || letter == u'A') {
        // The article, unless it is an initial or one of spelled letters.
        const bool nextIsLetter =
            after < r.sentence.size() && isSpace(r.sentence[after]) && r.isLoneLetterAt(after);
        const bool initial = letter == u'A' && token.fullStop && isAsciiUpper(next);
        const bool spelled =
            letter == u'a' ? r.previousLetter || nextIsLetter
                           : initial || nextIsLetter || (r.previousLetter && !isAsciiLetter(next));
        if (!spelled) {
            r.emit(token.text);
            r.setPrevious(false, false, false);
            return false;
        }
    }
    r.emitLetter(letter);
    r.setPrevious(false, false, true);
    // An initial keeps its full stop unless the sentence ends there.
    return token.fullStop && next != 0;
}

bool readCapitals(Reading &r, const Token &token, std::size_t capitals, std::size_t end) {
    const std::u16string_view text = token.text;
    // Capitals with a plural or possessive: MPs, AOL's, CDs'.
    std::size_t core = text.size();
    std::u16string_view ending;
    if (capitals == text.size() - 1 && text.back() == u's') {
        core = text.size() - 1;
        ending = u"'s";
    } else if (text.size() > 2 && text.substr(text.size() - 2) == u"'s" &&
               capitals == text.size() - 2) {
        core = text.size() - 2;
        ending = u"'s";
    } else if (capitals != text.size()) {
        return readMixedCase(r, token, end);
    }
    const std::u16string_view letters = text.substr(0, core);
    std::u16string lower(letters);
    for (char16_t &c : lower)
        c = lowerAscii(c);
    // In capitals-only text every word is in capitals: the dictionary
    // decides. Elsewhere a short capital word is an acronym unless it is
    // a common word set in capitals for emphasis: the dictionary's many
    // acronyms said as words (gis, ecg) are not trusted below four
    // letters.
    bool asWord;
    if (!r.mixedCase)
        asWord = r.context.knownWord(lower) || isSayable(letters);
    else if (letters.size() <= 3)
        asWord = ending.empty() && isEmphasisWord(packedKey(letters));
    else
        asWord = r.context.knownWord(lower) || isSayable(letters);
    if (asWord) {
        r.emit(text);
        r.setPrevious(false, packedKey(text) != 0 && isNumberedHeading(packedKey(text)), false);
        r.previousHeadingCapital = r.previousHeading;
        r.previousLetterHeading = packedKey(text) == key("letter");
        r.previousPlace = !r.mixedCase && ending.empty();
        return false;
    }
    for (std::size_t k = 0; k < letters.size(); ++k) {
        if (k + 1 == letters.size() && !ending.empty()) {
            if (!r.out.empty() && r.out.back() != u' ')
                r.out += u' ';
            r.out += lowerAscii(letters[k]) == u'a'
                         ? (r.context.variant == Variant::British ? u"eh" : u"ay")
                         : std::u16string(1, lowerAscii(letters[k]));
            r.out += ending;
            r.hasWord = true;
            r.pauseSinceWord = 0;
        } else {
            r.emitLetter(letters[k]);
        }
    }
    r.setPrevious(false, false, false);
    // U.S.-style initials aside, a full stop after capitals is the
    // sentence's.
    return false;
}

} // namespace orvanta::reading
