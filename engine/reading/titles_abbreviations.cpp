// Titles and abbreviations said as words (Mr., etc., Capt., fig.), Dr and St
// by their place, U.S. states after a place, and dotted letters (e.g., U.S.).

#include "engine/reading/reader.h"
#include "engine/text/text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace orvanta::reading {

namespace {

enum Need : unsigned char {
    Anyhow = 0,
    FullStop = 1,     // only written with its full stop ("fig.", not "fig")
    Capital = 2,      // only with a capital first letter
    BeforeNumber = 4, // only before a number ("No. 5", "p. 12")
    BeforeName = 8,   // only before a capitalised word
};

struct Abbreviation {
    std::uint64_t key;
    unsigned char need;
    std::u16string_view reading;
};

// Sorted by key. Titles whose reading depends on their place (Dr, St) are
// handled apart.
constexpr auto abbreviations = [] {
    std::array<Abbreviation, 75> table{{
        {key("adm"), FullStop | Capital, u"admiral"},
        {key("approx"), Anyhow, u"approximately"},
        {key("apr"), FullStop | Capital, u"april"},
        {key("assn"), FullStop, u"association"},
        {key("aug"), FullStop | Capital, u"august"},
        {key("ave"), FullStop | Capital, u"avenue"},
        {key("blvd"), Anyhow, u"boulevard"},
        {key("bros"), FullStop | Capital, u"brothers"},
        {key("c"), FullStop | BeforeNumber, u"circa"},
        {key("ca"), FullStop | BeforeNumber, u"circa"},
        {key("capt"), Capital | BeforeName, u"captain"},
        {key("cf"), FullStop, u"compare"},
        {key("ch"), FullStop | BeforeNumber, u"chapter"},
        {key("chap"), FullStop | BeforeNumber, u"chapter"},
        {key("cmdr"), Capital | BeforeName, u"commander"},
        {key("co"), FullStop | Capital, u"company"},
        {key("col"), FullStop | Capital | BeforeName, u"colonel"},
        {key("corp"), FullStop | Capital, u"corporation"},
        {key("cpl"), Capital | BeforeName, u"corporal"},
        {key("dec"), FullStop | Capital, u"december"},
        {key("dept"), Anyhow, u"department"},
        {key("eds"), FullStop, u"editors"},
        {key("esq"), FullStop | Capital, u"esquire"},
        {key("etc"), Anyhow, u"et cetera"},
        {key("feb"), FullStop | Capital, u"february"},
        {key("fig"), FullStop, u"figure"},
        {key("figs"), FullStop, u"figures"},
        {key("fri"), FullStop | Capital, u"friday"},
        {key("ft"), FullStop | Capital | BeforeName, u"fort"},
        {key("gen"), FullStop | Capital | BeforeName, u"general"},
        {key("gov"), FullStop | Capital | BeforeName, u"governor"},
        {key("hon"), FullStop | Capital, u"honourable"},
        {key("inc"), FullStop | Capital, u"incorporated"},
        {key("jan"), FullStop | Capital, u"january"},
        {key("jr"), Capital, u"junior"},
        {key("jul"), FullStop | Capital, u"july"},
        {key("jun"), FullStop | Capital, u"june"},
        {key("lieut"), Capital | BeforeName, u"lieutenant"},
        {key("lt"), Capital | BeforeName, u"lieutenant"},
        {key("ltd"), Capital, u"limited"},
        {key("maj"), Capital | BeforeName, u"major"},
        {key("mar"), FullStop | Capital | BeforeNumber, u"march"},
        {key("messrs"), Anyhow, u"messieurs"},
        {key("mlle"), Capital, u"mademoiselle"},
        {key("mme"), Capital, u"madame"},
        {key("mon"), FullStop | Capital, u"monday"},
        {key("mr"), Anyhow, u"mister"},
        {key("mrs"), Anyhow, u"missus"},
        {key("ms"), Capital, u"ms"}, // the dictionaries say ms as mɪz
        {key("mt"), Capital, u"mount"},
        {key("no"), FullStop | BeforeNumber, u"number"},
        {key("nos"), FullStop | BeforeNumber, u"numbers"},
        {key("nov"), FullStop | Capital, u"november"},
        {key("oct"), FullStop | Capital, u"october"},
        {key("p"), FullStop | BeforeNumber, u"page"},
        {key("pp"), FullStop | BeforeNumber, u"pages"},
        {key("pres"), FullStop | Capital | BeforeName, u"president"},
        {key("prof"), Capital | BeforeName, u"professor"},
        {key("rd"), FullStop | Capital, u"road"},
        {key("rep"), FullStop | Capital | BeforeName, u"representative"},
        {key("rev"), FullStop | Capital | BeforeName, u"reverend"},
        {key("revd"), Capital, u"reverend"},
        {key("sen"), FullStop | Capital | BeforeName, u"senator"},
        {key("sep"), FullStop | Capital, u"september"},
        {key("sept"), FullStop | Capital, u"september"},
        {key("sgt"), Capital, u"sergeant"},
        {key("sr"), Capital, u"senior"},
        {key("supt"), Capital, u"superintendent"},
        {key("thu"), FullStop | Capital, u"thursday"},
        {key("thurs"), FullStop | Capital, u"thursday"},
        {key("tue"), FullStop | Capital, u"tuesday"},
        {key("tues"), FullStop | Capital, u"tuesday"},
        {key("viz"), Anyhow, u"namely"},
        {key("vol"), FullStop, u"volume"},
        {key("vs"), Anyhow, u"versus"},
    }};
    std::sort(table.begin(), table.end(),
              [](const Abbreviation &a, const Abbreviation &b) { return a.key < b.key; });
    return table;
}();

const Abbreviation *findAbbreviation(std::uint64_t packed) {
    const auto *found =
        std::lower_bound(abbreviations.begin(), abbreviations.end(), packed,
                         [](const Abbreviation &entry, std::uint64_t k) { return entry.key < k; });
    return found != abbreviations.end() && found->key == packed ? found : nullptr;
}

// A written form and what it is said as.
using WrittenSaid = std::pair<std::u16string_view, std::u16string_view>;

// What `written` is said as in `table`, or nothing.
template <std::size_t size>
std::u16string_view saidAs(const std::array<WrittenSaid, size> &table,
                           std::u16string_view written) {
    for (const auto &[form, said] : table) {
        if (form == written)
            return said;
    }
    return {};
}

// Dotted abbreviations said as phrases.
constexpr std::array<WrittenSaid, 6> phrases = {{{u"eg", u"for example"},
                                                 {u"ie", u"that is"},
                                                 {u"aka", u"also known as"},
                                                 {u"etc", u"et cetera"},
                                                 {u"ps", u"p s"},
                                                 {u"viz", u"namely"}}};

// "Albany, N.Y.": dotted states after a place and a comma.
constexpr std::array<WrittenSaid, 8> dottedStates = {{{u"ny", u"new york"},
                                                      {u"nj", u"new jersey"},
                                                      {u"nh", u"new hampshire"},
                                                      {u"nc", u"north carolina"},
                                                      {u"nd", u"north dakota"},
                                                      {u"sc", u"south carolina"},
                                                      {u"sd", u"south dakota"},
                                                      {u"ri", u"rhode island"}}};

// US state abbreviations, read as the state after "City, ".
struct State {
    std::uint64_t key;
    std::u16string_view name;
};
constexpr std::array<State, 36> states = {{
    {key("ala"), u"alabama"},        {key("ariz"), u"arizona"},    {key("ark"), u"arkansas"},
    {key("calif"), u"california"},   {key("colo"), u"colorado"},   {key("conn"), u"connecticut"},
    {key("del"), u"delaware"},       {key("fla"), u"florida"},     {key("ga"), u"georgia"},
    {key("ill"), u"illinois"},       {key("ind"), u"indiana"},     {key("kans"), u"kansas"},
    {key("ky"), u"kentucky"},        {key("la"), u"louisiana"},    {key("md"), u"maryland"},
    {key("mass"), u"massachusetts"}, {key("mich"), u"michigan"},   {key("minn"), u"minnesota"},
    {key("miss"), u"mississippi"},   {key("mo"), u"missouri"},     {key("mont"), u"montana"},
    {key("neb"), u"nebraska"},       {key("nev"), u"nevada"},      {key("okla"), u"oklahoma"},
    {key("ore"), u"oregon"},         {key("pa"), u"pennsylvania"}, {key("penn"), u"pennsylvania"},
    {key("tenn"), u"tennessee"},     {key("tex"), u"texas"},       {key("va"), u"virginia"},
    {key("vt"), u"vermont"},         {key("wash"), u"washington"}, {key("wis"), u"wisconsin"},
    {key("wyo"), u"wyoming"},        {key("kan"), u"kansas"},      {key("nebr"), u"nebraska"},
}};

std::u16string_view stateName(std::uint64_t packed) {
    for (const State &state : states) {
        if (state.key == packed)
            return state.name;
    }
    return {};
}

// "the No 1 seed", "our No 1 priority": without its full stop, No before a
// number is the abbreviation only after a word that such a label follows;
// "No 2 days are alike" says no.
bool numberLabelWithoutStop(const Reading &r, const Token &token, std::uint64_t packed,
                            bool capitalised, std::size_t end) {
    if (packed != key("no") || !capitalised || token.fullStop || !isDigit(r.nextStart(end)) ||
        token.text.data() < r.sentence.data() ||
        token.text.data() > r.sentence.data() + r.sentence.size())
        return false;
    std::size_t stop = static_cast<std::size_t>(token.text.data() - r.sentence.data());
    while (stop > 0 && isSpace(r.sentence[stop - 1]))
        --stop;
    std::size_t start = stop;
    while (start > 0 && isAsciiLetter(r.sentence[start - 1]))
        --start;
    return isAnyOfFolded(r.sentence.substr(start, stop - start),
                         {u"the", u"a", u"our", u"my", u"your", u"his", u"her", u"its", u"their",
                          u"is", u"was", u"at", u"as"});
}

} // namespace

