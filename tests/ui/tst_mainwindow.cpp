// The main window as the user meets it: start-up state, transcription runs,
// the HTML tab, the symbol buttons and the keyboard.
#include "engine/transcription_engine.h"
#include "qt_support.h"
#include "temporary_settings.h"
#include "test_window.h"
#include "ui/mainwindow.h"
#include "ui/run_progress.h"
#include "ui/symbols.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QWheelEvent>

#include <memory>

using orvanta::test_support::htmlDocument;

class MainWindowTest : public QObject {
    Q_OBJECT

    TemporarySettings settings;
    std::unique_ptr<TestWindow> window;
    QTemporaryDir workDir;
    QString startDir = QDir::currentPath();

    template <typename T> T *child(const char *name) {
        return orvanta::test_support::child<T>(window.get(), name);
    }
    QTextEdit *result() { return child<QTextEdit>("textEdit"); }
    QPlainTextEdit *html() { return child<QPlainTextEdit>("plainTextEdit_2"); }
    // The HTML tab as the user sees it once they look at it.
    QString htmlTab() {
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        const QString text = html()->toPlainText();
        child<QTabWidget>("tabWidget")->setCurrentIndex(0);
        return text;
    }
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
    void transcribe(const QString &text, bool british, bool cyrillic, bool weakForms = false,
                    bool joinLines = false) {
        input()->setPlainText(text);
        child<QRadioButton>(british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
        child<QCheckBox>("chkTransliterate")->setChecked(cyrillic);
        child<QCheckBox>("chkWeakForms")->setChecked(weakForms);
        child<QCheckBox>("chkJoinLines")->setChecked(joinLines);
        QTest::mouseClick(child<QPushButton>("btnVocanize"), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        // The run reads the user's own dictionary too: never the real one.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(workDir.isValid());
        QVERIFY(orvanta::test_support::writeDictionaries(
            workDir.path(), "1\tcat\tkxt\n2\tdog\tdPg\n3\tand\txnd\n",
            "1\tcat\tkRt\n2\tdog\tdOg\n3\tand\txnd\n"));
        QVERIFY(QDir::setCurrent(workDir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void init() {
        window = std::make_unique<TestWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsEmptyWithAmericanChosen() {
        QCOMPARE(window->windowTitle().remove("[*]"), "Orvanta");
        QVERIFY(!window->isWindowModified());
        QVERIFY(child<QRadioButton>("rdbAmerican")->isChecked());
        QVERIFY(!child<QRadioButton>("rdbBritish")->isChecked());
        QVERIFY(!child<QCheckBox>("chkTransliterate")->isChecked());
        QVERIFY(!child<QCheckBox>("chkWeakForms")->isChecked());
        QVERIFY(!child<QCheckBox>("chkJoinLines")->isChecked());
        // The prompt is a placeholder, not text.
        QVERIFY(input()->toPlainText().isEmpty());
        QVERIFY(!input()->placeholderText().isEmpty());
        QVERIFY(result()->toPlainText().isEmpty());
        QVERIFY(html()->toPlainText().isEmpty());
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
        QVERIFY(!child<QToolBar>("mainToolBar")->isVisible());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        QVERIFY(dictionaryWarning().isEmpty());
    }

    // An action that no menu holds can only be found by someone who already
    // knows its keys.
    void everyActionIsInAMenu() {
        QSet<QAction *> inMenus;
        for (QMenu *menu : window->menuBar()->findChildren<QMenu *>()) {
            for (QAction *action : menu->actions())
                inMenus.insert(action);
        }
        for (QAction *action : window->findChildren<QAction *>()) {
            const QString name = action->objectName();
            // Transcribe has its button; the menus' own actions carry no name.
            if (!name.startsWith("action") || name == "actionTranscribe" || action->menu())
                continue;
            QVERIFY2(inMenus.contains(action), qPrintable(name));
        }
    }

    // Alt+letter reaches every menu and control, and no letter is claimed
    // twice where the user presses it.
    void mnemonicsAreEverywhereAndUnique() {
        const auto mnemonic = [](const QString &text) {
            const qsizetype at = QString(text).replace("&&", "").indexOf('&');
            return at < 0 ? QChar() : QString(text).replace("&&", "").at(at + 1).toLower();
        };
        QStringList windowLevel;
        for (QAction *menu : window->menuBar()->actions()) {
            QVERIFY2(!mnemonic(menu->text()).isNull(), qPrintable(menu->text()));
            windowLevel << mnemonic(menu->text());
            QStringList inMenu;
            for (QAction *action : menu->menu()->actions()) {
                if (action->isSeparator())
                    continue;
                const QString text = action->menu() ? action->menu()->title() : action->text();
                QVERIFY2(!mnemonic(text).isNull(), qPrintable(text));
                QVERIFY2(!inMenu.contains(mnemonic(text)), qPrintable(text));
                inMenu << mnemonic(text);
            }
        }
        QStringList controls;
        for (QAbstractButton *button :
             child<QWidget>("centralWidget")->findChildren<QAbstractButton *>()) {
            if (!button->objectName().startsWith("btnPhoneticSymbol_"))
                controls << button->text();
        }
        auto *tabs = child<QTabWidget>("tabWidget");
        for (int i = 0; i < tabs->count(); ++i)
            controls << tabs->tabText(i);
        for (const QString &text : std::as_const(controls)) {
            if (!text.contains(QRegularExpression("\\w")))
                continue; // a button that shows a sign, such as the find bar's ✕
            QVERIFY2(!mnemonic(text).isNull(), qPrintable(text));
            QVERIFY2(!windowLevel.contains(mnemonic(text)), qPrintable(text));
            windowLevel << mnemonic(text);
        }
    }

    void languageChangeRestoresTexts() {
        window->setWindowTitle("x");
        child<QPushButton>("btnVocanize")->setText("x");
        child<QPushButton>("btnPhoneticSymbol_5")->setText("x");
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(window.get(), &change);
        QCOMPARE(window->windowTitle().remove("[*]"), "Orvanta");
        QCOMPARE(child<QPushButton>("btnVocanize")->text(), "&Transcribe!");
        QCOMPARE(child<QPushButton>("btnPhoneticSymbol_5")->text(), QString::fromUtf8("tʃ"));
    }

    void runBuildsTheDocument_data() {
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("cyrillic");
        QTest::addColumn<QString>("cat");
        QTest::addColumn<QString>("dog");
        QTest::newRow("British") << true << false << u"[kæt]"_qs << u"[dɒɡ]"_qs;
        QTest::newRow("American") << false << false << u"[kɑːt]"_qs << u"[dɔɡ]"_qs;
        QTest::newRow("British, Cyrillic") << true << true << u"[кЭт]"_qs << u"[дог]"_qs;
        QTest::newRow("American, Cyrillic") << false << true << u"[ка:т]"_qs << u"[дог]"_qs;
    }
    void runBuildsTheDocument() {
        QFETCH(bool, british);
        QFETCH(bool, cyrillic);
        QFETCH(QString, cat);
        QFETCH(QString, dog);
        // The wait cursor is checked at the moment the run fills the editor.
        int waitCursorsSeen = 0;
        connect(result(), &QTextEdit::textChanged, this, [&] {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            waitCursorsSeen += cursor && cursor->shape() == Qt::WaitCursor;
        });
        transcribe("Cat. Dog!\n", british, cyrillic);
        QCOMPARE(waitCursorsSeen, 1);
        QVERIFY(!QGuiApplication::overrideCursor());

        QCOMPARE(htmlTab(), htmlDocument({{"Cat.", cat}, {"Dog!", dog}}));
        // No space is left at the end of a transcription's line.
        QCOMPARE(result()->toPlainText(), "Cat.\n" + cat + "\nDog!\n" + dog);
        QVERIFY(dictionaryWarning().isEmpty());
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
    }

    // What is typed into the fresh pane is all that is transcribed.
    void typingIntoTheFreshPaneTranscribesOnlyWhatWasTyped() {
        QApplication::setActiveWindow(window.get());
        input()->setFocus();
        QTest::keyClicks(input(), "Cat.");
        QTest::mouseClick(child<QPushButton>("btnVocanize"), Qt::LeftButton);
        QCOMPARE(result()->toPlainText().split('\n').first(), "Cat.");
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
        QVERIFY(htmlTab().contains(QString::fromUtf8("[kɑːt]")));
        transcribe("cat", true, false);
        const QString first = htmlTab();
        transcribe("cat", true, false);
        QCOMPARE(htmlTab(), first);
        QVERIFY(first.contains(QString::fromUtf8("[kæt]")));
    }

    void weakFormsBoxChangesTheFunctionWords_data() {
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("cyrillic");
        QTest::addColumn<QString>("citation");
        QTest::addColumn<QString>("weak");
        QTest::newRow("British") << true << false << u"[kæt ænd dɒɡ]"_qs << u"[kæt ən dɒɡ]"_qs;
        QTest::newRow("American") << false << false << u"[kɑːt ænd dɔɡ]"_qs << u"[kɑːt ən dɔɡ]"_qs;
        QTest::newRow("British, Cyrillic")
            << true << true << u"[кЭт Энд дог]"_qs << u"[кЭт эн дог]"_qs;
    }
    void weakFormsBoxChangesTheFunctionWords() {
        QFETCH(bool, british);
        QFETCH(bool, cyrillic);
        QFETCH(QString, citation);
        QFETCH(QString, weak);
        QVERIFY(!child<QCheckBox>("chkWeakForms")->text().isEmpty());
        transcribe("Cat and dog.", british, cyrillic, false);
        QCOMPARE(htmlTab(), htmlDocument({{"Cat and dog.", citation}}));
        transcribe("Cat and dog.", british, cyrillic, true);
        QCOMPARE(htmlTab(), htmlDocument({{"Cat and dog.", weak}}));
        // The box changes the next run only; the result in hand stays.
        child<QCheckBox>("chkWeakForms")->setChecked(false);
        QCOMPARE(result()->toPlainText(), "Cat and dog.\n" + weak);
    }

    // Text wrapped at a fixed width, with the box ticked, gives the document
    // of the same text unwrapped; without it every line is a paragraph.
    void joinLinesBoxReadsWrappedTextAsItsParagraphs() {
        const QString line = "Cat and dog and cat and dog and cat and dog and cat";
        const QString wrapped = line + "\nand dog.\n\n" + line + "\nand dog.";
        const QString unwrapped = line + " and dog.\n\n" + line + " and dog.";
        transcribe(unwrapped, true, false);
        const QString asWritten = htmlTab();
        transcribe(wrapped, true, false, false, true);
        QCOMPARE(htmlTab(), asWritten);
        transcribe(wrapped, true, false, false, false);
        QVERIFY(htmlTab() != asWritten);
        QCOMPARE(htmlTab().count("<p>"), 4);
    }

    void runWritesTheHtmlTabOnceAndEditsRefreshItAgain() {
        // The editor's own export would only be overwritten by the run, and
        // filling the tab costs a long text a tenth of a second: it is filled
        // when looked at. After the run, edits refresh it as usual.
        int htmlTabChanges = 0;
        connect(html(), &QPlainTextEdit::textChanged, this, [&] { ++htmlTabChanges; });
        transcribe("Cat. Dog!", true, false);
        QCOMPARE(htmlTabChanges, 0);
        QCOMPARE(htmlTab(), htmlDocument({{"Cat.", u"[kæt]"_qs}, {"Dog!", u"[dɒɡ]"_qs}}));
        QCOMPARE(htmlTabChanges, 1);
        result()->insertPlainText("x");
        QCOMPARE(htmlTabChanges, 1);
        QCOMPARE(htmlTab(), editorExport());
    }

    void emptyInputStillRestoresTheCursor() {
        transcribe("", true, false);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(htmlTab(), htmlDocument({}));
    }

    // Cancel in a long run's progress: the run stops at once and the result
    // stays the last whole one, not a part that could pass for the whole.
    void cancelLeavesTheResultAsItWas() {
        transcribe("Dog.", true, false);
        result()->setFocus();
        const QString shown = result()->toHtml();
        const QString source = htmlTab();
        int moves = 0;
        connect(window->findChild<RunProgress *>("runProgress"), &RunProgress::advanced, this, [&] {
            ++moves;
            child<QProgressDialog>("runProgressDialog")->findChild<QPushButton *>()->click();
        });
        transcribe(QString("Cat and dog. ").repeated(500), true, false);
        QCOMPARE(moves, 1);
        QCOMPARE(result()->toHtml(), shown);
        QCOMPARE(htmlTab(), source);
        QVERIFY(!result()->document()->isModified());
        QVERIFY(!result()->document()->isUndoAvailable());
        QVERIFY(!window->statusBar()->currentMessage().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!window->findChild<QProgressDialog *>("runProgressDialog"));
    }

    void missingDictionaryIsReportedButTheDocumentBuilt() {
        const QString missing = "data/no-such-dictionary-" + QString(150, 'x') + ".txt";
        window->transcription.britishDictionaryPath = missing;
        transcribe("Cat and dog.", true, false);
        const QString message = dictionaryWarning();
        QVERIFY2(message.contains(missing), qPrintable(message));
        QVERIFY(htmlTab().contains("<span class=\"original\">Cat and dog.</span>"));
        QVERIFY(htmlTab().contains("(dog)"));
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

    void htmlTabFollowsEditorThenShowsTheRunsDocument() {
        QTest::keyClicks(result(), "abc");
        QCOMPARE(htmlTab(), editorExport());
        // A view of the result: what was typed there would be lost.
        QVERIFY(html()->isReadOnly());
        // What the view asks for; which font the machine gives is its own affair.
        QVERIFY(html()->font().fixedPitch());
        QCOMPARE(html()->font().styleHint(), QFont::Monospace);
        transcribe("Dog.", true, false);
        QVERIFY(htmlTab().startsWith("<html>\n<header><style"));
        QTest::keyClick(result(), Qt::Key_X);
        QCOMPARE(htmlTab(), editorExport());
    }

    // What the button shows is what it types, into the result only.
    void symbolButtonsInsertTheirText() {
        QApplication::setActiveWindow(window.get());
        const QString typed = input()->toPlainText();
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        int buttons = 0;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!button->objectName().startsWith("btnPhoneticSymbol_"))
                continue;
            ++buttons;
            result()->clear();
            input()->setFocus();
            QVERIFY(!button->text().isEmpty());
            button->click();
            QCOMPARE(result()->toPlainText(), button->text());
            QCOMPARE(input()->toPlainText(), typed);
            QCOMPARE(html()->toPlainText(), editorExport());
            QVERIFY2(!html()->toPlainText().contains("charset"), qPrintable(html()->toPlainText()));
        }
        QVERIFY(buttons > 20);
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
    void shortcutsReachTheirActions_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+Return")
            << QKeySequence(Qt::CTRL | Qt::Key_Return) << "actionTranscribe";
        QTest::newRow("Ctrl+Enter") << QKeySequence(Qt::CTRL | Qt::Key_Enter) << "actionTranscribe";
        QTest::newRow("New") << QKeySequence(QKeySequence::New) << "actionNew";
        QTest::newRow("Open") << QKeySequence(QKeySequence::Open) << "actionOpen";
        QTest::newRow("Save") << QKeySequence(QKeySequence::Save) << "actionSave_Result_As";
        QTest::newRow("Save As") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                 << "actionSave_Result_As";
        QTest::newRow("Print") << QKeySequence(QKeySequence::Print) << "actionPrint";
        QTest::newRow("Find") << QKeySequence(QKeySequence::Find) << "actionFind";
        QTest::newRow("Find next") << QKeySequence(QKeySequence::FindNext) << "actionFind_Next";
        QTest::newRow("Quit") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "actionQuit";
        QTest::newRow("Ctrl+0") << QKeySequence(Qt::CTRL | Qt::Key_0) << "actionReset_Zoom";
        QTest::newRow("Ctrl+B") << QKeySequence(Qt::CTRL | Qt::Key_B) << "actionBold";
        QTest::newRow("Ctrl++") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << "actionBigger";
        QTest::newRow("Ctrl+-") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << "actionSmaller";
    }
    // From the input pane, where the user's hands are.
    void shortcutsReachTheirActions() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        QAction *target = child<QAction>(qPrintable(action));
        // Only whether the keys arrive: the slots (a print dialog, closing)
        // are tested on their own.
        QObject::disconnect(target, &QAction::triggered, window.get(), nullptr);
        int triggered = 0;
        connect(target, &QAction::triggered, this, [&] { ++triggered; });
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        input()->setFocus();
        const QString before = input()->toPlainText();
        QTest::keySequence(input(), keys);
        QCOMPARE(triggered, 1);
        QCOMPARE(input()->toPlainText(), before);
    }

    void ctrlReturnTranscribes() {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        input()->setPlainText("Cat.");
        input()->setFocus();
        QTest::keyClick(input(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(result()->toPlainText().contains(QString::fromUtf8("[kɑːt]")));
        QCOMPARE(input()->toPlainText(), "Cat.");
        QVERIFY(child<QPushButton>("btnVocanize")->toolTip().contains("Ctrl+Return"));
    }

    void ctrlTabLeavesTheEditors_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<bool>("backward");
        QTest::newRow("input pane") << "plainTextEdit" << false;
        QTest::newRow("input pane, Ctrl+Shift+Tab") << "plainTextEdit" << true;
        QTest::newRow("result") << "textEdit" << false;
        QTest::newRow("result, Ctrl+Shift+Tab") << "textEdit" << true;
        QTest::newRow("HTML tab") << "plainTextEdit_2" << false;
    }
    void ctrlTabLeavesTheEditors() {
        QFETCH(QString, editor);
        QFETCH(bool, backward);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *widget = child<QWidget>(qPrintable(editor));
        if (editor == "plainTextEdit_2")
            child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
        const QString inputBefore = input()->toPlainText();
        if (backward)
            QTest::keyClick(widget, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(widget, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!widget->hasFocus());
        QCOMPARE(input()->toPlainText(), inputBefore);
        QVERIFY(result()->toPlainText().isEmpty());
        // The tab page stays: Ctrl+Tab moves the focus, not the tabs.
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), editor == "plainTextEdit_2");
    }

    // Ctrl+Tab (and back with Ctrl+Shift+Tab) visits every control of the
    // window once and comes back to where it started; the result's tabs
    // neither flip nor hold the focus.
    void ctrlTabVisitsEveryControlAndComesBack_data() {
        QTest::addColumn<bool>("backward");
        QTest::addColumn<int>("page");
        QTest::newRow("forward") << false << 0;
        QTest::newRow("backward") << true << 0;
        QTest::newRow("forward, HTML tab shown") << false << 1;
    }
    void ctrlTabVisitsEveryControlAndComesBack() {
        QFETCH(bool, backward);
        QFETCH(int, page);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *tabs = child<QTabWidget>("tabWidget");
        tabs->setCurrentIndex(page);
        input()->setFocus();
        QTRY_VERIFY(input()->hasFocus());
        QSet<QWidget *> expected;
        for (QWidget *widget : child<QWidget>("centralWidget")->findChildren<QWidget *>()) {
            // A widget with a focus proxy is reached through it; Tab reaches
            // one of a group of radio buttons, the arrows the others.
            if (widget->isVisibleTo(window.get()) && widget->isEnabled() &&
                (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy() &&
                !qobject_cast<QRadioButton *>(widget))
                expected.insert(widget);
        }
        QList<QWidget *> visited{input()};
        for (int step = 0; step < 200; ++step) {
            if (backward)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QWidget *now = QApplication::focusWidget();
            QVERIFY(now);
            if (now == input())
                break;
            QVERIFY2(!visited.contains(now), qPrintable(now->objectName()));
            visited << now;
        }
        QCOMPARE(QApplication::focusWidget(), input());
        QCOMPARE(tabs->currentIndex(), page);
        for (QWidget *widget : std::as_const(expected))
            QVERIFY2(visited.contains(widget),
                     qPrintable(widget->objectName() + " " + widget->metaObject()->className()));
        QVERIFY(visited.contains(child<QRadioButton>("rdbBritish")) ||
                visited.contains(child<QRadioButton>("rdbAmerican")));
        QVERIFY(visited.contains(child<QPushButton>("btnVocanize")));
    }

    // Alt with a letter that opens no menu and presses no button types
    // nothing either.
    void altLetterWithoutMnemonicDoesNothing_data() {
        QTest::addColumn<QString>("editor");
        QTest::newRow("input pane") << "plainTextEdit";
        QTest::newRow("result") << "textEdit";
    }
    void altLetterWithoutMnemonicDoesNothing() {
        QFETCH(QString, editor);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QString taken;
        for (QAction *action : window->findChildren<QAction *>())
            taken +=
                QKeySequence::mnemonic(action->menu() ? action->menu()->title() : action->text())
                    .toString();
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            taken += QKeySequence::mnemonic(button->text()).toString();
        char free = 0;
        for (char letter = 'A'; letter <= 'Z' && !free; ++letter) {
            if (!taken.contains(QStringLiteral("Alt+%1").arg(QChar(letter))))
                free = letter;
        }
        QVERIFY(free);
        auto *widget = child<QWidget>(qPrintable(editor));
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
        QTest::keyClick(widget, Qt::Key(free), Qt::AltModifier);
        QVERIFY(input()->toPlainText().isEmpty());
        QVERIFY(result()->toPlainText().isEmpty());
        QTest::keyClick(widget, Qt::Key_A);
        QCOMPARE(input()->toPlainText() + result()->toPlainText(), "a");
    }

    void ctrlWheelZooms_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("delta");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("change");
        QTest::newRow("result in")
            << "textEdit" << 120 << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
        QTest::newRow("result out")
            << "textEdit" << -240 << Qt::KeyboardModifiers(Qt::ControlModifier) << -2;
        QTest::newRow("result, half a notch")
            << "textEdit" << 60 << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
        QTest::newRow("result, no Ctrl") << "textEdit" << 120 << Qt::KeyboardModifiers() << 0;
        QTest::newRow("input in") << "plainTextEdit" << 120
                                  << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
        QTest::newRow("HTML tab out")
            << "plainTextEdit_2" << -120 << Qt::KeyboardModifiers(Qt::ControlModifier) << -1;
    }
    void ctrlWheelZooms() {
        QFETCH(QString, editor);
        QFETCH(int, delta);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, change);
        auto *area = child<QAbstractScrollArea>(qPrintable(editor));
        const int before = area->font().pointSize();
        QWheelEvent wheel(QPointF(10, 10), area->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area->viewport(), &wheel);
        QCOMPARE(area->font().pointSize(), before + change);
    }

    void ctrlZeroUndoesTheResultZoom() {
        const int before = result()->font().pointSize();
        for (int i = 0; i < 3; ++i)
            child<QAction>("actionZoom_In")->trigger();
        QCOMPARE(result()->font().pointSize(), before + 3);
        child<QAction>("actionReset_Zoom")->trigger();
        QCOMPARE(result()->font().pointSize(), before);
    }

    // The document asks for "font-size: smaller", which Qt's rich text
    // ignores: the line must still come out smaller, and grey.
    void transcriptionLineIsSmallerAndGrey() {
        transcribe("Cat.", true, false);
        const QString shown = result()->toPlainText();
        QTextCursor cursor(result()->document());
        cursor.setPosition(int(shown.indexOf("[")) + 1);
        const QTextCharFormat transcription = cursor.charFormat();
        cursor.setPosition(1);
        const QTextCharFormat sentence = cursor.charFormat();
        QVERIFY2(transcription.font().pointSizeF() < sentence.font().pointSizeF(),
                 qPrintable(QString::number(transcription.font().pointSizeF())));
        QCOMPARE(transcription.foreground().color(), QColor("#666666"));
        // The size is relative, so zooming the result keeps the proportion.
        child<QAction>("actionZoom_In")->trigger();
        cursor.setPosition(int(shown.indexOf("[")) + 1);
        QVERIFY(!cursor.charFormat().hasProperty(QTextFormat::FontPointSize));
    }

    void symbolTooltipsFollowTheVariant_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("θ British") << "btnPhoneticSymbol_1" << false << "thin";
        QTest::newRow("ɒ British") << "btnPhoneticSymbol_10" << false << "[hɒt]";
        QTest::newRow("ɒ American") << "btnPhoneticSymbol_10" << true << "ɑː";
        QTest::newRow("ɜː British") << "btnPhoneticSymbol_18" << false << "[bɜːd]";
        QTest::newRow("ɜː American") << "btnPhoneticSymbol_18" << true << "[bɜːrd]";
        QTest::newRow("əʊ American") << "btnPhoneticSymbol_22" << true << "oʊ";
        QTest::newRow("oʊ American") << "btnPhoneticSymbol_29" << true << "[ɡoʊ]";
        QTest::newRow("ɡ British") << "btnPhoneticSymbol_30" << false << "[ɡəʊ]";
        QTest::newRow("ˈ British") << "btnPhoneticSymbol_27" << false << "stress";
    }
    void symbolTooltipsFollowTheVariant() {
        QFETCH(QString, button);
        QFETCH(bool, american);
        QFETCH(QString, mentions);
        child<QRadioButton>(american ? "rdbAmerican" : "rdbBritish")->setChecked(true);
        const QString tip = child<QPushButton>(qPrintable(button))->toolTip();
        QVERIFY2(tip.contains(mentions), qPrintable(tip));
    }

    // Every symbol that a variant's transcriptions hold can be typed with a
    // button shown for that variant (ASCII letters are on the keyboard).
    void buttonsOfferEverySymbolTheVariantWrites_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<bool>("american");
        QTest::newRow("British") << "velmor_eng_transcription.txt" << false;
        QTest::newRow("American") << "american_transcription-abridged.txt" << true;
    }
    void buttonsOfferEverySymbolTheVariantWrites() {
        QFETCH(QString, dictionary);
        QFETCH(bool, american);
        QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/data/") + dictionary);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        child<QRadioButton>(american ? "rdbAmerican" : "rdbBritish")->setChecked(true);
        QSet<QChar> offered;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->objectName().startsWith("btnPhoneticSymbol_") &&
                button->isVisibleTo(window.get())) {
                for (QChar c : button->text())
                    offered.insert(c);
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
            }
        }
        const orvanta::TranscriptionEngine engine;
        QSet<QChar> written;
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
            if (fields.size() < 3)
                continue;
            const QString ipa = QString::fromStdU16String(
                engine.renderIpa(QString::fromLatin1(fields[2]).toStdU16String()));
            for (QChar c : ipa) {
                if (c.unicode() > 127)
                    written.insert(c);
            }
        }
        QVERIFY(written.size() > 10);
        for (QChar c : std::as_const(written))
            QVERIFY2(offered.contains(c), qPrintable(QString(c)));
        QVERIFY(child<QPushButton>("btnPhoneticSymbol_29")->isVisibleTo(window.get()) == american);
    }

    // 24 by 24 pixels is the smallest pointer target that accessibility
    // guidelines accept; the stress marks are hairlines, the hardest to hit.
    void stressMarksAreTargetsLargeEnoughToHit_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("ˈ") << "btnPhoneticSymbol_27";
        QTest::newRow("ˌ") << "btnPhoneticSymbol_28";
    }
    void stressMarksAreTargetsLargeEnoughToHit() {
        QFETCH(QString, button);
        const QSize size = child<QPushButton>(qPrintable(button))->size();
        QVERIFY2(size.width() >= 24 && size.height() >= 24,
                 qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    }

    void windowFitsTheScreen() {
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(window->width() <= available.width() && window->height() <= available.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(window->width())
                                .arg(window->height())
                                .arg(available.width())
                                .arg(available.height())));
    }

    void guideWithoutBrowserSaysWhereItIs() {
        window->browserStarts = false;
        child<QAction>("actionGo_to_Orvanta_website")->trigger();
        QCOMPARE(window->questions.size(), 1);
        QVERIFY2(window->questions[0].contains("index.html"), qPrintable(window->questions[0]));
        window->browserStarts = true;
        child<QAction>("actionGo_to_Orvanta_website")->trigger();
        QCOMPARE(window->questions.size(), 1);
    }

    void editMenuActsOnTheFocusedEditor_data() {
        QTest::addColumn<QString>("editor");
        QTest::newRow("input pane") << "plainTextEdit";
        QTest::newRow("result") << "textEdit";
    }
    void editMenuActsOnTheFocusedEditor() {
        QFETCH(QString, editor);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *widget = child<QWidget>(qPrintable(editor));
        const auto text = [&] {
            return editor == "textEdit" ? result()->toPlainText() : input()->toPlainText();
        };
        input()->clear();
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
        QTest::keyClicks(widget, "mine");
        // Menus take the focus away while open; the actions still act on
        // the editor the user was in.
        child<QPushButton>("btnVocanize")->setFocus();
        child<QAction>("actionSelect_All")->trigger();
        QVERIFY(child<QAction>("actionCut")->isEnabled());
        child<QAction>("actionCut")->trigger();
        QCOMPARE(text(), "");
        QCOMPARE(QApplication::clipboard()->text(), "mine");
        child<QAction>("actionPaste")->trigger();
        child<QAction>("actionPaste")->trigger();
        QCOMPARE(text(), "minemine");
        child<QAction>("actionUndo")->trigger();
        QCOMPARE(text(), "mine");
        child<QAction>("actionRedo")->trigger();
        QCOMPARE(text(), "minemine");
    }

    void editMenuOffersNoChangesToTheHtmlTab() {
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        html()->setFocus();
        QTRY_VERIFY(html()->hasFocus());
        QVERIFY(!child<QAction>("actionPaste")->isEnabled());
        QVERIFY(!child<QAction>("actionCut")->isEnabled());
        QVERIFY(!child<QAction>("actionUndo")->isEnabled());
    }

    void findInTheResult_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("found");
        // "the cat saw the Cat" : matches at 4 and 16
        QTest::newRow("next") << 0 << false << "cat" << 4;
        QTest::newRow("next after the first") << 5 << false << "cat" << 16;
        QTest::newRow("goes round") << 17 << false << "cat" << 4;
        QTest::newRow("previous") << 19 << true << "cat" << 16;
        QTest::newRow("previous goes round") << 3 << true << "cat" << 16;
        QTest::newRow("IPA") << 0 << false << QString::fromUtf8("ɑː") << -1;
        QTest::newRow("absent") << 2 << false << "dog" << -1;
    }
    void findInTheResult() {
        QFETCH(int, from);
        QFETCH(bool, backward);
        QFETCH(QString, needle);
        QFETCH(int, found);
        result()->setPlainText("the cat saw the Cat");
        QTextCursor cursor = result()->textCursor();
        cursor.setPosition(from);
        result()->setTextCursor(cursor);
        child<QAction>("actionFind")->trigger();
        QVERIFY(child<QWidget>("findBar")->isVisible());
        child<QLineEdit>("lineFind")->setText(needle);
        child<QAction>(backward ? "actionFind_Previous" : "actionFind_Next")->trigger();
        const QTextCursor now = result()->textCursor();
        if (found < 0) {
            QCOMPARE(now.position(), from);
            QVERIFY(window->statusBar()->currentMessage().contains(needle));
        } else {
            QCOMPARE(now.selectionStart(), found);
            QCOMPARE(now.selectedText().toLower(), needle);
        }
        QTest::keyClick(child<QLineEdit>("lineFind"), Qt::Key_Escape);
        QVERIFY(!child<QWidget>("findBar")->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
