#include "ui/result_document.h"

#include "document/document.h"
#include "engine/transcription_engine.h"

#include <QColor>
#include <QStringList>

namespace {

// White space as Qt's HTML reader collapses it: a no-break space is kept as
// it is, and a paragraph separator starts a paragraph of its own.
bool collapses(QChar c) {
    return c.isSpace() && c != QChar::Nbsp && c != QChar::ParagraphSeparator;
}

} // namespace

ResultDocument::ResultDocument(const QTextDocument &like)
    : document(std::make_unique<QTextDocument>()), html(orvanta::documentOpening()) {
    document->setDefaultFont(like.defaultFont());
    document->setDefaultStyleSheet(like.defaultStyleSheet());
    document->setDocumentMargin(like.documentMargin());
    // Nothing to undo in a fresh result; keeping the history of its making
    // would double its memory.
    document->setUndoRedoEnabled(false);
    cursor = QTextCursor(document.get());
    cursor.beginEditBlock();

    // The looks the document's style sheet gives a paragraph, the
    // transcription line and a guessed word, as the editor took them from
    // the HTML (documentOpening(), and "font-size: small" from the editor's
    // own style sheet, since Qt's rich text does not know "smaller").
    paragraphFormat.setLayoutDirection(Qt::LeftToRight);
    paragraphFormat.setTopMargin(12);
    paragraphFormat.setBottomMargin(12);
    transcriptionFormat.setFontFamilies(QStringList{QStringLiteral("Lucida Sans Unicode")});
    transcriptionFormat.setProperty(QTextFormat::FontSizeAdjustment, -1);
    transcriptionFormat.setForeground(QColor(0x66, 0x66, 0x66));
    guessFormat = transcriptionFormat;
    guessFormat.setFontItalic(true);
    guessFormat.setForeground(QColor(0x99, 0x66, 0x33));
}

void ResultDocument::addParagraph(QStringView sentence, QStringView rendering) {
    orvanta::writeParagraph(sentence, rendering, [this](QStringView piece) { html += piece; });

    flush();
    if (empty)
        cursor.setBlockFormat(paragraphFormat);
    else
        cursor.insertBlock(paragraphFormat, QTextCharFormat());
    empty = false;
    pendingLook = Look::Sentence;
    dropSpace = true;
    append(sentence, Look::Sentence);
    pending += QChar::LineSeparator;
    dropSpace = true;
    // A guessed word runs from its mark to the next space or bracket, as in
    // the HTML.
    for (qsizetype at = 0; at < rendering.size();) {
        const qsizetype mark = rendering.indexOf(QChar(orvanta::guessMark), at);
        if (mark < 0) {
            append(rendering.sliced(at), Look::Transcription);
            break;
        }
        qsizetype end = mark + 1;
        while (end < rendering.size() && rendering[end] != u' ' && rendering[end] != u']')
            ++end;
        append(rendering.sliced(at, mark - at), Look::Transcription);
        append(rendering.sliced(mark, end - mark), Look::Guess);
        at = end;
    }
}

void ResultDocument::append(QStringView text, Look look) {
    if (text.isEmpty())
        return;
    if (look != pendingLook) {
        flush();
        pendingLook = look;
    }
    // Runs of characters that stay as they are go over in one piece.
    qsizetype run = 0;
    const auto keepRun = [&](qsizetype end) {
        if (end > run) {
            pending += text.sliced(run, end - run);
            dropSpace = false;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u > u' ' && u < 0x7F)
            continue;
        if (collapses(text[i])) {
            keepRun(i);
            if (!dropSpace)
                pending += u' ';
            dropSpace = true;
            run = i + 1;
        } else if (u == QChar::ParagraphSeparator) {
            keepRun(i);
            splitParagraph();
            run = i + 1;
        }
    }
    keepRun(text.size());
}

void ResultDocument::splitParagraph() {
    // The HTML reader gives the part before the separator the paragraph's
    // top margin and the part after it the bottom one, as parts of one
    // paragraph.
    flush();
    QTextBlockFormat before = cursor.blockFormat();
    before.clearProperty(QTextFormat::BlockBottomMargin);
    cursor.setBlockFormat(before);
    QTextBlockFormat after = paragraphFormat;
    after.clearProperty(QTextFormat::BlockTopMargin);
    cursor.insertBlock(after, format(pendingLook));
    dropSpace = true;
}

const QTextCharFormat &ResultDocument::format(Look look) const {
    switch (look) {
    case Look::Transcription:
        return transcriptionFormat;
    case Look::Guess:
        return guessFormat;
    case Look::Sentence:
        break;
    }
    return sentenceFormat;
}

void ResultDocument::flush() {
    if (pending.isEmpty())
        return;
    cursor.insertText(pending, format(pendingLook));
    pending.clear();
}

std::unique_ptr<QTextDocument> ResultDocument::takeDocument() {
    flush();
    if (empty) {
        // The empty body's one block, as the HTML reader leaves it.
        QTextBlockFormat body;
        body.setLayoutDirection(Qt::LeftToRight);
        body.setIndent(0);
        cursor.setBlockFormat(body);
    }
    cursor.endEditBlock();
    cursor = QTextCursor();
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    return std::move(document);
}

QString ResultDocument::takeHtml() {
    html += orvanta::documentClosing();
    return std::move(html);
}
