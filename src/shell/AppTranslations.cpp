#include "shell/AppTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace dovrel {

bool AppTranslations::install(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("dovrel-cleaner"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))) {
        app.installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace dovrel
