// Units and per cent after a number.

#include "engine/reading/numeric.h"
#include "engine/reading/unit_table.h"

#include "engine/text/text.h"

#include <array>
#include <vector>

namespace orvanta::numbers {

namespace {

// Whether `written` is the lower-case unit `unit` set in capitals ("KG",
// "GBPS", "KM/H"), or with the capital K that kilo often gets ("Kg").
// Units whose capitals spell something else (IN, ST, MS, HA, SEC, HR) are
// read only as the table writes them.
bool inCapitals(View written, View unit) {
    if (unit.size() < 2 || written.size() != unit.size())
        return false;
    for (const char16_t c : unit) {
        if (!((c >= u'a' && c <= u'z') || c == u'/'))
            return false;
    }
    if (isAnyOfFolded(unit, {u"in", u"st", u"ms", u"ha", u"sec", u"secs", u"hr"}))
        return false;
    const bool kilo = unit[0] == u'k' && written[0] == u'K' && written.substr(1) == unit.substr(1);
    if (kilo)
        return true;
    for (std::size_t k = 0; k < unit.size(); ++k) {
        const char16_t c = unit[k];
        if (written[k] != (c == u'/' ? c : static_cast<char16_t>(c - u'a' + u'A')))
            return false;
    }
    return true;
}

} // namespace

// The unit written at i (after at most one space unless attached only),
// its end returned through `end`.
const Unit *unitAt(View text, std::size_t i, std::size_t &end) {
    const std::size_t spaced = i < text.size() && isInlineSpace(text[i]) ? i + 1 : i;
    // Most numbers are followed by a word no unit starts like ("years").
    static constexpr std::array<bool, 128> unitStarts = [] {
        std::array<bool, 128> table{};
        for (const Unit &u : units) {
            const char16_t c = u.abbreviation[0];
            if (c < 128)
                table[c] = true;
            if (c >= u'a' && c <= u'z')
                table[c - u'a' + u'A'] = true;
        }
        return table;
    }();
    const auto mayStartUnit = [&](std::size_t at) {
        return at < text.size() && (text[at] >= 128 || unitStarts[text[at]]);
    };
    if (!mayStartUnit(i) && !mayStartUnit(spaced))
        return nullptr;
    const Unit *best = nullptr;
    std::size_t bestEnd = 0;
    bool bestExact = false;
    for (const Unit &u : units) {
        const std::size_t at = u.attachedOnly ? i : spaced;
        if (at >= text.size())
            continue;
        const bool exact = text[at] == u.abbreviation[0] && startsWithAt(text, at, u.abbreviation);
        if (!exact && !inCapitals(text.substr(at, u.abbreviation.size()), u.abbreviation))
            continue;
        const std::size_t e = at + u.abbreviation.size();
        // "5 m" but not "5 men"; "km2" is whole, so a digit may not follow.
        if (!boundaryAt(text, e))
            continue;
        // "12 W. Main": a capital with a full stop is an initial.
        if (u.abbreviation.size() == 1 && u.abbreviation[0] >= u'A' && u.abbreviation[0] <= u'Z' &&
            e < text.size() && text[e] == u'.')
            continue;
        // The longest wins; of two as long, the one written as the table
        // has it ("MB" megabytes before "mb" in capitals).
        if (!best || e > bestEnd || (e == bestEnd && exact && !bestExact)) {
            best = &u;
            bestEnd = e;
            bestExact = exact;
        }
    }
    end = bestEnd;
    return best;
}

namespace {

void sayUnit(Scan &s, const Unit &u, bool plural) {
    View words = plural ? u.plural : u.singular;
    if (!s.british && !u.americanSingular.empty())
        words = plural ? u.americanPlural : u.americanSingular;
    sayWords(s, words);
}

} // namespace

// What follows an amount: per cent, a unit. Returns the end of all read.
std::size_t sayUnitAfter(Scan &s, std::size_t end, bool plural, bool hyphenated) {
    std::size_t at = end;
    if (hyphenated && at + 1 < s.text.size() && s.text[at] == u'-' && isLetter(s.text[at + 1])) {
        // "a 5-mile walk": the unit is an adjective and stays singular.
        std::size_t unitEnd = 0;
        const Unit *u = unitAt(s.text, at + 1, unitEnd);
        if (u && !isInlineSpace(s.text[at + 1])) {
            sayUnit(s, *u, false);
            return unitEnd;
        }
        return end;
    }
    const std::size_t spaced = skipSpaces(s.text, at);
    if (spaced < s.text.size() && (s.text[spaced] == u'%' || s.text[spaced] == u'\uFF05') &&
        spaced <= at + 1) {
        s.speech.say(u"percent");
        return spaced + 1;
    }
    if (spaced < s.text.size() && s.text[spaced] == u'\u2030' && spaced <= at + 1) {
        s.speech.say(u"per");
        s.speech.say(u"mille");
        return spaced + 1;
    }
    std::size_t unitEnd = 0;
    if (const Unit *u = unitAt(s.text, at, unitEnd)) {
        const bool describes =
            s.attributive && unitEnd < s.text.size() && isInlineSpace(s.text[unitEnd]) &&
            unitEnd + 1 < s.text.size() && s.text[unitEnd + 1] >= u'a' &&
            s.text[unitEnd + 1] <= u'z' &&
            !isAnyOfFolded(wordAfter(s.text, unitEnd),
                           {u"of", u"per", u"and", u"or", u"to", u"a", u"an", u"the", u"in", u"on",
                            u"at", u"by", u"for", u"from", u"with", u"each", u"every"});
        sayUnit(s, *u, plural && !describes);
        at = unitEnd;
        // "6 ft 2 in", "14 st 7 lb": the smaller unit after the larger,
        // where "in" can only be inches.
        const bool feet = u->singular == u"foot", stone = u->singular == u"stone";
        const std::size_t n = skipSpaces(s.text, at);
        const std::size_t ne = digitsEnd(s.text, n);
        if ((feet || stone) && n > at && ne > n && ne - n <= 2) {
            const std::size_t se = skipSpaces(s.text, ne);
            const View small = feet ? View(u"in") : View(u"lb");
            if (startsWithAt(s.text, se, small) && boundaryAt(s.text, se + small.size())) {
                const unsigned count = s.number(n, ne);
                s.speech.cardinal(count, s.british);
                s.speech.say(feet ? (count == 1 ? u"inch" : u"inches")
                                  : (count == 1 ? u"pound" : u"pounds"));
                return se + small.size();
            }
        }
    }
    // "150/km2", "5 kg/m3", "3 ml/s": per one of the unit.
    if (at + 1 < s.text.size() && s.text[at] == u'/' && !isInlineSpace(s.text[at + 1])) {
        if (const Unit *u = unitAt(s.text, at + 1, unitEnd)) {
            s.speech.say(u"per");
            sayUnit(s, *u, false);
            return unitEnd;
        }
        // A second is "s" only under a slash, where it can be nothing else.
        if (s.text[at + 1] == u's') {
            const bool squared =
                at + 2 < s.text.size() && (s.text[at + 2] == u'\u00B2' || s.text[at + 2] == u'2');
            const std::size_t e = at + (squared ? 3 : 2);
            if (boundaryAt(s.text, e)) {
                sayWords(s, squared ? u"per second squared" : u"per second");
                return e;
            }
        }
    }
    return at;
}

// Multi-word names ("degrees celsius") go out word by word.
void sayWords(Scan &s, View words) {
    for (std::size_t b = 0; b < words.size();) {
        std::size_t e = words.find(u' ', b);
        if (e == npos)
            e = words.size();
        s.speech.say(words.substr(b, e - b));
        b = e + 1;
    }
}

void addUnitWords(std::vector<View> &words, bool british) {
    words.push_back(u"per second squared");
    for (const Unit &u : units) {
        const bool own = !british && !u.americanSingular.empty();
        words.push_back(own ? u.americanSingular : u.singular);
        words.push_back(own ? u.americanPlural : u.plural);
    }
}

} // namespace orvanta::numbers
