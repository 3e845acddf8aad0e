#include "engine/speech/connected_speech.h"

#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/word_rules.h"
#include "engine/output/rendering.h"
#include "engine/speech/word_classes.h"
#include "engine/text/text.h"
#include "engine/transcription_engine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace orvanta {

namespace {

using View = std::u16string_view;
using namespace words;

bool isUntranscribed(View piece) {
    return !piece.empty() && piece[0] == u'(';
}

// A leading guess mark and stress mark are skipped: "*'xpl" begins with a
// vowel.
char16_t firstSound(View piece) {
    std::size_t at = !piece.empty() && piece[0] == guessMark ? 1 : 0;
    if (at < piece.size() && (piece[at] == u'\'' || piece[at] == u'"'))
        ++at;
    // NUL belongs to no sound class.
    return at < piece.size() ? piece[at] : u'\0';
}

std::size_t pieceEnd(View text, std::size_t start) {
    const std::size_t space = findUnit(text, u' ', start);
    return space == View::npos ? text.size() : space;
}

// ---- Weak forms -----------------------------------------------------------

enum class WeakUse : unsigned char {
    Always,        // weak wherever no pause follows
    Article,       // "the": ði before a vowel
    To,            // "to": tʊ before a vowel, tuː when stressed
    And,           // ənd before a vowel
    Do,            // auxiliary only; dʊ before a vowel
    Have,          // auxiliary only
    Can,           // not the noun
    ObjectPronoun, // stays weak at the end of a sentence
    His,           // not at the start of a sentence
    That,          // conjunction and relative only
    Some,          // not before a number or "of"
    There,         // existential only
    Us,            // an object pronoun, but not the country
};

struct WeakForm {
    View word;
    View british;
    View american; // empty: as British
    View withoutH; // the form after a word, when the weak form begins with h
    View americanWithoutH;
    WeakUse use = WeakUse::Always;
};

// Function words in phonetic code (q is ə, I is ɪ, i is i, u is ʊ).
constexpr WeakForm weakForms[] = {
    {u"a", u"q", {}, {}, {}, WeakUse::Always},
    {u"an", u"qn", {}, {}, {}, WeakUse::Always},
    {u"and", u"qn", {}, {}, {}, WeakUse::And},
    {u"as", u"qz", {}, {}, {}, WeakUse::Always},
    {u"at", u"qt", {}, {}, {}, WeakUse::Always},
    {u"but", u"bqt", {}, {}, {}, WeakUse::Always},
    {u"can", u"kqn", {}, {}, {}, WeakUse::Can},
    {u"could", u"kqd", {}, {}, {}, WeakUse::Always},
    {u"do", u"dq", {}, {}, {}, WeakUse::Do},
    {u"does", u"dqz", {}, {}, {}, WeakUse::Do},
    {u"for", u"fq", u"fqr", {}, {}, WeakUse::Always},
    {u"from", u"frqm", {}, {}, {}, WeakUse::Always},
    {u"had", u"hqd", {}, u"qd", {}, WeakUse::Have},
    {u"has", u"hqz", {}, u"qz", {}, WeakUse::Have},
    {u"have", u"hqv", {}, u"qv", {}, WeakUse::Have},
    {u"he", u"hi", {}, u"i", {}, WeakUse::Always},
    {u"her", u"hq", u"hqr", u"q", u"qr", WeakUse::ObjectPronoun},
    {u"him", u"hIm", {}, u"Im", {}, WeakUse::ObjectPronoun},
    {u"his", u"hIz", {}, u"Iz", {}, WeakUse::His},
    {u"me", u"mi", {}, {}, {}, WeakUse::ObjectPronoun},
    {u"must", u"mqst", {}, {}, {}, WeakUse::Always},
    {u"of", u"qv", {}, {}, {}, WeakUse::Always},
    {u"shall", u"Sql", {}, {}, {}, WeakUse::Always},
    {u"she", u"Si", {}, {}, {}, WeakUse::Always},
    {u"should", u"Sqd", {}, {}, {}, WeakUse::Always},
    {u"some", u"sqm", {}, {}, {}, WeakUse::Some},
    {u"than", u"Dqn", {}, {}, {}, WeakUse::Always},
    {u"that", u"Dqt", {}, {}, {}, WeakUse::That},
    {u"the", u"Dq", {}, {}, {}, WeakUse::Article},
    {u"them", u"Dqm", {}, {}, {}, WeakUse::ObjectPronoun},
    {u"there", u"Dq", u"Dqr", {}, {}, WeakUse::There},
    {u"to", u"tq", {}, {}, {}, WeakUse::To},
    {u"us", u"qs", {}, {}, {}, WeakUse::Us},
    {u"was", u"wqz", {}, {}, {}, WeakUse::Always},
    {u"we", u"wi", {}, {}, {}, WeakUse::Always},
    {u"were", u"wq", u"wqr", {}, {}, WeakUse::Always},
    {u"would", u"wqd", {}, {}, {}, WeakUse::Always},
    {u"you", u"ju", {}, {}, {}, WeakUse::ObjectPronoun},
    {u"your", u"jq", u"jqr", {}, {}, WeakUse::Always},
    {u"am", u"qm", {}, {}, {}, WeakUse::Always},
    {u"are", u"q", u"qr", {}, {}, WeakUse::Always},
    {u"be", u"bi", {}, {}, {}, WeakUse::Always},
    {u"been", u"bIn", {}, {}, {}, WeakUse::Always},
};

constexpr std::size_t longestWeakWord = 6;

// The function words by initial, as indexes into weakForms (at most
// seven share one; the rest of a row is unused): most words of a text are
// turned away by one lookup.
constexpr std::size_t weakFormsPerInitial = 8;
struct WeakFormIndex {
    std::array<std::array<std::uint8_t, weakFormsPerInitial>, 26> forms{};
    std::array<std::uint8_t, 26> count{};
};
constexpr WeakFormIndex weakFormIndex = [] {
    WeakFormIndex index;
    for (std::size_t i = 0; i < std::size(weakForms); ++i) {
        const auto initial = static_cast<std::size_t>(weakForms[i].word[0] - u'a');
        index.forms[initial][index.count[initial]++] = static_cast<std::uint8_t>(i);
    }
    return index;
}();

const WeakForm *weakFormOf(View word) {
    if (word.empty() || word.size() > longestWeakWord)
        return nullptr;
    const char16_t initial = lowerAscii(word[0]);
    if (initial < u'a' || initial > u'z')
        return nullptr;
    const auto letter = static_cast<std::size_t>(initial - u'a');
    for (std::size_t k = 0; k < weakFormIndex.count[letter]; ++k) {
        const WeakForm &form = weakForms[weakFormIndex.forms[letter][k]];
        if (equalsFolded(word, form.word))
            return &form;
    }
    return nullptr;
}

// ---- The sentence ---------------------------------------------------------

enum class Onset : unsigned char { Vowel, Consonant, Unknown };

// A sentence without a break may have millions of words, so a slot is kept
// small: 32 bytes rather than the 56 of three views.
class Slot {
public:
    Slot(View word, View piece)
        : word_(word.data()), said_(piece.data()),
          wordSize_(static_cast<std::uint32_t>(word.size())),
          saidSize_(static_cast<std::uint32_t>(piece.size())),
          theOrTo_(piece == u"DJ" || piece == u"tu") {}

