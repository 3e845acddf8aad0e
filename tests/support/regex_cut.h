// The sentence cut as the regular expression it was first written as, kept
// as the definition that the engine's incremental cutter is held to (by the
// tests and by the document fuzz target): split at "([.?!]\s+|\n)", white
// space as Unicode has it; each piece that a delimiter follows keeps the
// delimiter's first character; empty pieces are dropped. Header-only, so
// that the fuzz build, which builds no tests, can use it too.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace orvanta::test {

struct RegexCutPiece {
    QString text; // the piece, empty where two delimiters meet
    QChar mark;   // the delimiter's first character; null after the last piece
};

inline QList<RegexCutPiece> regexCutPieces(const QString &text) {
    static const QRegularExpression delimiter(QStringLiteral("([\\.\\?!]\\s+|\n)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    // PCRE2 matches nothing in a subject that is not valid UTF-16: match on
    // a copy with each lone surrogate replaced one for one, which keeps
    // every position.
    QString matchable = text;
    for (qsizetype i = 0; i < matchable.size(); ++i) {
        if (matchable.at(i).isHighSurrogate() && i + 1 < matchable.size() &&
            matchable.at(i + 1).isLowSurrogate())
            ++i;
        else if (matchable.at(i).isSurrogate())
            matchable[i] = QChar::ReplacementCharacter;
    }
    QList<RegexCutPiece> pieces;
    qsizetype start = 0;
    for (auto it = delimiter.globalMatch(matchable); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype end = match.capturedStart();
        pieces.append({text.mid(start, end - start), text.at(end)});
        start = match.capturedEnd();
    }
    if (start < text.size())
        pieces.append({text.mid(start), QChar()});
    return pieces;
}

// The sentences of the cut: each non-empty piece with its mark.
inline QStringList regexCut(const QString &text) {
    QStringList sentences;
    for (const RegexCutPiece &piece : regexCutPieces(text)) {
        if (!piece.text.isEmpty())
            sentences.append(piece.mark.isNull() ? piece.text : piece.text + piece.mark);
    }
    return sentences;
}

} // namespace orvanta::test
