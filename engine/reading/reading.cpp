#include "engine/reading/reading.h"

#include "engine/reading/reading_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orvanta {

using namespace reading;

namespace {

// ---------------------------------------------------------------- characters

// Base letters of Latin-1 and Latin Extended-A, from U+00C0; '_' marks the
// letters that fold to two (Æ, ß...), '*' the two signs among them.
constexpr std::u16string_view latinBase =
    u"AAAAAA_CEEEEIIIIDNOOOOO*OUUUUY__aaaaaa_ceeeeiiiidnooooo*ouuuuy_y"
    u"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi__JjKkkLlLlLlLlLlNnNnNnn__OoOoOo__"
    u"RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(latinBase.size() == 0x180 - 0xC0);

// The ASCII spelling of a Latin letter with a diacritic, or empty.
std::u16string_view foldedLatin(char16_t c) {
    switch (c) {
    case u'Æ':
        return u"AE";
    case u'æ':
        return u"ae";
    case u'Þ':
        return u"TH";
    case u'þ':
        return u"th";
    case u'ß':
        return u"ss";
    case u'Ĳ':
        return u"IJ";
    case u'ĳ':
        return u"ij";
    case u'Ŋ':
        return u"NG";
    case u'ŋ':
        return u"ng";
    case u'Œ':
        return u"OE";
    case u'œ':
        return u"oe";
    case u'ƒ':
        return u"f";
    case u'Ș':
        return u"S";
    case u'ș':
        return u"s";
    case u'Ț':
        return u"T";
    case u'ț':
        return u"t";
    default:
        break;
    }
    if (c >= 0xC0 && c < 0x180) {
        const std::size_t at = c - 0xC0u;
        if (latinBase[at] != u'_' && latinBase[at] != u'*')
            return latinBase.substr(at, 1);
    }
    return {};
}

bool isCombiningMark(char16_t c) {
    return (c >= 0x300 && c < 0x370) || (c >= 0x1AB0 && c < 0x1B00) ||
           (c >= 0x1DC0 && c < 0x1E00) || (c >= 0x20D0 && c < 0x2100) ||
           (c >= 0xFE20 && c < 0xFE30);
}

// Letters of scripts other than Latin: what is not punctuation, a symbol,
// a surrogate (mostly emoji) or private use above U+0250.
bool isOtherScriptLetter(char16_t c) {
    if (c < 0x180)
        return false;
    if (c < 0x250)
        return foldedLatin(c).empty();
    if (c < 0x300)
        return c < 0x2B9 && c != 0x2BC; // IPA letters; not the modifier apostrophe
    if (c < 0x370)
        return false;
    switch (c) {
    case 0x37E:
    case 0x387:
    case 0x589:
    case 0x5BE:
    case 0x5C0:
    case 0x5C3:
    case 0x5F3:
    case 0x5F4:
    case 0x60C:
    case 0x61B:
    case 0x61F:
    case 0x6D4:
    case 0x964:
    case 0x965:
    case 0xE3F:
        return false;
    default:
        break;
    }
    if (c >= 0x55A && c <= 0x55F)
        return false;
    if (c >= 0x66A && c <= 0x66D)
        return false;
    if (c >= 0x1E00 && c < 0x1F00)
        return true; // Latin Extended Additional: no ASCII spelling here
    if (c >= 0x2000 && c < 0x2C00)
        return false; // punctuation, symbols, arrows, box drawing, dingbats
    if (c >= 0x2E00 && c < 0x2E80)
        return false;
    if (c >= 0x3000 && c < 0x3040)
        return c >= 0x3005 && c <= 0x3007;
    if (c >= 0xD800 && c < 0xF900)
        return false; // surrogates, private use
    if (c >= 0xFE00 && c < 0xFE70)
        return false;
    // Closes the Arabic forms' block but is the invisible byte order mark:
    // as a letter it would glue itself to the word after it.
    if (c == 0xFEFF)
        return false;
    if (c >= 0xFF00 && c < 0xFF66)
        return false; // full-width ASCII is read as ASCII before this
    return c < 0xFFF0;
}

// Full-width forms of ASCII (East Asian input) read as ASCII.
char16_t narrowed(char16_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? static_cast<char16_t>(c - 0xFEE0) : c;
}

bool isWordLetter(char16_t c) {
    return isAsciiLetter(c) ||
           (c >= 0xC0 && (isCombiningMark(c) || !foldedLatin(c).empty() || isOtherScriptLetter(c)));
}

bool isHyphen(char16_t c) {
    return c == u'-' || c == 0x2010 || c == 0x2011;
}

bool isDashLike(char16_t c) {
    return c == 0x2012 || c == 0x2013 || c == 0x2014 || c == 0x2015 || c == 0x2212 || c == 0x96 ||
           c == 0x97 || c == 0xFE58 || c == 0xFE63;
}

bool isPauseMark(char16_t c) {
    return c == u',' || c == u';' || c == u':' || c == u'.' || c == u'!' || c == u'?';
}

bool isCurrencySign(char16_t c) {
    return c == u'$' || c == u'£' || c == u'€' || c == u'¥' || c == u'¢' || c == 0x20B9 ||
           c == 0x20BD || c == 0x20A9;
}

bool isVulgarFraction(char16_t c) {
    return (c >= 0xBC && c <= 0xBE) || (c >= 0x2150 && c <= 0x215E);
}

// ------------------------------------------------------------------- tables

constexpr std::uint64_t key(std::string_view word) {
    std::uint64_t packed = 0;
    for (const char c : word)
        packed = packed << 8 | static_cast<unsigned char>(c);
    return packed;
}

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
        {key("ms"), Capital, u"miz"},
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

// Words after which a Roman numeral counts ("chapter IV", "World War II").
bool isNumberedHeading(std::uint64_t packed) {
    static constexpr std::array<std::uint64_t, 35> headings = [] {
        std::array<std::uint64_t, 35> table{
            key("act"),      key("appendix"), key("article"), key("book"),    key("canto"),
            key("chap"),     key("chapter"),  key("episode"), key("figure"),  key("lesson"),
            key("no"),       key("number"),   key("page"),    key("part"),    key("phase"),
            key("plate"),    key("psalm"),    key("scene"),   key("section"), key("series"),
            key("stage"),    key("volume"),   key("war"),     key("axiom"),   key("lemma"),
            key("lecture"),  key("problem"),  key("stanza"),  key("theorem"), key("exercise"),
            key("question"), key("letter"),   key("song"),    key("hymn"),    key("poem")};
        std::sort(table.begin(), table.end());
        return table;
    }();
    return std::binary_search(headings.begin(), headings.end(), packed);
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

constexpr std::array<std::u16string_view, 10> digitNames = {
    u"zero", u"one", u"two", u"three", u"four", u"five", u"six", u"seven", u"eight", u"nine"};

// The ordinal of the last number word ("twenty one" -> "twenty first").
void makeOrdinal(std::u16string &words) {
    const std::size_t start = words.rfind(u' ') == std::u16string::npos ? 0 : words.rfind(u' ') + 1;
    const std::u16string_view last = std::u16string_view(words).substr(start);
    struct Irregular {
        std::u16string_view cardinal, ordinal;
    };
    static constexpr std::array<Irregular, 6> irregular = {{{u"one", u"first"},
                                                            {u"two", u"second"},
                                                            {u"three", u"third"},
                                                            {u"five", u"fifth"},
                                                            {u"eight", u"eighth"},
                                                            {u"nine", u"ninth"}}};
    for (const Irregular &word : irregular) {
        if (last == word.cardinal) {
            words.replace(start, last.size(), word.ordinal);
            return;
        }
    }
    if (last == u"twelve") {
        words.replace(start, last.size(), u"twelfth");
    } else if (!last.empty() && last.back() == u'y') {
        words.pop_back();
        words += u"ieth";
    } else if (!last.empty()) {
        words += u"th";
    }
}

// The value of a Roman numeral written in capitals, or 0 when the letters
// do not form one (or form an unusual one, "IIII", "VX").
int romanValue(std::u16string_view word) {
    if (word.empty() || word.size() > 12)
        return 0;
    auto value = [](char16_t c) {
        switch (c) {
        case u'I':
            return 1;
        case u'V':
            return 5;
        case u'X':
            return 10;
        case u'L':
            return 50;
        case u'C':
            return 100;
        case u'D':
            return 500;
        case u'M':
            return 1000;
        default:
            return 0;
        }
    };
    int total = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int v = value(word[i]);
        if (v == 0)
            return 0;
        const int next = i + 1 < word.size() ? value(word[i + 1]) : 0;
        if (next > v) {
            // Only I, X, C subtract, and only from the next two larger ones.
            if ((v != 1 && v != 10 && v != 100) || next > 10 * v)
                return 0;
            total -= v;
        } else {
            total += v;
        }
    }
    // Re-spell the value canonically and compare: rejects "IIII", "VV", "IXI".
    static constexpr std::array<std::pair<int, std::u16string_view>, 13> parts = {{{1000, u"M"},
                                                                                   {900, u"CM"},
                                                                                   {500, u"D"},
                                                                                   {400, u"CD"},
                                                                                   {100, u"C"},
                                                                                   {90, u"XC"},
                                                                                   {50, u"L"},
                                                                                   {40, u"XL"},
                                                                                   {10, u"X"},
                                                                                   {9, u"IX"},
                                                                                   {5, u"V"},
                                                                                   {4, u"IV"},
                                                                                   {1, u"I"}}};
    if (total <= 0 || total >= 4000)
        return 0;
    char16_t canonical[16];
    std::size_t length = 0;
    int rest = total;
    for (const auto &[v, letters] : parts) {
        while (rest >= v) {
            if (length + letters.size() > std::size(canonical))
                return 0;
            for (const char16_t c : letters)
                canonical[length++] = c;
            rest -= v;
        }
    }
    return std::u16string_view(canonical, length) == word ? total : 0;
}

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

// Prefixes that are not words by themselves.
bool isBoundPrefix(std::uint64_t packed) {
    static constexpr std::array<std::uint64_t, 14> prefixes = {
        key("anti"), key("bi"), key("co"),   key("de"),  key("mid"), key("multi"), key("non"),
        key("pre"),  key("re"), key("semi"), key("sub"), key("tri"), key("un"),    key("uni")};
    return std::find(prefixes.begin(), prefixes.end(), packed) != prefixes.end();
}

// US state abbreviations, read as the state after "City, ".
std::u16string_view stateName(std::uint64_t packed) {
    struct State {
        std::uint64_t key;
        std::u16string_view name;
    };
    static constexpr std::array<State, 36> states = {{
        {key("ala"), u"alabama"},       {key("ariz"), u"arizona"},
        {key("ark"), u"arkansas"},      {key("calif"), u"california"},
        {key("colo"), u"colorado"},     {key("conn"), u"connecticut"},
        {key("del"), u"delaware"},      {key("fla"), u"florida"},
        {key("ga"), u"georgia"},        {key("ill"), u"illinois"},
        {key("ind"), u"indiana"},       {key("kans"), u"kansas"},
        {key("ky"), u"kentucky"},       {key("la"), u"louisiana"},
        {key("md"), u"maryland"},       {key("mass"), u"massachusetts"},
        {key("mich"), u"michigan"},     {key("minn"), u"minnesota"},
        {key("miss"), u"mississippi"},  {key("mo"), u"missouri"},
        {key("mont"), u"montana"},      {key("neb"), u"nebraska"},
        {key("nev"), u"nevada"},        {key("okla"), u"oklahoma"},
        {key("ore"), u"oregon"},        {key("pa"), u"pennsylvania"},
        {key("penn"), u"pennsylvania"}, {key("tenn"), u"tennessee"},
        {key("tex"), u"texas"},         {key("va"), u"virginia"},
        {key("vt"), u"vermont"},        {key("wash"), u"washington"},
        {key("wis"), u"wisconsin"},     {key("wyo"), u"wyoming"},
        {key("kan"), u"kansas"},        {key("nebr"), u"nebraska"},
    }};
    for (const State &state : states) {
        if (state.key == packed)
            return state.name;
    }
    return {};
}

// The names of the Greek letters, lower and upper case alike.
std::u16string_view greekLetterName(char16_t c) {
    static constexpr std::array<std::u16string_view, 25> names = {
        u"alpha",   u"beta", u"gamma", u"delta",  u"epsilon", u"zeta", u"eta",
        u"theta",   u"iota", u"kappa", u"lambda", u"mu",      u"nu",   u"xi",
        u"omicron", u"pi",   u"rho",   u"sigma",  u"sigma",   u"tau",  u"upsilon",
        u"phi",     u"chi",  u"psi",   u"omega"};
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return names[c - 0x391];
    if (c >= 0x3B1 && c <= 0x3C9)
        return names[c - 0x3B1];
    return {};
}

// ------------------------------------------------------------------- reader

struct Token {
    std::u16string_view text; // letters with inner apostrophes, hyphens, dots
    bool fullStop = false;    // a full stop follows directly
    bool hyphen = false;
    bool dots = false;
    bool nonAscii = false;
    bool apostrophe = false;
};

class Reader {
public:
    Reader(std::u16string_view sentence, const ReadingContext &context)
        : s_(sentence), context_(context) {
        out_.reserve(sentence.size() + sentence.size() / 4 + 8);
        for (const char16_t c : sentence) {
            if (isAsciiLower(c)) {
                mixedCase_ = true;
                break;
            }
        }
    }

