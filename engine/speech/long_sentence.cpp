#include "engine/speech/long_sentence.h"

#include "engine/reading/reading.h"
#include "engine/speech/connected_speech.h"
#include "engine/speech/word_classes.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvanta {

// Takes the words of a sentence as they come (from the reading stage or
// from normalisation) and says them a window at a time: a word is said once
// the context words after it have come, with the context words before it.
class LongSentence {
public:
    // `write` null: the words are only looked at for pastTime().
    LongSentence(const TranscriptionEngine &engine, bool read, std::size_t windowWords,
                 const TranscriptionEngine::Writer *write)
        : engine_(engine), read_(read), windowWords_(std::max<std::size_t>(windowWords, 1)),
          write_(write) {}

    static ReadingContext readingContext(const TranscriptionEngine &engine) {
        return engine.readingContext();
    }
    // The reading's pause marks are in the words: noted against the word
    // they follow and dropped, as transcribeReadSentence does.
    void notePauseMarks() { compact_ = true; }
    // The pause marks of normalisation, by word index.
    void takePauses(const PauseMarks &pauses) { givenPauses_ = &pauses; }
    void askPastTime(const std::function<bool()> *ask) { askPastTime_ = ask; }
    bool pastTime() const { return pastTime_; }

    void feed(std::u16string_view piece);
    void finish();

private:
    bool pauseAt(std::size_t word) const {
        if (givenPauses_ != nullptr)
            return word < givenPauses_->size() && (*givenPauses_)[word];
        const std::size_t at = word - base_;
        return at < pauses_.size() && pauses_[at];
    }
    void say(std::size_t end, std::size_t contextEnd);
    void scan(std::u16string_view piece);

    const TranscriptionEngine &engine_;
    const bool read_;
    const std::size_t windowWords_;
    const TranscriptionEngine::Writer *write_;
    bool compact_ = false;
    const PauseMarks *givenPauses_ = nullptr;
    bool pastTime_ = false; // what scan found
    const std::function<bool()> *askPastTime_ = nullptr;

    // The words from the sentence's word base_ on, parted by spaces; the
    // last may still grow.
    std::u16string words_;
    std::size_t front_ = 0; // where word base_ starts in words_
    PauseMarks pauses_;     // from base_ on
    std::size_t base_ = 0;
    std::size_t spaces_ = 0; // in the whole sentence: its words known to be whole
    bool kept_ = false;      // whether anything was kept
    std::size_t next_ = 0;   // the first word not said yet
    std::u16string out_ = u"[";
    std::unordered_map<std::u16string, std::u16string> guesses_;
    // The word being scanned (write_ null), as far as its first letters.
    char16_t scanWord_[10] = {};
    std::size_t scanned_ = 0;
};

void LongSentence::scan(std::u16string_view piece) {
    // The words as feed would keep them, looked at and forgotten: the
    // longest word sought has ten letters.
    constexpr std::size_t longest = 10;
    for (const char16_t c : piece) {
        if (c == u' ') {
            if (scanned_ <= longest && scanned_ > 0)
                pastTime_ =
                    pastTime_ || words::isPastTimeWord(std::u16string_view(scanWord_, scanned_));
            scanned_ = 0;
        } else if (!compact_ || (c >= u'a' && c <= u'z') || !marksPause(c)) {
            if (scanned_ < longest)
                scanWord_[scanned_] = c;
            ++scanned_;
        }
    }
}

void LongSentence::feed(std::u16string_view piece) {
    if (write_ == nullptr) {
        scan(piece);
        return;
    }
    // A piece may be the reading of one long number: taken a slice at a
    // time, so that no more than a slice waits to be said.
    constexpr std::size_t slice = 32 * 1024;
    while (piece.size() > slice) {
        feed(piece.substr(0, slice));
        piece.remove_prefix(slice);
    }
    if (!compact_) {
        words_ += piece;
        spaces_ += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), u' '));
        kept_ = kept_ || !piece.empty();
    } else {
        const char16_t *c = piece.data();
        const char16_t *const end = c + piece.size();
        while (c != end) {
            // Letters, and whatever else is neither a space nor a pause
            // mark, are kept as they come.
            const char16_t *const run = c;
            while (c != end && ((*c >= u'a' && *c <= u'z') || (*c != u' ' && !marksPause(*c))))
                ++c;
            if (c != run) {
                words_.append(run, static_cast<std::size_t>(c - run));
                kept_ = true;
            }
            if (c == end)
                break;
            if (*c == u' ') {
                if (kept_ && words_.back() != u' ') {
                    words_ += u' ';
                    ++spaces_;
                }
            } else if (kept_) {
                const std::size_t word = words_.back() == u' ' ? spaces_ - 1 : spaces_;
                if (pauses_.size() <= word - base_)
                    pauses_.resize(word - base_ + 1, false);
                pauses_[word - base_] = true;
            }
            ++c;
        }
    }
    // A word is said once the context after it is whole.
    const std::size_t context = PhraseWindow::contextWords;
    while (spaces_ >= next_ + windowWords_ + context)
        say(next_ + windowWords_, next_ + windowWords_ + context);
    if (front_ > words_.size() / 2) {
        words_.erase(0, front_);
        front_ = 0;
    }
}