// Whether the token follows an ordinal written in figures ("42nd ").
bool afterOrdinalNumber(const Reading &r, const Token &token) {
    if (token.text.data() < r.sentence.data() ||
        token.text.data() > r.sentence.data() + r.sentence.size())
        return false;
    std::size_t end = static_cast<std::size_t>(token.text.data() - r.sentence.data());
    while (end > 0 && isSpace(r.sentence[end - 1]))
        --end;
    if (end < 3 || !isDigit(r.sentence[end - 3]))
        return false;
    const std::u16string_view suffix = r.sentence.substr(end - 2, 2);
    return isAnyOfFolded(suffix, {u"st", u"nd", u"rd", u"th"});
}

// Abbreviations that can stand in lower case and without a full stop.
bool mayBeBareAbbreviation(std::uint64_t packed) {
    switch (packed) {
    case key("approx"):
    case key("blvd"):
    case key("dept"):
    case key("dr"):
    case key("etc"):
    case key("messrs"):
    case key("mr"):
    case key("mrs"):
    case key("st"):
    case key("viz"):
    case key("vs"):
        return true;
    default:
        return false;
    }
}

bool readAbbreviation(Reading &r, const Token &token, std::uint64_t packed, bool capitalised,
                      std::size_t end) {
    const std::u16string_view text = token.text;
    const std::size_t after = end + (token.fullStop ? 1 : 0);
    // Both take the full stop after them, as the states' abbreviations do.
    if (readPostalState(r, token, end) || readStreetType(r, token, packed, end))
        return true;
    // "Kansas City, Mo.", "Macon, Ga": a state after a place and a comma.
    // Codes in capitals are the postal codes' above; a word ("Hi, Pa") is
    // no state without its full stop.
    if (r.afterNameComma && capitalised &&
        (token.fullStop || (text.size() == 2 && !isAsciiUpper(text[1]) &&
                            !r.context.knownWord(std::u16string{lowerAscii(text[0]), text[1]})))) {
        if (const std::u16string_view state = stateName(packed); !state.empty()) {
            r.emit(state);
            r.setPrevious(false, false, false);
            return true;
        }
    }
    // Dr and St say different things before and after a name.
    if (packed == key("dr") || packed == key("st")) {
        const bool beforeName = isAsciiUpper(r.nextStart(after));
        if (!capitalised && !beforeName)
            return false;
        // "42nd St.", "5th Ave.": a numbered street is a name too.
        const bool afterName = r.previousName || afterOrdinalNumber(r, token);
        if (!beforeName && !afterName && !token.fullStop)
            return false;
        if (packed == key("dr"))
            r.emit(beforeName || !afterName ? u"doctor" : u"drive");
        else
            r.emit(beforeName || !afterName ? u"saint" : u"street");
        r.setPrevious(false, false, false);
        return true;
    }
    if (numberLabelWithoutStop(r, token, packed, capitalised, end)) {
        r.emit(u"number");
        r.setPrevious(false, true, false);
        return true; // handled; there is no full stop to take
    }
    const Abbreviation *entry = findAbbreviation(packed);
    if (entry == nullptr)
        return false;
    const char16_t next = r.nextStart(after);
    if ((entry->need & FullStop) && !token.fullStop)
        return false;
    if ((entry->need & Capital) && !capitalised)
        return false;
    if ((entry->need & BeforeNumber) && !isDigit(next))
        return false;
    if ((entry->need & BeforeName) && !token.fullStop && !isAsciiUpper(next))
        return false;
    // All capitals is an acronym (CO, MS), not the abbreviation.
    if (text.size() >= 2 && isAsciiUpper(text[1]))
        return false;
    r.emit(entry->reading);
    r.setPrevious(false, isNumberedHeading(packedKey(entry->reading)), false);
    // "etc." ends sentences as often as not: its full stop also closes
    // this one when nothing follows.
    return true;
}

