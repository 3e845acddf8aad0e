// Cardinals, decimals, ordinals, ranges, ratios, signed numbers and digit
// strings; the entry of the number reading, which hands the other kinds of
// numeric expression to their files.

#include "engine/reading/numeric.h"
#include "engine/reading/reading_numbers.h"

#include "engine/text/text.h"

namespace orvanta::numbers {

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

namespace {

void sayDigits(Scan &s, std::size_t begin, std::size_t end, View zero) {
    for (std::size_t i = begin; i < end; ++i) {
        if (isDigit(s.text[i]))
            s.speech.digit(s.text[i], zero);
    }
}

// A plain amount, with what may come with it: a range ("5-10",
// "1990-95"), a fraction ("3 1/2", "3½"), a multiplier ("5k"), a unit
// or per cent.
std::size_t readQuantity(Scan &s, std::size_t pos) {
    const std::optional<Numeral> first = scanNumeral(s.text, pos);
    if (!first)
        return npos;
    std::size_t end = first->end;
    s.attributive = isAnyOfFolded(wordBefore(s.text, pos), {u"a", u"an"});

    // Chains of points ("1.2.3") are section or version numbers.
    if (first->point && end + 1 < s.text.size() && s.text[end] == u'.' &&
        isDigit(s.text[end + 1])) {
        sayNumber(s, *first);
        while (end + 1 < s.text.size() && s.text[end] == u'.' && isDigit(s.text[end + 1])) {
            const std::size_t e = digitsEnd(s.text, end + 1);
            s.speech.say(u"point");
            sayDigits(s, end + 1, e, u"oh");
            end = e;
        }
        return end;
    }

    if (const std::size_t money = readAmountBeforeCode(s, *first); money != npos)
        return money;

    // "3½", "3 1/2": the whole and its fraction.
    if (first->plainInteger() && first->fits()) {
        std::size_t fracEnd = npos;
        if (isVulgarFractionAt(s.text, end)) {
            sayNumber(s, *first);
            fracEnd = sayVulgarFraction(s, end, true);
        } else if (end < s.text.size() && s.text[end] == u' ') {
            const std::optional<SlashPair> pair = slashPair(s, end + 1, 2, 2);
            if (pair && pair->first >= 1 && pair->first < pair->second) {
                sayNumber(s, *first);
                s.speech.say(u"and");
                sayFraction(s, pair->first, pair->second, true);
                fracEnd = pair->end;
            }
        }
        if (fracEnd != npos)
            return sayUnitAfter(s, fracEnd, true, false);
    }

    // Dimensions: "4x4", "3 × 4 m", "10 x 20 cm" (a spaced x only before a
    // unit).
    {
        std::size_t i = end;
        const bool spaced = i < s.text.size() && isInlineSpace(s.text[i]);
        if (spaced)
            ++i;
        const bool x = i < s.text.size() && s.text[i] == u'x';
        if (i < s.text.size() && (s.text[i] == u'\u00D7' || x)) {
            ++i;
            if (spaced && i < s.text.size() && isInlineSpace(s.text[i]))
                ++i;
            if (i < s.text.size() && isDigit(s.text[i])) {
                const std::optional<Numeral> other = scanNumeral(s.text, i);
                std::size_t unitEnd = 0;
                if (other && boundaryAt(s.text, other->end) &&
                    !(x && spaced && !unitAt(s.text, other->end, unitEnd))) {
                    sayNumber(s, *first);
                    s.speech.say(u"by");
                    sayNumber(s, *other);
                    return sayUnitAfter(s, other->end, true, false);
                }
            }
        }
    }

    // Heights: 5'11" is five foot eleven.
    if (first->plainInteger() && first->digitCount == 1 && end + 1 < s.text.size() &&
        (s.text[end] == u'\'' || s.text[end] == u'\u2032' || s.text[end] == u'\u2019') &&
        isDigit(s.text[end + 1])) {
        const std::size_t e = digitsEnd(s.text, end + 1);
        if (e - (end + 1) <= 2 && e < s.text.size() &&
            (s.text[e] == u'"' || s.text[e] == u'\u2033' || s.text[e] == u'\u201D')) {
            sayNumber(s, *first);
            s.speech.say(u"foot");
            s.speech.cardinal(s.number(end + 1, e), s.british);
            return e + 1;
        }
    }

    // A range: "5-10", "5 – 10", "1990–95", "1914-1918".
    std::optional<Numeral> second;
    {
        std::size_t i = end;
        const bool spacedBefore = i < s.text.size() && isInlineSpace(s.text[i]);
        if (spacedBefore)
            ++i;
        if (i < s.text.size() && isRangeDash(s.text[i])) {
            ++i;
            if (spacedBefore && i < s.text.size() && isInlineSpace(s.text[i]))
                ++i;
            if (i < s.text.size() && isDigit(s.text[i])) {
                second = scanNumeral(s.text, i);
                if (second && second->end < s.text.size() &&
                    (isRangeDash(s.text[second->end]) || s.text[second->end] == u'/' ||
                     s.text[second->end] == u':' || ordinalSuffixEnd(s, second->end) != npos))
                    second.reset();
            }
        }
    }

    const std::size_t last = second ? second->end : end;
    bool firstYear = false, secondYear = false;
    const bool era = first->plainInteger() && first->digitCount <= 4 &&
                     !first->leadingZero(s.text) && eraAround(s, pos, last) &&
                     (!second || (second->plainInteger() && second->digitCount <= 4));
    if (era) {
        firstYear = true;
        secondYear = second && second->digitCount >= 3;
    } else if (second) {
        if (yearShaped(s, *first) && second->plainInteger() &&
            (second->digitCount == 2 || yearShaped(s, *second)) && !countFollows(s, pos, last) &&
            !isCardinalCue(s.text, pos) && !unitFollows(s, last)) {
            firstYear = true;
            secondYear = yearShaped(s, *second);
        }
    } else if (!unitFollows(s, end)) {
        firstYear = readsAsYear(s, *first, end);
    }

    if (firstYear)
        s.speech.year(static_cast<unsigned>(first->value), s.british);
    else
        sayNumber(s, *first);
    if (second) {
        s.speech.say(u"to");
        if (secondYear)
            s.speech.year(static_cast<unsigned>(second->value), s.british);
        else if (firstYear)
            s.speech.yearPair(static_cast<unsigned>(second->value));
        else
            sayNumber(s, *second);
    }
    if (firstYear)
        return last;

    const Numeral &amount = second ? *second : *first;
    std::size_t multEnd = 0;
    if (const Multiplier *m = multiplierAt(s.text, last, false, multEnd)) {
        s.speech.say(m->spoken);
        return sayCurrencyOrUnitAfter(s, multEnd, true);
    }
    return sayCurrencyOrUnitAfter(s, last, !amount.isOne() || second.has_value(),
                                  amount.plainInteger() && amount.digitCount <= 2);
}

// "1st", "22nd", "103rd", "1,000th".
std::size_t readOrdinal(Scan &s, std::size_t pos) {
    const std::optional<Numeral> n = scanNumeral(s.text, pos);
    if (!n || n->point || !n->fits())
        return npos;
    const std::size_t end = ordinalSuffixEnd(s, n->end);
    if (end == npos)
        return npos;
    s.speech.cardinal(n->value, s.british);
    s.speech.ordinalizeLast();
    return end;
}

// "3:1", "1:50,000", "2 : 1": what is not a time is a ratio.
std::size_t readRatio(Scan &s, std::size_t pos) {
    const std::optional<Numeral> left = scanNumeral(s.text, pos);
    if (!left)
        return npos;
    std::size_t i = left->end;
    const bool spaced = i < s.text.size() && isInlineSpace(s.text[i]);
    if (spaced)
        ++i;
    if (i >= s.text.size() || s.text[i] != u':')
        return npos;
    ++i;
    if (spaced && i < s.text.size() && isInlineSpace(s.text[i]))
        ++i;
    if (i >= s.text.size() || !isDigit(s.text[i]))
        return npos;
    const std::optional<Numeral> right = scanNumeral(s.text, i);
    if (!right || (right->end < s.text.size() && isLetter(s.text[right->end])))
        return npos;
    sayNumber(s, *left);
    s.speech.say(u"to");
    sayNumber(s, *right);
    return right->end;
}

// "-5" (minus five), "+5", "+44 20 7946 0958".
std::size_t readSigned(Scan &s, std::size_t pos) {
    if (pos > 0 && isAlnum(s.text[pos - 1]))
        return npos;
    const std::size_t i = pos + 1;
    if (i >= s.text.size() || !isDigit(s.text[i]))
        return npos;
    if (s.text[pos] == u'+') {
        // International numbers: groups of digits after a plus.
        // "+44 20 7946 0958", "+1 (555) 123-4567", "+33.1.23.45.67.89".
        std::size_t end = digitsEnd(s.text, i);
        std::size_t groups = 1, digits = end - i;
        for (;;) {
            std::size_t j = end;
            while (j < s.text.size() && j < end + 3 &&
                   (s.text[j] == u' ' || s.text[j] == u'-' || s.text[j] == u'.' ||
                    s.text[j] == u'(' || s.text[j] == u')'))
                ++j;
            if (j == end || j >= s.text.size() || !isDigit(s.text[j]))
                break;
            const std::size_t next = digitsEnd(s.text, j);
            digits += next - j;
            end = next;
            ++groups;
        }
        if (groups >= 2 && digits >= 8) {
            s.speech.say(u"plus");
            sayDigits(s, i, end, u"oh");
            return end;
        }
    }
    s.speech.say(s.text[pos] == u'+' ? u"plus" : u"minus");
    const std::size_t end = readQuantity(s, i);
    return end;
}

// Telephone numbers and other digit strings in groups: "+44 20 7946
// 0958", "555-1234", "1-800-555-0199", "978-1-23-456789-0".
std::size_t readDigitGroups(Scan &s, std::size_t pos) {
    // "555 123 4567", "555.123.4567": the North American shape, whatever
    // parts its groups.
    if (digitsEnd(s.text, pos) == pos + 3 && pos + 12 <= s.text.size() &&
        (s.text[pos + 3] == u' ' || s.text[pos + 3] == u'.') &&
        s.text[pos + 7] == s.text[pos + 3] && digitsEnd(s.text, pos + 4) == pos + 7 &&
        digitsEnd(s.text, pos + 8) == pos + 12 && boundaryAt(s.text, pos + 12) &&
        !(pos + 13 < s.text.size() && s.text[pos + 12] == u'.' && isDigit(s.text[pos + 13]))) {
        sayDigits(s, pos, pos + 12, u"oh");
        return pos + 12;
    }
    std::size_t groups = 1, end = digitsEnd(s.text, pos), lastGroup = pos;
    std::size_t digits = end - pos;
    const std::size_t firstLength = end - pos;
    const bool leadingZero = s.text[pos] == u'0' && firstLength >= 3;
    bool dashed = false, spaced = false;
    for (;;) {
        if (end + 1 >= s.text.size() || !isDigit(s.text[end + 1]))
            break;
        const char16_t sep = s.text[end];
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
        const std::size_t next = digitsEnd(s.text, end + 1);
        if (sep == u' ' && next - (end + 1) < 3)
            break;
        digits += next - (end + 1);
        lastGroup = end + 1;
        end = next;
        ++groups;
    }
    if (end < s.text.size() && isAlnum(s.text[end])) {
        // "978-1-23-456789-0X": the group run into letters is not ours,
        // but the groups before it are read, so that no group is scanned
        // twice.
        if (groups <= 2)
            return npos;
        end = lastGroup - 1;
        --groups;
    }
    const bool phoneShape = (dashed && groups >= 3) ||
                            (groups == 2 && dashed && !spaced && firstLength == 3 && digits == 7) ||
                            (spaced && leadingZero && groups >= 2);
    if (!phoneShape)
        return npos;
    sayDigits(s, pos, end, u"oh");
    return end;
}

// The local part of a telephone number at i: "123-4567", "7946 0000",
// "123.4567", "1234567" (but not "300-400"). Returns its end, or npos.
std::size_t localNumberEnd(View text, std::size_t i) {
    const std::size_t e1 = digitsEnd(text, i);
    const std::size_t first = e1 - i;
    if (first >= 6 && first <= 8)
        return boundaryAt(text, e1) ? e1 : npos;
    if (first < 3 || first > 4 || e1 + 1 >= text.size() ||
        !(text[e1] == u'-' || text[e1] == u' ' || text[e1] == u'.'))
        return npos;
    const std::size_t e2 = digitsEnd(text, e1 + 1);
    if (e2 - (e1 + 1) != 4 || !boundaryAt(text, e2))
        return npos;
    return e2;
}

// "(555) 123-4567", "(020) 7946 0000": an area code in brackets before the
// local number.
std::size_t readAreaCodeNumber(Scan &s, std::size_t pos) {
    if (pos == 0 || s.text[pos - 1] != u'(')
        return npos;
    const std::size_t e = digitsEnd(s.text, pos);
    // North American area codes have three digits and start from 2; others
    // start with the trunk prefix 0.
    const bool shape =
        s.text[pos] == u'0' ? e - pos >= 3 && e - pos <= 5 : e - pos == 3 && s.text[pos] != u'1';
    if (!shape || e >= s.text.size() || s.text[e] != u')')
        return npos;
    const std::size_t local = skipSpaces(s.text, e + 1);
    if (local > e + 2)
        return npos;
    const std::size_t end = localNumberEnd(s.text, local);
    if (end == npos)
        return npos;
    sayDigits(s, pos, end, u"oh");
    return end;
}

// Reference numbers, read digit by digit: "ISBN 978-1-23-456789-0".
std::size_t readReferenceNumber(Scan &s, std::size_t pos) {
    if (!isAnyOfFolded(wordBefore(s.text, pos), {u"isbn", u"issn", u"tel", u"telephone", u"phone",
                                                 u"fax", u"mobile", u"dial", u"call"}))
        return npos;
    std::size_t end = pos;
    while (end < s.text.size() &&
           (isDigit(s.text[end]) || ((s.text[end] == u'-' || s.text[end] == u' ') &&
                                     end + 1 < s.text.size() && isDigit(s.text[end + 1]))))
        ++end;
    if (end - pos < 5 || (end < s.text.size() && isLetter(s.text[end])))
        return npos;
    sayDigits(s, pos, end, u"oh");
    return end;
}

std::size_t readFromDigit(Scan &s, std::size_t pos) {
    for (auto attempt :
         {&readReferenceNumber, &readZipCode, &readAreaCodeNumber, &readIpAddress, &readIsoDate,
          &readNumericDate, &readDigitGroups, &readTimes, &readRatio, &readDayFirstDate,
          &readOrdinal, &readDecade, &readShortDate, &readMonthYear, &readFraction}) {
        const std::size_t mark = s.speech.mark();
        const std::size_t end = attempt(s, pos);
        if (end != npos)
            return end;
        s.speech.rollback(mark);
    }
    return readQuantity(s, pos);
}

// The end of what was read, or npos.
std::size_t readAt(Scan &s, std::size_t pos) {
    const char16_t c = s.text[pos];
    if (isDigit(c))
        return readFromDigit(s, pos);
    if (c == u'.' && pos + 1 < s.text.size() && isDigit(s.text[pos + 1]) &&
        (pos == 0 || !isAlnum(s.text[pos - 1])))
        return readQuantity(s, pos);
    if (isCurrencySign(c))
        return readMoney(s, pos);
    if (c == u'-' || c == u'\u2212' || c == u'+')
        return readSigned(s, pos);
    if (isApostrophe(c))
        return readShortYear(s, pos);
    if (isVulgarFractionAt(s.text, pos)) {
        const std::size_t end = sayVulgarFraction(s, pos, false);
        return sayUnitAfter(s, end, false, false);
    }
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) {
        if (const std::size_t end = readCodeAmount(s, pos); end != npos)
            return end;
        return readMonthFirstDate(s, pos);
    }
    return npos;
}

} // namespace

