// Files in and out of the window, and the work that must not be lost on the
// way: open, drop, recent files, save as HTML/ODT/PDF/text, the questions
// before an edited result goes, remembered settings, the command line.
#include "declared_version.h"
#include "qt_support.h"
#include "temporary_settings.h"
#include "test_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <QXmlStreamReader>

#include <memory>

#include <zlib.h>

using orvanta::test_support::readFile;
using orvanta::test_support::writeFile;

class FilesTest : public QObject {
    Q_OBJECT

    TemporarySettings settings;
    QTemporaryDir workDir;
    QString startDir = QDir::currentPath();
    std::unique_ptr<TestWindow> window;

    template <typename T> T *child(const char *name) {
        return orvanta::test_support::child<T>(window.get(), name);
    }
    QTextEdit *result() { return child<QTextEdit>("textEdit"); }
    QPlainTextEdit *input() { return child<QPlainTextEdit>("plainTextEdit"); }
    QString notice() { return child<QLabel>("fileNotice")->text(); }
    QString path(const QString &name) { return workDir.filePath(name); }
    void transcribe(const QString &text) {
        input()->setPlainText(text);
        QTest::mouseClick(child<QPushButton>("btnVocanize"), Qt::LeftButton);
    }
    // Makes the first word of the result bold, as a user formats a handout.
    void editResult() {
        QTextCursor cursor = result()->textCursor();
        cursor.setPosition(1);
        result()->setTextCursor(cursor);
        child<QAction>("actionBold")->trigger();
        QVERIFY(result()->document()->isModified());
    }
    // Whether the first word of the saved HTML reads back bold: Qt's reader
    // is the judge, not the spelling of Qt's writer.
    static bool firstWordBold(const QString &html) {
        QTextDocument back;
        back.setHtml(html);
        QTextCursor cursor(&back);
        cursor.setPosition(1);
        return cursor.charFormat().fontWeight() >= QFont::Bold;
    }
    // The stored file `name` of the zip archive `zip`, unpacked with zlib;
    // empty when it is not there.
    static QByteArray unzipped(const QByteArray &zip, const QByteArray &name) {
        const auto number = [&](qsizetype at, int bytes) {
            quint32 value = 0;
            for (int i = bytes - 1; i >= 0; --i)
                value = value << 8 | quint8(zip.at(at + i));
            return qsizetype(value);
        };
        const qsizetype end = zip.lastIndexOf("PK\x05\x06");
        if (end < 0 || end + 22 > zip.size())
            return {};
        qsizetype entry = number(end + 16, 4);
        for (qsizetype count = number(end + 10, 2); count > 0; --count) {
            if (entry + 46 > zip.size() || !zip.mid(entry, 4).startsWith("PK\x01\x02"))
                return {};
            const qsizetype nameLength = number(entry + 28, 2);
            if (zip.mid(entry + 46, nameLength) == name) {
                const int method = int(number(entry + 10, 2));
                const qsizetype packed = number(entry + 20, 4);
                const qsizetype size = number(entry + 24, 4);
                const qsizetype local = number(entry + 42, 4);
                const qsizetype data = local + 30 + number(local + 26, 2) + number(local + 28, 2);
                const QByteArray bytes = zip.mid(data, packed);
                if (method == 0)
                    return bytes;
                QByteArray out(size, Qt::Uninitialized);
                z_stream stream{};
                stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
                stream.avail_in = uInt(bytes.size());
                stream.next_out = reinterpret_cast<Bytef *>(out.data());
                stream.avail_out = uInt(out.size());
                if (method != 8 || inflateInit2(&stream, -MAX_WBITS) != Z_OK)
                    return {};
                const int status = inflate(&stream, Z_FINISH);
                inflateEnd(&stream);
                return status == Z_STREAM_END ? out : QByteArray();
            }
            entry += 46 + nameLength + number(entry + 30, 2) + number(entry + 32, 2);
        }
        return {};
    }
    void newWindow() {
        window = std::make_unique<TestWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QStringList recentEntries() {
        QStringList entries;
        for (QAction *action : child<QMenu>("menuOpen_Recent")->actions()) {
            if (!action->isSeparator() && action->objectName() != "actionClear_Recent")
                entries << action->text();
        }
        return entries;
    }

private slots:
    void initTestCase() {
        QVERIFY(workDir.isValid());
        QVERIFY(orvanta::test_support::writeDictionaries(
            workDir.path(), "1\tcat\tkxt\n2\tdog\tdPg\n", "1\tcat\tkRt\n2\tdog\tdOg\n"));
        QVERIFY(QDir::setCurrent(workDir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void init() {
        settings.clear();
        newWindow();
    }
    void cleanup() { window.reset(); }

    void openReadsEachEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("legacy");
        QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 au lait.\n") << "Café au lait.\n"
                               << false;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFHi.") << "Hi." << false;
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFEH\0i\0.\0", 8) << "Hi." << false;
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0H\0i\0.", 8) << "Hi." << false;
        QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x93ol\xE9\x94\r\n")
                                      << QString::fromUtf8("Café “olé”\n") << true;
    }
    void openReadsEachEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, legacy);
        const QString file = path("notes.txt");
        QVERIFY(writeFile(file, bytes));
        QVERIFY(window->openFile(file));
        QCOMPARE(input()->toPlainText(), text);
        QCOMPARE(notice().contains("Windows-1252"), legacy);
        if (legacy) {
            // Whole, not cut off at the edge of the status bar.
            const auto *label = child<QLabel>("fileNotice");
            QTRY_VERIFY(label->isVisible());
            QTRY_VERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(QString::number(label->width())));
        }
        QVERIFY(window->windowTitle().contains("notes.txt"));
        QCOMPARE(recentEntries().value(0), "&1 notes.txt");
        QVERIFY(window->questions.isEmpty());
    }

