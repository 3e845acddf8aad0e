#include "ui/website.h"

#include "document/data_location.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

QUrl websiteUrl() {
    // A local address that is not there (a guide moved since the build) is
    // looked up like the default one.
    const QUrl configured(QStringLiteral(ORVANTA_WEBSITE_URL));
    if (!configured.isEmpty() &&
        (!configured.isLocalFile() || QFileInfo::exists(configured.toLocalFile())))
        return configured;

    const QString guide = QString::fromLatin1(userGuideFile);
    const QString found = locateDataFile(guide, CurrentFolder::Skip);
    // Nowhere to be found: the address where the installation puts it, so
    // that whoever reports the failure names the place to look.
    const QString path =
        found != guide ? found : QDir(QStringLiteral(ORVANTA_DATA_DIR)).filePath(guide);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

} // namespace orvanta
