#include "engine/dictionary.h"

#include "engine/transcription_engine.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace orvanta {

namespace {

PronunciationDictionary processDictionary;

// Slots hold a key offset in their low bits; a file would need to be larger
// than 2^40 bytes to exceed it.
constexpr std::uint64_t slotOffsetMask = (std::uint64_t{1} << 40) - 1;

constexpr std::uint64_t everyByte = 0x0101010101010101ULL;
constexpr std::uint64_t lowSevenBits = 0x7F7F7F7F7F7F7F7FULL;

// Marks with 0x80 the bytes of `word` that equal `byte`, and only those.
std::uint64_t bytesEqualTo(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (everyByte * byte);
    return ~(((x & lowSevenBits) + lowSevenBits) | x | lowSevenBits);
}

// Folds A-Z to a-z in eight bytes at once; bytes from 0x80 up are never
// capitals.
std::uint64_t foldCapitals(std::uint64_t word) {
    const std::uint64_t value = word & lowSevenBits;
    const std::uint64_t atLeastA = value + everyByte * (0x80 - 'A');
    const std::uint64_t aboveZ = value + everyByte * (0x80 - 'Z' - 1);
    const std::uint64_t capital = atLeastA & ~aboveZ & ~word & ~lowSevenBits;
    return word | (capital >> 2); // 0x80 >> 2 is the case bit 0x20
}

// Reads past the end of a key are safe: every buffer that holds keys has
// this many bytes to spare after its text.
constexpr std::size_t readSlack = 8;

// The mask that keeps the first `count` (1 to 8) bytes of a loaded word.
std::uint64_t firstBytes(std::size_t count) {
    if (count >= 8)
        return ~std::uint64_t{0};
    if constexpr (std::endian::native == std::endian::big)
        return ~(~std::uint64_t{0} >> (8 * count));
    return (std::uint64_t{1} << (8 * count)) - 1;
}

// Hashes a key eight bytes at a time; with `fold`, it folds the key in place
// first. Keys are short and hashed once per line on every load.
std::uint64_t hashKey(char *key, std::size_t length, bool fold) {
    constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = length * multiplier;
    for (std::size_t i = 0; i < length; i += 8) {
        const std::uint64_t keep = firstBytes(length - i);
        std::uint64_t word;
        std::memcpy(&word, key + i, sizeof word);
        if (fold) {
            // Bytes past the key are written back as they were.
            word = (foldCapitals(word) & keep) | (word & ~keep);
            std::memcpy(key + i, &word, sizeof word);
        }
        hash = (hash ^ (word & keep)) * multiplier;
        hash ^= hash >> 32;
    }
    hash *= 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 29);
}

struct SeparatorCounts {
    std::size_t lineFeeds = 0;
    std::size_t tabs = 0;
};

SeparatorCounts countSeparators(const char *bytes, std::size_t size) {
    // Fixed-size blocks let the compiler vectorise the count.
    constexpr std::size_t block = 64;
    SeparatorCounts counts;
    std::size_t i = 0;
    for (; i + block <= size; i += block) {
        unsigned char lineFeeds = 0, tabs = 0;
        for (std::size_t k = 0; k < block; ++k) {
            lineFeeds = static_cast<unsigned char>(lineFeeds + (bytes[i + k] == '\n'));
            tabs = static_cast<unsigned char>(tabs + (bytes[i + k] == '\t'));
        }
        counts.lineFeeds += lineFeeds;
        counts.tabs += tabs;
    }
    for (; i < size; ++i) {
        counts.lineFeeds += bytes[i] == '\n';
        counts.tabs += bytes[i] == '\t';
    }
    return counts;
}

void prefetch([[maybe_unused]] const void *address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#endif
}

} // namespace

std::u16string toLowerAscii(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return result;
}

void PronunciationDictionary::clear() {
    size_ = 0;
    slots_.clear();
    nonEmptyCount_ = 0;
}

