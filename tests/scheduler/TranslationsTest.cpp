// Which of the carried translations a session's locale gets: the agent's
// reminder is read in each, so the texts below are the translators' own.

#include "platform/Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(TranslationsTest, TheLocaleFindsItsLanguagesFile) {
    const struct {
        const char* locale;
        const char* launch; // the reminder's action, or its English source when nothing is found
    } cases[] = {
        {"fr_FR", "Lancer"}, {"fr_CA", "Lancer"}, {"es_MX", "Abrir"},     {"it_IT", "Avvia"},
        {"pt_BR", "Abrir"},  {"pt_PT", "Abrir"},  {"ru_RU", "Запустить"}, {"ja_JP", "起動"},
        {"zh_CN", "启动"},   {"zh_SG", "启动"},   {"ar_SA", "تشغيل"},     {"de_AT", "Starten"},
        {"zh_TW", "Launch"}, {"en_GB", "Launch"}, {"nb_NO", "Launch"},
    };
    for (const auto& c : cases) {
        const Translations translations{QLocale(QString::fromLatin1(c.locale))};
        EXPECT_EQ(translations.hasApplicationTranslation(), qstrcmp(c.launch, "Launch") != 0) << c.locale;
        EXPECT_EQ(QCoreApplication::translate("dovrel::agent::AppDelegate", "Launch").toStdString(), c.launch)
            << c.locale;
    }
}

} // namespace
} // namespace dovrel