    std::u16string read() {
        const std::size_t n = s_.size();
        std::size_t i = 0;
        while (i < n) {
            if (isAsciiLower(s_[i])) {
                if (const std::size_t end = plainWordEnd(i); end != 0) {
                    i = readPlainWord(i, end);
                    continue;
                }
            }
            const char16_t c = narrowed(s_[i]);
            if (isApostrophe(c) && attachPossessive(i)) {
                i += 2;
                continue;
            }
            if (isAsciiLetter(c) || (c >= 0xC0 && isWordLetter(c)) ||
                (isApostrophe(c) && i + 1 < n && isAsciiLetter(s_[i + 1]) && atChunkStart(i) &&
                 !isDigit(i + 2 < n ? s_[i + 2] : u' '))) {
                i = readWordAt(i);
            } else if (c == u' ') {
                ++i;
            } else if (startsNumber(i)) {
                i = readNumberAt(i);
            } else {
                i = readSignAt(i);
            }
        }
        while (!out_.empty() && out_.back() == u' ')
            out_.pop_back();
        if (!hasWord_)
            out_.clear();
        return std::move(out_);
    }

private:
    // ---- the common case

    // Most words are lower-case letters followed by a space or a pause
    // mark: the end of such a word at `i`, or 0 when the word needs a
    // closer look (a full stop or hyphen after it, no vowel, a possible
    // abbreviation or address).
    std::size_t plainWordEnd(std::size_t i) const {
        enum : unsigned char { Lower = 1, Vowel = 2, Ends = 4 };
        static constexpr std::array<unsigned char, 128> classes = [] {
            std::array<unsigned char, 128> table{};
            for (char c = 'a'; c <= 'z'; ++c)
                table[static_cast<unsigned char>(c)] = Lower;
            for (const char c : std::string_view("aeiouy"))
                table[static_cast<unsigned char>(c)] |= Vowel;
            for (const char c : std::string_view(" ,;!?)\"\n"))
                table[static_cast<unsigned char>(c)] = Ends;
            return table;
        }();
        const std::size_t n = s_.size();
        std::size_t j = i;
        unsigned char seen = 0;
        while (j < n && s_[j] < 128 && (classes[s_[j]] & Lower) != 0)
            seen |= classes[s_[j++]];
        if (j - i < 2 || ((seen & Vowel) == 0 && j - i <= 4))
            return 0;
        if (j < n && (s_[j] >= 128 || (classes[s_[j]] & Ends) == 0))
            return 0;
        if (i > 0 && !isSpace(s_[i - 1]) && s_[i - 1] != u'(' && s_[i - 1] != u'"')
            return 0;
        return j;
    }

