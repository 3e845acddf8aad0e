#include "engine/lexicon/word_rules.h"
#include "engine/transcription_engine.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using rules::SoundClass;

const PronunciationDictionary noWords;
const TranscriptionEngine engine(noWords);

TEST(RenderIpa, RendersCodeSymbolBySymbol) {
    const struct {
        const char *name;
        std::u16string code, ipa;
    } cases[] = {
        {"stress mark and a long vowel", u"'DJ", u"\u02C8\u00F0i\u02D0"},
        {"one code letter for tsh", u"'Cek", u"\u02C8t\u0283ek"},
        {"colon as length mark", u"E:", u"\u025C\u02D0"},
        {"J and i: alike", u"Ji:", u"i\u02D0i\u02D0"},
        {"short vowels in a row", u"eIIq", u"e\u026A\u026A\u0259"},
        {"secondary stress and the other letters", u"\"GRNTSZgxPAuLHO",
         u"\u02CCd\u0292\u0251\u02D0\u014B\u03B8\u0283\u0292\u0261\u00E6"
         u"\u0252\u028C\u028A\u0254\u02D0u\u02D0\u0254"},
        {"untranscribed word rendered as code too", u"(Box)", u"(o\u00E6)"},
        {"characters that are no symbol", u"0123456789QWFV.!?BKMUXYcy\uFF80\u00E6", u""},
        {"spaces, brackets and punctuation kept", u" [],;-", u" [],;-"},
        {"empty", u"", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.renderIpa(c.code), c.ipa) << c.name;
}

TEST(SoundClasses, ClassifyEveryCodeLetter) {
    const struct {
        std::u16string letters;
        SoundClass sound;
    } cases[] = {
        {u":qeuioaxQWERIOPAFHJLV", SoundClass::Vowel},
        {u"wrdgjlzvbnmDGZN", SoundClass::Voiced},
        {u"tspfhkTSC", SoundClass::Voiceless},
        {u" ()[]-'\"y0\uFF80", SoundClass::Other},
    };
    for (const auto &c : cases) {
        for (const char16_t letter : c.letters)
            EXPECT_EQ(rules::classifySound(letter), c.sound) << static_cast<char>(letter);
    }
}

TEST(SoundClasses, EndingsFollowTheLastSound) {
    const struct {
        char16_t last;
        std::u16string ed, s;
    } cases[] = {
        {u't', u"Id", u"s"}, {u'd', u"Id", u"z"}, {u'T', u"t", u"s"},  {u'D', u"d", u"z"},
        {u'k', u"t", u"s"},  {u'n', u"d", u"z"},  {u'e', u"d", u"z"},  {u':', u"d", u"z"},
        {u'N', u"d", u"z"},  {u'I', u"d", u"z"},  {u's', u"t", u"Iz"}, {u'z', u"d", u"Iz"},
        {u'S', u"t", u"Iz"}, {u'Z', u"d", u"Iz"}, {u'C', u"t", u"Iz"}, {u'G', u"d", u"Iz"},
        {u')', u"", u""},    {u'\'', u"", u""},   {u']', u"", u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("after ") + static_cast<char>(c.last));
        EXPECT_EQ(rules::edEnding(c.last), c.ed);
        EXPECT_EQ(rules::inflectionEnding(c.last, u"ed"), c.ed);
        EXPECT_EQ(rules::inflectionEnding(c.last, u"d"), c.ed);
        EXPECT_EQ(rules::sEnding(c.last), c.s);
        EXPECT_EQ(rules::inflectionEnding(c.last, u"es"), c.s);
        // The remaining suffixes never depend on the stem.
        EXPECT_EQ(rules::inflectionEnding(c.last, u"ing"), u"IN");
        EXPECT_EQ(rules::inflectionEnding(c.last, u"ly"), u"li");
        EXPECT_EQ(rules::inflectionEnding(c.last, u"est"), u"Ist");
        EXPECT_EQ(rules::inflectionEnding(c.last, u"er"), u"q");
        EXPECT_EQ(rules::inflectionEnding(c.last, u"e"), u"");
        EXPECT_EQ(rules::inflectionEnding(c.last, u""), u"");
    }
}

} // namespace
} // namespace orvanta
