// What the user finally sees: the document of arbitrary text, read as it
// is spoken as the window does and taken literally, taken in by the
// rich-text document the result editor shows. Checked, for both: every
// character of every sentence and of every rendering reaches the editor's
// plain text, in order; white space may collapse, as HTML collapses it, and
// the few code units the rich-text document reserves for its own structure
// (paragraph and frame marks) may turn into line breaks, but no typed
// character is swallowed as markup or dropped. The first byte picks the
// text's form (bit 0), Cyrillic (bit 1) and weak forms (bit 7).
#include "document/document.h"
#include "document/utf16.h"
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "oracle.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using orvanta::fuzz::require;

namespace {

// White space, and what the rich-text document turns into a line break.
bool mayChange(QChar c) {
    const char16_t u = c.unicode();
    return c.isSpace() || u == 0x2028 || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFDEF;
}

QString kept(const QString &text) {
    QString out;
    for (const QChar c : text)
        if (!mayChange(c))
            out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const orvanta::PronunciationDictionary dictionary =
        orvanta::PronunciationDictionary::fromBytes(
            "1\tthe\tDJ\n1\tcat\tkxt\n1\tsat\tsxt\n1\tfar\tfR\n");
    static const orvanta::TranscriptionEngine plain(dictionary);
    static const orvanta::TranscriptionEngine weak(dictionary, {orvanta::Variant::British, true});
    const orvanta::TranscriptionEngine &engine = size > 0 && (data[0] & 0x80) ? weak : plain;
    const QString text = orvanta::toQString(orvanta::fuzz::toUtf16(data, size));
    const bool cyrillic = size > 0 && (data[0] & 2);

    const QStringList sentences = orvanta::cutSentences(text);
    for (const bool read : {true, false}) {
        QString expected;
        for (const QString &sentence : sentences)
            expected +=
                kept(sentence) + kept(read ? orvanta::renderReadSentence(engine, sentence, cyrillic)
                                           : orvanta::renderSentence(engine, sentence, cyrillic));
        QTextDocument view;
        view.setHtml(read ? orvanta::buildReadDocument(engine, text, cyrillic)
                          : orvanta::buildDocument(engine, text, cyrillic));
        const QString shown = kept(view.toPlainText());
        require(shown == expected, "the result editor does not show what was typed",
                shown.toStdU16String());
    }
    return 0;
}
