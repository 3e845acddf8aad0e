// Which entries of a pronunciation dictionary the engine rebuilds by itself, so that
// the shipped file can leave them out (a smaller file loads faster) while every
// word the program is asked about keeps its transcription.
//
//   build/tools/orvanta_prune_dictionary DICTIONARY [ENDING...]   prints the words to drop, one a
//   line
//
// A word is dropped only when
// - it reaches the -d/-s rule of transcribeWord (a plural, a third person, a past
//   tense): words made by other endings are the stems of further words far more often
//   ("runnings", "rulers");
// - the dictionary without all dropped words rebuilds it to exactly the stored code;
// - no word of the dictionary, nor any word plus one of the ENDINGs, is transcribed
//   differently by the pruned dictionary than by the full one.
// Dropped words are taken back until all three hold together, so their interplay
// (one dropped word being the stem of another) is checked too.
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string word;
    std::string code;
};

std::u16string widen(const std::string &text) {
    return {text.begin(), text.end()};
}

bool endsWith(const std::string &text, const std::string &suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool reachesDsRule(const std::string &word) {
    return word.size() >= 3 &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
           (word.back() == 'd' || word.back() == 's') && !endsWith(word, "ing") &&
           !endsWith(word, "est");
}

// Every string transcribeWord may look up as the stem of `word`: a few letters
// shorter, with y for a final i, or with e added. Taking all of them back
// over-approximates the one the engine actually consulted, which is safe.
std::vector<std::string> possibleStems(const std::string &word) {
    std::vector<std::string> stems;
    for (std::size_t cut = 1; cut <= 4 && cut < word.size(); ++cut) {
        std::string stem = word.substr(0, word.size() - cut);
        stems.push_back(stem);
        stems.push_back(stem + "e");
        if (stem.back() == 'i')
            stems.push_back(stem.substr(0, stem.size() - 1) + "y");
    }
    return stems;
}

std::string dictionaryBytes(const std::vector<Entry> &entries, const std::set<std::string> &drop) {
    std::string bytes;
    for (const Entry &e : entries) {
        if (!drop.count(e.word))
            bytes += "0\t" + e.word + "\t" + e.code + "\n";
    }
    return bytes;
}

std::vector<std::u16string> transcribeAll(const std::vector<std::u16string> &words) {
    const orvanta::TranscriptionEngine engine;
    std::vector<std::u16string> codes;
    codes.reserve(words.size());
    for (const std::u16string &w : words)
        codes.push_back(engine.transcribeWord(w));
    return codes;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::cerr << "usage: prune_dictionary DICTIONARY [ENDING...]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::vector<Entry> entries;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos)
            continue;
        entries.push_back({line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
    }
    const std::vector<std::string> endings(argv + 2, argv + argc);

    std::vector<std::u16string> probes;
    std::vector<std::string> probeWords;
    for (const Entry &e : entries) {
        probeWords.push_back(e.word);
        for (const std::string &ending : endings)
            probeWords.push_back(e.word + ending);
    }
    for (const std::string &w : probeWords)
        probes.push_back(widen(w));

    std::string full;
    for (const Entry &e : entries)
        full += "0\t" + e.word + "\t" + e.code + "\n";
    orvanta::loadDictionaryFromBytes(full);
    const std::vector<std::u16string> before = transcribeAll(probes);

    std::set<std::string> drop;
    for (const Entry &e : entries) {
        if (reachesDsRule(e.word))
            drop.insert(e.word);
    }
    for (;;) {
        orvanta::loadDictionaryFromBytes(dictionaryBytes(entries, drop));
        const std::vector<std::u16string> after = transcribeAll(probes);
        std::set<std::string> keep;
        for (std::size_t i = 0; i < probes.size(); ++i) {
            if (after[i] == before[i])
                continue;
            if (drop.count(probeWords[i]))
                keep.insert(probeWords[i]);
            for (const std::string &stem : possibleStems(probeWords[i])) {
                if (drop.count(stem))
                    keep.insert(stem);
            }
        }
        if (keep.empty())
            break;
        for (const std::string &w : keep)
            drop.erase(w);
        std::cerr << "prune_dictionary: " << keep.size() << " taken back, " << drop.size()
                  << " left to drop\n";
    }
    for (const std::string &w : drop)
        std::cout << w << '\n';
    return 0;
}
