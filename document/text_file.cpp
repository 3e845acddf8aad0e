#include "document/text_file.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace orvanta {

namespace {

constexpr char16_t replacement = 0xFFFD;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes that it
// leaves undefined are read as the C1 controls of the same value, as
// Windows itself does, so that no byte is lost.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendWindows1252(std::string_view bytes, QString &out) {
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(bytes.size()));
    QChar *to = out.data() + start;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *to++ = QChar(b >= 0x80 && b < 0xA0 ? windows1252High[b - 0x80] : char16_t(b));
    }
}

std::size_t asciiPrefix(std::string_view bytes) {
    return static_cast<std::size_t>(
        std::find_if(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
        bytes.begin());
}

} // namespace

void TextDecoder::decode(std::string_view bytes, bool last, QString &out) {
    const qsizetype from = out.size();
    decodeBytes(bytes, last, out);
    normaliseLineEnds(out, from);
}

void TextDecoder::decodeBytes(std::string_view bytes, bool last, QString &out) {
    if (m_state == State::Undecided) {
        bytes = choose(bytes, last, out);
        if (m_state == State::Undecided)
            return;
    }
    switch (m_encoding) {
    case TextEncoding::Utf8:
        m_utf8.decode(bytes, last, out);
        break;
    case TextEncoding::Windows1252:
        appendWindows1252(bytes, out);
        break;
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        decodeUtf16(bytes, last, out);
        break;
    }
}

std::string_view TextDecoder::choose(std::string_view bytes, bool last, QString &out) {
    if (m_heldSize == 0) {
        const std::size_t ascii = asciiPrefix(bytes);
        if (ascii > 0) {
            m_utf8.decode(bytes.substr(0, ascii), false, out);
            m_atStart = false;
            bytes.remove_prefix(ascii);
        }
        if (bytes.empty()) {
            if (last)
                m_state = State::Decided; // ASCII throughout, which is UTF-8
            return bytes;
        }
    }
    // The first bytes outside ASCII, as many as one character takes.
    char probe[4];
    std::size_t size = 0;
    for (int k = 0; k < m_heldSize; ++k)
        probe[size++] = m_held[k];
    const std::size_t borrowed = std::min(bytes.size(), sizeof probe - size);
    for (std::size_t k = 0; k < borrowed; ++k)
        probe[size++] = bytes[k];
    const std::size_t held = static_cast<std::size_t>(m_heldSize);
    const auto hold = [&] {
        std::copy(probe, probe + size, m_held);
        m_heldSize = static_cast<int>(size);
        return std::string_view();
    };

    const auto first = static_cast<unsigned char>(probe[0]);
    if (m_atStart && (first == 0xFF || first == 0xFE)) {
        if (size < 2 && !last)
            return hold();
        const auto second = size < 2 ? 0 : static_cast<unsigned char>(probe[1]);
        if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF)) {
            m_state = State::Decided;
            m_encoding =
                first == 0xFF ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
            m_heldSize = 0;
            bytes.remove_prefix(2 - held);
            return bytes;
        }
        // Neither byte ever begins UTF-8: Windows-1252 below.
    }
    const Utf8Sequence sequence = checkUtf8Sequence({probe, size});
    // A sequence cut short by the end of the piece took all of the piece.
    if (sequence == Utf8Sequence::Truncated && !last)
        return hold();

    m_state = State::Decided;
    m_atStart = false;
    m_heldSize = 0;
    const std::string_view heldBytes(probe, held);
    if (sequence == Utf8Sequence::Valid) {
        m_utf8.decode(heldBytes, false, out);
    } else {
        m_encoding = TextEncoding::Windows1252;
        appendWindows1252(heldBytes, out);
    }
    return bytes;
}

void TextDecoder::decodeUtf16(std::string_view bytes, bool last, QString &out) {
    const bool little = m_encoding == TextEncoding::Utf16LittleEndian;
    const auto put = [&](unsigned char a, unsigned char b) {
        const auto unit = static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b);
        if (m_highSurrogate != 0) {
            if (QChar::isLowSurrogate(unit)) {
                out += QChar(m_highSurrogate);
                out += QChar(unit);
                m_highSurrogate = 0;
                return;
            }
            out += QChar(replacement);
            m_utf16Error = true;
            m_highSurrogate = 0;
        }
        if (QChar::isHighSurrogate(unit)) {
            m_highSurrogate = unit;
        } else if (QChar::isLowSurrogate(unit)) {
            out += QChar(replacement);
            m_utf16Error = true;
        } else {
            out += QChar(unit);
        }
    };
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    std::size_t i = 0;
    if (m_heldSize == 1 && !bytes.empty()) {
        put(static_cast<unsigned char>(m_held[0]), byteAt(0));
        m_heldSize = 0;
        i = 1;
    }
    out.reserve(out.size() + static_cast<qsizetype>(bytes.size() / 2) + 1);
    for (; i + 1 < bytes.size(); i += 2)
        put(byteAt(i), byteAt(i + 1));
    if (i < bytes.size()) {
        m_held[0] = bytes[i];
        m_heldSize = 1;
    }
    if (last) {
        // A surrogate without its partner, or half a code unit at the end.
        if (m_highSurrogate != 0 || m_heldSize != 0) {
            out += QChar(replacement);
            m_utf16Error = true;
        }
        m_highSurrogate = 0;
        m_heldSize = 0;
    }
}

void TextDecoder::normaliseLineEnds(QString &out, qsizetype from) {
    if (out.size() == from)
        return;
    if (!m_afterCarriageReturn && !QStringView(out).sliced(from).contains(u'\r'))
        return;
    QChar *const text = out.data();
    qsizetype kept = from;
    for (qsizetype i = from; i < out.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = c == u'\r';
        text[kept++] = QChar(m_afterCarriageReturn ? u'\n' : c);
    }
    out.truncate(kept);
}

DecodedText decodeTextFile(const QByteArray &bytes) {
    DecodedText result;
    TextDecoder decoder;
    decoder.decode({bytes.constData(), static_cast<std::size_t>(bytes.size())}, true, result.text);
    result.encoding = decoder.encoding();
    result.looksBinary = result.text.contains(QChar(u'\0'));
    return result;
}

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LittleEndian:
        return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BigEndian:
        return QStringLiteral("UTF-16BE");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

} // namespace orvanta
