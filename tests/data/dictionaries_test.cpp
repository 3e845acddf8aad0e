// The two shipped dictionary files: their format, their alphabet, and hand-checked
// transcriptions of common words and sentences through the engine.
#include "engine/lexicon/dictionary.h"
#include "engine/reading/reading.h"
#include "engine/transcription_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>

namespace orvanta {
namespace {

const std::string kBritish = ORVANTA_SOURCE_DIR "/data/velmor_eng_transcription.txt";
const std::string kAmerican = ORVANTA_SOURCE_DIR "/data/american_transcription-abridged.txt";

// Every symbol of the phonetic code a transcription may use (brackets, punctuation and
// the space belong to sentence transcription, never to a dictionary entry).
constexpr std::string_view kCodeSymbols = "pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";

struct ShippedFile {
    const char *name;
    std::string path;
};

// Each file is loaded once for the whole suite: loading 7 MB per test would
// make the suite slow under the sanitizers.
const PronunciationDictionary &shipped(const std::string &path) {
    static const DictionaryLoad british = PronunciationDictionary::load(kBritish);
    static const DictionaryLoad american = PronunciationDictionary::load(kAmerican);
    const DictionaryLoad &load = path == kBritish ? british : american;
    EXPECT_TRUE(load.ok()) << path << ": " << load.error;
    return load.dictionary;
}

class ShippedDictionary : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedDictionary, LoadsWithMoreThanAHundredThousandEntries) {
    EXPECT_GT(shipped(GetParam().path).size(), 100000u);
}

TEST_P(ShippedDictionary, EveryLineIsANumberedEntryInThePhoneticCode) {
    std::ifstream in(GetParam().path, std::ios::binary);
    ASSERT_TRUE(in);
    std::string line;
    long number = 0;
    std::string previous;
    while (std::getline(in, line)) {
        ++number;
        SCOPED_TRACE("line " + std::to_string(number) + ": " + line);
        ASSERT_EQ(line.find('\r'), std::string::npos);
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 + 1);
        ASSERT_NE(tab2, std::string::npos);
        ASSERT_EQ(line.find('\t', tab2 + 1), std::string::npos);
        EXPECT_EQ(line.substr(0, tab1), std::to_string(number));
        const std::string word = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string code = line.substr(tab2 + 1);
        ASSERT_FALSE(word.empty());
        ASSERT_FALSE(code.empty());
        // keys are reachable from normalised text: lower-case letters, digits, apostrophes
        ASSERT_EQ(word.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789'"),
                  std::string::npos);
        ASSERT_EQ(code.find_first_not_of(kCodeSymbols), std::string::npos);
        // sorted and unique, so a later duplicate never silently replaces an entry
        ASSERT_LT(previous, word);
        previous = word;
    }
    EXPECT_GT(number, 100000);
}

TEST_P(ShippedDictionary, StressMarksOnlyOnWordsOfMoreThanOneSyllable) {
    std::ifstream in(GetParam().path, std::ios::binary);
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        const std::string code = line.substr(line.rfind('\t') + 1);
        // one vowel letter is one syllable for certain (diphthongs take two letters)
        constexpr std::string_view vowels = "IexPAuqiJRLHEOoa";
        int nuclei = 0, primaries = 0;
        for (const char c : code) {
            primaries += c == '\'';
            nuclei += vowels.find(c) != std::string_view::npos;
        }
        if (nuclei == 1) {
            ASSERT_EQ(code.find_first_of("'\""), std::string::npos) << line;
            ++checked;
        }
        ASSERT_LE(primaries, 1) << line;
    }
    EXPECT_GT(checked, 10000);
}

