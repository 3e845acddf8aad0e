// Where the program finds its dictionaries.
#pragma once

#include <QString>

namespace orvanta {

inline constexpr char britishDictionaryFile[] = "data/velmor_eng_transcription.txt";
inline constexpr char americanDictionaryFile[] = "data/american_transcription-abridged.txt";

// `relativePath` (e.g. "data/velmor_eng_transcription.txt") as given when it
// exists relative to the current directory; otherwise the first existing copy
// beside the executable or in the installed data directory; otherwise
// `relativePath` unchanged, so that the caller's failure names the file the
// user expects.
QString locateDictionary(const QString &relativePath);

} // namespace orvanta