    std::size_t readPlainWord(std::size_t i, std::size_t end) {
        const std::u16string_view text = s_.substr(i, end - i);
        const std::uint64_t packed = packedKey(text);
        if (packed != 0 && mayBeBareAbbreviation(packed)) {
            Token token;
            token.text = text;
            readToken(token, end);
            return end;
        }
        emit(text);
        setPrevious(false,
                    packed != 0
                        ? isNumberedHeading(packed)
                        : text == u"corollary" || text == u"proposition" || text == u"paragraph",
                    false);
        previousLetterHeading_ = packed == key("letter");
        return end;
    }

    // ---- output

    void emit(std::u16string_view word) {
        if (word.empty())
            return;
        if (!out_.empty() && out_.back() != u' ')
            out_ += u' ';
        out_ += word;
        hasWord_ = true;
        pauseSinceWord_ = 0;
    }

    void emitPause(char16_t mark) {
        if (mark == u',')
            afterNameComma_ = previousName_ || previousPlace_;
        if (pauseSinceWord_ == 0)
            pauseSinceWord_ = mark;
        if (context_.pauseMarks && !out_.empty() && out_.back() != u' ' &&
            !isPauseMark(out_.back()))
            out_ += mark;
    }

    // A letter said by its name. The dictionaries say single letters as
    // their names, except "a", which is the article.
    void emitLetter(char16_t letter) {
        const char16_t lower = lowerAscii(letter);
        if (lower == u'a') {
            emit(context_.variant == Variant::British ? u"eh" : u"ay");
            return;
        }
        const char16_t name[1] = {lower};
        emit(std::u16string_view(name, 1));
    }