// Keeps the buffer between loads, unless it is far larger than needed (a
// huge file loaded once should not hold its memory for good).
void PronunciationDictionary::reserveBytes(std::size_t size) {
    if (size <= capacity_ && capacity_ / 4 <= size + (std::size_t{1} << 20))
        return;
    auto bigger = std::make_unique_for_overwrite<char[]>(size + readSlack);
    if (size_ != 0)
        std::memcpy(bigger.get(), bytes_.get(), size_);
    bytes_ = std::move(bigger);
    capacity_ = size;
}

// The length bytes written over an indexed line's TABs. A field this long
// or longer keeps the marker instead, and is measured by its separators; a
// key that long also leaves the TAB after it in place.
constexpr unsigned char longField = 0xFF;

// A stored key runs from its offset to the TAB that ends it; entry lines
// always have that TAB, and index() records its distance in the byte before
// the key.
std::string_view PronunciationDictionary::keyAt(std::size_t offset) const {
    const auto length = static_cast<unsigned char>(bytes_[offset - 1]);
    if (length != longField)
        return text().substr(offset, length);
    const std::string_view rest = text().substr(offset);
    return rest.substr(0, rest.find('\t'));
}

// The transcription runs from the TAB after the key to the line end, a CR
// before the LF not included; index() records its length in that TAB unless
// the key is long.
std::string_view PronunciationDictionary::valueAfter(std::string_view key) const {
    const std::size_t keyEnd = static_cast<std::size_t>(key.data() - bytes_.get()) + key.size();
    const std::size_t start = keyEnd + 1;
    if (key.size() < longField) {
        const auto length = static_cast<unsigned char>(bytes_[keyEnd]);
        if (length != longField)
            return text().substr(start, length);
    }
    std::string_view value = text().substr(start);
    const std::size_t lineFeed = value.find('\n');
    if (lineFeed != std::string_view::npos) {
        value = value.substr(0, lineFeed);
        if (!value.empty() && value.back() == '\r')
            value.remove_suffix(1);
    }
    return value;
}

void PronunciationDictionary::store(std::size_t keyOffset, std::size_t keyLength,
                                    std::uint64_t keyHash, bool hasValue) {
    const std::string_view key = text().substr(keyOffset, keyLength);
    const std::uint64_t tag = keyHash & ~slotOffsetMask;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = keyHash & mask;; i = (i + 1) & mask) {
        std::uint64_t &slot = slots_[i];
        if (slot == 0) {
            slot = tag | (keyOffset + 1);
            nonEmptyCount_ += hasValue ? 1 : 0;
            return;
        }
        if ((slot & ~slotOffsetMask) != tag)
            continue;
        const std::string_view stored = keyAt((slot & slotOffsetMask) - 1);
        if (stored == key) {
            // A later line for the same word replaces the earlier one.
            nonEmptyCount_ -= valueAfter(stored).empty() ? 0 : 1;
            nonEmptyCount_ += hasValue ? 1 : 0;
            slot = tag | (keyOffset + 1);
            return;
        }
    }
}

