#pragma once

class QCoreApplication;

namespace dovrel {

// Loads the translation of the user's language, built into the program from
// resources/translations/dovrel-cleaner_<lang>.ts. Without one the English
// source texts are shown.
class AppTranslations {
public:
    // Returns whether a translation was installed.
    static bool install(QCoreApplication& app);
};

} // namespace dovrel
