#include "engine/lexicon/word_formation.h"

#include "engine/lexicon/word_formation_tables.h"
#include "engine/lexicon/word_rules.h"

#include <algorithm>
#include <map>

namespace orvanta::rules {

namespace {

using namespace formation;

// A part within a part within the word ("un- companion -able" on an
// inflected word) and no deeper: each level multiplies the look-ups.
constexpr int maxDepth = 2;
// Shorter words are too easily split into unrelated pieces.
constexpr std::size_t shortestWord = 5;
constexpr std::size_t shortestPart = 3;

constexpr std::u16string_view vowelSounds = u"IexPAuqiJRLHEOoa";

bool isVowelSound(char16_t c) {
    return vowelSounds.find(c) != std::u16string_view::npos;
}

bool isStressMark(char16_t c) {
    return c == u'\'' || c == u'"';
}

bool isVowelLetter(char16_t c) {
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u' || c == u'y';
}

char16_t firstSound(std::u16string_view code) {
    for (const char16_t c : code) {
        if (!isStressMark(c))
            return c;
    }
    return u'\0';
}

// The dictionaries write no mark on a word of one syllable; a part that
// becomes a syllable of a longer word needs one.
std::u16string withPrimary(std::u16string code) {
    if (code.find(u'\'') == std::u16string::npos)
        code.insert(code.begin(), u'\'');
    return code;
}

// A later element of a compound keeps its stress, as a secondary one.
std::u16string demoted(std::u16string code) {
    std::replace(code.begin(), code.end(), u'\'', u'"');
    if (code.find(u'"') == std::u16string::npos)
        code.insert(code.begin(), u'"');
    return code;
}

// A stressed syllable that begins with a vowel takes the consonant before
// it as its onset: 'memq + "aIz is 'memq"raIz.
void appendStressed(std::u16string &code, std::u16string_view stressed) {
    const bool movesOnset = stressed.size() >= 2 && isStressMark(stressed[0]) &&
                            isVowelSound(stressed[1]) && code.size() >= 2 &&
                            !isVowelSound(code.back()) && !isStressMark(code.back()) &&
                            code.back() != u':' && isVowelSound(code[code.size() - 2]);
    if (!movesOnset) {
        code += stressed;
        return;
    }
    code.insert(code.size() - 1, 1, stressed[0]);
    code += stressed.substr(1);
}

// How the later element of a compound may begin: with a consonant that can
// open an English syllable. Word ends that the dictionaries list on their
// own ("-ings", "-ency") begin with a vowel or a cluster no word begins with.
bool beginsLikeAWord(std::u16string_view word) {
    static constexpr std::u16string_view clusters[] = {
        u"bl", u"br", u"ch", u"cl", u"cr", u"dr", u"dw", u"fl", u"fr", u"gl",
        u"gr", u"kn", u"ph", u"pl", u"pr", u"qu", u"sc", u"sh", u"sk", u"sl",
        u"sm", u"sn", u"sp", u"st", u"sw", u"th", u"tr", u"tw", u"wh", u"wr"};
    if (word.size() < 2 || isVowelLetter(word[0]))
        return false;
    if (isVowelLetter(word[1]))
        return true;
    return std::find(std::begin(clusters), std::end(clusters), word.substr(0, 2)) !=
           std::end(clusters);
}

// A first element ending in s before a consonant that s can lead is more
// often the second's start ("eye stripe", not "eyes tripe"); an e before r
// is more often the vowel of -er- ("cover", not "cove r-").
bool plausibleSeam(std::u16string_view word, std::size_t at) {
    static constexpr std::u16string_view afterS = u"tpckmnlwhq";
    const char16_t last = word[at - 1];
    const char16_t next = word[at];
    if (last == u's' && word[at - 2] != u's' && afterS.find(next) != std::u16string_view::npos)
        return false;
    return !(last == u'e' && next == u'r');
}

bool isShortWord(std::u16string_view word) {
    return std::find(std::begin(shortWords), std::end(shortWords), word) != std::end(shortWords);
}

bool endsSpelledWithR(std::u16string_view spelling) {
    return spelling.ends_with(u'r') || spelling.ends_with(u"re");
}

// How a stem's spelling was restored, which tells how its sounds change.
enum class Restored {
    AsWritten,
    DroppedE, // "lov-able", and "epitom-ize" loses the e's sound too
    DroppedY, // "harmon-ize": the y and its sound go
    YToI,     // "happi-ness": the happY vowel stays, shortened in British
    LeToLy,   // "gent-ly": the syllabic l of "gentle" merges into -ly
};

struct Stem {
    std::u16string spelling;
    Restored restored;
};

class Former {
public:
    Former(Variant variant, const KnownWords &known)
        : british_(variant == Variant::British), known_(known) {}

