// The letter-to-sound model file: its tables as plain data, and the one
// binary layout they are written in and read back from. The trainer
// (tools/train_letter_to_sound.cpp) fills and writes them; the engine reads
// them (letter_to_sound.h). Everything is little-endian.
//
// The model is an n-gram over graphones: units of one or two letters joined
// with the zero to two sounds they spell. Graphone 0 stands for the word's
// edge (the history before the first letter and the event after the last);
// the others are sorted by their letters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::lts {

inline constexpr std::string_view fileMagic = "ORVLTS02";
inline constexpr unsigned maxOrder = 12;
inline constexpr unsigned maxGraphoneLetters = 2;
inline constexpr unsigned maxGraphonePhones = 3;
// Log probabilities are stored as thousandths of a natural log unit.
inline constexpr double logScale = 1000.0;

// One sound of the phonetic code: a vowel may carry stress (1 primary,
// 2 secondary), which the reader writes as a mark before its syllable.
struct Phone {
    std::string code;
    std::uint8_t stress = 0;
    bool vowel = false;
};

struct Graphone {
    std::string letters;               // a-z, 1..2 (empty for graphone 0)
    std::vector<std::uint16_t> phones; // indices into phones, 0..3
};

// A context of the n-gram: the node reached from the root by the history's
// graphones, latest first. Children of node i are the nodes
// [firstChild[i], firstChild[i + 1]), sorted by label; its predictions are
// the entries [firstEntry[i], firstEntry[i + 1]), sorted by graphone. The
// last node is a sentinel that only closes both ranges.
struct Node {
    std::uint16_t label = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t firstEntry = 0;
    std::int16_t backoff = 0;
};

struct Entry {
    std::uint16_t graphone = 0;
    std::int16_t logProb = 0;
};

// How many consonants before a stressed vowel belong to its syllable, by
// the consonants between it and the vowel before ("kt" -> 1: ac'tive).
struct Onset {
    std::string cluster;
    std::uint8_t length = 0;
};

struct Tables {
    std::uint32_t order = 0;
    // The graphones, their letters and their sounds run from the word's last
    // letter to its first: the n-gram reads the word backwards.
    bool rightToLeft = false;
    std::vector<Phone> phones;
    std::vector<Graphone> graphones;
    std::vector<Node> nodes;
    std::vector<Entry> entries;
    std::vector<Onset> onsets; // sorted by cluster
};

// The code characters a phone may be written with (stress marks are added
// by the reader, never stored).
bool isPhoneSymbol(char c);
bool isConsonantSymbol(char c);

// The context tree split by field, as the engine walks it: each field of
// the nodes and entries in an array of its own, and the node each node
// hangs from (the root hangs from itself).
struct Tree {
    std::vector<std::uint16_t> label;
    std::vector<std::uint32_t> firstChild;
    std::vector<std::uint32_t> firstEntry;
    std::vector<std::int32_t> backoff;
    std::vector<std::uint32_t> parent;
    std::vector<std::uint16_t> entryGraphone;
    std::vector<std::int32_t> entryLogProb;
};

std::string encode(const Tables &tables);
// Fills `tables` from `bytes`; returns an error message, empty on success.
// Every index and range is checked, so that a reader can follow them
// without further checks.
std::string decode(std::string_view bytes, Tables &tables);
// The same, with the context tree read straight into `tree` (the loader's
// layout) and `tables.nodes` and `tables.entries` left empty.
std::string decode(std::string_view bytes, Tables &tables, Tree &tree);

} // namespace orvanta::lts
