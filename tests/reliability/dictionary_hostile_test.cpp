// Hostile dictionary files: garbage, huge lines, a million duplicates, paths
// that are not plain files. Each loads what the format says, or nothing,
// and never brings the program down.
#include "engine/lexicon/dictionary.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

using test_support::widen;

std::string writeFile(const std::string &bytes) {
    return test_support::writeTemporaryFile("hostile-dictionary.txt", bytes);
}

// The format read the slow, plain way: lines at LF (a CR before it
// dropped), exactly three TAB fields, key folded A-Z, later line wins.
std::map<std::u16string, std::u16string> expectedEntries(std::string_view bytes) {
    std::map<std::u16string, std::u16string> entries;
    for (std::size_t start = 0;;) {
        const std::size_t lf = bytes.find('\n', start);
        std::string_view line = bytes.substr(start, lf == std::string_view::npos ? lf : lf - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == line.npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 != line.npos && line.find('\t', tab2 + 1) == line.npos) {
            std::u16string key = widen(line.substr(tab1 + 1, tab2 - tab1 - 1));
            for (char16_t &c : key)
                c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
            entries[key] = widen(line.substr(tab2 + 1));
        }
        if (lf == std::string_view::npos)
            return entries;
        start = lf + 1;
    }
}

std::string randomBytes(std::size_t size, unsigned seed) {
    // Dense in TAB, LF and CR so that many lines are entries.
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char &b : bytes) {
        const unsigned r = random() % 16;
        b = r == 0 ? '\t' : r == 1 ? '\n' : r == 2 ? '\r' : static_cast<char>(random());
    }
    return bytes;
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(HostileDictionaryFile, LoadsWhatTheFormatSays) {
    const struct {
        const char *what;
        std::function<std::string()> bytes;
    } cases[] = {
        {"binary garbage", [] { return randomBytes(1 << 20, 1); }},
        {"binary garbage, another seed", [] { return randomBytes(1 << 20, 2); }},
        {"only NUL bytes", [] { return std::string(1 << 20, '\0'); }},
        {"NUL inside lines", [] { return std::string("1\tca\0t\tk\0xt\n\0\t\0\t\0", 17); }},
        {"no trailing line feed", [] { return std::string("1\tcat\tkxt\n1\tdog\tdPg"); }},
        {"CR line ends only: one line", [] { return std::string("1\tcat\tkxt\r1\tdog\tdPg\r"); }},
        {"a million duplicate keys",
         [] {
             std::string bytes = repeated("1\tWord\twEd\n1\tword\t\n1\tWORD\twE:d\n", 333'333);
             return bytes + "1\twOrD\tlast\n";
         }},
        {"a 10 MB line without TAB", [] { return std::string(10 << 20, 'x'); }},
        {"a 10 MB word", [] { return "1\t" + std::string(10 << 20, 'w') + "\tw\n"; }},
        {"a 10 MB transcription", [] { return "1\tw\t" + std::string(10 << 20, 'q'); }},
        {"five million empty lines", [] { return std::string(5'000'000, '\n'); }},
        {"a million TABs on one line", [] { return std::string(1'000'000, '\t'); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bytes = c.bytes();
        const auto expected = expectedEntries(bytes);
        std::size_t present = 0;
        for (const auto &entry : expected)
            present += entry.second.empty() ? 0 : 1;
        const std::string path = writeFile(bytes);
        // Loaded twice in place: the second load, which reuses the first's
        // memory, must give the same dictionary.
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_TRUE(loadDictionary(path));
            ASSERT_EQ(dictionarySize(), present);
            for (const auto &[key, code] : expected)
                ASSERT_EQ(transcriptionOf(key), code);
        }
        const DictionaryLoad load = PronunciationDictionary::load(path);
        ASSERT_TRUE(load.ok()) << load.error;
        ASSERT_EQ(load.dictionary.size(), present);
        for (const auto &[key, code] : expected)
            ASSERT_EQ(load.dictionary.transcriptionOf(key), code);
    }
}

TEST(HostileDictionaryFile, MillionDuplicatesKeepTheLastLine) {
    loadDictionaryFromBytes(repeated("1\tword\tfirst\n1\tWord\tsecond\n", 500'000) +
                            "1\twORD\tthird");
    EXPECT_EQ(dictionarySize(), 1u);
    EXPECT_EQ(transcriptionOf(u"word"), u"third");
}

// Peak memory, in MB, that loading `bytes` adds; measured in a child
// process so that earlier allocations of this one do not hide it.
long peakMegabytesToLoad(const std::string &bytes) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        loadDictionaryFromBytes(bytes);
        getrusage(RUSAGE_SELF, &after);
        const long grown = (after.ru_maxrss - before.ru_maxrss) / 1024;
        const ssize_t written = write(pipeEnds[1], &grown, sizeof grown);
        _exit(written == sizeof grown ? 0 : 1);
    }
    long grown = -1;
    if (read(pipeEnds[0], &grown, sizeof grown) != sizeof grown)
        grown = -1;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    waitpid(child, nullptr, 0);
    return grown;
}

TEST(HostileDictionaryFile, MemoryFollowsTheEntriesNotTheLineCount) {
    // A log picked as dictionary: 32 MB of lines that can never be entries.
    // The loader keeps the bytes it reads (a few times their size at most);
    // a lookup table with room for every line would take 16 times more.
    constexpr long megabytes = 32;
    for (const char *line : {"\n", "no tab\n", "one\ttab\n"}) {
        SCOPED_TRACE(line);
        const std::string bytes = repeated(line, (megabytes << 20) / std::strlen(line));
        const long grown = peakMegabytesToLoad(bytes);
        ASSERT_GE(grown, 0);
        EXPECT_LT(grown, 4 * megabytes);
    }
}

TEST(HostileDictionaryPath, AnythingButAReadableFileLoadsNothing) {
    namespace fs = std::filesystem;
    const fs::path directory = fs::path(::testing::TempDir()) /
                               ("orvanta-dictionary-directory-" + std::to_string(getpid()));
    fs::create_directories(directory);
    const struct {
        const char *what;
        std::string path;
        bool readable;
    } cases[] = {
        {"a directory", directory.string(), false},
        {"a directory with a trailing slash", directory.string() + "/", false},
        {"a missing file", (directory / "missing.txt").string(), false},
        {"a file below a file", writeFile("x") + "/below.txt", false},
        {"the empty path", "", false},
        {"an empty device", "/dev/null", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        loadDictionaryFromBytes("1\tcat\tkxt\n");
        EXPECT_EQ(loadDictionary(c.path), c.readable);
        EXPECT_EQ(dictionarySize(), 0u);
        EXPECT_FALSE(dictionaryHas(u"cat"));
        const DictionaryLoad load = PronunciationDictionary::load(c.path);
        EXPECT_EQ(load.ok(), c.readable);
        EXPECT_EQ(load.error.empty(), c.readable) << load.error;
        EXPECT_EQ(load.dictionary.size(), 0u);
    }
}

} // namespace
} // namespace orvanta
