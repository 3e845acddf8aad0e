#include "engine/lexicon/homographs.h"

#include "engine/text/text.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace orvanta {

namespace {

constexpr std::pair<std::string_view, WordRole> roleNames[] = {
    {"noun", WordRole::Noun},          {"verb", WordRole::Verb},
    {"past", WordRole::Past},          {"adjective", WordRole::Adjective},
    {"before-to", WordRole::BeforeTo}, {"before-noun", WordRole::BeforeNoun},
};
static_assert(std::size(roleNames) == wordRoleCount);

std::optional<WordRole> roleNamed(std::string_view name) {
    for (const auto &[text, role] : roleNames)
        if (text == name)
            return role;
    return std::nullopt;
}

// Longer words are never homographs worth a bit of their own.
constexpr std::size_t maxWordLength = 31;

bool isLowerWord(std::string_view word) {
    return !word.empty() && word.size() <= maxWordLength &&
           std::all_of(word.begin(), word.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || c == '\''; }) &&
           word[0] != '\'';
}

} // namespace

bool HomographTable::load(const std::string &path) {
    clear();
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (file.bad())
        return false;
    loadFromBytes(bytes);
    return true;
}

void HomographTable::loadFromBytes(std::string_view bytes) {
    clear();
    while (!bytes.empty()) {
        const std::size_t lineEnd = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, lineEnd);
        bytes.remove_prefix(std::min(lineEnd + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            continue;
        const std::string_view word = line.substr(0, tab1);
        const std::optional<WordRole> role = roleNamed(line.substr(tab1 + 1, tab2 - tab1 - 1));
        const std::string_view code = line.substr(tab2 + 1);
        if (!role || !isLowerWord(word) || code.empty() ||
            !std::all_of(code.begin(), code.end(), [](char c) { return c > ' ' && c < 0x7F; }))
            continue;
        const std::u16string key(word.begin(), word.end());
        auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry &e) { return e.word == key; });
        if (entry == entries_.end()) {
            entries_.push_back({key, {}});
            entry = std::prev(entries_.end());
            lengthsByInitial_[static_cast<std::size_t>(word[0] - 'a')] |= 1u << word.size();
        }
        entry->readings[static_cast<std::size_t>(*role)] = std::u16string(code.begin(), code.end());
    }
    // In order, so that a lookup walks only the words of its initial.
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry &a, const Entry &b) { return a.word < b.word; });
    for (std::size_t i = entries_.size(); i-- > 0;)
        firstOfInitial_[static_cast<std::size_t>(entries_[i].word[0] - u'a')] =
            static_cast<std::uint32_t>(i);
}

void HomographTable::clear() {
    entries_.clear();
    lengthsByInitial_ = {};
    firstOfInitial_ = {};
}

const HomographTable::Entry *HomographTable::find(std::u16string_view word) const {
    if (word.empty() || word.size() > maxWordLength)
        return nullptr;
    const char16_t initial = lowerAscii(word[0]);
    if (initial < u'a' || initial > u'z' ||
        !(lengthsByInitial_[static_cast<std::size_t>(initial - u'a')] & (1u << word.size())))
        return nullptr;
    for (std::size_t i = firstOfInitial_[static_cast<std::size_t>(initial - u'a')];
         i < entries_.size() && entries_[i].word[0] == initial; ++i) {
        const Entry &entry = entries_[i];
        if (entry.word.size() == word.size() &&
            std::equal(word.begin(), word.end(), entry.word.begin(),
                       [](char16_t a, char16_t b) { return lowerAscii(a) == b; }))
            return &entry;
    }
    return nullptr;
}

namespace {

std::string dictionaryStem(const std::string &dictionaryPath) {
    constexpr std::string_view extension = ".txt";
    const std::size_t slash = dictionaryPath.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const bool hasExtension =
        dictionaryPath.size() >= nameStart + extension.size() + 1 &&
        std::string_view(dictionaryPath).substr(dictionaryPath.size() - extension.size()) ==
            extension;
    return hasExtension ? dictionaryPath.substr(0, dictionaryPath.size() - extension.size())
                        : dictionaryPath;
}

} // namespace

std::string homographPathFor(const std::string &dictionaryPath) {
    return dictionaryStem(dictionaryPath) + "-homographs.txt";
}

std::string letterToSoundPathFor(const std::string &dictionaryPath) {
    return dictionaryStem(dictionaryPath) + "-g2p.bin";
}

} // namespace orvanta