void PronunciationDictionary::index() {
    slots_.clear();
    nonEmptyCount_ = 0;
    char *const data = bytes_.get();
    if (data == nullptr)
        return;
    std::memset(data + size_, 0, readSlack); // defined bytes for the word reads

    // Size the table for every possible entry, at most two thirds full, so
    // that it never needs to grow while loading. Fuller tables probe a little
    // longer (the tags keep that within a cache line); emptier ones cost
    // cache and TLB misses on every insertion and lookup. An entry line has two TABs of its
    // own: counting lines alone gave a file of empty or TAB-less lines (a
    // log picked by mistake) a table of 16 bytes per line, 20 times the file.
    const SeparatorCounts counts = countSeparators(data, size_);
    const std::size_t entryBound = std::min(counts.lineFeeds + 1, counts.tabs / 2 + 1);
    std::size_t tableSize = 16;
    while (tableSize < entryBound + entryBound / 2)
        tableSize *= 2;
    slots_.assign(tableSize, 0);
    if (slots_.capacity() / 4 > tableSize)
        slots_.shrink_to_fit();

    // The table is far bigger than the cache, so each insertion would wait
    // for its slot. Lines are therefore inserted a few lines behind the
    // parsing, after their slot has been prefetched; the order of insertion,
    // which decides between duplicate words, stays the file order.
    constexpr std::size_t lookahead = 16;
    struct Pending {
        std::size_t keyOffset, keyLength;
        std::uint64_t hash;
        bool hasValue;
    } pending[lookahead];
    std::size_t parsed = 0;

    std::size_t lineStart = 0;
    std::size_t tabCount = 0, firstTab = 0, secondTab = 0;

    // An entry line has exactly two TABs: ignored, word, transcription.
    auto endLine = [&](std::size_t lineFeed, bool atLineFeed) {
        std::size_t lineEnd = lineFeed;
        if (atLineFeed && lineEnd > lineStart && data[lineEnd - 1] == '\r')
            --lineEnd;
        if (tabCount == 2) {
            const std::size_t keyOffset = firstTab + 1;
            const std::size_t keyLength = secondTab - keyOffset;
            const std::uint64_t hash = hashKey(data + keyOffset, keyLength, true);
            const std::size_t valueLength = lineEnd - (secondTab + 1);
            data[firstTab] = static_cast<char>(std::min<std::size_t>(keyLength, longField));
            if (keyLength < longField)
                data[secondTab] = static_cast<char>(std::min<std::size_t>(valueLength, longField));
            prefetch(&slots_[hash & (tableSize - 1)]);
            Pending &next = pending[parsed % lookahead];
            if (parsed >= lookahead)
                store(next.keyOffset, next.keyLength, next.hash, next.hasValue);
            next = Pending{keyOffset, keyLength, hash, valueLength != 0};
            ++parsed;
        }
        lineStart = lineFeed + 1;
        tabCount = 0;
    };
    auto atSeparator = [&](std::size_t position) {
        if (data[position] == '\n') {
            endLine(position, true);
        } else {
            firstTab = tabCount == 0 ? position : firstTab;
            secondTab = tabCount == 1 ? position : secondTab;
            ++tabCount;
        }
    };

    // Eight bytes at a time: lines are short, so a library call per TAB and
    // per line end would cost more than the scan itself.
    std::size_t position = 0;
    for (; position + 8 <= size_; position += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + position, sizeof word);
        std::uint64_t marks = bytesEqualTo(word, '\t') | bytesEqualTo(word, '\n');
        while (marks != 0) {
            if constexpr (std::endian::native == std::endian::big) {
                const int bit = 63 - std::countl_zero(marks);
                atSeparator(position + static_cast<std::size_t>(7 - bit / 8));
                marks &= ~(std::uint64_t{1} << bit);
            } else {
                atSeparator(position + static_cast<std::size_t>(std::countr_zero(marks) / 8));
                marks &= marks - 1;
            }
        }
    }
    for (; position < size_; ++position) {
        if (data[position] == '\t' || data[position] == '\n')
            atSeparator(position);
    }
    endLine(size_, false);

    for (std::size_t i = parsed < lookahead ? 0 : parsed - lookahead; i < parsed; ++i) {
        const Pending &line = pending[i % lookahead];
        store(line.keyOffset, line.keyLength, line.hash, line.hasValue);
    }
}

void PronunciationDictionary::loadDictionaryFromBytes(std::string_view bytes) {
    clear();
    reserveBytes(bytes.size());
    if (!bytes.empty())
        std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    size_ = bytes.size();
    index();
}

