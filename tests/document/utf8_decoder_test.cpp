#include "document/utf8_decoder.h"

#include <QString>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using orvanta::Utf8Decoder;

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
        const char *name;
        std::string bytes;
        const char16_t *expected;
        bool error;
    };
    const Case cases[] = {
        {"empty", "", u"", false},
        {"ASCII", "plain ascii", u"plain ascii", false},
        {"two-byte sequences", "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9", false},
        {"three- and four-byte sequences", "\xE2\x82\xAC \xF0\x9F\x98\x80", u"\u20AC \U0001F600",
         false},
        {"a real U+FFFD is no error", "\xEF\xBF\xBD", u"\uFFFD", false},
        {"leading byte order mark dropped",
         "\xEF\xBB\xBF"
         "bom",
         u"bom", false},
        {"only a leading mark is dropped", "x\xEF\xBB\xBF", u"x\uFEFF", false},
        {"byte that never starts a sequence",
         "a\xFF"
         "b",
         u"a\uFFFDb", true},
        {"lone continuation bytes", "\x80\x80", u"\uFFFD\uFFFD", true},
        {"overlong two-byte", "\xC0\xAF", u"\uFFFD\uFFFD", true},
        {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", true},
        {"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", true},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", true},
        {"cut short: one for both",
         "\xE2\x82"
         "x",
         u"\uFFFDx", true},
        {"cut short by the end", "\xF0\x9F\x98", u"\uFFFD", true},
        {"lead byte alone at the end", "\xC3", u"\uFFFD", true},
        {"text, then a cut sequence", "ok \xF0\x9F", u"ok \uFFFD", true},
    };
    for (const Case &c : cases) {
        const QString expected = QString::fromUtf16(c.expected);
        SCOPED_TRACE(c.name);
        for (std::size_t step = 1; step <= c.bytes.size() + 1; ++step) {
            bool hadError = false;
            EXPECT_EQ(decodeInChunks(c.bytes, step, &hadError), expected) << "chunks of " << step;
            EXPECT_EQ(hadError, c.error) << "chunks of " << step;
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
