#include "tools/letter_to_sound_training.h"
#include "engine/lexicon/letter_to_sound_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace orvanta::lts {

namespace {

// Sounds written with two characters; every other sound is one.
constexpr std::string_view longSounds[] = {"E:", "eI", "aI", "OI", "au",
                                           "qu", "ou", "Iq", "eq", "uq"};
constexpr std::string_view vowelStarts = "IexPAuqiJRLHEOoa";

struct Word {
    std::string letters;
    std::vector<std::uint8_t> sounds; // base sounds, without stress
    std::vector<std::uint8_t> stress; // per sound
    std::vector<std::uint8_t> onset;  // per stressed vowel: sounds of its onset
    std::string code;                 // as written
};

struct Inventory {
    std::vector<std::string> codes;
    std::map<std::string, std::uint8_t> index;
    std::uint8_t of(const std::string &code) {
        const auto found = index.find(code);
        if (found != index.end())
            return found->second;
        codes.push_back(code);
        return index[code] = static_cast<std::uint8_t>(codes.size() - 1);
    }
    bool vowel(std::uint8_t sound) const {
        return vowelStarts.find(codes[sound][0]) != std::string_view::npos;
    }
};

bool parse(const std::string &word, const std::string &code, Inventory &inventory, Word &out) {
    out = Word{};
    for (const char c : word) {
        if (c >= 'a' && c <= 'z')
            out.letters += c;
        else if (c != '\'')
            return false;
    }
    if (out.letters.empty())
        return false;
    out.code = code;
    std::uint8_t pending = 0;
    std::vector<std::size_t> markAt; // sound index each mark stands before
    std::vector<std::uint8_t> markLevel;
    for (std::size_t i = 0; i < code.size();) {
        if (code[i] == '\'' || code[i] == '"') {
            pending = code[i] == '\'' ? 1 : 2;
            markAt.push_back(out.sounds.size());
            markLevel.push_back(pending);
            ++i;
            continue;
        }
        std::string sound(1, code[i]);
        for (const std::string_view two : longSounds)
            if (code.compare(i, 2, two) == 0)
                sound = two;
        if (!lts::isPhoneSymbol(sound[0]) || sound == ":")
            return false;
        const std::uint8_t id = inventory.of(sound);
        out.sounds.push_back(id);
        out.stress.push_back(inventory.vowel(id) ? pending : 0);
        if (inventory.vowel(id))
            pending = 0;
        i += sound.size();
    }
    // A word of one vowel is written without a mark, but that vowel is as
    // stressed as the stressed vowel of a longer word: counted unstressed, the
    // i of "bite" would teach nothing about the i of "biting".
    if (std::count_if(out.sounds.begin(), out.sounds.end(),
                      [&](std::uint8_t s) { return inventory.vowel(s); }) == 1)
        for (std::size_t i = 0; i < out.sounds.size(); ++i)
            if (inventory.vowel(out.sounds[i]) && out.stress[i] == 0)
                out.stress[i] = 1;
    return !out.sounds.empty() && out.sounds.size() <= 2 * out.letters.size();
}

// --- alignment -----------------------------------------------------------------------

// Graphones of the alignment, by letters and unstressed sounds, in one dense table.
struct AlignmentSpace {
    std::size_t sounds; // inventory size; `sounds` itself stands for "none"
    bool pairToPair;    // whether two letters may spell two sounds as one graphone
    bool allowed(std::size_t letters, std::size_t soundCount) const {
        return pairToPair || letters < 2 || soundCount < 2;
    }
    std::size_t index(const std::string &letters, std::size_t a, std::size_t la,
                      const std::vector<std::uint8_t> &s, std::size_t b, std::size_t lb) const {
        const std::size_t l1 = static_cast<std::size_t>(letters[a] - 'a');
        const std::size_t l2 = la == 2 ? static_cast<std::size_t>(letters[a + 1] - 'a') : 26;
        const std::size_t p1 = lb >= 1 ? s[b] : sounds;
        const std::size_t p2 = lb == 2 ? s[b + 1] : sounds;
        return ((l1 * 27 + l2) * (sounds + 1) + p1) * (sounds + 1) + p2;
    }
    std::size_t size() const { return 27 * 27 * (sounds + 1) * (sounds + 1); }
};

constexpr std::size_t maxChunkLetters = 2;
constexpr std::size_t maxChunkSounds = 2;

// One pass over every word: adds each graphone's expected count under `p` to `counts`
// and returns the log likelihood. With `p` empty every possible graphone counts once.
double expectation(const std::vector<Word> &words, const AlignmentSpace &space,
                   const std::vector<double> &p, std::vector<double> &counts) {
    double logLikelihood = 0;
    std::vector<double> alpha, beta;
    for (const Word &w : words) {
        const std::size_t n = w.letters.size(), m = w.sounds.size(), cols = m + 1;
        alpha.assign((n + 1) * cols, 0.0);
        beta.assign((n + 1) * cols, 0.0);
        const auto prob = [&](std::size_t i, std::size_t la, std::size_t j, std::size_t lb) {
            if (!space.allowed(la, lb))
                return 0.0;
            // The first pass leans to one letter for one sound, so that
            // alignments start from the plainest reading.
            if (p.empty())
                return la == 1 && lb == 1 ? 1.0 : 0.1;
            return p[space.index(w.letters, i, la, w.sounds, j, lb)];
        };
        alpha[0] = 1;
        for (std::size_t i = 0; i <= n; ++i)
            for (std::size_t j = 0; j <= m; ++j)
                for (std::size_t la = 1; la <= maxChunkLetters && la <= i; ++la)
                    for (std::size_t lb = 0; lb <= maxChunkSounds && lb <= j; ++lb)
                        alpha[i * cols + j] +=
                            alpha[(i - la) * cols + j - lb] * prob(i - la, la, j - lb, lb);
        beta[n * cols + m] = 1;
        for (std::size_t i = n + 1; i-- > 0;)
            for (std::size_t j = m + 1; j-- > 0;)
                for (std::size_t la = 1; la <= maxChunkLetters && i + la <= n; ++la)
                    for (std::size_t lb = 0; lb <= maxChunkSounds && j + lb <= m; ++lb)
                        beta[i * cols + j] += prob(i, la, j, lb) * beta[(i + la) * cols + j + lb];
        const double total = alpha[n * cols + m];
        if (!(total > 0))
            continue;
        logLikelihood += std::log(total);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j <= m; ++j) {
                if (alpha[i * cols + j] == 0)
                    continue;
                for (std::size_t la = 1; la <= maxChunkLetters && i + la <= n; ++la)
                    for (std::size_t lb = 0; lb <= maxChunkSounds && j + lb <= m; ++lb)
                        if (space.allowed(la, lb))
                            counts[space.index(w.letters, i, la, w.sounds, j, lb)] +=
                                alpha[i * cols + j] * prob(i, la, j, lb) *
                                beta[(i + la) * cols + j + lb] / total;
            }
    }
    return logLikelihood;
}

