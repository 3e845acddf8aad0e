// Roman numerals: read as numbers after a heading (Chapter IV) or alone, as
// ordinals after a name (Henry VIII).

#include "engine/reading/reader.h"
#include "engine/text/text.h"

#include <algorithm>
#include <array>

namespace orvanta::reading {

namespace {

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

// The word of letters that ends before `pos` in `text`, past spaces, or
// empty; `start` is set to where it begins.
std::u16string_view wordEndingBefore(std::u16string_view text, std::size_t pos,
                                     std::size_t &start) {
    std::size_t end = pos;
    while (end > 0 && isSpace(text[end - 1]))
        --end;
    start = end;
    while (start > 0 && isAsciiLetter(text[start - 1]))
        --start;
    return text.substr(start, end - start);
}

// Names that sovereigns and popes have borne: after them a numeral is the
// ordinal of the reign (Henry VIII, Pius IX). After any other name it is
// the number of a sequel, a model or a mission (Rocky II, Apollo XI).
bool isRegnalName(std::u16string_view name) {
    static constexpr std::array<std::u16string_view, 89> names = {
        u"adolf",     u"afonso",    u"albert",    u"alexander",   u"alexios",   u"alfonso",
        u"amenhotep", u"anne",      u"antiochus", u"baldwin",     u"basil",     u"benedict",
        u"boniface",  u"canute",    u"carlos",    u"casimir",     u"catherine", u"celestine",
        u"charles",   u"christian", u"clement",   u"constantine", u"david",     u"duncan",
        u"edmund",    u"edward",    u"elizabeth", u"eric",        u"ethelred",  u"felipe",
        u"ferdinand", u"francis",   u"frederick", u"friedrich",   u"george",    u"gregory",
        u"gustav",    u"gustavus",  u"haakon",    u"harald",      u"henri",     u"henry",
        u"honorius",  u"innocent",  u"isabel",    u"isabella",    u"ivan",      u"james",
        u"jean",      u"john",      u"joseph",    u"juan",        u"julius",    u"justinian",
        u"karl",      u"kenneth",   u"leo",       u"leopold",     u"louis",     u"ludwig",
        u"malcolm",   u"manuel",    u"margaret",  u"mary",        u"mehmed",    u"michael",
        u"napoleon",  u"nicholas",  u"olaf",      u"otto",        u"paul",      u"pedro",
        u"peter",     u"philip",    u"pius",      u"ptolemy",     u"rameses",   u"ramesses",
        u"richard",   u"robert",    u"rudolf",    u"sancho",      u"selim",     u"sixtus",
        u"stephen",   u"suleiman",  u"thutmose",  u"urban",       u"william"};
    for (const std::u16string_view known : names) {
        if (equalsFolded(name, known))
            return true;
    }
    return false;
}

bool isSovereignTitle(std::u16string_view word) {
    return isAnyOfFolded(word, {u"king", u"queen", u"pope", u"emperor", u"empress", u"tsar",
                                u"czar", u"tsarina", u"kaiser", u"sultan", u"pharaoh", u"prince",
                                u"princess", u"duke", u"archduke", u"saint", u"st"});
}

// Whether the name before the numeral at `pos` is a sovereign's: a regnal
// name, or any name after a title (King Zog I). `leads` tells whether the
// name opens the sentence or follows such a title ("Charles I was").
bool sovereignBefore(std::u16string_view text, std::size_t pos, bool &leads) {
    std::size_t start = 0;
    const std::u16string_view name = wordEndingBefore(text, pos, start);
    std::size_t titleStart = 0;
    const std::u16string_view title = wordEndingBefore(text, start, titleStart);
    std::size_t thirdStart = 0;
    const std::u16string_view third = wordEndingBefore(text, titleStart, thirdStart);
    const bool titled = isSovereignTitle(title) || isSovereignTitle(third);
    std::size_t before = start;
    while (before > 0 && (isSpace(text[before - 1]) || text[before - 1] == u'"' ||
                          isApostrophe(text[before - 1])))
        --before;
    leads = titled || before == 0;
    return !name.empty() && (isRegnalName(name) || titled);
}

} // namespace

// Words after which a Roman numeral counts ("chapter IV", "World War II").
bool isNumberedHeading(std::uint64_t packed) {
    static constexpr KeySet<128> headings{std::array<std::uint64_t, 35>{
        key("act"),      key("appendix"), key("article"), key("book"),    key("canto"),
        key("chap"),     key("chapter"),  key("episode"), key("figure"),  key("lesson"),
        key("no"),       key("number"),   key("page"),    key("part"),    key("phase"),
        key("plate"),    key("psalm"),    key("scene"),   key("section"), key("series"),
        key("stage"),    key("volume"),   key("war"),     key("axiom"),   key("lemma"),
        key("lecture"),  key("problem"),  key("stanza"),  key("theorem"), key("exercise"),
        key("question"), key("letter"),   key("song"),    key("hymn"),    key("poem")}};
    return headings.contains(packed);
}

void Reading::emitNumber(int value, bool ordinal) {
    char16_t digits[8];
    std::size_t length = 0;
    for (int rest = value; rest > 0; rest /= 10)
        digits[length++] = static_cast<char16_t>(u'0' + rest % 10);
    std::reverse(digits, digits + length);
    std::u16string words;
    if (readNumericAt(std::u16string_view(digits, length), 0, context.variant, words) == 0) {
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

bool readRomanNumeral(Reading &r, const Token &token, std::size_t end, bool &fullStopTaken) {
    const std::u16string_view text = token.text;
    const std::size_t letters = text.size();
    const int value = romanValue(text);
    if (value <= 0)
        return false;
    const bool onlyIVX = text.find_first_not_of(u"IVX") == std::u16string_view::npos;
    const std::size_t at = static_cast<std::size_t>(text.data() - r.sentence.data());
    bool leads = false;
    // A numeral closed by a full stop or comma is set as a reign is in
    // histories ("Theodosius III. dismissed", "Adad VII, had"), whatever
    // the name.
    const bool closed =
        end < r.sentence.size() && (r.sentence[end] == u'.' || r.sentence[end] == u',');
    const bool sovereign = text.data() >= r.sentence.data() && at <= r.sentence.size() &&
                           r.previousName &&
                           (sovereignBefore(r.sentence, at, leads) || (closed && text != u"I"));
    // Super Bowl XLVII: a long numeral with L or C after a name.
    const bool longNumeral =
        !onlyIVX && letters >= 4 && text.find_first_not_of(u"IVXLC") == std::u16string_view::npos;
    // After a heading, single C, D, L, M are letters (Appendix C),
    // and I needs a capitalised heading ("Part I", not "in part I").
    const bool afterHeading =
        r.previousHeading &&
        (letters > 1 || (!r.previousLetterHeading && (text == u"V" || text == u"X" ||
                                                      (text == u"I" && r.previousHeadingCapital))));
    // II, IV, XIV...: numerals of I, V and X of two letters or
    // more are hardly ever words or acronyms.
    const bool numeral = onlyIVX && letters > 1;
    // After a name that is no sovereign's, the numeral counts a work,
    // model or mission (Rocky II, Apollo XI); a lone letter stays one
    // (Malcolm X, Plan V).
    const bool titleNumber = r.previousName && !sovereign && (numeral || longNumeral);
    if (afterHeading || (numeral && !r.previousName) || titleNumber ||
        (r.tokens == 0 && onlyIVX && !r.wordsFollow(end))) {
        r.emitNumber(value, false);
        r.setPrevious(false, false, false);
        fullStopTaken = token.fullStop;
        return true;
    }
    // "Charles I." is the first; "Charles I went" the pronoun.
    const bool regnalI = text == u"I" && (end >= r.sentence.size() || r.sentence[end] == u'.' ||
                                          r.sentence[end] == u',' || r.sentence[end] == u'?' ||
                                          r.sentence[end] == u'!' || r.sentence[end] == u';' ||
                                          r.sentence[end] == u':');
    if (r.previousName && (onlyIVX || longNumeral) &&
        (text != u"I" ? sovereign || letters == 1 : regnalI || (sovereign && leads))) {
        r.emit(u"the");
        r.emitNumber(value, true);
        r.setPrevious(false, false, false);
        fullStopTaken =
            token.fullStop && r.nextStart(end + 1) != 0 && !isAsciiUpper(r.nextStart(end + 1));
        return true;
    }
    return false;
}

} // namespace orvanta::reading
