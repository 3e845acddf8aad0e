#include "engine/internal/rules.h"
#include "engine/text.h"

#include <string_view>

namespace orvanta::rules {

namespace {

bool isUntranscribed(std::u16string_view piece) {
    return !piece.empty() && piece[0] == u'(';
}

// A leading stress mark is skipped: "'xpl" begins with a vowel.
char16_t firstSound(std::u16string_view piece) {
    const std::size_t at = !piece.empty() && (piece[0] == u'\'' || piece[0] == u'"') ? 1 : 0;
    // NUL belongs to no sound class.
    return at < piece.size() ? piece[at] : u'\0';
}

// The end of the piece of `code` that starts at `start`: the next space.
std::size_t pieceEnd(std::u16string_view code, std::size_t start) {
    const std::size_t space = code.find(u' ', start);
    return space == std::u16string_view::npos ? code.size() : space;
}

// Walks the pieces of `code` (cut at each space, empty ones kept), applies
// the rules to each and appends its rendering to `out`. A rule changes only
// its own piece and reads the next one, which no rule has changed yet, so
// every piece can be rendered as soon as it is settled. `wordEndsInR(i)` is
// asked with increasing `i` only.
template <class WordEndsInR>
void adjustPieces(std::u16string_view code, WordEndsInR wordEndsInR, std::u16string &out) {
    // Very short transcriptions are left exactly as they are.
    const bool adjust = code.size() > 4;
    std::size_t start = 0;
    std::size_t end = pieceEnd(code, 0);
    for (std::size_t i = 0;; ++i) {
        const std::u16string_view piece = code.substr(start, end - start);
        if (end == code.size()) {
            // Each rule looks at the next piece, so the last one never changes.
            if (isUntranscribed(piece))
                out.append(piece);
            else
                appendIpa(piece, out);
            return;
        }
        const std::size_t nextStart = end + 1;
        const std::size_t nextEnd = pieceEnd(code, nextStart);
        if (isUntranscribed(piece)) {
            out.append(piece);
        } else if (!adjust) {
            appendIpa(piece, out);
        } else {
            const SoundClass next =
                classifySound(firstSound(code.substr(nextStart, nextEnd - nextStart)));
            if (piece == u"DJ" || piece == u"tu") {
                // Weak forms of "the" and "to" before a consonant.
                if (next == SoundClass::Voiced || next == SoundClass::Voiceless) {
                    const char16_t weak[] = {piece[0], u'q'};
                    appendIpa(std::u16string_view(weak, 2), out);
                } else {
                    appendIpa(piece, out);
                }
            } else {
                // Linking r before a vowel. Pieces and words may differ in
                // number when a transcription holds a space; a piece without
                // a word of its own has no written r.
                const bool linking = wordEndsInR(i) || piece == u"fq" || piece == u"L" ||
                                     piece.ends_with(u"eq") || piece.ends_with(u"Iq") ||
                                     piece.ends_with(u"uq");
                if (linking && next == SoundClass::Vowel)
                    appendIpa(replaceAll(std::u16string(piece) + u"r", u"rr", u"r"), out);
                else
                    appendIpa(piece, out);
            }
        }
        out += u' ';
        start = nextStart;
        end = nextEnd;
    }
}

} // namespace

std::u16string adjustPhrase(std::vector<std::u16string> words, std::u16string code) {
    std::u16string result;
    result.reserve(code.size() * 2);
    adjustPieces(
        code, [&words](std::size_t i) { return i < words.size() && words[i].ends_with(u"r"); },
        result);
    return result;
}

void appendAdjustedPhrase(std::u16string_view sentence, std::u16string_view code,
                          std::u16string &out) {
    // The words are visited in order, so a cursor over the sentence finds
    // word i without cutting the sentence up first.
    std::size_t wordIndex = 0, wordStart = 0;
    auto wordEndsInR = [&](std::size_t i) {
        while (wordIndex < i && wordStart <= sentence.size()) {
            wordStart = pieceEnd(sentence, wordStart) + 1;
            ++wordIndex;
        }
        if (wordStart > sentence.size())
            return false; // fewer words than pieces
        const std::size_t wordEnd = pieceEnd(sentence, wordStart);
        return wordEnd > wordStart && sentence[wordEnd - 1] == u'r';
    };
    adjustPieces(code, wordEndsInR, out);
}

} // namespace orvanta::rules
