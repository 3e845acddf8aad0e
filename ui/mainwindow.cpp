#include "ui/mainwindow.h"

#include "ui_mainwindow.h"

#include "document/data_location.h"
#include "document/document.h"
#include "document/text_file.h"
#include "document/utf16.h"
#include "engine/lexicon/dictionary.h"
#include "engine/output/cyrillic.h"
#include "engine/transcription_engine.h"
#include "ui/pronunciationdialog.h"
#include "ui/result_file.h"
#include "ui/symbols.h"
#include "ui/userdictionarydialog.h"
#include "ui/website.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The font of the character before the cursor of `editor`, with the point
// size the characters carry or else the application's default size, never the
// size to which the editor happens to be zoomed, so that Bigger and Smaller
// step from what the document itself says.
QFont fontAtCursor(const QTextEdit *editor) {
    const QTextCharFormat format = editor->textCursor().charFormat();
    QFont font = format.font();
    if (format.hasProperty(QTextFormat::FontPointSize))
        return font;
    // Text pasted from a web page is sized in pixels and has no point size;
    // from the default size, Bigger would leave 16-pixel text as it is or
    // even shrink it. Step from the points it is shown at instead.
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / editor->logicalDpiY());
    else
        font.setPointSizeF(QGuiApplication::font().pointSizeF());
    return font;
}

// The English word at `cursor` (or its selection), or an empty string when
// the cursor is on something else, such as a transcription: a word left
// untranscribed appears in parentheses and is taken without them.
QString englishWordAt(QTextCursor cursor) {
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    const QString text = cursor.selectedText().trimmed();
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto isWordCharacter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'\'' || c == u'-';
    };
    while (first < last && !isWordCharacter(text.at(first)) && !text.at(first).isLetter())
        ++first;
    while (last > first && !isWordCharacter(text.at(last - 1)) && !text.at(last - 1).isLetter())
        --last;
    const QString word = text.mid(first, last - first);
    return std::all_of(word.cbegin(), word.cend(), isWordCharacter) ? word : QString();
}

// What Qt 6 puts into the head of every HTML export.
const QLatin1String charsetDeclaration("<meta charset=\"utf-8\" />");

// Larger files are not texts a person transcribes, and reading them would
// freeze the window for a long time.
constexpr qint64 maxOpenFileSize = 64 * 1024 * 1024;

// Calls `action` with the editor as the QTextEdit or QPlainTextEdit it is.
template <typename Action> void onEditor(QWidget *editor, Action action) {
    if (auto *rich = qobject_cast<QTextEdit *>(editor))
        action(rich);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(editor))
        action(plain);
}

