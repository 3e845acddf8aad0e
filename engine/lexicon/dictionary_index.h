// How a loaded dictionary is laid out in memory, and the indexer that builds
// that layout while the file is read.
//
// The program loads a 7 MB dictionary on every run, so loading must cost a
// few milliseconds: no allocation per entry, no second copy of the text, one
// pass over the bytes while they are still in the cache the read left them in.
//
// `bytes_` is the file as read, followed by `readSlack` zero bytes so that
// keys can be read eight bytes at a time. Each entry line is
//     ignored TAB key TAB transcription [CR] LF
// and indexing rewrites it in place:
//   - A-Z in the key become a-z (lookups fold case without copying keys);
//   - the first TAB becomes the key's length and the second TAB the
//     transcription's, so that a lookup reads both from the line it has to
//     touch anyway. A field of 255 bytes or more keeps the marker `longField`
//     and is measured by its separators instead.
// `slots_` is an open-addressing table with linear probing, a power of two
// in size and at most two thirds full. Each 64-bit slot holds the key's
// offset + 1 in its low 40 bits (0: empty) and the top bits of the key's
// hash above them, so that probing past other keys rarely reads their text.
// A later line for the same key replaces the earlier one, as in the file.
#pragma once

#include "engine/lexicon/dictionary.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orvanta::detail {

// Slots hold a key offset in their low bits; a file would need to be larger
// than 2^40 bytes to exceed it.
inline constexpr std::uint64_t slotOffsetMask = (std::uint64_t{1} << 40) - 1;

inline constexpr std::uint64_t everyByte = 0x0101010101010101ULL;
inline constexpr std::uint64_t lowSevenBits = 0x7F7F7F7F7F7F7F7FULL;

// The capitals A-Z among eight bytes, as the case bit 0x20 of each; bytes
// from 0x80 up are never capitals.
inline std::uint64_t capitalsIn(std::uint64_t word) {
    const std::uint64_t value = word & lowSevenBits;
    const std::uint64_t atLeastA = value + everyByte * (0x80 - 'A');
    const std::uint64_t aboveZ = value + everyByte * (0x80 - 'Z' - 1);
    return (atLeastA & ~aboveZ & ~word & ~lowSevenBits) >> 2;
}

// Reads past the end of a key are safe: every buffer that holds keys has
// this many bytes to spare after its text.
inline constexpr std::size_t readSlack = 8;

// The mask that keeps the first `count` (at least 1) bytes of a loaded word.
inline std::uint64_t firstBytes(std::size_t count) {
    const std::size_t unused = 8 - std::min<std::size_t>(count, 8);
    if constexpr (std::endian::native == std::endian::big)
        return ~std::uint64_t{0} << (8 * unused);
    return ~std::uint64_t{0} >> (8 * unused);
}

// The hash of a key is taken over its bytes eight at a time, the last
// block zero-padded: hashStep per block, then hashFinish. A lookup hashes
// its word block by block as it narrows it.
inline constexpr std::uint64_t hashMultiplier = 0x9E3779B97F4A7C15ULL;

inline std::uint64_t hashStep(std::uint64_t hash, std::uint64_t block) {
    hash = (hash ^ block) * hashMultiplier;
    return hash ^ (hash >> 32);
}

inline std::uint64_t hashFinish(std::uint64_t hash) {
    hash *= 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 29);
}

// Where byte `index` (0-7) of a block loaded from memory sits in it.
inline constexpr unsigned byteShift(std::size_t index) {
    if constexpr (std::endian::native == std::endian::big)
        return static_cast<unsigned>(8 * (7 - index));
    return static_cast<unsigned>(8 * index);
}

// Hashes a key eight bytes at a time; with `fold`, it folds A-Z in the key
// in place first. Keys are short and hashed once per line on every load.
template <bool fold> inline std::uint64_t hashKey(char *key, std::size_t length) {
    std::uint64_t hash = length * hashMultiplier;
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
        hash = hashStep(hash, word);
    }
    return hashFinish(hash);
}

// The length bytes written over an indexed line's TABs. A field this long
// or longer keeps the marker instead, and is measured by its separators; a
// key that long also leaves the TAB after it in place.
inline constexpr unsigned char longField = 0xFF;

// The table may be two thirds full: fuller tables probe a little longer (the
// tags keep that within a cache line); emptier ones cost cache and TLB misses
// on every insertion and lookup.
inline bool overFull(std::size_t occupied, std::size_t tableSize) {
    return 3 * occupied > 2 * tableSize;
}

} // namespace orvanta::detail

namespace orvanta {

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
    void scan(std::size_t end, bool toEnd, bool complete);

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

// A stored key runs from its offset to the TAB that ends it; entry lines
// always have that TAB, and the Indexer records its distance in the byte before
// the key.
inline std::string_view PronunciationDictionary::keyAt(std::size_t offset) const {
    const auto length = static_cast<unsigned char>(bytes_[offset - 1]);
    if (length != detail::longField)
        return text().substr(offset, length);
    const std::string_view rest = text().substr(offset);
    return rest.substr(0, rest.find('\t'));
}

// The transcription runs from the TAB after the key to the line end, a CR
// before the LF not included; the Indexer records its length in that TAB unless
// the key is long.
inline std::string_view PronunciationDictionary::valueAfter(std::string_view key) const {
    const std::size_t keyEnd = static_cast<std::size_t>(key.data() - bytes_.get()) + key.size();
    const std::size_t start = keyEnd + 1;
    if (key.size() < detail::longField) {
        const auto length = static_cast<unsigned char>(bytes_[keyEnd]);
        if (length != detail::longField)
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

} // namespace orvanta
