// Writing the (possibly hand-edited) result to a file the user keeps.
#pragma once

#include <QString>

#include <optional>

class QTextDocument;

namespace orvanta {

enum class ResultFormat { Html, OpenDocument, Pdf, PlainText };

// The format that the file name's extension asks for; none when the
// extension is none of .html/.htm, .odt, .pdf, .txt.
std::optional<ResultFormat> resultFormatForPath(const QString &path);
// The extension, with its dot, that a file of `format` is given.
QString resultExtension(ResultFormat format);

// Writes `document` to `path` as `format`, replacing the file only once the
// whole of it has been written, so that a full disk or a cancelled write
// never leaves a truncated result in place of the old one. On failure returns
// false and says why in `error`.
bool writeResult(const QTextDocument &document, const QString &path, ResultFormat format,
                 QString *error);

} // namespace orvanta