void LongSentence::finish() {
    if (write_ == nullptr) {
        scan(u" ");
        return;
    }
    if (compact_ && kept_ && words_.back() == u' ') {
        words_.pop_back();
        --spaces_;
    }
    if (!kept_) {
        (*write_)(u"[]");
        return;
    }
    const std::size_t words = spaces_ + 1;
    while (next_ < words) {
        const std::size_t end = std::min(next_ + windowWords_, words);
        say(end, std::min(end + PhraseWindow::contextWords, words));
    }
    out_ += u']';
    (*write_)(out_);
}

void LongSentence::say(std::size_t end, std::size_t contextEnd) {
    const std::size_t context = PhraseWindow::contextWords;
    // The words before the next window's context are dropped as it is
    // said, so the context before this one starts the words kept.
    const std::size_t first = base_;
    const std::size_t keep = end > base_ + context ? end - context : base_;
    // One walk finds where the next window's context starts and where this
    // one's ends.
    std::size_t keepStart = front_;
    std::size_t at = front_;
    for (std::size_t k = first;; ++k) {
        if (k == keep)
            keepStart = at;
        if (k + 1 == contextEnd)
            break;
        at = words_.find(u' ', at) + 1;
    }
    const std::size_t space = words_.find(u' ', at);
    const std::size_t stop = space == std::u16string::npos ? words_.size() : space;
    const std::u16string_view view = std::u16string_view(words_).substr(front_, stop - front_);
    PauseMarks pauses(contextEnd - first);
    for (std::size_t k = first; k < contextEnd; ++k)
        pauses[k - first] = pauseAt(k);
    PhraseWindow window;
    window.base = first;
    window.from = next_ - first;
    window.to = end - first;
    window.pastTime = askPastTime_;
    engine_.appendPhrase(view, pauses, read_ && engine_.options_.guessUnknownWords, read_, &window,
                         out_, &guesses_);
    if (out_.size() >= 16 * 1024) {
        (*write_)(out_);
        out_.clear();
    }
    next_ = end;
    if (givenPauses_ == nullptr)
        pauses_.erase(pauses_.begin(), pauses_.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                             keep - base_, pauses_.size())));
    base_ = keep;
    front_ = keepStart;
}

void transcribeInWindows(const TranscriptionEngine &engine, std::u16string_view sentence, bool read,
                         std::size_t windowWords, const TranscriptionEngine::Writer &write) {
    const ReadingContext context = LongSentence::readingContext(engine);
    PauseMarks pauses;
    std::u16string words;
    if (!read) {
        words = normalizeMarkingPauses(std::u16string(sentence), &pauses);
        if (words.empty()) {
            write(engine.transcribeSentence(std::u16string(sentence)));
            return;
        }
    }
    const auto feedAll = [&](LongSentence &sentenceWords) {
        if (read) {
            if (context.pauseMarks)
                sentenceWords.notePauseMarks();
            readText(sentence, context,
                     [&sentenceWords](std::u16string_view piece) { sentenceWords.feed(piece); });
        } else {
            sentenceWords.feed(words);
        }
        sentenceWords.finish();
    };
    // One word anywhere can set the whole sentence in the past; a second
    // pass looks for it, but only if a word's reading turns on it.
    std::optional<bool> pastTime;
    const std::function<bool()> askPastTime = [&]() {
        if (!pastTime) {
            LongSentence scan(engine, read, windowWords, nullptr);
            feedAll(scan);
            pastTime = scan.pastTime();
        }
        return *pastTime;
    };
    LongSentence said(engine, read, windowWords, &write);
    if (!read)
        said.takePauses(pauses);
    said.askPastTime(&askPastTime);
    feedAll(said);
}

} // namespace orvanta