    void emitNumber(int value, bool ordinal) {
        char16_t digits[8];
        std::size_t length = 0;
        for (int rest = value; rest > 0; rest /= 10)
            digits[length++] = static_cast<char16_t>(u'0' + rest % 10);
        std::reverse(digits, digits + length);
        std::u16string words;
        if (readNumericAt(std::u16string_view(digits, length), 0, context_.variant, words) == 0) {
            for (std::size_t i = 0; i < length; ++i) {
                if (!words.empty())
                    words += u' ';
                words += digitNames[digits[i] - u'0'];
            }
        }
        if (ordinal)
            makeOrdinal(words);
        emit(words);
    }

    void setPrevious(bool name, bool heading, bool singleLetter) {
        previousName_ = name;
        previousHeading_ = heading;
        previousLetter_ = singleLetter;
        previousHeadingCapital_ = false;
        previousLetterHeading_ = false;
        previousPlace_ = false;
        afterNameComma_ = false;
        ++tokens_;
    }

    // "Nature 's", "Clement VII.'s": a possessive ending that the text
    // sets apart from its word belongs to the word read before it.
    bool attachPossessive(std::size_t i) {
        if (i + 1 >= s_.size() || (s_[i + 1] != u's' && s_[i + 1] != u'S'))
            return false;
        if (i + 2 < s_.size() && isWordLetter(narrowed(s_[i + 2])))
            return false;
        if (i == 0 || (!isSpace(s_[i - 1]) && s_[i - 1] != u'.'))
            return false;
        // Only a full stop may stand between them ("VII.'s"), whether or not
        // the output shows its marks.
        if (pauseSinceWord_ != 0 && pauseSinceWord_ != u'.')
            return false;
        if (!out_.empty() && out_.back() == u'.')
            out_.pop_back();
        if (out_.empty() || !(isAsciiLetter(out_.back()) || out_.back() >= 0x80))
            return false;
        out_ += u"'s";
        pauseSinceWord_ = 0;
        return true;
    }

    // ---- context

    bool knownWithApostrophe(std::u16string_view text) const {
        std::u16string lower;
        lower.reserve(text.size());
        for (const char16_t c : text)
            lower += isApostrophe(c) ? u'\'' : lowerAscii(c);
        return context_.knownWord(lower);
    }

    bool isLetterAt(std::size_t i) const {
        const char16_t c = s_[i];
        return c < 0x80 ? isAsciiLetter(c) : isWordLetter(narrowed(c));
    }

    bool atChunkStart(std::size_t i) const {
        if (i == 0)
            return true;
        const char16_t c = s_[i - 1];
        return isSpace(c) || c == u'(' || c == u'[' || c == u'"' || c == 0x201C || c == 0x93;
    }

    // The first character of the next word after `i`, past spaces, quotes
    // and opening brackets; 0 at the end.
    char16_t nextStart(std::size_t i) const {
        for (; i < s_.size(); ++i) {
            const char16_t c = narrowed(s_[i]);
            if (isSpace(c) || c == u'"' || c == u'(' || c == u'[' || c == 0x201C || c == 0x2018 ||
                c == 0x93)
                continue;
            return c;
        }
        return 0;
    }

    // Whether anything but punctuation follows `i`.
    bool wordsFollow(std::size_t i) const {
        for (; i < s_.size(); ++i) {
            const char16_t c = s_[i];
            if (isDigit(c) || isWordLetter(c))
                return true;
        }
        return false;
    }

    bool startsNumber(std::size_t i) const {
        const char16_t c = s_[i];
        if (isDigit(c) || isVulgarFraction(c))
            return true;
        const char16_t next = i + 1 < s_.size() ? s_[i + 1] : u' ';
        const char16_t after = i + 2 < s_.size() ? s_[i + 2] : u' ';
        if (isCurrencySign(c))
            return isDigit(next) || (next == u' ' && isDigit(after)) || next == u'.';
        if (c == u'-' || c == u'+' || c == 0x2212 || c == u'.')
            return isDigit(next) && atChunkStart(i);
        if (isApostrophe(c))
            return isDigit(next) && isDigit(after);
        return false;
    }

    // ---- numbers and signs

    std::size_t readNumberAt(std::size_t i) {
        std::u16string words;
        const std::size_t used = readNumericAt(s_, i, context_.variant, words);
        if (used > 0) {
            emit(words);
            setPrevious(false, false, false);
            return i + std::min(used, s_.size() - i);
        }
        if (!isDigit(s_[i]))
            return readSignAt(i);
        // Digits the number reader leaves alone are said one by one.
        for (; i < s_.size() && isDigit(s_[i]); ++i)
            emit(digitNames[s_[i] - u'0']);
        setPrevious(false, false, false);
        return i;
    }

    std::size_t readSignAt(std::size_t i) {
        const char16_t c = narrowed(s_[i]);
        const char16_t next = i + 1 < s_.size() ? s_[i + 1] : u' ';
        switch (c) {
        case u'&':
            emit(u"and");
            break;
        case u'+':
            emit(u"plus");
            break;
        case u'=':
            emit(u"equals");
            break;
        case u'@':
            emit(u"at");
            break;
        case u'#':
            emit(isDigit(next) || (next == u' ' && i + 2 < s_.size() && isDigit(s_[i + 2]))
                     ? u"number"
                     : u"hash");
            break;
        case u'%':
            emit(u"percent");
            break;
        case 0xB0:
            emit(u"degrees");
            break;
        case 0xA7:
            emit(u"section");
            break;
        case 0xB6:
            emit(u"paragraph");
            break;
        case 0xD7:
            emit(u"times");
            break;
        case 0xB1:
            emit(u"plus or minus");
            break;
        case u'.':
            // An ellipsis is a pause, like the full stop.
            emitPause(u'.');
            break;
        default:
            if (isPauseMark(c))
                emitPause(c);
            else if (isDashLike(c) || (c == u'-' && next == u'-'))
                emitPause(u',');
            break;
        }
        return i + 1;
    }

