#include "ui/mainwindow.h"

#include "ui_mainwindow.h"

#include "document/utf16.h"
#include "engine/output/cyrillic.h"
#include "ui/editors.h"
#include "ui/file_actions.h"
#include "ui/pronunciationdialog.h"
#include "ui/result_document.h"
#include "ui/result_view.h"
#include "ui/run_progress.h"
#include "ui/symbols.h"
#include "ui/transcription.h"
#include "ui/userdictionarydialog.h"
#include "ui/website.h"
#include "ui/window_settings.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

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

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), aboutBox(nullptr) {
    ui->setupUi(this);
    ui->mainToolBar->hide();

    // A hint, not text: a real text there would be transcribed with the
    // user's own.
    ui->plainTextEdit->setPlaceholderText(tr("Enter your text here."));

    // A label rather than a status message: hovering any menu entry replaces
    // the message with the entry's (empty) status tip, and the warning would
    // be gone before the user had read it. Ignoring its width keeps a long
    // path from widening the window.
    dictionaryWarning = new QLabel(statusBar());
    dictionaryWarning->setObjectName(QStringLiteral("dictionaryWarning"));
    dictionaryWarning->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(dictionaryWarning, 1);

    fileNotice = new QLabel(statusBar());
    fileNotice->setObjectName(QStringLiteral("fileNotice"));
    fileNotice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(fileNotice, 1);
    showNotice(QString());
    showWarning(QString());

    resultView = new ResultView(*ui, this);
    runProgress = new RunProgress(this);
    connect(resultView, &ResultView::message, statusBar(), &QStatusBar::showMessage);
    recentFiles = new RecentFiles(ui->menuOpen_Recent, this);
    files = new FileActions(*this, this, ui->plainTextEdit, *resultView, *recentFiles);
    connect(recentFiles, &RecentFiles::chosen, files, &FileActions::open);
    connect(files, &FileActions::currentFileChanged, this, &MainWindow::setFileTitle);
    connect(files, &FileActions::notice, this, &MainWindow::showNotice);
    connect(files, &FileActions::message, statusBar(), &QStatusBar::showMessage);

    setUpSymbolButtons();
    nameHelpAction();
    setUpShortcuts();
    setUpKeyboardFocus();
    editors = new Editors(*ui, *resultView, this);
    connect(editors, &Editors::fileDropped, files, &FileActions::open);

    WindowSettings::restore(*this, *ui, *resultView);
    // The input is kept like a scratch pad: what was typed last time is
    // there again.
    const WindowSettings::KeptInput kept = WindowSettings::keptInput();
    ui->plainTextEdit->setPlainText(kept.text);
    ui->plainTextEdit->document()->setModified(!kept.inFile && !kept.text.isEmpty());
    connect(ui->plainTextEdit, &QPlainTextEdit::textChanged, this, &MainWindow::updateModified);
    connect(ui->plainTextEdit, &QPlainTextEdit::modificationChanged, this,
            &MainWindow::updateModified);
    connect(resultView, &ResultView::unsavedWorkChanged, this, &MainWindow::updateModified);
    updateModified();
    updateSymbolButtons();
    editors->updateActions();
    setFileTitle();
}

MainWindow::~MainWindow() {
    // Taking the widgets down moves the focus, and the application would
    // report that to a window that is no longer all there.
    disconnect(qApp, nullptr, this, nullptr);
    delete editors;
    delete ui;
}

void MainWindow::setUpSymbolButtons() {
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
    // 24 by 24 pixels is the smallest pointer target accessibility guidelines
    // accept; the stress marks are hairlines in a narrow button, and hard to
    // hit without it.
    for (QPushButton *button : {ui->btnPhoneticSymbol_27, ui->btnPhoneticSymbol_28}) {
        button->setMinimumSize(button->minimumSize().expandedTo(QSize(24, 24)));
        button->setMaximumSize(button->maximumSize().expandedTo(QSize(24, 24)));
    }
    for (QPushButton *button : symbolButtons) {
        button->setStyleSheet(symbolStyle);
        connect(button, &QPushButton::clicked, this, &MainWindow::insertPhoneticSymbol);
    }
}

