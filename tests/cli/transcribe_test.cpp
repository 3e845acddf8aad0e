// The command line's contract, checked by running the real program against
// transcriptions written out by hand.
#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "qt_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <string.h>
#include <unistd.h>

using orvanta::test_support::htmlDocument;
using orvanta::test_support::Paragraph;
using orvanta::test_support::writeFile;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The data folder the program sees, where it looks for the user's own
// pronunciations: one of the test's, never the real user's.
const QString &dataHome() {
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

QString userFile(const char *name) {
    return dataHome() + QStringLiteral("/orvanta/") + QLatin1String(name);
}

Run runProgram(const QStringList &arguments, const QByteArray &input = {},
               const QString &workingDirectory = {}, const QString &outputFile = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    // Error texts in the C library's own words, whatever the machine's language.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(ORVANTA_TRANSCRIBE), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The C library's text for an error number, as the program run in the C
// locale reports it.
QString systemError(int error) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const QString text = QString::fromLocal8Bit(strerror_l(error, c));
    freelocale(c);
    return text;
}

// What the lines format prints for these transcriptions.
QByteArray linesOf(const QStringList &renderings) {
    QByteArray out;
    for (const QString &rendering : renderings)
        out += rendering.toUtf8() + '\n';
    return out;
}

// What the HTML format prints for these sentences, which must hold no
// markup characters, and their transcriptions.
QByteArray htmlOf(const QStringList &sentences, const QStringList &renderings) {
    QList<Paragraph> paragraphs;
    // A guessed word, starred, is set apart by a span of its own.
    static const QRegularExpression guess(QStringLiteral("(\\*[^ \\]]*)"));
    for (qsizetype i = 0; i < sentences.size(); ++i)
        paragraphs.append(
            {sentences[i],
             QString(renderings.value(i))
                 .replace(guess, QStringLiteral("<span class=\"guess\">\\1</span>"))});
    return htmlDocument(paragraphs).toUtf8() + '\n';
}

} // namespace

class TranscribeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void formats_data();
    void formats();
    void htmlShowsMarkupAsText();
    void guessingCanBeTurnedOff();
    void damagedModelIsReportedOnce();
    void literalSkipsReading_data();
    void literalSkipsReading();
    void tsvEscapesTheSentenceField();
    void readsFilesInOrderAsOneText_data();
    void readsFilesInOrderAsOneText();
    void streamsLongInput();
    void joinLinesReadsWrappedTextAsItsParagraphs();
    void matchesTheWindowsDocumentOnALongMixedText();
    void weakForms_data();
    void weakForms();
    void variantChoosesTheBundledDictionary_data();
    void variantChoosesTheBundledDictionary();
    void bundledDictionariesAreFoundFromAnyFolder_data();
    void bundledDictionariesAreFoundFromAnyFolder();
    void unreadableFilesFailBeforeAnyOutput_data();
    void unreadableFilesFailBeforeAnyOutput();
    void badUsage_data();
    void badUsage();
    void helpAndVersion();
    void ownPronunciationsComeFirst_data();
    void ownPronunciationsComeFirst();
    void unreadableOwnPronunciations();
    void inputEncodings_data();
    void inputEncodings();
    void unwritableOutputFails();

private:
    QTemporaryDir m_dir;
    QString m_dictionary;
};

void TranscribeTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_dictionary = m_dir.filePath(QStringLiteral("dict.txt"));
    QVERIFY(writeFile(m_dictionary, "1\tthe\tDJ\n"
                                    "2\tcat\tkxt\n"
                                    "3\thello\thq'lqu\n"
                                    "4\tworld\twE:ld\n"
                                    "5\thow\thau\n"
                                    "6\tare\tR\n"
                                    "7\tyou\tjH\n"
                                    "8\tbox\tbPks\n"
                                    "9\tcafe\tkx'feI\n"
                                    "10\tand\txnd\n"
                                    "11\tcan\tkxn\n"
                                    "12\tfor\tfL\n"
                                    "13\tof\tPv\n"
                                    "14\tyes\tjes\n"
                                    "15\ti\taI\n"
                                    "16\ttwo\ttH\n"
                                    "17\tline\tlaIn\n"));
}