QString firstLocalFile(const QMimeData *data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

namespace key {
const QString variant = QStringLiteral("options/variant");
const QString cyrillic = QStringLiteral("options/cyrillic");
const QString weakForms = QStringLiteral("options/weakForms");
const QString geometry = QStringLiteral("window/geometry");
const QString splitter = QStringLiteral("window/splitter");
const QString zoom = QStringLiteral("result/zoom");
const QString lastFolder = QStringLiteral("files/lastFolder");
const QString recentFiles = QStringLiteral("files/recent");
} // namespace key

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), aboutBox(nullptr) {
    ui->setupUi(this);
    ui->mainToolBar->hide();

    QPushButton *const symbolButtons[] = {
        ui->btnPhoneticSymbol_1,  ui->btnPhoneticSymbol_2,  ui->btnPhoneticSymbol_3,
        ui->btnPhoneticSymbol_4,  ui->btnPhoneticSymbol_5,  ui->btnPhoneticSymbol_6,
        ui->btnPhoneticSymbol_7,  ui->btnPhoneticSymbol_8,  ui->btnPhoneticSymbol_9,
        ui->btnPhoneticSymbol_10, ui->btnPhoneticSymbol_11, ui->btnPhoneticSymbol_12,
        ui->btnPhoneticSymbol_13, ui->btnPhoneticSymbol_14, ui->btnPhoneticSymbol_15,
        ui->btnPhoneticSymbol_16, ui->btnPhoneticSymbol_17, ui->btnPhoneticSymbol_18,
        ui->btnPhoneticSymbol_19, ui->btnPhoneticSymbol_20, ui->btnPhoneticSymbol_21,
        ui->btnPhoneticSymbol_22, ui->btnPhoneticSymbol_23, ui->btnPhoneticSymbol_24,
        ui->btnPhoneticSymbol_25, ui->btnPhoneticSymbol_26, ui->btnPhoneticSymbol_27,
        ui->btnPhoneticSymbol_28, ui->btnPhoneticSymbol_29, ui->btnPhoneticSymbol_30,
    };
    // Flat buttons show nothing under the pointer or the keyboard focus, and
    // the user cannot tell which of 30 small targets is about to be hit.
    const QString symbolStyle = QStringLiteral(
        "QPushButton { border: 1px solid transparent; border-radius: 3px; padding: 0px; }"
        "QPushButton:hover { border-color: palette(highlight); }"
        "QPushButton:focus { border: 1px dotted palette(text); }"
        "QPushButton:pressed { background-color: palette(highlight);"
        " color: palette(highlighted-text); }");
    for (QPushButton *button : symbolButtons) {
        button->setStyleSheet(symbolStyle);
        connect(button, &QPushButton::clicked, this, &MainWindow::insertPhoneticSymbol);
    }

    britishDictionaryPath = QString::fromLatin1(orvanta::britishDictionaryFile);
    americanDictionaryPath = QString::fromLatin1(orvanta::americanDictionaryFile);

    ui->plainTextEdit->setPlainText(tr("Enter your text here."));

    // A label rather than a status message: hovering any menu entry replaces
    // the message with the entry's (empty) status tip, and the warning would
    // be gone before the user had read it. Ignoring its width keeps a long
    // path from widening the window.
    dictionaryWarning = new QLabel(statusBar());
    dictionaryWarning->setObjectName(QStringLiteral("dictionaryWarning"));
    dictionaryWarning->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(dictionaryWarning, 1);

    // The result's own menu, with "Set pronunciation…" for the word clicked.
    ui->textEdit->setContextMenuPolicy(Qt::CustomContextMenu);

    fileNotice = new QLabel(statusBar());
    fileNotice->setObjectName(QStringLiteral("fileNotice"));
    fileNotice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(fileNotice, 1);

    // Qt's rich text does not know the relative size "smaller" that the
    // document asks for, and would show the transcription line at full size;
    // "small" is the nearest size it knows, and scales with the zoom.
    ui->textEdit->document()->setDefaultStyleSheet(
        QStringLiteral(".transcr { font-size: small; }"));
    ui->plainTextEdit_2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    resultBaseSize = ui->textEdit->font().pointSize();

    // Standard keys, so that each platform gets the ones its users know.
    ui->actionNew->setShortcuts(QKeySequence::New);
    ui->actionOpen->setShortcuts(QKeySequence::Open);
    // There is no file the result belongs to, so Save asks for one as well.
    // Some platforms bind no key to Save As or Quit; users reach for these.
    QList<QKeySequence> saveKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (saveKeys.isEmpty())
        saveKeys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    saveKeys << QKeySequence::keyBindings(QKeySequence::Save);
    ui->actionSave_Result_As->setShortcuts(saveKeys);
    ui->actionPrint->setShortcuts(QKeySequence::Print);
    ui->actionQuit->setShortcuts(QKeySequence::Quit);
    if (ui->actionQuit->shortcuts().isEmpty())
        ui->actionQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui->actionUndo->setShortcuts(QKeySequence::Undo);
    ui->actionRedo->setShortcuts(QKeySequence::Redo);
    ui->actionCut->setShortcuts(QKeySequence::Cut);
    ui->actionCopy->setShortcuts(QKeySequence::Copy);
    ui->actionPaste->setShortcuts(QKeySequence::Paste);
    ui->actionSelect_All->setShortcuts(QKeySequence::SelectAll);
    ui->actionFind->setShortcuts(QKeySequence::Find);
    ui->actionFind_Next->setShortcuts(QKeySequence::FindNext);
    ui->actionFind_Previous->setShortcuts(QKeySequence::FindPrevious);
    ui->actionReset_Zoom->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui->actionTranscribe->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    // In no menu, so the window itself has to carry it for the shortcut.
    addAction(ui->actionTranscribe);

    findBar = new QWidget(ui->tab);
    findBar->setObjectName(QStringLiteral("findBar"));
    auto *findLayout = new QHBoxLayout(findBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    auto *findLabel = new QLabel(tr("F&ind:"), findBar);
    lineFind = new QLineEdit(findBar);
    lineFind->setObjectName(QStringLiteral("lineFind"));
    lineFind->setClearButtonEnabled(true);
    lineFind->installEventFilter(this);
    findLabel->setBuddy(lineFind);
    auto *btnFindNext = new QPushButton(tr("&Next"), findBar);
    btnFindNext->setObjectName(QStringLiteral("btnFindNext"));
    auto *btnFindPrevious = new QPushButton(tr("Pre&vious"), findBar);
    btnFindPrevious->setObjectName(QStringLiteral("btnFindPrevious"));
    auto *btnCloseFind = new QToolButton(findBar);
    btnCloseFind->setObjectName(QStringLiteral("btnCloseFind"));
    btnCloseFind->setText(QStringLiteral("✕"));
    btnCloseFind->setToolTip(tr("Close the search (Esc)"));
    btnCloseFind->setAutoRaise(true);
    findLayout->addWidget(findLabel);
    findLayout->addWidget(lineFind, 1);
    findLayout->addWidget(btnFindNext);
    findLayout->addWidget(btnFindPrevious);
    findLayout->addWidget(btnCloseFind);
    ui->gridLayout_2->addWidget(findBar, 1, 0);
    findBar->hide();
    connect(lineFind, &QLineEdit::returnPressed, this,
            [this] { findInResult(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier); });
    connect(btnFindNext, &QPushButton::clicked, this, [this] { findInResult(false); });
    connect(btnFindPrevious, &QPushButton::clicked, this, [this] { findInResult(true); });
    connect(btnCloseFind, &QToolButton::clicked, this, [this] {
        findBar->hide();
        ui->textEdit->setFocus();
    });

    // Ctrl+Tab out of the editors, Ctrl+wheel zoom, files dropped on the input.
    for (QWidget *editor :
         {static_cast<QWidget *>(ui->plainTextEdit), static_cast<QWidget *>(ui->textEdit),
          static_cast<QWidget *>(ui->plainTextEdit_2)}) {
        editor->installEventFilter(this);
        static_cast<QAbstractScrollArea *>(editor)->viewport()->installEventFilter(this);
    }
    lastEditor = ui->plainTextEdit;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == ui->plainTextEdit || now == ui->textEdit || now == ui->plainTextEdit_2) {
            lastEditor = now;
            updateEditActions();
        }
    });
    connect(ui->textEdit, &QTextEdit::undoAvailable, this, &MainWindow::updateEditActions);
    connect(ui->textEdit, &QTextEdit::redoAvailable, this, &MainWindow::updateEditActions);
    connect(ui->textEdit, &QTextEdit::copyAvailable, this, &MainWindow::updateEditActions);
    for (QPlainTextEdit *editor :
         {ui->plainTextEdit, static_cast<QPlainTextEdit *>(ui->plainTextEdit_2)}) {
        connect(editor, &QPlainTextEdit::undoAvailable, this, &MainWindow::updateEditActions);
        connect(editor, &QPlainTextEdit::redoAvailable, this, &MainWindow::updateEditActions);
        connect(editor, &QPlainTextEdit::copyAvailable, this, &MainWindow::updateEditActions);
    }

    readSettings();
    updateSymbolButtons();
    updateEditActions();
    setFileTitle();
}

