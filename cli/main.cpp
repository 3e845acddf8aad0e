// orvanta-transcribe: the window's transcription run for scripts and pipes.
#include "document/data_location.h"
#include "document/document.h"
#include "document/text_file.h"
#include "document/user_dictionary.h"
#include "engine/lexicon/dictionary.h"
#include "engine/lexicon/guess_model.h"
#include "engine/output/cyrillic.h"
#include "engine/text/sentence_cutter.h"
#include "engine/transcription_engine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace orvanta;

constexpr char programName[] = "orvanta-transcribe";
constexpr qint64 chunkSize = 64 * 1024;

enum class Format { Lines, Html, Tsv };

struct Options {
    bool british = false;
    bool cyrillic = false;
    bool literal = false;
    bool weakForms = false;
    bool joinLines = false;
    bool guess = true;
    Format format = Format::Lines;
    QString dictionary; // empty: the bundled one of the chosen variant
    // The user's own pronunciations, looked up first; empty: the window's
    // file of the chosen variant, if the user has one.
    QString userDictionary;
    QStringList inputs; // empty: standard input; "-" also means it
};

// QCommandLineParser parses the options, but the help is written here:
// its generated text names the program by the path it was started with and
// cannot show that --british and --american exclude each other.
const char usageText[] =
    "Usage: orvanta-transcribe [-b|--british | -a|--american] [-d|--dictionary FILE]\n"
    "                          [--user-dictionary FILE] [-c|--cyrillic] [--literal]\n"
    "                          [-w|--weak-forms] [--join-lines] [--no-guess]\n"
    "                          [-f|--format lines|html|tsv] [FILE...]\n";

const char helpText[] =
    "Transcribes English text into IPA, sentence by sentence, as the Orvanta window does.\n"
    "Reads the FILEs in order as one text, or standard input when there is none or for '-'.\n"
    "\n"
    "  -a, --american         American pronunciation (the default)\n"
    "  -b, --british          British pronunciation\n"
    "  -d, --dictionary FILE  read the pronunciations from FILE instead of the bundled\n"
    "                         dictionary\n"
    "      --user-dictionary FILE\n"
    "                         look words up in FILE (same format) before the dictionary;\n"
    "                         without it, your own pronunciations of the chosen variant\n"
    "                         come first, which the window keeps in the folder\n"
    "                         %1\n"
    "                         (user-british.txt, user-american.txt); /dev/null for none\n"
    "  -c, --cyrillic         spell the sounds in Cyrillic letters instead of IPA\n"
    "      --literal          transcribe the words as written: no reading of numbers,\n"
    "                         abbreviations, symbols or letters\n"
    "  -w, --weak-forms       the weak forms of running speech for function words (and,\n"
    "                         can, for, of, the, to...), strong where speech stresses them\n"
    "      --join-lines       read a line feed inside a paragraph as a space, for text\n"
    "                         wrapped at a fixed width; a blank, short or indented line,\n"
    "                         a list item or a heading still starts a new piece\n"
    "      --no-guess         leave a word that no dictionary holds in parentheses, as\n"
    "                         written, instead of guessing its pronunciation from known\n"
    "                         words it is made of or from its letters; a guess is\n"
    "                         marked with a * in front of it\n"
    "  -f, --format FORMAT    lines: each sentence's transcription on a line (default)\n"
    "                         html:  the HTML document that the window shows\n"
    "                         tsv:   the sentence, a TAB and its transcription; line feeds,\n"
    "                                carriage returns, TABs and backslashes in the sentence\n"
    "                                are written as \\n, \\r, \\t and \\\\\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or the output cannot be\n"
    "written, 2 on bad usage.\n";

void printError(const QString &message) {
    std::fprintf(stderr, "%s: %s\n", programName, message.toLocal8Bit().constData());
}

[[noreturn]] void failUsage(const QString &message) {
    printError(message);
    std::fputs(usageText, stderr);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", programName);
    std::exit(2);
}

[[noreturn]] void failRead(const QString &file, const QString &reason) {
    printError(QStringLiteral("cannot read %1: %2").arg(file, reason));
    std::exit(1);
}

QString inputName(const QString &input) {
    return input == QLatin1String("-") ? QStringLiteral("standard input") : input;
}

