// Number words as they are said: cardinals, years, ordinals and plurals,
// appended to the words a reading has said so far.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::numbers {

// Appends words to the caller's text, one space between them, and can take
// back everything written since a mark when a reading turns out not to fit.
class Speech {
public:
    explicit Speech(std::u16string &out) : out_(out), start_(out.size()) {}

    void say(std::u16string_view word) {
        if (out_.size() > start_)
            out_ += u' ';
        out_ += word;
    }
    std::size_t mark() const { return out_.size(); }
    void rollback(std::size_t mark) { out_.resize(mark); }

    void below100(unsigned n);
    // British English says "and" before the tens of every hundred and
    // before a last group below a hundred ("one thousand and five");
    // American English leaves it out.
    void cardinal(std::uint64_t n, bool british);
    // The same for a number too long for 64 bits, given as its digits (no
    // leading zero), up to the decillions; false when it is longer.
    bool cardinalOfDigits(std::u16string_view digits, bool british);
    // The two-digit half of a year: "oh five", "ninety".
    void yearPair(unsigned n);
    // "nineteen eighty four", "nineteen oh five", "nineteen hundred",
    // "two thousand (and) one", "twenty ten".
    // Three-digit years go the same way: "seven forty three", "six oh five".
    void year(unsigned n, bool british);
    void digit(char16_t c, std::u16string_view zero);
    // Turns the last word into its ordinal ("twenty one" -> "twenty first").
    void ordinalizeLast();
    // "nineties", "sixes", "tens", "hundreds".
    void pluralizeLast();

private:
    // Groups of three digits, the lowest first, one per scale word.
    using Groups = std::array<unsigned, 12>;
    void sayGroups(const Groups &groups, std::size_t count, bool british);
    std::size_t lastWordBegin() const;

    std::u16string &out_;
    const std::size_t start_;
};

// Every word of the number word tables.
void addNumberWords(std::vector<std::u16string_view> &words);

} // namespace orvanta::numbers
