// The letter-to-sound model with arbitrary bytes: an odd first byte makes the
// rest a word for the shipped British model, an even one makes it the model
// file itself, read and then asked for a few words. Either way nothing may
// crash or hang, and whatever comes out is the phonetic code: its sounds, and
// at most one primary stress mark.
#include "engine/lexicon/letter_to_sound.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using orvanta::fuzz::require;

namespace {

constexpr std::u16string_view codeSymbols = u"pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\"";

void checkCode(const std::u16string &word, const std::u16string &code) {
    std::size_t primaries = 0;
    for (const char16_t c : code) {
        require(codeSymbols.find(c) != std::u16string_view::npos, "not a code symbol", word);
        primaries += c == u'\'' ? 1 : 0;
    }
    require(primaries <= 1, "two primary stresses", word);
    require(code.empty() || code.back() != u'\'' && code.back() != u'"', "mark at the end", word);
}

const orvanta::LetterToSoundModel &shipped() {
    static const orvanta::LetterToSoundLoad load = orvanta::LetterToSoundModel::load(
        ORVANTA_SOURCE_DIR "/data/velmor_eng_transcription-g2p.bin");
    return load.model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (data[0] % 2 == 1) {
        std::u16string word;
        for (const char c : rest)
            word += static_cast<char16_t>(static_cast<unsigned char>(c));
        checkCode(word, shipped().pronounce(word));
        return 0;
    }
    const orvanta::LetterToSoundLoad load = orvanta::LetterToSoundModel::fromBytes(rest);
    require(load.ok() == !load.model.empty(), "an error with a model, or none without", u"");
    for (const std::u16string_view word :
         {u"a", u"bat", u"strengths", u"zyxwvutsrqponmlkjihgfedcba",
          u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"}) {
        const std::u16string code = load.model.pronounce(word);
        checkCode(std::u16string(word), code);
    }
    return 0;
}