Options parseOptions(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption british({"b", "british"}, {});
    const QCommandLineOption american({"a", "american"}, {});
    const QCommandLineOption dictionary({"d", "dictionary"}, {}, "FILE");
    const QCommandLineOption userDictionary(QStringLiteral("user-dictionary"), {}, "FILE");
    const QCommandLineOption cyrillic({"c", "cyrillic"}, {});
    const QCommandLineOption literal(QStringLiteral("literal"), {});
    const QCommandLineOption weakForms({"w", "weak-forms"}, {});
    const QCommandLineOption joinLines(QStringLiteral("join-lines"), {});
    const QCommandLineOption noGuess(QStringLiteral("no-guess"), {});
    const QCommandLineOption format({"f", "format"}, {}, "FORMAT");
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption version(QStringLiteral("version"), {});
    parser.addOptions({british, american, dictionary, userDictionary, cyrillic, literal, weakForms,
                       joinLines, noGuess, format, help, version});
    parser.addPositionalArgument("FILE", {}, "[FILE...]");

    if (!parser.parse(arguments))
        failUsage(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(usageText, stdout);
        std::fputc('\n', stdout);
        std::fputs(QString::fromUtf8(helpText)
                       .arg(QDir::toNativeSeparators(userDataFolder()))
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        std::exit(0);
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", programName, ORVANTA_VERSION);
        std::exit(0);
    }

    Options options;
    if (parser.isSet(british) && parser.isSet(american))
        failUsage(QStringLiteral("--british and --american exclude each other"));
    options.british = parser.isSet(british);
    options.cyrillic = parser.isSet(cyrillic);
    options.literal = parser.isSet(literal);
    options.weakForms = parser.isSet(weakForms);
    options.joinLines = parser.isSet(joinLines);
    options.guess = !parser.isSet(noGuess);
    options.dictionary = parser.value(dictionary);
    if (parser.isSet(dictionary) && options.dictionary.isEmpty())
        failUsage(QStringLiteral("--dictionary needs a file name"));
    options.userDictionary = parser.value(userDictionary);
    if (parser.isSet(userDictionary) && options.userDictionary.isEmpty())
        failUsage(QStringLiteral("--user-dictionary needs a file name"));
    if (parser.isSet(format)) {
        const QString name = parser.value(format);
        if (name == QLatin1String("lines"))
            options.format = Format::Lines;
        else if (name == QLatin1String("html"))
            options.format = Format::Html;
        else if (name == QLatin1String("tsv"))
            options.format = Format::Tsv;
        else
            failUsage(QStringLiteral("unknown format '%1' (lines, html or tsv)").arg(name));
    }
    options.inputs = parser.positionalArguments();
    return options;
}

// Opens a named file for reading; on failure `reason` says why.
bool openFile(QFile &file, const QString &path, QString &reason) {
    // Opening a directory succeeds on some systems and only reading fails.
    if (QFileInfo(path).isDir()) {
        reason = QString::fromLocal8Bit(std::strerror(EISDIR));
        return false;
    }
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    reason = file.errorString();
    return false;
}

// The same for an input, where "-" stands for standard input.
bool openInput(QFile &file, const QString &input, QString &reason) {
    if (input != QLatin1String("-"))
        return openFile(file, input, reason);
    if (file.open(stdin, QIODevice::ReadOnly))
        return true;
    reason = file.errorString();
    return false;
}

struct Dictionaries {
    PronunciationDictionary shipped;
    std::optional<PronunciationDictionary> user;
    // Read on the first word that no dictionary holds.
    std::unique_ptr<GuessModel> guessModel;
};

// Checks every input and loads the dictionaries before anything is written,
// so that a mistyped name leaves no half-written output behind.
Dictionaries prepare(const Options &options) {
    for (const QString &input : options.inputs) {
        if (input == QLatin1String("-"))
            continue;
        QFile file;
        QString reason;
        if (!openFile(file, input, reason))
            failRead(input, reason);
    }

    const QString path =
        !options.dictionary.isEmpty()
            ? options.dictionary
            : locateDataFile(QString::fromLatin1(options.british ? britishDictionaryFile
                                                                 : americanDictionaryFile));
    // A directory opens on some systems and fails only when read; its name
    // is refused the same way as an input's.
    if (QFileInfo(path).isDir())
        failRead(path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    DictionaryLoad load = PronunciationDictionary::load(QFile::encodeName(path).toStdString());
    if (!load.ok())
        failRead(path, QString::fromLocal8Bit(load.error));
    Dictionaries dictionaries{std::move(load.dictionary), std::nullopt, nullptr};
    const std::string modelFile = letterToSoundPathFor(QFile::encodeName(path).toStdString());
    // A dictionary of the user's own has no model beside it unless one was
    // trained for it; the bundled ones always have one.
    if (options.guess &&
        (options.dictionary.isEmpty() || QFile::exists(QFile::decodeName(modelFile.c_str())))) {
        // Without the model the words that are not made of known words stay
        // in parentheses, as they were before there was one: worth a
        // warning, not the run.
        dictionaries.guessModel =
            std::make_unique<GuessModel>(modelFile, [modelFile](const std::string &error) {
                printError(
                    QStringLiteral("warning: cannot read the letter-to-sound model %1: %2; "
                                   "words that no dictionary holds and that are not made "
                                   "of known words stay in parentheses")
                        .arg(QFile::decodeName(modelFile.c_str()), QString::fromLocal8Bit(error)));
            });
    }

    if (!options.userDictionary.isEmpty()) {
        // Named on the command line: as binding as any other file named.
        const QString &user = options.userDictionary;
        if (QFileInfo(user).isDir())
            failRead(user, QString::fromLocal8Bit(std::strerror(EISDIR)));
        DictionaryLoad userLoad =
            PronunciationDictionary::load(QFile::encodeName(user).toStdString());
        if (!userLoad.ok())
            failRead(user, QString::fromLocal8Bit(userLoad.error));
        dictionaries.user = std::move(userLoad.dictionary);
    } else {
        // The window's file, which most users never create; one that cannot
        // be read is worth a warning, not the whole run.
        const QString user =
            userDictionaryPath(options.british ? Variant::British : Variant::American);
        QString error;
        dictionaries.user = loadUserLayer(user, &error);
        if (!error.isEmpty())
            printError(QStringLiteral("warning: cannot read your pronunciations %1: %2; "
                                      "using the dictionary alone")
                           .arg(user, error));
    }
    return dictionaries;
}

class Output {
public:
    Output(const Options &options, const TranscriptionEngine &engine)
        : m_options(options), m_engine(engine) {}

    void begin() {
        if (m_options.format == Format::Html)
            append(documentOpening());
    }

    void sentence(const std::u16string &sentence) {
        // Written straight from the engine's pieces: a sentence without a
        // break may be as long as the whole input.
        switch (m_options.format) {
        case Format::Lines:
            transcribe(sentence, [this](QStringView piece) { append(piece); });
            m_buffer += '\n';
            break;
        case Format::Html: {
            const TextWriter write = [this](QStringView piece) { append(piece); };
            writeParagraphOpening(QStringView(sentence.data(), qsizetype(sentence.size())), write);
            transcribe(sentence,
                       [&write](QStringView piece) { writeRenderingPiece(piece, write); });
            writeParagraphClosing(write);
            break;
        }
        case Format::Tsv: {
            // The line feed that ended the sentence is the record's own end,
            // not part of its text.
            std::u16string_view field = sentence;
            if (!field.empty() && field.back() == u'\n')
                field.remove_suffix(1);
            appendEscaped(field);
            m_buffer += '\t';
            transcribe(sentence, [this](QStringView piece) { append(piece); });
            m_buffer += '\n';
            break;
        }
        }
        if (m_buffer.size() >= chunkSize)
            flush();
    }

    void end() {
        if (m_options.format == Format::Html) {
            append(documentClosing());
            m_buffer += '\n';
        }
        flush();
        if (std::fflush(stdout) != 0) {
            printError(QStringLiteral("cannot write standard output: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
            std::exit(1);
        }
    }

private:
    // The sentence's transcription, in IPA or Cyrillic, handed to `write` in
    // the engine's pieces.
    template <typename Write> void transcribe(std::u16string_view sentence, Write write) {
        const TranscriptionEngine::Writer piece = [this, &write](std::u16string_view rendering) {
            if (m_options.cyrillic) {
                // Pieces end between words, where no letter pair is merged.
                const std::u16string cyrillic = transliterateToCyrillic(std::u16string(rendering));
                write(QStringView(cyrillic.data(), qsizetype(cyrillic.size())));
            } else {
                write(QStringView(rendering.data(), qsizetype(rendering.size())));
            }
        };
        if (m_options.literal)
            m_engine.transcribeSentence(sentence, piece);
        else
            m_engine.transcribeReadSentence(sentence, piece);
    }

    // Converted a piece at a time, never splitting a surrogate pair, so that
    // the bytes are those of the whole text's conversion.
    void append(QStringView text) {
        constexpr qsizetype piece = 16 * 1024;
        while (!text.isEmpty()) {
            qsizetype size = std::min(piece, text.size());
            if (size < text.size() && text[size - 1].isHighSurrogate())
                --size;
            m_buffer += text.first(size).toUtf8();
            text = text.sliced(size);
            if (m_buffer.size() >= chunkSize)
                flush();
        }
    }

    // A sentence is one field of one record: its line breaks, TABs and the
    // escape character itself must not reach the output as they are.
    void appendEscaped(std::u16string_view sentence) {
        std::size_t run = 0;
        for (std::size_t i = 0; i < sentence.size(); ++i) {
            const char *escape = nullptr;
            switch (sentence[i]) {
            case u'\n':
                escape = "\\n";
                break;
            case u'\r':
                escape = "\\r";
                break;
            case u'\t':
                escape = "\\t";
                break;
            case u'\\':
                escape = "\\\\";
                break;
            default:
                continue;
            }
            append(QStringView(sentence.data() + run, qsizetype(i - run)));
            m_buffer += escape;
            run = i + 1;
        }
        append(QStringView(sentence.data() + run, qsizetype(sentence.size() - run)));
    }

    void flush() {
        if (!m_buffer.isEmpty() && std::fwrite(m_buffer.constData(), 1, size_t(m_buffer.size()),
                                               stdout) != size_t(m_buffer.size())) {
            printError(QStringLiteral("cannot write standard output: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
            std::exit(1);
        }
        m_buffer.clear();
    }

    const Options &m_options;
    const TranscriptionEngine &m_engine;
    QByteArray m_buffer;
};

void transcribe(const Options &options, const Dictionaries &dictionaries) {
    EngineOptions engineOptions{options.british ? Variant::British : Variant::American,
                                options.weakForms};
    engineOptions.guessUnknownWords = options.guess && !options.literal;
    engineOptions.guessModel = dictionaries.guessModel.get();
    const TranscriptionEngine engine(
        dictionaries.shipped, dictionaries.user ? &*dictionaries.user : nullptr, engineOptions);
    Output output(options, engine);
    output.begin();

    QStringList inputs = options.inputs;
    if (inputs.isEmpty())
        inputs.append(QStringLiteral("-"));

    SentenceCutter cutter(options.joinLines);
    std::vector<std::u16string> sentences;
    QString text;
    std::vector<char> bytes(chunkSize);
    for (const QString &input : std::as_const(inputs)) {
        QFile file;
        QString reason;
        if (!openInput(file, input, reason))
            failRead(inputName(input), reason);
        // Each input is a file of its own, maybe in an encoding of its own.
        TextDecoder decoder;
        bool toldEncoding = false;
        bool toldError = false;
        for (;;) {
            const qint64 got = file.read(bytes.data(), chunkSize);
            if (got < 0)
                failRead(inputName(input), file.errorString());
            text.clear();
            decoder.decode({bytes.data(), size_t(got)}, got == 0, text);
            if (decoder.encoding() == TextEncoding::Windows1252 && !toldEncoding) {
                printError(
                    QStringLiteral("%1: not UTF-8; read as Windows-1252").arg(inputName(input)));
                toldEncoding = true;
            }
            if (decoder.hadError() && !toldError) {
                printError(QStringLiteral("warning: %1: invalid %2 replaced by U+FFFD")
                               .arg(inputName(input), encodingName(decoder.encoding())));
                toldError = true;
            }
            cutter.feed({reinterpret_cast<const char16_t *>(text.utf16()),
                         static_cast<std::size_t>(text.size())},
                        sentences);
            for (const std::u16string &sentence : sentences)
                output.sentence(sentence);
            sentences.clear();
            if (got == 0)
                break;
        }
    }
    cutter.finish(sentences);
    for (const std::u16string &sentence : sentences)
        output.sentence(sentence);
    output.end();
}

} // namespace

int main(int argc, char *argv[]) {
    // The application object tells locateDataFile where the program lives.
    QCoreApplication app(argc, argv);
    const Options options = parseOptions(QCoreApplication::arguments());
    const Dictionaries dictionaries = prepare(options);
    transcribe(options, dictionaries);
    return 0;
}
