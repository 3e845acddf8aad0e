// Text of unknown encoding: what the window reads from a file and
// orvanta-transcribe from its inputs.
#include "document/document.h"
#include "document/text_file.h"
#include "document/utf16.h"
#include "engine/text/sentence_cutter.h"

#include <gtest/gtest.h>

namespace {

using orvanta::decodeTextFile;
using orvanta::TextDecoder;
using Encoding = orvanta::DecodedText::Encoding;

// The bytes as the command line reads them: in pieces of `step` bytes.
QString decodeInPieces(const QByteArray &bytes, qsizetype step, Encoding *encoding) {
    TextDecoder decoder;
    QString text;
    for (qsizetype at = 0; at < bytes.size(); at += step) {
        const QByteArray piece = bytes.mid(at, step);
        decoder.decode({piece.constData(), std::size_t(piece.size())}, false, text);
    }
    decoder.decode({}, true, text);
    *encoding = decoder.encoding();
    return text;
}

struct Case {
    const char *name;
    QByteArray bytes;
    QString text;
    Encoding encoding;
};

void PrintTo(const Case &c, std::ostream *os) {
    *os << c.name;
}

class DecodeTextFile : public ::testing::TestWithParam<Case> {};

TEST_P(DecodeTextFile, GivesTheTextAndItsEncoding) {
    const Case &c = GetParam();
    const orvanta::DecodedText decoded = decodeTextFile(c.bytes);
    EXPECT_EQ(decoded.text, c.text) << qPrintable(decoded.text);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_FALSE(decoded.looksBinary);
    for (qsizetype step = 1; step <= c.bytes.size(); ++step) {
        Encoding encoding{};
        EXPECT_EQ(decodeInPieces(c.bytes, step, &encoding), c.text) << "pieces of " << step;
        EXPECT_EQ(encoding, c.encoding) << "pieces of " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTextFile,
    ::testing::Values(
        Case{"Empty", QByteArray(), QString(), Encoding::Utf8},
        Case{"Ascii", "Tea for two.", "Tea for two.", Encoding::Utf8},
        Case{"Utf8", "caf\xC3\xA9 na\xC3\xAFve", QString::fromUtf8("café naïve"), Encoding::Utf8},
        Case{"Utf8WithByteOrderMark",
             "\xEF\xBB\xBF"
             "caf\xC3\xA9",
             QString::fromUtf8("café"), Encoding::Utf8},
        Case{"Utf16LittleEndian",
             QByteArray("\xFF\xFE"
                        "a\0\xE9\0",
                        6),
             QString::fromUtf8("aé"), Encoding::Utf16LittleEndian},
        Case{"Utf16BigEndian", QByteArray("\xFE\xFF\0a\0\xE9", 6), QString::fromUtf8("aé"),
             Encoding::Utf16BigEndian},
        Case{"Utf16SurrogatePair", QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6),
             QString::fromUtf8("😀"), Encoding::Utf16LittleEndian},
        // "café" saved by Notepad as ANSI, and its curly quotes and dash.
        Case{"Windows1252Accent", "caf\xE9", QString::fromUtf8("café"), Encoding::Windows1252},
        Case{"Windows1252Punctuation",
             "\x93Hi\x94 \x96 \x80"
             "5",
             QString::fromUtf8("“Hi” – €5"), Encoding::Windows1252},
        Case{"Windows1252UndefinedByteKept", "a\x81", QString("a") + QChar(0x81),
             Encoding::Windows1252},
        Case{"Windows1252FromTheFirstByte",
             "\xFF"
             "x",
             QString::fromUtf8("ÿx"), Encoding::Windows1252},
        // A byte order mark only counts at the start.
        Case{"Windows1252MarkLaterIsText", "a\xFF\xFE", QString::fromUtf8("aÿþ"),
             Encoding::Windows1252},
        // A UTF-8 sequence cut short is not UTF-8: every byte is kept.
        Case{"TruncatedUtf8IsLegacy", "caf\xC3", QString::fromUtf8("cafÃ"), Encoding::Windows1252},
        // After a UTF-8 letter the text is UTF-8; a broken byte is lost alone.
        Case{"Utf8ThenABrokenByte", "caf\xC3\xA9 \xFF!", QString::fromUtf8("café \uFFFD!"),
             Encoding::Utf8},
        Case{"Utf8ByteOrderMarkThenABrokenByte", "\xEF\xBB\xBF\x93Hi",
             QString::fromUtf8("\uFFFDHi"), Encoding::Utf8},
        Case{"Utf16LoneSurrogate",
             QByteArray("\xFF\xFE\x3D\xD8"
                        "a\0",
                        6),
             QString::fromUtf8("\uFFFDa"), Encoding::Utf16LittleEndian},
        Case{"Utf16HalfACodeUnitAtTheEnd", QByteArray("\xFE\xFF\0a\0", 5),
             QString::fromUtf8("a\uFFFD"), Encoding::Utf16BigEndian},
        Case{"WindowsLineEnds", "One.\r\nTwo.\r\n", "One.\nTwo.\n", Encoding::Utf8},
        Case{"OldMacLineEnds", "One.\rTwo.", "One.\nTwo.", Encoding::Utf8},
        Case{"BlankLinesOfEachKind", "a\r\n\r\rb\n\r\n", "a\n\n\nb\n\n", Encoding::Utf8},
        Case{"Utf16LineEnds",
             QByteArray("\xFF\xFE"
                        "a\0\r\0\n\0b\0",
                        10),
             "a\nb", Encoding::Utf16LittleEndian}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(DecodeTextFileBinary, NulBytesMarkAFileThatIsNotText) {
    EXPECT_TRUE(decodeTextFile(QByteArray("PK\x03\x04\0\0", 6)).looksBinary);
    EXPECT_TRUE(decodeTextFile(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0D", 12)).looksBinary);
    // UTF-16 is full of zero bytes but holds no NUL character.
    EXPECT_FALSE(decodeTextFile(QByteArray("\xFF\xFE"
                                           "a\0b\0",
                                           6))
                     .looksBinary);
}

struct SentencesCase {
    const char *name;
    QByteArray bytes;
    QStringList sentences;
};

// The window cuts the decoded file; the command line cuts the text as it
// decodes each piece it reads. Both must give the sentences of the text.
TEST(TextDecoder, TheSameBytesGiveTheSameSentencesWholeOrInPieces) {
    const SentencesCase cases[] = {
        {"UTF-8", "Caf\xC3\xA9 au lait. Next\n", {u"Café au lait."_qs, "Next\n"}},
        {"UTF-8 with a byte order mark",
         "\xEF\xBB\xBF"
         "One. Two.",
         {"One.", "Two."}},
        {"UTF-16LE with Windows line ends",
         QByteArray("\xFF\xFEH\0i\0.\0\r\0\n\0B\0y\0e\0", 18),
         {"Hi.", "Bye"}},
        {"UTF-16BE", QByteArray("\xFE\xFF\0H\0i\0\n\x3B\x8A", 10), {"Hi\n", u"\u3B8A"_qs}},
        {"Windows-1252", "Caf\xE9 na\xEFve. \x93Yes\x94", {u"Café naïve."_qs, u"“Yes”"_qs}},
        {"UTF-8 with a broken byte",
         "\xC3\xA9t\xC3\xA9. Bad \xC3"
         "byte.",
         {u"été."_qs, u"Bad \uFFFDbyte."_qs}},
        {"old Mac line ends cut", "One\rTwo", {"One\n", "Two"}},
        {"Windows line ends cut once", "One\r\nTwo", {"One\n", "Two"}},
    };
    for (const SentencesCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(orvanta::cutSentences(decodeTextFile(c.bytes).text), c.sentences);
        for (qsizetype step = 1; step <= c.bytes.size(); ++step) {
            TextDecoder decoder;
            orvanta::SentenceCutter cutter;
            std::vector<std::u16string> sentences;
            QString text;
            for (qsizetype at = 0; at <= c.bytes.size(); at += step) {
                const QByteArray piece = c.bytes.mid(at, step);
                text.clear();
                decoder.decode({piece.constData(), std::size_t(piece.size())},
                               at + step > c.bytes.size(), text);
                cutter.feed(text.toStdU16String(), sentences);
            }
            cutter.finish(sentences);
            QStringList got;
            for (const std::u16string &sentence : sentences)
                got << orvanta::toQString(sentence);
            EXPECT_EQ(got, c.sentences) << "pieces of " << step;
        }
    }
}

} // namespace
