// The process-wide pronunciation dictionary: lower-cased English word ->
// transcription in phonetic code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// A map from lower-cased word to transcription, loaded from the dictionary
// file format. The whole file is kept widened in one buffer and indexed by an
// open-addressing hash table of views into it, because the program reloads
// the dictionary on every run and a node per entry made that slow. The
// process-wide instance behind the free functions below is one of these;
// tools and tests may make their own.
class PronunciationDictionary {
public:
    // Replaces the content with the entries of the file at `path`. A file
    // that cannot be opened empties the dictionary and returns false.
    bool loadDictionary(const std::string &path);
    // Replaces the content with the entries of `bytes`, read as a file.
    void loadDictionaryFromBytes(std::string_view bytes);
    void clear();

    // The transcription stored under exactly `word`; empty when there is
    // none. The view lives until the next load or clear.
    std::u16string_view find(std::u16string_view word) const;
    bool hasTranscription(std::u16string_view word) const { return !find(word).empty(); }
    std::u16string transcriptionOf(std::u16string_view word) const {
        return std::u16string(find(word));
    }
    // Number of keys with a non-empty transcription.
    std::size_t size() const { return nonEmptyCount_; }

private:
    struct Entry {
        std::size_t keyOffset;
        std::size_t keyLength;
        std::size_t valueOffset;
        std::size_t valueLength;
        std::uint64_t hash;
    };

    std::u16string_view keyOf(const Entry &entry) const {
        return std::u16string_view(text_).substr(entry.keyOffset, entry.keyLength);
    }
    std::u16string_view valueOf(const Entry &entry) const {
        return std::u16string_view(text_).substr(entry.valueOffset, entry.valueLength);
    }
    void store(std::size_t keyOffset, std::size_t keyLength, std::size_t valueOffset,
               std::size_t valueLength);

    std::u16string text_;            // the widened file, keys folded in place
    std::vector<Entry> entries_;     // one per distinct key
    std::vector<std::size_t> slots_; // entry index + 1; 0 is an empty slot
    std::size_t nonEmptyCount_ = 0;
};

// Folds A-Z to a-z and leaves every other code unit alone.
std::u16string toLowerAscii(std::u16string_view text);

// Replaces the whole process-wide dictionary with the entries of the file at
// `path` (one entry per line: ignored TAB word TAB transcription). A file that
// cannot be opened leaves the dictionary empty. Returns whether the file could
// be opened, so that callers can tell the user; nothing is thrown.
bool loadDictionary(const std::string &path);

// The same, from bytes already in memory (used by tools, tests and fuzzing).
void loadDictionaryFromBytes(std::string_view bytes);

// The transcription stored under exactly `word` (already lower-cased), or the
// empty string.
std::u16string transcriptionOf(std::u16string_view word);

// Whether `word` has a non-empty transcription.
bool dictionaryHas(std::u16string_view word);

// Number of keys with a non-empty transcription.
std::size_t dictionarySize();

} // namespace orvanta
