// Clock times: 5:30, 17:45, 5pm, 11.15 p.m., and ranges of them.

#include "engine/reading/numeric.h"

#include "engine/text/text.h"

namespace orvanta::numbers {

namespace {

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
        // "5 p.m" without its last full stop is as good.
        if (j < text.size() && text[j] == u'.')
            ++j;
        else if (!boundaryAt(text, j))
            return npos;
    } else if (!boundaryAt(text, j)) {
        return npos;
    }
    pm = first == u'p';
    return j;
}

bool isTimeContext(const Scan &s, std::size_t pos) {
    return isAnyOfFolded(wordBefore(s.text, pos),
                         {u"at", u"by", u"from", u"to", u"until", u"till", u"before", u"after",
                          u"between", u"and", u"around", u"about", u"since", u"past"}) ||
           pos == 0;
}

void sayClock(Scan &s, unsigned hour, unsigned minute, bool withMeridiem, std::size_t end) {
    if (minute == 0 && (hour == 0 || hour == 24) && !withMeridiem &&
        !isAnyOfFolded(wordAfter(s.text, end), {u"hours", u"hrs", u"hr", u"midnight"})) {
        s.speech.say(u"midnight");
        return;
    }
    s.speech.cardinal(hour, s.british);
    if (minute == 0) {
        if (withMeridiem)
            return;
        const View next = wordAfter(s.text, end);
        if (isAnyOfFolded(next, {u"noon", u"midnight", u"o"}))
            return;
        // "eighteen hundred hours"
        if (hour >= 1 && hour <= 12 && !isAnyOfFolded(next, {u"hours", u"hrs", u"hr"})) {
            s.speech.say(u"o'clock");
        } else {
            s.speech.say(u"hundred");
        }
        return;
    }
    if (minute < 10)
        s.speech.say(u"oh");
    s.speech.cardinal(minute, s.british);
}

// "5:30", "17:45", "10:00", "5pm", "5 p.m.", "11.15 p.m.", "0815 am".
std::size_t readTime(Scan &s, std::size_t pos) {
    const std::size_t e1 = digitsEnd(s.text, pos);
    const std::size_t hourDigits = e1 - pos;
    bool pm = false;
    if (hourDigits <= 2 && e1 + 2 < s.text.size() && (s.text[e1] == u':' || s.text[e1] == u'.') &&
        digitsEnd(s.text, e1 + 1) == e1 + 3) {
        const unsigned hour = s.number(pos, e1), minute = s.number(e1 + 1, e1 + 3);
        if (hour > 24 || minute > 59)
            return npos;
        std::size_t end = e1 + 3;
        unsigned second = 0;
        if (s.text[e1] == u':' && end + 2 < s.text.size() && s.text[end] == u':' &&
            digitsEnd(s.text, end + 1) == end + 3) {
            second = s.number(end + 1, end + 3);
            end += 3;
        }
        if (end < s.text.size() && isDigit(s.text[end]))
            return npos;
        const std::size_t meridiem = meridiemAt(s.text, end, pm);
        if (s.text[e1] == u'.' && meridiem == npos)
            return npos; // "11.15" alone is a decimal
        const bool withMeridiem = meridiem != npos && hour >= 1 && hour <= 12;
        sayClock(s, hour, minute, withMeridiem, end);
        if (second) {
            s.speech.say(u"and");
            s.speech.cardinal(second, s.british);
            s.speech.say(second == 1 ? u"second" : u"seconds");
        }
        if (withMeridiem) {
            s.speech.say(pm ? u"pm" : u"eyem");
            end = meridiem;
        } else if (const View unit = wordAfter(s.text, end); isAnyOfFolded(unit, {u"hrs", u"hr"})) {
            // "21:00 hrs" is twenty one hundred hours.
            s.speech.say(u"hours");
            end = skipSpaces(s.text, end) + unit.size();
        }
        return end;
    }
    if (hourDigits == 0 || hourDigits > 4 || (e1 < s.text.size() && s.text[e1] == u'.'))
        return npos;
    const std::size_t meridiem = meridiemAt(s.text, e1, pm);
    if (meridiem == npos)
        return npos;
    const unsigned value = s.number(pos, e1);
    const unsigned hour = hourDigits <= 2 ? value : value / 100;
    const unsigned minute = hourDigits <= 2 ? 0 : value % 100;
    if (hour < 1 || hour > 12 || minute > 59)
        return npos;
    // "at 5 am" is a time, but "I am" after a number is not.
    if (meridiem - e1 <= 3 && s.text[meridiem - 1] != u'.' && isInlineSpace(s.text[e1]) &&
        s.text[e1 + 1] == u'a' && s.text[e1 + 2] == u'm' && !isTimeContext(s, pos))
        return npos;
    sayClock(s, hour, minute, true, e1);
    s.speech.say(pm ? u"pm" : u"eyem");
    return meridiem;
}

} // namespace

// A time, or two as a range: "9am-5pm", "9:00 – 17:30".
std::size_t readTimes(Scan &s, std::size_t pos) {
    const std::size_t end = readTime(s, pos);
    if (end == npos)
        return npos;
    std::size_t i = end;
    const bool spaced = i < s.text.size() && isInlineSpace(s.text[i]);
    if (spaced)
        ++i;
    if (i >= s.text.size() || !isRangeDash(s.text[i]))
        return end;
    ++i;
    if (spaced && i < s.text.size() && isInlineSpace(s.text[i]))
        ++i;
    if (i >= s.text.size() || !isDigit(s.text[i]))
        return end;
    const std::size_t mark = s.speech.mark();
    s.speech.say(u"to");
    const std::size_t second = readTime(s, i);
    if (second == npos) {
        s.speech.rollback(mark);
        return end;
    }
    return second;
}

} // namespace orvanta::numbers
