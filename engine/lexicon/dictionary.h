// Pronunciation dictionaries: lower-cased English word -> transcription in
// phonetic code.
#pragma once

#include "engine/lexicon/homographs.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta {

class PronunciationDictionary;
struct DictionaryLoad;

// A map from lower-cased word to transcription, loaded from the dictionary
// file format. The program reloads the dictionary on every run, so loading
// must cost milliseconds: the file's bytes are kept as read, keys folded in
// place, and indexed by an open-addressing hash table of offsets into them;
// transcriptions are widened only when looked up.
//
// Once loaded a dictionary never changes, so any number of engines and
// threads may read one at the same time. It is moved, never copied: the
// shipped files are 7 MB each.
class PronunciationDictionary {
public:
    PronunciationDictionary();
    ~PronunciationDictionary();
    PronunciationDictionary(PronunciationDictionary &&) noexcept;
    PronunciationDictionary &operator=(PronunciationDictionary &&) noexcept;
    PronunciationDictionary(const PronunciationDictionary &) = delete;
    PronunciationDictionary &operator=(const PronunciationDictionary &) = delete;

    // The entries of the file at `path` (one entry per line: ignored TAB word
    // TAB transcription). See DictionaryLoad for what a failure leaves.
    static DictionaryLoad load(const std::string &path);
    // The entries of `bytes`, read as a file.
    static PronunciationDictionary fromBytes(std::string_view bytes);

    bool hasTranscription(std::u16string_view word) const;
    // The transcription stored under exactly `word`, or the empty string.
    std::u16string transcriptionOf(std::u16string_view word) const;
    // Appends the transcription stored under exactly `word` to `out` and
    // returns true, or returns false and leaves `out` alone when there is
    // none: one lookup and no allocation of its own, for the per-word loop.
    bool appendTranscription(std::u16string_view word, std::u16string &out) const;
    // Number of keys with a non-empty transcription.
    std::size_t size() const { return nonEmptyCount_; }

    // The readings by role of the words said differently by role, read by
    // load() from the table beside the file (homographPathFor); empty when
    // there is none.
    const HomographTable &homographs() const { return homographs_; }
    void setHomographs(HomographTable homographs) { homographs_ = std::move(homographs); }

private:
    std::string_view text() const { return {bytes_.get(), size_}; }
    std::string_view keyAt(std::size_t offset) const;
    std::string_view valueAfter(std::string_view key) const;
    std::string_view lookup(std::u16string_view word) const;
    std::string_view lookupLong(std::u16string_view word) const;
    // Loading replaces the content in place, keeping the buffers of the
    // last load: the process-wide instance is reloaded on every run.
    // `error` receives the reason when the file cannot be read at all.
    void read(const std::string &path, std::string &error);
    void parse(std::string_view bytes);
    void clear();
    void reserveBytes(std::size_t size);
    void resetTable(std::size_t entries);
    void growTable();
    bool sameKey(std::uint64_t slot, std::size_t keyOffset) const;
    class Indexer;
    friend bool loadDictionary(const std::string &path);
    friend void loadDictionaryFromBytes(std::string_view bytes);

    // The file as read, with A-Z folded in every key. Kept between loads so
    // that reloading a file of similar size touches no fresh memory. The TAB
    // before each indexed key is overwritten with the key's length and the
    // TAB after it with the transcription's length (see keyAt), so that a
    // lookup reads both from the line it has to touch anyway.
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // Per slot: the offset of a key + 1 in the low 40 bits (0: empty slot),
    // and the top bits of the key's hash above them, so that probing past
    // other keys rarely has to look at their text.
    std::vector<std::uint64_t> slots_;
    std::size_t occupied_ = 0;
    std::size_t nonEmptyCount_ = 0;
    HomographTable homographs_;
};

// What PronunciationDictionary::load gives: the dictionary, and why the file
// could not be read when it could not (an empty dictionary then). A read
// that fails part way keeps the complete lines before the failure and counts
// as a success, as the user still gets most of the words.
struct DictionaryLoad {
    PronunciationDictionary dictionary;
    std::string error; // the system's reason, e.g. "No such file or directory"

    bool ok() const { return error.empty(); }
};

// Folds A-Z to a-z and leaves every other code unit alone.
std::u16string toLowerAscii(std::u16string_view text);

// The process-wide dictionary behind the functions below, which the window's
// code and the default-constructed TranscriptionEngine read. Code that can
// hold its own dictionary should: this one changes under every engine that
// reads it when it is reloaded.
const PronunciationDictionary &processDictionary();

// Replaces the whole process-wide dictionary with the entries of the file at
// `path` (one entry per line: ignored TAB word TAB transcription). A file that
// cannot be opened or read leaves the dictionary empty. Returns whether the
// file could be read, so that callers can tell the user; nothing is thrown.
bool loadDictionary(const std::string &path);

// The same, from bytes already in memory (used by tools, tests and fuzzing).
void loadDictionaryFromBytes(std::string_view bytes);

// The transcription stored under exactly `word` (already lower-cased), or the
// empty string.
std::u16string transcriptionOf(std::u16string_view word);

// Whether `word` has a non-empty transcription.
bool dictionaryHas(std::u16string_view word);

// Appends the transcription of exactly `word` to `out` if it has one, and
// says whether it did (PronunciationDictionary::appendTranscription).
bool appendTranscription(std::u16string_view word, std::u16string &out);

// Number of keys with a non-empty transcription.
std::size_t dictionarySize();

} // namespace orvanta
