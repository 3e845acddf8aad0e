#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvanta {

bool installTranslations(QCoreApplication &app, const QLocale &locale) {
    // Qt's own catalogue comes from the system's Qt; it is optional, since
    // Orvanta's texts matter more than those of the standard dialogs.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    // Compiled into the program, so that no installed file can go missing.
    auto *own = new QTranslator(&app);
    if (own->load(locale, QStringLiteral("orvanta"), QStringLiteral("_"),
                  QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

} // namespace orvanta