void TranscribeTest::formats_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cyrillic");
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QStringList>("renderings");
    QTest::newRow("empty") << QString() << false << QStringList() << QStringList();
    QTest::newRow("one sentence") << u"Hello world."_qs << false << QStringList{"Hello world."}
                                  << QStringList{u"[həˈləʊ wɜːld]"_qs};
    QTest::newRow("final line feed") << u"Hello world.\n"_qs << false << QStringList{"Hello world."}
                                     << QStringList{u"[həˈləʊ wɜːld]"_qs};
    QTest::newRow("marks, line feed, spaces")
        << u"Hello world. How are you?\nThe cat!  The  cat..."_qs << false
        << QStringList{"Hello world.", "How are you?", "The cat!", "The  cat..."}
        << QStringList{u"[həˈləʊ wɜːld]"_qs, u"[haʊ ɑː juː]"_qs, u"[ðə kæt]"_qs, u"[ðə kæt]"_qs};
    QTest::newRow("marks, line feed, spaces, Cyrillic")
        << u"Hello world. How are you?\nThe cat!  The  cat..."_qs << true
        << QStringList{"Hello world.", "How are you?", "The cat!", "The  cat..."}
        << QStringList{u"[хэˈлэу уэ:лд]"_qs, u"[хау а: йу:]"_qs, u"[ЗЗэ кЭт]"_qs, u"[ЗЗэ кЭт]"_qs};
    // Every line end ends a sentence and stays with it, as a line feed; a
    // line of spaces is a sentence without words.
    QTest::newRow("blank lines and CRLF")
        << u"a\n \nb\r\nline two\n\n"_qs << false << QStringList{"a\n", " \n", "b\n", "line two\n"}
        << QStringList{"[(a)]", "[]", "[(b)]", u"[laɪn tuː]"_qs};
    QTest::newRow("blank lines and CRLF, Cyrillic")
        << u"a\n \nb\r\nline two\n\n"_qs << true << QStringList{"a\n", " \n", "b\n", "line two\n"}
        << QStringList{"[(a)]", "[]", "[(b)]", u"[лаин ту:]"_qs};
    QTest::newRow("other spaces and scripts")
        << u"caf\u00E9\u00A0the cat.\u3000\U0001F600 \u0434\u0430"_qs << false
        << QStringList{u"caf\u00E9\u00A0the cat."_qs, u"\U0001F600 \u0434\u0430"_qs}
        << QStringList{u"[kæˈfeɪ ðə kæt]"_qs, u"[(\u0434\u0430)]"_qs};
    // A word made of known words is guessed and starred, in every format.
    QTest::newRow("guessed word") << u"The catbox."_qs << false << QStringList{"The catbox."}
                                  << QStringList{u"[ðə *ˈkætˌbɒks]"_qs};
    // What a careless conversion takes for a byte order mark, dropping it
    // or byte-swapping the whole sentence after it.
    QTest::newRow("sentences opening with U+FFFE and U+FEFF")
        << u"The cat.\n\uFFFEthe cat. \uFEFFhello world"_qs << false
        << QStringList{"The cat.", u"\uFFFEthe cat."_qs, u"\uFEFFhello world"_qs}
        << QStringList{u"[ðə kæt]"_qs, u"[ðə kæt]"_qs, u"[həˈləʊ wɜːld]"_qs};
}

void TranscribeTest::formats() {
    QFETCH(QString, text);
    QFETCH(bool, cyrillic);
    QFETCH(QStringList, sentences);
    QFETCH(QStringList, renderings);
    QStringList options{"-d", m_dictionary};
    if (cyrillic)
        options << "-c";

    const Run lines = runProgram(options, text.toUtf8());
    QCOMPARE(lines.exitCode, 0);
    QCOMPARE(lines.err, QByteArray());
    QCOMPARE(QString::fromUtf8(lines.out), QString::fromUtf8(linesOf(renderings)));
    QCOMPARE(runProgram(options + QStringList{"--format", "lines"}, text.toUtf8()).out, lines.out);

    const Run html = runProgram(options + QStringList{"-f", "html"}, text.toUtf8());
    QCOMPARE(html.exitCode, 0);
    QCOMPARE(QString::fromUtf8(html.out), QString::fromUtf8(htmlOf(sentences, renderings)));

    // The sentence field's escapes have a test of their own.
    const Run tsv = runProgram(options + QStringList{"--format=tsv"}, text.toUtf8());
    QCOMPARE(tsv.exitCode, 0);
    const QList<QByteArray> records =
        tsv.out.isEmpty() ? QList<QByteArray>() : tsv.out.chopped(1).split('\n');
    QCOMPARE(records.size(), renderings.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        QVERIFY2(records[i].endsWith('\t' + renderings[i].toUtf8()), records[i].constData());
}

void TranscribeTest::guessingCanBeTurnedOff() {
    for (const char *option : {"--no-guess", "--literal"}) {
        const Run run = runProgram({"-d", m_dictionary, option}, "The catbox.");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), u"[ðə (catbox)]\n"_qs);
    }
}

