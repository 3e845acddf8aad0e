#include "engine/text/sentence_cutter.h"

#include <algorithm>

namespace orvanta {

namespace {

bool isMark(char16_t c) {
    return c == u'.' || c == u'?' || c == u'!';
}

} // namespace

bool isCutSpace(char16_t c) {
    if (c <= u' ')
        return c == u' ' || (c >= u'\t' && c <= u'\r');
    if (c < u'\u0085')
        return false;
    switch (c) {
    case u'\u0085':
    case u'\u00A0':
    case u'\u1680':
    case u'\u180E':
    case u'\u2028':
    case u'\u2029':
    case u'\u202F':
    case u'\u205F':
    case u'\u3000':
        return true;
    default:
        return c >= u'\u2000' && c <= u'\u200A';
    }
}

void SentenceCutter::feed(std::u16string_view text, std::vector<std::u16string> &sentences) {
    if (!joinLines_) {
        cut(text, sentences);
        return;
    }
    joined_.clear();
    joiner_.feed(text, joined_);
    cut(joined_, sentences);
}

void SentenceCutter::cut(std::u16string_view text, std::vector<std::u16string> &sentences) {
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size) {
        switch (state_) {
        case State::Text: {
            // Characters are copied in runs up to the next place that may cut.
            const std::size_t runStart = i;
            bool afterMark = afterMark_;
            for (; i < size; ++i) {
                const char16_t c = text[i];
                // A mark's white space comes before a line feed in it:
                // «.\n\n» is one cut, given the mark.
                if (afterMark && isCutSpace(c))
                    break;
                if (c == u'\n')
                    break;
                afterMark = isMark(c);
            }
            piece_.append(text.substr(runStart, i - runStart));
            afterMark_ = afterMark;
            if (i == size)
                return;
            if (afterMark) {
                markAt_ = piece_.size() - 1;
                piece_ += text[i];
                state_ = State::Spaces;
                afterMark_ = false;
            } else {
                cutAtLineFeed(sentences);
            }
            ++i;
            break;
        }
        case State::Spaces: {
            const std::size_t runStart = i;
            while (i < size && isCutSpace(text[i]))
                ++i;
            piece_.append(text.substr(runStart, i - runStart));
            if (i < size)
                state_ = State::NextToken;
            break;
        }
        case State::NextToken: {
            const std::size_t runStart = i;
            const std::size_t room = nextTokenLength - token_.size();
            while (i < size && i - runStart < room && !isCutSpace(text[i]))
                ++i;
            token_.append(text.substr(runStart, i - runStart));
            if (i < size)
                decide(sentences);
            break;
        }
        }
    }
}

void SentenceCutter::finish(std::vector<std::u16string> &sentences) {
    if (joinLines_) {
        joined_.clear();
        joiner_.finish(joined_);
        cut(joined_, sentences);
        joined_ = std::u16string();
    }
    if (state_ != State::Text)
        decide(sentences);
    if (!piece_.empty())
        sentences.push_back(std::move(piece_));
    piece_.clear();
    token_.clear();
    state_ = State::Text;
    afterMark_ = false;
}

void SentenceCutter::decide(std::vector<std::u16string> &sentences) {
    const std::size_t tailStart =
        markAt_ + 1 - std::min(markAt_ + 1, static_cast<std::size_t>(sentenceTailLength));
    const std::u16string_view before =
        std::u16string_view(piece_).substr(tailStart, markAt_ + 1 - tailStart);
    if (rule_(before, token_)) {
        // Empty sentences are dropped, and with them their mark.
        if (markAt_ > 0) {
            piece_.resize(markAt_ + 1);
            sentences.push_back(std::move(piece_));
        }
        piece_ = token_;
    } else {
        // The mark and its white space stay in the sentence; a line feed
        // among them still cuts.
        const std::u16string spaces = piece_.substr(markAt_ + 1);
        piece_.resize(markAt_ + 1);
        for (const char16_t c : spaces) {
            if (c == u'\n')
                cutAtLineFeed(sentences);
            else
                piece_ += c;
        }
        piece_ += token_;
    }
    token_.clear();
    state_ = State::Text;
    afterMark_ = !piece_.empty() && isMark(piece_.back());
}

void SentenceCutter::cutAtLineFeed(std::vector<std::u16string> &sentences) {
    if (!piece_.empty()) {
        piece_ += u'\n';
        sentences.push_back(std::move(piece_));
    }
    piece_.clear();
    afterMark_ = false;
}

std::vector<std::u16string> cutSentences(std::u16string_view text, bool joinWrappedLines) {
    std::vector<std::u16string> sentences;
    SentenceCutter cutter(joinWrappedLines);
    cutter.feed(text, sentences);
    cutter.finish(sentences);
    return sentences;
}

} // namespace orvanta
