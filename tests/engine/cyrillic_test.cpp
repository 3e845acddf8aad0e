#include "engine/output/cyrillic.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(Cyrillic, TransliteratesRenderedIpa) {
    const struct {
        const char *name;
        std::u16string ipa, cyrillic;
    } cases[] = {
        {"the box: doubled letters for the th sounds", u"[\u00F0\u0259 \u02C8b\u0252ks]",
         u"[\u0417\u0417\u044D \u02C8\u0431\u043E\u043A\u0441]"},
        {"church: one letter for tsh", u"[t\u0283\u025C\u02D0t\u0283]", u"[\u0447\u044D:\u0447]"},
        {"thing: ng as two letters", u"[\u03B8\u026A\u014Bk]",
         u"[\u0421\u0421\u0438\u043D\u0433\u043A]"},
        {"happy: stress mark kept", u"[\u02C8h\u00E6pi]", u"[\u02C8\u0445\u042D\u043F\u0438]"},
        {"untranscribed words kept as written", u"[(Xyz) \u00F0\u0259 (don't) (\u0434\u0430)]",
         u"[(Xyz) \u0417\u0417\u044D (don't) (\u0434\u0430)]"},
        {"a pair is merged only among sounds", u"t(\u0442\u0448)\u0283 t\u0283",
         u"\u0442(\u0442\u0448)\u0448 \u0447"},
        {"an unclosed parenthesis keeps the rest", u"t\u0283 (abc", u"\u0447 (abc"},
        {"ligatures, both g, length marks and punctuation",
         u"\u02A7\u02A4g\u0261:\u02D0;,\u02CCwu\u028A",
         u"\u0447\u0434\u0436\u0433\u0433::;,\u02CC"
         u"\u0443\u0443\u0443"},
        {"characters without a letter", u"-0.9qxcyA\u00E9", u""},
        {"sentence without words", u"[]", u"[]"},
        {"empty", u"", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(transliterateToCyrillic(c.ipa), c.cyrillic) << c.name;
}

TEST(Cyrillic, KnowsExactlyFiftyOneCharacters) {
    int known = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        known +=
            transliterateToCyrillic(std::u16string(1, static_cast<char16_t>(c))).empty() ? 0 : 1;
    EXPECT_EQ(known, 51);
}

} // namespace
} // namespace orvanta
