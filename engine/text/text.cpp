#include "engine/text/text.h"

#include <cstddef>

namespace orvanta {

int splitOnChar(std::vector<std::u16string> &pieces, std::u16string_view text, char16_t separator) {
    pieces.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::u16string_view::npos) {
            pieces.emplace_back(text.substr(start));
            break;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return static_cast<int>(pieces.size());
}

namespace {

// The literal rescanning algorithm: one scan replaces every occurrence it
// meets and resumes two code units after it; scans repeat until one finds
// nothing. Quadratic on long runs, so it only serves pairs whose rewriting
// the one-pass method below cannot settle. The caps stop pairs that would
// rewrite forever: a growing text stops at a length, and only a rewrite
// that keeps the length can cycle, so only its scans are counted (a growing
// one may need many more scans than the text has characters, "ab" -> "baa").
std::u16string rescanReplaceAll(std::u16string_view text, std::u16string_view pattern,
                                std::u16string_view replacement) {
    std::u16string result(text);
    const bool keepsLength = replacement.size() == pattern.size();
    const std::size_t maxScans = 2 * text.size() + 2;
    const std::size_t maxLength = 16 * text.size() + 1024;
    for (std::size_t scan = 0; !keepsLength || scan < maxScans; ++scan) {
        std::size_t pos = result.find(pattern);
        if (pos == std::u16string::npos)
            break;
        while (pos != std::u16string::npos && result.size() <= maxLength) {
            result.replace(pos, pattern.size(), replacement);
            pos = result.find(pattern, pos + 2);
        }
        if (result.size() > maxLength)
            break;
    }
    return result;
}

// One pass of plain, non-repeating replacement.
std::u16string replaceOnce(std::u16string_view text, std::u16string_view pattern,
                           std::u16string_view replacement) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t pos = text.find(pattern); pos != std::u16string_view::npos;
         pos = text.find(pattern, start)) {
        result.append(text.substr(start, pos - start));
        result.append(replacement);
        start = pos + pattern.size();
    }
    result.append(text.substr(start));
    return result;
}

// Whether the result is the same whichever occurrence is replaced first,
// so that the one-pass method below may replace them in its own order. Two
// occurrences can only compete where the pattern overlaps itself: over the
// text where they overlap, replacing either must leave the same text (as
// "rr" -> "r" does on "rrr"). A rewrite whose pattern overlaps itself might
// also never settle unless it shortens the text; those are left to the
// scans and their caps.
bool replacedInAnyOrder(std::u16string_view pattern, std::u16string_view replacement) {
    const std::size_t n = pattern.size();
    const std::size_t r = replacement.size();
    bool overlaps = false;
    for (std::size_t k = 1; k < n; ++k) {
        if (pattern.substr(0, k) != pattern.substr(n - k))
            continue;
        overlaps = true;
        // The overlap is pattern[0, n - k) + pattern; compare replacing its
        // first occurrence with replacing its second, without building them.
        for (std::size_t i = 0; i < r + n - k; ++i) {
            const char16_t first = i < r ? replacement[i] : pattern[k + i - r];
            const char16_t second = i < n - k ? pattern[i] : replacement[i - (n - k)];
            if (first != second)
                return false;
        }
    }
    return !overlaps || r < n;
}

} // namespace

std::u16string replaceAll(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view replacement) {
    if (pattern.empty() || text.find(pattern) == std::u16string_view::npos)
        return std::u16string(text);
    // A replacement holding its own pattern would be rewritten forever; give
    // such a caller one plain pass rather than a hang.
    if (replacement.find(pattern) != std::u16string_view::npos)
        return replaceOnce(text, pattern, replacement);
    // With "aba" -> "c", "babaababa" gives "bcabc" when scanned but "bccba"
    // when every occurrence is replaced as soon as it is complete.
    if (!replacedInAnyOrder(pattern, replacement))
        return rescanReplaceAll(text, pattern, replacement);

    // Build the result in one pass. An occurrence can only appear at the end
    // of what has been written so far, either from the next input character
    // or because a replacement completed one with the characters before it
    // (collapsing "rrrr" to "r" step by step). Each inner round shortens the
    // output or ends, because a replacement at least as long as the pattern
    // would have to end with it.
    std::u16string out;
    out.reserve(text.size());
    const std::u16string_view patternView = pattern;
    for (const char16_t c : text) {
        out.push_back(c);
        while (out.size() >= patternView.size() &&
               std::u16string_view(out).substr(out.size() - patternView.size()) == patternView) {
            out.resize(out.size() - patternView.size());
            out.append(replacement);
        }
    }
    // A replacement can also complete an occurrence that does not end at the
    // output's end (the pattern "ab" with "ba"); hand those rare pairs to the
    // rescanning method so that the result never holds the pattern.
    if (out.find(pattern) != std::u16string::npos)
        return rescanReplaceAll(text, pattern, replacement);
    return out;
}

} // namespace orvanta
