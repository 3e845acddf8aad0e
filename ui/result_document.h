// The result of a run as the result editor shows it, built straight into a
// text document paragraph by paragraph, and as HTML for the HTML tab and the
// files. Qt's HTML reader took several times as long as the whole
// transcription to read a long result back in.
#pragma once

#include <QString>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

class ResultDocument {
public:
    // An empty result with the default font and style sheet of `like`, the
    // editor's document, so that it looks the same once shown there.
    explicit ResultDocument(const QTextDocument &like);

    void addParagraph(QStringView sentence, QStringView rendering);

    // The finished document, undoable from here on, and its HTML: what
    // buildReadDocument() gives for the same paragraphs.
    std::unique_ptr<QTextDocument> takeDocument();
    QString takeHtml();

private:
    enum class Look { Sentence, Transcription, Guess };
    // Adds `text` as Qt's HTML reader would read it: white space collapsed
    // to one space and none at the start of a line.
    void append(QStringView text, Look look);
    void splitParagraph();
    const QTextCharFormat &format(Look look) const;
    void flush();

    std::unique_ptr<QTextDocument> document;
    QTextCursor cursor;
    QString html;
    QTextBlockFormat paragraphFormat;
    QTextCharFormat sentenceFormat;
    QTextCharFormat transcriptionFormat;
    QTextCharFormat guessFormat;
    // Text of one look waiting to be inserted in one piece.
    QString pending;
    Look pendingLook = Look::Sentence;
    // After a space or at the start of a line, white space is dropped.
    bool dropSpace = true;
    bool empty = true;
};
