// The version as the build declares it, read from the project's own
// CMakeLists.txt rather than from anything the program was compiled with.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

inline QString declaredVersion() {
    QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/CMakeLists.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral(R"(project\(\s*\w+\s+VERSION\s+([0-9][0-9.]*))"))
            .match(QString::fromUtf8(file.readAll()));
    if (!match.hasMatch())
        qFatal("no project(... VERSION ...) in %s", qPrintable(file.fileName()));
    return match.captured(1);
}
