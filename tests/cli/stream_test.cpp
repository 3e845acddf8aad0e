#include "cli/sentence_stream.h"
#include "cli/utf8_decoder.h"
#include "document/document.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using orvanta::cutSentences;
using orvanta::SentenceStream;
using orvanta::Utf8Decoder;

// Feeds `text` in pieces of the given sizes (the rest as a last piece).
QStringList cutInChunks(const QString &text, const std::vector<qsizetype> &sizes) {
    SentenceStream stream;
    QStringList sentences;
    qsizetype at = 0;
    for (const qsizetype size : sizes) {
        const qsizetype take = std::min(size, text.size() - at);
        stream.feed(QStringView(text).sliced(at, take), sentences);
        at += take;
    }
    stream.feed(QStringView(text).sliced(at), sentences);
    stream.finish(sentences);
    return sentences;
}

// Every way of cutting `text` into two chunks, and into chunks of 1, 2 and 3.
void expectSameAsWholeCut(const QString &text) {
    const QStringList expected = cutSentences(text);
    for (qsizetype at = 0; at <= text.size(); ++at)
        ASSERT_EQ(cutInChunks(text, {at}), expected)
            << "split at " << at << " of " << qPrintable(text);
    for (const qsizetype step : {1, 2, 3}) {
        const std::vector<qsizetype> sizes(std::size_t(text.size() / step + 1), step);
        ASSERT_EQ(cutInChunks(text, sizes), expected)
            << "chunks of " << step << " of " << qPrintable(text);
    }
}

TEST(SentenceStream, WhiteSpaceIsWhatTheCutExpressionCallsWhiteSpace) {
    const QRegularExpression space(QStringLiteral("^\\s$"),
                                   QRegularExpression::UseUnicodePropertiesOption);
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text{QChar(char16_t(c))};
        ASSERT_EQ(orvanta::isCutSpace(char16_t(c)), space.match(text).hasMatch())
            << "U+" << std::hex << unsigned(c);
    }
}

TEST(SentenceStream, AgreesWithTheWholeCutOnAwkwardTexts) {
    const char16_t *const texts[] = {
        u"",
        u"Hello world.",
        u"Hello world.\n",
        u"Hello world. How are you?",
        u"Stop? Stop! Stop.",
        u"One\nTwo",
        u"a\n \nb",
        u"Wait...  Now",
        u"Mr. Smith said 3.5 e.g., no.",
        u".  \n\n x",
        u". leading delimiter",
        u"\n\n\n",
        u"!\n",
        u"end with marks?!",
        u"end with space after mark.   ",
        u"a.\u00A0b!\u3000c?\u2028d.\u0085e",
        u"a.\u200Bb", // zero-width space is not white space
        u"tab.\tafter\r\nCRLF line.\r\nlast",
        u"\u00E9t\u00E9. \U0001F600 smile!\n",
        u"no delimiter at all",
        u"   spaces only   ",
    };
    for (const char16_t *text : texts)
        expectSameAsWholeCut(QString::fromUtf16(text));
}

TEST(SentenceStream, AgreesWithTheWholeCutOnRandomTextsAndChunkings) {
    // Few letters and many delimiter characters, so that marks, white space
    // and line feeds meet in every order and at every chunk boundary.
    const QString alphabet = QString::fromUtf16(u"ab .?!\n\r\t\u00A0\u3000\u0085\u2029\u00E9");
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int length = int(random() % 40);
        for (int i = 0; i < length; ++i) {
            const std::uint32_t pick = random() % 50;
            if (pick == 0)
                text += QString::fromUtf16(u"\U0001F600");
            else if (pick == 1) // half of one, as a careless paste leaves it
                text += QChar(char16_t(random() % 2 == 0 ? 0xD83D : 0xDE00));
            else
                text += alphabet.at(qsizetype(random() % std::uint32_t(alphabet.size())));
        }
        std::vector<qsizetype> sizes;
        for (qsizetype covered = 0; covered < text.size();) {
            sizes.push_back(qsizetype(random() % 6)); // empty chunks included
            covered += sizes.back();
        }
        ASSERT_EQ(cutInChunks(text, sizes), cutSentences(text)) << qPrintable(text);
    }
}

TEST(SentenceStream, StartsAfreshAfterFinish) {
    SentenceStream stream;
    QStringList sentences;
    stream.feed(u"first text ends with a mark.", sentences);
    stream.finish(sentences);
    stream.feed(u" second", sentences);
    stream.finish(sentences);
    EXPECT_EQ(sentences, QStringList({"first text ends with a mark.", " second"}));
}

QString decodeInChunks(const std::string &bytes, std::size_t step, bool *hadError) {
    Utf8Decoder decoder;
    QString out;
    for (std::size_t at = 0; at < bytes.size(); at += step)
        decoder.decode(std::string_view(bytes).substr(at, step), false, out);
    decoder.decode({}, true, out);
    *hadError = decoder.hadError();
    return out;
}

TEST(Utf8Decoder, ReplacesEachIllFormedPartWithOneReplacementCharacter) {
    struct Case {
        std::string bytes;
        const char16_t *expected;
        bool error;
    };
    const Case cases[] = {
        {"", u"", false},
        {"plain ascii", u"plain ascii", false},
        {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9", false},
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", u"\u20AC \U0001F600", false},
        {"\xEF\xBF\xBD", u"\uFFFD", false}, // a real U+FFFD is no error
        {"\xEF\xBB\xBF"
         "bom",
         u"bom", false},
        {"x\xEF\xBB\xBF", u"x\uFEFF", false}, // only a leading mark is dropped
        {"a\xFF"
         "b",
         u"a\uFFFDb", true},
        {"\x80\x80", u"\uFFFD\uFFFD", true},
        {"\xC0\xAF", u"\uFFFD\uFFFD", true},                     // overlong
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", true},           // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", true},           // surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", true}, // beyond U+10FFFF
        {"\xE2\x82"
         "x",
         u"\uFFFDx", true},                // cut short: one for both
        {"\xF0\x9F\x98", u"\uFFFD", true}, // cut short by the end
        {"\xC3", u"\uFFFD", true},
        {"ok \xF0\x9F", u"ok \uFFFD", true},
    };
    for (const Case &c : cases) {
        const QString expected = QString::fromUtf16(c.expected);
        for (std::size_t step = 1; step <= c.bytes.size() + 1; ++step) {
            bool hadError = false;
            EXPECT_EQ(decodeInChunks(c.bytes, step, &hadError), expected)
                << "chunks of " << step << " of case " << qPrintable(expected);
            EXPECT_EQ(hadError, c.error) << qPrintable(expected);
        }
    }
}

TEST(Utf8Decoder, DecodesValidTextLikeQtAtEveryChunkSize) {
    std::mt19937 random(7);
    const char32_t samples[] = {U'a', U' ', U'\n', 0xE9, 0x3B8, 0x20AC, 0xFFFD, 0x1F600, 0x10FFFF};
    for (int round = 0; round < 200; ++round) {
        std::u32string text;
        for (int i = int(random() % 30); i > 0; --i)
            text += samples[random() % std::size(samples)];
        const QByteArray bytes = QString::fromUcs4(text.data(), qsizetype(text.size())).toUtf8();
        for (std::size_t step : {1, 2, 3, 5, 64}) {
            bool hadError = true;
            ASSERT_EQ(decodeInChunks(bytes.toStdString(), step, &hadError),
                      QString::fromUtf8(bytes));
            ASSERT_FALSE(hadError);
        }
    }
}

} // namespace