// Without its model the program works as it did before there was one: the
// words that no known words make up stay in parentheses, with one warning.
void TranscribeTest::damagedModelIsReportedOnce() {
    const QString dictionary = m_dir.filePath(QStringLiteral("modelled.txt"));
    QVERIFY(writeFile(dictionary, "1\tthe\tDJ\n2\tcat\tkxt\n3\tbox\tbPks\n"));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("modelled-g2p.bin")), "not a model"));
    const Run run = runProgram({"-d", dictionary}, "The zqxvw catbox.\nThe zqxvw.\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), u"[ðə (zqxvw) *ˈkætˌbɒks]\n[ðə (zqxvw)]\n"_qs);
    QCOMPARE(run.err.count("warning: cannot read the letter-to-sound model"), 1);
    QVERIFY2(run.err.contains("modelled-g2p.bin"), run.err);

    const Run off = runProgram({"-d", dictionary, "--no-guess"}, "The zqxvw.");
    QCOMPARE(off.err, QByteArray());
}

void TranscribeTest::htmlShowsMarkupAsText() {
    const Run run = runProgram({"-d", m_dictionary, "-f", "html"}, "a<b and c>d & x <y");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), htmlDocument({{"a&lt;b and c&gt;d &amp; x &lt;y",
                                                        u"[(a) (b) ænd (c) (d) ænd (x) (y)]"_qs}}) +
                                             '\n');
}

void TranscribeTest::literalSkipsReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("read");
    QTest::newRow("digits") << "the 2 cats" << u"[ðə (2) kæts]"_qs << u"[ðə tuː kæts]"_qs;
    QTest::newRow("title") << "Dr. Box came" << u"[(Dr) bɒks (came)]"_qs
                           << u"[(doctor) bɒks (came)]"_qs;
    QTest::newRow("acronym") << "the BBC cat" << u"[ðə (BBC) kæt]"_qs << u"[ðə (b) (b) (c) kæt]"_qs;
    QTest::newRow("sign") << "cat & box" << u"[kæt bɒks]"_qs << u"[kæt ænd bɒks]"_qs;
}

void TranscribeTest::literalSkipsReading() {
    QFETCH(QString, text);
    QFETCH(QString, literal);
    QFETCH(QString, read);
    const Run asWritten = runProgram({"-d", m_dictionary, "--literal"}, text.toUtf8());
    QCOMPARE(asWritten.exitCode, 0);
    QCOMPARE(QString::fromUtf8(asWritten.out), literal + '\n');
    const Run asSaid = runProgram({"-d", m_dictionary}, text.toUtf8());
    QCOMPARE(QString::fromUtf8(asSaid.out), read + '\n');
}

void TranscribeTest::tsvEscapesTheSentenceField() {
    const Run run =
        runProgram({"-d", m_dictionary, "-f", "tsv"}, "back\\slash\tthe cat\r\nnext. \\n\n\t\n");
    QCOMPARE(run.exitCode, 0);
    // A backslash and n typed by the user stay apart from a line feed, and
    // only the one TAB between the fields is left in each record; the line
    // feed that ends a sentence ends its record, and is not in its field.
    QCOMPARE(QString::fromUtf8(run.out), u"back\\\\slash\\tthe cat\t[(back) (slash) ðə kæt]\n"
                                         u"next.\t[(next)]\n"
                                         u"\\\\n\t[(n)]\n"
                                         u"\\t\t[]\n"_qs);
}

