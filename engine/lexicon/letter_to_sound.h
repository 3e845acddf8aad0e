// Pronunciations for words no dictionary holds, from a model trained on a
// dictionary (placeholder until the trained model lands: it reads no model
// and says nothing).
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

struct LetterToSoundLoad;

class LetterToSoundModel {
public:
    static LetterToSoundLoad load(const std::string &path);
    static LetterToSoundLoad fromBytes(std::string_view bytes);
    // Phonetic code with stress marks for a lower-case a-z word; empty when
    // the model cannot say.
    std::u16string pronounce(std::u16string_view lowerWord) const;
    bool empty() const { return true; }
};

struct LetterToSoundLoad {
    LetterToSoundModel model;
    std::string error;
    bool ok() const { return error.empty(); }
};

// The model file that belongs to a dictionary file.
std::string letterToSoundPathFor(const std::string &dictionaryPath);

} // namespace orvanta
