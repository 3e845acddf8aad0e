// The command line's contract, checked by running the real program.
#include "document/data_location.h"
#include "document/document.h"
#include "engine/dictionary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// What each format must print for `text`, built in this process with the
// document builder from the same dictionary.
// The program reads text as spoken (American unless told otherwise), or
// literally with --literal.
QByteArray expectedLines(const QString &text, bool cyrillic, bool literal = false) {
    QByteArray out;
    for (const QString &sentence : orvanta::cutSentences(text))
        out += (literal ? orvanta::renderSentence(sentence, cyrillic)
                        : orvanta::renderReadSentence(sentence, cyrillic, false))
                   .toUtf8() +
               '\n';
    return out;
}

QByteArray expectedHtml(const QString &text, bool cyrillic) {
    return orvanta::buildReadDocument(text, cyrillic, false).toUtf8() + '\n';
}

} // namespace

class TranscribeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void formats_data();
    void literalSkipsReading_data();
    void literalSkipsReading();
    void formats();
    void tsvEscapesTheSentenceField();
    void readsFilesInOrderAsOneText_data();
    void readsFilesInOrderAsOneText();
    void streamsLongInput();
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
    void invalidUtf8IsReplacedWithOneWarning();
    void unwritableOutputFails();

private:
    QTemporaryDir m_dir;
    QString m_dictionary;
};

void TranscribeTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_dictionary = m_dir.filePath(QStringLiteral("dict.txt"));
    writeFile(m_dictionary, "1\tthe\tDJ\n"
                            "2\tcat\tkxt\n"
                            "3\thello\th@'l@U\n"
                            "4\tworld\tw3:ld\n"
                            "5\thow\thaU\n"
                            "6\tare\tA:\n"
                            "7\tyou\tju:\n");
    init();
    // The in-process expectations must come from a dictionary that knows
    // the words, or every format would agree on fallbacks alone.
    QVERIFY(!orvanta::renderSentence(QStringLiteral("cat"), false).contains(u'('));
}

void TranscribeTest::init() {
    QVERIFY(orvanta::loadDictionary(QFile::encodeName(m_dictionary).toStdString()));
}

void TranscribeTest::formats_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cyrillic");
    const QString texts[] = {
        QString(),
        QStringLiteral("Hello world."),
        QStringLiteral("Hello world.\n"),
        QStringLiteral("Hello world. How are you?\nThe cat!  The  cat..."),
        QStringLiteral("a<b and c>d & x <y"),
        QStringLiteral("a\n \nb\r\nline two\n\n"),
        QString::fromUtf16(u"caf\u00E9\u00A0the cat.\u3000\U0001F600 \u0434\u0430"),
    };
    for (const QString &text : texts) {
        for (const bool cyrillic : {false, true}) {
            QTest::addRow("%s%s", qPrintable(QString(text).replace('\n', "\\n").left(24)),
                          cyrillic ? " cyrillic" : "")
                << text << cyrillic;
        }
    }
}

void TranscribeTest::formats() {
    QFETCH(QString, text);
    QFETCH(bool, cyrillic);
    QStringList options{"-d", m_dictionary};
    if (cyrillic)
        options << "-c";

    const Run lines = runProgram(options, text.toUtf8());
    QCOMPARE(lines.exitCode, 0);
    QCOMPARE(lines.err, QByteArray());
    QCOMPARE(lines.out, expectedLines(text, cyrillic));
    QCOMPARE(runProgram(options + QStringList{"--format", "lines"}, text.toUtf8()).out, lines.out);

    const Run html = runProgram(options + QStringList{"-f", "html"}, text.toUtf8());
    QCOMPARE(html.exitCode, 0);
    QCOMPARE(html.out, expectedHtml(text, cyrillic));

    const Run tsv = runProgram(options + QStringList{"--format=tsv"}, text.toUtf8());
    QCOMPARE(tsv.exitCode, 0);
    const QList<QByteArray> records =
        tsv.out.isEmpty() ? QList<QByteArray>() : tsv.out.chopped(1).split('\n');
    const QList<QByteArray> renderings =
        lines.out.isEmpty() ? QList<QByteArray>() : lines.out.chopped(1).split('\n');
    QCOMPARE(records.size(), renderings.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        QVERIFY2(records[i].endsWith('\t' + renderings[i]), records[i].constData());
}

void TranscribeTest::literalSkipsReading_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << QStringLiteral("the 2 cats");
    QTest::newRow("title") << QStringLiteral("Dr. Box came");
    QTest::newRow("acronym") << QStringLiteral("the BBC cat");
    QTest::newRow("sign") << QStringLiteral("cat & box");
}