std::vector<double> normalised(const std::vector<double> &counts) {
    double total = 0;
    for (const double c : counts)
        total += c;
    std::vector<double> p(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i)
        p[i] = counts[i] / total;
    return p;
}

struct Chunk {
    std::size_t letters, sounds;
};

// The most likely split of a word into graphones, as (letters, sounds) per chunk.
std::vector<Chunk> bestAlignment(const Word &w, const AlignmentSpace &space,
                                 const std::vector<double> &p) {
    const std::size_t n = w.letters.size(), m = w.sounds.size(), cols = m + 1;
    std::vector<double> score((n + 1) * cols, -1e300);
    std::vector<Chunk> from((n + 1) * cols, {0, 0});
    score[0] = 0;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 0; j <= m; ++j)
            for (std::size_t la = 1; la <= maxChunkLetters && la <= i; ++la)
                for (std::size_t lb = 0; lb <= maxChunkSounds && lb <= j; ++lb) {
                    const double q =
                        space.allowed(la, lb)
                            ? p[space.index(w.letters, i - la, la, w.sounds, j - lb, lb)]
                            : 0.0;
                    const double s = score[(i - la) * cols + j - lb] + std::log(q);
                    if (q > 0 && s > score[i * cols + j]) {
                        score[i * cols + j] = s;
                        from[i * cols + j] = {la, lb};
                    }
                }
    std::vector<Chunk> chunks;
    for (std::size_t i = n, j = m; i > 0;) {
        const Chunk c = from[i * cols + j];
        if (c.letters == 0)
            return {};
        chunks.push_back(c);
        i -= c.letters;
        j -= c.sounds;
    }
    std::reverse(chunks.begin(), chunks.end());
    return chunks;
}

