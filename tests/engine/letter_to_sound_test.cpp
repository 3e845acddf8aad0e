// The letter-to-sound model: its file (good, truncated, damaged), reading words
// with a hand-made model whose every choice is worked out by hand below, and a
// small model trained on regular words reading words it never saw.
#include "engine/lexicon/letter_to_sound.h"
#include "engine/lexicon/letter_to_sound_format.h"
#include "support.h"
#include "tools/letter_to_sound_training.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvanta {
namespace {

using test_support::narrow;

// Phones: b x k I 'I aI t s. Graphones, sorted by letters:
//   1 a:x  2 b:b  3 ck:k  4 e:'I  5 i:I  6 i:aI  7 k:k  8 t:t  9 x:ks
// Alone each costs 2 (log units), i:aI and x:ks 3; after b, i:aI costs 0.1
// and anything else 1 more than alone.
lts::Tables handMade() {
    lts::Tables t;
    t.order = 2;
    t.phones = {{"b", 0, false}, {"x", 0, true},  {"k", 0, false}, {"I", 0, true},
                {"I", 1, true},  {"aI", 0, true}, {"t", 0, false}, {"s", 0, false}};
    t.graphones = {{"", {}},   {"a", {1}}, {"b", {0}}, {"ck", {2}}, {"e", {4}},
                   {"i", {3}}, {"i", {5}}, {"k", {2}}, {"t", {6}},  {"x", {2, 7}}};
    t.nodes = {{0, 1, 0, 0}, {2, 2, 10, -1000}, {0, 2, 11, 0}};
    for (std::uint16_t g = 0; g < 10; ++g)
        t.entries.push_back({g, static_cast<std::int16_t>(g == 6 || g == 9 ? -3000 : -2000)});
    t.entries.push_back({6, -100});
    t.onsets = {{"kst", 2}, {"t", 1}};
    return t;
}

LetterToSoundModel modelOf(const lts::Tables &tables) {
    LetterToSoundLoad load = LetterToSoundModel::fromBytes(lts::encode(tables));
    EXPECT_TRUE(load.ok()) << load.error;
    return std::move(load.model);
}

TEST(LetterToSoundModel, ReadsWordsAsTheModelSays) {
    const LetterToSoundModel model = modelOf(handMade());
    const struct {
        const char16_t *word;
        const char16_t *code;
    } cases[] = {
        {u"bat", u"bxt"},
        {u"back", u"bxk"},        // c only as part of ck
        {u"tax", u"txks"},        // one letter, two sounds
        {u"t'ax'", u"txks"},      // apostrophes are not letters
        {u"tit", u"tIt"},         // i alone: I
        {u"bit", u"baIt"},        // i after b: aI, through the context
        {u"tabit", u"'txbaIt"},   // no stress in the path: the first syllable takes it
        {u"taxtet", u"txk'stIt"}, // kst splits k.st, as the table says
        {u"tabtet", u"txb'tIt"},  // bt unknown: its end t begins syllables
        {u"tatbet", u"txt'bIt"},  // tb unknown, b unknown: one consonant
        {u"", u""},
        {u"'", u""},
        {u"bq", u"b"}, // no graphone spells q: passed over
        {u"b-t", u""}, // not a word of letters
        {u"Bat", u""},
        {u"b\u00E4t", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(narrow(model.pronounce(c.word)), narrow(c.code)) << narrow(c.word);
    EXPECT_TRUE(LetterToSoundModel().pronounce(u"bat").empty());
    EXPECT_TRUE(LetterToSoundModel().empty());
}

TEST(LetterToSoundFile, RoundTripsItsTables) {
    const lts::Tables original = handMade();
    lts::Tables read;
    ASSERT_EQ(lts::decode(lts::encode(original), read), "");
    EXPECT_EQ(lts::encode(read), lts::encode(original));
    EXPECT_EQ(read.order, original.order);
    ASSERT_EQ(read.graphones.size(), original.graphones.size());
    EXPECT_EQ(read.graphones[9].letters, "x");
    EXPECT_EQ(read.graphones[9].phones, (std::vector<std::uint16_t>{2, 7}));
    EXPECT_EQ(read.phones[5].code, "aI");
    EXPECT_EQ(read.nodes[1].backoff, -1000);
    EXPECT_EQ(read.entries.back().logProb, -100);
    EXPECT_EQ(read.onsets[0].cluster, "kst");
}

TEST(LetterToSoundFile, RefusesDamagedFilesWithAReason) {
    const struct {
        const char *what;
        std::function<void(lts::Tables &)> damage;
    } cases[] = {
        {"order 0", [](lts::Tables &t) { t.order = 0; }},
        {"order past the largest", [](lts::Tables &t) { t.order = lts::maxOrder + 1; }},
        {"sound not in the code", [](lts::Tables &t) { t.phones[0].code[0] = '?'; }},
        {"stressed consonant", [](lts::Tables &t) { t.phones[0].stress = 1; }},
        {"capital letter", [](lts::Tables &t) { t.graphones[2].letters[0] = 'B'; }},
        {"three letters", [](lts::Tables &t) { t.graphones[9].letters = "xyz"; }},
        {"edge with letters", [](lts::Tables &t) { t.graphones[0].letters.push_back('a'); }},
        {"sound out of range", [](lts::Tables &t) { t.graphones[1].phones = {8}; }},
        {"graphones unsorted", [](lts::Tables &t) { std::swap(t.graphones[1], t.graphones[2]); }},
        {"context its own child", [](lts::Tables &t) { t.nodes[1].firstChild = 1; }},
        {"children past the end", [](lts::Tables &t) { t.nodes[1].firstChild = 7; }},
        {"label out of range", [](lts::Tables &t) { t.nodes[1].label = 10; }},
        {"predictions past the end", [](lts::Tables &t) { t.nodes[1].firstEntry = 12; }},
        // found by fuzzing: a range is walked before the nodes after it are checked
        {"next children far past the end", [](lts::Tables &t) { t.nodes[2].firstChild = 99999; }},
        {"next predictions far past the end",
         [](lts::Tables &t) { t.nodes[2].firstEntry = 99999; }},
        {"predictions unsorted", [](lts::Tables &t) { std::swap(t.entries[0], t.entries[1]); }},
        {"prediction out of range", [](lts::Tables &t) { t.entries[10].graphone = 10; }},
        {"onsets unsorted", [](lts::Tables &t) { std::swap(t.onsets[0], t.onsets[1]); }},
        {"onset longer than its cluster", [](lts::Tables &t) { t.onsets[1].length = 2; }},
        {"vowel in a cluster", [](lts::Tables &t) { t.onsets[1].cluster[0] = 'x'; }},
    };
    for (const auto &c : cases) {
        lts::Tables tables = handMade();
        c.damage(tables);
        const LetterToSoundLoad load = LetterToSoundModel::fromBytes(lts::encode(tables));
        EXPECT_FALSE(load.ok()) << c.what;
        EXPECT_TRUE(load.model.empty()) << c.what;
    }
    const std::string good = lts::encode(handMade());
    std::string otherVersion = good, longer = good;
    otherVersion[7] = '1';
    longer.push_back('\0');
    for (const std::string &bytes :
         {otherVersion, longer, std::string("not a model at all, just some text\n")})
        EXPECT_FALSE(LetterToSoundModel::fromBytes(bytes).ok()) << bytes.substr(0, 8);
    // Cut anywhere, the file says it is cut short rather than reading on.
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(LetterToSoundModel::fromBytes(good.substr(0, size)).ok()) << size;
}

TEST(LetterToSoundFile, LoadReadsTheFileAndNamesAMissingOne) {
    const std::string path =
        test_support::writeTemporaryFile("letter-to-sound-test-g2p.bin", lts::encode(handMade()));
    const LetterToSoundLoad load = LetterToSoundModel::load(path);
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(narrow(load.model.pronounce(u"bit")), "baIt");
    const LetterToSoundLoad missing = LetterToSoundModel::load(path + ".missing");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find(path + ".missing"), std::string::npos) << missing.error;
}

TEST(LetterToSoundFile, IsNamedAfterItsDictionary) {
    EXPECT_EQ(letterToSoundPathFor("data/x.txt"), "data/x-g2p.bin");
    EXPECT_EQ(letterToSoundPathFor("/a.b/dictionary"), "/a.b/dictionary-g2p.bin");
}

// Short regular words in British RP, and two-syllable compounds stressed on
// their first part.
const std::vector<lts::TrainingEntry> regularWords = {
    {"cat", "kxt"},        {"bat", "bxt"},        {"hat", "hxt"},        {"mat", "mxt"},
    {"rat", "rxt"},        {"sat", "sxt"},        {"pan", "pxn"},        {"man", "mxn"},
    {"can", "kxn"},        {"tan", "txn"},        {"fan", "fxn"},        {"van", "vxn"},
    {"cap", "kxp"},        {"map", "mxp"},        {"tap", "txp"},        {"nap", "nxp"},
    {"pin", "pIn"},        {"tin", "tIn"},        {"bin", "bIn"},        {"fin", "fIn"},
    {"sit", "sIt"},        {"bit", "bIt"},        {"hit", "hIt"},        {"pit", "pIt"},
    {"kit", "kIt"},        {"fit", "fIt"},        {"lip", "lIp"},        {"tip", "tIp"},
    {"dip", "dIp"},        {"hip", "hIp"},        {"top", "tPp"},        {"hop", "hPp"},
    {"mop", "mPp"},        {"pot", "pPt"},        {"hot", "hPt"},        {"cot", "kPt"},
    {"dot", "dPt"},        {"rot", "rPt"},        {"lot", "lPt"},        {"not", "nPt"},
    {"bed", "bed"},        {"red", "red"},        {"fed", "fed"},        {"led", "led"},
    {"ten", "ten"},        {"pen", "pen"},        {"hen", "hen"},        {"net", "net"},
    {"pet", "pet"},        {"set", "set"},        {"sun", "sAn"},        {"fun", "fAn"},
    {"bun", "bAn"},        {"run", "rAn"},        {"cut", "kAt"},        {"hut", "hAt"},
    {"nut", "nAt"},        {"but", "bAt"},        {"cup", "kAp"},        {"pup", "pAp"},
    {"ship", "SIp"},       {"shop", "SPp"},       {"shot", "SPt"},       {"chip", "CIp"},
    {"chop", "CPp"},       {"chat", "Cxt"},       {"thin", "TIn"},       {"catnip", "'kxtnIp"},
    {"hatpin", "'hxtpIn"}, {"sunset", "'sAnset"}, {"hotpot", "'hPtpPt"}, {"laptop", "'lxptPp"},
    {"tinpot", "'tInpPt"},
};

TEST(LetterToSoundTraining, ReadsRegularWordsItNeverSaw) {
    lts::TrainingOptions options;
    options.order = 3;
    options.prune = 0;
    const lts::TrainedModel trained = lts::train(regularWords, options);
    EXPECT_EQ(trained.words, regularWords.size());
    // The same entries give the same file.
    EXPECT_EQ(lts::train(regularWords, options).bytes, trained.bytes);
    LetterToSoundLoad load = LetterToSoundModel::fromBytes(trained.bytes);
    ASSERT_TRUE(load.ok()) << load.error;
    const struct {
        const char16_t *word;
        const char16_t *code;
    } unseen[] = {
        {u"fat", u"fxt"},        {u"ban", u"bxn"},        {u"sip", u"sIp"},
        {u"tot", u"tPt"},        {u"nun", u"nAn"},        {u"met", u"met"},
        {u"shin", u"SIn"},       {u"chit", u"CIt"},       {u"hotnip", u"'hPtnIp"},
        {u"suntop", u"'sAntPp"}, {u"pinpot", u"'pInpPt"},
    };
    for (const auto &c : unseen)
        EXPECT_EQ(narrow(load.model.pronounce(c.word)), narrow(c.code)) << narrow(c.word);
}

} // namespace
} // namespace orvanta