void TranscribeTest::literalSkipsReading() {
    QFETCH(QString, text);
    const Run literal = runProgram({"-d", m_dictionary, "--literal"}, text.toUtf8());
    QCOMPARE(literal.exitCode, 0);
    QCOMPARE(literal.out, expectedLines(text, false, true));
    const Run read = runProgram({"-d", m_dictionary}, text.toUtf8());
    QCOMPARE(read.out, expectedLines(text, false));
    QVERIFY2(read.out != literal.out, read.out.constData());
}

void TranscribeTest::tsvEscapesTheSentenceField() {
    const Run run =
        runProgram({"-d", m_dictionary, "-f", "tsv"}, "back\\slash\tthe cat\r\nnext. \\n\n");
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> records = run.out.split('\n');
    QCOMPARE(records.size(), 4);
    QVERIFY(records[0].startsWith("back\\\\slash\\tthe cat\\r\\n\t["));
    QVERIFY(records[1].startsWith("next.\t["));
    // A backslash and n typed by the user stay apart from a line feed.
    QVERIFY(records[2].startsWith("\\\\n\\n\t["));
    QVERIFY(records[3].isEmpty());
    // Only the one TAB between the fields is left in each record.
    QCOMPARE(records[0].count('\t'), 1);
}

void TranscribeTest::readsFilesInOrderAsOneText_data() {
    QTest::addColumn<QByteArrayList>("parts");
    QTest::addColumn<QList<bool>>("fromStandardInput");
    QTest::newRow("one file") << QByteArrayList{"Hello world. How are you?\n"}
                              << QList<bool>{false};
    QTest::newRow("sentence across files") << QByteArrayList{"Hello wor", "ld. How", " are you?\n"}
                                           << QList<bool>{false, false, false};
    QTest::newRow("delimiter across files")
        << QByteArrayList{"Hello world.", " \n", " How are you?"}
        << QList<bool>{false, false, false};
    QTest::newRow("dash between files")
        << QByteArrayList{"Hello world.", " How are", " you?"} << QList<bool>{false, true, false};
    QTest::newRow("empty files") << QByteArrayList{"", "The cat.", ""}
                                 << QList<bool>{false, false, false};
}

void TranscribeTest::readsFilesInOrderAsOneText() {
    QFETCH(QByteArrayList, parts);
    QFETCH(QList<bool>, fromStandardInput);
    QStringList arguments{"-d", m_dictionary, "-f", "html"};
    QByteArray whole;
    QByteArray input;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        whole += parts[i];
        if (fromStandardInput[i]) {
            arguments << "-";
            input = parts[i];
        } else {
            const QString path = m_dir.filePath(QStringLiteral("part%1.txt").arg(i));
            writeFile(path, parts[i]);
            arguments << path;
        }
    }
    const Run fromFiles = runProgram(arguments, input);
    QCOMPARE(fromFiles.exitCode, 0);
    QCOMPARE(fromFiles.out, expectedHtml(QString::fromUtf8(whole), false));
    const Run fromStdin = runProgram({"-d", m_dictionary, "-f", "html"}, whole);
    QCOMPARE(fromStdin.out, fromFiles.out);
}

void TranscribeTest::streamsLongInput() {
    // Far more than one read, with sentences, delimiters and multi-byte
    // characters falling on every kind of read boundary.
    QString text;
    const QString pieces[] = {
        "Hello world. ", "How are you?\n", "the cat", "...  ", QString::fromUtf16(u"caf\u00E9! "),
        "\n\n",          "you.\u00A0"};
    for (int i = 0; text.size() < 400'000; ++i)
        text += pieces[(i * 7 + i / 3) % std::size(pieces)];
    const QString path = m_dir.filePath(QStringLiteral("long.txt"));
    writeFile(path, text.toUtf8());
    const Run lines = runProgram({"-d", m_dictionary, path});
    QCOMPARE(lines.exitCode, 0);
    QVERIFY(lines.out == expectedLines(text, false));
    const Run html = runProgram({"-d", m_dictionary, "-f", "html"}, text.toUtf8());
    QVERIFY(html.out == expectedHtml(text, false));
}

void TranscribeTest::variantChoosesTheBundledDictionary_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("dictionary");
    QTest::newRow("default") << QStringList{}
                             << QString::fromLatin1(orvanta::americanDictionaryFile);
    QTest::newRow("american") << QStringList{"-a"}
                              << QString::fromLatin1(orvanta::americanDictionaryFile);
    QTest::newRow("british") << QStringList{"--british"}
                             << QString::fromLatin1(orvanta::britishDictionaryFile);
    QTest::newRow("dictionary wins") << QStringList{"-b", "-d", "own.txt"} << "own.txt";
}

