#include "engine/lexicon/word_rules.h"
#include "engine/speech/phrase.h"
#include "engine/transcription_engine.h"
#include "support.h"

#include "engine/text/text.h"

#include <gtest/gtest.h>

#include <random>

namespace orvanta {
namespace {

using rules::normalizeSentence;
using test_support::dictionaryOf;

TEST(Normalisation, KeepsLettersDigitsApostrophesAndSingleSpaces) {
    const struct {
        const char *name;
        std::u16string sentence, normalised;
    } cases[] = {
        {"final mark dropped", u"Hello world.", u"Hello world"},
        {"spaces collapsed, dash dropped", u"  Don't  stop - now!\n", u"Don't stop now"},
        {"a.m. respelled", u"It is 7 a.m.", u"It is 7 eyem"},
        {"only lower-case a.m. respelled", u"It is 7 A.M. or p.m.", u"It is 7 AM or pm"},
        {"a.m. inside a word", u"xa.m.a.m.y", u"xeyemeyemy"},
        {"tab", u"one\ttwo", u"one two"},
        {"other white space", u"Mr.\u00A0Smith\u3000and\u2009co\fend", u"Mr Smith and co end"},
        {"CRLF", u"one\r\ntwo", u"one two"},
        {"white space as the cut has it", u"one\u180Etwo\u0085three", u"one two three"},
        {"hyphen, dots and non-ASCII letters dropped", u"well-known U.S.A \u2019caf\u00E9\u2019",
         u"wellknown USA caf"},
        {"marks only", u"?!", u""},
        {"white space only", u" \n", u""},
        {"digits kept", u"42", u"42"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(normalizeSentence(c.sentence), c.normalised) << c.name;
    EXPECT_EQ(normalizeSentence(u"a" + std::u16string(1 << 20, u' ') + u"b!"), u"a b");
}

TEST(SentenceTranscription, TranscribesWordByWordInBrackets) {
    const PronunciationDictionary dictionary =
        dictionaryOf({{"the", "DJ"}, {"box", "bPks"}, {"apple", "'xpl"}});
    const TranscriptionEngine engine(dictionary);
    const struct {
        const char *name;
        std::u16string sentence, transcription;
    } cases[] = {
        {"the before a consonant", u"The box.", u"[\u00F0\u0259 b\u0252ks]"},
        {"the before a vowel", u"the apple!\n", u"[\u00F0i\u02D0 \u02C8\u00E6pl]"},
        {"unknown word in parentheses", u"The Xbox-box?", u"[\u00F0\u0259 (Xboxbox)]"},
        {"no word at all", u"?!", u"[()]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.transcribeSentence(c.sentence), c.transcription) << c.name;
}

TEST(PhraseAdjustment, WeakFormsAndLinkingR) {
    using Words = std::vector<std::u16string>;
    const struct {
        const char *name;
        Words words;
        std::u16string code, ipa;
    } cases[] = {
        {"the before a consonant", {u"the", u"box"}, u"DJ 'bPks", u"\u00F0\u0259 \u02C8b\u0252ks"},
        {"the before a vowel", {u"the", u"apple"}, u"DJ 'xpl", u"\u00F0i\u02D0 \u02C8\u00E6pl"},
        {"to before a consonant", {u"to", u"show"}, u"tu \"SqU", u"t\u0259 \u02CC\u0283\u0259"},
        {"to at the end", {u"go", u"to"}, u"gqU tu", u"\u0261\u0259 tu\u02D0"},
        {"linking r before a vowel", {u"far", u"off"}, u"fR Pf", u"f\u0251\u02D0r \u0252f"},
        {"no r before a consonant", {u"far", u"down"}, u"fR daUn", u"f\u0251\u02D0 dan"},
        {"r already in the code", {u"far", u"off"}, u"fRr Pf", u"f\u0251\u02D0r \u0252f"},
        {"capital R in the spelling", {u"FAR", u"off"}, u"fR Pf", u"f\u0251\u02D0r \u0252f"},
        {"linking r, and intrusive r after law",
         {u"for", u"a", u"law", u"in"},
         u"fq q L In",
         u"f\u0259r \u0259 \u0254\u02D0r \u026An"},
        {"intrusive r after a schwa",
         {u"idea", u"a", u"x"},
         u"aIdIq q Ix",
         u"a\u026Ad\u026A\u0259r \u0259 \u026A\u00E6"},
        {"no r after the article a",
         {u"a", u"apple", u"a"},
         u"q 'xpl q",
         u"\u0259 \u02C8\u00E6pl \u0259"},
        {"the before an untranscribed word with a vowel letter",
         {u"Box", u"the", u"Ox"},
         u"(Box) DJ (Ox)",
         u"(Box) \u00F0i\u02D0 (Ox)"},
        {"no r before an untranscribed word", {u"far", u"Ox"}, u"fR (Ox)", u"f\u0251\u02D0 (Ox)"},
        {"to before a one-letter piece stays as coded", {u"to", u"be"}, u"tu b", u"t\u028A b"},
        {"empty word between", {u"a", u"", u"b"}, u"pq  b", u"p\u0259  b"},
        // More pieces than words: the extra pieces have no written r.
        {"more pieces than words", {u"air"}, u"eq Iq Iz", u"e\u0259r \u026A\u0259r \u026Az"},
        {"no words", {}, u"DJ bPks", u"\u00F0\u0259 b\u0252ks"},
        // Fewer pieces than words: the extra words find no sounds to change.
        {"fewer pieces than words",
         {u"far", u"off", u"the", u"end"},
         u"fR Pf",
         u"f\u0251\u02D0r \u0252f"},
        {"empty pieces", {u"the", u"apple"}, u" ", u" "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rules::adjustPhrase(c.words, c.code), c.ipa) << c.name;
}

// The sentence loop's fast paths must give exactly what the named
// operations give, composed as the plain pipeline: normalise, cut at
// spaces, transcribe each word, join with spaces, adjust and render.
TEST(FastPaths, AgreeWithThePlainPipelineOnRandomSentences) {
    const PronunciationDictionary dictionary = dictionaryOf({{"the", "DJ"},
                                                             {"to", "tu"},
                                                             {"far", "fR"},
                                                             {"for", "fq"},
                                                             {"law", "L"},
                                                             {"idea", "aIdIq"},
                                                             {"apple", "'xpl"},
                                                             {"care", "keq"},
                                                             {"run", "rAn"},
                                                             {"big", "bIg"},
                                                             {"try", "traI"},
                                                             {"make", "meIk"},
                                                             {"want", "wPnt"},
                                                             {"real", "rIql"},
                                                             {"ice cream", "aIs krJm"},
                                                             {"two words", "tH wEdz"},
                                                             {"spaced", " spe st "},
                                                             {"paren", "(pxrqn"},
                                                             {"err", "Err"},
                                                             {"'em", "qm"},
                                                             {"caf\xE9", "kxfeI"}});
    const TranscriptionEngine engine(dictionary);
    const std::vector<std::u16string> vocabulary = {u"the",
                                                    u"The",
                                                    u"TO",
                                                    u"far",
                                                    u"for",
                                                    u"law",
                                                    u"idea",
                                                    u"apple",
                                                    u"caring",
                                                    u"care",
                                                    u"running",
                                                    u"bigger",
                                                    u"tries",
                                                    u"wanted",
                                                    u"making",
                                                    u"really",
                                                    u"spaced",
                                                    u"paren",
                                                    u"err",
                                                    u"'em",
                                                    u"'apple'",
                                                    u"Xyzzy",
                                                    u"a.m.",
                                                    u"don't",
                                                    u"42",
                                                    u"ice",
                                                    u"cream",
                                                    u"two",
                                                    u"words",
                                                    u"runs",
                                                    u"biggest",
                                                    u"trier",
                                                    u"caf\u00E9",
                                                    u"caf\uFFE9",
                                                    u"''",
                                                    u"r",
                                                    u"-",
                                                    u"?!",
                                                    u"\u00A0",
                                                    u"\t",
                                                    u"\r\n",
                                                    u"  ",
                                                    u"\u2019",
                                                    u"x\u3000y",
                                                    std::u16string(70, u'a'),
                                                    std::u16string(70, u'A') + u"s"};
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        std::u16string sentence;
        const std::size_t count = random() % 9;
        for (std::size_t i = 0; i < count; ++i) {
            sentence += vocabulary[random() % vocabulary.size()];
            sentence += random() % 4 == 0 ? u"," : u" ";
        }
        SCOPED_TRACE(std::string(sentence.begin(), sentence.end()));

        const std::u16string normalized = normalizeSentence(sentence);
        std::vector<std::u16string> words;
        splitOnChar(words, normalized, u' ');
        std::u16string code;
        for (const std::u16string &word : words) {
            const std::u16string plain = engine.transcribeWord(word);
            std::u16string appended = u"<";
            rules::appendWordCode(engine, word, appended);
            ASSERT_EQ(appended, u"<" + plain);
            code += plain + u" ";
        }
        code.pop_back();
        const std::u16string adjusted = rules::adjustPhrase(words, code);
        EXPECT_EQ(engine.transcribeSentence(sentence), u"[" + adjusted + u"]");
    }
}

TEST(Normalisation, AgreesWithReplacingRepeatedSpacesOnRandomText) {
    // The one-pass collapse against the rule it implements: keep, turn white
    // space into spaces, replace double spaces until none is left, trim.
    const std::u16string alphabet = u" \t\n\u00A0\u3000.,-'aZ9\u00E9";
    std::mt19937 random(17);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        for (std::size_t i = 0, n = random() % 12; i < n; ++i)
            text += alphabet[random() % alphabet.size()];
        std::u16string kept;
        for (const char16_t c : text) {
            if (c == u'\'' || c == u'a' || c == u'Z' || c == u'9' || c == u' ')
                kept += c;
            else if (c == u'\t' || c == u'\n' || c == u'\u00A0' || c == u'\u3000')
                kept += u' ';
        }
        kept = replaceAll(kept, u"  ", u" ");
        const std::size_t first = kept.find_first_not_of(u' ');
        const std::u16string expected =
            first == std::u16string::npos
                ? u""
                : kept.substr(first, kept.find_last_not_of(u' ') + 1 - first);
        EXPECT_EQ(normalizeSentence(text), expected) << std::string(text.begin(), text.end());
    }
}

} // namespace
} // namespace orvanta
