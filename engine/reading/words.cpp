// A word as written: where it ends, its apostrophes, hyphens and inner dots,
// and which kind of written form reads it.

#include "engine/reading/reader.h"

#include <algorithm>
#include <array>

namespace orvanta::reading {

namespace {

// A capitalised verb that opens a question, or a word that opens a clause,
// is never the name of a monarch: "Can I?" and "And I?" end in the pronoun.
bool isAuxiliaryOrConjunction(std::uint64_t packed) {
    static constexpr std::uint64_t words[] = {
        key("can"),    key("could"), key("shall"), key("should"), key("may"),  key("might"),
        key("must"),   key("will"),  key("would"), key("do"),     key("does"), key("did"),
        key("am"),     key("was"),   key("were"),  key("have"),   key("has"),  key("had"),
        key("need"),   key("dare"),  key("and"),   key("but"),    key("or"),   key("so"),
        key("nor"),    key("than"),  key("as"),    key("if"),     key("when"), key("why"),
        key("how"),    key("what"),  key("where"), key("who"),    key("whom"), key("though"),
        key("because")};
    return packed != 0 && std::find(std::begin(words), std::end(words), packed) != std::end(words);
}

// Prefixes that are not words by themselves.
bool isBoundPrefix(std::uint64_t packed) {
    static constexpr std::array<std::uint64_t, 14> prefixes = {
        key("anti"), key("bi"), key("co"),   key("de"),  key("mid"), key("multi"), key("non"),
        key("pre"),  key("re"), key("semi"), key("sub"), key("tri"), key("un"),    key("uni")};
    return std::find(prefixes.begin(), prefixes.end(), packed) != prefixes.end();
}

// Words written without a vowel letter: interjections, and the few
// abbreviations that the dictionaries say as words.
bool isVowellessWord(std::uint64_t packed) {
    static constexpr std::uint64_t words[] = {
        key("hm"),  key("hmm"),  key("hmmm"), key("mhm"), key("mm"),   key("mmm"), key("hmph"),
        key("sh"),  key("shh"),  key("psst"), key("tsk"), key("pfft"), key("grr"), key("nth"),
        key("cwm"), key("cwms"), key("lb"),   key("lbs"), key("ltd"),  key("jr"),  key("sr"),
        key("sgt"), key("msgr"), key("mr"),   key("mrs"), key("ms"),   key("dr"),  key("st"),
        key("mt"),  key("ct"),   key("ln")};
    return packed != 0 && std::find(std::begin(words), std::end(words), packed) != std::end(words);
}

bool readHyphenated(Reading &r, const Token &token, std::size_t end) {
    const std::u16string_view text = token.text;
    std::u16string joined;
    joined.reserve(text.size());
    for (const char16_t c : text) {
        if (!isHyphen(c) && c != u'&')
            joined += lowerAscii(c);
    }
    // Words joined by hyphens are said as their parts (twenty-one,
    // brother-in-law); only a prefix that is no word of its own (co-,
    // re-, pre-) makes one word with what follows, when the dictionary
    // has the whole.
    const bool hasAmpersand = text.find(u'&') != std::u16string_view::npos;
    const std::size_t firstHyphen = text.find_first_of(u"-\u2010\u2011");
    if (!hasAmpersand && firstHyphen != std::u16string_view::npos &&
        isBoundPrefix(packedKey(text.substr(0, firstHyphen))) && r.context.knownWord(joined)) {
        r.emit(joined);
        r.setPrevious(false, false, false);
        return false;
    }
    bool consumed = false;
    std::size_t from = 0;
    for (std::size_t k = 0; k <= text.size(); ++k) {
        if (k < text.size() && !isHyphen(text[k]) && text[k] != u'&')
            continue;
        Token part;
        part.text = text.substr(from, k - from);
        part.fullStop = k == text.size() && token.fullStop;
        part.dots = part.text.find(u'.') != std::u16string_view::npos;
        if (!part.text.empty())
            consumed = readToken(r, part, k == text.size() ? end : end - (text.size() - k));
        if (k < text.size() && text[k] == u'&')
            r.emit(u"and");
        from = k + 1;
    }
    return consumed;
}

} // namespace

std::size_t readWordAt(Reading &r, std::size_t i) {
    if (r.atChunkStart(i) && mayBeAddress(r, i)) {
        if (const std::size_t end = addressEnd(r, i); end != 0)
            return readAddress(r, i, end);
    }
    Token token;
    const std::size_t start = i;
    const std::size_t n = r.sentence.size();
    std::size_t j = i;
    if (isApostrophe(r.sentence[j])) {
        token.apostrophe = r.sentence[j] != u'\'';
        ++j;
    }
    std::size_t segment = j;
    for (;;) {
        while (j < n && r.isLetterAt(j)) {
            if (r.sentence[j] >= 0x80)
                token.nonAscii = true;
            ++j;
        }
        if (j + 1 >= n || !r.isLetterAt(j + 1))
            break;
        const char16_t c = r.sentence[j];
        if (isApostrophe(c)) {
            token.apostrophe = token.apostrophe || c != u'\'';
        } else if (isHyphen(c)) {
            token.hyphen = true;
        } else if (c == u'.' && j - segment <= 2) {
            std::size_t end = j + 1;
            while (end < n && isAsciiLetter(r.sentence[end]))
                ++end;
            if (end - (j + 1) > 2)
                break;
            token.dots = true;
        } else if (c == u'&' && j > start && isAsciiUpper(r.sentence[j - 1]) &&
                   isAsciiUpper(r.sentence[j + 1])) {
            token.hyphen = true; // AT&T: read as its parts
        } else {
            break;
        }
        ++j;
        segment = j;
    }
    // A closing apostrophe belongs to the word (the students', thro').
    if (j < n && isApostrophe(r.sentence[j]) && j > start && r.sentence[j - 1] != u'.') {
        token.apostrophe = token.apostrophe || r.sentence[j] != u'\'';
        ++j;
    }
    token.text = r.sentence.substr(start, j - start);
    // An opening quote typed as an apostrophe ('Mrs. Smith'): unless
    // the dictionary has the word with it ('tis), it is no part of it.
    if (isApostrophe(r.sentence[start]) && token.text.size() > 1 &&
        !r.knownWithApostrophe(token.text))
        token.text.remove_prefix(1);
    token.fullStop = j < n && r.sentence[j] == u'.' && !(j + 1 < n && r.sentence[j + 1] == u'.');

    // A month name may open a date; in lower case ("aug 3") only when a
    // number follows.
    const std::size_t afterToken = j + (token.fullStop ? 1 : 0);
    if (!token.dots && !token.hyphen &&
        (isAsciiUpper(r.sentence[start]) ||
         (afterToken + 1 < n && isSpace(r.sentence[afterToken]) &&
          isDigit(r.sentence[afterToken + 1]))) &&
        monthNumber(token.text) != 0) {
        std::u16string words;
        const std::size_t used = readNumericAt(r.sentence, start, r.context.variant, words);
        if (used > 0) {
            r.emit(words);
            r.setPrevious(false, false, false);
            return start + std::min(used, n - start);
        }
    }
    // A currency written before its amount in letters: "CHF 20", "US$5",
    // "Rs. 500".
    if (token.text.size() <= 3 && !token.hyphen && afterToken + 1 < n &&
        (r.sentence[j] == u'$' || isDigit(r.sentence[afterToken]) ||
         (isSpace(r.sentence[afterToken]) && isDigit(r.sentence[afterToken + 1])))) {
        std::u16string words;
        if (const std::size_t used = readNumericAt(r.sentence, start, r.context.variant, words)) {
            r.emit(words);
            r.setPrevious(false, false, false);
            return start + std::min(used, n - start);
        }
    }
    const bool consumed = readToken(r, token, j);
    return j + (consumed && token.fullStop ? 1 : 0);
}

// Reads one token; returns whether its full stop belonged to it (an
// abbreviation's) rather than to the sentence.
bool readToken(Reading &r, const Token &token, std::size_t end) {
    const std::u16string_view text = token.text;
    if (text.empty())
        return false;

    if (token.apostrophe || token.nonAscii) {
        std::u16string cleaned = cleanedWord(r, text);
        if (containsOtherScript(cleaned)) {
            const std::u16string_view greek =
                cleaned.size() == 1 ? greekLetterName(cleaned[0]) : std::u16string_view{};
            if (!greek.empty()) {
                r.emit(greek);
            } else {
                // Inner full stops, hyphens and ampersands part the word.
                std::size_t from = 0;
                for (std::size_t k = 0; k <= cleaned.size(); ++k) {
                    if (k < cleaned.size() &&
                        (cleaned[k] == u'\'' || isLetter(cleaned[k]) || isDigit(cleaned[k])))
                        continue;
                    r.emit(std::u16string_view(cleaned).substr(from, k - from));
                    from = k + 1;
                }
            }
            r.setPrevious(false, false, false);
            return false;
        }
        if (cleaned != text) {
            Token copy = token;
            copy.apostrophe = false;
            copy.nonAscii = false;
            copy.text = cleaned;
            return readToken(r, copy, end);
        }
    }
    if (token.hyphen)
        return readHyphenated(r, token, end);
    if (token.dots)
        return readDotted(r, token, end);

    const std::size_t letters = text.size();
    const bool capitalised = isAsciiUpper(text[0]);
    std::size_t capitals = 0;
    std::uint64_t packed = 0;
    bool packable = letters <= 8;
    for (const char16_t c : text) {
        capitals += isAsciiUpper(c) ? 1 : 0;
        packable = packable && isAsciiLetter(c);
        packed = packed << 8 | lowerAscii(c);
    }
    if (!packable)
        packed = 0;

    // Roman numerals where the context makes them numbers.
    if (capitals == letters) {
        bool fullStopTaken = false;
        if (readRomanNumeral(r, token, end, fullStopTaken))
            return fullStopTaken;
    }

    // Lower-case words without a full stop match only the few
    // abbreviations written so (etc, vs, mr, dr, st...).
    if (packed != 0 && (capitalised || token.fullStop || mayBeBareAbbreviation(packed))) {
        if (readAbbreviation(r, token, packed, capitalised, end))
            return true;
    }

    if (letters == 1)
        return readSingleLetter(r, token, end);

    if (capitals >= 2)
        return readCapitals(r, token, capitals, end);

    // A short lower-case word without a vowel is letters (smr, kpc, fsf:
    // the dictionaries' entries for such acronyms run the letters together
    // with a stress of their own), unless it is one of the few words
    // written without one (hmm, psst, nth); an apostrophe among them ('n')
    // is no letter.
    if (capitals == 0 && letters <= 4 &&
        text.find_first_of(u"aeiouy") == std::u16string_view::npos &&
        !(isVowellessWord(packed) && r.context.knownWord(text))) {
        for (const char16_t c : text) {
            if (isAsciiLetter(c))
                r.emitLetter(c);
        }
        r.setPrevious(false, false, true);
        return false;
    }

    r.emit(text);
    const bool letterHeading = packed == key("letter");
    r.setPrevious(capitalised && !isAuxiliaryOrConjunction(packed),
                  packed != 0
                      ? isNumberedHeading(packed)
                      : equalsFolded(text, u"corollary") || equalsFolded(text, u"proposition") ||
                            equalsFolded(text, u"paragraph"),
                  false);
    r.previousHeadingCapital = r.previousHeading && capitalised;
    r.previousLetterHeading = letterHeading;
    return false;
}

} // namespace orvanta::reading
