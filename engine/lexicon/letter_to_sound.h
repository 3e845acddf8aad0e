// A pronunciation for a word no dictionary holds, from a model of how
// letters spell sounds trained on the dictionary of the same variant
// (tools/train_letter_to_sound.cpp; the file is named after its
// dictionary, see letterToSoundPathFor in homographs.h).
#pragma once

#include "engine/lexicon/homographs.h"

#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

struct LetterToSoundLoad;
namespace lts {
struct Runtime;
}

class LetterToSoundModel {
public:
    LetterToSoundModel();
    ~LetterToSoundModel();
    LetterToSoundModel(LetterToSoundModel &&) noexcept;
    LetterToSoundModel &operator=(LetterToSoundModel &&) noexcept;

    // Reads the model file; a missing, truncated or damaged file gives an
    // empty model and a message saying why.
    static LetterToSoundLoad load(const std::string &path);
    static LetterToSoundLoad fromBytes(std::string_view bytes);

    // The phonetic code for a lower-case word of the letters a-z
    // (apostrophes are ignored), with stress marks and length as the
    // dictionaries write them; empty when the model cannot say (an empty
    // model, a word without letters or with other characters).
    std::u16string pronounce(std::u16string_view lowerWord) const;
    bool empty() const { return runtime_ == nullptr; }

private:
    std::unique_ptr<const lts::Runtime> runtime_;
};

struct LetterToSoundLoad {
    LetterToSoundModel model;
    std::string error;
    bool ok() const { return error.empty(); }
};

} // namespace orvanta