    // As normalisation left it; empty past the last word.
    View word() const { return {word_, wordSize_}; }
    // After the choice of reading and form; at first as word transcription
    // gave it.
    View said() const { return {said_, saidSize_}; }
    void say(View said) {
        said_ = said.data();
        saidSize_ = static_cast<std::uint32_t>(said.size());
    }
    // Whether word transcription gave the plain "the" or "to".
    bool theOrTo() const { return theOrTo_; }

    bool pauseAfter = false;

private:
    const char16_t *word_;
    const char16_t *said_;
    std::uint32_t wordSize_;
    std::uint32_t saidSize_;
    bool theOrTo_;
};

// How the next word begins. An untranscribed word tells by its first
// letter: the spelling is all there is to go on.
Onset onsetOf(View said) {
    if (isUntranscribed(said)) {
        const char16_t c = said.size() > 1 ? lowerAscii(said[1]) : u'\0';
        if (c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u' || c == u'8')
            return Onset::Vowel;
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            return Onset::Consonant;
        return Onset::Unknown;
    }
    switch (rules::classifySound(firstSound(said))) {
    case rules::SoundClass::Vowel:
        return Onset::Vowel;
    case rules::SoundClass::Voiced:
    case rules::SoundClass::Voiceless:
        return Onset::Consonant;
    case rules::SoundClass::Other:
        break;
    }
    return Onset::Unknown;
}

class Phrase {
public:
    Phrase(const PhraseSettings &settings, std::vector<Slot> &slots,
           const PhraseWindow *window = nullptr)
        : settings_(settings), slots_(slots), window_(window) {}

    void readHomographs();
    void chooseForms(bool adjust);
    void render(bool adjust, std::size_t from, std::size_t to, std::u16string &out) const;

private:
    bool pauseBefore(std::size_t i) const { return i == 0 || slots_[i - 1].pauseAfter; }
    bool pauseAfter(std::size_t i) const { return i + 1 == slots_.size() || slots_[i].pauseAfter; }
    // The neighbouring words, or nothing across a pause.
    View previous(std::size_t i) const { return pauseBefore(i) ? View() : slots_[i - 1].word(); }
    View next(std::size_t i) const { return pauseAfter(i) ? View() : slots_[i + 1].word(); }
    Onset nextOnset(std::size_t i) const {
        return i + 1 < slots_.size() ? onsetOf(slots_[i + 1].said()) : Onset::Unknown;
    }
    // Whether slot `i` is the sentence's `index`th word.
    bool isWord(std::size_t i, std::size_t index) const {
        return (window_ != nullptr ? window_->base : 0) + i == index;
    }
    bool sentenceInPast() const {
        if (window_ != nullptr)
            return window_->pastTime != nullptr && (*window_->pastTime)();
        return sentenceHas(isPastTimeWord);
    }
    bool sentenceHas(bool (*test)(View)) const {
        return std::any_of(slots_.begin(), slots_.end(),
                           [test](const Slot &slot) { return test(slot.word()); });
    }

    std::optional<WordRole> roleOf(std::size_t i, const HomographTable::Entry &entry) const;
    bool opensShortQuestion(std::size_t i) const;
    bool keepsStrongForm(std::size_t i, const WeakForm &form) const;
    View weakForm(std::size_t i, const WeakForm &form) const;
    bool linksWithR(std::size_t i) const;

    const PhraseSettings &settings_;
    std::vector<Slot> &slots_;
    const PhraseWindow *window_;
};

std::optional<WordRole> Phrase::roleOf(std::size_t i, const HomographTable::Entry &entry) const {
    const auto has = [&entry](WordRole role) { return !entry.reading(role).empty(); };
    const auto first = [&has](std::initializer_list<WordRole> roles) -> std::optional<WordRole> {
        for (const WordRole role : roles)
            if (has(role))
                return role;
        return std::nullopt;
    };
    const View before = previous(i);
    const View after = next(i);

    if (equalsFolded(after, u"to") && has(WordRole::BeforeTo))
        return WordRole::BeforeTo;
    // "lead pipes", "with lead paint", but "to lead people", "roads lead
    // home"; before a person or a part it leads, the noun ("lead singer").
    if (has(WordRole::BeforeNoun) && canBeNoun(after) && !isNameInside(after, false)) {
        if (looksLikePluralSubject(before))
            return first({WordRole::Verb});
        if (!(takesPlainVerb(before) || isSubjectPronoun(before) || equalsFolded(before, u"who") ||
              isNameInside(before, isWord(i, 1))))
            return namesPersonOrPart(after) ? first({WordRole::Noun}) : WordRole::BeforeNoun;
    }
    if (!before.empty()) {
        if (isHaveForm(before))
            return first({WordRole::Past});
        if (isBeForm(before))
            return first({WordRole::Adjective, WordRole::Past});
        if (isDegreeWord(before))
            return first({WordRole::Adjective});
        if (takesPlainVerb(before))
            return first({WordRole::Verb});
        if (isDeterminer(before) || isPreposition(before) || isCountWord(before) ||
            endsWithFolded(before, u"'s") || endsWithFolded(before, u"s'"))
            return first({WordRole::Noun, WordRole::Adjective});
        // A word in -s after a name or "who" is the name's verb: "Smith
        // records", "who lives"; a capitalised one is part of a name itself.
        const View word = slots_[i].word();
        if (!word.empty() && lowerAscii(word.back()) == u's' && !isNameInside(word, false) &&
            (equalsFolded(before, u"who") || isNameInside(before, isWord(i, 1))))
            return first({WordRole::Verb});
        if (isAnyOfFolded(before, {u"he", u"she", u"it"}))
            return first({WordRole::Past, WordRole::Verb});
        if (isSubjectPronoun(before)) {
            // "I read" is either tense; only the time of the sentence tells,
            // and without one the present is the likelier ("I read a lot"),
            // whatever the dictionary's entry.
            if (has(WordRole::Past) && sentenceInPast())
                return WordRole::Past;
            return first({WordRole::Verb});
        }
    }
    if (equalsFolded(after, u"to"))
        return first({WordRole::Adjective});
    if (!after.empty() && opensObject(after))
        return first({WordRole::Verb});
    return std::nullopt;
}

void Phrase::readHomographs() {
    const HomographTable *table = settings_.homographs;
    if (table == nullptr || table->empty())
        return;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot &slot = slots_[i];
        if (isUntranscribed(slot.said()))
            continue;
        const HomographTable::Entry *entry = table->find(slot.word());
        if (entry == nullptr || (settings_.userDictionary != nullptr &&
                                 settings_.userDictionary->hasTranscription(entry->word)))
            continue;
        if (const std::optional<WordRole> role = roleOf(i, *entry))
            slot.say(entry->reading(*role));
    }
}

// "the US" is the country.
bool isCapitalUs(View word) {
    return word.size() == 2 && word[0] == u'U' && word[1] == u'S';
}

// "Can you?", "Do they?", "..., has she?": an auxiliary with only its
// subject after it stands for the whole verb and carries the stress, and
// the pronoun after it is said in full.
bool Phrase::opensShortQuestion(std::size_t i) const {
    return i + 1 < slots_.size() && pauseBefore(i) && !pauseAfter(i) && pauseAfter(i + 1) &&
           isAuxiliary(slots_[i].word()) && isPronounSubject(slots_[i + 1].word());
}

bool Phrase::keepsStrongForm(std::size_t i, const WeakForm &form) const {
    const View word = slots_[i].word();
    const View before = previous(i);
    const View after = next(i);
    if (opensShortQuestion(i))
        return true;
    if (pauseAfter(i)) {
        // Unstressed object pronouns end sentences weak ("I told him"); said
        // on their own they are stressed.
        const bool objectPronoun =
            form.use == WeakUse::ObjectPronoun || (form.use == WeakUse::Us && !isCapitalUs(word));
        return !objectPronoun || pauseBefore(i) || (i > 0 && opensShortQuestion(i - 1));
    }
    switch (form.use) {
    case WeakUse::Always:
    case WeakUse::Article:
    case WeakUse::To:
    case WeakUse::And:
    case WeakUse::ObjectPronoun:
        return false;
    case WeakUse::Do:
        // "Do you...?", "What does it...": the auxiliary before its subject.
        return !((before.empty() || isWhWord(before)) &&
                 (isSubjectPronoun(after) || isDeterminer(after)));
    case WeakUse::Have:
        // The perfect's auxiliary, not "have a car" or "have to".
        if (isModal(before) && !equalsFolded(before, u"to"))
            return false;
        if (before.empty() || isWhWord(before))
            return !(isSubjectPronoun(after) || isDeterminer(after) || looksLikeParticiple(after));
        return !looksLikeParticiple(after);
    case WeakUse::Can:
        return isDeterminer(before);
    case WeakUse::His:
        return isWord(i, 0);
    case WeakUse::That: {
        // A conjunction or relative introduces a clause; a demonstrative
        // points at a thing ("that book", "that is").
        const bool opensClause =
            isSubjectPronoun(after) || isDeterminer(after) || equalsFolded(after, u"there") ||
            (!after.empty() && after[0] >= u'A' && after[0] <= u'Z' && !equalsFolded(after, u"i"));
        const bool afterConjunction = isAnyOfFolded(before, {u"so", u"such", u"now", u"given"});
        const bool relative = !before.empty() && !isPreposition(before) && !isDeterminer(before) &&
                              (isModal(after) || isBeForm(after) || isHaveForm(after));
        return !(opensClause || afterConjunction || relative);
    }
    case WeakUse::Some:
        return isNumber(after) || equalsFolded(after, u"of");
    case WeakUse::There:
        return !(isBeForm(after) || isModal(after) || isHaveForm(after) ||
                 isAnyOfFolded(after, {u"seems", u"seem", u"seemed", u"appears", u"appear",
                                       u"appeared", u"used"}) ||
                 (isBeForm(before) && !after.empty()));
    case WeakUse::Us:
        return isCapitalUs(word);
    }
    return false;
}

View Phrase::weakForm(std::size_t i, const WeakForm &form) const {
    const bool vowelNext = nextOnset(i) == Onset::Vowel;
    switch (form.use) {
    case WeakUse::Article:
        return vowelNext ? View(u"Di") : form.british;
    case WeakUse::To:
        return vowelNext ? View(u"tu") : form.british;
    case WeakUse::And:
        return vowelNext ? View(u"qnd") : form.british;
    case WeakUse::Do:
        if (vowelNext && form.word == u"do")
            return u"du";
        break;
    default:
        break;
    }
    // h stays where the word starts a stretch of speech.
    const bool dropH = !form.withoutH.empty() && !pauseBefore(i);
    if (settings_.american) {
        if (dropH)
            return form.americanWithoutH.empty() ? form.withoutH : form.americanWithoutH;
        return form.american.empty() ? form.british : form.american;
    }
    return dropH ? form.withoutH : form.british;
}

void Phrase::chooseForms(bool adjust) {
    const std::size_t last = slots_.size() - 1;
    // From right to left: a form depends on how the word after it begins,
    // as that word is said.
    for (std::size_t i = slots_.size(); i-- > 0;) {
        Slot &slot = slots_[i];
        if (isUntranscribed(slot.said()))
            continue;
        if (settings_.weakForms) {
            const WeakForm *form = weakFormOf(slot.word());
            if (form == nullptr)
                continue;
            if (!keepsStrongForm(i, *form))
                slot.say(weakForm(i, *form));
            else if (form->use == WeakUse::To)
                slot.say(u"tH");
            continue;
        }
        if (slot.said() != u"DJ" && slot.said() != u"tu")
            continue;
        if (i == last) {
            // A final "to" is stranded and stressed: "Where to?"
            if (slot.said() == u"tu")
                slot.say(u"tH");
        } else if (adjust && nextOnset(i) == Onset::Consonant) {
            slot.say(slot.said() == u"DJ" ? View(u"Dq") : View(u"tq"));
        }
    }
}

// Sounds a British non-rhotic r can follow at the end of a word.
bool endsInRVowel(View said) {
    if (said.empty())
        return false;
    const char16_t last = said.back();
    // eɪ, aɪ, ɔɪ, iː, uː, i, ʊ end in sounds that never had an r after them
    // (André, padre).
    return rules::classifySound(last) == rules::SoundClass::Vowel &&
           View(u"IiJHu").find(last) == View::npos;
}

bool Phrase::linksWithR(std::size_t i) const {
    const Slot &slot = slots_[i];
    const View word = slot.word();
    const View said = slot.said();
    const bool endsInR = !word.empty() && lowerAscii(word.back()) == u'r';
    if (settings_.american) {
        // General American says every written final r already and adds
        // none where the spelling has none.
        return endsInR && endsInRVowel(said);
    }
    const bool spelledWithR = endsInR || endsWithFolded(word, u"re");
    if (spelledWithR && endsInRVowel(said))
        return true;
    // The r of RP after ə, ɪə, eə, ʊə and ɔː, written or not ("idea of").
    return said == u"fq" || said == u"L" || said.ends_with(u"eq") || said.ends_with(u"Iq") ||
           said.ends_with(u"uq");
}

void Phrase::render(bool adjust, std::size_t from, std::size_t to, std::u16string &out) const {
    for (std::size_t i = from; i < to; ++i) {
        if (!isWord(i, 0))
            out += u' ';
        const Slot &slot = slots_[i];
        const View said = slot.said();
        if (isUntranscribed(said)) {
            out.append(said);
            continue;
        }
        // In running speech a pause breaks the link: "here, and" has no r.
        const bool link =
            adjust && i + 1 < slots_.size() && !(settings_.weakForms && slot.pauseAfter) &&
            !isUntranscribed(slots_[i + 1].said()) &&
            rules::classifySound(firstSound(slots_[i + 1].said())) == rules::SoundClass::Vowel &&
            !slot.theOrTo() && linksWithR(i);
        if (!said.empty() && said[0] == guessMark) {
            out += guessMark;
            rules::appendIpa(said.substr(1), out);
        } else {
            rules::appendIpa(said, out);
        }
        if (link && (said.empty() || said.back() != u'r'))
            out += u'r';
    }
}

} // namespace