    // ---- words

    std::size_t readWordAt(std::size_t i) {
        if (atChunkStart(i) && mayBeAddress(i)) {
            if (const std::size_t end = addressEnd(i); end != 0)
                return readAddress(i, end);
        }
        Token token;
        const std::size_t start = i;
        const std::size_t n = s_.size();
        std::size_t j = i;
        if (isApostrophe(s_[j])) {
            token.apostrophe = s_[j] != u'\'';
            ++j;
        }
        std::size_t segment = j;
        for (;;) {
            while (j < n && isLetterAt(j)) {
                if (s_[j] >= 0x80)
                    token.nonAscii = true;
                ++j;
            }
            if (j + 1 >= n || !isLetterAt(j + 1))
                break;
            const char16_t c = s_[j];
            if (isApostrophe(c)) {
                token.apostrophe = token.apostrophe || c != u'\'';
            } else if (isHyphen(c)) {
                token.hyphen = true;
            } else if (c == u'.' && j - segment <= 2) {
                std::size_t end = j + 1;
                while (end < n && isAsciiLetter(s_[end]))
                    ++end;
                if (end - (j + 1) > 2)
                    break;
                token.dots = true;
            } else if (c == u'&' && j > start && isAsciiUpper(s_[j - 1]) &&
                       isAsciiUpper(s_[j + 1])) {
                token.hyphen = true; // AT&T: read as its parts
            } else {
                break;
            }
            ++j;
            segment = j;
        }
        // A closing apostrophe belongs to the word (the students', thro').
        if (j < n && isApostrophe(s_[j]) && j > start && s_[j - 1] != u'.') {
            token.apostrophe = token.apostrophe || s_[j] != u'\'';
            ++j;
        }
        token.text = s_.substr(start, j - start);
        // An opening quote typed as an apostrophe ('Mrs. Smith'): unless
        // the dictionary has the word with it ('tis), it is no part of it.
        if (isApostrophe(s_[start]) && token.text.size() > 1 && !knownWithApostrophe(token.text))
            token.text.remove_prefix(1);
        token.fullStop = j < n && s_[j] == u'.' && !(j + 1 < n && s_[j + 1] == u'.');

        // A month name may open a date.
        if (!token.dots && !token.hyphen && isAsciiUpper(s_[start]) &&
            monthNumber(token.text) != 0) {
            std::u16string words;
            const std::size_t used = readNumericAt(s_, start, context_.variant, words);
            if (used > 0) {
                emit(words);
                setPrevious(false, false, false);
                return start + std::min(used, n - start);
            }
        }
        const bool consumed = readToken(token, j);
        return j + (consumed && token.fullStop ? 1 : 0);
    }

    // Reads one token; returns whether its full stop belonged to it (an
    // abbreviation's) rather than to the sentence.
    bool readToken(const Token &token, std::size_t end) {
        const std::u16string_view text = token.text;
        if (text.empty())
            return false;

        if (token.apostrophe || token.nonAscii) {
            std::u16string cleaned = cleanedWord(text);
            if (containsOtherScript(cleaned)) {
                const std::u16string_view greek =
                    cleaned.size() == 1 ? greekLetterName(cleaned[0]) : std::u16string_view{};
                if (!greek.empty()) {
                    emit(greek);
                } else {
                    // Inner full stops, hyphens and ampersands part the word.
                    std::size_t from = 0;
                    for (std::size_t k = 0; k <= cleaned.size(); ++k) {
                        if (k < cleaned.size() &&
                            (cleaned[k] == u'\'' || isLetter(cleaned[k]) || isDigit(cleaned[k])))
                            continue;
                        emit(std::u16string_view(cleaned).substr(from, k - from));
                        from = k + 1;
                    }
                }
                setPrevious(false, false, false);
                return false;
            }
            if (cleaned != text) {
                Token copy = token;
                copy.apostrophe = false;
                copy.nonAscii = false;
                copy.text = cleaned;
                return readToken(copy, end);
            }
        }
        if (token.hyphen)
            return readHyphenated(token, end);
        if (token.dots)
            return readDotted(token, end);

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
            if (const int value = romanValue(text); value > 0) {
                const bool onlyIVX = text.find_first_not_of(u"IVX") == std::u16string_view::npos;
                // After a heading, single C, D, L, M are letters (Appendix C),
                // and I needs a capitalised heading ("Part I", not "in part I").
                const bool afterHeading =
                    previousHeading_ &&
                    (letters > 1 ||
                     (!previousLetterHeading_ &&
                      (text == u"V" || text == u"X" || (text == u"I" && previousHeadingCapital_))));
                // II, IV, XIV...: numerals of I, V and X of two letters or
                // more are hardly ever words or acronyms.
                const bool numeral = onlyIVX && letters > 1;
                if (afterHeading || (numeral && !previousName_) ||
                    (tokens_ == 0 && onlyIVX && !wordsFollow(end))) {
                    emitNumber(value, false);
                    setPrevious(false, false, false);
                    return token.fullStop;
                }
                // "Charles I." is the first; "Charles I went" the pronoun.
                const bool regnalI =
                    text == u"I" &&
                    (end >= s_.size() || s_[end] == u'.' || s_[end] == u',' || s_[end] == u'?' ||
                     s_[end] == u'!' || s_[end] == u';' || s_[end] == u':');
                if (previousName_ && onlyIVX && (text != u"I" || regnalI)) {
                    emit(u"the");
                    emitNumber(value, true);
                    setPrevious(false, false, false);
                    return token.fullStop && nextStart(end + 1) != 0 &&
                           !isAsciiUpper(nextStart(end + 1));
                }
            }
        }