void TranscribeTest::readsFilesInOrderAsOneText_data() {
    QTest::addColumn<QByteArrayList>("parts");
    QTest::addColumn<QList<bool>>("fromStandardInput");
    QTest::addColumn<QStringList>("expected");
    const QStringList twoSentences{u"[həˈləʊ wɜːld]"_qs, u"[haʊ ɑː juː]"_qs};
    QTest::newRow("one file") << QByteArrayList{"Hello world. How are you?\n"} << QList<bool>{false}
                              << twoSentences;
    QTest::newRow("sentence across files") << QByteArrayList{"Hello wor", "ld. How", " are you?\n"}
                                           << QList<bool>{false, false, false} << twoSentences;
    QTest::newRow("delimiter across files")
        << QByteArrayList{"Hello world.", " \n", " How are you?"}
        << QList<bool>{false, false, false} << twoSentences;
    QTest::newRow("dash between files") << QByteArrayList{"Hello world.", " How are", " you?"}
                                        << QList<bool>{false, true, false} << twoSentences;
    QTest::newRow("no line feed between files")
        << QByteArrayList{"Hello world.", "How are you?"} << QList<bool>{false, false}
        << QStringList{u"[həˈləʊ wɜːld haʊ ɑː juː]"_qs};
    QTest::newRow("empty files") << QByteArrayList{"", "The cat.", ""}
                                 << QList<bool>{false, false, false} << QStringList{u"[ðə kæt]"_qs};
}

void TranscribeTest::readsFilesInOrderAsOneText() {
    QFETCH(QByteArrayList, parts);
    QFETCH(QList<bool>, fromStandardInput);
    QFETCH(QStringList, expected);
    QStringList arguments{"-d", m_dictionary};
    QByteArray whole;
    QByteArray input;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        whole += parts[i];
        if (fromStandardInput[i]) {
            arguments << "-";
            input = parts[i];
        } else {
            const QString path = m_dir.filePath(QStringLiteral("part%1.txt").arg(i));
            QVERIFY(writeFile(path, parts[i]));
            arguments << path;
        }
    }
    const Run fromFiles = runProgram(arguments, input);
    QCOMPARE(fromFiles.exitCode, 0);
    QCOMPARE(QString::fromUtf8(fromFiles.out), QString::fromUtf8(linesOf(expected)));
    const Run fromStdin = runProgram({"-d", m_dictionary}, whole);
    QCOMPARE(fromStdin.out, fromFiles.out);
}

// Far more than one read: the sentences differ in length, so that the reads
// end in every part of them, inside the multi-byte characters too.
void TranscribeTest::streamsLongInput() {
    QString text;
    QStringList sentences;
    QStringList renderings;
    for (int i = 0; text.size() < 400'000; ++i) {
        const QString gap(1 + i % 13, u' ');
        const QString inner(1 + i % 5, u' ');
        text += "Hello world." + gap + "How are you?\nThe" + inner +
                u"\U0001F600 cat... café!\u00A0Hello\u2014world.\n"_qs;
        sentences << "Hello world."
                  << "How are you?"
                  << "The" + inner + u"\U0001F600 cat..."_qs << u"café!"_qs
                  << u"Hello\u2014world."_qs;
        renderings << u"[həˈləʊ wɜːld]"_qs << u"[haʊ ɑː juː]"_qs << u"[ðə kæt]"_qs << u"[kæˈfeɪ]"_qs
                   << u"[həˈləʊ wɜːld]"_qs;
    }
    const QString path = m_dir.filePath(QStringLiteral("long.txt"));
    QVERIFY(writeFile(path, text.toUtf8()));
    const Run lines = runProgram({"-d", m_dictionary, path});
    QCOMPARE(lines.exitCode, 0);
    QVERIFY(lines.out == linesOf(renderings));
    const Run html = runProgram({"-d", m_dictionary, "-f", "html"}, text.toUtf8());
    QVERIFY(html.out == htmlOf(sentences, renderings));
}

