#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "qt_support.h"

#include <gtest/gtest.h>

namespace {

using orvanta::cutSentences;
using orvanta::test_support::htmlDocument;

constexpr char dictionaryText[] = "1\tthe\tDJ\n"
                                  "2\tbox\tbPks\n"
                                  "3\tcat\tkxt\n"
                                  "4\tchurch\tCE:C\n"
                                  "5\tx\teks\n"
                                  "6\ty\twaI\n";

// A small dictionary shared by the tests that need real transcriptions.
class DocumentTest : public ::testing::Test {
protected:
    QString buildDocument(const QString &text, bool cyrillic) const {
        return orvanta::buildDocument(engine, text, cyrillic);
    }
    const orvanta::PronunciationDictionary dictionary =
        orvanta::PronunciationDictionary::fromBytes(dictionaryText);
    const orvanta::TranscriptionEngine engine{dictionary};
};

// The cut itself is the engine's (sentence_cutter_test); what the Qt side
// adds is the conversion, which must hand every code unit over as it is.
TEST(SentenceCut, SentencesReachQtCodeUnitForCodeUnit) {
    struct Case {
        const char *name;
        QString text;
        QStringList sentences;
    };
    const Case cases[] = {
        // U+FEFF and U+FFFE look like byte order marks to some conversions.
        {"zero-width no-break space opening a sentence",
         "One.\n" + QString(QChar(0xFEFF)) + "Two",
         {"One.", QChar(0xFEFF) + QString("Two")}},
        {"noncharacter U+FFFE opening a sentence",
         "One. " + QString(QChar(0xFFFE)) + "Two",
         {"One.", QChar(0xFFFE) + QString("Two")}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cutSentences(c.text), c.sentences) << c.name;
}

TEST_F(DocumentTest, EmptyTextGivesTheFrameOnly) {
    EXPECT_EQ(buildDocument(QString(), false), htmlDocument({}));
}

TEST_F(DocumentTest, EverySentenceIsFollowedByItsTranscription) {
    EXPECT_EQ(buildDocument("The box. The cat\n", false),
              htmlDocument({{"The box.", u"[ðə bɒks]"_qs}, {"The cat\n", u"[ðə kæt]"_qs}}));
}

TEST_F(DocumentTest, UntranscribedWordsKeepTheirSpelling) {
    EXPECT_EQ(buildDocument("The gizmo!", false),
              htmlDocument({{"The gizmo!", u"[ðə (gizmo)]"_qs}}));
}

TEST_F(DocumentTest, MarkupInTheTextIsShownNotInterpreted) {
    const QString document = buildDocument("x <y & b>c", false);
    EXPECT_TRUE(document.contains("<span class=\"original\">x &lt;y &amp; b&gt;c</span>"))
        << qPrintable(document);
    EXPECT_TRUE(document.contains(QString::fromUtf8("[eks waɪ (bc)]"))) << qPrintable(document);
}

TEST_F(DocumentTest, CyrillicChangesOnlyTheTranscription) {
    EXPECT_EQ(buildDocument("The church.", true),
              htmlDocument({{"The church.", u"[ЗЗэ чэ:ч]"_qs}}));
    EXPECT_EQ(orvanta::renderSentence(engine, "the box", true), QString::fromUtf8("[ЗЗэ бокс]"));
}

// The forms without an engine read the process-wide dictionary.
TEST(ProcessWideDocument, ReadsTheLoadedDictionary) {
    orvanta::loadDictionaryFromBytes(dictionaryText);
    EXPECT_EQ(orvanta::buildDocument("The box.", false),
              htmlDocument({{"The box.", u"[ðə bɒks]"_qs}}));
    EXPECT_EQ(orvanta::renderSentence("the cat", false), QString::fromUtf8("[ðə kæt]"));
    orvanta::loadDictionaryFromBytes("");
    EXPECT_EQ(orvanta::renderSentence("the cat", false), "[(the) (cat)]");
}

TEST_F(DocumentTest, SameInputGivesSameDocument) {
    const QString text = "The cat. The box!\nThe church?";
    EXPECT_EQ(buildDocument(text, false), buildDocument(text, false));
}

struct ReadCase {
    const char *name;
    const char *text;
    const char *shown; // the text as the document holds it
    const char *rendering;
};

TEST_F(DocumentTest, ReadDocumentTranscribesWhatIsSaidAndShowsWhatIsWritten) {
    const ReadCase cases[] = {
        {"sign read as a word", "x & y", "x &amp; y", "[eks (and) waɪ]"},
        {"acronym spelled", "the XY", "the XY", "[ðiː ˌeks ˈwaɪ]"},
        {"no word at all", "* * *", "* * *", "[]"},
        {"other script in parentheses", "the \xD0\xB4\xD0\xB0", "the \xD0\xB4\xD0\xB0",
         "[ðiː (\xD0\xB4\xD0\xB0)]"},
    };
    for (const ReadCase &row : cases) {
        EXPECT_EQ(orvanta::buildReadDocument(engine, QString::fromUtf8(row.text), false),
                  htmlDocument({{QString::fromUtf8(row.shown), QString::fromUtf8(row.rendering)}}))
            << row.name;
    }
}

} // namespace
