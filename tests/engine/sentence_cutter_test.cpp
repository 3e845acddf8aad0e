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
                      SentenceCutter::BoundaryRule rule = endsSentence) {
    SentenceCutter cutter(rule);
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
                           SentenceCutter::BoundaryRule rule = endsSentence) {
    for (std::size_t at = 0; at <= text.size(); ++at)
        ASSERT_EQ(cutInPieces(text, {at}, rule), expected) << "split at " << at;
    for (const std::size_t step : {1, 2, 3}) {
        const std::vector<std::size_t> sizes(text.size() / step + 1, step);
        ASSERT_EQ(cutInPieces(text, sizes, rule), expected) << "pieces of " << step;
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

} // namespace
} // namespace orvanta