// A long hard-wrapped text, streamed in chunks, against the same paragraphs
// on one line each.
void TranscribeTest::joinLinesReadsWrappedTextAsItsParagraphs() {
    const QStringList words = QStringLiteral("Hello world, how are you and the cat? The box "
                                             "and the cat. How are you, world?")
                                  .split(u' ');
    QString wrapped;
    QString unwrapped;
    for (int paragraph = 0; wrapped.size() < 200'000; ++paragraph) {
        QString line;
        for (int i = 0; i < 5 + paragraph % 40; ++i) {
            const QString &word = words[(paragraph + i) % words.size()];
            if (line.size() + 1 + word.size() > 60) {
                wrapped += line + u'\n';
                unwrapped += line + u' ';
                line.clear();
            }
            line += (line.isEmpty() ? u""_qs : u" "_qs) + word;
        }
        wrapped += line + u"\n\n"_qs;
        unwrapped += line + u"\n\n"_qs;
    }
    const Run joined =
        runProgram({"-d", m_dictionary, "--join-lines", "-f", "tsv"}, wrapped.toUtf8());
    QCOMPARE(joined.exitCode, 0);
    const Run asWritten = runProgram({"-d", m_dictionary, "-f", "tsv"}, unwrapped.toUtf8());
    QVERIFY(joined.out == asWritten.out);
    // Without the option every line feed still cuts.
    QVERIFY(runProgram({"-d", m_dictionary, "-f", "tsv"}, wrapped.toUtf8()).out != joined.out);
}

// The one comparison with the window's document builder: on a long text
// that mixes sentences, delimiters and multi-byte characters at random
// places, the streamed program and the builder, which sees the text whole,
// must give the same document.
void TranscribeTest::matchesTheWindowsDocumentOnALongMixedText() {
    QString text;
    const QString pieces[] = {
        "Hello world. ", "How are you?\n", "the cat", "...  ", QString::fromUtf16(u"caf\u00E9! "),
        "\n\n",          "you.\u00A0"};
    for (int i = 0; text.size() < 400'000; ++i)
        text += pieces[(i * 7 + i / 3) % std::size(pieces)];
    const QString path = m_dir.filePath(QStringLiteral("mixed.txt"));
    QVERIFY(writeFile(path, text.toUtf8()));
    const Run html = runProgram({"-d", m_dictionary, "-f", "html", path});
    QCOMPARE(html.exitCode, 0);
    const orvanta::DictionaryLoad load =
        orvanta::PronunciationDictionary::load(QFile::encodeName(m_dictionary).toStdString());
    QVERIFY(load.ok());
    const orvanta::TranscriptionEngine engine(load.dictionary,
                                              orvanta::EngineOptions{orvanta::Variant::American});
    QVERIFY(html.out == orvanta::buildReadDocument(engine, text, false).toUtf8() + '\n');
}

void TranscribeTest::weakForms_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("citation");
    QTest::addColumn<QString>("weak");
    const QStringList british{"-b"};
    const QStringList american{"-a"};
    QTest::newRow("and, British") << british << "And you?" << u"[ænd juː]"_qs << u"[ən jʊ]"_qs;
    QTest::newRow("of, American") << american << "The cat of the box." << u"[ðə kæt ɒv ðə bɒks]"_qs
                                  << u"[ðə kæt əv ðə bɒks]"_qs;
    QTest::newRow("for, British") << british << "For you." << u"[fɔː juː]"_qs << u"[fə jʊ]"_qs;
    QTest::newRow("for, American keeps its r")
        << american << "For you." << u"[fɔː juː]"_qs << u"[fər jʊ]"_qs;
    QTest::newRow("can at the end stays strong")
        << british << "Two of you can." << u"[tuː ɒv juː kæn]"_qs << u"[tuː əv jʊ kæn]"_qs;
    QTest::newRow("short answer stays strong")
        << british << "Yes, I can." << u"[jes aɪ kæn]"_qs << u"[jes aɪ kæn]"_qs;
    QTest::newRow("Cyrillic") << QStringList{"-c"} << "The cat and the box."
                              << u"[ЗЗэ кЭт Энд ЗЗэ бокс]"_qs << u"[ЗЗэ кЭт эн ЗЗэ бокс]"_qs;
}

