// Hostile text through the sentence cut and the document: lone surrogates,
// markup, controls, right-to-left script, text made only of delimiters.
// Whatever the text, every character that is not part of a delimiter comes
// back in the "original" spans, in order.
#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "qt_support.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace orvanta {
namespace {

QString fromUtf16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

TEST(HostileText, LoneSurrogatesDoNotStopTheCut) {
    const struct {
        const char *what;
        std::u16string_view text;
        QStringList sentences;
    } cases[] = {
        {"high half in the middle",
         u"One. Two\xD800. Three",
         {u"One."_qs, fromUtf16(u"Two\xD800."), u"Three"_qs}},
        {"low half at the start", u"\xDC00\nx", {fromUtf16(u"\xDC00\n"), u"x"_qs}},
        {"high half at the end", u"a. b\xD83D", {u"a."_qs, fromUtf16(u"b\xD83D")}},
        {"halves swapped", u"a\xDE00\xD83D. b", {fromUtf16(u"a\xDE00\xD83D."), u"b"_qs}},
        {"whole pair kept beside a half",
         u"\U0001F600. \xD800. c",
         {fromUtf16(u"\U0001F600."), fromUtf16(u"\xD800."), u"c"_qs}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cutSentences(fromUtf16(c.text)), c.sentences);
    }
}

// The "original" spans of a document, unescaped.
QStringList originals(const QString &document) {
    static const QRegularExpression span(
        QStringLiteral("<span class=\"original\">(.*?)</span><br>\n"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList spans;
    for (auto it = span.globalMatch(document); it.hasNext();) {
        QString text = it.next().captured(1);
        EXPECT_FALSE(text.contains(u'<') || text.contains(u'>')) << text.toStdString();
        text.replace(u"&lt;"_qs, u"<"_qs)
            .replace(u"&gt;"_qs, u">"_qs)
            .replace(u"&amp;"_qs, u"&"_qs);
        spans << text;
    }
    return spans;
}

TEST(HostileText, DocumentKeepsEveryTypedCharacter) {
    const PronunciationDictionary dictionary =
        PronunciationDictionary::fromBytes("1\tthe\tDJ\n1\tcat\tkxt\n");
    const TranscriptionEngine engine(dictionary);
    const struct {
        const char *what;
        std::u16string_view text;
        QStringList sentences; // as the "original" spans must hold them
    } cases[] = {
        {"markup", u"a<b and c>d. x <y", {u"a<b and c>d."_qs, u"x <y"_qs}},
        {"entities stay text", u"&amp; &lt;p&gt;", {u"&amp; &lt;p&gt;"_qs}},
        {"a closing tag", u"</span></p></body>", {u"</span></p></body>"_qs}},
        {"a script", u"<script>alert(1)</script>\n", {u"<script>alert(1)</script>\n"_qs}},
        {"NUL and controls",
         std::u16string_view(u"a\0b\x01\x1B[31m. c", 12),
         {fromUtf16(std::u16string_view(u"a\0b\x01\x1B[31m.", 10)), u"c"_qs}},
        {"right-to-left script",
         u"\u05E9\u05DC\u05D5\u05DD. \u202Ethe cat",
         {u"\u05E9\u05DC\u05D5\u05DD."_qs, u"\u202Ethe cat"_qs}},
        {"emoji and combining marks",
         u"\U0001F600\u0301 ok? e\u0301",
         {u"\U0001F600\u0301 ok?"_qs, u"e\u0301"_qs}},
        {"only delimiters", u". . !\n?\n\n.\u3000", {}},
        {"a bare mark at the end", u"the cat.", {u"the cat."_qs}},
    };
    for (const bool cyrillic : {false, true}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(c.what);
            const QString document = buildDocument(engine, fromUtf16(c.text), cyrillic);
            EXPECT_EQ(originals(document), c.sentences);
            EXPECT_EQ(document.count(u"<p>"_qs), c.sentences.size());
        }
    }
}

TEST(HostileText, HugeDelimiterRunsGiveAnEmptyDocument) {
    // Only delimiters, a megabyte of them: no paragraph, no stray text.
    const QString onlyDelimiters = u". ! ? \n"_qs.repeated(1 << 17);
    const PronunciationDictionary noWords;
    EXPECT_EQ(buildDocument(TranscriptionEngine(noWords), onlyDelimiters, false),
              test_support::htmlDocument({}));
    // One endless "sentence" of marks without white space is one paragraph.
    const QString marks = u".?!"_qs.repeated(1 << 17);
    EXPECT_EQ(cutSentences(marks), QStringList{marks});
}

} // namespace
} // namespace orvanta
