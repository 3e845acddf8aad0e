// Words spelled alike and said differently by role ("to read" / "have
// read"), with one reading per role, as listed in the table file that is
// generated beside each dictionary.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The roles the sentence context can tell apart.
enum class WordRole : unsigned char {
    Noun,      // after a determiner or a preposition: "the record"
    Verb,      // after "to", a modal, or before an object: "to record"
    Past,      // after "have": "have read"
    Adjective, // after "be", "very": "is content"
    BeforeTo,  // "used to"
    // Before a noun it describes, where that differs from the noun's own
    // reading: "lead pipes" (the metal), "take the lead".
    BeforeNoun,
};
inline constexpr std::size_t wordRoleCount = 6;

class HomographTable {
public:
    // The readings of one word, in phonetic code; empty where the table
    // gives none for a role.
    struct Entry {
        std::u16string word;
        std::array<std::u16string, wordRoleCount> readings;
        const std::u16string &reading(WordRole role) const {
            return readings[static_cast<std::size_t>(role)];
        }
    };

    // Replaces the content with the table file at `path`; a missing or
    // unreadable file leaves the table empty and returns false.
    bool load(const std::string &path);
    // Lines "word TAB role TAB code"; "#" starts a comment line. Lines with
    // an unknown role, a word that is not lower-case ASCII or an empty code
    // are skipped.
    void loadFromBytes(std::string_view bytes);
    void clear();
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // The entry of `word` (any case), or null.
    const Entry *find(std::u16string_view word) const;

private:
    std::vector<Entry> entries_;
    // Bit n of lengthsByInitial_[c - 'a'] is set when some entry starts with
    // c and has n letters: almost every word of a text is turned away here.
    std::array<std::uint32_t, 26> lengthsByInitial_{};
    // Entries are sorted; the index of the first with each initial (only
    // read for initials that have one).
    std::array<std::uint32_t, 26> firstOfInitial_{};
};

// The table file that belongs to the dictionary at `dictionaryPath`: the
// same name with "-homographs" before its ".txt" ("data/x.txt" ->
// "data/x-homographs.txt").
std::string homographPathFor(const std::string &dictionaryPath);
// The letter-to-sound model of the same dictionary: "data/x.txt" ->
// "data/x-g2p.bin" (letter_to_sound.h).
std::string letterToSoundPathFor(const std::string &dictionaryPath);

} // namespace orvanta
