#include "engine/output/cyrillic.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace orvanta {

namespace {

// IPA -> Cyrillic, sorted by code unit for binary search. θ, ð and æ get
// capitals (СС, ЗЗ, Э) to keep them apart from s, z and e/ə.
constexpr std::pair<char16_t, std::u16string_view> cyrillicTable[] = {
    {u' ', u" "},
    {u'\'', u"'"},
    {u'(', u"("},
    {u')', u")"},
    {u'*', u"*"},
    {u',', u","},
    {u':', u":"},
    {u';', u";"},
    {u'[', u"["},
    {u']', u"]"},
    {u'a', u"\u0430"},
    {u'b', u"\u0431"},
    {u'd', u"\u0434"},
    {u'e', u"\u044D"},
    {u'f', u"\u0444"},
    {u'g', u"\u0433"},
    {u'h', u"\u0445"},
    {u'i', u"\u0438"},
    {u'j', u"\u0439"},
    {u'k', u"\u043A"},
    {u'l', u"\u043B"},
    {u'm', u"\u043C"},
    {u'n', u"\u043D"},
    {u'o', u"\u043E"},
    {u'p', u"\u043F"},
    {u'r', u"\u0440"},
    {u's', u"\u0441"},
    {u't', u"\u0442"},
    {u'u', u"\u0443"},
    {u'v', u"\u0432"},
    {u'w', u"\u0443"},
    {u'z', u"\u0437"},
    {u'\u00E6', u"\u042D"},       // æ
    {u'\u00F0', u"\u0417\u0417"}, // ð
    {u'\u014B', u"\u043D\u0433"}, // ŋ
    {u'\u0251', u"\u0430"},       // ɑ
    {u'\u0252', u"\u043E"},       // ɒ
    {u'\u0254', u"\u043E"},       // ɔ
    {u'\u0259', u"\u044D"},       // ə
    {u'\u025C', u"\u044D"},       // ɜ
    {u'\u0261', u"\u0433"},       // ɡ
    {u'\u026A', u"\u0438"},       // ɪ
    {u'\u0283', u"\u0448"},       // ʃ
    {u'\u028A', u"\u0443"},       // ʊ
    {u'\u028C', u"\u0430"},       // ʌ
    {u'\u0292', u"\u0436"},       // ʒ
    {u'\u02A4', u"\u0434\u0436"}, // ʤ
    {u'\u02A7', u"\u0447"},       // ʧ
    {u'\u02C8', u"\u02C8"},       // ˈ
    {u'\u02CC', u"\u02CC"},       // ˌ
    {u'\u02D0', u":"},            // ː
    {u'\u03B8', u"\u0421\u0421"}, // θ
};
static_assert(std::size(cyrillicTable) == 52);
static_assert(std::is_sorted(std::begin(cyrillicTable), std::end(cyrillicTable),
                             [](const auto &a, const auto &b) { return a.first < b.first; }));

std::u16string_view cyrillicOf(char16_t c) {
    const auto *it =
        std::lower_bound(std::begin(cyrillicTable), std::end(cyrillicTable), c,
                         [](const auto &entry, char16_t key) { return entry.first < key; });
    if (it == std::end(cyrillicTable) || it->first != c)
        return {};
    return it->second;
}

} // namespace

// A word the dictionary does not know stands in parentheses as it was
// written: it is spelling, not sounds, so it is copied as it is. Spelled
// through the table its capitals, its c, q, x and y and any other script
// would vanish ("(Xbox)" would be "(бо)", "(да)" would be "()").
std::u16string transliterateToCyrillic(std::u16string ipa) {
    std::u16string result;
    result.reserve(ipa.size() + ipa.size() / 4);
    // Where the sounds written since the last kept word begin: a pair is
    // merged only among them.
    std::size_t soundsStart = 0;
    for (std::size_t i = 0; i < ipa.size(); ++i) {
        if (ipa[i] == u'(') {
            const std::size_t close = ipa.find(u')', i);
            const std::size_t end = close == std::u16string::npos ? ipa.size() : close + 1;
            result.append(ipa, i, end - i);
            soundsStart = result.size();
            i = end - 1;
            continue;
        }
        for (const char16_t letter : cyrillicOf(ipa[i])) {
            // IPA writes the affricate as t + ʃ. "ч" is neither half of
            // the pair, so merging never makes a new one.
            if (letter == u'\u0448' && result.size() > soundsStart && result.back() == u'\u0442')
                result.back() = u'\u0447';
            else
                result += letter;
        }
    }
    return result;
}

} // namespace orvanta
