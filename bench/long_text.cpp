#include "bench/long_text.h"

#include <cstdint>
#include <fstream>
#include <random>

namespace orvanta::bench {

namespace {

// Running English is mostly these; a text of rare dictionary words alone
// would have far longer words than real prose.
const char *const frequentWords[] = {
    "the",   "of",   "and",   "a",     "to",    "in",     "is",   "you",  "that",  "it",
    "he",    "was",  "for",   "on",    "are",   "as",     "with", "his",  "they",  "i",
    "at",    "be",   "this",  "have",  "from",  "or",     "one",  "had",  "by",    "word",
    "but",   "not",  "what",  "all",   "were",  "we",     "when", "your", "can",   "said",
    "there", "use",  "an",    "each",  "which", "she",    "do",   "how",  "their", "if",
    "will",  "up",   "other", "about", "out",   "many",   "then", "them", "these", "so",
    "some",  "her",  "would", "make",  "like",  "him",    "into", "time", "has",   "look",
    "two",   "more", "write", "go",    "see",   "number", "no",   "way",  "could", "people",
    "my",    "than", "first", "water", "been",  "call",   "who",  "oil",  "its",   "now",
    "find",  "long", "down",  "day",   "did",   "get",    "come", "made", "may",   "part",
    "don't", "it's", "over",  "new",   "after", "little", "very", "just", "where", "most",
};

const char *const endings[] = {"s", "ed", "ing", "'s", "er", "ly"};

// Portable: the standard distributions may differ between libraries.
std::uint32_t below(std::mt19937 &random, std::size_t bound) {
    return static_cast<std::uint32_t>(random() % static_cast<std::uint32_t>(bound));
}

} // namespace

std::vector<std::string> dictionaryWords(const std::string &path) {
    std::vector<std::string> words;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string word = line.substr(first + 1, second - first - 1);
        bool plain = word.size() >= 2 && word.size() <= 12;
        for (const char c : word)
            plain = plain && ((c >= 'a' && c <= 'z') || c == '\'');
        if (plain && second + 1 < line.size())
            words.push_back(word);
    }
    return words;
}

std::string generateText(const std::vector<std::string> &vocabulary, std::size_t bytes,
                         unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    text.reserve(bytes + 256);
    int sentencesInParagraph = 0;
    while (text.size() < bytes) {
        const std::uint32_t length = 4 + below(random, 17);
        for (std::uint32_t i = 0; i < length; ++i) {
            std::string word;
            const std::uint32_t kind = below(random, 100);
            if (kind < 66 || vocabulary.empty()) {
                word = frequentWords[below(random, std::size(frequentWords))];
            } else if (kind < 92) {
                word = vocabulary[below(random, vocabulary.size())];
            } else if (kind < 99) {
                word = vocabulary[below(random, vocabulary.size())] +
                       endings[below(random, std::size(endings))];
            } else {
                // Made-up words, as names and typing errors are to a dictionary.
                for (std::uint32_t k = 3 + below(random, 6); k > 0; --k)
                    word += char('a' + below(random, 26));
            }
            if (i == 0 || below(random, 40) == 0)
                word[0] = char(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 'a' + 'A' : word[0]);
            text += word;
            if (i + 1 < length)
                text += below(random, 12) == 0 ? ", " : " ";
        }
        const std::uint32_t mark = below(random, 10);
        text += mark < 8 ? '.' : mark < 9 ? '?' : '!';
        if (++sentencesInParagraph == 6) {
            text += '\n';
            sentencesInParagraph = 0;
        } else {
            text += ' ';
        }
    }
    text += '\n';
    return text;
}

std::string standardText(const std::string &root) {
    std::vector<std::string> words =
        dictionaryWords(root + "/data/american_transcription-abridged.txt");
    if (words.empty())
        words = dictionaryWords(root + "/data/velmor_eng_transcription.txt");
    return generateText(words, 700 * 1024);
}

} // namespace orvanta::bench
