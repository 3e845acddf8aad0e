// Reading text whose encoding nobody told us: a file named to `orvanta`,
// opened or dropped in the window, and every input of orvanta-transcribe,
// files and standard input alike. Both programs decode through TextDecoder,
// so the same bytes give the same text, and so the same sentences.
#pragma once

#include "document/utf8_decoder.h"

#include <QByteArray>
#include <QString>

#include <string_view>

namespace orvanta {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

// Decodes text that arrives in pieces of any size, keeping no more of it than
// a character split between two pieces.
//
// UTF-16 needs its byte order mark; UTF-8 is taken with or without one. Text
// whose first bytes outside ASCII are not UTF-8 is read as Windows-1252, the
// 8-bit encoding that Western Windows machines save plain text in (and a
// superset of the printable Latin-1). Everything before those bytes is
// ASCII, which reads the same in both, so the choice needs no look back and
// no look ahead. Once a UTF-8 character has been read, the text is UTF-8, and
// later bytes that are not become U+FFFD: one broken byte in a long UTF-8
// text does not make every accented letter before it wrong. Line ends become
// line feeds whatever they were.
class TextDecoder {
public:
    // Appends the text of `bytes` to `out`. With `last` the input ends here:
    // whatever was held back is decoded, a sequence cut short as U+FFFD.
    void decode(std::string_view bytes, bool last, QString &out);

    // As far as the bytes so far tell: UTF-8 until they say otherwise.
    TextEncoding encoding() const { return m_encoding; }
    // Whether ill-formed UTF-8 or UTF-16 was replaced by U+FFFD.
    bool hadError() const { return m_utf8.hadError() || m_utf16Error; }

private:
    void decodeBytes(std::string_view bytes, bool last, QString &out);
    // Sniffs the byte order mark and chooses between UTF-8 and Windows-1252;
    // returns the bytes left to decode once the choice is made.
    std::string_view choose(std::string_view bytes, bool last, QString &out);
    void decodeUtf16(std::string_view bytes, bool last, QString &out);
    void normaliseLineEnds(QString &out, qsizetype from);

    enum class State { Undecided, Decided };
    State m_state = State::Undecided;
    TextEncoding m_encoding = TextEncoding::Utf8;
    Utf8Decoder m_utf8;
    // Bytes held back until they tell the encoding, or the first byte of a
    // UTF-16 code unit split between two pieces.
    char m_held[4] = {};
    int m_heldSize = 0;
    bool m_atStart = true;
    char16_t m_highSurrogate = 0;
    bool m_utf16Error = false;
    // The last character written was a carriage return turned line feed, so
    // a line feed right after it is the same line end.
    bool m_afterCarriageReturn = false;
};

struct DecodedText {
    using Encoding = TextEncoding;

    QString text;
    Encoding encoding = Encoding::Utf8;
    // Holds NUL characters, which no text typed by a person does: most
    // likely an image, an archive or a word processor's file.
    bool looksBinary = false;
};

// A whole file's bytes, through TextDecoder.
DecodedText decodeTextFile(const QByteArray &bytes);

// The encoding's name as users know it, e.g. "Windows-1252".
QString encodingName(TextEncoding encoding);

} // namespace orvanta
