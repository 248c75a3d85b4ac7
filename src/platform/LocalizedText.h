#pragma once

#include <QString>

namespace dovrel {

// The text operations whose exact meaning the scans depend on, one place each.
class LocalizedText {
public:
    // Localised case-insensitive order: ignores case, keeps accents
    // (é sorts apart from e), natural to a reader of the current locale.
    // A C/POSIX locale falls back to English rules rather than byte order.
    // Returns <0, 0, >0.
    static int localizedCaseInsensitiveCompare(const QString& a, const QString& b);

    // Substring test that ignores case and diacritics and treats composed and
    // decomposed spellings (NFC/NFD) alike.
    static bool localizedStandardContains(const QString& haystack, const QString& needle);

    // The folded form localizedStandardContains compares; fold once and use
    // foldedContains when one text is tested many times.
    static QString fold(const QString& text);
    static bool foldedContains(const QString& foldedHaystack, const QString& foldedNeedle) {
        return foldedHaystack.contains(foldedNeedle);
    }

    // The first character upper case, the rest unchanged.
    static QString capitalizedFirst(const QString& text);
};

} // namespace dovrel
