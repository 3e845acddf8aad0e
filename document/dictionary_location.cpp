#include "document/dictionary_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

QString locateDictionary(const QString &relativePath) {
    if (QFileInfo::exists(relativePath))
        return relativePath;

    // Started from a desktop menu the current directory is the home folder,
    // so also look where the program itself lives and where it is installed.
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QDir appDir(QCoreApplication::applicationDirPath());
        candidates << appDir.filePath(relativePath)
                   << appDir.filePath(QStringLiteral("../share/orvanta/") + relativePath);
    }
    candidates << QDir(QStringLiteral(ORVANTA_DATA_DIR)).filePath(relativePath);

    for (const QString &candidate : std::as_const(candidates)) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return relativePath;
}

} // namespace orvanta