void MainWindow::setUpShortcuts() {
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
    ui->actionGo_to_Orvanta_website->setShortcuts(QKeySequence::HelpContents);
    ui->actionTranscribe->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    // In no menu, so the window itself has to carry it for the shortcut.
    addAction(ui->actionTranscribe);
}

void MainWindow::setUpKeyboardFocus() {
    // Tab belongs to the text in the editors; Ctrl+Tab moves on from any
    // control, as a shortcut of the window, so that neither the editors nor
    // the result's tabs (which would flip their pages) keep it.
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { focusNextPrevChild(true); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous, &QShortcut::activated, this, [this] { focusNextPrevChild(false); });
}

QString MainWindow::transliterateToCyrillic(const QString &ipa) {
    return orvanta::toQString(orvanta::transliterateToCyrillic(ipa.toStdU16String()));
}

void MainWindow::changeEvent(QEvent *e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->plainTextEdit->setPlaceholderText(tr("Enter your text here."));
        nameHelpAction();
        setFileTitle();
        updateSymbolButtons();
    }
}

void MainWindow::on_btnVocanize_clicked() {
    std::optional<orvanta::Variant> variant;
    if (ui->rdbBritish->isChecked())
        variant = orvanta::Variant::British;
    else if (ui->rdbAmerican->isChecked())
        variant = orvanta::Variant::American;
    // What the last file operation or run had to say is old news now.
    showNotice(QString());
    statusBar()->clearMessage();
    transcription.guessUnknownWords = ui->actionGuess_unknown_words->isChecked();
    runProgress->start();
    const auto finish = qScopeGuard([this] { runProgress->finish(); });
    ResultDocument built(*ui->textEdit->document());
    const Transcription::Outcome outcome =
        transcription.run(ui->plainTextEdit->toPlainText(), variant, ui->chkWeakForms->isChecked(),
                          ui->chkTransliterate->isChecked(), ui->chkJoinLines->isChecked(),
                          [&](const orvanta::ParagraphParts &parts) {
                              built.addParagraph(parts.sentence, parts.rendering);
                              return runProgress->advance(parts.index + 1, parts.count);
                          });
    if (!outcome.finished) {
        // Cancel undoes the press of the button: half a result would pass
        // for the whole one in a saved file.
        statusBar()->showMessage(tr("Transcription cancelled; the result is as it was."), 10000);
        return;
    }
    resultView->show(built);
    // A new result has no history of its own.
    editors->updateActions();
    showWarning(outcome.warning);
}

void MainWindow::insertPhoneticSymbol() {
    const auto *button = qobject_cast<const QAbstractButton *>(sender());
    if (!button)
        return;
    ui->textEdit->insertPlainText(button->text());
    ui->textEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::on_actionBold_triggered() {
    resultView->toggle(ResultView::Style::Bold);
}

void MainWindow::on_actionItalic_triggered() {
    resultView->toggle(ResultView::Style::Italic);
}

void MainWindow::on_actionUnderline_triggered() {
    resultView->toggle(ResultView::Style::Underline);
}

void MainWindow::on_actionBigger_triggered() {
    resultView->toggle(ResultView::Style::Bigger);
}

void MainWindow::on_actionSmaller_triggered() {
    resultView->toggle(ResultView::Style::Smaller);
}

void MainWindow::on_actionZoom_In_triggered() {
    resultView->zoomIn();
}

void MainWindow::on_actionZoom_Out_triggered() {
    resultView->zoomOut();
}

void MainWindow::on_actionReset_Zoom_triggered() {
    resultView->resetZoom();
}

void MainWindow::on_actionAbout_triggered() {
    aboutBox.show();
}

void MainWindow::nameHelpAction() {
    // By default the address is the guide that comes with the program, and
    // the entry should not promise a web site.
    if (orvanta::websiteUrl().isLocalFile()) {
        ui->actionGo_to_Orvanta_website->setText(tr("Orvanta &User Guide"));
        ui->actionGo_to_Orvanta_website->setStatusTip(
            tr("Open the user guide that comes with Orvanta"));
    }
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
    resultView->textChanged();
}

void MainWindow::on_tabWidget_currentChanged(int) {
    resultView->tabChanged();
}

orvanta::Variant MainWindow::chosenVariant() const {
    return ui->rdbBritish->isChecked() ? orvanta::Variant::British : orvanta::Variant::American;
}

void MainWindow::setPronunciation(const QString &word) {
    const orvanta::Variant variant = chosenVariant();
    transcription.guessUnknownWords = ui->actionGuess_unknown_words->isChecked();
    const PronunciationDialog::Transcriber transcriber = transcription.transcriberFor(variant);
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
            chosenVariant(),
            [this](orvanta::Variant variant) { return transcription.transcriberFor(variant); },
            this);
        userDictionaryDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    userDictionaryDialog->show();
    userDictionaryDialog->raise();
    userDictionaryDialog->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!files->maybeSaveResult()) {
        event->ignore();
        return;
    }
    WindowSettings::save(*this, *ui, *resultView);
    WindowSettings::keepInput(
        {ui->plainTextEdit->toPlainText(), !ui->plainTextEdit->document()->isModified()});
    // The About box and any other window of ours are top-level windows of
    // their own; left open they would keep the program running without its
    // main window.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != this && widget->isVisible())
            widget->close();
    }
    event->accept();
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
    return FileActions::askForResultFile(this, suggestedPath);
}