void TranscribeTest::variantChoosesTheBundledDictionary() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, dictionary);
    // The bundled dictionaries are found relative to the current directory
    // first, so a directory of small ones stands in for them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data")));
    writeFile(dir.filePath(QLatin1String(orvanta::britishDictionaryFile)),
              "1\ttomato\tt@'mA:t@U\n");
    writeFile(dir.filePath(QLatin1String(orvanta::americanDictionaryFile)),
              "1\ttomato\tt@'meItoU\n");
    writeFile(dir.filePath(QStringLiteral("own.txt")), "1\ttomato\tkxt\n");
    const Run run = runProgram(arguments, "tomato", dir.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(orvanta::loadDictionary(QFile::encodeName(dir.filePath(dictionary)).toStdString()));
    QCOMPARE(run.out, expectedLines(QStringLiteral("tomato"), false));
    QVERIFY(!run.out.contains('('));
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
    writeFile(good, "The cat.\n");
    const QString missing = m_dir.filePath(QStringLiteral("missing.txt"));
    const QString directory = m_dir.path();
    const QString noSuchFile = QStringLiteral("No such file or directory");
    const QString isDirectory = QStringLiteral("Is a directory");
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
        writeFile(locked, "x");
        QFile::setPermissions(locked, {});
        QTest::addRow("input without read permission")
            << QStringList{"-d", m_dictionary, good, locked} << locked
            << QStringLiteral("Permission denied");
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
    writeFile(named, "1\tcat\tkLt\n");
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
        writeFile(userFile("user-british.txt"), british);
    if (!american.isEmpty())
        writeFile(userFile("user-american.txt"), american);
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
             QStringLiteral("orvanta-transcribe: cannot read %1: No such file or directory\n")
                 .arg(missing));
    const Run empty = runProgram({"-d", m_dictionary, "--user-dictionary="}, "cat");
    QCOMPARE(empty.exitCode, 2);
}

void TranscribeTest::helpAndVersion() {
    const Run help = runProgram({"--help"});
    QCOMPARE(help.exitCode, 0);
    QCOMPARE(help.err, QByteArray());
    QVERIFY(help.out.startsWith("Usage: orvanta-transcribe "));
    for (const char *option :
         {"--british", "--american", "--dictionary", "--user-dictionary", "--cyrillic", "--format"})
        QVERIFY2(help.out.contains(option), option);
    QCOMPARE(runProgram({"-h"}).out, help.out);

    const Run version = runProgram({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("orvanta-transcribe " ORVANTA_VERSION "\n"));
}

void TranscribeTest::invalidUtf8IsReplacedWithOneWarning() {
    const QString first = m_dir.filePath(QStringLiteral("bad1.txt"));
    const QString second = m_dir.filePath(QStringLiteral("bad2.txt"));
    writeFile(first, "\xEF\xBB\xBFHello \xFF world.\nThe c\xC3(at");
    writeFile(second, " \xE2\x82 you.\n\xF0\x9F");
    const QString text =
        QString::fromUtf16(u"Hello \uFFFD world.\nThe c\uFFFD(at \uFFFD you.\n\uFFFD");
    for (const char *format : {"lines", "html"}) {
        const Run run = runProgram({"-d", m_dictionary, "-f", format, first, second});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, qstrcmp(format, "html") == 0 ? expectedHtml(text, false)
                                                       : expectedLines(text, false));
        QCOMPARE(QString::fromLocal8Bit(run.err),
                 QStringLiteral("orvanta-transcribe: warning: %1: invalid UTF-8 replaced by "
                                "U+FFFD\n")
                     .arg(first));
    }
    const Run valid = runProgram({"-d", m_dictionary}, "caf\xC3\xA9 \xEF\xBF\xBD");
    QCOMPARE(valid.err, QByteArray());
}

void TranscribeTest::unwritableOutputFails() {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs /dev/full");
    const Run run = runProgram({"-d", m_dictionary}, "Hello world.\n", {}, "/dev/full");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("orvanta-transcribe: cannot write standard output: "),
             run.err.constData());
}

QTEST_GUILESS_MAIN(TranscribeTest)
#include "transcribe_test.moc"