bool readDotted(Reading &r, const Token &token, std::size_t end) {
    const std::u16string_view text = token.text;
    std::u16string letters;
    for (const char16_t c : text) {
        if (c != u'.')
            letters += lowerAscii(c);
    }
    if (const std::u16string_view said = saidAs(phrases, letters); !said.empty()) {
        r.emit(said);
        r.setPrevious(false, false, false);
        return true;
    }
    // "Albany, N.Y.": a state after a place and a comma.
    if (r.afterNameComma) {
        if (const std::u16string_view said = saidAs(dottedStates, letters); !said.empty()) {
            r.emit(said);
            r.setPrevious(false, false, false);
            return token.fullStop;
        }
    }
    // Initials and letter abbreviations (U.S., a.m., Ph.D.) are spelled.
    for (const char16_t c : text) {
        if (c != u'.')
            r.emitLetter(c);
    }
    r.setPrevious(false, false, true);
    const char16_t next = r.nextStart(end + (token.fullStop ? 1 : 0));
    return token.fullStop && next != 0;
}

bool isTitleBeforeName(std::u16string_view word) {
    const std::uint64_t packed = packedKey(word);
    if (packed == key("dr") || packed == key("st") || packed == key("mr") || packed == key("mrs") ||
        packed == key("ms") || packed == key("messrs") || packed == key("mme") ||
        packed == key("mlle"))
        return true;
    const Abbreviation *entry = findAbbreviation(packed);
    return entry != nullptr && (entry->need & BeforeName) != 0;
}

