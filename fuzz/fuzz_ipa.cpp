// parseIpa on arbitrary UTF-16 and on rendered code: whatever it accepts
// renders back to text it reads the same way, and what it refuses is named
// exactly where it stands in the input.
#include "engine/output/ipa.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>

using orvanta::fuzz::require;

namespace {

std::u16string render(std::u16string_view code) {
    std::u16string ipa;
    for (const char16_t c : code)
        ipa += orvanta::ipaSymbolOf(c);
    return ipa;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::u16string input;
    if (size > 0 && (data[0] & 2)) {
        // Rendered phonetic code, whose every symbol must be read back.
        static const std::u16string_view code =
            u"pbtdkgfvTDszSZhCGmnNwlrjIexPAuqiJRLHEOoa:'\" [],;()-";
        std::u16string source;
        for (std::size_t i = 1; i < size; ++i)
            source += code[data[i] % code.size()];
        input = render(source);
        const orvanta::IpaParse parse = orvanta::parseIpa(input);
        require(parse.ok(), "rendered code refused", input);
        require(render(parse.code) == input, "rendered code read otherwise", input);
        return 0;
    }

    input = orvanta::fuzz::toUtf16(data, size);
    const orvanta::IpaParse parse = orvanta::parseIpa(input);
    if (parse.ok()) {
        for (const char16_t c : parse.code)
            require(!orvanta::ipaSymbolOf(c).empty(), "code without a symbol", parse.code);
        const orvanta::IpaParse again = orvanta::parseIpa(render(parse.code));
        require(again.ok() && again.code == parse.code, "not its own inverse", input);
    } else {
        require(parse.refusedAt < input.size(), "refused beyond the input", input);
        require(input.compare(parse.refusedAt, parse.refusedSymbol.size(), parse.refusedSymbol) ==
                    0,
                "refused symbol not where it was said to be", input);
        require(parse.code.empty(), "code kept after a refusal", input);
    }
    return 0;
}
