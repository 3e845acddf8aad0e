#include "engine/output/ipa.h"

#include <array>
#include <utility>

namespace orvanta {

namespace {

// IPA symbol -> code, with the symbols of up to two code units that rendering
// writes for one code character, and the typed variants that mean the same.
struct Reading {
    std::u16string_view ipa;
    char16_t code;
};

constexpr std::size_t maxReadings = 64;

struct ReadingTable {
    std::array<Reading, maxReadings> readings{};
    std::size_t count = 0;
};

constexpr Reading typedVariants[] = {
    {u"\u02A7", u'C'}, // ʧ, the tʃ ligature
    {u"\u02A4", u'G'}, // ʤ, the dʒ ligature
};

// Characters typed for a symbol that rendering writes otherwise; they are
// read as that symbol wherever it occurs, so that "ɑ:" is ɑː as well.
char16_t canonical(char16_t c) {
    switch (c) {
    case u'g':
        return u'\u0261';
    case u':':
        return u'\u02D0';
    case u'\'':
        return u'\u02C8';
    case u'\u0279': // ɹ, the narrower symbol for English r
        return u'r';
    default:
        return c;
    }
}

bool readsAs(std::u16string_view typed, std::u16string_view symbol) {
    if (typed.size() < symbol.size())
        return false;
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        if (canonical(typed[i]) != symbol[i])
            return false;
    }
    return true;
}

const ReadingTable &readingTable() {
    static const ReadingTable table = [] {
        ReadingTable t;
        for (char16_t code = 0; code < 128; ++code) {
            const std::u16string_view ipa = ipaSymbolOf(code);
            if (!ipa.empty())
                t.readings[t.count++] = {ipa, code};
        }
        for (const Reading &variant : typedVariants)
            t.readings[t.count++] = variant;
        return t;
    }();
    return table;
}

// Sounds that other transcriptions write with symbols of their own.
constexpr std::pair<std::u16string_view, std::u16string_view> suggestions[] = {
    {u"\u025A", u"\u0259r"},       // ɚ -> ər
    {u"\u025D", u"\u025C\u02D0r"}, // ɝ -> ɜːr
    {u"\u025B", u"e"},             // ɛ -> e
    {u"\u0250", u"\u028C"},        // ɐ -> ʌ
    {u"\u0251", u"\u0251\u02D0"},  // ɑ -> ɑː
    {u"u", u"u\u02D0"},            // u -> uː
    {u"\u027E", u"t"},             // ɾ -> t
    {u"\u0294", u"t"},             // ʔ -> t
    {u"\u026B", u"l"},             // ɫ -> l
    {u"\u1D7B", u"\u026A"},        // ᵻ -> ɪ
    {u"\u0289", u"u\u02D0"},       // ʉ -> uː
    {u"y", u"j"},                  // y -> j
    {u"c", u"k"},                  // c -> k
};

std::u16string_view suggestionFor(std::u16string_view symbol) {
    for (const auto &[refused, instead] : suggestions) {
        if (refused == symbol)
            return instead;
    }
    return {};
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

IpaParse parseIpa(std::u16string_view ipa) {
    const ReadingTable &table = readingTable();
    IpaParse result;
    result.code.reserve(ipa.size());
    for (std::size_t at = 0; at < ipa.size();) {
        const Reading *best = nullptr;
        for (std::size_t i = 0; i < table.count; ++i) {
            const Reading &reading = table.readings[i];
            if (readsAs(ipa.substr(at), reading.ipa) &&
                (!best || reading.ipa.size() > best->ipa.size()))
                best = &reading;
        }
        if (!best) {
            const std::size_t length =
                isHighSurrogate(ipa[at]) && at + 1 < ipa.size() && isLowSurrogate(ipa[at + 1]) ? 2
                                                                                               : 1;
            result.code.clear();
            result.refusedSymbol = std::u16string(ipa.substr(at, length));
            result.refusedAt = at;
            result.suggestion = suggestionFor(result.refusedSymbol);
            return result;
        }
        result.code += best->code;
        at += best->ipa.size();
    }
    return result;
}

} // namespace orvanta
