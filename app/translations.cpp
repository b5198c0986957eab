#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool loadQtTranslations(QTranslator& translator, const QLocale& locale)
{
    return translator.load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void installQtTranslations()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    // Owned by the application, which keeps it as long as it runs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (loadQtTranslations(*translator, QLocale::system()))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
