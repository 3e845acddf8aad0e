#include "engine/text/text.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>

namespace orvanta {
namespace {

using test_support::narrow;

TEST(SplitOnChar, KeepsEveryEmptyPiece) {
    const struct {
        std::u16string text;
        std::vector<std::u16string> pieces;
    } cases[] = {
        {u"", {u""}},         {u" ", {u"", u""}},           {u"a b", {u"a", u"b"}},
        {u" a", {u"", u"a"}}, {u"a  b", {u"a", u"", u"b"}}, {u"a ", {u"a", u""}},
    };
    std::vector<std::u16string> pieces{u"left over"};
    for (const auto &c : cases) {
        EXPECT_EQ(splitOnChar(pieces, c.text, u' '), static_cast<int>(c.pieces.size()));
        EXPECT_EQ(pieces, c.pieces) << "text: \"" << std::string(c.text.begin(), c.text.end());
    }
}

// The rewriting as first defined: scans that resume two code units after
// each replacement, repeated until one finds nothing.
std::u16string rescanReference(std::u16string text, const std::u16string &pattern,
                               const std::u16string &replacement) {
    for (bool found = true; found;) {
        found = false;
        for (std::size_t p = text.find(pattern); p != std::u16string::npos;
             p = text.find(pattern, p + 2)) {
            text.replace(p, pattern.size(), replacement);
            found = true;
        }
    }
    return text;
}

TEST(ReplaceAll, MatchesRescanningOnRandomText) {
    const struct {
        std::u16string alphabet, pattern, replacement;
    } pairs[] = {
        {u"rqx", u"rr", u"r"},       {u" ab", u"  ", u" "},
        {u"a.mx", u"a.m.", u"eyem"}, {u"\u0442\u0448a", u"\u0442\u0448", u"\u0447"},
        {u"ab", u"ab", u"ba"},       {u"ab", u"aab", u"b"},
        {u"abc", u"aba", u"c"},      {u"ab", u"aa", u""},
    };
    std::mt19937 random(20240611);
    for (const auto &pair : pairs) {
        SCOPED_TRACE("replacing " + narrow(pair.pattern) + " with " + narrow(pair.replacement));
        for (int round = 0; round < 3000; ++round) {
            std::u16string text(random() % 12, u' ');
            for (char16_t &c : text)
                c = pair.alphabet[random() % pair.alphabet.size()];
            ASSERT_EQ(replaceAll(text, pair.pattern, pair.replacement),
                      rescanReference(text, pair.pattern, pair.replacement))
                << "text: " << narrow(text);
        }
    }
}

// Where the order of replacement changes the outcome (a pattern overlapping
// itself) or a text needs more scans than it has characters, only scanning
// as defined gives the right text.
TEST(ReplaceAll, ScansAsDefinedWhereTheOrderMatters) {
    const struct {
        std::u16string pattern, replacement, text, expected;
    } cases[] = {
        {u"aba", u"c", u"babaababa", u"bcabc"}, {u"abab", u"ba", u"abaababb", u"baab"},
        {u"aba", u"ab", u"abaabab", u"abbb"},   {u"aba", u"bab", u"abaaaaaabab", u"bbbabbabbbb"},
        {u"ab", u"baa", u"caaaaabbbbbc", u""},  {u"ab", u"baa", u"aaaaaaab", u""},
    };
    for (const auto &c : cases) {
        const std::u16string expected =
            c.expected.empty() ? rescanReference(c.text, c.pattern, c.replacement) : c.expected;
        EXPECT_EQ(replaceAll(c.text, c.pattern, c.replacement), expected)
            << std::string(c.pattern.begin(), c.pattern.end()) << " in "
            << std::string(c.text.begin(), c.text.end());
    }
}

TEST(ReplaceAll, HandlesLongRunsAndDegeneratePatterns) {
    EXPECT_EQ(replaceAll(std::u16string(1 << 20, u'r'), u"rr", u"r"), u"r");
    EXPECT_EQ(replaceAll(u"x" + std::u16string(1 << 20, u' ') + u"y", u"  ", u" "), u"x y");
    EXPECT_EQ(replaceAll(u"abc", u"", u"x"), u"abc");
    // A replacement holding its pattern would never settle; one pass is made.
    EXPECT_EQ(replaceAll(u"aa", u"a", u"aa"), u"aaaa");
}

} // namespace
} // namespace orvanta