// --- n-gram --------------------------------------------------------------------------

using Gram = std::u16string; // graphone ids, oldest first; the last is predicted

struct Order {
    std::vector<Gram> grams; // sorted
    std::vector<std::uint32_t> raw, count;
    std::vector<double> p; // interpolated, before pruning
    std::vector<bool> kept;
    std::size_t find(const Gram &g) const {
        const auto at = std::lower_bound(grams.begin(), grams.end(), g);
        return at != grams.end() && *at == g ? static_cast<std::size_t>(at - grams.begin())
                                             : grams.size();
    }
};

struct NGramModel {
    std::vector<Order> orders; // orders[k - 1]: k-grams
    std::unordered_map<Gram, double> keptP, backoff;

    double prunedP(const Gram &context, char16_t w) const {
        Gram key = context + w;
        for (double weight = 1;; key.erase(0, 1)) {
            const auto found = keptP.find(key);
            if (found != keptP.end())
                return weight * found->second;
            if (key.size() == 1)
                return 0;
            const auto b = backoff.find(key.substr(0, key.size() - 1));
            weight *= b == backoff.end() ? 1.0 : b->second;
        }
    }
};

NGramModel countModel(const std::vector<std::vector<std::uint16_t>> &sequences, std::size_t order,
                      std::size_t vocabulary, double prune) {
    NGramModel model;
    model.orders.resize(order);
    for (std::size_t k = 1; k <= order; ++k) {
        Order &o = model.orders[k - 1];
        std::vector<Gram> all;
        for (const auto &s : sequences) {
            Gram padded(1, 0);
            for (const std::uint16_t g : s)
                padded += static_cast<char16_t>(g);
            padded += char16_t{0};
            for (std::size_t end = 1; end < padded.size(); ++end)
                if (end + 1 >= k)
                    all.push_back(padded.substr(end + 1 - k, k));
        }
        std::sort(all.begin(), all.end());
        for (std::size_t i = 0; i < all.size();) {
            std::size_t j = i;
            while (j < all.size() && all[j] == all[i])
                ++j;
            o.grams.push_back(all[i]);
            o.raw.push_back(static_cast<std::uint32_t>(j - i));
            i = j;
        }
        o.count = o.raw;
    }
    // Kneser-Ney: a lower order counts the different words seen before it, except
    // n-grams at the start of a word, which have nothing before them.
    for (std::size_t k = 1; k < order; ++k) {
        Order &o = model.orders[k - 1];
        std::vector<Gram> suffixes;
        for (const Gram &g : model.orders[k].grams)
            suffixes.push_back(g.substr(1));
        std::sort(suffixes.begin(), suffixes.end());
        for (std::size_t i = 0; i < suffixes.size();) {
            std::size_t j = i;
            while (j < suffixes.size() && suffixes[j] == suffixes[i])
                ++j;
            const std::size_t at = o.find(suffixes[i]);
            if (at < o.grams.size() && suffixes[i][0] != 0)
                o.count[at] = static_cast<std::uint32_t>(j - i);
            i = j;
        }
    }
    for (std::size_t k = 1; k <= order; ++k) {
        Order &o = model.orders[k - 1];
        std::array<double, 5> n{};
        for (const std::uint32_t c : o.count)
            if (c <= 4)
                n[c] += 1;
        const double y = n[1] / std::max(1.0, n[1] + 2 * n[2]);
        const std::array<double, 4> d = {
            0, std::clamp(1 - 2 * y * n[2] / std::max(1.0, n[1]), 0.05, 0.95),
            std::clamp(2 - 3 * y * n[3] / std::max(1.0, n[2]), 0.1, 1.9),
            std::clamp(3 - 4 * y * n[4] / std::max(1.0, n[3]), 0.1, 2.9)};
        o.p.resize(o.grams.size());
        o.kept.resize(o.grams.size());
        for (std::size_t i = 0; i < o.grams.size();) {
            std::size_t j = i;
            double total = 0;
            std::array<double, 4> kinds{};
            while (j < o.grams.size() && o.grams[j].compare(0, k - 1, o.grams[i], 0, k - 1) == 0) {
                total += o.count[j];
                kinds[std::min<std::uint32_t>(o.count[j], 3)] += 1;
                ++j;
            }
            const double gamma = (d[1] * kinds[1] + d[2] * kinds[2] + d[3] * kinds[3]) / total;
            for (std::size_t g = i; g < j; ++g) {
                const double lower =
                    k == 1 ? 1.0 / static_cast<double>(vocabulary)
                           : model.orders[k - 2].p[model.orders[k - 2].find(o.grams[g].substr(1))];
                o.p[g] = (o.count[g] - d[std::min<std::uint32_t>(o.count[g], 3)]) / total +
                         gamma * lower;
                // Weighted difference (Seymore and Rosenfeld, 1996): what the
                // training words would lose if the n-gram were left to its
                // shorter context, taking the interpolation weight for the
                // back-off weight it would get. Keeps the rare n-grams that
                // say something the shorter context does not, and drops the
                // frequent ones it already predicts.
                o.kept[g] = k <= 2 || prune <= 0 ||
                            o.raw[g] * (std::log(o.p[g]) -
                                        std::log(gamma * model.prunedP(o.grams[g].substr(1, k - 2),
                                                                       o.grams[g].back()))) >=
                                prune;
            }
            i = j;
        }
        // Renormalised back-off weights of the pruned model, context by context.
        for (std::size_t i = 0; i < o.grams.size(); ++i)
            if (o.kept[i])
                model.keptP[o.grams[i]] = o.p[i];
        if (k == 1)
            continue;
        for (std::size_t i = 0; i < o.grams.size();) {
            std::size_t j = i;
            double keptHere = 0, keptLower = 0;
            const Gram context = o.grams[i].substr(0, k - 1);
            while (j < o.grams.size() && o.grams[j].compare(0, k - 1, context) == 0) {
                if (o.kept[j]) {
                    keptHere += o.p[j];
                    keptLower += model.prunedP(context.substr(1), o.grams[j].back());
                }
                ++j;
            }
            if (keptHere > 0)
                model.backoff[context] =
                    std::max(1e-12, 1 - keptHere) / std::max(1e-12, 1 - keptLower);
            i = j;
        }
    }
    return model;
}