bool isNeverFinalAbbreviation(std::u16string_view word) {
    const std::uint64_t packed = packedKey(word);
    return packed == key("eg") || packed == key("ie") || packed == key("cf") ||
           packed == key("vs") || packed == key("viz") || packed == key("approx") ||
           packed == key("fig") || packed == key("figs") || packed == key("vol") ||
           packed == key("pp") || packed == key("ca") || packed == key("ch") ||
           packed == key("chap") || packed == key("nos");
}

bool isOpenAbbreviation(std::u16string_view word) {
    const std::uint64_t packed = packedKey(word);
    if (packed == 0)
        return false;
    if (packed == key("am") || packed == key("pm") || packed == key("etc") || packed == key("no") ||
        packed == key("p"))
        return true;
    const Abbreviation *entry = findAbbreviation(packed);
    return entry != nullptr;
}

void addTitleWords(std::vector<std::u16string_view> &words) {
    for (const Abbreviation &entry : abbreviations)
        words.push_back(entry.reading);
    for (const auto &[written, said] : phrases)
        words.push_back(said);
    for (const auto &[written, said] : dottedStates)
        words.push_back(said);
    for (const State &state : states)
        words.push_back(state.name);
    words.insert(words.end(), {u"doctor", u"drive", u"saint", u"street"});
}

} // namespace orvanta::reading
