#include "ui/result_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The factors by which Qt's layout scales the HTML sizes from xx-small to
// xxx-large; a relative size ("small") is given to the characters as one
// of these steps from the document's size.
double relativeSizeFactor(int adjustment) {
    static constexpr double factors[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4};
    return factors[std::clamp(adjustment + 2, 0, 6)];
}

// Qt's OpenDocument writer knows neither relative sizes (the transcription
// line came out at full size) nor a line break without a tab before it
// (every sentence ended in one). Here relative sizes become point sizes,
// and each line break a paragraph of its own, without space between them.
void prepareForOpenDocument(QTextDocument &document) {
    const double base = document.defaultFont().pointSizeF();
    std::vector<std::pair<int, int>> relative;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().hasProperty(QTextFormat::FontSizeAdjustment))
                relative.emplace_back(it.fragment().position(), it.fragment().length());
        }
    }
    for (const auto &[position, length] : relative) {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);
        QTextCharFormat format = cursor.charFormat();
        if (!format.hasProperty(QTextFormat::FontPointSize) && base > 0)
            format.setFontPointSize(
                base * relativeSizeFactor(format.intProperty(QTextFormat::FontSizeAdjustment)));
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        const QString text = block.text();
        for (qsizetype i = text.size(); i-- > 0;) {
            if (text.at(i) != QChar::LineSeparator)
                continue;
            QTextBlockFormat upper = block.blockFormat();
            QTextBlockFormat lower = upper;
            upper.setBottomMargin(0);
            lower.setTopMargin(0);
            QTextCursor cursor(&document);
            cursor.setPosition(block.position() + int(i));
            cursor.deleteChar();
            cursor.insertBlock(lower);
            QTextCursor(block).setBlockFormat(upper);
        }
    }
}

} // namespace

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
        const std::unique_ptr<QTextDocument> copy(document.clone());
        prepareForOpenDocument(*copy);
        QTextDocumentWriter writer(&buffer, "odf");
        written = writer.write(copy.get()) && file.write(buffer.data()) >= 0;
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
