#include "engine/reading/reading_numbers.h"

#include "engine/text/text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orvanta {

namespace {

using View = std::u16string_view;
constexpr std::size_t npos = View::npos;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0x24F);
}

bool isAlnum(char16_t c) {
    return isDigit(c) || isLetter(c);
}

// The spaces that may stand between a number and what belongs to it
// ("5 kg", "$ 5"): the ordinary, the no-break and the thin ones.
bool isInlineSpace(char16_t c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

bool isApostrophe(char16_t c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u2018' || c == u'\u02BC';
}

// Dashes that join the two ends of a range.
bool isRangeDash(char16_t c) {
    return c == u'-' || c == u'\u2013' || c == u'\u2014' || c == u'\u2012';
}

bool startsWithAt(View text, std::size_t i, View prefix) {
    return i <= text.size() && text.substr(i, prefix.size()) == prefix;
}

// Past the inline spaces starting at i.
std::size_t skipSpaces(View text, std::size_t i) {
    while (i < text.size() && isInlineSpace(text[i]))
        ++i;
    return i;
}

std::size_t digitsEnd(View text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// True if nothing letter-like or digit-like continues a token at i.
bool boundaryAt(View text, std::size_t i) {
    return i >= text.size() || !isAlnum(text[i]);
}

// The word (a run of ASCII letters) that ends just before `pos`, spaces and
// opening brackets or quotes between them skipped.
View wordBefore(View text, std::size_t pos) {
    std::size_t end = pos;
    while (end > 0 && (isInlineSpace(text[end - 1]) || text[end - 1] == u'(' ||
                       text[end - 1] == u'"' || text[end - 1] == u'\u201C'))
        --end;
    // "p. 236", "No. 5", "b. 1952", "Tel: 555"
    if (end > 0 && (text[end - 1] == u'.' || text[end - 1] == u':'))
        --end;
    while (end > 0 && isInlineSpace(text[end - 1]))
        --end;
    std::size_t begin = end;
    while (begin > 0 && isLetter(text[begin - 1]))
        --begin;
    return text.substr(begin, end - begin);
}

// The word that starts at `pos` once spaces are skipped.
View wordAfter(View text, std::size_t pos) {
    const std::size_t begin = skipSpaces(text, pos);
    std::size_t end = begin;
    while (end < text.size() && isLetter(text[end]))
        ++end;
    return text.substr(begin, end - begin);
}

// ---------------------------------------------------------------------------
// Number words.

constexpr std::array<View, 20> onesWords = {
    u"zero",     u"one",     u"two",     u"three",     u"four",     u"five",    u"six",
    u"seven",    u"eight",   u"nine",    u"ten",       u"eleven",   u"twelve",  u"thirteen",
    u"fourteen", u"fifteen", u"sixteen", u"seventeen", u"eighteen", u"nineteen"};
constexpr std::array<View, 10> tensWords = {u"",      u"",      u"twenty",  u"thirty", u"forty",
                                            u"fifty", u"sixty", u"seventy", u"eighty", u"ninety"};
constexpr std::array<View, 7> scaleWords = {u"",         u"thousand",    u"million",    u"billion",
                                            u"trillion", u"quadrillion", u"quintillion"};

struct Irregular {
    View from, to;
};
constexpr std::array<Irregular, 7> irregularOrdinals = {{{u"one", u"first"},
                                                         {u"two", u"second"},
                                                         {u"three", u"third"},
                                                         {u"five", u"fifth"},
                                                         {u"eight", u"eighth"},
                                                         {u"nine", u"ninth"},
                                                         {u"twelve", u"twelfth"}}};

// Appends words to the caller's text, one space between them, and can take
// back everything written since a mark when a reading turns out not to fit.
class Speech {
public:
    explicit Speech(std::u16string &out) : out_(out), start_(out.size()) {}

    void say(View word) {
        if (out_.size() > start_)
            out_ += u' ';
        out_ += word;
    }
    std::size_t mark() const { return out_.size(); }
    void rollback(std::size_t mark) { out_.resize(mark); }

    void below100(unsigned n) {
        if (n < 20) {
            say(onesWords[n]);
            return;
        }
        say(tensWords[n / 10]);
        if (n % 10)
            say(onesWords[n % 10]);
    }

    // British English says "and" before the tens of every hundred and
    // before a last group below a hundred ("one thousand and five");
    // American English leaves it out.
    void cardinal(std::uint64_t n, bool british) {
        if (n == 0) {
            say(onesWords[0]);
            return;
        }
        std::array<unsigned, scaleWords.size()> groups{};
        std::size_t count = 0;
        while (n && count < groups.size()) {
            groups[count++] = static_cast<unsigned>(n % 1000);
            n /= 1000;
        }
        bool spokenBefore = false;
        for (std::size_t g = count; g-- > 0;) {
            const unsigned v = groups[g];
            if (!v)
                continue;
            const unsigned hundreds = v / 100, rest = v % 100;
            if (hundreds) {
                below100(hundreds);
                say(u"hundred");
            }
            if (rest) {
                if (british && (hundreds || (g == 0 && spokenBefore)))
                    say(u"and");
                below100(rest);
            }
            if (g)
                say(scaleWords[g]);
            spokenBefore = true;
        }
    }

    // The two-digit half of a year: "oh five", "ninety".
    void yearPair(unsigned n) {
        if (n < 10) {
            say(u"oh");
            say(onesWords[n]);
        } else {
            below100(n);
        }
    }

    // "nineteen eighty four", "nineteen oh five", "nineteen hundred",
    // "two thousand (and) one", "twenty ten".
    // Three-digit years go the same way: "seven forty three", "six oh five".
    void year(unsigned n, bool british) {
        if (n < 100 || n > 9999 || n % 1000 == 0 || (n > 2000 && n < 2010) ||
            (n < 1000 && n % 100 == 0)) {
            cardinal(n, british);
            return;
        }
        below100(n / 100);
        if (n % 100 == 0)
            say(u"hundred");
        else
            yearPair(n % 100);
    }

    void digit(char16_t c, View zero) { say(c == u'0' ? zero : onesWords[c - u'0']); }

    // Turns the last word into its ordinal ("twenty one" -> "twenty first").
    void ordinalizeLast() {
        const std::size_t b = lastWordBegin();
        const View w(out_.data() + b, out_.size() - b);
        for (const Irregular &r : irregularOrdinals) {
            if (w == r.from) {
                out_.replace(b, npos, r.to);
                return;
            }
        }
        if (!w.empty() && w.back() == u'y') {
            out_.pop_back();
            out_ += u"ieth";
        } else {
            out_ += u"th";
        }
    }

    // "nineties", "sixes", "tens", "hundreds".
    void pluralizeLast() {
        const std::size_t b = lastWordBegin();
        if (b == out_.size())
            return;
        if (out_.back() == u'y') {
            out_.pop_back();
            out_ += u"ies";
        } else if (out_.back() == u'x') {
            out_ += u"es";
        } else {
            out_ += u's';
        }
    }

private:
    std::size_t lastWordBegin() const {
        const std::size_t space = out_.rfind(u' ');
        return space == npos || space < start_ ? start_ : space + 1;
    }

    std::u16string &out_;
    const std::size_t start_;
};

// ---------------------------------------------------------------------------
// Numerals as written.

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
std::optional<Numeral> scanNumeral(View text, std::size_t i) {
    Numeral n;
    n.begin = n.intBegin = i;
    std::size_t j = digitsEnd(text, i);
    const std::size_t firstGroup = j - i;
    if (firstGroup == 0 && !(i + 1 < text.size() && text[i] == u'.' && isDigit(text[i + 1])))
        return std::nullopt;
    if (firstGroup >= 1 && firstGroup <= 3) {
        // "1,234" but not "1,2" or "12,3456" or the list "1,234,5".
        while (j + 4 <= text.size() && text[j] == u',' && digitsEnd(text, j + 1) == j + 4) {
            j += 4;
            n.grouped = true;
        }
    }
    n.intEnd = j;
    for (std::size_t k = i; k < j; ++k) {
        if (isDigit(text[k])) {
            ++n.digitCount;
            if (n.digitCount <= 18)
                n.value = n.value * 10 + static_cast<unsigned>(text[k] - u'0');
        }
    }
    if (j + 1 < text.size() && text[j] == u'.' && isDigit(text[j + 1])) {
        n.point = true;
        n.fracBegin = j + 1;
        n.fracEnd = digitsEnd(text, j + 1);
        j = n.fracEnd;
    }
    n.end = j;
    return n;
}

// ---------------------------------------------------------------------------
// Tables of things read after or around numbers.

struct Month {
    View name, abbreviation;
};
constexpr std::array<Month, 12> months = {{{u"january", u"jan"},
                                           {u"february", u"feb"},
                                           {u"march", u"mar"},
                                           {u"april", u"apr"},
                                           {u"may", u""},
                                           {u"june", u"jun"},
                                           {u"july", u"jul"},
                                           {u"august", u"aug"},
                                           {u"september", u"sep"},
                                           {u"october", u"oct"},
                                           {u"november", u"nov"},
                                           {u"december", u"dec"}}};

} // namespace

int monthNumber(View word) {
    // Every capitalised word of a text is asked: most are turned away by
    // their length or their initial.
    if (word.size() < 3 || word.size() > 9 || View(u"JjFfMmAaSsOoNnDd").find(word[0]) == View::npos)
        return 0;
    for (std::size_t m = 0; m < months.size(); ++m) {
        if (equalsFolded(word, months[m].name) ||
            (!months[m].abbreviation.empty() && equalsFolded(word, months[m].abbreviation)) ||
            (m == 8 && equalsFolded(word, u"sept")))
            return static_cast<int>(m) + 1;
    }
    return 0;
}

namespace {

// A month name at i, capitalised as a name is ("June", "JUNE", "Sept."):
// returns its number (1-12) and sets `end` past it and its full stop.
int monthAt(View text, std::size_t i, std::size_t &end) {
    if (i >= text.size() || !(text[i] >= u'A' && text[i] <= u'Z'))
        return 0;
    std::size_t j = i;
    while (j < text.size() && isLetter(text[j]))
        ++j;
    const int month = monthNumber(text.substr(i, j - i));
    if (month == 0)
        return 0;
    end = j;
    // Only an abbreviation owns the full stop after it.
    if (j - i < months[static_cast<std::size_t>(month - 1)].name.size() && j < text.size() &&
        text[j] == u'.')
        ++end;
    return month;
}

struct Unit {
    View abbreviation;
    View singular, plural;                           // British spelling
    View americanSingular = {}, americanPlural = {}; // when it differs
    bool attachedOnly = false;                       // only straight after the digits ("5in")
};

// Longest match wins, so "m" never takes the place of "mph" or "m/s".
constexpr Unit units[] = {
    {u"km", u"kilometre", u"kilometres", u"kilometer", u"kilometers"},
    {u"m", u"metre", u"metres", u"meter", u"meters"},
    {u"cm", u"centimetre", u"centimetres", u"centimeter", u"centimeters"},
    {u"mm", u"millimetre", u"millimetres", u"millimeter", u"millimeters"},
    {u"\u00B5m", u"micrometre", u"micrometres", u"micrometer", u"micrometers"},
    {u"nm", u"nanometre", u"nanometres", u"nanometer", u"nanometers"},
    {u"km\u00B2", u"square kilometre", u"square kilometres", u"square kilometer",
     u"square kilometers"},
    {u"km2", u"square kilometre", u"square kilometres", u"square kilometer", u"square kilometers"},
    {u"sq km", u"square kilometre", u"square kilometres", u"square kilometer",
     u"square kilometers"},
    {u"m\u00B2", u"square metre", u"square metres", u"square meter", u"square meters"},
    {u"m2", u"square metre", u"square metres", u"square meter", u"square meters"},
    {u"sq m", u"square metre", u"square metres", u"square meter", u"square meters"},
    {u"cm\u00B2", u"square centimetre", u"square centimetres", u"square centimeter",
     u"square centimeters"},
    {u"m\u00B3", u"cubic metre", u"cubic metres", u"cubic meter", u"cubic meters"},
    {u"m3", u"cubic metre", u"cubic metres", u"cubic meter", u"cubic meters"},
    {u"cm\u00B3", u"cubic centimetre", u"cubic centimetres", u"cubic centimeter",
     u"cubic centimeters"},
    {u"cc", u"cubic centimetre", u"cubic centimetres", u"cubic centimeter", u"cubic centimeters"},
    {u"sq mi", u"square mile", u"square miles"},
    {u"mi\u00B2", u"square mile", u"square miles"},
    {u"sq ft", u"square foot", u"square feet"},
    {u"ft\u00B2", u"square foot", u"square feet"},
    {u"mi", u"mile", u"miles"},
    {u"ft", u"foot", u"feet"},
    {u"in", u"inch", u"inches", {}, {}, true},
    {u"yd", u"yard", u"yards"},
    {u"yds", u"yard", u"yards"},
    {u"ha", u"hectare", u"hectares"},
    {u"kg", u"kilogram", u"kilograms"},
    {u"g", u"gram", u"grams"},
    {u"mg", u"milligram", u"milligrams"},
    {u"\u00B5g", u"microgram", u"micrograms"},
    {u"lb", u"pound", u"pounds"},
    {u"lbs", u"pound", u"pounds"},
    {u"oz", u"ounce", u"ounces"},
    {u"st", u"stone", u"stone"},
    {u"l", u"litre", u"litres", u"liter", u"liters"},
    {u"L", u"litre", u"litres", u"liter", u"liters"},
    {u"ml", u"millilitre", u"millilitres", u"milliliter", u"milliliters"},
    {u"mL", u"millilitre", u"millilitres", u"milliliter", u"milliliters"},
    {u"cl", u"centilitre", u"centilitres", u"centiliter", u"centiliters"},
    {u"gal", u"gallon", u"gallons"},
    {u"mph", u"mile per hour", u"miles per hour"},
    {u"mpg", u"mile per gallon", u"miles per gallon"},
    {u"km/h", u"kilometre per hour", u"kilometres per hour", u"kilometer per hour",
     u"kilometers per hour"},
    {u"kph", u"kilometre per hour", u"kilometres per hour", u"kilometer per hour",
     u"kilometers per hour"},
    {u"m/s", u"metre per second", u"metres per second", u"meter per second", u"meters per second"},
    {u"km/s", u"kilometre per second", u"kilometres per second", u"kilometer per second",
     u"kilometers per second"},
    {u"\u00B0C", u"degree celsius", u"degrees celsius"},
    {u"\u00B0 C", u"degree celsius", u"degrees celsius"},
    {u"\u2103", u"degree celsius", u"degrees celsius"},
    {u"\u00B0F", u"degree fahrenheit", u"degrees fahrenheit"},
    {u"\u00B0 F", u"degree fahrenheit", u"degrees fahrenheit"},
    {u"\u2109", u"degree fahrenheit", u"degrees fahrenheit"},
    {u"\u00B0", u"degree", u"degrees"},
    {u"h", u"hour", u"hours"},
    {u"hr", u"hour", u"hours"},
    {u"hrs", u"hour", u"hours"},
    {u"min", u"minute", u"minutes"},
    {u"mins", u"minute", u"minutes"},
    {u"sec", u"second", u"seconds"},
    {u"secs", u"second", u"seconds"},
    {u"ms", u"millisecond", u"milliseconds"},
    {u"yr", u"year", u"years"},
    {u"yrs", u"year", u"years"},
    {u"KB", u"kilobyte", u"kilobytes"},
    {u"kB", u"kilobyte", u"kilobytes"},
    {u"MB", u"megabyte", u"megabytes"},
    {u"GB", u"gigabyte", u"gigabytes"},
    {u"TB", u"terabyte", u"terabytes"},
    {u"Mb", u"megabit", u"megabits"},
    {u"Gb", u"gigabit", u"gigabits"},
    {u"kbps", u"kilobit per second", u"kilobits per second"},
    {u"Mbps", u"megabit per second", u"megabits per second"},
    {u"Gbps", u"gigabit per second", u"gigabits per second"},
    {u"Hz", u"hertz", u"hertz"},
    {u"kHz", u"kilohertz", u"kilohertz"},
    {u"MHz", u"megahertz", u"megahertz"},
    {u"GHz", u"gigahertz", u"gigahertz"},
    {u"W", u"watt", u"watts"},
    {u"kW", u"kilowatt", u"kilowatts"},
    {u"MW", u"megawatt", u"megawatts"},
    {u"GW", u"gigawatt", u"gigawatts"},
    {u"kWh", u"kilowatt hour", u"kilowatt hours"},
    {u"V", u"volt", u"volts"},
    {u"kV", u"kilovolt", u"kilovolts"},
    {u"mA", u"milliamp", u"milliamps"},
    {u"hp", u"horsepower", u"horsepower"},
    {u"bhp", u"brake horsepower", u"brake horsepower"},
    {u"cal", u"calorie", u"calories"},
    {u"kcal", u"kilocalorie", u"kilocalories"},
    {u"dB", u"decibel", u"decibels"},
};

// The unit written at i (after at most one space unless attached only),
// its end returned through `end`.
const Unit *unitAt(View text, std::size_t i, std::size_t &end) {
    const std::size_t spaced = i < text.size() && isInlineSpace(text[i]) ? i + 1 : i;
    // Most numbers are followed by a word no unit starts like ("years").
    static constexpr std::array<bool, 128> unitStarts = [] {
        std::array<bool, 128> table{};
        for (const Unit &u : units) {
            if (u.abbreviation[0] < 128)
                table[u.abbreviation[0]] = true;
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
    for (const Unit &u : units) {
        const std::size_t at = u.attachedOnly ? i : spaced;
        if (at >= text.size() || text[at] != u.abbreviation[0] ||
            !startsWithAt(text, at, u.abbreviation))
            continue;
        const std::size_t e = at + u.abbreviation.size();
        // "5 m" but not "5 men"; "km2" is whole, so a digit may not follow.
        if (!boundaryAt(text, e))
            continue;
        // "12 W. Main": a capital with a full stop is an initial.
        if (u.abbreviation.size() == 1 && u.abbreviation[0] >= u'A' && u.abbreviation[0] <= u'Z' &&
            e < text.size() && text[e] == u'.')
            continue;
        if (!best || e > bestEnd) {
            best = &u;
            bestEnd = e;
        }
    }
    end = bestEnd;
    return best;
}

struct Currency {
    char16_t symbol;
    View singular, plural, minorSingular, minorPlural;
    bool minorWithAnd; // "three dollars and fifty cents" but "three pounds fifty"
};

constexpr Currency currencies[] = {
    {u'$', u"dollar", u"dollars", u"cent", u"cents", true},
    {u'\u00A3', u"pound", u"pounds", u"penny", u"pence", false},
    {u'\u20AC', u"euro", u"euros", u"cent", u"cents", true},
    {u'\u00A5', u"yen", u"yen", u"", u"", true},
    {u'\u20B9', u"rupee", u"rupees", u"paisa", u"paise", true},
};

// Codes written after an amount: "5 USD", "20 EUR".
struct CurrencyCode {
    View code, singular, plural;
};
constexpr CurrencyCode currencyCodes[] = {
    {u"USD", u"u s dollar", u"u s dollars"},
    {u"EUR", u"euro", u"euros"},
    {u"GBP", u"pound", u"pounds"},
    {u"JPY", u"yen", u"yen"},
    {u"CAD", u"canadian dollar", u"canadian dollars"},
    {u"AUD", u"australian dollar", u"australian dollars"},
    {u"CHF", u"swiss franc", u"swiss francs"},
    {u"INR", u"rupee", u"rupees"},
};

const Currency *currencyOf(char16_t c) {
    for (const Currency &cur : currencies) {
        if (cur.symbol == c)
            return &cur;
    }
    return nullptr;
}

// Multipliers after an amount: "5k", "£600m", "$1.13bn", "$5 million".
struct Multiplier {
    View written, spoken;
    bool word; // a word, which may stand after a space and with any case
};
constexpr Multiplier multipliers[] = {
    {u"k", u"thousand", false},       {u"K", u"thousand", false},
    {u"m", u"million", false},        {u"M", u"million", false},
    {u"mn", u"million", false},       {u"mln", u"million", false},
    {u"bn", u"billion", false},       {u"b", u"billion", false},
    {u"B", u"billion", false},        {u"tn", u"trillion", false},
    {u"trn", u"trillion", false},     {u"thousand", u"thousand", true},
    {u"million", u"million", true},   {u"billion", u"billion", true},
    {u"trillion", u"trillion", true},
};

// A multiplier at i. Letter forms count only straight after the digits or
// after money ("£600m", "$5 bn"), where a metre or a byte makes no sense.
const Multiplier *multiplierAt(View text, std::size_t i, bool money, std::size_t &end) {
    const std::size_t spaced = skipSpaces(text, i);
    for (const Multiplier &m : multipliers) {
        const std::size_t at = m.word || (money && spaced <= i + 1) ? spaced : i;
        if (m.word ? !equalsFolded(text.substr(at, m.written.size()), m.written)
                   : !startsWithAt(text, at, m.written))
            continue;
        const std::size_t e = at + m.written.size();
        if (!boundaryAt(text, e))
            continue;
        // "5m" is five metres, "5B" a grade and "4K" a screen, unless it is money.
        if (!m.word && !money &&
            (m.written == u"m" || m.written == u"M" || m.written == u"b" || m.written == u"B" ||
             m.written == u"K"))
            continue;
        end = e;
        return &m;
    }
    return nullptr;
}

// "am", "p.m.", "P. M.", "PM" at i (after at most one space): sets `pm` and
// returns the end, or npos.
std::size_t meridiemAt(View text, std::size_t i, bool &pm) {
    std::size_t j = i < text.size() && isInlineSpace(text[i]) ? i + 1 : i;
    if (j >= text.size())
        return npos;
    const char16_t first = lowerAscii(text[j]);
    if (first != u'a' && first != u'p')
        return npos;
    ++j;
    bool dotted = false;
    if (j < text.size() && text[j] == u'.') {
        dotted = true;
        ++j;
        if (j < text.size() && text[j] == u' ')
            ++j;
    }
    if (j >= text.size() || lowerAscii(text[j]) != u'm')
        return npos;
    ++j;
    if (dotted) {
        if (j >= text.size() || text[j] != u'.')
            return npos;
        ++j;
    } else if (!boundaryAt(text, j)) {
        return npos;
    }
    pm = first == u'p';
    return j;
}

// Words before a four-digit number that make it a year.
bool isYearCue(View word) {
    return isAnyOfFolded(word, {u"in",   u"since",  u"until",  u"till",   u"during", u"circa",
                                u"c",    u"ca",     u"year",   u"born",   u"died",   u"b",
                                u"d",    u"spring", u"summer", u"autumn", u"winter", u"early",
                                u"late", u"mid",    u"ad",     u"season", u"class",  u"fl"}) ||
           monthNumber(word) != 0;
}

// Words before a number that make it a plain count or label. "p" and "pp"
// count only as the abbreviations "p." and "pp.", not as an initial.
bool isCardinalCue(View text, std::size_t pos) {
    const View word = wordBefore(text, pos);
    if (isAnyOfFolded(word, {u"p", u"pp"})) {
        const std::size_t after = static_cast<std::size_t>(word.data() - text.data()) + word.size();
        return after < text.size() && text[after] == u'.';
    }
    return isAnyOfFolded(word, {u"page",    u"pages",    u"number",  u"room",  u"flight", u"route",
                                u"highway", u"platform", u"episode", u"issue", u"vol",    u"volume",
                                u"chapter", u"section",  u"hymn",    u"psalm", u"op",     u"opus",
                                u"model",   u"exit",     u"channel", u"total"});
}

// Counted things after a number that make it a count rather than a year.
bool isCountNoun(View word) {
    return isAnyOfFolded(
        word,
        {u"years",      u"people",     u"persons",   u"men",         u"women",      u"children",
         u"soldiers",   u"troops",     u"students",  u"members",     u"copies",     u"votes",
         u"households", u"families",   u"residents", u"inhabitants", u"employees",  u"workers",
         u"miles",      u"feet",       u"yards",     u"metres",      u"meters",     u"acres",
         u"hectares",   u"pounds",     u"dollars",   u"euros",       u"tons",       u"tonnes",
         u"times",      u"units",      u"words",     u"pages",       u"points",     u"houses",
         u"homes",      u"cars",       u"vehicles",  u"ships",       u"aircraft",   u"animals",
         u"species",    u"cases",      u"deaths",    u"prisoners",   u"casualties", u"hours",
         u"days",       u"minutes",    u"seconds",   u"weeks",       u"months",     u"horses",
         u"guns",       u"spectators", u"fans",      u"seats",       u"rooms",      u"beds",
         u"pupils",     u"teachers",   u"voters",    u"villages",    u"sheep",      u"kilometres",
         u"kilometers", u"visitors",   u"officers",  u"sailors",     u"ducats",     u"francs",
         u"crowns",     u"shillings",  u"guineas",   u"head",        u"strong",     u"more",
         u"less",       u"others"});
}

// ---------------------------------------------------------------------------

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

class Reader {
public:
    Reader(View text, Variant variant, std::u16string &out)
        : text_(text), british_(variant == Variant::British), speech_(out) {}

    // Returns the end of what was read, or npos.
    std::size_t readAt(std::size_t pos) {
        const char16_t c = text_[pos];
        if (isDigit(c))
            return readFromDigit(pos);
        if (c == u'.' && pos + 1 < text_.size() && isDigit(text_[pos + 1]) &&
            (pos == 0 || !isAlnum(text_[pos - 1])))
            return readQuantity(pos);
        if (const Currency *cur = currencyOf(c))
            return readMoney(pos, *cur);
        if (c == u'-' || c == u'\u2212' || c == u'+')
            return readSigned(pos);
        if (isApostrophe(c))
            return readShortYear(pos);
        if (vulgarFractionAt(text_, pos)) {
            const std::size_t end = sayVulgarFraction(pos, false);
            return sayUnitAfter(end, false, false);
        }
        if (c >= u'A' && c <= u'Z')
            return readMonthFirstDate(pos);
        return npos;
    }

private:
    // -- speaking -----------------------------------------------------------

    void sayDigits(std::size_t begin, std::size_t end, View zero) {
        for (std::size_t i = begin; i < end; ++i) {
            if (isDigit(text_[i]))
                speech_.digit(text_[i], zero);
        }
    }

    // A numeral as a plain number: "four hundred and sixty four thousand",
    // "two point five", "oh oh seven".
    void sayNumber(const Numeral &n) {
        if (!n.fits() || (n.leadingZero(text_) && !n.point)) {
            sayDigits(n.intBegin, n.intEnd, u"oh");
        } else if (n.plainInteger() && n.value > 1000 && n.value < 2000 && n.value % 100 == 0) {
            // Round hundreds below two thousand go by hundreds: "fifteen hundred".
            speech_.below100(static_cast<unsigned>(n.value / 100));
            speech_.say(u"hundred");
        } else if (n.digitCount > 0) {
            speech_.cardinal(n.value, british_);
        }
        if (n.point) {
            speech_.say(u"point");
            // "two point zero", but "one point oh seven".
            bool allZero = true;
            for (std::size_t i = n.fracBegin; i < n.fracEnd; ++i)
                allZero = allZero && text_[i] == u'0';
            sayDigits(n.fracBegin, n.fracEnd, allZero ? u"zero" : u"oh");
        }
    }

    void sayFraction(unsigned numerator, unsigned denominator, bool afterWhole) {
        const bool one = numerator == 1;
        if (one && afterWhole)
            speech_.say(u"a");
        else
            speech_.cardinal(numerator, british_);
        if (denominator == 2) {
            speech_.say(one ? u"half" : u"halves");
        } else if (denominator == 4) {
            speech_.say(one ? u"quarter" : u"quarters");
        } else {
            speech_.cardinal(denominator, british_);
            speech_.ordinalizeLast();
            if (!one)
                speech_.pluralizeLast();
        }
    }

    std::size_t sayVulgarFraction(std::size_t i, bool afterWhole) {
        const VulgarFraction *f = vulgarFractionAt(text_, i);
        if (afterWhole)
            speech_.say(u"and");
        sayFraction(f->numerator, f->denominator, afterWhole);
        return i + 1;
    }

    // What follows an amount: per cent, a unit. Returns the end of all read.
    std::size_t sayUnitAfter(std::size_t end, bool plural, bool hyphenated) {
        std::size_t at = end;
        if (hyphenated && at + 1 < text_.size() && text_[at] == u'-' && isLetter(text_[at + 1])) {
            // "a 5-mile walk": the unit is an adjective and stays singular.
            std::size_t unitEnd = 0;
            const Unit *u = unitAt(text_, at + 1, unitEnd);
            if (u && !isInlineSpace(text_[at + 1])) {
                sayUnit(*u, false);
                return unitEnd;
            }
            return end;
        }
        const std::size_t spaced = skipSpaces(text_, at);
        if (spaced < text_.size() && (text_[spaced] == u'%' || text_[spaced] == u'\uFF05') &&
            spaced <= at + 1) {
            speech_.say(u"percent");
            return spaced + 1;
        }
        if (spaced < text_.size() && text_[spaced] == u'\u2030' && spaced <= at + 1) {
            speech_.say(u"per");
            speech_.say(u"mille");
            return spaced + 1;
        }
        std::size_t unitEnd = 0;
        if (const Unit *u = unitAt(text_, at, unitEnd)) {
            sayUnit(*u, plural);
            at = unitEnd;
            // "6 ft 2 in", "14 st 7 lb": the smaller unit after the larger,
            // where "in" can only be inches.
            const bool feet = u->singular == u"foot", stone = u->singular == u"stone";
            const std::size_t n = skipSpaces(text_, at);
            const std::size_t ne = digitsEnd(text_, n);
            if ((feet || stone) && n > at && ne > n && ne - n <= 2) {
                const std::size_t se = skipSpaces(text_, ne);
                const View small = feet ? View(u"in") : View(u"lb");
                if (startsWithAt(text_, se, small) && boundaryAt(text_, se + small.size())) {
                    const unsigned count = number(n, ne);
                    speech_.cardinal(count, british_);
                    speech_.say(feet ? (count == 1 ? u"inch" : u"inches")
                                     : (count == 1 ? u"pound" : u"pounds"));
                    return se + small.size();
                }
            }
        }
        // "150/km2", "5 kg/m3": per one of the unit.
        if (at + 1 < text_.size() && text_[at] == u'/' && !isInlineSpace(text_[at + 1])) {
            if (const Unit *u = unitAt(text_, at + 1, unitEnd)) {
                speech_.say(u"per");
                sayUnit(*u, false);
                return unitEnd;
            }
        }
        return at;
    }

    void sayUnit(const Unit &u, bool plural) {
        View words = plural ? u.plural : u.singular;
        if (!british_ && !u.americanSingular.empty())
            words = plural ? u.americanPlural : u.americanSingular;
        sayWords(words);
    }

    // Multi-word names ("degrees celsius") go out word by word.
    void sayWords(View words) {
        for (std::size_t b = 0; b < words.size();) {
            std::size_t e = words.find(u' ', b);
            if (e == npos)
                e = words.size();
            speech_.say(words.substr(b, e - b));
            b = e + 1;
        }
    }

    // -- years ---------------------------------------------------------------

    bool yearShaped(const Numeral &n) const {
        return n.plainInteger() && n.digitCount == 4 && !n.leadingZero(text_) && n.value >= 1000 &&
               n.value <= 2099;
    }

    // Whether a four-digit number reads as a year: after "in", "since" or a
    // month it does; before "people" or "years" it counts; otherwise numbers
    // from 1100 to 2099 are years, as they nearly always are in prose.
    bool readsAsYear(const Numeral &n, std::size_t after) const {
        if (!yearShaped(n))
            return false;
        const View before = wordBefore(text_, n.begin);
        if (isYearCue(before))
            return true;
        if (isCardinalCue(text_, n.begin) || countFollows(n.begin, after))
            return false;
        return n.value >= 1100 ||
               isAnyOfFolded(before, {u"by", u"of", u"from", u"to", u"after", u"before", u"and"});
    }

    // "1700 pupils", "a crew of 1234 sailors", but "the 1990 elections".
    bool countFollows(std::size_t begin, std::size_t after) const {
        const View next = wordAfter(text_, after);
        if (isCountNoun(next))
            return true;
        if (next.size() < 4 || next.back() != u's' || !(next[0] >= u'a' && next[0] <= u'z'))
            return false;
        const char16_t beforeS = next[next.size() - 2];
        if (beforeS == u's' || beforeS == u'u' || beforeS == u'i' ||
            isAnyOfFolded(next, {u"does",    u"goes",         u"sees",    u"marks",      u"makes",
                                 u"takes",   u"gives",        u"comes",   u"becomes",    u"brings",
                                 u"sets",    u"perhaps",      u"always",  u"afterwards", u"towards",
                                 u"besides", u"sometimes",    u"whereas", u"unless",     u"onwards",
                                 u"upwards", u"nevertheless", u"seems",   u"remains",    u"begins",
                                 u"ends",    u"opens",        u"closes",  u"sees"}))
            return false;
        return !isAnyOfFolded(wordBefore(text_, begin),
                              {u"the", u"a", u"an", u"this", u"that", u"his", u"her", u"its",
                               u"their", u"our", u"my", u"your", u"whose", u"each", u"every", u"in",
                               u"of"});
    }

    // "612 B.C.", "AD 1016", "150 BCE": an era makes any number a year.
    bool eraAround(std::size_t begin, std::size_t after) const {
        const std::size_t i = skipSpaces(text_, after);
        for (const View era : {View(u"B.C."), View(u"BC"), View(u"A.D."), View(u"AD"), View(u"BCE"),
                               View(u"B.C.E."), View(u"CE"), View(u"C.E.")}) {
            if (startsWithAt(text_, i, era) && boundaryAt(text_, i + era.size()))
                return true;
        }
        std::size_t j = begin;
        while (j > 0 && isInlineSpace(text_[j - 1]))
            --j;
        const View head = text_.substr(0, j);
        for (const View era : {View(u"A.D."), View(u"AD")}) {
            if (head.ends_with(era) &&
                (head.size() == era.size() || !isAlnum(head[head.size() - era.size() - 1])))
                return true;
        }
        return false;
    }

    // -- the readings --------------------------------------------------------

    std::size_t readFromDigit(std::size_t pos) {
        for (auto attempt : {&Reader::readReferenceNumber, &Reader::readIsoDate,
                             &Reader::readNumericDate, &Reader::readDigitGroups, &Reader::readTimes,
                             &Reader::readRatio, &Reader::readDayFirstDate, &Reader::readOrdinal,
                             &Reader::readDecade, &Reader::readFraction}) {
            const std::size_t mark = speech_.mark();
            const std::size_t end = (this->*attempt)(pos);
            if (end != npos)
                return end;
            speech_.rollback(mark);
        }
        return readQuantity(pos);
    }

    // "2008-09-30".
    std::size_t readIsoDate(std::size_t pos) {
        if (digitsEnd(text_, pos) != pos + 4 || pos + 10 > text_.size() || text_[pos + 4] != u'-' ||
            text_[pos + 7] != u'-' || digitsEnd(text_, pos + 5) != pos + 7 ||
            digitsEnd(text_, pos + 8) != pos + 10)
            return npos;
        const unsigned year = number(pos, pos + 4);
        const unsigned month = number(pos + 5, pos + 7), day = number(pos + 8, pos + 10);
        if (month < 1 || month > 12 || day < 1 || day > 31)
            return npos;
        // Read the way people read these in running text, whatever the variant:
        // neither order is written, and "the 30th of September" is understood
        // by every reader.
        sayDate(day, month, year, true);
        return pos + 10;
    }

    // "3/4/2024", "30.09.2008", "12/25/99": day first in British English,
    // month first in American, unless only the other order is a date.
    std::size_t readNumericDate(std::size_t pos) {
        const std::size_t e1 = digitsEnd(text_, pos);
        if (e1 - pos > 2 || e1 >= text_.size())
            return npos;
        const char16_t sep = text_[e1];
        if (sep != u'/' && sep != u'.' && sep != u'-')
            return npos;
        const std::size_t e2 = digitsEnd(text_, e1 + 1);
        if (e2 - (e1 + 1) < 1 || e2 - (e1 + 1) > 2 || e2 >= text_.size() || text_[e2] != sep)
            return npos;
        const std::size_t e3 = digitsEnd(text_, e2 + 1);
        const std::size_t yearDigits = e3 - (e2 + 1);
        if (yearDigits != 4 && !(yearDigits == 2 && sep == u'/'))
            return npos;
        if (e3 < text_.size() && (isAlnum(text_[e3]) || text_[e3] == sep))
            return npos;
        const unsigned a = number(pos, e1), b = number(e1 + 1, e2);
        const unsigned year = number(e2 + 1, e3);
        unsigned day = british_ ? a : b, month = british_ ? b : a;
        if (month > 12 && day <= 12)
            std::swap(day, month);
        if (month < 1 || month > 12 || day < 1 || day > 31)
            return npos;
        if (yearDigits == 2) {
            sayDayMonth(day, month, british_);
            speech_.yearPair(year);
        } else {
            sayDate(day, month, year, british_);
        }
        return e3;
    }

    // Telephone numbers and other digit strings in groups: "+44 20 7946
    // 0958", "555-1234", "1-800-555-0199", "978-1-23-456789-0".
    std::size_t readDigitGroups(std::size_t pos) {
        std::size_t groups = 1, end = digitsEnd(text_, pos), lastGroup = pos;
        std::size_t digits = end - pos;
        const std::size_t firstLength = end - pos;
        const bool leadingZero = text_[pos] == u'0' && firstLength >= 3;
        bool dashed = false, spaced = false;
        for (;;) {
            if (end + 1 >= text_.size() || !isDigit(text_[end + 1]))
                break;
            const char16_t sep = text_[end];
            // Spaced groups make a number only after a trunk prefix
            // ("020 7946 0958"); stopping here keeps "1 234 567 ..." from
            // being scanned again from every group.
            if (sep == u' ' && !leadingZero)
                break;
            if (sep == u'-')
                dashed = true;
            else if (sep == u' ')
                spaced = true;
            else
                break;
            const std::size_t next = digitsEnd(text_, end + 1);
            if (sep == u' ' && next - (end + 1) < 3)
                break;
            digits += next - (end + 1);
            lastGroup = end + 1;
            end = next;
            ++groups;
        }
        if (end < text_.size() && isAlnum(text_[end])) {
            // "978-1-23-456789-0X": the group run into letters is not ours,
            // but the groups before it are read, so that no group is scanned
            // twice.
            if (groups <= 2)
                return npos;
            end = lastGroup - 1;
            --groups;
        }
        const bool phoneShape =
            (dashed && groups >= 3) ||
            (groups == 2 && dashed && !spaced && firstLength == 3 && digits == 7) ||
            (spaced && leadingZero && groups >= 2);
        if (!phoneShape)
            return npos;
        sayDigits(pos, end, u"oh");
        return end;
    }

    // A time, or two as a range: "9am-5pm", "9:00 – 17:30".
    std::size_t readTimes(std::size_t pos) {
        const std::size_t end = readTime(pos);
        if (end == npos)
            return npos;
        std::size_t i = end;
        const bool spaced = i < text_.size() && isInlineSpace(text_[i]);
        if (spaced)
            ++i;
        if (i >= text_.size() || !isRangeDash(text_[i]))
            return end;
        ++i;
        if (spaced && i < text_.size() && isInlineSpace(text_[i]))
            ++i;
        if (i >= text_.size() || !isDigit(text_[i]))
            return end;
        const std::size_t mark = speech_.mark();
        speech_.say(u"to");
        const std::size_t second = readTime(i);
        if (second == npos) {
            speech_.rollback(mark);
            return end;
        }
        return second;
    }

    // "5:30", "17:45", "10:00", "5pm", "5 p.m.", "11.15 p.m.", "0815 am".
    std::size_t readTime(std::size_t pos) {
        const std::size_t e1 = digitsEnd(text_, pos);
        const std::size_t hourDigits = e1 - pos;
        bool pm = false;
        if (hourDigits <= 2 && e1 + 2 < text_.size() && (text_[e1] == u':' || text_[e1] == u'.') &&
            digitsEnd(text_, e1 + 1) == e1 + 3) {
            const unsigned hour = number(pos, e1), minute = number(e1 + 1, e1 + 3);
            if (hour > 24 || minute > 59)
                return npos;
            std::size_t end = e1 + 3;
            unsigned second = 0;
            if (text_[e1] == u':' && end + 2 < text_.size() && text_[end] == u':' &&
                digitsEnd(text_, end + 1) == end + 3) {
                second = number(end + 1, end + 3);
                end += 3;
            }
            if (end < text_.size() && isDigit(text_[end]))
                return npos;
            const std::size_t meridiem = meridiemAt(text_, end, pm);
            if (text_[e1] == u'.' && meridiem == npos)
                return npos; // "11.15" alone is a decimal
            const bool withMeridiem = meridiem != npos && hour >= 1 && hour <= 12;
            sayClock(hour, minute, withMeridiem, end);
            if (second) {
                speech_.say(u"and");
                speech_.cardinal(second, british_);
                speech_.say(second == 1 ? u"second" : u"seconds");
            }
            if (withMeridiem) {
                speech_.say(pm ? u"pm" : u"eyem");
                end = meridiem;
            }
            return end;
        }
        if (hourDigits == 0 || hourDigits > 4 || (e1 < text_.size() && text_[e1] == u'.'))
            return npos;
        const std::size_t meridiem = meridiemAt(text_, e1, pm);
        if (meridiem == npos)
            return npos;
        const unsigned value = number(pos, e1);
        const unsigned hour = hourDigits <= 2 ? value : value / 100;
        const unsigned minute = hourDigits <= 2 ? 0 : value % 100;
        if (hour < 1 || hour > 12 || minute > 59)
            return npos;
        // "at 5 am" is a time, but "I am" after a number is not.
        if (meridiem - e1 <= 3 && text_[meridiem - 1] != u'.' && isInlineSpace(text_[e1]) &&
            text_[e1 + 1] == u'a' && text_[e1 + 2] == u'm' && !isTimeContext(pos))
            return npos;
        sayClock(hour, minute, true, e1);
        speech_.say(pm ? u"pm" : u"eyem");
        return meridiem;
    }

    // "3:1", "1:50,000", "2 : 1": what is not a time is a ratio.
    std::size_t readRatio(std::size_t pos) {
        const std::optional<Numeral> left = scanNumeral(text_, pos);
        if (!left)
            return npos;
        std::size_t i = left->end;
        const bool spaced = i < text_.size() && isInlineSpace(text_[i]);
        if (spaced)
            ++i;
        if (i >= text_.size() || text_[i] != u':')
            return npos;
        ++i;
        if (spaced && i < text_.size() && isInlineSpace(text_[i]))
            ++i;
        if (i >= text_.size() || !isDigit(text_[i]))
            return npos;
        const std::optional<Numeral> right = scanNumeral(text_, i);
        if (!right || (right->end < text_.size() && isLetter(text_[right->end])))
            return npos;
        sayNumber(*left);
        speech_.say(u"to");
        sayNumber(*right);
        return right->end;
    }

    // Reference numbers, read digit by digit: "ISBN 978-1-23-456789-0".
    std::size_t readReferenceNumber(std::size_t pos) {
        if (!isAnyOfFolded(wordBefore(text_, pos), {u"isbn", u"issn", u"tel", u"telephone",
                                                    u"phone", u"fax", u"mobile", u"dial", u"call"}))
            return npos;
        std::size_t end = pos;
        while (end < text_.size() &&
               (isDigit(text_[end]) || ((text_[end] == u'-' || text_[end] == u' ') &&
                                        end + 1 < text_.size() && isDigit(text_[end + 1]))))
            ++end;
        if (end - pos < 5 || (end < text_.size() && isLetter(text_[end])))
            return npos;
        sayDigits(pos, end, u"oh");
        return end;
    }

    bool isTimeContext(std::size_t pos) const {
        return isAnyOfFolded(wordBefore(text_, pos),
                             {u"at", u"by", u"from", u"to", u"until", u"till", u"before", u"after",
                              u"between", u"and", u"around", u"about", u"since", u"past"}) ||
               pos == 0;
    }

    void sayClock(unsigned hour, unsigned minute, bool withMeridiem, std::size_t end) {
        if (minute == 0 && (hour == 0 || hour == 24) && !withMeridiem &&
            !isAnyOfFolded(wordAfter(text_, end), {u"hours", u"hrs", u"midnight"})) {
            speech_.say(u"midnight");
            return;
        }
        speech_.cardinal(hour, british_);
        if (minute == 0) {
            if (withMeridiem)
                return;
            const View next = wordAfter(text_, end);
            if (isAnyOfFolded(next, {u"noon", u"midnight", u"o"}))
                return;
            // "eighteen hundred hours"
            if (hour >= 1 && hour <= 12 && !isAnyOfFolded(next, {u"hours", u"hrs"})) {
                speech_.say(u"o'clock");
            } else {
                speech_.say(u"hundred");
            }
            return;
        }
        if (minute < 10)
            speech_.say(u"oh");
        speech_.cardinal(minute, british_);
    }

    // "20 June 1908", "20th June", "1st of May, 1900".
    std::size_t readDayFirstDate(std::size_t pos) {
        unsigned day = 0, lastDay = 0;
        std::size_t i = dayAt(pos, day);
        if (i == npos)
            return npos;
        // "5-7 June": the range's second day.
        if (i + 1 < text_.size() && isRangeDash(text_[i]) && isDigit(text_[i + 1])) {
            i = dayAt(i + 1, lastDay);
            if (i == npos || lastDay <= day)
                return npos;
        }
        if (i >= text_.size() || !isInlineSpace(text_[i]))
            return npos;
        i = skipSpaces(text_, i);
        bool of = false;
        if (startsWithAt(text_, i, u"of ")) {
            of = true;
            i = skipSpaces(text_, i + 2);
        }
        std::size_t monthEnd = 0;
        const int month = monthAt(text_, i, monthEnd);
        if (!month)
            return npos;
        if (!of && !isAnyOfFolded(wordBefore(text_, pos), {u"the"}))
            speech_.say(u"the");
        speech_.cardinal(day, british_);
        speech_.ordinalizeLast();
        if (lastDay) {
            speech_.say(u"to");
            speech_.say(u"the");
            speech_.cardinal(lastDay, british_);
            speech_.ordinalizeLast();
        }
        speech_.say(u"of");
        speech_.say(months[static_cast<std::size_t>(month - 1)].name);
        return sayYearAfter(monthEnd);
    }

    // ", 1908" or " 1908" after a date: read it as a year if it is one.
    std::size_t sayYearAfter(std::size_t end) {
        std::size_t i = skipSpaces(text_, end);
        const bool comma = i < text_.size() && text_[i] == u',';
        if (comma)
            i = skipSpaces(text_, i + 1);
        if (i == end || i >= text_.size() || !isDigit(text_[i]))
            return end;
        const std::size_t e = digitsEnd(text_, i);
        if (e < text_.size() && (isAlnum(text_[e]) || (text_[e] == u',' && e + 1 < text_.size() &&
                                                       isDigit(text_[e + 1]))))
            return end;
        // Three-digit years only after a comma and where nothing follows
        // that they could count: "March 3, 476." but not "March 3, 500 men".
        const std::size_t after = skipSpaces(text_, e);
        const bool early = e - i == 3 && comma && text_[i] != u'0' &&
                           (after >= text_.size() || !isAlnum(text_[after]));
        if (e - i != 4 && !early)
            return end;
        speech_.year(number(i, e), british_);
        return e;
    }

    // "June 20th, 1908", "June 20, 1908", "June 2015", "Sept. 14th".
    std::size_t readMonthFirstDate(std::size_t pos) {
        if (pos > 0 && isAlnum(text_[pos - 1]))
            return npos;
        std::size_t monthEnd = 0;
        const int month = monthAt(text_, pos, monthEnd);
        if (!month || monthEnd >= text_.size() || !isInlineSpace(text_[monthEnd]))
            return npos;
        const std::size_t i = skipSpaces(text_, monthEnd);
        const std::size_t e = digitsEnd(text_, i);
        if (e == i)
            return npos;
        const View name = months[static_cast<std::size_t>(month - 1)].name;
        if (e - i == 4) {
            if (e < text_.size() && isAlnum(text_[e]))
                return npos;
            speech_.say(name);
            speech_.year(number(i, e), british_);
            return e;
        }
        if (e - i > 2)
            return npos;
        const unsigned day = number(i, e);
        std::size_t end = ordinalSuffixEnd(e);
        if (end == npos)
            end = e;
        if (day < 1 || day > 31 ||
            (end < text_.size() &&
             (isAlnum(text_[end]) || text_[end] == u':' || text_[end] == u'/')))
            return npos;
        if (end < text_.size() && text_[end] == u'.' && end + 1 < text_.size() &&
            isDigit(text_[end + 1]))
            return npos;
        // "June 5-7": the range's second day.
        unsigned lastDay = 0;
        if (end + 1 < text_.size() && isRangeDash(text_[end]) && isDigit(text_[end + 1])) {
            const std::size_t e2 = dayAt(end + 1, lastDay);
            if (e2 != npos && lastDay > day && boundaryAt(text_, e2))
                end = e2;
            else
                lastDay = 0;
        }
        speech_.say(name);
        speech_.cardinal(day, british_);
        speech_.ordinalizeLast();
        if (lastDay) {
            speech_.say(u"to");
            speech_.cardinal(lastDay, british_);
            speech_.ordinalizeLast();
        }
        return sayYearAfter(end);
    }

    // A day of the month at i, with its ordinal suffix if any: sets `day`
    // and returns the end, or npos.
    std::size_t dayAt(std::size_t i, unsigned &day) const {
        const std::size_t e = digitsEnd(text_, i);
        if (e == i || e - i > 2)
            return npos;
        day = number(i, e);
        if (day < 1 || day > 31)
            return npos;
        const std::size_t suffix = ordinalSuffixEnd(e);
        return suffix == npos ? e : suffix;
    }

    // The end of "st", "nd", "rd" or "th" after the digits at e, or npos.
    std::size_t ordinalSuffixEnd(std::size_t e) const {
        if (e + 2 > text_.size())
            return npos;
        const char16_t a = lowerAscii(text_[e]), b = lowerAscii(text_[e + 1]);
        const bool suffix = (a == u's' && b == u't') || (a == u'n' && b == u'd') ||
                            (a == u'r' && b == u'd') || (a == u't' && b == u'h');
        if (!suffix || !boundaryAt(text_, e + 2))
            return npos;
        return e + 2;
    }

    // "1st", "22nd", "103rd", "1,000th".
    std::size_t readOrdinal(std::size_t pos) {
        const std::optional<Numeral> n = scanNumeral(text_, pos);
        if (!n || n->point || !n->fits())
            return npos;
        const std::size_t end = ordinalSuffixEnd(n->end);
        if (end == npos)
            return npos;
        speech_.cardinal(n->value, british_);
        speech_.ordinalizeLast();
        return end;
    }

    // "1990s", "1800s", "90s", "1920's", "the 1s and 0s".
    std::size_t readDecade(std::size_t pos) {
        const std::size_t e = digitsEnd(text_, pos);
        std::size_t end = npos;
        if (e < text_.size() && text_[e] == u's')
            end = e + 1;
        else if (e + 1 < text_.size() && isApostrophe(text_[e]) && text_[e + 1] == u's')
            end = e + 2;
        if (end == npos || !boundaryAt(text_, end))
            return npos;
        const unsigned value = number(pos, e);
        if (e - pos == 4 && text_[pos] != u'0' && value % 10 == 0) {
            if (value % 100 == 0 && value != 2000) {
                speech_.below100(value / 100);
                speech_.say(u"hundred");
            } else {
                speech_.year(value, british_);
            }
        } else if (e - pos <= 2 && !(e - pos == 2 && text_[pos] == u'0')) {
            speech_.cardinal(value, british_);
        } else {
            return npos;
        }
        speech_.pluralizeLast();
        return end;
    }

    // "3/4", "1/10"; whole numbers with fractions are read with the quantity.
    std::size_t readFraction(std::size_t pos) {
        const std::size_t e1 = digitsEnd(text_, pos);
        if (e1 - pos > 3 || e1 + 1 >= text_.size() || text_[e1] != u'/' ||
            (pos > 0 && (text_[pos - 1] == u'/' || isAlnum(text_[pos - 1]))))
            return npos;
        const std::size_t e2 = digitsEnd(text_, e1 + 1);
        if (e2 == e1 + 1 || e2 - (e1 + 1) > 3 ||
            (e2 < text_.size() && (isAlnum(text_[e2]) || text_[e2] == u'/')))
            return npos;
        const unsigned numerator = number(pos, e1), denominator = number(e1 + 1, e2);
        if (denominator < 2)
            return npos;
        if ((numerator == 24 && denominator == 7) || numerator == denominator) {
            // "twenty four seven", "fifty fifty", "twenty twenty vision".
            speech_.cardinal(numerator, british_);
            speech_.cardinal(denominator, british_);
            return e2;
        }
        if (denominator == 100 || denominator == 1000) {
            // Marks and shares: "ninety eight out of a hundred".
            speech_.cardinal(numerator, british_);
            speech_.say(u"out");
            speech_.say(u"of");
            speech_.cardinal(denominator, british_);
            return e2;
        }
        sayFraction(numerator, denominator, false);
        return sayUnitAfter(e2, numerator > denominator, false);
    }

    // A plain amount, with what may come with it: a range ("5-10",
    // "1990-95"), a fraction ("3 1/2", "3½"), a multiplier ("5k"), a unit
    // or per cent.
    std::size_t readQuantity(std::size_t pos) {
        const std::optional<Numeral> first = scanNumeral(text_, pos);
        if (!first)
            return npos;
        std::size_t end = first->end;

        // Chains of points ("1.2.3") are section or version numbers.
        if (first->point && end + 1 < text_.size() && text_[end] == u'.' &&
            isDigit(text_[end + 1])) {
            sayNumber(*first);
            while (end + 1 < text_.size() && text_[end] == u'.' && isDigit(text_[end + 1])) {
                const std::size_t e = digitsEnd(text_, end + 1);
                speech_.say(u"point");
                sayDigits(end + 1, e, u"oh");
                end = e;
            }
            return end;
        }

        // "3½", "3 1/2": the whole and its fraction.
        if (first->plainInteger() && first->fits()) {
            std::size_t fracEnd = npos;
            if (vulgarFractionAt(text_, end)) {
                sayNumber(*first);
                fracEnd = sayVulgarFraction(end, true);
            } else if (end < text_.size() && text_[end] == u' ') {
                const std::size_t n1 = digitsEnd(text_, end + 1);
                if (n1 > end + 1 && n1 - (end + 1) <= 2 && n1 + 1 < text_.size() &&
                    text_[n1] == u'/') {
                    const std::size_t d1 = digitsEnd(text_, n1 + 1);
                    const unsigned numerator = number(end + 1, n1);
                    const unsigned denominator = d1 > n1 + 1 ? number(n1 + 1, d1) : 0;
                    if (d1 > n1 + 1 && d1 - (n1 + 1) <= 2 && numerator >= 1 &&
                        numerator < denominator && boundaryAt(text_, d1) &&
                        !(d1 < text_.size() && text_[d1] == u'/')) {
                        sayNumber(*first);
                        speech_.say(u"and");
                        sayFraction(numerator, denominator, true);
                        fracEnd = d1;
                    }
                }
            }
            if (fracEnd != npos)
                return sayUnitAfter(fracEnd, true, false);
        }

        // Dimensions: "4x4", "3 × 4 m".
        {
            std::size_t i = end;
            const bool spaced = i < text_.size() && isInlineSpace(text_[i]);
            if (spaced)
                ++i;
            if (i < text_.size() && (text_[i] == u'\u00D7' || (text_[i] == u'x' && !spaced))) {
                ++i;
                if (spaced && i < text_.size() && isInlineSpace(text_[i]))
                    ++i;
                if (i < text_.size() && isDigit(text_[i])) {
                    const std::optional<Numeral> other = scanNumeral(text_, i);
                    if (other && boundaryAt(text_, other->end)) {
                        sayNumber(*first);
                        speech_.say(u"by");
                        sayNumber(*other);
                        return sayUnitAfter(other->end, true, false);
                    }
                }
            }
        }

        // Heights: 5'11" is five foot eleven.
        if (first->plainInteger() && first->digitCount == 1 && end + 1 < text_.size() &&
            (text_[end] == u'\'' || text_[end] == u'\u2032' || text_[end] == u'\u2019') &&
            isDigit(text_[end + 1])) {
            const std::size_t e = digitsEnd(text_, end + 1);
            if (e - (end + 1) <= 2 && e < text_.size() &&
                (text_[e] == u'"' || text_[e] == u'\u2033' || text_[e] == u'\u201D')) {
                sayNumber(*first);
                speech_.say(u"foot");
                speech_.cardinal(number(end + 1, e), british_);
                return e + 1;
            }
        }

        // A range: "5-10", "5 – 10", "1990–95", "1914-1918".
        std::optional<Numeral> second;
        {
            std::size_t i = end;
            const bool spacedBefore = i < text_.size() && isInlineSpace(text_[i]);
            if (spacedBefore)
                ++i;
            if (i < text_.size() && isRangeDash(text_[i])) {
                ++i;
                if (spacedBefore && i < text_.size() && isInlineSpace(text_[i]))
                    ++i;
                if (i < text_.size() && isDigit(text_[i])) {
                    second = scanNumeral(text_, i);
                    if (second && second->end < text_.size() &&
                        (isRangeDash(text_[second->end]) || text_[second->end] == u'/' ||
                         text_[second->end] == u':' || ordinalSuffixEnd(second->end) != npos))
                        second.reset();
                }
            }
        }

        const std::size_t last = second ? second->end : end;
        bool firstYear = false, secondYear = false;
        const bool era = first->plainInteger() && first->digitCount <= 4 &&
                         !first->leadingZero(text_) && eraAround(pos, last) &&
                         (!second || (second->plainInteger() && second->digitCount <= 4));
        if (era) {
            firstYear = true;
            secondYear = second && second->digitCount >= 3;
        } else if (second) {
            if (yearShaped(*first) && second->plainInteger() &&
                (second->digitCount == 2 || yearShaped(*second)) && !countFollows(pos, last) &&
                !isCardinalCue(text_, pos) && !unitFollows(last)) {
                firstYear = true;
                secondYear = yearShaped(*second);
            }
        } else if (!unitFollows(end)) {
            firstYear = readsAsYear(*first, end);
        }

        if (firstYear)
            speech_.year(static_cast<unsigned>(first->value), british_);
        else
            sayNumber(*first);
        if (second) {
            speech_.say(u"to");
            if (secondYear)
                speech_.year(static_cast<unsigned>(second->value), british_);
            else if (firstYear)
                speech_.yearPair(static_cast<unsigned>(second->value));
            else
                sayNumber(*second);
        }
        if (firstYear)
            return last;

        const Numeral &amount = second ? *second : *first;
        std::size_t multEnd = 0;
        if (const Multiplier *m = multiplierAt(text_, last, false, multEnd)) {
            speech_.say(m->spoken);
            return sayCurrencyOrUnitAfter(multEnd, true);
        }
        return sayCurrencyOrUnitAfter(last, !amount.isOne() || second.has_value(),
                                      amount.plainInteger() && amount.digitCount <= 2);
    }

    bool unitFollows(std::size_t end) const {
        std::size_t unitEnd = 0;
        const std::size_t spaced = skipSpaces(text_, end);
        if (spaced < text_.size() &&
            (text_[spaced] == u'%' || currencyOf(text_[spaced]) || text_[spaced] == u'\u00A2'))
            return true;
        for (const CurrencyCode &code : currencyCodes) {
            if (startsWithAt(text_, spaced, code.code) &&
                boundaryAt(text_, spaced + code.code.size()))
                return true;
        }
        std::size_t multEnd = 0;
        return unitAt(text_, end, unitEnd) != nullptr ||
               multiplierAt(text_, end, false, multEnd) != nullptr;
    }

    // "5€", "50p", "99¢", or a unit or per cent.
    std::size_t sayCurrencyOrUnitAfter(std::size_t end, bool plural, bool pence = false) {
        const std::size_t spaced = end < text_.size() && isInlineSpace(text_[end]) ? end + 1 : end;
        for (const CurrencyCode &code : currencyCodes) {
            if (spaced > end && startsWithAt(text_, spaced, code.code) &&
                boundaryAt(text_, spaced + code.code.size())) {
                sayWords(plural ? code.plural : code.singular);
                return spaced + code.code.size();
            }
        }
        if (spaced < text_.size()) {
            if (const Currency *cur = currencyOf(text_[spaced])) {
                if (boundaryAt(text_, spaced + 1)) {
                    speech_.say(plural ? cur->plural : cur->singular);
                    return spaced + 1;
                }
            }
            if (text_[spaced] == u'\u00A2') {
                speech_.say(plural ? u"cents" : u"cent");
                return spaced + 1;
            }
            // "50p", but "1080p" is a picture size.
            if (spaced == end && text_[end] == u'p' && boundaryAt(text_, end + 1) && pence) {
                speech_.say(plural ? u"pence" : u"penny");
                return end + 1;
            }
        }
        return sayUnitAfter(end, plural, true);
    }

    // "$5", "£600m", "$1.13bn", "$5 million", "$4.25", "£0.50", "$5-10".
    // An amount, or two as a range: "$5bn-$10bn".
    std::size_t readMoney(std::size_t pos, const Currency &cur) {
        const std::size_t end = readAmount(pos, cur);
        if (end == npos || end + 2 >= text_.size() || !isRangeDash(text_[end]) ||
            text_[end + 1] != cur.symbol)
            return end;
        const std::size_t mark = speech_.mark();
        speech_.say(u"to");
        const std::size_t second = readAmount(end + 1, cur);
        if (second == npos) {
            speech_.rollback(mark);
            return end;
        }
        return second;
    }

    std::size_t readAmount(std::size_t pos, const Currency &cur) {
        std::size_t i = pos + 1;
        if (i < text_.size() && isInlineSpace(text_[i]))
            ++i;
        if (i >= text_.size() || !(isDigit(text_[i]) || (text_[i] == u'.' && i + 1 < text_.size() &&
                                                         isDigit(text_[i + 1]))))
            return npos;
        const std::optional<Numeral> first = scanNumeral(text_, i);
        if (!first)
            return npos;
        std::size_t end = first->end;
        std::optional<Numeral> second;
        {
            std::size_t j = end;
            if (j + 1 < text_.size() && isRangeDash(text_[j])) {
                ++j;
                if (j < text_.size() && text_[j] == cur.symbol)
                    ++j;
                if (j < text_.size() && isDigit(text_[j]))
                    second = scanNumeral(text_, j);
            }
        }
        const std::size_t last = second ? second->end : end;
        std::size_t multEnd = 0;
        const Multiplier *m = multiplierAt(text_, last, true, multEnd);
        if (second || m) {
            sayNumber(*first);
            if (second) {
                speech_.say(u"to");
                sayNumber(*second);
            }
            if (m)
                speech_.say(m->spoken);
            speech_.say(cur.plural);
            return m ? multEnd : last;
        }
        sayAmount(*first, cur);
        return end;
    }

    void sayAmount(const Numeral &n, const Currency &cur) {
        if (!n.point || n.fracDigits() != 2 || cur.minorSingular.empty() || !n.fits()) {
            sayNumber(n);
            speech_.say(n.isOne() ? cur.singular : cur.plural);
            return;
        }
        const unsigned minor = number(n.fracBegin, n.fracEnd);
        if (n.value > 0 || minor == 0) {
            speech_.cardinal(n.value, british_);
            speech_.say(n.value == 1 ? cur.singular : cur.plural);
            if (minor == 0)
                return;
            if (!cur.minorWithAnd) {
                speech_.cardinal(minor, british_);
                return;
            }
            speech_.say(u"and");
        }
        speech_.cardinal(minor, british_);
        speech_.say(minor == 1 ? cur.minorSingular : cur.minorPlural);
    }

    // "-5" (minus five), "+5", "+44 20 7946 0958".
    std::size_t readSigned(std::size_t pos) {
        if (pos > 0 && isAlnum(text_[pos - 1]))
            return npos;
        const std::size_t i = pos + 1;
        if (i >= text_.size() || !isDigit(text_[i]))
            return npos;
        if (text_[pos] == u'+') {
            // International numbers: groups of digits after a plus.
            // "+44 20 7946 0958", "+1 (555) 123-4567", "+33.1.23.45.67.89".
            std::size_t end = digitsEnd(text_, i);
            std::size_t groups = 1, digits = end - i;
            for (;;) {
                std::size_t j = end;
                while (j < text_.size() && j < end + 3 &&
                       (text_[j] == u' ' || text_[j] == u'-' || text_[j] == u'.' ||
                        text_[j] == u'(' || text_[j] == u')'))
                    ++j;
                if (j == end || j >= text_.size() || !isDigit(text_[j]))
                    break;
                const std::size_t next = digitsEnd(text_, j);
                digits += next - j;
                end = next;
                ++groups;
            }
            if (groups >= 2 && digits >= 8) {
                speech_.say(u"plus");
                sayDigits(i, end, u"oh");
                return end;
            }
        }
        speech_.say(text_[pos] == u'+' ? u"plus" : u"minus");
        const std::size_t end = readQuantity(i);
        return end;
    }

    // "'90s" (nineties), "'63" (sixty three), "'05" (oh five).
    std::size_t readShortYear(std::size_t pos) {
        if (pos > 0 && isAlnum(text_[pos - 1]))
            return npos;
        const std::size_t e = digitsEnd(text_, pos + 1);
        if (e != pos + 3)
            return npos;
        const unsigned value = number(pos + 1, e);
        std::size_t plural = npos;
        if (e < text_.size() && text_[e] == u's')
            plural = e + 1;
        else if (e + 1 < text_.size() && isApostrophe(text_[e]) && text_[e + 1] == u's')
            plural = e + 2; // "the '30's"
        if (plural != npos && boundaryAt(text_, plural) && value % 10 == 0) {
            if (value == 0) {
                speech_.say(u"two");
                speech_.say(u"thousands");
            } else {
                speech_.below100(value);
                speech_.pluralizeLast();
            }
            return plural;
        }
        if (!boundaryAt(text_, e))
            return npos;
        speech_.yearPair(value);
        return e;
    }

    // -- dates -----------------------------------------------------------------

    void sayDayMonth(unsigned day, unsigned month, bool dayFirst) {
        const View name = months[month - 1].name;
        if (dayFirst) {
            speech_.say(u"the");
            speech_.cardinal(day, british_);
            speech_.ordinalizeLast();
            speech_.say(u"of");
            speech_.say(name);
        } else {
            speech_.say(name);
            speech_.cardinal(day, british_);
            speech_.ordinalizeLast();
        }
    }

    void sayDate(unsigned day, unsigned month, unsigned year, bool dayFirst) {
        sayDayMonth(day, month, dayFirst);
        speech_.year(year, british_);
    }

    unsigned number(std::size_t begin, std::size_t end) const {
        unsigned v = 0;
        for (std::size_t i = begin; i < end && i < begin + 9; ++i)
            v = v * 10 + static_cast<unsigned>(text_[i] - u'0');
        return v;
    }

    View text_;
    bool british_;
    Speech speech_;
};

} // namespace

std::size_t readNumericAt(std::u16string_view text, std::size_t pos, Variant variant,
                          std::u16string &out) {
    if (pos >= text.size())
        return 0;
    const std::size_t before = out.size();
    Reader reader(text, variant, out);
    const std::size_t end = reader.readAt(pos);
    if (end == npos || end <= pos) {
        out.resize(before);
        return 0;
    }
    return end - pos;
}

} // namespace orvanta
