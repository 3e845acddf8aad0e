// Years and decades, and the words around a number that make it a year or
// a count.

#include "engine/reading/numeric.h"
#include "engine/reading/reading_numbers.h"

#include "engine/text/text.h"

namespace orvanta::numbers {

namespace {

// Words before a four-digit number that make it a year.
bool isYearCue(View word) {
    return isAnyOfFolded(word, {u"in",   u"since",  u"until",  u"till",   u"during", u"circa",
                                u"c",    u"ca",     u"year",   u"born",   u"died",   u"b",
                                u"d",    u"spring", u"summer", u"autumn", u"winter", u"early",
                                u"late", u"mid",    u"ad",     u"season", u"class",  u"fl"}) ||
           monthNumber(word) != 0;
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

// "between 1990 and 1995", "1914 or 1915": the second of two numbers
// joined so is what the first is.
bool afterYearAndConnective(const Scan &s, View before) {
    if (!isAnyOfFolded(before, {u"and", u"or", u"to", u"until", u"till", u"through"}) ||
        before.data() < s.text.data())
        return false;
    std::size_t i = static_cast<std::size_t>(before.data() - s.text.data());
    while (i > 0 && (isInlineSpace(s.text[i - 1]) || s.text[i - 1] == u','))
        --i;
    std::size_t j = i;
    while (j > 0 && isDigit(s.text[j - 1]))
        --j;
    if (i - j != 4 || (j > 0 && (isAlnum(s.text[j - 1]) || s.text[j - 1] == u',')))
        return false;
    const unsigned value = s.number(j, i);
    return value >= 1100 && value <= 2099 && !countFollows(s, j, i);
}

} // namespace

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

bool yearShaped(const Scan &s, const Numeral &n) {
    return n.plainInteger() && n.digitCount == 4 && !n.leadingZero(s.text) && n.value >= 1000 &&
           n.value <= 2099;
}

// Whether a four-digit number reads as a year: after "in", "since" or a
// month it does; before "people" or "years" it counts; otherwise numbers
// from 1100 to 2099 are years, as they nearly always are in prose.
bool readsAsYear(const Scan &s, const Numeral &n, std::size_t after) {
    if (!yearShaped(s, n))
        return false;
    const View before = wordBefore(s.text, n.begin);
    if (isYearCue(before) || afterYearAndConnective(s, before))
        return true;
    if (isCardinalCue(s.text, n.begin) || countFollows(s, n.begin, after))
        return false;
    return n.value >= 1100 ||
           isAnyOfFolded(before, {u"by", u"of", u"from", u"to", u"after", u"before", u"and"});
}

// "1700 pupils", "a crew of 1234 sailors", but "the 1990 elections".
bool countFollows(const Scan &s, std::size_t begin, std::size_t after) {
    const View next = wordAfter(s.text, after);
    if (isCountNoun(next))
        return true;
    // "from 1200 to 1300 people": the count noun after the second number.
    if (isAnyOfFolded(next, {u"to", u"or", u"and"})) {
        const std::size_t other =
            skipSpaces(s.text, static_cast<std::size_t>(next.data() - s.text.data()) + next.size());
        const std::size_t otherEnd = digitsEnd(s.text, other);
        if (otherEnd > other && boundaryAt(s.text, otherEnd) &&
            isCountNoun(wordAfter(s.text, otherEnd)))
            return true;
    }
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
    return !isAnyOfFolded(wordBefore(s.text, begin),
                          {u"the", u"a", u"an", u"this", u"that", u"his", u"her", u"its", u"their",
                           u"our", u"my", u"your", u"whose", u"each", u"every", u"in", u"of"});
}

// "612 B.C.", "AD 1016", "150 BCE": an era makes any number a year.
bool eraAround(const Scan &s, std::size_t begin, std::size_t after) {
    const std::size_t i = skipSpaces(s.text, after);
    for (const View era : {View(u"B.C."), View(u"BC"), View(u"A.D."), View(u"AD"), View(u"BCE"),
                           View(u"B.C.E."), View(u"CE"), View(u"C.E.")}) {
        if (startsWithAt(s.text, i, era) && boundaryAt(s.text, i + era.size()))
            return true;
    }
    std::size_t j = begin;
    while (j > 0 && isInlineSpace(s.text[j - 1]))
        --j;
    const View head = s.text.substr(0, j);
    for (const View era : {View(u"A.D."), View(u"AD")}) {
        if (head.ends_with(era) &&
            (head.size() == era.size() || !isAlnum(head[head.size() - era.size() - 1])))
            return true;
    }
    return false;
}

namespace {

// "the 1970 s", "the 80 s.": a decade whose s the text sets apart. Two
// digits need a word that decades follow; a full stop with a number after
// it is an old amount ("5 s. 6 d.").
bool spacedDecade(const Scan &s, std::size_t pos, std::size_t e) {
    if (e + 1 >= s.text.size() || s.text[e] != u' ' || s.text[e + 1] != u's' ||
        !boundaryAt(s.text, e + 2) || s.number(pos, e) % 10 != 0)
        return false;
    if (e - pos != 4 && !(e - pos == 2 && isAnyOfFolded(wordBefore(s.text, pos),
                                                        {u"the", u"early", u"mid", u"late"})))
        return false;
    if (e + 2 < s.text.size() && s.text[e + 2] == u'.') {
        const std::size_t next = skipSpaces(s.text, e + 3);
        return next >= s.text.size() || !isDigit(s.text[next]);
    }
    return true;
}

} // namespace

// "1990s", "1800s", "90s", "1920's", "the 1s and 0s".
std::size_t readDecade(Scan &s, std::size_t pos) {
    const std::size_t e = digitsEnd(s.text, pos);
    std::size_t end = npos;
    if (e < s.text.size() && s.text[e] == u's')
        end = e + 1;
    else if (e + 1 < s.text.size() && isApostrophe(s.text[e]) && s.text[e + 1] == u's')
        end = e + 2;
    else if (spacedDecade(s, pos, e))
        end = e + 2; // "the 1970 s", "the 80 s."
    if (end == npos || !boundaryAt(s.text, end))
        return npos;
    const unsigned value = s.number(pos, e);
    if (e - pos == 4 && s.text[pos] != u'0' && value % 10 == 0) {
        if (value % 100 == 0 && value != 2000) {
            s.speech.below100(value / 100);
            s.speech.say(u"hundred");
        } else {
            s.speech.year(value, s.british);
        }
    } else if (e - pos <= 2 && !(e - pos == 2 && s.text[pos] == u'0')) {
        s.speech.cardinal(value, s.british);
    } else {
        return npos;
    }
    s.speech.pluralizeLast();
    return end;
}

// "'90s" (nineties), "'63" (sixty three), "'05" (oh five).
std::size_t readShortYear(Scan &s, std::size_t pos) {
    if (pos > 0 && isAlnum(s.text[pos - 1]))
        return npos;
    const std::size_t e = digitsEnd(s.text, pos + 1);
    if (e != pos + 3)
        return npos;
    const unsigned value = s.number(pos + 1, e);
    std::size_t plural = npos;
    if (e < s.text.size() && s.text[e] == u's')
        plural = e + 1;
    else if (e + 1 < s.text.size() && isApostrophe(s.text[e]) && s.text[e + 1] == u's')
        plural = e + 2; // "the '30's"
    if (plural != npos && boundaryAt(s.text, plural) && value % 10 == 0) {
        if (value == 0) {
            s.speech.say(u"two");
            s.speech.say(u"thousands");
        } else {
            s.speech.below100(value);
            s.speech.pluralizeLast();
        }
        return plural;
    }
    if (!boundaryAt(s.text, e))
        return npos;
    s.speech.yearPair(value);
    return e;
}

} // namespace orvanta::numbers
