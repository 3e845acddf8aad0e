#include "engine/speech/phrase.h"
#include "engine/lexicon/word_rules.h"
#include "engine/output/rendering.h"
#include "engine/speech/connected_speech.h"

#include <string_view>

namespace orvanta::rules {

std::u16string adjustPhrase(std::vector<std::u16string> words, std::u16string code) {
    // The words travel as one sentence, as transcribeSentence passes them.
    std::u16string sentence;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i != 0)
            sentence += u' ';
        sentence += words[i];
    }
    std::u16string result;
    result.reserve(code.size() * 2);
    appendAdjustedPhrase(sentence, code, result);
    return result;
}

void appendAdjustedPhrase(std::u16string_view sentence, std::u16string_view code,
                          std::u16string &out) {
    appendConnectedSpeech(PhraseSettings{}, sentence, code, {}, out);
}

} // namespace orvanta::rules
