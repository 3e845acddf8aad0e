// Builds small process-wide dictionaries for tests.
#pragma once

#include "engine/dictionary.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace orvanta::test_support {

using Entries = std::initializer_list<std::pair<const char *, const char *>>;

// Replaces the process-wide dictionary with exactly these word/code pairs.
inline void useDictionary(Entries entries) {
    std::string bytes;
    for (const auto &[word, code] : entries)
        bytes += std::string("0\t") + word + "\t" + code + "\n";
    loadDictionaryFromBytes(bytes);
}

inline std::u16string widen(const std::string &ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace orvanta::test_support