MainWindow::~MainWindow() {
    // Taking the widgets down moves the focus, and the application would
    // report that to a window that is no longer all there.
    disconnect(qApp, nullptr, this, nullptr);
    delete ui;
}

QString MainWindow::transliterateToCyrillic(const QString &ipa) {
    return orvanta::toQString(orvanta::transliterateToCyrillic(ipa.toStdU16String()));
}

void MainWindow::changeEvent(QEvent *e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setFileTitle();
        updateSymbolButtons();
    }
}

void MainWindow::on_btnVocanize_clicked() {
    // A long text takes a moment, and the window answers nothing meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    QString requested;
    QString variant;
    if (ui->rdbBritish->isChecked()) {
        requested = britishDictionaryPath;
        variant = tr("British");
        options.variant = orvanta::Variant::British;
    } else if (ui->rdbAmerican->isChecked()) {
        requested = americanDictionaryPath;
        variant = tr("American");
        options.variant = orvanta::Variant::American;
    }

    // Read afresh on every run, so that an edited file counts at once; with
    // no variant chosen the last run's dictionary serves again.
    QString unreadable;
    if (!requested.isEmpty()) {
        const QString path = orvanta::locateDataFile(requested);
        orvanta::DictionaryLoad load =
            orvanta::PronunciationDictionary::load(QFile::encodeName(path).toStdString());
        if (!load.ok())
            unreadable = path;
        dictionary = std::move(load.dictionary);
    }
    // The user's own pronunciations are read afresh too: they may have been
    // edited since, here or in a text editor.
    QString userError;
    const QString userPath = orvanta::userDictionaryPath(options.variant);
    if (!requested.isEmpty())
        userDictionary = orvanta::loadUserLayer(userPath, &userError);

    options.weakForms = ui->chkWeakForms->isChecked();
    const orvanta::TranscriptionEngine engine(dictionary,
                                              userDictionary ? &*userDictionary : nullptr, options);
    const QString document = orvanta::buildReadDocument(engine, ui->plainTextEdit->toPlainText(),
                                                        ui->chkTransliterate->isChecked());
    showResult(document);

    // Without its dictionary every word comes back in parentheses, which looks
    // like a result unless the user is told why.
    if (!unreadable.isEmpty()) {
        dictionaryWarning->setText(
            tr("Could not read the %1 dictionary \"%2\": words are shown untranscribed, in "
               "parentheses.")
                .arg(variant, unreadable));
    } else if (!userError.isEmpty()) {
        dictionaryWarning->setText(
            tr("Could not read your own pronunciations \"%1\" (%2): the shipped dictionary "
               "was used alone.")
                .arg(QDir::toNativeSeparators(userPath), userError));
    } else {
        dictionaryWarning->clear();
    }
}

