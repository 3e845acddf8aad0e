// The real window with the user's part played by the test: questions are
// answered, file dialogs return the given paths, and nothing is launched.
#pragma once

#include "ui/mainwindow.h"

#include <QList>
#include <QUrl>

class TestWindow : public MainWindow {
public:
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QStringList questions;
    QString fileToOpen;
    int openDialogs = 0;
    QString resultFile;
    QString suggestedResultFile;
    int saveDialogs = 0;
    QString inputFile;
    bool browserStarts = true;
    QList<QUrl> openedUrls;

protected:
    QMessageBox::StandardButton ask(QMessageBox::Icon, const QString &text,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override {
        questions << text;
        return answer;
    }
    QString chooseFileToOpen(const QString &) override {
        ++openDialogs;
        return fileToOpen;
    }
    QString chooseResultFile(const QString &suggestedPath) override {
        ++saveDialogs;
        suggestedResultFile = suggestedPath;
        return resultFile;
    }
    QString chooseInputFile(const QString &) override { return inputFile; }
    bool openExternalUrl(const QUrl &url) override {
        openedUrls << url;
        return browserStarts;
    }
};
