// Hard-wrapped text (e-mail, plain-text books, text copied from PDF files)
// read as its paragraphs: a line feed that only wraps a line becomes a space.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// A line feed is kept where it ends more than a line: after a blank or a
// short line, and before a blank line, an indented line, a list item or a
// heading. Otherwise it becomes one space, together with the white space at
// the end of its line (a carriage return too); after a hyphen that follows a
// letter ("well-" / "known") and before a letter it goes without a space.
// A line that ends with a full stop, question or exclamation mark is joined
// too: the sentence cut then decides at the mark, as it would in the
// unwrapped text, so that "Mr." at a line end keeps its name.
//
// The text may arrive in pieces of any size: the result is the same as for
// the whole text at once. Only the start of one line is held back.
class LineJoiner {
public:
    // Appends `text` to `out` with the wrapping line feeds joined; what
    // cannot be decided yet is held back.
    void feed(std::u16string_view text, std::u16string &out);
    // Ends the text: appends what is held back and starts afresh.
    void finish(std::u16string &out);

private:
    // What is known of a line once it has ended.
    struct Line {
        std::size_t length = 0;  // up to its last character that is no white space
        char16_t last = 0;       // that character...
        char16_t beforeLast = 0; // ...and the one before it, white space or not
    };

    void endLine(std::u16string &out);
    void decide(bool textEnds, std::u16string &out);
    bool isShort(const Line &line) const;

    Line line_;
    // White space after the line's last other character, held until it is
    // known whether the line goes on.
    std::u16string trail_;
    // A line feed waits for the start of the next line, read into next_.
    bool pending_ = false;
    Line ended_;
    std::u16string next_;
    // The longest line so far (up to a limit): the width the text is
    // wrapped at.
    std::size_t width_ = 0;
};

} // namespace orvanta
