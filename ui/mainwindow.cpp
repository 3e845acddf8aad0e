#include "ui/mainwindow.h"

#include "ui_mainwindow.h"

#include "document/data_location.h"
#include "document/document.h"
#include "engine/cyrillic.h"
#include "engine/dictionary.h"
#include "engine/transcription_engine.h"
#include "ui/pronunciationdialog.h"
#include "ui/userdictionarydialog.h"
#include "ui/website.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>

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
        ui->btnPhoneticSymbol_28,
    };
    for (QPushButton *button : symbolButtons)
        connect(button, &QPushButton::clicked, this, &MainWindow::insertPhoneticSymbol);

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
}

MainWindow::~MainWindow() {
    delete ui;
}

QString MainWindow::transliterateToCyrillic(const QString &ipa) {
    return QString::fromStdU16String(orvanta::transliterateToCyrillic(ipa.toStdU16String()));
}

void MainWindow::changeEvent(QEvent *e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
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
    // The HTML tab is to show the document as built, not the editor's own
    // export of it; exporting a long result only to overwrite it would cost a
    // third of the run.
    settingRunResult = true;
    ui->textEdit->setHtml(document);
    settingRunResult = false;
    ui->plainTextEdit_2->setPlainText(document);

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
    QDesktopServices::openUrl(orvanta::websiteUrl());
}

void MainWindow::on_textEdit_textChanged() {
    if (settingRunResult)
        return;
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
        return QString::fromStdU16String(engine.renderIpa(code));
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
