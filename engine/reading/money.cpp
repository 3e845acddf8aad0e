// Money: currency signs before an amount, signs and codes after it, and the
// multipliers written with amounts (5k, $1.5bn).

#include "engine/reading/numeric.h"

#include "engine/text/text.h"

#include <vector>

namespace orvanta::numbers {

namespace {

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
    {u'\u20B9', u"rupee", u"rupees", u"paisa", u"paisa", true}, // paise is in neither dictionary
    {u'\u20A9', u"won", u"won", u"", u"", true},
    {u'\u20BD', u"rouble", u"roubles", u"", u"", true},
    {u'\u20BA', u"lira", u"lira", u"", u"", true},
    {u'\u20B4', u"hryvnia", u"hryvnia", u"", u"", true},
    {u'\u20AA', u"shekel", u"shekels", u"", u"", true},
    {u'\u0E3F', u"baht", u"baht", u"", u"", true},
    {u'\u20B1', u"peso", u"pesos", u"", u"", true},
    {u'\u20A6', u"naira", u"naira", u"", u"", true},
    {u'\u20AB', u"dong", u"dong", u"", u"", true},
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
    {u"SEK", u"swedish krona", u"swedish kronor"},
    {u"NOK", u"norwegian krone", u"norwegian kroner"},
    {u"DKK", u"danish krone", u"danish kroner"},
    {u"PLN", u"zloty", u"zlotys"},
    {u"CNY", u"yuan", u"yuan"},
    {u"RMB", u"yuan", u"yuan"},
    {u"RUB", u"rouble", u"roubles"},
    {u"KRW", u"won", u"won"},
    {u"BRL", u"real", u"reals"},
    {u"ZAR", u"rand", u"rand"},
    {u"MXN", u"peso", u"pesos"},
    {u"ILS", u"shekel", u"shekels"},
    {u"THB", u"baht", u"baht"},
    {u"UAH", u"hryvnia", u"hryvnia"},
    {u"NZD", u"new zealand dollar", u"new zealand dollars"},
    {u"z\u0142", u"zloty", u"zlotys"},
    {u"kr", u"krona", u"kronor"},
};

const Currency *currencyOf(char16_t c) {
    for (const Currency &cur : currencies) {
        if (cur.symbol == c)
            return &cur;
    }
    return nullptr;
}

// Multipliers after an amount: "5k", "£600m", "$1.13bn", "$5 million".
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

void sayAmount(Scan &s, const Numeral &n, const Currency &cur) {
    if (!n.point || n.fracDigits() != 2 || cur.minorSingular.empty() || !n.fits()) {
        sayNumber(s, n);
        s.speech.say(n.isOne() ? cur.singular : cur.plural);
        return;
    }
    const unsigned minor = s.number(n.fracBegin, n.fracEnd);
    if (n.value > 0 || minor == 0) {
        s.speech.cardinal(n.value, s.british);
        s.speech.say(n.value == 1 ? cur.singular : cur.plural);
        if (minor == 0)
            return;
        if (!cur.minorWithAnd) {
            s.speech.cardinal(minor, s.british);
            return;
        }
        s.speech.say(u"and");
    }
    s.speech.cardinal(minor, s.british);
    s.speech.say(minor == 1 ? cur.minorSingular : cur.minorPlural);
}

std::size_t readAmount(Scan &s, std::size_t pos, const Currency &cur) {
    std::size_t i = pos + 1;
    if (i < s.text.size() && isInlineSpace(s.text[i]))
        ++i;
    if (i >= s.text.size() || !(isDigit(s.text[i]) || (s.text[i] == u'.' && i + 1 < s.text.size() &&
                                                       isDigit(s.text[i + 1]))))
        return npos;
    const std::optional<Numeral> first = scanNumeral(s.text, i);
    if (!first)
        return npos;
    std::size_t end = first->end;
    std::optional<Numeral> second;
    {
        std::size_t j = end;
        if (j + 1 < s.text.size() && isRangeDash(s.text[j])) {
            ++j;
            if (j < s.text.size() && s.text[j] == cur.symbol)
                ++j;
            if (j < s.text.size() && isDigit(s.text[j]))
                second = scanNumeral(s.text, j);
        }
    }
    const std::size_t last = second ? second->end : end;
    std::size_t multEnd = 0;
    const Multiplier *m = multiplierAt(s.text, last, true, multEnd);
    if (second || m) {
        sayNumber(s, *first);
        if (second) {
            s.speech.say(u"to");
            sayNumber(s, *second);
        }
        if (m)
            s.speech.say(m->spoken);
        s.speech.say(cur.plural);
        return m ? multEnd : last;
    }
    sayAmount(s, *first, cur);
    return end;
}

// "$5", "£600m", "$1.13bn", "$5 million", "$4.25", "£0.50", "$5-10".
// An amount, or two as a range: "$5bn-$10bn".
std::size_t readAmounts(Scan &s, std::size_t pos, const Currency &cur) {
    const std::size_t end = readAmount(s, pos, cur);
    if (end == npos || end + 2 >= s.text.size() || !isRangeDash(s.text[end]) ||
        s.text[end + 1] != cur.symbol)
        return end;
    const std::size_t mark = s.speech.mark();
    s.speech.say(u"to");
    const std::size_t second = readAmount(s, end + 1, cur);
    if (second == npos) {
        s.speech.rollback(mark);
        return end;
    }
    return second;
}

} // namespace

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

