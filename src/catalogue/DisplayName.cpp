#include "catalogue/DisplayName.h"

#include "platform/NameText.h"

#include <string_view>

namespace dovrel {

QString DisplayName::of(const Location& path) {
    std::string_view bytes = path.native();
    while (bytes.size() > 1 && bytes.back() == '/')
        bytes.remove_suffix(1);
    if (bytes == "/")
        return QStringLiteral("/");
    if (const std::size_t slash = bytes.rfind('/'); slash != std::string_view::npos)
        bytes.remove_prefix(slash + 1);
    constexpr std::string_view kAppExtension = ".app";
    if (bytes.size() > kAppExtension.size() && bytes.ends_with(kAppExtension))
        bytes.remove_suffix(kAppExtension.size());
    return NameText::fromBytes(bytes);
}

} // namespace dovrel