QString MainWindow::chooseInputFile(const QString &suggestedPath) {
    return QFileDialog::getSaveFileName(this, tr("Save Input As"), suggestedPath,
                                        tr("Text files (*.txt);;All files (*)"));
}

bool MainWindow::openExternalUrl(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}

bool MainWindow::openFile(const QString &path) {
    return files->open(path);
}

bool MainWindow::saveResult(const QString &path) {
    return files->saveResult(path);
}

void MainWindow::on_actionNew_triggered() {
    // Quitting keeps the input; New clears it, so it asks about both.
    if (!files->maybeSaveResult() || !files->maybeSaveInput())
        return;
    // Undoable, like any other edit of the input.
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    ui->plainTextEdit->document()->setModified(false);
    resultView->clear();
    files->forgetCurrentFile();
    showNotice(QString());
    showWarning(QString());
    ui->plainTextEdit->setFocus();
}

void MainWindow::on_actionOpen_triggered() {
    files->chooseAndOpen();
}

void MainWindow::on_actionSave_Result_As_triggered() {
    files->saveResultAs();
}

void MainWindow::on_actionSave_Input_As_triggered() {
    files->saveInputAs();
}

void MainWindow::on_actionPrint_triggered() {
    files->print();
}

void MainWindow::on_actionPrint_Preview_triggered() {
    files->printPreview();
}

void MainWindow::on_actionQuit_triggered() {
    close();
}

void MainWindow::on_actionUndo_triggered() {
    editors->undo();
}

void MainWindow::on_actionRedo_triggered() {
    editors->redo();
}

void MainWindow::on_actionCut_triggered() {
    editors->cut();
}

void MainWindow::on_actionCopy_triggered() {
    editors->copy();
}

void MainWindow::on_actionPaste_triggered() {
    editors->paste();
}

void MainWindow::on_actionSelect_All_triggered() {
    editors->selectAll();
}

void MainWindow::on_actionFind_triggered() {
    resultView->showFindBar();
}

void MainWindow::on_actionFind_Next_triggered() {
    resultView->find(false);
}

void MainWindow::on_actionFind_Previous_triggered() {
    resultView->find(true);
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

namespace {

// An empty label leaves its room to the other one; a long text can be read
// whole from the tool tip.
void showInStatusBar(QLabel *label, const QString &text) {
    label->setText(text);
    label->setToolTip(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

void MainWindow::showNotice(const QString &text) {
    showInStatusBar(fileNotice, text);
}

void MainWindow::showWarning(const QString &text) {
    showInStatusBar(dictionaryWarning, text);
}

void MainWindow::setFileTitle() {
    // "[*]" is where Qt shows the modified mark.
    if (files->currentFile().isEmpty())
        setWindowTitle(tr("Orvanta[*]"));
    else
        setWindowTitle(tr("%1[*] — Orvanta").arg(QFileInfo(files->currentFile()).fileName()));
}

void MainWindow::updateModified() {
    const QTextDocument *input = ui->plainTextEdit->document();
    setWindowModified(resultView->hasUnsavedWork() || (input->isModified() && !input->isEmpty()));
}
