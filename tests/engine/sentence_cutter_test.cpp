#include "engine/text/sentence_cutter.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using Sentences = std::vector<std::u16string>;
using test_support::narrow;

// Feeds `text` in pieces of the given sizes, the rest as a last piece.
Sentences cutInPieces(std::u16string_view text, const std::vector<std::size_t> &sizes,
                      SentenceCutter::BoundaryRule rule = endsSentence, bool joinLines = false) {
    SentenceCutter cutter(rule, joinLines);
    Sentences sentences;
    std::size_t at = 0;
    for (const std::size_t size : sizes) {
        const std::size_t take = std::min(size, text.size() - at);
        cutter.feed(text.substr(at, take), sentences);
        at += take;
    }
    cutter.feed(text.substr(at), sentences);
    cutter.finish(sentences);
    return sentences;
}

// Every cut into two pieces and into pieces of 1, 2 and 3 gives `expected`.
void expectInEveryChunking(std::u16string_view text, const Sentences &expected,
                           SentenceCutter::BoundaryRule rule = endsSentence,
                           bool joinLines = false) {
    for (std::size_t at = 0; at <= text.size(); ++at)
        ASSERT_EQ(cutInPieces(text, {at}, rule, joinLines), expected) << "split at " << at;
    for (const std::size_t step : {1, 2, 3}) {
        const std::vector<std::size_t> sizes(text.size() / step + 1, step);
        ASSERT_EQ(cutInPieces(text, sizes, rule, joinLines), expected) << "pieces of " << step;
    }
}

struct CutCase {
    const char *name;
    std::u16string text;
    Sentences sentences;
};

TEST(SentenceCutter, CutsAtMarksFollowedBySpaceAndAtLineFeeds) {
    const CutCase cases[] = {
        {"empty", u"", {}},
        {"two sentences", u"Hello world. How are you?", {u"Hello world.", u"How are you?"}},
        {"trailing delimiter keeps its mark", u"Hello world.\n", {u"Hello world."}},
        {"line feed given back", u"One\nTwo", {u"One\n", u"Two"}},
        {"each its own mark", u"Stop? Stop! Stop.", {u"Stop?", u"Stop!", u"Stop."}},
        {"blank line in between", u"a\n \nb", {u"a\n", u" \n", u"b"}},
        {"ellipsis cuts once", u"Wait...  Now", {u"Wait...", u"Now"}},
        {"greedy white space", u"Ab.  \n\n B", {u"Ab.", u"B"}},
        {"mark without space stays", u"It is 3.5 e.g., fine", {u"It is 3.5 e.g., fine"}},
        {"title does not cut", u"Mr. Smith", {u"Mr. Smith"}},
        {"abbreviation at the end cuts", u"It is 5 a.m. He slept", {u"It is 5 a.m.", u"He slept"}},
        {"only delimiters", u"\n\n. \n", {}},
        {"leading delimiter dropped", u". leading", {u"leading"}},
        {"leading spaces kept", u"  Hi.  There", {u"  Hi.", u"There"}},
        {"marks run together", u"Really?! Yes", {u"Really?!", u"Yes"}},
        {"unicode white space",
         u"Aa.\u00A0Bb!\u3000Cc?\u2028Dd.\u0085Ee.\u180EFf",
         {u"Aa.", u"Bb!", u"Cc?", u"Dd.", u"Ee.", u"Ff"}},
        {"zero-width space is not white space", u"a.\u200Bb", {u"a.\u200Bb"}},
        {"carriage return is white space", u"One.\r\nTwo", {u"One.", u"Two"}},
        {"tab before line feed stays", u"One\t\nTwo", {u"One\t\n", u"Two"}},
        {"spaces at the end kept", u"end.   X   ", {u"end.", u"X   "}},
        {"lone surrogates are ordinary",
         u"a\xD800. \xDC00\nb\xD83D",
         {u"a\xD800.", u"\xDC00\n", u"b\xD83D"}},
        {"pair before a mark", u"\U0001F600! smile", {u"\U0001F600!", u"smile"}},
    };
    for (const CutCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cutSentences(c.text), c.sentences);
        expectInEveryChunking(c.text, c.sentences);
    }
}

TEST(SentenceCutter, PiecesOfAnySizeGiveTheWholeTextsCut) {
    // Few letters and many delimiter characters, so that marks, white space
    // and line feeds meet in every order and at every piece boundary.
    const std::u16string alphabet = u"ab .?!\n\r\t\u00A0\u3000\u0085\u2029\u00E9\xD83D\xDE00";
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        for (std::size_t i = 0, n = random() % 40; i < n; ++i)
            text += alphabet[random() % alphabet.size()];
        std::vector<std::size_t> sizes;
        for (std::size_t covered = 0; covered < text.size();) {
            sizes.push_back(random() % 6); // empty pieces included
            covered += sizes.back();
        }
        ASSERT_EQ(cutInPieces(text, sizes), cutSentences(text)) << narrow(text);
    }
}