    Formation form(std::u16string_view word, int depth) {
        const std::u16string key(word);
        if (const auto found = memo_.find(key); found != memo_.end())
            return found->second;
        Formation result;
        // Parts the dictionaries hold first; parts themselves formed only
        // when nothing simpler explains the word.
        for (const bool formedParts : {false, true}) {
            if (formedParts && depth >= maxDepth)
                break;
            if (bySuffix(word, depth, formedParts, result) ||
                byPrefix(word, depth, formedParts, result) ||
                (!formedParts && depth == 0 && byCompound(word, depth, result)) ||
                (formedParts && byInflection(word, depth, result)))
                break;
        }
        memo_.emplace(key, result);
        return result;
    }

private:
    // A known word of a reasonable length, or one formed itself.
    bool part(std::u16string_view word, int depth, bool formed, bool inflected, Formation &out,
              bool noun = false) {
        if (word.size() < shortestPart || (word.size() == shortestPart && !isShortWord(word)))
            return false;
        if (!formed) {
            out.code.clear();
            if (!known_.find(known_.context, word, inflected, noun, out.code) ||
                !saidAsAWord(word, out.code))
                return false;
            out.parts = word;
            return true;
        }
        if (word.size() < shortestWord)
            return false;
        out = form(word, depth + 1);
        return !out.code.empty();
    }

    bool bySuffix(std::u16string_view word, int depth, bool formed, Formation &out);
    bool byPrefix(std::u16string_view word, int depth, bool formed, Formation &out);
    bool byCompound(std::u16string_view word, int depth, Formation &out);
    bool byInflection(std::u16string_view word, int depth, Formation &out);
    std::u16string joinSuffix(const Suffix &suffix, const Stem &stem, std::u16string code) const;

