// The interface's language: the catalogue for the system's locale, if there
// is one, for Orvanta's own texts and for Qt's (standard buttons, editor
// context menus).
#pragma once

class QCoreApplication;
class QLocale;

namespace orvanta {

// Installs the translations for `locale` into `app`; with none for that
// language the texts stay English. Returns whether Orvanta's own catalogue
// was found.
bool installTranslations(QCoreApplication &app, const QLocale &locale);

} // namespace orvanta
