// Adversarial inputs at several sizes through every stage that sees the
// user's text or a dictionary file, printing the time per megabyte: linear
// stages show the same figure at every size. Not a test (no time limits are
// asserted); run it by hand, e.g.
//   build-bench/bench/orvanta_stress_linear [SIZE_MB...]   (default 1 2 5 10)
// Dictionary cases run in a child process each, so that each one's peak
// memory can be told apart.
#include "document/document.h"
#include "document/utf16.h"
#include "engine/lexicon/dictionary.h"
#include "engine/output/cyrillic.h"
#include "engine/speech/phrase.h"
#include "engine/text/text.h"
#include "engine/transcription_engine.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::u16string repeatedTo(std::u16string_view piece, std::size_t units) {
    std::u16string out;
    out.reserve(units + piece.size());
    while (out.size() < units)
        out += piece;
    out.resize(units);
    return out;
}

double millisecondsOf(const std::function<void()> &work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const char *input, const char *stage, double megabytes, double ms) {
    std::printf("%-26s %-20s %5.0f MB %10.1f ms %8.1f ms/MB\n", input, stage, megabytes, ms,
                ms / megabytes);
    std::fflush(stdout);
}

struct TextCase {
    const char *name;
    std::u16string_view piece; // repeated to the size
};

void runText(const TextCase &c, double megabytes) {
    // One "MB" of text is a million characters.
    const std::size_t units = static_cast<std::size_t>(megabytes * 1'000'000);
    const std::u16string text = repeatedTo(c.piece, units);
    const orvanta::TranscriptionEngine engine;
    std::size_t sink = 0;

    report(c.name, "normalizeSentence", megabytes,
           millisecondsOf([&] { sink += orvanta::rules::normalizeSentence(text).size(); }));
    std::u16string transcription;
    report(c.name, "transcribeSentence", megabytes,
           millisecondsOf([&] { transcription = engine.transcribeSentence(text); }));
    report(c.name, "transliterate (text)", megabytes,
           millisecondsOf([&] { sink += orvanta::transliterateToCyrillic(text).size(); }));
    report(c.name, "renderIpa (text)", megabytes,
           millisecondsOf([&] { sink += engine.renderIpa(text).size(); }));
    report(c.name, "replaceAll rr->r", megabytes,
           millisecondsOf([&] { sink += orvanta::replaceAll(text, u"rr", u"r").size(); }));
    const QString qtext = orvanta::toQString(text);
    report(c.name, "cutSentences", megabytes,
           millisecondsOf([&] { sink += orvanta::cutSentences(qtext).size(); }));
    report(c.name, "buildDocument", megabytes,
           millisecondsOf([&] { sink += orvanta::buildDocument(qtext, true).size(); }));
    if (sink == 0)
        std::printf("(nothing produced)\n");
}

struct DictionaryCase {
    const char *name;
    std::function<std::string(std::size_t)> bytes;
};

void runDictionary(const DictionaryCase &c, double megabytes) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child != 0) {
        int status = 0;
        waitpid(child, &status, 0);
        return;
    }
    const std::string bytes = c.bytes(static_cast<std::size_t>(megabytes * 1'000'000));
    const std::string path = "/tmp/orvanta-stress-dictionary.txt";
    if (std::FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    const long before = peakKilobytes();
    const double ms = millisecondsOf([&] { orvanta::loadDictionary(path); });
    std::printf("%-26s %-20s %5.0f MB %10.1f ms %8.1f ms/MB  entries %zu, peak +%ld MB\n", c.name,
                "loadDictionary", megabytes, ms, ms / megabytes, orvanta::dictionarySize(),
                (peakKilobytes() - before) / 1024);
    std::remove(path.c_str());
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char **argv) {
    std::vector<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atof(argv[i]));
    if (sizes.empty())
        sizes = {1, 2, 5, 10};

    // Dictionary cases first: each child inherits the peak memory of the
    // parent, which must still be small for the figures to mean anything.
    const DictionaryCase dictionaries[] = {
        {"dict: one line, no TAB", [](std::size_t n) { return std::string(n, 'x'); }},
        {"dict: one huge word",
         [](std::size_t n) { return "1\t" + std::string(n, 'w') + "\tw\n"; }},
        {"dict: empty lines", [](std::size_t n) { return std::string(n, '\n'); }},
        {"dict: duplicate keys",
         [](std::size_t n) {
             std::string out;
             while (out.size() < n)
                 out += "1\tword\tw3:d\n";
             return out;
         }},
        {"dict: distinct keys",
         [](std::size_t n) {
             std::string out;
             for (std::size_t i = 0; out.size() < n; ++i)
                 out += "1\tw" + std::to_string(i) + "\tw3:d\n";
             return out;
         }},
    };
    std::vector<double> dictionarySizes = sizes;
    dictionarySizes.push_back(100);
    for (const DictionaryCase &c : dictionaries)
        for (const double size : dictionarySizes)
            runDictionary(c, size);
    orvanta::loadDictionaryFromBytes("1\tthe\tDJ\n1\tchurch\tCE:C\n1\tcat\tkxt\n1\tam\txm\n");
    const TextCase texts[] = {
        {"spaces", u" "},
        {"r", u"r"},
        {"a.m.", u"a.m."},
        {"church (IPA t\u0283 run)", u"t\u0283"},
        {"church church (words)", u"church "},
        {"one endless word", u"running"},
        {"only delimiters", u". ! ? \n"},
        {"line feeds", u"\n"},
        {"short sentences", u"The cat sat. "},
    };
    for (const TextCase &c : texts)
        for (const double size : sizes)
            runText(c, size);

    std::printf("peak memory of the text cases: %ld MB\n", peakKilobytes() / 1024);
    return 0;
}
