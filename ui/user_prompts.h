// Everything in the window that waits for the user goes through this, so
// that the tests can answer in the user's place.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QUrl>

class UserPrompts {
public:
    virtual QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;
    virtual QString chooseFileToOpen(const QString &folder) = 0;
    // Returns the chosen path with the extension of the chosen format.
    virtual QString chooseResultFile(const QString &suggestedPath) = 0;
    virtual QString chooseInputFile(const QString &suggestedPath) = 0;
    virtual bool openExternalUrl(const QUrl &url) = 0;

protected:
    ~UserPrompts() = default;
};
