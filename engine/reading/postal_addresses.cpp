// US postal addresses: street types after a street's name (Oak Ln, 5th
// Ave NW), two-letter state codes after a city and a comma (Austin, TX), and
// ZIP codes after them, said digit by digit.

#include "engine/reading/numeric.h"
#include "engine/reading/reader.h"

#include "engine/text/text.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orvanta {

namespace {

struct PostalState {
    std::u16string_view code, name;
    // A code that is also a word in capitals (OR, IN, ME) names a state
    // only before a ZIP code or at the end of a clause; one that is also
    // an exclamation (OK, HI, OH) or a degree after a name (Jane Doe, MD)
    // only before a ZIP code.
    enum Kind : unsigned char { Code, Word, Exclamation } kind = Code;
};

constexpr std::array<PostalState, 51> postalStates = {{
    {u"AL", u"alabama", PostalState::Word},
    {u"AK", u"alaska"},
    {u"AZ", u"arizona"},
    {u"AR", u"arkansas"},
    {u"CA", u"california"},
    {u"CO", u"colorado", PostalState::Word},
    {u"CT", u"connecticut"},
    {u"DE", u"delaware", PostalState::Word},
    {u"DC", u"d c"},
    {u"FL", u"florida"},
    {u"GA", u"georgia"},
    {u"HI", u"hawaii", PostalState::Exclamation},
    {u"ID", u"idaho", PostalState::Word},
    {u"IL", u"illinois"},
    {u"IN", u"indiana", PostalState::Word},
    {u"IA", u"iowa"},
    {u"KS", u"kansas"},
    {u"KY", u"kentucky"},
    {u"LA", u"louisiana", PostalState::Exclamation},
    {u"ME", u"maine", PostalState::Word},
    {u"MD", u"maryland", PostalState::Exclamation},
    {u"MA", u"massachusetts", PostalState::Exclamation},
    {u"MI", u"michigan"},
    {u"MN", u"minnesota"},
    {u"MS", u"mississippi", PostalState::Exclamation},
    {u"MO", u"missouri"},
    {u"MT", u"montana"},
    {u"NE", u"nebraska"},
    {u"NV", u"nevada"},
    {u"NH", u"new hampshire"},
    {u"NJ", u"new jersey"},
    {u"NM", u"new mexico"},
    {u"NY", u"new york"},
    {u"NC", u"north carolina"},
    {u"ND", u"north dakota"},
    {u"OH", u"ohio", PostalState::Exclamation},
    {u"OK", u"oklahoma", PostalState::Exclamation},
    {u"OR", u"oregon", PostalState::Word},
    {u"PA", u"pennsylvania", PostalState::Exclamation},
    {u"RI", u"rhode island"},
    {u"SC", u"south carolina"},
    {u"SD", u"south dakota"},
    {u"TN", u"tennessee"},
    {u"TX", u"texas"},
    {u"UT", u"utah"},
    {u"VT", u"vermont"},
    {u"VA", u"virginia"},
    {u"WA", u"washington"},
    {u"WV", u"west virginia"},
    {u"WI", u"wisconsin"},
    {u"WY", u"wyoming"},
}};

const PostalState *postalState(std::u16string_view code) {
    if (code.size() != 2)
        return nullptr;
    const auto found = std::find_if(postalStates.begin(), postalStates.end(),
                                    [code](const PostalState &s) { return s.code == code; });
    return found != postalStates.end() ? &*found : nullptr;
}

// The end of a ZIP code ("78701", "20500-0003") at i, or 0.
std::size_t zipCodeEnd(std::u16string_view text, std::size_t i) {
    std::size_t e = numbers::digitsEnd(text, i);
    if (e != i + 5)
        return 0;
    if (e + 5 <= text.size() && text[e] == u'-' && numbers::digitsEnd(text, e + 1) == e + 5)
        e += 5;
    return numbers::boundaryAt(text, e) ? e : 0;
}

struct StreetType {
    std::uint64_t key;
    std::u16string_view name;
};

constexpr std::array<StreetType, 17> streetTypes = {{
    {reading::key("ave"), u"avenue"},
    {reading::key("blvd"), u"boulevard"},
    {reading::key("cir"), u"circle"},
    {reading::key("ct"), u"court"},
    {reading::key("expy"), u"expressway"},
    {reading::key("fwy"), u"freeway"},
    {reading::key("hwy"), u"highway"},
    {reading::key("ln"), u"lane"},
    {reading::key("pkwy"), u"parkway"},
    {reading::key("pl"), u"place"},
    {reading::key("rd"), u"road"},
    {reading::key("rte"), u"route"},
    {reading::key("sq"), u"square"},
    {reading::key("ter"), u"terrace"},
    {reading::key("terr"), u"terrace"},
    {reading::key("trl"), u"trail"},
    {reading::key("pky"), u"parkway"},
}};

struct Direction {
    std::u16string_view written, said;
};
constexpr std::array<Direction, 4> directions = {
    {{u"NW", u"northwest"}, {u"NE", u"northeast"}, {u"SW", u"southwest"}, {u"SE", u"southeast"}}};

} // namespace

