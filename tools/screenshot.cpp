// Shows the window after transcribing a paragraph with the real dictionaries,
// for a screenshot taken from outside; quits after the given seconds.
//   orvanta_screenshot SECONDS [british|american] < text
#include "ui/fonts.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/64.png")));
    orvanta::registerFontSubstitutes();
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    const bool british = argc > 2 && QString::fromLocal8Bit(argv[2]) == "british";

    MainWindow window;
    window.show();
    window.findChild<QPlainTextEdit *>("plainTextEdit")->setPlainText(QTextStream(stdin).readAll());
    window.findChild<QRadioButton *>(british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
    QTimer::singleShot(200, &window,
                       [&] { window.findChild<QPushButton *>("btnVocanize")->click(); });
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