void TranscribeTest::weakForms() {
    QFETCH(QStringList, options);
    QFETCH(QString, text);
    QFETCH(QString, citation);
    QFETCH(QString, weak);
    options << "-d" << m_dictionary;
    const Run plain = runProgram(options, text.toUtf8());
    QCOMPARE(plain.exitCode, 0);
    QCOMPARE(QString::fromUtf8(plain.out), citation + '\n');
    for (const char *option : {"--weak-forms", "-w"}) {
        const Run run = runProgram(options + QStringList{option}, text.toUtf8());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(QString::fromUtf8(run.out), weak + '\n');
    }
}

void TranscribeTest::variantChoosesTheBundledDictionary_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << QStringList{} << u"[təˈmeɪtoʊ]"_qs;
    QTest::newRow("american") << QStringList{"-a"} << u"[təˈmeɪtoʊ]"_qs;
    QTest::newRow("british") << QStringList{"--british"} << u"[təˈmɑːtəʊ]"_qs;
    QTest::newRow("dictionary wins") << QStringList{"-b", "-d", "own.txt"} << u"[kæt]"_qs;
}

void TranscribeTest::variantChoosesTheBundledDictionary() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    // The bundled dictionaries are found relative to the current directory
    // first, so a directory of small ones stands in for them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(orvanta::test_support::writeDictionaries(dir.path(), "1\ttomato\ttq'mRtqu\n",
                                                     "1\ttomato\ttq'meItou\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("own.txt")), "1\ttomato\tkxt\n"));
    const Run run = runProgram(arguments, "tomato", dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), expected + '\n');
}

void TranscribeTest::bundledDictionariesAreFoundFromAnyFolder_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("British") << QStringList{"-b"}
                             << QString::fromUtf8("[ðə kɑːr ɪz ɪn ðə ˈɡɑːdən]\n");
    QTest::newRow("American") << QStringList{"--american"}
                              << QString::fromUtf8("[ðə kɑːr ɪz ɪn ðə ˈɡɑːrdən]\n");
}

// A folder without data/ of its own, as when the uninstalled program is run
// from anywhere: the dictionaries of the tree it was built from answer.
void TranscribeTest::bundledDictionariesAreFoundFromAnyFolder() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const Run run = runProgram(arguments, "The car is in the garden.", elsewhere.path());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), expected);
}

void TranscribeTest::unreadableFilesFailBeforeAnyOutput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QString good = m_dir.filePath(QStringLiteral("good.txt"));
    QVERIFY(writeFile(good, "The cat.\n"));
    const QString missing = m_dir.filePath(QStringLiteral("missing.txt"));
    const QString directory = m_dir.path();
    const QString noSuchFile = systemError(ENOENT);
    const QString isDirectory = systemError(EISDIR);
    for (const char *format : {"lines", "html", "tsv"}) {
        const QStringList base{"-f", format, "-d", m_dictionary};
        QTest::addRow("missing input, %s", format)
            << base + QStringList{missing} << missing << noSuchFile;
        QTest::addRow("missing input after a good one, %s", format)
            << base + QStringList{good, missing} << missing << noSuchFile;
        QTest::addRow("directory as input, %s", format)
            << base + QStringList{good, directory} << directory << isDirectory;
        QTest::addRow("missing dictionary, %s", format)
            << QStringList{"-f", format, "-d", missing, good} << missing << noSuchFile;
        QTest::addRow("directory as dictionary, %s", format)
            << QStringList{"-f", format, "-d", directory, good} << directory << isDirectory;
    }
    if (geteuid() != 0) {
        const QString locked = m_dir.filePath(QStringLiteral("locked.txt"));
        QVERIFY(writeFile(locked, "x"));
        QFile::setPermissions(locked, {});
        QTest::addRow("input without read permission")
            << QStringList{"-d", m_dictionary, good, locked} << locked << systemError(EACCES);
    }
}

void TranscribeTest::unreadableFilesFailBeforeAnyOutput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const Run run = runProgram(arguments, "Hello world.\n");
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("orvanta-transcribe: cannot read %1: %2\n").arg(file, reason));
}

void TranscribeTest::badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("unknown option") << QStringList{"--loud"} << "loud";
    QTest::newRow("unknown short option") << QStringList{"-x"} << "x";
    QTest::newRow("unknown format") << QStringList{"-f", "xml"} << "xml";
    QTest::newRow("format without value") << QStringList{"-f"} << "f";
    QTest::newRow("dictionary without value") << QStringList{"--dictionary"} << "dictionary";
    QTest::newRow("both variants") << QStringList{"-b", "-a"} << "british";
}

