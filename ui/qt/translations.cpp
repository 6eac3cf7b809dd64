#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

bool installQtTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    const bool found = translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (found)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return found;
}

}  // namespace hinomori::ui
