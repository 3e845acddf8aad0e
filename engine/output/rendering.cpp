#include "engine/output/rendering.h"
#include "engine/output/ipa.h"
#include "engine/transcription_engine.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace orvanta {

namespace {

// Phonetic code -> IPA. Every code symbol is one ASCII character, so the
// table is indexed directly; characters without an entry render as nothing.
constexpr std::pair<char, std::u16string_view> ipaSymbols[] = {
    {'p', u"p"},
    {'b', u"b"},
    {'t', u"t"},
    {'d', u"d"},
    {'k', u"k"},
    {'g', u"\u0261"},
    {'f', u"f"},
    {'v', u"v"},
    {'T', u"\u03B8"},
    {'D', u"\u00F0"},
    {'s', u"s"},
    {'z', u"z"},
    {'S', u"\u0283"},
    {'Z', u"\u0292"},
    {'h', u"h"},
    {'C', u"t\u0283"},
    {'G', u"d\u0292"},
    {'m', u"m"},
    {'n', u"n"},
    {'N', u"\u014B"},
    {'w', u"w"},
    {'l', u"l"},
    {'r', u"r"},
    {'j', u"j"},
    {'I', u"\u026A"},
    {'e', u"e"},
    {'x', u"\u00E6"},
    {'P', u"\u0252"},
    {'A', u"\u028C"},
    {'u', u"\u028A"},
    {'q', u"\u0259"},
    {'i', u"i"},
    {'J', u"i\u02D0"},
    {'R', u"\u0251\u02D0"},
    {'L', u"\u0254\u02D0"},
    {'H', u"u\u02D0"},
    {'E', u"\u025C"},
    {'O', u"\u0254"},
    {'o', u"o"},
    {'a', u"a"},
    {':', u"\u02D0"},
    {'\'', u"\u02C8"},
    {'"', u"\u02CC"},
    {' ', u" "},
    {'[', u"["},
    {']', u"]"},
    {',', u","},
    {';', u";"},
    {'(', u"("},
    {')', u")"},
    {'-', u"-"},
};
static_assert(std::size(ipaSymbols) == 51);

// Indexed by the code character, with each symbol's units inline, so that
// rendering writes two units and advances by the symbol's length instead of
// appending a string per character.
struct InlineSymbol {
    char16_t units[2];
    unsigned char length;
};

constexpr std::array<InlineSymbol, 128> inlineByCode = [] {
    std::array<InlineSymbol, 128> table{};
    for (const auto &[code, ipa] : ipaSymbols) {
        InlineSymbol &symbol = table[static_cast<unsigned char>(code)];
        symbol.length = static_cast<unsigned char>(ipa.size());
        for (std::size_t i = 0; i < ipa.size(); ++i)
            symbol.units[i] = ipa[i];
    }
    return table;
}();
static_assert(std::ranges::all_of(ipaSymbols,
                                  [](const auto &symbol) { return symbol.second.size() <= 2; }));

} // namespace

std::u16string TranscriptionEngine::renderIpa(const std::u16string &code) const {
    std::u16string ipa;
    rules::appendIpa(code, ipa);
    return ipa;
}

void rules::appendIpa(std::u16string_view code, std::u16string &out) {
    const std::size_t at = out.size();
    out.resize(at + 2 * code.size());
    char16_t *const begin = out.data() + at;
    char16_t *next = begin;
    for (const char16_t c : code) {
        if (c < inlineByCode.size()) {
            const InlineSymbol &symbol = inlineByCode[c];
            next[0] = symbol.units[0];
            next[1] = symbol.units[1];
            next += symbol.length;
        }
    }
    out.resize(at + static_cast<std::size_t>(next - begin));
}

} // namespace orvanta

namespace orvanta {

std::u16string_view ipaSymbolOf(char16_t code) {
    if (code >= inlineByCode.size())
        return {};
    const InlineSymbol &symbol = inlineByCode[code];
    return {symbol.units, symbol.length};
}

} // namespace orvanta
