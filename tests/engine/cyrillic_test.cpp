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
        // Whole words in the usual Russian spelling of English sounds.
        {"measure, usual", u"[\u02C8me\u0292\u0259 \u02C8ju\u02D0\u0292u\u0259l]",
         u"[\u02C8\u043C\u044D\u0436\u044D \u02C8\u0439\u0443:\u0436\u0443\u044D\u043B]"},
        {"that thing", u"[\u00F0\u00E6t \u03B8\u026A\u014B]",
         u"[\u0417\u0417\u042D\u0442 \u0421\u0421\u0438\u043D\u0433]"},
        {"judge", u"[d\u0292\u028Cd\u0292]", u"[\u0434\u0436\u0430\u0434\u0436]"},
        {"father, hot, thought, good",
         u"[\u02C8f\u0251\u02D0\u00F0\u0259, h\u0252t, \u03B8\u0254\u02D0t, \u0261\u028Ad]",
         u"[\u02C8\u0444\u0430:\u0417\u0417\u044D, \u0445\u043E\u0442, "
         u"\u0421\u0421\u043E:\u0442, \u0433\u0443\u0434]"},
        {"American go, British bird", u"[\u0261o\u028A; b\u025C\u02D0d]",
         u"[\u0433\u043E\u0443; \u0431\u044D:\u0434]"},
        {"wet yellow", u"[wet \u02C8jel\u0259\u028A]",
         u"[\u0443\u044D\u0442 \u02C8\u0439\u044D\u043B\u044D\u0443]"},
        {"sheep, cat, ask", u"[\u0283i\u02D0p k\u00E6t \u0251\u02D0sk]",
         u"[\u0448\u0438:\u043F \u043A\u042D\u0442 \u0430:\u0441\u043A]"},
        {"my vivid zoo", u"[ma\u026A \u02C8v\u026Av\u026Ad zu\u02D0]",
         u"[\u043C\u0430\u0438 \u02C8\u0432\u0438\u0432\u0438\u0434 \u0437\u0443:]"},
        {"all right, with both stresses", u"[\u02CC\u0254\u02D0l\u02C8ra\u026At]",
         u"[\u02CC\u043E:\u043B\u02C8\u0440\u0430\u0438\u0442]"},
        {"characters without a letter", u"-0.9qxcyA\u00E9", u""},
        {"capital Latin letters and other marks", u"ABCXYZ!?\"-_.\u0254\u0303", u"\u043E"},
        {"sentence without words", u"[]", u"[]"},
        {"guessed word keeps its mark", u"[*\u02C8k\u00E6t]", u"[*\u02C8\u043A\u042D\u0442]"},
        {"empty", u"", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(transliterateToCyrillic(c.ipa), c.cyrillic) << c.name;
}

} // namespace
} // namespace orvanta