    bool british_;
    const KnownWords &known_;
    std::map<std::u16string, Formation> memo_;
};

std::u16string Former::joinSuffix(const Suffix &suffix, const Stem &stem,
                                  std::u16string code) const {
    switch (stem.restored) {
    case Restored::AsWritten:
        // "-edly" and "-edness" say the ending as a syllable of its own
        // ("markedly"), whatever the participle does alone.
        if ((suffix.spelling == u"ly" || suffix.spelling == u"ness") &&
            stem.spelling.ends_with(u"ed") && code.size() >= 2 &&
            (code.back() == u't' || code.back() == u'd') && !isVowelSound(code[code.size() - 2]) &&
            code[code.size() - 2] != u':') {
            code.back() = u'I';
            code += u'd';
        }
        break;
    case Restored::DroppedE:
    case Restored::DroppedY:
        if (code.ends_with(u'i'))
            code.pop_back();
        // An unstressed -ate weakens once a suffix follows: "climat-ize".
        else if (stem.spelling.ends_with(u"ate") && suffix.spelling.starts_with(u"iz") &&
                 code.ends_with(u"eIt") && syllableCount(code) > 1 &&
                 code.find(u'\'') < code.size() - 3) {
            code.replace(code.size() - 3, 3, u"qt");
            if (const std::size_t mark = code.rfind(u'"');
                mark != std::u16string::npos && mark > code.find(u'\''))
                code.erase(mark, 1);
        }
        // A syllabic l spelled -le loses its vowel before a vowel: "bibl-ist".
        else if (stem.spelling.ends_with(u"le") && code.size() >= 3 && code.ends_with(u"ql") &&
                 !isVowelSound(code[code.size() - 3]) && isVowelSound(firstSound(suffix.british)))
            code.erase(code.size() - 2, 1);
        break;
    case Restored::YToI:
        if (code.ends_with(u'i')) {
            // British shortens it before every suffix, American before
            // all but -ness.
            if (british_ || suffix.spelling != u"ness")
                code.back() = u'I';
        }
        break;
    case Restored::LeToLy:
        if (code.ends_with(u"ql"))
            code.resize(code.size() - 2);
        else if (code.ends_with(u'l'))
            code.pop_back();
        break;
    }
    const std::u16string_view sounds = british_ ? suffix.british : suffix.american;
    // A c that said k before a back vowel says s before i or e: "critic",
    // "critic-ize".
    if (stem.spelling.ends_with(u'c') && code.ends_with(u'k') &&
        (suffix.spelling[0] == u'i' || suffix.spelling[0] == u'e'))
        code.back() = u's';
    // Non-rhotic British says the written r before a vowel: "clear-ish".
    if (british_ && isVowelSound(firstSound(sounds)) && endsSpelledWithR(stem.spelling) &&
        !code.ends_with(u'r'))
        code += u'r';
    switch (suffix.stress) {
    case SuffixStress::None:
        return withPrimary(std::move(code)) + std::u16string(sounds);
    case SuffixStress::Secondary:
        code = withPrimary(std::move(code));
        appendStressed(code, u"\"" + std::u16string(sounds));
        return code;
    case SuffixStress::Shift: {
        code = demoted(std::move(code));
        const std::size_t mark = sounds.find(u'\'');
        const std::u16string_view before = sounds.substr(0, mark);
        code += before;
        appendStressed(code, sounds.substr(before.size()));
        return code;
    }
    }
    return code;
}

bool Former::bySuffix(std::u16string_view word, int depth, bool formed, Formation &out) {
    for (const Suffix &suffix : suffixes) {
        // "-y" ends too many words of other make ("-graphy", "-ocracy").
        if ((formed && suffix.spelling == u"y") || !word.ends_with(suffix.spelling) ||
            word.size() < suffix.spelling.size() + shortestPart)
            continue;
        const std::u16string base(word.substr(0, word.size() - suffix.spelling.size()));
        // A y after a vowel letter writes a diphthong ("-oy", "-ay").
        const bool adjectiveY = suffix.spelling == u"y";
        if (!base.ends_with(suffix.stemEnds) || (adjectiveY && isVowelLetter(base.back())))
            continue;
        Stem stems[5];
        std::size_t count = 0;
        const std::size_t n = base.size();
        // The single vowel letter of a syllable before a single consonant
        // would have had it doubled ("tapp-ist"), so "tap-ist" is "tape"
        // less its e.
        const bool eFirst = isVowelLetter(suffix.spelling[0]) && n >= 3 &&
                            !isVowelLetter(base[n - 1]) && base[n - 1] != u'w' &&
                            base[n - 1] != u'x' && isVowelLetter(base[n - 2]) &&
                            std::count_if(base.begin(), base.end() - 2, isVowelLetter) == 0;
        if (eFirst)
            stems[count++] = {base + u"e", Restored::DroppedE};
        stems[count++] = {base, Restored::AsWritten};
        if (isVowelLetter(suffix.spelling[0])) {
            // "lov-able", "fatt-ish", "harmon-ize"
            if (!isVowelLetter(base.back()) && !eFirst)
                stems[count++] = {base + u"e", Restored::DroppedE};
            if (n >= 4 && base[n - 1] == base[n - 2] && !isVowelLetter(base.back()))
                stems[count++] = {base.substr(0, n - 1), Restored::AsWritten};
            if (!isVowelLetter(base.back()) && suffix.spelling != u"y")
                stems[count++] = {base + u"y", Restored::DroppedY};
        } else if (base.back() == u'i') {
            stems[count++] = {base.substr(0, base.size() - 1) + u"y", Restored::YToI};
        }
        if (suffix.spelling == u"ly" && !isVowelLetter(base.back()))
            stems[count++] = {base + u"le", Restored::LeToLy};

        for (std::size_t i = 0; i < count; ++i) {
            Formation stem;
            if (!part(stems[i].spelling, depth, formed, false, stem))
                continue;
            // "ston-y" and "smok-y", but a longer stem that lost its e
            // makes a noun stressed anew ("-phony", "-vory").
            if (adjectiveY && stems[i].restored == Restored::DroppedE &&
                syllableCount(stem.code) > 1)
                continue;
            out.code = joinSuffix(suffix, stems[i], std::move(stem.code));
            out.parts = stem.parts + u" -" + std::u16string(suffix.spelling);
            return true;
        }
    }
    return false;
}

bool Former::byPrefix(std::u16string_view word, int depth, bool formed, Formation &out) {
    for (const Prefix &prefix : prefixes) {
        if (!word.starts_with(prefix.spelling))
            continue;
        const std::u16string_view rest = word.substr(prefix.spelling.size());
        // A prefix of one or two letters is too easily a word's own start.
        const std::size_t shortestRest = prefix.spelling.size() <= 2 ? 4 : shortestPart;
        if (rest.size() < shortestRest ||
            (!prefix.stemStarts.empty() &&
             prefix.stemStarts.find(rest[0]) == std::u16string_view::npos))
            continue;
        if (prefix.stem != Prefix::Stem::Any) {
            const bool learned =
                std::any_of(std::begin(learnedEnds), std::end(learnedEnds),
                            [rest](std::u16string_view end) { return rest.ends_with(end); });
            if (learned != (prefix.stem == Prefix::Stem::Learned))
                continue;
        }
        Formation stem;
        if (!part(rest, depth, formed, true, stem))
            continue;
        std::u16string code(british_ ? prefix.british : prefix.american);
        if (british_ && prefix.spelling.ends_with(u'r') && isVowelSound(firstSound(stem.code)))
            code += u'r';
        code += withPrimary(std::move(stem.code));
        out.code = std::move(code);
        out.parts = std::u16string(prefix.spelling) + u"- " + stem.parts;
        return true;
    }
    return false;
}

bool Former::byCompound(std::u16string_view word, int depth, Formation &out) {
    // The split whose shorter part is longest: "pass code", not "passc ode".
    std::size_t bestShorter = 0;
    Formation best;
    for (std::size_t at = shortestPart; at + shortestPart <= word.size(); ++at) {
        const std::size_t shorter = std::min(at, word.size() - at);
        // Classical combining forms ("sino-", "hydro-") and a letter
        // split from its double are seldom a compound's seam.
        const char16_t last = word[at - 1];
        if (shorter <= bestShorter || last == word[at] || last == u'a' || last == u'i' ||
            last == u'o' || last == u'u' || !beginsLikeAWord(word.substr(at)) ||
            !plausibleSeam(word, at))
            continue;
        Formation first;
        Formation second;
        if (!part(word.substr(0, at), depth, false, false, first, true) ||
            !part(word.substr(at), depth, false, true, second, true))
            continue;
        std::u16string code = withPrimary(std::move(first.code));
        if (british_ && endsSpelledWithR(word.substr(0, at)) && !code.ends_with(u'r') &&
            isVowelSound(firstSound(second.code)))
            code += u'r';
        code += demoted(std::move(second.code));
        best.code = std::move(code);
        best.parts = first.parts + u" " + second.parts;
        bestShorter = shorter;
    }
    if (best.code.empty())
        return false;
    out = std::move(best);
    return true;
}

// An inflection ending on a formed word: "downlink-s", "uncompanionabl-y".
bool Former::byInflection(std::u16string_view word, int depth, Formation &out) {
    struct Ending {
        std::u16string_view spelling;
        std::u16string_view suffix; // as the inflection rules name it
    };
    static constexpr Ending endings[] = {
        {u"ing", u"ing"}, {u"ies", u"s"}, {u"ied", u"d"}, {u"es", u"s"},
        {u"ed", u"d"},    {u"s", u"s"},   {u"d", u"d"},
    };
    for (const Ending &ending : endings) {
        if (!word.ends_with(ending.spelling))
            continue;
        std::u16string base(word.substr(0, word.size() - ending.spelling.size()));
        if (ending.spelling.starts_with(u"ie"))
            base += u'y';
        const std::size_t n = base.size();
        const bool doubled = n >= 2 && base[n - 1] == base[n - 2] && !isVowelLetter(base.back());
        const std::u16string stems[] = {base, doubled ? base.substr(0, n - 1) : base + u"e"};
        for (const std::u16string &stem : stems) {
            Formation formed;
            if (!part(stem, depth, true, false, formed))
                continue;
            out.code = joinCode(stem, std::move(formed.code), std::u16string(ending.suffix),
                                british_ ? Variant::British : Variant::American);
            out.parts = formed.parts + u" -" + std::u16string(ending.spelling);
            return true;
        }
    }
    return false;
}

} // namespace

Formation formWord(std::u16string_view lowerWord, Variant variant, const KnownWords &known) {
    if (lowerWord.size() < shortestWord || known.find == nullptr)
        return {};
    Former former(variant, known);
    return former.form(lowerWord, 0);
}

} // namespace orvanta::rules
