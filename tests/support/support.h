// Helpers the test suites share: small dictionaries, temporary files and
// wide-string conversions.
#pragma once

#include "engine/lexicon/dictionary.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace orvanta::test_support {

using Entries = std::initializer_list<std::pair<const char *, const char *>>;

// The dictionary file text of exactly these word/code pairs.
std::string dictionaryText(Entries entries);

// A dictionary of exactly these word/code pairs.
PronunciationDictionary dictionaryOf(Entries entries);

// Writes `bytes` to a file named `name` in the test's temporary folder (kept
// apart per process, so that two builds' test runs do not meet) and returns
// its path.
std::string writeTemporaryFile(const std::string &name, std::string_view bytes);

// Bytes as a dictionary file widens them: 0x80-0xFF to U+FF80-U+FFFF.
std::u16string widen(std::string_view bytes);

// UTF-16 to ASCII for failure messages; other code units become '?'.
std::string narrow(std::u16string_view text);

} // namespace orvanta::test_support
