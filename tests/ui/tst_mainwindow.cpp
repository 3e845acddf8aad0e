// The main window as the user meets it: start-up state, transcription runs,
// the HTML tab and the symbol buttons.
#include "document/document.h"
#include "engine/dictionary.h"
#include "engine/transcription_engine.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTemporaryDir workDir;
    QString startDir = QDir::currentPath();

    template <typename T> T *child(const char *name) {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QTextEdit *result() { return child<QTextEdit>("textEdit"); }
    QPlainTextEdit *html() { return child<QPlainTextEdit>("plainTextEdit_2"); }
    QPlainTextEdit *input() { return child<QPlainTextEdit>("plainTextEdit"); }
    // The dictionary warning as the user sees it at the bottom of the window.
    QString dictionaryWarning() {
        const auto *label = window->statusBar()->findChild<QLabel *>("dictionaryWarning");
        return label && label->isVisible() ? label->text() : QString();
    }
    // The result editor's own HTML, as the HTML tab is to show it: without a
    // character set, since the tab holds text and not encoded bytes.
    QString editorExport() {
        QString exported = result()->document()->toHtml();
        exported.remove(QLatin1String("<meta charset=\"utf-8\" />"));
        return exported;
    }
    void transcribe(const QString &text, bool british, bool cyrillic) {
        input()->setPlainText(text);
        child<QRadioButton>(british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
        child<QCheckBox>("chkTransliterate")->setChecked(cyrillic);
        QTest::mouseClick(child<QPushButton>("btnVocanize"), Qt::LeftButton);
    }
    // What the document builder makes of `text` with the variant's dictionary.
    QString buildDocument(bool british, const QString &text, bool cyrillic) {
        const orvanta::DictionaryLoad load = orvanta::PronunciationDictionary::load(
            QFile::encodeName(british ? window->britishDictionaryPath
                                      : window->americanDictionaryPath)
                .toStdString());
        const orvanta::TranscriptionEngine engine(
            load.dictionary, orvanta::EngineOptions{british ? orvanta::Variant::British
                                                            : orvanta::Variant::American});
        return orvanta::buildReadDocument(engine, text, cyrillic);
    }
    static void writeFile(const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase() {
        // The run reads the user's own dictionary too: never the real one.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(workDir.isValid());
        writeFile(workDir.filePath("data/velmor_eng_transcription.txt"),
                  "1\tcat\tkxt\n2\tdog\tdPg\n");
        writeFile(workDir.filePath("data/american_transcription-abridged.txt"),
                  "1\tcat\tkRt\n2\tdog\tdOg\n");
        QVERIFY(QDir::setCurrent(workDir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsEmptyWithAmericanChosen() {
        QCOMPARE(window->windowTitle(), "Orvanta");
        QVERIFY(child<QRadioButton>("rdbAmerican")->isChecked());
        QVERIFY(!child<QRadioButton>("rdbBritish")->isChecked());
        QVERIFY(!child<QCheckBox>("chkTransliterate")->isChecked());
        QCOMPARE(input()->toPlainText(), "Enter your text here.");
        QVERIFY(result()->toPlainText().isEmpty());
        QVERIFY(html()->toPlainText().isEmpty());
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
        QVERIFY(!child<QToolBar>("mainToolBar")->isVisible());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        QVERIFY(dictionaryWarning().isEmpty());
        QCOMPARE(result()->metaObject()->className(), "MyTextEdit");
        QCOMPARE(html()->metaObject()->className(), "MyPlainTextEdit");
        QCOMPARE(window->britishDictionaryPath, "data/velmor_eng_transcription.txt");
        QCOMPARE(window->americanDictionaryPath, "data/american_transcription-abridged.txt");
    }

    void menusHoldTheActionsWithTheirShortcuts() {
        QStringList seen;
        for (QAction *menu : window->menuBar()->actions()) {
            seen << menu->text();
            for (QAction *action : menu->menu()->actions())
                seen << (action->isSeparator()
                             ? "-"
                             : action->text() + " " + action->shortcut().toString());
        }
        QCOMPARE(seen,
                 QStringList({"Format", "Bold Ctrl+B", "Italic Ctrl+I", "Underline Ctrl+U", "-",
                              "Bigger Ctrl++", "Smaller Ctrl+-", "-", "Zoom In ", "Zoom Out ",
                              "&Dictionary", "Set &pronunciation… ", "&User Dictionary… ", "Help",
                              "Go to Orvanta website ", "About "}));
    }

    void languageChangeRestoresTexts() {
        window->setWindowTitle("x");
        child<QPushButton>("btnVocanize")->setText("x");
        child<QPushButton>("btnPhoneticSymbol_5")->setText("x");
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(window.get(), &change);
        QCOMPARE(window->windowTitle(), "Orvanta");
        QCOMPARE(child<QPushButton>("btnVocanize")->text(), "Transcribe!");
        QCOMPARE(child<QPushButton>("btnPhoneticSymbol_5")->text(), QString::fromUtf8("tʃ"));
    }

    void runBuildsTheDocument_data() {
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("cyrillic");
        QTest::addColumn<QString>("ipa");
        QTest::newRow("British") << true << false << QString::fromUtf8("[kæt]");
        QTest::newRow("American") << false << false << QString::fromUtf8("[kɑːt]");
        QTest::newRow("British, Cyrillic") << true << true << QString::fromUtf8("[kæt]");
        QTest::newRow("American, Cyrillic") << false << true << QString::fromUtf8("[kɑːt]");
    }
    void runBuildsTheDocument() {
        QFETCH(bool, british);
        QFETCH(bool, cyrillic);
        QFETCH(QString, ipa);
        // The wait cursor is checked at the moment the run fills the editor.
        int waitCursorsSeen = 0;
        connect(result(), &QTextEdit::textChanged, this, [&] {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            waitCursorsSeen += cursor && cursor->shape() == Qt::WaitCursor;
        });
        transcribe("Cat. Dog!\n", british, cyrillic);
        QCOMPARE(waitCursorsSeen, 1);
        QVERIFY(!QGuiApplication::overrideCursor());

        const QString document = html()->toPlainText();
        const QString rendering = cyrillic ? MainWindow::transliterateToCyrillic(ipa) : ipa;
        QVERIFY2(document.contains("<span class=\"original\">Cat.</span><br>\n<span "
                                   "class=\"transcr\">" +
                                   rendering + "</span>"),
                 qPrintable(document));
        QVERIFY(document.contains("<span class=\"original\">Dog!"));
        QCOMPARE(result()->toPlainText().split('\n').first(), "Cat.");
        QVERIFY(result()->toPlainText().contains(rendering));
        // The run hands the builder the input and the option, nothing else.
        QCOMPARE(document, buildDocument(british, "Cat. Dog!\n", cyrillic));
        QVERIFY(dictionaryWarning().isEmpty());
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
    }

    void typedTextSurvivesIntoTheResult_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("angle brackets") << "a<b and c>d"
                                        << "a<b and c>d";
        QTest::newRow("lone bracket") << "x <y"
                                      << "x <y";
        QTest::newRow("ampersand entity") << "&amp; &lt;"
                                          << "&amp; &lt;";
        QTest::newRow("final full stop") << "Hello world.\n"
                                         << "Hello world.";
    }
    void typedTextSurvivesIntoTheResult() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        transcribe(typed, true, false);
        QCOMPARE(result()->toPlainText().split('\n').first(), shown);
    }

    void switchingVariantUsesOnlyTheNewDictionary() {
        transcribe("cat", true, false);
        transcribe("cat", false, false);
        QVERIFY(html()->toPlainText().contains(QString::fromUtf8("[kɑːt]")));
        transcribe("cat", true, false);
        const QString first = html()->toPlainText();
        transcribe("cat", true, false);
        QCOMPARE(html()->toPlainText(), first);
        QVERIFY(first.contains(QString::fromUtf8("[kæt]")));
    }

    void runWritesTheHtmlTabOnceAndEditsRefreshItAgain() {
        // The editor's own export would only be overwritten by the run; a
        // long text pays for it. After the run, edits refresh the tab as usual.
        int htmlTabChanges = 0;
        connect(html(), &QPlainTextEdit::textChanged, this, [&] { ++htmlTabChanges; });
        transcribe("Cat. Dog!", true, false);
        QCOMPARE(htmlTabChanges, 1);
        QCOMPARE(html()->toPlainText(), buildDocument(true, "Cat. Dog!", false));
        result()->insertPlainText("x");
        QCOMPARE(html()->toPlainText(), editorExport());
    }

    void emptyInputStillRestoresTheCursor() {
        transcribe("", true, false);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(html()->toPlainText(), orvanta::documentOpening() + orvanta::documentClosing());
    }

    void missingDictionaryIsReportedButTheDocumentBuilt() {
        const QString missing = "data/no-such-dictionary-" + QString(150, 'x') + ".txt";
        window->britishDictionaryPath = missing;
        transcribe("Cat and dog.", true, false);
        const QString message = dictionaryWarning();
        QVERIFY2(message.contains(missing), qPrintable(message));
        QVERIFY(html()->toPlainText().contains("<span class=\"original\">Cat and dog.</span>"));
        QVERIFY(html()->toPlainText().contains("(dog)"));
        // A menu entry under the pointer puts its status tip into the status
        // bar, and an empty one when the pointer moves on; the warning stays.
        QStatusTipEvent hover(QStringLiteral("tip"));
        QApplication::sendEvent(window.get(), &hover);
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(window.get(), &leave);
        QCOMPARE(dictionaryWarning(), message);
        // Nor does a long path widen the window.
        QVERIFY(window->minimumSizeHint().width() < 993);
        // A later run that reads its dictionary takes the warning away.
        transcribe("Cat.", false, false);
        QVERIFY(dictionaryWarning().isEmpty());
    }

    void dictionaryBesideTheExecutableIsFound() {
        const QString besideExe =
            QCoreApplication::applicationDirPath() + "/data/velmor_eng_transcription.txt";
        writeFile(besideExe, "1\tdog\tdPg\n");
        const auto removeCopy = qScopeGuard([&] {
            QFile::remove(besideExe);
            QDir(QCoreApplication::applicationDirPath()).rmdir("data");
        });
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(workDir.path()); });
        transcribe("dog", true, false);
        QVERIFY(html()->toPlainText().contains(QString::fromUtf8("[dɒɡ]")));
        QVERIFY(dictionaryWarning().isEmpty());
    }

    void htmlTabFollowsEditorThenShowsTheRunsDocument() {
        QTest::keyClicks(result(), "abc");
        QCOMPARE(html()->toPlainText(), editorExport());
        html()->setPlainText("hand-made");
        QCOMPARE(result()->toPlainText(), "abc");
        transcribe("Dog.", true, false);
        QVERIFY(html()->toPlainText().startsWith("<html>\n<header><style"));
        QTest::keyClick(result(), Qt::Key_X);
        QCOMPARE(html()->toPlainText(), editorExport());
    }

    void symbolButtonsInsertTheirText_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("symbol");
        const char *symbols[] = {"θ",  "ð",  "ʃ",  "ʒ",  "tʃ", "dʒ", "ŋ",  "ɪ",  "æ",  "ɒ",
                                 "ʌ",  "ʊ",  "ə",  "iː", "ɑː", "ɔː", "uː", "ɜː", "eɪ", "aɪ",
                                 "ɔɪ", "əʊ", "aʊ", "ɪə", "eə", "ʊə", "ˈ",  "ˌ"};
        for (int i = 0; i < 28; ++i) {
            const QString name = QStringLiteral("btnPhoneticSymbol_%1").arg(i + 1);
            QTest::newRow(qPrintable(name)) << name << QString::fromUtf8(symbols[i]);
        }
    }
    void symbolButtonsInsertTheirText() {
        QFETCH(QString, button);
        QFETCH(QString, symbol);
        QApplication::setActiveWindow(window.get());
        input()->setFocus();
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(qPrintable(button)), Qt::LeftButton);
        QCOMPARE(result()->toPlainText(), symbol);
        QCOMPARE(input()->toPlainText(), "Enter your text here.");
        QCOMPARE(html()->toPlainText(), editorExport());
        QVERIFY2(!html()->toPlainText().contains("charset"), qPrintable(html()->toPlainText()));
    }

    void symbolReplacesSelectionAndTakesFocus() {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        result()->setPlainText("abc def");
        QTextCursor cursor = result()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        result()->setTextCursor(cursor);
        input()->setFocus();
        QTest::mouseClick(child<QPushButton>("btnPhoneticSymbol_5"), Qt::LeftButton);
        QCOMPARE(result()->toPlainText(), QString::fromUtf8("abc tʃ"));
        QCOMPARE(result()->textCursor().position(), 6);
        QTRY_VERIFY(result()->hasFocus());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
