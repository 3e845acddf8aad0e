// Dates: month names, written dates in either order, ISO dates.

#include "engine/reading/numeric.h"
#include "engine/reading/reading_numbers.h"

#include "engine/text/text.h"

#include <array>
#include <vector>

namespace orvanta::numbers {

namespace {

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

// A month name at i ("June", "JUNE", "Sept.", "aug"): returns its number
// (1-12) and sets `end` past it and its full stop. `lower` tells that it
// is written in lower case, as the names that are also words ("may",
// "march") are written when they are words.
int monthAt(View text, std::size_t i, std::size_t &end, bool &lower) {
    if (i >= text.size() || !isLetter(text[i]))
        return 0;
    lower = text[i] >= u'a' && text[i] <= u'z';
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

// Whether the lower-case month at i is a word as often as a month, so that
// only a year or an ordinal day makes it a date ("may 3, 2019", not "you
// may 3 times").
bool isWordMonth(View text, std::size_t i, std::size_t end) {
    return isAnyOfFolded(text.substr(i, end - i), {u"may", u"march", u"mar"});
}

// Whether a year (", 1908", " 1908") follows at `end`.
bool yearFollows(View text, std::size_t end) {
    std::size_t i = skipSpaces(text, end);
    if (i < text.size() && text[i] == u',')
        i = skipSpaces(text, i + 1);
    return i > end && digitsEnd(text, i) == i + 4 && boundaryAt(text, i + 4);
}

// ", 1908" or " 1908" after a date: read it as a year if it is one.
std::size_t sayYearAfter(Scan &s, std::size_t end) {
    std::size_t i = skipSpaces(s.text, end);
    const bool comma = i < s.text.size() && s.text[i] == u',';
    if (comma)
        i = skipSpaces(s.text, i + 1);
    if (i == end || i >= s.text.size() || !isDigit(s.text[i]))
        return end;
    const std::size_t e = digitsEnd(s.text, i);
    if (e < s.text.size() && (isAlnum(s.text[e]) || (s.text[e] == u',' && e + 1 < s.text.size() &&
                                                     isDigit(s.text[e + 1]))))
        return end;
    // Three-digit years only after a comma and where nothing follows
    // that they could count: "March 3, 476." but not "March 3, 500 men".
    const std::size_t after = skipSpaces(s.text, e);
    const bool early = e - i == 3 && comma && s.text[i] != u'0' &&
                       (after >= s.text.size() || !isAlnum(s.text[after]));
    if (e - i != 4 && !early)
        return end;
    s.speech.year(s.number(i, e), s.british);
    return e;
}

// A day of the month at i, with its ordinal suffix if any: sets `day`
// and returns the end, or npos.
std::size_t dayAt(const Scan &s, std::size_t i, unsigned &day) {
    const std::size_t e = digitsEnd(s.text, i);
    if (e == i || e - i > 2)
        return npos;
    day = s.number(i, e);
    if (day < 1 || day > 31)
        return npos;
    const std::size_t suffix = ordinalSuffixEnd(s, e);
    return suffix == npos ? e : suffix;
}

void sayDayMonth(Scan &s, unsigned day, unsigned month, bool dayFirst) {
    const View name = months[month - 1].name;
    if (dayFirst) {
        s.speech.say(u"the");
        s.speech.cardinal(day, s.british);
        s.speech.ordinalizeLast();
        s.speech.say(u"of");
        s.speech.say(name);
    } else {
        s.speech.say(name);
        s.speech.cardinal(day, s.british);
        s.speech.ordinalizeLast();
    }
}

// A word that dates follow ("on 5/6", "until 12/24", "Friday 6/14").
bool dateCueBefore(const Scan &s, std::size_t pos) {
    return isAnyOfFolded(wordBefore(s.text, pos),
                         {u"on",       u"until",  u"till",     u"since",   u"dated",
                          u"through",  u"thru",   u"monday",   u"tuesday", u"wednesday",
                          u"thursday", u"friday", u"saturday", u"sunday",  u"mon",
                          u"tue",      u"tues",   u"wed",      u"thu",     u"thurs",
                          u"fri",      u"sat",    u"sun",      u"due",     u"deadline"});
}

void sayDate(Scan &s, unsigned day, unsigned month, unsigned year, bool dayFirst) {
    sayDayMonth(s, day, month, dayFirst);
    s.speech.year(year, s.british);
}

} // namespace

// "2008-09-30".
std::size_t readIsoDate(Scan &s, std::size_t pos) {
    if (digitsEnd(s.text, pos) != pos + 4 || pos + 10 > s.text.size() || s.text[pos + 4] != u'-' ||
        s.text[pos + 7] != u'-' || digitsEnd(s.text, pos + 5) != pos + 7 ||
        digitsEnd(s.text, pos + 8) != pos + 10)
        return npos;
    const unsigned year = s.number(pos, pos + 4);
    const unsigned month = s.number(pos + 5, pos + 7), day = s.number(pos + 8, pos + 10);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return npos;
    // Read the way people read these in running text, whatever the variant:
    // neither order is written, and "the 30th of September" is understood
    // by every reader.
    sayDate(s, day, month, year, true);
    return pos + 10;
}

// "3/4/2024", "30.09.2008", "12/25/99": day first in British English,
// month first in American, unless only the other order is a date.
std::size_t readNumericDate(Scan &s, std::size_t pos) {
    const std::size_t e1 = digitsEnd(s.text, pos);
    if (e1 - pos > 2 || e1 >= s.text.size())
        return npos;
    const char16_t sep = s.text[e1];
    if (sep != u'/' && sep != u'.' && sep != u'-')
        return npos;
    const std::size_t e2 = digitsEnd(s.text, e1 + 1);
    if (e2 - (e1 + 1) < 1 || e2 - (e1 + 1) > 2 || e2 >= s.text.size() || s.text[e2] != sep)
        return npos;
    const std::size_t e3 = digitsEnd(s.text, e2 + 1);
    const std::size_t yearDigits = e3 - (e2 + 1);
    if (yearDigits != 4 && !(yearDigits == 2 && sep == u'/'))
        return npos;
    if (e3 < s.text.size() && (isAlnum(s.text[e3]) || s.text[e3] == sep))
        return npos;
    const unsigned a = s.number(pos, e1), b = s.number(e1 + 1, e2);
    const unsigned year = s.number(e2 + 1, e3);
    unsigned day = s.british ? a : b, month = s.british ? b : a;
    if (month > 12 && day <= 12)
        std::swap(day, month);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return npos;
    if (yearDigits == 2) {
        sayDayMonth(s, day, month, s.british);
        s.speech.yearPair(year);
    } else {
        sayDate(s, day, month, year, s.british);
    }
    return e3;
}

// "on 5/6", "until 12/24", "Friday 6/14": a day and a month without a year,
// which a fraction can look like. A word that dates follow makes it a date;
// so does a shape no fraction has in running text (7/1, 10/2, 3/15: over
// one, or not in lowest terms), unless "of" or a unit follows.
std::size_t readShortDate(Scan &s, std::size_t pos) {
    const std::optional<SlashPair> pair = slashPair(s, pos, 2, 2);
    if (!pair)
        return npos;
    const std::size_t e2 = pair->end;
    if (e2 + 1 < s.text.size() && (s.text[e2] == u'.' || s.text[e2] == u',') &&
        isDigit(s.text[e2 + 1]))
        return npos;
    const unsigned a = pair->first, b = pair->second;
    if (a == 0 || b == 0 || (a == 24 && b == 7))
        return npos;
    unsigned day = s.british ? a : b, month = s.british ? b : a;
    if (month > 12 && day <= 12)
        std::swap(day, month);
    if (month > 12 || day > 31)
        return npos;
    const View next = wordAfter(s.text, e2);
    if (isAnyOfFolded(next, {u"of", u"an", u"a", u"inch", u"inches", u"cup", u"cups", u"mile",
                             u"miles", u"teaspoon", u"tablespoon", u"pound", u"hour", u"full"}) ||
        unitFollows(s, e2))
        return npos;
    const bool cue = dateCueBefore(s, pos);
    unsigned x = a, y = b;
    while (y != 0) {
        const unsigned t = x % y;
        x = y;
        y = t;
    }
    const bool noFraction = b == 1 || a >= b || x > 1;
    if (!cue && !noFraction)
        return npos;
    if (!cue && a == b)
        return npos; // "50/50", "20/20"
    sayDayMonth(s, day, month, s.british);
    return e2;
}

// "since 5/2019": a month and a year, which a fraction with a large
// denominator can look like ("1/1999 of them"). Only a word that dates
// follow makes it a date.
std::size_t readMonthYear(Scan &s, std::size_t pos) {
    const std::optional<SlashPair> pair = slashPair(s, pos, 2, 4);
    if (!pair || pair->first < 1 || pair->first > 12 || pair->second < 1000 ||
        !(dateCueBefore(s, pos) ||
          isAnyOfFolded(wordBefore(s.text, pos), {u"in", u"from", u"by", u"before", u"after",
                                                  u"expires", u"exp", u"valid"})) ||
        isAnyOfFolded(wordAfter(s.text, pair->end), {u"of"}) || unitFollows(s, pair->end))
        return npos;
    s.speech.say(months[pair->first - 1].name);
    s.speech.year(pair->second, s.british);
    return pair->end;
}

// "20 June 1908", "20th June", "1st of May, 1900".
std::size_t readDayFirstDate(Scan &s, std::size_t pos) {
    unsigned day = 0, lastDay = 0;
    std::size_t i = dayAt(s, pos, day);
    if (i == npos)
        return npos;
    // "5-7 June": the range's second day.
    if (i + 1 < s.text.size() && isRangeDash(s.text[i]) && isDigit(s.text[i + 1])) {
        i = dayAt(s, i + 1, lastDay);
        if (i == npos || lastDay <= day)
            return npos;
    }
    if (i >= s.text.size() || !isInlineSpace(s.text[i]))
        return npos;
    i = skipSpaces(s.text, i);
    bool of = false;
    if (startsWithAt(s.text, i, u"of ")) {
        of = true;
        i = skipSpaces(s.text, i + 2);
    }
    std::size_t monthEnd = 0;
    bool lower = false;
    const int month = monthAt(s.text, i, monthEnd, lower);
    // "3 may go" is no date; "3rd of may" and "3 may 2019" are.
    const bool ordinal = ordinalSuffixEnd(s, digitsEnd(s.text, pos)) != npos;
    if (!month || (lower && isWordMonth(s.text, i, monthEnd) && !of && !ordinal &&
                   !yearFollows(s.text, monthEnd)))
        return npos;
    if (!of && !isAnyOfFolded(wordBefore(s.text, pos), {u"the"}))
        s.speech.say(u"the");
    s.speech.cardinal(day, s.british);
    s.speech.ordinalizeLast();
    if (lastDay) {
        s.speech.say(u"to");
        s.speech.say(u"the");
        s.speech.cardinal(lastDay, s.british);
        s.speech.ordinalizeLast();
    }
    s.speech.say(u"of");
    s.speech.say(months[static_cast<std::size_t>(month - 1)].name);
    return sayYearAfter(s, monthEnd);
}

// "June 20th, 1908", "June 20, 1908", "June 2015", "Sept. 14th".
std::size_t readMonthFirstDate(Scan &s, std::size_t pos) {
    if (pos > 0 && isAlnum(s.text[pos - 1]))
        return npos;
    std::size_t monthEnd = 0;
    bool lower = false;
    const int month = monthAt(s.text, pos, monthEnd, lower);
    if (!month || monthEnd >= s.text.size() || !isInlineSpace(s.text[monthEnd]))
        return npos;
    const bool wordMonth = lower && isWordMonth(s.text, pos, monthEnd);
    const std::size_t i = skipSpaces(s.text, monthEnd);
    const std::size_t e = digitsEnd(s.text, i);
    if (e == i)
        return npos;
    const View name = months[static_cast<std::size_t>(month - 1)].name;
    if (e - i == 4) {
        if (e < s.text.size() && isAlnum(s.text[e]))
            return npos;
        s.speech.say(name);
        s.speech.year(s.number(i, e), s.british);
        return e;
    }
    if (e - i > 2)
        return npos;
    const unsigned day = s.number(i, e);
    std::size_t end = ordinalSuffixEnd(s, e);
    if (end == npos)
        end = e;
    if (day < 1 || day > 31 ||
        (end < s.text.size() &&
         (isAlnum(s.text[end]) || s.text[end] == u':' || s.text[end] == u'/')))
        return npos;
    if (end < s.text.size() && s.text[end] == u'.' && end + 1 < s.text.size() &&
        isDigit(s.text[end + 1]))
        return npos;
    if (wordMonth && end == e && !yearFollows(s.text, end))
        return npos;
    // "June 5-7": the range's second day.
    unsigned lastDay = 0;
    if (end + 1 < s.text.size() && isRangeDash(s.text[end]) && isDigit(s.text[end + 1])) {
        const std::size_t e2 = dayAt(s, end + 1, lastDay);
        if (e2 != npos && lastDay > day && boundaryAt(s.text, e2))
            end = e2;
        else
            lastDay = 0;
    }
    s.speech.say(name);
    s.speech.cardinal(day, s.british);
    s.speech.ordinalizeLast();
    if (lastDay) {
        s.speech.say(u"to");
        s.speech.cardinal(lastDay, s.british);
        s.speech.ordinalizeLast();
    }
    return sayYearAfter(s, end);
}

// The end of "st", "nd", "rd" or "th" after the digits at e, or npos.
std::size_t ordinalSuffixEnd(const Scan &s, std::size_t e) {
    if (e + 2 > s.text.size())
        return npos;
    const char16_t a = lowerAscii(s.text[e]), b = lowerAscii(s.text[e + 1]);
    const bool suffix = (a == u's' && b == u't') || (a == u'n' && b == u'd') ||
                        (a == u'r' && b == u'd') || (a == u't' && b == u'h');
    if (!suffix || !boundaryAt(s.text, e + 2))
        return npos;
    return e + 2;
}

void addMonthWords(std::vector<View> &words) {
    for (const Month &month : months)
        words.push_back(month.name);
}

} // namespace orvanta::numbers

namespace orvanta {

int monthNumber(std::u16string_view word) {
    // Every capitalised word of a text is asked: most are turned away by
    // their length or their initial.
    if (word.size() < 3 || word.size() > 9 ||
        std::u16string_view(u"JjFfMmAaSsOoNnDd").find(word[0]) == std::u16string_view::npos)
        return 0;
    for (std::size_t m = 0; m < numbers::months.size(); ++m) {
        if (equalsFolded(word, numbers::months[m].name) ||
            (!numbers::months[m].abbreviation.empty() &&
             equalsFolded(word, numbers::months[m].abbreviation)) ||
            (m == 8 && equalsFolded(word, u"sept")))
            return static_cast<int>(m) + 1;
    }
    return 0;
}

} // namespace orvanta
