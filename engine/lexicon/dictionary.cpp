#include "engine/lexicon/dictionary.h"

#include "engine/lexicon/dictionary_index.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

namespace orvanta {

using detail::hashKey;
using detail::readSlack;
using detail::slotOffsetMask;

namespace {

PronunciationDictionary processWideDictionary;

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
    // Most words are short: narrowed on the stack, and compared with a
    // stored key eight bytes at a time rather than by memcmp.
    constexpr std::size_t shortWord = 64;
    if (word.size() > shortWord)
        return lookupLong(word);
    char narrow[shortWord + readSlack];
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t c = word[i];
        if (c >= 0x80 && c < 0xFF80)
            return {};
        narrow[i] = static_cast<char>(c & 0xFF);
    }
    std::memset(narrow + word.size(), 0, readSlack); // defined bytes for the block reads
    const std::uint64_t hash = hashKey<false>(narrow, word.size());
    const std::size_t blockCount = (word.size() + 7) / 8;
    const std::uint64_t tag = hash & ~slotOffsetMask;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = slots_[i];
        if (slot == 0)
            return {};
        if ((slot & ~slotOffsetMask) != tag)
            continue;
        const std::size_t offset = (slot & slotOffsetMask) - 1;
        // A short word's stored key has its length in the byte before it.
        if (static_cast<unsigned char>(bytes_[offset - 1]) != word.size())
            continue;
        bool same = true;
        for (std::size_t b = 0; b < blockCount && same; ++b) {
            std::uint64_t stored;
            std::uint64_t wanted;
            std::memcpy(&stored, bytes_.get() + offset + 8 * b, sizeof stored);
            std::memcpy(&wanted, narrow + 8 * b, sizeof wanted);
            same = (stored & detail::firstBytes(word.size() - 8 * b)) == wanted;
        }
        if (same)
            return valueAfter(std::string_view(bytes_.get() + offset, word.size()));
    }
}

std::string_view PronunciationDictionary::lookupLong(std::u16string_view word) const {
    const std::unique_ptr<char[]> narrow =
        std::make_unique_for_overwrite<char[]>(word.size() + readSlack);
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t c = word[i];
        if (c >= 0x80 && c < 0xFF80)
            return {};
        narrow[i] = static_cast<char>(c & 0xFF);
    }
    std::memset(narrow.get() + word.size(), 0, readSlack); // defined bytes for the word reads
    const std::string_view wanted(narrow.get(), word.size());
    const std::uint64_t hash = hashKey<false>(narrow.get(), word.size());
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
