// The reading stage (readText) and the sentence-end decision on arbitrary
// UTF-16. Checked: no crash or hang; the output grows at most linearly with
// the input; it is made of single-spaced words and pause marks only; every
// white-space separated piece of the input that holds a letter or digit is
// read as at least one word on its own; letters of other scripts reach the
// output unchanged; two calls agree; the transcription of a sentence is "[]"
// exactly when nothing was read, with weak forms too, which changes no
// word's place. Read again with the shipped dictionaries (data/ of the
// source tree, or $ORVANTA_DATA_DIR): every word holds a letter or digit, and
// every word the reading makes up (one the input does not hold) is one the
// variant's dictionary can transcribe. The first byte's bit 7 reads as a
// British speaker, bit 6 turns weak forms on.
#include "engine/lexicon/dictionary.h"
#include "engine/reading/reading.h"
#include "engine/reading/reading_text.h"
#include "engine/text/sentence_boundary.h"
#include "engine/transcription_engine.h"
#include "oracle.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace orvanta::fuzz;

namespace {

constexpr std::string_view dictionaryText = "1\tthe\tDJ\n"
                                            "1\tchapter\t'CxptE\n"
                                            "1\tnato\t'neItqU\n"
                                            "1\tcafe\tkx'feI\n"
                                            "1\tdrawing\t'drO:IN\n"
                                            "1\troom\trHm\n"
                                            "1\texample\tIg'zRmpl\n"
                                            "1\tb\tbJ\n"
                                            // Function words with a weak form.
                                            "1\tand\txnd\n"
                                            "1\thave\thxv\n"
                                            "1\ther\thE:\n"
                                            "1\tthat\tDxt\n"
                                            "1\tthere\tDeq\n"
                                            "1\tto\ttu\n"
                                            "1\tof\tPv\n"
                                            "1\tyou\tju:\n";

const orvanta::PronunciationDictionary &dictionary() {
    static const orvanta::PronunciationDictionary loaded =
        orvanta::PronunciationDictionary::fromBytes(dictionaryText);
    return loaded;
}

bool known(const void *, std::u16string_view word) {
    return dictionary().hasTranscription(word);
}

// The shipped dictionary of a variant, loaded once.
const orvanta::TranscriptionEngine &shipped(orvanta::Variant variant) {
    static const auto load = [](const char *file) {
        const char *dir = std::getenv("ORVANTA_DATA_DIR");
        const std::string path =
            std::string(dir != nullptr ? dir : ORVANTA_SOURCE_DIR "/data") + "/" + file;
        orvanta::DictionaryLoad loaded = orvanta::PronunciationDictionary::load(path);
        if (!loaded.ok()) {
            std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), loaded.error.c_str());
            std::abort();
        }
        return std::move(loaded.dictionary);
    };
    static const orvanta::PronunciationDictionary british = load("velmor_eng_transcription.txt");
    static const orvanta::PronunciationDictionary american =
        load("american_transcription-abridged.txt");
    static const orvanta::TranscriptionEngine britishEngine(british, {orvanta::Variant::British});
    static const orvanta::TranscriptionEngine americanEngine(american,
                                                             {orvanta::Variant::American});
    return variant == orvanta::Variant::British ? britishEngine : americanEngine;
}

bool knownShipped(const void *engine, std::u16string_view word) {
    return static_cast<const orvanta::TranscriptionEngine *>(engine)->hasTranscription(
        std::u16string(word));
}

