#include "engine/text.h"
#include "engine/transcription_engine.h"

#include <string_view>

namespace orvanta {

namespace {

bool isUntranscribed(const std::u16string &piece) {
    return !piece.empty() && piece[0] == u'(';
}

// A leading stress mark is skipped: "'xpl" begins with a vowel.
char16_t firstSound(const std::u16string &piece) {
    const std::size_t at = !piece.empty() && (piece[0] == u'\'' || piece[0] == u'"') ? 1 : 0;
    // NUL belongs to no sound class.
    return at < piece.size() ? piece[at] : u'\0';
}

bool endsWith(const std::u16string &text, std::u16string_view suffix) {
    return text.size() >= suffix.size() &&
           std::u16string_view(text).substr(text.size() - suffix.size()) == suffix;
}

} // namespace

std::u16string TranscriptionEngine::adjustPhrase(std::vector<std::u16string> words,
                                                 std::u16string code) const {
    std::vector<std::u16string> pieces;
    splitOnChar(pieces, code, u' ');

    // Very short transcriptions are left exactly as they are.
    if (code.size() > 4) {
        // Each rule looks at the next piece, so the last one never changes.
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
            std::u16string &piece = pieces[i];
            if (isUntranscribed(piece))
                continue;
            const SoundClass next = classifySound(firstSound(pieces[i + 1]));

            // Weak forms of "the" and "to" before a consonant.
            if (piece == u"DJ" || piece == u"tu") {
                if (next == SoundClass::Voiced || next == SoundClass::Voiceless)
                    piece[1] = u'q';
                continue;
            }

            // Linking r before a vowel. Pieces and words may differ in
            // number when a transcription holds a space; a piece without a
            // word of its own has no written r.
            const bool writtenR = i < words.size() && endsWith(words[i], u"r");
            const bool linking = writtenR || piece == u"fq" || piece == u"L" ||
                                 endsWith(piece, u"eq") || endsWith(piece, u"Iq") ||
                                 endsWith(piece, u"uq");
            if (linking && next == SoundClass::Vowel)
                piece = replaceAll(piece + u"r", u"rr", u"r");
        }
    }

    std::u16string result;
    result.reserve(code.size() * 2);
    for (const std::u16string &piece : pieces) {
        result += isUntranscribed(piece) ? piece : renderIpa(piece);
        result += u' ';
    }
    result.pop_back();
    return result;
}

} // namespace orvanta
