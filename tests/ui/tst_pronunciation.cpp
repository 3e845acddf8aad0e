// The user's own pronunciations in the window: setting one from the result,
// refusing IPA the program cannot write, listing and deleting them, and the
// run that prefers them to the shipped dictionary.
#include "document/user_dictionary.h"
#include "qt_support.h"
#include "ui/mainwindow.h"
#include "ui/mytextedit.h"
#include "ui/pronunciationdialog.h"
#include "ui/userdictionarydialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using orvanta::Variant;
using orvanta::test_support::child;
using orvanta::test_support::readFile;
using orvanta::test_support::writeFile;

class PronunciationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTemporaryDir workDir;
    QString startDir = QDir::currentPath();

    QString transcribe(const QString &text, bool british) {
        child<QPlainTextEdit>(window.get(), "plainTextEdit")->setPlainText(text);
        child<QRadioButton>(window.get(), british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(window.get(), "btnVocanize"), Qt::LeftButton);
        return child<QTextEdit>(window.get(), "textEdit")->toPlainText();
    }
    // Puts the result editor's cursor into the first occurrence of `word`.
    void placeCursorIn(const QString &word) {
        QTextEdit *result = child<QTextEdit>(window.get(), "textEdit");
        QTextCursor cursor = result->document()->find(word);
        QVERIFY(!cursor.isNull());
        cursor.setPosition(cursor.selectionStart() + 1);
        result->setTextCursor(cursor);
    }
    PronunciationDialog *openedPronunciationDialog() {
        const auto dialogs = window->findChildren<PronunciationDialog *>();
        return dialogs.size() == 1 ? dialogs.first() : nullptr;
    }
    // Answers the next message box with `button` once it shows.
    static void answerNextMessageBox(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box)
                box->button(button)->click();
        });
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(workDir.isValid());
        QVERIFY(orvanta::test_support::writeDictionaries(workDir.path(),
                                                         "1\tcat\tkxt\n2\tdog\tdPg\n3\tzoe\tzoI\n",
                                                         "1\tcat\tkRt\n2\tdog\tdOg\n"));
        QVERIFY(QDir::setCurrent(workDir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void init() {
        QDir(orvanta::userDataFolder()).removeRecursively();
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        QDir(orvanta::userDataFolder()).removeRecursively();
    }

    void dialogValidatesAsTheUserTypes_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<bool>("saveable");
        QTest::addColumn<QString>("preview");
        QTest::newRow("valid") << "Zoe" << u"ˈzəʊi"_qs << true << u"ˈzəʊi"_qs;
        QTest::newRow("typedLikeADictionary") << "Zoe" << u"/ˈzoʊi/"_qs << true << u"ˈzoʊi"_qs;
        QTest::newRow("symbolWithoutCodeNamed") << "Zoe" << u"ˈzɛi"_qs << false << u"“ɛ”"_qs;
        QTest::newRow("wordWithSpace") << "Zoe Ann" << u"zoʊi"_qs << false << "one word";
        QTest::newRow("nothingTyped") << "Zoe"
                                      << "" << false << "IPA";
    }
    void dialogValidatesAsTheUserTypes() {
        QFETCH(QString, word);
        QFETCH(QString, ipa);
        QFETCH(bool, saveable);
        QFETCH(QString, preview);
        PronunciationDialog dialog(orvanta::userDictionaryPath(Variant::British), Variant::British,
                                   {});
        dialog.setWord(word);
        child<QLineEdit>(&dialog, "lineIpa")->clear();
        // As typed: keyClicks cannot send the IPA letters.
        child<QLineEdit>(&dialog, "lineIpa")->insert(ipa);
        auto *buttons = child<QDialogButtonBox>(&dialog, "buttonBox");
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->isEnabled(), saveable);
        const QString shown = child<QLabel>(&dialog, "lblPreview")->text();
        QVERIFY2(shown.contains(preview), qPrintable(shown));
    }

    void symbolButtonsTypeIntoTheIpaField() {
        PronunciationDialog dialog(orvanta::userDictionaryPath(Variant::British), Variant::British,
                                   {});
        const QList<QPushButton *> buttons =
            child<QWidget>(&dialog, "widgetSymbols")->findChildren<QPushButton *>();
        QStringList symbols;
        for (QPushButton *button : buttons) {
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->text()));
            symbols << button->text();
        }
        // Each one is something the dialog accepts.
        for (const QString &symbol : symbols) {
            QString error;
            orvanta::pronunciationFromIpa("k" + symbol, &error);
            QVERIFY2(error.isEmpty(), qPrintable(symbol + ": " + error));
        }
        QVERIFY(symbols.contains(u"oʊ"_qs));
        QVERIFY(symbols.contains(u"ɜː"_qs));
        QTest::mouseClick(buttons.at(symbols.indexOf(u"tʃ"_qs)), Qt::LeftButton);
        QTest::mouseClick(buttons.at(symbols.indexOf(u"ɜː"_qs)), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(&dialog, "lineIpa")->text(), u"tʃɜː"_qs);
    }

    void userEntryTakesPrecedenceInTheRun_data() {
        QTest::addColumn<bool>("british");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("own");
        QTest::newRow("British") << true << u"[kæt]"_qs << u"[ˈkɒt ˈkɒts]"_qs;
        QTest::newRow("American") << false << u"[kɑːt]"_qs << u"[ˈkɒt ˈkɒts]"_qs;
    }
    void userEntryTakesPrecedenceInTheRun() {
        QFETCH(bool, british);
        QFETCH(QString, shipped);
        QFETCH(QString, own);
        QVERIFY(transcribe("cat", british).contains(shipped));
        const Variant variant = british ? Variant::British : Variant::American;
        QVERIFY(writeFile(orvanta::userDictionaryPath(variant), "1\tcat\t'kPt\n"));
        // The suffix rules build on it as on a shipped entry.
        QVERIFY(transcribe("Cat cats", british).contains(own));
        // The other variant's file is not read.
        QVERIFY(transcribe("cat", !british).contains(british ? u"[kɑːt]"_qs : u"[kæt]"_qs));
    }

    void unreadableOwnDictionaryIsReported() {
        QVERIFY(QDir().mkpath(orvanta::userDictionaryPath(Variant::British)));
        QVERIFY(transcribe("cat", true).contains(u"[kæt]"_qs));
        const auto *warning = window->findChild<QLabel *>("dictionaryWarning");
        QVERIFY(warning);
        QVERIFY2(warning->text().contains("user-british.txt"), qPrintable(warning->text()));
        transcribe("cat", false);
        QVERIFY(warning->text().isEmpty());
    }

    void setPronunciationFromTheResult() {
        QVERIFY(transcribe("Zoe and Bob.", true).contains("(Bob)"));
        child<QAction>(window.get(), "actionUser_Dictionary")->trigger();
        auto *list = window->findChild<UserDictionaryDialog *>();
        QVERIFY(list);
        QCOMPARE(child<QTableWidget>(list, "tableEntries")->rowCount(), 0);
        placeCursorIn("Bob");
        child<QAction>(window.get(), "actionSet_pronunciation")->trigger();
        PronunciationDialog *dialog = openedPronunciationDialog();
        QVERIFY(dialog);
        QCOMPARE(child<QLineEdit>(dialog, "lineWord")->text(), "Bob");
        QCOMPARE(child<QLabel>(dialog, "lblCurrent")->text(), "(not transcribed)");
        const QString location = child<QLabel>(dialog, "lblLocation")->text();
        QVERIFY(location.contains("user-british.txt"));
        // Nothing is saved yet, and the label must not say otherwise.
        QVERIFY2(!location.contains("Saved", Qt::CaseInsensitive), qPrintable(location));
        child<QLineEdit>(dialog, "lineIpa")->insert(u"bɒb"_qs);
        child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Save)->click();
        QTRY_VERIFY(!openedPronunciationDialog());

        QCOMPARE(readFile(orvanta::userDictionaryPath(Variant::British)),
                 QByteArray("1\tbob\tbPb\n"));
        // An open list shows the new entry at once.
        QCOMPARE(child<QTableWidget>(list, "tableEntries")->rowCount(), 1);
        QVERIFY(transcribe("Zoe and Bob.", true).contains(u"bɒb"_qs));
    }

    void knownWordStartsFromItsTranscription() {
        transcribe("Zoe", true);
        placeCursorIn("Zoe");
        child<QAction>(window.get(), "actionSet_pronunciation")->trigger();
        PronunciationDialog *dialog = openedPronunciationDialog();
        QVERIFY(dialog);
        QCOMPARE(child<QLabel>(dialog, "lblCurrent")->text(), u"zoɪ"_qs);
        QCOMPARE(child<QLineEdit>(dialog, "lineIpa")->text(), u"zoɪ"_qs);
        dialog->reject();
    }

    // A word made of known words is guessed: starred, set apart, explained
    // by a tooltip, and the start of its own pronunciation; the Dictionary
    // menu turns guessing off.
    void guessedWordIsMarkedAndCanBeTurnedOff() {
        QVERIFY(transcribe("Zoe catdog.", true).contains(u"[zoɪ *ˈkætˌdɒɡ]"_qs));
        auto *result = child<MyTextEdit>(window.get(), "textEdit");
        QTextCursor guess = result->document()->find(u"*ˈkæt"_qs);
        QTextCursor known = result->document()->find(u"zoɪ"_qs);
        QVERIFY(!guess.isNull() && !known.isNull());
        QVERIFY(guess.charFormat().fontItalic());
        QVERIFY(!known.charFormat().fontItalic());
        guess.setPosition(guess.selectionStart() + 2);
        known.setPosition(known.selectionStart() + 1);
        QVERIFY(!result->toolTipAt(result->cursorRect(guess).center()).isEmpty());
        QVERIFY(result->toolTipAt(result->cursorRect(known).center()).isEmpty());

        placeCursorIn("catdog");
        child<QAction>(window.get(), "actionSet_pronunciation")->trigger();
        PronunciationDialog *dialog = openedPronunciationDialog();
        QVERIFY(dialog);
        QCOMPARE(child<QLineEdit>(dialog, "lineIpa")->text(), u"ˈkætˌdɒɡ"_qs);
        dialog->reject();

        child<QAction>(window.get(), "actionGuess_unknown_words")->trigger();
        QVERIFY(transcribe("Zoe catdog.", true).contains(u"[zoɪ (catdog)]"_qs));
    }

    // Without its model the window works as before there was one, and says
    // so once.
    void missingModelIsReportedOnce() {
        QVERIFY(transcribe("Zoe zqxvw.", true).contains(u"(zqxvw)"_qs));
        const auto *warning = window->findChild<QLabel *>("dictionaryWarning");
        QVERIFY(warning);
        QVERIFY2(warning->text().contains("-g2p.bin"), qPrintable(warning->text()));
        transcribe("Zoe zqxvw.", true);
        QVERIFY(warning->text().isEmpty());
    }

    void contextMenuOffersTheWordUnderTheMouse() {
        transcribe("Zoe and Bob.", true);
        QTextEdit *result = child<QTextEdit>(window.get(), "textEdit");
        QTextCursor cursor = result->document()->find("Bob");
        cursor.setPosition(cursor.selectionStart() + 1);
        const QPoint at = result->cursorRect(cursor).center();
        QMetaObject::invokeMethod(result, "customContextMenuRequested", Q_ARG(QPoint, at));
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QAction *set = menu->findChild<QAction *>("actionSet_pronunciation_context");
        QVERIFY(set);
        // The editor's own entries stay.
        QVERIFY(menu->actions().size() > 3);
        set->trigger();
        menu->close();
        PronunciationDialog *dialog = openedPronunciationDialog();
        QVERIFY(dialog);
        QCOMPARE(child<QLineEdit>(dialog, "lineWord")->text(), "Bob");
        dialog->reject();
    }

    void dictionaryDialogListsEditsAndDeletes() {
        QVERIFY(writeFile(orvanta::userDictionaryPath(Variant::American),
                          "# my words\n1\tbob\tbPb\n2\tzoe\tzqui\n"));
        QVERIFY(writeFile(orvanta::userDictionaryPath(Variant::British), "1\tann\txn\n"));
        child<QRadioButton>(window.get(), "rdbAmerican")->setChecked(true);
        child<QAction>(window.get(), "actionUser_Dictionary")->trigger();
        auto *dialog = window->findChild<UserDictionaryDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        auto *table = child<QTableWidget>(dialog, "tableEntries");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), "bob");
        QCOMPARE(table->item(0, 1)->text(), u"bɒb"_qs);
        QCOMPARE(table->item(1, 1)->text(), u"zəʊi"_qs);

        child<QRadioButton>(dialog, "rdbBritish")->setChecked(true);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), "ann");
        child<QRadioButton>(dialog, "rdbAmerican")->setChecked(true);

        table->selectRow(0);
        answerNextMessageBox(QMessageBox::No);
        child<QPushButton>(dialog, "btnDelete")->click();
        QCOMPARE(table->rowCount(), 2);
        answerNextMessageBox(QMessageBox::Yes);
        child<QPushButton>(dialog, "btnDelete")->click();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(readFile(orvanta::userDictionaryPath(Variant::American)),
                 QByteArray("# my words\n2\tzoe\tzqui\n"));

        // Editing goes through the pronunciation dialog; renaming moves the entry.
        table->selectRow(0);
        QTimer::singleShot(0, [] {
            auto *edit = qobject_cast<PronunciationDialog *>(QApplication::activeModalWidget());
            if (!edit)
                return;
            child<QLineEdit>(edit, "lineWord")->setText("Zoey");
            child<QLineEdit>(edit, "lineIpa")->setText(u"ˈzoʊi"_qs);
            edit->accept();
        });
        child<QPushButton>(dialog, "btnEdit")->click();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), "zoey");
        QCOMPARE(readFile(orvanta::userDictionaryPath(Variant::American)),
                 QByteArray("# my words\n2\tzoey\t'zoui\n"));
    }
};

QTEST_MAIN(PronunciationTest)
#include "tst_pronunciation.moc"
