#pragma once

#include <QIcon>

namespace dovrel {

// The application's icon, drawn once in resources/icons/dovrel-cleaner.svg and
// rendered at build time to the hicolor sizes, which dovrel_resources links in
// under :/icons/<size>.png. PNGs need no image plug-in at run time.
class AppIcon {
public:
    // Every size that is linked in; a null icon when none is.
    static QIcon icon();

    // The sizes the build renders (16 ... 512), smallest first.
    static const QList<int>& sizes();
};

} // namespace dovrel