bool isCurrencySign(char16_t c) {
    return currencyOf(c) != nullptr;
}

std::size_t readMoney(Scan &s, std::size_t pos) {
    return readAmounts(s, pos, *currencyOf(s.text[pos]));
}

bool unitFollows(const Scan &s, std::size_t end) {
    std::size_t unitEnd = 0;
    const std::size_t spaced = skipSpaces(s.text, end);
    if (spaced < s.text.size() &&
        (s.text[spaced] == u'%' || currencyOf(s.text[spaced]) || s.text[spaced] == u'\u00A2'))
        return true;
    for (const CurrencyCode &code : currencyCodes) {
        if (startsWithAt(s.text, spaced, code.code) &&
            boundaryAt(s.text, spaced + code.code.size()))
            return true;
    }
    std::size_t multEnd = 0;
    return unitAt(s.text, end, unitEnd) != nullptr ||
           multiplierAt(s.text, end, false, multEnd) != nullptr;
}

// "5€", "50p", "99¢", or a unit or per cent.
std::size_t sayCurrencyOrUnitAfter(Scan &s, std::size_t end, bool plural, bool pence) {
    const std::size_t spaced = end < s.text.size() && isInlineSpace(s.text[end]) ? end + 1 : end;
    for (const CurrencyCode &code : currencyCodes) {
        if (spaced > end && startsWithAt(s.text, spaced, code.code) &&
            boundaryAt(s.text, spaced + code.code.size())) {
            sayWords(s, plural ? code.plural : code.singular);
            return spaced + code.code.size();
        }
    }
    if (spaced < s.text.size()) {
        if (const Currency *cur = currencyOf(s.text[spaced])) {
            if (boundaryAt(s.text, spaced + 1)) {
                s.speech.say(plural ? cur->plural : cur->singular);
                return spaced + 1;
            }
        }
        if (s.text[spaced] == u'\u00A2') {
            s.speech.say(plural ? u"cents" : u"cent");
            return spaced + 1;
        }
        // "50p", but "1080p" is a picture size.
        if (spaced == end && s.text[end] == u'p' && boundaryAt(s.text, end + 1) && pence) {
            s.speech.say(plural ? u"pence" : u"penny");
            return end + 1;
        }
    }
    return sayUnitAfter(s, end, plural, true);
}

void addMoneyWords(std::vector<View> &words) {
    for (const Currency &cur : currencies)
        words.insert(words.end(), {cur.singular, cur.plural, cur.minorSingular, cur.minorPlural});
    for (const CurrencyCode &code : currencyCodes)
        words.insert(words.end(), {code.singular, code.plural});
    for (const Multiplier &m : multipliers)
        words.push_back(m.spoken);
}

} // namespace orvanta::numbers
