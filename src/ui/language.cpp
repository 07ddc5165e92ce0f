#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kFolder = QStringLiteral(":/i18n");

// "de_AT", "de-AT" and "de" all mean German.
QString languageOf(const QString &name)
{
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return {};
    return QLocale(locale.language()).name().section(u'_', 0, 0);
}

} // namespace

namespace Language {

QStringList available()
{
    QStringList found;
    const QDir folder(kFolder);
    for (const QString &file : folder.entryList({QStringLiteral("quorvane_*.qm")}, QDir::Files, QDir::Name))
        found << file.section(u'_', 1).section(u'.', 0, 0);
    return found;
}

QString pick(const QString &requested, const QStringList &uiLanguages)
{
    const QStringList known = available();
    for (const QString &name : requested.isEmpty() ? uiLanguages : QStringList{requested}) {
        const QString language = languageOf(name);
        if (language == QLatin1String("en"))
            return {};
        if (known.contains(language))
            return language;
    }
    return {};
}

bool install(QCoreApplication &app, const QString &language)
{
    auto *own = new QTranslator(&app);
    if (!own->load(kFolder + QStringLiteral("/quorvane_") + language)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's standard buttons (OK, Cancel, Yes, No) and file dialogs; without
    // Qt's translations installed they stay English.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace Language
