// Sentence cutting for text that arrives piece by piece.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace orvanta {

// Whether `c` is white space for the sentence cut: what \s matches in the
// cut's regular expression with Unicode properties switched on.
bool isCutSpace(char16_t c);

// Gives exactly the sentences that cutSentences() gives for the whole text,
// while holding only the sentence being read: a command line that reads a
// large file must not keep the whole text in memory.
class SentenceStream {
public:
    // Reads the next part of the text and appends every sentence whose
    // delimiter is now known to be complete to `sentences`.
    void feed(QStringView chunk, QStringList &sentences);

    // Ends the text: appends what is still pending and starts afresh.
    void finish(QStringList &sentences);

private:
    void endPiece(QChar mark, QStringList &sentences);

    QString m_piece;
    // The last character put into the piece is a full stop, question or
    // exclamation mark: white space right after it opens a delimiter.
    bool m_lastWasMark = false;
    // Inside a mark's run of white space, which may go on in the next chunk.
    bool m_inDelimiter = false;
    QChar m_mark;
};

} // namespace orvanta