    // A new run takes away what the last file operation had to say.
    void runClearsOldMessages() {
        QVERIFY(writeFile(path("legacy.txt"), "Caf\xE9."));
        QVERIFY(window->openFile(path("legacy.txt")));
        window->statusBar()->showMessage("old news");
        QVERIFY(!notice().isEmpty());
        QTest::mouseClick(child<QPushButton>("btnVocanize"), Qt::LeftButton);
        QVERIFY(notice().isEmpty());
        QVERIFY(!child<QLabel>("fileNotice")->isVisible());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
    }

    void openRefusesWhatIsNotText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "absent.txt" << QByteArray();
        QTest::newRow("folder") << "data" << QByteArray();
        QTest::newRow("binary") << "picture.png" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    }
    void openRefusesWhatIsNotText() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(name), bytes));
        input()->setPlainText("my words");
        QVERIFY(!window->openFile(path(name)));
        QCOMPARE(window->questions.size(), 1);
        QVERIFY2(window->questions[0].contains(name), qPrintable(window->questions[0]));
        QCOMPARE(input()->toPlainText(), "my words");
        QVERIFY(recentEntries().isEmpty());
    }

    void openingKeepsTheTypedTextOneUndoAway() {
        QVERIFY(writeFile(path("a.txt"), "From the file."));
        input()->setPlainText("Typed by hand.");
        QVERIFY(window->openFile(path("a.txt")));
        input()->undo();
        QCOMPARE(input()->toPlainText(), "Typed by hand.");
    }

    void openActionAsksForAFileAndRemembersItsFolder() {
        QVERIFY(writeFile(path("sub/b.txt"), "Bee."));
        window->fileToOpen = path("sub/b.txt");
        child<QAction>("actionOpen")->trigger();
        QCOMPARE(window->openDialogs, 1);
        QCOMPARE(input()->toPlainText(), "Bee.");
        QCOMPARE(QSettings().value("files/lastFolder").toString(), path("sub"));
        // Cancelling the dialog changes nothing.
        window->fileToOpen.clear();
        child<QAction>("actionOpen")->trigger();
        QCOMPARE(input()->toPlainText(), "Bee.");
    }

    void droppedFileOpensInTheInputPane() {
        QVERIFY(writeFile(path("dropped.txt"), "Dropped text."));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("dropped.txt"))});
        QWidget *target = input()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(input()->toPlainText(), "Dropped text.");
    }

    void recentFilesKeepTheNewestEight() {
        for (int i = 1; i <= 10; ++i) {
            QVERIFY(writeFile(path(QString("r%1.txt").arg(i)), QByteArray::number(i)));
            QVERIFY(window->openFile(path(QString("r%1.txt").arg(i))));
        }
        QVERIFY(window->openFile(path("r5.txt")));
        QStringList expected;
        for (int i : {5, 10, 9, 8, 7, 6, 4, 3})
            expected << QString("&%1 r%2.txt").arg(expected.size() + 1).arg(i);
        QCOMPARE(recentEntries(), expected);

        // Choosing an entry opens it; one whose file has gone is dropped.
        child<QMenu>("menuOpen_Recent")->actions().at(2)->trigger();
        QCOMPARE(input()->toPlainText(), "9");
        QFile::remove(path("r8.txt"));
        for (QAction *action : child<QMenu>("menuOpen_Recent")->actions()) {
            if (action->text().endsWith(" r8.txt")) {
                action->trigger();
                break;
            }
        }
        QCOMPARE(window->questions.size(), 1);
        QVERIFY(!recentEntries().join(' ').contains("r8.txt"));

        child<QAction>("actionClear_Recent")->trigger();
        QVERIFY(recentEntries().isEmpty());
        QVERIFY(!child<QMenu>("menuOpen_Recent")->isEnabled());
    }

    void savedResultReadsBack_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("HTML") << "out.html";
        QTest::newRow("HTML, capital extension") << "OUT.HTM";
        QTest::newRow("OpenDocument") << "out.odt";
        QTest::newRow("PDF") << "out.pdf";
        QTest::newRow("plain text") << "out.txt";
        QTest::newRow("unknown extension is HTML") << "out.doc";
    }
    void savedResultReadsBack() {
        QFETCH(QString, name);
        transcribe("Cat. Dog!");
        editResult();
        // Zoom is for the screen only.
        const int unzoomed = result()->font().pointSize();
        child<QAction>("actionZoom_In")->trigger();
        QVERIFY(window->saveResult(path(name)));
        QVERIFY(!result()->document()->isModified());
        const QByteArray bytes = readFile(path(name));
        const QString shown = result()->toPlainText();
        if (name.endsWith(".odt")) {
            QVERIFY(bytes.startsWith("PK"));
            QVERIFY(bytes.contains("mimetypeapplication/vnd.oasis.opendocument.text"));
        } else if (name.endsWith(".pdf")) {
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY2(bytes.size() > 1000, qPrintable(QString::number(bytes.size())));
        } else if (name.endsWith(".txt")) {
            QCOMPARE(QString::fromUtf8(bytes), shown);
        } else {
            const QString html = QString::fromUtf8(bytes);
            QVERIFY(html.contains("charset=\"utf-8\"", Qt::CaseInsensitive));
            QVERIFY2(firstWordBold(html), qPrintable(html));
            QTextDocument back;
            back.setHtml(html);
            QCOMPARE(back.toPlainText(), shown);
            QTextCursor sentence(&back);
            sentence.setPosition(2);
            const QTextCharFormat format = sentence.charFormat();
            QVERIFY(!format.hasProperty(QTextFormat::FontPointSize) ||
                    format.fontPointSize() == unzoomed);
            QVERIFY(shown.contains(QString::fromUtf8("[kɑːt]")));
        }
    }

    // What a word processor reads: each line as written, without a tab the
    // result does not hold, and the transcription smaller than its sentence.
    void openDocumentKeepsTheLinesAndTheirSizes() {
        transcribe("Cat. Dog!");
        QVERIFY(window->saveResult(path("sizes.odt")));
        const QByteArray content = unzipped(readFile(path("sizes.odt")), "content.xml");
        QVERIFY(!content.isEmpty());
        QVERIFY2(!content.contains("<text:tab/>"), content.constData());
        QHash<QString, double> sizes;         // style name -> points
        QList<QPair<QString, QString>> spans; // style name, text
        QXmlStreamReader xml(content);
        QString style;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto attributes = xml.attributes();
            if (xml.name() == QLatin1String("style")) {
                style = attributes.value("style:name").toString();
            } else if (xml.name() == QLatin1String("text-properties") &&
                       attributes.hasAttribute("fo:font-size")) {
                QString size = attributes.value("fo:font-size").toString();
                if (size.endsWith("pt"))
                    sizes[style] = size.chopped(2).toDouble();
            } else if (xml.name() == QLatin1String("span")) {
                const QString name = attributes.value("text:style-name").toString();
                spans.append({name, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QStringList texts;
        for (const auto &span : std::as_const(spans))
            texts << span.second;
        QCOMPARE(texts.join('|'), u"Cat.|[kɑːt]|Dog!|[dɔɡ]"_qs);
        const double full = QApplication::font().pointSizeF();
        for (const auto &span : std::as_const(spans)) {
            const double size = sizes.value(span.first, full);
            QVERIFY2(span.second.startsWith('[') ? size < full : size == full,
                     qPrintable(span.second + " " + QString::number(size)));
        }
    }

    void failedSaveIsReportedAndTheResultStillCounted() {
        transcribe("Cat.");
        editResult();
        const QString target = path("no-such-folder/out.html");
        QVERIFY(!window->saveResult(target));
        QCOMPARE(window->questions.size(), 1);
        QVERIFY(window->questions[0].contains("out.html"));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(result()->document()->isModified());
    }

    void saveActionSuggestsANameBesideTheOpenedFile() {
        QVERIFY(writeFile(path("lesson.txt"), "Cat."));
        QVERIFY(window->openFile(path("lesson.txt")));
        window->resultFile = path("lesson.odt");
        child<QAction>("actionSave_Result_As")->trigger();
        QCOMPARE(window->suggestedResultFile, path("lesson.html"));
        QVERIFY(readFile(path("lesson.odt")).startsWith("PK"));
    }

    void closingAsksOnlyAboutAnEditedResult_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveTo");
        QTest::addColumn<bool>("closes");
        QTest::newRow("not edited") << false << int(QMessageBox::Cancel) << "" << true;
        QTest::newRow("edited, Cancel") << true << int(QMessageBox::Cancel) << "" << false;
        QTest::newRow("edited, Discard") << true << int(QMessageBox::Discard) << "" << true;
        QTest::newRow("edited, Save") << true << int(QMessageBox::Save) << "kept.html" << true;
        QTest::newRow("edited, Save, dialog cancelled")
            << true << int(QMessageBox::Save) << "" << false;
    }
    void closingAsksOnlyAboutAnEditedResult() {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(bool, closes);
        transcribe("Cat.");
        if (edited)
            editResult();
        window->answer = QMessageBox::StandardButton(answer);
        window->resultFile = saveTo.isEmpty() ? QString() : path(saveTo);
        QCOMPARE(window->close(), closes);
        QCOMPARE(window->questions.size(), edited ? 1 : 0);
        QCOMPARE(window->isVisible(), !closes);
        if (!saveTo.isEmpty())
            QVERIFY(firstWordBold(QString::fromUtf8(readFile(path(saveTo)))));
    }

    void savedResultCloseAsksNothing() {
        transcribe("Cat.");
        editResult();
        window->resultFile = path("saved.html");
        child<QAction>("actionSave_Result_As")->trigger();
        QVERIFY(window->close());
        QVERIFY(window->questions.isEmpty());
    }

    // Transcribe! again over a hand-formatted result keeps it one Undo away.
    void rerunOverAnEditedResultIsUndoable() {
        transcribe("Cat.");
        editResult();
        const QString edited = result()->toHtml();
        transcribe("Dog.");
        QVERIFY(window->questions.isEmpty());
        QVERIFY(result()->toPlainText().startsWith("Dog."));
        QVERIFY(!result()->document()->isModified());
        result()->setFocus();
        QTest::keyClick(result(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(result()->toHtml(), edited);
        QVERIFY(result()->document()->isModified());
        // The restored result is again one that closing asks about.
        window->answer = QMessageBox::Cancel;
        QVERIFY(!window->close());
    }

    void rerunOverAnUneditedResultLeavesNothingToUndo() {
        transcribe("Cat.");
        transcribe("Dog.");
        QVERIFY(!result()->document()->isUndoAvailable());
    }

    void newAsksBeforeDroppingAnEditedResult_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("Discard") << int(QMessageBox::Discard) << true;
    }
    void newAsksBeforeDroppingAnEditedResult() {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        QVERIFY(writeFile(path("c.txt"), "Cat."));
        QVERIFY(window->openFile(path("c.txt")));
        transcribe("Cat.");
        editResult();
        window->answer = QMessageBox::StandardButton(answer);
        child<QAction>("actionNew")->trigger();
        QCOMPARE(window->questions.size(), 1);
        QCOMPARE(input()->toPlainText().isEmpty(), cleared);
        QCOMPARE(result()->toPlainText().isEmpty(), cleared);
        QCOMPARE(window->windowTitle().contains("c.txt"), !cleared);
    }

    // Each way out that could lose work asks first, and only then.
    void leavingAsksOnlyWhenWorkWouldBeLost_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("leaves");
        const int cancel = QMessageBox::Cancel;
        const int discard = QMessageBox::Discard;
        // Quitting keeps the input for the next start; New clears it.
        QTest::newRow("typed input, quit") << "typed" << true << cancel << 0 << true;
        QTest::newRow("typed input, New, Cancel") << "typed" << false << cancel << 1 << false;
        QTest::newRow("typed input, New, Discard") << "typed" << false << discard << 1 << true;
        QTest::newRow("opened input, New") << "opened" << false << cancel << 0 << true;
        QTest::newRow("replaced edits, quit, Cancel") << "replaced" << true << cancel << 1 << false;
        QTest::newRow("replaced edits, quit, Discard")
            << "replaced" << true << discard << 1 << true;
        QTest::newRow("replaced edits, New, Cancel") << "replaced" << false << cancel << 1 << false;
        QTest::newRow("replaced twice, quit") << "replaced twice" << true << cancel << 1 << false;
        QTest::newRow("replaced, then saved, quit") << "saved" << true << cancel << 0 << true;
    }
    void leavingAsksOnlyWhenWorkWouldBeLost() {
        QFETCH(QString, work);
        QFETCH(bool, quit);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(bool, leaves);
        if (work == "typed") {
            input()->insertPlainText("Typed by hand.");
        } else if (work == "opened") {
            QVERIFY(writeFile(path("opened.txt"), "From a file."));
            QVERIFY(window->openFile(path("opened.txt")));
        } else {
            transcribe("Cat.");
            editResult();
            transcribe("Dog.");
            if (work == "replaced twice")
                transcribe("Dog.");
            if (work == "saved")
                QVERIFY(window->saveResult(path("kept.html")));
        }
        window->answer = QMessageBox::StandardButton(answer);
        bool left = false;
        if (quit) {
            left = window->close();
        } else {
            child<QAction>("actionNew")->trigger();
            left = input()->toPlainText().isEmpty() && result()->toPlainText().isEmpty();
        }
        QCOMPARE(window->questions.size(), questions);
        QCOMPARE(left, leaves);
        if (work.startsWith("replaced") && !leaves) {
            // Still one Undo (or two) away.
            result()->undo();
            if (work == "replaced twice")
                result()->undo();
            QVERIFY(result()->toPlainText().startsWith("Cat."));
        }
    }

    void inputIsKeptAcrossARestart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("typed") << QString::fromUtf8("Naïve café.\n\nSecond paragraph.") << false;
        QTest::newRow("opened") << "From a file." << true;
        QTest::newRow("nothing") << "" << false;
    }
    void inputIsKeptAcrossARestart() {
        QFETCH(QString, text);
        QFETCH(bool, fromFile);
        if (fromFile) {
            QVERIFY(writeFile(path("kept.txt"), text.toUtf8()));
            QVERIFY(window->openFile(path("kept.txt")));
        } else {
            input()->insertPlainText(text);
        }
        QVERIFY(window->close());
        newWindow();
        QCOMPARE(input()->toPlainText(), text);
        // What came from a file as it is needs no question; typed text does.
        child<QAction>("actionNew")->trigger();
        QCOMPARE(window->questions.size(), int(!fromFile && !text.isEmpty()));
    }

    void savedInputReadsBack() {
        const QString text = QString::fromUtf8("Naïve café, “quoted”.\nSecond line.");
        input()->insertPlainText(text);
        QVERIFY(window->isWindowModified());
        window->inputFile = path("mine.txt");
        child<QAction>("actionSave_Input_As")->trigger();
        QCOMPARE(QString::fromUtf8(readFile(path("mine.txt"))), text);
        QVERIFY(window->windowTitle().contains("mine.txt"));
        QVERIFY(!window->isWindowModified());
        child<QAction>("actionNew")->trigger();
        QVERIFY(window->questions.isEmpty());
        QVERIFY(window->openFile(path("mine.txt")));
        QCOMPARE(input()->toPlainText(), text);
    }

    void titleMarksWorkInNoFile() {
        QVERIFY(!window->isWindowModified());
        transcribe("Cat.");
        QVERIFY(!window->isWindowModified());
        editResult();
        QVERIFY(window->isWindowModified());
        QVERIFY(window->windowTitle().contains("[*]"));
        QVERIFY(window->saveResult(path("marked.html")));
        QVERIFY(!window->isWindowModified());
    }

    void settingsSurviveARestart() {
        QVERIFY(writeFile(path("remembered.txt"), "Cat."));
        QVERIFY(window->openFile(path("remembered.txt")));
        child<QRadioButton>("rdbBritish")->setChecked(true);
        child<QCheckBox>("chkTransliterate")->setChecked(true);
        child<QCheckBox>("chkWeakForms")->setChecked(true);
        child<QCheckBox>("chkJoinLines")->setChecked(true);
        const int zoomed = result()->font().pointSize() + 2;
        child<QAction>("actionZoom_In")->trigger();
        child<QAction>("actionZoom_In")->trigger();
        window->resize(760, 500);
        const QSize size = window->size();
        child<QSplitter>("splitter")->setSizes({200, 400});
        const QList<int> sizes = child<QSplitter>("splitter")->sizes();
        QVERIFY(window->close());

        newWindow();
        QVERIFY(child<QRadioButton>("rdbBritish")->isChecked());
        QVERIFY(child<QCheckBox>("chkTransliterate")->isChecked());
        QVERIFY(child<QCheckBox>("chkWeakForms")->isChecked());
        QVERIFY(child<QCheckBox>("chkJoinLines")->isChecked());
        QCOMPARE(result()->font().pointSize(), zoomed);
        QCOMPARE(window->size(), size);
        QCOMPARE(child<QSplitter>("splitter")->sizes(), sizes);
        QCOMPARE(recentEntries(), QStringList{"&1 remembered.txt"});
        // The text opened is kept as it was left.
        QCOMPARE(input()->toPlainText(), "Cat.");
    }

    void firstStartHasTheDefaults() {
        QVERIFY(child<QRadioButton>("rdbAmerican")->isChecked());
        QVERIFY(!child<QCheckBox>("chkTransliterate")->isChecked());
        QVERIFY(!child<QCheckBox>("chkWeakForms")->isChecked());
        QVERIFY(!child<QCheckBox>("chkJoinLines")->isChecked());
        QVERIFY(recentEntries().isEmpty());
        QVERIFY(!child<QMenu>("menuOpen_Recent")->isEnabled());
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "orvanta " + declaredVersion();
        QTest::newRow("short version") << QStringList{"-v"} << 0 << "orvanta " + declaredVersion();
        QTest::newRow("help") << QStringList{"--help"} << 0 << "[file]";
        // A usage error: the reason, the usage, and status 2.
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "bogus";
        QTest::newRow("unknown option, usage") << QStringList{"--bogus"} << 2 << "[file]";
        QTest::newRow("unknown option before help")
            << QStringList{"--no-such-option", "--help"} << 2 << "no-such-option";
    }
    // --help and --version answer without a display.
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(ORVANTA_GUI_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), exitCode);
        const QString printed = QString::fromLocal8Bit(program.readAll());
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
