// The sentence cut and the HTML document on arbitrary text. Checked: the cut
// with every mark ending a sentence agrees with the regular expression of the
// delimiter (full stop, ? or ! followed by white space, or a line feed), fed
// in pieces; the engine's own cut is the same whole and in pieces; no
// sentence is empty; the document has the fixed opening and closing and one
// paragraph per sentence; every "original" span, unescaped, is its sentence,
// and carries no raw markup character; the spans joined give back every
// character of the input other than white space, in order; each rendering is
// bracketed. The first byte picks the text's form (its value modulo 3), bit 2
// Cyrillic and bit 3 weak forms.
#include "document/document.h"
#include "document/utf16.h"
#include "engine/lexicon/dictionary.h"
#include "engine/text/sentence_cutter.h"
#include "engine/transcription_engine.h"
#include "oracle.h"
#include "regex_cut.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <string_view>

using orvanta::fuzz::require;

namespace {

std::u16string u16(const QString &text) {
    return text.toStdU16String();
}

struct Cut {
    QStringList sentences;
    QString withoutDelimiters; // the input less every delimiter
    QString joined;            // the sentences less their given-back marks
};

// The cut as the regular expression it was first written as.
Cut referenceCut(const QString &text) {
    Cut cut;
    for (const orvanta::test::RegexCutPiece &piece : orvanta::test::regexCutPieces(text)) {
        cut.withoutDelimiters += piece.text;
        if (!piece.text.isEmpty()) {
            cut.sentences.append(piece.mark.isNull() ? piece.text : piece.text + piece.mark);
            cut.joined += piece.text;
        }
    }
    return cut;
}

// The engine's cutter fed in pieces of 1 to 7 code units.
// With `everyMark`, every mark followed by white space ends a sentence, as
// in the reference cut; otherwise the engine's own rule decides.
QStringList cutInPieces(const QString &text, std::uint8_t seed, bool everyMark) {
    const std::u16string whole = u16(text);
    orvanta::SentenceCutter cutter(
        everyMark ? [](std::u16string_view, std::u16string_view) { return true; }
                  : orvanta::SentenceCutter::BoundaryRule(orvanta::endsSentence));
    std::vector<std::u16string> pieces;
    for (std::size_t at = 0, step = 1; at < whole.size();
         at += step, step = (step * 5 + seed) % 7 + 1)
        cutter.feed(std::u16string_view(whole).substr(at, step), pieces);
    cutter.finish(pieces);
    QStringList sentences;
    for (const std::u16string &piece : pieces)
        sentences.append(orvanta::toQString(piece));
    return sentences;
}

QString unescape(const QString &span) {
    QString out;
    for (qsizetype i = 0; i < span.size(); ++i) {
        const QChar c = span.at(i);
        require(c != u'<' && c != u'>', "raw markup in an original span", u16(span));
        if (c != u'&') {
            out += c;
            continue;
        }
        if (span.mid(i, 5) == QLatin1String("&amp;")) {
            out += u'&';
            i += 4;
        } else if (span.mid(i, 4) == QLatin1String("&lt;")) {
            out += u'<';
            i += 3;
        } else if (span.mid(i, 4) == QLatin1String("&gt;")) {
            out += u'>';
            i += 3;
        } else {
            orvanta::fuzz::fail("bare ampersand in an original span", u16(span));
        }
    }
    return out;
}

QString textFrom(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return {};
    switch (data[0] % 3) {
    case 0:
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                 static_cast<qsizetype>(size - 1));
    case 1:
        return orvanta::toQString(orvanta::fuzz::toUtf16(data, size));
    default: {
        // Dense in delimiters, markup characters and odd white space.
        static const std::u16string_view alphabet =
            u".?!\n\r\t \u00A0\u2028\u2029\u3000\u0085\u000B\u180E\u200B<>&;ab The\U0001F600";
        QString text;
        for (std::size_t i = 1; i < size; ++i)
            text += QChar(alphabet[data[i] % alphabet.size()]);
        return text;
    }
    }
}

