// The engine's sentence cut against the regular expression it was first
// written as (regex_cut.h), in every way of feeding it.
#include "document/document.h"
#include "document/utf16.h"
#include "engine/text/sentence_cutter.h"
#include "regex_cut.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using orvanta::test::regexCut;

// The regular expression cut at every mark; the engine's rule keeps some
// marks inside (titles, initials), which its own tests cover.
bool everyMarkEnds(std::u16string_view, std::u16string_view) {
    return true;
}

// The engine's cutter, every mark ending a sentence, fed `text` in pieces of
// the given sizes.
QStringList cutInPieces(const QString &text, const std::vector<std::size_t> &sizes) {
    const std::u16string whole = text.toStdU16String();
    orvanta::SentenceCutter cutter(everyMarkEnds);
    std::vector<std::u16string> pieces;
    std::size_t at = 0;
    for (const std::size_t size : sizes) {
        const std::size_t take = std::min(size, whole.size() - at);
        cutter.feed(std::u16string_view(whole).substr(at, take), pieces);
        at += take;
    }
    cutter.feed(std::u16string_view(whole).substr(at), pieces);
    cutter.finish(pieces);
    QStringList sentences;
    for (const std::u16string &piece : pieces)
        sentences.append(orvanta::toQString(piece));
    return sentences;
}

TEST(SentenceCutOracle, WhiteSpaceIsWhatTheExpressionCallsWhiteSpace) {
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

TEST(SentenceCutOracle, AgreesOnAwkwardTextsInEveryChunking) {
    const char16_t *const texts[] = {
        u"",
        u"Hello world.\n",
        u"Mr. Smith said 3.5 e.g., no.",
        u".  \n\n x",
        u"\n\n\n",
        u"!\n",
        u"end with marks?!",
        u"end with space after mark.   ",
        u"a.\u00A0b!\u3000c?\u2028d.\u0085e.\u180Ef",
        u"tab.\tafter\r\nCRLF line.\r\nlast",
        u"\u00E9t\u00E9. \U0001F600 smile!\n",
        u"lone \xD800. half\xDC00\n",
        u"   spaces only   ",
    };
    for (const char16_t *raw : texts) {
        const QString text = QString::fromUtf16(raw);
        SCOPED_TRACE(text.toStdString());
        const QStringList expected = regexCut(text);
        ASSERT_EQ(cutInPieces(text, {}), expected) << qPrintable(text);
        for (std::size_t at = 0; at <= std::size_t(text.size()); ++at)
            ASSERT_EQ(cutInPieces(text, {at}), expected) << "split at " << at;
        for (const std::size_t step : {1, 2, 3}) {
            const std::vector<std::size_t> sizes(std::size_t(text.size()) / step + 1, step);
            ASSERT_EQ(cutInPieces(text, sizes), expected) << "pieces of " << step;
        }
    }
}

TEST(SentenceCutOracle, AgreesOnRandomTextsAndChunkings) {
    // Few letters and many delimiter characters, so that marks, white space
    // and line feeds meet in every order and at every piece boundary.
    const QString alphabet =
        QString::fromUtf16(u"ab .?!\n\r\t\u00A0\u3000\u0085\u2029\u180E\u200B\u00E9");
    std::mt19937 random(20240601);
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int length = int(random() % 60);
        for (int i = 0; i < length; ++i) {
            const std::uint32_t pick = random() % 50;
            if (pick == 0)
                text += QString::fromUtf16(u"\U0001F600");
            else if (pick == 1) // half of one, as a careless paste leaves it
                text += QChar(char16_t(random() % 2 == 0 ? 0xD83D : 0xDE00));
            else
                text += alphabet.at(qsizetype(random() % std::uint32_t(alphabet.size())));
        }
        std::vector<std::size_t> sizes;
        for (qsizetype covered = 0; covered < text.size();) {
            sizes.push_back(random() % 6); // empty pieces included
            covered += qsizetype(sizes.back());
        }
        const QStringList expected = regexCut(text);
        ASSERT_EQ(cutInPieces(text, {}), expected) << qPrintable(text);
        ASSERT_EQ(cutInPieces(text, sizes), expected) << qPrintable(text);
    }
}

} // namespace
