#pragma once

#include <QLocale>

#include <memory>
#include <vector>

class QTranslator;

namespace dovrel {

// The translations of one of our programs for a locale, installed into the
// running QCoreApplication while this object lives:
//
//   :/i18n/dovrel-cleaner_<lang>.qm   our texts: the application's, the agent's
//                                     and the engine's category names, built
//                                     from resources/translations/*.ts and
//                                     linked in with dovrel_resources
//   <Qt translations>/qtbase_<lang>.qm Qt's own texts (standard buttons, the
//                                     file dialog), when installed
//
// Each is looked up by the locale's UI languages in order (LANGUAGE, then
// LC_ALL/LC_MESSAGES/LANG for the system locale), so "de_AT" finds the "de"
// file; a locale with no file of its own takes its language's usual one
// ("pt_PT" finds "pt_BR", "zh_SG" finds "zh_CN"). Without a file the English
// source texts are shown.
//
// Construct it after the QCoreApplication and destroy it before.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether our own, respectively Qt's, translation was found and installed.
    bool hasApplicationTranslation() const { return application_ != nullptr; }
    bool hasQtTranslation() const { return qt_ != nullptr; }

private:
    std::unique_ptr<QTranslator> application_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace dovrel
