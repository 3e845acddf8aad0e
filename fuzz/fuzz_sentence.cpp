// transcribeSentence on arbitrary UTF-16 with a small fixed dictionary.
// Checked: the result is bracketed; it has one piece per normalised word (no
// word vanishes); a piece is either the word's fallback form or IPA made
// only of symbols that rendering produces, built from a dictionary entry
// that the word starts with; normalisation agrees with a reference; two
// calls agree. Rendering and word transcription also get the raw input.
// The first byte's bit 1 turns weak forms on and bit 2 reads as an American
// speaker; with weak forms, only the function words' pieces may differ from
// the plain transcription, the other words' at most by a linking r.
#include "engine/lexicon/dictionary.h"
#include "engine/speech/phrase.h"
#include "engine/transcription_engine.h"
#include "oracle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orvanta::fuzz;

namespace {

// Enough to reach every rule: weak forms, linking r, each ending with each
// stem repair, an empty transcription (absent word) and a one-letter stem.
constexpr std::string_view dictionaryText = "1\tthe\tDJ\n"
                                            "1\tto\ttu\n"
                                            "1\tfar\tfR\n"
                                            "1\tfour\tfL\n"
                                            "1\tfor\tfq\n"
                                            "1\tfear\tfIq\n"
                                            "1\tair\teq\n"
                                            "1\ttour\ttuq\n"
                                            "1\tstop\tstPp\n"
                                            "1\twant\twPnt\n"
                                            "1\ttry\ttraI\n"
                                            "1\tmake\tmeIk\n"
                                            "1\tmak\tmxk\n"
                                            "1\trun\trAn\n"
                                            "1\tcare\tkeq\n"
                                            "1\tclear\tklIr\n"
                                            "1\tbig\tbIg\n"
                                            "1\thappy\t'hxpi\n"
                                            "1\tnice\tnaIs\n"
                                            "1\treal\trIql\n"
                                            "1\tjohn\tdZPn\n"
                                            "1\tboss\tbPs\n"
                                            "1\tstudy\t'stAdi\n"
                                            "1\tmeeting\t'mJtIN\n"
                                            "1\tdo\tdu\n"
                                            "1\tapple\t'xpl\n"
                                            "1\tbox\tbPks\n"
                                            "1\tsee\tsJ\n"
                                            "1\tt\tti:\n"
                                            "1\ta\tq\n"
                                            "1\ti\taI\n"
                                            "1\tit\tIt\n"
                                            "1\tchurch\tCE:C\n"
                                            "1\tjudge\tGAG\n"
                                            "1\tthink\tTINk\n"
                                            "1\tgone\t\n"
                                            // Function words with a weak form.
                                            "1\tand\txnd\n"
                                            "1\tcan\tkxn\n"
                                            "1\thave\thxv\n"
                                            "1\thas\thxz\n"
                                            "1\ther\thE:\n"
                                            "1\thim\thIm\n"
                                            "1\this\thIz\n"
                                            "1\tthat\tDxt\n"
                                            "1\tthere\tDeq\n"
                                            "1\tsome\tsAm\n"
                                            "1\tus\tAs\n"
                                            "1\tof\tPv\n"
                                            "1\tyou\tju:\n"
                                            "1\tare\tR\n"
                                            "1\twas\twPz\n";

// The words that have a weak form, as the engine's table lists them.
bool hasWeakForm(std::u16string_view lowerWord) {
    static constexpr std::u16string_view words[] = {
        u"a",     u"an",  u"and",  u"as",    u"at",    u"but",  u"can",    u"could", u"do",
        u"does",  u"for", u"from", u"had",   u"has",   u"have", u"he",     u"her",   u"him",
        u"his",   u"me",  u"must", u"of",    u"shall", u"she",  u"should", u"some",  u"than",
        u"that",  u"the", u"them", u"there", u"to",    u"us",   u"was",    u"we",    u"were",
        u"would", u"you", u"your", u"am",    u"are",   u"be",   u"been"};
    for (const std::u16string_view word : words)
        if (word == lowerWord)
            return true;
    return false;
}

bool isFallback(std::u16string_view piece) {
    return !piece.empty() && piece.front() == u'(';
}

// Every non-fallback piece must come from an entry: the word starts with
// the key less its last letter (stem repairs only touch the last letter).
bool startsFromEntry(const std::u16string &lowerWord) {
    static const std::vector<std::u16string> keys = [] {
        std::vector<std::u16string> result;
        std::size_t start = 0;
        while (start < dictionaryText.size()) {
            const std::size_t tab1 = dictionaryText.find('\t', start);
            const std::size_t tab2 = dictionaryText.find('\t', tab1 + 1);
            const std::size_t lf = dictionaryText.find('\n', tab2);
            if (lf > tab2 + 1)
                result.emplace_back(dictionaryText.begin() + static_cast<long>(tab1) + 1,
                                    dictionaryText.begin() + static_cast<long>(tab2));
            start = lf + 1;
        }
        return result;
    }();
    for (const std::u16string &key : keys) {
        const std::size_t stem = key.size() > 1 ? key.size() - 1 : key.size();
        if (std::u16string_view(lowerWord).substr(0, stem) ==
            std::u16string_view(key).substr(0, stem))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const orvanta::PronunciationDictionary dictionary =
        orvanta::PronunciationDictionary::fromBytes(dictionaryText);
    // Plain and with weak forms, British and American.
    static const orvanta::TranscriptionEngine engines[2][2] = {
        {orvanta::TranscriptionEngine(dictionary, {orvanta::Variant::British, false}),
         orvanta::TranscriptionEngine(dictionary, {orvanta::Variant::British, true})},
        {orvanta::TranscriptionEngine(dictionary, {orvanta::Variant::American, false}),
         orvanta::TranscriptionEngine(dictionary, {orvanta::Variant::American, true})}};
    const bool weakForms = size > 0 && (data[0] & 2);
    const bool american = size > 0 && (data[0] & 4);
    const orvanta::TranscriptionEngine &engine = engines[american][weakForms];
    const std::u16string input = toUtf16(data, size);

    const std::u16string normalized = orvanta::rules::normalizeSentence(input);
    require(normalized == referenceNormalize(input), "normalisation differs", input);

    const std::u16string result = engine.transcribeSentence(input);
    require(result.size() >= 2 && result.front() == u'[' && result.back() == u']', "not bracketed",
            result);
    require(result == engine.transcribeSentence(input), "two calls differ", input);

    const std::vector<std::u16string> words = splitSpaces(normalized);
    const std::vector<std::u16string> pieces =
        splitSpaces(std::u16string_view(result).substr(1, result.size() - 2));
    require(pieces.size() == words.size(), "a word vanished or split", result);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::u16string &piece = pieces[i];
        const std::u16string lower = lowerAscii(words[i]);
        if (isFallback(piece)) {
            require(piece == u"(" + words[i] + u")" || piece == u"(" + lower + u")",
                    "fallback is not the word", piece);
            continue;
        }
        require(!piece.empty(), "empty piece", result);
        for (const char16_t c : piece)
            require(isIpaSymbol(c) && c != u'(' && c != u')' && c != u'[' && c != u']',
                    "symbol rendering cannot produce", piece);
        // Apostrophes around a word are quotation marks, not spelling.
        const std::size_t first = lower.find_first_not_of(u'\'');
        const std::u16string unquoted =
            first == std::u16string::npos
                ? lower
                : lower.substr(first, lower.find_last_not_of(u'\'') + 1 - first);
        require(startsFromEntry(lower) || startsFromEntry(unquoted),
                "transcription without a dictionary stem", words[i]);
    }

    if (weakForms) {
        const std::u16string plain = engines[american][false].transcribeSentence(input);
        const std::vector<std::u16string> plainPieces =
            splitSpaces(std::u16string_view(plain).substr(1, plain.size() - 2));
        require(plainPieces.size() == pieces.size(), "weak forms change the words", result);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::u16string lower = lowerAscii(words[i]);
            // The plain reading shortens "the" and "to" by their code, so a
            // quoted one as well.
            const std::u16string code = engine.transcribeWord(words[i]);
            if (hasWeakForm(lower) || code == u"DJ" || code == u"tu")
                continue;
            const std::u16string &a = pieces[i];
            const std::u16string &b = plainPieces[i];
            require(a == b || a == b + u"r" || b == a + u"r",
                    "weak forms change a word without one", words[i]);
        }
    }

    // Raw input, not normalised: must not fail whatever it holds.
    const std::u16string ipa = engine.renderIpa(input);
    require(ipa.size() <= 2 * input.size(), "rendering too long", input);
    for (const char16_t c : ipa)
        require(isIpaSymbol(c), "rendering produced a stray symbol", ipa);
    const std::u16string word = engine.transcribeWord(input);
    require(!word.empty(), "empty word transcription", input);
    const std::u16string wordCode = input.empty() ? u"x" : input;
    (void)orvanta::rules::adjustPhrase(splitSpaces(input), wordCode);
    return 0;
}
