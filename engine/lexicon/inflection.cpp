#include "engine/lexicon/word_rules.h"

#include <array>
#include <string_view>

namespace orvanta::rules {

namespace {

// ":" is the length mark, so a transcription ending in a long vowel still
// ends in a vowel. Q, W, F and V have no IPA symbol but are vowels here.
constexpr std::u16string_view vowelSounds = u":qeuioaxQWERIOPAFHJLV";
constexpr std::u16string_view voicedSounds = u"wrdgjlzvbnmDGZN";
constexpr std::u16string_view voicelessSounds = u"tspfhkTSC";
// Overlaps the voiced and voiceless sets: these take the syllabic -es.
constexpr std::u16string_view sibilantSounds = u"GCzsSZ";

bool contains(std::u16string_view set, char16_t c) {
    return set.find(c) != std::u16string_view::npos;
}

// The sets by code, asked about every word's first and last sound.
constexpr std::array<SoundClass, 128> soundClasses = [] {
    std::array<SoundClass, 128> table{};
    table.fill(SoundClass::Other);
    for (const char16_t c : voicelessSounds)
        table[c] = SoundClass::Voiceless;
    for (const char16_t c : voicedSounds)
        table[c] = SoundClass::Voiced;
    for (const char16_t c : vowelSounds)
        table[c] = SoundClass::Vowel;
    return table;
}();

} // namespace

SoundClass classifySound(char16_t sound) {
    return sound < soundClasses.size() ? soundClasses[sound] : SoundClass::Other;
}

std::u16string edEnding(char16_t lastSound) {
    // Only the plosives t and d; T and D are the fricatives θ and ð.
    if (lastSound == u't' || lastSound == u'd')
        return u"Id";
    switch (classifySound(lastSound)) {
    case SoundClass::Voiced:
    case SoundClass::Vowel:
        return u"d";
    case SoundClass::Voiceless:
        return u"t";
    case SoundClass::Other:
        break;
    }
    return {};
}

std::u16string sEnding(char16_t lastSound) {
    if (contains(sibilantSounds, lastSound))
        return u"Iz";
    switch (classifySound(lastSound)) {
    case SoundClass::Voiced:
    case SoundClass::Vowel:
        return u"z";
    case SoundClass::Voiceless:
        return u"s";
    case SoundClass::Other:
        break;
    }
    return {};
}

std::u16string inflectionEnding(char16_t lastSound, std::u16string suffix) {
    if (suffix.empty())
        return {};
    // Only the suffix's last letter matters: "ed" and "d" share a rule.
    switch (suffix.back()) {
    case u'd':
        return edEnding(lastSound);
    case u's':
        return sEnding(lastSound);
    case u'g':
        return u"IN";
    case u'y':
        return u"li";
    case u't':
        return u"Ist";
    case u'r':
        return u"q";
    default:
        return {};
    }
}

std::size_t syllableCount(std::u16string_view code) {
    std::size_t count = 0;
    bool inVowel = false;
    for (const char16_t c : code) {
        const bool vowel = c != u':' && classifySound(c) == SoundClass::Vowel;
        if (vowel && !inVowel)
            ++count;
        inVowel = vowel || (inVowel && c == u':');
    }
    return count;
}

bool saidAsAWord(std::u16string_view spelling, std::u16string_view code) {
    const std::size_t count = syllableCount(code);
    return count > 0 && count <= spelling.size() / 2 + 1 && (spelling.size() > 2 || count == 1) &&
           code.find(u' ') == std::u16string_view::npos;
}

} // namespace orvanta::rules
