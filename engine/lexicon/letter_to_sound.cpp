#include "engine/lexicon/letter_to_sound.h"
#include "engine/lexicon/letter_to_sound_format.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <tuple>
#include <vector>

namespace orvanta {

namespace lts {

namespace {

// Hypotheses kept per letter position: many differ only in stress or in
// context far back, so 12 still lost a point of held-out words to search
// errors; wider than 24 finds little more and costs time linearly.
constexpr std::size_t beamWidth = 24;
// Longer "words" are not words; their cost would grow without bound.
constexpr std::size_t maxLetters = 64;
// What an event the model never saw, even alone, costs (about e^-20).
constexpr std::int32_t unseenCost = -20000;
// Extensions this far (e^-12) behind the best one reaching the same letter
// are not followed.
constexpr std::int32_t pruneMargin = 8000;

struct Hypothesis {
    std::int32_t score;
    std::uint32_t node;
    std::uint32_t previous;
    std::uint16_t graphone;
    std::uint8_t primaries;
    std::uint8_t vowels; // counted up to 2
};

// Graphones [first, last) (ids are sorted by their letters).
struct Range {
    std::uint16_t first = 0, last = 0;
};

struct Extension {
    std::int32_t score;
    std::uint32_t from;
    std::uint16_t graphone;
};

} // namespace

// The context tree is held as the format reads it (lts::Tree, split by
// field); the rest is derived from the graphones at load.
struct Runtime : Tree {
    unsigned historyLength = 0;
    bool rightToLeft = false;
    std::vector<Phone> phones;
    // Per graphone: letters spelled, sounds, and what it adds to the stress
    // and vowel counts.
    std::vector<std::uint8_t> letterCount;
    std::vector<std::array<std::uint16_t, maxGraphonePhones>> graphonePhones;
    std::vector<std::uint8_t> phoneCount;
    std::vector<std::uint8_t> primaryCount;
    std::vector<std::uint8_t> vowelCount;
    // The graphones that spell one letter, by letter, and two, by pair.
    std::array<Range, 26> singleRange{};
    std::array<Range, 26 * 26> pairRange{};
    std::uint32_t startNode = 0;
    std::vector<Onset> onsets;

    std::uint32_t child(std::uint32_t node, std::uint16_t g) const {
        const auto begin = label.begin() + firstChild[node];
        const auto end = label.begin() + firstChild[node + 1];
        const auto found = std::lower_bound(begin, end, g);
        return found != end && *found == g ? static_cast<std::uint32_t>(found - label.begin()) : 0;
    }

    std::int32_t logProb(std::uint32_t node, std::uint16_t g) const {
        std::int32_t total = 0;
        while (node != 0) {
            const auto begin = entryGraphone.begin() + firstEntry[node];
            const auto end = entryGraphone.begin() + firstEntry[node + 1];
            const auto found = std::lower_bound(begin, end, g);
            if (found != end && *found == g)
                return total +
                       entryLogProb[static_cast<std::size_t>(found - entryGraphone.begin())];
            total += backoff[node];
            node = parent[node];
        }
        const auto begin = entryGraphone.begin() + firstEntry[0];
        const auto end = entryGraphone.begin() + firstEntry[1];
        const auto found = std::lower_bound(begin, end, g);
        return total + (found != end && *found == g
                            ? entryLogProb[static_cast<std::size_t>(found - entryGraphone.begin())]
                            : unseenCost);
    }

    // The deepest context for the history of `node` followed by `g`.
    std::uint32_t advance(std::uint32_t node, std::uint16_t g) const {
        std::array<std::uint16_t, maxOrder> older{};
        std::size_t count = 0;
        for (std::uint32_t n = node; n != 0 && count < older.size(); n = parent[n])
            older[count++] = label[n];
        std::uint32_t next = child(0, g);
        for (std::size_t i = count; next != 0 && i > 0 && count - i + 1 < historyLength; --i) {
            const std::uint32_t deeper = child(next, older[i - 1]);
            if (deeper == 0)
                break;
            next = deeper;
        }
        return historyLength == 0 ? 0 : next;
    }

    std::size_t onsetLength(std::string_view cluster) const {
        const auto find = [&](std::string_view key) -> const Onset * {
            const auto found = std::lower_bound(
                onsets.begin(), onsets.end(), key,
                [](const Onset &onset, std::string_view k) { return onset.cluster < k; });
            return found != onsets.end() && found->cluster == key ? &*found : nullptr;
        };
        if (const Onset *onset = find(cluster))
            return onset->length;
        // An unseen cluster: the longest end of it that begins syllables.
        for (std::size_t start = 1; start < cluster.size(); ++start) {
            const Onset *onset = find(cluster.substr(start));
            if (onset != nullptr && onset->length == cluster.size() - start)
                return onset->length;
        }
        return std::min<std::size_t>(cluster.size(), 1);
    }

