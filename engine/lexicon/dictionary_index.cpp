#include "engine/lexicon/dictionary_index.h"

#include "engine/lexicon/separator_scan.h"

namespace orvanta {

using detail::hashKey;
using detail::longField;
using detail::overFull;
using detail::scanBlock;
using detail::SeparatorMasks;
using detail::separatorsIn;
using detail::separatorsInPortable;
using detail::slotOffsetMask;

namespace {

void prefetch([[maybe_unused]] const void *address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#endif
}

} // namespace

void PronunciationDictionary::Indexer::scan(std::size_t end, bool toEnd, bool complete) {
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
        // Counted up to three, which is all endLine asks: without a
        // popcount instruction in the baseline x86-64 target, std::popcount
        // is a library call per block.
        const std::uint64_t beyondFirst = tabs & (tabs - 1);
        tabCount +=
            1 + (beyondFirst != 0 ? 1 : 0) + ((beyondFirst & (beyondFirst - 1)) != 0 ? 1 : 0);
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

} // namespace orvanta
