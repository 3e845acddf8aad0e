// Cutting text into sentences, all at once or as it arrives.
#pragma once

#include "engine/text/line_joiner.h"
#include "engine/text/sentence_boundary.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// White space, both where a sentence is cut and where words part: what \s
// matches in a regular expression with Unicode properties (PCRE2's list,
// U+180E included).
bool isCutSpace(char16_t c);

// Cuts text into sentences: after a full stop, question or exclamation mark
// followed by white space when endsSentence() agrees (the run of white space
// is consumed), and at every line feed. Each sentence that a cut ends gets
// back the cut's first character (the mark or the line feed); empty
// sentences are dropped; nothing else is changed.
//
// With wrapped lines joined, a line feed that only wraps a line of a
// paragraph is read as a space first (see LineJoiner).
//
// The text may arrive in pieces of any size, cut anywhere (between the
// halves of a surrogate pair too): the sentences are the same as for the
// whole text at once, and only the sentence being read is held.
class SentenceCutter {
public:
    using BoundaryRule = bool (*)(std::u16string_view before, std::u16string_view after);

    explicit SentenceCutter(bool joinWrappedLines = false) : joinLines_(joinWrappedLines) {}
    // Tests may put another rule in the place of endsSentence().
    explicit SentenceCutter(BoundaryRule rule, bool joinWrappedLines = false)
        : rule_(rule), joinLines_(joinWrappedLines) {}

    // Reads the next piece of the text and appends every sentence that is
    // now known to be complete.
    void feed(std::u16string_view text, std::vector<std::u16string> &sentences);

    // Ends the text: appends what is still pending and starts afresh.
    void finish(std::vector<std::u16string> &sentences);

private:
    enum class State {
        Text,      // inside a sentence
        Spaces,    // in the white space after a mark, at markAt_ in piece_
        NextToken, // reading what follows that white space into token_
    };

    void cut(std::u16string_view text, std::vector<std::u16string> &sentences);
    // Asks the rule about the pending mark and cuts there or not.
    void decide(std::vector<std::u16string> &sentences);
    void cutAtLineFeed(std::vector<std::u16string> &sentences);

    BoundaryRule rule_ = endsSentence;
    bool joinLines_ = false;
    LineJoiner joiner_;
    std::u16string joined_;
    State state_ = State::Text;
    // The sentence being read; while a mark is pending, the mark and the
    // white space after it too.
    std::u16string piece_;
    std::size_t markAt_ = 0;
    std::u16string token_;
    // The last character read was a mark outside any pending white space.
    bool afterMark_ = false;
};

// The sentences of a whole text.
std::vector<std::u16string> cutSentences(std::u16string_view text, bool joinWrappedLines = false);

} // namespace orvanta
