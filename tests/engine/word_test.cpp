#include "engine/lexicon/word_rules.h"
#include "engine/transcription_engine.h"
#include "support.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test_support::dictionaryOf;
using test_support::Entries;

struct WordCase {
    const char16_t *word;
    Entries dictionary;
    const char16_t *code;
    Variant variant = Variant::British;
};

// GCC 12 at -O3 (Release) warns of an overlapping copy inside std::string's
// operator+ below, which cannot happen (a known false positive of its
// -Wrestrict, GCC bug 105329).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
// Each row is named by its word and dictionary, which tell the rows apart.
void expectTranscriptions(std::initializer_list<WordCase> cases) {
    for (const WordCase &c : cases) {
        std::string name = "\"" + test_support::narrow(c.word) + "\" with {";
        for (const auto &[word, code] : c.dictionary)
            name += std::string(" ") + word + ":" + code;
        SCOPED_TRACE(name + " }");
        const PronunciationDictionary dictionary = dictionaryOf(c.dictionary);
        const TranscriptionEngine engine(dictionary, EngineOptions{c.variant});
        EXPECT_EQ(engine.transcribeWord(c.word), c.code);
    }
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif

TEST(WordTranscription, WholeWordsAndFallbacks) {
    expectTranscriptions({
        {u"Stop", {{"stop", "stPp"}}, u"stPp"},
        {u"don't", {{"do", "du"}}, u"(don't)"},
        {u"Xyzzy", {}, u"(Xyzzy)"},
        {u"Zorber", {}, u"(zorber)"},
        {u"Ox", {}, u"(Ox)"},
        {u"1990", {}, u"(1990)"},
        {u"", {}, u"()"},
        {u"", {{"", "nQn"}}, u"nQn"},
        {u"cats", {{"cats", ""}, {"cat", "kxt"}}, u"kxts"},
    });
}

TEST(WordTranscription, SuffixRules) {
    expectTranscriptions({
        {u"stopped", {{"stop", "stPp"}}, u"stPpt"},
        {u"wanted", {{"want", "wPnt"}}, u"'wPntId"},
        {u"tries", {{"try", "traI"}}, u"'traIz"},
        {u"making", {{"make", "meIk"}, {"mak", "mxk"}}, u"'meIkIN"},
        {u"running", {{"run", "rAn"}}, u"'rAnIN"},
        {u"seeing", {{"see", "sJ"}}, u"'sJIN"},
        {u"caring", {{"care", "keq"}}, u"'keqrIN"},
        {u"clearer", {{"clear", "klIr"}}, u"'klIrq"},
        {u"cared", {{"care", "keq"}}, u"keqd"},
        {u"bigger", {{"big", "bIg"}}, u"'bIgq"},
        {u"happiest", {{"happy", "'hxpi"}}, u"'hxpiIst"},
        {u"nicest", {{"nice", "naIs"}}, u"'naIsIst"},
        {u"finest", {{"fin", "fIn"}, {"fine", "faIn"}}, u"'faInIst"},
        {u"really", {{"real", "rIql"}}, u"'rIqli"},
        {u"John's", {{"john", "dZPn"}}, u"dZPnz"},
        {u"boss's", {{"boss", "bPs"}}, u"'bPsIz"},
        {u"studies", {{"study", "'stAdi"}}, u"'stAdiz"},
        {u"meetings", {{"meeting", "'mJtIN"}}, u"'mJtINz"},
        {u"ted", {{"t", "ti:"}}, u"ti:d"},
        {u"mended", {{"mend", "\"mend"}}, u"'\"mendId"},
        {u"Singest", {{"sing", "sIN"}}, u"'sINIst"},
        {u"freely", {{"free", "frJ"}, {"fre", "frE"}}, u"'frJli"},
        {u"ing", {{"", "x"}}, u"'xIN"},
        {u"boxes", {{"box", "bPks"}}, u"'bPksIz"},
        {u"NGOs", {{"ngo", "\"en\"GJ'qu"}}, u"\"en\"GJ'quz"},
        {u"whizzes", {{"whiz", "wIz"}}, u"'wIzIz"},
        {u"milding", {{"mild", "maIld"}, {"milde", "'mIldq"}}, u"'maIldIN"},
        {u"sadder", {{"sad", "sxd"}}, u"'sxdqr", Variant::American},
        {u"clearer", {{"clear", "klIr"}}, u"'klIrqr", Variant::American},
        {u"caring", {{"care", "ker"}}, u"'kerIN", Variant::American},
        {u"murkily", {{"murky", "'mEki"}}, u"'mEkIli"},
        {u"murkily", {{"murky", "'mE:rki"}}, u"'mE:rkIli", Variant::American},
        {u"tragically", {{"tragical", "'trxGIkql"}}, u"'trxGIkli"},
        {u"cuddler", {{"cuddle", "'kAdql"}}, u"'kAdlq"},
        {u"tamer", {{"tam", "txm"}, {"tame", "teIm"}}, u"'teImq"},
        {u"fixedly", {{"fixed", "fIkst"}}, u"'fIksIdli"},
    });
}

// Letters cut off a word that are no ending English writes, or a stem that is
// an abbreviation said letter by letter, leave the word unexplained.
TEST(WordTranscription, OnlyRealEndingsOnRealStems) {
    expectTranscriptions({
        {u"lotus", {{"lot", "lPt"}}, u"(lotus)"},
        {u"kites", {{"kit", "kIt"}}, u"(kites)"},
        {u"amid", {{"am", "xm"}}, u"(amid)"},
        {u"grapeer", {{"grape", "greIp"}}, u"(grapeer)"},
        {u"ftper", {{"ftp", "\"eftJ'pJ"}}, u"(ftper)"},
        {u"uker", {{"uk", "\"jH'keI"}}, u"(uker)"},
    });
}

// Apostrophes used as quotation marks do not hide a word from the dictionary,
// but a word known with its apostrophe keeps it.
TEST(WordTranscription, QuotingApostrophesAreNotSpelling) {
    expectTranscriptions({
        {u"'Hello'", {{"hello", "hq'lqu"}}, u"hq'lqu"},
        {u"'cats", {{"cat", "kxt"}}, u"kxts"},
        {u"dogs'", {{"dog", "dPg"}}, u"dPgz"},
        {u"''running''", {{"run", "rAn"}}, u"'rAnIN"},
        {u"'em", {{"'em", "qm"}, {"em", "em"}}, u"qm"},
        {u"'Zorb'", {}, u"('Zorb')"},
        {u"'", {}, u"(')"},
        {u"''", {}, u"('')"},
        {u"'do'n't'", {{"do", "du"}}, u"('do'n't')"},
    });
}

// When undoing a doubled final letter leaves a stem the dictionary lacks,
// the word must fall back instead of shrinking to its ending.
TEST(WordTranscription, UndoneDoubledLetterNeedsAKnownStem) {
    expectTranscriptions({
        {u"running", {}, u"(running)"},
        {u"fizzing", {}, u"(fizzing)"},
        {u"Running", {{"runn", ""}}, u"(Running)"},
        {u"bigger", {}, u"(bigger)"},
        {u"Hottest", {{"hott", ""}}, u"(hottest)"},
        {u"Freely", {{"free", ""}}, u"(freely)"},
        {u"fizzing", {{"fizz", "fIz"}}, u"'fIzIN"},
        {u"fuller", {{"full", "ful"}}, u"'fulq"},
    });
}

TEST(WordTranscription, StressMarkOnlyWhenMissing) {
    EXPECT_EQ(rules::ensureStressMark(u"kxt"), u"'kxt");
    EXPECT_EQ(rules::ensureStressMark(u"\"kx'tx"), u"\"kx'tx");
    EXPECT_EQ(rules::ensureStressMark(u""), u"'");
}

} // namespace
} // namespace orvanta
