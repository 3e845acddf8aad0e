// Shared by the files that read numbers and what comes with them: the
// character classes they agree on, a numeral as written, the state of one
// reading, and the readings one file hands to another.
//
//   numbers.cpp    cardinals, decimals, ranges, ratios, signs, digit strings
//   fractions.cpp  3/4, ½, 3 1/2
//   years.cpp      years and decades, and the words that make a number one
//   money.cpp      currency signs and codes, multipliers (5k, $1.5bn)
//   measures.cpp   units after a number (the table is unit_table.h)
//   dates.cpp      month names and written dates
//   times.cpp      clock times and a.m./p.m.
#pragma once

#include "engine/reading/number_words.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orvanta::numbers {

using View = std::u16string_view;
inline constexpr std::size_t npos = View::npos;

inline bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

inline bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0x24F);
}

inline bool isAlnum(char16_t c) {
    return isDigit(c) || isLetter(c);
}

// The spaces that may stand between a number and what belongs to it
// ("5 kg", "$ 5"): the ordinary, the no-break and the thin ones.
inline bool isInlineSpace(char16_t c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

inline bool isApostrophe(char16_t c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u2018' || c == u'\u02BC';
}

// Dashes that join the two ends of a range.
inline bool isRangeDash(char16_t c) {
    return c == u'-' || c == u'\u2013' || c == u'\u2014' || c == u'\u2012';
}

inline bool startsWithAt(View text, std::size_t i, View prefix) {
    return i <= text.size() && text.substr(i, prefix.size()) == prefix;
}

// Past the inline spaces starting at i.
inline std::size_t skipSpaces(View text, std::size_t i) {
    while (i < text.size() && isInlineSpace(text[i]))
        ++i;
    return i;
}

inline std::size_t digitsEnd(View text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// True if nothing letter-like or digit-like continues a token at i.
inline bool boundaryAt(View text, std::size_t i) {
    return i >= text.size() || !isAlnum(text[i]);
}

// The word (a run of ASCII letters) that ends just before `pos`, spaces and
// opening brackets or quotes between them skipped.
View wordBefore(View text, std::size_t pos);
// The word that starts at `pos` once spaces are skipped.
View wordAfter(View text, std::size_t pos);

struct Numeral {
    std::size_t begin = 0, end = 0;
    std::size_t intBegin = 0, intEnd = 0;   // integer digits, separators included
    std::size_t fracBegin = 0, fracEnd = 0; // digits after the point
    std::uint64_t value = 0;                // the integer part
    int digitCount = 0;                     // integer digits, separators not counted
    bool grouped = false;                   // "464,000"
    bool point = false;

    bool fits() const { return digitCount <= 18; }
    bool leadingZero(View text) const { return digitCount > 1 && text[intBegin] == u'0'; }
    bool plainInteger() const { return !grouped && !point; }
    bool isOne() const { return value == 1 && !point && digitCount == 1; }
    std::size_t fracDigits() const { return fracEnd - fracBegin; }
};

// A numeral at i: digits, optionally in groups of three after commas, and
// optionally a decimal point with digits ("1,234.5", ".5").
std::optional<Numeral> scanNumeral(View text, std::size_t i);

// One reading: the sentence, the variant, and the words said so far. The
// readings below return the end of what they read, or npos (having said
// nothing that the caller must keep).
struct Scan {
    View text;
    bool british;
    Speech speech;
    // "a 5 km race": after "a" the amount and its unit describe a noun,
    // and the unit stays singular.
    bool attributive = false;

    // The value of the digits text[begin, end) (at most nine of them).
    unsigned number(std::size_t begin, std::size_t end) const {
        unsigned v = 0;
        for (std::size_t i = begin; i < end && i < begin + 9; ++i)
            v = v * 10 + static_cast<unsigned>(text[i] - u'0');
        return v;
    }
};

// Two numbers parted by a slash, as fractions and short dates are written
// ("3/4", "12/25"): neither run on from nor into another number, word or
// slash.
struct SlashPair {
    unsigned first = 0, second = 0;
    std::size_t end = 0;
};
// The pair at `pos`, with at most `maxFirst` and `maxSecond` digits.
std::optional<SlashPair> slashPair(const Scan &s, std::size_t pos, std::size_t maxFirst,
                                   std::size_t maxSecond);

// numbers.cpp
void sayNumber(Scan &s, const Numeral &n);

// fractions.cpp
bool isVulgarFractionAt(View text, std::size_t i);
void sayFraction(Scan &s, unsigned numerator, unsigned denominator, bool afterWhole);
std::size_t sayVulgarFraction(Scan &s, std::size_t i, bool afterWhole);
std::size_t readFraction(Scan &s, std::size_t pos);

// years.cpp
bool isCardinalCue(View text, std::size_t pos);
bool yearShaped(const Scan &s, const Numeral &n);
bool readsAsYear(const Scan &s, const Numeral &n, std::size_t after);
bool countFollows(const Scan &s, std::size_t begin, std::size_t after);
bool eraAround(const Scan &s, std::size_t begin, std::size_t after);
std::size_t readDecade(Scan &s, std::size_t pos);
std::size_t readShortYear(Scan &s, std::size_t pos);

// money.cpp
struct Multiplier {
    View written, spoken;
    bool word; // a word, which may stand after a space and with any case
};
const Multiplier *multiplierAt(View text, std::size_t i, bool money, std::size_t &end);
bool isCurrencySign(char16_t c);
std::size_t readMoney(Scan &s, std::size_t pos);
std::size_t readCodeAmount(Scan &s, std::size_t pos);
std::size_t readAmountBeforeCode(Scan &s, const Numeral &n);
bool unitFollows(const Scan &s, std::size_t end);
std::size_t sayCurrencyOrUnitAfter(Scan &s, std::size_t end, bool plural, bool pence = false);

// measures.cpp
struct Unit;
const Unit *unitAt(View text, std::size_t i, std::size_t &end);
std::size_t sayUnitAfter(Scan &s, std::size_t end, bool plural, bool hyphenated);
// Multi-word names ("degrees celsius") go out word by word.
void sayWords(Scan &s, View words);

// dates.cpp
std::size_t ordinalSuffixEnd(const Scan &s, std::size_t e);
std::size_t readIsoDate(Scan &s, std::size_t pos);
std::size_t readNumericDate(Scan &s, std::size_t pos);
std::size_t readShortDate(Scan &s, std::size_t pos);
std::size_t readMonthYear(Scan &s, std::size_t pos);
std::size_t readDayFirstDate(Scan &s, std::size_t pos);
std::size_t readMonthFirstDate(Scan &s, std::size_t pos);

// times.cpp
std::size_t readTimes(Scan &s, std::size_t pos);

// The words of each file's tables (number_words.h has the number words').
void addUnitWords(std::vector<View> &words, bool british);
void addMoneyWords(std::vector<View> &words);
void addMonthWords(std::vector<View> &words);

// postal_addresses.cpp
std::size_t readZipCode(Scan &s, std::size_t pos);

// ip_addresses.cpp
std::size_t readIpAddress(Scan &s, std::size_t pos);

} // namespace orvanta::numbers
