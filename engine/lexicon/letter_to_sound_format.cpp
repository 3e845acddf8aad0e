#include "engine/lexicon/letter_to_sound_format.h"

#include <string_view>

namespace orvanta::lts {

namespace {

constexpr std::string_view consonantSymbols = "pbtdkgfvTDszShCGmnNwlrj";
constexpr std::string_view vowelSymbols = "IexPAuqiJRLHEOoa:";

class Writer {
public:
    void u8(unsigned value) { out_.push_back(static_cast<char>(value & 0xFF)); }
    void u16(unsigned value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void text(std::string_view value) {
        u8(static_cast<unsigned>(value.size()));
        out_.append(value);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// Reads past the end yield zeros and set failed(), so one check after a
// record is enough.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    unsigned u8() {
        if (at_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return static_cast<unsigned char>(bytes_[at_++]);
    }
    unsigned u16() {
        const unsigned low = u8();
        return low | (u8() << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t low = u16();
        return low | (static_cast<std::uint32_t>(u16()) << 16);
    }
    std::string text() {
        const std::size_t size = u8();
        if (bytes_.size() - at_ < size) {
            failed_ = true;
            return {};
        }
        std::string value(bytes_.substr(at_, size));
        at_ += size;
        return value;
    }
    bool failed() const { return failed_; }
    // Whether `count` records of at least `size` bytes can still follow:
    // a count read from a damaged file must not size a huge allocation.
    bool fits(std::uint64_t count, std::uint64_t size) const {
        return count <= (bytes_.size() - at_) / size;
    }
    bool atEnd() const { return at_ == bytes_.size(); }
    // The next `size` bytes at once, for tables of fixed-size records
    // (null, and failed(), when fewer are left).
    const unsigned char *take(std::size_t size) {
        if (bytes_.size() - at_ < size) {
            failed_ = true;
            return nullptr;
        }
        const auto *start = reinterpret_cast<const unsigned char *>(bytes_.data() + at_);
        at_ += size;
        return start;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// Also fills t.parent, as the child ranges are walked anyway.
std::string checkRanges(Tree &t, std::size_t graphoneCount) {
    const std::size_t nodeCount = t.label.size();
    const std::size_t entryCount = t.entryGraphone.size();
    if (nodeCount < 2)
        return "no root context";
    if (t.firstChild[0] != 1 || t.firstEntry[0] != 0 || t.firstChild.back() != nodeCount - 1 ||
        t.firstEntry.back() != entryCount)
        return "context ranges do not cover the tables";
    t.parent.assign(nodeCount, 0);
    for (std::size_t i = 0; i + 1 < nodeCount; ++i) {
        const std::uint32_t childBegin = t.firstChild[i], childEnd = t.firstChild[i + 1];
        const std::uint32_t entryBegin = t.firstEntry[i], entryEnd = t.firstEntry[i + 1];
        // Children come after their parent, so no walk can loop.
        if (childEnd < childBegin || childBegin <= i || entryEnd < entryBegin)
            return "context ranges out of order";
        // The order of later nodes is only checked later: bound these
        // ranges before they are walked.
        if (childEnd > nodeCount || entryEnd > entryCount)
            return "context ranges out of the tables";
        for (std::uint32_t c = childBegin; c < childEnd; ++c) {
            if (t.label[c] >= graphoneCount || (c > childBegin && t.label[c] <= t.label[c - 1]))
                return "context labels out of order";
            t.parent[c] = static_cast<std::uint32_t>(i);
        }
        for (std::uint32_t e = entryBegin; e < entryEnd; ++e) {
            if (t.entryGraphone[e] >= graphoneCount ||
                (e > entryBegin && t.entryGraphone[e] <= t.entryGraphone[e - 1]))
                return "predictions out of order";
        }
    }
    return {};
}

} // namespace

bool isPhoneSymbol(char c) {
    return c != '\0' && (consonantSymbols.find(c) != std::string_view::npos ||
                         vowelSymbols.find(c) != std::string_view::npos);
}

bool isConsonantSymbol(char c) {
    return c != '\0' && consonantSymbols.find(c) != std::string_view::npos;
}

std::string encode(const Tables &t) {
    Writer w;
    for (const char c : fileMagic)
        w.u8(static_cast<unsigned char>(c));
    w.u32(t.order);
    w.u32(t.rightToLeft ? 1 : 0);
    w.u32(static_cast<std::uint32_t>(t.phones.size()));
    w.u32(static_cast<std::uint32_t>(t.graphones.size()));
    w.u32(static_cast<std::uint32_t>(t.nodes.size()));
    w.u32(static_cast<std::uint32_t>(t.entries.size()));
    w.u32(static_cast<std::uint32_t>(t.onsets.size()));
    for (const Phone &phone : t.phones) {
        w.text(phone.code);
        w.u8(phone.stress);
        w.u8(phone.vowel ? 1 : 0);
    }
    for (const Graphone &graphone : t.graphones) {
        w.text(graphone.letters);
        w.u8(static_cast<unsigned>(graphone.phones.size()));
        for (const std::uint16_t phone : graphone.phones)
            w.u16(phone);
    }
    for (const Node &node : t.nodes) {
        w.u16(node.label);
        w.u32(node.firstChild);
        w.u32(node.firstEntry);
        w.u16(static_cast<std::uint16_t>(node.backoff));
    }
    for (const Entry &entry : t.entries) {
        w.u16(entry.graphone);
        w.u16(static_cast<std::uint16_t>(entry.logProb));
    }
    for (const Onset &onset : t.onsets) {
        w.text(onset.cluster);
        w.u8(onset.length);
    }
    return w.take();
}

std::string decode(std::string_view bytes, Tables &t) {
    Tree tree;
    if (std::string error = decode(bytes, t, tree); !error.empty())
        return error;
    const std::size_t nodeCount = tree.label.size();
    t.nodes.resize(nodeCount);
    for (std::size_t i = 0; i < nodeCount; ++i)
        t.nodes[i] = {tree.label[i], tree.firstChild[i], tree.firstEntry[i],
                      static_cast<std::int16_t>(tree.backoff[i])};
    t.entries.resize(tree.entryGraphone.size());
    for (std::size_t e = 0; e < t.entries.size(); ++e)
        t.entries[e] = {tree.entryGraphone[e], static_cast<std::int16_t>(tree.entryLogProb[e])};
    return {};
}

std::string decode(std::string_view bytes, Tables &t, Tree &tree) {
    t = Tables{};
    tree = Tree{};
    if (bytes.size() < fileMagic.size() || bytes.substr(0, fileMagic.size()) != fileMagic)
        return "not a letter-to-sound model";
    Reader r(bytes.substr(fileMagic.size()));
    t.order = r.u32();
    const std::uint32_t direction = r.u32();
    const std::uint32_t phoneCount = r.u32();
    const std::uint32_t graphoneCount = r.u32();
    const std::uint32_t nodeCount = r.u32();
    const std::uint32_t entryCount = r.u32();
    const std::uint32_t onsetCount = r.u32();
    if (r.failed())
        return "the model file is truncated";
    if (t.order < 1 || t.order > maxOrder)
        return "unsupported n-gram order";
    if (direction > 1)
        return "unknown reading direction";
    t.rightToLeft = direction == 1;
    if (phoneCount > 0xFFFF || graphoneCount > 0xFFFF || graphoneCount < 1)
        return "bad table sizes";
    if (!r.fits(phoneCount, 3) || !r.fits(graphoneCount, 2))
        return "the model file is truncated";

    t.phones.resize(phoneCount);
    for (Phone &phone : t.phones) {
        phone.code = r.text();
        const unsigned stress = r.u8();
        const unsigned vowel = r.u8();
        if (r.failed())
            return "the model file is truncated";
        if (phone.code.empty() || stress > 2 || vowel > 1 || (stress != 0 && vowel == 0))
            return "bad sound";
        for (const char c : phone.code)
            if (!isPhoneSymbol(c))
                return "bad sound";
        phone.stress = static_cast<std::uint8_t>(stress);
        phone.vowel = vowel == 1;
    }
    t.graphones.resize(graphoneCount);
    for (std::size_t g = 0; g < graphoneCount; ++g) {
        Graphone &graphone = t.graphones[g];
        graphone.letters = r.text();
        const unsigned phones = r.u8();
        if (r.failed() || phones > maxGraphonePhones)
            return r.failed() ? "the model file is truncated" : "bad graphone";
        for (unsigned p = 0; p < phones; ++p)
            graphone.phones.push_back(static_cast<std::uint16_t>(r.u16()));
        if (r.failed())
            return "the model file is truncated";
        // Graphone 0 is the word's edge; every other one spells letters.
        if ((g == 0) != graphone.letters.empty() || graphone.letters.size() > maxGraphoneLetters ||
            (g == 0 && phones != 0))
            return "bad graphone";
        for (const char c : graphone.letters)
            if (c < 'a' || c > 'z')
                return "bad graphone";
        for (const std::uint16_t phone : graphone.phones)
            if (phone >= phoneCount)
                return "bad graphone";
        // Sorted by letters, so that the graphones of a letter or a pair
        // are one run.
        if (g > 1 && graphone.letters < t.graphones[g - 1].letters)
            return "graphones out of order";
    }
    const auto u16At = [](const unsigned char *p) {
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    };
    const auto u32At = [&](const unsigned char *p) {
        return std::uint32_t{u16At(p)} | (std::uint32_t{u16At(p + 2)} << 16);
    };
    if (!r.fits(nodeCount, 12))
        return "the model file is truncated";
    const unsigned char *node = r.take(std::size_t{nodeCount} * 12);
    tree.label.resize(nodeCount);
    tree.firstChild.resize(nodeCount);
    tree.firstEntry.resize(nodeCount);
    tree.backoff.resize(nodeCount);
    for (std::size_t i = 0; i < nodeCount; ++i, node += 12) {
        tree.label[i] = u16At(node);
        tree.firstChild[i] = u32At(node + 2);
        tree.firstEntry[i] = u32At(node + 6);
        tree.backoff[i] = static_cast<std::int16_t>(u16At(node + 10));
    }
    if (!r.fits(entryCount, 4))
        return "the model file is truncated";
    const unsigned char *entry = r.take(std::size_t{entryCount} * 4);
    tree.entryGraphone.resize(entryCount);
    tree.entryLogProb.resize(entryCount);
    for (std::size_t e = 0; e < entryCount; ++e, entry += 4) {
        tree.entryGraphone[e] = u16At(entry);
        tree.entryLogProb[e] = static_cast<std::int16_t>(u16At(entry + 2));
    }
    if (!r.fits(onsetCount, 2))
        return "the model file is truncated";
    t.onsets.resize(onsetCount);
    for (std::size_t i = 0; i < onsetCount; ++i) {
        Onset &onset = t.onsets[i];
        onset.cluster = r.text();
        onset.length = static_cast<std::uint8_t>(r.u8());
        if (r.failed())
            return "the model file is truncated";
        if (onset.cluster.empty() || onset.length > onset.cluster.size() ||
            (i > 0 && onset.cluster <= t.onsets[i - 1].cluster))
            return "bad syllable table";
        for (const char c : onset.cluster)
            if (!isConsonantSymbol(c))
                return "bad syllable table";
    }
    if (r.failed())
        return "the model file is truncated";
    if (!r.atEnd())
        return "unexpected bytes after the model";
    return checkRanges(tree, t.graphones.size());
}

} // namespace orvanta::lts
