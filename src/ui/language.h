#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the screens speak: the one asked for on the command line, or
// else the first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG) that has a translation. English is the texts in the sources, so it
// needs none and ends the search.
namespace Language {

// Languages with a translation built in, as "de", "es", "fr".
QStringList available();
// What to show for requested (empty: none asked for) and the desktop's
// preferences, most preferred first ("de-AT", "fr"); empty means English.
QString pick(const QString &requested, const QStringList &uiLanguages);
// Installs the program's translation for language and Qt's own for its
// standard buttons; false when language has no translation.
bool install(QCoreApplication &app, const QString &language);

} // namespace Language
