#include "document/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

namespace {

#if defined(ORVANTA_BUILD_DIR) && defined(ORVANTA_SOURCE_DIR)
// True when `path` is `folder` or lies below it, both taken with symbolic
// links resolved.
bool isWithin(const QString &path, const QString &folder) {
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalPath.isEmpty() || canonicalFolder.isEmpty())
        return false;
    return canonicalPath == canonicalFolder ||
           canonicalPath.startsWith(canonicalFolder + QLatin1Char('/'));
}
#endif

QString ownFolder() {
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QString();
}

// Every data folder but the current one, for a program in `programFolder`
// (empty when unknown).
QStringList programFolders(const QString &programFolder) {
    QStringList folders;
    // Started from a desktop menu the current folder is the home folder, so
    // the program also looks where it lives and where it was installed.
    const bool knowsItself = !programFolder.isEmpty();
    if (knowsItself) {
        folders << programFolder
                << QDir::cleanPath(programFolder + QStringLiteral("/../share/orvanta"));
    }
    folders << QDir::cleanPath(QStringLiteral(ORVANTA_DATA_DIR));
#if defined(ORVANTA_BUILD_DIR) && defined(ORVANTA_SOURCE_DIR)
    // An installed or packaged copy never reads the sources it was built
    // from: they may be gone, or belong to another version by now.
    if (knowsItself && isWithin(programFolder, QStringLiteral(ORVANTA_BUILD_DIR)))
        folders << QDir::cleanPath(QStringLiteral(ORVANTA_SOURCE_DIR));
#endif
    folders.removeDuplicates();
    return folders;
}

} // namespace

QStringList dataFolders() {
    QStringList folders = programFolders(ownFolder());
    folders.prepend(QDir::currentPath());
    folders.removeDuplicates();
    return folders;
}

QString locateDataFile(const QString &relativePath, CurrentFolder current) {
    return locateDataFile(relativePath, current, ownFolder());
}

QString locateDataFile(const QString &relativePath, CurrentFolder current,
                       const QString &programFolder) {
    if (current == CurrentFolder::Search && QFileInfo::exists(relativePath))
        return relativePath;
    for (const QString &folder : programFolders(programFolder)) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return relativePath;
}

} // namespace orvanta
