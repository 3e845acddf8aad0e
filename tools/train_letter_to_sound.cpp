// Trains the letter-to-sound model of a pronunciation dictionary
// (letter_to_sound_training.h), or reads words with one, for measuring.
//
//   orvanta_train_letter_to_sound DICTIONARY MODEL [--order N] [--prune P]
//                                 [--iterations I] [--left-to-right] [--hold-out K]
//       writes MODEL; with --hold-out K every K-th word is left out of training
//       and the model's readings of those words are scored against the dictionary
//   orvanta_train_letter_to_sound --evaluate MODEL DICTIONARY K
//       scores MODEL on every K-th word of DICTIONARY (those --hold-out K left out)
//   orvanta_train_letter_to_sound --say MODEL FILE
//       prints "[ipa]" for each word (one a line) of FILE, "(word)" where the model
//       cannot say: the shape of the command line's -f lines
#include "engine/lexicon/letter_to_sound.h"
#include "engine/output/rendering.h"
#include "tools/letter_to_sound_training.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvanta;

std::string withoutMarks(std::string code) {
    std::erase_if(code, [](char c) { return c == '\'' || c == '"'; });
    return code;
}

int say(const std::string &modelPath, const std::string &wordsPath) {
    LetterToSoundLoad loaded = LetterToSoundModel::load(modelPath);
    if (!loaded.ok()) {
        std::cerr << loaded.error << '\n';
        return 1;
    }
    std::ifstream in(wordsPath);
    std::string line;
    while (std::getline(in, line)) {
        const std::u16string word(line.begin(), line.end());
        const std::u16string code = loaded.model.pronounce(word);
        if (code.empty()) {
            std::cout << '(' << line << ")\n";
            continue;
        }
        std::u16string ipa;
        rules::appendIpa(code, ipa);
        std::string utf8;
        for (const char16_t c : ipa) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else if (c < 0x800) {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                utf8 += static_cast<char>(0xE0 | (c >> 12));
                utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        std::cout << '[' << utf8 << "]\n";
    }
    return 0;
}

void score(const std::string &bytes, const std::vector<lts::TrainingEntry> &heldOut) {
    LetterToSoundLoad loaded = LetterToSoundModel::fromBytes(bytes);
    if (!loaded.ok()) {
        std::cerr << loaded.error << '\n';
        return;
    }
    std::size_t exact = 0, sounds = 0, said = 0;
    for (const lts::TrainingEntry &entry : heldOut) {
        const std::u16string code =
            loaded.model.pronounce(std::u16string(entry.word.begin(), entry.word.end()));
        const std::string guess(code.begin(), code.end());
        said += !guess.empty();
        exact += guess == entry.code;
        sounds += withoutMarks(guess) == withoutMarks(entry.code);
    }
    const double n = static_cast<double>(heldOut.size());
    std::cout << heldOut.size() << " held-out words: pronounced " << 100.0 * said / n
              << "%, right with stress " << 100.0 * exact / n << "%, sounds right "
              << 100.0 * sounds / n << "%\n";
}

// Every `holdOut`-th word of the dictionary (none when 0) goes to `heldOut`.
bool readDictionary(const std::string &path, std::size_t holdOut,
                    std::vector<lts::TrainingEntry> &training,
                    std::vector<lts::TrainingEntry> &heldOut) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return false;
    }
    std::string line;
    std::size_t number = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string index, word, code;
        if (!std::getline(fields, index, '\t') || !std::getline(fields, word, '\t') ||
            !std::getline(fields, code))
            continue;
        // Numbers are the reading stage's business, not words.
        if (word.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
            continue;
        (holdOut != 0 && number++ % holdOut == 0 ? heldOut : training).push_back({word, code});
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--say")
        return say(args[1], args[2]);
    if (args.size() == 4 && args[0] == "--evaluate") {
        std::ifstream in(args[1], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::vector<lts::TrainingEntry> training, heldOut;
        if (!readDictionary(args[2], std::stoul(args[3]), training, heldOut))
            return 1;
        score(bytes, heldOut);
        return 0;
    }
    lts::TrainingOptions options;
    std::size_t holdOut = 0;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--order" && i + 1 < args.size())
            options.order = std::stoul(args[++i]);
        else if (args[i] == "--hold-out" && i + 1 < args.size())
            holdOut = std::stoul(args[++i]);
        else if (args[i] == "--prune" && i + 1 < args.size())
            options.prune = std::stod(args[++i]);
        else if (args[i] == "--pair-to-pair")
            options.pairToPair = true;
        else if (args[i] == "--left-to-right")
            options.rightToLeft = false;
        else if (args[i] == "--iterations" && i + 1 < args.size())
            options.iterations = std::stoul(args[++i]);
        else
            files.push_back(args[i]);
    }
    if (files.size() != 2 || options.order < 1 || options.order > 12) {
        std::cerr << "usage: orvanta_train_letter_to_sound DICTIONARY MODEL [--order N] "
                     "[--prune P] [--iterations I] [--pair-to-pair] [--left-to-right]\n"
                     "       [--hold-out K]\n"
                     "       orvanta_train_letter_to_sound --evaluate MODEL DICTIONARY K\n"
                     "       orvanta_train_letter_to_sound --say MODEL FILE\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::vector<lts::TrainingEntry> training, heldOut;
    if (!readDictionary(files[0], holdOut, training, heldOut))
        return 1;
    const lts::TrainedModel model = lts::train(training, options, &std::cerr);
    std::ofstream out(files[1], std::ios::binary);
    out << model.bytes;
    if (!out.flush()) {
        std::cerr << "cannot write " << files[1] << '\n';
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cerr << files[1] << ": " << model.bytes.size() << " bytes, " << model.contexts
              << " contexts, " << model.ngrams << " n-grams; " << seconds << " s\n";
    if (!heldOut.empty())
        score(model.bytes, heldOut);
    return 0;
}
