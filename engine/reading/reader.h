// Shared by the files of the reading stage: the state of reading one
// sentence, and the readers of each kind of written form, which the
// dispatcher (reader.cpp) calls.
//
//   reader.cpp                 the walk through a sentence; plain words, numbers
//   words.cpp                  a word as written: apostrophes, hyphens, dots
//   titles_abbreviations.cpp   Mr., etc., Dr/St, U.S. states, e.g./i.e.
//   postal_addresses.cpp       street types, state codes, ZIP codes
//   letters_acronyms.cpp       single letters, acronyms, words in capitals
//   roman_numerals.cpp         Roman numerals where the context makes them numbers
//   electronic.cpp             web and e-mail addresses
//   symbols.cpp                signs said as words (&, %, §) and pause marks
//   scripts.cpp                diacritics, other scripts, Greek letters
//   numbers.cpp and what numeric.h lists: numbers, money, measures, dates, times
#pragma once

#include "engine/reading/reading.h"
#include "engine/reading/reading_text.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::reading {

consteval std::uint64_t key(std::string_view word) {
    std::uint64_t packed = 0;
    for (const char c : word)
        packed = packed << 8 | static_cast<unsigned char>(c);
    return packed;
}

inline constexpr std::array<std::u16string_view, 10> digitNames = {
    u"zero", u"one", u"two", u"three", u"four", u"five", u"six", u"seven", u"eight", u"nine"};

inline bool isHyphen(char16_t c) {
    return c == u'-' || c == 0x2010 || c == 0x2011;
}

inline bool isDashLike(char16_t c) {
    return c == 0x2012 || c == 0x2013 || c == 0x2014 || c == 0x2015 || c == 0x2212 || c == 0x96 ||
           c == 0x97 || c == 0xFE58 || c == 0xFE63;
}

inline bool isPauseMark(char16_t c) {
    return c == u',' || c == u';' || c == u':' || c == u'.' || c == u'!' || c == u'?';
}

inline bool isCurrencySign(char16_t c) {
    return c == u'$' || c == u'£' || c == u'€' || c == u'¥' || c == u'¢' || c == 0x20B9 ||
           c == 0x20BD || c == 0x20A9 || c == 0x20BA || c == 0x20B4 || c == 0x20AA || c == 0x0E3F ||
           c == 0x20B1 || c == 0x20A6 || c == 0x20AB;
}

inline bool isVulgarFraction(char16_t c) {
    return (c >= 0xBC && c <= 0xBE) || (c >= 0x2150 && c <= 0x215E);
}

// Full-width forms of ASCII (East Asian input) read as ASCII.
inline char16_t narrowed(char16_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? static_cast<char16_t>(c - 0xFEE0) : c;
}

bool isWordLetter(char16_t c);

// A set of packed short words (see packedKey) asked about every word read:
// an open table at most half full, so that a question costs a multiplication
// and a comparison or two.
template <std::size_t slots> class KeySet {
public:
    template <std::size_t size>
    constexpr explicit KeySet(const std::array<std::uint64_t, size> &keys) {
        static_assert(std::has_single_bit(slots) && slots >= 2 * size);
        for (const std::uint64_t k : keys) {
            std::size_t at = slot(k);
            while (table_[at] != 0)
                at = (at + 1) & (slots - 1);
            table_[at] = k;
        }
    }

    constexpr bool contains(std::uint64_t k) const {
        for (std::size_t at = slot(k); table_[at] != 0; at = (at + 1) & (slots - 1)) {
            if (table_[at] == k)
                return true;
        }
        return false;
    }

private:
    static constexpr std::size_t slot(std::uint64_t k) {
        return static_cast<std::size_t>((k * 0x9E3779B97F4A7C15ull) >>
                                        (64 - std::bit_width(slots) + 1));
    }

    std::array<std::uint64_t, slots> table_{};
};

struct Token {
    std::u16string_view text; // letters with inner apostrophes, hyphens, dots
    bool fullStop = false;    // a full stop follows directly
    bool hyphen = false;
    bool dots = false;
    bool nonAscii = false;
    bool apostrophe = false;
};

// One sentence being read: the words said so far and what the words before
// tell about the next one.
struct Reading {
    Reading(std::u16string_view sentence, const ReadingContext &context);

    void emit(std::u16string_view word) {
        if (word.empty())
            return;
        if (writer != nullptr) [[unlikely]] {
            emitWritten(word);
            return;
        }
        if (!out.empty() && out.back() != u' ')
            out += u' ';
        out += word;
        hasWord = true;
        pauseSinceWord = 0;
    }
    // Hands the words read so far on to `writer`, but for the last one,
    // which the readers may still change (a possessive, a pause mark).
    void writePiece();
    // emit for a reading handed on in pieces.
    void emitWritten(std::u16string_view word);
    void emitPause(char16_t mark);
    // A letter said by its name. The dictionaries say single letters as
    // their names, except "a", which is the article.
    void emitLetter(char16_t letter);
    void emitNumber(int value, bool ordinal);
    void setPrevious(bool name, bool heading, bool singleLetter);