    // The log probability of each graphone of the two ranges (the letter's
    // and the pair's) after the context `node`, given those after the empty
    // context (the same for every hypothesis at a letter, so worked out
    // once). One walk up the contexts serves both ranges: the pair's
    // graphones come after the letter's.
    void scoreRanges(std::uint32_t node, const std::array<Range, 2> &ranges,
                     const std::array<std::vector<std::int32_t>, 2> &alone,
                     std::array<std::vector<std::int32_t>, 2> &scores) const {
        constexpr std::int32_t unset = std::numeric_limits<std::int32_t>::min();
        for (std::size_t r = 0; r < 2; ++r)
            scores[r].assign(ranges[r].last - ranges[r].first, unset);
        std::int32_t total = 0;
        for (std::uint32_t at = node; at != 0; at = parent[at]) {
            const auto begin = entryGraphone.begin();
            const auto end = begin + firstEntry[at + 1];
            auto e = begin + firstEntry[at];
            for (std::size_t r = 0; r < 2; ++r) {
                const Range range = ranges[r];
                if (range.first == range.last)
                    continue;
                // Most deep contexts predict a handful of graphones.
                if (end - e > 8)
                    e = std::lower_bound(e, end, range.first);
                else
                    while (e != end && *e < range.first)
                        ++e;
                for (; e != end && *e < range.last; ++e) {
                    std::int32_t &score = scores[r][*e - range.first];
                    if (score == unset)
                        score = total + entryLogProb[static_cast<std::size_t>(e - begin)];
                }
            }
            total += backoff[at];
        }
        for (std::size_t r = 0; r < 2; ++r)
            for (std::size_t i = 0; i < scores[r].size(); ++i)
                if (scores[r][i] == unset)
                    scores[r][i] = total + alone[r][i];
    }

    void scoreAlone(Range range, std::vector<std::int32_t> &scores) const {
        scores.assign(range.last - range.first, unseenCost);
        const auto begin = entryGraphone.begin();
        auto e = std::lower_bound(begin + firstEntry[0], begin + firstEntry[1], range.first);
        for (const auto end = begin + firstEntry[1]; e != end && *e < range.last; ++e)
            scores[*e - range.first] = entryLogProb[static_cast<std::size_t>(e - begin)];
    }

