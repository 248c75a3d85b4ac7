#include "screens/results/SelectionSlot.h"

namespace dovrel {

const QString& SelectionSlot::placeholderText() {
    static const QString text = QStringLiteral("Empty");
    return text;
}

} // namespace dovrel
