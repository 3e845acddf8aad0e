#include "document/document.h"

#include "engine/cyrillic.h"
#include "engine/transcription_engine.h"

#include <QRegularExpression>

namespace orvanta {

namespace {

// The user's text goes into markup: without escaping, «a<b and c>d» would be
// swallowed as a tag and vanish from the result.
void appendEscaped(QString &out, const QString &text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        default:
            out += c;
        }
    }
}

QString renderSentence(const TranscriptionEngine &engine, const QString &sentence, bool cyrillic) {
    std::u16string rendering = engine.transcribeSentence(sentence.toStdU16String());
    if (cyrillic)
        rendering = transliterateToCyrillic(std::move(rendering));
    return QString::fromStdU16String(rendering);
}

void appendParagraph(QString &out, const QString &sentence, const QString &rendering) {
    out += QLatin1String("<p><span class=\"original\">");
    appendEscaped(out, sentence);
    out += QLatin1String("</span><br>\n<span class=\"transcr\">");
    out += rendering;
    out += QLatin1String("</span></p>\n\n");
}

} // namespace

QStringList cutSentences(const QString &text) {
    // \s has to mean Unicode white space (no-break space, ideographic space...),
    // as pasted text often carries it after a full stop.
    static const QRegularExpression delimiter(QStringLiteral("([\\.\\?!]\\s+|\n)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    // PCRE2 matches nothing in a subject that is not valid UTF-16, so one
    // lone surrogate (half of a pasted emoji) would leave the whole text one
    // sentence. Match on a copy with each half replaced one for one, which
    // keeps every position, and cut the user's own text.
    QString matchable;
    if (!QStringView(text).isValidUtf16()) {
        matchable = text;
        for (qsizetype i = 0; i < matchable.size(); ++i) {
            if (matchable.at(i).isHighSurrogate() && i + 1 < matchable.size() &&
                matchable.at(i + 1).isLowSurrogate())
                ++i;
            else if (matchable.at(i).isSurrogate())
                matchable[i] = QChar::ReplacementCharacter;
        }
    }
    QStringList sentences;
    qsizetype start = 0;
    for (auto it = delimiter.globalMatch(matchable.isNull() ? text : matchable); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype end = match.capturedStart();
        // Every piece a delimiter follows gets its mark back, the last one
        // included: «Hello world.\n» keeps its full stop.
        if (end > start)
            sentences.append(text.mid(start, end - start) + text.at(end));
        start = match.capturedEnd();
    }
    if (start < text.size())
        sentences.append(text.mid(start));
    return sentences;
}

QString documentOpening() {
    return QStringLiteral("<html>\n<header>"
                          "<style type=\"text/css\">\n"
                          ".transcr {\n"
                          "    font-family: Lucida Sans Unicode;\n"
                          "    font-size: smaller;\n"
                          "    color: #666666;\n"
                          "  }\n"
                          "</style>\n"
                          "</header>\n<body>\n");
}

QString documentParagraph(const QString &sentence, const QString &rendering) {
    QString paragraph;
    appendParagraph(paragraph, sentence, rendering);
    return paragraph;
}

QString documentClosing() {
    return QStringLiteral("</body>\n</html>");
}

QString renderSentence(const QString &sentence, bool cyrillic) {
    return renderSentence(TranscriptionEngine(), sentence, cyrillic);
}

QString renderReadSentence(const QString &sentence, bool cyrillic, bool british) {
    std::u16string rendering =
        TranscriptionEngine().transcribeReadSentence(sentence.toStdU16String(), british);
    if (cyrillic)
        rendering = transliterateToCyrillic(std::move(rendering));
    return QString::fromStdU16String(rendering);
}

namespace {

template <typename Render> QString buildWith(const QString &text, Render render) {
    const QStringList sentences = cutSentences(text);
    QString document = documentOpening();
    // A paragraph is the sentence, its transcription (about as long again)
    // and some markup; reserving avoids repeated regrowth on long texts.
    document.reserve(document.size() + 3 * text.size() + 80 * sentences.size() + 32);
    for (const QString &sentence : sentences)
        appendParagraph(document, sentence, render(sentence));
    document += documentClosing();
    return document;
}

} // namespace

QString buildDocument(const QString &text, bool cyrillic) {
    const TranscriptionEngine engine;
    return buildWith(
        text, [&](const QString &sentence) { return renderSentence(engine, sentence, cyrillic); });
}

QString buildReadDocument(const QString &text, bool cyrillic, bool british) {
    return buildWith(text, [&](const QString &sentence) {
        return renderReadSentence(sentence, cyrillic, british);
    });
}

} // namespace orvanta
