#include "engine/lexicon/guess_model.h"

#include <utility>

namespace orvanta {

GuessModel::GuessModel(std::string path, std::function<void(const std::string &)> onFailure)
    : path_(std::move(path)), onFailure_(std::move(onFailure)) {}

const LetterToSoundModel *GuessModel::model() const {
    std::call_once(once_, [this] {
        LetterToSoundLoad load = LetterToSoundModel::load(path_);
        if (load.ok()) {
            model_ = std::move(load.model);
            ok_ = true;
            tried_.store(true, std::memory_order_release);
            return;
        }
        error_ = std::move(load.error);
        tried_.store(true, std::memory_order_release);
        if (onFailure_)
            onFailure_(error_);
    });
    return ok_ ? &model_ : nullptr;
}

std::string GuessModel::error() const {
    // Written once, before the flag; a caller on another thread that asks
    // while the file is being read sees no error yet.
    return tried_.load(std::memory_order_acquire) ? error_ : std::string();
}

} // namespace orvanta