    bool decode(std::string_view letters, std::vector<std::uint16_t> &path) const;
    std::u16string spell(const std::vector<std::uint16_t> &path) const;
};

bool Runtime::decode(std::string_view letters, std::vector<std::uint16_t> &path) const {
    const std::size_t n = letters.size();
    // The search's memory, kept per thread from word to word: allocating it
    // anew cost a fifth of the time of a short word.
    thread_local struct {
        std::vector<Hypothesis> arena;
        std::vector<std::uint32_t> beamStart;
        std::vector<std::vector<Extension>> pending;
        std::vector<std::int32_t> bestAt;
        std::array<std::vector<std::int32_t>, 2> alone, scores;
    } scratch;
    std::vector<Hypothesis> &arena = scratch.arena;
    std::vector<std::uint32_t> &beamStart = scratch.beamStart;
    std::vector<std::vector<Extension>> &pending = scratch.pending;
    std::vector<std::int32_t> &bestAt = scratch.bestAt;
    std::array<std::vector<std::int32_t>, 2> &scores = scratch.scores;
    std::array<std::vector<std::int32_t>, 2> &alone = scratch.alone;
    arena.clear();
    beamStart.assign(n + 2, 0);
    if (pending.size() < n + 1)
        pending.resize(n + 1);
    for (std::size_t i = 0; i <= n; ++i)
        pending[i].clear();
    bestAt.assign(n + 1, std::numeric_limits<std::int32_t>::min());
    arena.push_back({0, startNode, 0, 0, 0, 0});
    beamStart[1] = 1;
    for (std::size_t at = 0; at < n; ++at) {
        const std::size_t first = static_cast<std::size_t>(letters[at] - 'a');
        std::array<Range, 2> ranges{singleRange[first]};
        if (at + 1 < n)
            ranges[1] = pairRange[first * 26 + static_cast<std::size_t>(letters[at + 1] - 'a')];
        for (std::size_t r = 0; r < ranges.size(); ++r)
            scoreAlone(ranges[r], alone[r]);
        for (std::uint32_t h = beamStart[at]; h < beamStart[at + 1]; ++h) {
            const Hypothesis hyp = arena[h];
            // A letter the model never saw alone is passed over silently
            // rather than leaving the word unread.
            if (ranges[0].first == ranges[0].last)
                pending[at + 1].push_back({hyp.score + unseenCost, h, 0});
            // No graphone is likelier than certain: a hypothesis too far
            // behind already has nothing to add.
            if (std::int64_t{hyp.score} < std::int64_t{bestAt[at + 1]} - pruneMargin &&
                (at + 1 == n ||
                 std::int64_t{hyp.score} < std::int64_t{bestAt[at + 2]} - pruneMargin))
                continue;
            scoreRanges(hyp.node, ranges, alone, scores);
            for (std::size_t r = 0; r < ranges.size(); ++r) {
                const Range range = ranges[r];
                for (std::uint16_t g = range.first; g < range.last; ++g) {
                    if (hyp.primaries + primaryCount[g] > 1)
                        continue;
                    const std::size_t to = at + letterCount[g];
                    const std::int32_t score = hyp.score + scores[r][g - range.first];
                    if (std::int64_t{score} < std::int64_t{bestAt[to]} - pruneMargin)
                        continue;
                    bestAt[to] = std::max(bestAt[to], score);
                    pending[to].push_back({score, h, g});
                }
            }
        }
        // The next position has heard from every position that can reach it.
        std::vector<Extension> &next = pending[at + 1];
        // Only the best few are wanted, unless many of them merge.
        const auto better = [](const Extension &a, const Extension &b) {
            return a.score != b.score ? a.score > b.score
                                      : std::tie(a.from, a.graphone) < std::tie(b.from, b.graphone);
        };
        const auto head =
            next.begin() + static_cast<std::ptrdiff_t>(std::min(next.size(), 4 * beamWidth));
        std::nth_element(next.begin(), head, next.end(), better);
        std::sort(next.begin(), head, better);
        const std::size_t kept = arena.size();
        for (auto it = next.begin(); it != next.end() && arena.size() - kept < beamWidth; ++it) {
            if (it == head)
                std::sort(head, next.end(), better);
            const Extension &e = *it;
            const Hypothesis &from = arena[e.from];
            const std::uint32_t node = e.graphone == 0 ? from.node : advance(from.node, e.graphone);
            const auto primaries =
                static_cast<std::uint8_t>(from.primaries + primaryCount[e.graphone]);
            const auto vowels =
                static_cast<std::uint8_t>(std::min(2, from.vowels + vowelCount[e.graphone]));
            const bool same = std::any_of(arena.begin() + static_cast<std::ptrdiff_t>(kept),
                                          arena.end(), [&](const Hypothesis &o) {
                                              return o.node == node && o.primaries == primaries &&
                                                     o.vowels == vowels;
                                          });
            if (!same)
                arena.push_back({e.score, node, e.from, e.graphone, primaries, vowels});
        }
        next.clear();
        beamStart[at + 2] = static_cast<std::uint32_t>(arena.size());
    }
    // Words of two syllables or more have one primary stress.
    std::int64_t best = std::numeric_limits<std::int64_t>::min();
    std::uint32_t winner = 0;
    bool found = false;
    for (int pass = 0; pass < 2 && !found; ++pass) {
        for (std::uint32_t h = beamStart[n]; h < beamStart[n + 1]; ++h) {
            const Hypothesis &hyp = arena[h];
            if (pass == 0 && hyp.vowels >= 2 && hyp.primaries != 1)
                continue;
            const std::int64_t score = std::int64_t{hyp.score} + logProb(hyp.node, 0);
            if (score > best) {
                best = score;
                winner = h;
                found = true;
            }
        }
    }
    if (!found || n == 0)
        return false;
    path.clear();
    for (std::uint32_t h = winner; h != 0; h = arena[h].previous)
        path.push_back(arena[h].graphone);
    std::reverse(path.begin(), path.end());
    return true;
}

std::u16string Runtime::spell(const std::vector<std::uint16_t> &path) const {
    std::vector<const Phone *> sounds;
    for (const std::uint16_t g : path)
        for (std::size_t p = 0; p < phoneCount[g]; ++p)
            sounds.push_back(&phones[graphonePhones[g][p]]);
    if (rightToLeft)
        std::reverse(sounds.begin(), sounds.end());
    // A word of two syllables or more has a primary stress: when the path
    // has none, its first secondary one, or else its first syllable, takes it.
    std::size_t vowels = 0;
    bool primary = false;
    std::size_t promote = sounds.size();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (!sounds[i]->vowel)
            continue;
        ++vowels;
        primary = primary || sounds[i]->stress == 1;
        if (promote == sounds.size() || (sounds[i]->stress == 2 && sounds[promote]->stress != 2))
            promote = i;
    }
    if (primary || vowels < 2)
        promote = sounds.size();
    // Marks before each stressed syllable: 0 none, 1 primary, 2 secondary.
    // A word of one syllable has none, as the dictionaries write it, though
    // the model learnt its vowel as stressed.
    std::vector<std::uint8_t> mark(sounds.size() + 1, 0);
    std::size_t previousVowel = sounds.size();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (!sounds[i]->vowel)
            continue;
        const std::uint8_t stress = vowels < 2 ? 0 : i == promote ? 1 : sounds[i]->stress;
        if (stress != 0) {
            std::size_t at = 0;
            if (previousVowel != sounds.size()) {
                std::string cluster;
                for (std::size_t c = previousVowel + 1; c < i; ++c)
                    cluster += sounds[c]->code;
                std::size_t onset = onsetLength(cluster);
                at = i;
                while (at > previousVowel + 1 && onset > 0) {
                    --at;
                    onset -= std::min(onset, sounds[at]->code.size());
                }
            }
            mark[at] = stress;
        }
        previousVowel = i;
    }
    std::u16string code;
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (mark[i] != 0)
            code += mark[i] == 1 ? u'\'' : u'"';
        for (const char c : sounds[i]->code)
            code += static_cast<char16_t>(c);
    }
    return code;
}

} // namespace lts

