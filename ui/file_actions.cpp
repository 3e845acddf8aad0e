#include "ui/file_actions.h"

#include "document/text_file.h"
#include "ui/result_file.h"
#include "ui/result_view.h"
#include "ui/user_prompts.h"
#include "ui/window_settings.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// Larger files are not texts a person transcribes, and reading them would
// freeze the window for a long time.
constexpr qint64 maxOpenFileSize = 64 * 1024 * 1024;

} // namespace

FileActions::FileActions(UserPrompts &prompts, QWidget *window, QPlainTextEdit *input,
                         ResultView &result, RecentFiles &recent)
    : QObject(window), prompts(prompts), window(window), input(input), result(result),
      recent(recent) {}

bool FileActions::open(const QString &path) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [&](const QString &why) {
        prompts.ask(QMessageBox::Warning, tr("Could not open “%1”:\n%2").arg(shown, why),
                    QMessageBox::Ok, QMessageBox::Ok);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(tr("It is a folder."));
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return fail(source.errorString());
    if (source.size() > maxOpenFileSize)
        return fail(tr("It is larger than %1 MB, too large for a text to transcribe.")
                        .arg(maxOpenFileSize / (1024 * 1024)));
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return fail(source.errorString());
    const orvanta::DecodedText decoded = orvanta::decodeTextFile(bytes);
    if (decoded.looksBinary)
        return fail(tr("It is not a plain-text file. Save it as plain text (.txt) first."));

    // Through the cursor, so that Undo brings back what was typed before.
    QTextCursor cursor(input->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(decoded.text);
    cursor.endEditBlock();
    input->moveCursor(QTextCursor::Start);
    input->document()->setModified(false);

    file = info.absoluteFilePath();
    emit currentFileChanged();
    recent.add(file);
    WindowSettings::setLastFolder(info.absolutePath());
    if (decoded.encoding == orvanta::DecodedText::Encoding::Windows1252) {
        // Short enough for the status bar of a small window.
        emit notice(tr("“%1” was read as Windows-1252: it is not UTF-8.").arg(info.fileName()));
    } else {
        emit notice(QString());
    }
    return true;
}

void FileActions::chooseAndOpen() {
    const QString path = prompts.chooseFileToOpen(WindowSettings::lastFolder());
    if (!path.isEmpty())
        open(path);
}

bool FileActions::saveResult(const QString &path) {
    const orvanta::ResultFormat format =
        orvanta::resultFormatForPath(path).value_or(orvanta::ResultFormat::Html);
    QString error;
    if (!orvanta::writeResult(*result.printable(), path, format, &error)) {
        const QString message =
            tr("Could not save the result to “%1”:\n%2").arg(QDir::toNativeSeparators(path), error);
        prompts.ask(QMessageBox::Warning, message, QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    result.markSaved();
    WindowSettings::setLastFolder(QFileInfo(path).absolutePath());
    emit message(tr("Result saved to %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

bool FileActions::saveResultAs() {
    const QString base = file.isEmpty() ? tr("transcription") : QFileInfo(file).completeBaseName();
    const QString path =
        prompts.chooseResultFile(QDir(WindowSettings::lastFolder()).filePath(base + ".html"));
    return !path.isEmpty() && saveResult(path);
}

bool FileActions::maybeSaveResult() {
    if (result.editor()->document()->isModified()) {
        switch (prompts.ask(
            QMessageBox::Warning,
            tr("The result has been edited and not saved. Save it before it is lost?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
        case QMessageBox::Save:
            return saveResultAs();
        case QMessageBox::Discard:
            result.markSaved();
            return true;
        default:
            return false;
        }
    }
    if (!result.hasReplacedEdits())
        return true;
    // Saving now would keep the run, not the edits; only Undo brings those.
    if (prompts.ask(QMessageBox::Warning,
                    tr("The result you edited was replaced by a later run and never saved. "
                       "Edit > Undo in the result brings it back. Discard it?"),
                    QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Cancel) != QMessageBox::Discard)
        return false;
    result.markSaved();
    return true;
}

bool FileActions::saveInput(const QString &path) {
    QSaveFile target(path);
    const QByteArray bytes = input->toPlainText().toUtf8();
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.commit()) {
        prompts.ask(QMessageBox::Warning,
                    tr("Could not save the text to “%1”:\n%2")
                        .arg(QDir::toNativeSeparators(path), target.errorString()),
                    QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    input->document()->setModified(false);
    const QFileInfo info(path);
    file = info.absoluteFilePath();
    emit currentFileChanged();
    recent.add(file);
    WindowSettings::setLastFolder(info.absolutePath());
    emit message(tr("Text saved to %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

bool FileActions::saveInputAs() {
    const QString suggested =
        file.isEmpty() ? QDir(WindowSettings::lastFolder()).filePath(tr("text") + ".txt") : file;
    const QString path = prompts.chooseInputFile(suggested);
    return !path.isEmpty() && saveInput(path);
}

bool FileActions::maybeSaveInput() {
    if (!input->document()->isModified() || input->document()->isEmpty())
        return true;
    switch (prompts.ask(QMessageBox::Warning,
                        tr("The text in the input pane is not saved in a file. Save it before "
                           "it is cleared?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        QMessageBox::Save)) {
    case QMessageBox::Save:
        return saveInputAs();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void FileActions::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted)
        result.print(&printer);
}

void FileActions::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, window);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { result.print(target); });
    preview.exec();
}

void FileActions::forgetCurrentFile() {
    file.clear();
    emit currentFileChanged();
}

QString FileActions::askForResultFile(QWidget *parent, const QString &suggestedPath) {
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
    QFileDialog dialog(parent, tr("Save Result As"), suggestedPath);
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
