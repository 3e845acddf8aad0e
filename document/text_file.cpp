#include "document/text_file.h"

#include <QStringDecoder>

#include <array>

namespace orvanta {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes that it
// leaves undefined are read as the C1 controls of the same value, as
// Windows itself does, so that no byte is lost.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? windows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString decodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding, bool *ok) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    *ok = !decoder.hasError();
    return text;
}

void normaliseLineEnds(QString &text) {
    if (!text.contains(u'\r'))
        return;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
}

} // namespace

DecodedText decodeTextFile(const QByteArray &bytes) {
    DecodedText result;
    QByteArrayView view(bytes);
    bool ok = true;
    if (view.startsWith("\xFF\xFE")) {
        result.encoding = DecodedText::Encoding::Utf16LittleEndian;
        result.text = decodeStrictly(view.sliced(2), QStringConverter::Utf16LE, &ok);
    } else if (view.startsWith("\xFE\xFF")) {
        result.encoding = DecodedText::Encoding::Utf16BigEndian;
        result.text = decodeStrictly(view.sliced(2), QStringConverter::Utf16BE, &ok);
    } else {
        if (view.startsWith("\xEF\xBB\xBF"))
            view = view.sliced(3);
        result.text = decodeStrictly(view, QStringConverter::Utf8, &ok);
        if (!ok) {
            result.encoding = DecodedText::Encoding::Windows1252;
            result.text = fromWindows1252(view);
        }
    }
    // A broken UTF-16 file (odd length, lone surrogate) keeps what could be
    // read, with replacement characters where it could not.
    normaliseLineEnds(result.text);
    result.looksBinary = result.text.contains(QChar(u'\0'));
    return result;
}

QString encodingName(DecodedText::Encoding encoding) {
    switch (encoding) {
    case DecodedText::Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case DecodedText::Encoding::Utf16LittleEndian:
        return QStringLiteral("UTF-16LE");
    case DecodedText::Encoding::Utf16BigEndian:
        return QStringLiteral("UTF-16BE");
    case DecodedText::Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

} // namespace orvanta
