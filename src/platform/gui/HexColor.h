#pragma once

#include <QColor>
#include <QString>

namespace dovrel {

// Colours named as six hexadecimal digits ("515360"), as the screens and
// controls write them.
class HexColor {
public:
    // Removes every "#" and reads the rest as one hexadecimal integer v; the
    // result is the opaque colour ((v >> 16) & 255, (v >> 8) & 255, v & 255).
    // Text that is not a hexadecimal number reads as 0 (black).
    static QColor colorFromHexString(const QString& text);
};

} // namespace dovrel
