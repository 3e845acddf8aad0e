#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/separator_scan.h"
#include "engine/transcription_engine.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

namespace orvanta {
namespace {

using test_support::dictionaryOf;

std::string temporaryFile(const std::string &bytes) {
    return test_support::writeTemporaryFile("engine-dictionary-test.txt", bytes);
}

struct Lookup {
    std::u16string word, code; // an empty code: the word is absent
};

TEST(DictionaryFile, ReadsEntriesAsLaidOut) {
    using namespace std::string_literals;
    const struct {
        const char *what;
        std::string bytes;
        std::vector<Lookup> lookups;
        std::size_t size;
    } cases[] = {
        {"key folded, code verbatim", "17\tCat\tkxT\n", {{u"cat", u"kxT"}, {u"Cat", u""}}, 1},
        {"two or four fields", "cat\tkxt\n0\tdog\tdPg\t\n", {{u"cat", u""}, {u"dog", u""}}, 0},
        {"empty first field", "\tcat\tkxt", {{u"cat", u"kxt"}}, 1},
        {"later line wins", "0\tPolish\tpqUlIS\n0\tpolish\tpPlIS\n", {{u"polish", u"pPlIS"}}, 1},
        {"empty code removes", "0\tcat\tkxt\n0\tcat\t\n0\tdog\t\n", {{u"cat", u""}}, 0},
        {"CRLF like LF", "0\tcat\tkxt\r\n0\tdog\tdPg\r\n", {{u"cat", u"kxt"}, {u"dog", u"dPg"}}, 2},
        {"lone CR kept",
         "0\tcat\tk\rxt\n0\tdog\tdPg\r",
         {{u"cat", u"k\rxt"}, {u"dog", u"dPg\r"}},
         2},
        {"BOM in field 1",
         "\xEF\xBB\xBF"
         "0\tcat\tkxt\n",
         {{u"cat", u"kxt"}},
         1},
        {"spaces kept", "0\t cat \t kxt\n", {{u" cat ", u" kxt"}, {u"cat", u""}}, 1},
        {"high bytes sign-extended",
         "0\tcaf\xE9\tk\x80\xFF\n",
         {{u"caf\uFFE9", u"k\uFF80\uFFFF"}},
         1},
        {"NUL is a byte", "0\tc\0t\tk\0\n"s, {{u"c\0t"s, u"k\0"s}}, 1},
        {"empty word", "0\t\tnQn\n\n", {{u"", u"nQn"}}, 1},
        {"empty file", "", {{u"", u""}}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DictionaryLoad load = PronunciationDictionary::load(temporaryFile(c.bytes));
        ASSERT_TRUE(load.ok()) << load.error;
        // The in-memory path agrees with the file.
        const PronunciationDictionary dictionaries[] = {
            std::move(load.dictionary), PronunciationDictionary::fromBytes(c.bytes)};
        for (const PronunciationDictionary &dictionary : dictionaries) {
            const TranscriptionEngine engine(dictionary);
            for (const Lookup &lookup : c.lookups) {
                EXPECT_EQ(dictionary.transcriptionOf(lookup.word), lookup.code);
                EXPECT_EQ(engine.hasTranscription(lookup.word), !lookup.code.empty());
            }
            EXPECT_EQ(dictionary.size(), c.size);
        }
    }
}

TEST(DictionaryFile, LoadSaysWhyAFileCannotBeRead) {
    const std::string path = temporaryFile("0\tcat\tkxt\n");
    const struct {
        const char *name;
        std::string path;
        std::string error;
        std::size_t size;
    } cases[] = {
        {"readable file", path, "", 1},
        {"missing file", path + ".missing", "No such file or directory", 0},
        {"directory", ::testing::TempDir(), "Is a directory", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DictionaryLoad load = PronunciationDictionary::load(c.path);
        EXPECT_EQ(load.ok(), c.error.empty());
        EXPECT_EQ(load.error, c.error);
        EXPECT_EQ(load.dictionary.size(), c.size);
    }
}

TEST(DictionaryFile, MovedFromDictionaryIsEmpty) {
    PronunciationDictionary first = dictionaryOf({{"cat", "kxt"}});
    const PronunciationDictionary second = std::move(first);
    EXPECT_EQ(second.transcriptionOf(u"cat"), u"kxt");
    EXPECT_EQ(first.size(), 0u);
    EXPECT_FALSE(first.hasTranscription(u"cat"));
    first = dictionaryOf({{"dog", "dPg"}});
    EXPECT_EQ(first.transcriptionOf(u"dog"), u"dPg");
}

// The process-wide dictionary of loadDictionary, read by default engines.
TEST(ProcessDictionary, MissingFileEmptiesAndReloadReplaces) {
    const std::string path = temporaryFile("0\tcat\tkxt\n0\tdog\tdPg\n");
    ASSERT_TRUE(loadDictionary(path));
    ASSERT_TRUE(loadDictionary(path));
    EXPECT_EQ(dictionarySize(), 2u);
    for (const std::string &unreadable : {path + ".missing", ::testing::TempDir()}) {
        ASSERT_TRUE(loadDictionary(path));
        EXPECT_FALSE(loadDictionary(unreadable)) << unreadable;
        EXPECT_EQ(dictionarySize(), 0u);
        EXPECT_FALSE(dictionaryHas(u"cat"));
    }
    ASSERT_TRUE(loadDictionary(temporaryFile("0\tcow\tkaU\n")));
    EXPECT_FALSE(dictionaryHas(u"dog"));
    EXPECT_EQ(transcriptionOf(u"cow"), u"kaU");
}

TEST(DictionaryFile, FindsEveryKeyOfALargeFile) {
    std::string bytes;
    for (int i = 0; i < 50000; ++i)
        bytes += "1\tW" + std::to_string(i) + "\tc" + std::to_string(i % 977) + "\n";
    const PronunciationDictionary dictionary = PronunciationDictionary::fromBytes(bytes);
    EXPECT_EQ(dictionary.size(), 50000u);
    for (int i = 0; i < 50000; ++i) {
        // Appended rather than "w" + ...: GCC 12 warns (-Wrestrict) on that at -O3.
        std::string key = "w", code = "c";
        key += std::to_string(i);
        code += std::to_string(i % 977);
        ASSERT_EQ(dictionary.transcriptionOf(std::u16string(key.begin(), key.end())),
                  std::u16string(code.begin(), code.end()));
    }
    EXPECT_FALSE(dictionary.hasTranscription(u"w50000"));
}

// The block scan the loader uses (SSE2 on x86-64) against the byte loop used
// elsewhere and for the tail of a file, on blocks dense in separators and in
// bytes that differ from them by one bit or by the sign.
TEST(DictionaryIndex, BlockScanAgreesWithTheByteLoop) {
    const char alphabet[] = {'\t',   '\n',   '\r', '\x09' ^ 0x40, '\x0A' ^ 0x40,
                             '\x89', '\x8A', 'a',  '\0'};
    std::mt19937 random(9);
    for (int round = 0; round < 2000; ++round) {
        char block[detail::scanBlock];
        for (char &byte : block)
            byte = alphabet[random() % std::size(alphabet)];
        detail::SeparatorMasks expected;
        for (std::size_t i = 0; i < detail::scanBlock; ++i) {
            if (block[i] == '\t')
                expected.tabs |= std::uint64_t{1} << i;
            if (block[i] == '\n')
                expected.lineFeeds |= std::uint64_t{1} << i;
        }
        const detail::SeparatorMasks fast = detail::separatorsIn(block);
        const detail::SeparatorMasks portable = detail::separatorsInPortable(block);
        ASSERT_EQ(fast.tabs, expected.tabs);
        ASSERT_EQ(fast.lineFeeds, expected.lineFeeds);
        ASSERT_EQ(portable.tabs, expected.tabs);
        ASSERT_EQ(portable.lineFeeds, expected.lineFeeds);
        // A tail shorter than a block sees only its own bytes.
        const std::size_t count = random() % detail::scanBlock;
        const std::uint64_t kept = (std::uint64_t{1} << count) - 1;
        const detail::SeparatorMasks tail = detail::separatorsInPortable(block, count);
        ASSERT_EQ(tail.tabs, expected.tabs & kept);
        ASSERT_EQ(tail.lineFeeds, expected.lineFeeds & kept);
    }
}

TEST(DictionaryFile, FoldsOnlyAsciiCapitals) {
    EXPECT_EQ(toLowerAscii(u"AZaz@[`{09'\u00C9\u0416"), u"azaz@[`{09'\u00C9\u0416");

    // Keys of every length, made of the letters around A-Z and high bytes,
    // are found under the same folding that word lookup applies.
    const std::string alphabet = "@AMZ[`az{\xC1\xDA\x80\xFF \r";
    std::mt19937 random(5);
    std::vector<std::string> keys;
    std::string bytes;
    for (std::size_t length = 0; length < 40; ++length) {
        std::string key;
        for (std::size_t i = 0; i < length; ++i)
            key += alphabet[random() % alphabet.size()];
        keys.push_back(key);
        bytes += "x\t" + key + "\tv" + std::to_string(length) + "\n";
    }
    const PronunciationDictionary dictionary = PronunciationDictionary::fromBytes(bytes);
    for (std::size_t length = 0; length < keys.size(); ++length) {
        std::u16string word;
        for (const char c : keys[length])
            word += static_cast<char16_t>(static_cast<signed char>(c));
        std::string code = "v";
        code += std::to_string(length);
        EXPECT_EQ(dictionary.transcriptionOf(toLowerAscii(word)),
                  std::u16string(code.begin(), code.end()));
    }
}

TEST(DictionaryFile, AppendingAgreesWithLookupForEveryFieldLength) {
    // Lengths around the ones an index can record in a byte, and words
    // longer than a lookup narrows on the stack.
    const std::vector<std::size_t> lengths = {0, 1, 63, 64, 65, 254, 255, 256, 1000};
    std::string bytes;
    std::vector<std::pair<std::string, std::string>> entries;
    for (const std::size_t keyLength : lengths) {
        for (const std::size_t valueLength : lengths) {
            std::string key(keyLength, 'k'), value(valueLength, 'v');
            if (keyLength > 0)
                key.back() = static_cast<char>('a' + entries.size() % 26);
            key += std::to_string(entries.size());
            // An earlier line for the same key, and CRLF on every other line.
            bytes += "0\t" + key + "\tstale\n";
            bytes += "0\t" + key + "\t" + value + (entries.size() % 2 ? "\r\n" : "\n");
            entries.emplace_back(key, value);
        }
    }
    bytes += "0\tlast\tno line feed\r";
    entries.emplace_back("last", "no line feed\r");
    const PronunciationDictionary dictionary = PronunciationDictionary::fromBytes(bytes);
    std::size_t nonEmpty = 0;
    for (const auto &[key, value] : entries) {
        SCOPED_TRACE(std::to_string(key.size()) + " " + std::to_string(value.size()));
        const std::u16string word(key.begin(), key.end()), code(value.begin(), value.end());
        nonEmpty += code.empty() ? 0 : 1;
        EXPECT_EQ(dictionary.transcriptionOf(word), code);
        EXPECT_EQ(dictionary.hasTranscription(word), !code.empty());
        std::u16string out = u"x ";
        EXPECT_EQ(dictionary.appendTranscription(word, out), !code.empty());
        std::u16string expected = u"x ";
        expected += code;
        EXPECT_EQ(out, expected);
        std::u16string longer = word;
        longer += u'!';
        std::u16string untouched(1, u'y');
        EXPECT_FALSE(dictionary.appendTranscription(longer, untouched));
        EXPECT_EQ(untouched, u"y");
    }
    EXPECT_EQ(dictionary.size(), nonEmpty);

    // The process-wide form behaves the same.
    loadDictionaryFromBytes("0\tcat\tk\xE6t\n");
    std::u16string out = u"[";
    EXPECT_TRUE(appendTranscription(u"cat", out));
    EXPECT_FALSE(appendTranscription(u"dog", out));
    EXPECT_EQ(out, u"[k\uFFE6t");
    EXPECT_EQ(TranscriptionEngine().transcribeWord(u"Cat"), u"k\uFFE6t");
}

// A user's dictionary is asked first, for whole words and for the stems of
// the suffix rules; what it lacks, or holds empty, the shipped one answers.
TEST(LayeredDictionaries, UserEntriesComeFirst) {
    const PronunciationDictionary shipped =
        dictionaryOf({{"tomato", "tq'mRtqU"}, {"walk", "wLk"}, {"cat", "kxt"}, {"dog", "dPg"}});
    const PronunciationDictionary user =
        dictionaryOf({{"tomato", "tq'meItqU"}, {"walk", "wPk"}, {"dog", ""}, {"zorb", "zLb"}});
    const TranscriptionEngine layered(shipped, &user);
    const TranscriptionEngine plain(shipped);
    const struct {
        const char *name;
        std::u16string word, layered, plain;
    } cases[] = {
        {"user overrides", u"Tomato", u"tq'meItqU", u"tq'mRtqU"},
        {"stem from the user", u"walked", u"wPkt", u"wLkt"},
        {"only shipped", u"cats", u"kxts", u"kxts"},
        {"empty user entry falls through", u"dog", u"dPg", u"dPg"},
        {"only the user's", u"zorbs", u"zLbz", u"(zorbs)"},
        {"in neither", u"xyzzy", u"(xyzzy)", u"(xyzzy)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layered.transcribeWord(c.word), c.layered);
        EXPECT_EQ(plain.transcribeWord(c.word), c.plain);
    }
    EXPECT_TRUE(layered.hasTranscription(u"zorb"));
    EXPECT_FALSE(plain.hasTranscription(u"zorb"));
}

// Two variants' engines live side by side, each reading its own dictionary,
// from several threads at once.
TEST(LayeredDictionaries, EnginesOverDifferentDictionariesShareNothing) {
    const PronunciationDictionary british =
        dictionaryOf({{"tomato", "tq'mRtqU"}, {"dance", "dRns"}, {"the", "DJ"}});
    const PronunciationDictionary american =
        dictionaryOf({{"tomato", "tq'meItoU"}, {"dance", "dxns"}, {"the", "DJ"}});
    const TranscriptionEngine britishEngine(british, EngineOptions{Variant::British});
    const TranscriptionEngine americanEngine(american, EngineOptions{Variant::American});
    EXPECT_EQ(britishEngine.options().variant, Variant::British);
    EXPECT_EQ(americanEngine.options().variant, Variant::American);

    const std::u16string sentence = u"The tomato dances.";
    const std::u16string britishResult = britishEngine.transcribeSentence(sentence);
    const std::u16string americanResult = americanEngine.transcribeSentence(sentence);
    EXPECT_EQ(britishResult, u"[\u00F0\u0259 t\u0259\u02C8m\u0251\u02D0t\u0259 "
                             u"\u02C8d\u0251\u02D0ns\u026Az]");
    EXPECT_EQ(americanResult, u"[\u00F0\u0259 t\u0259\u02C8me\u026Ato \u02C8d\u00E6ns\u026Az]");

    bool agreed[4] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            const TranscriptionEngine &engine = t % 2 ? americanEngine : britishEngine;
            const std::u16string &expected = t % 2 ? americanResult : britishResult;
            bool same = true;
            for (int i = 0; i < 2000; ++i)
                same = same && engine.transcribeSentence(sentence) == expected;
            agreed[t] = same;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < 4; ++t)
        EXPECT_TRUE(agreed[t]) << "thread " << t;
}

} // namespace
} // namespace orvanta
