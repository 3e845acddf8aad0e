#include "ui/website.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

QUrl websiteUrl() {
    const QUrl configured(QStringLiteral(ORVANTA_WEBSITE_URL));
    if (!configured.isLocalFile() || QFileInfo::exists(configured.toLocalFile()))
        return configured;

    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QDir appDir(QCoreApplication::applicationDirPath());
        candidates << appDir.filePath(QStringLiteral("../share/orvanta/docs/index.html"));
    }
    candidates << QStringLiteral(ORVANTA_SOURCE_GUIDE);
    for (const QString &candidate : std::as_const(candidates)) {
        if (QFileInfo::exists(candidate))
            return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(candidate).absoluteFilePath()));
    }
    return configured;
}

} // namespace orvanta
