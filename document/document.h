// The HTML result document of a transcription run, built without widgets.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace orvanta {

class TranscriptionEngine;

// The engine's sentence cut (SentenceCutter) of a whole text; with
// `joinLines`, a line feed that only wraps a line of a paragraph is a space.
QStringList cutSentences(const QString &text, bool joinLines = false);

// The pieces of the document, in the order they are concatenated.
QString documentOpening(); // <html>...<body>\n
QString documentParagraph(const QString &sentence, const QString &rendering);
QString documentClosing(); // </body>\n</html>
// The paragraph handed to `write` piece by piece, for a writer that need not
// hold a long sentence's paragraph whole.
using TextWriter = std::function<void(QStringView)>;
void writeParagraph(QStringView sentence, QStringView rendering, const TextWriter &write);
// The same in three steps, for a rendering that comes in pieces (each ending
// between words, as TranscriptionEngine::Writer's do).
void writeParagraphOpening(QStringView sentence, const TextWriter &write);
void writeRenderingPiece(QStringView piece, const TextWriter &write);
void writeParagraphClosing(const TextWriter &write);

// "[" + IPA + "]" for one sentence, or its Cyrillic spelling.
QString renderSentence(const TranscriptionEngine &engine, const QString &sentence, bool cyrillic);
// The same, read as it is spoken first (numbers, abbreviations, letters) in
// the engine's variant.
QString renderReadSentence(const TranscriptionEngine &engine, const QString &sentence,
                           bool cyrillic);

// The whole document for `text`, its sentences cut as cutSentences does.
QString buildDocument(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                      bool joinLines = false);
// The same with every sentence read as it is spoken first; the sentences
// themselves appear as written.
QString buildReadDocument(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                          bool joinLines = false);

// One sentence of a run as it becomes a paragraph: the sentence as written,
// its rendering, and where the run stands (`index` of `count` sentences).
struct ParagraphParts {
    QStringView sentence;
    QStringView rendering;
    qsizetype index = 0;
    qsizetype count = 0;
};
// Returns false to stop the run before the next sentence.
using ParagraphSink = std::function<bool(const ParagraphParts &)>;
// Reads and transcribes `text` as buildReadDocument does, handing over each
// paragraph as soon as it is made, for a caller that builds its own view of
// the result or reports progress; false when `paragraph` stopped the run.
bool transcribeReadParagraphs(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                              bool joinLines, const ParagraphSink &paragraph);

// The same from the process-wide dictionary (loadDictionary), reading as a
// British or American speaker.
QString renderSentence(const QString &sentence, bool cyrillic);
QString renderReadSentence(const QString &sentence, bool cyrillic, bool british);
QString buildDocument(const QString &text, bool cyrillic);
QString buildReadDocument(const QString &text, bool cyrillic, bool british);

} // namespace orvanta
