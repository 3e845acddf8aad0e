#include "engine/dictionary.h"

#include "engine/internal/separator_scan.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

namespace orvanta {

using detail::scanBlock;
using detail::SeparatorMasks;
using detail::separatorsIn;
using detail::separatorsInPortable;

namespace {

PronunciationDictionary processWideDictionary;

// Slots hold a key offset in their low bits; a file would need to be larger
// than 2^40 bytes to exceed it.
constexpr std::uint64_t slotOffsetMask = (std::uint64_t{1} << 40) - 1;

constexpr std::uint64_t everyByte = 0x0101010101010101ULL;
constexpr std::uint64_t lowSevenBits = 0x7F7F7F7F7F7F7F7FULL;

// The capitals A-Z among eight bytes, as the case bit 0x20 of each; bytes
// from 0x80 up are never capitals.
std::uint64_t capitalsIn(std::uint64_t word) {
    const std::uint64_t value = word & lowSevenBits;
    const std::uint64_t atLeastA = value + everyByte * (0x80 - 'A');
    const std::uint64_t aboveZ = value + everyByte * (0x80 - 'Z' - 1);
    return (atLeastA & ~aboveZ & ~word & ~lowSevenBits) >> 2;
}

// Reads past the end of a key are safe: every buffer that holds keys has
// this many bytes to spare after its text.
constexpr std::size_t readSlack = 8;

// The mask that keeps the first `count` (at least 1) bytes of a loaded word.
std::uint64_t firstBytes(std::size_t count) {
    const std::size_t unused = 8 - std::min<std::size_t>(count, 8);
    if constexpr (std::endian::native == std::endian::big)
        return ~std::uint64_t{0} << (8 * unused);
    return ~std::uint64_t{0} >> (8 * unused);
}

// Hashes a key eight bytes at a time; with `fold`, it folds A-Z in the key
// in place first. Keys are short and hashed once per line on every load.
template <bool fold> std::uint64_t hashKey(char *key, std::size_t length) {
    constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = length * multiplier;
    for (std::size_t i = 0; i < length; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, key + i, sizeof word);
        word &= firstBytes(length - i);
        if constexpr (fold) {
            // Most keys are lower case already; the bytes past the key are
            // never capitals here, so they are written back unchanged.
            if (const std::uint64_t capitals = capitalsIn(word); capitals != 0) {
                std::uint64_t stored;
                std::memcpy(&stored, key + i, sizeof stored);
                stored |= capitals;
                std::memcpy(key + i, &stored, sizeof stored);
                word |= capitals;
            }
        }
        hash = (hash ^ word) * multiplier;
        hash ^= hash >> 32;
    }
    hash *= 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 29);
}

void prefetch([[maybe_unused]] const void *address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#endif
}

// The table may be two thirds full: fuller tables probe a little longer (the
// tags keep that within a cache line); emptier ones cost cache and TLB misses
// on every insertion and lookup.
bool overFull(std::size_t occupied, std::size_t tableSize) {
    return 3 * occupied > 2 * tableSize;
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

PronunciationDictionary::PronunciationDictionary() = default;
PronunciationDictionary::~PronunciationDictionary() = default;

// A moved-from dictionary is empty, not a husk that still reports a size.
PronunciationDictionary::PronunciationDictionary(PronunciationDictionary &&other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)), slots_(std::exchange(other.slots_, {})),
      occupied_(std::exchange(other.occupied_, 0)),
      nonEmptyCount_(std::exchange(other.nonEmptyCount_, 0)),
      homographs_(std::exchange(other.homographs_, {})) {}