// A numeral as a plain number: "four hundred and sixty four thousand",
// "two point five", "oh oh seven".
void sayNumber(Scan &s, const Numeral &n) {
    // Longer numbers in words only where commas group them; a plain run of
    // nineteen digits or more is a code, said digit by digit.
    if (!n.fits() && n.grouped && !n.leadingZero(s.text)) {
        std::u16string digits;
        for (std::size_t i = n.intBegin; i < n.intEnd; ++i) {
            if (isDigit(s.text[i]))
                digits += s.text[i];
        }
        if (!s.speech.cardinalOfDigits(digits, s.british))
            sayDigits(s, n.intBegin, n.intEnd, u"oh");
    } else if (!n.fits() || (n.leadingZero(s.text) && !n.point)) {
        sayDigits(s, n.intBegin, n.intEnd, u"oh");
    } else if (n.plainInteger() && n.value > 1000 && n.value < 2000 && n.value % 100 == 0) {
        // Round hundreds below two thousand go by hundreds: "fifteen hundred".
        s.speech.below100(static_cast<unsigned>(n.value / 100));
        s.speech.say(u"hundred");
    } else if (n.digitCount > 0) {
        s.speech.cardinal(n.value, s.british);
    }
    if (n.point) {
        s.speech.say(u"point");
        // "two point zero", but "one point oh seven".
        bool allZero = true;
        for (std::size_t i = n.fracBegin; i < n.fracEnd; ++i)
            allZero = allZero && s.text[i] == u'0';
        sayDigits(s, n.fracBegin, n.fracEnd, allZero ? u"zero" : u"oh");
    }
}

} // namespace orvanta::numbers

namespace orvanta {

std::size_t readNumericAt(std::u16string_view text, std::size_t pos, Variant variant,
                          std::u16string &out) {
    if (pos >= text.size())
        return 0;
    const std::size_t before = out.size();
    numbers::Scan scan{text, variant == Variant::British, numbers::Speech(out)};
    const std::size_t end = numbers::readAt(scan, pos);
    if (end == numbers::npos || end <= pos) {
        out.resize(before);
        return 0;
    }
    return end - pos;
}

} // namespace orvanta
