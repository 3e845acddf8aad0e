#include "document/document.h"
#include "document/utf16.h"

#include "engine/output/cyrillic.h"
#include "engine/text/sentence_cutter.h"
#include "engine/transcription_engine.h"

namespace orvanta {

namespace {

// The user's text goes into markup: without escaping, «a<b and c>d» would be
// swallowed as a tag and vanish from the result.
void writeEscaped(QStringView text, const TextWriter &write) {
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QStringView entity;
        switch (text[i].unicode()) {
        case u'&':
            entity = u"&amp;";
            break;
        case u'<':
            entity = u"&lt;";
            break;
        case u'>':
            entity = u"&gt;";
            break;
        default:
            continue;
        }
        if (i > run)
            write(text.sliced(run, i - run));
        write(entity);
        run = i + 1;
    }
    if (text.size() > run)
        write(text.sliced(run));
}

// A guessed word, from its mark to the next space or bracket, gets a look
// of its own, so that a reader tells it from the dictionary's words.
void writeMarkingGuesses(QStringView rendering, const TextWriter &write) {
    for (qsizetype at = 0; at < rendering.size();) {
        const qsizetype mark = rendering.indexOf(QChar(orvanta::guessMark), at);
        if (mark < 0) {
            write(rendering.sliced(at));
            return;
        }
        qsizetype end = mark + 1;
        while (end < rendering.size() && rendering[end] != u' ' && rendering[end] != u']')
            ++end;
        if (mark > at)
            write(rendering.sliced(at, mark - at));
        write(u"<span class=\"guess\">");
        write(rendering.sliced(mark, end - mark));
        write(u"</span>");
        at = end;
    }
}

void appendParagraph(QString &out, QStringView sentence, QStringView rendering) {
    writeParagraph(sentence, rendering, [&out](QStringView piece) { out += piece; });
}

std::u16string_view viewOf(const QString &text) {
    return {reinterpret_cast<const char16_t *>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}

QStringView toQStringView(const std::u16string &text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

} // namespace

QStringList cutSentences(const QString &text, bool joinLines) {
    QStringList sentences;
    for (const std::u16string &sentence : cutSentences(viewOf(text), joinLines))
        sentences.append(toQString(sentence));
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
                          ".guess {\n"
                          "    font-style: italic;\n"
                          "    color: #996633;\n"
                          "  }\n"
                          "</style>\n"
                          "</header>\n<body>\n");
}

void writeParagraph(QStringView sentence, QStringView rendering, const TextWriter &write) {
    writeParagraphOpening(sentence, write);
    writeRenderingPiece(rendering, write);
    writeParagraphClosing(write);
}

void writeParagraphOpening(QStringView sentence, const TextWriter &write) {
    write(u"<p><span class=\"original\">");
    writeEscaped(sentence, write);
    write(u"</span><br>\n<span class=\"transcr\">");
}

void writeRenderingPiece(QStringView piece, const TextWriter &write) {
    // A guess ends at a space or the closing bracket: never past a piece.
    writeMarkingGuesses(piece, write);
}

void writeParagraphClosing(const TextWriter &write) {
    write(u"</span></p>\n\n");
}

QString documentParagraph(const QString &sentence, const QString &rendering) {
    QString paragraph;
    appendParagraph(paragraph, sentence, rendering);
    return paragraph;
}

QString documentClosing() {
    return QStringLiteral("</body>\n</html>");
}

QString renderSentence(const TranscriptionEngine &engine, const QString &sentence, bool cyrillic) {
    std::u16string rendering = engine.transcribeSentence(sentence.toStdU16String());
    if (cyrillic)
        rendering = transliterateToCyrillic(std::move(rendering));
    return toQString(rendering);
}

QString renderReadSentence(const TranscriptionEngine &engine, const QString &sentence,
                           bool cyrillic) {
    std::u16string rendering = engine.transcribeReadSentence(viewOf(sentence));
    if (cyrillic)
        rendering = transliterateToCyrillic(std::move(rendering));
    return toQString(rendering);
}

namespace {

// `transcribe` takes a sentence and returns its "[" + IPA + "]".
template <typename Transcribe>
bool forEachParagraph(const QString &text, bool cyrillic, bool joinLines, Transcribe transcribe,
                      const ParagraphSink &paragraph) {
    const std::vector<std::u16string> sentences = cutSentences(viewOf(text), joinLines);
    const auto count = static_cast<qsizetype>(sentences.size());
    for (qsizetype index = 0; index < count; ++index) {
        const std::u16string &sentence = sentences[static_cast<std::size_t>(index)];
        std::u16string rendering = transcribe(sentence);
        if (cyrillic)
            rendering = transliterateToCyrillic(std::move(rendering));
        if (!paragraph({toQStringView(sentence), toQStringView(rendering), index, count}))
            return false;
    }
    return true;
}

template <typename Transcribe>
QString buildWith(const QString &text, bool cyrillic, bool joinLines, Transcribe transcribe) {
    QString document = documentOpening();
    // A paragraph is the sentence, its transcription (about as long again)
    // and some markup; reserving avoids repeated regrowth on long texts.
    bool reserved = false;
    forEachParagraph(text, cyrillic, joinLines, transcribe, [&](const ParagraphParts &parts) {
        if (!reserved) {
            document.reserve(document.size() + 3 * text.size() + 80 * parts.count + 32);
            reserved = true;
        }
        appendParagraph(document, parts.sentence, parts.rendering);
        return true;
    });
    document += documentClosing();
    return document;
}

auto literally(const TranscriptionEngine &engine) {
    return
        [&engine](const std::u16string &sentence) { return engine.transcribeSentence(sentence); };
}

auto asRead(const TranscriptionEngine &engine) {
    return [&engine](const std::u16string &sentence) {
        return engine.transcribeReadSentence(sentence);
    };
}

} // namespace

QString buildDocument(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                      bool joinLines) {
    return buildWith(text, cyrillic, joinLines, literally(engine));
}

QString buildReadDocument(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                          bool joinLines) {
    return buildWith(text, cyrillic, joinLines, asRead(engine));
}

bool transcribeReadParagraphs(const TranscriptionEngine &engine, const QString &text, bool cyrillic,
                              bool joinLines, const ParagraphSink &paragraph) {
    return forEachParagraph(text, cyrillic, joinLines, asRead(engine), paragraph);
}

QString renderSentence(const QString &sentence, bool cyrillic) {
    return renderSentence(TranscriptionEngine(), sentence, cyrillic);
}

QString renderReadSentence(const QString &sentence, bool cyrillic, bool british) {
    const TranscriptionEngine engine(processDictionary(),
                                     EngineOptions{british ? Variant::British : Variant::American});
    return renderReadSentence(engine, sentence, cyrillic);
}

QString buildDocument(const QString &text, bool cyrillic) {
    return buildDocument(TranscriptionEngine(), text, cyrillic);
}

QString buildReadDocument(const QString &text, bool cyrillic, bool british) {
    const TranscriptionEngine engine(processDictionary(),
                                     EngineOptions{british ? Variant::British : Variant::American});
    return buildReadDocument(engine, text, cyrillic);
}

} // namespace orvanta
