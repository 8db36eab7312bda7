#include "app/QtTranslations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool LoadQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // qt_ja loads qtbase_ja and the other modules' catalogues it names.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qt"_qs, u"_"_qs,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