bool marksPause(char16_t c) {
    switch (c) {
    case u',':
    case u';':
    case u':':
    case u'.':
    case u'!':
    case u'?':
    case u'(':
    case u')':
    case u'[':
    case u']':
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2026': // ellipsis
        return true;
    default:
        return false;
    }
}

void appendConnectedSpeech(const PhraseSettings &settings, std::u16string_view sentence,
                           std::u16string_view code, const PauseMarks &pauses,
                           std::u16string &out) {
    appendConnectedSpeech(settings, sentence, code, pauses, PhraseWindow{}, out);
}

void appendConnectedSpeech(const PhraseSettings &settings, std::u16string_view sentence,
                           std::u16string_view code, const PauseMarks &pauses,
                           const PhraseWindow &window, std::u16string &out) {
    // Kept from sentence to sentence, so that it soon holds a sentence's
    // words without growing: counting them first cost a pass over the code.
    thread_local std::vector<Slot> slots;
    slots.clear();
    std::size_t wordStart = 0;
    bool wordsLeft = true;
    for (std::size_t start = 0;;) {
        const std::size_t end = pieceEnd(code, start);
        View word;
        bool pauseAfter = false;
        if (wordsLeft) {
            const std::size_t wordEnd = pieceEnd(sentence, wordStart);
            word = sentence.substr(wordStart, wordEnd - wordStart);
            const std::size_t index = slots.size();
            pauseAfter = index < pauses.size() && pauses[index];
            wordsLeft = wordEnd < sentence.size();
            wordStart = wordEnd + 1;
        }
        slots.emplace_back(word, code.substr(start, end - start)).pauseAfter = pauseAfter;
        if (end == code.size())
            break;
        start = end + 1;
    }
    // Very short transcriptions keep "the", "to" and final sounds as they
    // are.
    const bool whole = window.to == 0;
    // A window past the sentence's start follows words enough to be long.
    const bool adjust = code.size() > 4 || window.base > 0;
    Phrase phrase(settings, slots, whole ? nullptr : &window);
    phrase.readHomographs();
    phrase.chooseForms(adjust);
    phrase.render(adjust, whole ? 0 : window.from, whole ? slots.size() : window.to, out);
    // The slots are kept for the next sentence, but not a long one's.
    if (slots.capacity() > 4096)
        std::vector<Slot>().swap(slots);
}

} // namespace orvanta
