#include "engine/dictionary.h"

#include "engine/transcription_engine.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace orvanta {

namespace {

PronunciationDictionary processDictionary;

std::uint64_t hashOf(std::u16string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char16_t c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    // FNV mixes the low bits poorly for short keys; fold the high half in
    // because the table index takes the low bits.
    return hash ^ (hash >> 29);
}

// Reads the whole file. Returns false when it cannot be opened. After a read
// error the bytes up to the last complete line are kept, so that a torn
// line is not taken for an entry.
bool readWholeFile(const std::string &path, std::string &bytes) {
    bytes.clear();
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::size_t capacity = 1 << 16;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0)
            capacity = static_cast<std::size_t>(size) + 1;
        std::rewind(file);
    }
    std::size_t used = 0;
    for (;;) {
        if (bytes.size() < capacity)
            bytes.resize(capacity);
        const std::size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file);
        used += got;
        if (used < bytes.size()) {
            if (std::ferror(file) != 0) {
                const std::size_t lastLineEnd = std::string_view(bytes.data(), used).rfind('\n');
                used = lastLineEnd == std::string_view::npos ? 0 : lastLineEnd + 1;
            }
            break;
        }
        capacity = bytes.size() * 2;
    }
    std::fclose(file);
    bytes.resize(used);
    return true;
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
    text_.clear();
    entries_.clear();
    slots_.clear();
    nonEmptyCount_ = 0;
}

std::u16string_view PronunciationDictionary::find(std::u16string_view word) const {
    if (slots_.empty())
        return {};
    const std::uint64_t hash = hashOf(word);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::size_t slot = slots_[i];
        if (slot == 0)
            return {};
        const Entry &entry = entries_[slot - 1];
        if (entry.hash == hash && keyOf(entry) == word)
            return valueOf(entry);
    }
}

void PronunciationDictionary::store(std::size_t keyOffset, std::size_t keyLength,
                                    std::size_t valueOffset, std::size_t valueLength) {
    const std::u16string_view key = std::u16string_view(text_).substr(keyOffset, keyLength);
    const std::uint64_t hash = hashOf(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        std::size_t &slot = slots_[i];
        if (slot == 0) {
            entries_.push_back(Entry{keyOffset, keyLength, valueOffset, valueLength, hash});
            slot = entries_.size();
            return;
        }
        Entry &entry = entries_[slot - 1];
        if (entry.hash == hash && keyOf(entry) == key) {
            // A later line for the same word replaces the earlier one.
            entry.valueOffset = valueOffset;
            entry.valueLength = valueLength;
            return;
        }
    }
}

void PronunciationDictionary::loadDictionaryFromBytes(std::string_view bytes) {
    clear();

    // Every byte is one code unit; bytes from 0x80 up are sign-extended, so
    // they land on U+FF80..U+FFFF.
    text_.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text_[i] = static_cast<char16_t>(static_cast<signed char>(bytes[i]));

    // Size the table for every line being an entry, at most half full, so
    // that it never needs to grow while loading.
    std::size_t lineCount = 1;
    for (const char *p = bytes.data(), *end = p + bytes.size();
         (p = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
         ++p)
        ++lineCount;
    std::size_t tableSize = 16;
    while (tableSize < 2 * lineCount)
        tableSize *= 2;
    slots_.assign(tableSize, 0);
    entries_.reserve(lineCount);

    const char *const data = bytes.data();
    std::size_t lineStart = 0;
    while (lineStart <= bytes.size()) {
        const void *lf = std::memchr(data + lineStart, '\n', bytes.size() - lineStart);
        const std::size_t lineFeed =
            lf == nullptr ? bytes.size()
                          : static_cast<std::size_t>(static_cast<const char *>(lf) - data);
        std::size_t lineEnd = lineFeed;
        if (lf != nullptr && lineEnd > lineStart && data[lineEnd - 1] == '\r')
            --lineEnd;

        // An entry has exactly two TABs: ignored, word, transcription.
        const std::string_view line(data + lineStart, lineEnd - lineStart);
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab != std::string_view::npos &&
            line.find('\t', secondTab + 1) == std::string_view::npos) {
            const std::size_t keyOffset = lineStart + firstTab + 1;
            const std::size_t keyLength = secondTab - firstTab - 1;
            for (std::size_t i = keyOffset; i < keyOffset + keyLength; ++i) {
                char16_t &c = text_[i];
                if (c >= u'A' && c <= u'Z')
                    c = static_cast<char16_t>(c - u'A' + u'a');
            }
            store(keyOffset, keyLength, lineStart + secondTab + 1, line.size() - secondTab - 1);
        }

        if (lf == nullptr)
            break;
        lineStart = lineFeed + 1;
    }

    for (const Entry &entry : entries_) {
        if (entry.valueLength != 0)
            ++nonEmptyCount_;
    }
}

bool PronunciationDictionary::loadDictionary(const std::string &path) {
    std::string bytes;
    const bool opened = readWholeFile(path, bytes);
    loadDictionaryFromBytes(bytes);
    return opened;
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

std::size_t dictionarySize() {
    return processDictionary.size();
}

bool TranscriptionEngine::hasTranscription(const std::u16string &word) const {
    return processDictionary.hasTranscription(word);
}

} // namespace orvanta