void MainWindow::insertPhoneticSymbol() {
    const auto *button = qobject_cast<const QAbstractButton *>(sender());
    if (!button)
        return;
    ui->textEdit->insertPlainText(button->text());
    ui->textEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::applyCharFormat(const QTextCharFormat &format) {
    QTextCursor cursor = ui->textEdit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    ui->textEdit->mergeCurrentCharFormat(format);
}

void MainWindow::on_actionBold_triggered() {
    const QFont font = fontAtCursor(ui->textEdit);
    QTextCharFormat format;
    format.setFontWeight(font.weight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    applyCharFormat(format);
}

void MainWindow::on_actionItalic_triggered() {
    const QFont font = fontAtCursor(ui->textEdit);
    QTextCharFormat format;
    format.setFontItalic(font.style() == QFont::StyleNormal);
    applyCharFormat(format);
}

void MainWindow::on_actionUnderline_triggered() {
    const QFont font = fontAtCursor(ui->textEdit);
    QTextCharFormat format;
    format.setUnderlineStyle(font.underline() ? QTextCharFormat::NoUnderline
                                              : QTextCharFormat::SingleUnderline);
    applyCharFormat(format);
}

void MainWindow::on_actionBigger_triggered() {
    const QFont font = fontAtCursor(ui->textEdit);
    QTextCharFormat format;
    format.setFontPointSize(font.pointSize() + 2);
    applyCharFormat(format);
}

void MainWindow::on_actionSmaller_triggered() {
    const QFont font = fontAtCursor(ui->textEdit);
    QTextCharFormat format;
    if (font.pointSize() >= 8)
        format.setFontPointSize(font.pointSize() - 2);
    applyCharFormat(format);
}

void MainWindow::on_actionZoom_In_triggered() {
    ui->textEdit->zoomIn(1);
}

void MainWindow::on_actionZoom_Out_triggered() {
    // A display font of zero points or less cannot be shown.
    if (ui->textEdit->font().pointSizeF() - 1 > 0)
        ui->textEdit->zoomOut(1);
}

void MainWindow::on_actionAbout_triggered() {
    aboutBox.show();
}

void MainWindow::on_actionGo_to_Orvanta_website_triggered() {
    const QUrl url = orvanta::websiteUrl();
    if (openExternalUrl(url))
        return;
    // Without a browser (a bare desktop, a remote session) the user would
    // see nothing at all happen; the guide is a file they can open themselves.
    const QString where =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    ask(QMessageBox::Information,
        tr("No web browser could be started. The Orvanta user guide is here:\n%1").arg(where),
        QMessageBox::Ok, QMessageBox::Ok);
}

void MainWindow::on_textEdit_textChanged() {
    if (settingRunResult)
        return;
    // Exporting a long result and showing it as text takes a tenth of a
    // second, too long for every key typed; the tab is brought up to date
    // when it is looked at.
    pendingRunDocument = QString();
    htmlViewStale = true;
    if (ui->tabWidget->currentWidget() == ui->tab_2)
        refreshHtmlView();
}

void MainWindow::on_tabWidget_currentChanged(int) {
    if (ui->tabWidget->currentWidget() == ui->tab_2)
        refreshHtmlView();
}

void MainWindow::refreshHtmlView() {
    if (!htmlViewStale)
        return;
    htmlViewStale = false;
    // Directly after a run the tab shows the document as built.
    if (!pendingRunDocument.isNull()) {
        ui->plainTextEdit_2->setPlainText(pendingRunDocument);
        return;
    }
    // The source view holds text, not bytes: its character set is chosen
    // when the user saves or pastes it, so the export must declare none,
    // though Qt 6 always writes one. User text cannot produce the tag, as
    // its "<" is exported as "&lt;".
    QString html = ui->textEdit->document()->toHtml();
    if (const qsizetype at = html.indexOf(charsetDeclaration); at >= 0)
        html.remove(at, charsetDeclaration.size());
    ui->plainTextEdit_2->setPlainText(html);
}

orvanta::Variant MainWindow::chosenVariant() const {
    return ui->rdbBritish->isChecked() ? orvanta::Variant::British : orvanta::Variant::American;
}

PronunciationDialog::Transcriber MainWindow::transcriberFor(orvanta::Variant variant) const {
    struct Dictionaries {
        orvanta::PronunciationDictionary shipped;
        std::optional<orvanta::PronunciationDictionary> user;
    };
    auto dictionaries = std::make_shared<Dictionaries>();
    const QString path = orvanta::locateDataFile(
        variant == orvanta::Variant::British ? britishDictionaryPath : americanDictionaryPath);
    dictionaries->shipped =
        orvanta::PronunciationDictionary::load(QFile::encodeName(path).toStdString()).dictionary;
    dictionaries->user = orvanta::loadUserLayer(orvanta::userDictionaryPath(variant));
    return [dictionaries, variant](const QString &key) {
        const orvanta::TranscriptionEngine engine(
            dictionaries->shipped, dictionaries->user ? &*dictionaries->user : nullptr,
            orvanta::EngineOptions{variant});
        const std::u16string code = engine.transcribeWord(key.toStdU16String());
        if (code.empty() || code.front() == u'(')
            return QString();
        return orvanta::toQString(engine.renderIpa(code));
    };
}

void MainWindow::setPronunciation(const QString &word) {
    const orvanta::Variant variant = chosenVariant();
    const PronunciationDialog::Transcriber transcriber = transcriberFor(variant);
    auto *dialog =
        new PronunciationDialog(orvanta::userDictionaryPath(variant), variant, transcriber, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWord(word);
    const QString key = orvanta::userDictionaryKey(word);
    if (!key.isEmpty())
        dialog->setIpa(transcriber(key));
    connect(dialog, &QDialog::accepted, this, [this] {
        if (userDictionaryDialog)
            userDictionaryDialog->reload();
        statusBar()->showMessage(
            tr("Pronunciation saved: press Transcribe! to see it in the result."), 10000);
    });
    dialog->open();
}

void MainWindow::on_textEdit_customContextMenuRequested(const QPoint &pos) {
    // The viewport's point, and the same point in the scrolled document.
    const QPoint inDocument(pos.x() + ui->textEdit->horizontalScrollBar()->value(),
                            pos.y() + ui->textEdit->verticalScrollBar()->value());
    QMenu *menu = ui->textEdit->createStandardContextMenu(inDocument);
    menu->setAttribute(Qt::WA_DeleteOnClose);

    // A right-click does not move the text cursor: take the word under the
    // mouse, or the selection when the click falls inside it.
    QTextCursor cursor = ui->textEdit->cursorForPosition(pos);
    const QTextCursor selection = ui->textEdit->textCursor();
    if (selection.hasSelection() && cursor.position() >= selection.selectionStart() &&
        cursor.position() <= selection.selectionEnd())
        cursor = selection;
    const QString word = englishWordAt(cursor);

    menu->addSeparator();
    QAction *const set = menu->addAction(ui->actionSet_pronunciation->text());
    set->setObjectName(QStringLiteral("actionSet_pronunciation_context"));
    connect(set, &QAction::triggered, this, [this, word] { setPronunciation(word); });
    menu->popup(ui->textEdit->viewport()->mapToGlobal(pos));
}

void MainWindow::on_actionSet_pronunciation_triggered() {
    setPronunciation(englishWordAt(ui->textEdit->textCursor()));
}

void MainWindow::on_actionUser_Dictionary_triggered() {
    if (!userDictionaryDialog) {
        userDictionaryDialog = new UserDictionaryDialog(
            chosenVariant(), [this](orvanta::Variant variant) { return transcriberFor(variant); },
            this);
        userDictionaryDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    userDictionaryDialog->show();
    userDictionaryDialog->raise();
    userDictionaryDialog->activateWindow();
}

void MainWindow::showResult(const QString &document) {
    // Qt's HTML reader turns the blank line after each paragraph into a
    // space at the end of the transcription's line, which would follow
    // every copy and every text file of the result. The HTML tab still
    // shows the document as built.
    QString shown = document;
    shown.replace(QLatin1String("</p>\n\n"), QLatin1String("</p>"));
    QTextDocument *result = ui->textEdit->document();
    settingRunResult = true;
    const auto done = qScopeGuard([this] { settingRunResult = false; });
    if (result->isModified() && !result->isEmpty()) {
        // Hand-made formatting would be lost to a second press of the
        // button; replacing it through the cursor keeps it one Undo away.
        QTextDocument fresh;
        fresh.setDefaultFont(result->defaultFont());
        fresh.setDefaultStyleSheet(result->defaultStyleSheet());
        fresh.setHtml(shown);
        QTextCursor cursor(result);
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertFragment(QTextDocumentFragment(&fresh));
        cursor.endEditBlock();
        ui->textEdit->moveCursor(QTextCursor::Start);
        statusBar()->showMessage(
            tr("The edited result was replaced; Edit > Undo in the result brings it back."), 10000);
    } else {
        ui->textEdit->setHtml(shown);
    }
    result->setModified(false);
    pendingRunDocument = document;
    htmlViewStale = true;
    if (ui->tabWidget->currentWidget() == ui->tab_2)
        refreshHtmlView();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!maybeSaveResult()) {
        event->ignore();
        return;
    }
    writeSettings();
    // The About box and any other window of ours are top-level windows of
    // their own; left open they would keep the program running without its
    // main window.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != this && widget->isVisible())
            widget->close();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == lineFind && key->key() == Qt::Key_Escape) {
            findBar->hide();
            ui->textEdit->setFocus();
            return true;
        }
        // Tab belongs to the text; Ctrl+Tab is how the keyboard gets out.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        break;
    }
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            break;
        // Touchpads send many small steps; a notch of a wheel is 120.
        wheelRemainder += wheel->angleDelta().y();
        const int steps = wheelRemainder / 120;
        wheelRemainder %= 120;
        if (watched == ui->textEdit->viewport()) {
            zoomResultBy(steps);
        } else if (watched == ui->plainTextEdit->viewport() ||
                   watched == ui->plainTextEdit_2->viewport()) {
            auto *editor = static_cast<QPlainTextEdit *>(watched->parent());
            if (editor->font().pointSize() + steps > 0)
                editor->zoomIn(steps);
        }
        wheel->accept();
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == ui->plainTextEdit->viewport()) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!firstLocalFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        }
        break;
    case QEvent::Drop:
        if (watched == ui->plainTextEdit->viewport()) {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = firstLocalFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                openFile(path);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

QMessageBox::StandardButton MainWindow::ask(QMessageBox::Icon icon, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, tr("Orvanta"), text, buttons, this);
    box.setDefaultButton(defaultButton);
    // Paths in messages are there to be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString MainWindow::chooseFileToOpen(const QString &folder) {
    return QFileDialog::getOpenFileName(this, tr("Open Text"), folder,
                                        tr("Text files (*.txt);;All files (*)"));
}

