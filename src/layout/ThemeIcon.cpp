#include "layout/ThemeIcon.h"

#include "fs/PathOps.h"

#include <sys/stat.h>

namespace dovrel {

namespace {

bool isFile(const Location& p) {
    struct stat st {};
    return PathOps::status(p, st, true) && S_ISREG(st.st_mode);
}

} // namespace

std::optional<Location> ThemeIcon::find(const QString& icon, const std::vector<Location>& dataDirs) {
    const QByteArray bytes = icon.toUtf8();
    const std::string name(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (name.empty())
        return std::nullopt;
    if (name.front() == '/')
        return isFile(name) ? std::optional<Location>(name) : std::nullopt;
    if (name.find('/') != std::string::npos || name == "." || name == "..")
        return std::nullopt;
    static const char* const sizes[] = {"256x256", "128x128", "96x96", "64x64", "48x48", "32x32"};
    for (const Location& dir : dataDirs) {
        const Location theme = dir / "icons/hicolor";
        for (const char* size : sizes)
            if (Location p = theme / size / "apps" / (name + ".png"); isFile(p))
                return p;
        if (Location p = theme / "scalable/apps" / (name + ".svg"); isFile(p))
            return p;
        for (const char* ext : {".png", ".svg", ".xpm"})
            if (Location p = dir / "pixmaps" / (name + ext); isFile(p))
                return p;
    }
    return std::nullopt;
}

} // namespace dovrel