const orvanta::TranscriptionEngine &engineFor(bool weakForms) {
    static const orvanta::PronunciationDictionary dictionary =
        orvanta::PronunciationDictionary::fromBytes(
            "1\tthe\tDJ\n1\tcat\tkxt\n1\tsat\tsxt\n1\tfar\tfR\n"
            "1\ta\tq\n1\tb\tbJ\n1\tam\txm\n");
    static const orvanta::TranscriptionEngine plain(dictionary);
    static const orvanta::TranscriptionEngine weak(dictionary, {orvanta::Variant::British, true});
    return weakForms ? weak : plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = textFrom(data, size);
    const bool cyrillic = size > 0 && (data[0] & 4);
    const orvanta::TranscriptionEngine &engine = engineFor(size > 0 && (data[0] & 8));

    const std::uint8_t seed = size > 1 ? data[1] : 0;
    const Cut expected = referenceCut(text);
    require(cutInPieces(text, seed, true) == expected.sentences, "sentence cut differs", u16(text));
    const QStringList sentences = orvanta::cutSentences(text);
    require(cutInPieces(text, seed, false) == sentences, "cut in pieces differs", u16(text));
    require(expected.joined == expected.withoutDelimiters, "reference cut loses text", u16(text));
    for (const QString &sentence : sentences)
        require(!sentence.isEmpty(), "empty sentence", u16(text));

    const QString document = orvanta::buildDocument(engine, text, cyrillic);
    const QString opening = orvanta::documentOpening();
    const QString closing = orvanta::documentClosing();
    require(document.startsWith(opening) && document.endsWith(closing), "frame broken", u16(text));

    static const QString spanOpen = QStringLiteral("<p><span class=\"original\">");
    static const QString spanMiddle = QStringLiteral("</span><br>\n<span class=\"transcr\">");
    static const QString spanClose = QStringLiteral("</span></p>\n\n");
    qsizetype at = opening.size();
    qsizetype kept = 0; // how much of the input is seen
    for (const QString &sentence : sentences) {
        require(document.mid(at, spanOpen.size()) == spanOpen, "paragraph start", u16(text));
        at += spanOpen.size();
        const qsizetype middle = document.indexOf(spanMiddle, at);
        require(middle >= 0, "paragraph middle", u16(text));
        const QString original = unescape(document.mid(at, middle - at));
        require(original == sentence, "original span is not the sentence", u16(sentence));
        // The cut only takes white space away (a line feed it may give
        // back): the spans keep every other character, in order.
        // A mark whose piece before it is empty goes with its delimiter, so
        // marks, like white space, are not counted.
        const auto dropped = [](QChar c) {
            return orvanta::isCutSpace(c.unicode()) || c == u'.' || c == u'?' || c == u'!';
        };
        for (const QChar c : original) {
            if (dropped(c))
                continue;
            while (kept < text.size() && dropped(text.at(kept)))
                ++kept;
            require(kept < text.size() && text.at(kept) == c,
                    "original spans add, drop or reorder text", u16(text));
            ++kept;
        }
        at = middle + spanMiddle.size();
        const qsizetype close = document.indexOf(spanClose, at);
        require(close >= 0, "paragraph end", u16(text));
        const QString rendering = document.mid(at, close - at);
        require(rendering.startsWith(u'[') && rendering.endsWith(u']'), "rendering not bracketed",
                u16(rendering));
        require(rendering == orvanta::renderSentence(engine, sentence, cyrillic),
                "rendering differs", u16(sentence));
        at = close + spanClose.size();
    }
    require(at + closing.size() == document.size(), "text after the last paragraph", u16(text));
    while (kept < text.size() &&
           (orvanta::isCutSpace(text.at(kept).unicode()) || text.at(kept) == u'.' ||
            text.at(kept) == u'?' || text.at(kept) == u'!'))
        ++kept;
    require(kept == text.size(), "typed text lost", u16(text));
    return 0;
}