namespace reading {

bool readPostalState(Reading &r, const Token &token, std::size_t end) {
    if (!r.afterNameComma || !isAsciiUpper(token.text[0]))
        return false;
    const PostalState *state = postalState(token.text);
    if (state == nullptr)
        return false;
    std::size_t next = end;
    while (next < r.sentence.size() && isSpace(r.sentence[next]))
        ++next;
    const bool zip = next > end && next < r.sentence.size() && zipCodeEnd(r.sentence, next) != 0;
    const bool clauseEnds =
        next >= r.sentence.size() || isPauseMark(r.sentence[next]) || r.sentence[next] == u')';
    // "Westport, CT: Greenwood": the place of a publisher in a reference,
    // which is read as written.
    const bool citation = next < r.sentence.size() && r.sentence[next] == u':';
    if (!zip && (citation || state->kind == PostalState::Exclamation ||
                 (state->kind == PostalState::Word && !clauseEnds)))
        return false;
    if (state->code == u"DC") {
        r.emitLetter(u'd');
        r.emitLetter(u'c');
    } else {
        r.emit(state->name);
    }
    r.setPrevious(false, false, false);
    return true;
}

bool readStreetType(Reading &r, const Token &token, std::uint64_t packed, std::size_t end) {
    // "NW" after a street's type: "1600 Pennsylvania Ave NW".
    if (r.previousStreet && r.pauseSinceWord == 0) {
        for (const Direction &d : directions) {
            if (token.text == d.written) {
                r.emit(d.said);
                r.setPrevious(false, false, false);
                return true;
            }
        }
    }
    if (!isAsciiUpper(token.text[0]) ||
        (r.mixedCase && token.text.size() > 1 && isAsciiUpper(token.text[1])))
        return false;
    const auto found = std::find_if(streetTypes.begin(), streetTypes.end(),
                                    [packed](const StreetType &t) { return t.key == packed; });
    if (found == streetTypes.end())
        return false;
    // After the street's name ("Oak Ln", "5th Ave"), with nothing between,
    // and not before another name ("Schubert's Ave Maria") but for a
    // direction; a highway or route also before its number ("Hwy 61").
    std::size_t next = end + (token.fullStop ? 1 : 0);
    while (next < r.sentence.size() && isSpace(r.sentence[next]))
        ++next;
    const bool nameFollows =
        !token.fullStop && next < r.sentence.size() && isAsciiUpper(r.sentence[next]) &&
        std::none_of(directions.begin(), directions.end(), [&](const Direction &d) {
            return r.sentence.substr(next, 2) == d.written &&
                   (next + 2 >= r.sentence.size() || !isAsciiLetter(r.sentence[next + 2]));
        });
    const bool afterName =
        r.pauseSinceWord == 0 && !nameFollows && (r.previousName || afterOrdinalNumber(r, token));
    const bool numbered = (packed == key("hwy") || packed == key("rte")) &&
                          next < r.sentence.size() && isDigit(r.sentence[next]);
    if (!afterName && !numbered)
        return false;
    r.emit(found->name);
    r.setPrevious(false, false, false);
    r.previousStreet = true;
    return true;
}

void addPostalWords(std::vector<std::u16string_view> &words) {
    for (const PostalState &state : postalStates)
        words.push_back(state.name);
    for (const StreetType &type : streetTypes)
        words.push_back(type.name);
    for (const Direction &d : directions)
        words.push_back(d.said);
}

} // namespace reading

namespace numbers {

// "Austin, TX 78701", "DC 20500-0003": a ZIP code after a state's code,
// said digit by digit.
std::size_t readZipCode(Scan &s, std::size_t pos) {
    if (pos < 3 || s.text[pos - 1] != u' ')
        return npos;
    const PostalState *state = postalState(s.text.substr(pos - 3, 2));
    if (state == nullptr || (pos > 3 && isAlnum(s.text[pos - 4])))
        return npos;
    // A code that is also a word needs the comma of an address before it.
    std::size_t before = pos - 3;
    while (before > 0 && isInlineSpace(s.text[before - 1]))
        --before;
    if (state->kind != PostalState::Code && (before == 0 || s.text[before - 1] != u','))
        return npos;
    const std::size_t end = zipCodeEnd(s.text, pos);
    if (end == 0)
        return npos;
    for (std::size_t i = pos; i < end; ++i) {
        if (isDigit(s.text[i]))
            s.speech.digit(s.text[i], u"oh");
    }
    return end;
}

} // namespace numbers

} // namespace orvanta
