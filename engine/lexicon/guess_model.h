// The letter-to-sound model of a dictionary, read when the first word that
// no dictionary holds needs it, so that a run of known words never pays for
// it. Owned beside the dictionary; engines only read it.
#pragma once

#include "engine/lexicon/letter_to_sound.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

namespace orvanta {

class GuessModel {
public:
    // `onFailure` hears, once and from whichever thread asked first, why the
    // model could not be read.
    explicit GuessModel(std::string path, std::function<void(const std::string &)> onFailure = {});
    GuessModel(const GuessModel &) = delete;
    GuessModel &operator=(const GuessModel &) = delete;

    // Reads the file on the first call; nullptr when it cannot be read, and
    // from then on without trying again.
    const LetterToSoundModel *model() const;
    // Why the model could not be read; empty before the first call and
    // after a good read.
    std::string error() const;
    const std::string &path() const { return path_; }

private:
    std::string path_;
    std::function<void(const std::string &)> onFailure_;
    mutable std::once_flag once_;
    mutable LetterToSoundModel model_;
    mutable std::string error_;
    mutable bool ok_ = false;
    mutable std::atomic<bool> tried_{false};
};

} // namespace orvanta
