#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include <cstdio>

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

// The options QApplication takes for itself, so that they are no errors to
// the first look at the command line; the first group takes a value.
void acceptToolkitOptions(QCommandLineParser &parser) {
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry",
          "title", "name", "visual", "ncols", "cmap"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

enum class Verdict { Run, Help, Version, Error };

// --help, --version and a mistyped option print and end; they must work
// where no display is, and QApplication cannot start without one, so the
// command line is looked at before it is made.
Verdict judgeCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's own options are written with one dash: -style fusion.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    describeCommandLine(parser);
    acceptToolkitOptions(parser);
    if (!parser.parse(arguments))
        return Verdict::Error;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return Verdict::Help;
    if (parser.isSet(QStringLiteral("version")))
        return Verdict::Version;
    return Verdict::Run;
}

int answerWithoutWindow(Verdict verdict, int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    orvanta::installTranslations(app, QLocale());
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    describeCommandLine(parser);
    acceptToolkitOptions(parser);
    const bool parsed = parser.parse(app.arguments());
    if (verdict == Verdict::Help)
        parser.showHelp(0);
    if (verdict == Verdict::Version)
        parser.showVersion();
    // A usage error, as command-line programs report one: the reason and
    // the usage on standard error, status 2.
    std::fprintf(stderr, "%s\n\n%s", qPrintable(parsed ? QString() : parser.errorText()),
                 qPrintable(parser.helpText()));
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    // Settings and the user's data folder are found under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("orvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));

    if (const Verdict verdict = judgeCommandLine(argc, argv); verdict != Verdict::Run)
        return answerWithoutWindow(verdict, argc, argv);

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
