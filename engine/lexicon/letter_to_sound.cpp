#include "engine/lexicon/letter_to_sound.h"

#include <fstream>

namespace orvanta {

LetterToSoundLoad LetterToSoundModel::load(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, "cannot open " + path};
    return fromBytes({});
}

LetterToSoundLoad LetterToSoundModel::fromBytes(std::string_view) {
    return {{}, "not a letter-to-sound model"};
}

std::u16string LetterToSoundModel::pronounce(std::u16string_view) const {
    return {};
}

std::string letterToSoundPathFor(const std::string &dictionaryPath) {
    const std::size_t dot = dictionaryPath.rfind('.');
    const std::size_t slash = dictionaryPath.find_last_of("/\\");
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? dictionaryPath.substr(0, dot) : dictionaryPath) + "-g2p.bin";
}

} // namespace orvanta
