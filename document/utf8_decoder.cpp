#include "document/utf8_decoder.h"

namespace orvanta {

namespace {

constexpr char16_t replacement = 0xFFFD;

// How many bytes a sequence led by `lead` has, or 0 for a byte that can
// never begin one (a continuation byte, an overlong lead, beyond U+10FFFF).
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The range the second byte must fall in; it excludes overlong forms,
// surrogates and code points beyond U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char byte) {
    switch (lead) {
    case 0xE0:
        return byte >= 0xA0 && byte <= 0xBF;
    case 0xED:
        return byte >= 0x80 && byte <= 0x9F;
    case 0xF0:
        return byte >= 0x90 && byte <= 0xBF;
    case 0xF4:
        return byte >= 0x80 && byte <= 0x8F;
    default:
        return byte >= 0x80 && byte <= 0xBF;
    }
}

enum class Outcome { Decoded, Invalid, Truncated };

// Decodes one sequence at the start of `bytes`; `used` is the number of
// bytes it takes (for Invalid: the maximal subpart that one U+FFFD stands for).
Outcome decodeOne(std::string_view bytes, QString &out, std::size_t &used) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const int length = sequenceLength(lead);
    if (length == 1) {
        out += QChar(char16_t(lead));
        used = 1;
        return Outcome::Decoded;
    }
    if (length == 0) {
        used = 1;
        return Outcome::Invalid;
    }
    char32_t code = lead & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        if (std::size_t(k) >= bytes.size()) {
            used = std::size_t(k);
            return Outcome::Truncated;
        }
        const auto byte = static_cast<unsigned char>(bytes[std::size_t(k)]);
        const bool fits = k == 1 ? secondByteFits(lead, byte) : (byte & 0xC0) == 0x80;
        if (!fits) {
            used = std::size_t(k);
            return Outcome::Invalid;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    if (code >= 0x10000) {
        out += QChar(QChar::highSurrogate(code));
        out += QChar(QChar::lowSurrogate(code));
    } else {
        out += QChar(char16_t(code));
    }
    used = std::size_t(length);
    return Outcome::Decoded;
}

} // namespace

Utf8Sequence checkUtf8Sequence(std::string_view bytes) {
    QString unused;
    std::size_t used = 0;
    switch (decodeOne(bytes, unused, used)) {
    case Outcome::Decoded:
        return Utf8Sequence::Valid;
    case Outcome::Truncated:
        return Utf8Sequence::Truncated;
    case Outcome::Invalid:
        break;
    }
    return Utf8Sequence::Invalid;
}

void Utf8Decoder::decode(std::string_view bytes, bool last, QString &out) {
    const qsizetype start = out.size();
    decodeAll(bytes, last, out);
    if (m_atStart && out.size() > start) {
        if (out.at(start) == QChar(0xFEFF))
            out.remove(start, 1);
        m_atStart = false;
    }
}

void Utf8Decoder::decodeAll(std::string_view bytes, bool last, QString &out) {
    // A sequence that the previous chunk left open is completed first, from
    // at most three bytes of this one.
    while (m_pendingSize > 0) {
        if (bytes.empty() && !last)
            return;
        char joined[4];
        std::size_t joinedSize = 0;
        for (int k = 0; k < m_pendingSize; ++k)
            joined[joinedSize++] = m_pending[k];
        const std::size_t borrowed = std::min<std::size_t>(bytes.size(), 4 - joinedSize);
        for (std::size_t k = 0; k < borrowed; ++k)
            joined[joinedSize++] = bytes[k];
        std::size_t used = 0;
        const Outcome outcome = decodeOne({joined, joinedSize}, out, used);
        if (outcome == Outcome::Truncated && !last) {
            // Everything there was is still too little: keep it all.
            for (std::size_t k = std::size_t(m_pendingSize); k < joinedSize; ++k)
                m_pending[m_pendingSize++] = joined[k];
            return;
        }
        if (outcome != Outcome::Decoded) {
            out += QChar(replacement);
            m_hadError = true;
        }
        // The pending bytes are always all used, since they were a valid
        // beginning; only the borrowed ones past them come from `bytes`.
        const std::size_t fromBytes = used - std::size_t(m_pendingSize);
        bytes.remove_prefix(fromBytes);
        m_pendingSize = 0;
    }

    out.reserve(out.size() + qsizetype(bytes.size()));
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII is by far the most common input.
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            // A run of it is widened at once, not a character at a time.
            std::size_t end = i + 1;
            while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
                ++end;
            out.append(QLatin1String(bytes.data() + i, qsizetype(end - i)));
            i = end;
            continue;
        }
        std::size_t used = 0;
        const Outcome outcome = decodeOne(bytes.substr(i), out, used);
        if (outcome == Outcome::Truncated && !last) {
            for (std::size_t k = i; k < bytes.size(); ++k)
                m_pending[m_pendingSize++] = bytes[k];
            return;
        }
        if (outcome != Outcome::Decoded) {
            out += QChar(replacement);
            m_hadError = true;
        }
        i += used;
    }
}

} // namespace orvanta