void TranscribeTest::badUsage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    const Run run = runProgram(QStringList{"-d", m_dictionary} + arguments, "Hello.");
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith("orvanta-transcribe: "), qPrintable(err));
    QVERIFY2(err.section('\n', 0, 0).contains(complaint), qPrintable(err));
    QVERIFY2(err.contains("\nUsage: orvanta-transcribe "), qPrintable(err));
}

void TranscribeTest::ownPronunciationsComeFirst_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("british");  // the window's British file, if not empty
    QTest::addColumn<QByteArray>("american"); // and its American one
    QTest::addColumn<QString>("expected");
    const QByteArray own = "1\tcat\tk'Pt\n";
    QTest::newRow("no files: dictionary alone")
        << QStringList{} << QByteArray() << QByteArray() << u"[kæts]"_qs;
    QTest::newRow("American by default") << QStringList{} << QByteArray() << own << u"[kˈɒts]"_qs;
    QTest::newRow("British") << QStringList{"-b"} << own << QByteArray() << u"[kˈɒts]"_qs;
    QTest::newRow("other variant's file unread")
        << QStringList{"-b"} << QByteArray() << own << u"[kæts]"_qs;
    const QString named = m_dir.filePath(QStringLiteral("named.txt"));
    QVERIFY(writeFile(named, "1\tcat\tkLt\n"));
    QTest::newRow("named file instead")
        << QStringList{"--user-dictionary", named} << QByteArray() << own << u"[kɔːts]"_qs;
    QTest::newRow("none") << QStringList{"--user-dictionary", "/dev/null"} << QByteArray() << own
                          << u"[kæts]"_qs;
}

void TranscribeTest::ownPronunciationsComeFirst() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, british);
    QFETCH(QByteArray, american);
    QFETCH(QString, expected);
    QDir(dataHome()).removeRecursively();
    QVERIFY(QDir().mkpath(dataHome() + QStringLiteral("/orvanta")));
    if (!british.isEmpty())
        QVERIFY(writeFile(userFile("user-british.txt"), british));
    if (!american.isEmpty())
        QVERIFY(writeFile(userFile("user-american.txt"), american));
    const Run run = runProgram(QStringList{"-d", m_dictionary} + arguments, "cats");
    QDir(dataHome()).removeRecursively();
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), expected + '\n');
}

void TranscribeTest::unreadableOwnPronunciations() {
    QVERIFY(QDir().mkpath(userFile("user-american.txt")));
    const Run unnamed = runProgram({"-d", m_dictionary}, "cat");
    QDir(dataHome()).removeRecursively();
    // The window's file is not the user's request here: a warning, and the run.
    QCOMPARE(unnamed.exitCode, 0);
    QCOMPARE(QString::fromUtf8(unnamed.out), u"[kæt]\n"_qs);
    QVERIFY2(unnamed.err.contains("warning: cannot read your pronunciations"), unnamed.err);

    const QString missing = m_dir.filePath(QStringLiteral("missing-own.txt"));
    const Run named = runProgram({"-d", m_dictionary, "--user-dictionary", missing}, "cat");
    QCOMPARE(named.exitCode, 1);
    QCOMPARE(named.out, QByteArray());
    QCOMPARE(QString::fromLocal8Bit(named.err),
             QStringLiteral("orvanta-transcribe: cannot read %1: %2\n")
                 .arg(missing, systemError(ENOENT)));
    const Run empty = runProgram({"-d", m_dictionary, "--user-dictionary="}, "cat");
    QCOMPARE(empty.exitCode, 2);
}

