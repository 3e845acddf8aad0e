// Which path answers each word that no dictionary holds, and what each path
// would say: the inflection rules, word formation (with the parts it found)
// and the letter-to-sound model. For measuring the guesser path by path.
//
//   build/tools/orvanta_guess_paths DICTIONARY MODEL british|american < WORDS
//
// Prints one line per word: word, the path the engine takes (inflection,
// formation, model or none), then the phonetic code of each path (empty when
// it has none) and the parts word formation found, tab-separated.
#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/letter_to_sound.h"
#include "engine/lexicon/word_formation.h"
#include "engine/transcription_engine.h"

#include <iostream>
#include <string>

namespace {

std::string narrow(const std::u16string &text) {
    std::string out;
    for (const char16_t c : text)
        out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::cerr << "usage: guess_paths DICTIONARY MODEL british|american < WORDS\n";
        return 2;
    }
    const orvanta::DictionaryLoad load = orvanta::PronunciationDictionary::load(argv[1]);
    if (!load.ok()) {
        std::cerr << argv[1] << ": " << load.error << "\n";
        return 1;
    }
    const orvanta::LetterToSoundLoad model = orvanta::LetterToSoundModel::load(argv[2]);
    if (!model.error.empty()) {
        std::cerr << argv[2] << ": " << model.error << "\n";
        return 1;
    }
    const orvanta::Variant variant =
        std::string(argv[3]) == "american" ? orvanta::Variant::American : orvanta::Variant::British;
    const orvanta::TranscriptionEngine engine(load.dictionary, orvanta::EngineOptions{variant});
    const orvanta::rules::KnownWords known = orvanta::rules::knownWordsOf(engine);
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::u16string word(line.begin(), line.end());
        std::u16string inflection = engine.transcribeWord(word);
        if (inflection.front() == u'(')
            inflection.clear();
        const orvanta::rules::Formation formed = orvanta::rules::formWord(word, variant, known);
        const std::u16string guessed = model.model.pronounce(word);
        const char *path = !inflection.empty()    ? "inflection"
                           : !formed.code.empty() ? "formation"
                           : !guessed.empty()     ? "model"
                                                  : "none";
        std::cout << line << '\t' << path << '\t' << narrow(inflection) << '\t'
                  << narrow(formed.code) << '\t' << narrow(guessed) << '\t' << narrow(formed.parts)
                  << '\n';
    }
    return 0;
}