bool PronunciationDictionary::loadDictionary(const std::string &path) {
    clear();
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        index();
        return false;
    }
    std::size_t expected = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        expected = end > 0 ? static_cast<std::size_t>(end) : 0;
        std::rewind(file);
    }
    // One byte more than expected, so that reaching the end is seen without
    // growing; a file that grows while being read is read to its new end.
    // The size is only a hint (a directory reports nonsense), so it is
    // capped and the buffer grows as needed.
    constexpr std::size_t largestHint = std::size_t{1} << 28;
    reserveBytes((expected < largestHint ? expected : largestHint) + 1);
    for (;;) {
        size_ += std::fread(bytes_.get() + size_, 1, capacity_ - size_, file);
        if (size_ < capacity_)
            break;
        reserveBytes(2 * capacity_);
    }
    // A path that opens but cannot be read at all (a directory) counts as
    // unreadable; after a later error the lines read before it are kept,
    // but not a torn last one.
    const bool unreadable = std::ferror(file) != 0 && size_ == 0;
    if (std::ferror(file) != 0) {
        const std::size_t lastLineFeed = text().rfind('\n');
        size_ = lastLineFeed == std::string_view::npos ? 0 : lastLineFeed + 1;
    }
    std::fclose(file);
    index();
    return !unreadable;
}

// The stored text is bytes; a word can only match when each of its code
// units is one that a byte widens to.
std::string_view PronunciationDictionary::lookup(std::u16string_view word) const {
    if (slots_.empty())
        return {};
    // Words are short: narrow them on the stack, not in a new string.
    constexpr std::size_t onStack = 64;
    char stackBuffer[onStack + readSlack];
    std::unique_ptr<char[]> heapBuffer;
    char *narrow = stackBuffer;
    if (word.size() > onStack) {
        heapBuffer = std::make_unique_for_overwrite<char[]>(word.size() + readSlack);
        narrow = heapBuffer.get();
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t c = word[i];
        if (c >= 0x80 && c < 0xFF80)
            return {};
        narrow[i] = static_cast<char>(c & 0xFF);
    }
    std::memset(narrow + word.size(), 0, readSlack); // defined bytes for the word reads
    const std::string_view wanted(narrow, word.size());
    const std::uint64_t hash = hashKey(narrow, word.size(), false);
    const std::uint64_t tag = hash & ~slotOffsetMask;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = slots_[i];
        if (slot == 0)
            return {};
        if ((slot & ~slotOffsetMask) != tag)
            continue;
        const std::string_view key = keyAt((slot & slotOffsetMask) - 1);
        if (key == wanted)
            return valueAfter(key);
    }
}

bool PronunciationDictionary::hasTranscription(std::u16string_view word) const {
    return !lookup(word).empty();
}

namespace {

// Bytes 0x80-0xFF widen to U+FF80-U+FFFF, as a signed char does.
void widenInto(std::string_view value, char16_t *out) {
    for (std::size_t i = 0; i < value.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<signed char>(value[i]));
}

} // namespace

std::u16string PronunciationDictionary::transcriptionOf(std::u16string_view word) const {
    const std::string_view value = lookup(word);
    std::u16string result(value.size(), u'\0');
    widenInto(value, result.data());
    return result;
}

bool PronunciationDictionary::appendTranscription(std::u16string_view word,
                                                  std::u16string &out) const {
    const std::string_view value = lookup(word);
    if (value.empty())
        return false;
    const std::size_t at = out.size();
    out.resize(at + value.size());
    widenInto(value, out.data() + at);
    return true;
}

bool loadDictionary(const std::string &path) {
    return processDictionary.loadDictionary(path);
}

void loadDictionaryFromBytes(std::string_view bytes) {
    processDictionary.loadDictionaryFromBytes(bytes);
}

std::u16string transcriptionOf(std::u16string_view word) {
    return processDictionary.transcriptionOf(word);
}

bool dictionaryHas(std::u16string_view word) {
    return processDictionary.hasTranscription(word);
}

bool appendTranscription(std::u16string_view word, std::u16string &out) {
    return processDictionary.appendTranscription(word, out);
}

std::size_t dictionarySize() {
    return processDictionary.size();
}

bool TranscriptionEngine::hasTranscription(const std::u16string &word) const {
    return processDictionary.hasTranscription(word);
}

} // namespace orvanta
