// Coverage of a pronunciation dictionary through the engine's own rules: the share of
// word tokens of English text that transcribeWord answers without the fallback form.
//
//   build/tools/orvanta_coverage DICTIONARY [--show N] TEXT...
#include "engine/lexicon/dictionary.h"
#include "engine/speech/phrase.h"
#include "engine/transcription_engine.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

std::u16string widen(const std::string &bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes)
        out.push_back(c < 0x80 ? char16_t(c) : u'?'); // non-ASCII is dropped anyway
    return out;
}

std::string narrow(const std::u16string &text) {
    return std::string(text.begin(), text.end());
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::cerr << "usage: coverage DICTIONARY [--show N] TEXT...\n";
        return 2;
    }
    const orvanta::DictionaryLoad load = orvanta::PronunciationDictionary::load(argv[1]);
    if (!load.ok()) {
        std::cerr << argv[1] << ": " << load.error << "\n";
        return 1;
    }
    int show = 0;
    const orvanta::TranscriptionEngine engine(load.dictionary);
    long tokens = 0, fallback = 0;
    std::map<std::string, long> missing;
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--show" && i + 1 < argc) {
            show = std::stoi(argv[++i]);
            continue;
        }
        std::ifstream in(argv[i], std::ios::binary);
        std::string line;
        // a line is a sentence here: sentence cutting does not change which words exist
        while (std::getline(in, line)) {
            const std::u16string normal = orvanta::rules::normalizeSentence(widen(line));
            if (normal.empty())
                continue;
            std::u16string word;
            for (std::size_t p = 0; p <= normal.size(); ++p) {
                if (p < normal.size() && normal[p] != u' ') {
                    word.push_back(normal[p]);
                    continue;
                }
                if (!word.empty()) {
                    ++tokens;
                    if (engine.transcribeWord(word).front() == u'(') {
                        ++fallback;
                        ++missing[narrow(orvanta::toLowerAscii(word))];
                    }
                }
                word.clear();
            }
        }
    }
    std::vector<std::pair<long, std::string>> worst;
    for (const auto &[w, n] : missing)
        worst.emplace_back(-n, w);
    std::sort(worst.begin(), worst.end());
    for (int k = 0; k < show && k < int(worst.size()); ++k)
        std::cout << "  " << worst[k].second << " " << -worst[k].first << "\n";
    std::printf("entries: %zu  word tokens: %ld  without fallback: %ld (%.2f%%)\n",
                load.dictionary.size(), tokens, tokens - fallback,
                tokens ? 100.0 * double(tokens - fallback) / double(tokens) : 0.0);
    return 0;
}
