// Web and e-mail addresses, said part by part ("w w w dot ... dot com").

#include "engine/reading/reader.h"

#include <algorithm>
#include <array>

namespace orvanta::reading {

namespace {

// name.com, BioLib.cz: a dotted name whose last part is a common
// top-level domain.
bool endsInDomain(std::u16string_view chunk) {
    const std::size_t dot = chunk.rfind(u'.');
    if (dot == std::u16string_view::npos || dot == 0 ||
        chunk.find(u'@') != std::u16string_view::npos)
        return false;
    const std::u16string_view last = chunk.substr(dot + 1);
    static constexpr std::array<std::u16string_view, 30> domains = {
        u"com", u"org", u"net", u"edu", u"gov", u"mil", u"int", u"info", u"biz", u"io",
        u"co",  u"uk",  u"de",  u"fr",  u"ru",  u"cz",  u"jp",  u"cn",   u"au",  u"ca",
        u"eu",  u"tv",  u"nl",  u"it",  u"xyz", u"app", u"dev", u"ai",   u"me",  u"us"};
    return std::find(domains.begin(), domains.end(), last) != domains.end() &&
           isAsciiLetter(chunk[dot - 1]);
}

} // namespace

// Addresses show themselves right after their first letters (www.,
// http:, name@, name.com, my-site.com): only then is the whole piece
// worth a look.
bool mayBeAddress(const Reading &r, std::size_t i) {
    std::size_t j = i;
    while (j < r.sentence.size() && isAsciiLetter(r.sentence[j]))
        ++j;
    if (j + 1 >= r.sentence.size())
        return false;
    const char16_t c = r.sentence[j];
    return c == u'.' || c == u'@' || c == u':' || c == u'_' || c == u'-' || c == u'/' || isDigit(c);
}

// The end of a web or e-mail address starting at `i`, or 0.
std::size_t addressEnd(const Reading &r, std::size_t i) {
    const std::size_t n = r.sentence.size();
    std::size_t end = i;
    bool at = false, scheme = false, dot = false;
    while (end < n && !isSpace(r.sentence[end]) && r.sentence[end] < 0x80 &&
           r.sentence[end] != u'"' && r.sentence[end] != u'<' && r.sentence[end] != u'>') {
        const char16_t c = r.sentence[end];
        if (c == u'@')
            at = true;
        else if (c == u':' && end + 2 < n && r.sentence[end + 1] == u'/' &&
                 r.sentence[end + 2] == u'/')
            scheme = true;
        else if (c == u'.' && end + 1 < n && isAsciiLetter(r.sentence[end + 1]))
            dot = true;
        ++end;
    }
    while (end > i && (isPauseMark(r.sentence[end - 1]) || r.sentence[end - 1] == u')' ||
                       r.sentence[end - 1] == u'\''))
        --end;
    const std::u16string_view chunk = r.sentence.substr(i, end - i);
    const bool www =
        chunk.size() > 4 && (chunk.substr(0, 4) == u"www." || chunk.substr(0, 4) == u"WWW.");
    if (!scheme && !www && !(at && dot) && !(dot && endsInDomain(chunk)))
        return 0;
    return end;
}

std::size_t readAddress(Reading &r, std::size_t i, std::size_t end) {
    std::size_t k = i;
    while (k < end) {
        const char16_t c = r.sentence[k];
        if (isAsciiLetter(c)) {
            std::size_t to = k;
            while (to < end && isAsciiLetter(r.sentence[to]))
                ++to;
            const std::u16string_view word = r.sentence.substr(k, to - k);
            std::u16string lower(word);
            for (char16_t &l : lower)
                l = lowerAscii(l);
            if (lower == u"www") {
                r.emit(u"w w w");
            } else if (lower == u"http" || lower == u"https" || lower == u"ftp") {
                for (const char16_t l : lower)
                    r.emitLetter(l);
                // The scheme's "://" is not said: "h t t p s example dot
                // com" is how an address is read out. A pause parts its
                // letters from those of "www".
                if (k == i && to + 3 <= end && r.sentence.substr(to, 3) == u"://") {
                    r.emitPause(u',');
                    k = to + 3;
                    continue;
                }
            } else if (k > i && r.sentence[k - 1] == u'.' && lower.size() <= 3 &&
                       !r.context.knownWord(lower)) {
                // Short domain parts are letters: edu, uk.
                for (const char16_t l : lower)
                    r.emitLetter(l);
            } else if (r.context.knownWord(lower)) {
                r.emit(lower);
            } else {
                Token part;
                part.text = word;
                readToken(r, part, to);
            }
            k = to;
            continue;
        }
        if (isDigit(c)) {
            r.emit(digitNames[c - u'0']);
            ++k;
            continue;
        }
        switch (c) {
        case u'.':
            r.emit(u"dot");
            break;
        case u'/':
            // "://" is said "colon slash slash".
            r.emit(u"slash");
            break;
        case u':':
            r.emit(u"colon");
            break;
        case u'@':
            r.emit(u"at");
            break;
        case u'-':
            r.emit(u"dash");
            break;
        case u'_':
            r.emit(u"underscore");
            break;
        case u'?':
            r.emit(u"question mark");
            break;
        case u'=':
            r.emit(u"equals");
            break;
        case u'&':
            r.emit(u"and");
            break;
        case u'#':
            r.emit(u"hash");
            break;
        case u'~':
            r.emit(u"tilde");
            break;
        default:
            break;
        }
        ++k;
    }
    r.setPrevious(false, false, false);
    return end;
}

} // namespace orvanta::reading
