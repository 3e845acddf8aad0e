// Keeps the widget tests away from the user's real settings: whatever the
// window remembers goes to a folder that is deleted with the test.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

class TemporarySettings {
public:
    // Call before anything reads QSettings.
    TemporarySettings() {
        QCoreApplication::setOrganizationName(QStringLiteral("OrvantaTest"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        for (QSettings::Format format : {QSettings::IniFormat, QSettings::NativeFormat}) {
            QSettings::setPath(format, QSettings::UserScope, dir.path());
            QSettings::setPath(format, QSettings::SystemScope, dir.path());
        }
    }
    // Back to a first start.
    void clear() { QSettings().clear(); }

private:
    QTemporaryDir dir;
};
