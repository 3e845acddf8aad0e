// A long paste in the real window: how long "Transcribe!" takes and whether
// the window still answers afterwards. Not a test (no time limits are
// asserted); run it from the repository root so that data/ is found, e.g.
//   QT_QPA_PLATFORM=offscreen build-bench/bench/orvanta_window_paste [SIZE_MB...]
// It also times the pieces of the run one by one (the document, the rich
// text editor taking it, its HTML export, the source view) on bare widgets.
#include "document/data_location.h"
#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Plain English prose, ten sentences to a paragraph.
QString pastedText(double megabytes) {
    static const char *const sentences[] = {
        "The quick brown fox jumps over the lazy dog. ",
        "She was reading a book about the history of the river and its people. ",
        "Where are you going with those heavy boxes? ",
        "It is seven in the morning and the children are still sleeping. ",
        "They walked along the shore until the light began to fade! ",
    };
    const auto units = static_cast<qsizetype>(megabytes * 1'000'000);
    QString text;
    text.reserve(units + 100);
    for (int i = 0; text.size() < units; ++i) {
        text += QLatin1String(sentences[i % 5]);
        if (i % 10 == 9)
            text += u'\n';
    }
    text.truncate(units);
    return text;
}

double timed(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void line(const char *what, double megabytes, double ms) {
    std::printf("%-42s %5.1f MB %10.0f ms %8.0f ms/MB\n", what, megabytes, ms, ms / megabytes);
    std::fflush(stdout);
}

void measureWindow(double megabytes) {
    const QString text = pastedText(megabytes);
    MainWindow window;
    window.show();
    auto *input = window.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
    auto *button = window.findChild<QPushButton *>(QStringLiteral("btnVocanize"));
    auto *result = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    if (input == nullptr || button == nullptr || result == nullptr) {
        std::printf("window has not the expected widgets\n");
        std::exit(1);
    }
    line("window: paste into the input pane", megabytes, timed([&] { input->setPlainText(text); }));
    line("window: Transcribe! (click to return)", megabytes, timed([&] { button->click(); }));
    line("window: events after the run", megabytes, timed([&] { QApplication::processEvents(); }));
    // Still usable: scroll the result to its end and type into the input.
    line("window: scroll result to the end", megabytes, timed([&] {
             result->verticalScrollBar()->setValue(result->verticalScrollBar()->maximum());
             result->viewport()->repaint();
         }));
    line("window: type one character", megabytes, timed([&] {
             input->setFocus();
             QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
             QApplication::sendEvent(input, &press);
             QApplication::processEvents();
         }));
    std::printf("   result: %lld characters of plain text\n",
                static_cast<long long>(result->document()->characterCount()));
}

void measurePieces(double megabytes) {
    const QString text = pastedText(megabytes);
    QString document;
    line("pieces: load British dictionary", megabytes, timed([&] {
             orvanta::loadDictionary(
                 orvanta::locateDataFile(QString::fromLatin1(orvanta::britishDictionaryFile))
                     .toStdString());
         }));
    line("pieces: buildDocument", megabytes,
         timed([&] { document = orvanta::buildDocument(text, false); }));
    QTextEdit editor;
    line("pieces: rich text editor setHtml", megabytes, timed([&] { editor.setHtml(document); }));
    QString exported;
    line("pieces: rich text editor toHtml", megabytes, timed([&] { exported = editor.toHtml(); }));
    QPlainTextEdit source;
    line("pieces: source view setPlainText", megabytes,
         timed([&] { source.setPlainText(document); }));
    std::printf("   document %lld characters, export %lld characters\n",
                static_cast<long long>(document.size()), static_cast<long long>(exported.size()));
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QList<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << std::atof(argv[i]);
    if (sizes.isEmpty())
        sizes = {1, 2, 5, 10};
    for (const double size : sizes) {
        measurePieces(size);
        measureWindow(size);
    }
    return 0;
}