QString MainWindow::chooseResultFile(const QString &suggestedPath) {
    struct Filter {
        QString name;
        orvanta::ResultFormat format;
    };
    const Filter filters[] = {
        {tr("HTML (*.html *.htm)"), orvanta::ResultFormat::Html},
        {tr("OpenDocument text (*.odt)"), orvanta::ResultFormat::OpenDocument},
        {tr("PDF (*.pdf)"), orvanta::ResultFormat::Pdf},
        {tr("Plain text (*.txt)"), orvanta::ResultFormat::PlainText},
    };
    QStringList names;
    for (const Filter &filter : filters)
        names << filter.name;
    QFileDialog dialog(this, tr("Save Result As"), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(names);
    const auto suffixFor = [&](const QString &name) {
        for (const Filter &filter : filters) {
            if (filter.name == name)
                return orvanta::resultExtension(filter.format).mid(1);
        }
        return QString();
    };
    dialog.selectNameFilter(names.value(
        int(orvanta::resultFormatForPath(suggestedPath).value_or(orvanta::ResultFormat::Html))));
    dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
    // The dialog adds the suffix before it asks about overwriting.
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&](const QString &name) { dialog.setDefaultSuffix(suffixFor(name)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    if (!orvanta::resultFormatForPath(path))
        path += QLatin1Char('.') + suffixFor(dialog.selectedNameFilter());
    return path;
}

bool MainWindow::openExternalUrl(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}

bool MainWindow::openFile(const QString &path) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [&](const QString &why) {
        ask(QMessageBox::Warning, tr("Could not open “%1”:\n%2").arg(shown, why), QMessageBox::Ok,
            QMessageBox::Ok);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(tr("It is a folder."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > maxOpenFileSize)
        return fail(tr("It is larger than %1 MB, too large for a text to transcribe.")
                        .arg(maxOpenFileSize / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    const orvanta::DecodedText decoded = orvanta::decodeTextFile(bytes);
    if (decoded.looksBinary)
        return fail(tr("It is not a plain-text file. Save it as plain text (.txt) first."));

    // Through the cursor, so that Undo brings back what was typed before.
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(decoded.text);
    cursor.endEditBlock();
    ui->plainTextEdit->moveCursor(QTextCursor::Start);

    currentFile = info.absoluteFilePath();
    setFileTitle();
    addRecentFile(currentFile);
    setLastFolder(info.absolutePath());
    if (decoded.encoding == orvanta::DecodedText::Encoding::Windows1252) {
        showNotice(tr("“%1” is not UTF-8; it was read as Windows-1252 (Western European). "
                      "If letters look wrong, save it as UTF-8 and open it again.")
                       .arg(info.fileName()));
    } else {
        showNotice(QString());
    }
    return true;
}

bool MainWindow::saveResult(const QString &path) {
    const orvanta::ResultFormat format =
        orvanta::resultFormatForPath(path).value_or(orvanta::ResultFormat::Html);
    QString error;
    if (!orvanta::writeResult(*printableResult(), path, format, &error)) {
        const QString message =
            tr("Could not save the result to “%1”:\n%2").arg(QDir::toNativeSeparators(path), error);
        ask(QMessageBox::Warning, message, QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    ui->textEdit->document()->setModified(false);
    setLastFolder(QFileInfo(path).absolutePath());
    statusBar()->showMessage(tr("Result saved to %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

bool MainWindow::saveResultAs() {
    const QString base =
        currentFile.isEmpty() ? tr("transcription") : QFileInfo(currentFile).completeBaseName();
    const QString path = chooseResultFile(QDir(lastFolder()).filePath(base + ".html"));
    return !path.isEmpty() && saveResult(path);
}

bool MainWindow::maybeSaveResult() {
    if (!ui->textEdit->document()->isModified())
        return true;
    switch (ask(QMessageBox::Warning,
                tr("The result has been edited and not saved. Save it before it is lost?"),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                QMessageBox::Save)) {
    case QMessageBox::Save:
        return saveResultAs();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

std::unique_ptr<QTextDocument> MainWindow::printableResult() const {
    // Zoom is for the screen; files and paper get the text's own sizes.
    std::unique_ptr<QTextDocument> copy(ui->textEdit->document()->clone());
    QFont font = copy->defaultFont();
    if (resultBaseSize > 0)
        font.setPointSize(resultBaseSize);
    copy->setDefaultFont(font);
    return copy;
}

void MainWindow::printResult(QPrinter *printer) const {
    printableResult()->print(printer);
}

void MainWindow::on_actionNew_triggered() {
    if (!maybeSaveResult())
        return;
    // Undoable, like any other edit of the input.
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    settingRunResult = true;
    ui->textEdit->clear();
    settingRunResult = false;
    ui->textEdit->document()->setModified(false);
    ui->plainTextEdit_2->clear();
    pendingRunDocument = QString();
    htmlViewStale = false;
    currentFile.clear();
    setFileTitle();
    showNotice(QString());
    dictionaryWarning->clear();
    ui->plainTextEdit->setFocus();
}

void MainWindow::on_actionOpen_triggered() {
    const QString path = chooseFileToOpen(lastFolder());
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::on_actionSave_Result_As_triggered() {
    saveResultAs();
}

void MainWindow::on_actionPrint_triggered() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printResult(&printer);
}

void MainWindow::on_actionPrint_Preview_triggered() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { printResult(target); });
    preview.exec();
}

void MainWindow::on_actionQuit_triggered() {
    close();
}

void MainWindow::on_actionUndo_triggered() {
    onEditor(lastEditor, [](auto *editor) { editor->undo(); });
}

void MainWindow::on_actionRedo_triggered() {
    onEditor(lastEditor, [](auto *editor) { editor->redo(); });
}

void MainWindow::on_actionCut_triggered() {
    onEditor(lastEditor, [](auto *editor) { editor->cut(); });
}

void MainWindow::on_actionCopy_triggered() {
    onEditor(lastEditor, [](auto *editor) { editor->copy(); });
}

void MainWindow::on_actionPaste_triggered() {
    onEditor(lastEditor, [](auto *editor) { editor->paste(); });
}

void MainWindow::on_actionSelect_All_triggered() {
    onEditor(lastEditor, [](auto *editor) {
        editor->selectAll();
        editor->setFocus();
    });
}

void MainWindow::updateEditActions() {
    bool editable = false;
    bool undo = false;
    bool redo = false;
    bool selection = false;
    onEditor(lastEditor, [&](auto *editor) {
        editable = !editor->isReadOnly();
        undo = editor->document()->isUndoAvailable();
        redo = editor->document()->isRedoAvailable();
        selection = editor->textCursor().hasSelection();
    });
    ui->actionUndo->setEnabled(editable && undo);
    ui->actionRedo->setEnabled(editable && redo);
    ui->actionCut->setEnabled(editable && selection);
    ui->actionCopy->setEnabled(selection);
    ui->actionPaste->setEnabled(editable);
}

void MainWindow::on_actionFind_triggered() {
    findBar->show();
    if (ui->textEdit->textCursor().hasSelection())
        lineFind->setText(ui->textEdit->textCursor().selectedText());
    lineFind->selectAll();
    lineFind->setFocus();
}

void MainWindow::on_actionFind_Next_triggered() {
    findInResult(false);
}

void MainWindow::on_actionFind_Previous_triggered() {
    findInResult(true);
}

void MainWindow::findInResult(bool backward) {
    const QString text = lineFind->text();
    if (text.isEmpty()) {
        on_actionFind_triggered();
        return;
    }
    ui->tabWidget->setCurrentWidget(ui->tab);
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextDocument *document = ui->textEdit->document();
    QTextCursor found = document->find(text, ui->textEdit->textCursor(), flags);
    if (found.isNull()) {
        // Go round once, as editors do.
        QTextCursor from(document);
        if (backward)
            from.movePosition(QTextCursor::End);
        found = document->find(text, from, flags);
        if (!found.isNull())
            statusBar()->showMessage(tr("Search went round the result."), 3000);
    }
    if (found.isNull()) {
        statusBar()->showMessage(tr("“%1” is not in the result.").arg(text), 5000);
        return;
    }
    ui->textEdit->setTextCursor(found);
}

void MainWindow::on_actionReset_Zoom_triggered() {
    zoomResultBy(resultBaseSize - ui->textEdit->font().pointSize());
}

void MainWindow::zoomResultBy(int points) {
    for (; points > 0; --points)
        on_actionZoom_In_triggered();
    for (; points < 0; ++points)
        on_actionZoom_Out_triggered();
}

void MainWindow::on_actionTranscribe_triggered() {
    ui->btnVocanize->click();
}

void MainWindow::on_rdbAmerican_toggled(bool) {
    updateSymbolButtons();
}

void MainWindow::updateSymbolButtons() {
    const bool american = ui->rdbAmerican->isChecked();
    for (QPushButton *button : ui->centralWidget->findChildren<QPushButton *>()) {
        if (button->objectName().startsWith(QLatin1String("btnPhoneticSymbol_")))
            button->setToolTip(orvanta::symbolToolTip(button->text(), american));
    }
    // The British dictionary writes əʊ where the American one writes oʊ;
    // the spare button would only invite mixing the two.
    ui->btnPhoneticSymbol_29->setVisible(american);
    ui->btnVocanize->setToolTip(
        tr("Transcribe the text (%1)")
            .arg(ui->actionTranscribe->shortcut().toString(QKeySequence::NativeText)));
}

void MainWindow::showNotice(const QString &text) {
    fileNotice->setText(text);
}

void MainWindow::setFileTitle() {
    if (currentFile.isEmpty())
        setWindowTitle(tr("Orvanta"));
    else
        setWindowTitle(tr("%1 — Orvanta").arg(QFileInfo(currentFile).fileName()));
}

void MainWindow::readSettings() {
    const QSettings settings;
    const QString variant = settings.value(key::variant).toString();
    if (variant == QLatin1String("british"))
        ui->rdbBritish->setChecked(true);
    else if (variant == QLatin1String("american"))
        ui->rdbAmerican->setChecked(true);
    ui->chkTransliterate->setChecked(settings.value(key::cyrillic, false).toBool());
    ui->chkWeakForms->setChecked(settings.value(key::weakForms, false).toBool());
    // Qt keeps a restored window on the screen; only the form's own size
    // needs fitting.
    if (!restoreGeometry(settings.value(key::geometry).toByteArray()))
        fitToScreen();
    ui->splitter->restoreState(settings.value(key::splitter).toByteArray());
    // A hand-edited value must not make the text unreadable or huge.
    zoomResultBy(std::clamp(settings.value(key::zoom, 0).toInt(), 1 - resultBaseSize, 60));
    recentFiles = settings.value(key::recentFiles).toStringList().mid(0, maxRecentFiles);
    rebuildRecentMenu();
}

void MainWindow::writeSettings() const {
    QSettings settings;
    settings.setValue(key::variant, ui->rdbBritish->isChecked() ? QStringLiteral("british")
                                                                : QStringLiteral("american"));
    settings.setValue(key::cyrillic, ui->chkTransliterate->isChecked());
    settings.setValue(key::weakForms, ui->chkWeakForms->isChecked());
    settings.setValue(key::geometry, saveGeometry());
    settings.setValue(key::splitter, ui->splitter->saveState());
    settings.setValue(key::zoom, ui->textEdit->font().pointSize() - resultBaseSize);
}

void MainWindow::addRecentFile(const QString &path) {
    recentFiles.removeAll(path);
    recentFiles.prepend(path);
    while (recentFiles.size() > maxRecentFiles)
        recentFiles.removeLast();
    QSettings().setValue(key::recentFiles, recentFiles);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu() {
    QMenu *menu = ui->menuOpen_Recent;
    menu->clear();
    for (int i = 0; i < recentFiles.size(); ++i) {
        const QString path = recentFiles.at(i);
        // "&1 notes.txt": the digit is the mnemonic; an "&" in the name is
        // doubled so that it shows as itself.
        QAction *action = menu->addAction(
            tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                recentFiles.removeAll(path);
                QSettings().setValue(key::recentFiles, recentFiles);
                rebuildRecentMenu();
            }
            openFile(path);
        });
    }
    if (!recentFiles.isEmpty()) {
        menu->addSeparator();
        QAction *clear = menu->addAction(tr("&Clear List"));
        clear->setObjectName(QStringLiteral("actionClear_Recent"));
        connect(clear, &QAction::triggered, this, [this] {
            recentFiles.clear();
            QSettings().setValue(key::recentFiles, recentFiles);
            rebuildRecentMenu();
        });
    }
    menu->setEnabled(!recentFiles.isEmpty());
}

QString MainWindow::lastFolder() const {
    const QString folder = QSettings().value(key::lastFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void MainWindow::setLastFolder(const QString &folder) {
    QSettings().setValue(key::lastFolder, folder);
}

void MainWindow::fitToScreen() {
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    // The frame is not known before the window is first shown; leave room
    // for a usual title bar and borders.
    const QRect available = screen->availableGeometry();
    const QSize limit = available.size() - QSize(16, 48);
    if (width() > limit.width() || height() > limit.height())
        resize(size().boundedTo(limit).expandedTo(minimumSizeHint()));
    if (!available.contains(frameGeometry()))
        move(available.topLeft());
}
