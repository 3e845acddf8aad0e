// transliterateToCyrillic on arbitrary UTF-16, compared with a reference
// table conversion; outside parenthesised words the result never keeps a
// "тш" pair, and it never grows by more than two code units per input code
// unit.
#include "engine/output/cyrillic.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>

using orvanta::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::u16string input;
    if (size > 0 && (data[0] & 2)) {
        // Mostly IPA symbols and the Cyrillic pair itself, so that runs of
        // "tʃ", "тш" and "ттшш" are common.
        static const std::u16string_view alphabet = u"tʃтшʧʤθðæŋɡː ˈ[]()'abcxyz-.ɪəɔ";
        for (std::size_t i = 1; i < size; ++i)
            input += alphabet[data[i] % alphabet.size()];
    } else {
        input = orvanta::fuzz::toUtf16(data, size);
    }

    const std::u16string result = orvanta::transliterateToCyrillic(input);
    require(result == orvanta::fuzz::referenceCyrillic(input), "differs from reference", input);
    // Words in parentheses are copied as written, pairs and all.
    if (input.find(u'(') == std::u16string::npos)
        require(result.find(u"тш") == std::u16string::npos, "pair left unmerged", result);
    require(result.size() <= 2 * input.size(), "result too long", input);
    return 0;
}