bool isAsciiAlnum(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Letters of other scripts that must come through as they are (Greek aside,
// whose single letters are read by name).
bool isKeptScript(char16_t c) {
    return ((c >= 0x400 && c < 0x1AB0) || (c >= 0x4E00 && c < 0xA000)) &&
           orvanta::reading::isLetter(c);
}

bool isSpace(char16_t c) {
    return orvanta::reading::isSpace(c);
}

std::u16string read(std::u16string_view text, orvanta::Variant variant) {
    orvanta::ReadingContext context;
    context.variant = variant;
    context.knownWord.test = known;
    return orvanta::readText(text, context);
}

void checkShape(std::u16string_view input, const std::u16string &output) {
    require(output.size() <= 16 * input.size() + 64, "output not linear in the input", input);
    require(output.empty() || (output.front() != u' ' && output.back() != u' '), "space at an end",
            output);
    for (std::size_t i = 0; i < output.size(); ++i) {
        const char16_t c = output[i];
        if (c == u' ') {
            require(output[i + 1] != u' ', "double space", output);
            continue;
        }
        const bool pause =
            c == u',' || c == u';' || c == u':' || c == u'.' || c == u'!' || c == u'?';
        require(pause || c == u'\'' || isAsciiAlnum(c) ||
                    (c >= 0x80 && orvanta::reading::isLetter(c)),
                "stray character in the output", output);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::u16string input = toUtf16(data, size);
    const orvanta::Variant variant =
        size > 0 && (data[0] & 0x80) != 0 ? orvanta::Variant::British : orvanta::Variant::American;

    const std::u16string output = read(input, variant);
    checkShape(input, output);
    require(output == read(input, variant), "two calls differ", input);

    // Without pause marks: the same words, nothing else.
    orvanta::ReadingContext bare;
    bare.variant = variant;
    bare.knownWord.test = known;
    bare.pauseMarks = false;
    const std::u16string words = orvanta::readText(input, bare);
    checkShape(input, words);
    require(words.find_first_of(u",;:.!?") == std::u16string::npos, "a pause mark without asking",
            words);

    for (const char16_t c : input) {
        if (isKeptScript(c))
            require(output.find(c) != std::u16string::npos, "a letter of another script vanished",
                    input);
    }

    // Each piece on its own: one with a letter or digit is read as a word.
    bool anyLetter = false;
    for (std::size_t start = 0; start < input.size();) {
        std::size_t end = start;
        while (end < input.size() && !isSpace(input[end]))
            ++end;
        const std::u16string_view piece = std::u16string_view(input).substr(start, end - start);
        const bool hasLetter = std::any_of(piece.begin(), piece.end(), [](char16_t c) {
            return isAsciiAlnum(c) || (c >= 0xC0 && c < 0x250 && c != 0xD7 && c != 0xF7) ||
                   isKeptScript(c);
        });
        if (hasLetter) {
            anyLetter = true;
            const std::u16string alone = read(piece, variant);
            require(alone.find_first_not_of(u" ,;:.!?") != std::u16string::npos,
                    "a piece with a letter or digit gave no word", piece);
        }
        start = end + 1;
    }
    require(!anyLetter || !output.empty(), "letters read as nothing", input);

    const bool weakForms = size > 0 && (data[0] & 0x40) != 0;
    const orvanta::TranscriptionEngine engine(dictionary(), {variant, weakForms});
    const std::u16string transcription = engine.transcribeReadSentence(input);
    require(transcription.size() >= 2 && transcription.front() == u'[' &&
                transcription.back() == u']',
            "not bracketed", transcription);
    require((transcription == u"[]") ==
                (output.find_first_not_of(u" ,;:.!?") == std::u16string::npos),
            "empty brackets do not mean an empty reading", input);
    if (weakForms) {
        // The engine notes the pauses and drops their marks here; the words
        // must be the very ones read without them.
        const std::u16string plain = orvanta::TranscriptionEngine(dictionary(), {variant, false})
                                         .transcribeReadSentence(input);
        require(std::count(transcription.begin(), transcription.end(), u' ') ==
                    std::count(plain.begin(), plain.end(), u' '),
                "weak forms change the words", input);
    }

    // With the shipped dictionaries: no word without a letter or digit, and
    // no made-up word the variant's dictionary lacks. A word is made up when
    // the input, lower-cased and with ASCII apostrophes, does not hold it;
    // letters with diacritics fold,
    // so inputs with them are left to the first check.
    {
        const orvanta::TranscriptionEngine &engine = shipped(variant);
        orvanta::ReadingContext context;
        context.variant = variant;
        context.knownWord.context = &engine;
        context.knownWord.test = knownShipped;
        context.pauseMarks = false;
        const std::u16string said = orvanta::readText(input, context);
        std::u16string lower;
        bool folds = false;
        for (const char16_t c : input) {
            lower += c >= u'A' && c <= u'Z'              ? static_cast<char16_t>(c + 32)
                     : orvanta::reading::isApostrophe(c) ? u'\''
                                                         : c;
            folds = folds || (c >= 0xC0 && orvanta::reading::isLetter(c));
        }
        for (std::size_t start = 0; start < said.size();) {
            const std::size_t end = std::min(said.find(u' ', start), said.size());
            std::u16string word = said.substr(start, end - start);
            start = end + 1;
            require(std::any_of(word.begin(), word.end(),
                                [](char16_t c) {
                                    return isAsciiAlnum(c) ||
                                           (c >= 0x80 && orvanta::reading::isLetter(c));
                                }),
                    "a word without a letter or digit", input);
            if (folds ||
                std::any_of(word.begin(), word.end(), [](char16_t c) { return c >= 0x80; }))
                continue;
            for (char16_t &c : word)
                c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
            if (word.ends_with(u"'s"))
                word.resize(word.size() - 2);
            while (!word.empty() && word.back() == u'\'')
                word.pop_back();
            if (word.empty() || lower.find(word) != std::u16string::npos)
                continue;
            require(engine.transcribeWord(word).front() != u'(',
                    "a made-up word the dictionary lacks", word);
        }
    }

    // The sentence-end decision at every full stop followed by a space.
    for (std::size_t i = 0; i + 1 < input.size(); ++i) {
        if (input[i] != u'.' || !isSpace(input[i + 1]))
            continue;
        const std::size_t from = i + 1 > 64 ? i + 1 - 64 : 0;
        std::size_t next = i + 1;
        while (next < input.size() && isSpace(input[next]))
            ++next;
        std::size_t stop = next;
        while (stop < input.size() && stop - next < 64 && !isSpace(input[stop]))
            ++stop;
        (void)orvanta::endsSentence(std::u16string_view(input).substr(from, i + 1 - from),
                                    std::u16string_view(input).substr(next, stop - next));
    }
    return 0;
}
