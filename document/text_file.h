// Reading a text file whose encoding nobody told us: what `orvanta FILE`,
// File > Open and a dropped file put into the input pane.
#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

struct DecodedText {
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

    QString text;
    Encoding encoding = Encoding::Utf8;
    // Holds NUL characters, which no text typed by a person does: most
    // likely an image, an archive or a word processor's file.
    bool looksBinary = false;
};

// UTF-16 needs its byte order mark; UTF-8 is taken with or without one. Bytes
// that are not valid UTF-8 are read as Windows-1252, the 8-bit encoding that
// Western Windows machines save plain text in (and a superset of the
// printable Latin-1). Line ends become line feeds whatever they were.
DecodedText decodeTextFile(const QByteArray &bytes);

// The encoding's name as users know it, e.g. "Windows-1252".
QString encodingName(DecodedText::Encoding encoding);

} // namespace orvanta
