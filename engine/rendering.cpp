#include "engine/transcription_engine.h"

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

constexpr std::array<std::u16string_view, 128> ipaByCode = [] {
    std::array<std::u16string_view, 128> table{};
    for (const auto &[code, ipa] : ipaSymbols)
        table[static_cast<unsigned char>(code)] = ipa;
    return table;
}();

} // namespace

std::u16string TranscriptionEngine::renderIpa(const std::u16string &code) const {
    std::u16string ipa;
    ipa.reserve(code.size() + code.size() / 2);
    for (const char16_t c : code) {
        if (c < ipaByCode.size())
            ipa.append(ipaByCode[c]);
    }
    return ipa;
}

} // namespace orvanta
