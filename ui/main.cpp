#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Lets Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
#ifndef Q_OS_WIN
    // Windows takes the window icon from the executable's icon resource.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/64.png")));
#endif
    orvanta::registerFontSubstitutes();
    orvanta::installTranslations(app, QLocale());

    MainWindow window;
    window.show();
    return app.exec();
}
