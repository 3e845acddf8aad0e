#include "engine/output/ipa.h"
#include "engine/transcription_engine.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const TranscriptionEngine engine;

// Every code character that renders to something.
std::u16string renderableCode() {
    std::u16string code;
    for (char16_t c = 0; c < 128; ++c) {
        if (!ipaSymbolOf(c).empty())
            code += c;
    }
    return code;
}

TEST(ParseIpa, ReadsBackEverySymbolItRenders) {
    const std::u16string all = renderableCode();
    for (const char16_t c : all) {
        const std::u16string code(1, c);
        const IpaParse parse = parseIpa(engine.renderIpa(code));
        ASSERT_TRUE(parse.ok()) << static_cast<char>(c);
        EXPECT_EQ(parse.code, code) << static_cast<char>(c);
    }
    // And the whole alphabet at once, where each symbol meets its neighbours.
    const IpaParse parse = parseIpa(engine.renderIpa(all));
    ASSERT_TRUE(parse.ok());
    EXPECT_EQ(engine.renderIpa(parse.code), engine.renderIpa(all));
}

TEST(ParseIpa, ReadsWordsAsTheDictionariesWriteThem) {
    const struct {
        const char *name;
        std::u16string ipa, code;
    } cases[] = {
        {"church", u"\u02C8t\u0283\u025C\u02D0t\u0283", u"'CE:C"},
        {"judge", u"\u02C8d\u0292\u028Cd\u0292", u"'GAG"},
        {"father", u"\u02C8f\u0251\u02D0\u00F0\u0259", u"'fRDq"},
        {"thought", u"\u02C8\u03B8\u0254\u02D0t", u"'TLt"},
        {"boy", u"b\u02C8\u0254\u026A", u"b'OI"},
        {"secondaryStress", u"\u02CCk\u00E6", u"\"kx"},
        {"longIWithMark", u"si\u02D0", u"sJ"},
        {"lengthAfterShortVowel", u"e\u02D0", u"e:"},
        {"typedLigatures", u"\u02A7\u02A4", u"CG"},
        {"typedAsciiMarks", u"'g\u0251:", u"'gR"},
        {"narrowR", u"\u0279ed", u"red"},
        {"empty", u"", u""},
    };
    for (const auto &c : cases) {
        const IpaParse parse = parseIpa(c.ipa);
        ASSERT_TRUE(parse.ok()) << c.name;
        EXPECT_EQ(parse.code, c.code) << c.name;
    }
}

// Every sound of British and American English, as a teacher writes the
// words, comes back unchanged through the code.
TEST(ParseIpa, KeepsEverySoundOfEnglishThroughTheCode) {
    const struct {
        const char *word;
        std::u16string ipa;
    } cases[] = {
        {"church", u"\u02C8t\u0283\u025C\u02D0t\u0283"},
        {"judge", u"\u02C8d\u0292\u028Cd\u0292"},
        {"thinking", u"\u02C8\u03B8\u026A\u014Bk\u026A\u014B"},
        {"mother", u"\u02C8m\u028C\u00F0\u0259"},
        {"measure", u"\u02C8me\u0292\u0259"},
        {"sheep", u"\u0283i\u02D0p"},
        {"happy", u"\u02C8h\u00E6pi"},
        {"father", u"\u02C8f\u0251\u02D0\u00F0\u0259"},
        {"hot dog", u"h\u0252t d\u0252\u0261"},
        {"thought", u"\u03B8\u0254\u02D0t"},
        {"good food", u"\u0261\u028Ad fu\u02D0d"},
        {"day, my, boy", u"de\u026A, ma\u026A, b\u0254\u026A"},
        {"go now", u"\u0261\u0259\u028A na\u028A"},
        {"American go", u"\u0261o\u028A"},
        {"near, hair, pure", u"n\u026A\u0259, he\u0259, pj\u028A\u0259"},
        {"yes, very well", u"jes, \u02C8veri wel"},
        {"lazy zebra", u"\u02C8le\u026Azi \u02C8zebr\u0259"},
        {"American bird", u"b\u025C\u02D0rd"},
        {"secondary stress", u"\u02CCk\u028C\u014Bv\u0259\u02C8se\u026A\u0283n"},
    };
    for (const auto &c : cases) {
        const IpaParse parse = parseIpa(c.ipa);
        ASSERT_TRUE(parse.ok()) << c.word;
        EXPECT_EQ(engine.renderIpa(parse.code), c.ipa) << c.word;
    }
}

TEST(ParseIpa, NamesTheFirstSymbolWithoutCode) {
    const struct {
        const char *name;
        std::u16string ipa, refused;
        std::size_t at;
        std::u16string suggestion;
    } cases[] = {
        {"rColouredSchwa", u"\u02C8b\u025Ad", u"\u025A", 2, u"\u0259r"},
        {"openE", u"b\u025Bd", u"\u025B", 1, u"e"},
        {"shortBackA", u"f\u0251\u00F0", u"\u0251", 1, u"\u0251\u02D0"},
        {"bareU", u"fud", u"u", 1, u"u\u02D0"},
        {"capitalLatin", u"Kat", u"K", 0, u""},
        {"digit", u"k2", u"2", 1, u""},
        {"tab", u"k\tx", u"\t", 1, u""},
        {"combiningTilde", u"\u00E6\u0303", u"\u0303", 1, u""},
        {"surrogatePairStaysWhole", u"k\U0001D4B6", u"\U0001D4B6", 1, u""},
        {"loneSurrogate", u"k\xD835", u"\xD835", 1, u""},
        {"fullStopBetweenSyllables", u"k\u00E6.t", u".", 2, u""},
    };
    for (const auto &c : cases) {
        const IpaParse parse = parseIpa(c.ipa);
        EXPECT_FALSE(parse.ok()) << c.name;
        EXPECT_EQ(parse.refusedSymbol, c.refused) << c.name;
        EXPECT_EQ(parse.refusedAt, c.at) << c.name;
        EXPECT_EQ(parse.suggestion, c.suggestion) << c.name;
        EXPECT_TRUE(parse.code.empty()) << c.name;
    }
}

} // namespace
} // namespace orvanta