TEST(SentenceCutter, StartsAfreshAfterFinish) {
    SentenceCutter cutter;
    Sentences sentences;
    cutter.feed(u"first text ends with a mark.", sentences);
    cutter.finish(sentences);
    cutter.feed(u" second", sentences);
    cutter.finish(sentences);
    EXPECT_EQ(sentences, (Sentences{u"first text ends with a mark.", u" second"}));
}

// A rule for the tests: titles before a name do not end a sentence.
bool titlesContinue(std::u16string_view before, std::u16string_view) {
    return !(before.ends_with(u" Mr.") || before == u"Mr." || before.ends_with(u" Dr.") ||
             before == u"Dr.");
}

TEST(SentenceCutter, BoundaryRuleDecidesAtMarksButNotAtLineFeeds) {
    const CutCase cases[] = {
        {"declined mark stays inside",
         u"Mr. Smith came. Then Dr. Who left.",
         {u"Mr. Smith came.", u"Then Dr. Who left."}},
        {"line feed after a declined mark cuts", u"Mr.\nSmith", {u"Mr.\n", u"Smith"}},
        {"each line feed of the white space cuts",
         u"Mr.  \n\n Smith. x",
         {u"Mr.  \n", u" Smith.", u"x"}},
        {"declined mark at the end", u"ask Mr. ", {u"ask Mr. "}},
        {"mark right after a declined one", u"Dr. ! no", {u"Dr. !", u"no"}},
        {"other marks cut as before", u"Hello. Mr. X! y", {u"Hello.", u"Mr. X!", u"y"}},
    };
    for (const CutCase &c : cases) {
        SCOPED_TRACE(c.name);
        expectInEveryChunking(c.text, c.sentences, titlesContinue);
    }
}

struct Call {
    std::u16string before, after;
    bool operator==(const Call &) const = default;
};
std::vector<Call> calls;

bool recordCall(std::u16string_view before, std::u16string_view after) {
    calls.push_back({std::u16string(before), std::u16string(after)});
    return titlesContinue(before, after);
}

TEST(SentenceCutter, RuleSeesTheSentenceSoFarAndTheNextWord) {
    const std::u16string longWord(100, u'w');
    const struct {
        const char *name;
        std::u16string text;
        std::vector<Call> calls;
    } cases[] = {
        {"sentence so far and next token",
         u"Hello there. Mr.  Smith!\tEnd",
         {{u"Hello there.", u"Mr."}, {u"Mr.", u"Smith!"}, {u"Mr.  Smith!", u"End"}}},
        {"white space at the end", u"Done.  ", {{u"Done.", u""}}},
        {"token ends at any white space", u"A. b\u3000c", {{u"A.", u"b"}}},
        {"line feed inside the white space", u"A.\n\nb", {{u"A.", u"b"}}},
        {"no call without white space", u"3.5 e.g., A.B", {}},
        {"both sides bounded",
         longWord + u". " + longWord,
         {{longWord.substr(37) + u".", longWord.substr(0, 64)}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::size_t step : {std::size_t{1}, std::size_t{7}, c.text.size() + 1}) {
            calls.clear();
            cutInPieces(c.text, std::vector<std::size_t>(c.text.size() / step + 1, step),
                        recordCall);
            EXPECT_EQ(calls, c.calls) << "pieces of " << step;
        }
    }
}

TEST(SentenceCutter, DecliningRuleKeepsEveryCharacterInOrder) {
    // Whatever the rule says, the sentences joined give back the text less
    // what the accepted cuts consumed: here every mark is declined, so only
    // line feeds cut and only line feeds between sentences vanish.
    const std::u16string alphabet = u"ab .?!\n \u00A0";
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::u16string text;
        for (std::size_t i = 0, n = random() % 30; i < n; ++i)
            text += alphabet[random() % alphabet.size()];
        const Sentences sentences =
            cutInPieces(text, {random() % 8, random() % 8},
                        [](std::u16string_view, std::u16string_view) { return false; });
        std::u16string joined, expected;
        for (const std::u16string &sentence : sentences)
            joined += sentence;
        for (const char16_t c : text)
            if (c != u'\n' || (!expected.empty() && expected.back() != u'\n'))
                expected += c;
        EXPECT_EQ(joined, expected) << narrow(text);
    }
}

// Lines of 40 characters or more, as a wrapped paragraph has them.
const std::u16string line1 = u"It was late in the evening when the train";
const std::u16string line2 = u"came in at last, and nobody was waiting for";