        // Lower-case words without a full stop match only the few
        // abbreviations written so (etc, vs, mr, dr, st...).
        if (packed != 0 && (capitalised || token.fullStop || mayBeBareAbbreviation(packed))) {
            if (readAbbreviation(token, packed, capitalised, end))
                return true;
        }

        if (letters == 1)
            return readSingleLetter(token, end);

        if (capitals >= 2)
            return readCapitals(token, capitals, end);

        // A short lower-case word without a vowel that the dictionary lacks
        // is letters (smr, kpc).
        if (capitals == 0 && letters <= 4 &&
            text.find_first_of(u"aeiouy") == std::u16string_view::npos &&
            !context_.knownWord(text)) {
            for (const char16_t c : text)
                emitLetter(c);
            setPrevious(false, false, true);
            return false;
        }

        emit(text);
        const bool letterHeading = packed == key("letter");
        setPrevious(capitalised,
                    packed != 0
                        ? isNumberedHeading(packed)
                        : equalsFolded(text, u"corollary") || equalsFolded(text, u"proposition") ||
                              equalsFolded(text, u"paragraph"),
                    false);
        previousHeadingCapital_ = previousHeading_ && capitalised;
        previousLetterHeading_ = letterHeading;
        return false;
    }

    bool readAbbreviation(const Token &token, std::uint64_t packed, bool capitalised,
                          std::size_t end) {
        const std::u16string_view text = token.text;
        const std::size_t after = end + (token.fullStop ? 1 : 0);
        // "Kansas City, Mo.": a state after a place and a comma.
        if (afterNameComma_ && capitalised && (token.fullStop || text.size() == 2)) {
            if (const std::u16string_view state = stateName(packed); !state.empty()) {
                emit(state);
                setPrevious(false, false, false);
                return token.fullStop;
            }
        }
        // Dr and St say different things before and after a name.
        if (packed == key("dr") || packed == key("st")) {
            const bool beforeName = isAsciiUpper(nextStart(after));
            if (!capitalised && !beforeName)
                return false;
            const bool afterName = previousName_;
            if (!beforeName && !afterName && !token.fullStop)
                return false;
            if (packed == key("dr"))
                emit(beforeName || !afterName ? u"doctor" : u"drive");
            else
                emit(beforeName || !afterName ? u"saint" : u"street");
            setPrevious(false, false, false);
            return true;
        }
        const Abbreviation *entry = findAbbreviation(packed);
        if (entry == nullptr)
            return false;
        const char16_t next = nextStart(after);
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
        emit(entry->reading);
        setPrevious(false, isNumberedHeading(packedKey(entry->reading)), false);
        // "etc." ends sentences as often as not: its full stop also closes
        // this one when nothing follows.
        return true;
    }

    bool readSingleLetter(const Token &token, std::size_t end) {
        const char16_t letter = token.text[0];
        const std::size_t after = end + (token.fullStop ? 1 : 0);
        const char16_t next = nextStart(after);
        if (letter == u'I') {
            emit(u"I");
            setPrevious(false, false, false);
            return false;
        }
        if (letter == u'a' || letter == u'A') {
            // The article, unless it is an initial or one of spelled letters.
            const bool nextIsLetter =
                after < s_.size() && isSpace(s_[after]) && isLoneLetterAt(after);
            const bool initial = letter == u'A' && token.fullStop && isAsciiUpper(next);
            const bool spelled = letter == u'a' ? previousLetter_ || nextIsLetter
                                                : initial || nextIsLetter ||
                                                      (previousLetter_ && !isAsciiLetter(next));
            if (!spelled) {
                emit(token.text);
                setPrevious(false, false, false);
                return false;
            }
        }
        emitLetter(letter);
        setPrevious(false, false, true);
        // An initial keeps its full stop unless the sentence ends there.
        return token.fullStop && next != 0;
    }

    // Whether a lone letter (not "a", not "I") starts after the spaces at `i`.
    bool isLoneLetterAt(std::size_t i) const {
        while (i < s_.size() && isSpace(s_[i]))
            ++i;
        if (i >= s_.size() || !isAsciiLetter(s_[i]) || s_[i] == u'a' || s_[i] == u'A' ||
            s_[i] == u'I')
            return false;
        return i + 1 >= s_.size() || !isWordLetter(s_[i + 1]);
    }

    bool readCapitals(const Token &token, std::size_t capitals, std::size_t end) {
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
            return readMixedCase(token, end);
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
        if (!mixedCase_)
            asWord = context_.knownWord(lower) || isSayable(letters);
        else if (letters.size() <= 3)
            asWord = ending.empty() && isEmphasisWord(packedKey(letters));
        else
            asWord = context_.knownWord(lower) || isSayable(letters);
        if (asWord) {
            emit(text);
            setPrevious(false, packedKey(text) != 0 && isNumberedHeading(packedKey(text)), false);
            previousHeadingCapital_ = previousHeading_;
            previousLetterHeading_ = packedKey(text) == key("letter");
            previousPlace_ = !mixedCase_ && ending.empty();
            return false;
        }
        for (std::size_t k = 0; k < letters.size(); ++k) {
            if (k + 1 == letters.size() && !ending.empty()) {
                if (!out_.empty() && out_.back() != u' ')
                    out_ += u' ';
                out_ += lowerAscii(letters[k]) == u'a'
                            ? (context_.variant == Variant::British ? u"eh" : u"ay")
                            : std::u16string(1, lowerAscii(letters[k]));
                out_ += ending;
                hasWord_ = true;
                pauseSinceWord_ = 0;
            } else {
                emitLetter(letters[k]);
            }
        }
        setPrevious(false, false, false);
        // U.S.-style initials aside, a full stop after capitals is the
        // sentence's.
        return false;
    }

