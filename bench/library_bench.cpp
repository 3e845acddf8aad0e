// Speed of the engine and the document builder on the shipped dictionaries.
//   orvanta_bench [--root=REPOSITORY] [--text=FILE] [Google Benchmark flags]
// The repository root (default: the current directory) holds data/; without
// --text the standard generated text is used.
#include "bench/long_text.h"
#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/guess_model.h"
#include "engine/lexicon/letter_to_sound.h"
#include "engine/speech/phrase.h"
#include "engine/transcription_engine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orvanta::TranscriptionEngine;

std::string root = ".";
QString longText;
std::vector<std::u16string> sentences;
double wordCount = 0;

std::string dictionaryPath(bool british) {
    return root + (british ? "/data/velmor_eng_transcription.txt"
                           : "/data/american_transcription-abridged.txt");
}

orvanta::PronunciationDictionary loadVariant(benchmark::State &state, bool british) {
    orvanta::DictionaryLoad load = orvanta::PronunciationDictionary::load(dictionaryPath(british));
    if (!load.ok())
        state.SkipWithError(("cannot read " + dictionaryPath(british)).c_str());
    return std::move(load.dictionary);
}

// The process-wide dictionary, reloaded in place into the memory of the last
// load.
void BM_LoadDictionary(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    for (auto _ : state) {
        if (!orvanta::loadDictionary(dictionaryPath(british))) {
            state.SkipWithError(("cannot read " + dictionaryPath(british)).c_str());
            break;
        }
    }
    state.counters["entries"] = double(orvanta::dictionarySize());
    state.SetLabel(british ? "british" : "american");
}
BENCHMARK(BM_LoadDictionary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A new dictionary object per load, as the window and the command line make.
void BM_LoadDictionaryObject(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    std::size_t entries = 0;
    for (auto _ : state) {
        const orvanta::PronunciationDictionary dictionary = loadVariant(state, british);
        entries = dictionary.size();
    }
    state.counters["entries"] = double(entries);
    state.SetLabel(british ? "british" : "american");
}
BENCHMARK(BM_LoadDictionaryObject)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TranscribeSentence(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    const orvanta::PronunciationDictionary dictionary = loadVariant(state, british);
    const TranscriptionEngine engine(dictionary);
    for (auto _ : state) {
        for (const std::u16string &sentence : sentences)
            benchmark::DoNotOptimize(engine.transcribeSentence(sentence));
    }
    state.counters["words/s"] =
        benchmark::Counter(wordCount, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(british ? "british" : "american");
}
BENCHMARK(BM_TranscribeSentence)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same with the reading stage in front, as the window and the command
// line run it; the second argument turns the weak forms on, the third the
// guess for words no dictionary holds (the text has some, about one word in
// 120, made of random letters, with the variant's letter-to-sound model).
void BM_ReadAndTranscribeSentence(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    const bool weakForms = state.range(1) != 0;
    const bool guess = state.range(2) != 0;
    const orvanta::PronunciationDictionary dictionary = loadVariant(state, british);
    const orvanta::GuessModel model(orvanta::letterToSoundPathFor(dictionaryPath(british)));
    orvanta::EngineOptions options{british ? orvanta::Variant::British : orvanta::Variant::American,
                                   weakForms};
    options.guessUnknownWords = guess;
    options.guessModel = &model;
    const TranscriptionEngine engine(dictionary, options);
    for (auto _ : state) {
        for (const std::u16string &sentence : sentences)
            benchmark::DoNotOptimize(engine.transcribeReadSentence(sentence));
    }
    state.counters["words/s"] =
        benchmark::Counter(wordCount, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(std::string(british ? "british" : "american") +
                   (weakForms ? ", weak forms" : "") + (guess ? ", guessing" : ""));
}
BENCHMARK(BM_ReadAndTranscribeSentence)
    ->Args({0, 0, 0})
    ->Args({1, 0, 0})
    ->Args({0, 1, 0})
    ->Args({1, 1, 0})
    ->Args({0, 0, 1})
    ->Args({1, 0, 1})
    ->Unit(benchmark::kMillisecond);

// Words no dictionary holds, made up for the purpose: some of known parts,
// some for the letter-to-sound model (read before the timing starts).
void BM_GuessWord(benchmark::State &state) {
    static constexpr std::u16string_view words[] = {
        u"unkindliness", u"passcodes",   u"overbrightish", u"kinglike",    u"blogsphere",
        u"zentrabulous", u"florpington", u"quastered",     u"vemblish",    u"draxonomy",
        u"unfrequently", u"downlinks",   u"prettyish",     u"missishness", u"snorbleflax",
    };
    const bool british = state.range(0) != 0;
    const orvanta::PronunciationDictionary dictionary = loadVariant(state, british);
    const orvanta::GuessModel model(orvanta::letterToSoundPathFor(dictionaryPath(british)));
    orvanta::EngineOptions options{british ? orvanta::Variant::British
                                           : orvanta::Variant::American};
    options.guessUnknownWords = true;
    options.guessModel = &model;
    const TranscriptionEngine engine(dictionary, options);
    model.model();
    for (auto _ : state) {
        for (const std::u16string_view word : words)
            benchmark::DoNotOptimize(engine.guessWord(word));
    }
    state.counters["words/s"] =
        benchmark::Counter(double(std::size(words)), benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(std::string(british ? "british" : "american") +
                   (model.model() != nullptr ? "" : ", word formation alone"));
}
BENCHMARK(BM_GuessWord)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What one press of "Transcribe!" costs before any widget is touched.
void BM_BuildDocumentWithLoad(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    const bool cyrillic = state.range(1) != 0;
    for (auto _ : state) {
        const orvanta::PronunciationDictionary dictionary = loadVariant(state, british);
        benchmark::DoNotOptimize(
            orvanta::buildDocument(TranscriptionEngine(dictionary), longText, cyrillic));
    }
    state.counters["words/s"] =
        benchmark::Counter(wordCount, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(std::string(british ? "british" : "american") + (cyrillic ? ", cyrillic" : ""));
}
BENCHMARK(BM_BuildDocumentWithLoad)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

// The letter-to-sound model, read as on the first word no dictionary holds.
void BM_LoadLetterToSound(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    const std::string path = orvanta::letterToSoundPathFor(dictionaryPath(british));
    for (auto _ : state) {
        const orvanta::LetterToSoundLoad load = orvanta::LetterToSoundModel::load(path);
        if (!load.ok()) {
            state.SkipWithError(load.error.c_str());
            break;
        }
    }
    state.SetLabel(british ? "british" : "american");
}
BENCHMARK(BM_LoadLetterToSound)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The letter-to-sound model alone, over every 50th word of the dictionary (it
// reads any word the same way, known or not, and these have real lengths).
void BM_LetterToSoundWord(benchmark::State &state) {
    const bool british = state.range(0) != 0;
    const orvanta::LetterToSoundLoad load =
        orvanta::LetterToSoundModel::load(orvanta::letterToSoundPathFor(dictionaryPath(british)));
    if (!load.ok()) {
        state.SkipWithError(load.error.c_str());
        return;
    }
    std::vector<std::u16string> words;
    std::ifstream in(dictionaryPath(british));
    std::string line;
    for (std::size_t n = 0; std::getline(in, line); ++n) {
        const std::size_t tab = line.find('\t'), tab2 = line.find('\t', tab + 1);
        if (n % 50 == 0 && tab2 != std::string::npos)
            words.emplace_back(line.begin() + static_cast<std::ptrdiff_t>(tab + 1),
                               line.begin() + static_cast<std::ptrdiff_t>(tab2));
    }
    for (auto _ : state)
        for (const std::u16string &word : words)
            benchmark::DoNotOptimize(load.model.pronounce(word));
    state.counters["words/s"] =
        benchmark::Counter(double(words.size()), benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(british ? "british" : "american");
}
BENCHMARK(BM_LetterToSoundWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CutSentences(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(orvanta::cutSentences(longText));
}
BENCHMARK(BM_CutSentences)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[]) {
    std::string textFile;
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--root=", 7) == 0)
            root = argv[i] + 7;
        else if (std::strncmp(argv[i], "--text=", 7) == 0)
            textFile = argv[i] + 7;
        else
            rest.push_back(argv[i]);
    }
    std::string text;
    if (textFile.empty()) {
        text = orvanta::bench::standardText(root);
    } else {
        std::ifstream in(textFile, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        text = bytes.str();
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", textFile.c_str());
            return 1;
        }
    }
    longText = QString::fromUtf8(text);
    for (const QString &sentence : orvanta::cutSentences(longText)) {
        sentences.push_back(sentence.toStdU16String());
        // Words as the engine counts them: after normalisation, at spaces.
        const std::u16string normal = orvanta::rules::normalizeSentence(sentences.back());
        if (!normal.empty())
            wordCount += 1 + double(std::count(normal.begin(), normal.end(), u' '));
    }
    std::printf("text: %zu bytes, %zu sentences, %.0f words\n", text.size(), sentences.size(),
                wordCount);

    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
