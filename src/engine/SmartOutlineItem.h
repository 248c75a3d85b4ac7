#pragma once

#include "catalogue/IconRef.h"
#include "fs/Types.h"

#include <QString>

#include <memory>
#include <optional>

namespace dovrel {

// One category row of the results outline.
struct SmartOutlineItem {
    QString label;
    ByteCount size = 0;
    QString type;
    std::optional<IconRef> image;
    // How many found locations of the category the keep list held back (not
    // in the entries, not in the size).
    int kept = 0;

    static std::shared_ptr<SmartOutlineItem> init_with_label(QString label, ByteCount size, QString type,
                                                             std::optional<IconRef> image) {
        auto item = std::make_shared<SmartOutlineItem>();
        item->label = std::move(label);
        item->size = size;
        item->type = std::move(type);
        item->image = std::move(image);
        return item;
    }
};

} // namespace dovrel
