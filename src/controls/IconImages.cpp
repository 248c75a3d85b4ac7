#include "controls/IconImages.h"

#include "controls/CategoryArtwork.h"
#include "platform/gui/FileIcons.h"

#include <QHash>

#include <string>

namespace dovrel {

QIcon IconImages::icon(const IconRef& ref) {
    switch (ref.kind) {
    case IconRef::Kind::Resource: {
        static QHash<QString, QIcon> named;
        auto it = named.find(ref.name);
        if (it == named.end()) {
            QIcon made;
            for (int side : {16, 22, 32, 64})
                made.addPixmap(CategoryArtwork::image(ref.name, side));
            it = named.insert(ref.name, made);
        }
        return it.value();
    }
    case IconRef::Kind::File: {
        static QHash<QByteArray, QIcon> files;
        const std::string& bytes = ref.path.native();
        const QByteArray key(bytes.data(), static_cast<qsizetype>(bytes.size()));
        auto it = files.find(key);
        if (it == files.end())
            it = files.insert(key, FileIcons::iconFromImageFile(ref.path));
        return it.value();
    }
    case IconRef::Kind::FileSystemIcon:
        return FileIcons::iconForFile(ref.path);
    }
    return {};
}

} // namespace dovrel
