// Money: currency signs before an amount, signs and codes after it, and the
// multipliers written with amounts (5k, $1.5bn).

#include "engine/reading/numeric.h"

#include "engine/text/text.h"

#include <span>
#include <vector>

namespace orvanta::numbers {

namespace {

// How a currency is said: its unit and, where amounts are written with
// one, its minor unit.
struct Money {
    View singular, plural, minorSingular = {}, minorPlural = {};
    bool minorWithAnd = true; // "three dollars and fifty cents" but "three pounds fifty"
};

constexpr Money dollar{u"dollar", u"dollars", u"cent", u"cents"};
constexpr Money euro{u"euro", u"euros", u"cent", u"cents"};
constexpr Money pound{u"pound", u"pounds", u"penny", u"pence", false};
constexpr Money rupee{u"rupee", u"rupees", u"paisa", u"paisa"}; // paise is in neither dictionary
constexpr Money usDollar{u"u s dollar", u"u s dollars", u"cent", u"cents"};
constexpr Money canadianDollar{u"canadian dollar", u"canadian dollars", u"cent", u"cents"};
constexpr Money australianDollar{u"australian dollar", u"australian dollars", u"cent", u"cents"};
constexpr Money newZealandDollar{u"new zealand dollar", u"new zealand dollars", u"cent", u"cents"};
constexpr Money hongKongDollar{u"hong kong dollar", u"hong kong dollars", u"cent", u"cents"};
constexpr Money singaporeDollar{u"singapore dollar", u"singapore dollars", u"cent", u"cents"};
constexpr Money taiwanDollar{u"new taiwan dollar", u"new taiwan dollars"};
constexpr Money real{u"real", u"reals", u"centavo", u"centavos"};
constexpr Money swissFranc{u"swiss franc", u"swiss francs"};
constexpr Money krona{u"krona", u"kronor"};

struct Currency {
    char16_t symbol;
    Money money;
};

constexpr Currency currencies[] = {
    {u'$', dollar},
    {u'\u00A3', pound},
    {u'\u20AC', euro},
    {u'\u00A5', {u"yen", u"yen"}},
    {u'\u20B9', rupee},
    {u'\u20A9', {u"won", u"won"}},
    {u'\u20BD', {u"rouble", u"roubles"}},
    {u'\u20BA', {u"lira", u"lira"}},
    {u'\u20B4', {u"hryvnia", u"hryvnia"}},
    {u'\u20AA', {u"shekel", u"shekels"}},
    {u'\u0E3F', {u"baht", u"baht"}},
    {u'\u20B1', {u"peso", u"pesos"}},
    {u'\u20A6', {u"naira", u"naira"}},
    {u'\u20AB', {u"dong", u"dong"}},
};

// Codes, written after an amount ("5 USD", "20 EUR") or before it ("CHF
// 20", "USD 1.50").
struct CurrencyCode {
    View code;
    Money money;
};
constexpr CurrencyCode currencyCodes[] = {
    {u"USD", usDollar},
    {u"EUR", euro},
    {u"GBP", pound},
    {u"JPY", {u"yen", u"yen"}},
    {u"CAD", canadianDollar},
    {u"AUD", australianDollar},
    {u"CHF", swissFranc},
    {u"INR", rupee},
    {u"SEK", {u"swedish krona", u"swedish kronor"}},
    {u"NOK", {u"norwegian krone", u"norwegian kroner"}},
    {u"DKK", {u"danish krone", u"danish kroner"}},
    {u"PLN", {u"zloty", u"zlotys"}},
    {u"CNY", {u"yuan", u"yuan"}},
    {u"RMB", {u"yuan", u"yuan"}},
    {u"RUB", {u"rouble", u"roubles"}},
    {u"KRW", {u"won", u"won"}},
    {u"BRL", real},
    {u"ZAR", {u"rand", u"rand"}},
    {u"MXN", {u"mexican peso", u"mexican pesos"}},
    {u"ILS", {u"shekel", u"shekels"}},
    {u"THB", {u"baht", u"baht"}},
    {u"UAH", {u"hryvnia", u"hryvnia"}},
    {u"NZD", newZealandDollar},
    {u"HKD", hongKongDollar},
    {u"SGD", singaporeDollar},
    {u"TWD", taiwanDollar},
    {u"TRY", {u"turkish lira", u"turkish lira"}},
    {u"z\u0142", {u"zloty", u"zlotys"}},
    {u"kr", krona},
};

// Signs written before an amount that a dollar sign alone does not name:
// "US$5", "A$ 20", "R$ 15", "Rs. 500".
constexpr CurrencyCode prefixedSigns[] = {
    {u"US$", usDollar},
    {u"A$", australianDollar},
    {u"AU$", australianDollar},
    {u"C$", canadianDollar},
    {u"CA$", canadianDollar},
    {u"NZ$", newZealandDollar},
    {u"HK$", hongKongDollar},
    {u"S$", singaporeDollar},
    {u"NT$", taiwanDollar},
    {u"R$", real},
    {u"Rs.", rupee},
    {u"Rs", rupee},
    {u"kr.", krona},
    {u"kr", krona},
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

void sayAmount(Scan &s, const Numeral &n, const Money &money) {
    if (!n.point || n.fracDigits() != 2 || money.minorSingular.empty() || !n.fits()) {
        sayNumber(s, n);
        sayWords(s, n.isOne() ? money.singular : money.plural);
        return;
    }
    const unsigned minor = s.number(n.fracBegin, n.fracEnd);
    if (n.value > 0 || minor == 0) {
        s.speech.cardinal(n.value, s.british);
        sayWords(s, n.value == 1 ? money.singular : money.plural);
        if (minor == 0)
            return;
        if (!money.minorWithAnd) {
            s.speech.cardinal(minor, s.british);
            return;
        }
        s.speech.say(u"and");
    }
    s.speech.cardinal(minor, s.british);
    s.speech.say(minor == 1 ? money.minorSingular : money.minorPlural);
}

// The amount after the sign written at pos.
std::size_t readAmount(Scan &s, std::size_t pos, View sign, const Money &money) {
    std::size_t i = pos + sign.size();
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
            if (startsWithAt(s.text, j, sign))
                j += sign.size();
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
        sayWords(s, money.plural);
        return m ? multEnd : last;
    }
    sayAmount(s, *first, money);
    return end;
}

// "$5", "£600m", "$1.13bn", "$5 million", "$4.25", "£0.50", "$5-10".
// An amount, or two as a range: "$5bn-$10bn".
std::size_t readAmounts(Scan &s, std::size_t pos, View sign, const Money &money) {
    const std::size_t end = readAmount(s, pos, sign, money);
    if (end == npos || end + 2 >= s.text.size() || !isRangeDash(s.text[end]) ||
        !startsWithAt(s.text, end + 1, sign))
        return end;
    const std::size_t mark = s.speech.mark();
    s.speech.say(u"to");
    const std::size_t second = readAmount(s, end + 1, sign, money);
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
    return readAmounts(s, pos, s.text.substr(pos, 1), currencyOf(s.text[pos])->money);
}

// "5.50 USD", "20 CHF": an amount before a currency's code, said with its
// cents as the amount after a sign is.
std::size_t readAmountBeforeCode(Scan &s, const Numeral &n) {
    if (n.end + 1 >= s.text.size() || !isInlineSpace(s.text[n.end]))
        return npos;
    const std::size_t at = n.end + 1;
    for (const CurrencyCode &code : currencyCodes) {
        if (startsWithAt(s.text, at, code.code) && boundaryAt(s.text, at + code.code.size())) {
            sayAmount(s, n, code.money);
            return at + code.code.size();
        }
    }
    return npos;
}

// "CHF 20", "USD 1.50", "US$5", "R$ 15", "Rs. 500": a code or a sign of
// letters before the amount.
std::size_t readCodeAmount(Scan &s, std::size_t pos) {
    if (pos > 0 && isAlnum(s.text[pos - 1]))
        return npos;
    for (const std::span<const CurrencyCode> table :
         {std::span<const CurrencyCode>(prefixedSigns),
          std::span<const CurrencyCode>(currencyCodes)}) {
        for (const CurrencyCode &code : table) {
            if (!startsWithAt(s.text, pos, code.code))
                continue;
            if (const std::size_t end = readAmounts(s, pos, code.code, code.money); end != npos)
                return end;
        }
    }
    return npos;
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
            sayWords(s, plural ? code.money.plural : code.money.singular);
            return spaced + code.code.size();
        }
    }
    if (spaced < s.text.size()) {
        if (const Currency *cur = currencyOf(s.text[spaced])) {
            if (boundaryAt(s.text, spaced + 1)) {
                s.speech.say(plural ? cur->money.plural : cur->money.singular);
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
    const auto add = [&words](const Money &money) {
        words.insert(words.end(),
                     {money.singular, money.plural, money.minorSingular, money.minorPlural});
    };
    for (const Currency &cur : currencies)
        add(cur.money);
    for (const CurrencyCode &code : currencyCodes)
        add(code.money);
    for (const CurrencyCode &sign : prefixedSigns)
        add(sign.money);
    for (const Multiplier &m : multipliers)
        words.push_back(m.spoken);
}

} // namespace orvanta::numbers
