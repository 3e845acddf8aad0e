// Files of unknown encoding read into the input pane.
#include "document/text_file.h"

#include <gtest/gtest.h>

namespace {

using orvanta::decodeTextFile;
using Encoding = orvanta::DecodedText::Encoding;

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
        // A UTF-8 sequence cut short is not UTF-8: every byte is kept.
        Case{"TruncatedUtf8IsLegacy", "caf\xC3", QString::fromUtf8("cafÃ"), Encoding::Windows1252},
        Case{"WindowsLineEnds", "One.\r\nTwo.\r\n", "One.\nTwo.\n", Encoding::Utf8},
        Case{"OldMacLineEnds", "One.\rTwo.", "One.\nTwo.", Encoding::Utf8},
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

} // namespace