TEST(JoinedLines, AWrappingLineFeedIsASpace) {
    const CutCase cases[] = {
        {"wrapped sentence", line1 + u"\n" + line2 + u"\nhim.", {line1 + u" " + line2 + u" him."}},
        {"title at a line end keeps its name",
         line1 + u" and Mr.\nSmith left.",
         {line1 + u" and Mr. Smith left."}},
        {"mark at a line end cuts",
         line1 + u" came.\n" + line2 + u" him.",
         {line1 + u" came.", line2 + u" him."}},
        {"white space and carriage return at the line end",
         line1 + u" \t\r\n" + line2,
         {line1 + u" " + line2}},
        {"hyphen after a letter", line1 + u" well-\nknown", {line1 + u" well-known"}},
        {"hyphen after a space", line1 + u" -\nand", {line1 + u" - and"}},
        {"blank line", line1 + u"\n\n" + line2, {line1 + u"\n", line2}},
        {"white space on the blank line",
         line1 + u"\n \t\n" + line2,
         {line1 + u"\n", u" \t\n", line2}},
        {"indented line", line1 + u"\n    " + line2, {line1 + u"\n", u"    " + line2}},
        {"tab as indentation", line1 + u"\n\t" + line2, {line1 + u"\n", u"\t" + line2}},
        {"list items",
         line1 + u":\n- bread\n* milk\n\u2022 tea",
         {line1 + u":\n", u"- bread\n", u"* milk\n", u"\u2022 tea"}},
        {"numbered items (the number's full stop cuts as anywhere)",
         line1 + u"\n1. bread\n" + line1 + u"\n12) milk\n" + line1 + u"\n(b) tea\n" + line1 +
             u"\nc) jam",
         {line1 + u"\n", u"1.", u"bread\n", line1 + u"\n", u"12) milk\n", line1 + u"\n",
          u"(b) tea\n", line1 + u"\n", u"c) jam"}},
        {"a number that opens a line is no item",
         line1 + u"\n1984 was the year",
         {line1 + u" 1984 was the year"}},
        {"short line", u"Dear Anna,\n" + line1, {u"Dear Anna,\n", line1}},
        {"heading in capitals",
         line1 + u"\nCHAPTER TWO\n" + line2,
         {line1 + u"\n", u"CHAPTER TWO\n", line2}},
        {"heading with capitalised words at the end",
         line1 + u"\nThe Return of the King",
         {line1 + u"\n", u"The Return of the King"}},
        {"capitalised words that end a sentence are no heading",
         line1 + u"\nNew York.",
         {line1 + u" New York."}},
        {"a capital and short words make no heading",
         line1 + u"\nHow are you",
         {line1 + u" How are you"}},
        {"line feed at the end", line1 + u"\n", {line1 + u"\n"}},
        {"short lines only", u"one\ntwo\n", {u"one\n", u"two\n"}},
    };
    for (const CutCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cutSentences(c.text, true), c.sentences);
        expectInEveryChunking(c.text, c.sentences, endsSentence, true);
    }
}

// Greedy wrapping, as mail programs and plain-text books do it: as many
// words on a line as fit in `width`.
std::u16string wrap(const std::vector<std::u16string> &words, std::size_t width) {
    std::u16string text, line;
    for (const std::u16string &word : words) {
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            text += line + u"\n";
            line.clear();
        }
        line += (line.empty() ? u"" : u" ") + word;
    }
    return text + line;
}

TEST(JoinedLines, WrappedParagraphsCutAsTheUnwrappedOnes) {
    const std::vector<std::u16string> vocabulary = {
        u"the",     u"station", u"was",    u"quiet,",  u"and",     u"Mr.",
        u"Dr.",     u"Smith",   u"wrote",  u"letters", u"home.",   u"Why?",
        u"It",      u"rained!", u"e.g.",   u"U.S.",    u"a",       u"long",
        u"journey", u"through", u"hills;", u"then",    u"London.", u"well-known",
    };
    std::mt19937 random(29);
    for (int round = 0; round < 300; ++round) {
        const std::size_t width = 50 + random() % 30;
        std::u16string wrapped, unwrapped;
        for (std::size_t paragraph = 0, n = 1 + random() % 3; paragraph < n; ++paragraph) {
            std::vector<std::u16string> words;
            for (std::size_t i = 0, count = 1 + random() % 40; i < count; ++i)
                words.push_back(vocabulary[random() % vocabulary.size()]);
            words.push_back(u"end.");
            const std::u16string separator = paragraph == 0 ? u"" : u"\n\n";
            wrapped += separator + wrap(words, width);
            unwrapped += separator + wrap(words, std::u16string::npos);
        }
        SCOPED_TRACE(narrow(wrapped));
        const Sentences expected = cutSentences(unwrapped);
        EXPECT_EQ(cutSentences(wrapped, true), expected);
        std::vector<std::size_t> sizes;
        for (std::size_t covered = 0; covered < wrapped.size();) {
            sizes.push_back(random() % 9);
            covered += sizes.back();
        }
        EXPECT_EQ(cutInPieces(wrapped, sizes, endsSentence, true), expected);
    }
}

} // namespace
} // namespace orvanta