    // TimeWarner, PrimeRevenue: words run together with capitals, read as
    // their parts when the whole is unknown and every part is known.
    bool readMixedCase(const Token &token, std::size_t) {
        const std::u16string_view text = token.text;
        std::u16string lower(text);
        for (char16_t &c : lower)
            c = lowerAscii(c);
        const bool capitalised = isAsciiUpper(text[0]);
        // PbS, PhD, iOS: short and unknown, with capitals inside, is letters.
        if (text.size() <= 4 && !context_.knownWord(lower)) {
            for (const char16_t c : text)
                emitLetter(c);
            setPrevious(false, false, true);
            return false;
        }
        if (!context_.knownWord(lower)) {
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
                allKnown = part.size() == 1 || context_.knownWord(part);
                longParts = longParts && part.size() >= 3;
            }
            if (allKnown || longParts) {
                for (std::size_t p = 0; p < count; ++p) {
                    const std::size_t from = parts[p];
                    const std::size_t to = p + 1 < count ? parts[p + 1] : text.size();
                    if (to - from == 1)
                        emitLetter(text[from]);
                    else
                        emit(text.substr(from, to - from));
                }
                setPrevious(capitalised && tokens_ > 0, false, false);
                return false;
            }
        }
        emit(text);
        setPrevious(capitalised && tokens_ > 0, false, false);
        return false;
    }

    bool readHyphenated(const Token &token, std::size_t end) {
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
            isBoundPrefix(packedKey(text.substr(0, firstHyphen))) && context_.knownWord(joined)) {
            emit(joined);
            setPrevious(false, false, false);
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
                consumed = readToken(part, k == text.size() ? end : end - (text.size() - k));
            if (k < text.size() && text[k] == u'&')
                emit(u"and");
            from = k + 1;
        }
        return consumed;
    }

    bool readDotted(const Token &token, std::size_t end) {
        const std::u16string_view text = token.text;
        std::u16string letters;
        for (const char16_t c : text) {
            if (c != u'.')
                letters += lowerAscii(c);
        }
        static constexpr std::array<WrittenSaid, 6> phrases = {{{u"eg", u"for example"},
                                                                {u"ie", u"that is"},
                                                                {u"aka", u"also known as"},
                                                                {u"etc", u"et cetera"},
                                                                {u"ps", u"p s"},
                                                                {u"viz", u"namely"}}};
        if (const std::u16string_view said = saidAs(phrases, letters); !said.empty()) {
            emit(said);
            setPrevious(false, false, false);
            return true;
        }
        // "Albany, N.Y.": a state after a place and a comma.
        if (afterNameComma_) {
            static constexpr std::array<WrittenSaid, 8> states = {{{u"ny", u"new york"},
                                                                   {u"nj", u"new jersey"},
                                                                   {u"nh", u"new hampshire"},
                                                                   {u"nc", u"north carolina"},
                                                                   {u"nd", u"north dakota"},
                                                                   {u"sc", u"south carolina"},
                                                                   {u"sd", u"south dakota"},
                                                                   {u"ri", u"rhode island"}}};
            if (const std::u16string_view said = saidAs(states, letters); !said.empty()) {
                emit(said);
                setPrevious(false, false, false);
                return token.fullStop;
            }
        }
        // Initials and letter abbreviations (U.S., a.m., Ph.D.) are spelled.
        for (const char16_t c : text) {
            if (c != u'.')
                emitLetter(c);
        }
        setPrevious(false, false, true);
        const char16_t next = nextStart(end + (token.fullStop ? 1 : 0));
        return token.fullStop && next != 0;
    }

    // ---- addresses

    // Addresses show themselves right after their first letters (www.,
    // http:, name@, name.com, my-site.com): only then is the whole piece
    // worth a look.
    bool mayBeAddress(std::size_t i) const {
        std::size_t j = i;
        while (j < s_.size() && isAsciiLetter(s_[j]))
            ++j;
        if (j + 1 >= s_.size())
            return false;
        const char16_t c = s_[j];
        return c == u'.' || c == u'@' || c == u':' || c == u'_' || c == u'-' || c == u'/' ||
               isDigit(c);
    }

    // The end of a web or e-mail address starting at `i`, or 0.
    std::size_t addressEnd(std::size_t i) const {
        const std::size_t n = s_.size();
        std::size_t end = i;
        bool at = false, scheme = false, dot = false;
        while (end < n && !isSpace(s_[end]) && s_[end] < 0x80 && s_[end] != u'"' &&
               s_[end] != u'<' && s_[end] != u'>') {
            const char16_t c = s_[end];
            if (c == u'@')
                at = true;
            else if (c == u':' && end + 2 < n && s_[end + 1] == u'/' && s_[end + 2] == u'/')
                scheme = true;
            else if (c == u'.' && end + 1 < n && isAsciiLetter(s_[end + 1]))
                dot = true;
            ++end;
        }
        while (end > i && (isPauseMark(s_[end - 1]) || s_[end - 1] == u')' || s_[end - 1] == u'\''))
            --end;
        const std::u16string_view chunk = s_.substr(i, end - i);
        const bool www =
            chunk.size() > 4 && (chunk.substr(0, 4) == u"www." || chunk.substr(0, 4) == u"WWW.");
        if (!scheme && !www && !(at && dot) && !(dot && endsInDomain(chunk)))
            return 0;
        return end;
    }

    // name.com, BioLib.cz: a dotted name whose last part is a common
    // top-level domain.
    static bool endsInDomain(std::u16string_view chunk) {
        const std::size_t dot = chunk.rfind(u'.');
        if (dot == std::u16string_view::npos || dot == 0 ||
            chunk.find(u'@') != std::u16string_view::npos)
            return false;
        const std::u16string_view last = chunk.substr(dot + 1);
        static constexpr std::array<std::u16string_view, 24> domains = {
            u"com", u"org", u"net", u"edu", u"gov", u"mil", u"int", u"info",
            u"biz", u"io",  u"co",  u"uk",  u"de",  u"fr",  u"ru",  u"cz",
            u"jp",  u"cn",  u"au",  u"ca",  u"eu",  u"tv",  u"nl",  u"it"};
        return std::find(domains.begin(), domains.end(), last) != domains.end() &&
               isAsciiLetter(chunk[dot - 1]);
    }

    std::size_t readAddress(std::size_t i, std::size_t end) {
        std::size_t k = i;
        while (k < end) {
            const char16_t c = s_[k];
            if (isAsciiLetter(c)) {
                std::size_t to = k;
                while (to < end && isAsciiLetter(s_[to]))
                    ++to;
                const std::u16string_view word = s_.substr(k, to - k);
                std::u16string lower(word);
                for (char16_t &l : lower)
                    l = lowerAscii(l);
                if (lower == u"www") {
                    emit(u"w w w");
                } else if (lower == u"http" || lower == u"https") {
                    for (const char16_t l : lower)
                        emitLetter(l);
                } else if (k > i && s_[k - 1] == u'.' && lower.size() <= 3 &&
                           !context_.knownWord(lower)) {
                    // Short domain parts are letters: edu, uk.
                    for (const char16_t l : lower)
                        emitLetter(l);
                } else if (context_.knownWord(lower)) {
                    emit(lower);
                } else {
                    Token part;
                    part.text = word;
                    readToken(part, to);
                }
                k = to;
                continue;
            }
            if (isDigit(c)) {
                emit(digitNames[c - u'0']);
                ++k;
                continue;
            }
            switch (c) {
            case u'.':
                emit(u"dot");
                break;
            case u'/':
                // "://" is said "colon slash slash".
                emit(u"slash");
                break;
            case u':':
                emit(u"colon");
                break;
            case u'@':
                emit(u"at");
                break;
            case u'-':
                emit(u"dash");
                break;
            case u'_':
                emit(u"underscore");
                break;
            case u'?':
                emit(u"question mark");
                break;
            case u'=':
                emit(u"equals");
                break;
            case u'&':
                emit(u"and");
                break;
            case u'#':
                emit(u"hash");
                break;
            case u'~':
                emit(u"tilde");
                break;
            default:
                break;
            }
            ++k;
        }
        setPrevious(false, false, false);
        return end;
    }

    // ---- cleaning

    static bool containsOtherScript(std::u16string_view text) {
        for (const char16_t c : text) {
            if (c >= 0x180 && isOtherScriptLetter(c))
                return true;
        }
        return false;
    }

    // Typographic apostrophes become ASCII; letters with diacritics fold to
    // their base letters unless the dictionary knows the word with them;
    // combining marks go; letters of other scripts stay.
    std::u16string cleanedWord(std::u16string_view text) const {
        std::u16string result;
        result.reserve(text.size() + 2);
        bool folded = false;
        for (const char16_t raw : text) {
            const char16_t c = narrowed(raw);
            if (isApostrophe(c)) {
                result += u'\'';
            } else if (c < 0x80 || isOtherScriptLetter(c)) {
                result += c;
            } else if (isCombiningMark(c)) {
                folded = true;
            } else if (const std::u16string_view base = foldedLatin(c); !base.empty()) {
                result += base;
                folded = true;
            } else {
                result += c;
            }
        }
        if (folded && !containsOtherScript(text)) {
            std::u16string lower;
            for (const char16_t c : text)
                lower += c < 0x80 ? lowerAscii(c) : c;
            if (context_.knownWord(lower))
                return lower;
        }
        return result;
    }

    std::u16string_view s_;
    const ReadingContext &context_;
    std::u16string out_;
    bool mixedCase_ = false;
    bool hasWord_ = false;
    bool previousName_ = false;
    bool previousHeading_ = false;
    bool previousHeadingCapital_ = false;
    bool afterNameComma_ = false;
    // The first pause mark read since the last word, 0 if none.
    char16_t pauseSinceWord_ = 0;
    // The word before was "letter" (LETTER XII, but the letter X), or a word
    // in capitals-only text that may be a place (FORT WAYNE, IND.).
    bool previousLetterHeading_ = false;
    bool previousPlace_ = false;
    bool previousLetter_ = false;
    std::size_t tokens_ = 0;
};

} // namespace

namespace reading {

bool isSpace(char16_t c) {
    if (c <= u' ')
        return true;
    if (c >= 0x80 && c < 0xA0)
        return c != 0x91 && c != 0x92 && c != 0x93 && c != 0x94 && c != 0x96 && c != 0x97;
    switch (c) {
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
    case 0xFEFF:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200B;
    }
}

bool isApostrophe(char16_t c) {
    return c == u'\'' || c == 0x2019 || c == 0x2018 || c == 0x2BC || c == 0x91 || c == 0x92 ||
           c == 0xFF07;
}

bool isLetter(char16_t c) {
    return isWordLetter(narrowed(c));
}

std::uint64_t packedKey(std::u16string_view word) {
    if (word.empty() || word.size() > 8)
        return 0;
    std::uint64_t packed = 0;
    for (const char16_t c : word) {
        if (!isAsciiLetter(c))
            return 0;
        packed = packed << 8 | lowerAscii(c);
    }
    return packed;
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

} // namespace reading

std::u16string readText(std::u16string_view sentence, const ReadingContext &context) {
    return Reader(sentence, context).read();
}

} // namespace orvanta
