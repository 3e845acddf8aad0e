#include "cli/sentence_stream.h"

#include <QRegularExpression>

#include <bitset>

namespace orvanta {

namespace {

bool isMark(char16_t c) {
    return c == u'.' || c == u'?' || c == u'!';
}

} // namespace

bool isCutSpace(char16_t c) {
    // Taken from the expression engine itself rather than from Unicode
    // categories: the two disagree (U+180E, for one), and the cut must
    // agree with cutSentences() whatever library version is installed.
    static const std::bitset<0x10000> spaces = [] {
        QString everyUnit(0x10000, QChar(u'x'));
        for (char32_t u = 0; u < 0x10000; ++u) {
            if (!QChar::isSurrogate(u))
                everyUnit[qsizetype(u)] = QChar(char16_t(u));
        }
        std::bitset<0x10000> found;
        const QRegularExpression space(QStringLiteral("\\s"),
                                       QRegularExpression::UseUnicodePropertiesOption);
        for (auto it = space.globalMatch(everyUnit); it.hasNext();)
            found.set(std::size_t(it.next().capturedStart()));
        return found;
    }();
    return spaces.test(c);
}

void SentenceStream::feed(QStringView chunk, QStringList &sentences) {
    // Characters of the piece are copied in runs rather than one by one;
    // `runStart` is where the run not yet copied begins.
    qsizetype runStart = 0;
    const qsizetype size = chunk.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chunk[i].unicode();
        if (m_inDelimiter) {
            if (isCutSpace(c))
                continue;
            // The first character after the white space completes it.
            endPiece(m_mark, sentences);
            m_inDelimiter = false;
            runStart = i;
        }
        if (m_lastWasMark && isCutSpace(c)) {
            // The mark belongs to the delimiter, not to the piece. It is
            // either the character before this one in the chunk or, at the
            // start of a chunk, the last one already copied.
            if (i > runStart) {
                m_piece.append(chunk.sliced(runStart, i - 1 - runStart));
                m_mark = chunk[i - 1];
            } else {
                m_mark = m_piece.back();
                m_piece.chop(1);
            }
            m_inDelimiter = true;
            m_lastWasMark = false;
        } else if (c == u'\n') {
            m_piece.append(chunk.sliced(runStart, i - runStart));
            runStart = i + 1;
            endPiece(QChar(u'\n'), sentences);
        } else {
            m_lastWasMark = isMark(c);
        }
    }
    if (!m_inDelimiter)
        m_piece.append(chunk.sliced(runStart));
}

void SentenceStream::finish(QStringList &sentences) {
    if (m_inDelimiter)
        endPiece(m_mark, sentences);
    else if (!m_piece.isEmpty())
        sentences.append(m_piece);
    m_piece.clear();
    m_lastWasMark = false;
    m_inDelimiter = false;
}

void SentenceStream::endPiece(QChar mark, QStringList &sentences) {
    // Empty pieces are dropped, and with them the mark of their delimiter.
    if (!m_piece.isEmpty())
        sentences.append(m_piece + mark);
    m_piece.clear();
    m_lastWasMark = false;
}

} // namespace orvanta
