// The sentence cut and the HTML document on arbitrary text. Checked: the cut
// agrees with a hand-written scanner of the delimiter expression (full stop,
// ? or ! followed by white space, or a line feed); no sentence is empty; the
// document has the fixed opening and closing and one paragraph per
// sentence; every "original" span, unescaped, is its sentence, and carries
// no raw markup character; the spans joined give back every character of
// the input that is not part of a delimiter, in order; each rendering is
// bracketed.
#include "document/document.h"
#include "engine/dictionary.h"
#include "oracle.h"

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

// What \s matches in PCRE2 with Unicode properties: a fixed list, which is
// not QChar::isSpace() (U+180E is in it, for one).
bool isRegexSpace(QChar c) {
    static constexpr std::u16string_view spaces =
        u"\t\n\v\f\r \u0085\u00A0\u1680\u180E\u2000\u2001\u2002\u2003\u2004\u2005"
        u"\u2006\u2007\u2008\u2009\u200A\u2028\u2029\u202F\u205F\u3000";
    return spaces.find(c.unicode()) != std::u16string_view::npos;
}

struct Cut {
    QStringList sentences;
    QString withoutDelimiters; // the input less every delimiter
    QString joined;            // the sentences less their given-back marks
};

Cut referenceCut(const QString &text) {
    Cut cut;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        qsizetype end = i;
        if ((c == u'.' || c == u'?' || c == u'!') && i + 1 < text.size() &&
            isRegexSpace(text.at(i + 1))) {
            end = i + 1;
            while (end < text.size() && isRegexSpace(text.at(end)))
                ++end;
        } else if (c == u'\n') {
            end = i + 1;
        } else {
            ++i;
            continue;
        }
        const QString piece = text.mid(start, i - start);
        cut.withoutDelimiters += piece;
        if (!piece.isEmpty()) {
            cut.sentences.append(piece + c);
            cut.joined += piece;
        }
        start = i = end;
    }
    if (start < text.size()) {
        cut.sentences.append(text.mid(start));
        cut.joined += text.mid(start);
        cut.withoutDelimiters += text.mid(start);
    }
    return cut;
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
        return QString::fromStdU16String(orvanta::fuzz::toUtf16(data, size));
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    orvanta::loadDictionaryFromBytes("1\tthe\tDJ\n1\tcat\tkxt\n1\tsat\tsxt\n1\tfar\tfR\n"
                                     "1\ta\tq\n1\tb\tbJ\n1\tam\txm\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = textFrom(data, size);
    const bool cyrillic = size > 0 && (data[0] & 4);

    const QStringList sentences = orvanta::cutSentences(text);
    const Cut expected = referenceCut(text);
    require(sentences == expected.sentences, "sentence cut differs", u16(text));
    require(expected.joined == expected.withoutDelimiters, "reference cut loses text", u16(text));
    for (const QString &sentence : sentences)
        require(!sentence.isEmpty(), "empty sentence", u16(text));

    const QString document = orvanta::buildDocument(text, cyrillic);
    const QString opening = orvanta::documentOpening();
    const QString closing = orvanta::documentClosing();
    require(document.startsWith(opening) && document.endsWith(closing), "frame broken", u16(text));

    static const QString spanOpen = QStringLiteral("<p><span class=\"original\">");
    static const QString spanMiddle = QStringLiteral("</span><br>\n<span class=\"transcr\">");
    static const QString spanClose = QStringLiteral("</span></p>\n\n");
    qsizetype at = opening.size();
    qsizetype kept = 0; // how much of the input less its delimiters is seen
    for (const QString &sentence : sentences) {
        require(document.mid(at, spanOpen.size()) == spanOpen, "paragraph start", u16(text));
        at += spanOpen.size();
        const qsizetype middle = document.indexOf(spanMiddle, at);
        require(middle >= 0, "paragraph middle", u16(text));
        const QString original = unescape(document.mid(at, middle - at));
        require(original == sentence, "original span is not the sentence", u16(sentence));
        // Each span is a stretch of the input less its delimiters, plus the
        // delimiter's first character when one follows (always, except
        // perhaps after the last sentence).
        const bool last = &sentence == &sentences.back();
        if (last && original == expected.withoutDelimiters.mid(kept)) {
            kept = expected.withoutDelimiters.size();
        } else {
            require(!original.isEmpty() && QStringLiteral(".?!\n").contains(original.back()) &&
                        original.chopped(1) ==
                            expected.withoutDelimiters.mid(kept, original.size() - 1),
                    "original spans add, drop or reorder text", u16(text));
            kept += original.size() - 1;
        }
        at = middle + spanMiddle.size();
        const qsizetype close = document.indexOf(spanClose, at);
        require(close >= 0, "paragraph end", u16(text));
        const QString rendering = document.mid(at, close - at);
        require(rendering.startsWith(u'[') && rendering.endsWith(u']'), "rendering not bracketed",
                u16(rendering));
        require(rendering == orvanta::renderSentence(sentence, cyrillic), "rendering differs",
                u16(sentence));
        at = close + spanClose.size();
    }
    require(at + closing.size() == document.size(), "text after the last paragraph", u16(text));
    require(kept == expected.withoutDelimiters.size(), "typed text lost", u16(text));
    return 0;
}
