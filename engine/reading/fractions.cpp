// Fractions: 3/4, vulgar fractions (½), and a whole with its fraction.

#include "engine/reading/numeric.h"

namespace orvanta::numbers {

namespace {

struct VulgarFraction {
    char16_t character;
    unsigned numerator, denominator;
};
constexpr VulgarFraction vulgarFractions[] = {
    {u'\u00BD', 1, 2}, {u'\u2153', 1, 3}, {u'\u2154', 2, 3},  {u'\u00BC', 1, 4}, {u'\u00BE', 3, 4},
    {u'\u2155', 1, 5}, {u'\u2156', 2, 5}, {u'\u2157', 3, 5},  {u'\u2158', 4, 5}, {u'\u2159', 1, 6},
    {u'\u215A', 5, 6}, {u'\u2150', 1, 7}, {u'\u215B', 1, 8},  {u'\u215C', 3, 8}, {u'\u215D', 5, 8},
    {u'\u215E', 7, 8}, {u'\u2151', 1, 9}, {u'\u2152', 1, 10},
};

const VulgarFraction *vulgarFractionAt(View text, std::size_t i) {
    if (i >= text.size())
        return nullptr;
    for (const VulgarFraction &f : vulgarFractions) {
        if (f.character == text[i])
            return &f;
    }
    return nullptr;
}

} // namespace

bool isVulgarFractionAt(View text, std::size_t i) {
    return vulgarFractionAt(text, i) != nullptr;
}

void sayFraction(Scan &s, unsigned numerator, unsigned denominator, bool afterWhole) {
    const bool one = numerator == 1;
    if (one && afterWhole)
        s.speech.say(u"a");
    else
        s.speech.cardinal(numerator, s.british);
    if (denominator == 2) {
        s.speech.say(one ? u"half" : u"halves");
    } else if (denominator == 4) {
        s.speech.say(one ? u"quarter" : u"quarters");
    } else {
        s.speech.cardinal(denominator, s.british);
        s.speech.ordinalizeLast();
        if (!one)
            s.speech.pluralizeLast();
    }
}

std::size_t sayVulgarFraction(Scan &s, std::size_t i, bool afterWhole) {
    const VulgarFraction *f = vulgarFractionAt(s.text, i);
    if (afterWhole)
        s.speech.say(u"and");
    sayFraction(s, f->numerator, f->denominator, afterWhole);
    return i + 1;
}

std::optional<SlashPair> slashPair(const Scan &s, std::size_t pos, std::size_t maxFirst,
                                   std::size_t maxSecond) {
    const std::size_t e1 = digitsEnd(s.text, pos);
    if (e1 == pos || e1 - pos > maxFirst || e1 + 1 >= s.text.size() || s.text[e1] != u'/' ||
        (pos > 0 && (s.text[pos - 1] == u'/' || isAlnum(s.text[pos - 1]))))
        return std::nullopt;
    const std::size_t e2 = digitsEnd(s.text, e1 + 1);
    if (e2 == e1 + 1 || e2 - (e1 + 1) > maxSecond ||
        (e2 < s.text.size() && (isAlnum(s.text[e2]) || s.text[e2] == u'/')))
        return std::nullopt;
    return SlashPair{s.number(pos, e1), s.number(e1 + 1, e2), e2};
}

// "3/4", "1/10", "1/1999"; whole numbers with fractions are read with the
// quantity.
std::size_t readFraction(Scan &s, std::size_t pos) {
    const std::optional<SlashPair> pair = slashPair(s, pos, 3, 6);
    if (!pair)
        return npos;
    const unsigned numerator = pair->first, denominator = pair->second;
    const std::size_t e2 = pair->end;
    if (denominator < 2)
        return npos;
    if ((numerator == 24 && denominator == 7) || numerator == denominator) {
        // "twenty four seven", "fifty fifty", "twenty twenty vision".
        s.speech.cardinal(numerator, s.british);
        s.speech.cardinal(denominator, s.british);
        return e2;
    }
    if (denominator == 100 || denominator == 1000) {
        // Marks and shares: "ninety eight out of a hundred".
        s.speech.cardinal(numerator, s.british);
        s.speech.say(u"out");
        s.speech.say(u"of");
        s.speech.cardinal(denominator, s.british);
        return e2;
    }
    sayFraction(s, numerator, denominator, false);
    return sayUnitAfter(s, e2, numerator > denominator, false);
}

} // namespace orvanta::numbers