void TranscribeTest::helpAndVersion() {
    const Run help = runProgram({"--help"});
    QCOMPARE(help.exitCode, 0);
    QCOMPARE(help.err, QByteArray());
    QVERIFY(help.out.startsWith("Usage: orvanta-transcribe "));
    for (const char *option :
         {"--british", "--american", "--dictionary", "--user-dictionary", "--cyrillic", "--literal",
          "--weak-forms", "--join-lines", "--format"})
        QVERIFY2(help.out.contains(option), option);
    QCOMPARE(runProgram({"-h"}).out, help.out);

    const Run version = runProgram({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("orvanta-transcribe " ORVANTA_VERSION "\n"));
}

void TranscribeTest::inputEncodings_data() {
    QTest::addColumn<QByteArrayList>("files"); // empty names: standard input
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("tsv");
    QTest::addColumn<QStringList>("notices"); // %1, %2: the files' paths
    const QString hello = u"Hello.\t[həˈləʊ]\n"_qs;
    QTest::newRow("UTF-16LE") << QByteArrayList{QByteArray("\xFF\xFEH\0e\0l\0l\0o\0.\0", 14)}
                              << QByteArray() << hello << QStringList();
    QTest::newRow("UTF-16BE, standard input")
        << QByteArrayList() << QByteArray("\xFE\xFF\0H\0e\0l\0l\0o\0.", 14) << hello
        << QStringList();
    QTest::newRow("Windows-1252") << QByteArrayList{"Caf\xE9 and the cat."} << QByteArray()
                                  << u"Café and the cat.\t[kæˈfeɪ ænd ðə kæt]\n"_qs
                                  << QStringList{"%1: not UTF-8; read as Windows-1252"};
    QTest::newRow("Windows-1252, standard input")
        << QByteArrayList() << QByteArray("\x93Yes\x94") << u"“Yes”\t[jes]\n"_qs
        << QStringList{"standard input: not UTF-8; read as Windows-1252"};
    // Each bad sequence of a UTF-8 file is one U+FFFD, which reads as no
    // word; the second file's first bytes do not complete the first file's
    // last ones, and its encoding is its own.
    QTest::newRow("UTF-8 with broken bytes, then Windows-1252")
        << QByteArrayList{"\xEF\xBB\xBFHello \xFF world.\nThe c\xC3(at", " \xE2\x82 you.\n"}
        << QByteArray()
        << u"Hello \uFFFD world.\t[həˈləʊ wɜːld]\nThe c\uFFFD(at \u00E2\u201A you.\t[ðə (c) (at) (a) juː]\n"_qs
        << QStringList{"warning: %1: invalid UTF-8 replaced by U+FFFD",
                       "%2: not UTF-8; read as Windows-1252"};
    QTest::newRow("valid UTF-8 and a real U+FFFD")
        << QByteArrayList{"caf\xC3\xA9 \xEF\xBF\xBD"} << QByteArray()
        << u"café \uFFFD\t[kæˈfeɪ]\n"_qs << QStringList();
    QTest::newRow("UTF-16 cut in half") << QByteArrayList{QByteArray("\xFF\xFEH\0i\0\x3D", 7)}
                                        << QByteArray() << u"Hi\uFFFD\t[(Hi)]\n"_qs
                                        << QStringList{"warning: %1: invalid UTF-16LE replaced "
                                                       "by U+FFFD"};
}

// The window reads files through the same decoder; text_file_test holds
// the cases, this the messages and the run around it.
void TranscribeTest::inputEncodings() {
    QFETCH(QByteArrayList, files);
    QFETCH(QByteArray, input);
    QFETCH(QString, tsv);
    QFETCH(QStringList, notices);
    QStringList paths;
    for (const QByteArray &bytes : files) {
        paths << m_dir.filePath(QStringLiteral("encoded%1.txt").arg(paths.size()));
        QVERIFY(writeFile(paths.last(), bytes));
    }
    const Run run = runProgram(QStringList{"-d", m_dictionary, "-f", "tsv"} + paths, input);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out), tsv);
    QString err;
    for (QString notice : std::as_const(notices))
        err += "orvanta-transcribe: " +
               notice.replace("%1", paths.value(0)).replace("%2", paths.value(1)) + '\n';
    QCOMPARE(QString::fromLocal8Bit(run.err), err);
}

void TranscribeTest::unwritableOutputFails() {
#ifdef Q_OS_LINUX
    QVERIFY2(QFile::exists(QStringLiteral("/dev/full")), "every Linux system has /dev/full");
#else
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs /dev/full");
#endif
    const Run run = runProgram({"-d", m_dictionary}, "Hello world.\n", {}, "/dev/full");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("orvanta-transcribe: cannot write standard output: "),
             run.err.constData());
}

QTEST_GUILESS_MAIN(TranscribeTest)
#include "transcribe_test.moc"
