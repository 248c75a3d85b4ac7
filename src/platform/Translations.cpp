#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dovrel {

namespace {

std::unique_ptr<QTranslator> installed(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    const auto load = [&](const QLocale& l) {
        return translator->load(l, name, QStringLiteral("_"), folder);
    };
    // Without a file of its own a locale reads the one of its language and
    // script in their usual territory: pt_PT reads pt_BR, zh_SG reads zh_CN
    // (but zh_TW, written in the other script, does not).
    if (!(load(locale) || load(QLocale(locale.language(), locale.script(), QLocale::AnyTerritory))) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

Translations::Translations(const QLocale& locale)
    : application_(installed(locale, QStringLiteral("dovrel-cleaner"), QStringLiteral(":/i18n"))),
      qt_(installed(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {}

Translations::~Translations() {
    for (const auto& t : {application_.get(), qt_.get()})
        if (t)
            QCoreApplication::removeTranslator(t);
}

} // namespace dovrel
