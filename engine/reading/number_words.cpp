#include "engine/reading/number_words.h"

#include <array>
#include <vector>

namespace orvanta::numbers {

namespace {

using View = std::u16string_view;
constexpr std::size_t npos = View::npos;

constexpr std::array<View, 20> onesWords = {
    u"zero",     u"one",     u"two",     u"three",     u"four",     u"five",    u"six",
    u"seven",    u"eight",   u"nine",    u"ten",       u"eleven",   u"twelve",  u"thirteen",
    u"fourteen", u"fifteen", u"sixteen", u"seventeen", u"eighteen", u"nineteen"};
constexpr std::array<View, 10> tensWords = {u"",      u"",      u"twenty",  u"thirty", u"forty",
                                            u"fifty", u"sixty", u"seventy", u"eighty", u"ninety"};
constexpr std::array<View, 12> scaleWords = {
    u"",           u"thousand",    u"million",     u"billion",
    u"trillion",   u"quadrillion", u"quintillion", u"sextillion",
    u"septillion", u"octillion",   u"nonillion",   u"decillion"};

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

} // namespace

void Speech::below100(unsigned n) {
    if (n < 20) {
        say(onesWords[n]);
        return;
    }
    say(tensWords[n / 10]);
    if (n % 10)
        say(onesWords[n % 10]);
}

void Speech::cardinal(std::uint64_t n, bool british) {
    if (n == 0) {
        say(onesWords[0]);
        return;
    }
    Groups groups{};
    std::size_t count = 0;
    while (n && count < groups.size()) {
        groups[count++] = static_cast<unsigned>(n % 1000);
        n /= 1000;
    }
    sayGroups(groups, count, british);
}

bool Speech::cardinalOfDigits(View digits, bool british) {
    if (digits.empty() || digits.size() > 3 * scaleWords.size() || digits[0] == u'0')
        return false;
    Groups groups{};
    std::size_t count = 0;
    for (std::size_t end = digits.size(); end > 0; end = end > 3 ? end - 3 : 0) {
        unsigned group = 0;
        for (std::size_t i = end > 3 ? end - 3 : 0; i < end; ++i)
            group = group * 10 + static_cast<unsigned>(digits[i] - u'0');
        groups[count++] = group;
    }
    sayGroups(groups, count, british);
    return true;
}

void Speech::sayGroups(const Groups &groups, std::size_t count, bool british) {
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

void Speech::yearPair(unsigned n) {
    if (n < 10) {
        say(u"oh");
        say(onesWords[n]);
    } else {
        below100(n);
    }
}

void Speech::year(unsigned n, bool british) {
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

void Speech::digit(char16_t c, View zero) {
    say(c == u'0' ? zero : onesWords[c - u'0']);
}

void Speech::ordinalizeLast() {
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

void Speech::pluralizeLast() {
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

std::size_t Speech::lastWordBegin() const {
    const std::size_t space = out_.rfind(u' ');
    return space == npos || space < start_ ? start_ : space + 1;
}

void addNumberWords(std::vector<std::u16string_view> &words) {
    words.insert(words.end(), onesWords.begin(), onesWords.end());
    words.insert(words.end(), tensWords.begin() + 2, tensWords.end());
    words.insert(words.end(), scaleWords.begin() + 1, scaleWords.end());
    for (const Irregular &ordinal : irregularOrdinals)
        words.push_back(ordinal.to);
}

} // namespace orvanta::numbers
