#include "engine/transcription_engine.h"
#include "test_dictionary.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const TranscriptionEngine engine;

TEST(Normalisation, KeepsLettersDigitsApostrophesAndSingleSpaces) {
    const struct {
        std::u16string sentence, normalised;
    } cases[] = {
        {u"Hello world.", u"Hello world"},
        {u"  Don't  stop - now!\n", u"Don't stop now"},
        {u"It is 7 a.m.", u"It is 7 eyem"},
        {u"It is 7 A.M. or p.m.", u"It is 7 AM or pm"},
        {u"xa.m.a.m.y", u"xeyemeyemy"},
        {u"one\ttwo", u"one two"},
        {u"Mr.\u00A0Smith\u3000and\u2009co\fend", u"Mr Smith and co end"},
        {u"one\r\ntwo", u"one two"},
        {u"well-known U.S.A \u2019caf\u00E9\u2019", u"wellknown USA caf"},
        {u"?!", u""},
        {u" \n", u""},
        {u"42", u"42"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.normalizeSentence(c.sentence), c.normalised);
    EXPECT_EQ(engine.normalizeSentence(u"a" + std::u16string(1 << 20, u' ') + u"b!"), u"a b");
}

TEST(SentenceTranscription, TranscribesWordByWordInBrackets) {
    test_support::useDictionary({{"the", "DJ"}, {"box", "bPks"}, {"apple", "'xpl"}});
    const struct {
        std::u16string sentence, transcription;
    } cases[] = {
        {u"The box.", u"[\u00F0\u0259 b\u0252ks]"},
        {u"the apple!\n", u"[\u00F0i\u02D0 \u02C8\u00E6pl]"},
        {u"The Xbox-box?", u"[\u00F0i\u02D0 (Xboxbox)]"},
        {u"?!", u"[()]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.transcribeSentence(c.sentence), c.transcription);
}

TEST(PhraseAdjustment, WeakFormsAndLinkingR) {
    using Words = std::vector<std::u16string>;
    const struct {
        Words words;
        std::u16string code, ipa;
    } cases[] = {
        {{u"the", u"box"}, u"DJ 'bPks", u"\u00F0\u0259 \u02C8b\u0252ks"},
        {{u"the", u"apple"}, u"DJ 'xpl", u"\u00F0i\u02D0 \u02C8\u00E6pl"},
        {{u"to", u"show"}, u"tu \"SqU", u"t\u0259 \u02CC\u0283\u0259"},
        {{u"go", u"to"}, u"gqU tu", u"\u0261\u0259 t\u028A"},
        {{u"far", u"off"}, u"fR Pf", u"f\u0251\u02D0r \u0252f"},
        {{u"far", u"down"}, u"fR daUn", u"f\u0251\u02D0 dan"},
        {{u"far", u"off"}, u"fRr Pf", u"f\u0251\u02D0r \u0252f"},
        {{u"FAR", u"off"}, u"fR Pf", u"f\u0251\u02D0 \u0252f"},
        {{u"for", u"a", u"law", u"in"}, u"fq q L In", u"f\u0259r \u0259 \u0254\u02D0r \u026An"},
        {{u"idea", u"a", u"x"}, u"aIdIq q Ix", u"a\u026Ad\u026A\u0259r \u0259 \u026A\u00E6"},
        {{u"a", u"apple", u"a"}, u"q 'xpl q", u"\u0259 \u02C8\u00E6pl \u0259"},
        {{u"Box", u"the", u"Ox"}, u"(Box) DJ (Ox)", u"(Box) \u00F0i\u02D0 (Ox)"},
        {{u"far", u"Ox"}, u"fR (Ox)", u"f\u0251\u02D0 (Ox)"},
        {{u"to", u"be"}, u"tu b", u"t\u028A b"},
        {{u"a", u"", u"b"}, u"pq  b", u"p\u0259  b"},
        // More pieces than words: the extra pieces have no written r.
        {{u"air"}, u"eq Iq Iz", u"e\u0259r \u026A\u0259r \u026Az"},
        {{}, u"DJ bPks", u"\u00F0\u0259 b\u0252ks"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.adjustPhrase(c.words, c.code), c.ipa)
            << "code: " << std::string(c.code.begin(), c.code.end());
}

} // namespace
} // namespace orvanta
