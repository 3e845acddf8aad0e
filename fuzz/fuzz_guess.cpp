// The guesser on any string as a word (TranscriptionEngine::guessWord: word
// formation, then the letter-to-sound model when ORVANTA_FUZZ_MODEL names a
// model file). Checked: no crash or hang; nothing but a word of the letters
// a-z is guessed; a guess is phonetic code only (sounds, the length mark and
// stress marks) and says something; two calls agree. The first byte's bit 1
// picks the British reading.
#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/guess_model.h"
#include "engine/transcription_engine.h"
#include "oracle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

using namespace orvanta::fuzz;

namespace {

// Parts for every kind of formation: prefixes, suffixes with their spelling
// changes, compounds, and entries a split must not use.
constexpr std::string_view dictionaryText = "1\tkind\tkaInd\n"
                                            "1\thappy\t'hxpi\n"
                                            "1\tgentle\t'Gentql\n"
                                            "1\tmemory\t'memqri\n"
                                            "1\tlove\tlAv\n"
                                            "1\tfat\tfxt\n"
                                            "1\tclear\tklIq\n"
                                            "1\tact\txkt\n"
                                            "1\tpass\tpRs\n"
                                            "1\tcode\tkqud\n"
                                            "1\tdown\tdaun\n"
                                            "1\tlink\tlINk\n"
                                            "1\tmarked\tmRkt\n"
                                            "1\tsmtp\t\"es\"em\"tJ'pJ\n"
                                            "1\tings\tINz\n"
                                            "1\tempty\t\n";

bool isGuessCode(char16_t c) {
    static constexpr std::u16string_view code = u"pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";
    return code.find(c) != std::u16string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const orvanta::PronunciationDictionary dictionary =
        orvanta::PronunciationDictionary::fromBytes(dictionaryText);
    static const std::unique_ptr<orvanta::GuessModel> model =
        std::getenv("ORVANTA_FUZZ_MODEL") != nullptr
            ? std::make_unique<orvanta::GuessModel>(std::getenv("ORVANTA_FUZZ_MODEL"))
            : nullptr;
    const bool british = size > 0 && (data[0] & 2) != 0;
    orvanta::EngineOptions options{british ? orvanta::Variant::British
                                           : orvanta::Variant::American};
    options.guessUnknownWords = true;
    options.guessModel = model.get();
    const orvanta::TranscriptionEngine engine(dictionary, options);

    const std::u16string word = toUtf16(data, size);
    const std::u16string guess = engine.guessWord(word);
    const bool letters = !word.empty() && std::all_of(word.begin(), word.end(), [](char16_t c) {
        return c >= u'a' && c <= u'z';
    });
    require(letters || guess.empty(), "guessed a word that is not a-z", word);
    require(std::all_of(guess.begin(), guess.end(), isGuessCode), "not phonetic code", guess);
    require(guess.empty() || std::any_of(guess.begin(), guess.end(),
                                         [](char16_t c) { return c != u'\'' && c != u'"'; }),
            "only stress marks", guess);
    require(engine.guessWord(word) == guess, "two calls differ", word);
    return 0;
}
