// Letters beyond ASCII: Latin letters with diacritics folded to their base
// letters, other scripts kept as they are, Greek letters said by name; and
// the character classes the sentence cutter shares with the reading.

#include "engine/reading/reader.h"

#include <array>
#include <vector>

namespace orvanta::reading {

namespace {

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

} // namespace

bool isWordLetter(char16_t c) {
    return isAsciiLetter(c) ||
           (c >= 0xC0 && (isCombiningMark(c) || !foldedLatin(c).empty() || isOtherScriptLetter(c)));
}

namespace {

constexpr std::array<std::u16string_view, 25> greekNames = {
    u"alpha", u"beta",   u"gamma",   u"delta", u"epsilon", u"zeta",    u"eta",  u"theta", u"iota",
    u"kappa", u"lambda", u"mu",      u"nu",    u"xi",      u"omicron", u"pi",   u"rho",   u"sigma",
    u"sigma", u"tau",    u"upsilon", u"phi",   u"chi",     u"psi",     u"omega"};

} // namespace

// The names of the Greek letters, lower and upper case alike.
std::u16string_view greekLetterName(char16_t c) {
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return greekNames[c - 0x391];
    if (c >= 0x3B1 && c <= 0x3C9)
        return greekNames[c - 0x3B1];
    return {};
}

bool containsOtherScript(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c >= 0x180 && isOtherScriptLetter(c))
            return true;
    }
    return false;
}

// Typographic apostrophes become ASCII; letters with diacritics fold to
// their base letters unless the dictionary knows the word with them;
// combining marks go; letters of other scripts stay.
std::u16string cleanedWord(const Reading &r, std::u16string_view text) {
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
        if (r.context.knownWord(lower))
            return lower;
    }
    return result;
}

bool isLetter(char16_t c) {
    return isWordLetter(narrowed(c));
}

void addScriptWords(std::vector<std::u16string_view> &words) {
    words.insert(words.end(), greekNames.begin(), greekNames.end());
}

} // namespace orvanta::reading
