#pragma once

#include <QString>

namespace dovrel {

// Texts drawn by hand inside a right-to-left layout keep their own order:
// a byte count ("14.5 MB") stays left to right, a name (a file name, a
// category) takes the direction of its own first strong letter. Unicode
// isolates do it; in a left-to-right layout they change nothing shown.
class BidiText {
public:
    // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE.
    static QString leftToRight(const QString& text) {
        return text.isEmpty() ? text : QChar(0x2066) + text + QChar(0x2069);
    }
    // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE.
    static QString isolated(const QString& text) {
        return text.isEmpty() ? text : QChar(0x2068) + text + QChar(0x2069);
    }
};

} // namespace dovrel
