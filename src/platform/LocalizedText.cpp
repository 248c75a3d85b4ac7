#include "platform/LocalizedText.h"

#include <QCollator>
#include <QLocale>

namespace dovrel {

namespace {

QLocale collationLocale() {
    QLocale system = QLocale::system();
    // The C locale would make QCollator compare code points.
    if (system.language() == QLocale::C || system.language() == QLocale::AnyLanguage)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

QCollator& collator() {
    // QCollator is not safe to share between threads; one per thread.
    thread_local QCollator c = [] {
        QCollator made(collationLocale());
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(false);
        made.setIgnorePunctuation(false);
        return made;
    }();
    return c;
}

} // namespace

int LocalizedText::localizedCaseInsensitiveCompare(const QString& a, const QString& b) {
    return collator().compare(a, b);
}

QString LocalizedText::fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const auto cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing)
            continue;
        out.append(c);
    }
    return out.toCaseFolded();
}

bool LocalizedText::localizedStandardContains(const QString& haystack, const QString& needle) {
    return fold(haystack).contains(fold(needle));
}

QString LocalizedText::capitalizedFirst(const QString& text) {
    if (text.isEmpty())
        return text;
    // A surrogate pair is one character.
    const qsizetype firstLength = (text.size() > 1 && text.at(0).isHighSurrogate()) ? 2 : 1;
    return text.left(firstLength).toUpper() + text.mid(firstLength);
}

} // namespace dovrel
