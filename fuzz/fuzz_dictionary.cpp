// Dictionary loading from arbitrary bytes, checked entry by entry against a
// plain reference reading of the file format; loading the same bytes again,
// after something else was loaded, must give the same dictionary.
#include "engine/lexicon/dictionary.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

using orvanta::fuzz::require;

namespace {

std::u16string widen(std::string_view bytes) {
    std::u16string out;
    for (const char b : bytes)
        out += static_cast<char16_t>(static_cast<signed char>(b));
    return out;
}

std::map<std::u16string, std::u16string> referenceLoad(std::string_view bytes) {
    std::map<std::u16string, std::u16string> entries;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = bytes.find('\n', start);
        std::string_view line = bytes.substr(start, lf == std::string_view::npos ? lf : lf - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view fields[4];
        std::size_t count = 0, from = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', from);
            if (count < 4)
                fields[count] = line.substr(from, tab == std::string_view::npos ? tab : tab - from);
            ++count;
            if (tab == std::string_view::npos)
                break;
            from = tab + 1;
        }
        if (count == 3)
            entries[orvanta::fuzz::lowerAscii(widen(fields[1]))] = widen(fields[2]);
        if (lf == std::string_view::npos)
            break;
        start = lf + 1;
    }
    return entries;
}

void checkLoaded(const orvanta::PronunciationDictionary &dictionary,
                 const std::map<std::u16string, std::u16string> &expected) {
    std::size_t nonEmpty = 0;
    for (const auto &[key, value] : expected) {
        nonEmpty += value.empty() ? 0 : 1;
        require(dictionary.transcriptionOf(key) == value, "transcription differs", key);
        require(dictionary.hasTranscription(key) == !value.empty(), "presence differs", key);
        // Keys match whole: a longer or shorter word is a different key.
        const std::u16string longer = key + u'x';
        if (!expected.count(longer))
            require(dictionary.transcriptionOf(longer).empty(), "prefix matched", longer);
        if (!key.empty() && !expected.count(key.substr(1)))
            require(!dictionary.hasTranscription(key.substr(1)), "suffix matched", key);
    }
    require(dictionary.size() == nonEmpty, "size differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto expected = referenceLoad(bytes);

    checkLoaded(orvanta::PronunciationDictionary::fromBytes(bytes), expected);

    // The process-wide dictionary is reloaded in place, reusing its memory:
    // a different load in between must leave no trace.
    orvanta::loadDictionaryFromBytes(bytes);
    checkLoaded(orvanta::processDictionary(), expected);
    orvanta::loadDictionaryFromBytes("x\tstale\tstale\n");
    orvanta::loadDictionaryFromBytes(bytes);
    checkLoaded(orvanta::processDictionary(), expected);
    if (!expected.count(u"stale"))
        require(!orvanta::dictionaryHas(u"stale"), "earlier load leaked through");
    return 0;
}
