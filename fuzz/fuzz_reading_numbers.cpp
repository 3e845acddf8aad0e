// readNumericAt at every position of arbitrary text, mostly built from the
// characters numbers are written with: it never reads past the text, leaves
// the output alone when it reads nothing, and otherwise appends only
// lower-case words (and "o'clock") with single spaces between them, never
// more than a bounded number of code units per code unit read. Where it reads
// a plain numeral (digits, perhaps grouped by commas) as a cardinal, the
// words read back to the value written.
#include "engine/reading/reading_numbers.h"
#include "oracle.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

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

// The value of number words ("three hundred and five thousand"), or nothing
// when they are not a cardinal in words (years, digits, ranges, units...).
std::optional<std::uint64_t> valueOfWords(std::u16string_view words) {
    static constexpr std::array<std::u16string_view, 20> small = {
        u"zero",     u"one",     u"two",     u"three",     u"four",     u"five",    u"six",
        u"seven",    u"eight",   u"nine",    u"ten",       u"eleven",   u"twelve",  u"thirteen",
        u"fourteen", u"fifteen", u"sixteen", u"seventeen", u"eighteen", u"nineteen"};
    static constexpr std::array<std::u16string_view, 8> tens = {
        u"twenty", u"thirty", u"forty", u"fifty", u"sixty", u"seventy", u"eighty", u"ninety"};
    static constexpr std::array<std::u16string_view, 6> scales = {
        u"thousand", u"million", u"billion", u"trillion", u"quadrillion", u"quintillion"};
    std::uint64_t total = 0, current = 0, lastScale = ~std::uint64_t{0};
    bool any = false;
    for (std::size_t start = 0; start < words.size();) {
        const std::size_t end = std::min(words.find(u' ', start), words.size());
        const std::u16string_view word = words.substr(start, end - start);
        start = end + 1;
        if (word == u"and")
            continue;
        any = true;
        bool found = false;
        for (std::size_t v = 0; v < small.size() && !found; ++v) {
            if (word != small[v])
                continue;
            // "twenty one", but not "twenty ten" or "nineteen eighty".
            if (current % 100 != 0 &&
                !(current % 10 == 0 && current % 100 >= 20 && v < 10 && v > 0))
                return std::nullopt;
            current += v;
            found = true;
        }
        for (std::size_t t = 0; t < tens.size() && !found; ++t) {
            if (word != tens[t])
                continue;
            if (current % 100 != 0)
                return std::nullopt;
            current += 20 + 10 * t;
            found = true;
        }
        if (!found && word == u"hundred") {
            if (current == 0 || current % 100 == 0 || current >= 100)
                return std::nullopt;
            current *= 100;
            found = true;
        }
        std::uint64_t scale = 1;
        for (std::size_t s = 0; s < scales.size() && !found; ++s) {
            scale *= 1000;
            if (word != scales[s])
                continue;
            if (current == 0 || current >= 1000 || scale >= lastScale)
                return std::nullopt;
            total += current * scale;
            current = 0;
            lastScale = scale;
            found = true;
        }
        if (!found)
            return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    return total + current;
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
            const std::u16string_view written = std::u16string_view(input).substr(pos, used);
            std::uint64_t value = 0;
            std::size_t digits = 0;
            bool plain = written.front() >= u'1' && written.front() <= u'9' &&
                         (pos == 0 || !(input[pos - 1] >= u'0' && input[pos - 1] <= u'9'));
            for (const char16_t c : written) {
                if (c >= u'0' && c <= u'9') {
                    value = value * 10 + static_cast<unsigned>(c - u'0');
                    ++digits;
                } else {
                    plain = plain && c == u',';
                }
            }
            if (plain && digits <= 18) {
                const std::optional<std::uint64_t> said = valueOfWords(words);
                require(!said || *said == value, "number words say another value", input);
            }
        }
    }
    return 0;
}
