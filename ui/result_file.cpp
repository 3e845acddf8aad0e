#include "ui/result_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace orvanta {

std::optional<ResultFormat> resultFormatForPath(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ResultFormat::Html;
    if (suffix == QLatin1String("odt"))
        return ResultFormat::OpenDocument;
    if (suffix == QLatin1String("pdf"))
        return ResultFormat::Pdf;
    if (suffix == QLatin1String("txt"))
        return ResultFormat::PlainText;
    return std::nullopt;
}

QString resultExtension(ResultFormat format) {
    switch (format) {
    case ResultFormat::Html:
        return QStringLiteral(".html");
    case ResultFormat::OpenDocument:
        return QStringLiteral(".odt");
    case ResultFormat::Pdf:
        return QStringLiteral(".pdf");
    case ResultFormat::PlainText:
        return QStringLiteral(".txt");
    }
    return {};
}

bool writeResult(const QTextDocument &document, const QString &path, ResultFormat format,
                 QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool written = true;
    switch (format) {
    case ResultFormat::Html:
        // Qt's export declares UTF-8, so browsers read the IPA right.
        written = file.write(document.toHtml().toUtf8()) >= 0;
        break;
    case ResultFormat::PlainText:
        written = file.write(document.toPlainText().toUtf8()) >= 0;
        break;
    // Both writers close the device they are given, which a QSaveFile
    // does not allow; they write into memory instead.
    case ResultFormat::OpenDocument: {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "odf");
        written = writer.write(&document) && file.write(buffer.data()) >= 0;
        break;
    }
    case ResultFormat::Pdf: {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setTitle(QFileInfo(path).completeBaseName());
            writer.setCreator(QStringLiteral("Orvanta"));
            document.print(&writer);
        }
        written = !buffer.data().isEmpty() && file.write(buffer.data()) >= 0;
        break;
    }
    }
    if (!written || file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orvanta