    bool knownWithApostrophe(std::u16string_view text) const;
    bool isLetterAt(std::size_t i) const {
        const char16_t c = sentence[i];
        return c < 0x80 ? isAsciiLetter(c) : isWordLetter(narrowed(c));
    }
    bool atChunkStart(std::size_t i) const;
    // The first character of the next word after `i`, past spaces, quotes
    // and opening brackets; 0 at the end.
    char16_t nextStart(std::size_t i) const;
    // Whether anything but punctuation follows `i`.
    bool wordsFollow(std::size_t i) const;
    // Whether a lone letter (not "a", not "I") starts after the spaces at `i`.
    bool isLoneLetterAt(std::size_t i) const;

    std::u16string_view sentence;
    const ReadingContext &context;
    std::u16string out;
    // Set for a long sentence, whose reading is handed on in pieces.
    const ReadingWriter *writer = nullptr;
    static constexpr std::size_t writePieceSize = 32 * 1024;
    bool mixedCase = false;
    bool hasWord = false;
    bool previousName = false;
    bool previousHeading = false;
    bool previousHeadingCapital = false;
    bool afterNameComma = false;
    // The first pause mark read since the last word, 0 if none.
    char16_t pauseSinceWord = 0;
    // The word before was "letter" (LETTER XII, but the letter X), or a word
    // in capitals-only text that may be a place (FORT WAYNE, IND.).
    bool previousLetterHeading = false;
    bool previousPlace = false;
    bool previousLetter = false;
    // The word before was a street's type (Ave, Ln), which a direction
    // may follow (NW).
    bool previousStreet = false;
    std::size_t tokens = 0;
};

// The readers below return where reading goes on (the end of what they
// read), or, for a token, whether its full stop belonged to it (an
// abbreviation's) rather than to the sentence.

// words.cpp
std::size_t readWordAt(Reading &r, std::size_t i);
bool readToken(Reading &r, const Token &token, std::size_t end);

// titles_abbreviations.cpp
// Abbreviations that can stand in lower case and without a full stop.
bool mayBeBareAbbreviation(std::uint64_t packed);
bool readAbbreviation(Reading &r, const Token &token, std::uint64_t packed, bool capitalised,
                      std::size_t end);
bool readDotted(Reading &r, const Token &token, std::size_t end);

// Whether the token follows an ordinal written in figures ("42nd ").
bool afterOrdinalNumber(const Reading &r, const Token &token);

// postal_addresses.cpp
// "Austin, TX": a state's postal code after a place and a comma.
bool readPostalState(Reading &r, const Token &token, std::size_t end);
// "Oak Ln", "5th Ave NW", "Hwy 61": a street's type and direction.
bool readStreetType(Reading &r, const Token &token, std::uint64_t packed, std::size_t end);

// letters_acronyms.cpp
bool readSingleLetter(Reading &r, const Token &token, std::size_t end);
bool readCapitals(Reading &r, const Token &token, std::size_t capitals, std::size_t end);

// roman_numerals.cpp
// Words after which a Roman numeral counts ("chapter IV", "World War II").
bool isNumberedHeading(std::uint64_t packed);
// A Roman numeral in capitals read as a number where the context makes it
// one; sets `fullStopTaken` and returns true if it did.
bool readRomanNumeral(Reading &r, const Token &token, std::size_t end, bool &fullStopTaken);

// electronic.cpp
// Addresses show themselves right after their first letters (www.,
// http:, name@, name.com, my-site.com): only then is the whole piece
// worth a look.
bool mayBeAddress(const Reading &r, std::size_t i);
// The end of a web or e-mail address starting at `i`, or 0.
std::size_t addressEnd(const Reading &r, std::size_t i);
std::size_t readAddress(Reading &r, std::size_t i, std::size_t end);

// symbols.cpp
std::size_t readSignAt(Reading &r, std::size_t i);

// The words of each file's tables.
void addTitleWords(std::vector<std::u16string_view> &words);
void addScriptWords(std::vector<std::u16string_view> &words);
void addPostalWords(std::vector<std::u16string_view> &words);

// scripts.cpp
bool containsOtherScript(std::u16string_view text);
// The names of the Greek letters, lower and upper case alike.
std::u16string_view greekLetterName(char16_t c);
// Typographic apostrophes become ASCII; letters with diacritics fold to
// their base letters unless the dictionary knows the word with them;
// combining marks go; letters of other scripts stay.
std::u16string cleanedWord(const Reading &r, std::u16string_view text);

} // namespace orvanta::reading
