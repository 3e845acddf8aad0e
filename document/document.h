// The HTML result document of a transcription run, built without widgets.
#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

// Cuts text into sentences at ". ", "? ", "! " (mark followed by white space)
// and at every line feed. Each piece that a delimiter follows gets the first
// character of that delimiter back; empty pieces are dropped.
QStringList cutSentences(const QString &text);

// The pieces of the document, in the order they are concatenated.
QString documentOpening(); // <html>...<body>\n
QString documentParagraph(const QString &sentence, const QString &rendering);
QString documentClosing(); // </body>\n</html>

// "[" + IPA + "]" for one sentence from the loaded dictionary, or its
// Cyrillic spelling.
QString renderSentence(const QString &sentence, bool cyrillic);
// The same, read as it is spoken first (numbers, abbreviations, letters).
QString renderReadSentence(const QString &sentence, bool cyrillic, bool british);

// The whole document for `text`, from the dictionary already loaded.
QString buildDocument(const QString &text, bool cyrillic);
// The same with every sentence read as it is spoken first, British or
// American; the sentences themselves appear as written.
QString buildReadDocument(const QString &text, bool cyrillic, bool british);

} // namespace orvanta
