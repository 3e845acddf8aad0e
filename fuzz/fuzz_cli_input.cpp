// The command line's input path: decoding of arbitrary bytes that arrive in
// arbitrary chunks, then the incremental sentence cut. Checked: the UTF-8
// decoder agrees with a reference decoder (one U+FFFD per maximal subpart, a
// leading byte-order mark dropped) however the bytes are chunked, reports an
// error exactly for ill-formed input and always gives valid UTF-16; the whole
// decoder gives the same text and encoding whole or chunked; the sentence cutter gives exactly the
// sentences of the whole text's cut, however the text is chunked.
#include "document/text_file.h"
#include "document/utf8_decoder.h"
#include "engine/text/sentence_cutter.h"
#include "oracle.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>

using orvanta::fuzz::require;

namespace {

std::u16string u16(const QString &text) {
    return text.toStdU16String();
}

// Unicode's table of well-formed byte sequences, read literally.
std::u16string referenceDecode(std::string_view bytes, bool &hadError) {
    std::u16string out;
    hadError = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += lead;
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        std::size_t taken = 1;
        char32_t code = lead & (0x7F >> length);
        while (length != 0 && taken < length && i + taken < bytes.size()) {
            const auto byte = static_cast<unsigned char>(bytes[i + taken]);
            const bool fits = taken == 1 ? byte >= low && byte <= high : (byte & 0xC0) == 0x80;
            if (!fits)
                break;
            code = (code << 6) | (byte & 0x3F);
            ++taken;
        }
        if (length == 0 || taken < length) {
            out += u'\uFFFD';
            hadError = true;
        } else if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += taken;
    }
    if (!out.empty() && out.front() == u'\uFEFF')
        out.erase(0, 1);
    return out;
}

// Chunk lengths from 0 to 16, drawn from a seed the input chooses.
std::vector<std::size_t> chunking(std::size_t total, std::uint8_t seed) {
    std::minstd_rand random(seed + 1u);
    std::vector<std::size_t> lengths;
    for (std::size_t used = 0; used < total;) {
        const std::size_t length = std::min<std::size_t>(random() % 17, total - used);
        lengths.push_back(length);
        used += length;
    }
    return lengths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t seed = data[0];
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);

    bool expectedError = false;
    const std::u16string expected = referenceDecode(bytes, expectedError);

    orvanta::Utf8Decoder whole;
    QString wholeText;
    whole.decode(bytes, true, wholeText);
    require(u16(wholeText) == expected, "decoding differs from reference", u16(wholeText));
    require(whole.hadError() == expectedError, "error flag differs");
    require(QStringView(wholeText).isValidUtf16(), "decoder produced invalid UTF-16");

    orvanta::Utf8Decoder chunked;
    QString chunkedText;
    std::size_t at = 0;
    for (const std::size_t length : chunking(bytes.size(), seed)) {
        chunked.decode(bytes.substr(at, length), false, chunkedText);
        at += length;
    }
    chunked.decode({}, true, chunkedText);
    require(chunkedText == wholeText, "chunked decoding differs", u16(chunkedText));
    require(chunked.hadError() == expectedError, "chunked error flag differs");

    // The whole decoder (encoding choice, UTF-16, line ends) gives the same
    // text and encoding however the bytes are chunked, and valid UTF-16.
    orvanta::TextDecoder textWhole;
    QString textWholeText;
    textWhole.decode(bytes, true, textWholeText);
    require(QStringView(textWholeText).isValidUtf16(), "text decoder produced invalid UTF-16");
    require(!textWholeText.contains(u'\r'), "text decoder left a carriage return");
    orvanta::TextDecoder textChunked;
    QString textChunkedText;
    at = 0;
    for (const std::size_t length : chunking(bytes.size(), seed ^ 0x33)) {
        textChunked.decode(bytes.substr(at, length), false, textChunkedText);
        at += length;
    }
    textChunked.decode({}, true, textChunkedText);
    require(textChunkedText == textWholeText, "chunked text decoding differs",
            u16(textChunkedText));
    require(textChunked.encoding() == textWhole.encoding(), "chunked encoding differs");

    // The cut, on the decoded text and on the raw input read as UTF-16
    // (which may hold lone surrogates).
    for (const std::u16string &text : {u16(wholeText), orvanta::fuzz::toUtf16(data, size)}) {
        const std::vector<std::u16string> expectedSentences = orvanta::cutSentences(text);
        orvanta::SentenceCutter cutter;
        std::vector<std::u16string> sentences;
        std::size_t from = 0;
        for (const std::size_t length : chunking(text.size(), seed ^ 0x5A)) {
            cutter.feed(std::u16string_view(text).substr(from, length), sentences);
            from += length;
        }
        cutter.finish(sentences);
        require(sentences == expectedSentences, "incremental cut differs", text);
    }
    return 0;
}