PronunciationDictionary &
PronunciationDictionary::operator=(PronunciationDictionary &&other) noexcept {
    if (this != &other) {
        bytes_ = std::move(other.bytes_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        slots_ = std::exchange(other.slots_, {});
        occupied_ = std::exchange(other.occupied_, 0);
        nonEmptyCount_ = std::exchange(other.nonEmptyCount_, 0);
        homographs_ = std::exchange(other.homographs_, {});
    }
    return *this;
}

void PronunciationDictionary::clear() {
    homographs_.clear();
    size_ = 0;
    slots_.clear();
    occupied_ = 0;
    nonEmptyCount_ = 0;
}

// Keeps the buffer between loads, unless it is far larger than needed (a
// huge file loaded once should not hold its memory for good).
void PronunciationDictionary::reserveBytes(std::size_t size) {
    if (bytes_ != nullptr && size <= capacity_ && capacity_ / 4 <= size + (std::size_t{1} << 20))
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
// always have that TAB, and the Indexer records its distance in the byte before
// the key.
std::string_view PronunciationDictionary::keyAt(std::size_t offset) const {
    const auto length = static_cast<unsigned char>(bytes_[offset - 1]);
    if (length != longField)
        return text().substr(offset, length);
    const std::string_view rest = text().substr(offset);
    return rest.substr(0, rest.find('\t'));
}

// The transcription runs from the TAB after the key to the line end, a CR
// before the LF not included; the Indexer records its length in that TAB unless
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

// Reads the lines of the buffer as they arrive, in file order, and indexes
// each entry line when its line feed is seen (the last line when the caller
// says the file is complete). Lines are found 64 bytes at a time from bit
// masks of their separators: a library call per TAB and per line end would
// cost more than the scan itself. Fed piece by piece while the file is read,
// it finds the bytes still in the cache that the read left them in.
class PronunciationDictionary::Indexer {
public:
    // `sizeHint` is what the file is expected to hold; it sizes the table
    // when the first entry is seen.
    Indexer(PronunciationDictionary &dictionary, std::size_t sizeHint)
        : dictionary_(dictionary), sizeHint_(sizeHint) {}

    // Reads the whole 64-byte blocks of the buffer up to `end`.
    void scanBlocks(std::size_t end) { scan(end, false, false); }

    // Reads the rest of the buffer up to `end`; with `complete`, a last line
    // without a line feed ends there. Then inserts what is still pending.
    void finish(std::size_t end, bool complete) { scan(end, true, complete); }

private:
    struct Pending {
        std::size_t keyOffset;
        std::uint64_t hash;
        bool hasValue;
    };

    // The scan's state lives in local variables while it runs: it writes
    // the buffer's bytes, and a write through a char pointer would make the
    // compiler reload every member after it.
    void scan(std::size_t end, bool toEnd, bool complete) {
        PronunciationDictionary &d = dictionary_;
        char *const data = d.bytes_.get();
        std::size_t scanned = scanned_, parsed = parsed_;
        std::size_t tabCount = tabCount_, firstTab = firstTab_, secondTab = secondTab_;
        std::uint64_t *slots = d.slots_.data();
        std::size_t tableSize = d.slots_.size(), mask = tableSize - 1;
        std::size_t occupied = d.occupied_, nonEmpty = d.nonEmptyCount_;

        auto insert = [&](const Pending &line) {
            if (overFull(occupied + 1, tableSize)) {
                d.growTable();
                slots = d.slots_.data();
                tableSize = d.slots_.size();
                mask = tableSize - 1;
            }
            const std::uint64_t tag = line.hash & ~slotOffsetMask;
            for (std::size_t i = line.hash & mask;; i = (i + 1) & mask) {
                const std::uint64_t slot = slots[i];
                if (slot == 0) {
                    slots[i] = tag | (line.keyOffset + 1);
                    ++occupied;
                    nonEmpty += line.hasValue ? 1 : 0;
                    return;
                }
                if ((slot & ~slotOffsetMask) == tag && d.sameKey(slot, line.keyOffset)) {
                    // A later line for the same word replaces the earlier one.
                    nonEmpty -= d.valueAfter(d.keyAt((slot & slotOffsetMask) - 1)).empty() ? 0 : 1;
                    nonEmpty += line.hasValue ? 1 : 0;
                    slots[i] = tag | (line.keyOffset + 1);
                    return;
                }
            }
        };

        // An entry line has exactly two TABs: ignored, word, transcription.
        auto endLine = [&](std::size_t lineEnd, bool atLineFeed) {
            const bool entry = tabCount == 2;
            tabCount = 0;
            if (!entry)
                return;
            // The byte before the line feed is the second TAB at the
            // earliest, so a CR there is always the transcription's.
            if (atLineFeed && data[lineEnd - 1] == '\r')
                --lineEnd;
            const std::size_t keyOffset = firstTab + 1;
            const std::size_t keyLength = secondTab - keyOffset;
            const std::size_t valueLength = lineEnd - (secondTab + 1);
            const std::uint64_t hash = hashKey<true>(data + keyOffset, keyLength);
            data[firstTab] = static_cast<char>(std::min<std::size_t>(keyLength, longField));
            if (keyLength < longField)
                data[secondTab] = static_cast<char>(std::min<std::size_t>(valueLength, longField));
            if (tableSize == 0) {
                d.resetTable(sizeHint_ / typicalLineLength);
                slots = d.slots_.data();
                tableSize = d.slots_.size();
                mask = tableSize - 1;
            }
            // The table is far bigger than the cache, so each insertion
            // would wait for its slot. Lines are therefore inserted a few
            // lines behind the parsing, after their slot has been
            // prefetched; the order of insertion, which decides between
            // duplicate words, stays the file order.
            prefetch(&slots[hash & mask]);
            Pending &next = pending_[parsed % lookahead];
            if (parsed >= lookahead)
                insert(next);
            next = Pending{keyOffset, hash, valueLength != 0};
            ++parsed;
        };

        // Only the first two TABs of a line matter, and whether there are
        // more.
        auto addTabs = [&](std::size_t base, std::uint64_t tabs) {
            if (tabs == 0)
                return;
            const auto first = static_cast<std::size_t>(std::countr_zero(tabs));
            const auto second = static_cast<std::size_t>(std::countr_zero(tabs & (tabs - 1)));
            if (tabCount == 0) {
                firstTab = base + first;
                secondTab = base + second;
            } else if (tabCount == 1) {
                secondTab = base + first;
            }
            tabCount += static_cast<std::size_t>(std::popcount(tabs));
        };

        // Lines are cut at the line feeds; the TABs before each belong to
        // the line it ends, those after the last to a line that goes on in
        // the next block.
        auto readBlock = [&](std::size_t base, const SeparatorMasks &masks) {
            std::uint64_t tabs = masks.tabs;
            for (std::uint64_t lineFeeds = masks.lineFeeds; lineFeeds != 0;
                 lineFeeds &= lineFeeds - 1) {
                const int bit = std::countr_zero(lineFeeds);
                const std::uint64_t inLine = tabs & ((std::uint64_t{1} << bit) - 1);
                tabs ^= inLine;
                addTabs(base, inLine);
                endLine(base + static_cast<std::size_t>(bit), true);
            }
            addTabs(base, tabs);
        };

        for (; scanned + scanBlock <= end; scanned += scanBlock)
            readBlock(scanned, separatorsIn(data + scanned));
        if (toEnd) {
            if (scanned < end) {
                readBlock(scanned, separatorsInPortable(data + scanned, end - scanned));
                scanned = end;
            }
            if (complete)
                endLine(end, false);
            for (std::size_t i = parsed < lookahead ? 0 : parsed - lookahead; i < parsed; ++i)
                insert(pending_[i % lookahead]);
            parsed = 0;
        }

        scanned_ = scanned;
        parsed_ = parsed;
        tabCount_ = tabCount;
        firstTab_ = firstTab;
        secondTab_ = secondTab;
        d.occupied_ = occupied;
        d.nonEmptyCount_ = nonEmpty;
    }

    // A size hint divided by this gives the entries to make room for at
    // first: the shipped files' lines are 26 bytes on average. Fewer entries
    // than that make the table grow; a file of anything but entries (a log
    // picked by mistake) never makes one.
    static constexpr std::size_t typicalLineLength = 24;
    static constexpr std::size_t lookahead = 16;

    PronunciationDictionary &dictionary_;
    const std::size_t sizeHint_;
    std::size_t scanned_ = 0;
    std::size_t tabCount_ = 0, firstTab_ = 0, secondTab_ = 0;
    Pending pending_[lookahead] = {};
    std::size_t parsed_ = 0;
};

// Makes an empty table with room for `entries`, reusing the last one's memory
// when it is not far larger.
void PronunciationDictionary::resetTable(std::size_t entries) {
    std::size_t tableSize = 16;
    while (overFull(entries, tableSize))
        tableSize *= 2;
    slots_.assign(tableSize, 0);
    if (slots_.capacity() / 4 > tableSize)
        slots_.shrink_to_fit();
}

// Doubles the table; the keys' hashes are computed again from their text.
void PronunciationDictionary::growTable() {
    std::vector<std::uint64_t> old;
    old.swap(slots_);
    slots_.assign(2 * old.size(), 0);
    const std::size_t mask = slots_.size() - 1;
    for (const std::uint64_t slot : old) {
        if (slot == 0)
            continue;
        const std::size_t offset = (slot & slotOffsetMask) - 1;
        const std::uint64_t hash = hashKey<false>(bytes_.get() + offset, keyAt(offset).size());
        std::size_t i = hash & mask;
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

bool PronunciationDictionary::sameKey(std::uint64_t slot, std::size_t keyOffset) const {
    return keyAt((slot & slotOffsetMask) - 1) == keyAt(keyOffset);
}

void PronunciationDictionary::parse(std::string_view bytes) {
    clear();
    reserveBytes(bytes.size());
    if (!bytes.empty())
        std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    size_ = bytes.size();
    std::memset(bytes_.get() + size_, 0, readSlack); // defined bytes for the word reads
    Indexer indexer(*this, size_);
    indexer.finish(size_, true);
}

void PronunciationDictionary::read(const std::string &path, std::string &error) {
    clear();
    error.clear();
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::generic_category().message(errno);
        return;
    }
    // A dictionary without a table of its own is read without homograph
    // readings: another dictionary's readings would not match its entries.
    homographs_.load(homographPathFor(path));
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
    expected = std::min(expected, largestHint);
    reserveBytes(expected + 1);
    // Read in pieces that fit in the cache, each indexed at once.
    constexpr std::size_t piece = std::size_t{256} << 10;
    Indexer indexer(*this, expected);
    for (;;) {
        const std::size_t wanted = std::min(piece, capacity_ - size_);
        errno = 0;
        const std::size_t got = std::fread(bytes_.get() + size_, 1, wanted, file);
        const int readError = errno;
        size_ += got;
        std::memset(bytes_.get() + size_, 0, readSlack); // defined bytes for the word reads
        indexer.scanBlocks(size_);
        if (got < wanted) {
            if (std::ferror(file) != 0 && size_ == 0)
                error = std::generic_category().message(readError != 0 ? readError : EIO);
            break;
        }
        if (size_ == capacity_)
            reserveBytes(2 * capacity_);
    }
    // A path that opens but cannot be read at all (a directory) counts as
    // unreadable; after a later error the lines read before it are kept,
    // but not a torn last one.
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        const std::size_t lastLineFeed = text().rfind('\n');
        size_ = lastLineFeed == std::string_view::npos ? 0 : lastLineFeed + 1;
    }
    indexer.finish(size_, !failed);
}

DictionaryLoad PronunciationDictionary::load(const std::string &path) {
    DictionaryLoad result;
    result.dictionary.read(path, result.error);
    return result;
}

PronunciationDictionary PronunciationDictionary::fromBytes(std::string_view bytes) {
    PronunciationDictionary dictionary;
    dictionary.parse(bytes);
    return dictionary;
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
    const std::uint64_t hash = hashKey<false>(narrow, word.size());
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

const PronunciationDictionary &processDictionary() {
    return processWideDictionary;
}

// Loaded in place rather than replaced by a fresh object: the buffers of the
// last load are reused, and engines holding the instance see the new words.
bool loadDictionary(const std::string &path) {
    std::string error;
    processWideDictionary.read(path, error);
    return error.empty();
}

void loadDictionaryFromBytes(std::string_view bytes) {
    processWideDictionary.parse(bytes);
}

std::u16string transcriptionOf(std::u16string_view word) {
    return processWideDictionary.transcriptionOf(word);
}

bool dictionaryHas(std::u16string_view word) {
    return processWideDictionary.hasTranscription(word);
}

bool appendTranscription(std::u16string_view word, std::u16string &out) {
    return processWideDictionary.appendTranscription(word, out);
}

std::size_t dictionarySize() {
    return processWideDictionary.size();
}

} // namespace orvanta
