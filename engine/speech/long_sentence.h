// A sentence that may be as long as a whole text (a list without a full
// stop, a number or address of megabytes), said a window of words at a
// time, so that memory stays a window's whatever its length. Internal to the
// engine and its tests.
#pragma once

#include "engine/transcription_engine.h"

#include <cstddef>
#include <string_view>

namespace orvanta {

// The engine's transcribeSentence (`read` false) or transcribeReadSentence
// handed on to `write` in pieces, saying `windowWords` words at a time.
void transcribeInWindows(const TranscriptionEngine &engine, std::u16string_view sentence, bool read,
                         std::size_t windowWords, const TranscriptionEngine::Writer &write);

} // namespace orvanta
