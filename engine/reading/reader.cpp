// The reading stage's walk through a sentence: plain lower-case words go
// straight out, and everything else goes to the reader of its kind of
// written form (reader.h lists them).

#include "engine/reading/reader.h"

#include "engine/reading/numeric.h"

#include <algorithm>
#include <array>

namespace orvanta {

namespace reading {

Reading::Reading(std::u16string_view sentence, const ReadingContext &context)
    : sentence(sentence), context(context) {
    for (const char16_t c : sentence) {
        if (isAsciiLower(c)) {
            mixedCase = true;
            break;
        }
    }
}

void Reading::emitPause(char16_t mark) {
    if (mark == u',')
        afterNameComma = previousName || previousPlace;
    if (pauseSinceWord == 0)
        pauseSinceWord = mark;
    if (context.pauseMarks && !out.empty() && out.back() != u' ' && !isPauseMark(out.back()))
        out += mark;
}

void Reading::writePiece() {
    // What follows the last space is only ever appended to, and what the
    // readers ask of the result (its last character) is kept with it. A
    // run of spaces stays whole: the end strips the trailing ones.
    const std::size_t space = out.rfind(u' ');
    if (!hasWord || space == std::u16string::npos || space == 0 || out[space - 1] == u' ')
        return;
    (*writer)(std::u16string_view(out).substr(0, space));
    out.erase(0, space);
}

void Reading::emitWritten(std::u16string_view word) {
    if (out.size() >= writePieceSize)
        writePiece();
    if (!out.empty() && out.back() != u' ')
        out += u' ';
    // The reading of one long number (thousands of digits) is handed on in
    // pieces too.
    while (word.size() > writePieceSize) {
        const std::size_t space = word.rfind(u' ', writePieceSize);
        if (space == std::u16string_view::npos || space == 0)
            break;
        out += word.substr(0, space);
        hasWord = true;
        writePiece();
        word.remove_prefix(space);
    }
    out += word;
    hasWord = true;
    pauseSinceWord = 0;
}

void Reading::setPrevious(bool name, bool heading, bool singleLetter) {
    previousName = name;
    previousHeading = heading;
    previousLetter = singleLetter;
    previousHeadingCapital = false;
    previousLetterHeading = false;
    previousPlace = false;
    previousStreet = false;
    afterNameComma = false;
    ++tokens;
}

bool Reading::knownWithApostrophe(std::u16string_view text) const {
    std::u16string lower;
    lower.reserve(text.size());
    for (const char16_t c : text)
        lower += isApostrophe(c) ? u'\'' : lowerAscii(c);
    return context.knownWord(lower);
}

bool Reading::atChunkStart(std::size_t i) const {
    if (i == 0)
        return true;
    const char16_t c = sentence[i - 1];
    return isSpace(c) || c == u'(' || c == u'[' || c == u'"' || c == 0x201C || c == 0x93;
}

// The first character of the next word after `i`, past spaces, quotes
// and opening brackets; 0 at the end.
char16_t Reading::nextStart(std::size_t i) const {
    for (; i < sentence.size(); ++i) {
        const char16_t c = narrowed(sentence[i]);
        if (isSpace(c) || c == u'"' || c == u'(' || c == u'[' || c == 0x201C || c == 0x2018 ||
            c == 0x93)
            continue;
        return c;
    }
    return 0;
}

// Whether anything but punctuation follows `i`.
bool Reading::wordsFollow(std::size_t i) const {
    for (; i < sentence.size(); ++i) {
        const char16_t c = sentence[i];
        if (isDigit(c) || isWordLetter(c))
            return true;
    }
    return false;
}

namespace {

// Most words are lower-case letters followed by a space or a pause
// mark: the end of such a word at `i`, or 0 when the word needs a
// closer look (a full stop or hyphen after it, no vowel, a possible
// abbreviation or address).
std::size_t plainWordEnd(const Reading &r, std::size_t i) {
    enum : unsigned char { Lower = 1, Vowel = 2, Ends = 4 };
    static constexpr std::array<unsigned char, 128> classes = [] {
        std::array<unsigned char, 128> table{};
        for (char c = 'a'; c <= 'z'; ++c)
            table[static_cast<unsigned char>(c)] = Lower;
        for (const char c : std::string_view("aeiouy"))
            table[static_cast<unsigned char>(c)] |= Vowel;
        for (const char c : std::string_view(" ,;!?)\"\n"))
            table[static_cast<unsigned char>(c)] = Ends;
        return table;
    }();
    const std::size_t n = r.sentence.size();
    std::size_t j = i;
    unsigned char seen = 0;
    while (j < n && r.sentence[j] < 128 && (classes[r.sentence[j]] & Lower) != 0)
        seen |= classes[r.sentence[j++]];
    if (j - i < 2 || ((seen & Vowel) == 0 && j - i <= 4))
        return 0;
    if (j < n && (r.sentence[j] >= 128 || (classes[r.sentence[j]] & Ends) == 0))
        return 0;
    if (i > 0 && !isSpace(r.sentence[i - 1]) && r.sentence[i - 1] != u'(' &&
        r.sentence[i - 1] != u'"')
        return 0;
    return j;
}

std::size_t readPlainWord(Reading &r, std::size_t i, std::size_t end) {
    const std::u16string_view text = r.sentence.substr(i, end - i);
    // "aug 3 2019", "july 4": a month in lower case before a number.
    if (end + 1 < r.sentence.size() && r.sentence[end] == u' ' && isDigit(r.sentence[end + 1]) &&
        monthNumber(text) != 0)
        return readWordAt(r, i);
    const std::uint64_t packed = packedKey(text);
    if (packed != 0 && mayBeBareAbbreviation(packed)) {
        Token token;
        token.text = text;
        readToken(r, token, end);
        return end;
    }
    r.emit(text);
    r.setPrevious(false,
                  packed != 0
                      ? isNumberedHeading(packed)
                      : text == u"corollary" || text == u"proposition" || text == u"paragraph",
                  false);
    r.previousLetterHeading = packed == key("letter");
    return end;
}

// "Nature 's", "Clement VII.'s": a possessive ending that the text
// sets apart from its word belongs to the word read before it.
bool attachPossessive(Reading &r, std::size_t i) {
    if (i + 1 >= r.sentence.size() || (r.sentence[i + 1] != u's' && r.sentence[i + 1] != u'S'))
        return false;
    if (i + 2 < r.sentence.size() && isWordLetter(narrowed(r.sentence[i + 2])))
        return false;
    if (i == 0 || (!isSpace(r.sentence[i - 1]) && r.sentence[i - 1] != u'.'))
        return false;
    // Only a full stop may stand between them ("VII.'s"), whether or not
    // the output shows its marks.
    if (r.pauseSinceWord != 0 && r.pauseSinceWord != u'.')
        return false;
    // Nor may a sign that reads as nothing ("zero 's $ 's"): the ending
    // would stack on the word before it.
    std::size_t before = i;
    while (before > 0 && isSpace(r.sentence[before - 1]))
        --before;
    if (before > 0 && r.sentence[before - 1] == u'.')
        --before;
    if (before == 0 || !(r.isLetterAt(before - 1) || isDigit(r.sentence[before - 1])))
        return false;
    if (!r.out.empty() && r.out.back() == u'.')
        r.out.pop_back();
    if (r.out.empty() || !(isAsciiLetter(r.out.back()) || r.out.back() >= 0x80))
        return false;
    r.out += u"'s";
    r.pauseSinceWord = 0;
    return true;
}

bool startsNumber(const Reading &r, std::size_t i) {
    const char16_t c = r.sentence[i];
    if (isDigit(c) || isVulgarFraction(c))
        return true;
    const char16_t next = i + 1 < r.sentence.size() ? r.sentence[i + 1] : u' ';
    const char16_t after = i + 2 < r.sentence.size() ? r.sentence[i + 2] : u' ';
    if (isCurrencySign(c))
        return isDigit(next) || (next == u' ' && isDigit(after)) || next == u'.';
    if (c == u'-' || c == u'+' || c == 0x2212 || c == u'.')
        return isDigit(next) && r.atChunkStart(i);
    if (isApostrophe(c))
        return isDigit(next) && isDigit(after);
    return false;
}

std::size_t readNumberAt(Reading &r, std::size_t i) {
    std::u16string words;
    const std::size_t used = readNumericAt(r.sentence, i, r.context.variant, words);
    if (used > 0) {
        r.emit(words);
        r.setPrevious(false, false, false);
        return i + std::min(used, r.sentence.size() - i);
    }
    if (!isDigit(r.sentence[i]))
        return readSignAt(r, i);
    // Digits the number reader leaves alone are said one by one.
    for (; i < r.sentence.size() && isDigit(r.sentence[i]); ++i)
        r.emit(digitNames[r.sentence[i] - u'0']);
    r.setPrevious(false, false, false);
    return i;
}

} // namespace

} // namespace reading

namespace {

std::u16string readInto(reading::Reading &r) {
    using namespace reading;
    const std::size_t n = r.sentence.size();
    std::size_t i = 0;
    while (i < n) {
        if (r.writer != nullptr && r.out.size() >= Reading::writePieceSize)
            r.writePiece();
        if (isAsciiLower(r.sentence[i])) {
            if (const std::size_t end = plainWordEnd(r, i); end != 0) {
                i = readPlainWord(r, i, end);
                continue;
            }
        }
        const char16_t c = narrowed(r.sentence[i]);
        if (isApostrophe(c) && attachPossessive(r, i)) {
            i += 2;
            continue;
        }
        if (isAsciiLetter(c) || (c >= 0xC0 && isWordLetter(c)) ||
            (isApostrophe(c) && i + 1 < n && isAsciiLetter(r.sentence[i + 1]) &&
             r.atChunkStart(i) && !isDigit(i + 2 < n ? r.sentence[i + 2] : u' '))) {
            i = readWordAt(r, i);
        } else if (c == u' ') {
            ++i;
        } else if (startsNumber(r, i)) {
            i = readNumberAt(r, i);
        } else {
            i = readSignAt(r, i);
        }
    }
    while (!r.out.empty() && r.out.back() == u' ')
        r.out.pop_back();
    if (!r.hasWord)
        r.out.clear();
    return std::move(r.out);
}

} // namespace

std::u16string readText(std::u16string_view sentence, const ReadingContext &context) {
    reading::Reading r(sentence, context);
    r.out.reserve(sentence.size() + sentence.size() / 4 + 8);
    return readInto(r);
}

void readText(std::u16string_view sentence, const ReadingContext &context,
              const ReadingWriter &write) {
    reading::Reading r(sentence, context);
    r.writer = &write;
    r.out.reserve(2 * reading::Reading::writePieceSize);
    const std::u16string rest = readInto(r);
    if (!rest.empty())
        write(rest);
}

std::vector<std::u16string_view> readingTableWords(Variant variant) {
    std::vector<std::u16string_view> words(reading::digitNames.begin(), reading::digitNames.end());
    reading::addTitleWords(words);
    reading::addScriptWords(words);
    reading::addPostalWords(words);
    numbers::addNumberWords(words);
    numbers::addUnitWords(words, variant == Variant::British);
    numbers::addMoneyWords(words);
    numbers::addMonthWords(words);
    return words;
}

} // namespace orvanta
