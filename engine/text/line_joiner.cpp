#include "engine/text/line_joiner.h"

#include "engine/text/sentence_cutter.h"

#include <algorithm>

namespace orvanta {

namespace {

// Lines of a wrapped paragraph fill the width but for the last; a line
// shorter than this, or than two thirds of the width, ends its piece:
// a greeting, a signature, a line of verse, an address.
constexpr std::size_t shortLine = 40;
// Wider lines are no wrapping but paragraphs on one line each.
constexpr std::size_t widestWrap = 100;
// A heading is a short line; the next line is held back at most this far.
constexpr std::size_t headingLength = shortLine;

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// "- item", "* item", "• item", "1. item", "12) item", "a) item", "(iv) item".
bool startsWithListMarker(std::u16string_view line) {
    const auto spaceAt = [&line](std::size_t i) { return i < line.size() && isCutSpace(line[i]); };
    if (line.empty())
        return false;
    switch (line[0]) {
    case u'-':
    case u'*':
    case u'+':
    case u'\u2022': // bullet
    case u'\u2023': // triangular bullet
    case u'\u25E6': // white bullet
    case u'\u2013': // en dash
    case u'\u2014': // em dash
        return spaceAt(1);
    default:
        break;
    }
    std::size_t i = line[0] == u'(' ? 1 : 0;
    const std::size_t start = i;
    while (i < line.size() && i - start < 4 && (isDigit(line[i]) || isAsciiLetter(line[i])))
        ++i;
    const std::size_t length = i - start;
    if (length == 0 || i >= line.size())
        return false;
    const bool digits = std::all_of(line.begin() + static_cast<std::ptrdiff_t>(start),
                                    line.begin() + static_cast<std::ptrdiff_t>(i), isDigit);
    if (start == 1)
        return line[i] == u')' && spaceAt(i + 1);
    if (line[i] == u')')
        return (digits || length == 1) && spaceAt(i + 1);
    return line[i] == u'.' && digits && length <= 3 && spaceAt(i + 1);
}

// "CHAPTER ONE", "Chapter 3", "The Return of the King": a short line
// without the punctuation of a sentence that opens with a capital, in
// capitals, or with every word of four letters or more capitalised (and one
// at least).
bool isHeading(std::u16string_view line) {
    while (!line.empty() && isCutSpace(line.back()))
        line.remove_suffix(1);
    if (line.empty() || line.size() > headingLength)
        return false;
    switch (line.back()) {
    case u'.':
    case u',':
    case u';':
    case u'?':
    case u'!':
        return false;
    default:
        break;
    }
    const auto firstLetter = std::find_if(line.begin(), line.end(), isAsciiLetter);
    if (firstLetter == line.end() || !(*firstLetter >= u'A' && *firstLetter <= u'Z'))
        return false;
    bool allCapitals = true;
    bool wordsCapitalised = true;
    bool longWord = false;
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && !isAsciiLetter(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && isAsciiLetter(line[i])) {
            allCapitals = allCapitals && !(line[i] >= u'a' && line[i] <= u'z');
            ++i;
        }
        if (i == start)
            break;
        if (i - start >= 4) {
            longWord = true;
            wordsCapitalised = wordsCapitalised && line[start] >= u'A' && line[start] <= u'Z';
        }
    }
    return allCapitals || (longWord && wordsCapitalised);
}

} // namespace

bool LineJoiner::isShort(const Line &line) const {
    return line.length < shortLine || line.length * 3 < width_ * 2;
}

void LineJoiner::feed(std::u16string_view text, std::u16string &out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (pending_) {
            next_ += c;
            if (c == u'\n' || next_.size() > headingLength) {
                decide(false, out);
                std::u16string next = std::move(next_);
                next_.clear();
                feed(next, out);
            }
            continue;
        }
        if (c == u'\n') {
            endLine(out);
        } else if (isCutSpace(c)) {
            trail_ += c;
        } else {
            line_.length += trail_.size() + 1;
            line_.beforeLast = trail_.empty() ? line_.last : trail_.back();
            line_.last = c;
            out += trail_;
            trail_.clear();
            out += c;
        }
    }
}

void LineJoiner::finish(std::u16string &out) {
    if (pending_)
        decide(true, out);
    std::u16string next = std::move(next_);
    next_.clear();
    feed(next, out);
    out += trail_;
    trail_.clear();
    line_ = Line{};
    pending_ = false;
    width_ = 0;
}

void LineJoiner::endLine(std::u16string &out) {
    width_ = std::max(width_, std::min(line_.length, widestWrap));
    if (isShort(line_)) {
        out += trail_;
        out += u'\n';
        trail_.clear();
    } else {
        pending_ = true;
        ended_ = line_;
    }
    line_ = Line{};
}

void LineJoiner::decide(bool textEnds, std::u16string &out) {
    pending_ = false;
    const std::u16string_view next = next_;
    // The next line is whole when it ends with a line feed or the text does.
    const bool nextWhole = textEnds || (!next.empty() && next.back() == u'\n');
    const bool keep = next.empty() || isCutSpace(next[0]) || startsWithListMarker(next) ||
                      (nextWhole && isHeading(next.substr(0, next.size() - (textEnds ? 0 : 1))));
    if (keep) {
        out += trail_;
        out += u'\n';
    } else if (!(ended_.last == u'-' && isAsciiLetter(ended_.beforeLast) &&
                 isAsciiLetter(next[0]))) {
        out += u' ';
    }
    trail_.clear();
}

} // namespace orvanta
