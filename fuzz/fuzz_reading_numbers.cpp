// readNumericAt at every position of arbitrary text, mostly built from the
// characters numbers are written with: it never reads past the text, leaves
// the output alone when it reads nothing, and otherwise appends only
// lower-case words (and "o'clock") with single spaces between them, never
// more than a bounded number of code units per code unit read.
#include "engine/reading/reading_numbers.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>

using orvanta::fuzz::require;

namespace {

bool wellFormed(std::u16string_view words) {
    if (words.empty() || words.front() == u' ' || words.back() == u' ')
        return false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char16_t c = words[i];
        if (c == u' ' && words[i + 1] == u' ')
            return false;
        if (!(c == u' ' || c == u'\'' || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::u16string input;
    if (size > 0 && (data[0] & 2)) {
        static const std::u16string_view alphabet =
            u"0123456789012345,.:/-+ '$\u00A3\u20AC\u00A5%\u00BD\u00B0\u2013\u2019stndrhkmbgMBGHzC"
            u"FJuneMaySeptAD.apm";
        for (std::size_t i = 1; i < size; ++i)
            input += alphabet[data[i] % alphabet.size()];
    } else {
        input = orvanta::fuzz::toUtf16(data, size);
    }

    for (const orvanta::Variant variant : {orvanta::Variant::British, orvanta::Variant::American}) {
        for (std::size_t pos = 0; pos < input.size(); ++pos) {
            std::u16string out = u"x";
            const std::size_t used = orvanta::readNumericAt(input, pos, variant, out);
            require(used <= input.size() - pos, "read past the end", input);
            if (used == 0) {
                require(out == u"x", "output changed without reading", input);
                continue;
            }
            const std::u16string_view words = std::u16string_view(out).substr(1);
            require(wellFormed(words), "malformed words", out);
            require(words.size() <= 64 * used + 64, "output out of proportion", input);
        }
    }
    return 0;
}
