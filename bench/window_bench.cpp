// Times a run of the real window on a long text: the press of "Transcribe!"
// until the result is painted; then what the user does next with it (the HTML
// tab, a key typed into either editor). Also times the widget steps one by
// one, to show where the time of a run goes.
//   orvanta_bench_window TEXT [RUNS]   (from the repository root, for data/)
#include "document/data_location.h"
#include "document/document.h"
#include "engine/lexicon/dictionary.h"
#include "engine/transcription_engine.h"
#include "ui/mainwindow.h"
#include "ui/result_document.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Median and best of `runs` timings of `step`, each after an untimed
// `prepare`: wall time, and the process's CPU time, which stays meaningful
// when other work shares the cores.
void time(const char *what, int runs, const std::function<void()> &step,
          const std::function<void()> &prepare = {}) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        step();
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-50s wall median %7.1f ms best %7.1f ms | CPU median %7.1f ms  (%d runs)\n", what,
                wall[wall.size() / 2], wall.front(), cpu[cpu.size() / 2], runs);
    std::fflush(stdout);
}

// The process's memory now and at its peak so far (Linux), against the
// text's size as Qt holds it.
void memory(const char *when, const QString &text) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    QByteArray now;
    QByteArray peak;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            now = line.mid(6).trimmed();
        else if (line.startsWith("VmHWM:"))
            peak = line.mid(6).trimmed();
    }
    std::printf("memory %s: %s, peak %s; the text %.1f MiB in UTF-16\n", when, now.constData(),
                peak.constData(), double(text.size()) * 2 / (1024 * 1024));
    std::fflush(stdout);
}

void typeKey(QWidget *editor) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(editor, &press);
    QApplication::sendEvent(editor, &release);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEXT [RUNS]\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    MainWindow window;
    window.show();
    auto *input = window.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
    auto *button = window.findChild<QPushButton *>(QStringLiteral("btnVocanize"));
    auto *result = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *source = window.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit_2"));
    if (!input || !button || !result || !source) {
        std::fprintf(stderr, "the window lacks the widgets of a run\n");
        return 1;
    }
    input->setPlainText(text);
    QApplication::processEvents();

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    std::printf("text: %lld characters\n", static_cast<long long>(text.size()));
    memory("before the first run", text);
    // The result editor lays a long text out in the background after
    // painting what is in view; a user's next run finds it done.
    const auto finishLayout = [&] { result->document()->documentLayout()->documentSize(); };
    time(
        "window run (click to painted result)", runs,
        [&] {
            button->click();
            // Layout and painting that the run queued count as part of it.
            QApplication::processEvents();
            result->viewport()->repaint();
        },
        finishLayout);
    memory("after the runs", text);
    time("  the result's layout in the background", 1, finishLayout);
    memory("once laid out", text);
    if (result->document()->isEmpty()) {
        std::fprintf(stderr, "the run produced no result\n");
        return 1;
    }
    time(
        "HTML tab shown after a run", runs,
        [&] {
            button->click();
            QApplication::processEvents();
            tabs->setCurrentIndex(1);
            QApplication::processEvents();
            tabs->setCurrentIndex(0);
        },
        finishLayout);
    if (source->toPlainText().isEmpty()) {
        std::fprintf(stderr, "the HTML tab stayed empty\n");
        return 1;
    }
    time("key typed into the result, painted", runs * 4, [&] {
        typeKey(result);
        QApplication::processEvents();
        result->viewport()->repaint();
    });
    time("key typed into the input pane, painted", runs * 4, [&] {
        typeKey(input);
        QApplication::processEvents();
        input->viewport()->repaint();
    });

    // The same steps one by one, on widgets of the same classes.
    const QString path = orvanta::locateDataFile(orvanta::americanDictionaryFile);
    QString document;
    std::unique_ptr<QTextDocument> built;
    QTextEdit editor;
    time("  load dictionary + build document and its HTML", runs, [&] {
        const orvanta::DictionaryLoad load =
            orvanta::PronunciationDictionary::load(QFile::encodeName(path).toStdString());
        ResultDocument result(*editor.document());
        orvanta::transcribeReadParagraphs(orvanta::TranscriptionEngine(load.dictionary), text,
                                          false, false, [&](const orvanta::ParagraphParts &parts) {
                                              result.addParagraph(parts.sentence, parts.rendering);
                                              return true;
                                          });
        built = result.takeDocument();
        document = result.takeHtml();
    });
    volatile qsizetype exported = 0;
    QPlainTextEdit plain;
    editor.resize(result->size());
    plain.resize(source->size());
    editor.show();
    plain.show();
    std::vector<std::unique_ptr<QTextDocument>> copies;
    for (int i = 0; i < runs; ++i)
        copies.emplace_back(built->clone());
    std::size_t next = 0;
    time("  QTextEdit::setDocument(document), painted", runs, [&] {
        editor.setDocument(copies[next++].get());
        QApplication::processEvents();
        editor.viewport()->repaint();
    });
    editor.setDocument(nullptr);
    copies.clear();
    time("  QTextEdit::setHtml(HTML), painted (the way before)", runs, [&] {
        editor.setHtml(document);
        QApplication::processEvents();
        editor.viewport()->repaint();
    });
    time("  QTextEdit::toHtml() (the HTML tab's refresh)", runs,
         [&] { exported = editor.toHtml().size(); });
    time("  QPlainTextEdit::setPlainText(document)", runs, [&] {
        plain.setPlainText(document);
        QApplication::processEvents();
    });
    return 0;
}
