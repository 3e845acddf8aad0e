// UTF-8 decoding for input that arrives in chunks.
#pragma once

#include <QString>
#include <string_view>

namespace orvanta {

// Decodes UTF-8 into UTF-16, replacing every ill-formed part with U+FFFD
// (one per maximal subpart, as Unicode recommends) instead of failing. A
// character split between two chunks is decoded whole. A byte-order mark at
// the very start is dropped: editors on Windows put one before UTF-8 text.
class Utf8Decoder {
public:
    // Decodes `bytes` and appends the result to `out`. With `last` the input
    // ends here, so a sequence cut short by the end becomes U+FFFD.
    void decode(std::string_view bytes, bool last, QString &out);

    // Whether any replacement was made since construction.
    bool hadError() const { return m_hadError; }

private:
    void decodeAll(std::string_view bytes, bool last, QString &out);

    // Bytes of a sequence that the previous chunk ended in the middle of.
    char m_pending[4] = {};
    int m_pendingSize = 0;
    bool m_hadError = false;
    bool m_atStart = true;
};

enum class Utf8Sequence { Valid, Invalid, Truncated };

// Whether `bytes` open with a well-formed sequence (an ASCII byte is one),
// an ill-formed one, or the beginning of a well-formed one that they end
// too early to finish. `bytes` must not be empty.
Utf8Sequence checkUtf8Sequence(std::string_view bytes);

} // namespace orvanta
