#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include <cstring>

namespace {

void describeCommandLine(QCommandLineParser &parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Orvanta adds phonetic transcription (IPA or Cyrillic letters) to English text."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "Text file to open in the input pane."),
        QStringLiteral("[file]"));
}

// --help and --version print and end; they must work where no display is,
// and QApplication cannot start without one.
bool onlyPrints(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    // Settings and the user's data folder are found under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("orvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));

    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        orvanta::installTranslations(app, QLocale());
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app);
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    // Lets Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
#ifndef Q_OS_WIN
    // Windows takes the window icon from the executable's icon resource.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/64.png")));
#endif
    orvanta::registerFontSubstitutes();
    orvanta::installTranslations(app, QLocale());

    // After QApplication, which has taken its own options (-style, ...) out.
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);

    MainWindow window;
    window.show();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        // Once the window is up, so that a failure message has it as parent.
        QTimer::singleShot(0, &window,
                           [&window, file = files.constFirst()] { window.openFile(file); });
    }
    return app.exec();
}