std::int16_t quantised(double p) {
    return static_cast<std::int16_t>(
        std::clamp(std::lround(std::log(p) * lts::logScale), -32767L, 32767L));
}

// The context tree: every context of a kept n-gram and every stretch of one, so that
// the deepest context of a history followed by a graphone is found from the deepest
// context of the history alone.
void writeTree(const NGramModel &model, lts::Tables &t) {
    std::vector<Gram> contexts(1);
    for (const auto &[gram, p] : model.keptP)
        for (std::size_t a = 0; a + 1 < gram.size(); ++a)
            for (std::size_t b = a + 1; b < gram.size(); ++b)
                contexts.push_back(gram.substr(a, b - a));
    // Paths from the root run latest first.
    for (Gram &c : contexts)
        std::reverse(c.begin(), c.end());
    std::sort(contexts.begin(), contexts.end(), [](const Gram &a, const Gram &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    contexts.erase(std::unique(contexts.begin(), contexts.end()), contexts.end());
    std::map<Gram, std::uint32_t> index;
    for (std::size_t i = 0; i < contexts.size(); ++i)
        index[contexts[i]] = static_cast<std::uint32_t>(i);
    std::vector<std::uint32_t> children(contexts.size(), 0);
    for (std::size_t i = 1; i < contexts.size(); ++i)
        ++children[index.at(contexts[i].substr(0, contexts[i].size() - 1))];
    std::map<Gram, std::vector<std::pair<std::uint16_t, double>>> predictions;
    for (const auto &[gram, p] : model.keptP)
        predictions[gram.substr(0, gram.size() - 1)].emplace_back(gram.back(), p);
    std::uint32_t nextChild = 1;
    for (std::size_t i = 0; i < contexts.size(); ++i) {
        lts::Node node;
        node.label = contexts[i].empty() ? 0 : contexts[i].back();
        node.firstChild = nextChild;
        node.firstEntry = static_cast<std::uint32_t>(t.entries.size());
        Gram context(contexts[i].rbegin(), contexts[i].rend());
        const auto b = model.backoff.find(context);
        node.backoff = b == model.backoff.end() ? 0 : quantised(b->second);
        nextChild += children[i];
        t.nodes.push_back(node);
        auto found = predictions.find(context);
        if (found == predictions.end())
            continue;
        std::sort(found->second.begin(), found->second.end());
        for (const auto &[g, p] : found->second)
            t.entries.push_back({g, quantised(p)});
    }
    lts::Node sentinel;
    sentinel.firstChild = nextChild;
    sentinel.firstEntry = static_cast<std::uint32_t>(t.entries.size());
    t.nodes.push_back(sentinel);
}

// --- syllables -----------------------------------------------------------------------

void countOnsets(const std::vector<Word> &words, const Inventory &inv, lts::Tables &t) {
    std::map<std::string, std::map<std::size_t, std::size_t>> medial;
    std::map<std::string, bool> initial;
    for (const Word &w : words) {
        std::size_t previous = w.sounds.size();
        std::size_t stressed = 0;
        for (std::size_t i = 0; i < w.sounds.size(); ++i) {
            if (!inv.vowel(w.sounds[i]))
                continue;
            std::string cluster;
            for (std::size_t c = previous == w.sounds.size() ? 0 : previous + 1; c < i; ++c)
                cluster += inv.codes[w.sounds[c]];
            if (w.stress[i] != 0 && stressed < w.onset.size()) {
                if (previous == w.sounds.size()) {
                    if (!cluster.empty())
                        initial[cluster] = true;
                } else if (!cluster.empty()) {
                    ++medial[cluster][w.onset[stressed]];
                }
                ++stressed;
            }
            previous = i;
        }
    }
    std::map<std::string, std::uint8_t> table;
    for (const auto &[cluster, lengths] : medial) {
        std::size_t best = 0, votes = 0;
        for (const auto &[length, n] : lengths)
            if (n > votes) {
                best = length;
                votes = n;
            }
        table[cluster] = static_cast<std::uint8_t>(best);
    }
    for (const auto &[cluster, _] : initial)
        table.emplace(cluster, static_cast<std::uint8_t>(cluster.size()));
    for (const auto &[cluster, length] : table)
        if (cluster.size() < 256)
            t.onsets.push_back({cluster, length});
}

// The sounds each stressed vowel's mark stands before, counted back from the vowel.
void findOnsets(const std::string &code, const Inventory &inv, Word &w) {
    std::size_t sound = 0;
    std::vector<std::size_t> markBefore;
    for (std::size_t i = 0; i < code.size();) {
        if (code[i] == '\'' || code[i] == '"') {
            markBefore.push_back(sound);
            ++i;
            continue;
        }
        i += inv.codes[w.sounds[sound]].size();
        ++sound;
    }
    std::size_t mark = 0;
    for (std::size_t i = 0; i < w.sounds.size(); ++i)
        if (inv.vowel(w.sounds[i]) && w.stress[i] != 0 && mark < markBefore.size())
            w.onset.push_back(static_cast<std::uint8_t>(i - std::min(i, markBefore[mark++])));
}

} // namespace

TrainedModel train(const std::vector<TrainingEntry> &entries, const TrainingOptions &options,
                   std::ostream *log) {
    Inventory inventory;
    std::vector<Word> training;
    for (const TrainingEntry &entry : entries) {
        Word w;
        if (!parse(entry.word, entry.code, inventory, w))
            continue;
        findOnsets(entry.code, inventory, w);
        training.push_back(std::move(w));
    }
    if (log)
        *log << training.size() << " words to train on, " << inventory.codes.size() << " sounds\n";
    // The graphones are learnt from the word's end back when so asked: what a
    // vowel letter says hangs more on what follows it (a silent e, a suffix)
    // than on what came before. Syllables are counted on the words as written.
    std::vector<Word> reversed;
    if (options.rightToLeft) {
        reversed = training;
        for (Word &w : reversed) {
            std::reverse(w.letters.begin(), w.letters.end());
            std::reverse(w.sounds.begin(), w.sounds.end());
            std::reverse(w.stress.begin(), w.stress.end());
        }
    }
    const std::vector<Word> &aligned = options.rightToLeft ? reversed : training;

    const AlignmentSpace space{inventory.codes.size(), options.pairToPair};
    std::vector<double> counts(space.size(), 0.0);
    expectation(aligned, space, {}, counts);
    std::vector<double> p = normalised(counts);
    for (std::size_t i = 0; i < options.iterations; ++i) {
        std::fill(counts.begin(), counts.end(), 0.0);
        const double ll = expectation(aligned, space, p, counts);
        p = normalised(counts);
        if (log)
            *log << "alignment pass " << i + 1 << ": log likelihood " << ll << '\n';
    }
    Tables t;
    t.order = static_cast<std::uint32_t>(options.order);
    t.rightToLeft = options.rightToLeft;
    std::map<std::pair<std::uint8_t, std::uint8_t>, std::uint16_t> phoneIndex;
    std::map<std::pair<std::string, std::vector<std::uint16_t>>, std::uint16_t> graphoneIndex;
    t.graphones.push_back({});
    std::vector<std::vector<std::uint16_t>> sequences;
    for (const Word &w : aligned) {
        const std::vector<Chunk> chunks = bestAlignment(w, space, p);
        std::vector<std::uint16_t> sequence;
        std::size_t i = 0, j = 0;
        for (const Chunk &c : chunks) {
            Graphone g{w.letters.substr(i, c.letters), {}};
            for (std::size_t s = j; s < j + c.sounds; ++s) {
                const auto key = std::make_pair(w.sounds[s], w.stress[s]);
                auto found = phoneIndex.find(key);
                if (found == phoneIndex.end()) {
                    found = phoneIndex.emplace(key, t.phones.size()).first;
                    t.phones.push_back(
                        {inventory.codes[w.sounds[s]], w.stress[s], inventory.vowel(w.sounds[s])});
                }
                g.phones.push_back(found->second);
            }
            const auto key = std::make_pair(g.letters, g.phones);
            auto found = graphoneIndex.find(key);
            if (found == graphoneIndex.end()) {
                found = graphoneIndex.emplace(key, t.graphones.size()).first;
                t.graphones.push_back(g);
            }
            sequence.push_back(found->second);
            i += c.letters;
            j += c.sounds;
        }
        if (!chunks.empty())
            sequences.push_back(std::move(sequence));
    }
    // The reader wants the graphones of each letter and pair together.
    std::vector<std::uint16_t> byLetters(t.graphones.size());
    for (std::size_t g = 0; g < byLetters.size(); ++g)
        byLetters[g] = static_cast<std::uint16_t>(g);
    std::sort(byLetters.begin() + 1, byLetters.end(), [&](std::uint16_t a, std::uint16_t b) {
        return std::tie(t.graphones[a].letters, t.graphones[a].phones) <
               std::tie(t.graphones[b].letters, t.graphones[b].phones);
    });
    std::vector<std::uint16_t> renumbered(byLetters.size());
    std::vector<Graphone> sorted;
    for (std::size_t g = 0; g < byLetters.size(); ++g) {
        renumbered[byLetters[g]] = static_cast<std::uint16_t>(g);
        sorted.push_back(t.graphones[byLetters[g]]);
    }
    t.graphones = std::move(sorted);
    for (auto &sequence : sequences)
        for (std::uint16_t &g : sequence)
            g = renumbered[g];
    if (log)
        *log << t.graphones.size() << " graphones\n";
    const NGramModel ngrams =
        countModel(sequences, options.order, t.graphones.size(), options.prune);
    writeTree(ngrams, t);
    countOnsets(training, inventory, t);
    TrainedModel model;
    model.bytes = encode(t);
    model.contexts = t.nodes.size();
    model.ngrams = t.entries.size();
    model.words = training.size();
    return model;
}

} // namespace orvanta::lts
