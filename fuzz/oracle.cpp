#include "oracle.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace orvanta::fuzz {

void fail(const char *what, std::u16string_view detail) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "*** detail (code units):");
        for (std::size_t i = 0; i < detail.size() && i < 400; ++i)
            std::fprintf(stderr, " %04X", static_cast<unsigned>(detail[i]));
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

std::u16string toUtf16(const std::uint8_t *data, std::size_t size) {
    std::u16string text;
    if (size == 0)
        return text;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    if (mode & 1) {
        text.reserve(size / 2);
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    } else {
        // Bytes as UTF-8 where they form it, so that the dictionaries' tokens
        // (dashes, typographic apostrophes, é) arrive as their characters,
        // and any other byte as Latin-1: dense in ASCII letters and punctuation.
        text.reserve(size);
        for (std::size_t i = 0; i < size;) {
            const std::uint8_t b = data[i];
            const std::size_t length = b >= 0xF0 && b < 0xF5 ? 4
                                       : b >= 0xE0           ? 3
                                       : b >= 0xC2           ? 2
                                                             : 1;
            char32_t c = length == 4 ? b & 0x07 : length == 3 ? b & 0x0F : b & 0x1F;
            bool valid = length > 1 && i + length <= size;
            for (std::size_t k = 1; valid && k < length; ++k) {
                valid = (data[i + k] & 0xC0) == 0x80;
                c = c << 6 | (data[i + k] & 0x3F);
            }
            valid = valid && !(length == 3 && (c < 0x800 || (c >= 0xD800 && c < 0xE000))) &&
                    !(length == 4 && (c < 0x10000 || c > 0x10FFFF));
            if (!valid) {
                text += static_cast<char16_t>(b);
                ++i;
                continue;
            }
            if (c >= 0x10000) {
                text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                text += static_cast<char16_t>(c);
            }
            i += length;
        }
    }
    return text;
}

bool isWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'\'';
}

bool isWordSeparator(char16_t c) {
    // Unicode's white space less the space itself (U+180E no longer is).
    static constexpr std::u16string_view separators =
        u"\t\n\v\f\r\u0085\u00A0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007"
        u"\u2008\u2009\u200A\u2028\u2029\u202F\u205F\u3000";
    return separators.find(c) != std::u16string_view::npos;
}

std::u16string referenceNormalize(std::u16string_view sentence) {
    // "eyem" holds no full stop, so one left-to-right pass leaves no "a.m.".
    std::u16string respelled;
    for (std::size_t i = 0; i < sentence.size();) {
        if (sentence.substr(i, 4) == u"a.m.") {
            respelled += u"eyem";
            i += 4;
        } else {
            respelled += sentence[i++];
        }
    }
    std::u16string out;
    for (const char16_t c : respelled) {
        char16_t kept;
        if (isWordCharacter(c) || c == u' ')
            kept = c;
        else if (isWordSeparator(c))
            kept = u' ';
        else
            continue;
        if (kept == u' ' && (out.empty() || out.back() == u' '))
            continue;
        out += kept;
    }
    if (!out.empty() && out.back() == u' ')
        out.pop_back();
    return out;
}

std::vector<std::u16string> splitSpaces(std::u16string_view text) {
    std::vector<std::u16string> pieces(1);
    for (const char16_t c : text) {
        if (c == u' ')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::u16string lowerAscii(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t &c : out)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return out;
}

bool isIpaSymbol(char16_t c) {
    static const std::u16string_view symbols = u"pbtdkɡfvθðszʃʒhmnŋwlrjɪeæɒʌʊəiɑɔuɜoaːˈˌ [],;()-";
    return symbols.find(c) != std::u16string_view::npos;
}

std::u16string referenceCyrillic(std::u16string_view ipa) {
    static const std::map<char16_t, std::u16string> table = {
        {u'p', u"п"}, {u'b', u"б"}, {u't', u"т"},  {u'd', u"д"},  {u'k', u"к"},  {u'g', u"г"},
        {u'ɡ', u"г"}, {u'f', u"ф"}, {u'v', u"в"},  {u'θ', u"СС"}, {u'ð', u"ЗЗ"}, {u's', u"с"},
        {u'z', u"з"}, {u'ʃ', u"ш"}, {u'ʒ', u"ж"},  {u'h', u"х"},  {u'ʧ', u"ч"},  {u'ʤ', u"дж"},
        {u'm', u"м"}, {u'n', u"н"}, {u'ŋ', u"нг"}, {u'w', u"у"},  {u'l', u"л"},  {u'r', u"р"},
        {u'j', u"й"}, {u'ɪ', u"и"}, {u'e', u"э"},  {u'æ', u"Э"},  {u'ɒ', u"о"},  {u'ʌ', u"а"},
        {u'u', u"у"}, {u'ʊ', u"у"}, {u'ə', u"э"},  {u'i', u"и"},  {u'ɑ', u"а"},  {u'ɔ', u"о"},
        {u'ɜ', u"э"}, {u'o', u"о"}, {u'a', u"а"},  {u':', u":"},  {u'ː', u":"},  {u'\'', u"'"},
        {u'ˈ', u"ˈ"}, {u'ˌ', u"ˌ"}, {u' ', u" "},  {u'[', u"["},  {u']', u"]"},  {u',', u","},
        {u';', u";"}, {u'(', u"("}, {u')', u")"},  {u'*', u"*"},
    };
    // "*" is the mark before a guessed word. "ч" is neither half of the
    // pair, so merging never makes a new pair.
    const auto merge = [](const std::u16string &converted) {
        std::u16string merged;
        for (std::size_t i = 0; i < converted.size(); ++i) {
            if (converted[i] == u'т' && i + 1 < converted.size() && converted[i + 1] == u'ш') {
                merged += u'ч';
                ++i;
            } else {
                merged += converted[i];
            }
        }
        return merged;
    };
    // Parenthesised words are copied as written, up to their ")" or the end.
    std::u16string result, converted;
    bool inWord = false;
    for (const char16_t c : ipa) {
        if (inWord) {
            result += c;
            inWord = c != u')';
        } else if (c == u'(') {
            result += merge(converted);
            converted.clear();
            result += c;
            inWord = true;
        } else if (const auto entry = table.find(c); entry != table.end()) {
            converted += entry->second;
        }
    }
    return result + merge(converted);
}

} // namespace orvanta::fuzz
