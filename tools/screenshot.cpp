// Shows the window after transcribing a paragraph with the real dictionaries,
// for a screenshot taken from outside; quits after the given seconds. With an
// output file it saves the window's own picture there instead, which needs no
// display (QT_QPA_PLATFORM=offscreen).
//   orvanta_screenshot SECONDS [british|american] [OUTPUT.png] < text
#include "ui/fonts.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/64.png")));
    orvanta::registerFontSubstitutes();
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    const bool british = argc > 2 && QString::fromLocal8Bit(argv[2]) == "british";
    const QString output = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    // The picture shows a first start, whatever the user's own settings are.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    MainWindow window;
    window.resize(993, 605);
    window.show();
    window.findChild<QPlainTextEdit *>("plainTextEdit")->setPlainText(QTextStream(stdin).readAll());
    window.findChild<QRadioButton *>(british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
    QTimer::singleShot(200, &window,
                       [&] { window.findChild<QPushButton *>("btnVocanize")->click(); });
    QTimer::singleShot(seconds * 1000, &app, [&] {
        if (!output.isEmpty() && !window.grab().save(output))
            QCoreApplication::exit(1);
        else
            QCoreApplication::quit();
    });
    return app.exec();
}