// A word that the reading stage says and the dictionary lacks would show as "(word)".
TEST_P(ShippedDictionary, KnowsEveryWordTheReadingTablesSay) {
    const Variant variant = GetParam().path == kBritish ? Variant::British : Variant::American;
    const TranscriptionEngine engine(shipped(GetParam().path), EngineOptions{variant});
    for (const std::u16string_view phrase : readingTableWords(variant)) {
        for (std::size_t start = 0; start < phrase.size();) {
            const std::size_t end = std::min(phrase.find(u' ', start), phrase.size());
            const std::u16string word(phrase.substr(start, end - start));
            EXPECT_NE(engine.transcribeWord(word).front(), u'(')
                << std::string(word.begin(), word.end());
            start = end + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedDictionary,
                         ::testing::Values(ShippedFile{"British", kBritish},
                                           ShippedFile{"American", kAmerican}),
                         [](const auto &info) { return std::string(info.param.name); });

struct Expected {
    const char *text;
    const char16_t *british;
    const char16_t *american;
};

// Hand-checked against the citation forms of learner dictionaries (British RP,
// non-rhotic with BATH ɑː; American rhotic with LOT ɑː and GOAT oʊ).
const Expected kWords[] = {
    {"the", u"[ð\u0069\u02D0]", u"[ð\u0069\u02D0]"},
    {"to", u"[tu\u02D0]", u"[tu\u02D0]"},
    {"water", u"[\u02C8w\u0254\u02D0t\u0259]", u"[\u02C8w\u0254\u02D0t\u0259r]"},
    {"car", u"[k\u0251\u02D0]", u"[k\u0251\u02D0r]"},
    {"far", u"[f\u0251\u02D0]", u"[f\u0251\u02D0r]"},
    {"father", u"[\u02C8f\u0251\u02D0\u00F0\u0259]", u"[\u02C8f\u0251\u02D0\u00F0\u0259r]"},
    {"lot", u"[l\u0252t]", u"[l\u0251\u02D0t]"},
    {"bath", u"[b\u0251\u02D0\u03B8]", u"[b\u00E6\u03B8]"},
    {"dance", u"[d\u0251\u02D0ns]", u"[d\u00E6ns]"},
    {"going", u"[\u02C8\u0261\u0259\u028A\u026A\u014B]", u"[\u02C8\u0261o\u028A\u026A\u014B]"},
    {"idea", u"[a\u026A\u02C8d\u026A\u0259]", u"[a\u026A\u02C8di\u02D0\u0259]"},
    {"nurse", u"[n\u025C\u02D0s]", u"[n\u025C\u02D0rs]"},
    {"happy", u"[\u02C8h\u00E6pi]", u"[\u02C8h\u00E6pi]"},
    {"thought", u"[\u03B8\u0254\u02D0t]", u"[\u03B8\u0254\u02D0t]"},
    {"near", u"[n\u026A\u0259]", u"[n\u026Ar]"},
    {"square", u"[skwe\u0259]", u"[skwer]"},
    {"cure", u"[kj\u028A\u0259]", u"[kj\u028Ar]"},
    {"north", u"[n\u0254\u02D0\u03B8]", u"[n\u0254\u02D0r\u03B8]"},
    {"start", u"[st\u0251\u02D0t]", u"[st\u0251\u02D0rt]"},
    {"cup", u"[k\u028Cp]", u"[k\u028Cp]"},
    {"book", u"[b\u028Ak]", u"[b\u028Ak]"},
    {"food", u"[fu\u02D0d]", u"[fu\u02D0d]"},
    {"face", u"[fe\u026As]", u"[fe\u026As]"},
    {"price", u"[pra\u026As]", u"[pra\u026As]"},
    {"choice", u"[t\u0283\u0254\u026As]", u"[t\u0283\u0254\u026As]"},
    {"mouth", u"[ma\u028A\u03B8]", u"[ma\u028A\u03B8]"},
    {"cat", u"[k\u00E6t]", u"[k\u00E6t]"},
    {"shop", u"[\u0283\u0252p]", u"[\u0283\u0251\u02D0p]"},
    {"one", u"[w\u028Cn]", u"[w\u028Cn]"},
    // contractions and compounds as normalisation leaves them, digits as numbers
    {"don\u2019t", u"[d\u0259\u028Ant]", u"[do\u028Ant]"},
    {"well-known", u"[\u02CCwel\u02C8n\u0259\u028An]", u"[\u02CCwel\u02C8no\u028An]"},
    {"7", u"[\u02C8sev\u0259n]", u"[\u02C8sev\u0259n]"},
    // inflected forms the dictionaries hold or the suffix rules build from a stem
    {"cats", u"[k\u00E6ts]", u"[k\u00E6ts]"},
    {"wanted", u"[\u02C8w\u0252nt\u026Ad]", u"[\u02C8w\u0254\u02D0nt\u026Ad]"},
};

std::u16string transcribe(const std::string &path, const std::string &utf8) {
    // the test strings are UTF-8; typographic apostrophes must reach the engine as one
    // code unit (U+2019), which normalisation drops
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = utf8[i];
        if (c == 0xE2 && i + 2 < utf8.size()) {
            text.push_back(char16_t(0x2019));
            i += 2;
        } else {
            text.push_back(c);
        }
    }
    return TranscriptionEngine(shipped(path)).transcribeSentence(text);
}

TEST(ShippedWords, BritishCitationForms) {
    for (const auto &w : kWords)
        EXPECT_EQ(transcribe(kBritish, w.text), w.british) << w.text;
}

TEST(ShippedWords, AmericanCitationForms) {
    for (const auto &w : kWords)
        EXPECT_EQ(transcribe(kAmerican, w.text), w.american) << w.text;
}

// The phrase rules need exactly these pieces in both files.
TEST(ShippedWords, PhraseRulePiecesAreExact) {
    for (const auto &path : {kBritish, kAmerican}) {
        EXPECT_EQ(shipped(path).transcriptionOf(u"the"), u"DJ") << path;
        EXPECT_EQ(shipped(path).transcriptionOf(u"to"), u"tu") << path;
    }
}

TEST(ShippedSentences, WeakFormsAndLinkingR) {
    const struct {
        const std::string *path;
        const char *sentence;
        const char16_t *expected;
    } cases[] = {
        // linking r after car and far, the weak form of the before a consonant
        {&kBritish, "The car is far away.",
         u"[\u00F0\u0259 k\u0251\u02D0r \u026Az f\u0251\u02D0r \u0259\u02C8we\u026A]"},
        // no linking r before a consonant or at the end
        {&kBritish, "The car stopped far.",
         u"[\u00F0\u0259 k\u0251\u02D0 st\u0252pt f\u0251\u02D0]"},
        // to and the reduce before consonants and stay strong before vowels
        {&kBritish, "Go to the shop and to the end.",
         u"[\u0261\u0259\u028A t\u0259 \u00F0\u0259 \u0283\u0252p \u00E6nd t\u0259 \u00F0i\u02D0 "
         u"end]"},
        // an r-final piece: square vowel gets a linking r
        {&kBritish, "Where is the idea of it?",
         u"[we\u0259r \u026Az \u00F0i\u02D0 a\u026A\u02C8d\u026A\u0259r \u0252v \u026At]"},
        // American pieces already end in r: never doubled
        {&kAmerican, "The car is far away.",
         u"[\u00F0\u0259 k\u0251\u02D0r \u026Az f\u0251\u02D0r \u0259\u02C8we\u026A]"},
        {&kAmerican, "Go to the shop.",
         u"[\u0261o\u028A t\u0259 \u00F0\u0259 \u0283\u0251\u02D0p]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(transcribe(*c.path, c.sentence), c.expected) << c.sentence;
}

// Letters the reading stage spells are said as one phrase, stressed on
// the last letter, as pronouncing dictionaries write acronyms; a pause
// ends the phrase, and a letter alone keeps its own stress.
TEST(ShippedSentences, SpelledLettersAreOnePhrase) {
    const struct {
        const std::string *path;
        const char16_t *sentence;
        const char16_t *expected;
    } cases[] = {
        // (a sentence all in capitals is read from the dictionary, so each has a word in lower
        // case)
        {&kBritish, u"The FBI.", u"[\u00F0i\u02D0 \u02CCef bi\u02D0 \u02C8a\u026A]"},
        {&kAmerican, u"The FBI.", u"[\u00F0i\u02D0 \u02CCef bi\u02D0 \u02C8a\u026A]"},
        {&kBritish, u"Two MPs.", u"[tu\u02D0 \u02CCem \u02C8pi\u02D0z]"},
        {&kBritish, u"The ABC's.", u"[\u00F0i\u02D0 \u02CCe\u026A bi\u02D0 \u02C8si\u02D0z]"},
        {&kAmerican, u"The ABC's.", u"[\u00F0i\u02D0 \u02CCe\u026A bi\u02D0 \u02C8si\u02D0z]"},
        // A vowelless lower-case acronym, whose dictionary entry runs its letters together.
        {&kAmerican, u"The fsf.", u"[\u00F0i\u02D0 \u02CCef es \u02C8ef]"},
        // A web address's scheme, whose "://" is not said.
        {&kBritish, u"See https://example.com.",
         u"[si\u02D0 \u02CCe\u026At\u0283 ti\u02D0 ti\u02D0 pi\u02D0 \u02C8es "
         u"\u026A\u0261\u02C8z\u0251\u02D0mp\u0259l d\u0252t k\u0252m]"},
        {&kBritish, u"The UK, the USA.",
         u"[\u00F0\u0259 \u02CCju\u02D0 \u02C8ke\u026A \u00F0\u0259 \u02CCju\u02D0 es "
         u"\u02C8e\u026A]"},
    };
    for (const auto &c : cases) {
        const TranscriptionEngine engine(
            shipped(*c.path),
            EngineOptions{c.path == &kBritish ? Variant::British : Variant::American});
        EXPECT_EQ(engine.transcribeReadSentence(c.sentence), c.expected);
    }
}

} // namespace
} // namespace orvanta
