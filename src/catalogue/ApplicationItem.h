#pragma once

#include "catalogue/IconRef.h"
#include "fs/Types.h"

#include <QString>

#include <optional>

namespace dovrel {

// What one application bundle says about itself. Text fields that the bundle
// lacks hold the literal fallbacks "empty_string", "null_string" or "1.0".
struct ApplicationItem {
    QString label;
    QString label_name;
    Location url;
    std::optional<IconRef> icon;
    std::optional<IconRef> app_icon;
    std::optional<QString> bundle;
    QString bundle_name;
    QString bundle_name_info;
    QString executable_info;
    std::optional<QString> company_name;
    QString app_version;
    QString log_file_name;
};

} // namespace dovrel