LetterToSoundModel::LetterToSoundModel() = default;
LetterToSoundModel::~LetterToSoundModel() = default;
LetterToSoundModel::LetterToSoundModel(LetterToSoundModel &&) noexcept = default;
LetterToSoundModel &LetterToSoundModel::operator=(LetterToSoundModel &&) noexcept = default;

LetterToSoundLoad LetterToSoundModel::load(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {{}, "cannot open " + path};
    // One read of the whole file: the model is a few megabytes.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in)
        return {{}, "cannot read " + path};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), size))
        return {{}, "cannot read " + path};
    LetterToSoundLoad result = fromBytes(bytes);
    if (!result.ok())
        result.error = path + ": " + result.error;
    return result;
}

LetterToSoundLoad LetterToSoundModel::fromBytes(std::string_view bytes) {
    lts::Tables t;
    auto r = std::make_unique<lts::Runtime>();
    if (std::string error = lts::decode(bytes, t, *r); !error.empty())
        return {{}, error};
    r->historyLength = t.order - 1;
    r->rightToLeft = t.rightToLeft;
    const std::size_t graphones = t.graphones.size();
    r->letterCount.resize(graphones);
    r->graphonePhones.resize(graphones);
    r->phoneCount.resize(graphones);
    r->primaryCount.resize(graphones);
    r->vowelCount.resize(graphones);
    for (std::size_t g = 1; g < graphones; ++g) {
        const lts::Graphone &graphone = t.graphones[g];
        r->letterCount[g] = static_cast<std::uint8_t>(graphone.letters.size());
        r->phoneCount[g] = static_cast<std::uint8_t>(graphone.phones.size());
        for (std::size_t p = 0; p < graphone.phones.size(); ++p) {
            const lts::Phone &phone = t.phones[graphone.phones[p]];
            r->graphonePhones[g][p] = graphone.phones[p];
            r->primaryCount[g] =
                static_cast<std::uint8_t>(r->primaryCount[g] + (phone.stress == 1));
            r->vowelCount[g] = static_cast<std::uint8_t>(r->vowelCount[g] + phone.vowel);
        }
        const auto first = static_cast<std::size_t>(graphone.letters[0] - 'a');
        lts::Range &range =
            graphone.letters.size() == 1
                ? r->singleRange[first]
                : r->pairRange[first * 26 + static_cast<std::size_t>(graphone.letters[1] - 'a')];
        if (range.first == range.last)
            range.first = static_cast<std::uint16_t>(g);
        range.last = static_cast<std::uint16_t>(g + 1);
    }
    r->startNode = r->historyLength == 0 ? 0 : r->child(0, 0);
    r->phones = std::move(t.phones);
    r->onsets = std::move(t.onsets);

    LetterToSoundLoad result;
    result.model.runtime_ = std::move(r);
    return result;
}

std::u16string LetterToSoundModel::pronounce(std::u16string_view lowerWord) const {
    if (!runtime_)
        return {};
    std::string letters;
    for (const char16_t c : lowerWord) {
        if (c == u'\'')
            continue;
        if (c < u'a' || c > u'z' || letters.size() >= lts::maxLetters)
            return {};
        letters += static_cast<char>(c);
    }
    if (runtime_->rightToLeft)
        std::reverse(letters.begin(), letters.end());
    std::vector<std::uint16_t> path;
    if (letters.empty() || !runtime_->decode(letters, path))
        return {};
    return runtime_->spell(path);
}

} // namespace orvanta
