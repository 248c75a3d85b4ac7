#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dovrel {

namespace {

std::unique_ptr<QTranslator> installed(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
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
