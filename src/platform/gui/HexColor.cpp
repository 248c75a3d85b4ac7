#include "platform/gui/HexColor.h"

namespace dovrel {

QColor HexColor::colorFromHexString(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char('#'));
    bool ok = false;
    const qulonglong v = digits.trimmed().toULongLong(&ok, 16);
    const qulonglong value = ok ? v : 0;
    return QColor(static_cast<int>((value >> 16) & 255), static_cast<int>((value >> 8) & 255),
                  static_cast<int>(value & 255));
}

} // namespace dovrel
